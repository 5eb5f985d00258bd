#!/usr/bin/env bash
# Builds the Debian package build/valsit_<version>_<arch>.deb and lists its files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# dpkg-shlibdeps (in dpkg-dev) works out the package's library dependencies.
if ! dpkg-query -W -f='${Status}' dpkg-dev 2>/dev/null | grep -q "install ok installed"; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends dpkg-dev
fi
cd build
cpack -G DEB
deb=$(ls -t valsit_*.deb | head -n 1)
dpkg-deb -c "$deb"
dpkg-deb -f "$deb" Package Version Depends
echo "package: build/$deb"
