import QtQuick 2.15
import QtQuick.Window 2.15

// The title bar: the maker's logo link, the title, minimise and close. Presses on the title strip
// fall through to the window's drag area beneath.
Rectangle {
    id: recHeader

    readonly property string strHomePageUrl: "https://www.zym.example/"
    property string strTitle
    // Off while an installer is being watched: no leaving then.
    property bool bCloseEnabled: true

    signal closeClicked()
    signal linkRequested(string strUrl)

    color: Theme.strTransparentColor

    SmallIconButton {
        id: logoButton

        objectName: "logoButton"
        anchors.left: parent.left
        width: 80
        height: parent.height
        icon: "qrc:/img/logo.png"
        iconWidth: 48
        iconHeight: 20
        colorOverlay: true
        overlayColor: focusColor
        glowValue: 40
        cursorShape: Qt.PointingHandCursor
        tooltip: recHeader.strHomePageUrl
        Accessible.name: qsTr("logo link")
        Accessible.description: qsTr("Opens logo in browser")
        Accessible.ignored: !visible || opacity === 0
        onButtonClicked: {
            recHeader.linkRequested(recHeader.strHomePageUrl)
            // The browser takes the pointer away, so no leave event will come.
            isButtonEntered = false
            isButtonPressed = false
        }
    }

    Rectangle {
        id: recKaltoText

        objectName: "recKaltoText"
        anchors.left: logoButton.right
        width: recHeader.width - 80 - 40 - 40
        height: recHeader.height
        color: Theme.strBlackColor

        Text {
            id: textTitle

            objectName: "textTitle"
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            text: recHeader.strTitle
            color: Theme.strLightColor
            font.pixelSize: 11
            font.preferShaping: false
            font.letterSpacing: 5
        }
    }

    SmallIconButton {
        id: recAppMinimize

        objectName: "recAppMinimize"
        anchors.right: recAppClose.left
        width: 40
        height: parent.height
        icon: "qrc:/img/minimize.png"
        iconWidth: 48
        iconHeight: 20
        colorOverlay: true
        overlayColor: focusColor
        glowValue: 12
        tooltip: qsTr("Minimize")
        isBtnHover: isButtonEntered
        isBtnKeyHover: activeFocus
        onButtonClicked: Window.window.visibility = Window.Minimized
    }

    SmallIconButton {
        id: recAppClose

        objectName: "recAppClose"
        anchors.right: parent.right
        width: 40
        height: parent.height
        enabled: recHeader.bCloseEnabled
        icon: "qrc:/img/close.png"
        iconWidth: 48
        iconHeight: 20
        colorOverlay: true
        overlayColor: focusColor
        glowValue: 18
        // Dimmed while unavailable; the pointer and a screen reader are told why.
        opacity: enabled ? 1 : 0.4
        tooltip: qsTr("Close")
        isBtnHover: isButtonEntered
        isBtnKeyHover: activeFocus
        Accessible.description: enabled ? "" : mouseAreaCloseUnavailable.strToolTip
        onButtonClicked: recHeader.closeClicked()
    }

    TooltipArea {
        id: mouseAreaCloseUnavailable

        objectName: "mouseAreaCloseUnavailable"
        anchors.fill: recAppClose
        visible: !recAppClose.enabled
        acceptedButtons: Qt.NoButton
        strToolTip: qsTr("Available again when the installer has finished")
    }
}
