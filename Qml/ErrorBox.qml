import QtQuick 2.15
import QtQuick.Window 2.15

// A message box in the system's colours, for the one message shown without the scene: the text
// beside an error mark, one OK button that has the keyboard. Return, Enter, Space, Escape or the
// window's own close dismiss it.
Window {
    id: winErrorBox

    property string strText

    objectName: "winErrorBox"
    flags: Qt.Dialog
    modality: Qt.ApplicationModal
    width: rowMessage.implicitWidth + 48
    height: rowMessage.implicitHeight + okButton.implicitHeight + 60
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    color: palette.window
    visible: true

    SystemPalette {
        id: palette
    }

    Row {
        id: rowMessage

        x: 24
        y: 24
        spacing: 16

        Rectangle {
            width: 32
            height: 32
            radius: 16
            color: Theme.strRedColor
            Accessible.ignored: true

            Text {
                anchors.centerIn: parent
                text: "\u2715"
                color: "white"
                font.pixelSize: 18
                font.bold: true
            }
        }

        Text {
            id: textMessage

            objectName: "textMessage"
            text: winErrorBox.strText
            color: palette.windowText
            textFormat: Text.PlainText
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }

    // Drawn as Qt Quick's stock button is: grey, darker while held, and ringed in blue while it
    // has the keyboard, as a box's default button is marked.
    Rectangle {
        id: okButton

        readonly property bool bDown: mouseAreaOk.pressed || bSpaceDown
        property bool bSpaceDown: false
        property alias text: textOk.text

        signal clicked()

        objectName: "okButton"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 12
        implicitWidth: Math.max(100, textOk.implicitWidth + 16)
        implicitHeight: Math.max(40, textOk.implicitHeight + 12)
        width: implicitWidth
        height: implicitHeight
        color: bDown ? "#cfcfcf" : "#e0e0e0"
        border.color: "#0066ff"
        border.width: activeFocus ? 2 : 0
        focus: true
        activeFocusOnTab: true
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.focusable: true
        Accessible.onPressAction: clicked()
        onClicked: winErrorBox.close()
        Keys.onReturnPressed: clicked()
        Keys.onEnterPressed: clicked()
        Keys.onEscapePressed: clicked()
        // As with any button: held down by Space, clicked when it comes up.
        Keys.onPressed: function(event) {
            if (event.key === Qt.Key_Space && !event.isAutoRepeat) {
                bSpaceDown = true
                event.accepted = true
            }
        }
        Keys.onReleased: function(event) {
            if (event.key !== Qt.Key_Space || event.isAutoRepeat || !bSpaceDown)
                return
            bSpaceDown = false
            event.accepted = true
            clicked()
        }
        onActiveFocusChanged: bSpaceDown = false

        Text {
            id: textOk

            x: 8
            y: (okButton.height - height) / 2
            width: okButton.width - 16
            horizontalAlignment: Text.AlignHCenter
            // Qt's own word for it, from its translations.
            text: qsTranslate("QPlatformTheme", "OK")
            color: "#26282a"
        }

        MouseArea {
            id: mouseAreaOk

            anchors.fill: parent
            onClicked: okButton.clicked()
        }
    }
}
