#include "pseudotranslator.h"

#include <QRegularExpression>

namespace {
const QString c_strPlain = QStringLiteral("aceinosuyzACEINOSUYZ");
const QString c_strAccented = QStringLiteral("åçéîñöšüýžÅÇÉÎÑÖŠÜÝŽ");
// Words for the lengthening: of several lengths, so that long texts can still wrap.
const QString c_strFiller = QStringLiteral("lörém ïpšüm dölör šït åmét çönšéçtétür åðïpïšçïñg");
} // namespace

QString PseudoTranslator::pseudo(const QString &strSource)
{
    // Arguments, markup and entities are kept; every other letter gets its accent.
    static const QRegularExpression c_kept(QStringLiteral("%L?\\d+|%n|<[^>]*>|&[a-z]+;"));
    QString strText;
    int iLetters = 0;
    int iPosition = 0;
    QRegularExpressionMatchIterator it = c_kept.globalMatch(strSource);
    auto accent = [&](const QString &strPart) {
        for (const QChar c : strPart) {
            const int iPlain = c_strPlain.indexOf(c);
            strText += iPlain < 0 ? c : c_strAccented.at(iPlain);
        }
        iLetters += strPart.size();
    };
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        accent(strSource.mid(iPosition, match.capturedStart() - iPosition));
        strText += match.captured();
        iPosition = match.capturedEnd();
    }
    accent(strSource.mid(iPosition));

    const int iExtra = iLetters <= 10 ? iLetters
            : iLetters <= 20          ? (iLetters * 7 + 9) / 10
                                      : (iLetters * 4 + 9) / 10;
    QString strFiller;
    if (iLetters <= 20) {
        // A short text grows as one word, as a compound does.
        strFiller = c_strFiller;
        strFiller.remove(QLatin1Char(' '));
    } else {
        strFiller = QLatin1Char(' ') + c_strFiller;
    }
    while (strFiller.size() < iExtra)
        strFiller += strFiller;
    return QLatin1Char('[') + strText + strFiller.left(iExtra) + QLatin1Char(']');
}

QString PseudoTranslator::translate(const char *pszContext, const char *pszSource,
                                    const char *pszDisambiguation, int n) const
{
    Q_UNUSED(pszDisambiguation)
    Q_UNUSED(n)
    // Qt's own texts, such as its layout direction, are not the program's.
    if (pszContext[0] == 'Q' && pszContext[1] != '\0' && QChar::isUpper(uint(pszContext[1])))
        return QString();
    return pseudo(QString::fromUtf8(pszSource));
}
