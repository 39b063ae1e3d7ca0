import QtGraphicalEffects 1.12

// The icon button's tint over its icon. Made by CustomButton's Loader, whose names it reads,
// and only where OpenGL draws it: the effects module then loads only there.
ColorOverlay {
    source: iconImage
    color: overlayColor
    rotation: iconRotation
}
