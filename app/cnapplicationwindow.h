#ifndef CNAPPLICATIONWINDOW_H
#define CNAPPLICATIONWINDOW_H

#include <QCursor>
#include <QDesktopWidget>
#include <QQmlParserStatus>
#include <QQuickWindow>
#include <QTimer>

// The native top-level window of both pages: knows its monitor's DPI, follows changes of it,
// answers the screen size and the cursor position, and tells a parent installer when it is
// closed.
class CNApplicationWindow : public QQuickWindow, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(double dpi READ dpi WRITE setDpi NOTIFY dpiChanged)
    // True from a key press until the next pointer press: focus frames show only then.
    Q_PROPERTY(bool keyboardUsed READ keyboardUsed NOTIFY keyboardUsedChanged)
    // The page is laid out at the window's size divided by this and drawn scaled by it: below
    // 1 where the page's own size would not fit the screen at the monitor's scale.
    Q_PROPERTY(
            double contentScale READ contentScale WRITE setContentScale NOTIFY contentScaleChanged)

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
    double contentScale() const { return m_dContentScale; }
    void setContentScale(double dScale);

signals:
    void dpiChanged();
    void keyboardUsedChanged();
    void contentScaleChanged();
    // The window is asked to close (Alt+F4, the system menu): where the page handles this, the
    // window stays and the page decides, as for its own close button.
    void closeRequested();
    // The window is on screen with its content: the first frame after a show has been drawn
    // (or, where none comes, a while after the show). Once per show.
    void frameShown();
    // A key press that no item took; the page answers it for the whole window.
    void keyNotTaken(int key, int modifiers);

protected:
    void classBegin() override { }
    // The native window is made once the page has set the flags and the geometry, so that it
    // appears as the page asks, without a frame that goes or a size that changes.
    void componentComplete() override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;

private:
    void measureDpi();
    bool followDpiChange(unsigned int uiDpi);
    void notifyParentOfClose();
    void setKeyboardUsed(bool bUsed);
    void noteFrameShown();
    void layOutContent();

    quint32 m_uiRawDpi = 96;
    double m_dScale = 1.0;
    double m_dContentScale = 1.0;
    bool m_bKeyboardUsed = false;
    bool m_bAwaitingFrame = false; // shown, its first frame not drawn yet
    QTimer m_frameFallback;
    QDesktopWidget m_desktop;
    QCursor m_cursor;
};

#endif // CNAPPLICATIONWINDOW_H
