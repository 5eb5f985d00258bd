# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, so that
# std::thread and Qt's threads share one runtime). The libraries built for Windows
# (SQLite, libzip, Qt) live in the prefix named by VALSIT_MINGW_PREFIX; the environment is
# used because CMake reads this file again inside try_compile, where cache variables are gone.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)
set(CMAKE_AR /usr/bin/${mingw_triplet}-ar)
set(CMAKE_RANLIB /usr/bin/${mingw_triplet}-ranlib)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
if(DEFINED ENV{VALSIT_MINGW_PREFIX})
    list(APPEND CMAKE_FIND_ROOT_PATH $ENV{VALSIT_MINGW_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
