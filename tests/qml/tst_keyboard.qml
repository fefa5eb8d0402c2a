import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15

// Everything works from the keyboard: the Tab chain, activation keys and arrow keys.
SceneTestCase {
    name: "Keyboard"

    readonly property var activationKeys: [Qt.Key_Return, Qt.Key_Enter, Qt.Key_Space]

    function focusedName() {
        return win.activeFocusItem ? win.activeFocusItem.objectName : ""
    }

    // Moves the scene to a stage of its run: "agreed", "installed" or "uninstalled".
    function reachStage(stage) {
        if (stage === "agreed" || stage === "installed")
            agree()
        if (stage === "installed") {
            qtInterface1.fakeRunning = 0
            qtInterface1.fakeRestartRequired = true
            clickCentre(item("recInstallButton"))
            tryVerify(function() { return item("rowLaunchAndClose").visible }, 1500)
        }
    }

    function test_tabChain_data() {
        var titleBar = ["logoButton", "recAppMinimize", "recAppClose"]
        return [
            { tag: "licence", mode: "install", stage: "", first: "flickableForLicense",
              chain: ["recAcceptButton"].concat(titleBar, ["recLicenseTab", "recDriverstab", "flickableForLicense"]) },
            { tag: "drivers", mode: "install", stage: "agreed", first: "recInstallButton",
              chain: titleBar.concat(["recLicenseTab", "recDriverstab", "driverTile0", "driverTile1", "recInstallButton"]) },
            { tag: "installed", mode: "install", stage: "installed", first: "recExitAndRestart",
              chain: ["recExitWithoutRestart"].concat(titleBar, ["recViewLog", "recExitAndRestart"]) },
            { tag: "uninstall", mode: "uninstall", stage: "", first: "recUninstallButton",
              chain: titleBar.concat(["recDriverstab", "driverTile0", "driverTile1", "driverTile2", "recUninstallButton"]) },
            { tag: "nothing offered", mode: "notice", stage: "", first: "recCloseButton",
              chain: titleBar.concat(["recSystemUpdate", "recCloseButton"]) }
        ]
    }

    function test_tabChain(data) {
        loadScene(data.mode)
        reachStage(data.stage)
        compare(focusedName(), data.first)
        var names = []
        for (var i = 0; i < data.chain.length; ++i) {
            keyClick(Qt.Key_Tab)
            names.push(focusedName())
        }
        compare(names, data.chain)
    }

    // Each row: a control, the stage it is reached in, and what its activation must cause.
    function test_activation_data() {
        var rows = [
            { name: "recLicenseTab", mode: "install", stage: "agreed", section: 1 },
            { name: "recDriverstab", mode: "install", stage: "", section: 2 },
            { name: "recSystemUpdate", mode: "notice", stage: "", section: 3 },
            { name: "driverTile1", mode: "install", stage: "agreed", call: "qtInterface1.getCheckboxStatus(false, 1)" },
            { name: "driverTile0", mode: "uninstall", stage: "", call: "qtInterface1.getCheckboxStatusForUninstall(false, 0)" },
            { name: "recAcceptButton", mode: "install", stage: "", section: 2 },
            { name: "recInstallButton", mode: "install", stage: "agreed", call: "qtInterface1.installbutton()" },
            { name: "recUninstallButton", mode: "uninstall", stage: "", call: "qtInterface1.uninstallbutton()" },
            { name: "recExitAndRestart", mode: "install", stage: "installed", call: "qtInterface.restartSystem()" },
            { name: "recExitWithoutRestart", mode: "install", stage: "installed", call: "Qt.quit()" },
            { name: "recViewLog", mode: "install", stage: "installed", call: "qtInterface.toLaunchLogFile()" },
            { name: "recCloseButton", mode: "notice", stage: "", call: "qtInterface.toExtractFiles()" },
            { name: "logoButton", mode: "install", stage: "", call: "openUrl(https://www.zym.example/)" },
            { name: "recAppMinimize", mode: "install", stage: "", minimized: true },
            { name: "recAppClose", mode: "install", stage: "", call: "Qt.quit()" }
        ]
        var keyNames = ["Return", "keypad Enter", "Space"]
        var data = []
        for (var r = 0; r < rows.length; ++r) {
            for (var k = 0; k < activationKeys.length; ++k) {
                var row = Object.assign({}, rows[r])
                row.tag = row.name + " (" + row.mode + "), " + keyNames[k]
                row.key = activationKeys[k]
                data.push(row)
            }
        }
        return data
    }

    function test_activation(data) {
        loadScene(data.mode)
        reachStage(data.stage)
        var target = item(data.name)
        target.forceActiveFocus()
        verify(target.activeFocus)
        callLog.clear()
        keyClick(data.key)
        if (data.section !== undefined)
            compare(win.g_iSectionNumber, data.section)
        if (data.call !== undefined)
            verify(callLog.indexOf(data.call) >= 0, data.call + " in " + callLog.entries)
        if (data.minimized)
            compare(win.visibility, Window.Minimized)
    }

    function test_arrows_data() {
        return [
            { tag: "Right from License Agreement", stage: "", from: "recLicenseTab", key: Qt.Key_Right,
              to: "recDriverstab" },
            { tag: "Left from Drivers", stage: "", from: "recDriverstab", key: Qt.Key_Left,
              to: "recLicenseTab" },
            { tag: "Right from Restart Now", stage: "installed", from: "recExitAndRestart",
              key: Qt.Key_Right, to: "recExitWithoutRestart" },
            { tag: "Left from Close", stage: "installed", from: "recExitWithoutRestart", key: Qt.Key_Left,
              to: "recExitAndRestart" }
        ]
    }

    function test_arrows(data) {
        loadScene("install")
        reachStage(data.stage)
        item(data.from).forceActiveFocus()
        keyClick(data.key)
        compare(focusedName(), data.to)
    }

    function test_licenceScrolls() {
        loadScene("install")
        var licence = item("flickableForLicense")
        verify(licence.activeFocus)
        keyClick(Qt.Key_Down)
        compare(licence.contentY, 20)
        keyClick(Qt.Key_PageDown)
        compare(licence.contentY, 20 + licence.height)
        keyClick(Qt.Key_Up)
        compare(licence.contentY, licence.height)
        for (var i = 0; i < 5; ++i)
            keyClick(Qt.Key_PageUp)
        compare(licence.contentY, 0, "scrolling stops at the top")
    }
}
