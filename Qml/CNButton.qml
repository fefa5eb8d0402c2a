import QtQuick 2.15

// A tab button. Items placed inside it are drawn above its hover layer and below its label.
Rectangle {
    id: recCNButton

    property string strText
    property string strTextColor
    property string strToolTip: strText
    property int iTextSize
    property string strRecColor: Theme.strBlackColor

    signal buttonClicked()

    function click() {
        forceActiveFocus()
        buttonClicked()
    }

    color: activeFocus ? Theme.strHoverColor : Theme.strBlackColor
    radius: 1
    border.width: 1
    border.color: strRecColor
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: strText
    Accessible.description: strToolTip
    Accessible.onPressAction: click()
    Keys.onReturnPressed: click()
    Keys.onEnterPressed: click()
    Keys.onSpacePressed: click()

    Rectangle {
        id: recHover

        objectName: "recHover"
        anchors.fill: parent
        color: Theme.strHoverColor
        border.width: 2
        border.color: recCNButton.strRecColor
        visible: mouseAreaCNButton.containsMouse
    }

    Text {
        id: textLabel

        objectName: "textLabel"
        z: 1
        anchors.centerIn: parent
        text: recCNButton.strText
        color: recCNButton.strTextColor
        font.pixelSize: recCNButton.iTextSize
        font.preferShaping: false
        font.bold: true
    }

    TooltipArea {
        id: mouseAreaCNButton

        objectName: "mouseAreaCNButton"
        anchors.fill: parent
        strToolTip: recCNButton.strToolTip
        onClicked: recCNButton.click()
    }
}
