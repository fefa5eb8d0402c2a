import QtQuick 2.15

// The bottom bar: in install mode the agree bar, Install and the buttons that end the run, or the
// close bar over them when nothing is offered; in removal mode Uninstall, then Finish.
Item {
    id: recFooters

    property bool bUninstallMode: false
    property bool bDriversOffered: false
    property bool bAgreed: false
    property bool bChoosing: true
    property bool bInstallEnabled: false
    property real rParkedX: width
    property bool bUninstallFirstFocus: false
    property bool bUninstallEnabled: false
    property bool bFinished: false
    property bool bRestartOffered: false
    // Why the bar offers what it does, said with each of its buttons.
    property string strReason
    readonly property Item installButton: loaderMainFooter.item ? loaderMainFooter.item.installButton : null
    readonly property Item uninstallButton: loaderUninstallFooter.item ? loaderUninstallFooter.item.uninstallButton : null

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
        (bUninstallMode ? loaderUninstallFooter : loaderMainFooter).item.focusClosingButtons()
    }

    // Only the bar this run's mode shows is made. A loader is a focus scope: it holds the focus
    // only where its bar's first button takes the keyboard when the window opens.
    Loader {
        id: loaderMainFooter

        anchors.fill: parent
        active: !recFooters.bUninstallMode && recFooters.bDriversOffered
        source: "InstallFooter.qml"
        onLoaded: {
            item.objectName = "mainFooter"
            item.bAgreed = Qt.binding(function() { return recFooters.bAgreed })
            item.bChoosing = Qt.binding(function() { return recFooters.bChoosing })
            item.bInstallEnabled = Qt.binding(function() { return recFooters.bInstallEnabled })
            item.rParkedX = Qt.binding(function() { return recFooters.rParkedX })
            item.bRestartOffered = Qt.binding(function() { return recFooters.bRestartOffered })
            item.strReason = Qt.binding(function() { return recFooters.strReason })
            item.agreeClicked.connect(recFooters.agreeClicked)
            item.installClicked.connect(recFooters.installClicked)
            item.restartClicked.connect(recFooters.restartClicked)
            item.closeClicked.connect(recFooters.quitClicked)
        }
    }

    Loader {
        id: loaderUninstallFooter

        anchors.fill: parent
        focus: recFooters.bUninstallFirstFocus
        active: recFooters.bUninstallMode
        source: "RemovalFooter.qml"
        onLoaded: {
            item.objectName = "recUninstallFooter"
            item.bActive = true
            item.bFirstFocus = Qt.binding(function() { return recFooters.bUninstallFirstFocus })
            item.bUninstallEnabled = Qt.binding(function() { return recFooters.bUninstallEnabled })
            item.bFinished = Qt.binding(function() { return recFooters.bFinished })
            item.bRestartOffered = Qt.binding(function() { return recFooters.bRestartOffered })
            item.strReason = Qt.binding(function() { return recFooters.strReason })
            item.uninstallClicked.connect(recFooters.uninstallClicked)
            item.restartClicked.connect(recFooters.restartClicked)
            item.finishClicked.connect(recFooters.quitClicked)
        }
    }

    // Nothing is offered: the close bar alone, with the keyboard.
    Loader {
        id: loaderCloseButton

        anchors.fill: parent
        focus: active
        active: !recFooters.bUninstallMode && !recFooters.bDriversOffered
        source: "FooterButton.qml"
        onLoaded: {
            item.objectName = "recCloseButton"
            item.strText = qsTr("Close")
            item.strToolTip = qsTr("Exits Installer")
            item.focus = true
            item.strReason = Qt.binding(function() { return recFooters.strReason })
            item.buttonClicked.connect(recFooters.leaveClicked)
        }
    }
}
