// The package description: its three lists and the filter of the other Windows generation.
#include "enginetestsupport.h"

#include <QtTest>

class PackageDescriptionTest : public QObject
{
    Q_OBJECT

private slots:
    void windows7_data();
    void windows7();
    void generationFilter_data();
    void generationFilter();
    void duplicateNames_data();
    void duplicateNames();
    void nestedElements();
    void badFiles_data();
    void badFiles();
    void hostileFiles_data();
    void hostileFiles();
    void shippedDescription();
};

namespace {
// The lists after reading strInfo on a machine of the product version.
struct Lists
{
    QVector<QString> versions, os, installers;
};

Lists readOn(const QString &strProductVersion, const QByteArray &info, bool bWriteInfo = true)
{
    StandInMachine machine;
    machine.writeDescription(describeMachine(strProductVersion));
    PackageLayout layout;
    if (bWriteInfo)
        layout.writeInfo(info);
    TestDrivers drivers({QStringLiteral("/U"), QStringLiteral("{code}")}, layout.bin());
    return {drivers.vecVersions, drivers.vecOS, drivers.vecInstallers};
}

const QByteArray c_twoGenerations = packageDescription(
        product("p7", "7.0", "Windows 7", "Seven") + product("p10", "10.0", "Windows 10", "Ten")
        + product("p81", "8.1", "Windows 8.1", "EightOne")
        + product("pl", "0.1", "windows 10", "Lower")
        + product("pb", "0.2", "Windows 7 and Windows 10", "Both"));
} // namespace

void PackageDescriptionTest::windows7_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("seven");
    QTest::newRow("7") << "7" << true;
    QTest::newRow("7sp1") << "7sp1" << true;
    QTest::newRow("7SP1") << "7SP1" << true;
    QTest::newRow("vista") << "Vista" << true;
    QTest::newRow("8.1") << "8.1" << false;
    QTest::newRow("10") << "10" << false;
    QTest::newRow("17") << "17" << false;
}

void PackageDescriptionTest::windows7()
{
    QFETCH(QString, version);
    StandInMachine machine;
    machine.writeDescription(describeMachine(version));
    PackageLayout layout;
    TestDrivers drivers({QStringLiteral("/U"), QStringLiteral("{code}")}, layout.bin());
    QTEST(drivers.isItWindows7(), "seven");
}

void PackageDescriptionTest::generationFilter_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QVector<QString>>("installers");
    QTest::addColumn<QVector<QString>>("versions");
    QTest::newRow("7sp1") << "7sp1" << QVector<QString> {"Seven", "EightOne", "Lower"}
                          << QVector<QString> {"7.0", "8.1", "0.1"};
    QTest::newRow("10") << "10" << QVector<QString> {"Ten", "EightOne", "Lower"}
                        << QVector<QString> {"10.0", "8.1", "0.1"};
    QTest::newRow("8.1") << "8.1" << QVector<QString> {"Ten", "EightOne", "Lower"}
                         << QVector<QString> {"10.0", "8.1", "0.1"};
}

void PackageDescriptionTest::generationFilter()
{
    QFETCH(QString, version);
    QFETCH(QVector<QString>, installers);
    QFETCH(QVector<QString>, versions);
    const Lists lists = readOn(version, c_twoGenerations);
    QCOMPARE(lists.installers, installers);
    QCOMPARE(lists.versions, versions);
    QCOMPARE(lists.os.size(), installers.size());
}

void PackageDescriptionTest::duplicateNames_data()
{
    QTest::addColumn<QByteArray>("info");
    QTest::addColumn<QVector<QString>>("versions");
    // On Windows 10 only the first entry of a name is looked at.
    QTest::newRow("own generation first") << packageDescription(
            product("a", "10.1", "Windows 10", "Same") + product("a", "7.1", "Windows 7", "Same"))
                                          << QVector<QString> {"10.1", "7.1"};
    QTest::newRow("other generation first") << packageDescription(
            product("a", "7.1", "Windows 7", "Same") + product("a", "10.1", "Windows 10", "Same"))
                                            << QVector<QString> {"10.1"};
}

void PackageDescriptionTest::duplicateNames()
{
    QFETCH(QByteArray, info);
    QTEST(readOn(QStringLiteral("10"), info).versions, "versions");
}

void PackageDescriptionTest::nestedElements()
{
    StandInMachine machine;
    PackageLayout layout;
    TestDrivers drivers({QStringLiteral("/U"), QStringLiteral("{code}")}, layout.bin());
    QDomDocument document;
    QVERIFY(document.setContent(QByteArray(
            "<r><Version>1</Version><g><h><Version>2<b>x</b></Version></h></g><Version/></r>")));
    QCOMPARE(drivers.traverse(document.documentElement(), QStringLiteral("Version")),
             (QVector<QString> {"1", "2x", ""}));
    QCOMPARE(drivers.traverse(QDomElement(), QStringLiteral("Version")), QVector<QString>());
}

void PackageDescriptionTest::badFiles_data()
{
    QTest::addColumn<QByteArray>("info");
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("installers");
    QTest::addColumn<int>("versions");
    QTest::newRow("missing") << QByteArray() << false << 0 << 0;
    QTest::newRow("empty") << QByteArray() << true << 0 << 0;
    QTest::newRow("malformed") << QByteArray("<Package><Product><Version>1</Ver") << true << 0 << 0;
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe<\x01", 5) << true << 0 << 0;
    // A product without OS or Installer reads them as empty texts.
    QTest::newRow("fewer texts") << QByteArray(
            "<P><Product><Version>1</Version></Product>"
            "<Product><Version>2</Version><OS>Windows 7</OS></Product></P>")
                                 << true << 1 << 1;
}

void PackageDescriptionTest::badFiles()
{
    QFETCH(QByteArray, info);
    QFETCH(bool, write);
    const Lists lists = readOn(QStringLiteral("10"), info, write);
    QTEST(int(lists.installers.size()), "installers");
    QTEST(int(lists.versions.size()), "versions");
}

namespace {
// One product whose Version lies iDepth levels deep, counting the document element as 1.
QByteArray nestedDescription(int iDepth)
{
    const int iWrappers = iDepth - 3; // the document element, Product and Version
    return "<Package>" + QByteArray("<w>").repeated(iWrappers)
            + product("p", "1.0", "Windows 10", "Ten") + QByteArray("</w>").repeated(iWrappers)
            + "</Package>";
}

// One product with the version text, after the document type declaration.
QByteArray withDoctype(const QByteArray &doctype, const QString &strVersion)
{
    return doctype + "<Package>" + product("p", strVersion, "Windows 10", "Ten") + "</Package>";
}
} // namespace

void PackageDescriptionTest::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("info");
    QTest::addColumn<int>("versions");
    QTest::newRow("256 levels") << nestedDescription(256) << 1;
    QTest::newRow("257 levels") << nestedDescription(257) << 0;
    QTest::newRow("25,000 levels") << nestedDescription(25000) << 0;
    QTest::newRow("entity") << withDoctype("<!DOCTYPE Package [<!ENTITY v \"1.0\">]>", "&v;") << 0;
    QTest::newRow("parameter entity")
            << withDoctype("<!DOCTYPE Package [<!ENTITY % p \"\">]>", "1.0") << 0;
    QTest::newRow("undeclared entity") << withDoctype("", "&v;") << 0;
    QTest::newRow("doctype without entities")
            << withDoctype("<!DOCTYPE Package [<!ELEMENT Package ANY>]>", "1.0") << 1;
    const QByteArray description = packageDescription(product("p", "1.0", "Windows 10", "Ten"));
    const auto padded = [&description](int iSize) {
        return description + "<!--" + QByteArray(iSize - description.size() - 7, 'x') + "-->";
    };
    QTest::newRow("16 MiB") << padded(16 * 1024 * 1024) << 1;
    QTest::newRow("larger than 16 MiB") << padded(16 * 1024 * 1024 + 1) << 0;
}

void PackageDescriptionTest::hostileFiles()
{
    QFETCH(QByteArray, info);
    const Lists lists = readOn(QStringLiteral("10"), info);
    QTEST(int(lists.versions.size()), "versions");
    QCOMPARE(lists.installers.size(), lists.versions.size());
}

void PackageDescriptionTest::shippedDescription()
{
    // The package's own file describes every detectable driver for both generations.
    StandInMachine machine;
    PackageLayout layout;
    QVERIFY(layout.addPackage());
    for (const QString &strVersion : {QStringLiteral("7sp1"), QStringLiteral("10")}) {
        machine.writeDescription(describeMachine(strVersion));
        ScriptReply reply(QStringLiteral(
                " /SETQW4ACPI /SETQUILLPPKG /SETSMBUS /SETUSBCNTRL /SETUSBCNTRL_CW /SETUSB31"
                " /SETPCI /SETI2C /SETUART /SETGPIO2 /SETGPIO3 /SETSQP /SETIOV_WT /SETSRHI2C"
                " /SETVK_RAID /SETVK_WARDEN /SETSRHDRVR /SETSATA /SETUSBCNTRL_MW /SETFILTERUSB"
                " /SETCIR /SETSPI /SETEMBCXP /SETUPEP /SETXGBE"));
        TestDrivers drivers({}, layout.bin());
        QCOMPARE(drivers.getNumberOfDrivers(), 25);
        for (int i = 0; i < 25; ++i)
            QVERIFY2(!drivers.getVersion(i).isEmpty(), qPrintable(drivers.getName(i)));
        QVERIFY(drivers.vecOS.first().contains(strVersion == "10" ? "Windows 10" : "Windows 7"));
    }
}

QTEST_GUILESS_MAIN(PackageDescriptionTest)
#include "tst_packagedescription.moc"
