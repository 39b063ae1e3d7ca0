#include "pagestates.h"

#include "pagefixture.h"

#include <QQmlEngine>
#include <QScreen>
#include <QtTest>

namespace {

// How long a run of the stand-in package takes: longer than any check of it.
constexpr int c_iRunSeconds = 60;

struct WindowSize
{
    const char *pszName;
    int iScreenWidth;
    int iScreenHeight;
};
// The screens that give the two window sizes.
const WindowSize c_aSizes[] = {{"770 x 470", 1366, 768}, {"795 x 520", 1920, 1080}};

class Visit
{
public:
    Visit(const PageStateCheck &check, const QString &strUiLanguage)
        : m_check(check)
        , m_strUiLanguage(strUiLanguage)
    { }

    // Shows a page window, as the program would in the language.
    bool show(PageFixture &page)
    {
        if (page.loaded())
            qmlEngine(page.window())->setUiLanguage(m_strUiLanguage);
        return page.show();
    }

    // Checks the state in both window sizes; the window ends in the first.
    void at(const PageFixture &page, const QString &strState)
    {
        QQuickWindow *window = page.window();
        for (const WindowSize &size : c_aSizes) {
            window->setProperty("g_iScreenWidth", size.iScreenWidth);
            window->setProperty("g_iScreenHeight", size.iScreenHeight);
            QQuickItem *pContent = window->contentItem();
            QTRY_VERIFY(pContent->width() == window->property("g_iAppWidth").toInt()
                        && pContent->height() == window->property("g_iAppHeight").toInt());
            // Lays the window out and draws it.
            window->grabWindow();
            const QString strName = strState + QStringLiteral(", ") + QLatin1String(size.pszName);
            const QString strFolder = qEnvironmentVariable("PAGE_STATES_PICTURES");
            if (!strFolder.isEmpty())
                window->screen()
                        ->grabWindow(window->winId())
                        .save(strFolder + QLatin1Char('/')
                              + QString(strName).replace(QRegularExpression("[^A-Za-z0-9]+"), "-")
                              + QStringLiteral(".png"));
            m_check(strName, page);
        }
        window->setProperty("g_iScreenWidth", c_aSizes[0].iScreenWidth);
        window->setProperty("g_iScreenHeight", c_aSizes[0].iScreenHeight);
    }

private:
    const PageStateCheck &m_check;
    const QString m_strUiLanguage;
};

PageSetup longRuns(PageSetup setup)
{
    setup.package.insert(QStringLiteral("seconds"), c_iRunSeconds);
    setup.iDefaultImages = 3;
    return setup;
}

void visitLoadingPage(Visit &visit)
{
    for (const char *pszFailure : {"", "instanceAlreadyRunning", "insufficientMemory"}) {
        PageFixture page;
        QVERIFY(visit.show(page));
        if (*pszFailure)
            QMetaObject::invokeMethod(page.window(), pszFailure);
        const QString strState = QStringLiteral("loading page ") + QLatin1String(pszFailure);
        visit.at(page, strState);
        QMetaObject::invokeMethod(page.window(), "cancelClicked");
        visit.at(page, strState + QStringLiteral(", quit confirmation"));
    }
}

// A run's result panels, in the outcomes the pages tell apart.
void visitResults(Visit &visit, const PageFixture &page, const QString &strMode)
{
    QQuickWindow *window = page.window();
    window->setProperty("bInstallClicked", false);
    window->setProperty("bRunSlideShow", false);
    const bool bInstall = window->property("g_bInstall").toBool();
    for (const char *pszOutcome : {"succeeded", "succeeded, restart", "failed"}) {
        if (!bInstall && QByteArray(pszOutcome).contains("restart"))
            continue;
        window->setProperty("g_bErrorOccured", QByteArray(pszOutcome) == "failed");
        window->setProperty("g_bIsRestartRequired", QByteArray(pszOutcome).contains("restart"));
        QMetaObject::invokeMethod(window, "showResult");
        visit.at(page, strMode + QStringLiteral(" ") + QLatin1String(pszOutcome));
    }
}

void visitInstall(Visit &visit)
{
    PageFixture page(longRuns(PageSetup()));
    QVERIFY(visit.show(page));
    QQuickWindow *window = page.window();
    visit.at(page, QStringLiteral("install page"));

    QMetaObject::invokeMethod(page.item(QStringLiteral("eula")), "open");
    visit.at(page, QStringLiteral("licence page"));
    page.click(QStringLiteral("doneButton"));

    QMetaObject::invokeMethod(window, "openQuitConfirmation");
    visit.at(page, QStringLiteral("quit confirmation"));
    QMetaObject::invokeMethod(window, "closeQuitConfirmation");

    page.clickInstall();
    QTRY_VERIFY(window->property("bInstallClicked").toBool());
    visit.at(page, QStringLiteral("install running"));
    visitResults(visit, page, QStringLiteral("install"));
}

void visitSmartInstaller(Visit &visit)
{
    PageSetup setup;
    setup.lstArguments << QStringLiteral("smartInstaller");
    PageFixture page(setup);
    QVERIFY(visit.show(page));
    visit.at(page, QStringLiteral("smart-installer page"));
}

void visitUninstall(Visit &visit)
{
    PageSetup setup;
    setup.lstArguments = QStringList {QStringLiteral("/U"), c_strProductCode};
    setup.strDeployedFeatures = QStringLiteral("Drivers,PCI,SQP,QW4ACPI,SMBUS,CIR,UPEP,TS_RAID");
    PageFixture page(longRuns(setup));
    QVERIFY(visit.show(page));
    visit.at(page, QStringLiteral("uninstall page"));

    page.click(QStringLiteral("uninstallButton"));
    QTRY_VERIFY(page.window()->property("bInstallClicked").toBool());
    visit.at(page, QStringLiteral("uninstall running"));
    visitResults(visit, page, QStringLiteral("uninstall"));
}

void visitErrors(Visit &visit)
{
    for (const bool bUninstall : {false, true}) {
        PageSetup setup;
        setup.bDevices = false;
        if (bUninstall)
            setup.lstArguments = QStringList {QStringLiteral("/U"), c_strProductCode};
        PageFixture page(setup);
        QVERIFY(visit.show(page));
        visit.at(page,
                 bUninstall ? QStringLiteral("error panel, uninstall")
                            : QStringLiteral("error panel, install"));
    }
}

} // namespace

void visitPageStates(const PageStateCheck &check, const QString &strUiLanguage)
{
    Visit visit(check, strUiLanguage);
    visitLoadingPage(visit);
    visitInstall(visit);
    visitSmartInstaller(visit);
    visitUninstall(visit);
    visitErrors(visit);
}
