#include "platform/outputfile.h"

#include "platform/outputfile_detail.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace platform::outputfile_detail {

namespace {
constexpr int c_iRandomLetters = 6;

// Eight hexadecimal digits that tell one file's temporary files from another's in a folder.
QString nameTag(const QString &strFileName)
{
    return QString::fromLatin1(
            QCryptographicHash::hash(strFileName.toUtf8(), QCryptographicHash::Sha256)
                    .toHex()
                    .left(8));
}
} // namespace

bool isEncodable(const QString &strPath)
{
    // A name whose bytes are not valid in the system's encoding arrives with replacement
    // characters: written, it would name another file.
    return !strPath.contains(QChar::ReplacementCharacter) && !strPath.contains(QChar::Null)
            && QFile::decodeName(QFile::encodeName(strPath)) == strPath;
}

QString quoted(const QString &strPath)
{
    return QLatin1Char('"') + strPath + QLatin1Char('"');
}

QString temporaryNameFor(const QString &strFileName)
{
    QString strLetters;
    for (int i = 0; i < c_iRandomLetters; ++i)
        strLetters += QLatin1Char(char('a' + QRandomGenerator::global()->bounded(26)));
    return QStringLiteral(".ChipsetInstaller-%1-%2.tmp").arg(nameTag(strFileName), strLetters);
}

bool isTemporaryNameFor(const QString &strCandidate, const QString &strFileName)
{
    static const QRegularExpression c_temporary(
            QStringLiteral("^\\.ChipsetInstaller-([0-9a-f]{8})-[a-z]{6}\\.tmp$"));
    const QRegularExpressionMatch match = c_temporary.match(strCandidate);
    return match.hasMatch() && match.captured(1) == nameTag(strFileName);
}

} // namespace platform::outputfile_detail

namespace platform {

bool writeOutputFile(const QString &strPath, const QByteArray &data, QString *pstrError)
{
    QString strReason = outputPathProblem(strPath);
    if (strReason.isEmpty() && outputfile_detail::replaceFile(strPath, data, &strReason))
        return true;
    if (pstrError)
        *pstrError = strReason;
    return false;
}

} // namespace platform
