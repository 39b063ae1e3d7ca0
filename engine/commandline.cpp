#include "engine/commandline.h"

#include <QDir>

namespace commandline {

QString logFolder(const QString &strSystemDrive)
{
    return strSystemDrive + QStringLiteral("/Zorva/Chipset_Driver_Installer/Logs");
}

QString msiExecPath(const QString &strSystemDrive)
{
    return strSystemDrive
            + QDir::toNativeSeparators(QStringLiteral("/Windows/System32/MsiExec.exe"));
}

QString packageProgramPath(const QString &strApplicationDir, QChar separator)
{
    return strApplicationDir
            + QStringLiteral("/../Packages/Zorva_Chipset_Drivers.exe")
                      .replace(QLatin1Char('/'), separator);
}

QString packageCommand(const QString &strApplicationDir, const QString &strProperties,
                       const QString &strFeatures, QChar separator)
{
    QString strCommand = QLatin1Char('"') + packageProgramPath(strApplicationDir, separator)
            + QLatin1Char('"');
    strCommand += QStringLiteral(" /S /v\"QTLAUNCH=1 QTPATH=");
    strCommand += QLatin1Char('"') + strApplicationDir + QStringLiteral("\" ");
    strCommand += strProperties;
    if (!strFeatures.isEmpty())
        strCommand += strFeatures + QLatin1Char(' ');
    strCommand += QStringLiteral("/qr\" /clone_wait");
    return strCommand;
}

} // namespace commandline
