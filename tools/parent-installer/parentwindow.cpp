#include "parentwindow.h"

#include "parentchannel/parentevent.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QTimer>

namespace {
const QString c_strParentClass = QStringLiteral("INEventWindowClass");
const QString c_strParentTitle = QStringLiteral("Zorva:IN-CapturingWindow");
const QString c_strChildClass = QStringLiteral("ChipsetEventWindowClass");
const QString c_strChildTitle = QStringLiteral("Zorva:Chipset-CapturingWindow");
constexpr quint32 c_uiFirstUserMessage = 0x0400;
constexpr quint32 c_uiPositionMessage = ParentEvent::message(ParentEvent::Position);
} // namespace

ParentWindow::ParentWindow(const Options &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_out(stdout)
{ }

bool ParentWindow::create()
{
    return platform::createMessageWindow(
                   c_strParentClass, c_strParentTitle, platform::moduleInstance(),
                   [this](platform::WindowHandle hWindow, const platform::WindowMessage &message) {
                       return receive(hWindow, message);
                   })
            != 0;
}

std::optional<qint64> ParentWindow::receive(platform::WindowHandle hWindow,
                                            const platform::WindowMessage &message)
{
    // The system's own messages below WM_USER (creation, sizing, destruction) get its default
    // answer: a window that answered WM_NCCREATE with 0 would never be created. Message 0 is
    // what the installer sends for an event code it has no message for, and is printed.
    if (message.uiMessage != 0 && message.uiMessage < c_uiFirstUserMessage
        && message.uiMessage != platform::c_uiCopyDataMessage)
        return std::nullopt;
    quint32 uiEventMessage = message.uiMessage;
    if (message.uiMessage == platform::c_uiCopyDataMessage) {
        uiEventMessage = quint32(message.dwData);
        QDataStream stream(message.data);
        stream.setByteOrder(QDataStream::LittleEndian);
        qint32 x = 0;
        qint32 y = 0;
        stream >> x >> y;
        m_out << "event code="
              << (uiEventMessage ? int(uiEventMessage - ParentEvent::c_uiMessageBase) : 0)
              << " message=" << uiEventMessage
              << " copydata=1 wparam-is-self=" << (message.wParam == hWindow ? 1 : 0)
              << " bytes=" << message.data.toHex() << " x=" << x << " y=" << y << Qt::endl;
    } else {
        m_out << "event code="
              << (uiEventMessage ? int(uiEventMessage - ParentEvent::c_uiMessageBase) : 0)
              << " message=" << uiEventMessage << " wparam=" << message.wParam
              << " lparam=" << message.lParam << Qt::endl;
    }
    if (uiEventMessage == ParentEvent::message(ParentEvent::MainWindowLoaded)) {
        emit mainWindowLoaded();
        // Answered first, the position following from the event loop; or sent at once, as a
        // parent may do from its window procedure.
        if (m_options.bSendPosition && m_options.bPositionInHandler)
            sendPosition();
        else if (m_options.bSendPosition)
            QTimer::singleShot(0, this, &ParentWindow::sendPosition);
    }
    return 0;
}

// Sends the position; repeated positions follow 200 ms apart, each 10 further to the right.
void ParentWindow::sendPosition()
{
    const platform::WindowHandle hChild = platform::findWindow(c_strChildClass, c_strChildTitle);
    if (!hChild) {
        m_out << "position not sent: no child window" << Qt::endl;
        return;
    }
    QElapsedTimer timer;
    timer.start();
    qint64 iAnswer = 0;
    if (m_options.bPlainPosition) {
        iAnswer = platform::sendMessage(hChild, c_uiPositionMessage, 0, 0);
    } else {
        QByteArray block;
        QDataStream stream(&block, QIODevice::WriteOnly);
        stream.setByteOrder(QDataStream::LittleEndian);
        stream << qint32(m_options.position.x() + 10 * m_iPositionsSent)
               << qint32(m_options.position.y());
        block.truncate(qMax(0, m_options.iPositionBytes));
        iAnswer = platform::sendCopyData(hChild, hChild, c_uiPositionMessage, block);
    }
    m_out << "position answered " << iAnswer << " in " << timer.elapsed() << " ms" << Qt::endl;
    if (++m_iPositionsSent < m_options.iRepeatPosition)
        QTimer::singleShot(200, this, &ParentWindow::sendPosition);
    else if (m_options.iCloseAfterMs >= 0)
        QTimer::singleShot(m_options.iCloseAfterMs, this, &ParentWindow::closeChild);
}

void ParentWindow::closeChild()
{
    const platform::WindowHandle hChild = platform::findWindow(c_strChildClass, c_strChildTitle);
    if (!hChild)
        return;
    const qint64 iAnswer = platform::sendMessage(hChild, platform::c_uiCloseMessage, 0, 0);
    m_out << "close answered " << iAnswer << Qt::endl;
}
