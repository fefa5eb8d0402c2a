import QtQuick 2.15

// A tab button. Items placed inside it are drawn above its fill and below its label and focus ring.
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

    color: lookTab.fillColor
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

    // Grey while focused or hovered; the ring also shows above the selected tab's marker.
    ControlLook {
        id: lookTab

        restColor: Theme.strBlackColor
        bFocused: recCNButton.activeFocus
        bHovered: mouseAreaCNButton.containsMouse
        bLatestDecides: false
    }

    Text {
        id: textLabel

        objectName: "textLabel"
        z: 3
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
