#include "platform/localfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace platform {

bool isPlainFileName(const QString &strName)
{
    static const QRegularExpression c_device(
            QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9\\x{B9}\\x{B2}\\x{B3}]|LPT[0-9\\x{B9}\\x{B2}"
                           "\\x{B3}]|CONIN\\$|CONOUT\\$) *(\\..*)?$"),
            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression c_refused(QStringLiteral("[\\x00-\\x1F<>:\"/\\\\|?*]"));
    return !strName.isEmpty() && !strName.endsWith(QLatin1Char('.'))
            && !strName.endsWith(QLatin1Char(' ')) && !c_refused.match(strName).hasMatch()
            && !c_device.match(strName).hasMatch();
}

bool makeOwnFolder(const QString &strBase, const QString &strRelative)
{
    QString strPath = strBase;
    for (const QString &strPart : strRelative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        strPath += QLatin1Char('/') + strPart;
        if (!removeLink(strPath))
            return false;
        const QFileInfo info(strPath);
        if (info.exists() && !info.isDir())
            return false;
        if (!info.exists() && !QDir().mkdir(strPath))
            return false;
        if (isLink(strPath))
            return false;
    }
    return true;
}

} // namespace platform
