import QtQuick 2.15

// A driver tile: a tick, the driver's name and its version. Clicking it or pressing Return,
// Enter or Space on it flips the tick and then raises buttonClicked.
Rectangle {
    id: recForTile

    property string strTileColor: Theme.strTileColor
    property string strDriverName
    property string strDriverVersion
    property string strToolTip
    property bool bCheckboxChecked: true
    // Hover and focus share one look; whichever happened last decides it.
    property bool bHighlighted: false

    signal buttonClicked()

    function toggle() {
        bCheckboxChecked = !bCheckboxChecked
        buttonClicked()
    }

    color: bHighlighted ? Theme.strHoverColor : strTileColor
    activeFocusOnTab: true
    Accessible.role: Accessible.CheckBox
    Accessible.name: strDriverName
    Accessible.description: strDriverVersion
    Accessible.checkable: true
    Accessible.checked: bCheckboxChecked
    Accessible.onToggleAction: toggle()
    Accessible.onPressAction: toggle()
    Keys.onReturnPressed: toggle()
    Keys.onEnterPressed: toggle()
    Keys.onSpacePressed: toggle()
    onActiveFocusChanged: bHighlighted = activeFocus

    CustomCheckbox {
        id: checkboxTile

        objectName: "checkboxTile"
        x: 7
        y: 6
        bChecked: recForTile.bCheckboxChecked
    }

    Text {
        id: textDriverName

        objectName: "textDriverName"
        anchors.left: checkboxTile.right
        anchors.leftMargin: 10
        y: 7
        width: recForTile.width * 0.8
        text: recForTile.strDriverName
        color: Theme.strTxtColor
        font.pixelSize: Theme.iTileLabelSize
        font.preferShaping: false
        font.bold: true
        wrapMode: Text.Wrap
        // Two lines fit the tile; the tooltip and the accessible name keep the whole name.
        maximumLineCount: 2
        elide: Text.ElideRight
    }

    Text {
        id: textDriverVersion

        objectName: "textDriverVersion"
        anchors.right: parent.right
        anchors.rightMargin: 7
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 7
        text: recForTile.strDriverVersion
        color: Theme.strTxtColor
        font.pixelSize: Theme.iTileLabelSize
        font.preferShaping: false
        font.bold: true
    }

    TooltipArea {
        id: mouseAreaTile

        objectName: "mouseAreaTile"
        anchors.fill: parent
        strToolTip: recForTile.strToolTip
        onEntered: recForTile.bHighlighted = true
        onExited: recForTile.bHighlighted = false
        onClicked: recForTile.toggle()
    }
}
