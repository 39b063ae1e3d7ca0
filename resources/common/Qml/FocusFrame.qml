import QtQuick 2.12

// The frame around the control that holds the keyboard focus, in the window's focus colour;
// shown only while the keyboard is used, so that a pointer click draws none.
Rectangle {
    property int iOutset: 2

    anchors.fill: parent
    anchors.margins: -iOutset
    radius: 3
    color: "transparent"
    border.width: 1
    border.color: g_strFocusColor
    visible: parent.activeFocus && g_bShowFocus
}
