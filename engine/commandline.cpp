#include "engine/commandline.h"

#include "platform/localfile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace commandline {

namespace {

// A Windows Installer property value in double quotes; a quote inside is doubled.
QString quotedPropertyValue(const QString &strValue)
{
    return QLatin1Char('"') + QString(strValue).replace(QLatin1Char('"'), QStringLiteral("\"\""))
            + QLatin1Char('"');
}

// The text in double quotes by the rules Windows programs split their command line with: a quote
// inside is preceded by a backslash, and the backslashes before a quote are doubled.
QString quotedArgumentText(const QString &strText)
{
    QString strQuoted = QStringLiteral("\"");
    int iBackslashes = 0;
    for (const QChar ch : strText) {
        if (ch == QLatin1Char('\\')) {
            ++iBackslashes;
            continue;
        }
        // Backslashes stand as they are unless a quote follows them.
        strQuoted += QString(ch == QLatin1Char('"') ? iBackslashes * 2 + 1 : iBackslashes,
                             QLatin1Char('\\'));
        strQuoted += ch;
        iBackslashes = 0;
    }
    return strQuoted + QString(iBackslashes * 2, QLatin1Char('\\')) + QLatin1Char('"');
}

} // namespace

QString Command::commandLine() const
{
    return QLatin1Char('"') + strProgram + QStringLiteral("\" ") + strNativeArguments;
}

namespace {
const QString c_strLogFolderBelowDrive = QStringLiteral("/Zorva/Chipset_Driver_Installer/Logs");
}

QString logFolder(const QString &strSystemDrive)
{
    return strSystemDrive + c_strLogFolderBelowDrive;
}

bool makeLogFolder(const QString &strLogFolder, const QString &strLogFile)
{
    QString strFolder = QDir::fromNativeSeparators(strLogFolder);
    QString strBase = strFolder.endsWith(c_strLogFolderBelowDrive, Qt::CaseInsensitive)
            ? strFolder.left(strFolder.size() - c_strLogFolderBelowDrive.size())
            : QFileInfo(strFolder).path();
    return platform::makeOwnFolder(strBase, strFolder.mid(strBase.size()))
            && (strLogFile.isEmpty()
                || platform::removeLink(QDir::fromNativeSeparators(strLogFile)));
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

QString nativeArgument(const QString &strArgument)
{
    const bool bPlain = !strArgument.isEmpty()
            && std::none_of(strArgument.begin(), strArgument.end(), [](QChar ch) {
                   return ch == QLatin1Char(' ') || ch == QLatin1Char('\t')
                           || ch == QLatin1Char('"');
               });
    return bPlain ? strArgument : quotedArgumentText(strArgument);
}

Command msiExecCommand(const QString &strSystemDrive, const QStringList &lstArguments)
{
    Command command;
    command.strProgram = msiExecPath(strSystemDrive);
    command.lstArguments = lstArguments;
    QStringList lstNative;
    for (const QString &strArgument : lstArguments)
        lstNative.append(nativeArgument(strArgument));
    command.strNativeArguments = lstNative.join(QLatin1Char(' '));
    return command;
}

QString installerText(const QString &strApplicationDir, const QString &strProperties,
                      const QString &strFeatures, const InstallerUi &ui)
{
    QString strText = QStringLiteral("QTLAUNCH=1 QTPATH=") + quotedPropertyValue(strApplicationDir)
            + QLatin1Char(' ') + strProperties;
    if (!strFeatures.isEmpty())
        strText += strFeatures + QLatin1Char(' ');
    if (ui.bSuppressRestart)
        strText += QStringLiteral("REBOOT=ReallySuppress ");
    return strText + (ui.bSilent ? QStringLiteral("/qn") : QStringLiteral("/qr"));
}

Command packageCommand(const QString &strApplicationDir, const QString &strProperties,
                       const QString &strFeatures, QChar separator, const InstallerUi &ui)
{
    const QString strText = installerText(strApplicationDir, strProperties, strFeatures, ui);
    Command command;
    command.strProgram = packageProgramPath(strApplicationDir, separator);
    command.lstArguments = QStringList {QStringLiteral("/S"), QStringLiteral("/v") + strText,
                                        QStringLiteral("/clone_wait")};
    command.strNativeArguments = QStringLiteral("/S /v") + quotedArgumentText(strText)
            + QStringLiteral(" /clone_wait");
    return command;
}

} // namespace commandline
