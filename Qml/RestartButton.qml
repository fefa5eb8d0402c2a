import QtQuick 2.15

// The restart offer that ends an install or a removal; its owner restarts the machine.
FooterButton {
    strText: qsTr("Restart Now")
    strToolTip: qsTr("Exits installer and Restarts the system")
}
