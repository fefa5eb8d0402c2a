import QtQuick 2.15
import QtQuick.Window 2.15

// The front-end's licence page in a bare window of the front-end's size (on a 1920x1080 screen):
// both texts, from the front-end's own file, laid out as its page lays them out, where its page
// shows them, in an area that scrolls. No title bar, tabs, footer or controls.
Window {
    width: 950
    height: 540
    visible: true
    flags: Qt.FramelessWindowHint | Qt.Window
    color: "#0a0a0a"

    LicenceText {
        id: licence
    }

    FontMetrics {
        id: metrics

        font: textFirst.font
    }

    Flickable {
        y: 128
        width: parent.width
        height: 336
        clip: true
        contentWidth: width
        contentHeight: textSecond.y + textSecond.height

        Text {
            id: textFirst

            x: 20
            width: 893
            text: licence.strLicenseContent
            textFormat: Text.StyledText
            lineHeightMode: Text.FixedHeight
            lineHeight: metrics.lineSpacing
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignJustify
            color: "#ffffff"
            linkColor: "yellow"
            font.pixelSize: 11
            font.bold: true
            font.preferShaping: false
        }

        Rectangle {
            id: line

            anchors.top: textFirst.bottom
            x: 20
            width: 893
            height: 1
            color: "#ffffff"
        }

        Text {
            id: textSecond

            anchors.top: line.bottom
            anchors.topMargin: 10
            x: 20
            width: 893
            text: licence.strLicenseContent2
            textFormat: Text.StyledText
            lineHeightMode: Text.FixedHeight
            lineHeight: metrics.lineSpacing
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignJustify
            color: "#ffffff"
            linkColor: "yellow"
            font.pixelSize: 11
            font.bold: true
            font.preferShaping: false
        }
    }
}
