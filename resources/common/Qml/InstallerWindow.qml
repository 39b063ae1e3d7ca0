import QtQuick 2.12
import QtQuick.Window 2.2
import CNQml 1.0

// What the loading page and the main window share: the window size by the screen size, the
// colours and flags that pages and controls read by name, and a fixed-size frameless window
// centred on the available screen area, mirrored in a right-to-left language. Each page binds
// the screen size and the title.
ApplicationWindow {
    property int g_iScreenWidth: 0
    property int g_iScreenHeight: 0
    // A narrow screen gets 800, wider than the middle band's 770.
    property int g_iAppWidth: g_iScreenWidth > 1400 ? 795 : (g_iScreenWidth < 801 ? 800 : 770)
    property int g_iAppHeight: g_iScreenHeight > 1000 ? 520 : 470
    property int g_iFooterHeight: 75
    property bool g_bNoAnimation: false
    property string g_strTitleName: ""
    //: The product's name, in the window's title and the quit confirmation. %1 is the title,
    //: "Chipset Software Installer" or "Software Installer"; Zorva is the maker.
    readonly property string g_strProductName: qsTr("Zorva %1").arg(g_strTitleName)
    property double mainWindowDPI: dpi
    property bool g_bShowFocus: keyboardUsed

    property string g_strFocusColor: "#f8ffffff"
    property string g_strTransparentColor: "transparent"
    property string g_strGreenColor: "#158717"
    property string g_strTextColor: "#FFFFFF"
    property string g_strFooterColor: "#202020"
    property string g_strFooterBorderColor: "#303030"
    property string g_strCancelButtonColor: "#404040"
    property string g_strCancelWindowColor: "#4c4c4c"
    property string g_strHoverColor: "#40ffffff"

    title: g_strProductName
    width: g_iAppWidth
    height: g_iAppHeight
    minimumWidth: g_iAppWidth
    maximumWidth: g_iAppWidth
    minimumHeight: g_iAppHeight
    maximumHeight: g_iAppHeight
    x: (g_iScreenWidth - width) / 2
    y: (g_iScreenHeight - height) / 2
    visible: false
    color: "#6b7062"
    flags: Qt.FramelessWindowHint | Qt.Window

    // In a right-to-left language the whole window is mirrored.
    LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft
    LayoutMirroring.childrenInherit: true
}
