pragma Singleton
import QtQuick 2.15

// How a control asks for the window's one tooltip; the window owns the popup and its delay.
QtObject {
    signal showRequested(string strText)
    signal hideRequested()
}
