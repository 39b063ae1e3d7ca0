import QtQuick 2.12

// A longer number animation; instant while the window's g_bNoAnimation is set.
QuickNumberAnimation {
    defaultDuration: 500
}
