import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The driver section: one tile per driver the run offers, three to a row, scrolling when they do
// not fit. Each toggle reaches the backend at once and is reported with tileToggled.
Rectangle {
    id: recDriverContent

    property bool bUninstallMode: false
    // Counted once by the page: each count resets the backend's ticks.
    property int iDriverCount: 0
    property int iTileWidth: 280
    property int iBarHeight: 0
    // The tiles keep clear of the always-shown scroll bar, so it covers no version label.
    readonly property int iGridWidth: flickableForGrid.width
                                      - (scrollBarGrid.policy === ScrollBar.AlwaysOn ? scrollBarGrid.width : 0)

    signal tileToggled(int index, bool state)

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
        contentHeight: recDriverContent.bUninstallMode ? gridForUninstall.height : grid.height

        ScrollBar.vertical: ScrollBar {
            id: scrollBarGrid

            objectName: "scrollBarGrid"
            Accessible.name: qsTr("Drivers")
            policy: flickableForGrid.contentHeight > flickableForGrid.height
                    ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
        }

        GridLayout {
            id: grid

            objectName: "grid"
            width: recDriverContent.iGridWidth
            columns: 3
            columnSpacing: 5
            rowSpacing: 5
            visible: !recDriverContent.bUninstallMode

            Repeater {
                id: repeaterForInstall

                model: recDriverContent.bUninstallMode ? 0 : recDriverContent.iDriverCount

                CNButton2 {
                    readonly property string strPackageVersion: qtInterface1.setVersionNumber(index)
                    // Not shown: asked so that the backend records what this driver replaces.
                    readonly property string strOlderVersion: qtInterface1.getOlderVersionNumber(index)

                    objectName: "driverTile" + index
                    // A driver the package carries no version of is not offered.
                    visible: strPackageVersion !== ""
                    Layout.fillWidth: true
                    Layout.preferredWidth: recDriverContent.iTileWidth
                    Layout.preferredHeight: 50
                    strDriverName: qtInterface1.setDriverName(index)
                    strDriverVersion: qsTr("Version: ") + strPackageVersion
                    strToolTip: strDriverName
                    onActiveFocusChanged: {
                        if (activeFocus)
                            recDriverContent.showTile(this)
                    }
                    onButtonClicked: {
                        qtInterface1.getCheckboxStatus(bCheckboxChecked, index)
                        recDriverContent.tileToggled(index, bCheckboxChecked)
                    }
                }
            }
        }

        GridLayout {
            id: gridForUninstall

            objectName: "gridForUninstall"
            width: recDriverContent.iGridWidth
            columns: 3
            columnSpacing: 5
            rowSpacing: 5
            visible: recDriverContent.bUninstallMode

            Repeater {
                id: repeaterForUninstall

                model: recDriverContent.bUninstallMode ? recDriverContent.iDriverCount : 0

                CNButton2 {
                    objectName: "driverTile" + index
                    Layout.fillWidth: true
                    Layout.preferredWidth: recDriverContent.iTileWidth
                    Layout.preferredHeight: 50
                    strDriverName: qtInterface1.getUnistallableDrivers(index)
                    strDriverVersion: qtInterface1.setVersionNumberForUninstall(index)
                    strToolTip: qtInterface1.getUnistallableDrivers(index)
                    onActiveFocusChanged: {
                        if (activeFocus)
                            recDriverContent.showTile(this)
                    }
                    onButtonClicked: {
                        qtInterface1.getCheckboxStatusForUninstall(bCheckboxChecked, index)
                        recDriverContent.tileToggled(index, bCheckboxChecked)
                    }
                }
            }
        }
    }

    Rectangle {
        id: recWarningForInvalidCommandLine

        objectName: "recWarningForInvalidCommandLine"
        anchors.bottom: parent.bottom
        width: parent.width
        height: recDriverContent.iBarHeight
        color: Theme.strTranslucentColor
        visible: recDriverContent.bUninstallMode && qtInterface1.getNumberOfUninstallableDrivers() < 1

        Text {
            id: textWarning

            objectName: "textWarning"
            anchors.centerIn: parent
            text: qsTr("No uninstallable drivers found")
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
