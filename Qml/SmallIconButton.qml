import QtQuick 2.15
import QtQuick.Window 2.15

// An icon button with an optional tint and a glow that answers the pointer and the focus. The
// tinted icon and the glow's halo are drawn once, by the "iconeffects" image provider: the halo
// in the glow colour's hue at full strength, shown as strongly as the colour's alpha says.
BasicButton {
    id: smallIconButton

    property url icon
    property real iconWidth: width - glowValue
    property real iconHeight: height - glowValue
    property real iconRotation: 0
    property string bgColor: "transparent"
    property bool colorOverlay: false
    property string overlayColor: ""
    property int glowValue: 15
    property int quickAnimationDuration: 100
    readonly property int glowSamples: 40

    // `kind` of the icon as drawn now, with the given extra query items.
    function effectSource(kind, items) {
        if (imageIcon.status !== Image.Ready || imageIcon.paintedWidth <= 0 || imageIcon.paintedHeight <= 0)
            return ""
        var query = "source=" + encodeURIComponent(String(icon))
                + "&width=" + imageIcon.paintedWidth + "&height=" + imageIcon.paintedHeight
                + "&dpr=" + Screen.devicePixelRatio
        for (var name in items)
            query += "&" + name + "=" + encodeURIComponent(items[name])
        return "image://iconeffects/" + kind + "?" + query
    }

    // The colour without its alpha.
    function opaqueName(color) {
        return Qt.rgba(color.r, color.g, color.b, 1).toString()
    }

    Rectangle {
        id: recBackground

        objectName: "recBackground"
        anchors.fill: parent
        color: smallIconButton.bgColor
    }

    Image {
        id: glowIcon

        property color color: "#40ffffff"

        objectName: "glowIcon"
        anchors.centerIn: imageIcon
        width: imageIcon.paintedWidth + 2 * smallIconButton.glowValue
        height: imageIcon.paintedHeight + 2 * smallIconButton.glowValue
        rotation: imageIcon.rotation
        opacity: color.a
        source: {
            var items = { radius: smallIconButton.glowValue, samples: smallIconButton.glowSamples,
                          color: smallIconButton.opaqueName(color) }
            if (smallIconButton.colorOverlay)
                items.tint = smallIconButton.overlayColor
            return smallIconButton.effectSource("glow", items)
        }
        Accessible.ignored: true
    }

    Image {
        id: imageIcon

        objectName: "imageIcon"
        anchors.centerIn: parent
        width: smallIconButton.iconWidth
        height: smallIconButton.iconHeight
        rotation: smallIconButton.iconRotation
        source: "image://iconeffects/plain?source=" + encodeURIComponent(String(smallIconButton.icon))
        fillMode: Image.PreserveAspectFit
        Accessible.ignored: true
    }

    Image {
        id: colorOverlayIcon

        objectName: "colorOverlayIcon"
        anchors.centerIn: imageIcon
        width: imageIcon.paintedWidth
        height: imageIcon.paintedHeight
        rotation: imageIcon.rotation
        visible: smallIconButton.colorOverlay
        source: visible ? smallIconButton.effectSource("tint", { color: smallIconButton.overlayColor }) : ""
        Accessible.ignored: true
    }

    states: [
        State {
            name: "mouse-pressed"
            when: smallIconButton.isButtonPressed
            PropertyChanges { target: glowIcon; color: "#00ffffff" }
        },
        State {
            name: "mouse-over"
            when: smallIconButton.isButtonHover
            PropertyChanges { target: glowIcon; color: "#ffffff" }
        },
        State {
            name: "focused"
            when: smallIconButton.activeFocus
            PropertyChanges { target: glowIcon; color: "#ffffff" }
        }
    ]

    transitions: Transition {
        ColorAnimation {
            target: glowIcon
            property: "color"
            duration: smallIconButton.quickAnimationDuration
            easing.type: Easing.InOutQuad
        }
    }
}
