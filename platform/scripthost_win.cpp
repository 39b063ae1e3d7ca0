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
    return pScriptManager ? pScriptManager->load(strFile, strName) : nullptr;
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
