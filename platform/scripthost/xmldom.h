#ifndef PLATFORM_SCRIPTHOST_XMLDOM_H
#define PLATFORM_SCRIPTHOST_XMLDOM_H

#include "vbscript/value.h"

namespace vbscript::hosts {

// "Microsoft.XMLDOM" over QtXml: async, load, loadXML, documentElement, parseError, and on
// nodes nodeName, nodeValue, nodeType, text, childNodes, firstChild, parentNode,
// getAttribute, selectNodes and selectSingleNode (location paths of names, "*", "." and
// "..", with "/" and "//"); node lists have length, item and For Each.
Value xmlDocument();

} // namespace vbscript::hosts

#endif // PLATFORM_SCRIPTHOST_XMLDOM_H
