#ifndef UTILITY_H
#define UTILITY_H

#include <QDesktopWidget>
#include <QObject>
#include <QPoint>

// Small desktop and system services for the pages: screen size, mouse position, restart.
class Utility : public QObject
{
    Q_OBJECT

public:
    explicit Utility(QObject *parent = nullptr);

    // The part of strPath before its last cSeparator; the whole path when it has none.
    static QString cutAtLastSeparator(const QString &strPath, QChar cSeparator);

public slots:
    QPoint getCursorPos();
    int getScreenWidth();
    int getScreenHeight();
    int getMouseX();
    int getMouseY();
    void restartSystem();
    bool enableShutdownPrivilege();
    QString getExePath();
    QString getlanguage();
    double getDPI();

private:
    QDesktopWidget m_desktop;
};

#endif // UTILITY_H
