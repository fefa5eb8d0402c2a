import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15

// The main window: size rules, the run's mode and first section, the tooltip and dragging.
SceneTestCase {
    name: "Window"

    function test_size_data() {
        return [
            { tag: "width 1400 is the middle band", fakeScreenWidth: 1400, width: 650 },
            { tag: "width 1401 is wide", fakeScreenWidth: 1401, width: 950 },
            { tag: "width 800 is narrow", fakeScreenWidth: 800, width: 800 },
            { tag: "width 801 is the middle band", fakeScreenWidth: 801, width: 650 },
            { tag: "height 1000 is low", fakeScreenHeight: 1000, height: 393, bar: 37 },
            { tag: "height 1001 is tall", fakeScreenHeight: 1001, height: 540, bar: 52 }
        ]
    }

    function test_size(data) {
        loadScene("install", data.fakeScreenWidth ? { fakeScreenWidth: data.fakeScreenWidth }
                                                  : { fakeScreenHeight: data.fakeScreenHeight })
        if (data.width) {
            compare(win.width, data.width)
        } else {
            compare(win.height, data.height)
            compare(win.g_ititlebar_size, data.bar)
            compare(item("recMainHeader").height, data.bar)
            compare(item("mainFooter").height, data.bar)
        }
    }

    function test_tooltipScale_data() {
        return [
            { tag: "2000 wide", fakeScreenWidth: 2000, dpi: 1 },
            { tag: "2560 wide", fakeScreenWidth: 2560, dpi: 1.28 },
            { tag: "3840 wide", fakeScreenWidth: 3840, dpi: 1.92 }
        ]
    }

    function test_tooltipScale(data) {
        loadScene("install", { fakeScreenWidth: data.fakeScreenWidth })
        var tooltip = findChild(win, "baseToolTip")
        fuzzyCompare(tooltip.windowDPI, data.dpi, 0.0001)
        tooltip.tooltip = "Close"
        var rect = findChild(tooltip, "tooltipRect")
        fuzzyCompare(tooltip.width, Math.floor(rect.width * data.dpi), 1)
    }

    function test_mode_data() {
        return [
            { tag: "drivers offered", mode: "install", section: 1, tabs: [true, true, false],
              counted: "install" },
            { tag: "uninstall", mode: "uninstall", section: 2, tabs: [false, true, false],
              counted: "uninstall" },
            { tag: "uninstall, nothing removable", mode: "uninstall",
              options: { fakeUninstallableNames: [] }, section: 2, tabs: [false, true, false],
              counted: "uninstall" },
            { tag: "nothing offered", mode: "notice", section: 3, tabs: [false, false, true],
              counted: "install" }
        ]
    }

    function test_mode(data) {
        loadScene(data.mode, data.options)
        compare(win.g_iSectionNumber, data.section)
        compare(item("recForLictab").visible, data.section === 1)
        compare(item("recDriverContent").visible, data.section === 2)
        compare(item("recForSystemUpdate").visible, data.section === 3)
        compare([item("recLicenseTab").visible, item("recDriverstab").visible,
                 item("recSystemUpdate").visible], data.tabs)
        // The backend's ticks must belong to the list whose tiles are shown.
        compare(qtInterface1.fakeCountedList, data.counted)
    }

    function test_tooltipDelay() {
        loadScene("install")
        var tooltip = findChild(win, "baseToolTip")
        tooltip.showtt()
        wait(500)
        tooltip.showtt()
        wait(500)
        verify(!tooltip.visible, "a second request restarts the delay")
        tryCompare(tooltip, "visible", true, 600)
        tooltip.hidett()
        verify(!tooltip.visible, "hiding is immediate")
        tooltip.showtt()
        tooltip.hidett()
        wait(1000)
        verify(!tooltip.visible, "hiding cancels a pending tooltip")
    }

    function test_tooltipHover() {
        loadScene("install")
        var tooltip = findChild(win, "baseToolTip")
        mouseMove(item("recAcceptButton"), 20, 10)
        compare(tooltip.tooltip, "Terms and Conditions")
        tryCompare(tooltip, "visible", true)
        mouseMove(item("recLicenseTab"), 20, 10)
        verify(!tooltip.visible, "leaving a control hides its tooltip")
    }

    function test_tooltipPlacement_data() {
        var right = Screen.desktopAvailableWidth
        var bottom = Screen.desktopAvailableHeight
        return [
            { tag: "room on both sides", mouseX: 10, mouseY: 10, toLeft: false, toTop: false },
            { tag: "past the right edge", mouseX: right - 20, mouseY: 10, toLeft: true, toTop: false },
            { tag: "past the bottom edge", mouseX: 10, mouseY: bottom - 20, toLeft: false, toTop: true }
        ]
    }

    function test_tooltipPlacement(data) {
        loadScene("install", { fakeMouseX: data.mouseX, fakeMouseY: data.mouseY })
        var tooltip = findChild(win, "baseToolTip")
        tooltip.tooltip = "Exits installer and Restarts the system"
        tooltip.visible = true
        compare(tooltip.x, data.toLeft ? data.mouseX + 8 - tooltip.width - 10 : data.mouseX + 8)
        compare(tooltip.y, data.toTop ? Screen.desktopAvailableHeight - tooltip.height - 5
                                      : data.mouseY + 24)
        tooltip.hidett()
    }

    function test_tooltipWrapsLongText() {
        loadScene("install")
        var tooltip = findChild(win, "baseToolTip")
        var text = findChild(tooltip, "textTooltip")
        tooltip.tooltip = "Close"
        verify(text.width < 100 && text.lineCount === 1, "a short text keeps to one line")
        tooltip.tooltip = new Array(40).join("Exits installer ")
        compare(text.width, 401)
        verify(text.lineCount > 1, "a long text wraps")
    }

    function test_drag_data() {
        return [
            { tag: "sideways, unlimited", startY: 100, dx: -300, dy: 0, x: -200, y: 100 },
            { tag: "up past the top stops at 0", startY: 100, dx: 0, dy: -300, x: 100, y: 0 },
            { tag: "down to 90% of the height is refused", startY: 900, dx: 0, dy: 100, x: 100, y: 900 },
            { tag: "down within the limit", startY: 500, dx: 0, dy: 100, x: 100, y: 600 }
        ]
    }

    function test_drag(data) {
        loadScene("install", { fakeScreenHeight: 1080 })
        win.x = 100
        win.y = data.startY
        var strip = item("recKaltoText")
        mousePress(strip, 50, 10)
        mouseMove(strip, 50 + data.dx, 10 + data.dy, -1, Qt.LeftButton)
        mouseRelease(strip, 50 + data.dx, 10 + data.dy)
        compare(win.x, data.x)
        compare(win.y, data.y)
    }
}
