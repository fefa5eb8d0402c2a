import QtQuick 2.15

// A bottom bar button: green while focused or hovered, whichever happened last, and ringed while
// it has the keyboard.
Rectangle {
    id: recFooterButton

    property string strText
    property string strToolTip
    property bool bShowLabel: true
    // Why the bar offers this button now (how the run ended, why nothing is offered): a reader
    // says it with the button.
    property string strReason
    // Presses sooner than this after the button appears do nothing: typed ahead, they cannot be
    // a decision about what it says.
    property int iSettleMs: 0

    // The key that pressed it last; 0 for the pointer or a screen reader.
    property int iClickKey: 0

    signal buttonClicked()

    // Qt hands keys to a hidden item that keeps the focus: a hidden or disabled button never acts.
    function click(iKey) {
        if (!visible || !enabled || timerSettle.running)
            return
        iClickKey = iKey || 0
        buttonClicked()
    }

    // From when it appears, made shown or shown again.
    function settle() {
        if (visible && iSettleMs > 0)
            timerSettle.restart()
    }

    // A key held down repeats nothing here: each action takes a press of its own.
    function keyClick(event) {
        if (!event.isAutoRepeat)
            click(event.key)
    }

    color: lookFooterButton.fillColor
    border.width: 2
    border.color: Theme.strBlackColor
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: strText
    Accessible.description: strReason ? strReason + "\n" + strToolTip : strToolTip
    Accessible.ignored: !visible || opacity === 0
    Accessible.onPressAction: click()
    Keys.onReturnPressed: function(event) { keyClick(event) }
    Keys.onEnterPressed: function(event) { keyClick(event) }
    Keys.onSpacePressed: function(event) { keyClick(event) }
    onVisibleChanged: settle()
    Component.onCompleted: settle()

    Timer {
        id: timerSettle

        objectName: "timerSettle"
        interval: recFooterButton.iSettleMs
    }

    Text {
        id: textFooterButton

        objectName: recFooterButton.objectName + "Text"
        anchors.centerIn: parent
        visible: recFooterButton.bShowLabel
        text: recFooterButton.strText
        color: Theme.strTxtColor
        font.pixelSize: Theme.iLabelSize
        font.preferShaping: false
        font.bold: true
    }

    ControlLook {
        id: lookFooterButton

        restColor: Theme.strBlackColor
        highlightColor: Theme.strGreenColor
        bFocused: recFooterButton.activeFocus
        bHovered: mouseAreaFooterButton.containsMouse
    }

    TooltipArea {
        id: mouseAreaFooterButton

        anchors.fill: parent
        strToolTip: recFooterButton.strToolTip
        onClicked: recFooterButton.click()
    }
}
