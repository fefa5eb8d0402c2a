import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtTest 1.15

// The page area: driver tiles and their ticks, the warning strip, the licence and the notice.
SceneTestCase {
    name: "Pages"

    function showDrivers() {
        clickCentre(item("recDriverstab"))
        compare(win.g_iSectionNumber, 2)
    }

    function test_tiles_data() {
        return [
            { tag: "install", mode: "install", names: ["ZYM PCI Device Driver", "ZYM GPIO Driver"],
              versions: ["Version: 1.0.0.75", "Version: 2.2.0.126"] },
            { tag: "uninstall", mode: "uninstall",
              names: ["ZYM PCI Device Driver", "ZYM SMBus Driver", "ZYM Consumer Infrared Driver"],
              versions: ["1.0.0.75", "5.12.0.38", "3.2.4.135"] }
        ]
    }

    function test_tiles(data) {
        loadScene(data.mode)
        for (var i = 0; i < data.names.length; ++i) {
            var tile = item("driverTile" + i)
            compare(tile.strDriverName, data.names[i])
            compare(tile.strToolTip, data.names[i])
            compare(tile.strDriverVersion, data.versions[i])
            verify(tile.bCheckboxChecked, "every tile starts ticked")
        }
        compare(findItem(win.contentItem.parent, "driverTile" + data.names.length), null)
    }

    function test_tileWidth_data() {
        return [
            { tag: "wide window", fakeScreenWidth: 1920, width: 280 },
            { tag: "narrow window", fakeScreenWidth: 800, width: 280 },
            { tag: "middle window", fakeScreenWidth: 1024, width: 300 }
        ]
    }

    function test_tileWidth(data) {
        loadScene("install", { fakeScreenWidth: data.fakeScreenWidth })
        compare(item("driverTile0").Layout.preferredWidth, data.width)
        compare(item("driverTile0").Layout.preferredHeight, 50)
    }

    function test_toggleReachesBackend_data() {
        return [
            { tag: "install", mode: "install", call: "getCheckboxStatus" },
            { tag: "uninstall", mode: "uninstall", call: "getCheckboxStatusForUninstall" }
        ]
    }

    function test_toggleReachesBackend(data) {
        loadScene(data.mode)
        showDrivers()
        callLog.clear()
        var tile = item("driverTile1")
        // On the tick box itself: it does not take the click, the tile does.
        mouseClick(tile, 12, 12)
        verify(!tile.bCheckboxChecked)
        verify(!findChild(tile, "imageCheck").visible)
        compare(qtInterface1.fakeTicks[1], 0)
        clickCentre(tile)
        compare(qtInterface1.fakeTicks[1], 1)
        // Nothing is read again: a count or a name lookup would reset the backend's ticks.
        compare(backendCalls("qtInterface1."), ["qtInterface1." + data.call + "(false, 1)",
                                                "qtInterface1." + data.call + "(true, 1)"])
    }

    function test_untickingEveryTileDisables_data() {
        return [
            { tag: "install", mode: "install", button: "recInstallButton", opacity: 0.5, tiles: 2 },
            { tag: "uninstall", mode: "uninstall", button: "recUninstallButton", opacity: 0.7, tiles: 3 }
        ]
    }

    function test_untickingEveryTileDisables(data) {
        loadScene(data.mode)
        if (data.mode === "install")
            agree()
        var button = item(data.button)
        for (var i = 0; i < data.tiles; ++i)
            clickCentre(item("driverTile" + i))
        verify(!win.bValidCheckedButton)
        verify(!button.enabled)
        compare(button.opacity, data.opacity)
        clickCentre(item("driverTile1"))
        verify(win.bValidCheckedButton)
        verify(button.enabled)
        compare(button.opacity, 1)
    }

    function test_agreeWithNothingTicked() {
        loadScene("install")
        showDrivers()
        clickCentre(item("driverTile0"))
        clickCentre(item("driverTile1"))
        compare(item("recInstallButton").x, win.appWidth, "Install stays parked until agreed")
        agree()
        verify(!item("recInstallButton").enabled)
        compare(item("recInstallButton").opacity, 0.5)
    }

    // A tile without a package version is hidden, keeps its tick and takes no grid cell.
    function test_hiddenTile() {
        loadScene("install", { fakeDriverNames: ["A", "B", "C"], fakeDriverVersions: ["1", "", "3"] })
        showDrivers()
        verify(!item("driverTile1").visible)
        compare(item("driverTile2").x, item("driverTile0").x + item("driverTile0").width + 5)
        clickCentre(item("driverTile0"))
        clickCentre(item("driverTile2"))
        verify(win.bValidCheckedButton, "the hidden driver still counts as ticked")
        compare(qtInterface1.fakeTicks, [0, 1, 0])
    }

    function test_uninstallTileWithoutVersion() {
        loadScene("uninstall", { fakeUninstallableNames: ["ZYM GPIO2 Driver"], fakeUninstallableVersions: [""] })
        verify(item("driverTile0").visible)
        compare(item("driverTile0").strDriverVersion, "")
    }

    function test_warningStrip_data() {
        return [
            { tag: "uninstall, nothing removable", mode: "uninstall",
              options: { fakeUninstallableNames: [] }, shown: true },
            { tag: "uninstall", mode: "uninstall", shown: false },
            { tag: "install", mode: "install", shown: false }
        ]
    }

    function test_warningStrip(data) {
        loadScene(data.mode, data.options)
        showDrivers()
        var strip = item("recWarningForInvalidCommandLine")
        compare(strip.visible, data.shown)
        compare(item("textWarning").text, "No uninstallable drivers found")
        verify(Qt.colorEqual(item("textWarning").color, win.g_strRedColor))
        if (data.shown) {
            verify(!item("recUninstallButton").enabled)
            compare(item("recUninstallButton").opacity, 0.7)
        }
    }

    function test_gridScrollsToFocusedTile() {
        var names = []
        var versions = []
        for (var i = 0; i < 30; ++i) {
            names.push("Driver " + i)
            versions.push("1.0." + i)
        }
        loadScene("install", { fakeDriverNames: names, fakeDriverVersions: versions })
        showDrivers()
        var flickable = item("flickableForGrid")
        verify(flickable.contentHeight > flickable.height, "the grid is taller than the page")
        item("driverTile29").forceActiveFocus()
        var tileY = item("driverTile29").mapToItem(flickable, 0, 0).y
        verify(tileY >= 0 && tileY + 50 <= flickable.height, "the focused tile is in view")
    }

    function test_licence() {
        loadScene("install")
        var first = item("textLicenseContent")
        var second = item("textLicenseContent2")
        verify(first.text.indexOf("<a href=") >= 0 && second.text.indexOf("<a href=") >= 0)
        compare(first.textFormat, Text.StyledText)
        verify(Qt.colorEqual(first.linkColor, "yellow"))
        // Laid out as a rich-text document would be: lines as far apart, so just as tall.
        var rich = Qt.createQmlObject("import QtQuick 2.15; Text { textFormat: Text.RichText; wrapMode: Text.WordWrap;"
                                      + " horizontalAlignment: Text.AlignJustify }", first.parent)
        rich.font = first.font
        rich.width = first.width
        rich.text = first.text
        verify(Math.abs(rich.height - first.height) <= 2, "rich " + rich.height + ", styled " + first.height)
        rich.destroy()
        compare(item("recHorizontalSeperator").y, first.y + first.height)
        compare(second.y, first.y + first.height + 1 + 10)
        // Whatever a link points at, the export-control site opens.
        first.linkActivated("https://example.invalid/first")
        second.linkActivated("mailto:someone")
        compare(callLog.count("openUrl(https://www.bis.doc.gov/)"), 2)
    }

    function test_notice() {
        loadScene("notice")
        compare(item("textSystemUpdate").strText,
                "System configuration is not compatible for RAID drivers or applications installation.")
        verify(item("recCloseButton").visible)
    }
}
