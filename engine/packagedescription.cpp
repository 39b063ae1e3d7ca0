// The package description beside the program: versions, operating systems and display names.
#include "engine/drivers.h"

#include "platform/sysinfo.h"

#include <QDomDocument>
#include <QFile>

bool Drivers::isItWindows7()
{
    const QString strVersion = platform::productVersion();
    return strVersion.compare(QLatin1String("7"), Qt::CaseInsensitive) == 0
            || strVersion.contains(QLatin1String("7SP"), Qt::CaseInsensitive)
            || strVersion.contains(QLatin1String("vista"), Qt::CaseInsensitive);
}

QVector<QString> Drivers::traverse(QDomElement root, QString tagname)
{
    QVector<QString> vecTexts;
    if (root.isNull())
        return vecTexts;
    const QDomNodeList nodes = root.elementsByTagName(tagname);
    vecTexts.reserve(nodes.count());
    for (int i = 0; i < nodes.count(); ++i) {
        const QDomNode node = nodes.at(i);
        if (node.isElement())
            vecTexts.append(node.toElement().text());
    }
    return vecTexts;
}

void Drivers::readXmlFile()
{
    QDomDocument document;
    QFile file(applicationDir() + QStringLiteral("/info.xml"));
    // A file that does not parse leaves the document empty, not half read.
    if (file.open(QIODevice::ReadOnly) && !document.setContent(&file))
        document = QDomDocument();
    const QDomElement root = document.firstChildElement();

    const int iProducts
            = root.isNull() ? 0 : root.elementsByTagName(QStringLiteral("Version")).count();
    vecVersions = traverse(root, QStringLiteral("Version"));
    vecOS = traverse(root, QStringLiteral("OS"));
    vecInstallers = traverse(root, QStringLiteral("Installer"));
    // A product without an OS or Installer element reads as an empty text.
    while (vecOS.size() < iProducts)
        vecOS.append(QString());
    while (vecInstallers.size() < iProducts)
        vecInstallers.append(QString());

    const QString strOtherGeneration
            = isItWindows7() ? QStringLiteral("Windows 10") : QStringLiteral("Windows 7");
    QVector<QString> vecRemovals;
    for (int i = 0; i < iProducts; ++i) {
        if (vecOS.at(i).contains(strOtherGeneration))
            vecRemovals.append(vecInstallers.at(i));
    }
    // Only the first entry of a name is looked at.
    for (const QString &strName : qAsConst(vecRemovals)) {
        const int p = vecInstallers.indexOf(strName);
        if (p < 0 || !vecOS.value(p).contains(strOtherGeneration))
            continue;
        vecInstallers.remove(p);
        if (p < vecVersions.size())
            vecVersions.remove(p);
        vecOS.remove(p);
    }
}
