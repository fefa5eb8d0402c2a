import QtQuick 2.15
import QtQuick.Layouts 1.15

// The window's body: tab row and page area, then the progress strip, the log bar and the footer
// buttons that agree, start the installer, follow it and end the run.
Rectangle {
    id: recMainInstall

    property bool bViewLogFile: false
    property bool bIsRestartRequired: false
    // How the finished run ended, as the backend reads it from the exit code.
    property string strCompletion
    property alias timerBusy: time
    property alias timerUninstallBusy: timer
    readonly property bool bUninstallMode: qtInterface.getCommandLineArguments()

    function onClickedIAgree() {
        // Ticks the agree box, retires the agree bar and slides Install in.
        g_binstallBtnIndicator = true
        recInstallButton.forceActiveFocus()
        g_iSectionNumber = 2
    }

    function onInstallButtonClicked() {
        g_bindicatorToInstall = true
        g_bindicatorForProgressRec = false
        state = ""
        // Shows the busy cover and starts the poll.
        g_bBusyindicator = true
        // Blocks until the installer has started or 30 seconds have passed.
        if (qtInterface1.installbutton()) {
            // Also disables Install for good.
            g_bExtractNow = false
        } else {
            // Nothing runs: back to the tiles, with Install available for another try.
            g_bBusyindicator = false
            g_bindicatorToInstall = false
            state = "installStartFailed"
        }
    }

    function completeInstall() {
        g_bBusyindicator = false
        strCompletion = qtInterface1.getCompletionStatus()
        if (qtInterface1.isRetryOffered()) {
            // Cancelled or blocked, so nothing changed: back to the tiles, as after
            // a start that failed; leaving now extracts the package again.
            g_bindicatorToInstall = false
            g_bExtractNow = true
            state = "installRetry"
            recInstallButton.forceActiveFocus()
            return
        }
        g_bInstallVariable = false
        bIsRestartRequired = qtInterface1.isRestartOffered()
        bViewLogFile = true
        state = "installed"
        // Install, which had the focus, is gone; hand it to the first closing button.
        if (bIsRestartRequired)
            recExitAndRestart.forceActiveFocus()
        else
            recExitWithoutRestart.forceActiveFocus()
    }

    function onUninstallButtonClicked() {
        recFinishButton.forceActiveFocus()
        g_bindicatorForProgressRec = false
        g_bindicatorToInstall = true
        state = ""
        // Shows the busy cover and starts the poll.
        g_bUninstallBusyIndicator = true
        if (qtInterface1.uninstallbutton()) {
            state = "uninstalling"
        } else {
            g_bUninstallBusyIndicator = false
            g_bindicatorToInstall = false
            state = "uninstallStartFailed"
            recUninstallButton.forceActiveFocus()
        }
    }

    function completeUninstall() {
        g_bUninstallBusyIndicator = false
        strCompletion = qtInterface1.getCompletionStatus()
        if (qtInterface1.isRetryOffered()) {
            g_bindicatorToInstall = false
            state = "uninstallRetry"
            recUninstallButton.forceActiveFocus()
            return
        }
        bIsRestartRequired = qtInterface1.isRestartOffered()
        state = "uninstalled"
        if (bIsRestartRequired)
            recUninstallRestartButton.forceActiveFocus()
    }

    // A bottom bar button: green while focused or hovered, whichever happened last.
    component FooterButton: Rectangle {
        id: recFooterButton

        property string strText
        property string strToolTip
        property bool bShowLabel: true
        property bool bHighlighted: false

        signal buttonClicked()

        color: bHighlighted ? g_strGreenColor : g_strBlackColor
        border.width: 2
        border.color: g_strBlackColor
        activeFocusOnTab: true
        Accessible.role: Accessible.Button
        Accessible.name: strText
        Accessible.description: strToolTip
        Accessible.ignored: !visible || opacity === 0
        Accessible.onPressAction: buttonClicked()
        Keys.onReturnPressed: buttonClicked()
        Keys.onEnterPressed: buttonClicked()
        Keys.onSpacePressed: buttonClicked()
        onActiveFocusChanged: bHighlighted = activeFocus

        Text {
            id: textFooterButton

            objectName: recFooterButton.objectName + "Text"
            anchors.centerIn: parent
            visible: recFooterButton.bShowLabel
            text: recFooterButton.strText
            color: g_strTxtColor
            font.pixelSize: 12
            font.bold: true
        }

        MouseArea {
            id: mouseAreaFooterButton

            anchors.fill: parent
            hoverEnabled: true
            onEntered: {
                recFooterButton.bHighlighted = true
                baseToolTip.tooltip = recFooterButton.strToolTip
                baseToolTip.showtt()
            }
            onExited: {
                recFooterButton.bHighlighted = false
                baseToolTip.hidett()
            }
            onClicked: recFooterButton.buttonClicked()
        }
    }

    objectName: "recMainInstall"

    Rectangle {
        id: recContent

        objectName: "recContent"
        y: 4
        width: parent.width
        height: (parent.height - g_ititlebar_size) * 0.97 + 2
        color: g_strTransparentColor

        BackgroundImages {
            id: recBckImage

            objectName: "recBckImage"
            anchors.fill: parent
        }

        // Declared before the page area, which it does not overlap, so that Tab reaches it first.
        Rectangle {
            id: recButtonTab

            objectName: "recButtonTab"
            width: parent.width
            height: g_ititlebar_size
            color: g_strTransparentColor

            RowLayout {
                id: rowTabs

                objectName: "rowTabs"
                anchors.fill: parent
                spacing: 0
                enabled: !g_bindicatorToInstall
                opacity: enabled ? 1 : 0

                Behavior on opacity {
                    NumberAnimation { duration: 800; easing.type: Easing.Linear }
                }

                CNButton {
                    id: recLicenseTab

                    objectName: "recLicenseTab"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: rowTabs.width / 2
                    visible: g_bDriversAreCompatible
                    strText: qsTr("License Agreement")
                    strTextColor: g_strTxtColor
                    iTextSize: 12
                    Accessible.role: Accessible.PageTab
                    Accessible.selectable: true
                    Accessible.selected: g_iSectionNumber === 1
                    KeyNavigation.right: recDriverstab
                    onButtonClicked: g_iSectionNumber = 1

                    Rectangle {
                        objectName: "recLicenseTabMarker"
                        anchors.fill: parent
                        color: g_strRedColor
                        border.width: 2
                        border.color: g_strBlackColor
                        visible: g_iSectionNumber === 1
                    }
                }

                CNButton {
                    id: recDriverstab

                    objectName: "recDriverstab"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: rowTabs.width / 2
                    visible: g_bDriversAreCompatible || recMainInstall.bUninstallMode
                    strText: qsTr("Drivers")
                    strTextColor: g_strTxtColor
                    iTextSize: 12
                    Accessible.role: Accessible.PageTab
                    Accessible.selectable: true
                    Accessible.selected: g_iSectionNumber === 2
                    KeyNavigation.left: recLicenseTab
                    onButtonClicked: g_iSectionNumber = 2

                    Rectangle {
                        objectName: "recDriverstabMarker"
                        anchors.fill: parent
                        color: g_strRedColor
                        border.width: 2
                        border.color: g_strBlackColor
                        visible: g_iSectionNumber === 2
                    }
                }

                CNButton {
                    id: recSystemUpdate

                    objectName: "recSystemUpdate"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: rowTabs.width / 2
                    visible: !recMainInstall.bUninstallMode && !g_bDriversAreCompatible
                    strText: qsTr("System Update")
                    strTextColor: g_strTxtColor
                    iTextSize: 12
                    Accessible.role: Accessible.PageTab
                    Accessible.selectable: true
                    Accessible.selected: g_iSectionNumber === 3
                    onButtonClicked: g_iSectionNumber = 3

                    Rectangle {
                        objectName: "recSystemUpdateMarker"
                        anchors.fill: parent
                        color: g_strRedColor
                        border.width: 2
                        border.color: g_strBlackColor
                        visible: g_iSectionNumber === 3
                    }
                }
            }
        }

        MainPage {
            id: recMainPage

            objectName: "recMainPage"
            y: g_ititlebar_size
            width: parent.width
            height: parent.height - g_ititlebar_size
            color: g_strTranslucentColor
            enabled: !g_bindicatorToInstall
            opacity: enabled ? 1 : 0

            Behavior on opacity {
                NumberAnimation { duration: 600; easing.type: Easing.Linear }
            }
        }

        Rectangle {
            id: recProgressBar

            objectName: "recProgressBar"
            // Sits on the log bar, 5 pixels above it, once that is shown.
            y: bViewLogFile ? recViewLog.y - 5 - height : parent.height - height
            width: parent.width
            height: g_bindicatorForProgressRec ? 0 : g_ititlebar_size
            visible: height !== 0
            // While the strip grows, its label must not spill over the page and the footer.
            clip: true
            color: g_strBlackColor
            Accessible.role: Accessible.StatusBar
            Accessible.name: textProgress.text

            Behavior on height {
                NumberAnimation { duration: 800; easing.type: Easing.Linear }
            }

            Text {
                id: textProgress

                objectName: "textProgress"
                anchors.centerIn: parent
                // A text longer than the strip, as some languages word an outcome, takes two lines.
                width: Math.min(implicitWidth, parent.width - 10)
                text: recMainInstall.bUninstallMode ? qsTr("Uninstalling..") : qsTr("Installing..")
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                color: g_strTxtColor
                font.pixelSize: 12
                font.bold: true
            }

            MouseArea {
                id: mouseAreaProgressBar

                anchors.fill: parent
                acceptedButtons: Qt.NoButton
                hoverEnabled: true
                onEntered: {
                    baseToolTip.tooltip = qsTr("Status of Installation")
                    baseToolTip.showtt()
                }
                onExited: baseToolTip.hidett()
            }
        }

        Rectangle {
            id: recViewLog

            objectName: "recViewLog"
            anchors.bottom: parent.bottom
            width: parent.width
            height: g_bindicatorForProgressRec ? 0 : g_ititlebar_size
            visible: bViewLogFile
            color: g_strBlackColor
            border.width: activeFocus ? 1 : 0
            border.color: g_strLightColor
            activeFocusOnTab: true
            Accessible.role: Accessible.Button
            Accessible.name: textViewLog.text
            Accessible.onPressAction: qtInterface.toLaunchLogFile()
            Keys.onReturnPressed: qtInterface.toLaunchLogFile()
            Keys.onEnterPressed: qtInterface.toLaunchLogFile()
            Keys.onSpacePressed: qtInterface.toLaunchLogFile()

            Behavior on height {
                NumberAnimation { duration: 800; easing.type: Easing.Linear }
            }

            Text {
                id: textViewLog

                objectName: "textViewLog"
                anchors.centerIn: parent
                text: qsTr("View Installation Log")
                color: g_strTxtColor
                font.pixelSize: 12
                font.bold: true
                font.underline: true
            }

            MouseArea {
                id: mouseAreaViewLog

                objectName: "mouseAreaViewLog"
                anchors.fill: parent
                hoverEnabled: true
                onEntered: {
                    baseToolTip.tooltip = qsTr("View Installation Log")
                    baseToolTip.showtt()
                }
                onExited: baseToolTip.hidett()
                onClicked: qtInterface.toLaunchLogFile()
            }
        }
    }

    Rectangle {
        id: mainFooter

        objectName: "mainFooter"
        anchors.bottom: parent.bottom
        width: parent.width
        height: g_ititlebar_size
        color: g_strBlackColor
        visible: !recMainInstall.bUninstallMode
        // With nothing offered the close bar covers it, and the keyboard must not reach it either.
        enabled: g_bDriversAreCompatible

        FooterButton {
            id: recAcceptButton

            objectName: "recAcceptButton"
            anchors.fill: parent
            visible: g_bInstallVariable
            enabled: !g_binstallBtnIndicator
            opacity: enabled ? 1 : 0
            strText: qsTr("I agree to the terms and conditions")
            strToolTip: qsTr("Terms and Conditions")
            // Its label is a tick box and left-aligned text instead.
            bShowLabel: false
            Accessible.role: Accessible.CheckBox
            Accessible.checkable: true
            Accessible.checked: checkboxAgree.bChecked
            Accessible.onToggleAction: recMainInstall.onClickedIAgree()
            onButtonClicked: recMainInstall.onClickedIAgree()

            Row {
                anchors.fill: parent

                Item {
                    width: parent.width * 0.1
                    height: parent.height

                    CustomCheckbox {
                        id: checkboxAgree

                        objectName: "checkboxAgree"
                        anchors.centerIn: parent
                        bChecked: g_binstallBtnIndicator
                    }
                }

                Text {
                    id: textAgree

                    objectName: "textAgree"
                    height: parent.height
                    text: recAcceptButton.strText
                    color: g_strTxtColor
                    font.pixelSize: 11
                    font.bold: true
                    horizontalAlignment: Text.AlignLeft
                    verticalAlignment: Text.AlignVCenter
                }
            }
        }

        FooterButton {
            id: recInstallButton

            objectName: "recInstallButton"
            // Parked just past the window's right edge until the licence is agreed to.
            x: g_binstallBtnIndicator ? 0 : appWidth
            width: parent.width
            height: parent.height
            visible: g_bInstallVariable
            enabled: g_binstallBtnIndicator && g_bEnableInstallButton && bValidCheckedButton && g_bExtractNow
            opacity: enabled ? 1 : 0.5
            activeFocusOnTab: g_binstallBtnIndicator
            strText: qsTr("Install")
            strToolTip: qsTr("Installs the Application")
            onButtonClicked: recMainInstall.onInstallButtonClicked()

            Behavior on x {
                NumberAnimation { duration: 1000 }
            }
        }

        Row {
            id: rowLaunchAndClose

            objectName: "rowLaunchAndClose"
            anchors.fill: parent
            visible: !g_bInstallVariable

            FooterButton {
                id: recExitAndRestart

                objectName: "recExitAndRestart"
                width: parent.width / 2
                height: parent.height
                visible: recMainInstall.bIsRestartRequired
                strText: qsTr("Restart Now")
                strToolTip: qsTr("Exits installer and Restarts the system")
                KeyNavigation.right: recExitWithoutRestart
                onButtonClicked: {
                    Qt.quit()
                    qtInterface.restartSystem()
                }
            }

            FooterButton {
                id: recExitWithoutRestart

                objectName: "recExitWithoutRestart"
                width: recMainInstall.bIsRestartRequired ? parent.width / 2 : parent.width
                height: parent.height
                strText: qsTr("Close")
                strToolTip: qsTr("Exits Installer")
                KeyNavigation.left: recExitAndRestart
                onButtonClicked: Qt.quit()
            }
        }
    }

    Rectangle {
        id: recIndicator

        objectName: "recIndicator"
        y: recContent.y
        width: parent.width
        height: recContent.height - recProgressBar.height
        color: g_strTranslucentColor
        visible: g_bBusyindicator

        // Built when first needed, then kept.
        Loader {
            id: loaderBusyIndicatorForInstall

            anchors.fill: parent
            active: g_bBusyindicator
            onLoaded: active = true

            sourceComponent: CustomBusyindicator {
                id: recBusyIndicatorForInstall

                objectName: "recBusyIndicatorForInstall"
            }
        }

        Timer {
            id: time

            objectName: "time"
            interval: 1000
            repeat: true
            running: g_bBusyindicator
            onTriggered: {
                if (!qtInterface1.isRunning())
                    recMainInstall.completeInstall()
            }
        }
    }

    Rectangle {
        id: recUninstallFooter

        objectName: "recUninstallFooter"
        anchors.bottom: parent.bottom
        width: parent.width
        height: g_ititlebar_size
        color: g_strBlackColor
        visible: recMainInstall.bUninstallMode

        FooterButton {
            id: recUninstallButton

            objectName: "recUninstallButton"
            anchors.fill: parent
            // The keyboard starts on the run's one action.
            focus: recMainInstall.bUninstallMode
            enabled: g_bEnableUninstallButton && bValidCheckedButton
            opacity: enabled ? 1 : 0.7
            strText: qsTr("Uninstall")
            strToolTip: qsTr("Uninstalls the Application")
            onButtonClicked: recMainInstall.onUninstallButtonClicked()
        }

        // A removal that needs a restart offers it beside Finish.
        FooterButton {
            id: recUninstallRestartButton

            objectName: "recUninstallRestartButton"
            width: parent.width / 2
            height: parent.height
            visible: recFinishButton.visible && recMainInstall.bIsRestartRequired
            strText: qsTr("Restart Now")
            strToolTip: qsTr("Exits installer and Restarts the system")
            KeyNavigation.right: recFinishButton
            onButtonClicked: {
                Qt.quit()
                qtInterface.restartSystem()
            }
        }

        FooterButton {
            id: recFinishButton

            objectName: "recFinishButton"
            anchors.right: parent.right
            width: recUninstallRestartButton.visible ? parent.width / 2 : parent.width
            height: parent.height
            visible: false
            strText: qsTr("Finish")
            strToolTip: qsTr("Exits Installer")
            KeyNavigation.left: recUninstallRestartButton
            onButtonClicked: Qt.quit()
        }
    }

    Rectangle {
        id: recIndicatorForUninstall

        objectName: "recIndicatorForUninstall"
        y: recContent.y
        width: parent.width
        height: recContent.height - recProgressBar.height
        color: g_strTranslucentColor
        visible: g_bUninstallBusyIndicator

        Loader {
            id: loaderBusyIndicatorForUninstall

            anchors.fill: parent
            active: g_bUninstallBusyIndicator
            onLoaded: active = true

            sourceComponent: CustomUninstallBusyIndicator {
                id: recBusyIndicatorForUninstall

                objectName: "recBusyIndicatorForUninstall"
            }
        }

        Timer {
            id: timer

            objectName: "timer"
            interval: 1000
            repeat: true
            running: g_bUninstallBusyIndicator
            onTriggered: {
                if (!qtInterface1.isRunning())
                    recMainInstall.completeUninstall()
            }
        }
    }

    FooterButton {
        id: recCloseButton

        objectName: "recCloseButton"
        anchors.bottom: parent.bottom
        width: parent.width
        height: g_ititlebar_size
        visible: !recMainInstall.bUninstallMode && !g_bDriversAreCompatible
        // The keyboard starts on the run's one action.
        focus: visible
        strText: qsTr("Close")
        strToolTip: qsTr("Exits Installer")
        onButtonClicked: {
            qtInterface.toExtractFiles()
            Qt.quit()
        }
    }

    states: [
        State {
            name: "installed"
            PropertyChanges { target: textProgress; text: recMainInstall.strCompletion }
        },
        State {
            name: "installRetry"
            PropertyChanges { target: textProgress; text: recMainInstall.strCompletion }
        },
        State {
            name: "installStartFailed"
            PropertyChanges { target: textProgress; text: qsTr("Installation could not be started") }
        },
        State {
            name: "uninstalling"
            PropertyChanges { target: recUninstallButton; enabled: false; opacity: 0.5 }
        },
        State {
            name: "uninstalled"
            PropertyChanges { target: textProgress; text: recMainInstall.strCompletion }
            PropertyChanges { target: recUninstallButton; visible: false }
            PropertyChanges { target: recFinishButton; visible: true }
        },
        State {
            name: "uninstallRetry"
            PropertyChanges { target: textProgress; text: recMainInstall.strCompletion }
        },
        State {
            name: "uninstallStartFailed"
            PropertyChanges { target: textProgress; text: qsTr("Uninstallation could not be started") }
        }
    ]
}
