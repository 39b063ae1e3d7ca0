// Prints whether the route table holds a default route, for the test to compare with the
// machine's own table.
#include "platform/win32/routetable.h"

#include <cstdio>

int main()
{
    std::printf("default route: %s\n", win32::hasDefaultRoute() ? "yes" : "no");
    return 0;
}
