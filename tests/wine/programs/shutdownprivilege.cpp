// Enabling the shutdown privilege in the process token, and refusing a privilege the token does
// not hold even though AdjustTokenPrivileges itself succeeds.
#include "checks.h"

#include "platform/win32/privilege.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

enum class TokenState { Missing, Disabled, Enabled };

TokenState stateOf(const wchar_t *pszPrivilege)
{
    LUID luid = {};
    HANDLE hToken = nullptr;
    if (!LookupPrivilegeValueW(nullptr, pszPrivilege, &luid)
        || !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &hToken))
        return TokenState::Missing;
    DWORD cbNeeded = 0;
    GetTokenInformation(hToken, TokenPrivileges, nullptr, 0, &cbNeeded);
    std::vector<BYTE> buffer(cbNeeded);
    TokenState state = TokenState::Missing;
    if (cbNeeded
        && GetTokenInformation(hToken, TokenPrivileges, buffer.data(), cbNeeded, &cbNeeded)) {
        const auto *pPrivileges = reinterpret_cast<const TOKEN_PRIVILEGES *>(buffer.data());
        for (DWORD i = 0; i < pPrivileges->PrivilegeCount; ++i) {
            const LUID_AND_ATTRIBUTES &entry = pPrivileges->Privileges[i];
            if (entry.Luid.LowPart == luid.LowPart && entry.Luid.HighPart == luid.HighPart)
                state = (entry.Attributes & SE_PRIVILEGE_ENABLED) ? TokenState::Enabled
                                                                  : TokenState::Disabled;
        }
    }
    CloseHandle(hToken);
    return state;
}

bool disable(const wchar_t *pszPrivilege)
{
    HANDLE hToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &hToken))
        return false;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    const bool bDone = LookupPrivilegeValueW(nullptr, pszPrivilege, &privileges.Privileges[0].Luid)
            && AdjustTokenPrivileges(hToken, FALSE, &privileges, sizeof(privileges), nullptr,
                                     nullptr);
    CloseHandle(hToken);
    return bDone;
}

std::string nameOf(TokenState state)
{
    switch (state) {
    case TokenState::Missing:
        return "missing";
    case TokenState::Disabled:
        return "disabled";
    case TokenState::Enabled:
        break;
    }
    return "enabled";
}

} // namespace

int main()
{
    Checks checks("privilege");
    const wchar_t *pszShutdown = L"SeShutdownPrivilege";

    checks.expect(disable(pszShutdown), "the privilege is disabled to begin with");
    checks.expectEqual(nameOf(stateOf(pszShutdown)), nameOf(TokenState::Disabled),
                       "the privilege before");
    // A stale error from an earlier call must not count against the adjustment.
    SetLastError(ERROR_INVALID_FUNCTION);
    checks.expect(win32::enableShutdownPrivilege(), "enabling the shutdown privilege succeeds");
    checks.expectEqual(nameOf(stateOf(pszShutdown)), nameOf(TokenState::Enabled),
                       "the privilege after");
    checks.expect(win32::enableShutdownPrivilege(), "enabling it again succeeds");

    // A privilege that exists but that the token does not hold: ERROR_NOT_ALL_ASSIGNED.
    const wchar_t *pszAbsent = nullptr;
    for (const wchar_t *pszCandidate :
         {L"SeCreateTokenPrivilege", L"SeTcbPrivilege", L"SeLockMemoryPrivilege",
          L"SeAssignPrimaryTokenPrivilege", L"SeMachineAccountPrivilege", L"SeRelabelPrivilege"}) {
        if (stateOf(pszCandidate) == TokenState::Missing) {
            pszAbsent = pszCandidate;
            break;
        }
    }
    if (checks.expect(pszAbsent != nullptr, "the token lacks some privilege")) {
        checks.expect(!win32::enablePrivilege(pszAbsent), "a privilege the token lacks fails");
        checks.expectEqual(nameOf(stateOf(pszAbsent)), nameOf(TokenState::Missing),
                           "the lacking privilege afterwards");
    }
    checks.expect(!win32::enablePrivilege(L"SeNoSuchPrivilege"), "an unknown privilege fails");
    return checks.failures();
}
