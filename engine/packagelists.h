#ifndef PACKAGELISTS_H
#define PACKAGELISTS_H

#include <QByteArray>
#include <QDomElement>
#include <QString>
#include <QVector>

// The package description's texts: the i-th Version, OS and Installer describe one product.
namespace packagelists {

struct Lists
{
    QVector<QString> vecVersions;
    QVector<QString> vecOS;
    QVector<QString> vecInstallers;
};

// The texts of the elements named strTag below root, at any depth, in document order.
QVector<QString> texts(const QDomElement &root, const QString &strTag);

// The lists of a description, without the products whose OS text contains strOtherGeneration.
// A description that is unsafe to parse (platform/xmlguard.h) or malformed reads as empty.
Lists read(const QByteArray &data, const QString &strOtherGeneration);

} // namespace packagelists

#endif // PACKAGELISTS_H
