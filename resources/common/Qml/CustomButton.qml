import QtQuick 2.12

// Plain until its page is built.
Item {
}
