import QtQuick 2.15

// A bottom bar button: green while focused or hovered, whichever happened last.
Rectangle {
    id: recFooterButton

    property string strText
    property string strToolTip
    property bool bShowLabel: true
    property bool bHighlighted: false

    signal buttonClicked()

    // Qt hands keys to a hidden item that keeps the focus: a hidden or disabled button never acts.
    function click() {
        if (visible && enabled)
            buttonClicked()
    }

    color: bHighlighted ? Theme.strGreenColor : Theme.strBlackColor
    border.width: 2
    border.color: Theme.strBlackColor
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: strText
    Accessible.description: strToolTip
    Accessible.ignored: !visible || opacity === 0
    Accessible.onPressAction: click()
    Keys.onReturnPressed: click()
    Keys.onEnterPressed: click()
    Keys.onSpacePressed: click()
    onActiveFocusChanged: bHighlighted = activeFocus

    Text {
        id: textFooterButton

        objectName: recFooterButton.objectName + "Text"
        anchors.centerIn: parent
        visible: recFooterButton.bShowLabel
        text: recFooterButton.strText
        color: Theme.strTxtColor
        font.pixelSize: Theme.iLabelSize
        font.preferShaping: false
        font.bold: true
    }

    TooltipArea {
        id: mouseAreaFooterButton

        anchors.fill: parent
        strToolTip: recFooterButton.strToolTip
        onEntered: recFooterButton.bHighlighted = true
        onExited: recFooterButton.bHighlighted = false
        onClicked: recFooterButton.click()
    }
}
