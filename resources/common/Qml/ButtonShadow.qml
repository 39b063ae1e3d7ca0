import QtGraphicalEffects 1.12

// The flat button's layer effect, made only where OpenGL draws it (SquareButton's layer),
// whose shadow colour it reads: the effects module then loads only there.
DropShadow {
    transparentBorder: true
    verticalOffset: 2
    radius: 8
    samples: 16
    color: strDropShadowColor
}
