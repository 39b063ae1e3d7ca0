#include "platform/scripthost.h"

#include "platform/win32/wine.h"

#include <QFile>

#if __has_include(<ActiveQt/qaxscript.h>)
#include <ActiveQt/qaxobject.h>
#include <ActiveQt/qaxscript.h>
#else
#include "platform/activeqt/qaxscript.h"
#endif

namespace platform {

namespace {

// Under wine only: the tests append to the script the adapters for wine's differences from
// Windows, named by this variable. Never read on Windows.
const char c_szWineAppendixVariable[] = "CHIPSETINSTALLER_WINE_SCRIPT_APPENDIX";

bool wineAppendixWanted()
{
    return win32::runningUnderWine() && qEnvironmentVariableIsSet(c_szWineAppendixVariable);
}

QString scriptText(const QString &strFile)
{
    QFile file(strFile);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString strText = QString::fromUtf8(file.readAll());
    if (wineAppendixWanted()) {
        QFile appendix(qEnvironmentVariable(c_szWineAppendixVariable));
        if (appendix.open(QIODevice::ReadOnly))
            strText += QStringLiteral("\r\n") + QString::fromUtf8(appendix.readAll());
    }
    return strText;
}

// Wine's VBScript engine, hosted by a program, creates no XML document; inside a script
// control it does. The adapters create their objects through this one.
void addWineScriptControl(QAxScriptManager *pScriptManager)
{
    auto *pControl = new QAxObject(QStringLiteral("MSScriptControl.ScriptControl"), pScriptManager);
    if (pControl->isNull())
        return;
    pControl->setObjectName(QStringLiteral("WineHostScriptControl"));
    pControl->setProperty("Language", QStringLiteral("VBScript"));
    pScriptManager->addObject(static_cast<QAxBase *>(pControl));
}

} // namespace

QObject *createScriptManager(QObject *pParent)
{
    return new QAxScriptManager(pParent);
}

QObject *loadScript(QObject *pManager, const QString &strFile, const QString &strName)
{
    auto *pScriptManager = qobject_cast<QAxScriptManager *>(pManager);
    const QString strText = pScriptManager ? scriptText(strFile) : QString();
    if (!strText.isEmpty() && wineAppendixWanted())
        addWineScriptControl(pScriptManager);
    QAxScript *pScript = strText.isEmpty()
            ? nullptr
            : pScriptManager->load(strText, strName, QStringLiteral("VBScript"));
    // The engine's own account of a run-time error: ActiveQt reports only "Unknown error".
    if (pScript)
        QObject::connect(pScript, &QAxScript::error, pScript,
                         [strName](int iCode, const QString &strDescription, int iLine,
                                   const QString &strSource) {
                             qWarning("script %s: error %d at line %d: %s (%s)",
                                      qPrintable(strName), iCode, iLine, qPrintable(strDescription),
                                      qPrintable(strSource));
                         });
    return pScript;
}

QVariant callScript(QObject *pScript, const QString &strSignature, const QVariantList &arguments,
                    QString *pstrError)
{
    auto *pAxScript = qobject_cast<QAxScript *>(pScript);
    if (!pAxScript)
        return QVariant();
    QString strError;
    const QMetaObject::Connection errors = QObject::connect(
            pAxScript, &QAxScript::error, pAxScript,
            [&strError](int iCode, const QString &strDescription, int iLine, const QString &) {
                strError = QStringLiteral("line %1: %2 (%3)")
                                   .arg(iLine)
                                   .arg(strDescription)
                                   .arg(iCode);
            });
    QList<QVariant> values = arguments;
    const QVariant reply = pAxScript->call(strSignature, values);
    QObject::disconnect(errors);
    if (pstrError && !reply.isValid())
        *pstrError = strError;
    return reply;
}

} // namespace platform
