#!/usr/bin/env bash
# zip-windows.sh PACKAGE_ROOT ZIP SUMS
# Zips Bin/ and Packages/ as a Windows user downloads them, and writes the zip's SHA-256 into
# SUMS beside it (sha256sum's format, which `sha256sum -c` checks).
set -euo pipefail
root=$1 zip=$2 sums=$3
rm -f "$zip" "$sums"
(cd "$root" && cmake -E tar cf "$zip" --format=zip Bin Packages)
(cd "$(dirname "$zip")" && sha256sum "$(basename "$zip")") >"$sums.tmp"
mv -f "$sums.tmp" "$sums"
