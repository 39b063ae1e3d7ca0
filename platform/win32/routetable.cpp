#include "platform/win32/routetable.h"

// windows.h first: iphlpapi.h builds on it.
#include <windows.h>

#include <iphlpapi.h>

#include <memory>
#include <new>

namespace win32 {

bool hasDefaultRoute()
{
    ULONG ulSize = 0;
    if (GetIpForwardTable(nullptr, &ulSize, FALSE) != ERROR_INSUFFICIENT_BUFFER)
        return false;
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[ulSize]);
    if (!buffer)
        return false;
    auto *pTable = reinterpret_cast<PMIB_IPFORWARDTABLE>(buffer.get());
    if (GetIpForwardTable(pTable, &ulSize, FALSE) != NO_ERROR)
        return false;
    for (DWORD i = 0; i < pTable->dwNumEntries; ++i) {
        if (pTable->table[i].dwForwardDest == 0)
            return true;
    }
    return false;
}

} // namespace win32
