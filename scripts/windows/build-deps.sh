#!/usr/bin/env bash
# Builds SQLite, libzip and Qt for 64-bit Windows from Debian's source packages into a cache
# folder outside the checkout (by default ~/.cache/valsit), or finds them there. Prints the
# folder (the prefix the Windows build of Valsit uses) as its last line.
#
# The folder's name carries the Qt version and a hash of the recipe (recipe.sh, the
# toolchain file, the Debian source versions): a build with other options or sources gets
# a folder of its own. A folder is used only when its build finished (the file .complete).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/recipe.sh"

bash "$here/install-tools.sh" >&2
cache=${VALSIT_CACHE:-$HOME/.cache/valsit}
jobs=${VALSIT_JOBS:-$(nproc)}

# The source package versions are those of the binary packages apt would install
# (a binary-only rebuild "+bN" has the source version without it).
source_version() {
    apt-cache policy "$1" | awk '/Candidate:/ {print $2}' | sed 's/+b[0-9]*$//'
}
qt_src=$(source_version qt6-base-dev)
sqlite_src=$(source_version libsqlite3-dev)
libzip_src=$(source_version libzip-dev)
for v in "$qt_src" "$sqlite_src" "$libzip_src"; do
    [ -n "$v" ] && [ "$v" != "(none)" ] || { echo "build-deps: no source version found (apt-get update?)" >&2; exit 1; }
done
qt_upstream=${qt_src%%+*}
qt_upstream=${qt_upstream%%-*}

key=$( (cat "$here/recipe.sh" "$here/mingw-w64.cmake"
        echo "qt6-base=$qt_src sqlite3=$sqlite_src libzip=$libzip_src"
        x86_64-w64-mingw32-g++-posix -dumpfullversion) | sha256sum | cut -c1-12)
prefix="$cache/mingw-w64-qt$qt_upstream-$key"

mkdir -p "$cache"
# One build of a prefix at a time (two checkouts may start at once); the second one waits.
exec 9>"$prefix.lock"
flock 9

if [ -f "$prefix/.complete" ]; then
    echo "build-deps: using $prefix" >&2
    echo "$prefix"
    exit 0
fi

work="$cache/work-$key"
# A build cut short (a session that ended, a reboot) goes on where it stopped: the work
# folder has the same key, so its sources and its Qt build tree are the same recipe's.
mkdir -p "$work"
rm -rf "$prefix"
mkdir -p "$prefix/bin" "$prefix/lib" "$prefix/include" "$prefix/share/valsit"
# Qt records the toolchain file it was configured with: keep that file in the prefix, so
# the prefix does not depend on the checkout that built it.
cp "$here/mingw-w64.cmake" "$prefix/share/valsit/mingw-w64.cmake"
toolchain="$prefix/share/valsit/mingw-w64.cmake"
export VALSIT_MINGW_PREFIX="$prefix"
times="$work/build-times.txt"
stamp() { echo "$(date -u +%FT%TZ) $*" | tee -a "$times" >&2; }
log() { echo "build-deps: $*" >&2; }

stamp "start (qt6-base $qt_src, sqlite3 $sqlite_src, libzip $libzip_src, $jobs jobs)"
cd "$work"
if [ ! -f "$work/.sources" ]; then
    find "$work" -mindepth 1 -maxdepth 1 ! -name build-times.txt -exec rm -rf {} +
    bash "$here/install-tools.sh" --sources >&2
    for try in 1 2 3; do
        apt-get source -qq "qt6-base=$qt_src" "sqlite3=$sqlite_src" "libzip=$libzip_src" \
            >"$work/apt-source.log" 2>&1 && break
        [ "$try" -lt 3 ] || { cat "$work/apt-source.log" >&2; exit 1; }
        find "$work" -mindepth 1 -maxdepth 1 ! -name build-times.txt -exec rm -rf {} +
        sleep 30
    done
    touch "$work/.sources"
    stamp "sources fetched"
fi

# SQLite: the amalgamation made on the host, compiled as one DLL with an import library.
sqlite_dir=$(find "$work" -maxdepth 1 -type d -name 'sqlite3-*' | head -n 1)
if [ ! -f "$sqlite_dir/sqlite3.c" ]; then
    (cd "$sqlite_dir" && ./configure --disable-tcl >"$work/sqlite-configure.log" 2>&1 &&
        make sqlite3.c >"$work/sqlite-make.log" 2>&1) || { tail -n 30 "$work"/sqlite-*.log >&2; exit 1; }
fi
nice x86_64-w64-mingw32-gcc-posix "${SQLITE_CFLAGS[@]}" "-DSQLITE_API=__declspec(dllexport)" \
    -shared -o "$prefix/bin/libsqlite3-0.dll" "$sqlite_dir/sqlite3.c" \
    -Wl,--out-implib,"$prefix/lib/libsqlite3.dll.a"
cp "$sqlite_dir/sqlite3.h" "$sqlite_dir/sqlite3ext.h" "$prefix/include/"
stamp "sqlite built"

# libzip.
libzip_dir=$(find "$work" -maxdepth 1 -type d -name 'libzip-*' | head -n 1)
nice cmake -G Ninja -S "$libzip_dir" -B "$work/build-libzip" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "${LIBZIP_OPTIONS[@]}" \
    >"$work/libzip.log" 2>&1 || { tail -n 30 "$work/libzip.log" >&2; exit 1; }
nice cmake --build "$work/build-libzip" -j"$jobs" --target install >>"$work/libzip.log" 2>&1 ||
    { tail -n 30 "$work/libzip.log" >&2; exit 1; }
stamp "libzip built"

# Qt, with Debian's host Qt 6 (same version) for moc, rcc, uic.
qt_dir=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
if [ ! -f "$work/.qt-configured" ]; then
    rm -rf "$work/build-qt"
    nice cmake -G Ninja -S "$qt_dir" -B "$work/build-qt" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${QT_OPTIONS[@]}" \
        -DSQLite3_INCLUDE_DIR="$prefix/include" -DSQLite3_LIBRARY="$prefix/lib/libsqlite3.dll.a" \
        >"$work/qt-configure.log" 2>&1 || { tail -n 60 "$work/qt-configure.log" >&2; exit 1; }
    touch "$work/.qt-configured"
    stamp "qt configured"
fi
log "building Qt (about 1,040 steps; progress in $work/qt-build.log)"
nice cmake --build "$work/build-qt" -j"$jobs" >>"$work/qt-build.log" 2>&1 ||
    { grep -B2 -A20 -m3 'FAILED\|error:' "$work/qt-build.log" >&2 || tail -n 40 "$work/qt-build.log" >&2; exit 1; }
cmake --install "$work/build-qt" >"$work/qt-install.log" 2>&1 || { tail -n 30 "$work/qt-install.log" >&2; exit 1; }
stamp "qt built"

cp "$work/qt-configure.log" "$times" "$prefix/share/valsit/"
cd "$cache"
rm -rf "$work"
printf 'qt6-base=%s sqlite3=%s libzip=%s\n' "$qt_src" "$sqlite_src" "$libzip_src" >"$prefix/.complete"
log "done: $prefix"
echo "$prefix"
