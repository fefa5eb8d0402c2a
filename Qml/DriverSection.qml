import QtQuick 2.15
import QtQuick.Layouts 1.15

// The driver section: one tile per driver the run offers, three to a row, scrolling when they do
// not fit. Each toggle is reported through the page's inputs at once.
Rectangle {
    id: recDriverContent

    // Its inputs: the tiles (vTiles: strName, strVersion, bShown), their width, the bar height and
    // whether a removal found nothing to remove; tileToggled reports a toggle.
    property QtObject oPage: null
    // The tiles keep clear of the always-shown scroll bar, so it covers no version label.
    readonly property int iGridWidth: flickableForGrid.width
                                      - (scrollBarGrid.bNeeded ? scrollBarGrid.width : 0)

    // Brings a tile reached with the keyboard into view.
    function showTile(tile) {
        var tileY = tile.mapToItem(flickableForGrid.contentItem, 0, 0).y
        if (tileY < flickableForGrid.contentY)
            flickableForGrid.contentY = tileY
        else if (tileY + tile.height > flickableForGrid.contentY + flickableForGrid.height)
            flickableForGrid.contentY = tileY + tile.height - flickableForGrid.height
    }

    objectName: "recDriverContent"
    color: Theme.strTransparentColor

    Flickable {
        id: flickableForGrid

        objectName: "flickableForGrid"
        anchors.fill: parent
        flickableDirection: Flickable.VerticalFlick
        boundsBehavior: Flickable.DragOverBounds
        clip: true
        contentWidth: width
        contentHeight: grid.height

        VerticalScrollBar {
            id: scrollBarGrid

            objectName: "scrollBarGrid"
            oView: flickableForGrid
            Accessible.name: qsTr("Drivers")
        }

        GridLayout {
            id: grid

            objectName: recDriverContent.oPage.bUninstallMode ? "gridForUninstall" : "grid"
            width: recDriverContent.iGridWidth
            columns: 3
            columnSpacing: 5
            rowSpacing: 5

            Repeater {
                id: repeaterTiles

                model: recDriverContent.oPage.vTiles

                CNButton2 {
                    objectName: "driverTile" + index
                    // A driver the package carries no version of is not offered.
                    visible: modelData.bShown
                    Layout.fillWidth: true
                    Layout.preferredWidth: recDriverContent.oPage.iTileWidth
                    Layout.preferredHeight: 50
                    strDriverName: modelData.strName
                    strDriverVersion: modelData.strVersion
                    strToolTip: modelData.strName
                    onActiveFocusChanged: {
                        if (activeFocus)
                            recDriverContent.showTile(this)
                    }
                    onButtonClicked: recDriverContent.oPage.tileToggled(index, bCheckboxChecked)
                }
            }
        }
    }

    Rectangle {
        id: recWarningForInvalidCommandLine

        objectName: "recWarningForInvalidCommandLine"
        anchors.bottom: parent.bottom
        width: parent.width
        height: recDriverContent.oPage.iBarHeight
        color: Theme.strTranslucentColor
        visible: recDriverContent.oPage.bNothingToRemove

        Text {
            id: textWarning

            objectName: "textWarning"
            anchors.centerIn: parent
            text: recDriverContent.oPage.strNothingToRemove
            color: Theme.strRedColor
            font.pixelSize: 11
            font.preferShaping: false
            font.bold: true
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            Accessible.ignored: !recWarningForInvalidCommandLine.visible
        }
    }
}
