#include "engine/runfailure.h"

#include <QtGlobal>

namespace {
// By kind, for the setup program and for MsiExec.
const char *const c_apszSentences[][2] = {
        {nullptr, nullptr},
        {QT_TRANSLATE_NOOP("RunFailure", "The setup program was not found."),
         QT_TRANSLATE_NOOP("RunFailure", "MsiExec was not found.")},
        {QT_TRANSLATE_NOOP("RunFailure", "The setup program could not be started."),
         QT_TRANSLATE_NOOP("RunFailure", "MsiExec could not be started.")},
        {QT_TRANSLATE_NOOP("RunFailure", "The setup program ended without writing its log."),
         QT_TRANSLATE_NOOP("RunFailure", "MsiExec ended without writing its log.")},
        {QT_TRANSLATE_NOOP("RunFailure", "The log of this run cannot be read."),
         QT_TRANSLATE_NOOP("RunFailure", "The log of this run cannot be read.")},
};
const char *const c_apszKinds[] = {"", "programMissing", "notStarted", "noLog", "logUnreadable"};
} // namespace

QString RunFailure::sentence() const
{
    if (kind == None)
        return QString();
    return QString::fromLatin1(c_apszSentences[kind][bMsiExec ? 1 : 0]);
}

QString RunFailure::text() const
{
    if (kind == None)
        return QString();
    QString strText = sentence();
    if (!strSubject.isEmpty())
        strText += QLatin1Char(' ') + strSubject;
    if (!strReason.isEmpty())
        strText += QStringLiteral(": ") + strReason;
    return strText;
}

QVariantMap RunFailure::toMap() const
{
    if (kind == None)
        return QVariantMap();
    return QVariantMap {{QStringLiteral("kind"), QLatin1String(c_apszKinds[kind])},
                        {QStringLiteral("sentence"), sentence()},
                        {QStringLiteral("subject"), strSubject},
                        {QStringLiteral("reason"), strReason}};
}
