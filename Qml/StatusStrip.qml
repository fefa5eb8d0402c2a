import QtQuick 2.15

// The black strip that tells how the run stands; it grows from nothing when shown.
Rectangle {
    id: recProgressBar

    property alias strText: textProgress.text
    property bool bShown: false
    property int iShownHeight: 0
    // It holds the keyboard while an installer runs: there is nothing to press then, and a screen
    // reader reads how the run stands.
    property bool bFocusable: false

    height: bShown ? iShownHeight : 0
    visible: bShown || height !== 0
    // Out of the Tab chain again once the keyboard has moved on.
    activeFocusOnTab: bFocusable || activeFocus
    // While the strip grows, its label must not spill over the page and the footer.
    clip: true
    color: Theme.strBlackColor
    Accessible.role: Accessible.StatusBar
    // Named by what it says, so that a reader on it hears each change.
    Accessible.name: textProgress.text
    Accessible.description: mouseAreaProgressBar.strToolTip

    Behavior on height {
        NumberAnimation { duration: Theme.iBarChangeMs; easing.type: Easing.Linear }
    }

    Text {
        id: textProgress

        objectName: "textProgress"
        anchors.centerIn: parent
        // A text longer than the strip, as some languages word an outcome, takes two lines.
        width: Math.min(implicitWidth, parent.width - 10)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: Theme.strTxtColor
        font.pixelSize: Theme.iLabelSize
        font.preferShaping: false
        font.bold: true
        Accessible.ignored: true
    }

    ControlLook {
        bFocused: recProgressBar.activeFocus
    }

    TooltipArea {
        id: mouseAreaProgressBar

        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        strToolTip: qsTr("Status of Installation")
    }
}
