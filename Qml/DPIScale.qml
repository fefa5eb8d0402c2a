import QtQuick 2.15
import QtQuick.Window 2.15

// Lays its children out in unscaled units and draws them dpi times larger, inside the window's
// margin (8 pixels while the window is maximised).
Item {
    id: dpiScale

    property real dpi: 1
    readonly property int iMargin: Window.window && Window.window.visibility === Window.Maximized ? 8 : 0

    objectName: "dpiScale"
    x: iMargin
    y: iMargin
    width: Window.window ? (Window.window.width - 2 * iMargin) / dpi : 0
    height: Window.window ? (Window.window.height - 2 * iMargin) / dpi : 0
    transform: Scale {
        xScale: dpiScale.dpi
        yScale: dpiScale.dpi
    }
}
