#ifndef PAGEFIXTURE_H
#define PAGEFIXTURE_H

#include "app/qmlinterface.h"
#include "app/utility.h"
#include "engine/drivers.h"
#include "feed/imagesettings.h"
#include "feedserver.h"
#include "standinmachine.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

// What a page test sets up before the main window is loaded.
struct PageSetup
{
    // The command line after the program path.
    QStringList lstArguments;
    // The demo machine's devices, or none.
    bool bDevices = true;
    // How many of the demo machine's devices detection sees (its Plug and Play entities, the
    // first ones only); all when negative.
    int iDevices = -1;
    // How the stand-in package programs end a run.
    QJsonObject package {{"result", 0}, {"rebootStatus", "NO"}, {"seconds", 0}};
    // For uninstall mode: the installed package's features ("Drivers,PCI,...").
    QString strDeployedFeatures;
    // The package description beside the program; the stand-in package's when empty.
    QByteArray infoXml;
    // Whether the package's setup program is beside the program.
    bool bSetupProgram = true;
    // Files put on the stand-in machine's drive before start-up, by path below it (a file
    // where the program needs a folder).
    QStringList lstDriveFiles;
    // How many of the package's default images lie beside the program.
    int iDefaultImages = 0;
    // The feed's entries ("ImgName", "ImgTitle", ...); when there are any, the machine is
    // online and a feed server on 127.0.0.1 serves them, an image for each name.
    QJsonArray feedEntries;
};

// The product code of the stand-in package.
extern const QString c_strProductCode;

// A page window loaded from the resources on a fresh stand-in machine, with the real bridge
// over a real engine. Qt.quit() is recorded by quitSpy instead of ending the test.
class PageFixture
{
public:
    // The main window, its engine and bridge made by the setup.
    explicit PageFixture(const PageSetup &setup);
    // The loading page: no bridge exists.
    PageFixture();
    ~PageFixture();

    QQuickWindow *window() const { return m_pWindow; }
    StandInMachine &machine() { return m_machine; }
    QmlInterface *bridge() const { return m_pBridge.get(); }
    // The feed server of a setup with feed entries, or none. It records what it was asked for.
    FeedServer *feedServer() const { return m_pFeedServer.get(); }
    // Whether the engine's row of the offered driver at that position is checked.
    bool engineChecked(int iIndex) const;
    QSignalSpy &quitSpy() { return *m_pQuitSpy; }
    // False when the page did not load; errors() then says why.
    bool loaded() const { return m_pWindow; }
    QString errors() const { return m_strErrors; }

    // The item of that objectName; a failed test when there is none.
    QQuickItem *item(const QString &strName) const;
    bool isVisible(const QString &strName) const;
    QString text(const QString &strName) const;

    // Shows the window and waits until it is exposed.
    bool show();
    // A left click in the middle of the item.
    void click(const QString &strName) const;
    // The item's accessible press action, as a screen reader presses it.
    bool pressAccessibly(const QString &strName) const;

    // Starts the run as the install page does in normal mode.
    void clickInstall() const { click(QStringLiteral("installButton")); }

private:
    void load(const QString &strUrl);

    StandInMachine m_machine;
    QTemporaryDir m_package;
    std::unique_ptr<FeedServer> m_pFeedServer;
    std::unique_ptr<Drivers> m_pDrivers;
    std::unique_ptr<ImageSettings> m_pImages;
    std::unique_ptr<Utility> m_pUtility;
    std::unique_ptr<QmlInterface> m_pBridge;
    std::unique_ptr<QQmlEngine> m_pEngine;
    std::unique_ptr<QSignalSpy> m_pQuitSpy;
    QQuickWindow *m_pWindow = nullptr;
    QString m_strErrors;
};

// The item of that objectName in the visual tree below the root (items a Repeater makes have
// no object parent), or none.
QQuickItem *findItemBelow(QQuickItem *pRoot, const QString &strName);

// The visible texts of the window that a screen reader cannot read as they are shown, each
// with what is wrong with it; empty when every text is readable.
QString unreadableTexts(QQuickWindow *window);

// Sets up the application as the program's main does, then runs the test object.
int runPageTest(QObject *pTest, int argc, char *argv[]);

#define PAGE_TEST_MAIN(TestClass) \
    int main(int argc, char *argv[]) \
    { \
        TestClass test; \
        return runPageTest(&test, argc, argv); \
    }

#endif // PAGEFIXTURE_H
