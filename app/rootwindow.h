#ifndef ROOTWINDOW_H
#define ROOTWINDOW_H

#include <QObject>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QStringList>
#include <QUrl>

class PassiveRun;

// Owns the QML engine and moves the program from the loading page to the main window.
class RootWindow : public QObject
{
    Q_OBJECT

public:
    static RootWindow *instance();

    // Loads the loading page; with a passive run, the window runs it and its quit ends it.
    void loadLoader(PassiveRun *pPassiveRun = nullptr);

    bool isSmartInstaller() const { return m_bSmartInstaller; }
    QQmlApplicationEngine *engine() { return &m_engine; }

public slots:
    void loadedLoader(QObject *object = nullptr, const QUrl &url = QUrl());
    void loadMainWindow();
    void loadedMain(QObject *object, const QUrl &url);
    void loadedMainForSmartInstaller(int x, int y, bool show);

private:
    RootWindow();

    bool runEngineStartup();
    void failStartup(const char *pszLoadingPageSignal);

    QQmlApplicationEngine m_engine;
    bool m_bSmartInstaller = false;
    QStringList m_lstArguments;
    QPointer<QObject> m_pLoadingPage;
    QPointer<QObject> m_pMainWindow;
    PassiveRun *m_pPassiveRun = nullptr;
};

#endif // ROOTWINDOW_H
