#include "vbscript/builtins.h"

#include "vbscript/hostobject.h"
#include "vbscript/numbertext.h"
#include "vbscript/operators.h"
#include "vbscript/textsearch.h"

#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace vbscript {

namespace {

using Args = BuiltinArgs;
using Context = BuiltinContext;

[[noreturn]] void invalidCall()
{
    raiseError(errors::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"));
}

void checkLength(const Context &context, qint64 iLength)
{
    if (iLength > context.maxStringLength)
        raiseError(errors::OutOfStringSpace, QStringLiteral("Out of string space"));
}

// Plain value of an argument: objects give their default value.
Value plain(const Value &value)
{
    return value.isObject() ? value.resolved() : value;
}

int compareMode(Args args, int iCount, int iIndex)
{
    if (iIndex >= iCount || args[iIndex].isEmpty())
        return 0;
    int i = args[iIndex].toLong();
    if (i < 0 || i > 2)
        invalidCall();
    return i;
}

Qt::CaseSensitivity sensitivity(int iMode)
{
    return iMode == 0 ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

// OLE dates
const QDate &epoch()
{
    static const QDate date(1899, 12, 30);
    return date;
}

double toOleDate(const QDateTime &dateTime)
{
    qint64 iDays = epoch().daysTo(dateTime.date());
    double dTime = dateTime.time().msecsSinceStartOfDay() / 1000 / 86400.0;
    return iDays >= 0 ? iDays + dTime : iDays - dTime;
}

void splitOleDate(double d, QDate &date, int &iSeconds)
{
    double dDays = d < 0 ? std::ceil(d) : std::floor(d);
    double dFraction = std::fabs(d - dDays);
    qint64 iTotal = std::llround(dFraction * 86400.0);
    if (iTotal >= 86400) {
        iTotal -= 86400;
        dDays += d < 0 ? -1 : 1;
    }
    if (!(std::fabs(dDays) <= 3000000))
        raiseError(errors::Overflow, QStringLiteral("Overflow"));
    date = epoch().addDays(qint64(dDays));
    iSeconds = int(iTotal);
}

bool parseDateText(const QString &strText, double &dResult)
{
    static const QRegularExpression dateIso(
            QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[ T](.*))?$"));
    static const QRegularExpression dateUs(
            QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2,4})(?:\\s+(.*))?$"));
    static const QRegularExpression time(
            QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*([AaPp][Mm])?$"));
    QString str = strText.trimmed();
    QDate date;
    QString strTime = str;
    bool bDate = false;
    QRegularExpressionMatch match = dateIso.match(str);
    if (match.hasMatch()) {
        date = QDate(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
        strTime = match.captured(4).trimmed();
        bDate = true;
    } else if ((match = dateUs.match(str)).hasMatch()) {
        int iYear = match.captured(3).toInt();
        if (match.captured(3).size() == 2)
            iYear += iYear < 30 ? 2000 : 1900;
        date = QDate(iYear, match.captured(1).toInt(), match.captured(2).toInt());
        strTime = match.captured(4).trimmed();
        bDate = true;
    }
    if (bDate && !date.isValid())
        return false;
    int iSeconds = 0;
    if (!strTime.isEmpty()) {
        QRegularExpressionMatch timeMatch = time.match(strTime);
        if (!timeMatch.hasMatch())
            return false;
        int iHour = timeMatch.captured(1).toInt();
        int iMinute = timeMatch.captured(2).toInt();
        int iSecond = timeMatch.captured(3).toInt();
        QString strAmPm = timeMatch.captured(4).toUpper();
        if (!strAmPm.isEmpty()) {
            if (iHour < 1 || iHour > 12)
                return false;
            iHour = iHour % 12 + (strAmPm == QLatin1String("PM") ? 12 : 0);
        }
        if (iHour > 23 || iMinute > 59 || iSecond > 59)
            return false;
        iSeconds = iHour * 3600 + iMinute * 60 + iSecond;
    } else if (!bDate) {
        return false;
    }
    double dDays = bDate ? double(epoch().daysTo(date)) : 0;
    double dTime = iSeconds / 86400.0;
    dResult = dDays >= 0 ? dDays + dTime : dDays - dTime;
    return true;
}

double toDate(const Value &argument)
{
    Value value = plain(argument);
    if (value.type() == Value::Type::Date)
        return value.rawDouble();
    if (value.isString()) {
        double d = 0;
        if (parseDateText(value.rawString(), d))
            return d;
        if (parseNumber(value.rawString(), d) == NumberText::Number)
            return d;
        raiseError(errors::TypeMismatch, QStringLiteral("Type mismatch"));
    }
    return value.toDouble();
}

// String functions
Value fnLen(const Context &, Args args, int)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    return Value::longValue(value.toString().size());
}

Value fnLeft(const Context &, Args args, int)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    qint32 iLength = args[1].toLong();
    if (iLength < 0)
        invalidCall();
    return Value(value.toString().left(iLength));
}

Value fnRight(const Context &, Args args, int)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    qint32 iLength = args[1].toLong();
    if (iLength < 0)
        invalidCall();
    return Value(value.toString().right(iLength));
}

Value fnMid(const Context &, Args args, int iCount)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    qint32 iStart = args[1].toLong();
    if (iStart < 1)
        invalidCall();
    QString str = value.toString();
    if (iCount < 3 || args[2].isEmpty())
        return Value(str.mid(iStart - 1));
    qint32 iLength = args[2].toLong();
    if (iLength < 0)
        invalidCall();
    return Value(str.mid(iStart - 1, iLength));
}

Value searchResult(const QString &strHaystack, const QString &strNeedle, int iStart, int iMode);

Value fnInStr(const Context &, Args args, int iCount)
{
    // InStr([start,] string1, string2[, compare])
    int iStart = 1;
    int iFirst = 0;
    if (iCount >= 3) {
        if (args[0].isNull())
            raiseError(errors::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
        iStart = args[0].toLong();
        if (iStart < 1)
            invalidCall();
        iFirst = 1;
    }
    int iMode = compareMode(args, iCount, iFirst + 2);
    if (args[iFirst].isString() && args[iFirst + 1].isString()) {
        // Two strings, as in a search of identifiers: no conversion, so no copies.
        return searchResult(args[iFirst].rawString(), args[iFirst + 1].rawString(), iStart, iMode);
    }
    Value haystack = plain(args[iFirst]);
    Value needle = plain(args[iFirst + 1]);
    if (haystack.isNull() || needle.isNull())
        return Value::null();
    return searchResult(haystack.toString(), needle.toString(), iStart, iMode);
}

// InStr's answer for the strings, searching from iStart (1-based).
Value searchResult(const QString &strHaystack, const QString &strNeedle, int iStart, int iMode)
{
    if (iStart > strHaystack.size())
        return Value::longValue(0);
    if (strNeedle.isEmpty())
        return Value::longValue(iStart);
    return Value::longValue(findText(strHaystack, strNeedle, iStart - 1, sensitivity(iMode)) + 1);
}

Value fnInStrRev(const Context &, Args args, int iCount)
{
    // InStrRev(string1, string2[, start[, compare]])
    Value haystack = plain(args[0]);
    Value needle = plain(args[1]);
    int iStart = -1;
    if (iCount >= 3 && !args[2].isEmpty()) {
        iStart = args[2].toLong();
        if (iStart == 0 || iStart < -1)
            invalidCall();
    }
    int iMode = compareMode(args, iCount, 3);
    if (haystack.isNull() || needle.isNull())
        return Value::null();
    QString strHaystack = haystack.toString();
    QString strNeedle = needle.toString();
    if (iStart == -1)
        iStart = strHaystack.size();
    if (iStart > strHaystack.size())
        return Value::longValue(0);
    if (strNeedle.isEmpty())
        return Value::longValue(iStart);
    int iFrom = iStart - strNeedle.size();
    if (iFrom < 0)
        return Value::longValue(0);
    return Value::longValue(strHaystack.lastIndexOf(strNeedle, iFrom, sensitivity(iMode)) + 1);
}

Value fnUCase(const Context &, Args args, int)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    return Value(value.toString().toUpper());
}

Value fnLCase(const Context &, Args args, int)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    return Value(value.toString().toLower());
}

QString trimSpaces(const QString &str, bool bLeft, bool bRight)
{
    int iStart = 0;
    int iEnd = str.size();
    if (bLeft)
        while (iStart < iEnd && str.at(iStart) == QLatin1Char(' '))
            ++iStart;
    if (bRight)
        while (iEnd > iStart && str.at(iEnd - 1) == QLatin1Char(' '))
            --iEnd;
    return str.mid(iStart, iEnd - iStart);
}

Value fnTrim(const Context &, Args args, int)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    return Value(trimSpaces(value.toString(), true, true));
}

Value fnLTrim(const Context &, Args args, int)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    return Value(trimSpaces(value.toString(), true, false));
}

Value fnRTrim(const Context &, Args args, int)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    return Value(trimSpaces(value.toString(), false, true));
}

Value fnReplace(const Context &context, Args args, int iCount)
{
    // Replace(expression, find, replacewith[, start[, count[, compare]]])
    Value expression = plain(args[0]);
    if (expression.isNull() || args[1].isNull() || args[2].isNull())
        return Value::null();
    QString str = expression.toString();
    QString strFind = args[1].toString();
    QString strWith = args[2].toString();
    int iStart = iCount > 3 && !args[3].isEmpty() ? args[3].toLong() : 1;
    int iMax = iCount > 4 && !args[4].isEmpty() ? args[4].toLong() : -1;
    int iMode = compareMode(args, iCount, 5);
    if (iStart < 1 || iMax < -1)
        invalidCall();
    // The result starts at the start position.
    str = str.mid(iStart - 1);
    if (strFind.isEmpty() || iMax == 0)
        return Value(str);
    QString strResult;
    int iPos = 0;
    int iDone = 0;
    Qt::CaseSensitivity cs = sensitivity(iMode);
    for (;;) {
        int iFound = iMax >= 0 && iDone >= iMax ? -1 : str.indexOf(strFind, iPos, cs);
        if (iFound < 0) {
            strResult += str.midRef(iPos);
            break;
        }
        strResult += str.midRef(iPos, iFound - iPos);
        strResult += strWith;
        checkLength(context, strResult.size());
        iPos = iFound + strFind.size();
        ++iDone;
    }
    checkLength(context, strResult.size());
    return Value(strResult);
}

Value fnSplit(const Context &context, Args args, int iCount)
{
    // Split(expression[, delimiter[, count[, compare]]])
    Value expression = plain(args[0]);
    if (expression.isNull())
        raiseError(errors::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    QString str = expression.toString();
    QString strDelimiter
            = iCount > 1 && !args[1].isEmpty() ? args[1].toString() : QStringLiteral(" ");
    int iMax = iCount > 2 && !args[2].isEmpty() ? args[2].toLong() : -1;
    int iMode = compareMode(args, iCount, 3);
    if (iMax < -1)
        invalidCall();
    QVector<Value> items;
    if (str.isEmpty() || iMax == 0)
        return Value::array(items);
    if (strDelimiter.isEmpty()) {
        items.append(Value(str));
        return Value::array(items);
    }
    Qt::CaseSensitivity cs = sensitivity(iMode);
    int iPos = 0;
    for (;;) {
        if (iMax > 0 && items.size() == iMax - 1) {
            items.append(Value(str.mid(iPos)));
            break;
        }
        int iFound = str.indexOf(strDelimiter, iPos, cs);
        if (iFound < 0) {
            items.append(Value(str.mid(iPos)));
            break;
        }
        items.append(Value(str.mid(iPos, iFound - iPos)));
        iPos = iFound + strDelimiter.size();
        if (items.size() > context.maxArrayItems)
            raiseError(errors::OutOfMemory, QStringLiteral("Out of memory"));
    }
    return Value::array(items);
}

Value fnJoin(const Context &context, Args args, int iCount)
{
    if (!args[0].isArray() || args[0].dimensions() != 1)
        raiseError(errors::TypeMismatch, QStringLiteral("Type mismatch"));
    QString strDelimiter = iCount > 1 ? args[1].toString() : QStringLiteral(" ");
    QString strResult;
    const QVector<Value> &items = args[0].items();
    for (int i = 0; i < items.size(); ++i) {
        if (i > 0)
            strResult += strDelimiter;
        if (!items[i].isNull())
            strResult += items[i].toString();
        checkLength(context, strResult.size());
    }
    return Value(strResult);
}

Value fnStrComp(const Context &, Args args, int iCount)
{
    Value a = plain(args[0]);
    Value b = plain(args[1]);
    int iMode = compareMode(args, iCount, 2);
    if (a.isNull() || b.isNull())
        return Value::null();
    int i = QString::compare(a.toString(), b.toString(), sensitivity(iMode));
    return Value::integer(i < 0 ? -1 : i > 0 ? 1 : 0);
}

Value fnStrReverse(const Context &, Args args, int)
{
    if (args[0].isNull())
        raiseError(errors::InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    QString str = args[0].toString();
    std::reverse(str.begin(), str.end());
    return Value(str);
}

Value fnSpace(const Context &context, Args args, int)
{
    qint32 i = args[0].toLong();
    if (i < 0)
        invalidCall();
    checkLength(context, i);
    return Value(QString(i, QLatin1Char(' ')));
}

Value fnString(const Context &context, Args args, int)
{
    qint32 i = args[0].toLong();
    if (i < 0)
        invalidCall();
    checkLength(context, i);
    Value character = plain(args[1]);
    if (character.isNull())
        return Value::null();
    QChar c;
    if (character.isString()) {
        if (character.rawString().isEmpty())
            invalidCall();
        c = character.rawString().at(0);
    } else {
        c = QChar(ushort(character.toLong() & 0xFF));
    }
    return Value(QString(i, c));
}

Value fnAsc(const Context &, Args args, int)
{
    QString str = args[0].toString();
    if (str.isEmpty())
        invalidCall();
    return Value(int(str.at(0).unicode()));
}

Value fnChr(const Context &, Args args, int)
{
    qint32 i = args[0].toLong();
    if (i < 0 || i > 65535)
        invalidCall();
    return Value(QString(QChar(ushort(i))));
}

Value fnHex(const Context &, Args args, int)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    qint32 i = value.toLong();
    if (value.type() == Value::Type::Integer
        || (i >= -32768 && i < 0 && !value.isString() && value.type() != Value::Type::Long
            && value.type() != Value::Type::Double))
        return Value(QString::number(quint16(i), 16).toUpper());
    return Value(QString::number(quint32(i), 16).toUpper());
}

Value fnOct(const Context &, Args args, int)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    qint32 i = value.toLong();
    if (value.type() == Value::Type::Integer)
        return Value(QString::number(quint16(i), 8));
    return Value(QString::number(quint32(i), 8));
}

// Conversions
Value fnCStr(const Context &, Args args, int)
{
    return Value(args[0].toString());
}

Value fnCInt(const Context &, Args args, int)
{
    return Value::integer(args[0].toInteger());
}

Value fnCLng(const Context &, Args args, int)
{
    return Value::longValue(args[0].toLong());
}

Value fnCDbl(const Context &, Args args, int)
{
    return Value(args[0].toDouble());
}

Value fnCBool(const Context &, Args args, int)
{
    return Value(args[0].toBool());
}

Value fnCByte(const Context &, Args args, int)
{
    qint16 i = args[0].toInteger();
    if (i < 0 || i > 255)
        raiseError(errors::Overflow, QStringLiteral("Overflow"));
    return Value::integer(i);
}

Value fnCDate(const Context &, Args args, int)
{
    double d = toDate(args[0]);
    if (!(d >= -657435.0 && d < 2958466.0))
        raiseError(errors::Overflow, QStringLiteral("Overflow"));
    return Value::date(d);
}

// Math
Value fnAbs(const Context &, Args args, int)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    Value number = value.toNumber();
    if (number.type() == Value::Type::Double)
        return Value(std::fabs(number.rawDouble()));
    if (number.rawInt() < 0)
        return unaryOperation(UnaryOp::Negate, number);
    return number;
}

Value roundTowards(const Value &argument, bool bFloor)
{
    Value value = plain(argument);
    if (value.isNull())
        return Value::null();
    Value number = value.toNumber();
    if (number.type() != Value::Type::Double)
        return number;
    double d = number.rawDouble();
    return Value(bFloor ? std::floor(d) : std::trunc(d));
}

Value fnInt(const Context &, Args args, int)
{
    return roundTowards(args[0], true);
}

Value fnFix(const Context &, Args args, int)
{
    return roundTowards(args[0], false);
}

Value fnRound(const Context &, Args args, int iCount)
{
    Value value = plain(args[0]);
    if (value.isNull())
        return Value::null();
    Value number = value.toNumber();
    int iDigits = iCount > 1 ? args[1].toLong() : 0;
    if (iDigits < 0)
        invalidCall();
    if (number.type() != Value::Type::Double)
        return number;
    double dScale = std::pow(10.0, qMin(iDigits, 22));
    double d = number.rawDouble() * dScale;
    double dFloor = std::floor(d);
    double dDiff = d - dFloor;
    double dRounded = dDiff > 0.5         ? dFloor + 1
            : dDiff < 0.5                 ? dFloor
            : std::fmod(dFloor, 2.0) == 0 ? dFloor
                                          : dFloor + 1;
    return Value(dRounded / dScale);
}

Value fnSgn(const Context &, Args args, int)
{
    double d = args[0].toDouble();
    return Value::integer(d < 0 ? -1 : d > 0 ? 1 : 0);
}

Value fnSqr(const Context &, Args args, int)
{
    double d = args[0].toDouble();
    if (d < 0)
        invalidCall();
    return Value(std::sqrt(d));
}

// Types
Value fnIsNull(const Context &, Args args, int)
{
    return Value(args[0].isNull());
}

Value fnIsEmpty(const Context &, Args args, int)
{
    return Value(args[0].isEmpty());
}

Value fnIsObject(const Context &, Args args, int)
{
    return Value(args[0].isObject());
}

Value fnIsArray(const Context &, Args args, int)
{
    return Value(args[0].isArray());
}

Value fnIsNumeric(const Context &, Args args, int)
{
    const Value &value = args[0];
    if (value.isNumeric() || value.isEmpty())
        return Value(value.type() != Value::Type::Date);
    if (value.isString()) {
        double d = 0;
        return Value(parseNumber(value.rawString(), d) == NumberText::Number);
    }
    return Value(false);
}

Value fnIsDate(const Context &, Args args, int)
{
    const Value &value = args[0];
    if (value.type() == Value::Type::Date)
        return Value(true);
    double d = 0;
    return Value(value.isString() && parseDateText(value.rawString(), d));
}

Value fnTypeName(const Context &, Args args, int)
{
    return Value(args[0].typeName());
}

Value fnVarType(const Context &, Args args, int)
{
    return Value(int(args[0].varType()));
}

// Arrays
Value fnArray(const Context &context, Args args, int iCount)
{
    if (iCount > context.maxArrayItems)
        raiseError(errors::OutOfMemory, QStringLiteral("Out of memory"));
    QVector<Value> items;
    items.reserve(iCount);
    for (int i = 0; i < iCount; ++i)
        items.append(args[i]);
    return Value::array(items);
}

Value fnUBound(const Context &, Args args, int iCount)
{
    if (!args[0].isArray())
        raiseError(errors::TypeMismatch, QStringLiteral("Type mismatch"));
    int iDimension = iCount > 1 ? args[1].toLong() : 1;
    return Value::longValue(args[0].upperBound(iDimension));
}

Value fnLBound(const Context &, Args args, int iCount)
{
    if (!args[0].isArray())
        raiseError(errors::TypeMismatch, QStringLiteral("Type mismatch"));
    int iDimension = iCount > 1 ? args[1].toLong() : 1;
    args[0].upperBound(iDimension); // checks the dimension
    return Value::longValue(0);
}

Value fnFilter(const Context &, Args args, int iCount)
{
    // Filter(array, match[, include[, compare]])
    if (!args[0].isArray() || args[0].dimensions() != 1)
        raiseError(errors::TypeMismatch, QStringLiteral("Type mismatch"));
    QString strMatch = args[1].toString();
    bool bInclude = iCount > 2 ? args[2].toBool() : true;
    Qt::CaseSensitivity cs = sensitivity(compareMode(args, iCount, 3));
    QVector<Value> items;
    for (const Value &item : args[0].items()) {
        if (item.toString().contains(strMatch, cs) == bInclude)
            items.append(Value(item.toString()));
    }
    return Value::array(items);
}

// Dates and times

// The local time. Asking the time zone is slow, and a script writing a log line per device asks
// for the time often: the offset from UTC is looked up again once a second.
QDateTime localNow()
{
    static bool s_bLookedUp = false;
    static qint64 s_iLastLookup = 0;
    static qint64 s_iOffsetMSecs = 0;
    qint64 iNow = QDateTime::currentMSecsSinceEpoch();
    if (!s_bLookedUp || iNow - s_iLastLookup >= 1000 || iNow < s_iLastLookup) {
        s_bLookedUp = true;
        s_iOffsetMSecs = qint64(QDateTime::fromMSecsSinceEpoch(iNow).offsetFromUtc()) * 1000;
        s_iLastLookup = iNow;
    }
    QDateTime local = QDateTime::fromMSecsSinceEpoch(iNow + s_iOffsetMSecs, Qt::UTC);
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

Value fnNow(const Context &, Args, int)
{
    return Value::date(toOleDate(localNow()));
}

Value fnDate(const Context &, Args, int)
{
    return Value::date(double(epoch().daysTo(localNow().date())));
}

Value fnTime(const Context &, Args, int)
{
    return Value::date(localNow().time().msecsSinceStartOfDay() / 1000 / 86400.0);
}

Value fnTimer(const Context &, Args, int)
{
    return Value(localNow().time().msecsSinceStartOfDay() / 1000.0);
}

Value fnFormatDateTime(const Context &, Args args, int iCount)
{
    Value value = plain(args[0]);
    if (value.isNull())
        raiseError(errors::TypeMismatch, QStringLiteral("Type mismatch"));
    double d = toDate(value);
    int iFormat = iCount > 1 ? args[1].toLong() : 0;
    QDate date;
    int iSeconds = 0;
    splitOleDate(d, date, iSeconds);
    int iHour = iSeconds / 3600;
    int iMinute = iSeconds / 60 % 60;
    switch (iFormat) {
    case 0:
        return Value(formatGeneralDate(d));
    case 1: // long date: "Sunday, January 2, 2000"
        return Value(QLocale::c().toString(date, QStringLiteral("dddd, MMMM d, yyyy")));
    case 2:
        return Value(QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year()));
    case 3:
        return Value(formatGeneralDate(iSeconds / 86400.0));
    case 4:
        return Value(QStringLiteral("%1:%2")
                             .arg(iHour, 2, 10, QLatin1Char('0'))
                             .arg(iMinute, 2, 10, QLatin1Char('0')));
    default:
        invalidCall();
    }
}

int datePart(const Value &argument, char cPart)
{
    QDate date;
    int iSeconds = 0;
    splitOleDate(toDate(argument), date, iSeconds);
    switch (cPart) {
    case 'y':
        return date.year();
    case 'm':
        return date.month();
    case 'd':
        return date.day();
    case 'w':
        return date.dayOfWeek() % 7 + 1; // Sunday is 1
    case 'h':
        return iSeconds / 3600;
    case 'n':
        return iSeconds / 60 % 60;
    default:
        return iSeconds % 60;
    }
}

template<char cPart>
Value fnDatePart(const Context &, Args args, int)
{
    return args[0].isNull() ? Value::null() : Value(datePart(args[0], cPart));
}

const Builtin s_builtins[] = {
        {"len", 1, 1, fnLen},
        {"left", 2, 2, fnLeft},
        {"right", 2, 2, fnRight},
        {"mid", 2, 3, fnMid},
        {"instr", 2, 4, fnInStr},
        {"instrrev", 2, 4, fnInStrRev},
        {"ucase", 1, 1, fnUCase},
        {"lcase", 1, 1, fnLCase},
        {"trim", 1, 1, fnTrim},
        {"ltrim", 1, 1, fnLTrim},
        {"rtrim", 1, 1, fnRTrim},
        {"replace", 3, 6, fnReplace},
        {"split", 1, 4, fnSplit},
        {"join", 1, 2, fnJoin},
        {"strcomp", 2, 3, fnStrComp},
        {"strreverse", 1, 1, fnStrReverse},
        {"space", 1, 1, fnSpace},
        {"string", 2, 2, fnString},
        {"asc", 1, 1, fnAsc},
        {"ascw", 1, 1, fnAsc},
        {"chr", 1, 1, fnChr},
        {"chrw", 1, 1, fnChr},
        {"hex", 1, 1, fnHex},
        {"oct", 1, 1, fnOct},
        {"cstr", 1, 1, fnCStr},
        {"cint", 1, 1, fnCInt},
        {"clng", 1, 1, fnCLng},
        {"cdbl", 1, 1, fnCDbl},
        {"csng", 1, 1, fnCDbl},
        {"ccur", 1, 1, fnCDbl},
        {"cbool", 1, 1, fnCBool},
        {"cbyte", 1, 1, fnCByte},
        {"cdate", 1, 1, fnCDate},
        {"abs", 1, 1, fnAbs},
        {"int", 1, 1, fnInt},
        {"fix", 1, 1, fnFix},
        {"round", 1, 2, fnRound},
        {"sgn", 1, 1, fnSgn},
        {"sqr", 1, 1, fnSqr},
        {"isnull", 1, 1, fnIsNull},
        {"isempty", 1, 1, fnIsEmpty},
        {"isobject", 1, 1, fnIsObject},
        {"isarray", 1, 1, fnIsArray},
        {"isnumeric", 1, 1, fnIsNumeric},
        {"isdate", 1, 1, fnIsDate},
        {"typename", 1, 1, fnTypeName},
        {"vartype", 1, 1, fnVarType},
        {"array", 0, 1 << 20, fnArray},
        {"ubound", 1, 2, fnUBound},
        {"lbound", 1, 2, fnLBound},
        {"filter", 2, 4, fnFilter},
        {"now", 0, 0, fnNow},
        {"date", 0, 0, fnDate},
        {"time", 0, 0, fnTime},
        {"timer", 0, 0, fnTimer},
        {"formatdatetime", 1, 2, fnFormatDateTime},
        {"year", 1, 1, fnDatePart<'y'>},
        {"month", 1, 1, fnDatePart<'m'>},
        {"day", 1, 1, fnDatePart<'d'>},
        {"weekday", 1, 1, fnDatePart<'w'>},
        {"hour", 1, 1, fnDatePart<'h'>},
        {"minute", 1, 1, fnDatePart<'n'>},
        {"second", 1, 1, fnDatePart<'s'>},
};

} // namespace

const Builtin *findBuiltin(const QString &strKey)
{
    static const QHash<QString, const Builtin *> table = [] {
        QHash<QString, const Builtin *> hash;
        for (const Builtin &builtin : s_builtins)
            hash.insert(QString::fromLatin1(builtin.name), &builtin);
        return hash;
    }();
    return table.value(strKey, nullptr);
}

bool findConstant(const QString &strKey, Value &value)
{
    static const QHash<QString, Value> table = {
            {QStringLiteral("vbcrlf"), Value(QStringLiteral("\r\n"))},
            {QStringLiteral("vbnewline"), Value(QStringLiteral("\r\n"))},
            {QStringLiteral("vbcr"), Value(QStringLiteral("\r"))},
            {QStringLiteral("vblf"), Value(QStringLiteral("\n"))},
            {QStringLiteral("vbtab"), Value(QStringLiteral("\t"))},
            {QStringLiteral("vbnullstring"), Value(QString())},
            {QStringLiteral("vbnullchar"), Value(QString(QChar(0)))},
            {QStringLiteral("vbbinarycompare"), Value::integer(0)},
            {QStringLiteral("vbtextcompare"), Value::integer(1)},
            {QStringLiteral("vbgeneraldate"), Value::integer(0)},
            {QStringLiteral("vblongdate"), Value::integer(1)},
            {QStringLiteral("vbshortdate"), Value::integer(2)},
            {QStringLiteral("vblongtime"), Value::integer(3)},
            {QStringLiteral("vbshorttime"), Value::integer(4)},
            {QStringLiteral("vbtrue"), Value::integer(-1)},
            {QStringLiteral("vbfalse"), Value::integer(0)},
            {QStringLiteral("vbusedefault"), Value::integer(-2)},
            {QStringLiteral("vbempty"), Value::integer(0)},
            {QStringLiteral("vbnull"), Value::integer(1)},
            {QStringLiteral("vbinteger"), Value::integer(2)},
            {QStringLiteral("vblong"), Value::integer(3)},
            {QStringLiteral("vbsingle"), Value::integer(4)},
            {QStringLiteral("vbdouble"), Value::integer(5)},
            {QStringLiteral("vbcurrency"), Value::integer(6)},
            {QStringLiteral("vbdate"), Value::integer(7)},
            {QStringLiteral("vbstring"), Value::integer(8)},
            {QStringLiteral("vbobject"), Value::integer(9)},
            {QStringLiteral("vberror"), Value::integer(10)},
            {QStringLiteral("vbboolean"), Value::integer(11)},
            {QStringLiteral("vbvariant"), Value::integer(12)},
            {QStringLiteral("vbbyte"), Value::integer(17)},
            {QStringLiteral("vbarray"), Value::integer(8192)},
            {QStringLiteral("vbobjecterror"), Value::longValue(-2147221504)},
            {QStringLiteral("vbsunday"), Value::integer(1)},
            {QStringLiteral("vbmonday"), Value::integer(2)},
            {QStringLiteral("vbtuesday"), Value::integer(3)},
            {QStringLiteral("vbwednesday"), Value::integer(4)},
            {QStringLiteral("vbthursday"), Value::integer(5)},
            {QStringLiteral("vbfriday"), Value::integer(6)},
            {QStringLiteral("vbsaturday"), Value::integer(7)},
    };
    auto it = table.constFind(strKey);
    if (it == table.constEnd())
        return false;
    value = it.value();
    return true;
}

} // namespace vbscript
