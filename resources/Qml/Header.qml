import QtQuick 2.12
import QtQuick.Window 2.2
import "../common/Qml"

// The window's title bar: the maker's logo as a link, the product title, by which the window
// is dragged, and the minimise and close buttons.
Rectangle {
    id: headerBar

    readonly property string strMakerAddress: "https://www.zorva.example/"

    property bool bShowBorder: false
    property alias headerColor: headerBar.color

    color: "transparent"

    CustomButton {
        id: logoButton
        objectName: "logoButton"
        anchors.left: parent.left
        width: 80
        height: parent.height
        icon: "qrc:/img/logo.png"
        iconWidth: 48
        iconHeight: 20
        colorOverlay: true
        overlayColor: strFocusColor
        glowValue: 40
        bgColor: "transparent"
        cursorShape: Qt.PointingHandCursor
        tooltip: strMakerAddress
        onButtonClicked: Qt.openUrlExternally(strMakerAddress)
        //: Screen-reader name of the maker's logo in the title bar, a link to its web site.
        Accessible.name: qsTr("ZorvaLogo")
        //: Screen-reader description of the maker's logo in the title bar.
        Accessible.description: qsTr("Opens the Zorva web site in the default browser")
    }

    Item {
        id: titleArea
        objectName: "titleArea"
        anchors.left: logoButton.right
        anchors.leftMargin: 5
        anchors.right: minimizeButton.left
        height: parent.height

        // Made only where OpenGL draws it; behind the title, which shows either way.
        Loader {
            anchors.fill: titleText
            active: GraphicsInfo.api === GraphicsInfo.OpenGL
            source: "TitleGlow.qml"
        }

        // Letters of a script that joins them (Arabic) are not spaced, which would part them.
        AccessibleText {
            id: titleText
            objectName: "titleText"
            anchors.verticalCenter: parent.verticalCenter
            anchors.left: parent.left
            width: parent.width
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 9
            text: g_strTitleName
            font.pixelSize: 16
            font.letterSpacing: /[\u0600-\u08ff\u1800-\u18af\ufb50-\ufdff\ufe70-\ufeff]/.test(text) ? 0 : 3
        }

        // Moves the window with the cursor; its top edge stops at 90 % of the screen height,
        // and at the top of the available screen area, so that the header, the window's only
        // handle, stays reachable. The cursor comes from the bridge, so nothing moves before
        // the bridge exists.
        MouseArea {
            id: dragArea
            objectName: "dragArea"
            anchors.fill: parent

            property point pressCursor
            property point pressWindow
            property bool bDragging: false

            onPressed: {
                bDragging = typeof qtInterface !== "undefined"
                if (!bDragging)
                    return
                pressCursor = qtInterface.getCursorPos()
                pressWindow = Qt.point(headerBar.Window.window.x, headerBar.Window.window.y)
            }
            onPositionChanged: {
                if (!bDragging)
                    return
                var cursor = qtInterface.getCursorPos()
                var window = headerBar.Window.window
                window.x = pressWindow.x + cursor.x - pressCursor.x
                window.y = pressWindow.y + cursor.y - pressCursor.y
                if (window.y >= 0.9 * g_iScreenHeight)
                    window.y = 0.9 * g_iScreenHeight
                if (window.y < window.getScreenTop())
                    window.y = window.getScreenTop()
            }
            onReleased: bDragging = false
        }
    }

    CustomButton {
        id: minimizeButton
        objectName: "minimizeButton"
        width: 40
        height: parent.height
        anchors.right: closeButton.left
        icon: "qrc:/img/minimize.png"
        iconWidth: 16
        iconHeight: 16
        glowValue: 40
        //: Tooltip of the title bar's button that minimizes the window.
        tooltip: qsTr("Minimize")
        onButtonClicked: headerBar.Window.window.visibility = Window.Minimized
        onButtonEntered: isBtnHover = true
        onButtonExited: isBtnHover = false
        //: Screen-reader name of the title bar's Minimize button: its tooltip.
        Accessible.name: qsTr("minimizeButton")
        //: Screen-reader description of the title bar's Minimize button.
        Accessible.description: qsTr("shrinks installer window to taskbar")
    }

    CustomButton {
        id: closeButton
        objectName: "closeButton"
        width: 40
        height: parent.height
        anchors.right: parent.right
        icon: "qrc:/img/close.png"
        iconWidth: 16
        iconHeight: 16
        glowValue: 40
        //: Tooltip of the title bar's button that closes the window.
        tooltip: qsTr("Close")
        onButtonClicked: mainWindow.closeButtonClicked()
        onButtonEntered: isBtnHover = true
        onButtonExited: isBtnHover = false
        //: Screen-reader name of the title bar's Close button: its tooltip.
        Accessible.name: qsTr("closeButton")
        //: Screen-reader description of the title bar's Close button.
        Accessible.description: qsTr("terminates installer")
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: g_strCancelButtonColor
        visible: bShowBorder
    }
}
