#ifndef PLATFORM_NETWORK_H
#define PLATFORM_NETWORK_H

#include <QString>

namespace platform {

// Whether the machine has a default route (destination 0.0.0.0). No server is asked. On the
// stand-in machine the description's "network.defaultRoute" where it gives one, else
// /proc/net/route.
bool hasDefaultRoute();

// Fetches strUrl into the file strDestination, blocking the caller. The destination is
// replaced only when the whole body of a successful answer arrived within iTimeoutMs and holds
// at most iMaxBytes; otherwise whatever was there stays. Honours the platform's proxy settings.
// True when the file was replaced.
bool downloadFile(const QString &strUrl, const QString &strDestination, int iTimeoutMs,
                  qint64 iMaxBytes);

} // namespace platform

#endif // PLATFORM_NETWORK_H
