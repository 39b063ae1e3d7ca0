// The window endpoint's request parser: any bytes received on a connection. A complete request
// is exactly what the sending side encodes for the message it yields, and no shorter part of
// it is complete.
#include "platform/windowrequest.h"

#include <cstddef>
#include <cstdint>

namespace {
constexpr int c_iKindOffset = 4 + 4 + 8;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t iSize)
{
    using platform::windowrequest::Parse;
    const QByteArray received(reinterpret_cast<const char *>(pData), int(iSize));
    platform::WindowMessage message;
    if (platform::windowrequest::parse(received, &message) != Parse::Complete)
        return 0;
    const QByteArray request = received.at(c_iKindOffset) == 0
            ? platform::windowrequest::plainRequest(message.uiMessage, message.wParam,
                                                    message.lParam)
            : platform::windowrequest::copyDataRequest(message.wParam, message.dwData,
                                                       message.data);
    if (!received.startsWith(request))
        __builtin_trap();
    platform::WindowMessage part;
    for (const int iSize : {0, 3, 4, c_iKindOffset, request.size() - 1}) {
        if (iSize >= 0 && iSize < request.size()
            && platform::windowrequest::parse(request.left(iSize), &part) == Parse::Complete)
            __builtin_trap();
    }
    return 0;
}
