// The package description beside the program: versions, operating systems and display names.
#include "engine/drivers.h"

#include "engine/packagelists.h"
#include "platform/sysinfo.h"
#include "platform/xmlguard.h"

bool Drivers::isItWindows7()
{
    const QString strVersion = platform::productVersion();
    return strVersion.compare(QLatin1String("7"), Qt::CaseInsensitive) == 0
            || strVersion.contains(QLatin1String("7SP"), Qt::CaseInsensitive)
            || strVersion.contains(QLatin1String("vista"), Qt::CaseInsensitive);
}

QVector<QString> Drivers::traverse(QDomElement root, QString tagname)
{
    return packagelists::texts(root, tagname);
}

void Drivers::readXmlFile()
{
    QByteArray data;
    // A file that cannot be read, or is larger than a description can be, reads as empty.
    if (!platform::readXmlSource(applicationDir() + QStringLiteral("/info.xml"), &data))
        data.clear();
    const packagelists::Lists lists = packagelists::read(
            data, isItWindows7() ? QStringLiteral("Windows 10") : QStringLiteral("Windows 7"));
    vecVersions = lists.vecVersions;
    vecOS = lists.vecOS;
    vecInstallers = lists.vecInstallers;
}
