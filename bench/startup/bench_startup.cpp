// Time from process start to the first frame drawn of the first page (the loading page) and of
// the main window (on the demo machine, with the package description and default images beside
// the program), the processor time the process has spent by then (less disturbed by other work
// on the machine), and the resident memory once the main window has drawn its first frame, over
// repeated runs of the real start-up on the demo machine. Each run is paired with a bare Qt
// Quick program (one window, the loading page's backdrop and one text, the same toolkit and
// renderer): the page times are also given as ratios to its first frame, which a loaded
// machine slows alike. Prints the medians and the renderer Qt Quick used.
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise; the renderer is the program's own
// choice (the software one without a GPU) unless QT_QUICK_BACKEND names one. Configure with
// -DCOMPILE_QML=OFF for the times with QML parsed at run time. Under wine, the Windows build's
// "bench_startup --bare" beside the program is the baseline for the program's first frames
// sampled from the screen.
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
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
            Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    scenegraph::chooseRenderer();
    registerQmlTypes();
    RootWindow *pRootWindow = RootWindow::instance();
    QObject::connect(pRootWindow->engine(), &QQmlApplicationEngine::objectCreated,
                     [](QObject *object, const QUrl &url) {
                         QQuickWindow *window = qobject_cast<QQuickWindow *>(object);
                         if (!window)
                             return;
                         const bool bLoadingPage = url.path().endsWith("LoadingPage.qml");
                         // The first frame of each window: when the user sees it.
                         QObject::connect(
                                 window, &QQuickWindow::frameSwapped, window,
                                 [window, bLoadingPage] {
                                     static bool bLoadingShown = false;
                                     QTextStream out(stdout);
                                     if (bLoadingPage) {
                                         if (!bLoadingShown)
                                             out << "loading" << Qt::endl;
                                         bLoadingShown = true;
                                         return;
                                     }
                                     out << "main" << Qt::endl;
                                     out << "cpu " << std::clock() * 1000.0 / CLOCKS_PER_SEC
                                         << Qt::endl;
                                     out << "shows "
                                         << QQmlProperty::read(window, "g_iNoOfDrivers").toInt()
                                         << " drivers and "
                                         << QQmlProperty::read(window, "g_iNumOfImages").toInt()
                                         << " images" << Qt::endl;
                                     out << "rss " << residentKilobytes() << Qt::endl
                                         << "renderer " << rendererName(window) << Qt::endl;
                                     QTimer::singleShot(0, qApp, &QCoreApplication::quit);
                                 },
                                 Qt::QueuedConnection);
                     });
    pRootWindow->loadLoader();
    return application.exec();
}

// The bare program: what any Qt Quick window of this toolkit costs to its first frame.
int runBare(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
            Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    scenegraph::chooseRenderer();
    QQmlApplicationEngine engine;
    engine.loadData(R"(
        import QtQuick 2.12
        import QtQuick.Window 2.2
        Window {
            width: 795
            height: 520
            visible: true
            color: "#6b7062"
            title: "Zorva bare Qt Quick window"
            flags: Qt.FramelessWindowHint | Qt.Window
            Image { anchors.fill: parent; source: "qrc:/img/zorva.PNG" }
            Text { anchors.centerIn: parent; text: "Checking"; color: "white"; font.pixelSize: 28 }
        })");
    if (engine.rootObjects().isEmpty())
        return 1;
    QQuickWindow *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    QObject::connect(window, &QQuickWindow::frameSwapped, [] {
        QTextStream(stdout) << "frame" << Qt::endl;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    return application.exec();
}

// Starts this program with the argument and answers the lines it prints, each with the
// milliseconds from the start, until the line that ends a run.
QVector<QPair<QByteArray, double>> timedLines(const QProcessEnvironment &environment,
                                              const QString &strMode, const QByteArray &last)
{
    QVector<QPair<QByteArray, double>> lines;
    QProcess child;
    child.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {strMode});
    bool bDone = false;
    while (!bDone && child.waitForReadyRead(30000)) {
        while (child.canReadLine()) {
            const QByteArray line = child.readLine().trimmed();
            lines.append({line, timer.nsecsElapsed() / 1e6});
            bDone = bDone || line.startsWith(last);
        }
    }
    child.waitForFinished(10000);
    return lines;
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
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0)
        return runBare(argc, argv);

    QCoreApplication application(argc, argv);
    const int iRuns = argc > 1 ? qMax(1, atoi(argv[1])) : 15;
    QVector<double> bare;
    QVector<double> loading;
    QVector<double> main;
    QVector<double> loadingRatio;
    QVector<double> mainRatio;
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
        double dBare = 0;
        for (const auto &line : timedLines(environment, QStringLiteral("--bare"), "frame"))
            if (line.first == "frame")
                dBare = line.second;
        double dLoading = 0;
        double dMain = 0;
        for (const auto &line : timedLines(environment, QStringLiteral("--run"), "renderer ")) {
            if (line.first == "loading")
                dLoading = line.second;
            else if (line.first == "main")
                dMain = line.second;
            else if (line.first.startsWith("cpu "))
                processor.append(line.first.mid(4).toDouble());
            else if (line.first.startsWith("rss "))
                resident.append(line.first.mid(4).toDouble() / 1024);
            else if (line.first.startsWith("shows "))
                strShown = QString::fromLatin1(line.first.mid(6));
            else if (line.first.startsWith("renderer "))
                strRenderer = QString::fromLatin1(line.first.mid(9));
        }
        if (dBare <= 0 || dLoading <= 0 || dMain <= 0)
            continue;
        bare.append(dBare);
        loading.append(dLoading);
        main.append(dMain);
        loadingRatio.append(dLoading / dBare);
        mainRatio.append(dMain / dBare);
    }
    QTextStream out(stdout);
    out << "runs " << main.size() << " of " << iRuns << " (" << strRenderer
        << " renderer, the main window shows " << strShown << "), medians:" << Qt::endl
        << "  bare Qt Quick window, first frame " << median(bare) << " ms" << Qt::endl
        << "  loading page, first frame " << median(loading) << " ms = " << median(loadingRatio)
        << " x bare" << Qt::endl
        << "  main window, first frame " << median(main) << " ms = " << median(mainRatio)
        << " x bare (processor time by then " << median(processor) << " ms)" << Qt::endl
        << "  resident memory with the main window drawn " << median(resident) << " MiB"
        << Qt::endl;
    return 0;
}
