import QtQuick 2.15

// The window's body: tab row and page area, the status strip, the log bar and the footers that
// agree, start the installer, follow it and end the run. The run's flags come from one table of
// states at the end; the functions only call the backend and name the next state.
Rectangle {
    id: recMainInstall

    property bool bViewLogFile: false
    property bool bIsRestartRequired: false
    // How the finished run ended, as the backend reads it from the exit code.
    property string strCompletion
    property alias timerBusy: recIndicator.pollTimer
    property alias timerUninstallBusy: recIndicatorForUninstall.pollTimer
    readonly property bool bUninstallMode: qtInterface.getCommandLineArguments()

    // Written by the states below only.
    property bool g_bExtractNow: true
    property bool g_binstallBtnIndicator: false
    property bool g_bInstallVariable: true
    property bool g_bindicatorToInstall: false
    property bool g_bindicatorForProgressRec: true
    property bool g_bBusyindicator: false
    property bool g_bUninstallBusyIndicator: false
    // Chosen once here; from then on only the tabs and the agree bar assign it.
    property int g_iSectionNumber: bUninstallMode ? 2 : (g_bEnableInstallButton ? 1 : 3)

    function onClickedIAgree() {
        state = "ready"
        mainFooter.installButton.forceActiveFocus()
        g_iSectionNumber = 2
    }

    function onInstallButtonClicked() {
        state = "installing"
        // Blocks until the installer has started or 30 seconds have passed.
        if (!qtInterface1.installbutton())
            state = "installStartFailed"
    }

    function onUninstallButtonClicked() {
        state = "uninstalling"
        if (!qtInterface1.uninstallbutton()) {
            state = "uninstallStartFailed"
            recUninstallFooter.uninstallButton.forceActiveFocus()
        }
    }

    // The started installer or removal has ended: show how, as its exit code tells.
    function complete() {
        strCompletion = qtInterface1.getCompletionStatus()
        if (qtInterface1.isRetryOffered()) {
            // Cancelled or blocked, so nothing changed: back to the tiles, as after a start that
            // failed; leaving an install now extracts the package again.
            state = bUninstallMode ? "uninstallRetry" : "installRetry"
            var button = bUninstallMode ? recUninstallFooter.uninstallButton : mainFooter.installButton
            button.forceActiveFocus()
            return
        }
        bIsRestartRequired = qtInterface1.isRestartOffered()
        state = bUninstallMode ? "uninstalled" : "installed"
        var footer = bUninstallMode ? recUninstallFooter : mainFooter
        footer.focusClosingButtons()
    }

    function restartNow() {
        Qt.quit()
        qtInterface.restartSystem()
    }

    objectName: "recMainInstall"

    PageFrame {
        id: recContent

        objectName: "recContent"
        y: 4
        width: parent.width
        height: (parent.height - g_ititlebar_size) * 0.97 + 2
        iSection: g_iSectionNumber
        bDriversOffered: g_bDriversAreCompatible
        bUninstallMode: recMainInstall.bUninstallMode
        bRunStarted: g_bindicatorToInstall
        // Removal with nothing to remove: the keyboard starts on the Drivers tab, beside the notice.
        bTabsFirstFocus: recMainInstall.bUninstallMode && !g_bEnableUninstallButton
        bStripShown: !g_bindicatorForProgressRec
        bViewLogFile: recMainInstall.bViewLogFile
        iBarHeight: g_ititlebar_size
        strStatus: recMainInstall.bUninstallMode ? qsTr("Uninstalling..") : qsTr("Installing..")
        rWatermarkWidth: appWidth / 4
        rWatermarkHeight: appHeight / 3
        onSectionChosen: function(iSection) { g_iSectionNumber = iSection }
        onLogRequested: qtInterface.toLaunchLogFile()
    }

    InstallFooter {
        id: mainFooter

        objectName: "mainFooter"
        anchors.bottom: parent.bottom
        width: parent.width
        height: g_ititlebar_size
        visible: !recMainInstall.bUninstallMode
        // With nothing offered the close bar covers it, and the keyboard must not reach it either.
        enabled: g_bDriversAreCompatible
        bAgreed: g_binstallBtnIndicator
        bChoosing: g_bInstallVariable
        bInstallEnabled: g_binstallBtnIndicator && g_bEnableInstallButton && bValidCheckedButton && g_bExtractNow
        bRestartOffered: recMainInstall.bIsRestartRequired
        rParkedX: appWidth
        onAgreeClicked: recMainInstall.onClickedIAgree()
        onInstallClicked: recMainInstall.onInstallButtonClicked()
        onRestartClicked: recMainInstall.restartNow()
        onCloseClicked: Qt.quit()
    }

    BusyCover {
        id: recIndicator

        objectName: "recIndicator"
        y: recContent.y
        width: parent.width
        height: recContent.height - recContent.iStripHeight
        running: g_bBusyindicator
        onEnded: recMainInstall.complete()
    }

    RemovalFooter {
        id: recUninstallFooter

        objectName: "recUninstallFooter"
        anchors.bottom: parent.bottom
        width: parent.width
        height: g_ititlebar_size
        bActive: recMainInstall.bUninstallMode
        // The keyboard starts on the run's one action, when there is one.
        bFirstFocus: recMainInstall.bUninstallMode && g_bEnableUninstallButton
        bUninstallEnabled: g_bEnableUninstallButton && bValidCheckedButton
        bRestartOffered: recMainInstall.bIsRestartRequired
        onUninstallClicked: recMainInstall.onUninstallButtonClicked()
        onRestartClicked: recMainInstall.restartNow()
        onFinishClicked: Qt.quit()
    }

    BusyCover {
        id: recIndicatorForUninstall

        objectName: "recIndicatorForUninstall"
        y: recContent.y
        width: parent.width
        height: recContent.height - recContent.iStripHeight
        running: g_bUninstallBusyIndicator
        bRemoval: true
        onEnded: recMainInstall.complete()
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

    // One row per stage the user sees. The base state is the licence in install mode, the choice
    // of drivers in removal mode, or the notice that nothing can be offered.
    states: [
        State {
            name: "ready" // agreed: the tiles, with Install slid in
            PropertyChanges { target: recMainInstall; g_binstallBtnIndicator: true }
        },
        State {
            name: "installing"
            extend: "ready"
            PropertyChanges {
                target: recMainInstall; g_bindicatorToInstall: true; g_bindicatorForProgressRec: false
                g_bBusyindicator: true; g_bExtractNow: false
            }
        },
        State {
            name: "installed"
            extend: "ready"
            PropertyChanges {
                target: recMainInstall; g_bInstallVariable: false; g_bindicatorToInstall: true
                g_bindicatorForProgressRec: false; g_bExtractNow: false; bViewLogFile: true
            }
            PropertyChanges { target: recContent; strStatus: recMainInstall.strCompletion }
        },
        State {
            name: "installRetry" // nothing changed: the tiles again, Install ready for another try
            extend: "ready"
            PropertyChanges { target: recMainInstall; g_bindicatorForProgressRec: false }
            PropertyChanges { target: recContent; strStatus: recMainInstall.strCompletion }
        },
        State {
            name: "installStartFailed"
            extend: "installRetry"
            PropertyChanges { target: recContent; strStatus: qsTr("Installation could not be started") }
        },
        State {
            name: "uninstalling"
            PropertyChanges {
                target: recMainInstall; g_bindicatorToInstall: true; g_bindicatorForProgressRec: false
                g_bUninstallBusyIndicator: true
            }
            PropertyChanges { target: recUninstallFooter.uninstallButton; enabled: false; opacity: 0.5 }
        },
        State {
            name: "uninstalled"
            PropertyChanges { target: recMainInstall; g_bindicatorToInstall: true; g_bindicatorForProgressRec: false }
            PropertyChanges { target: recUninstallFooter; bFinished: true }
            PropertyChanges { target: recContent; strStatus: recMainInstall.strCompletion }
        },
        State {
            name: "uninstallRetry"
            PropertyChanges { target: recMainInstall; g_bindicatorForProgressRec: false }
            PropertyChanges { target: recContent; strStatus: recMainInstall.strCompletion }
        },
        State {
            name: "uninstallStartFailed"
            extend: "uninstallRetry"
            PropertyChanges { target: recContent; strStatus: qsTr("Uninstallation could not be started") }
        }
    ]
}
