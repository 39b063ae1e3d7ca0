// The enumeration of installed products: subkeys written into the registry under
// HKLM\SOFTWARE\WOW6432Node\Zorva, read back through the key the start-up opens.
#include "checks.h"
#include "processes.h"

#include "platform/win32/registrykey.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::wstring c_strProductsKey = L"SOFTWARE\\WOW6432Node\\Zorva";

bool writeKey(const std::wstring &strSubkey, const std::wstring &strVersion)
{
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, strSubkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &hKey, nullptr)
        != ERROR_SUCCESS)
        return false;
    bool bWritten = true;
    if (!strVersion.empty())
        bWritten = RegSetValueExW(hKey, L"ProductVersion", 0, REG_SZ,
                                  reinterpret_cast<const BYTE *>(strVersion.c_str()),
                                  DWORD((strVersion.size() + 1) * sizeof(wchar_t)))
                == ERROR_SUCCESS;
    RegCloseKey(hKey);
    return bWritten;
}

std::string joined(std::vector<std::wstring> names)
{
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::wstring &name : names)
        text += "[" + processes::narrow(name) + "]";
    return text;
}

} // namespace

int main()
{
    Checks checks("registry");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, c_strProductsKey.c_str());

    const std::vector<std::wstring> products = {
            L"Zorva SQP Driver",     L"Zorva PCI Driver",
            L"Zorva GPIO2 Driver",   L"Zorva Tr\u00e4ger \u6f22 Driver",
            std::wstring(255, L'L'), // the longest name a key may have
    };
    for (const std::wstring &product : products)
        checks.expect(writeKey(c_strProductsKey + L"\\" + product, L"2.7.43.287"),
                      "write " + processes::narrow(product).substr(0, 40));
    checks.expect(writeKey(c_strProductsKey + L"\\Zorva SQP Driver\\Components", L""),
                  "write a nested key");
    checks.expect(writeKey(c_strProductsKey + L"\\Zorva_Chipset_IODrivers\\Empty", L""),
                  "write the package key");

    std::vector<std::wstring> expected = products;
    expected.push_back(L"Zorva_Chipset_IODrivers");

    // The start-up opens the key with a trailing backslash.
    for (const std::wstring &strPath : {c_strProductsKey + L"\\", c_strProductsKey}) {
        const win32::RegistryKey key = win32::RegistryKey::openLocalMachine(strPath);
        checks.expect(key.isOpen(), "open " + processes::narrow(strPath));
        checks.expectEqual(joined(key.subkeyNames()), joined(expected),
                           "subkeys of " + processes::narrow(strPath));
    }

    const win32::RegistryKey leaf = win32::RegistryKey::openLocalMachine(
            c_strProductsKey + L"\\Zorva_Chipset_IODrivers\\Empty");
    checks.expect(leaf.isOpen(), "open a key without subkeys");
    checks.expectEqual(leaf.subkeyNames().size(), 0u, "subkeys of a key without any");

    const win32::RegistryKey missing
            = win32::RegistryKey::openLocalMachine(L"SOFTWARE\\WOW6432Node\\ZorvaMissing");
    checks.expect(!missing.isOpen(), "a missing key does not open");
    checks.expectEqual(missing.subkeyNames().size(), 0u, "subkeys of a missing key");

    win32::RegistryKey moved = win32::RegistryKey::openLocalMachine(c_strProductsKey);
    win32::RegistryKey target = std::move(moved);
    checks.expect(!moved.isOpen() && target.isOpen(), "a moved key stays open once");
    checks.expectEqual(target.subkeyNames().size(), expected.size(), "subkeys after a move");

    RegDeleteTreeW(HKEY_LOCAL_MACHINE, c_strProductsKey.c_str());
    return checks.failures();
}
