#!/usr/bin/env bash
# Builds OpenSSL's libcrypto (static) for 64-bit Windows from Debian's source package into a
# cache folder of its own (by default ~/.cache/valsit), or finds it there; prints the folder
# as its last line. The result files' signatures are checked with it, as on Linux.
#
# A folder of its own rather than a step of build-deps.sh: Qt's folder is named after a hash
# of its recipe, and adding a library there would build Qt again (37 minutes on two cores).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

bash "$here/install-tools.sh" >&2
cache=${VALSIT_CACHE:-$HOME/.cache/valsit}
jobs=${VALSIT_JOBS:-$(nproc)}

ssl_src=$(apt-cache policy libssl-dev | awk '/Candidate:/ {print $2}' | sed 's/+b[0-9]*$//')
[ -n "$ssl_src" ] && [ "$ssl_src" != "(none)" ] || { echo "build-openssl: no source version of openssl (apt-get update?)" >&2; exit 1; }
options=(mingw64 no-shared no-tests no-module no-legacy no-engine no-dso
    CC=x86_64-w64-mingw32-gcc-posix AR=x86_64-w64-mingw32-ar RANLIB=x86_64-w64-mingw32-ranlib
    RC=x86_64-w64-mingw32-windres)
key=$( (sed -n '/^options=/,/^$/p' "$0"; echo "openssl=$ssl_src"
        x86_64-w64-mingw32-gcc-posix -dumpfullversion) | sha256sum | cut -c1-12)
prefix="$cache/mingw-w64-openssl${ssl_src%%-*}-$key"

mkdir -p "$cache"
exec 9>"$prefix.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
    echo "build-openssl: using $prefix" >&2
    echo "$prefix"
    exit 0
fi

work="$cache/work-openssl-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
bash "$here/install-tools.sh" --sources >&2
# A mirror may lack the newest security update's source: the next newest version apt
# knows serves as well (the library is linked in, nothing else depends on its version).
built=""
for version in "$ssl_src" $(apt-cache showsrc openssl | awk '/^Version:/ {print $2}' | sort -r -V); do
    for try in 1 2; do
        apt-get source -qq "openssl=$version" >>"$work/apt-source.log" 2>&1 && built=$version && break 2
        sleep 10
    done
done
[ -n "$built" ] || { cat "$work/apt-source.log" >&2; exit 1; }
src=$(find "$work" -maxdepth 1 -type d -name 'openssl-*' | head -n 1)
echo "build-openssl: building libcrypto $built (a few minutes)" >&2
(cd "$src" && ./Configure "${options[@]}" --prefix="$prefix" --libdir=lib >"$work/configure.log" 2>&1 &&
    nice make -j"$jobs" build_libs >"$work/make.log" 2>&1 &&
    make install_dev >"$work/install.log" 2>&1) ||
    { tail -n 40 "$work"/*.log >&2; exit 1; }
cd "$cache"
rm -rf "$work"
echo "openssl=$built" >"$prefix/.complete"
echo "$prefix"
