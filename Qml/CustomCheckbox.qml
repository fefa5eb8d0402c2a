import QtQuick 2.15

// A tick box that only shows bChecked: whatever holds it handles the pointer and the keys.
Rectangle {
    id: recCustomCheckbox

    property bool bChecked: false

    width: 16
    height: 16
    color: Theme.strTransparentColor
    border.width: 1
    border.color: Theme.strLightColor

    Image {
        id: imageCheck

        objectName: "imageCheck"
        anchors.centerIn: parent
        width: 10
        height: 10
        // Read by the scene's image provider, which asks no image plugin for a PNG file.
        source: "image://iconeffects/plain?source=" + encodeURIComponent("qrc:/img/check-icon.png")
        visible: recCustomCheckbox.bChecked
        Accessible.ignored: true
    }
}
