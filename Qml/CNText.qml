import QtQuick 2.15

// A label whose text is centred in it.
Rectangle {
    id: recCNText

    property string strText
    property string strTextColor
    property int iTextSize
    property bool bBoldText: false

    color: Theme.strTransparentColor

    Text {
        id: textLabel

        objectName: "textLabel"
        anchors.fill: parent
        text: recCNText.strText
        color: recCNText.strTextColor
        font.pixelSize: recCNText.iTextSize
        font.preferShaping: false
        font.bold: recCNText.bBoldText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}
