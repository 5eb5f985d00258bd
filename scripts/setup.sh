#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks and builds Valsit into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages="cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite libsqlite3-dev libzip-dev libssl-dev xvfb xauth fonts-liberation poppler-utils qt6-translations-l10n desktop-file-utils"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

# VALSIT_WERROR=ON (as CI sets it) makes every compiler warning an error.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVALSIT_WERROR="${VALSIT_WERROR:-OFF}"
cmake --build build -j"$(nproc)"
