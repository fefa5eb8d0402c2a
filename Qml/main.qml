import QtQuick 2.15
import QtQuick.Controls 2.15

ApplicationWindow {
    id: registerWindow

    width: 650
    height: 393
    visible: true
    title: "CHIPSET DRIVER INSTALLER"
    flags: Qt.FramelessWindowHint | Qt.Window
    color: "#BB0A0A0A"
}
