#include "platform/scripthost/registryprovider.h"

#include "platform/registry.h"
#include "vbscript/hostobject.h"

namespace vbscript::hosts {

namespace {

constexpr quint32 c_iHkeyLocalMachine = 0x80000002u;
constexpr qint32 c_iSuccess = 0;
constexpr qint32 c_iFileNotFound = 2;

class StdRegProv : public HostObject
{
public:
    QString typeName() const override { return QStringLiteral("SWbemObjectEx"); }

    Value callMethod(const QString &strName, Arguments &args) override
    {
        if (!nameIs(strName, QLatin1String("GetStringValue")))
            unsupported(strName);
        args.expectCount(3, 4);
        // &H80000002 arrives as a negative Long, 2147483650 as a Double.
        const quint32 iRoot = quint32(qint64(args[0].toDouble()));
        QString strValue;
        if (iRoot == c_iHkeyLocalMachine) {
            QString strKey = args[1].toString();
            while (strKey.startsWith(QLatin1Char('\\')))
                strKey = strKey.mid(1);
            strValue = platform::readRegistryString(QStringLiteral("HKLM\\") + strKey,
                                                    args[2].toString());
        }
        const bool bFound = !strValue.isNull();
        if (args.count() == 4)
            args.assign(3, bFound ? Value(strValue) : Value::null());
        return Value::longValue(bFound ? c_iSuccess : c_iFileNotFound);
    }

    Value getProperty(const QString &strName, Arguments &args) override
    {
        return callMethod(strName, args);
    }
};

} // namespace

Value registryProvider()
{
    return Value(ObjectPtr(std::make_shared<StdRegProv>()));
}

} // namespace vbscript::hosts
