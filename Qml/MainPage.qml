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

    signal butttonCheckedChanged(int index, bool state)

    // Brings a tile reached with the keyboard into view.
    function showTile(tile) {
        var tileY = tile.mapToItem(flickableForGrid.contentItem, 0, 0).y
        if (tileY < flickableForGrid.contentY)
            flickableForGrid.contentY = tileY
        else if (tileY + tile.height > flickableForGrid.contentY + flickableForGrid.height)
            flickableForGrid.contentY = tileY + tile.height - flickableForGrid.height
    }

    function scrollLicense(delta) {
        var maxY = Math.max(0, flickableForLicense.contentHeight - flickableForLicense.height)
        flickableForLicense.contentY = Math.max(0, Math.min(maxY, flickableForLicense.contentY + delta))
    }

    onButttonCheckedChanged: function(index, state) {
        vButtonsState[index] = state
        bValidCheckedButton = vButtonsState.indexOf(true) !== -1
        console.debug("bValidCheckedButton", bValidCheckedButton)
    }

    LicenceText {
        id: licenceText
    }

    FontMetrics {
        id: licenceFontMetrics

        font: textLicenseContent.font
    }

    Rectangle {
        id: recForLictab

        objectName: "recForLictab"
        anchors.fill: parent
        color: g_strTransparentColor
        visible: g_iSectionNumber === 1

        Rectangle {
            id: recLicAgrmtDiv

            objectName: "recLicAgrmtDiv"
            y: 20
            width: parent.width
            height: parent.height * 0.9
            color: g_strTransparentColor

            Flickable {
                id: flickableForLicense

                objectName: "flickableForLicense"
                anchors.fill: parent
                flickableDirection: Flickable.VerticalFlick
                boundsBehavior: Flickable.StopAtBounds
                clip: true
                contentWidth: width
                contentHeight: textLicenseContent2.y + textLicenseContent2.height
                // The keyboard starts here in install mode: the licence comes before agreeing.
                focus: g_bDriversAreCompatible
                activeFocusOnTab: true
                Accessible.role: Accessible.Document
                Accessible.name: qsTr("License Agreement")
                Keys.onUpPressed: recPage.scrollLicense(-20)
                Keys.onDownPressed: recPage.scrollLicense(20)
                Keys.onPressed: function(event) {
                    if (event.key === Qt.Key_PageUp)
                        recPage.scrollLicense(-height)
                    else if (event.key === Qt.Key_PageDown)
                        recPage.scrollLicense(height)
                    else
                        return
                    event.accepted = true
                }

                ScrollBar.vertical: ScrollBar {
                    policy: flickableForLicense.contentHeight > flickableForLicense.height
                            ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
                }

                Text {
                    id: textLicenseContent

                    objectName: "textLicenseContent"
                    x: 20
                    width: recLicAgrmtDiv.width * 0.94
                    // Laid out once, at its final width: the page has no width yet when this is
                    // created, and a layout of the long text at no width at all is thrown away.
                    text: width > 0 ? licenceText.strLicenseContent : ""
                    textFormat: Text.StyledText
                    // Lines as far apart as in rich text: the font's line spacing (its leading
                    // included), where styled text would leave the leading out.
                    lineHeightMode: Text.FixedHeight
                    lineHeight: licenceFontMetrics.lineSpacing
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignJustify
                    color: g_strTxtColor
                    linkColor: "yellow"
                    font.pixelSize: 11
                    font.bold: true
                    onLinkActivated: Qt.openUrlExternally(recPage.strExportControlUrl)
                }

                Rectangle {
                    id: recHorizontalSeperator

                    objectName: "recHorizontalSeperator"
                    anchors.top: textLicenseContent.bottom
                    x: 20
                    width: recLicAgrmtDiv.width * 0.94
                    height: 1
                    color: g_strTxtColor
                }

                Text {
                    id: textLicenseContent2

                    objectName: "textLicenseContent2"
                    anchors.top: recHorizontalSeperator.bottom
                    anchors.topMargin: 10
                    x: 20
                    width: recLicAgrmtDiv.width * 0.94
                    text: width > 0 ? licenceText.strLicenseContent2 : ""
                    textFormat: Text.StyledText
                    // Lines as far apart as in rich text: the font's line spacing (its leading
                    // included), where styled text would leave the leading out.
                    lineHeightMode: Text.FixedHeight
                    lineHeight: licenceFontMetrics.lineSpacing
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignJustify
                    color: g_strTxtColor
                    linkColor: "yellow"
                    font.pixelSize: 11
                    font.bold: true
                    onLinkActivated: Qt.openUrlExternally(recPage.strExportControlUrl)
                }
            }

            // Shows where the keyboard is while the licence scrolls with the arrow keys.
            Rectangle {
                id: recLicenseFocusFrame

                anchors.fill: parent
                color: "transparent"
                border.width: 1
                border.color: g_strLightColor
                visible: flickableForLicense.activeFocus
            }
        }
    }

    Rectangle {
        id: recDriverContent

        objectName: "recDriverContent"
        anchors.fill: parent
        color: g_strTransparentColor
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
                policy: flickableForGrid.contentHeight > flickableForGrid.height
                        ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
            }

            GridLayout {
                id: grid

                objectName: "grid"
                width: flickableForGrid.width
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
                width: flickableForGrid.width
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
            color: g_strTranslucentColor
            visible: recPage.bUninstallMode && qtInterface1.getNumberOfUninstallableDrivers() < 1

            Text {
                id: textWarning

                objectName: "textWarning"
                anchors.centerIn: parent
                text: qsTr("No uninstallable drivers found")
                color: g_strRedColor
                font.pixelSize: 11
                font.bold: true
            }
        }
    }

    Rectangle {
        id: recForSystemUpdate

        objectName: "recForSystemUpdate"
        anchors.fill: parent
        color: g_strTransparentColor
        visible: g_iSectionNumber === 3

        CNText {
            id: textSystemUpdate

            objectName: "textSystemUpdate"
            anchors.fill: parent
            strText: qsTr("System configuration is not compatible for RAID drivers or applications installation.")
            strTextColor: g_strTxtColor
            iTextSize: 12
            bBoldText: true
        }
    }
}
