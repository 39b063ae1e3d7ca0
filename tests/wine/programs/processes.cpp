#include "processes.h"

#include "platform/win32/modulepath.h"

#include <windows.h>

#include <vector>

namespace processes {

void *startSelf(const std::wstring &strArguments)
{
    const std::wstring strProgram = win32::moduleFilePath();
    std::wstring strCommandLine = L"\"" + strProgram + L"\" " + strArguments;
    std::vector<wchar_t> commandLine(strCommandLine.begin(), strCommandLine.end());
    commandLine.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(strProgram.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

bool pumpOnce(unsigned int uiWaitMs)
{
    const DWORD dwWoken = MsgWaitForMultipleObjects(0, nullptr, FALSE, uiWaitMs, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return dwWoken != WAIT_TIMEOUT;
}

int waitForExit(void *hProcess, unsigned int uiTimeoutMs)
{
    if (!hProcess)
        return c_iTimedOut;
    const DWORD dwStart = GetTickCount();
    int iExitCode = c_iTimedOut;
    for (;;) {
        const DWORD dwElapsed = GetTickCount() - dwStart;
        if (dwElapsed >= uiTimeoutMs)
            break;
        const DWORD dwWoken = MsgWaitForMultipleObjects(1, &hProcess, FALSE,
                                                        uiTimeoutMs - dwElapsed, QS_ALLINPUT);
        if (dwWoken == WAIT_OBJECT_0) {
            DWORD dwCode = 0;
            GetExitCodeProcess(hProcess, &dwCode);
            iExitCode = int(dwCode);
            break;
        }
        pumpOnce(0);
    }
    if (iExitCode == c_iTimedOut)
        TerminateProcess(hProcess, 1);
    CloseHandle(hProcess);
    return iExitCode;
}

int runSelf(const std::wstring &strArguments, unsigned int uiTimeoutMs)
{
    return waitForExit(startSelf(strArguments), uiTimeoutMs);
}

std::string narrow(const std::wstring &strText)
{
    if (strText.empty())
        return std::string();
    const int iBytes = WideCharToMultiByte(CP_UTF8, 0, strText.data(), int(strText.size()), nullptr,
                                           0, nullptr, nullptr);
    std::string strBytes(size_t(iBytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, strText.data(), int(strText.size()), &strBytes[0], iBytes,
                        nullptr, nullptr);
    return strBytes;
}

} // namespace processes
