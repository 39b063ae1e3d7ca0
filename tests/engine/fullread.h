#ifndef FULLREAD_H
#define FULLREAD_H

#include <QFile>
#include <QStringList>
#include <QTextStream>

// The plain way of judging a log: every line read, newest first, the last ten examined. A
// UTF-16 or UTF-32 byte order mark still chooses the encoding.
// Answers the index of the first result line found, -1 for none, -2 for an unreadable file.
inline int judgeByReadingEveryLine(const QString &strPath, const QStringList &lstMarkers)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return -2;
    QTextStream stream(&file);
    // One byte a character without a byte order mark, as the tail reader counts lines: the
    // locale's codec would make the answer depend on the machine (under UTF-8 a last line
    // that is only an unfinished sequence is no line at all).
    stream.setCodec("ISO-8859-1");
    QStringList lstLines;
    while (!stream.atEnd())
        lstLines.prepend(stream.readLine());
    for (int i = 0; i < 10 && i < lstLines.size(); ++i) {
        for (int j = 0; j < lstMarkers.size(); ++j) {
            if (lstLines.at(i).contains(lstMarkers.at(j)))
                return j;
        }
    }
    return -1;
}

inline QStringList resultMarkers()
{
    return {QStringLiteral("MainEngineThread is returning 0"),
            QStringLiteral("MainEngineThread is returning 1602"),
            QStringLiteral("MainEngineThread is returning 1603"),
            QStringLiteral("MainEngineThread is returning 1720")};
}

#endif // FULLREAD_H
