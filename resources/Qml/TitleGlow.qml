import QtGraphicalEffects 1.12

// The header title's glow behind the title. Made by Header's Loader, whose names it reads, and
// only where OpenGL draws it: the effects module then loads only there.
Glow {
    source: titleText
    radius: 10
    samples: 16
    color: "#80000000"
    transparentBorder: true
}
