import QtQuick 2.15

// The bottom bar: in install mode the agree bar, Install and the buttons that end the run, or the
// close bar over them when nothing is offered; in removal mode Uninstall, then Finish.
Item {
    id: recFooters

    property bool bUninstallMode: false
    property bool bDriversOffered: false
    property alias bAgreed: mainFooter.bAgreed
    property alias bChoosing: mainFooter.bChoosing
    property alias bInstallEnabled: mainFooter.bInstallEnabled
    property alias rParkedX: mainFooter.rParkedX
    property alias bUninstallFirstFocus: recUninstallFooter.bFirstFocus
    property alias bUninstallEnabled: recUninstallFooter.bUninstallEnabled
    property alias bFinished: recUninstallFooter.bFinished
    property bool bRestartOffered: false
    // Why the bar offers what it does, said with each of its buttons.
    property string strReason
    readonly property alias installButton: mainFooter.installButton
    readonly property alias uninstallButton: recUninstallFooter.uninstallButton

    signal agreeClicked()
    signal installClicked()
    signal uninstallClicked()
    signal restartClicked()
    // Close after an install, Finish after a removal.
    signal quitClicked()
    // The close bar.
    signal leaveClicked()

    // Hands the keyboard to the first button that ends the run.
    function focusClosingButtons() {
        (bUninstallMode ? recUninstallFooter : mainFooter).focusClosingButtons()
    }

    InstallFooter {
        id: mainFooter

        objectName: "mainFooter"
        anchors.fill: parent
        visible: !recFooters.bUninstallMode
        // With nothing offered the close bar covers it, and the keyboard must not reach it either.
        enabled: recFooters.bDriversOffered
        bRestartOffered: recFooters.bRestartOffered
        strReason: recFooters.strReason
        onAgreeClicked: recFooters.agreeClicked()
        onInstallClicked: recFooters.installClicked()
        onRestartClicked: recFooters.restartClicked()
        onCloseClicked: recFooters.quitClicked()
    }

    RemovalFooter {
        id: recUninstallFooter

        objectName: "recUninstallFooter"
        anchors.fill: parent
        bActive: recFooters.bUninstallMode
        bRestartOffered: recFooters.bRestartOffered
        strReason: recFooters.strReason
        onUninstallClicked: recFooters.uninstallClicked()
        onRestartClicked: recFooters.restartClicked()
        onFinishClicked: recFooters.quitClicked()
    }

    FooterButton {
        id: recCloseButton

        objectName: "recCloseButton"
        anchors.fill: parent
        visible: !recFooters.bUninstallMode && !recFooters.bDriversOffered
        // The keyboard starts on the run's one action.
        focus: visible
        strText: qsTr("Close")
        strToolTip: qsTr("Exits Installer")
        strReason: recFooters.strReason
        onButtonClicked: recFooters.leaveClicked()
    }
}
