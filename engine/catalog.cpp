// The catalog rows and the lookup from an offered position to its row.
#include "engine/drivers.h"

#include "engine/catalogtable.h"

namespace {
constexpr int c_iSlots = 31;
}

void Drivers::fillCatalog()
{
    const QVector<CatalogRow> &rows = catalogRows();
    vecCatalog.resize(c_iSlots);
    for (int iSlot = 1; iSlot < c_iSlots && iSlot <= rows.size(); ++iSlot) {
        const CatalogRow &row = rows.at(iSlot - 1);
        DriverEntry &entry = vecCatalog[iSlot];
        // The names are keys (the package description's installers, the registry's products):
        // they stay as the catalog has them, and only the pages' texts are translated.
        entry.strDisplayName = QString::fromLatin1(row.pszDisplayName);
        entry.bChecked = true;
        entry.bUninstallable = row.bUninstallable;
        entry.strProductName = QString::fromLatin1(row.pszProductName);
        entry.strDescription = QString::fromLatin1(row.pszDescription);
    }
    for (int iSlot = 1; iSlot < c_iSlots && iSlot <= rows.size(); ++iSlot)
        mapSwitchIndex.insert(QString::fromLatin1(rows.at(iSlot - 1).pszSwitch), iSlot);
}

int Drivers::slotOf(const QString &strSwitch) const
{
    const int iSlot = mapSwitchIndex.value(strSwitch, 0);
    return iSlot >= 1 && iSlot <= 30 && iSlot < vecCatalog.size() ? iSlot : 0;
}

DriverEntry *Drivers::rowAt(int c_iIndex)
{
    if (c_iIndex < 0 || c_iIndex >= lstDriverSwitches.size())
        return nullptr;
    const int iSlot = slotOf(lstDriverSwitches.at(c_iIndex));
    return iSlot ? &vecCatalog[iSlot] : nullptr;
}
