#include "platform/xmlguard.h"

#include "platform/localfile.h"

#include <QFile>
#include <QXmlStreamReader>

namespace platform {

XmlCheck checkXmlDocument(const QByteArray &data)
{
    XmlCheck check;
    if (data.size() > c_iMaxXmlSize) {
        check.strReason = QStringLiteral("The document is larger than %1 bytes").arg(c_iMaxXmlSize);
        return check;
    }
    QXmlStreamReader reader(data);
    int iDepth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++iDepth > c_iMaxXmlDepth)
                reader.raiseError(
                        QStringLiteral("Elements nest more than %1 deep").arg(c_iMaxXmlDepth));
            break;
        case QXmlStreamReader::EndElement:
            --iDepth;
            break;
        case QXmlStreamReader::DTD:
            // Parameter entities are not listed among the declarations; the text shows them.
            if (!reader.entityDeclarations().isEmpty()
                || reader.text().contains(QLatin1String("<!ENTITY")))
                reader.raiseError(QStringLiteral("The document declares entities"));
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        check.strReason = reader.errorString();
        check.iLine = int(reader.lineNumber());
        return check;
    }
    check.bSafe = true;
    return check;
}

bool readXmlSource(const QString &strPath, QByteArray *pData)
{
    QFile file(strPath);
    if (!openRegularFile(file, QIODevice::ReadOnly) || file.size() > c_iMaxXmlSize)
        return false;
    // A file that grows while it is read is cut at the bound and fails the check.
    *pData = file.read(c_iMaxXmlSize + 1);
    return pData->size() <= c_iMaxXmlSize;
}

} // namespace platform
