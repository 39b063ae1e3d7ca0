import QtGraphicalEffects 1.12

// The quit confirmation's shadow behind its box. Made by CancelWindow's Loader, whose names it
// reads, and only where OpenGL draws it: the effects module then loads only there.
DropShadow {
    source: cancelBox
    horizontalOffset: 3
    verticalOffset: 3
    radius: 8
    samples: 16
    color: "#272727"
    transparentBorder: true
}
