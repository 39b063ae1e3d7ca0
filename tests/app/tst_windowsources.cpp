// Every source of the program compiles for Windows: each .cpp (the _win.cpp variants instead of
// the _portable.cpp ones) is checked by the 32-bit MinGW compiler against the real Win32 and
// Qt declarations.
#include <QtTest>

class TestWindowsSources : public QObject
{
    Q_OBJECT

private slots:
    void everySourceCompiles_data();
    void everySourceCompiles();
    void resourceScriptCompiles();
};

void TestWindowsSources::everySourceCompiles_data()
{
    QTest::addColumn<QString>("source");
    if (QStandardPaths::findExecutable(MINGW_COMPILER).isEmpty())
        QSKIP("no MinGW compiler");
    for (const QString folder : {"app", "engine", "feed", "parentchannel", "platform",
                                 "platform/win32", "platform/scripthost", "vbscript"}) {
        QDirIterator it(QStringLiteral(SOURCE_DIR "/") + folder, {"*.cpp"}, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.endsWith("_portable.cpp"))
                continue;
            QTest::newRow(qPrintable(QDir(SOURCE_DIR).relativeFilePath(path))) << path;
        }
    }
}

void TestWindowsSources::everySourceCompiles()
{
    QFETCH(QString, source);
    const QString qt = QStringLiteral(QT_INCLUDE_DIR).split(';').first();
    QStringList arguments
            = {"-std=c++17", "-fsyntax-only", "-Wno-attributes", "-I" SOURCE_DIR, "-I" + qt};
    for (const QString module :
         {"QtCore", "QtGui", "QtWidgets", "QtQml", "QtQuick", "QtNetwork", "QtXml"})
        arguments << "-I" + qt + "/" + module;
    if (QFileInfo::exists(SOURCE_DIR "/platform/activeqt"))
        arguments << "-I" SOURCE_DIR "/platform/activeqt";
    arguments << source;
    QProcess compiler;
    compiler.setProcessChannelMode(QProcess::MergedChannels);
    compiler.start(MINGW_COMPILER, arguments);
    QVERIFY(compiler.waitForFinished(120000));
    const QByteArray output = compiler.readAll();
    QVERIFY2(compiler.exitCode() == 0, output.left(4000).constData());
}

// The icon and the manifest that asks for administrator rights.
void TestWindowsSources::resourceScriptCompiles()
{
    const QString windres = QStringLiteral("i686-w64-mingw32-windres");
    if (QStandardPaths::findExecutable(windres).isEmpty())
        QSKIP("no MinGW resource compiler");
    QTemporaryDir output;
    QProcess compiler;
    compiler.setProcessChannelMode(QProcess::MergedChannels);
    compiler.setWorkingDirectory(SOURCE_DIR "/app");
    compiler.start(windres,
                   {"ChipsetInstaller.rc", "-O", "coff", "-o", output.filePath("program.res")});
    QVERIFY(compiler.waitForFinished(60000));
    QVERIFY2(compiler.exitCode() == 0, compiler.readAll().constData());
    QFile resource(output.filePath("program.res"));
    QVERIFY(resource.open(QIODevice::ReadOnly));
    QVERIFY(resource.readAll().contains("requireAdministrator"));
}

QTEST_GUILESS_MAIN(TestWindowsSources)
#include "tst_windowsources.moc"
