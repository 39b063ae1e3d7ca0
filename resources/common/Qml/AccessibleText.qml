import QtQuick 2.12

// A text that a screen reader reads: a static text named by what it shows (markup left out),
// in the window's text colour and regular face unless told otherwise.
Text {
    color: g_strTextColor
    font.family: fontKlavikaRegular.name
    renderType: Text.QtRendering

    Accessible.role: Accessible.StaticText
    Accessible.name: textFormat === Text.PlainText ? text : text.replace(/<[^>]*>/g, "")
}
