# Cross build of the Windows programs with Debian's mingw-w64 for 32-bit Windows:
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
# It selects the win32 platform backend; scripts/build-windows wraps the whole build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TXLINK_TARGET i686-w64-mingw32)

# The win32 thread model: no std::thread is used, and the programs need no winpthread DLL.
find_program(TXLINK_MINGW_CXX NAMES ${TXLINK_TARGET}-g++-win32 ${TXLINK_TARGET}-g++ REQUIRED)
find_program(TXLINK_MINGW_CC NAMES ${TXLINK_TARGET}-gcc-win32 ${TXLINK_TARGET}-gcc REQUIRED)
set(CMAKE_CXX_COMPILER ${TXLINK_MINGW_CXX})
set(CMAKE_C_COMPILER ${TXLINK_MINGW_CC})
set(CMAKE_RC_COMPILER ${TXLINK_TARGET}-windres)

# Only the target's own headers and libraries; programs of the build machine still run.
set(CMAKE_FIND_ROOT_PATH /usr/${TXLINK_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(TXLINK_PLATFORM win32 CACHE STRING "Platform backend: host or win32" FORCE)
