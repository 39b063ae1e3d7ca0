import QtQuick 2.12

// A short number animation; instant while the window's g_bNoAnimation is set.
NumberAnimation {
    property int defaultDuration: 200

    duration: g_bNoAnimation ? 0 : defaultDuration
    easing.type: Easing.InOutCubic
}
