#ifndef PLATFORM_SCRIPTFONTS_H
#define PLATFORM_SCRIPTFONTS_H

#include <QLocale>
#include <QString>

namespace platform {

// The system's own font family for a script that the bundled faces (Latin, Greek, Cyrillic)
// do not draw: the one that writes that language best, so that Qt never falls back on some
// other language's glyphs for it. Empty for the scripts the bundled faces draw.
QString scriptFontFamily(QLocale::Script script);

} // namespace platform

#endif // PLATFORM_SCRIPTFONTS_H
