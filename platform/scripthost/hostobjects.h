#ifndef PLATFORM_SCRIPTHOST_HOSTOBJECTS_H
#define PLATFORM_SCRIPTHOST_HOSTOBJECTS_H

#include "vbscript/engine.h"

#include <QString>

// The objects a script reaches through CreateObject and GetObject, backed by the stand-in
// machine: WMI, the registry, the file system and an XML document object.
namespace vbscript::hosts {

// "WScript.Shell", "Scripting.FileSystemObject", "Microsoft.XMLDOM" (and the MSXML2
// document names); raises "ActiveX component can't create object" for any other name.
Value createObject(const QString &strProgId);

// "winmgmts:" monikers; raises an error for any other.
Value getObject(const QString &strMoniker);

// Registers CreateObject and GetObject on the engine.
void registerHostObjects(Engine &engine);

} // namespace vbscript::hosts

#endif // PLATFORM_SCRIPTHOST_HOSTOBJECTS_H
