import QtQuick 2.12

// The promotional carousel behind the pages: the feed's images side by side, of which the
// first is in view. While a run is under way it slides to the next image every 6 seconds and
// shows each image's caption.
Rectangle {
    id: recMainBck

    property string strTranslucentWhiteColor: "#00000000"
    property string strTranslucentBlackColor: "#EE000000"
    property string strTextColor: "#C0C0C0"

    width: parent.width
    height: parent.height - 75
    anchors.top: parent.top
    color: g_strTransparentColor

    ListModel {
        id: listModelImages
        objectName: "listModelImages"

        Component.onCompleted: {
            for (var i = 0; i < g_iNumOfImages; ++i)
                append({"hyperlink": qtInterface.getImageLink(i)})
        }
    }

    Row {
        id: rowImages
        objectName: "rowImages"
        width: recMainBck.width
        height: recMainBck.height

        Repeater {
            id: repeaterImages
            model: listModelImages

            CarouselImage {
                iImage: index
                strLink: hyperlink
                width: recMainBck.width
                height: recMainBck.height
                strGradientTopColor: strTranslucentWhiteColor
                strGradientBottomColor: strTranslucentBlackColor
                strDescriptionColor: strTextColor
            }
        }
    }

    // Each tick slides every image one width to the left. An image that was already out of view
    // on the left (it left on the tick before) goes behind the others instead, hidden while it
    // travels: N − 2 widths to the right, from where it slides back into view N − 2 ticks later.
    // So the images come into view in turn, one at each tick. (The row lays out its visible
    // images again when one hides or shows; the moves started here carry each image on to where
    // this tick puts it.) In a mirrored window the row runs from the right, and so does all of
    // this, the other way round.
    Timer {
        id: slideTimer
        objectName: "slideTimer"
        interval: 6000
        repeat: true
        running: bRunSlideShow
        onTriggered: {
            // With fewer than three images the rule would slide the last one out of view and
            // leave the carousel empty: one or two images stay where they are.
            if (g_iNumOfImages < 3)
                return
            var dWidth = recMainBck.width
            var iAhead = rowImages.LayoutMirroring.enabled ? -1 : 1
            for (var j = 0; j < g_iNumOfImages; ++j) {
                var image = repeaterImages.itemAt(j)
                var dWasX = image.x
                image.x = dWasX - iAhead * dWidth
                if (iAhead * dWasX <= -dWidth) {
                    image.x = iAhead * dWidth * (g_iNumOfImages - 2)
                    image.visible = false
                } else {
                    image.visible = true
                }
            }
        }
    }
}
