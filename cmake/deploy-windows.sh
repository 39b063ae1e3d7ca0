#!/usr/bin/env bash
# deploy-windows.sh QT_PREFIX PACKAGE_ROOT QML_SOURCE_DIR ZIP
# Puts beside each Windows program of the package the Qt and MinGW DLLs, plugins and (for the
# installer) QML imports it needs, with the toolkit's deploy script, then zips Bin/ and
# Packages/ as a Windows user downloads them.
set -euo pipefail
qt=$1 root=$2 qml=$3 zip=$4
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
rm -f "$zip"
cd "$root"
cmake -E tar cf "$zip" --format=zip Bin Packages
