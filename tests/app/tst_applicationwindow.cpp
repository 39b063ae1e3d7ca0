#include "app/cnapplicationwindow.h"
#include "app/qmltypes.h"

#include <QQuickItem>
#include <QScreen>
#include <QtQml>
#include <QtTest>

class TestApplicationWindow : public QObject
{
    Q_OBJECT

private slots:
    void showingMeasuresTheDpiOnce();
    void highDpiMonitorGivesItsScale();
    void writingTheSameDpiChangesNothing();
    void qmlSeesTheTypeUnderItsModule();
};

void TestApplicationWindow::showingMeasuresTheDpiOnce()
{
    CNApplicationWindow window;
    QCOMPARE(window.dpi(), 1.0);
    QSignalSpy spy(&window, &CNApplicationWindow::dpiChanged);
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Emitted once, also when the value stays what it was.
    QCOMPARE(spy.count(), 1);
    QScreen *screen = window.screen();
    QCOMPARE(window.dpi(),
             qRound(screen->logicalDotsPerInchX() * screen->devicePixelRatio()) / 96.0);
}

// The scale factor is fixed when the application starts, so this runs in a child process.
void TestApplicationWindow::highDpiMonitorGivesItsScale()
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_SCALE_FACTOR", "1.5");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--print-dpi"});
    QVERIFY(child.waitForFinished(20000));
    const QList<QByteArray> reply = child.readAllStandardOutput().trimmed().split(' ');
    QCOMPARE(reply.size(), 2);
    // The monitor's DPI is half as high again as the unscaled one.
    CNApplicationWindow unscaled;
    unscaled.show();
    QVERIFY(QTest::qWaitForWindowExposed(&unscaled));
    QCOMPARE(reply[0].toDouble(), qRound(unscaled.dpi() * 96 * 1.5) / 96.0);
    QCOMPARE(reply[1], QByteArray("1"));
}

void TestApplicationWindow::writingTheSameDpiChangesNothing()
{
    CNApplicationWindow window;
    QSignalSpy spy(&window, &CNApplicationWindow::dpiChanged);
    window.setProperty("dpi", 1.0);
    QCOMPARE(spy.count(), 0);
    window.setProperty("dpi", 1.25);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(window.property("dpi").toDouble(), 1.25);
}

void TestApplicationWindow::qmlSeesTheTypeUnderItsModule()
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(R"(
        import QtQuick 2.12
        import QtQuick.Controls 2.9
        import CNQml 1.0
        ApplicationWindow {
            property int screenWidth: getScreenWidth()
            property int screenHeight: getScreenHeight()
            property double scale: dpi
            width: 100; height: 80
            Item { objectName: "child" }
        })",
                      QUrl());
    QScopedPointer<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    CNApplicationWindow *window = qobject_cast<CNApplicationWindow *>(object.data());
    QVERIFY(window);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(object->property("screenWidth").toInt(), available.width());
    QCOMPARE(object->property("screenHeight").toInt(), available.height());
    QCOMPARE(object->property("scale").toDouble(), 1.0);
    QVERIFY(window->findChild<QObject *>("child"));
    QCursor::setPos(12, 34);
    QCOMPARE(window->getMouseX(), QCursor::pos().x());
    QCOMPARE(window->getMouseY(), QCursor::pos().y());
}

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication application(argc, argv);
    registerQmlTypes();
    if (argc > 1 && qstrcmp(argv[1], "--print-dpi") == 0) {
        CNApplicationWindow window;
        int iChanges = 0;
        QObject::connect(&window, &CNApplicationWindow::dpiChanged, [&iChanges] { ++iChanges; });
        window.resize(200, 100);
        window.show();
        QTest::qWaitForWindowExposed(&window);
        QTextStream(stdout) << window.dpi() << ' ' << iChanges << Qt::endl;
        return 0;
    }
    TestApplicationWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_applicationwindow.moc"
