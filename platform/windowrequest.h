#ifndef PLATFORM_WINDOWREQUEST_H
#define PLATFORM_WINDOWREQUEST_H

#include "platform/messagewindow.h"

#include <QByteArray>

// The requests that carry window messages between processes on the stand-in machine, one per
// connection, all integers little-endian:
//   u32 length of the rest, u32 message, u64 wParam, u8 kind,
//   kind 0: u64 lParam; kind 1 (WM_COPYDATA only): u64 dwData, u32 cbData, cbData bytes.
namespace platform::windowrequest {

constexpr quint32 c_uiMaxLength = 64 * 1024; // of the rest, after the length field
// Connections a window holds at once; more are closed as they arrive.
constexpr int c_iMaxConnections = 64;

enum class Parse { Incomplete, Malformed, Complete };

// Reads the request from the bytes received so far: Incomplete until all its bytes are there;
// bytes after the request are not looked at.
Parse parse(const QByteArray &received, WindowMessage *pMessage);

QByteArray plainRequest(quint32 uiMessage, quint64 wParam, quint64 lParam);
QByteArray copyDataRequest(quint64 wParam, quint64 dwData, const QByteArray &data);

} // namespace platform::windowrequest

#endif // PLATFORM_WINDOWREQUEST_H
