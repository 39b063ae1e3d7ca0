#ifndef WINE_PROGRAMS_PROCESSES_H
#define WINE_PROGRAMS_PROCESSES_H

#include <string>

// Child processes of a test program: another copy of the same program in another role.
namespace processes {

constexpr int c_iTimedOut = -1;

// Starts this program again with the arguments; a handle, or none when it cannot start.
void *startSelf(const std::wstring &strArguments);

// Waits for the process to end while this thread keeps answering the window messages sent to
// it; its exit code, or c_iTimedOut. Closes the handle.
int waitForExit(void *hProcess, unsigned int uiTimeoutMs);

// Starts this program again and waits for it as above.
int runSelf(const std::wstring &strArguments, unsigned int uiTimeoutMs);

// Dispatches the messages that arrived until the predicate holds or the time is up.
template<typename Predicate>
bool pumpUntil(Predicate done, unsigned int uiTimeoutMs);

bool pumpOnce(unsigned int uiWaitMs);

// UTF-8 of a wide string, for messages.
std::string narrow(const std::wstring &strText);

} // namespace processes

template<typename Predicate>
bool processes::pumpUntil(Predicate done, unsigned int uiTimeoutMs)
{
    for (unsigned int uiWaited = 0; !done(); uiWaited += 10) {
        if (uiWaited >= uiTimeoutMs)
            return false;
        pumpOnce(10);
    }
    return true;
}

#endif // WINE_PROGRAMS_PROCESSES_H
