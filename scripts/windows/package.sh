#!/usr/bin/env bash
# Packages a Windows build (the folder given, by default build-windows) as
#   valsit-<version>-win64.msi  the installer (wixl): per machine, Program Files\Valsit
#   valsit-<version>-win64.zip  the same files in a folder Valsit, to run from anywhere
# both in the build folder, and lists what they hold.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$source_dir/build-windows}" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "package: no version in $build/CMakeCache.txt" >&2; exit 1; }
name="valsit-$version-win64"

stage="$build/stage/Valsit"
rm -rf "$build/stage"
cmake --install "$build" --prefix "$stage" >/dev/null
# What every install must hold; a DLL the programs need but the list lacks shows when the
# installed programs run (scripts/test-windows.sh).
for f in bin/valsit.exe bin/valsit-calc.exe bin/Qt6Core.dll bin/platforms/qwindows.dll \
         bin/sqldrivers/qsqlite.dll bin/libsqlite3-0.dll bin/libzip.dll \
         share/valsit/Valsit.mdb share/valsit/XDInfoSV.rtf share/valsit/translations/qt_sv.qm; do
    [ -f "$stage/$f" ] || { echo "package: not installed: $f" >&2; exit 1; }
done
find "$stage" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

rm -f "$build/$name.zip" "$build/$name.msi"
(cd "$build/stage" && zip -q -r -9 "$build/$name.zip" Valsit)

# Every file a component of its own (wixl-heat), keyed by its path, so an upgrade
# replaces exactly what changed.
(cd "$build/stage" && find Valsit -type f | sort |
    wixl-heat -p Valsit/ --directory-ref INSTALLDIR --component-group ValsitFiles \
        --var var.SourceDir --win64) >"$build/files.wxs"
# (wixl takes the files' paths relative to where it runs: absolute ones are not found.)
cp "$source_dir/packaging/windows/valsit.ico" "$build/stage/valsit.ico"
(cd "$build" && wixl -a x64 -D Version="$version" -D SourceDir=stage/Valsit -D Win64=yes \
    -D IconFile=stage/valsit.ico -o "$name.msi" "$source_dir/packaging/windows/valsit.wxs" files.wxs)

(cd "$stage" && find . -type f | sort | sed 's|^\./|  |')
ls -l "$build/$name.msi" "$build/$name.zip" | awk '{print "package: " $NF " (" $5 " bytes)"}'
