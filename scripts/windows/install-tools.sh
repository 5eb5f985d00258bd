#!/usr/bin/env bash
# Installs the Debian packages the Windows build needs: MinGW-w64, Wine, wixl, the host Qt
# whose moc/rcc/uic the cross build uses, and what building Qt, SQLite and libzip from
# Debian's source takes. With "--sources" it also lets apt fetch source packages.
set -euo pipefail

packages="cmake ninja-build pkg-config perl tcl dpkg-dev zip file xvfb xauth
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n fonts-liberation
    mingw-w64 gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
    wine wine64 wixl msitools"

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
# Other builds on the machine may hold apt's lock for a while: wait instead of failing;
# a mirror that fails once is asked again.
apt_get() {
    local try
    for try in 1 2 3; do
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 \
            -o Acquire::Retries=3 "$@" && return 0
        echo "install-tools: apt-get $1 failed (try $try of 3)" >&2
        sleep 20
    done
    return 1
}

updated=""
if [ "${1:-}" = "--sources" ] && ! apt-get source --print-uris -qq sqlite3 >/dev/null 2>&1; then
    # Same suites as the binary packages, as source: a separate file, the original untouched.
    list=/etc/apt/sources.list.d/valsit-deb-src.sources
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -e 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | $SUDO tee "$list" >/dev/null
    elif [ -f /etc/apt/sources.list ]; then
        grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $SUDO tee /etc/apt/sources.list.d/valsit-deb-src.list >/dev/null
    fi
    apt_get update
    updated=yes
fi

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    [ -n "$updated" ] || apt_get update
    apt_get install -y --no-install-recommends $missing
fi
