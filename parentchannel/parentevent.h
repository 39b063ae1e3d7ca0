#ifndef PARENTEVENT_H
#define PARENTEVENT_H

#include <QObject>

// The numbered events between the program and a parent installer, and the window messages
// that carry them. The pages read the codes as ParentEvent.SkipBtn and so on (module CNQml).
namespace ParentEvent {
Q_NAMESPACE

enum Code {
    Position = 1, // from the parent: where the main window is to appear
    SkipBtn = 2,
    CancelBtn = 3,
    InstallStart = 4,
    InstallSuccess = 5,
    InstallFailed = 6,
    InstallLaunchFailed = 7,
    NoDriversFound = 8,
    MainWindowLoaded = 9,
};
Q_ENUM_NS(Code)

constexpr int c_iFirstCode = Position;
constexpr int c_iLastCode = MainWindowLoaded;

// An event's message number is this plus its code (WM_USER + 200 + code: 1225 to 1233).
constexpr quint32 c_uiMessageBase = 0x0400 + 200;

constexpr quint32 message(int iCode)
{
    return c_uiMessageBase + quint32(iCode);
}

constexpr bool isEventMessage(quint32 uiMessage)
{
    return uiMessage >= message(c_iFirstCode) && uiMessage <= message(c_iLastCode);
}

} // namespace ParentEvent

#endif // PARENTEVENT_H
