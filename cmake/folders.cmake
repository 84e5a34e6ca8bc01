# Source folders are globbed so that adding a file needs no edit here.
# Convention: NAME_win.cpp is the Win32 half of a portable NAME.cpp and is the
# only kind of file in a portable folder that may include windows.h.

# Reads cmake/layers.txt into TARAMEL_LAYERS (every folder, floor first),
# TARAMEL_PORTABLE_FOLDERS and TARAMEL_WIN32_FOLDERS. A folder that does not
# exist yet still gets its (empty) object library, so that adding one needs
# no edit beyond the layers file.
macro(taramel_read_layers)
  file(STRINGS ${PROJECT_SOURCE_DIR}/cmake/layers.txt layer_lines REGEX "^[a-z]")
  set(TARAMEL_LAYERS "")
  set(TARAMEL_PORTABLE_FOLDERS "")
  set(TARAMEL_WIN32_FOLDERS "")
  foreach(line IN LISTS layer_lines)
    string(REGEX MATCHALL "[^ \t]+" words "${line}")
    list(GET words 0 layer_folder)
    list(GET words 1 layer_kind)
    list(APPEND TARAMEL_LAYERS ${layer_folder})
    if(layer_kind STREQUAL "portable")
      list(APPEND TARAMEL_PORTABLE_FOLDERS ${layer_folder})
    elseif(layer_kind STREQUAL "win32")
      list(APPEND TARAMEL_WIN32_FOLDERS ${layer_folder})
    endif()
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/layers.txt)
endmacro()

add_library(taramel_core_usage INTERFACE)
target_include_directories(taramel_core_usage INTERFACE ${PROJECT_SOURCE_DIR})
target_link_libraries(taramel_core_usage INTERFACE taramel_flags)

function(taramel_portable_folder folder)
  file(GLOB_RECURSE all CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  set(portable "")
  foreach(f IN LISTS all)
    if(NOT f MATCHES "_win\\.cpp$" AND NOT f MATCHES "/${folder}/exe/")
      list(APPEND portable ${f})
    endif()
  endforeach()
  if(NOT portable)
    set(portable ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(core_${folder} OBJECT ${portable})
  target_link_libraries(core_${folder} PUBLIC taramel_core_usage taramel_deps)
endfunction()

function(taramel_win32_sources target folder)
  file(GLOB_RECURSE all CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  list(FIND TARAMEL_WIN32_FOLDERS ${folder} is_win_folder)
  foreach(f IN LISTS all)
    if(f MATCHES "/${folder}/exe/")
      continue()
    endif()
    if(is_win_folder GREATER -1 OR f MATCHES "_win\\.cpp$")
      target_sources(${target} PRIVATE ${f})
    endif()
  endforeach()
endfunction()
