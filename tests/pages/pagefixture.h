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
#include <QSet>
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
// How long a page test waits for a run of the stand-in package to end.
constexpr int c_iRunTimeoutMs = 20000;

// A page window loaded from the resources on a fresh stand-in machine, with the real bridge
// over a real engine. Qt.quit() is recorded by quitSpy instead of ending the test.
class PageFixture
{
public:
    // The main window, its engine and bridge made by the setup.
    explicit PageFixture(const PageSetup &setup);
    // The loading page: no bridge exists.
    PageFixture();
    // Fails the test when the page wrote a QML warning or error.
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

    // Items are named by objectName, or by a path of objectNames when a name recurs in the
    // window: "uninstall/recDriversList" is the one below the uninstall page. Each name is
    // looked up below the item before it, the first in the whole window, and must name exactly
    // one item there; otherwise the test fails with that name, and the lookup answers an
    // empty, hidden stand-in so that the test goes on without a crash.
    QQuickItem *item(const QString &strPath) const { return item(root(), strPath); }
    // The same below an item the test holds (a tile, a carousel image).
    QQuickItem *item(QQuickItem *pScope, const QString &strPath) const;
    bool isVisible(const QString &strPath) const { return item(strPath)->isVisible(); }
    QString text(const QString &strPath) const
    {
        return item(strPath)->property("text").toString();
    }
    // Every item that bears the path's last name below the one item the rest of it names (the
    // whole window for a lone name), in the order of the item tree: "uninstall/tile0" is empty
    // where the uninstall page has no first tile.
    QList<QQuickItem *> items(const QString &strPath) const;

    // Shows the window as the program does (the loading page through its showWindow) and waits
    // until it is exposed; false when it did not load (the fixture then fails the test with the
    // reason).
    bool show();
    // A left click in the middle of the item.
    void click(const QString &strName) const;
    // A left click at a point in the item's own coordinates.
    void clickAt(QQuickItem *pItem, QPointF point) const;
    // The item's accessible press action, as a screen reader presses it.
    bool pressAccessibly(const QString &strName) const;
    // Either of the two; false where a screen reader finds no press.
    bool press(const QString &strName, bool bAccessibly) const
    {
        return bAccessibly ? pressAccessibly(strName) : (click(strName), true);
    }

    // Starts the run as the install page does in normal mode.
    void clickInstall() const { click(QStringLiteral("installButton")); }

private:
    void load(const QString &strUrl);
    QQuickItem *root() const { return m_pWindow ? m_pWindow->contentItem() : nullptr; }
    // Fails the test for the lookup, once, and answers the stand-in item.
    QQuickItem *failLookup(const QString &strPath, const QString &strFault) const;

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
    // What a failed lookup answers, and the lookups reported as failed in this test function.
    std::unique_ptr<QQuickItem> m_pMissing;
    mutable QSet<QString> m_setFailedLookups;
};

// The visible texts of the window that a screen reader cannot read as they are shown, each
// with what is wrong with it; empty when every text is readable.
QString unreadableTexts(QQuickWindow *window);

// Records the addresses the page asks the desktop to open, whatever their scheme, while it
// lives.
class OpenedUrls : public QObject
{
    Q_OBJECT

public:
    OpenedUrls();
    ~OpenedUrls() override;

    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

// Sets up the application as the program's main does, then runs the test object.
int runPageTest(QObject *pTest, int argc, char *argv[]);

#define PAGE_TEST_MAIN(TestClass) \
    int main(int argc, char *argv[]) \
    { \
        TestClass test; \
        return runPageTest(&test, argc, argv); \
    }

#endif // PAGEFIXTURE_H
