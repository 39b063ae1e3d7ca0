// Two processes talk as the installer and its parent installer do. The parent owns a window of
// class "INEventWindowClass" and starts the installer, which finds that window and sends it
// every event of the table, plain and as WM_COPYDATA with an x, y block. The parent then sends
// the installer's own window the position, blocks too short to hold one, a message the installer
// leaves to the system, and WM_CLOSE, which ends the installer's message loop.
#include "checks.h"
#include "processes.h"

#include "platform/win32/messagewindow.h"

#include <windows.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

const std::wstring c_strParentClass = L"INEventWindowClass";
const std::wstring c_strParentTitle = L"Zorva:IN-CapturingWindow";
const std::wstring c_strInstallerClass = L"ChipsetEventWindowClass";
const std::wstring c_strInstallerTitle = L"Zorva:Chipset-CapturingWindow";
constexpr std::uint32_t c_uiPositionMessage = 1225;
constexpr unsigned int c_uiTimeoutMs = 30000;

// The parent's answers, so that the installer can tell they came back unchanged.
constexpr std::int64_t c_iPlainAnswer = 5000;
constexpr std::int64_t c_iCopyDataAnswer = 7000;

using Bytes = std::vector<std::uint8_t>;

// An event as the installer sends it, and the data block the parent must receive for it.
struct Event
{
    int iCode;
    std::uint32_t uiMessage;
    std::int32_t x;
    std::int32_t y;
    Bytes block;
};

// Codes 1 and 10 have no message number: they travel as message 0 (WM_NULL).
const std::vector<Event> c_events = {
        {2, 1226, 0, 0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {3, 1227, 1, -1, {0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}},
        {4, 1228, 640, 480, {0x80, 0x02, 0x00, 0x00, 0xE0, 0x01, 0x00, 0x00}},
        {5, 1229, 100, -20, {0x64, 0x00, 0x00, 0x00, 0xEC, 0xFF, 0xFF, 0xFF}},
        {6, 1230, 2147483647, -2147483647 - 1, {0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x00, 0x80}},
        {7, 1231, -1920, 1080, {0x80, 0xF8, 0xFF, 0xFF, 0x38, 0x04, 0x00, 0x00}},
        {8, 1232, 305419896, 16, {0x78, 0x56, 0x34, 0x12, 0x10, 0x00, 0x00, 0x00}},
        {9, 1233, 7, 0, {0x07, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {1, 0, 3, 4, {0x03, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00}},
        {10, 0, 5, 6, {0x05, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00}},
};

// x, then y, as the processor lays them out: little-endian on every Windows target.
Bytes positionBlock(std::int32_t x, std::int32_t y)
{
    Bytes block(8);
    std::memcpy(block.data(), &x, 4);
    std::memcpy(block.data() + 4, &y, 4);
    return block;
}

std::string hex(const Bytes &bytes)
{
    static const char c_digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t byte : bytes) {
        text += c_digits[byte >> 4];
        text += c_digits[byte & 0xF];
        text += ' ';
    }
    return text;
}

std::string eventName(const Event &event)
{
    return "event " + std::to_string(event.iCode);
}

// The installer: a capturing window whose procedure does what the program's does with these
// messages, and one send of each event to the parent in each form.
int runInstaller()
{
    Checks checks("installer");
    std::vector<Bytes> positionBlocks;
    const win32::WindowHandle hWindow = win32::createMessageWindow(
            c_strInstallerClass, c_strInstallerTitle, win32::moduleInstance(),
            [&positionBlocks](win32::WindowHandle hSelf,
                              const win32::WindowMessage &message) -> std::optional<std::int64_t> {
                switch (message.uiMessage) {
                case WM_DESTROY:
                    win32::postQuitMessage(0);
                    return 0;
                case WM_CLOSE:
                    win32::destroyWindow(hSelf);
                    return 0;
                case WM_COPYDATA:
                    if (message.dwData != c_uiPositionMessage)
                        return std::nullopt;
                    positionBlocks.push_back(message.data);
                    return message.data.size() < 8 ? 0 : 1;
                default:
                    return std::nullopt;
                }
            });
    if (!checks.expect(hWindow != 0, "the capturing window is created"))
        return checks.failures();

    checks.expectEqual(win32::findWindow(c_strParentClass, L"Zorva:No-Such-Window"), 0u,
                       "a title no window has finds nothing");
    const win32::WindowHandle hParent = win32::findWindow(c_strParentClass, c_strParentTitle);
    if (!checks.expect(hParent != 0, "the parent's window is found by class and title"))
        return checks.failures();

    for (const Event &event : c_events) {
        checks.expectEqual(win32::sendMessage(hParent, event.uiMessage, 0, 0),
                           c_iPlainAnswer + event.uiMessage, eventName(event) + ": plain answer");
        checks.expectEqual(win32::sendCopyData(hParent, hParent, event.uiMessage,
                                               positionBlock(event.x, event.y)),
                           c_iCopyDataAnswer + event.uiMessage,
                           eventName(event) + ": WM_COPYDATA answer");
    }

    MSG msg;
    int iLoop = 0;
    while ((iLoop = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    checks.expectEqual(iLoop, 0, "the message loop ends on WM_QUIT");
    checks.expectEqual(int(msg.wParam), 0, "exit code posted on WM_DESTROY");
    checks.expectEqual(win32::findWindow(c_strInstallerClass, c_strInstallerTitle), 0u,
                       "the closed window is gone");

    const std::vector<Bytes> expectedBlocks
            = {{0x2C, 0x01, 0x00, 0x00, 0xC8, 0x00, 0x00, 0x00}, {0x2C, 0x01, 0x00, 0x00}, {}};
    checks.expectEqual(positionBlocks.size(), expectedBlocks.size(), "position messages");
    for (size_t i = 0; i < positionBlocks.size() && i < expectedBlocks.size(); ++i)
        checks.expectEqual(hex(positionBlocks[i]), hex(expectedBlocks[i]),
                           "position block " + std::to_string(i));
    return checks.failures();
}

// The parent installer: its window records what arrives and answers each message by number.
int runParent()
{
    Checks checks("parent");
    std::vector<win32::WindowMessage> received;
    const win32::WindowHandle hParent = win32::createMessageWindow(
            c_strParentClass, c_strParentTitle, win32::moduleInstance(),
            [&received](win32::WindowHandle,
                        const win32::WindowMessage &message) -> std::optional<std::int64_t> {
                if (message.uiMessage == WM_COPYDATA) {
                    received.push_back(message);
                    return c_iCopyDataAnswer + std::int64_t(message.dwData);
                }
                if (message.uiMessage == WM_NULL
                    || (message.uiMessage >= 1225 && message.uiMessage <= 1233)) {
                    received.push_back(message);
                    return c_iPlainAnswer + message.uiMessage;
                }
                return std::nullopt;
            });
    if (!checks.expect(hParent != 0, "the parent's window is created"))
        return checks.failures();

    void *hInstaller = processes::startSelf(L"installer");
    if (!checks.expect(hInstaller != nullptr, "the installer starts"))
        return checks.failures();
    const size_t expectedCount = 2 * c_events.size();
    checks.expect(
            processes::pumpUntil([&] { return received.size() >= expectedCount; }, c_uiTimeoutMs),
            "every event arrives");

    for (size_t i = 0; i < c_events.size() && 2 * i + 1 < received.size(); ++i) {
        const Event &event = c_events[i];
        const win32::WindowMessage &plain = received[2 * i];
        checks.expectEqual(plain.uiMessage, event.uiMessage, eventName(event) + ": message");
        checks.expectEqual(plain.wParam, 0u, eventName(event) + ": wParam");
        checks.expectEqual(plain.lParam, 0u, eventName(event) + ": lParam");
        const win32::WindowMessage &copy = received[2 * i + 1];
        checks.expectEqual(copy.uiMessage, std::uint32_t(WM_COPYDATA),
                           eventName(event) + ": WM_COPYDATA");
        checks.expectEqual(copy.wParam, hParent, eventName(event) + ": wParam is the parent");
        checks.expectEqual(copy.dwData, event.uiMessage, eventName(event) + ": dwData");
        checks.expectEqual(hex(copy.data), hex(event.block), eventName(event) + ": x, y block");
    }

    const win32::WindowHandle hInstallerWindow
            = win32::findWindow(c_strInstallerClass, c_strInstallerTitle);
    if (checks.expect(hInstallerWindow != 0, "the installer's window is found")) {
        // wine's FindWindowW also finds message-only windows, which Windows' does not.
        HWND hwnd = reinterpret_cast<HWND>(std::uintptr_t(hInstallerWindow));
        checks.expect(GetAncestor(hwnd, GA_PARENT) == GetDesktopWindow(),
                      "the installer's window is a top-level window");
        checks.expect(!IsWindowVisible(hwnd), "the installer's window is not shown");
        checks.expectEqual(win32::sendCopyData(hInstallerWindow, hParent, c_uiPositionMessage,
                                               positionBlock(300, 200)),
                           1, "position (300, 200) is taken");
        checks.expectEqual(win32::sendCopyData(hInstallerWindow, hParent, c_uiPositionMessage,
                                               {0x2C, 0x01, 0x00, 0x00}),
                           0, "a 4-byte block is refused");
        checks.expectEqual(win32::sendCopyData(hInstallerWindow, hParent, c_uiPositionMessage, {}),
                           0, "an empty block is refused");

        // Left to DefWindowProcW, which answers with the window's title.
        wchar_t szTitle[64] = {};
        checks.expectEqual(
                win32::sendMessage(hInstallerWindow, WM_GETTEXT, 64,
                                   std::uint64_t(reinterpret_cast<std::uintptr_t>(szTitle))),
                std::int64_t(c_strInstallerTitle.size()),
                "WM_GETTEXT answered by the default procedure");
        checks.expectEqual(processes::narrow(szTitle), processes::narrow(c_strInstallerTitle),
                           "the title read through WM_GETTEXT");

        checks.expectEqual(win32::sendMessage(hInstallerWindow, WM_CLOSE, 0, 0), 0,
                           "WM_CLOSE answer");
    }
    checks.expectEqual(processes::waitForExit(hInstaller, c_uiTimeoutMs), 0,
                       "the installer's exit code");
    checks.expectEqual(received.size(), expectedCount, "messages received");
    return checks.failures();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::string(argv[1]) == "installer")
        return runInstaller();
    return runParent();
}
