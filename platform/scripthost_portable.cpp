#include "platform/scripthost.h"

#include "platform/scripthost/hostobjects.h"
#include "vbscript/engine.h"

#include <QFile>
#include <QLoggingCategory>

namespace platform {

namespace {

Q_LOGGING_CATEGORY(lcScriptHost, "installer.scripthost")

constexpr qint64 c_iMaxScriptSize = 4 * 1024 * 1024;

class ScriptManager : public QObject
{
public:
    using QObject::QObject;
};

class Script : public QObject
{
public:
    Script(const QString &strName, QObject *pParent)
        : QObject(pParent)
    {
        setObjectName(strName);
        vbscript::hosts::registerHostObjects(m_engine);
    }

    vbscript::Engine m_engine;
};

} // namespace

QObject *createScriptManager(QObject *pParent)
{
    return new ScriptManager(pParent);
}

QObject *loadScript(QObject *pManager, const QString &strFile, const QString &strName)
{
    if (!pManager)
        return nullptr;
    QFile file(strFile);
    if (!file.open(QIODevice::ReadOnly) || file.size() > c_iMaxScriptSize) {
        qCWarning(lcScriptHost) << "cannot read script" << strFile;
        return nullptr;
    }
    const QString text = QString::fromUtf8(file.readAll());
    auto *pScript = new Script(strName, pManager);
    const vbscript::Outcome outcome = pScript->m_engine.load(text, strName);
    if (!outcome) {
        qCWarning(lcScriptHost) << "script does not load:" << outcome.error.toString();
        delete pScript;
        return nullptr;
    }
    return pScript;
}

QVariant callScript(QObject *pScript, const QString &strSignature, const QVariantList &arguments,
                    QString *pstrError)
{
    auto *pLoaded = dynamic_cast<Script *>(pScript);
    if (!pLoaded)
        return QVariant();
    const QString name = strSignature.section(QLatin1Char('('), 0, 0).trimmed();
    QVector<vbscript::Value> values;
    values.reserve(arguments.size());
    for (const QVariant &argument : arguments)
        values.append(vbscript::Value::fromVariant(argument));
    const vbscript::Outcome outcome = pLoaded->m_engine.call(name, values);
    if (!outcome) {
        qCWarning(lcScriptHost) << "script call failed:" << outcome.error.toString();
        if (pstrError)
            *pstrError = outcome.error.toString();
        return QVariant();
    }
    return outcome.value.toVariant();
}

} // namespace platform
