#include "engine/modearguments.h"

const QLatin1String ModeArguments::c_smartInstaller("smartInstaller");
const QLatin1String ModeArguments::c_uninstall("/U");

ModeArguments ModeArguments::read(const QStringList &lstArguments)
{
    ModeArguments mode;
    mode.lstOthers = lstArguments;
    for (int i = 0; i < mode.lstOthers.size(); ++i) {
        if (isSmartInstaller(mode.lstOthers.at(i))) {
            mode.bSmartInstaller = true;
            mode.lstOthers.removeAt(i);
            break;
        }
    }
    if (!mode.lstOthers.isEmpty() && mode.lstOthers.first() == c_uninstall) {
        mode.bUninstall = true;
        mode.strProductCode = mode.lstOthers.value(1);
        mode.lstOthers = mode.lstOthers.mid(2);
    }
    return mode;
}

bool ModeArguments::windowSelectsSmartInstaller(const QStringList &lstArguments)
{
    return !lstArguments.isEmpty() && lstArguments.first() == c_smartInstaller;
}

bool ModeArguments::isSmartInstaller(const QString &strArgument)
{
    return strArgument.compare(c_smartInstaller, Qt::CaseInsensitive) == 0;
}
