# The same programs for 64-bit Windows, for machines whose Wine cannot run 32-bit programs
# (a kernel without 32-bit support); the product itself is the 32-bit build.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TXLINK_TARGET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
