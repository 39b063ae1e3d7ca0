#ifndef CATALOGTABLE_H
#define CATALOGTABLE_H

#include <QVector>

// The thirty drivers the package can carry, in slot order (slot 1 first). The display names
// and descriptions are marked for translation in the context "Drivers"; the engine keeps them
// untranslated, as keys, and translates them only for the pages. The product names are
// registry keys and never translated.
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
