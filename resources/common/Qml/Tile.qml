import QtQuick 2.12

// A driver tile of the install and uninstall pages; plain until the tiles land.
Item {
}
