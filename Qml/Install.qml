import QtQuick 2.15

// The page that owns the flow and the one scene file that asks the backend: it reads the screen, the
// mode and the drivers once, wires the body's parts, and drives the run by the states at the end.
Rectangle {
    id: recMainInstall

    // The window's size rules, from the primary screen's available area; the middle band of screens
    // gets the narrowest window.
    readonly property int screenWidth: qtInterface.getScreenWidth()
    readonly property int screenHeight: qtInterface.getScreenHeight()
    readonly property int appWidth: screenWidth > 1400 ? 950 : (screenWidth < 801 ? 800 : 650)
    readonly property int appHeight: screenHeight > 1000 ? 540 : 393
    readonly property int g_ititlebar_size: Math.floor(appHeight * 0.1 - 2)
    // The tooltip's scale: half the screen's width in thousands of pixels, beyond 2000.
    readonly property real mainWindowDPI: screenWidth > 2000 ? screenWidth / 2000 : 1

    readonly property bool bUninstallMode: qtInterface.getCommandLineArguments()
    readonly property var oDrivers: readDrivers()
    readonly property bool g_bEnableInstallButton: oDrivers.iInstallable >= 1
    readonly property bool g_bEnableUninstallButton: oDrivers.iUninstallable >= 1
    readonly property bool g_bDriversAreCompatible: !bUninstallMode && g_bEnableInstallButton
    // Which tiles are ticked, by driver index; a row without a tile never counts as a choice.
    property var vTicks: oDrivers.vTiles.map(function(tile) { return tile.bShown })
    property bool bValidCheckedButton: true
    property bool bViewLogFile: false
    property bool bIsRestartRequired: false
    property string strCompletion // how the finished run ended, as its exit code tells
    // Written by the states below only.
    property bool g_bExtractNow: true
    property bool g_binstallBtnIndicator: false
    property bool g_bInstallVariable: true
    property bool g_bindicatorToInstall: false
    property bool g_bindicatorForProgressRec: true
    property bool g_bBusyindicator: false
    property bool g_bUninstallBusyIndicator: false
    // The first section offered; from then on only the tabs and the agree bar assign it.
    property int g_iSectionNumber: recContent.iFirstSection
    // No installer has run in install mode (or its run changed nothing): leaving extracts the package.
    readonly property bool bExtractOnLeave: !bUninstallMode && g_bExtractNow
    readonly property bool bMayLeave: !recContent.bPolling // not while an installer's end is awaited
    property bool bLeaving: false // so that a repeated request to leave extracts nothing more

    // Read once, while the scene is built. The backend keeps the ticks of the list this run offers,
    // whichever list is counted. An install row the catalogue gives no version has no tile and
    // never decides anything.
    function readDrivers() {
        var bRemoval = qtInterface1.getCommandLineArguments()
        var iRows = qtInterface1.getNumberOfDrivers()
        var drivers = { vTiles: [], iInstallable: 0, iUninstallable: qtInterface1.getNumberOfUninstallableDrivers() }
        for (var i = 0; bRemoval && i < drivers.iUninstallable; ++i)
            drivers.vTiles.push({ strName: qtInterface1.getUnistallableDrivers(i), bShown: true,
                                  strVersion: qtInterface1.setVersionNumberForUninstall(i) })
        for (var row = 0; row < iRows; ++row) {
            var strVersion = qtInterface1.setVersionNumber(row)
            drivers.iInstallable += strVersion !== "" ? 1 : 0
            if (bRemoval)
                continue
            // Asked so that the backend records what this driver replaces.
            qtInterface1.getOlderVersionNumber(row)
            drivers.vTiles.push({ strName: qtInterface1.setDriverName(row), strVersion: qsTr("Version: ") + strVersion,
                                  bShown: strVersion !== "" })
        }
        return drivers
    }

    // The title bar's and the licence's links.
    function openLink(strUrl) { qtInterface.toOpenLink(strUrl) }

    function onTileToggled(index, bTicked) {
        if (bUninstallMode)
            qtInterface1.getCheckboxStatusForUninstall(bTicked, index)
        else
            qtInterface1.getCheckboxStatus(bTicked, index)
        vTicks[index] = bTicked
        bValidCheckedButton = vTicks.indexOf(true) !== -1
    }

    function onClickedIAgree() {
        state = "ready"
        recFooters.installButton.forceActiveFocus()
        g_iSectionNumber = recContent.sectionOf("DriverSection.qml")
    }

    // Each blocks until the installer has started or 30 seconds have passed.
    function onInstallButtonClicked() {
        state = "installing"
        if (!qtInterface1.installbutton())
            startFailed("installStartFailed", recFooters.installButton)
    }

    function onUninstallButtonClicked() {
        state = "uninstalling"
        if (!qtInterface1.uninstallbutton())
            startFailed("uninstallStartFailed", recFooters.uninstallButton)
    }

    // Nothing runs (yet again): the tiles, with the keyboard back on the run's button.
    function startFailed(strState, button) {
        state = strState
        button.forceActiveFocus()
    }

    // The started installer or removal has ended: show how, as its exit code tells.
    function complete() {
        strCompletion = qtInterface1.getCompletionStatus()
        if (qtInterface1.isRetryOffered()) {
            // Cancelled or blocked, so nothing changed: back to the tiles, as after a start that
            // failed; leaving an install now extracts the package again.
            startFailed(bUninstallMode ? "uninstallRetry" : "installRetry",
                        bUninstallMode ? recFooters.uninstallButton : recFooters.installButton)
            return
        }
        bIsRestartRequired = qtInterface1.isRestartOffered()
        state = bUninstallMode ? "uninstalled" : "installed"
        recFooters.focusClosingButtons()
    }

    // Every way out ends here, with the exit code that tells whoever started the front-end how the run went.
    function exitFrontEnd(bRestartNow) {
        Qt.exit(qtInterface1.getFrontEndExitCode(bRestartNow))
    }

    function restartNow() {
        exitFrontEnd(true)
        qtInterface.restartSystem()
    }

    // The title bar's Close, the close bar and a close request from outside the window all end here.
    function leave() {
        if (!bMayLeave || bLeaving)
            return
        bLeaving = true
        if (bExtractOnLeave)
            qtInterface.toExtractFiles()
        exitFrontEnd(false)
    }

    // Where the pointer is, in the screen's pixels, for placing the tooltip.
    function cursorPosition() { return Qt.point(qtInterface.getMouseX(), qtInterface.getMouseY()) }

    PageFrame {
        id: recContent

        objectName: "recContent"
        y: 4
        width: parent.width
        height: (parent.height - g_ititlebar_size) * 0.97 + 2
        bDriversOffered: g_bDriversAreCompatible
        bUninstallMode: recMainInstall.bUninstallMode
        iSection: g_iSectionNumber
        bRunStarted: g_bindicatorToInstall
        vTiles: oDrivers.vTiles
        bNothingToRemove: recMainInstall.bUninstallMode && !g_bEnableUninstallButton
        iTileWidth: appWidth >= 800 ? 280 : (appWidth >= 600 ? 300 : 240)
        bStripShown: !g_bindicatorForProgressRec
        bViewLogFile: recMainInstall.bViewLogFile
        iBarHeight: g_ititlebar_size
        strStatus: recMainInstall.bUninstallMode ? qsTr("Uninstalling..") : qsTr("Installing..")
        rWatermarkWidth: appWidth / 4
        rWatermarkHeight: appHeight / 3
        bBusy: g_bBusyindicator || g_bUninstallBusyIndicator
        onSectionChosen: function(iSection) { g_iSectionNumber = iSection }
        onTileToggled: function(index, state) { recMainInstall.onTileToggled(index, state) }
        onLogRequested: qtInterface.toLaunchLogFile()
        onLinkRequested: function(strUrl) { recMainInstall.openLink(strUrl) }
        // Once a second while an installer runs: has it ended?
        onPolled: if (!qtInterface1.isRunning()) recMainInstall.complete()
    }

    FooterBar {
        id: recFooters

        anchors.bottom: parent.bottom
        width: parent.width
        height: g_ititlebar_size
        bUninstallMode: recMainInstall.bUninstallMode
        bDriversOffered: g_bDriversAreCompatible
        bAgreed: g_binstallBtnIndicator
        bChoosing: g_bInstallVariable
        bInstallEnabled: g_binstallBtnIndicator && g_bEnableInstallButton && bValidCheckedButton && g_bExtractNow
        rParkedX: appWidth
        // The keyboard starts on the run's one action, when there is one.
        bUninstallFirstFocus: recMainInstall.bUninstallMode && g_bEnableUninstallButton
        bUninstallEnabled: g_bEnableUninstallButton && bValidCheckedButton
        bRestartOffered: recMainInstall.bIsRestartRequired
        // Once a run has ended, how; before, why nothing is offered, if so.
        strReason: recContent.bBusy ? "" : (g_bindicatorForProgressRec ? recContent.strReason : recContent.strStatus)
        onAgreeClicked: recMainInstall.onClickedIAgree()
        onInstallClicked: recMainInstall.onInstallButtonClicked()
        onUninstallClicked: recMainInstall.onUninstallButtonClicked()
        onRestartClicked: recMainInstall.restartNow()
        onQuitClicked: recMainInstall.exitFrontEnd(false)
        onLeaveClicked: recMainInstall.leave()
    }

    // One row per stage the user sees. The base state is the licence in install mode, the choice
    // of drivers in removal mode, or the notice that nothing can be offered.
    states: [
        // agreed: the tiles, with Install slid in
        State { name: "ready"; PropertyChanges { target: recMainInstall; g_binstallBtnIndicator: true } },
        State {
            name: "installing"; extend: "ready"
            PropertyChanges {
                target: recMainInstall; g_bindicatorToInstall: true; g_bindicatorForProgressRec: false
                g_bBusyindicator: true; g_bExtractNow: false
            }
        },
        State {
            name: "installed"; extend: "ready"
            PropertyChanges {
                target: recMainInstall; g_bInstallVariable: false; g_bindicatorToInstall: true
                g_bindicatorForProgressRec: false; g_bExtractNow: false; bViewLogFile: true
            }
            PropertyChanges { target: recContent; strStatus: recMainInstall.strCompletion }
        },
        State {
            name: "installRetry"; extend: "ready" // nothing changed: the tiles again, for another try
            PropertyChanges { target: recMainInstall; g_bindicatorForProgressRec: false }
            PropertyChanges { target: recContent; strStatus: recMainInstall.strCompletion }
        },
        State {
            name: "installStartFailed"; extend: "installRetry"
            PropertyChanges { target: recContent; strStatus: qsTr("Installation could not be started") }
        },
        State {
            name: "uninstalling"
            PropertyChanges {
                target: recMainInstall; g_bindicatorToInstall: true; g_bindicatorForProgressRec: false
                g_bUninstallBusyIndicator: true
            }
            PropertyChanges { target: recFooters.uninstallButton; enabled: false; opacity: 0.5 }
        },
        State {
            name: "uninstalled"
            PropertyChanges { target: recMainInstall; g_bindicatorToInstall: true; g_bindicatorForProgressRec: false }
            PropertyChanges { target: recFooters; bFinished: true }
            PropertyChanges { target: recContent; strStatus: recMainInstall.strCompletion }
        },
        State {
            name: "uninstallRetry"
            PropertyChanges { target: recMainInstall; g_bindicatorForProgressRec: false }
            PropertyChanges { target: recContent; strStatus: recMainInstall.strCompletion }
        },
        State {
            name: "uninstallStartFailed"; extend: "uninstallRetry"
            PropertyChanges { target: recContent; strStatus: qsTr("Uninstallation could not be started") }
        }
    ]
}
