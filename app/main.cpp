#include "app/passiverun.h"
#include "app/qmltypes.h"
#include "app/rootwindow.h"
#include "app/scenegraph.h"
#include "app/uilanguage.h"
#include "app/unattended.h"
#include "platform/display.h"

#include <QApplication>

#include <memory>

namespace {

// The window of the pages; with /passive it runs the unattended install by itself.
int runWindow(int argc, char *argv[], bool bPassive)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    // The monitor's own factor, as Windows scales (1.25 at 120 DPI, 1.5 at 144): rounded to a
    // whole number, 144 DPI would draw the window twice its size.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
            Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    uilanguage::install();
    scenegraph::chooseRenderer();
    registerQmlTypes();
    std::unique_ptr<PassiveRun> pPassiveRun;
    if (bPassive) {
        pPassiveRun = std::make_unique<PassiveRun>(
                unattended::parse(QCoreApplication::arguments().mid(1)));
        if (const int iEnd = pPassiveRun->checkBeforeStart(); iEnd != unattended::Run::c_iGoOn)
            return iEnd;
    }
    RootWindow *pRootWindow = RootWindow::instance();
    if (pRootWindow)
        pRootWindow->loadLoader(pPassiveRun.get());
    return application.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList lstArguments;
    for (int i = 1; i < argc; ++i)
        lstArguments.append(QString::fromLocal8Bit(argv[i]));
    const unattended::Options options = unattended::parse(lstArguments);
    if (options.strError.isEmpty()) {
        if (options.action == unattended::Action::Window)
            return runWindow(argc, argv, false);
        if (options.action == unattended::Action::Passive && platform::displayAvailable())
            return runWindow(argc, argv, true);
    }

    // The unattended modes need no display: they run on a core application alone. Their
    // messages, report and logs are read by machines and stay English: no translation is
    // installed.
#ifdef Q_OS_WIN
    // ActiveQt's script engines, which detection runs on, need a widget application; it
    // shows no window. Without one the program crashes at the first script.
    QApplication application(argc, argv);
#else
    QCoreApplication application(argc, argv);
#endif
    // What is written for a person at a command prompt reaches its console.
    if (!options.strError.isEmpty() || options.action == unattended::Action::Help
        || (options.action == unattended::Action::List && options.strReportPath.isEmpty()))
        platform::attachParentConsole();
    return unattended::run(unattended::parse(QCoreApplication::arguments().mid(1)));
}
