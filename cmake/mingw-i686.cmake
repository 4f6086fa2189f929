# Cross build of the Windows programs with Debian's mingw-w64 for 32-bit Windows:
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
# It selects the win32 platform backend; scripts/build-windows wraps the whole build.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TXLINK_TARGET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
# SSE2, which every processor that runs a current Windows has: the books stand-in scans with it.
set(CMAKE_CXX_FLAGS_INIT "-msse2")
