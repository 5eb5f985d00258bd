# What the Windows libraries are built with. Sourced by build-deps.sh; the cache folder is
# named after a hash of this file, the toolchain file and the Debian source versions, so
# any change here builds them again (and nothing else does).

# Debian's own flags for its libsqlite3 (debian/rules of sqlite3 3.40.1), so that the
# program behaves on Windows as it does with Debian's library.
SQLITE_CFLAGS=(-O2 -fno-strict-aliasing
    -DSQLITE_SECURE_DELETE -DSQLITE_ENABLE_COLUMN_METADATA
    -DSQLITE_ENABLE_FTS3 -DSQLITE_ENABLE_FTS3_PARENTHESIS
    -DSQLITE_ENABLE_RTREE=1 -DSQLITE_SOUNDEX=1
    -DSQLITE_ENABLE_UNLOCK_NOTIFY
    -DSQLITE_OMIT_LOOKASIDE=1 -DSQLITE_ENABLE_DBSTAT_VTAB
    -DSQLITE_ALLOW_ROWID_IN_VIEW
    -DSQLITE_ENABLE_UPDATE_DELETE_LIMIT=1
    -DSQLITE_ENABLE_LOAD_EXTENSION
    -DSQLITE_ENABLE_JSON1
    -DSQLITE_LIKE_DOESNT_MATCH_BLOBS
    -DSQLITE_THREADSAFE=1
    -DSQLITE_ENABLE_FTS3_TOKENIZER=1
    -DSQLITE_USE_URI=1
    -DSQLITE_MAX_SCHEMA_RETRY=25
    -DSQLITE_ENABLE_PREUPDATE_HOOK
    -DSQLITE_ENABLE_SESSION
    -DSQLITE_ENABLE_STMTVTAB
    -DSQLITE_MAX_VARIABLE_NUMBER=250000)

# libzip with zlib only (Debian's libz-mingw-w64-dev) and Windows' own crypto.
LIBZIP_OPTIONS=(-DBUILD_SHARED_LIBS=ON
    -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF
    -DENABLE_WINDOWS_CRYPTO=ON -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF
    -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF)

# Only the Qt the program uses: Core, Gui, Widgets, Sql (SQLite), PrintSupport, Test and
# the windows and offscreen platforms. Debian's source lacks the bundled SQLite, so Qt's
# driver links the SQLite DLL above: the program registers its collation through the same
# library. Two traps of Qt 6.4 on MinGW:
# - the print engine needs the DirectWrite font engine, which is only built with direct2d;
# - FEATURE_opengl=OFF alone leaves dynamic OpenGL on (and the windows plugin then fails to
#   compile); INPUT_opengl=no is what "configure -no-opengl" sets.
QT_OPTIONS=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
    -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF
    -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_sql=ON -DFEATURE_sql_sqlite=ON -DFEATURE_system_sqlite=ON
    -DFEATURE_sql_odbc=OFF -DFEATURE_sql_psql=OFF -DFEATURE_sql_mysql=OFF -DFEATURE_sql_ibase=OFF
    -DFEATURE_sql_oci=OFF -DFEATURE_sql_db2=OFF
    -DFEATURE_system_zlib=ON -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
    -DFEATURE_png=ON -DFEATURE_system_png=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_testlib=ON -DFEATURE_printsupport=ON -DFEATURE_widgets=ON)
