#ifndef CATALOGTABLE_H
#define CATALOGTABLE_H

#include <QVector>

// The thirty drivers the package can carry, in slot order (slot 1 first). The texts are
// untranslated; Drivers passes the names through its translation lookup.
struct CatalogRow
{
    const char *pszSwitch;
    const char *pszDisplayName;
    const char *pszProductName;
    const char *pszDescription;
    bool bUninstallable;
};

const QVector<CatalogRow> &catalogRows();

#endif // CATALOGTABLE_H
