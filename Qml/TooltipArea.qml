import QtQuick 2.15

// A pointer area that asks for its tooltip while the pointer is over it.
MouseArea {
    id: tooltipArea

    property string strToolTip

    hoverEnabled: true
    onEntered: TooltipService.showRequested(tooltipArea.strToolTip)
    onExited: TooltipService.hideRequested()
    onCanceled: TooltipService.hideRequested()
}
