#include "vbscript/textsearch.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vbscript {

namespace {

inline ushort asciiLower(ushort c)
{
    return c >= 'A' && c <= 'Z' ? ushort(c + 32) : c;
}

inline ushort asciiUpper(ushort c)
{
    return c >= 'a' && c <= 'z' ? ushort(c - 32) : c;
}

bool isAscii(const ushort *p, int iCount)
{
    int i = 0;
#if defined(__SSE2__)
    __m128i any = _mm_setzero_si128();
    for (; i + 8 <= iCount; i += 8)
        any = _mm_or_si128(any, _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i)));
    // Any bit from 0x80 up in any of the eight characters.
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(any, _mm_set1_epi16(short(0xFF80))),
                                          _mm_setzero_si128()))
        != 0xFFFF)
        return false;
#endif
    ushort any16 = 0;
    for (; i < iCount; ++i)
        any16 |= p[i];
    return any16 < 0x80;
}

// True when the iCount characters at pHay equal those at pNeedle, ignoring ASCII case.
inline bool equalFolded(const ushort *pHay, const ushort *pNeedle, int iCount)
{
    for (int j = 0; j < iCount; ++j) {
        if (asciiLower(pHay[j]) != asciiLower(pNeedle[j]))
            return false;
    }
    return true;
}

// The first start in [iFrom, iLast] where the needle matches; both texts are ASCII.
int findFolded(const ushort *pHay, int iFrom, int iLast, const ushort *pNeedle, int iNeedle)
{
    const ushort cLower = asciiLower(pNeedle[0]);
    const ushort cUpper = asciiUpper(pNeedle[0]);
    int i = iFrom;
#if defined(__SSE2__)
    const __m128i lower = _mm_set1_epi16(short(cLower));
    const __m128i upper = _mm_set1_epi16(short(cUpper));
    for (; i + 8 <= iLast + 1; i += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pHay + i));
        unsigned mask = unsigned(_mm_movemask_epi8(
                _mm_or_si128(_mm_cmpeq_epi16(chars, lower), _mm_cmpeq_epi16(chars, upper))));
        while (mask) {
            const int iAt = i + __builtin_ctz(mask) / 2; // two mask bits a character
            if (equalFolded(pHay + iAt + 1, pNeedle + 1, iNeedle - 1))
                return iAt;
            mask &= mask - 1;
            mask &= mask - 1;
        }
    }
#endif
    for (; i <= iLast; ++i) {
        if ((pHay[i] == cLower || pHay[i] == cUpper)
            && equalFolded(pHay + i + 1, pNeedle + 1, iNeedle - 1))
            return i;
    }
    return -1;
}

} // namespace

int findText(const QString &strHaystack, const QString &strNeedle, int iFrom,
             Qt::CaseSensitivity cs)
{
    const int iHay = strHaystack.size();
    const int iNeedle = strNeedle.size();
    if (cs == Qt::CaseSensitive || iNeedle == 0 || iFrom < 0 || iFrom > iHay)
        return strHaystack.indexOf(strNeedle, iFrom, cs);
    const ushort *pHay = strHaystack.utf16();
    const ushort *pNeedle = strNeedle.utf16();
    if (!isAscii(pNeedle, iNeedle) || !isAscii(pHay + iFrom, iHay - iFrom))
        return strHaystack.indexOf(strNeedle, iFrom, cs);
    if (iHay - iFrom < iNeedle)
        return -1;
    return findFolded(pHay, iFrom, iHay - iNeedle, pNeedle, iNeedle);
}

} // namespace vbscript
