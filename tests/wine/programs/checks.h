#ifndef WINE_PROGRAMS_CHECKS_H
#define WINE_PROGRAMS_CHECKS_H

#include <cstdio>
#include <sstream>
#include <string>

// The checks of one test program: each failure is one line on stderr, and the program's exit
// code is the number of failures, so that the test that runs it under wine sees both.
class Checks
{
public:
    explicit Checks(const char *pszRole)
        : m_strRole(pszRole)
    { }

    bool expect(bool bCondition, const std::string &strWhat)
    {
        if (!bCondition) {
            ++m_iFailures;
            std::fprintf(stderr, "%s: FAIL: %s\n", m_strRole.c_str(), strWhat.c_str());
            std::fflush(stderr);
        }
        return bCondition;
    }

    template<typename Actual, typename Expected>
    bool expectEqual(const Actual &actual, const Expected &expected, const std::string &strWhat)
    {
        if (actual == expected)
            return true;
        std::ostringstream text;
        text << strWhat << ": got " << actual << ", expected " << expected;
        return expect(false, text.str());
    }

    int failures() const { return m_iFailures; }

private:
    std::string m_strRole;
    int m_iFailures = 0;
};

#endif // WINE_PROGRAMS_CHECKS_H
