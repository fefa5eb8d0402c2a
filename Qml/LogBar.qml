import QtQuick 2.15

// The underlined bar that opens the installation log; the window stays open.
Rectangle {
    id: recViewLog

    property bool bShown: false
    property int iShownHeight: 0

    signal activated()

    // Never from a hidden bar that kept the focus.
    function activate() {
        if (visible && enabled)
            activated()
    }

    height: bShown ? iShownHeight : 0
    color: Theme.strBlackColor
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: textViewLog.text
    Accessible.onPressAction: activate()
    Keys.onReturnPressed: activate()
    Keys.onEnterPressed: activate()
    Keys.onSpacePressed: activate()

    Behavior on height {
        NumberAnimation { duration: Theme.iBarChangeMs; easing.type: Easing.Linear }
    }

    Text {
        id: textViewLog

        objectName: "textViewLog"
        anchors.centerIn: parent
        text: qsTr("View Installation Log")
        color: Theme.strTxtColor
        font.pixelSize: Theme.iLabelSize
        font.preferShaping: false
        font.bold: true
        font.underline: true
    }

    ControlLook {
        bFocused: recViewLog.activeFocus
    }

    TooltipArea {
        id: mouseAreaViewLog

        objectName: "mouseAreaViewLog"
        anchors.fill: parent
        strToolTip: qsTr("View Installation Log")
        onClicked: recViewLog.activate()
    }
}
