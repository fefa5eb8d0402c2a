import QtQuick 2.15

// The removal mode's bottom bar: Uninstall, then Finish with the restart offer beside it when
// the removal asks for one.
Rectangle {
    id: recUninstallFooter

    // This run removes drivers: the bar is shown.
    property bool bActive: false
    property bool bUninstallEnabled: false
    property bool bFinished: false
    property bool bRestartOffered: false
    property string strReason
    // Uninstall takes the keyboard when the window opens.
    property bool bFirstFocus: false
    readonly property alias uninstallButton: recUninstallButton

    signal uninstallClicked()
    signal restartClicked()
    signal finishClicked()

    // Hands the keyboard to the first button that ends the run.
    function focusClosingButtons() {
        var buttons = loaderRestartAndFinish.item
        if (bRestartOffered)
            buttons.restartButton.forceActiveFocus()
        else
            buttons.finishButton.forceActiveFocus()
    }

    visible: bActive
    color: Theme.strBlackColor

    FooterButton {
        id: recUninstallButton

        objectName: "recUninstallButton"
        anchors.fill: parent
        focus: recUninstallFooter.bFirstFocus
        visible: !recUninstallFooter.bFinished
        enabled: recUninstallFooter.bUninstallEnabled
        opacity: enabled ? 1 : 0.7
        strText: qsTr("Uninstall")
        strReason: recUninstallFooter.strReason
        strToolTip: qsTr("Uninstalls the Application")
        onButtonClicked: recUninstallFooter.uninstallClicked()
    }

    // The buttons that end the run, made once it has finished.
    Loader {
        id: loaderRestartAndFinish

        anchors.fill: parent
        active: recUninstallFooter.bFinished

        sourceComponent: Component {
            Item {
                readonly property Item restartButton: recUninstallRestartButton
                readonly property Item finishButton: recFinishButton

                RestartButton {
                    id: recUninstallRestartButton

                    objectName: "recUninstallRestartButton"
                    width: parent.width / 2
                    height: parent.height
                    visible: recUninstallFooter.bFinished && recUninstallFooter.bRestartOffered
                    strReason: recUninstallFooter.strReason
                    KeyNavigation.right: recFinishButton
                    onButtonClicked: recUninstallFooter.restartClicked()
                }

                FooterButton {
                    id: recFinishButton

                    objectName: "recFinishButton"
                    anchors.right: parent.right
                    width: recUninstallRestartButton.visible ? parent.width / 2 : parent.width
                    height: parent.height
                    visible: recUninstallFooter.bFinished
                    strText: qsTr("Finish")
                    strReason: recUninstallFooter.strReason
                    strToolTip: qsTr("Exits Installer")
                    KeyNavigation.left: recUninstallRestartButton
                    onButtonClicked: recUninstallFooter.finishClicked()
                }
            }
        }
    }
}
