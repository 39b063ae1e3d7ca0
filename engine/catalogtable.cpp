#include "engine/catalogtable.h"

#include <QtGlobal>

const QVector<CatalogRow> &catalogRows()
{
    static const QVector<CatalogRow> rows = {
            {"/SETSQP", QT_TRANSLATE_NOOP("Drivers", "Zorva SQP Driver"), "Zorva SQP Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva SQP Driver"), true},
            {"/SETPCI", QT_TRANSLATE_NOOP("Drivers", "Zorva PCI Device Driver"), "Zorva PCI Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva PCI Driver"), true},
            {"/SETGPIO2", QT_TRANSLATE_NOOP("Drivers", "Zorva GPIO Driver"), "Zorva GPIO2 Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva GPIO2 Driver"),
             false},
            {"/SETI2C", QT_TRANSLATE_NOOP("Drivers", "Zorva I2C Driver"), "Zorva I2C Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva I2C Driver"), false},
            {"/SETIOV_WT", QT_TRANSLATE_NOOP("Drivers", "NULL Driver for Zorva IOMMU Devices"),
             "Zorva IOV Driver",
             QT_TRANSLATE_NOOP("Drivers",
                               "Setup will install/uninstall NULL Driver for Zorva IOMMU Devices"),
             true},
            {"/SETUART", QT_TRANSLATE_NOOP("Drivers", "Zorva UART Driver"), "Zorva UART Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva UART Driver"), false},
            {"/SETPSHED", QT_TRANSLATE_NOOP("Drivers", "Zorva PSHED Driver"),
             "Zorva Aldric PSHED Plug-in Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva PSHED Driver"), true},
            {"/SETGPIO3", QT_TRANSLATE_NOOP("Drivers", "Zorva GPIO Driver (for Carrowind)"),
             "Carrowind_GPIO Driver",
             QT_TRANSLATE_NOOP("Drivers",
                               "Setup will install/uninstall Zorva GPIO Driver (for Carrowind)"),
             false},
            {"/SETQUILLPPKG", QT_TRANSLATE_NOOP("Drivers", "Zorva Quill Power Plan"),
             "Zorva Quill Balanced Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva Quill Power Plan"),
             true},
            {"/SETQW4ACPI", QT_TRANSLATE_NOOP("Drivers", "Zorva Quickwake Technology ACPI Driver"),
             "QW4 ACPI Driver",
             QT_TRANSLATE_NOOP(
                     "Drivers",
                     "Setup will install/uninstall Zorva Quickwake Technology ACPI Driver"),
             true},
            {"/SETUSBCNTRL", QT_TRANSLATE_NOOP("Drivers", "Zorva USB3.0 Controller Driver"),
             "Zorva USBController Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall USB3.0 Controller Driver"),
             false},
            {"/SETUSBCNTRL_CW",
             QT_TRANSLATE_NOOP("Drivers", "Zorva USB3.1 Controller Driver(for Carrowind)"),
             "Zorva USBController Driver(CW)",
             QT_TRANSLATE_NOOP(
                     "Drivers",
                     "Setup will install/uninstall Zorva USB3.1 Controller Driver(for Carrowind)"),
             false},
            {"/SETSATA", QT_TRANSLATE_NOOP("Drivers", "Zorva SATA Controller Driver"),
             "Zorva SATA Driver Alpha",
             QT_TRANSLATE_NOOP("Drivers",
                               "Setup will install/uninstall Zorva SATA Controller Driver"),
             false},
            {"/SETSRHI2C", QT_TRANSLATE_NOOP("Drivers", "Zorva SRH KMDF I2C Driver"),
             "Zorva SRH I2C Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva SRH KMDF I2C Driver"),
             true},
            {"/SETSRHDRVR", QT_TRANSLATE_NOOP("Drivers", "Zorva Sensor Relay Hub Driver"),
             "Zorva SRH Driver",
             QT_TRANSLATE_NOOP("Drivers",
                               "Setup will install/uninstall Zorva Sensor Relay Hub Driver"),
             true},
            {"/SETUSBCNTRL_MW",
             QT_TRANSLATE_NOOP("Drivers", "Zorva USB3.0 Controller Driver(for Merrow)"),
             "Zorva USB3.0 Host controller Driver",
             QT_TRANSLATE_NOOP(
                     "Drivers",
                     "Setup will install/uninstall Zorva USB3.0 Controller Driver(for Merrow)"),
             false},
            {"/SETSMBUS", QT_TRANSLATE_NOOP("Drivers", "Zorva SMBus Driver"),
             "Zorva SHxxx SMBus Driver Alpha",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva SMBus Driver"), true},
            {"/SETTS_RAID", QT_TRANSLATE_NOOP("Drivers", "Zorva AHCI Compatible SATA RAID Driver"),
             "Zorva RAID Driver for Tessel",
             QT_TRANSLATE_NOOP(
                     "Drivers",
                     "Setup will install/uninstall Zorva AHCI Compatible SATA RAID Driver"),
             true},
            {"/SETTS_WARDENRAID", QT_TRANSLATE_NOOP("Drivers", "Zorva RAIDWarden2 Utility"),
             "Zorva RAIDWarden Utility for Tessel",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva RAIDWarden2 Utility"),
             true},
            {"/SETFILTERUSB", QT_TRANSLATE_NOOP("Drivers", "Zorva USB Filter Driver"),
             "Zorva USB Filter Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva USB Filter Driver"),
             false},
            {"/SETCIR", QT_TRANSLATE_NOOP("Drivers", "Zorva Consumer Infrared Driver"),
             "Zorva Consumer Infrared Driver",
             QT_TRANSLATE_NOOP("Drivers",
                               "Setup will install/uninstall Zorva Consumer Infrared Driver"),
             true},
            {"/SETEMBCXP", QT_TRANSLATE_NOOP("Drivers", "Zorva CXP Driver"), "Zorva CXP Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva CXP Driver"), true},
            {"/SETSPI", QT_TRANSLATE_NOOP("Drivers", "Zorva SPI Driver"), "Zorva SPI Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva SPI Driver"), false},
            {"/SETGFX", QT_TRANSLATE_NOOP("Drivers", "Zorva Graphics Driver"),
             "Zorva Graphics Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva Graphics Driver"),
             true},
            {"/SETVK_RAID", QT_TRANSLATE_NOOP("Drivers", "Zorva VK_RAID Driver"),
             "Zorva VK_RAID Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva VK_RAID Driver"),
             false},
            {"/SETVK_WARDEN", QT_TRANSLATE_NOOP("Drivers", "Zorva VK_RAIDWarden2 Utility"),
             "RAIDWarden2 utility",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva RAIDWarden2 Utility"),
             true},
            {"/SETUPEP", QT_TRANSLATE_NOOP("Drivers", "Zorva MicroPEP Driver"),
             "Zorva MicroPEP Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva MicroPEP Driver"),
             true},
            {"/SETUSB31", QT_TRANSLATE_NOOP("Drivers", "Zorva USB3.1 Controller Driver"),
             "Zorva USB 3.1 Driver",
             QT_TRANSLATE_NOOP("Drivers",
                               "Setup will install/uninstall Zorva USB3.1 Controller Driver"),
             false},
            {"/SETXGBE", QT_TRANSLATE_NOOP("Drivers", "Zorva Gigabit Ethernet Driver"),
             "Zorva Gigabit Ethernet Driver",
             QT_TRANSLATE_NOOP("Drivers",
                               "Setup will install/uninstall Zorva Gigabit Ethernet Driver"),
             true},
            {"/SETSMF", QT_TRANSLATE_NOOP("Drivers", "Zorva SMF Driver"), "Zorva SMF Driver",
             QT_TRANSLATE_NOOP("Drivers", "Setup will install/uninstall Zorva SMF Driver"), true},
    };
    return rows;
}

QString featureOf(const QString &strSwitch)
{
    const QLatin1String prefix("/SET");
    return strSwitch.startsWith(prefix) ? strSwitch.mid(prefix.size()) : strSwitch;
}

QString hubCompanion(const QString &strFeature)
{
    for (const HubCompanion &companion : c_aHubCompanions) {
        if (strFeature == QLatin1String(companion.pszController))
            return QLatin1String(companion.pszHub);
    }
    return QString();
}
