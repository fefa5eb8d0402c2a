import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The page area: the licence (section 1), the driver tiles (section 2) or the system-update
// notice (section 3), whichever g_iSectionNumber names. Every tick reaches the backend at once.
Rectangle {
    id: recPage

    readonly property bool bUninstallMode: qtInterface1.getCommandLineArguments()
    // Counted while the page is built and never again: each count resets the backend's ticks.
    readonly property int iDriverCount: qtInterface1.getCommandLineArguments()
                                        ? qtInterface1.getNumberOfUninstallableDrivers()
                                        : qtInterface1.getNumberOfDrivers()
    property var vButtonsState: new Array(iDriverCount).fill(true)
    readonly property int iTileWidth: appWidth >= 800 ? 280 : (appWidth >= 600 ? 300 : 240)
    readonly property string strExportControlUrl: "https://www.bis.doc.gov/"
    // The tiles keep clear of the always-shown scroll bar, so it covers no version label.
    readonly property int iGridWidth: flickableForGrid.width
                                      - (scrollBarGrid.policy === ScrollBar.AlwaysOn ? scrollBarGrid.width : 0)

    signal butttonCheckedChanged(int index, bool state)

    // Brings a tile reached with the keyboard into view.
    function showTile(tile) {
        var tileY = tile.mapToItem(flickableForGrid.contentItem, 0, 0).y
        if (tileY < flickableForGrid.contentY)
            flickableForGrid.contentY = tileY
        else if (tileY + tile.height > flickableForGrid.contentY + flickableForGrid.height)
            flickableForGrid.contentY = tileY + tile.height - flickableForGrid.height
    }

    onButttonCheckedChanged: function(index, state) {
        vButtonsState[index] = state
        bValidCheckedButton = vButtonsState.indexOf(true) !== -1
        console.debug("bValidCheckedButton", bValidCheckedButton)
    }

    LicenceSection {
        id: recForLictab

        objectName: "recForLictab"
        anchors.fill: parent
        visible: g_iSectionNumber === 1
        // The keyboard starts here in install mode: the licence comes before agreeing.
        bFirstFocus: g_bDriversAreCompatible
        strLinkUrl: recPage.strExportControlUrl
    }

    Rectangle {
        id: recDriverContent

        objectName: "recDriverContent"
        anchors.fill: parent
        color: Theme.strTransparentColor
        visible: g_iSectionNumber === 2

        Flickable {
            id: flickableForGrid

            objectName: "flickableForGrid"
            anchors.fill: parent
            flickableDirection: Flickable.VerticalFlick
            boundsBehavior: Flickable.DragOverBounds
            clip: true
            contentWidth: width
            contentHeight: recPage.bUninstallMode ? gridForUninstall.height : grid.height

            ScrollBar.vertical: ScrollBar {
                id: scrollBarGrid

                objectName: "scrollBarGrid"
                policy: flickableForGrid.contentHeight > flickableForGrid.height
                        ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
            }

            GridLayout {
                id: grid

                objectName: "grid"
                width: recPage.iGridWidth
                columns: 3
                columnSpacing: 5
                rowSpacing: 5
                visible: !recPage.bUninstallMode

                Repeater {
                    id: repeaterForInstall

                    model: recPage.bUninstallMode ? 0 : recPage.iDriverCount

                    CNButton2 {
                        readonly property string strPackageVersion: qtInterface1.setVersionNumber(index)
                        // Not shown: asked so that the backend records what this driver replaces.
                        readonly property string strOlderVersion: qtInterface1.getOlderVersionNumber(index)

                        objectName: "driverTile" + index
                        // A driver the package carries no version of is not offered.
                        visible: strPackageVersion !== ""
                        Layout.fillWidth: true
                        Layout.preferredWidth: recPage.iTileWidth
                        Layout.preferredHeight: 50
                        strDriverName: qtInterface1.setDriverName(index)
                        strDriverVersion: qsTr("Version: ") + strPackageVersion
                        strToolTip: strDriverName
                        onActiveFocusChanged: {
                            if (activeFocus)
                                recPage.showTile(this)
                        }
                        onButtonClicked: {
                            qtInterface1.getCheckboxStatus(bCheckboxChecked, index)
                            recPage.butttonCheckedChanged(index, bCheckboxChecked)
                        }
                    }
                }
            }

            GridLayout {
                id: gridForUninstall

                objectName: "gridForUninstall"
                width: recPage.iGridWidth
                columns: 3
                columnSpacing: 5
                rowSpacing: 5
                visible: recPage.bUninstallMode

                Repeater {
                    id: repeaterForUninstall

                    model: recPage.bUninstallMode ? recPage.iDriverCount : 0

                    CNButton2 {
                        objectName: "driverTile" + index
                        Layout.fillWidth: true
                        Layout.preferredWidth: recPage.iTileWidth
                        Layout.preferredHeight: 50
                        strDriverName: qtInterface1.getUnistallableDrivers(index)
                        strDriverVersion: qtInterface1.setVersionNumberForUninstall(index)
                        strToolTip: qtInterface1.getUnistallableDrivers(index)
                        onActiveFocusChanged: {
                            if (activeFocus)
                                recPage.showTile(this)
                        }
                        onButtonClicked: {
                            qtInterface1.getCheckboxStatusForUninstall(bCheckboxChecked, index)
                            recPage.butttonCheckedChanged(index, bCheckboxChecked)
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
            height: g_ititlebar_size
            color: Theme.strTranslucentColor
            visible: recPage.bUninstallMode && qtInterface1.getNumberOfUninstallableDrivers() < 1

            Text {
                id: textWarning

                objectName: "textWarning"
                anchors.centerIn: parent
                text: qsTr("No uninstallable drivers found")
                color: Theme.strRedColor
                font.pixelSize: 11
                font.bold: true
            }
        }
    }

    Rectangle {
        id: recForSystemUpdate

        objectName: "recForSystemUpdate"
        anchors.fill: parent
        color: Theme.strTransparentColor
        visible: g_iSectionNumber === 3

        CNText {
            id: textSystemUpdate

            objectName: "textSystemUpdate"
            anchors.fill: parent
            strText: qsTr("System configuration is not compatible for RAID drivers or applications installation.")
            strTextColor: Theme.strTxtColor
            iTextSize: 12
            bBoldText: true
        }
    }
}
