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
        source: "qrc:/img/systemTray_white.ico"
        // The icon file holds several sizes, the largest last.
        currentFrame: Math.max(0, frameCount - 1)
        fillMode: Image.PreserveAspectFit
        Accessible.ignored: true
    }
}
