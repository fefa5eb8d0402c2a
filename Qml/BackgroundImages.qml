import QtQuick 2.15

// The watermark behind the page area.
Rectangle {
    id: recBackgroundImages

    // The box the watermark is fitted into, keeping its aspect.
    property real rMaxWidth: width
    property real rMaxHeight: height

    color: Theme.strTransparentColor

    Image {
        id: imageWatermark

        objectName: "imageWatermark"
        anchors.centerIn: parent
        width: recBackgroundImages.rMaxWidth
        height: recBackgroundImages.rMaxHeight
        sourceSize.width: width
        sourceSize.height: height
        // The icon file holds several sizes: only the one that suits the drawn size is decoded.
        source: "image://iconeffects/frame?source=" + encodeURIComponent("qrc:/img/systemTray_white.ico")
        fillMode: Image.PreserveAspectFit
        Accessible.ignored: true
    }
}
