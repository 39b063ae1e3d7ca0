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

# A program left signed by an earlier run (the deploy script copies it back unchanged) loses that
# signature first: strip would keep the certificate entry pointing past the file's new end.
if command -v osslsigncode >/dev/null 2>&1; then
    while IFS= read -r -d '' file; do
        if osslsigncode remove-signature -in "$file" -out "$file.unsigned" >/dev/null 2>&1; then
            chmod --reference="$file" "$file.unsigned"
            mv -f "$file.unsigned" "$file"
        fi
        rm -f "$file.unsigned"
    done < <(find "$root" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
fi
# The project's programs lose their symbol tables too. A DLL is rewritten only where it has
# debug sections (a rewrite changes its time stamp, so the toolkit's stripped DLLs stay as built).
find "$root" -type f -iname '*.exe' -exec "$strip" --strip-all {} +
while IFS= read -r -d '' file; do
    if [[ $("${strip%strip}objdump" -h "$file") == *.debug_* ]]; then
        "$strip" --strip-debug "$file"
    fi
done < <(find "$root" -type f -iname '*.dll' -print0)
# The deploy script makes a qml folder for a program that imports nothing.
find "$root" -mindepth 1 -type d -empty -delete
