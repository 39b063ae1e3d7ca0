#include "app/qmltypes.h"
#include "app/rootwindow.h"
#include "app/scenegraph.h"
#include "app/uilanguage.h"
#include "app/unattended.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The unattended mode needs no display: it runs on a core application alone. Its messages,
    // report and logs are read by machines and stay English: no translation is installed.
    QStringList lstArguments;
    for (int i = 1; i < argc; ++i)
        lstArguments.append(QString::fromLocal8Bit(argv[i]));
    if (unattended::isRequested(lstArguments)) {
#ifdef Q_OS_WIN
        // ActiveQt's script engines, which detection runs on, need a widget application; it
        // shows no window. Without one the program crashes at the first script.
        QApplication application(argc, argv);
#else
        QCoreApplication application(argc, argv);
#endif
        return unattended::run(unattended::parse(QCoreApplication::arguments().mid(1)));
    }

    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    // The monitor's own factor, as Windows scales (1.25 at 120 DPI, 1.5 at 144): rounded to a
    // whole number, 144 DPI would draw the window twice its size.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
            Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    uilanguage::install();
    scenegraph::chooseRenderer();
    registerQmlTypes();
    RootWindow *pRootWindow = RootWindow::instance();
    if (pRootWindow)
        pRootWindow->loadLoader();
    return application.exec();
}
