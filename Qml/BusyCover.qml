import QtQuick 2.15

// The translucent cover with the turning dots that hides the page while a started installer
// runs, and the once-a-second poll that tells when it has ended.
Rectangle {
    id: recBusyCover

    // Shows the cover, turns the dots and polls while set.
    property bool running: false
    // Covers a removal rather than an install.
    property bool bRemoval: false
    property alias pollTimer: timerPoll

    signal ended()

    color: Theme.strTranslucentColor
    visible: running

    Loader {
        id: loaderIndicator

        anchors.fill: parent
        active: recBusyCover.running
        sourceComponent: recBusyCover.bRemoval ? componentUninstall : componentInstall
        // Built on first use, then kept.
        onLoaded: active = true
    }

    Component {
        id: componentInstall

        CustomBusyindicator {
            objectName: "recBusyIndicatorForInstall"
            bRunning: recBusyCover.running
        }
    }

    Component {
        id: componentUninstall

        CustomUninstallBusyIndicator {
            objectName: "recBusyIndicatorForUninstall"
            bRunning: recBusyCover.running
        }
    }

    Timer {
        id: timerPoll

        objectName: recBusyCover.bRemoval ? "timer" : "time"
        interval: 1000
        repeat: true
        running: recBusyCover.running
        onTriggered: {
            if (!qtInterface1.isRunning())
                recBusyCover.ended()
        }
    }
}
