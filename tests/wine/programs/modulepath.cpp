// Prints the program's own path as GetModuleFileNameW gives it, for the test to compare with
// where it started the program.
#include "processes.h"

#include "platform/win32/modulepath.h"

#include <cstdio>

int main()
{
    std::printf("%s\n", processes::narrow(win32::moduleFilePath()).c_str());
    return 0;
}
