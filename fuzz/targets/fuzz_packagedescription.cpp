// The package description reader: any bytes as info.xml. A document that fails the check is
// never parsed and reads as empty lists.
#include "engine/packagelists.h"
#include "platform/xmlguard.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t iSize)
{
    const QByteArray data(reinterpret_cast<const char *>(pData), int(iSize));
    const bool bSafe = platform::checkXmlDocument(data).bSafe;
    for (const QString &strOtherGeneration :
         {QStringLiteral("Windows 7"), QStringLiteral("Windows 10")}) {
        const packagelists::Lists lists = packagelists::read(data, strOtherGeneration);
        if (!bSafe
            && !(lists.vecVersions.isEmpty() && lists.vecOS.isEmpty()
                 && lists.vecInstallers.isEmpty()))
            __builtin_trap();
    }
    return 0;
}
