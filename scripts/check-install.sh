#!/usr/bin/env bash
# Installs the build into a scratch prefix, as a package would, and starts the installed
# program offscreen with a fresh HOME: it must make the user's working database in the
# user's own folder and leave the installed template as it was. Run by the tests.
set -euo pipefail
build=$(cd "${1:?the build folder}" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
prefix="$scratch/prefix"
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/valsit bin/valsit-calc share/valsit/Valsit.mdb share/valsit/val-sign-crt.pem share/applications/valsit.desktop \
         share/icons/hicolor/scalable/apps/valsit.svg; do
    [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
if [ -f "$source_dir/data/XDInfoSV.rtf.in" ] && [ ! -f "$prefix/share/valsit/XDInfoSV.rtf" ]; then
    echo "not installed: the product document"; exit 1
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/valsit.desktop"
fi
template="$prefix/share/valsit/Valsit.mdb"
before=$(sha256sum <"$template")
chmod -R a-w "$prefix"

export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# The program has no way to end itself unattended: it is stopped once it has started.
status=0
timeout 5 "$prefix/bin/valsit" >"$scratch/out.txt" 2>&1 || status=$?
[ "$status" -eq 124 ] || { echo "the installed program ended with status $status:"; cat "$scratch/out.txt"; exit 1; }

working="$HOME/Documents/Valsit/Valsit.mdb"
[ -f "$working" ] || { echo "no working database in the user's folder: $working"; exit 1; }
[ -w "$working" ] || { echo "the user's working database is not writable"; exit 1; }
[ "$(sha256sum <"$template")" = "$before" ] || { echo "the installed template was changed"; exit 1; }
"$prefix/bin/valsit-calc" council --seats 41 "$source_dir/examples/council.csv" >/dev/null
echo "installed program: working database $working"
