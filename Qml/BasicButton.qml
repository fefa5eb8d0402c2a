import QtQuick 2.15

// Base of the icon buttons: pointer, touch and key handling, the focus ring and the fill that the
// owner switches on with isBtnHover and isBtnKeyHover. A derived button's items go into the visual
// container.
FocusScope {
    id: rootItem

    default property alias content: visualContainer.data
    property string tooltip: ""
    // The title bar tints its icons with it.
    property string focusColor: "#f8ffffff"
    property bool checked: false
    // An ExclusiveGroup of Qt Quick Controls 1, typed loosely so that a button outside any group
    // does not load that whole module.
    property QtObject exclusiveGroup: null
    property bool focusOnMouseClick: true
    property bool isButtonPressed: false
    property bool isButtonEntered: false
    property bool isButtonTouchPressed: false
    readonly property bool isButtonHover: enabled && isButtonEntered && (!isButtonPressed || isButtonTouchPressed)
    property bool isBtnHover: false
    property bool isBtnKeyHover: false
    property alias cursorShape: mouseAreaButton.cursorShape
    property alias propagateComposedMouseEvents: mouseAreaButton.propagateComposedEvents
    property QtObject boundExclusiveGroup: null

    signal buttonClicked()
    signal buttonPressed()
    signal buttonReleased()
    signal buttonEntered()
    signal buttonExited()

    function click() {
        checked = exclusiveGroup ? true : !checked
        buttonClicked()
    }

    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: tooltip
    Accessible.onPressAction: click()
    Keys.onReturnPressed: click()
    Keys.onEnterPressed: click()
    Keys.onSpacePressed: click()
    onExclusiveGroupChanged: {
        if (boundExclusiveGroup)
            boundExclusiveGroup.unbindCheckable(rootItem)
        if (exclusiveGroup)
            exclusiveGroup.bindCheckable(rootItem)
        boundExclusiveGroup = exclusiveGroup
    }

    Rectangle {
        id: recFocusHover

        objectName: "recFocusHover"
        anchors.fill: parent
        color: lookButton.fillColor
    }

    // A tap also reaches the pointer area as a click; this area only keeps a button that was
    // touched once from staying in the hover look.
    MultiPointTouchArea {
        id: touchArea

        objectName: "touchArea"
        anchors.fill: parent
        mouseEnabled: false
        maximumTouchPoints: 1
        onPressed: {
            rootItem.isButtonEntered = true
            rootItem.isButtonTouchPressed = true
        }
        onReleased: {
            rootItem.isButtonEntered = false
            rootItem.isButtonTouchPressed = false
        }

        Item {
            id: visualContainer

            objectName: "visualContainer"
            anchors.fill: parent
        }

        ControlLook {
            id: lookButton

            bFocused: rootItem.isBtnKeyHover
            bHovered: rootItem.isBtnHover
            bMarked: rootItem.activeFocus
            bLatestDecides: false
        }

        TooltipArea {
            id: mouseAreaButton

            objectName: "mouseAreaButton"
            anchors.fill: parent
            hoverEnabled: rootItem.enabled
            strToolTip: rootItem.tooltip
            onClicked: function(mouse) {
                if (rootItem.focusOnMouseClick)
                    rootItem.forceActiveFocus()
                rootItem.click()
                mouse.accepted = !propagateComposedEvents
            }
            onPressed: {
                rootItem.isButtonPressed = true
                rootItem.buttonPressed()
            }
            onReleased: {
                rootItem.isButtonPressed = false
                rootItem.isButtonEntered = false
                rootItem.buttonReleased()
            }
            onEntered: {
                rootItem.isButtonEntered = !rootItem.isButtonPressed
                rootItem.buttonEntered()
            }
            onExited: {
                rootItem.isButtonEntered = false
                rootItem.buttonExited()
            }
        }
    }
}
