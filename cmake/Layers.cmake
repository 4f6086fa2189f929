# Include roots of the layer libraries (included by the top CMakeLists.txt; see README.md, Layers).
#
# No target has the source root on its include path. Each layer library has a root of its own,
# layers/<target>/ in the build folder, holding a link named like its source folder, and offers
# it to its dependents; a folder therefore reaches only its own headers and those of the layers
# it links, and an include that goes up the layers names a file the compiler cannot find.

# txlink_layer_root(<target> <folder> [HEADERS])
#   Puts <folder> (relative to the source root, e.g. app or platform/host) into the include root
#   of <target>, PUBLIC (INTERFACE for an interface library). HEADERS links the folder's own
#   headers one by one instead of the folder: for platform/ and core_api/, whose subfolders are
#   other layers.
function(txlink_layer_root target folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "HEADERS" "" "")
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  set(source ${CMAKE_SOURCE_DIR}/${folder})
  set(link ${root}/${folder})
  get_filename_component(parent ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(arg_HEADERS)
    # A link to the folder left by an older layout would make the links below land in the
    # source folder itself.
    if(IS_SYMLINK ${link})
      file(REMOVE ${link})
    endif()
    file(MAKE_DIRECTORY ${link})
    file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*.h)
    file(GLOB present RELATIVE ${link} ${link}/*)
    foreach(name IN LISTS present)
      if(NOT name IN_LIST headers)
        file(REMOVE ${link}/${name})
      endif()
    endforeach()
    foreach(header IN LISTS headers)
      file(CREATE_LINK ${source}/${header} ${link}/${header} SYMBOLIC)
    endforeach()
  else()
    # A folder of header links left by an older layout holds only links: removing it leaves
    # the sources alone.
    if(IS_DIRECTORY ${link} AND NOT IS_SYMLINK ${link})
      file(REMOVE_RECURSE ${link})
    endif()
    file(CREATE_LINK ${source} ${link} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
