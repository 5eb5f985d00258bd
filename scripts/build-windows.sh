#!/usr/bin/env bash
# Builds Valsit for 64-bit Windows on Debian 12 and packages it: build-windows/ gets
# valsit-<version>-win64.msi and valsit-<version>-win64.zip.
#
# Installs what is missing (MinGW-w64, Wine, wixl, ...), builds SQLite, libzip and Qt for
# Windows from Debian's source into ~/.cache/valsit once (about 40 minutes on two cores; a
# build cut short goes on where it stopped; later runs find them there) and OpenSSL's
# libcrypto beside them (minutes), then cross-builds valsit.exe, valsit-calc.exe and the
# tests.
# Build-time tools of the project (the template maker) run under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)
build="$source_dir/build-windows"

bash scripts/windows/install-tools.sh
prefix=$(bash scripts/windows/build-deps.sh | tail -n 1)
[ -f "$prefix/.complete" ] || { echo "build-windows: no Windows libraries in $prefix" >&2; exit 1; }
# libcrypto for the result files' signatures, in a cache folder of its own, linked in.
# (FindOpenSSL takes MinGW's libraries from LIB_EAY and SSL_EAY.)
ssl=$(bash scripts/windows/build-openssl.sh | tail -n 1)
[ -f "$ssl/.complete" ] || { echo "build-windows: no Windows libcrypto in $ssl" >&2; exit 1; }

export VALSIT_MINGW_PREFIX="$prefix"
# pkg-config (libzip) sees only the Windows libraries.
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig:/usr/x86_64-w64-mingw32/lib/pkgconfig"
export PKG_CONFIG_PATH=
export PKG_CONFIG_SYSROOT_DIR=

# The emulator carries the prefix, so "cmake --build build-windows" alone builds again.
# Release with the optimisation of the Linux build (-O2); the package strips the files.
cmake -G Ninja -S . -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="env;VALSIT_MINGW_PREFIX=$prefix;$source_dir/scripts/windows/wine-run" \
    -DOPENSSL_USE_STATIC_LIBS=TRUE -DOPENSSL_INCLUDE_DIR="$ssl/include" \
    -DLIB_EAY="$ssl/lib/libcrypto.a" -DSSL_EAY="$ssl/lib/libssl.a" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DVALSIT_QT_TRANSLATIONS=/usr/share/qt6/translations
nice cmake --build "$build" -j"$(nproc)"
bash scripts/windows/package.sh "$build"
