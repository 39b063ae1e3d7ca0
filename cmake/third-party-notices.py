#!/usr/bin/python3
"""third-party-notices.py PACKAGE_ROOT OUTPUT SOURCE_DIR FOLDER...

Writes the licence notices of what the package's FOLDERs (below PACKAGE_ROOT) ship, from the
files that are there. Every file must be the project's own or belong to a component below;
otherwise nothing is written, the files are named and the build fails, so that nothing ships
without its licence."""

import fnmatch
import os
import sys

LICENCES = "package/licences"
QT_SOURCE = """\
Qt 5.15.8, cross-built for 32-bit Windows with MinGW-w64 as shared libraries, which the
programs load from their folder: you may replace them with your own build of the same Qt
version. Source: Debian's source packages qtbase-opensource-src, qtdeclarative-opensource-src
and qtquickcontrols2-opensource-src 5.15.8+dfsg (https://sources.debian.org/), and the tag
v5.15.8-lts-lgpl of Qt's repositories qtquickcontrols, qtgraphicaleffects and qtactiveqt
(https://code.qt.io/). Changes made for this build: the libraries link the GCC runtime
statically (-static-libgcc -static-libstdc++); the Windows platform plugin is built without
legacy Wintab tablet input, whose headers the Debian source lacks; the Direct3D 12 scene-graph
plugin is not built; QAxScriptManager::call finds a function among the scripts' functions (a
backport of a later Qt fix). Zorva gives the complete corresponding source, with these changes,
to anyone who asks within three years of receiving this package: opensource@zorva.example."""

# name, the files that are the component, the files that carry it inside them, its notice and
# the licence texts (paths below the source folder).
COMPONENTS = [
    ("Qt", ["*/Qt5*.dll", "*/plugins/*.dll", "Bin/qml/*"], [],
     QT_SOURCE + "\n\nLicence: GNU Lesser General Public License version 3, which adds"
     " permissions to the GNU General Public License version 3; both follow.",
     [LICENCES + "/LGPL-3.0.txt", LICENCES + "/GPL-3.0.txt"]),
    ("Third-party code inside Qt", [], ["*/Qt5Core.dll", "*/Qt5Gui.dll", "*/Qt5Qml.dll",
                                        "*/plugins/imageformats/qjpeg.dll"],
     "Qt's libraries carry code of other projects under their own licences.",
     [LICENCES + "/Qt-third-party.txt"]),
    ("ActiveQt", [], ["Bin/ChipsetInstaller.exe"],
     "Qt's ActiveQt container library (the script host's COM scripting), linked into the"
     " program. Licence: BSD 3-clause.",
     [LICENCES + "/ActiveQt-BSD-3-Clause.txt"]),
    ("Lato", [], ["Bin/ChipsetInstaller.exe"],
     "The Lato typeface by Łukasz Dziedzic, carried in the program's resources (as"
     " Klavika-Regular.otf and Klavika-Medium.otf). Licence: SIL Open Font License 1.1.",
     [LICENCES + "/OFL-1.1.txt"]),
    ("MinGW-w64 runtime", ["*/libwinpthread-1.dll"], ["*.exe"],
     "The C runtime start-up code linked into each program, and the POSIX threads library.",
     [LICENCES + "/mingw-w64-runtime.txt"]),
    ("GCC runtime libraries", [], ["*.exe", "*/Qt5*.dll", "*/plugins/*.dll"],
     "libgcc and libstdc++ of GCC 12, linked into the programs and Qt's libraries. Licence:"
     " GNU General Public License version 3 with the GCC Runtime Library Exception 3.1, which"
     " permits this use (the exception follows; the licence is given under Qt above).",
     [LICENCES + "/GCC-exception-3.1.txt"]),
]

# The project's own files, and this notice itself.
OWN = ["Bin/ChipsetInstaller.exe", "Packages/Zorva_Chipset_Drivers.exe", "Bin/info.xml",
       "Bin/DefaultImages/*", "*/qt.conf", "Bin/THIRD-PARTY-NOTICES.txt"]

RULE = "=" * 78


def matches(path, patterns):
    return any(fnmatch.fnmatchcase(path, pattern) for pattern in patterns)


def shipped_files(root, folders):
    for folder in folders:
        for directory, _, names in os.walk(os.path.join(root, folder)):
            for name in names:
                yield os.path.relpath(os.path.join(directory, name), root).replace(os.sep, "/")


def main():
    root, output, source, folders = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    files = sorted(shipped_files(root, folders))
    unknown = [path for path in files
               if not matches(path, OWN) and not any(matches(path, c[1]) for c in COMPONENTS)]
    if unknown:
        sys.stderr.write("third-party-notices: no licence entry for these shipped files (add them"
                         " to cmake/third-party-notices.py):\n")
        sys.stderr.writelines("  %s\n" % path for path in unknown)
        return 1

    parts = ["THIRD-PARTY NOTICES\n\nZorva Chipset Software Installer ships the following"
             " software of others, each under its own licence.\n"]
    for name, own, inside, notice, licences in COMPONENTS:
        files_of = [path for path in files if matches(path, own)]
        carriers = [path for path in files if matches(path, inside)]
        if not files_of and not carriers:
            continue
        listing = "".join("  %s\n" % path.replace("/", "\\") for path in files_of + carriers)
        texts = []
        for licence in licences:
            with open(os.path.join(source, licence), encoding="utf-8") as text:
                texts.append(text.read().rstrip() + "\n")
        parts.append("%s\n%s\n%s\n\n%s\n\nFiles:\n%s\n%s" % (
            RULE, name, RULE, notice, listing, "\n".join(texts)))
    temporary = output + ".tmp"
    with open(temporary, "w", encoding="utf-8", newline="\r\n") as notices:
        notices.write("\n".join(parts))
    os.replace(temporary, output)
    return 0


if __name__ == "__main__":
    sys.exit(main())
