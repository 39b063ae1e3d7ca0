// The mode arguments as the window flow and the engine read them.
#include "engine/modearguments.h"

#include <QtTest>

class TestModeArguments : public QObject
{
    Q_OBJECT

private slots:
    void readings_data();
    void readings();
};

void TestModeArguments::readings_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("window"); // the window flow's smart-installer mode
    QTest::addColumn<bool>("smart");
    QTest::addColumn<bool>("uninstall");
    QTest::addColumn<QString>("productCode");
    QTest::addColumn<QStringList>("others");
    const QStringList none;
    QTest::newRow("none") << none << false << false << false << "" << none;
    QTest::newRow("smart first") << QStringList {"smartInstaller"} << true << true << false << ""
                                 << none;
    QTest::newRow("smart before uninstall")
            << QStringList {"smartInstaller", "/U", "{B}"} << true << true << true << "{B}" << none;
    QTest::newRow("smart after uninstall") << QStringList {"/U", "{A}", "smartInstaller"} << false
                                           << true << true << "{A}" << none;
    // Another case is the engine's smart-installer mode, and goes, but not the window's.
    QTest::newRow("other case") << QStringList {"SmartInstaller"} << false << true << false << ""
                                << none;
    QTest::newRow("lower case before uninstall") << QStringList {"smartinstaller", "/U", "{A}"}
                                                 << false << true << true << "{A}" << none;
    QTest::newRow("only the first goes")
            << QStringList {"smartInstaller", "SMARTINSTALLER", "/U", "{A}"} << true << true
            << false << "" << QStringList {"SMARTINSTALLER", "/U", "{A}"};
    QTest::newRow("with a blank") << QStringList {"smartInstaller "} << false << false << false
                                  << "" << QStringList {"smartInstaller "};
    QTest::newRow("empty argument")
            << QStringList {""} << false << false << false << "" << QStringList {""};
    // "/U" is exact and first.
    QTest::newRow("lower-case /u") << QStringList {"/u", "{A}"} << false << false << false << ""
                                   << QStringList {"/u", "{A}"};
    QTest::newRow("/U second") << QStringList {"/x", "/U", "{A}"} << false << false << false << ""
                               << QStringList {"/x", "/U", "{A}"};
    QTest::newRow("/U without code") << QStringList {"/U"} << false << false << true << "" << none;
    QTest::newRow("options after the code")
            << QStringList {"/U", "{A}", "/quiet", "/list"} << false << false << true << "{A}"
            << QStringList {"/quiet", "/list"};
}

void TestModeArguments::readings()
{
    QFETCH(QStringList, arguments);
    QTEST(ModeArguments::windowSelectsSmartInstaller(arguments), "window");
    const ModeArguments mode = ModeArguments::read(arguments);
    QTEST(mode.bSmartInstaller, "smart");
    QTEST(mode.bUninstall, "uninstall");
    QTEST(mode.strProductCode, "productCode");
    QTEST(mode.lstOthers, "others");
}

QTEST_APPLESS_MAIN(TestModeArguments)
#include "tst_modearguments.moc"
