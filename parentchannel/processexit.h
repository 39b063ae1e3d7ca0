#ifndef PROCESSEXIT_H
#define PROCESSEXIT_H

// Ends the process at once with the exit code, as an orderly end: open files are flushed by
// their owners before this is called; nothing else is torn down.
[[noreturn]] void endProcess(int iExitCode);

#endif // PROCESSEXIT_H
