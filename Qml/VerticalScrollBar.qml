import QtQuick 2.15

// A vertical scroll bar over the right edge of the Flickable it is declared in, drawn and dragged
// as the stock Qt Quick Controls bar is, in plain Qt Quick: the licence page then loads no
// controls library before its first frame. Shown only while there is something to scroll, so
// neither the eye nor a screen reader meets a bar that does nothing.
Item {
    id: scrollBar

    // The Flickable it scrolls; the bar is its child, over its content, so a wheel over the bar
    // still scrolls it.
    required property Flickable oView
    readonly property bool bNeeded: oView.contentHeight > oView.height
    readonly property bool bPressed: mouseArea.pressed
    // The share of the content in view and how far down the view is, both 0 to 1.
    readonly property real rSize: oView.visibleArea.heightRatio
    readonly property real rPosition: oView.visibleArea.yPosition
    // The handle never shrinks below the bar's width.
    readonly property real rMinimumSize: width / Math.max(1, height)
    readonly property real rTrackHeight: height - 4
    // Where a press grabbed the handle, in parts of the track; -1 while nothing is held.
    property real rOffset: -1

    // The bar's own position (0 to 1, handle top) at a point of the bar, as the content's share.
    function positionAt(rY) {
        var rLogical = (rY - 2) / rTrackHeight
        if (rMinimumSize > rSize)
            rLogical = rLogical * (1 - rSize) / (1 - rMinimumSize)
        return rLogical
    }

    function moveTo(rY) {
        var rPos = Math.max(0, Math.min(1 - rSize, positionAt(rY) - rOffset))
        oView.contentY = rPos * oView.contentHeight
    }

    parent: oView
    x: oView.width - width
    width: 10
    height: oView.height
    visible: bNeeded
    Accessible.role: Accessible.ScrollBar

    Rectangle {
        id: handle

        // Long content: the handle keeps its minimum length and moves over what remains.
        readonly property real rVisualPosition: scrollBar.rMinimumSize > scrollBar.rSize
                                                ? scrollBar.rPosition / (1 - scrollBar.rSize) * (1 - scrollBar.rMinimumSize)
                                                : scrollBar.rPosition
        readonly property real rVisualSize: Math.max(0, Math.min(Math.max(scrollBar.rSize, scrollBar.rMinimumSize)
                                                                 + Math.min(0, rVisualPosition), 1 - rVisualPosition))

        x: 2
        y: 2 + Math.max(0, Math.min(rVisualPosition, 1 - rVisualSize)) * scrollBar.rTrackHeight
        width: 6
        height: scrollBar.rTrackHeight * rVisualSize
        radius: width / 2
        color: scrollBar.bPressed ? Theme.strScrollHandlePressedColor : Theme.strScrollHandleColor
        opacity: 0.75
    }

    // A press on the handle holds it where it was taken; a press beside it centres it there.
    MouseArea {
        id: mouseArea

        anchors.fill: parent
        preventStealing: true
        onPressed: function(mouse) {
            var rGrab = scrollBar.positionAt(mouse.y) - scrollBar.rPosition
            var rHeld = scrollBar.rMinimumSize > scrollBar.rSize
                        ? scrollBar.rMinimumSize * (1 - scrollBar.rSize) / (1 - scrollBar.rMinimumSize)
                        : scrollBar.rSize
            scrollBar.rOffset = rGrab < 0 || rGrab > rHeld ? rHeld / 2 : rGrab
            scrollBar.moveTo(mouse.y)
        }
        onPositionChanged: function(mouse) {
            scrollBar.moveTo(mouse.y)
        }
    }
}
