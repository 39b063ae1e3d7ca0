#ifndef CNAPPLICATIONWINDOW_H
#define CNAPPLICATIONWINDOW_H

#include <QCursor>
#include <QDesktopWidget>
#include <QQuickWindow>

// The native top-level window of both pages: knows its monitor's DPI, follows changes of it,
// answers the screen size and the cursor position, and tells a parent installer when it is
// closed.
class CNApplicationWindow : public QQuickWindow
{
    Q_OBJECT
    Q_PROPERTY(double dpi READ dpi WRITE setDpi NOTIFY dpiChanged)
    // True from a key press until the next pointer press: focus frames show only then.
    Q_PROPERTY(bool keyboardUsed READ keyboardUsed NOTIFY keyboardUsedChanged)

public:
    explicit CNApplicationWindow(QWindow *parent = nullptr);

    Q_INVOKABLE int getScreenWidth();
    Q_INVOKABLE int getScreenHeight();
    // The top edge of the available screen area.
    Q_INVOKABLE int getScreenTop();
    Q_INVOKABLE int getMouseX();
    Q_INVOKABLE int getMouseY();

    double dpi() const;
    void setDpi(double dScale);
    bool keyboardUsed() const { return m_bKeyboardUsed; }

signals:
    void dpiChanged();
    void keyboardUsedChanged();
    // A key press that no item took; the page answers it for the whole window.
    void keyNotTaken(int key, int modifiers);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;

private:
    void measureDpi();
    bool followDpiChange(unsigned int uiDpi);
    void notifyParentOfClose();
    void setKeyboardUsed(bool bUsed);

    quint32 m_uiRawDpi = 96;
    double m_dScale = 1.0;
    bool m_bKeyboardUsed = false;
    QDesktopWidget m_desktop;
    QCursor m_cursor;
};

#endif // CNAPPLICATIONWINDOW_H
