import QtQuick 2.15

// A bottom bar button: green while focused or hovered, whichever happened last.
Rectangle {
    id: recFooterButton

    property string strText
    property string strToolTip
    property bool bShowLabel: true
    property bool bHighlighted: false

    signal buttonClicked()

    color: bHighlighted ? Theme.strGreenColor : Theme.strBlackColor
    border.width: 2
    border.color: Theme.strBlackColor
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: strText
    Accessible.description: strToolTip
    Accessible.ignored: !visible || opacity === 0
    Accessible.onPressAction: buttonClicked()
    Keys.onReturnPressed: buttonClicked()
    Keys.onEnterPressed: buttonClicked()
    Keys.onSpacePressed: buttonClicked()
    onActiveFocusChanged: bHighlighted = activeFocus

    Text {
        id: textFooterButton

        objectName: recFooterButton.objectName + "Text"
        anchors.centerIn: parent
        visible: recFooterButton.bShowLabel
        text: recFooterButton.strText
        color: Theme.strTxtColor
        font.pixelSize: Theme.iLabelSize
        font.bold: true
    }

    TooltipArea {
        id: mouseAreaFooterButton

        anchors.fill: parent
        strToolTip: recFooterButton.strToolTip
        onEntered: recFooterButton.bHighlighted = true
        onExited: recFooterButton.bHighlighted = false
        onClicked: recFooterButton.buttonClicked()
    }
}
