import QtQuick 2.15

// A translucent cover with a ring of green dots that turns while its user sets bRunning.
Rectangle {
    id: recBusyIndicatorForInstall

    property bool bRunning: false

    anchors.fill: parent
    color: Theme.strTranslucentColor

    Item {
        id: busyIndicator

        readonly property bool running: visible

        objectName: "busyIndicator"
        anchors.centerIn: parent
        width: 100
        height: 100
        visible: recBusyIndicatorForInstall.bRunning
        // The status strip says how the run stands; the turning dots add nothing to hear.
        Accessible.ignored: true

        Item {
            id: itemSpinner

            // When the turn began, in milliseconds since the epoch.
            property real fStartMs: 0

            // One turn every 1500 ms, whatever the steps' timing.
            function angleAt(iElapsedMs) {
                return iElapsedMs % 1500 / 1500 * 360
            }

            objectName: "itemSpinner"
            // Where the ring has always stood: 6 px in, then 12 px further into the 88 px inside.
            x: 18
            y: 18
            width: 100
            height: 100
            opacity: busyIndicator.running ? 1 : 0

            Behavior on opacity {
                OpacityAnimator { duration: 250 }
            }

            // Stepped by a timer, not animated: a running animation has the window drawn again
            // as soon as a frame is done, most frames unchanged. 20 steps a second move a dot
            // 12 degrees, under two thirds of its width, so each step overlaps the last and the
            // ring still turns smoothly; every frame costs the same, so this is a quarter less
            // processor time than 25 steps while the installer runs.
            Timer {
                objectName: "timerTurn"
                interval: 50
                repeat: true
                running: busyIndicator.running
                onRunningChanged: {
                    if (!running)
                        return
                    itemSpinner.fStartMs = Date.now()
                    itemSpinner.rotation = 0
                }
                onTriggered: itemSpinner.rotation = itemSpinner.angleAt(Date.now() - itemSpinner.fStartMs)
            }

            Repeater {
                model: 8

                Rectangle {
                    objectName: "dot" + index
                    x: (itemSpinner.width - width) / 2
                    y: (itemSpinner.height - height) / 2
                    width: 15
                    height: 15
                    radius: 7
                    color: Theme.strGreenColor
                    transform: [
                        Translate {
                            y: -(Math.min(itemSpinner.width, itemSpinner.height) / 2 - 5)
                        },
                        Rotation {
                            angle: index / 8 * 360
                            origin.x: 5
                            origin.y: 5
                        }
                    ]
                }
            }
        }
    }
}
