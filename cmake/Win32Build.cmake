# Settings of the win32 build (included by the top CMakeLists.txt when TXLINK_PLATFORM is win32).

# Programs that run on a bare Windows: the C++ runtime linked in, no DLL beyond Windows' own;
# GUI subsystem (no console window).
add_link_options(-static -static-libgcc -static-libstdc++ -mwindows)
# The API level of Windows 7; the wide calls are named explicitly where texts cross.
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601)

# nlohmann-json is header-only: the build machine's copy is made visible through a folder of
# its own, so that no other header of the build machine can reach the cross build.
set(TXLINK_NLOHMANN_JSON_DIR /usr/include/nlohmann CACHE PATH "Folder of nlohmann/json.hpp")
if(NOT EXISTS ${TXLINK_NLOHMANN_JSON_DIR}/json.hpp)
  message(FATAL_ERROR "nlohmann/json.hpp not found in ${TXLINK_NLOHMANN_JSON_DIR} (install nlohmann-json3-dev)")
endif()
set(TXLINK_THIRD_PARTY_INCLUDE ${CMAKE_BINARY_DIR}/third-party/include)
file(MAKE_DIRECTORY ${TXLINK_THIRD_PARTY_INCLUDE})
file(CREATE_LINK ${TXLINK_NLOHMANN_JSON_DIR} ${TXLINK_THIRD_PARTY_INCLUDE}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${TXLINK_THIRD_PARTY_INCLUDE})
