#include "platform/scripthost/hostobjects.h"

#include "platform/scripthost/filesystem.h"
#include "platform/scripthost/shell.h"
#include "platform/scripthost/wmi.h"
#include "platform/scripthost/xmldom.h"

namespace vbscript::hosts {

namespace {
constexpr qint32 c_iInvalidSyntax = qint32(0x800401E4);
}

Value createObject(const QString &strProgId)
{
    const QString progId = strProgId.trimmed();
    auto is = [&progId](const char *name) {
        return progId.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (is("WScript.Shell"))
        return shellObject();
    if (is("Scripting.FileSystemObject"))
        return fileSystemObject();
    if (is("Microsoft.XMLDOM") || is("MSXML.DOMDocument") || is("MSXML2.DOMDocument")
        || is("MSXML2.DOMDocument.3.0") || is("MSXML2.DOMDocument.6.0"))
        return xmlDocument();
    raiseError(errors::CannotCreateObject,
               QStringLiteral("ActiveX component can't create object: '%1'").arg(strProgId));
}

Value getObject(const QString &strMoniker)
{
    if (isWmiMoniker(strMoniker))
        return wmiObject(strMoniker);
    raiseError(c_iInvalidSyntax, QStringLiteral("Invalid syntax"));
}

void registerHostObjects(Engine &engine)
{
    engine.registerFunction(QStringLiteral("CreateObject"), [](Arguments &args) {
        args.expectCount(1, 2);
        return createObject(args[0].toString());
    });
    engine.registerFunction(QStringLiteral("GetObject"), [](Arguments &args) {
        args.expectCount(1, 2);
        return getObject(args[0].toString());
    });
}

} // namespace vbscript::hosts
