import QtQuick 2.15

// The body above the footer: the tab row and the page area over the watermark, below them the
// status strip and the installation-log bar, and over them the busy cover while an installer runs.
// The tab row and the page area read one list of sections.
Rectangle {
    id: recContent

    property bool bDriversOffered: false
    property bool bUninstallMode: false
    // The page sections in tab order, numbered from 1: the tab's name and label, whether this run
    // offers it, its page, and whether that page takes the keyboard when the window opens.
    readonly property var vSections: [
        { strTab: "recLicenseTab", strLabel: qsTr("License Agreement"), bShown: bDriversOffered,
          strPage: "LicenceSection.qml", bFirstFocus: bDriversOffered },
        { strTab: "recDriverstab", strLabel: qsTr("Drivers"), bShown: bDriversOffered || bUninstallMode,
          strPage: "DriverSection.qml", bFirstFocus: false },
        { strTab: "recSystemUpdate", strLabel: qsTr("System Update"), bShown: !bUninstallMode && !bDriversOffered,
          strPage: "NoticeSection.qml", bFirstFocus: false }
    ]
    readonly property int iFirstSection: vSections.findIndex(function(section) { return section.bShown }) + 1
    property int iSection: 1
    // An installer was started: tabs and page are disabled and fade out.
    property bool bRunStarted: false
    property alias vTiles: pageInputs.vTiles
    property alias bNothingToRemove: pageInputs.bNothingToRemove
    property alias iTileWidth: pageInputs.iTileWidth
    property bool bStripShown: false
    property bool bViewLogFile: false
    property int iBarHeight: 0
    property alias strStatus: recProgressBar.strText
    property alias rWatermarkWidth: recBckImage.rMaxWidth
    property alias rWatermarkHeight: recBckImage.rMaxHeight
    property alias bBusy: recIndicator.running
    property alias pollTimer: recIndicator.pollTimer

    signal sectionChosen(int iSection)
    signal tileToggled(int index, bool state)
    signal logRequested()
    signal linkRequested(string strUrl)
    signal polled()

    // The number of the section whose page is `strPage`.
    function sectionOf(strPage) {
        return vSections.findIndex(function(section) { return section.strPage === strPage }) + 1
    }

    color: Theme.strTransparentColor
    onBBusyChanged: {
        if (bBusy)
            recProgressBar.forceActiveFocus()
    }

    // What the section pages take, and how the driver page reports a toggle.
    QtObject {
        id: pageInputs

        readonly property bool bUninstallMode: recContent.bUninstallMode
        property var vTiles: []
        property bool bNothingToRemove: false
        property int iTileWidth: 280
        readonly property int iBarHeight: recContent.iBarHeight

        signal tileToggled(int index, bool state)
        signal linkRequested(string strUrl)

        onTileToggled: recContent.tileToggled(index, state)
        onLinkRequested: recContent.linkRequested(strUrl)
    }

    BackgroundImages {
        id: recBckImage

        objectName: "recBckImage"
        anchors.fill: parent
    }

    // Declared before the page area, which it does not overlap, so that Tab reaches it first.
    SectionTabs {
        id: recButtonTab

        objectName: "recButtonTab"
        width: parent.width
        height: recContent.iBarHeight
        vSections: recContent.vSections
        iSection: recContent.iSection
        bRunStarted: recContent.bRunStarted
        // With nothing to remove the keyboard starts on the Drivers tab, beside the notice.
        bFirstFocus: recContent.bNothingToRemove
        onSectionChosen: function(iSection) { recContent.sectionChosen(iSection) }
    }

    MainPage {
        id: recMainPage

        objectName: "recMainPage"
        y: recContent.iBarHeight
        width: parent.width
        // Ends above the status strip while that shows, so that no tile hides under it.
        height: (recProgressBar.visible ? recProgressBar.y : parent.height) - recContent.iBarHeight
        color: Theme.strTranslucentColor
        vSections: recContent.vSections
        iSection: recContent.iSection
        oPage: pageInputs
        enabled: !recContent.bRunStarted
        opacity: enabled ? 1 : 0

        Behavior on opacity {
            NumberAnimation { duration: Theme.iPageFadeMs; easing.type: Easing.Linear }
        }
    }

    StatusStrip {
        id: recProgressBar

        objectName: "recProgressBar"
        // Sits on the log bar, 5 pixels above it, once that is shown.
        y: recContent.bViewLogFile ? recViewLog.y - 5 - height : parent.height - height
        width: parent.width
        bShown: recContent.bStripShown
        iShownHeight: recContent.iBarHeight
        bFocusable: recContent.bBusy
    }

    LogBar {
        id: recViewLog

        objectName: "recViewLog"
        anchors.bottom: parent.bottom
        width: parent.width
        bShown: recContent.bStripShown
        iShownHeight: recContent.iBarHeight
        visible: recContent.bViewLogFile
        onActivated: recContent.logRequested()
    }

    // It shrinks as the status strip grows.
    BusyCover {
        id: recIndicator

        objectName: recContent.bUninstallMode ? "recIndicatorForUninstall" : "recIndicator"
        width: parent.width
        height: parent.height - recProgressBar.height
        bRemoval: recContent.bUninstallMode
        onPolled: recContent.polled()
    }
}
