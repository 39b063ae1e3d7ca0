#ifndef UNATTENDEDOPTIONS_H
#define UNATTENDEDOPTIONS_H

#include <QString>
#include <QStringList>

// The build defines the project's version; a bare compile has none.
#ifndef PROGRAM_VERSION
#define PROGRAM_VERSION "unknown"
#endif

// The command line of the unattended mode: Windows-style options, case-insensitive, after the
// mode arguments ("smartInstaller", "/U" and the product code) as the engine reads them.
namespace unattended {

enum class Action { Window, Help, Quiet, List };

struct Options
{
    Action action = Action::Window;
    bool bSmartInstaller = false;
    bool bUninstall = false;
    QString strProductCode;
    bool bNoRestart = false;
    bool bDriversGiven = false;
    QStringList lstFeatures; // in the catalog's spelling, without "/SET"
    QString strReportPath;
    QString strError; // what is wrong with the command line; empty when nothing
};

// Whether any argument is one of the unattended options; without one the window runs as ever.
bool isRequested(const QStringList &lstArguments);

// Reads the arguments after the program path.
Options parse(const QStringList &lstArguments);

// The text "/?" prints.
QString usage();

} // namespace unattended

#endif // UNATTENDEDOPTIONS_H
