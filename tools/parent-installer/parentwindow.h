#ifndef PARENTWINDOW_H
#define PARENTWINDOW_H

#include "platform/messagewindow.h"

#include <QObject>
#include <QPoint>
#include <QTextStream>

// The parent installer's hidden window: prints every event the child sends and answers the
// main-window-loaded event with the position at which the child is to show itself.
class ParentWindow : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        bool bSendPosition = true;
        QPoint position;
        int iCloseAfterMs = -1; // WM_CLOSE to the child's window this long after the position
        bool bPlainPosition = false; // the position's number as a plain message instead
        int iPositionBytes = 8; // size of the position's copy-data block
        int iRepeatPosition = 1;
        // The first position sent from inside the handler of main-window-loaded, while the
        // child waits in its send, instead of from the event loop after the answer.
        bool bPositionInHandler = false;
    };

    explicit ParentWindow(const Options &options, QObject *parent = nullptr);
    bool create();

signals:
    void mainWindowLoaded();

private:
    std::optional<qint64> receive(platform::WindowHandle hWindow,
                                  const platform::WindowMessage &message);
    void sendPosition();
    void closeChild();

    Options m_options;
    int m_iPositionsSent = 0;
    QTextStream m_out;
};

#endif // PARENTWINDOW_H
