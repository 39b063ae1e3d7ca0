// Sets up the engine in smart-installer mode with nothing detected. The engine ends the
// process itself with exit code 0; returning here means it did not.
#include "enginetestsupport.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    ScriptReply reply(QString {});
    TestDrivers drivers({QStringLiteral("smartInstaller")}, application.applicationDirPath());
    return 3;
}
