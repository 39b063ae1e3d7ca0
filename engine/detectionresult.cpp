// The offered list and the supported features from the detection script's answer.
#include "engine/drivers.h"

#include "engine/detectionhost.h"
#include "parentchannel/eventmanager.h"
#include "parentchannel/parentevent.h"
#include "parentchannel/processexit.h"

QStringList Drivers::getListOfDriversFromVBScript()
{
    const detection::ScriptRun run
            = detection::runDetectionScript(this, applicationDir() + QStringLiteral("/info.xml"));
    pScriptManager = run.pScriptManager;
    pScript = run.pScript;
    // Detection that could not finish has found nothing out: it is a failed start, which the
    // start-up reports (to a parent installer as such), not a machine without drivers.
    if (run.failure) {
        m_startupFailure = run.failure;
        strSupportedDrivers.clear();
        return QStringList();
    }
    const QString strResult = run.reply.isValid() ? run.reply.toString() : QString();

    // " /SETPCI /SETSQP" gives "PCI,SQP".
    strSupportedDrivers = strResult;
    strSupportedDrivers.replace(QLatin1Char(' '), QLatin1Char(','));
    strSupportedDrivers.remove(QStringLiteral("/SET"));
    if (strSupportedDrivers.startsWith(QLatin1Char(',')))
        strSupportedDrivers.remove(0, 1);

    const QStringList lstSwitches = strResult.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (bSmartInstaller && lstSwitches.isEmpty()) {
        if (EventManager *pEvents = EventManager::instance())
            pEvents->sendEventToParent(ParentEvent::NoDriversFound);
        endProcess(0);
    }
    return lstSwitches;
}
