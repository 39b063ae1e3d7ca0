// The verdict on a run's log: reading the tail only must answer what reading every line
// answers, for any bytes.
#include "engine/logtail.h"
#include "fullread.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t iSize)
{
    static QTemporaryDir folder;
    static const QString path = folder.path() + QStringLiteral("/Zorva_Chipset_IODrivers.log");
    static QByteArrayList markers;
    if (markers.isEmpty()) {
        for (const QString &marker : resultMarkers())
            markers.append(marker.toLatin1());
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(pData), qint64(iSize)) != qint64(iSize))
        __builtin_trap();
    file.close();
    if (logtail::findMarker(path, markers, 10) != judgeByReadingEveryLine(path, resultMarkers()))
        __builtin_trap();
    return 0;
}
