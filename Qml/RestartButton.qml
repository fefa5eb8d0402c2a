import QtQuick 2.15

// The restart offer that ends an install or a removal; its owner restarts the machine.
FooterButton {
    strText: qsTr("Restart Now")
    strToolTip: qsTr("Exits installer and Restarts the system")
    // It ends the user's session at once: a key typed ahead while the installer ran, or as its
    // outcome appeared, must not land here.
    iSettleMs: 1000
}
