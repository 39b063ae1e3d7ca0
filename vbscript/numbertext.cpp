#include "vbscript/numbertext.h"

#include <QByteArray>
#include <QStringView>
#include <QVarLengthArray>

#include <cmath>

namespace vbscript {

namespace {

constexpr qint64 c_iExponentLimit = 100000; // far beyond any Double
// Powers of ten that a Double holds exactly.
constexpr double c_adExactPowers[]
        = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
           1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int c_iExactDigits = 15;

bool isDigit(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

NumberText parseHexOrOctal(QStringView text, double &dResult)
{
    const QChar kind = text.at(1).toUpper();
    const int iBase = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
    if (iBase == 0)
        return NumberText::NotANumber;
    bool bOk = false;
    const qint64 i = text.mid(2).toString().toLongLong(&bOk, iBase);
    if (!bOk || i < 0 || i > 0xFFFFFFFFLL)
        return NumberText::NotANumber;
    dResult = i <= 0x7FFFFFFF ? double(i) : double(qint32(quint32(i)));
    return NumberText::Number;
}

} // namespace

NumberText parseNumber(const QString &str, double &dResult)
{
    const int iNul = str.indexOf(QChar(0));
    const QStringView text = QStringView(str).left(iNul < 0 ? str.size() : iNul);
    const QStringView trimmed = text.trimmed();
    if (trimmed.size() > 2 && trimmed.at(0) == QLatin1Char('&'))
        return parseHexOrOctal(trimmed, dResult);

    // Before the number: blanks and each symbol once, in any order.
    const int iSize = text.size();
    int i = 0;
    bool bPlus = false;
    bool bMinus = false;
    bool bCurrency = false;
    bool bParenthesis = false;
    for (; i < iSize; ++i) {
        const QChar ch = text.at(i);
        if (ch.isSpace())
            continue;
        if (ch == QLatin1Char('+') && !bPlus)
            bPlus = true;
        else if (ch == QLatin1Char('-') && !bMinus)
            bMinus = true;
        else if (ch == QLatin1Char('$') && !bCurrency)
            bCurrency = true;
        else if (ch == QLatin1Char('(') && !bParenthesis)
            bParenthesis = true;
        else
            break;
    }

    // The number; a thousands separator anywhere but first is passed over.
    QVarLengthArray<char, 32> digits;
    quint64 iMantissa = 0; // the first digits from the first that is not 0
    int iSignificantDigits = 0;
    int iFractionDigits = 0;
    qint64 iExponent = 0;
    bool bPoint = false;
    bool bExponent = false;
    bool bExponentSign = false;
    bool bExponentNegative = false;
    int iExponentDigits = 0;
    bool bExponentEnded = false; // its digits stand together
    const int iNumberStart = i;
    for (; i < iSize; ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char(',') && i > iNumberStart) {
            bExponentEnded = iExponentDigits > 0;
            continue;
        }
        if (!bExponent) {
            if (isDigit(ch)) {
                digits.append(char(ch.unicode()));
                iFractionDigits += bPoint ? 1 : 0;
                if (iSignificantDigits > 0 || ch != QLatin1Char('0')) {
                    if (++iSignificantDigits <= c_iExactDigits)
                        iMantissa = iMantissa * 10 + (ch.unicode() - '0');
                }
            } else if (ch == QLatin1Char('.') && !bPoint) {
                bPoint = true;
            } else if ((ch == QLatin1Char('e') || ch == QLatin1Char('E')) && !digits.isEmpty()) {
                bExponent = true;
            } else {
                break;
            }
        } else if (isDigit(ch) && !bExponentEnded) {
            ++iExponentDigits;
            if (iExponent < c_iExponentLimit)
                iExponent = iExponent * 10 + (ch.unicode() - '0');
        } else if ((ch == QLatin1Char('+') || ch == QLatin1Char('-')) && !bExponentSign
                   && iExponentDigits == 0) {
            bExponentSign = true;
            bExponentNegative = ch == QLatin1Char('-');
        } else {
            break;
        }
    }
    if (digits.isEmpty() || (bExponent && iExponentDigits == 0))
        return NumberText::NotANumber;

    // After the number: blanks and each symbol once; a sign only if it did not stand before.
    bool bTrailingPlus = false;
    bool bTrailingMinus = false;
    bool bTrailingCurrency = false;
    bool bClosed = false;
    for (; i < iSize; ++i) {
        const QChar ch = text.at(i);
        if (ch.isSpace())
            continue;
        if (ch == QLatin1Char('+') && !bPlus && !bTrailingPlus)
            bTrailingPlus = true;
        else if (ch == QLatin1Char('-') && !bMinus && !bTrailingMinus)
            bTrailingMinus = true;
        else if (ch == QLatin1Char('$') && !bTrailingCurrency)
            bTrailingCurrency = true;
        else if (ch == QLatin1Char(')') && bParenthesis && !bClosed)
            bClosed = true;
        else
            return NumberText::NotANumber;
    }
    if (bParenthesis != bClosed)
        return NumberText::NotANumber;

    // Digits and a power of ten, rounded once to the nearest Double: directly where both are
    // exact Doubles, else by the full conversion.
    const qint64 iPower = (bExponentNegative ? -iExponent : iExponent) - iFractionDigits;
    double d = 0;
    if (iSignificantDigits <= c_iExactDigits && iPower >= -22 && iPower <= 22) {
        d = iPower >= 0 ? double(iMantissa) * c_adExactPowers[iPower]
                        : double(iMantissa) / c_adExactPowers[-iPower];
    } else {
        d = (QByteArray(digits.constData(), digits.size()) + 'e' + QByteArray::number(iPower))
                    .toDouble();
    }
    if (std::isinf(d))
        return NumberText::Overflow;
    dResult = bMinus || bTrailingMinus || bParenthesis ? -d : d;
    return NumberText::Number;
}

} // namespace vbscript
