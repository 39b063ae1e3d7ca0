#ifndef PLATFORM_XMLGUARD_H
#define PLATFORM_XMLGUARD_H

#include <QByteArray>
#include <QString>

// Checks that an XML document from outside is safe to build a DOM of, before the DOM parser
// (which recurses once per level and expands entities without bound) sees it.
namespace platform {

constexpr qint64 c_iMaxXmlSize = 16 * 1024 * 1024;
constexpr int c_iMaxXmlDepth = 256;

struct XmlCheck
{
    bool bSafe = false;
    QString strReason; // why it is not
    int iLine = 0; // where, 1-based; 0 when unknown
};

// Safe: at most c_iMaxXmlSize bytes, well formed, elements nested at most c_iMaxXmlDepth deep,
// and no entity declarations. Read with a streaming reader, in bounded memory.
XmlCheck checkXmlDocument(const QByteArray &data);

// Reads a file of at most c_iMaxXmlSize bytes; false when it cannot be read or is larger.
bool readXmlSource(const QString &strPath, QByteArray *pData);

} // namespace platform

#endif // PLATFORM_XMLGUARD_H
