import QtQuick 2.15
import QtQuick.Window 2.15

// The tooltip popup: the text on white in a borderless window sized to it and scaled by windowDPI.
// Of the tooltip kind of popup, so that it stays above the main window and never takes the keyboard
// from it.
Window {
    id: tooltipWindow

    property string tooltip: ""
    property real windowDPI: 1
    // Where the pointer was, in the screen's pixels, when the popup was last shown or hidden.
    property point pointCursor

    // Next to the cursor, turned back inside the available desktop at its right and bottom.
    function place() {
        var tX = pointCursor.x + 8
        var tY = pointCursor.y + 24
        x = tX + width > Screen.desktopAvailableWidth ? tX - width - 10 : tX
        y = tY + height > Screen.desktopAvailableHeight ? Screen.desktopAvailableHeight - height - 5 : tY
    }

    flags: Qt.ToolTip
    title: tooltip
    color: "white"
    visible: false
    width: tooltipRect.width * windowDPI
    height: tooltipRect.height * windowDPI
    onVisibleChanged: {
        place()
        // A window manager may have raised the main window above it since it was last shown.
        if (visible)
            raise()
    }

    DPIScale {
        id: dpiScaleTooltip

        dpi: tooltipWindow.windowDPI

        Rectangle {
            id: tooltipRect

            objectName: "tooltipRect"
            width: textTooltip.width + 8
            height: textTooltip.height + 8
            color: "white"
            Accessible.role: Accessible.ToolTip
            Accessible.name: tooltipWindow.tooltip

            TextMetrics {
                id: textMetricsTooltip

                font: textTooltip.font
                text: tooltipWindow.tooltip
            }

            Text {
                id: textTooltip

                objectName: "textTooltip"
                anchors.centerIn: parent
                // Long texts wrap at 400 pixels; shorter ones keep to one line.
                width: Math.min(Math.ceil(textMetricsTooltip.advanceWidth), 400) + 1
                text: tooltipWindow.tooltip
                color: "black"
                font.pixelSize: 12
                font.preferShaping: false
                wrapMode: Text.WordWrap
                Accessible.ignored: true
            }
        }
    }
}
