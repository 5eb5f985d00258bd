#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, headless, and checks its installer: CTest runs
# every test executable of build-windows/ through Wine (the build's emulator) on Qt's
# Windows platform, on an Xvfb display of its own; then the MSI is installed with msiexec
# in the same scratch Wine, and the installed programs are run as a user would. Builds first if there is no build.
set -euo pipefail
cd "$(dirname "$0")/.."
# The programs' windows (and Wine's own) go to a display of the run's own, never the
# user's.
if [ -z "${VALSIT_XVFB:-}" ]; then
    VALSIT_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
source_dir=$(pwd)
build="$source_dir/build-windows"
[ -f "$build/CMakeCache.txt" ] || bash scripts/build-windows.sh

export VALSIT_MINGW_PREFIX=$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -f "$VALSIT_MINGW_PREFIX/.complete" ] || { echo "test-windows: run scripts/build-windows.sh first" >&2; exit 1; }

# A Wine of its own (a fresh Windows user, registry and Documents folder) and a HOME of
# its own, so nothing of the machine's user is read or changed.
scratch=$(mktemp -d)
cleanup() {
    WINEPREFIX="$scratch/wine" wineserver -k 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" WINEPREFIX="$scratch/wine"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
run() { scripts/windows/wine-run "$@"; }

start=$(date +%s)
run wineboot -i >/dev/null 2>&1
# The reports' fonts (Arial, Times New Roman) as Liberation, as on Linux.
run regedit /S "Z:${source_dir//\//\\}\\scripts\\windows\\wine-fonts.reg" >/dev/null 2>&1
echo "test-windows: Wine ready in $(( $(date +%s) - start )) s"

# Wine passes no QT_* variable to a program: WINE<name> reaches it as <name>. QtTest
# writes to the debugger's channel on Windows unless told to use standard error. Qt's
# Windows platform, not offscreen: it takes its fonts from GDI, where Wine's font
# substitutes (above) give the reports' Arial and Times New Roman the metrics of
# Liberation's, as on Windows; offscreen sees only "Liberation Sans" and falls back.
export WINEQT_QPA_PLATFORM=windows WINEQT_FORCE_STDERR_LOGGING=1

start=$(date +%s)
status=0
(cd "$build" && ctest --output-on-failure --timeout 900 -j"$(nproc)") || status=$?
echo "test-windows: tests under Wine in $(( $(date +%s) - start )) s"
# Test functions that cannot run on Windows say so (QSKIP) with the reason.
grep -h '^SKIP' "$build/Testing/Temporary/LastTest.log" | sort -u | sed 's/^/test-windows: not run: /' || true

start=$(date +%s)
bash scripts/windows/check-msi.sh "$build" || status=1
echo "test-windows: installer checked in $(( $(date +%s) - start )) s"
exit "$status"
