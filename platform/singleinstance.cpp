#include "platform/singleinstance.h"

namespace platform {

const QLatin1String c_machineWideMutexPrefix("Global\\");

} // namespace platform
