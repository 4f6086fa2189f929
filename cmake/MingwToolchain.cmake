# The part of the mingw-w64 toolchain files that does not depend on the target (TXLINK_TARGET).
set(CMAKE_SYSTEM_NAME Windows)

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
