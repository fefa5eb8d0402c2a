import QtQuick 2.15
import QtQuick.Window 2.15

// The installer's one window: it composes the title bar, the body and the tooltip. The body's
// install page owns the flow and reads the screen for the window's size rules.
Window {
    id: registerWindow

    // At most `wanted` units, and no more than draw within `available` units of the screen. Qt rounds
    // the screen's pixels to whole units: at 150% a 1024 pixel screen says 683, which draws 1025.
    function fitted(wanted, available) {
        var pixels = Math.ceil((available - 0.5) * Screen.devicePixelRatio)
        return Math.min(wanted, Math.ceil((pixels + 0.5) / Screen.devicePixelRatio) - 1)
    }

    objectName: "registerWindow"
    title: qsTr("CHIPSET DRIVER INSTALLER")
    // Never past the screen's available area, which a large scale can make smaller than the rules
    // ask for: the page then lays out in the width it gets, as every part follows the window's.
    width: fitted(recInstall.appWidth, recInstall.screenWidth)
    height: fitted(recInstall.appHeight, recInstall.screenHeight)
    visible: true
    flags: Qt.FramelessWindowHint | Qt.Window
    color: Theme.strTransparentColor
    // A close request from outside the window (its manager, Alt+F4): the window stays, and the
    // install page quits when the run allows it.
    onClosing: function(close) {
        close.accepted = false
        recInstall.leave()
    }

    Rectangle {
        id: recMainHeader

        objectName: "recMainHeader"
        // Over the page, as a window's header is.
        z: 1
        width: registerWindow.width
        height: recInstall.g_ititlebar_size
        color: Theme.strBlackColor
        Accessible.role: Accessible.ToolBar
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
                if (newY >= 0.9 * recInstall.screenHeight)
                    return
                if (newY <= 0)
                    registerWindow.y = 0
                else if (registerWindow.y <= 0.9 * recInstall.screenHeight)
                    registerWindow.y = newY
            }
        }

        Header {
            id: recTitleBar

            objectName: "recTitleBar"
            anchors.fill: parent
            strTitle: registerWindow.title
            bCloseEnabled: recInstall.bMayLeave
            onCloseClicked: recInstall.leave()
            onLinkRequested: function(strUrl) { recInstall.openLink(strUrl) }
        }
    }

    Install {
        id: recInstall

        objectName: "recInstall"
        y: recMainHeader.height
        width: parent.width
        height: parent.height - y
        color: Theme.strTranslucentColor
    }

    // The tooltip window, made when a control first asks for it.
    Loader {
        id: loaderToolTip

        function show(strText) {
            if (!item)
                setSource("Tooltip.qml", { objectName: "baseToolTip", transientParent: registerWindow,
                                           windowDPI: recInstall.mainWindowDPI })
            item.tooltip = strText
            bttTimer.restart()
        }

        function hide() {
            bttTimer.stop()
            if (item)
                setVisible(false)
        }

        function setVisible(bVisible) {
            item.pointCursor = recInstall.cursorPosition()
            item.visible = bVisible
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
            onTriggered: loaderToolTip.setVisible(true)
        }
    }
}
