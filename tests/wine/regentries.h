#ifndef TESTS_WINE_REGENTRIES_H
#define TESTS_WINE_REGENTRIES_H

#include <QString>

// Registry entries in the .reg format that WineSession::importRegistry takes.

// Devices of the maker's tables GPIO2, PCI and SQP-A, as the Plug and Play manager lists them.
const QString c_strGpio2Device = QStringLiteral("ACPI\\ZRVA0010\\0");
const QString c_strPciDevice
        = QStringLiteral("PCI\\VEN_ZV01&DEV_5101&SUBSYS_00000000&REV_00\\3&2411E6FE&0&A0");
const QString c_strSqpDevice
        = QStringLiteral("PCI\\VEN_ZV01&DEV_5201&SUBSYS_00000000&REV_00\\3&2411E6FE&0&A8");

inline QString regKey(const QString &strKey)
{
    return QStringLiteral("[") + strKey + QStringLiteral("]\r\n");
}

inline QString regString(const QString &strName, const QString &strValue)
{
    QString strEscaped = strValue;
    strEscaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + strName + QStringLiteral("\"=\"") + strEscaped
            + QStringLiteral("\"\r\n");
}

// A device of the system class, where wine's Win32_PnPEntity finds it.
inline QString deviceKey(const QString &strDeviceId)
{
    return regKey(QStringLiteral("HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Enum\\")
                  + strDeviceId)
            + regString(QStringLiteral("ClassGUID"),
                        QStringLiteral("{4d36e97d-e325-11ce-bfc1-08002be10318}"))
            + QStringLiteral("\r\n");
}

#endif // TESTS_WINE_REGENTRIES_H
