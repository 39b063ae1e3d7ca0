#include "installertext.h"

namespace installertext {

namespace {

bool isBlank(QChar ch)
{
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t');
}

bool isNameCharacter(QChar ch)
{
    return (ch.isLetterOrNumber() && ch.unicode() < 0x80) || ch == QLatin1Char('_')
            || ch == QLatin1Char('.');
}

// Reads the installer text into the reading; false with strError set when it is malformed.
bool readText(const QString &strText, Reading &reading)
{
    int i = 0;
    const int iSize = strText.size();
    while (true) {
        while (i < iSize && isBlank(strText.at(i)))
            ++i;
        if (i == iSize)
            return true;
        const int iStart = i;
        if (strText.at(i) == QLatin1Char('/')) {
            while (i < iSize && !isBlank(strText.at(i)))
                ++i;
            const QString strOption = strText.mid(iStart, i - iStart);
            if (!strOption.startsWith(QLatin1String("/q"), Qt::CaseInsensitive)) {
                reading.strError = QStringLiteral("unknown option ") + strOption;
                return false;
            }
            reading.lstOptions.append(strOption);
            continue;
        }
        while (i < iSize && isNameCharacter(strText.at(i)))
            ++i;
        if (i == iStart || i == iSize || strText.at(i) != QLatin1Char('=')) {
            reading.strError = QStringLiteral("not a property: ") + strText.mid(iStart);
            return false;
        }
        const QString strName = strText.mid(iStart, i - iStart);
        ++i;
        QString strValue;
        if (i < iSize && strText.at(i) == QLatin1Char('"')) {
            ++i;
            bool bClosed = false;
            while (i < iSize) {
                if (strText.at(i) != QLatin1Char('"')) {
                    strValue += strText.at(i++);
                } else if (i + 1 < iSize && strText.at(i + 1) == QLatin1Char('"')) {
                    strValue += QLatin1Char('"');
                    i += 2;
                } else {
                    ++i;
                    bClosed = true;
                    break;
                }
            }
            if (!bClosed || (i < iSize && !isBlank(strText.at(i)))) {
                reading.strError = QStringLiteral("badly quoted value of ") + strName;
                return false;
            }
        } else {
            while (i < iSize && !isBlank(strText.at(i)))
                strValue += strText.at(i++);
        }
        reading.properties.append({strName, strValue});
    }
}

} // namespace

Reading read(const QStringList &lstArguments)
{
    Reading reading;
    bool bSilent = false;
    bool bText = false;
    bool bCloneWait = false;
    for (const QString &strArgument : lstArguments) {
        bool *pbSeen = nullptr;
        if (strArgument.compare(QLatin1String("/S"), Qt::CaseInsensitive) == 0) {
            pbSeen = &bSilent;
        } else if (strArgument.compare(QLatin1String("/clone_wait"), Qt::CaseInsensitive) == 0) {
            pbSeen = &bCloneWait;
        } else if (strArgument.startsWith(QLatin1String("/v"), Qt::CaseInsensitive)) {
            pbSeen = &bText;
            reading.strText = strArgument.mid(2);
        } else {
            reading.strError = QStringLiteral("unknown argument ") + strArgument;
            return reading;
        }
        if (*pbSeen) {
            reading.strError = QStringLiteral("repeated argument ") + strArgument;
            return reading;
        }
        *pbSeen = true;
    }
    reading.bValid = readText(reading.strText, reading);
    return reading;
}

QString valueOf(const Properties &properties, const QString &strName)
{
    for (const auto &property : properties) {
        if (property.first == strName)
            return property.second;
    }
    return QString();
}

} // namespace installertext
