import QtQuick 2.12
import "../common/Qml"

// The result panel at the end of an install or uninstall run: what happened, a link to the
// run's log, and a footer that ends the program (or restarts Windows when the run asks).
Rectangle {
    id: resultPanel

    // The button that Enter presses and that takes the focus when the panel opens.
    readonly property Item defaultButton: g_bErrorOccured
                                          ? closeFailure
                                          : (g_bInstall && g_bIsRestartRequired ? closeSuccess
                                                                                    : closeOrFinish)

    color: "transparent"

    AccessibleText {
        id: mainMessage
        objectName: "mainMessage"
        y: 200
        anchors.horizontalCenter: parent.horizontalCenter
        // A long message on a narrow window shrinks rather than losing its ends.
        width: parent.width - 10
        horizontalAlignment: Text.AlignHCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 20
        font.pixelSize: 28
        font.family: fontKlavikaMedium.name
        text: g_bInstall ? (g_bErrorOccured ? qsTr("Zorva Chipset Software installation failed.")
                                            : qsTr("Zorva Chipset Software installed successfully."))
                         : (g_bErrorOccured
                            ? qsTr("The selected Zorva Chipset Software have not been uninstalled.")
                            : qsTr("The selected Zorva Chipset Software have been uninstalled."))
    }

    Item {
        objectName: "logBox"
        // Clear of the footer on the lower window too.
        y: Math.min(343, resultFooter.y - height - 10)
        width: 210
        height: 30
        anchors.horizontalCenter: parent.horizontalCenter

        Row {
            anchors.centerIn: parent

            AccessibleText {
                text: qsTr("Click to ")
                font.pixelSize: 16
            }

            AccessibleText {
                id: logLink
                objectName: "logLink"
                text: g_bInstall ? qsTr("View Installation Log.") : qsTr("View Uninstallation Log.")
                font.pixelSize: 16
                font.underline: true

                Accessible.role: Accessible.Link
                Accessible.name: g_bInstall ? "ViewInstallationLog" : "ViewUninstallationLog"
                Accessible.description: g_bInstall ? "Will open Installation log file"
                                                   : "Will open Uninstallation log file"
                // A hidden link takes no press, from a screen reader as from the pointer.
                Accessible.onPressAction: if (enabled && visible) qtInterface.launchLogFile()
                activeFocusOnTab: true
                Keys.onPressed: {
                    if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                            || event.key === Qt.Key_Space) {
                        event.accepted = true
                        qtInterface.launchLogFile()
                    }
                }

                FocusFrame {}

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: qtInterface.launchLogFile()
                }
            }
        }
    }

    Rectangle {
        id: resultFooter
        objectName: "resultFooter"
        anchors.bottom: parent.bottom
        width: parent.width
        height: g_iFooterHeight
        color: g_strFooterColor

        readonly property string strMessage: g_bInstall
            ? (g_bErrorOccured ? qsTr("Zorva Chipset Software installation failed.")
                               : qsTr("Zorva Chipset Software installed successfully."))
            : (g_bErrorOccured ? qsTr("The selected Zorva Chipset Software uninstallation failed.")
                               : qsTr("Zorva Chipset Software have been successfully uninstalled."))

        Rectangle {
            width: parent.width
            height: 2
            color: g_strFooterBorderColor
        }

        Item {
            id: failureFooter
            objectName: "failureFooter"
            anchors.fill: parent
            visible: g_bErrorOccured

            Image {
                id: failureIcon
                objectName: "failureIcon"
                x: 20
                y: 29
                source: "qrc:/img/icon_16_failure.png"
            }

            AccessibleText {
                objectName: "failureMessage"
                x: failureIcon.x + 30
                anchors.verticalCenter: parent.verticalCenter
                text: resultFooter.strMessage
                font.pixelSize: 16
            }

            SquareButton {
                id: closeFailure
                objectName: "closeMessageWindowFailure"
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                strButtonColor: g_strCancelButtonColor
                strButtonText: qsTr("Close")
                onButtonClicked: Qt.quit()
                Accessible.name: "CloseMessageWindowFailure"
                Accessible.description: "Terminate Installer Window on failure"
            }
        }

        Item {
            id: restartFooter
            objectName: "restartFooter"
            anchors.fill: parent
            visible: !g_bErrorOccured && g_bInstall && g_bIsRestartRequired

            SquareButton {
                id: closeSuccess
                objectName: "closeMessageWindowSuccess"
                anchors.left: parent.left
                anchors.leftMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                strButtonColor: g_strCancelButtonColor
                strButtonText: qsTr("Close")
                onButtonClicked: Qt.quit()
                Accessible.name: "CloseMessageWindowSuccess"
                Accessible.description: "Terminate Installer Window on success"
            }

            AccessibleText {
                anchors.centerIn: parent
                text: resultFooter.strMessage
                font.pixelSize: 16
            }

            SquareButton {
                objectName: "systemRestart"
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                strButtonColor: g_strGreenColor
                strButtonText: qsTr("Restart")
                onButtonClicked: qtInterface.restartSystem()
                Accessible.name: "SystemRestart"
                Accessible.description: "Installation completed, Restart system"
            }
        }

        Item {
            id: successFooter
            objectName: "successFooter"
            anchors.fill: parent
            visible: !g_bErrorOccured && !(g_bInstall && g_bIsRestartRequired)

            AccessibleText {
                x: 20
                anchors.verticalCenter: parent.verticalCenter
                text: resultFooter.strMessage
                font.pixelSize: 16
            }

            SquareButton {
                id: closeOrFinish
                objectName: g_bInstall ? "closeInstallationWindow" : "finishUninstallation"
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                strButtonColor: g_strGreenColor
                strButtonText: g_bInstall ? qsTr("Close") : qsTr("Finish")
                onButtonClicked: Qt.quit()
                Accessible.name: g_bInstall ? "CloseInstallationWindow" : "Finish Uninstallation"
                Accessible.description: g_bInstall
                                        ? "Installation completed, Close Installation window"
                                        : "Terminates the installer window"
            }
        }
    }
}
