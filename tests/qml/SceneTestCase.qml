import QtQuick 2.15
import QtTest 1.15

// Base of the scene tests: fresh fakes for every case, the scene loaded in its own engine, items
// found by objectName, and a failure for any QML warning that the scene printed.
TestCase {
    id: sceneTestCase

    property var win: null

    // Sets the fakes for one run: "install" (drivers offered), "uninstall" or "notice" (nothing
    // offered). Options override single answers, such as { fakeScreenWidth: 1400 }.
    function configure(mode, options) {
        var uninstall = mode === "uninstall"
        qtInterface.fakeUninstallMode = uninstall
        qtInterface1.fakeUninstallMode = uninstall
        if (mode === "notice")
            qtInterface1.fakeDriverNames = []
        for (var key in options) {
            if (key in qtInterface)
                qtInterface[key] = options[key]
            if (key in qtInterface1)
                qtInterface1[key] = options[key]
        }
    }

    // Loads the main window for the given mode and waits until it has the keyboard.
    function loadScene(mode, options) {
        configure(mode, options)
        callLog.clear()
        win = sceneHost.load("main.qml")
        verify(win, "the scene loads")
        win.requestActivate()
        tryCompare(win, "active", true)
        return win
    }

    // Depth-first search of the window's items, the header's included.
    function findItem(root, name) {
        if (!root)
            return null
        if (root.objectName === name)
            return root
        var children = root.children
        if (children === undefined)
            return null
        for (var i = 0; i < children.length; ++i) {
            var found = findItem(children[i], name)
            if (found)
                return found
        }
        return null
    }

    // An item of the window or, for timers and the tooltip, any object it owns.
    function item(name) {
        var found = findItem(win.contentItem.parent, name) || findChild(win, name)
        verify(found, "item " + name + " exists")
        return found
    }

    function backendCalls(prefix) {
        return callLog.withPrefix(prefix)
    }

    function clickCentre(target) {
        verify(target.visible, target.objectName + " is shown")
        mouseClick(target, target.width / 2, target.height / 2)
    }

    // Agrees to the licence and waits for Install to finish sliding in.
    function agree() {
        clickCentre(item("recAcceptButton"))
        tryCompare(item("recInstallButton"), "x", 0)
    }

    function init() {
        qtInterface.fakeReset()
        qtInterface1.fakeReset()
        callLog.clear()
    }

    function cleanup() {
        var warnings = sceneHost.warnings
        sceneHost.unload()
        win = null
        compare(warnings.join("\n"), "", "the scene printed no QML warning")
    }

    when: windowShown
}
