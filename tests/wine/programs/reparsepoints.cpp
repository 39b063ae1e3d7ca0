// Reparse points as the store and the logs meet them: a junction and a symbolic link are seen
// as such and removed without touching what they lead to; devices, pipes and folders are no
// plain disk files.
#include "checks.h"

#include "platform/win32/reparsepoint.h"

#include <windows.h>
#include <winioctl.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

// A mount point's reparse data, as FSCTL_SET_REPARSE_POINT takes it.
struct MountPointData
{
    DWORD uTag;
    WORD cbData;
    WORD wReserved;
    WORD iSubstituteOffset;
    WORD cbSubstitute;
    WORD iPrintOffset;
    WORD cbPrint;
    WCHAR szPaths[1];
};

bool makeJunction(const std::wstring &strLink, const std::wstring &strTarget)
{
    if (!CreateDirectoryW(strLink.c_str(), nullptr))
        return false;
    const std::wstring strSubstitute = L"\\??\\" + strTarget;
    const size_t cbSubstitute = strSubstitute.size() * sizeof(WCHAR);
    std::vector<BYTE> buffer(offsetof(MountPointData, szPaths) + cbSubstitute + 2 * sizeof(WCHAR));
    auto *pData = reinterpret_cast<MountPointData *>(buffer.data());
    pData->uTag = IO_REPARSE_TAG_MOUNT_POINT;
    pData->cbData = WORD(buffer.size() - offsetof(MountPointData, iSubstituteOffset));
    pData->iSubstituteOffset = 0;
    pData->cbSubstitute = WORD(cbSubstitute);
    pData->iPrintOffset = WORD(cbSubstitute + sizeof(WCHAR));
    pData->cbPrint = 0;
    memcpy(pData->szPaths, strSubstitute.c_str(), cbSubstitute);
    const HANDLE hLink
            = CreateFileW(strLink.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (hLink == INVALID_HANDLE_VALUE)
        return false;
    DWORD cbReturned = 0;
    const BOOL bSet = DeviceIoControl(hLink, FSCTL_SET_REPARSE_POINT, buffer.data(),
                                      DWORD(buffer.size()), nullptr, 0, &cbReturned, nullptr);
    CloseHandle(hLink);
    return bSet;
}

bool exists(const std::wstring &strPath)
{
    return GetFileAttributesW(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool writeFile(const std::wstring &strPath)
{
    const HANDLE hFile = CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD cbWritten = 0;
    WriteFile(hFile, "kept", 4, &cbWritten, nullptr);
    CloseHandle(hFile);
    return cbWritten == 4;
}

} // namespace

int main()
{
    Checks checks("reparsepoints");
    WCHAR szTemp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, szTemp);
    const std::wstring strRoot
            = std::wstring(szTemp) + L"reparsepoints-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring strTarget = strRoot + L"\\target";
    const std::wstring strKept = strTarget + L"\\kept.txt";
    const std::wstring strPlain = strRoot + L"\\plain.txt";
    const std::wstring strJunction = strRoot + L"\\junction";
    const std::wstring strFileLink = strRoot + L"\\filelink.txt";
    checks.expect(CreateDirectoryW(strRoot.c_str(), nullptr)
                          && CreateDirectoryW(strTarget.c_str(), nullptr) && writeFile(strKept)
                          && writeFile(strPlain),
                  "the folders and files are made");

    checks.expect(!win32::isReparsePoint(strTarget) && !win32::isReparsePoint(strPlain)
                          && !win32::isReparsePoint(strRoot + L"\\missing"),
                  "folders, files and missing paths are no reparse points");
    checks.expect(win32::isPlainDiskFile(strPlain), "a file is a plain disk file");
    checks.expect(!win32::isPlainDiskFile(strTarget), "a folder is no plain disk file");
    checks.expect(!win32::isPlainDiskFile(strRoot + L"\\missing"), "a missing file is none");
    for (const wchar_t *pszDevice : {L"NUL", L"CONOUT$", L"\\\\.\\NUL"})
        checks.expect(!win32::isPlainDiskFile(pszDevice), "a device is no plain disk file");
    const std::wstring strPipe
            = L"\\\\.\\pipe\\reparsepoints-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE hPipe = CreateNamedPipeW(strPipe.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1,
                                          512, 512, 0, nullptr);
    checks.expect(hPipe != INVALID_HANDLE_VALUE && !win32::isPlainDiskFile(strPipe),
                  "a named pipe is no plain disk file");
    if (hPipe != INVALID_HANDLE_VALUE)
        CloseHandle(hPipe);

    // Wine 8 sets no reparse points (FSCTL_SET_REPARSE_POINT fails) and makes its symbolic
    // links as host links without the reparse point attribute: there the checks of links are
    // left out, and say so.
    if (!makeJunction(strJunction, strTarget)) {
        std::printf("no junctions here (error %lu)\n", GetLastError());
        RemoveDirectoryW(strJunction.c_str());
    } else {
        checks.expect(win32::isReparsePoint(strJunction), "a junction is a reparse point");
        checks.expect(exists(strJunction + L"\\kept.txt"), "the junction leads to the target");
        checks.expect(win32::removeReparsePoint(strJunction), "the junction is removed");
        checks.expect(!exists(strJunction), "nothing is left at the junction's path");
        checks.expect(exists(strKept), "the junction's target keeps its files");
    }
    const bool bLinked = CreateSymbolicLinkW(strFileLink.c_str(), strPlain.c_str(), 0x2)
            || CreateSymbolicLinkW(strFileLink.c_str(), strPlain.c_str(), 0);
    const DWORD uLinkAttributes = GetFileAttributesW(strFileLink.c_str());
    if (bLinked && uLinkAttributes != INVALID_FILE_ATTRIBUTES
        && !(uLinkAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        std::printf("symbolic links here carry no reparse point\n");
        DeleteFileW(strFileLink.c_str());
    } else if (bLinked && uLinkAttributes == INVALID_FILE_ATTRIBUTES) {
        std::printf("symbolic links here cannot be looked at (error %lu)\n", GetLastError());
        DeleteFileW(strFileLink.c_str());
    } else if (bLinked) {
        checks.expect(win32::isReparsePoint(strFileLink), "a symbolic link is a reparse point");
        checks.expect(!win32::isPlainDiskFile(strFileLink), "a symbolic link is no plain file");
        checks.expect(win32::removeReparsePoint(strFileLink), "the link is removed");
        checks.expect(!exists(strFileLink) && exists(strPlain), "the link's target stays");
    } else {
        std::printf("no symbolic links here (error %lu)\n", GetLastError());
    }
    checks.expect(win32::removeReparsePoint(strPlain) && exists(strPlain),
                  "removing a reparse point leaves a plain file alone");

    DeleteFileW(strKept.c_str());
    DeleteFileW(strPlain.c_str());
    RemoveDirectoryW(strTarget.c_str());
    RemoveDirectoryW(strRoot.c_str());
    return checks.failures();
}
