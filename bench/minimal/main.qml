import QtQuick 2.15
import QtQuick.Controls 2.15

// The front-end's window without its content: the size it takes on a 1920x1080 screen, its flags
// and colour, and one filled rectangle.
ApplicationWindow {
    width: 950
    height: 540
    visible: true
    flags: Qt.FramelessWindowHint | Qt.Window
    color: "transparent"

    Rectangle {
        anchors.fill: parent
        color: "#BB0A0A0A"
    }
}
