#ifndef PLATFORM_WIN32_CONSOLE_H
#define PLATFORM_WIN32_CONSOLE_H

namespace win32 {

// AttachConsole(ATTACH_PARENT_PROCESS), then standard output and error, each where it is not
// redirected to a file or pipe already, reopened on the console ("CONOUT$"). Nothing when the
// parent has no console.
void attachParentConsole();

} // namespace win32

#endif // PLATFORM_WIN32_CONSOLE_H
