import QtQuick 2.15
import QtQuick.Controls 1.4
import QtTest 1.15
import "../../Qml"

// The shared widgets on their own: they read only the theme and their own properties.
SceneTestCase {
    id: widgetTest

    function create(fileName, properties) {
        var component = Qt.createComponent(sceneHost.sceneFileUrl(fileName))
        compare(component.status, Component.Ready, component.errorString())
        var widget = createTemporaryObject(component, widgetTest, properties)
        verify(widget)
        return widget
    }

    name: "Widgets"
    width: 400
    height: 400
    visible: true

    SignalSpy {
        id: tooltipSpy

        target: TooltipService
        signalName: "showRequested"
    }

    ExclusiveGroup {
        id: exclusiveGroup
    }

    SignalSpy {
        id: clickSpy

        signalName: "buttonClicked"
    }

    function init() {
        clickSpy.clear()
        tooltipSpy.clear()
    }

    function test_basicButtonChecked_data() {
        return [
            { tag: "alone, toggles", group: null, afterTwoClicks: false },
            { tag: "in an exclusive group, stays checked", group: exclusiveGroup, afterTwoClicks: true }
        ]
    }

    function test_basicButtonChecked(data) {
        var first = create("BasicButton.qml", { width: 40, height: 40, exclusiveGroup: data.group })
        var second = create("BasicButton.qml", { x: 50, width: 40, height: 40, exclusiveGroup: data.group })
        clickSpy.target = first
        mouseClick(first)
        verify(first.checked && first.activeFocus)
        mouseClick(first)
        compare(first.checked, data.afterTwoClicks)
        compare(clickSpy.count, 2)
        mouseClick(second)
        compare(first.checked, data.group ? false : data.afterTwoClicks, "a group keeps one checked")
    }

    function test_basicButtonPointer() {
        var button = create("BasicButton.qml", { width: 40, height: 40, tooltip: "Minimize",
                                                 focusOnMouseClick: false })
        mouseMove(button, 10, 10)
        verify(button.isButtonEntered && button.isButtonHover)
        compare(tooltipSpy.count, 1)
        compare(tooltipSpy.signalArguments[0][0], "Minimize")
        mousePress(button, 10, 10)
        verify(button.isButtonPressed && !button.isButtonHover)
        mouseRelease(button, 10, 10)
        verify(!button.isButtonPressed && !button.isButtonEntered)
        verify(!button.activeFocus, "no focus taken when focusOnMouseClick is off")
    }

    function test_basicButtonTouch() {
        var button = create("BasicButton.qml", { width: 40, height: 40 })
        clickSpy.target = button
        var touch = touchEvent(button)
        touch.press(0, button, 10, 10).commit()
        verify(button.isButtonEntered && button.isButtonTouchPressed)
        touch.release(0, button, 10, 10).commit()
        verify(!button.isButtonEntered && !button.isButtonTouchPressed, "no hover look after a touch")
        compare(clickSpy.count, 1)
    }

    function test_tabButton() {
        var tab = create("CNButton.qml", { width: 120, height: 40, strText: "Drivers" })
        var marker = Qt.createQmlObject("import QtQuick 2.15; Rectangle { anchors.fill: parent }", tab)
        compare(tab.strToolTip, "Drivers")
        verify(findChild(tab, "textLabel").z > marker.z, "the label stays above added decorations")
        clickSpy.target = tab
        mouseMove(tab, 10, 10)
        verify(findChild(tab, "recHover").visible)
        mouseClick(tab, 10, 10)
        verify(tab.activeFocus)
        compare(clickSpy.count, 1)
        verify(Qt.colorEqual(tab.color, Theme.strHoverColor))
    }

    // Hover and focus share one look; the latest of them decides it.
    function test_tileLook() {
        var tile = create("CNButton2.qml", { width: 200, height: 50, strDriverName: "ZYM PCI Device Driver" })
        var other = create("CNButton2.qml", { y: 100, width: 200, height: 50 })
        mouseMove(tile, 100, 25)
        verify(Qt.colorEqual(tile.color, Theme.strHoverColor))
        tile.forceActiveFocus()
        verify(Qt.colorEqual(tile.color, Theme.strHoverColor))
        other.forceActiveFocus()
        verify(Qt.colorEqual(tile.color, tile.strTileColor), "focus leaving restores the tile colour")
    }

    function test_busyIndicator_data() {
        return [
            { tag: "install", file: "CustomBusyindicator.qml" },
            { tag: "uninstall", file: "CustomUninstallBusyIndicator.qml" }
        ]
    }

    function test_busyIndicator(data) {
        var holder = createTemporaryQmlObject("import QtQuick 2.15; Item { width: 300; height: 300 }", widgetTest)
        var cover = create(data.file, { parent: holder })
        var indicator = findChild(cover, "busyIndicator")
        var spinner = findChild(cover, "itemSpinner")
        verify(!indicator.visible)
        cover.bRunning = true
        verify(indicator.visible && indicator.running)
        compare([indicator.width, indicator.height], [100, 100])
        var centre = spinner.mapToItem(indicator, 50, 50)
        compare([centre.x, centre.y], [50 + 18, 50 + 18])
        tryCompare(spinner, "opacity", 1, 500)
        var turning = findChild(spinner, "timerTurn")
        tryVerify(function() { return spinner.rotation > 0 }, 1000, "the ring turns")
        compare([spinner.angleAt(0), spinner.angleAt(375), spinner.angleAt(1500), spinner.angleAt(3375)],
                [0, 90, 0, 90], "one turn every 1500 ms, again and again")
        for (var i = 0; i < 8; ++i) {
            var dot = findChild(spinner, "dot" + i)
            compare([dot.width, dot.height, dot.radius], [15, 15, 7])
            verify(Qt.colorEqual(dot.color, Theme.strGreenColor))
        }
        cover.bRunning = false
        verify(!indicator.visible && !turning.running)
    }
}
