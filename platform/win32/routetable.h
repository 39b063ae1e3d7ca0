#ifndef PLATFORM_WIN32_ROUTETABLE_H
#define PLATFORM_WIN32_ROUTETABLE_H

namespace win32 {

// Whether the IPv4 route table (GetIpForwardTable) holds a default route, a row with destination
// 0.0.0.0. An unreadable table counts as none.
bool hasDefaultRoute();

} // namespace win32

#endif // PLATFORM_WIN32_ROUTETABLE_H
