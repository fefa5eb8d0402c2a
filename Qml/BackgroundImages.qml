import QtQuick 2.15

// The watermark behind the page area.
Rectangle {
    id: recBackgroundImages

    color: g_strTransparentColor

    Image {
        id: imageWatermark

        objectName: "imageWatermark"
        anchors.centerIn: parent
        width: appWidth / 4
        height: appHeight / 3
        sourceSize.width: width
        sourceSize.height: height
        source: "qrc:/img/systemTray_white.ico"
        // The icon file holds several sizes, the largest last.
        currentFrame: Math.max(0, frameCount - 1)
        fillMode: Image.PreserveAspectFit
        Accessible.ignored: true
    }
}
