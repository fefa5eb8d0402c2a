import QtQuick 2.15

// A bottom bar button: green while focused or hovered, whichever happened last, and ringed while
// it has the keyboard.
Rectangle {
    id: recFooterButton

    property string strText
    property string strToolTip
    property bool bShowLabel: true

    // The key that pressed it last; 0 for the pointer or a screen reader.
    property int iClickKey: 0

    signal buttonClicked()

    // Qt hands keys to a hidden item that keeps the focus: a hidden or disabled button never acts.
    function click(iKey) {
        if (!visible || !enabled)
            return
        iClickKey = iKey || 0
        buttonClicked()
    }

    color: lookFooterButton.fillColor
    border.width: 2
    border.color: Theme.strBlackColor
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: strText
    Accessible.description: strToolTip
    Accessible.ignored: !visible || opacity === 0
    Accessible.onPressAction: click()
    Keys.onReturnPressed: function(event) { click(event.key) }
    Keys.onEnterPressed: function(event) { click(event.key) }
    Keys.onSpacePressed: function(event) { click(event.key) }

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

    ControlLook {
        id: lookFooterButton

        restColor: Theme.strBlackColor
        highlightColor: Theme.strGreenColor
        bFocused: recFooterButton.activeFocus
        bHovered: mouseAreaFooterButton.containsMouse
    }

    TooltipArea {
        id: mouseAreaFooterButton

        anchors.fill: parent
        strToolTip: recFooterButton.strToolTip
        onClicked: recFooterButton.click()
    }
}
