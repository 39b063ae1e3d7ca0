import QtQuick 2.12

// The background behind the pages. Until the carousel lands it shows the first image,
// stretched over the window.
Item {
    id: backgroundImages

    Image {
        id: firstImage
        objectName: "firstImage"
        anchors.fill: parent
        asynchronous: true
        source: g_iNumOfImages > 0 ? "file:///" + qtInterface.getImagePath(0) : ""
    }
}
