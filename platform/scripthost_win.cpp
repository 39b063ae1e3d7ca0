#include "platform/scripthost.h"

#if __has_include(<ActiveQt/qaxscript.h>)
#include <ActiveQt/qaxscript.h>
#else
#include "platform/activeqt/qaxscript.h"
#endif

namespace platform {

QObject *createScriptManager(QObject *pParent)
{
    return new QAxScriptManager(pParent);
}

QObject *loadScript(QObject *pManager, const QString &strFile, const QString &strName)
{
    auto *pScriptManager = qobject_cast<QAxScriptManager *>(pManager);
    QAxScript *pScript = pScriptManager ? pScriptManager->load(strFile, strName) : nullptr;
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

QVariant callScript(QObject *pScript, const QString &strSignature, const QVariantList &arguments)
{
    auto *pAxScript = qobject_cast<QAxScript *>(pScript);
    if (!pAxScript)
        return QVariant();
    QList<QVariant> values = arguments;
    return pAxScript->call(strSignature, values);
}

} // namespace platform
