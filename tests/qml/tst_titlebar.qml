import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15

// The title bar: its close rule, minimise, the logo link and the icon buttons' looks.
SceneTestCase {
    name: "TitleBar"

    function reachStage(stage) {
        if (stage === "agreed" || stage === "installed" || stage === "start failed")
            agree()
        if (stage === "installed" || stage === "start failed")
            clickCentre(item("recInstallButton"))
        if (stage === "installed")
            tryCompare(item("recAppClose"), "enabled", true, 1500)
    }

    function test_closeRule_data() {
        return [
            { tag: "before agreeing", mode: "install", stage: "", extracts: true },
            { tag: "after agreeing", mode: "install", stage: "agreed", extracts: true },
            { tag: "installer failed to start", mode: "install", stage: "start failed",
              options: { fakeInstallResult: 0 }, extracts: true },
            { tag: "after the install", mode: "install", stage: "installed",
              options: { fakeRunning: 0 }, extracts: false },
            { tag: "uninstall mode", mode: "uninstall", stage: "", extracts: false },
            { tag: "system-update notice", mode: "notice", stage: "", extracts: true }
        ]
    }

    function test_closeRule(data) {
        loadScene(data.mode, data.options)
        reachStage(data.stage)
        callLog.clear()
        clickCentre(item("recAppClose"))
        compare(callLog.entries, data.extracts ? ["qtInterface.toExtractFiles()", "Qt.quit()"] : ["Qt.quit()"])
    }

    function test_minimize() {
        loadScene("install")
        clickCentre(item("recAppMinimize"))
        compare(win.visibility, Window.Minimized)
    }

    function test_logo() {
        loadScene("install")
        var logo = item("logoButton")
        mouseMove(logo, 10, 10)
        verify(logo.isButtonEntered)
        compare(findChild(win, "baseToolTip").tooltip, "https://www.zym.example/")
        mouseClick(logo, 10, 10)
        compare(callLog.count("openUrl(https://www.zym.example/)"), 1)
        verify(!logo.isButtonEntered && !logo.isButtonPressed, "the visual state is reset")
    }

    function test_iconEffects_data() {
        return [
            { tag: "logo", name: "logoButton", radius: 40 },
            { tag: "minimise", name: "recAppMinimize", radius: 12 },
            { tag: "close", name: "recAppClose", radius: 18 }
        ]
    }

    // The tint and the halo are drawn for the icon as shown, the halo reaching the radius beyond it.
    function test_iconEffects(data) {
        loadScene("install")
        var button = item(data.name)
        var icon = findChild(button, "imageIcon")
        var tint = findChild(button, "colorOverlayIcon")
        var glow = findChild(button, "glowIcon")
        compare(icon.status, Image.Ready)
        compare(tint.status, Image.Ready)
        compare(glow.status, Image.Ready)
        verify(tint.visible)
        compare(tint.sourceSize, Qt.size(icon.paintedWidth, icon.paintedHeight))
        compare(glow.sourceSize, Qt.size(icon.paintedWidth + 2 * data.radius, icon.paintedHeight + 2 * data.radius))
        compare(glow.width, glow.sourceSize.width)
    }

    function test_iconButtonFills_data() {
        return [ { tag: "minimise", name: "recAppMinimize" }, { tag: "close", name: "recAppClose" } ]
    }

    function test_iconButtonFills(data) {
        loadScene("install")
        var button = item(data.name)
        var hoverFill = findChild(button, "recHoverFill")
        var focusFill = findChild(button, "recFocusHover")
        verify(!hoverFill.visible && !focusFill.visible)
        mouseMove(button, 10, 10)
        verify(hoverFill.visible)
        mouseMove(item("recKaltoText"), 10, 10)
        verify(!hoverFill.visible)
        button.forceActiveFocus()
        verify(focusFill.visible)
    }
}
