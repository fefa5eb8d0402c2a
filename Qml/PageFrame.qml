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
    property string strStatus
    property alias rWatermarkWidth: recBckImage.rMaxWidth
    property alias rWatermarkHeight: recBckImage.rMaxHeight
    property bool bBusy: false
    // The busy cover's poll runs: an installer's end is awaited.
    readonly property bool bPolling: loaderIndicator.item ? loaderIndicator.item.pollTimer.running : false
    // Why this run offers nothing to do, when it offers nothing: the control the keyboard starts
    // on says it.
    readonly property string strReason: pageInputs.bNothingToRemove ? pageInputs.strNothingToRemove
                                        : (iFirstSection === sectionOf("NoticeSection.qml") ? pageInputs.strNotice : "")

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
    // The status strip, the log bar and the busy cover are made when first wanted, then kept: the
    // first page has none of them.
    onBStripShownChanged: {
        if (bStripShown && !loaderProgressBar.item)
            loaderProgressBar.source = "StatusStrip.qml"
    }
    onBBusyChanged: {
        if (!bBusy)
            return
        if (!loaderProgressBar.item)
            loaderProgressBar.source = "StatusStrip.qml"
        if (!loaderIndicator.item)
            loaderIndicator.setSource("BusyCover.qml", {
                                          objectName: bUninstallMode ? "recIndicatorForUninstall" : "recIndicator",
                                          bRemoval: bUninstallMode
                                      })
        loaderProgressBar.item.forceActiveFocus()
    }
    onBViewLogFileChanged: {
        if (bViewLogFile && !loaderViewLog.item)
            loaderViewLog.setSource("LogBar.qml", { objectName: "recViewLog", bShown: bStripShown, iShownHeight: iBarHeight })
    }

    // What the section pages take, and how the driver page reports a toggle.
    QtObject {
        id: pageInputs

        readonly property bool bUninstallMode: recContent.bUninstallMode
        property var vTiles: []
        property bool bNothingToRemove: false
        property int iTileWidth: 280
        readonly property int iBarHeight: recContent.iBarHeight
        readonly property string strNotice: qsTr("System configuration is not compatible for RAID drivers or applications installation.")
        readonly property string strNothingToRemove: qsTr("No uninstallable drivers found")

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
        strNote: recContent.strReason
        onSectionChosen: function(iSection) { recContent.sectionChosen(iSection) }
    }

    MainPage {
        id: recMainPage

        objectName: "recMainPage"
        y: recContent.iBarHeight
        width: parent.width
        // Ends above the status strip while that shows, so that no tile hides under it.
        height: (loaderProgressBar.item && loaderProgressBar.item.visible ? loaderProgressBar.y : parent.height)
                - recContent.iBarHeight
        color: Theme.strTranslucentColor
        vSections: recContent.vSections
        iSection: recContent.iSection
        oPage: pageInputs
        enabled: !recContent.bRunStarted
        opacity: enabled ? 1 : 0
        // Out of the scene once faded out: each frame of the busy dots would walk it all again.
        visible: enabled || opacity > 0

        Behavior on opacity {
            NumberAnimation { duration: Theme.iPageFadeMs; easing.type: Easing.Linear }
        }
    }

    // Its height follows the strip's, which grows from nothing when it is first shown.
    Loader {
        id: loaderProgressBar

        // Sits on the log bar, 5 pixels above it, once that is shown.
        y: loaderViewLog.item ? loaderViewLog.y - 5 - height : parent.height - height
        width: parent.width
        onLoaded: {
            item.objectName = "recProgressBar"
            item.strText = Qt.binding(function() { return recContent.strStatus })
            item.iShownHeight = Qt.binding(function() { return recContent.iBarHeight })
            item.bFocusable = Qt.binding(function() { return recContent.bBusy })
            item.bShown = Qt.binding(function() { return recContent.bStripShown })
        }
    }

    // Shown at once at its full height, as the strip above it already is.
    Loader {
        id: loaderViewLog

        anchors.bottom: parent.bottom
        width: parent.width
        onLoaded: {
            item.bShown = Qt.binding(function() { return recContent.bStripShown })
            item.iShownHeight = Qt.binding(function() { return recContent.iBarHeight })
            item.activated.connect(recContent.logRequested)
        }
    }

    // It shrinks as the status strip grows.
    Loader {
        id: loaderIndicator

        width: parent.width
        height: parent.height - loaderProgressBar.height
        onLoaded: {
            item.running = Qt.binding(function() { return recContent.bBusy })
            item.polled.connect(recContent.polled)
        }
    }
}
