#ifndef TESTS_VBSCRIPT_CASEFILE_H
#define TESTS_VBSCRIPT_CASEFILE_H

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// A language case: a script under cases/ whose comments say what it prints, in order
// ("' expect: Integer:4"), and the error that ends it ("' expect error: 13"). Run after
// prelude.vbs, which defines Show.
namespace casefile {

struct Expectation
{
    int iLine = 0; // of the comment, from 1
    QString text; // a line of output, or the error's number
    bool bError = false;
    bool bStatement = false; // the comment ends a statement; otherwise it is a line of its own
};

inline QString casesDir()
{
    return QStringLiteral(VBSCRIPT_CASES_DIR);
}

inline QStringList caseNames()
{
    return QDir(casesDir()).entryList({QStringLiteral("*.vbs")}, QDir::Files, QDir::Name);
}

inline QStringList lines(const QString &strName)
{
    QFile file(casesDir() + QLatin1Char('/') + strName);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return QString::fromUtf8(file.readAll()).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
}

inline QVector<Expectation> expectations(const QString &strName)
{
    static const QRegularExpression expect(QStringLiteral("' expect( error)?: (.*)$"));
    QVector<Expectation> result;
    const QStringList lines = casefile::lines(strName);
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = expect.match(lines.at(i));
        if (match.hasMatch())
            result.append({i + 1, match.captured(2), match.capturedLength(1) > 0,
                           !lines.at(i).left(match.capturedStart()).trimmed().isEmpty()});
    }
    return result;
}

// What a run gave, in the form of the expectations: its lines of output, then "error <number>"
// when an error ended it.
inline QVector<QString> outcome(const QByteArray &output, int iError)
{
    QVector<QString> result;
    for (const QString &line : QString::fromUtf8(output).split(QLatin1Char('\n'))) {
        QString text = line;
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        result.append(text);
    }
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    if (iError)
        result.append(QStringLiteral("error %1").arg(iError));
    return result;
}

inline QString expected(const Expectation &expectation)
{
    return expectation.bError ? QStringLiteral("error ") + expectation.text : expectation.text;
}

} // namespace casefile

#endif // TESTS_VBSCRIPT_CASEFILE_H
