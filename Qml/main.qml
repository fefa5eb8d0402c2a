import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15

// The installer's one window: its size, the state shared by every scene file, and the tooltip.
ApplicationWindow {
    id: registerWindow

    readonly property int screenWidth: qtInterface.getScreenWidth()
    readonly property int screenHeight: qtInterface.getScreenHeight()
    // The middle band of screens gets the narrowest window.
    readonly property int appWidth: screenWidth > 1400 ? 950 : (screenWidth < 801 ? 800 : 650)
    readonly property int appHeight: screenHeight > 1000 ? 540 : 393
    readonly property int g_ititlebar_size: Math.floor(appHeight * 0.1 - 2)
    readonly property real tempDPICalc: screenWidth / 1000
    readonly property real mainWindowDPI: tempDPICalc > 2 ? tempDPICalc / 2 : 1

    readonly property bool bUninstallMode: qtInterface.getCommandLineArguments()
    readonly property var oDriverCounts: countDrivers()

    readonly property bool g_bEnableInstallButton: oDriverCounts.iInstallable >= 1
    readonly property bool g_bEnableUninstallButton: oDriverCounts.iUninstallable >= 1
    readonly property bool g_bDriversAreCompatible: !bUninstallMode && g_bEnableInstallButton
    // The run's flags, as the install page's table of run states sets them.
    readonly property bool g_bExtractNow: recInstall.g_bExtractNow
    readonly property bool g_binstallBtnIndicator: recInstall.g_binstallBtnIndicator
    readonly property bool g_bInstallVariable: recInstall.g_bInstallVariable
    readonly property bool g_bindicatorToInstall: recInstall.g_bindicatorToInstall
    readonly property bool g_bindicatorForProgressRec: recInstall.g_bindicatorForProgressRec
    readonly property bool g_bBusyindicator: recInstall.g_bBusyindicator
    readonly property bool g_bUninstallBusyIndicator: recInstall.g_bUninstallBusyIndicator
    property alias g_iSectionNumber: recInstall.g_iSectionNumber
    property bool bValidCheckedButton: true
    // Not while an installer is being watched: its end must be seen.
    readonly property bool bMayClose: !recInstall.timerBusy.running && !recInstall.timerUninstallBusy.running
    // Set once leaving has begun, so that a repeated close request extracts nothing more.
    property bool bLeaving: false

    readonly property string g_strLightColor: Theme.strLightColor
    readonly property string g_strBlackColor: Theme.strBlackColor
    readonly property string g_strTxtColor: Theme.strTxtColor
    readonly property string g_strTransparentColor: Theme.strTransparentColor
    readonly property string g_strGreenColor: Theme.strGreenColor
    readonly property string g_strRedColor: Theme.strRedColor
    readonly property string g_strTranslucentColor: Theme.strTranslucentColor
    readonly property string g_strHoverColor: Theme.strHoverColor

    // Counting a driver list hands the backend's one tick list to it, so the list that this
    // run offers is counted last; the page counts that list again when it builds its tiles.
    // An install row the catalogue gives no version has no tile and never decides what is
    // offered: iInstallable counts the tiles shown, vShown says which rows have one.
    function countDrivers() {
        var counts = {}
        var iRows = 0
        if (qtInterface.getCommandLineArguments()) {
            iRows = qtInterface1.getNumberOfDrivers()
            counts.iUninstallable = qtInterface1.getNumberOfUninstallableDrivers()
        } else {
            counts.iUninstallable = qtInterface1.getNumberOfUninstallableDrivers()
            iRows = qtInterface1.getNumberOfDrivers()
        }
        counts.vShown = []
        for (var i = 0; i < iRows; ++i)
            counts.vShown.push(qtInterface1.setVersionNumber(i) !== "")
        counts.iInstallable = counts.vShown.filter(Boolean).length
        return counts
    }

    // At most `wanted` units, and no more than draw within `available` units of the screen. Qt rounds
    // the screen's pixels to whole units: at 150% a 1024 pixel screen says 683, which draws 1025.
    function fitted(wanted, available) {
        var pixels = Math.ceil((available - 0.5) * Screen.devicePixelRatio)
        return Math.min(wanted, Math.ceil((pixels + 0.5) / Screen.devicePixelRatio) - 1)
    }

    // The title bar's Close and a close request from outside the window (its manager, Alt+F4)
    // both end here. Leaving before an installer has run leaves the extracted package behind.
    function leave() {
        if (!bMayClose || bLeaving)
            return
        bLeaving = true
        if ((!bUninstallMode && g_bExtractNow && g_bEnableInstallButton) || g_iSectionNumber === 3)
            qtInterface.toExtractFiles()
        Qt.quit()
    }

    objectName: "registerWindow"
    title: qsTr("CHIPSET DRIVER INSTALLER")
    // Never past the screen's available area, which a large scale can make smaller than the rules
    // ask for: the page then lays out in the width it gets, as every part follows the window's.
    width: fitted(appWidth, screenWidth)
    height: fitted(appHeight, screenHeight)
    visible: true
    flags: Qt.FramelessWindowHint | Qt.Window
    color: g_strTransparentColor
    // The window stays; leave() quits when the run allows it.
    onClosing: function(close) {
        close.accepted = false
        leave()
    }

    header: Rectangle {
        id: recMainHeader

        objectName: "recMainHeader"
        width: registerWindow.width
        height: g_ititlebar_size
        color: g_strBlackColor
        Accessible.role: Accessible.TitleBar
        Accessible.name: registerWindow.title

        // Lies beneath the title bar's buttons, so only the title strip drags the window.
        MouseArea {
            id: mouseAreaForDragWindow

            property int lastMouseX: 0
            property int lastMouseY: 0

            objectName: "mouseAreaForDragWindow"
            anchors.fill: parent

            onPressed: function(mouse) {
                lastMouseX = mouse.x
                lastMouseY = mouse.y
            }
            onMouseXChanged: {
                if (pressed)
                    registerWindow.x += mouseX - lastMouseX
            }
            onMouseYChanged: {
                if (!pressed)
                    return
                // Keeps the window's top edge between the screen's top and 90% of its height.
                var newY = registerWindow.y + mouseY - lastMouseY
                if (newY >= 0.9 * screenHeight)
                    return
                if (newY <= 0)
                    registerWindow.y = 0
                else if (registerWindow.y <= 0.9 * screenHeight)
                    registerWindow.y = newY
            }
        }

        Header {
            id: recTitleBar

            objectName: "recTitleBar"
            anchors.fill: parent
            strTitle: registerWindow.title
            bCloseEnabled: registerWindow.bMayClose
            onCloseClicked: registerWindow.leave()
        }
    }

    Install {
        id: recInstall

        objectName: "recInstall"
        anchors.fill: parent
        color: g_strTranslucentColor
    }

    // The tooltip window, made when a control first asks for it.
    Loader {
        id: loaderToolTip

        function show(strText) {
            if (!item)
                setSource("Tooltip.qml", { objectName: "baseToolTip", transientParent: registerWindow,
                                           windowDPI: registerWindow.mainWindowDPI })
            item.tooltip = strText
            bttTimer.restart()
        }

        function hide() {
            bttTimer.stop()
            if (item)
                item.visible = false
        }

        Connections {
            target: TooltipService

            function onShowRequested(strText) {
                loaderToolTip.show(strText)
            }

            function onHideRequested() {
                loaderToolTip.hide()
            }
        }

        Timer {
            id: bttTimer

            objectName: "bttTimer"
            interval: 800
            onTriggered: loaderToolTip.item.visible = true
        }
    }
}
