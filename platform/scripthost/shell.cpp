#include "platform/scripthost/shell.h"

#include "platform/registry.h"
#include "vbscript/hostobject.h"

#include <QProcessEnvironment>

namespace vbscript::hosts {

namespace {

constexpr qint32 c_iRegistryKeyNotFound = qint32(0x80070002);

// Environment names are case-insensitive, as on Windows.
bool environmentValue(const QProcessEnvironment &environment, const QString &strName,
                      QString &strValue)
{
    if (environment.contains(strName)) {
        strValue = environment.value(strName);
        return true;
    }
    for (const QString &key : environment.keys()) {
        if (key.compare(strName, Qt::CaseInsensitive) == 0) {
            strValue = environment.value(key);
            return true;
        }
    }
    return false;
}

// "%Name%" replaced by the variable's value; unknown names stay as they are.
QString expand(const QString &strText)
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QString result;
    int iPos = 0;
    while (iPos < strText.size()) {
        const int iStart = strText.indexOf(QLatin1Char('%'), iPos);
        const int iEnd = iStart < 0 ? -1 : strText.indexOf(QLatin1Char('%'), iStart + 1);
        if (iEnd < 0) {
            result += strText.midRef(iPos);
            break;
        }
        result += strText.midRef(iPos, iStart - iPos);
        QString value;
        if (iEnd > iStart + 1
            && environmentValue(environment, strText.mid(iStart + 1, iEnd - iStart - 1), value)) {
            result += value;
            iPos = iEnd + 1;
        } else {
            result += QLatin1Char('%');
            iPos = iStart + 1;
        }
    }
    return result;
}

Value regRead(const QString &strPath)
{
    const int iSplit = strPath.lastIndexOf(QLatin1Char('\\'));
    const QString strKey = strPath.left(iSplit);
    const QString strName = strPath.mid(iSplit + 1);
    QString root = strKey.section(QLatin1Char('\\'), 0, 0);
    const bool bMachine = root.compare(QLatin1String("HKLM"), Qt::CaseInsensitive) == 0
            || root.compare(QLatin1String("HKEY_LOCAL_MACHINE"), Qt::CaseInsensitive) == 0;
    const QString value = bMachine && iSplit > 0 && !strName.isEmpty()
            ? platform::readRegistryString(strKey, strName)
            : QString();
    if (value.isNull())
        raiseError(c_iRegistryKeyNotFound,
                   QStringLiteral("Unable to open registry key \"%1\" for reading.").arg(strPath));
    return Value(value);
}

class Shell : public HostObject
{
public:
    QString typeName() const override { return QStringLiteral("IWshShell3"); }

    Value callMethod(const QString &strName, Arguments &args) override
    {
        if (nameIs(strName, QLatin1String("ExpandEnvironmentStrings"))) {
            args.expectCount(1);
            return Value(expand(args[0].toString()));
        }
        if (nameIs(strName, QLatin1String("RegRead"))) {
            args.expectCount(1);
            return regRead(args[0].toString());
        }
        unsupported(strName);
    }

    Value getProperty(const QString &strName, Arguments &args) override
    {
        return callMethod(strName, args);
    }
};

} // namespace

Value shellObject()
{
    return Value(ObjectPtr(std::make_shared<Shell>()));
}

} // namespace vbscript::hosts
