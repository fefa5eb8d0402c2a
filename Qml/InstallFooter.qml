import QtQuick 2.15

// The install mode's bottom bar: the agree bar, then Install sliding in over it, then the
// buttons that end the run.
Rectangle {
    id: mainFooter

    // The licence has been agreed to: Install slides in and the agree bar retires.
    property bool bAgreed: false
    // The run has not finished: agree bar and Install are shown, the closing buttons not.
    property bool bChoosing: true
    property bool bInstallEnabled: false
    property bool bRestartOffered: false
    property string strReason
    // Where Install waits, just past the window's right edge, until the licence is agreed to.
    property real rParkedX: width
    readonly property alias installButton: recInstallButton
    // The key that agreed: pressed again while Install slides in, it repeats the agreeing.
    property int iAgreeKey: 0

    signal agreeClicked()
    signal installClicked()
    signal restartClicked()
    signal closeClicked()

    // Hands the keyboard to the first button that ends the run.
    function focusClosingButtons() {
        var row = loaderLaunchAndClose.item
        if (bRestartOffered)
            row.restartButton.forceActiveFocus()
        else
            row.closeButton.forceActiveFocus()
    }

    color: Theme.strBlackColor

    FooterButton {
        id: recAcceptButton

        objectName: "recAcceptButton"
        anchors.fill: parent
        visible: mainFooter.bChoosing
        enabled: !mainFooter.bAgreed
        opacity: enabled ? 1 : 0
        strText: qsTr("I agree to the terms and conditions")
        strToolTip: qsTr("Terms and Conditions")
        // Its label is a tick box and left-aligned text instead.
        bShowLabel: false
        Accessible.role: Accessible.CheckBox
        Accessible.checkable: true
        Accessible.checked: checkboxAgree.bChecked
        Accessible.onToggleAction: click()
        onButtonClicked: {
            mainFooter.iAgreeKey = iClickKey
            mainFooter.agreeClicked()
        }

        Row {
            anchors.fill: parent

            Item {
                width: parent.width * 0.1
                height: parent.height

                CustomCheckbox {
                    id: checkboxAgree

                    objectName: "checkboxAgree"
                    anchors.centerIn: parent
                    bChecked: mainFooter.bAgreed
                }
            }

            Text {
                id: textAgree

                objectName: "textAgree"
                height: parent.height
                text: recAcceptButton.strText
                color: Theme.strTxtColor
                font.pixelSize: Theme.iSmallLabelSize
                font.preferShaping: false
                font.bold: true
                horizontalAlignment: Text.AlignLeft
                verticalAlignment: Text.AlignVCenter
            }
        }
    }

    FooterButton {
        id: recInstallButton

        // A key pressed while it slides in, to act on once it has arrived.
        property bool bKeyPending: false

        objectName: "recInstallButton"
        x: mainFooter.bAgreed ? 0 : mainFooter.rParkedX
        width: parent.width
        height: parent.height
        visible: mainFooter.bChoosing
        enabled: mainFooter.bInstallEnabled
        opacity: enabled ? 1 : 0.5
        activeFocusOnTab: mainFooter.bAgreed
        strText: qsTr("Install")
        strReason: mainFooter.strReason
        strToolTip: qsTr("Installs the Application")
        // A second click or key of the agree gesture must not land here: Install acts only once
        // it has slid into place. Another key pressed on the way acts when it arrives.
        onButtonClicked: {
            if (x === 0)
                mainFooter.installClicked()
            else if (iClickKey !== 0 && iClickKey !== mainFooter.iAgreeKey)
                bKeyPending = true
        }
        onXChanged: {
            if (x !== 0 || !bKeyPending)
                return
            bKeyPending = false
            click(0)
        }

        Behavior on x {
            NumberAnimation { duration: 1000 }
        }
    }

    // The buttons that end the run, made once it has finished.
    Loader {
        id: loaderLaunchAndClose

        anchors.fill: parent
        active: !mainFooter.bChoosing

        sourceComponent: Component {
            Row {
                id: rowLaunchAndClose

                readonly property Item restartButton: recExitAndRestart
                readonly property Item closeButton: recExitWithoutRestart

                objectName: "rowLaunchAndClose"

                RestartButton {
                    id: recExitAndRestart

                    objectName: "recExitAndRestart"
                    width: parent.width / 2
                    height: parent.height
                    visible: mainFooter.bRestartOffered
                    strReason: mainFooter.strReason
                    KeyNavigation.right: recExitWithoutRestart
                    onButtonClicked: mainFooter.restartClicked()
                }

                FooterButton {
                    id: recExitWithoutRestart

                    objectName: "recExitWithoutRestart"
                    width: mainFooter.bRestartOffered ? parent.width / 2 : parent.width
                    height: parent.height
                    strText: qsTr("Close")
                    strReason: mainFooter.strReason
                    strToolTip: qsTr("Exits Installer")
                    KeyNavigation.left: recExitAndRestart
                    onButtonClicked: mainFooter.closeClicked()
                }
            }
        }
    }
}
