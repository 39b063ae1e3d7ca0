import QtQuick 2.12

// A message in a footer, vertically centred in it: 16 pixels on one line where it fits, else
// wrapped, and smaller where even the footer's lines are too few; never cut. The user sets its
// width (or its left and right).
AccessibleText {
    height: g_iFooterHeight - 10
    verticalAlignment: Text.AlignVCenter
    wrapMode: Text.WordWrap
    fontSizeMode: Text.Fit
    minimumPixelSize: 9
    font.pixelSize: 16
}
