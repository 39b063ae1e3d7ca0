#!/usr/bin/env bash
# deploy-windows.sh QT_PREFIX PACKAGE_ROOT QML_SOURCE_DIR STRIP
# Puts beside each Windows program of the package the Qt and MinGW DLLs, plugins and (for the
# installer) QML imports it needs, with the toolkit's deploy script; strips the debug sections
# and leaves no empty folder.
set -euo pipefail
qt=$1 root=$2 qml=$3 strip=$4
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
log=$root/../deploy.log
: >"$log"
deploy() { # folder program [QML source folder]
    local folder=$root/$1 program=$2
    shift 2
    # The deploy script copies the program itself, so it reads a copy.
    cp -f "$folder/$program" "$stage/$program"
    bash "$qt/bin/qt-mingw-deploy.sh" "$stage/$program" "$folder" "$@" >>"$log"
}
deploy Bin ChipsetInstaller.exe "$qml"
deploy Packages Zorva_Chipset_Drivers.exe
deploy Tools MsiExec.exe
deploy Tools ParentInstaller.exe

# The project's programs lose their symbol tables too; the toolkit's DLLs only debug sections.
find "$root" -type f -iname '*.exe' -exec "$strip" --strip-all {} +
find "$root" -type f -iname '*.dll' -exec "$strip" --strip-debug {} +
# The deploy script makes a qml folder for a program that imports nothing.
find "$root" -mindepth 1 -type d -empty -delete
