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

    signal buttonClicked()

    function toggle() {
        bCheckboxChecked = !bCheckboxChecked
        buttonClicked()
    }

    color: lookTile.fillColor
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

    // Hover and focus share one fill; whichever happened last decides it.
    ControlLook {
        id: lookTile

        restColor: recForTile.strTileColor
        bFocused: recForTile.activeFocus
        bHovered: mouseAreaTile.containsMouse
    }

    TooltipArea {
        id: mouseAreaTile

        objectName: "mouseAreaTile"
        anchors.fill: parent
        strToolTip: recForTile.strToolTip
        onClicked: recForTile.toggle()
    }
}
