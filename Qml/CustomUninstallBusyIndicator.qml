import QtQuick 2.15

// The busy cover of an uninstall.
CustomBusyindicator {
    id: recBusyIndicatorForUninstall
}
