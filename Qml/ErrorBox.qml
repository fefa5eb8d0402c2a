import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15

// A message box in the system's colours, for the one message shown without the scene: the text
// beside an error mark, one OK button that has the keyboard. Return, Enter, Escape or the window's
// own close dismiss it.
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

    Button {
        id: okButton

        objectName: "okButton"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 12
        width: Math.max(implicitWidth, 88)
        // Qt's own word for it, from its translations.
        text: qsTranslate("QPlatformTheme", "OK")
        focus: true
        onClicked: winErrorBox.close()
        Keys.onReturnPressed: clicked()
        Keys.onEnterPressed: clicked()
        Keys.onEscapePressed: clicked()
    }
}
