#include "engine/logtail.h"

#include "platform/localfile.h"

#include <QFile>

#include <algorithm>

namespace logtail {

namespace {

constexpr qint64 c_iChunkSize = 64 * 1024;
// At most this much of the end of the file is read, whatever the length of its lines.
constexpr qint64 c_iMaxTailBytes = 4 * 1024 * 1024;
// Stands for every character that is not ASCII; markers hold none.
constexpr char c_chOther = '\x80';

// Bytes per code unit of the file's encoding, from its byte order mark as QTextStream detects
// it; 1 for the locale's ASCII-compatible encodings and UTF-8.
int codeUnitSize(const QByteArray &head)
{
    const auto byte = [&head](int i) { return i < head.size() ? uchar(head.at(i)) : -1; };
    if (head.size() >= 4) {
        if (byte(0) == 0x00 && byte(1) == 0x00 && byte(2) == 0xFE && byte(3) == 0xFF)
            return -4;
        if (byte(0) == 0xFF && byte(1) == 0xFE && byte(2) == 0x00 && byte(3) == 0x00)
            return 4;
    }
    if (head.size() >= 2) {
        if (byte(0) == 0xFE && byte(1) == 0xFF)
            return -2;
        if (byte(0) == 0xFF && byte(1) == 0xFE)
            return 2;
    }
    return 1;
}

// The chunk as one byte per character: ASCII stays, everything else becomes c_chOther, carriage
// returns are dropped. iUnit < 0 means big-endian code units.
QByteArray narrow(const QByteArray &chunk, int iUnit)
{
    QByteArray text;
    const int iSize = std::abs(iUnit);
    text.reserve(chunk.size() / iSize);
    for (int i = 0; i + iSize <= chunk.size(); i += iSize) {
        quint32 uValue = 0;
        for (int j = 0; j < iSize; ++j) {
            const int k = iUnit < 0 ? j : iSize - 1 - j;
            uValue = (uValue << 8) | uchar(chunk.at(i + k));
        }
        if (uValue == '\r')
            continue;
        text.append(uValue < 0x80 ? char(uValue) : c_chOther);
    }
    return text;
}

// Bit i set when lstMarkers[i] occurs in text.
quint32 markersIn(const QByteArray &text, const QByteArrayList &lstMarkers)
{
    quint32 uMask = 0;
    for (int i = 0; i < lstMarkers.size() && i < 32; ++i) {
        if (text.contains(lstMarkers.at(i)))
            uMask |= 1u << i;
    }
    return uMask;
}

int firstMarker(quint32 uMask)
{
    for (int i = 0; i < 32; ++i) {
        if (uMask & (1u << i))
            return i;
    }
    return c_iNoMatch;
}

} // namespace

int findMarker(const QString &strPath, const QByteArrayList &lstMarkers, int iLines)
{
    QFile file(strPath);
    if (!platform::openRegularFile(file, QIODevice::ReadOnly | QIODevice::Text))
        return c_iUnreadable;
    file.setTextModeEnabled(false); // byte offsets must be exact; carriage returns go below

    const int iUnit = codeUnitSize(file.peek(4));
    const int iUnitSize = std::abs(iUnit);
    int iOverlap = 0;
    for (const QByteArray &marker : lstMarkers)
        iOverlap = std::max(iOverlap, marker.size() - 1);

    qint64 iEnd = file.size() - file.size() % iUnitSize;
    qint64 iFloor = std::max<qint64>(0, iEnd - c_iMaxTailBytes);
    iFloor -= iFloor % iUnitSize;
    int iLinesSeen = 0;
    bool bNewestLine = true; // the line after the last line feed counts only when not empty
    bool bNewestLineEmpty = true;
    quint32 uLineMask = 0;
    QByteArray lineStart; // the first characters seen so far of the current line

    while (iEnd > iFloor && iLinesSeen < iLines) {
        qint64 iStart = std::max<qint64>(iFloor, iEnd - c_iChunkSize);
        iStart -= iStart % iUnitSize;
        if (!file.seek(iStart))
            return c_iUnreadable;
        const QByteArray chunk = file.read(iEnd - iStart);
        if (chunk.size() != iEnd - iStart)
            return c_iUnreadable;
        iEnd = iStart;

        const QByteArray text = narrow(chunk, iUnit);
        int iRight = text.size();
        while (iLinesSeen < iLines) {
            const int iBreak = iRight > 0 ? text.lastIndexOf('\n', iRight - 1) : -1;
            const QByteArray part = text.mid(iBreak + 1, iRight - iBreak - 1) + lineStart;
            uLineMask |= markersIn(part, lstMarkers);
            lineStart = part.left(iOverlap);
            if (bNewestLine && !part.isEmpty())
                bNewestLineEmpty = false;
            if (iBreak < 0)
                break;
            // The line ends here: a line feed lies before it.
            if (!(bNewestLine && bNewestLineEmpty)) {
                if (uLineMask)
                    return firstMarker(uLineMask);
                ++iLinesSeen;
            }
            bNewestLine = false;
            uLineMask = 0;
            lineStart.clear();
            iRight = iBreak;
        }
    }
    // The first line of the file, or of the part read, has no line feed before it.
    if (iEnd <= iFloor && iLinesSeen < iLines && !(bNewestLine && bNewestLineEmpty) && uLineMask)
        return firstMarker(uLineMask);
    return c_iNoMatch;
}

} // namespace logtail
