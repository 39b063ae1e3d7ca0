// Time from process start to the first visible page (the loading page) and to the main window,
// over repeated runs of the real start-up on the demo machine, offscreen. Prints the medians.
#include "app/cnapplicationwindow.h"
#include "app/rootwindow.h"
#include "standinmachine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTextStream>
#include <QtQml>

#include <algorithm>

namespace {

// One run in this process: reports each window as it becomes visible, then quits.
int runOnce(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication application(argc, argv);
    qmlRegisterType<CNApplicationWindow>("CNQml", 1, 0, "ApplicationWindow");
    RootWindow *pRootWindow = RootWindow::instance();
    QObject::connect(
            pRootWindow->engine(), &QQmlApplicationEngine::objectCreated,
            [](QObject *object, const QUrl &url) {
                QWindow *window = qobject_cast<QWindow *>(object);
                if (!window)
                    return;
                const bool bLoadingPage = url.path().endsWith("LoadingPage.qml");
                QObject::connect(window, &QWindow::visibleChanged, [bLoadingPage](bool bVisible) {
                    if (!bVisible)
                        return;
                    QTextStream(stdout) << (bLoadingPage ? "loading" : "main") << Qt::endl;
                    if (!bLoadingPage)
                        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
                });
            });
    pRootWindow->loadLoader();
    return application.exec();
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--run") == 0)
        return runOnce(argc, argv);

    QCoreApplication application(argc, argv);
    const int iRuns = argc > 1 ? qMax(1, atoi(argv[1])) : 15;
    QVector<double> loading;
    QVector<double> main;
    for (int i = 0; i < iRuns; ++i) {
        StandInMachine machine;
        QFile::copy(SOURCE_DIR "/package/machine.json", machine.descriptionPath());
        machine.writeHive("{}");
        QProcessEnvironment environment = machine.environment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("QT_QUICK_BACKEND", "software");
        QProcess child;
        child.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(), {"--run"});
        double dLoading = -1;
        double dMain = -1;
        while (dMain < 0 && child.waitForReadyRead(30000)) {
            while (child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (line == "loading")
                    dLoading = timer.nsecsElapsed() / 1e6;
                else if (line == "main")
                    dMain = timer.nsecsElapsed() / 1e6;
            }
        }
        child.waitForFinished(10000);
        if (dLoading >= 0)
            loading.append(dLoading);
        if (dMain >= 0)
            main.append(dMain);
    }
    QTextStream out(stdout);
    out << "runs " << iRuns << ": first visible page median " << median(loading)
        << " ms, main window median " << median(main) << " ms" << Qt::endl;
    return 0;
}
