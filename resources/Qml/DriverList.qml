import QtQuick 2.12
import QtQuick.Templates 2.5 as T
import QtQuick.Layouts 1.12
import "../common/Qml"

// The offered drivers as tiles in a scrolling grid, one column for one driver and two for
// more, all selected at first. A tile press toggles the driver: the engine's row and the
// window's button states follow.
Rectangle {
    id: driverList

    // How many drivers the list offers, by position.
    property int iDrivers: 0
    // Shows only the tiles of drivers that may be removed on their own; a hidden tile takes
    // no cell, yet its driver keeps its selection.
    property bool bUninstallableOnly: false

    function scrollByKey(key) {
        return keyScroll.scroll(key)
    }

    // A version as the locale writes its digits (Arabic-Indic ones in Arabic).
    function localeVersion(strVersion) {
        var iZero = Qt.locale().zeroDigit.charCodeAt(0)
        return strVersion.replace(/[0-9]/g, function (strDigit) {
            return String.fromCharCode(iZero + Number(strDigit))
        })
    }

    color: g_strTransparentColor
    activeFocusOnTab: false

    KeyScroll {
        id: keyScroll
        flickable: flickable
    }

    Flickable {
        id: flickable
        objectName: "flickable"
        anchors.fill: parent
        flickableDirection: Flickable.VerticalFlick
        boundsBehavior: Flickable.DragOverBounds
        clip: true
        // The grid's margin below it as above it, so that the last row shows whole.
        contentHeight: grid.height + 2 * grid.anchors.topMargin

        // Shown for as long as there is more to see, not only while the list moves.
        T.ScrollBar.vertical: SlimScrollBar {
            objectName: "driverScrollBar"
            active: true
            policy: size < 1.0 ? T.ScrollBar.AlwaysOn : T.ScrollBar.AsNeeded
        }

        GridLayout {
            id: grid
            objectName: "grid"
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.topMargin: 20
            anchors.leftMargin: 20
            columns: iDrivers > 1 ? 2 : 1
            columnSpacing: 10
            rowSpacing: 10

            Repeater {
                model: iDrivers

                Tile {
                    objectName: "tile" + index
                    Layout.fillWidth: true
                    Layout.preferredHeight: 95
                    Layout.preferredWidth: flickable.width / 2 - 30
                    visible: !bUninstallableOnly || qtInterface.isDriverUninstallable(index)
                    strDriverName: qtInterface.getName(index)
                    // A package that gives no version gets no version line.
                    readonly property string strVersion: qtInterface.getVersion(index)
                    //: A driver's version on its tile; %1 is the version number.
                    strDriverVersion: strVersion.length > 0
                                      ? qsTr("Version %1").arg(localeVersion(strVersion)) : ""
                    strToolTip: strDriverVersion.length > 0 ? strDriverName + "\n" + strDriverVersion
                                                            : strDriverName
                    Accessible.name: qtInterface.getName(index)
                    Accessible.description: qtInterface.getButtonDescription(index)
                    // A tile the keyboard reaches out of view scrolls into view.
                    onActiveFocusChanged: if (activeFocus) keyScroll.ensureVisible(this)
                    onButtonClicked: {
                        bChecked = !bChecked
                        qtInterface.setCheckboxStatus(index, bChecked)
                        mainWindow.butttonCheckedChanged(index, bChecked)
                    }
                }
            }
        }
    }
}
