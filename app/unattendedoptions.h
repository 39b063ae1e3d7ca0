#ifndef UNATTENDEDOPTIONS_H
#define UNATTENDEDOPTIONS_H

#include <QString>
#include <QStringList>

// The build defines the project's version; a bare compile has none.
#ifndef PROGRAM_VERSION
#define PROGRAM_VERSION "unknown"
#endif

// The command line of the unattended modes: options in any case, led by "/", "-" or "--",
// after the mode arguments ("smartInstaller", "/U" and the product code) as the engine reads
// them.
namespace unattended {

enum class Action { Window, Help, Quiet, Passive, List };

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
    QString strLogPath;
    QString strError; // what is wrong with the command line; empty when nothing

    // Whether the run installs or removes without asking, with or without a window.
    bool isUnattendedRun() const { return action == Action::Quiet || action == Action::Passive; }
};

// Reads the arguments after the program path. The whole command line is read before an error is
// kept, so that the report and the log named anywhere on it receive the error. Without any
// option the action is Window, and a word led by "/" or "-" that is no option is an error in
// every action.
Options parse(const QStringList &lstArguments);

// The text "/?" prints.
QString usage();

} // namespace unattended

#endif // UNATTENDEDOPTIONS_H
