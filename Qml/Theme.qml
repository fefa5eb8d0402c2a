pragma Singleton
import QtQuick 2.15

// The scene's shared look: its colours (eight hexadecimal digits carry the alpha first) and the
// sizes that more than one part uses.
QtObject {
    readonly property string strLightColor: "#f8ffffff"
    readonly property string strBlackColor: "#000000"
    readonly property string strTxtColor: "#ffffff"
    readonly property string strTransparentColor: "transparent"
    readonly property string strGreenColor: "#228B22"
    readonly property string strRedColor: "#cc0000"
    readonly property string strTranslucentColor: "#BB0A0A0A"
    readonly property string strHoverColor: "#696969"
    readonly property string strTileColor: "#BB696969"
    // The ring that shows which control has the keyboard.
    readonly property string strFocusMarkColor: "#ffffff"
    readonly property int iFocusMarkWidth: 2
    // A scroll bar's handle, and while it is held.
    readonly property string strScrollHandleColor: "#bdbdbd"
    readonly property string strScrollHandlePressedColor: "#353637"

    readonly property int iLabelSize: 12
    readonly property int iSmallLabelSize: 11
    readonly property int iTileLabelSize: 10
    // How long the page, the tab row and the status strip take to fade or grow.
    readonly property int iPageFadeMs: 600
    readonly property int iBarChangeMs: 800
}
