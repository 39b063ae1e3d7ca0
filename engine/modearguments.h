#ifndef MODEARGUMENTS_H
#define MODEARGUMENTS_H

#include <QString>
#include <QStringList>

// The mode arguments of the command line: "smartInstaller", which makes the program the child
// of a parent installer, and "/U" followed by the installed package's product code, which
// selects uninstall mode. The window flow and the engine read them by different rules; both
// rules are here.
struct ModeArguments
{
    bool bSmartInstaller = false;
    bool bUninstall = false;
    QString strProductCode; // the argument after "/U"; empty when there is none
    // The arguments the reading did not take, in their order.
    QStringList lstOthers;

    // The engine's reading of the arguments after the program path: "smartInstaller" in any
    // case anywhere sets the flag, and the first such argument is taken; then "/U", exactly,
    // as the first argument left selects uninstall mode and takes the argument after it as the
    // product code.
    static ModeArguments read(const QStringList &lstArguments);

    // The window flow's reading: smart-installer mode only when the first argument after the
    // program path is exactly "smartInstaller".
    static bool windowSelectsSmartInstaller(const QStringList &lstArguments);

    // Whether the argument is "smartInstaller" as the engine reads it, in any case.
    static bool isSmartInstaller(const QString &strArgument);

    // The words as they are written.
    static const QLatin1String c_smartInstaller;
    static const QLatin1String c_uninstall;
};

#endif // MODEARGUMENTS_H
