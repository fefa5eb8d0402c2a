import QtQuick 2.15
import QtGraphicalEffects 1.15

// An icon button with an optional tint and a glow that answers the pointer and the focus.
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

    Rectangle {
        id: recBackground

        objectName: "recBackground"
        anchors.fill: parent
        color: smallIconButton.bgColor
    }

    Rectangle {
        id: recHoverFill

        objectName: "recHoverFill"
        anchors.fill: parent
        color: g_strHoverColor
        visible: smallIconButton.isBtnHover
    }

    Item {
        id: itemIconLayer

        anchors.fill: parent

        Image {
            id: imageIcon

            objectName: "imageIcon"
            anchors.centerIn: parent
            width: smallIconButton.iconWidth
            height: smallIconButton.iconHeight
            rotation: smallIconButton.iconRotation
            source: smallIconButton.icon
            fillMode: Image.PreserveAspectFit
            Accessible.ignored: true
        }

        ColorOverlay {
            id: colorOverlayIcon

            anchors.fill: imageIcon
            rotation: imageIcon.rotation
            source: imageIcon
            color: smallIconButton.overlayColor
            visible: smallIconButton.colorOverlay
            Accessible.ignored: true
        }
    }

    Glow {
        id: glowIcon

        objectName: "glowIcon"
        anchors.fill: itemIconLayer
        source: itemIconLayer
        radius: smallIconButton.glowValue
        samples: 40
        color: "#40ffffff"
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
