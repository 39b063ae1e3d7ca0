import QtQuick 2.12
import QtQuick.Templates 2.5 as T
import QtQuick.Window 2.2
import "../common/Qml"

// The licence agreements of the package as one scrolling text, and Done, which goes back to
// the install page as it was left. The page keeps its scroll position while hidden.
Rectangle {
    id: eulaPage

    signal doneClicked()

    readonly property Item defaultButton: doneButton
    // Where the focus was on the install page; Done gives it back.
    property Item focusBefore: null

    function open() {
        focusBefore = eulaPage.Window.activeFocusItem
        eula.visible = true
        install.visible = false
        header.bShowBorder = true
        header.headerColor = g_strFooterColor
        doneButton.forceActiveFocus()
    }

    function scrollByKey(key) {
        return keyScroll.scroll(key)
    }

    color: g_strFooterColor

    onDoneClicked: {
        eula.visible = false
        install.visible = true
        header.bShowBorder = false
        header.headerColor = g_strTransparentColor
        if (focusBefore)
            focusBefore.forceActiveFocus()
        focusBefore = null
    }

    KeyScroll {
        id: keyScroll
        flickable: flickable
    }

    Rectangle {
        id: recEula
        objectName: "recEula"
        width: parent.width
        height: parent.height - recFooter.height
        color: g_strFooterColor

        Flickable {
            id: flickable
            objectName: "flickable"
            anchors.fill: parent
            contentWidth: recEula.width
            // As much room below the text as above it, so that its last line shows whole.
            contentHeight: 2 * agreements.y + agreements.height
            flickableDirection: Flickable.VerticalFlick
            boundsBehavior: Flickable.StopAtBounds
            clip: true

            T.ScrollBar.vertical: SlimScrollBar {
                id: scrollBar
                objectName: "scrollBar"
                active: true
                hoverEnabled: true

                background: Item {
                    implicitWidth: 16

                    Rectangle {
                        width: 1
                        height: parent.height
                        color: g_strCancelButtonColor
                    }
                }

                contentItem: Rectangle {
                    implicitWidth: 16
                    implicitHeight: 111
                    color: g_strCancelButtonColor
                }
            }

            // The agreements' many texts are laid out the first time the page shows, not
            // while the program starts, and kept from then on.
            Loader {
                id: agreements
                objectName: "agreements"
                y: 32
                width: flickable.width
                active: eulaPage.visible || status === Loader.Ready

                sourceComponent: Column {
                    id: colEula
                    objectName: "colEula"
                    spacing: 10

                    // The agreements are given in English alone, in every language of the
                    // pages; the English text is the one that binds.
                    AccessibleText {
                        objectName: "englishOnlyNotice"
                        anchors.left: parent.left
                        anchors.leftMargin: 30
                        width: parent.width - 60
                        bottomPadding: 10
                        visible: Qt.uiLanguage !== ""
                        wrapMode: Text.WordWrap
                        font.pixelSize: 14
                        //: Above the licence agreements, which are shown in English in every
                        //: language of the installer.
                        text: qsTr("These license agreements are available in English only. Their English text is the legally binding version.")
                    }

                    ChipsetDriverAgreement {
                        objectName: "chipsetAgreement"
                        width: parent.width
                    }

                    Rectangle {
                        objectName: "agreementSeparator"
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: parent.width - 60
                        height: 1
                        color: "#7f7f7f"
                        border.width: 1
                        border.color: "#7f7f7f"
                    }

                    RaidDriverAgreement {
                        objectName: "raidAgreement"
                        width: parent.width
                    }
                }
            }
        }
    }

    Rectangle {
        id: recFooter
        objectName: "recFooter"
        anchors.bottom: parent.bottom
        width: parent.width
        height: 75
        color: "#282828"

        Rectangle {
            width: parent.width
            height: 3
            color: g_strFooterBorderColor
        }

        SquareButton {
            id: doneButton
            objectName: "doneButton"
            anchors.centerIn: parent
            strButtonColor: g_strGreenColor
            //: Button: leaves the licence page for the install page.
            strButtonText: qsTr("Done")
            strToolTip: strButtonText
            onButtonClicked: eulaPage.doneClicked()
            //: Screen-reader name of the licence page's Done button: its caption.
            Accessible.name: qsTr("EulaAccepted ")
            //: Screen-reader description of the licence page's Done button.
            Accessible.description: qsTr("EULA is accepted")
        }
    }
}
