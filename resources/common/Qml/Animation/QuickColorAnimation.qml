import QtQuick 2.12

// A short colour animation; instant while the window's g_bNoAnimation is set.
ColorAnimation {
    property int defaultDuration: 200

    duration: g_bNoAnimation ? 0 : defaultDuration
    easing.type: Easing.InOutCubic
}
