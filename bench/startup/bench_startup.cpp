// Time from process start to the first visible page (the loading page) and to the main window
// (on the demo machine, with the package description and default images beside the program),
// the processor time the process has spent by then (less disturbed by other work on the
// machine), and the resident memory once the main window has drawn its first frame, over
// repeated runs of the real start-up on the demo machine. Prints the medians and the renderer
// Qt Quick used.
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise; the renderer is the program's own
// choice (the software one without a GPU) unless QT_QUICK_BACKEND names one. Configure with
// -DCOMPILE_QML=OFF for the times with QML parsed at run time.
#include "app/qmltypes.h"
#include "app/rootwindow.h"
#include "app/scenegraph.h"
#include "standinmachine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTextStream>
#include <QtQml>

#include <algorithm>
#include <ctime>

namespace {

// The resident set of this process in kB, from /proc.
qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

QString rendererName(QQuickWindow *window)
{
    switch (window->rendererInterface()->graphicsApi()) {
    case QSGRendererInterface::Software:
        return QStringLiteral("software");
    case QSGRendererInterface::OpenGL:
        return QStringLiteral("opengl");
    default:
        return QStringLiteral("other");
    }
}

// One run in this process, as main runs the program: reports each window as it becomes
// visible, then the memory after the main window's first frame, then quits.
int runOnce(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication application(argc, argv);
    scenegraph::chooseRenderer();
    registerQmlTypes();
    RootWindow *pRootWindow = RootWindow::instance();
    QObject::connect(
            pRootWindow->engine(), &QQmlApplicationEngine::objectCreated,
            [](QObject *object, const QUrl &url) {
                QQuickWindow *window = qobject_cast<QQuickWindow *>(object);
                if (!window)
                    return;
                const bool bLoadingPage = url.path().endsWith("LoadingPage.qml");
                QObject::connect(
                        window, &QWindow::visibleChanged, [window, bLoadingPage](bool bVisible) {
                            if (!bVisible)
                                return;
                            QTextStream out(stdout);
                            out << (bLoadingPage ? "loading" : "main") << Qt::endl;
                            if (bLoadingPage)
                                return;
                            out << "cpu " << std::clock() * 1000.0 / CLOCKS_PER_SEC << Qt::endl;
                            out << "shows " << QQmlProperty::read(window, "g_iNoOfDrivers").toInt()
                                << " drivers and "
                                << QQmlProperty::read(window, "g_iNumOfImages").toInt() << " images"
                                << Qt::endl;
                        });
                if (bLoadingPage)
                    return;
                QObject::connect(window, &QQuickWindow::frameSwapped, [window] {
                    QTextStream(stdout) << "rss " << residentKilobytes() << Qt::endl
                                        << "renderer " << rendererName(window) << Qt::endl;
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
    QVector<double> processor;
    QVector<double> resident;
    QString strRenderer;
    QString strShown;
    for (int i = 0; i < iRuns; ++i) {
        StandInMachine machine;
        QFile::copy(SOURCE_DIR "/package/machine.json", machine.descriptionPath());
        machine.writeHive("{}");
        QProcessEnvironment environment = machine.environment();
        if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess child;
        child.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(), {"--run"});
        bool bDone = false;
        while (!bDone && child.waitForReadyRead(30000)) {
            while (child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (line == "loading")
                    loading.append(timer.nsecsElapsed() / 1e6);
                else if (line == "main")
                    main.append(timer.nsecsElapsed() / 1e6);
                else if (line.startsWith("cpu "))
                    processor.append(line.mid(4).toDouble());
                else if (line.startsWith("rss "))
                    resident.append(line.mid(4).toDouble() / 1024);
                else if (line.startsWith("shows "))
                    strShown = QString::fromLatin1(line.mid(6));
                else if (line.startsWith("renderer "))
                    strRenderer = QString::fromLatin1(line.mid(9));
                bDone = line.startsWith("renderer ");
            }
        }
        child.waitForFinished(10000);
    }
    QTextStream out(stdout);
    out << "runs " << iRuns << " (" << strRenderer << " renderer, the main window shows "
        << strShown << "): first visible page median " << median(loading)
        << " ms, main window median " << median(main) << " ms (processor time by then "
        << median(processor) << " ms), resident memory with the main window drawn median "
        << median(resident) << " MiB" << Qt::endl;
    return 0;
}
