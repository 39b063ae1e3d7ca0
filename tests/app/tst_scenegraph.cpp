// Qt Quick without a GPU: the program picks the software renderer by itself where no OpenGL
// context can be made, and a scene-graph failure does not end the process.
#include "app/scenegraph.h"
#include "parentprocess.h"

#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtTest>

class TestSceneGraph : public QObject
{
    Q_OBJECT

private slots:
    void withoutOpenGLTheSoftwareRendererIsChosen();
    void anExplicitRendererIsKept();
    void aFailingWindowDoesNotEndTheProcess();
    void theProgramRunsOffscreenWithoutABackendNamed();
};

namespace {
// Runs this test program with an argument in a child process, offscreen, with the renderer
// named by QT_QUICK_BACKEND when one is given. Answers what the child printed and its exit.
QByteArray runChild(const QString &strArgument, const QByteArray &backend = QByteArray(),
                    QByteArray *pErrors = nullptr)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QUICK_BACKEND"));
    if (!backend.isEmpty())
        environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QString::fromLatin1(backend));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {strArgument});
    if (!child.waitForFinished(30000))
        return "timeout";
    if (pErrors)
        *pErrors = child.readAllStandardError();
    return child.readAllStandardOutput().trimmed() + " exit "
            + QByteArray::number(child.exitStatus() == QProcess::NormalExit ? child.exitCode()
                                                                            : -1);
}
} // namespace

void TestSceneGraph::withoutOpenGLTheSoftwareRendererIsChosen()
{
    QCOMPARE(runChild("--choose"), QByteArray("software exit 0"));
}

void TestSceneGraph::anExplicitRendererIsKept()
{
    // Nothing is chosen over it: Qt Quick reads the variable itself.
    QCOMPARE(runChild("--choose", "openvg"), QByteArray("default exit 0"));
}

void TestSceneGraph::aFailingWindowDoesNotEndTheProcess()
{
    QByteArray errors;
    QCOMPARE(runChild("--fail-window", QByteArray(), &errors), QByteArray("survived exit 0"));
    QVERIFY2(errors.contains("Qt Quick cannot draw this window: Failed to create OpenGL context"),
             errors.constData());
}

// The real program offscreen, as a parent installer starts it: it used to end with an abort
// as soon as its window was shown. It draws with the software renderer, without errors.
void TestSceneGraph::theProgramRunsOffscreenWithoutABackendNamed()
{
    StandInMachine machine;
    QFile::copy(SOURCE_DIR "/package/machine.json", machine.descriptionPath());
    machine.writeHive("{}");
    qunsetenv("QT_QUICK_BACKEND");
    ParentProcess parent(machine);
    QVERIFY(parent.start({"--close-after", "500"}));
    QVERIFY2(parent.waitForLine("child exit"), qPrintable(parent.output()));
    QVERIFY2(parent.output().contains("close answered 0"), qPrintable(parent.output()));
    QVERIFY2(parent.output().contains("child exit 0"), qPrintable(parent.output()));
    QVERIFY2(!parent.output().contains("cannot draw"), qPrintable(parent.output()));
}

int main(int argc, char *argv[])
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "--choose") {
        QGuiApplication application(argc, argv);
        scenegraph::chooseRenderer();
        const QString strBackend = QQuickWindow::sceneGraphBackend();
        QTextStream(stdout) << (strBackend.isEmpty() ? QStringLiteral("default") : strBackend);
        return 0;
    }
    if (mode == "--fail-window") {
        // Qt Quick asks for OpenGL, which this machine cannot give.
        QGuiApplication application(argc, argv);
        QQuickWindow window;
        scenegraph::surviveErrors(&window);
        window.resize(100, 100);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window, 2000))
            return 1;
        QTest::qWait(200);
        QTextStream(stdout) << "survived";
        return 0;
    }
    QGuiApplication application(argc, argv);
    TestSceneGraph test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scenegraph.moc"
