import QtGraphicalEffects 1.12

// The driver tile's layer effect, made only where OpenGL draws it (Tile's layer), whose shadow
// colour it reads: the effects module then loads only there.
DropShadow {
    transparentBorder: true
    horizontalOffset: 3
    verticalOffset: 3
    radius: 8.0
    samples: 16
    color: strDropShadowColor
}
