import QtQuick 2.12

// The licence agreement page; plain until it lands.
Rectangle {
    color: g_strFooterColor
}
