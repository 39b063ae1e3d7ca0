import QtGraphicalEffects 1.12

// The icon button's glow behind its icon. Made by CustomButton's Loader, whose names it reads,
// and only where OpenGL draws it: the effects module then loads only there.
Glow {
    source: iconImage
    radius: glowValue
    samples: 40
    color: glowColor
    transparentBorder: true
    rotation: iconRotation
}
