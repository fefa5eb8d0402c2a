import QtQuick 2.15
import QtTest 1.15

// What assistive technology is told: a name and a role for every control in every stage of the
// run, tiles announced as check boxes, decorative images hidden.
SceneTestCase {
    name: "Accessibility"

    function reachStage(stage) {
        if (stage === "drivers" || stage === "installing" || stage === "installed")
            agree()
        if (stage === "installed") {
            qtInterface1.fakeRunning = 0
            qtInterface1.fakeRestartRequired = true
        }
        if (stage === "installing" || stage === "installed")
            clickCentre(item("recInstallButton"))
        if (stage === "uninstalling" || stage === "uninstalled") {
            qtInterface1.fakeRunning = stage === "uninstalled" ? 0 : 1
            clickCentre(item("recUninstallButton"))
        }
        if (stage === "installed" || stage === "uninstalled")
            tryVerify(function() { return !item("time").running && !item("timer").running }, 1500)
    }

    function isMouseArea(candidate) {
        return candidate.acceptedButtons !== undefined && candidate.containsMouse !== undefined
    }

    // Every shown, enabled control that the keyboard or a click reaches, named by its nearest
    // accessible ancestor.
    function unnamedControls(root, found) {
        var children = root.children || []
        for (var i = 0; i < children.length; ++i) {
            var child = children[i]
            if (!child.visible || !child.enabled)
                continue
            var clickable = isMouseArea(child) && child.acceptedButtons !== Qt.NoButton
            if (child.activeFocusOnTab || clickable) {
                var owner = child
                while (owner && owner.Accessible.role === Accessible.NoRole)
                    owner = owner.parent
                if (!owner || owner.Accessible.name === "")
                    found.push(child.objectName || String(child))
            }
            unnamedControls(child, found)
        }
        return found
    }

    function images(root, found) {
        var children = root.children || []
        for (var i = 0; i < children.length; ++i) {
            if (children[i].fillMode !== undefined && children[i].sourceSize !== undefined)
                found.push(children[i])
            images(children[i], found)
        }
        return found
    }

    function test_everyControlNamed_data() {
        return [
            { tag: "licence", mode: "install", stage: "" },
            { tag: "drivers", mode: "install", stage: "drivers" },
            { tag: "installing", mode: "install", stage: "installing" },
            { tag: "installed", mode: "install", stage: "installed" },
            { tag: "uninstall", mode: "uninstall", stage: "" },
            { tag: "uninstalling", mode: "uninstall", stage: "uninstalling" },
            { tag: "uninstalled", mode: "uninstall", stage: "uninstalled" },
            { tag: "nothing removable", mode: "uninstall", stage: "",
              options: { fakeUninstallableNames: [] } },
            { tag: "nothing offered", mode: "notice", stage: "" }
        ]
    }

    function test_everyControlNamed(data) {
        loadScene(data.mode, data.options)
        reachStage(data.stage)
        compare(unnamedControls(win.contentItem.parent, []), [])
        var all = images(win.contentItem.parent, [])
        verify(all.length > 0)
        for (var i = 0; i < all.length; ++i)
            verify(all[i].Accessible.ignored, "decorative image " + all[i].source + " is hidden")
    }

    function test_tileIsACheckBox() {
        loadScene("install")
        var tile = item("driverTile0")
        compare(tile.Accessible.role, Accessible.CheckBox)
        compare(tile.Accessible.name, "ZYM PCI Device Driver")
        verify(tile.Accessible.checkable && tile.Accessible.checked)
        tile.Accessible.toggleAction()
        verify(!tile.Accessible.checked, "the assistive toggle unticks it")
        verify(callLog.indexOf("qtInterface1.getCheckboxStatus(false, 0)") >= 0)
    }

    function test_controlRoles_data() {
        return [
            { tag: "tab", name: "recLicenseTab", role: Accessible.PageTab, label: "License Agreement" },
            { tag: "agree bar", name: "recAcceptButton", role: Accessible.CheckBox,
              label: "I agree to the terms and conditions" },
            { tag: "Install", name: "recInstallButton", role: Accessible.Button, label: "Install" },
            { tag: "minimise", name: "recAppMinimize", role: Accessible.Button, label: "Minimize" },
            { tag: "close", name: "recAppClose", role: Accessible.Button, label: "Close" },
            { tag: "title bar", name: "recMainHeader", role: Accessible.TitleBar,
              label: "CHIPSET DRIVER INSTALLER" }
        ]
    }

    function test_controlRoles(data) {
        loadScene("install")
        compare(item(data.name).Accessible.role, data.role)
        compare(item(data.name).Accessible.name, data.label)
    }

    function test_selectedTab() {
        loadScene("install")
        verify(item("recLicenseTab").Accessible.selected && !item("recDriverstab").Accessible.selected)
        agree()
        verify(!item("recLicenseTab").Accessible.selected && item("recDriverstab").Accessible.selected)
        verify(item("recAcceptButton").Accessible.checked, "the agree box reads as ticked")
    }

    function test_logo() {
        loadScene("install")
        var logo = item("logoButton")
        compare(logo.Accessible.name, "logo link")
        compare(logo.Accessible.role, Accessible.Button)
        compare(logo.Accessible.description, "Opens logo in browser")
        verify(!logo.Accessible.ignored)
        logo.Accessible.pressAction()
        compare(callLog.count("openUrl(https://www.zym.example/)"), 1)
        logo.opacity = 0
        verify(logo.Accessible.ignored, "hidden while fully transparent")
        logo.opacity = 1
        logo.visible = false
        verify(logo.Accessible.ignored, "hidden while invisible")
    }
}
