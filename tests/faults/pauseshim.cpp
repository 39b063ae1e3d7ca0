// Loaded with LD_PRELOAD into a program under test: stops the program for good at one chosen
// moment of a save, so that the test can kill it exactly there.
//   FAULT_PAUSE_AT      "write:<end of a path>" (the first write to a file whose path ends so)
//                       or "rename:<part of a path>" (the first rename of a path holding it)
//   FAULT_PAUSE_PROGRAM only in the program of this name (any program when unset)
//   FAULT_PAUSE_MARKER  a file created, holding the process id, once the program stops there
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

using WriteFunction = ssize_t (*)(int, const void *, size_t);
using RenameFunction = int (*)(const char *, const char *);

WriteFunction realWrite()
{
    static const auto function = reinterpret_cast<WriteFunction>(dlsym(RTLD_NEXT, "write"));
    return function;
}

bool pauseWanted(const char *kind, const char **pattern)
{
    const char *at = getenv("FAULT_PAUSE_AT");
    const char *program = getenv("FAULT_PAUSE_PROGRAM");
    const size_t iKindLength = strlen(kind);
    if (!at || strncmp(at, kind, iKindLength) != 0 || at[iKindLength] != ':')
        return false;
    if (program && strcmp(program, program_invocation_short_name) != 0)
        return false;
    *pattern = at + iKindLength + 1;
    return **pattern != '\0';
}

[[noreturn]] void pauseHere()
{
    const char *marker = getenv("FAULT_PAUSE_MARKER");
    if (marker) {
        char text[32];
        const int length = snprintf(text, sizeof text, "%d\n", int(getpid()));
        const int fd = open(marker, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd >= 0) {
            realWrite()(fd, text, size_t(length));
            close(fd);
        }
    }
    for (;;)
        pause();
}

} // namespace

extern "C" ssize_t write(int fd, const void *data, size_t size)
{
    const char *pattern;
    if (fd > 2 && pauseWanted("write", &pattern)) {
        char link[64];
        char path[4096];
        snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        const ssize_t length = readlink(link, path, sizeof path - 1);
        const size_t iPatternLength = strlen(pattern);
        if (length >= ssize_t(iPatternLength)
            && memcmp(path + length - iPatternLength, pattern, iPatternLength) == 0)
            pauseHere();
    }
    return realWrite()(fd, data, size);
}

extern "C" int rename(const char *from, const char *to)
{
    static const auto realRename = reinterpret_cast<RenameFunction>(dlsym(RTLD_NEXT, "rename"));
    const char *pattern;
    if (pauseWanted("rename", &pattern) && strstr(from, pattern))
        pauseHere();
    return realRename(from, to);
}
