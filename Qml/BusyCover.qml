import QtQuick 2.15

// The translucent cover with the turning dots that hides the page while a started installer
// runs, and the once-a-second tick on which its owner asks whether the installer has ended.
Rectangle {
    id: recBusyCover

    // Shows the cover, turns the dots and polls while set.
    property bool running: false
    // Covers a removal rather than an install.
    property bool bRemoval: false
    property alias pollTimer: timerPoll

    signal polled()

    color: Theme.strTranslucentColor
    visible: running
    onRunningChanged: {
        if (running && !loaderIndicator.item)
            loaderIndicator.setSource(bRemoval ? "CustomUninstallBusyIndicator.qml" : "CustomBusyindicator.qml", {
                                          objectName: bRemoval ? "recBusyIndicatorForUninstall"
                                                               : "recBusyIndicatorForInstall",
                                          bRunning: true
                                      })
    }

    // Built on first use, then kept. Named by file, so that the indicator's type and the controls
    // it draws with are loaded only then.
    Loader {
        id: loaderIndicator

        anchors.fill: parent
        onLoaded: item.bRunning = Qt.binding(function() { return recBusyCover.running })
    }

    Timer {
        id: timerPoll

        objectName: recBusyCover.bRemoval ? "timer" : "time"
        interval: 1000
        repeat: true
        running: recBusyCover.running
        onTriggered: recBusyCover.polled()
    }
}
