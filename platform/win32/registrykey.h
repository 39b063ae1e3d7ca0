#ifndef PLATFORM_WIN32_REGISTRYKEY_H
#define PLATFORM_WIN32_REGISTRYKEY_H

#include <string>
#include <vector>

namespace win32 {

// A key of HKEY_LOCAL_MACHINE opened for reading (KEY_READ); closed when the object goes.
class RegistryKey
{
public:
    RegistryKey() = default;
    RegistryKey(RegistryKey &&other) noexcept;
    RegistryKey &operator=(RegistryKey &&other) noexcept;
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;
    ~RegistryKey();

    // RegOpenKeyExW of HKEY_LOCAL_MACHINE\strSubkey; a key that is not open on failure.
    static RegistryKey openLocalMachine(const std::wstring &strSubkey);

    bool isOpen() const { return m_hKey != nullptr; }

    // The names of the subkeys, in the order RegEnumKeyExW gives them: RegQueryInfoKeyW
    // tells how many (none when it fails); an index whose name cannot be read is skipped.
    std::vector<std::wstring> subkeyNames() const;

private:
    void close();

    void *m_hKey = nullptr; // HKEY
};

} // namespace win32

#endif // PLATFORM_WIN32_REGISTRYKEY_H
