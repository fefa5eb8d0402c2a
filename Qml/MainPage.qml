import QtQuick 2.15

// The page area: the licence (section 1), the driver tiles (section 2) or the system-update
// notice (section 3), whichever g_iSectionNumber names. Every tick reaches the backend at once.
Rectangle {
    id: recPage

    readonly property bool bUninstallMode: qtInterface1.getCommandLineArguments()
    // Counted while the page is built and never again: each count resets the backend's ticks.
    readonly property int iDriverCount: qtInterface1.getCommandLineArguments()
                                        ? qtInterface1.getNumberOfUninstallableDrivers()
                                        : qtInterface1.getNumberOfDrivers()
    // Which tiles are ticked; a row without a tile never counts as a choice.
    property var vButtonsState: bUninstallMode ? new Array(iDriverCount).fill(true) : oDriverCounts.vShown.slice()
    readonly property int iTileWidth: appWidth >= 800 ? 280 : (appWidth >= 600 ? 300 : 240)
    readonly property string strExportControlUrl: "https://www.bis.doc.gov/"

    signal butttonCheckedChanged(int index, bool state)

    onButttonCheckedChanged: function(index, state) {
        vButtonsState[index] = state
        bValidCheckedButton = vButtonsState.indexOf(true) !== -1
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

    // Built when first shown: in install mode the licence comes first, and the tiles ask the
    // backend for their names and versions as they are made.
    Loader {
        id: loaderDriverSection

        anchors.fill: parent
        visible: g_iSectionNumber === 2
        active: g_iSectionNumber === 2
        source: "DriverSection.qml"
        onLoaded: {
            active = true
            item.bUninstallMode = recPage.bUninstallMode
            // Bound, not copied: both follow the screen the window is on.
            item.iTileWidth = Qt.binding(function() { return recPage.iTileWidth })
            item.iBarHeight = Qt.binding(function() { return g_ititlebar_size })
            item.iDriverCount = recPage.iDriverCount
            item.tileToggled.connect(recPage.butttonCheckedChanged)
        }
    }

    // Shown only when nothing can be offered.
    Loader {
        id: loaderSystemUpdate

        anchors.fill: parent
        active: g_iSectionNumber === 3
        sourceComponent: Rectangle {
            objectName: "recForSystemUpdate"
            color: Theme.strTransparentColor

            CNText {
                objectName: "textSystemUpdate"
                anchors.fill: parent
                strText: qsTr("System configuration is not compatible for RAID drivers or applications installation.")
                strTextColor: Theme.strTxtColor
                iTextSize: 12
                bBoldText: true
            }
        }
    }
}
