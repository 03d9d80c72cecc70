# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (-posix threads).
# Libraries and packages are looked up only in the MinGW sysroot and the prefixes of the Windows
# dependency cache (see scripts/windows/build-deps.sh); programs come from the build machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KORVIA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KORVIA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVIA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVIA_MINGW}-windres)
set(CMAKE_AR ${KORVIA_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${KORVIA_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")

if(DEFINED ENV{KORVIA_WIN64_CACHE})
  set(KORVIA_WIN64_CACHE "$ENV{KORVIA_WIN64_CACHE}")
else()
  set(KORVIA_WIN64_CACHE "$ENV{HOME}/.cache/korvia-win64")
endif()
# try_compile projects see the same cache.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KORVIA_WIN64_CACHE)

set(CMAKE_FIND_ROOT_PATH
    /usr/${KORVIA_MINGW}
    ${KORVIA_WIN64_CACHE}/sqlite
    ${KORVIA_WIN64_CACHE}/qt
    ${KORVIA_WIN64_CACHE}/gtest
    ${KORVIA_WIN64_CACHE}/benchmark
    ${KORVIA_WIN64_CACHE}/xlsxwriter)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
