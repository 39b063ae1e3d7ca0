#include "engine/packagelists.h"

#include "platform/xmlguard.h"

#include <QDomDocument>

namespace packagelists {

QVector<QString> texts(const QDomElement &root, const QString &strTag)
{
    QVector<QString> vecTexts;
    if (root.isNull())
        return vecTexts;
    const QDomNodeList nodes = root.elementsByTagName(strTag);
    vecTexts.reserve(nodes.count());
    for (int i = 0; i < nodes.count(); ++i) {
        const QDomNode node = nodes.at(i);
        if (node.isElement())
            vecTexts.append(node.toElement().text());
    }
    return vecTexts;
}

Lists read(const QByteArray &data, const QString &strOtherGeneration)
{
    QDomDocument document;
    // A file that does not parse leaves the document empty, not half read.
    if (!platform::checkXmlDocument(data).bSafe || !document.setContent(data))
        document = QDomDocument();
    const QDomElement root = document.firstChildElement();

    Lists lists;
    const int iProducts
            = root.isNull() ? 0 : root.elementsByTagName(QStringLiteral("Version")).count();
    lists.vecVersions = texts(root, QStringLiteral("Version"));
    lists.vecOS = texts(root, QStringLiteral("OS"));
    lists.vecInstallers = texts(root, QStringLiteral("Installer"));
    // A product without an OS or Installer element reads as an empty text.
    while (lists.vecOS.size() < iProducts)
        lists.vecOS.append(QString());
    while (lists.vecInstallers.size() < iProducts)
        lists.vecInstallers.append(QString());

    QVector<QString> vecRemovals;
    for (int i = 0; i < iProducts; ++i) {
        if (lists.vecOS.at(i).contains(strOtherGeneration))
            vecRemovals.append(lists.vecInstallers.at(i));
    }
    // Only the first entry of a name is looked at.
    for (const QString &strName : qAsConst(vecRemovals)) {
        const int p = lists.vecInstallers.indexOf(strName);
        if (p < 0 || !lists.vecOS.value(p).contains(strOtherGeneration))
            continue;
        lists.vecInstallers.remove(p);
        if (p < lists.vecVersions.size())
            lists.vecVersions.remove(p);
        lists.vecOS.remove(p);
    }
    return lists;
}

} // namespace packagelists
