#ifndef PLATFORM_DISPLAY_H
#define PLATFORM_DISPLAY_H

namespace platform {

// Whether a window can be shown: always on Windows; on the stand-in machine when a display
// (DISPLAY, WAYLAND_DISPLAY) or a Qt platform (QT_QPA_PLATFORM) is named.
bool displayAvailable();

// Writes standard output and error to the console of the process that started this one, where
// there is one and they are not redirected already: a GUI-subsystem program has none of its
// own. Nothing away from Windows, where a program keeps its parent's.
void attachParentConsole();

} // namespace platform

#endif // PLATFORM_DISPLAY_H
