#ifndef CATALOGTABLE_H
#define CATALOGTABLE_H

#include <QString>
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

// The feature a switch names: the switch without "/SET" ("/SETPCI" gives "PCI").
QString featureOf(const QString &strSwitch);

// The USB controller features and the hub feature each brings along: installed with the
// controller, never offered, and left out of the uninstall list.
struct HubCompanion
{
    const char *pszController;
    const char *pszHub;
};
constexpr HubCompanion c_aHubCompanions[]
        = {{"USBCNTRL", "USBHUB"}, {"USBCNTRL_CW", "USBHUB_CW"}, {"USBCNTRL_MW", "USBHUB_MW"}};

// The hub feature that accompanies the feature; empty for a feature that brings none.
QString hubCompanion(const QString &strFeature);

#endif // CATALOGTABLE_H
