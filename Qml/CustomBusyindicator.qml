import QtQuick 2.15
import QtQuick.Controls 2.15

// A translucent cover with a ring of green dots that turns while its user sets bRunning.
Rectangle {
    id: recBusyIndicatorForInstall

    property bool bRunning: false

    anchors.fill: parent
    color: Theme.strTranslucentColor

    BusyIndicator {
        id: busyIndicator

        objectName: "busyIndicator"
        anchors.centerIn: parent
        width: 100
        height: 100
        padding: 6
        visible: recBusyIndicatorForInstall.bRunning
        running: visible

        contentItem: Item {
            id: itemContent

            Item {
                id: itemSpinner

                objectName: "itemSpinner"
                x: itemContent.width / 2 - 32
                y: itemContent.height / 2 - 32
                width: 100
                height: 100
                opacity: busyIndicator.running ? 1 : 0

                Behavior on opacity {
                    OpacityAnimator { duration: 250 }
                }

                RotationAnimator {
                    objectName: "rotationAnimator"
                    target: itemSpinner
                    running: busyIndicator.visible && busyIndicator.running
                    from: 0
                    to: 360
                    loops: Animation.Infinite
                    duration: 1500
                }

                Repeater {
                    id: repeaterDots

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
}
