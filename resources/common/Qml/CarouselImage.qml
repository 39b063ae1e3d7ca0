import QtQuick 2.12

// One image of the carousel, stretched over it, with its caption strip (title and description)
// while a run is under way. During a run a click opens the image's web address.
Image {
    id: carouselImage

    property int iImage: 0
    property string strLink: ""
    property string strGradientTopColor: ""
    property string strGradientBottomColor: ""
    property string strDescriptionColor: ""

    // The feed is remote input and the program runs with administrator rights: only a web
    // address is opened, never a file, a program or a script.
    function openLink() {
        if (bInstallClicked && /^https?:\/\/\S+$/i.test(strLink))
            Qt.openUrlExternally(strLink)
    }

    source: "file:///" + qtInterface.getImagePath(iImage)
    asynchronous: true

    Behavior on x {
        NumberAnimation {
            duration: 2000
        }
    }

    // The caption strip is made when a run starts and goes when it ends. It is 55 pixels high,
    // or higher where its texts need more lines.
    Loader {
        id: caption
        objectName: "caption"
        anchors.bottom: parent.bottom
        width: parent.width
        height: item ? item.implicitHeight : 55
        active: bRunSlideShow
        visible: active

        sourceComponent: Rectangle {
            implicitHeight: Math.max(55, captionTitle.height + captionDescription.height + 14)
            gradient: Gradient {
                GradientStop { position: 0.0; color: strGradientTopColor }
                GradientStop { position: 1.0; color: strGradientBottomColor }
            }

            AccessibleText {
                id: captionTitle
                objectName: "captionTitle"
                anchors.bottom: captionDescription.top
                anchors.bottomMargin: 4
                anchors.left: parent.left
                anchors.leftMargin: 15
                width: parent.width * 0.95
                text: qtInterface.getImageTitle(iImage)
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignJustify
                font.pixelSize: 14
                font.bold: true
                font.family: fontKlavikaMedium.name
            }

            AccessibleText {
                id: captionDescription
                objectName: "captionDescription"
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 6
                anchors.left: parent.left
                anchors.leftMargin: 15
                width: parent.width * 0.95
                text: qtInterface.getImageDescription(iImage)
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignJustify
                color: strDescriptionColor
                font.pixelSize: 12
            }
        }
    }

    MouseArea {
        id: linkArea
        objectName: "linkArea"
        anchors.fill: parent
        cursorShape: bInstallClicked ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: openLink()

        Accessible.role: Accessible.Button
        //: Screen-reader name of the promotional image, which opens its web page during a run.
        Accessible.name: qsTr("OpenZorvaWebsite")
        //: Screen-reader description of the promotional image.
        Accessible.description: qsTr("Will open the Zorva website on click")
        Accessible.onPressAction: openLink()
    }
}
