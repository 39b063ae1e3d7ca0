// Writes to the console of the process that started it, as the installer's /? does: a
// GUI-subsystem program (-mwindows) has none of its own.
#include "platform/win32/console.h"

#include <cstdio>

int main()
{
    win32::attachParentConsole();
    std::printf("to standard output\n");
    std::fprintf(stderr, "to standard error\n");
    return 0;
}
