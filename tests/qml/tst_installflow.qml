import QtQuick 2.15
import QtTest 1.15

// The run from agreeing or choosing, through the installer's start and poll, to its end.
SceneTestCase {
    name: "InstallFlow"

    function startInstall() {
        agree()
        clickCentre(item("recInstallButton"))
    }

    function startUninstall() {
        clickCentre(item("recUninstallButton"))
    }

    function verifyBusy(overlay) {
        verify(item(overlay).visible, "the busy overlay is shown")
        verify(!item("rowTabs").enabled && !item("recMainPage").enabled, "tabs and page are disabled")
        tryCompare(item("recMainPage"), "opacity", 0)
        tryCompare(item("recProgressBar"), "height", win.g_ititlebar_size)
    }

    function test_install_data() {
        return [
            { tag: "restart required", restart: true, closeWidth: 0.5 },
            { tag: "no restart", restart: false, closeWidth: 1 }
        ]
    }

    function test_install(data) {
        loadScene("install")
        qtInterface1.fakeRestartRequired = data.restart
        startInstall()
        compare(callLog.count("qtInterface1.installbutton()"), 1)
        verifyBusy("recIndicator")
        compare(item("textProgress").text, "Installing..")
        verify(!item("recInstallButton").enabled)
        compare(item("recInstallButton").opacity, 0.5)
        verify(!win.g_bExtractNow)
        verify(!item("recAppClose").enabled, "the title bar's Close waits for the installer")

        wait(1500)
        verify(item("recIndicator").visible, "still busy while the installer runs")
        qtInterface1.fakeRunning = 0
        tryCompare(item("textProgress"), "text", "Successfully Installed", 1500)
        verify(!item("recIndicator").visible)
        verify(!item("time").running)
        verify(!item("recInstallButton").visible && !item("recAcceptButton").visible)
        verify(item("recViewLog").visible)
        compare(item("recExitAndRestart").visible, data.restart)
        compare(item("recExitWithoutRestart").width, win.width * data.closeWidth)
        compare(callLog.count("qtInterface1.isRestartOffered()"), 1)
        verify(item("recAppClose").enabled)
        tryCompare(item("recProgressBar"), "y", item("recViewLog").y - 5 - win.g_ititlebar_size)
        verify(!item("rowTabs").enabled, "the tab row stays disabled after completion")
        compare(item("rowTabs").opacity, 0)
    }

    function test_installEndingAtOnce() {
        loadScene("install", { fakeRunning: 0 })
        startInstall()
        wait(800)
        compare(item("textProgress").text, "Installing..")
        tryCompare(item("textProgress"), "text", "Successfully Installed", 600)
    }

    function test_startFailure_data() {
        return [
            { tag: "install", mode: "install", button: "recInstallButton",
              call: "qtInterface1.installbutton()", text: "Installation could not be started" },
            { tag: "uninstall", mode: "uninstall", button: "recUninstallButton",
              call: "qtInterface1.uninstallbutton()", text: "Uninstallation could not be started" }
        ]
    }

    function test_startFailure(data) {
        loadScene(data.mode, { fakeInstallResult: 0, fakeUninstallResult: 0 })
        if (data.mode === "install")
            startInstall()
        else
            startUninstall()
        var button = item(data.button)
        verify(button.visible && button.enabled, "the button stays available for another try")
        compare(button.opacity, 1)
        compare(item("textProgress").text, data.text)
        verify(!item("recIndicator").visible && !item("recIndicatorForUninstall").visible)
        verify(item("rowTabs").enabled && item("recMainPage").enabled)
        verify(win.g_bExtractNow)
        wait(1200)
        compare(item("textProgress").text, data.text, "no success is reported for a failed start")
        clickCentre(button)
        compare(callLog.count(data.call), 2)
    }

    // The page tells what the exit code says, never success for a failure.
    function test_outcome_data() {
        return [
            { tag: "3010 restart whatever the flag", mode: "install", code: 3010, flagged: false,
              text: "Successfully Installed", restart: true, retry: false },
            { tag: "1641 already restarting", mode: "install", code: 1641, flagged: true,
              text: "Successfully Installed. Windows is restarting.", restart: false, retry: false },
            { tag: "1602 cancelled", mode: "install", code: 1602, flagged: false,
              text: "Installation cancelled", restart: false, retry: true },
            { tag: "1618 busy", mode: "install", code: 1618, flagged: false,
              text: "Another installation is in progress. Try again when it has finished.", restart: false, retry: true },
            { tag: "1603 failed", mode: "install", code: 1603, flagged: true,
              text: "Installation failed (error 1603)", restart: false, retry: false },
            { tag: "3017 failed, restart", mode: "install", code: 3017, flagged: false,
              text: "Installation failed (error 3017). A restart is required.", restart: true, retry: false },
            { tag: "crash", mode: "install", code: 0, crashed: true, flagged: true,
              text: "Installation failed (error 0)", restart: false, retry: false },
            { tag: "removal 3010", mode: "uninstall", code: 3010, flagged: false,
              text: "Successfully Uninstalled", restart: true, retry: false },
            { tag: "removal 1223 cancelled", mode: "uninstall", code: 1223, flagged: false,
              text: "Uninstallation cancelled", restart: false, retry: true },
            { tag: "removal 1603 failed", mode: "uninstall", code: 1603, flagged: false,
              text: "Uninstallation failed (error 1603)", restart: false, retry: false }
        ]
    }

    function test_outcome(data) {
        loadScene(data.mode, { fakeExitCode: data.code, fakeCrashed: !!data.crashed,
                               fakeRestartRequired: data.flagged })
        var install = data.mode === "install"
        if (install)
            startInstall()
        else
            startUninstall()
        qtInterface1.fakeRunning = 0
        tryCompare(item("textProgress"), "text", data.text, 1500)
        verify(!item("recIndicator").visible && !item("recIndicatorForUninstall").visible)
        if (data.retry) {
            var button = item(install ? "recInstallButton" : "recUninstallButton")
            verify(button.visible && button.enabled, "the choice may be started again")
            verify(button.activeFocus)
            verify(item("rowTabs").enabled && item("recMainPage").enabled)
            verify(!item("recViewLog").visible && !item("rowLaunchAndClose").visible)
            if (install)
                verify(win.g_bExtractNow, "leaving now extracts the package again")
            clickCentre(button)
            compare(callLog.count(install ? "qtInterface1.installbutton()" : "qtInterface1.uninstallbutton()"), 2)
        } else if (install) {
            verify(item("rowLaunchAndClose").visible && item("recViewLog").visible)
            compare(item("recExitAndRestart").visible, data.restart)
            verify(item("recExitWithoutRestart").visible)
        } else {
            verify(item("recFinishButton").visible)
            compare(item("recUninstallRestartButton").visible, data.restart)
            compare(item("recFinishButton").width, win.width * (data.restart ? 0.5 : 1))
        }
    }

    function test_uninstallRestart() {
        loadScene("uninstall", { fakeExitCode: 3010 })
        startUninstall()
        qtInterface1.fakeRunning = 0
        tryVerify(function() { return item("recUninstallRestartButton").activeFocus }, 1500)
        keyClick(Qt.Key_Right)
        verify(item("recFinishButton").activeFocus)
        keyClick(Qt.Key_Left)
        keyClick(Qt.Key_Return)
        compare(callLog.entries.slice(-2), ["Qt.quit()", "qtInterface.restartSystem()"])
    }

    function test_uninstall() {
        loadScene("uninstall")
        startUninstall()
        verifyBusy("recIndicatorForUninstall")
        compare(item("textProgress").text, "Uninstalling..")
        verify(!item("recUninstallButton").enabled)
        compare(item("recUninstallButton").opacity, 0.5)
        verify(!item("recAppClose").enabled)
        qtInterface1.fakeRunning = 0
        tryCompare(item("textProgress"), "text", "Successfully Uninstalled", 1500)
        verify(!item("recIndicatorForUninstall").visible && !item("recUninstallButton").visible)
        verify(item("recFinishButton").visible && item("recFinishButton").activeFocus)
        verify(!item("recViewLog").visible, "no log bar after an uninstall")
        verify(item("recAppClose").enabled)
        keyClick(Qt.Key_Return)
        compare(callLog.count("Qt.quit()"), 1)
    }

    function test_endingButtons_data() {
        return [
            { tag: "Restart Now", button: "recExitAndRestart",
              calls: ["Qt.quit()", "qtInterface.restartSystem()"] },
            { tag: "Close", button: "recExitWithoutRestart", calls: ["Qt.quit()"] },
            { tag: "View Installation Log", button: "recViewLog", calls: ["qtInterface.toLaunchLogFile()"] }
        ]
    }

    function test_endingButtons(data) {
        loadScene("install", { fakeRunning: 0, fakeRestartRequired: true })
        startInstall()
        tryVerify(function() { return item("rowLaunchAndClose").visible }, 1500)
        // The row places Close beside the restart button at its next layout pass.
        tryCompare(item("recExitWithoutRestart"), "x", item("recExitAndRestart").width)
        callLog.clear()
        clickCentre(item(data.button))
        compare(callLog.entries, data.calls)
    }

    function test_noticeCloseBar() {
        loadScene("notice")
        callLog.clear()
        clickCentre(item("mainFooter"))
        compare(callLog.entries, ["qtInterface.toExtractFiles()", "Qt.quit()"])
    }

    // The scene calls only what the bridge offers it, and asks DriverInfo about restarts.
    function test_onlySceneOperationsCalled_data() {
        return [ { tag: "install", mode: "install" }, { tag: "uninstall", mode: "uninstall" } ]
    }

    function test_onlySceneOperationsCalled(data) {
        var allowed = [
            "qtInterface.getScreenWidth", "qtInterface.getScreenHeight", "qtInterface.toExtractFiles",
            "qtInterface.getMouseX", "qtInterface.getMouseY", "qtInterface.getCommandLineArguments",
            "qtInterface.restartSystem", "qtInterface.toLaunchLogFile",
            "qtInterface1.getNumberOfDrivers", "qtInterface1.setDriverName",
            "qtInterface1.getCheckboxStatus", "qtInterface1.setVersionNumber",
            "qtInterface1.setVersionNumberForUninstall", "qtInterface1.installbutton",
            "qtInterface1.uninstallbutton", "qtInterface1.getUnistallableDrivers",
            "qtInterface1.getNumberOfUninstallableDrivers", "qtInterface1.getCheckboxStatusForUninstall",
            "qtInterface1.getCommandLineArguments", "qtInterface1.isRunning",
            "qtInterface1.getOlderVersionNumber", "qtInterface1.getCompletionStatus",
            "qtInterface1.isRestartOffered", "qtInterface1.isRetryOffered"
        ]
        loadScene(data.mode, { fakeRunning: 0 })
        if (data.mode === "install")
            startInstall()
        else
            startUninstall()
        tryVerify(function() { return !item("time").running && !item("timer").running }, 1500)
        var entries = callLog.entries
        for (var i = 0; i < entries.length; ++i) {
            var operation = entries[i].split("(")[0]
            verify(operation === "Qt.quit" || allowed.indexOf(operation) >= 0, entries[i])
        }
    }
}
