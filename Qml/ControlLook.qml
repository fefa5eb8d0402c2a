import QtQuick 2.15

// The look every control shares, laid over it: the fill that answers the pointer and the keyboard,
// which the control draws as fillColor, and the focus mark, a ring just inside its edge that shows
// where the keyboard is whatever the pointer does.
Item {
    id: controlLook

    property color restColor: Theme.strTransparentColor
    property color highlightColor: Theme.strHoverColor
    property bool bFocused: false
    property bool bHovered: false
    // Whether the ring shows; a control whose fill follows other flags than its focus sets it.
    property bool bMarked: bFocused
    // On: the latest of hover and focus decides the fill. Off: either one highlights.
    property bool bLatestDecides: true
    property bool bLatest: false
    readonly property bool bHighlighted: bLatestDecides ? bLatest : (bFocused || bHovered)
    readonly property color fillColor: bHighlighted ? highlightColor : restColor

    onBFocusedChanged: bLatest = bFocused
    onBHoveredChanged: bLatest = bHovered

    anchors.fill: parent
    // Above what a control adds inside it, such as the selected tab's marker.
    z: 2

    Rectangle {
        objectName: "focusMark"
        anchors.fill: parent
        anchors.margins: Theme.iFocusMarkWidth
        color: Theme.strTransparentColor
        border.width: Theme.iFocusMarkWidth
        border.color: Theme.strFocusMarkColor
        visible: controlLook.bMarked
    }
}
