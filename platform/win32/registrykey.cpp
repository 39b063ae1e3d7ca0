#include "platform/win32/registrykey.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace win32 {

namespace {
constexpr DWORD c_dwClassCapacity = 260;
constexpr DWORD c_dwNameCapacity = 255; // the longest key name the registry allows
} // namespace

RegistryKey::RegistryKey(RegistryKey &&other) noexcept
    : m_hKey(std::exchange(other.m_hKey, nullptr))
{ }

RegistryKey &RegistryKey::operator=(RegistryKey &&other) noexcept
{
    if (this != &other) {
        close();
        m_hKey = std::exchange(other.m_hKey, nullptr);
    }
    return *this;
}

RegistryKey::~RegistryKey()
{
    close();
}

void RegistryKey::close()
{
    if (m_hKey)
        RegCloseKey(static_cast<HKEY>(m_hKey));
    m_hKey = nullptr;
}

RegistryKey RegistryKey::openLocalMachine(const std::wstring &strSubkey)
{
    RegistryKey key;
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, strSubkey.c_str(), 0, KEY_READ, &hKey) == ERROR_SUCCESS)
        key.m_hKey = hKey;
    return key;
}

std::vector<std::wstring> RegistryKey::subkeyNames() const
{
    std::vector<std::wstring> names;
    if (!m_hKey)
        return names;
    HKEY hKey = static_cast<HKEY>(m_hKey);
    wchar_t szClass[c_dwClassCapacity] = {};
    DWORD cchClass = c_dwClassCapacity;
    DWORD cSubKeys = 0;
    DWORD cchMaxSubKey = 0;
    if (RegQueryInfoKeyW(hKey, szClass, &cchClass, nullptr, &cSubKeys, &cchMaxSubKey, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr)
        != ERROR_SUCCESS)
        cSubKeys = 0;
    // Room for the terminating zero too, so that a name of the greatest length is not lost.
    std::wstring buffer(std::max(cchMaxSubKey, c_dwNameCapacity) + 1, L'\0');
    for (DWORD i = 0; i < cSubKeys; ++i) {
        DWORD cchName = DWORD(buffer.size());
        if (RegEnumKeyExW(hKey, i, &buffer[0], &cchName, nullptr, nullptr, nullptr, nullptr)
            == ERROR_SUCCESS)
            names.emplace_back(buffer.data(), cchName);
    }
    return names;
}

} // namespace win32
