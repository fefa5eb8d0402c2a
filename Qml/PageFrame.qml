import QtQuick 2.15

// The body above the footer: the tab row, the page area over the watermark, and below them the
// status strip and the installation-log bar.
Rectangle {
    id: recContent

    property int iSection: 1
    property bool bDriversOffered: false
    property bool bUninstallMode: false
    // An installer was started: tabs and page are disabled and fade out.
    property bool bRunStarted: false
    property alias bTabsFirstFocus: recButtonTab.bFirstFocus
    property bool bStripShown: false
    property bool bViewLogFile: false
    property int iBarHeight: 0
    property alias strStatus: recProgressBar.strText
    readonly property alias iStripHeight: recProgressBar.height
    property alias rWatermarkWidth: recBckImage.rMaxWidth
    property alias rWatermarkHeight: recBckImage.rMaxHeight

    signal sectionChosen(int iSection)
    signal logRequested()

    color: Theme.strTransparentColor

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
        iSection: recContent.iSection
        bDriversOffered: recContent.bDriversOffered
        bUninstallMode: recContent.bUninstallMode
        bRunStarted: recContent.bRunStarted
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
}
