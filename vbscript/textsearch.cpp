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
    ushort any = 0;
    int i = 0;
#if defined(__SSE2__)
    if (iCount >= 8) {
        __m128i chars = _mm_setzero_si128();
        for (; i + 8 <= iCount; i += 8)
            chars = _mm_or_si128(chars, _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i)));
        chars = _mm_or_si128(chars, _mm_srli_si128(chars, 8));
        chars = _mm_or_si128(chars, _mm_srli_si128(chars, 4));
        chars = _mm_or_si128(chars, _mm_srli_si128(chars, 2));
        any = ushort(_mm_cvtsi128_si32(chars));
    }
#endif
    for (; i < iCount; ++i)
        any |= p[i];
    return any < 0x80;
}

// True when the iCount characters at pHay equal those at pNeedle, ignoring ASCII case; a
// character from 0x80 up in pHay before the first difference sets bOther and ends the compare.
inline bool equalFolded(const ushort *pHay, const ushort *pNeedle, int iCount, bool &bOther)
{
    for (int j = 0; j < iCount; ++j) {
        if (pHay[j] >= 0x80) {
            bOther = true;
            return false;
        }
        if (asciiLower(pHay[j]) != asciiLower(pNeedle[j]))
            return false;
    }
    return true;
}

// The first start in [iFrom, iLast] where the ASCII needle matches, or -1; -2 when a character
// from 0x80 up was met where it could decide the answer. Every start before a match, or every
// start at all, is ruled out by an ASCII character that differs.
int findFolded(const ushort *pHay, int iFrom, int iLast, const ushort *pNeedle, int iNeedle)
{
    const ushort cLower = asciiLower(pNeedle[0]);
    const ushort cUpper = asciiUpper(pNeedle[0]);
    bool bOther = false;
    int i = iFrom;
#if defined(__SSE2__)
    // Eight starts at a time are tested on the needle's first and last letters, ignoring case
    // by setting bit 0x20 on both sides (which also pairs a few signs, such as "\\" and "|";
    // a candidate is compared in full). The load at the last letter stays within the text, as
    // the last start is iNeedle before its end.
    const __m128i fold = _mm_set1_epi16(0x20);
    const __m128i first = _mm_set1_epi16(short(pNeedle[0] | 0x20));
    const __m128i last = _mm_set1_epi16(short(pNeedle[iNeedle - 1] | 0x20));
    const __m128i high = _mm_set1_epi16(short(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    for (unsigned done = 0; i <= iLast; i += 8, done = 0) {
        if (i + 8 > iLast + 1) {
            // The last starts: a block that ends at the last one, its starts already tested
            // left out.
            const int iBack = i - (iLast + 1 - 8);
            if (iLast + 1 - 8 < iFrom)
                break;
            i -= iBack;
            done = (1u << (2 * iBack)) - 1;
        }
        const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pHay + i));
        const __m128i tails
                = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pHay + i + iNeedle - 1));
        // Every character the test looks at must be ASCII for its answer to hold.
        if (_mm_movemask_epi8(
                    _mm_cmpeq_epi16(_mm_and_si128(_mm_or_si128(heads, tails), high), zero))
            != 0xFFFF)
            return -2;
        const __m128i both = _mm_and_si128(_mm_cmpeq_epi16(_mm_or_si128(heads, fold), first),
                                           _mm_cmpeq_epi16(_mm_or_si128(tails, fold), last));
        unsigned mask = unsigned(_mm_movemask_epi8(both)) & ~done;
        while (mask) {
            const int iAt = i + __builtin_ctz(mask) / 2; // two mask bits a character
            if (equalFolded(pHay + iAt, pNeedle, iNeedle, bOther))
                return iAt;
            if (bOther)
                return -2;
            mask &= mask - 1;
            mask &= mask - 1;
        }
    }
#endif
    for (; i <= iLast; ++i) {
        if (pHay[i] >= 0x80)
            return -2;
        if (pHay[i] != cLower && pHay[i] != cUpper)
            continue;
        if (equalFolded(pHay + i + 1, pNeedle + 1, iNeedle - 1, bOther))
            return i;
        if (bOther)
            return -2;
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
    const ushort *pHay = reinterpret_cast<const ushort *>(strHaystack.constData());
    const ushort *pNeedle = reinterpret_cast<const ushort *>(strNeedle.constData());
    if (!isAscii(pNeedle, iNeedle))
        return strHaystack.indexOf(strNeedle, iFrom, cs);
    if (iHay - iFrom < iNeedle)
        return -1;
    const int iFound = findFolded(pHay, iFrom, iHay - iNeedle, pNeedle, iNeedle);
    return iFound == -2 ? strHaystack.indexOf(strNeedle, iFrom, cs) : iFound;
}

} // namespace vbscript
