# zlib and libjpeg: Debian's packages natively; for Windows, mingw's zlib and a
# libjpeg-turbo cross-built by tools/setup.sh into TARAMEL_DEPS, one folder per
# target (i686-w64-mingw32, x86_64-w64-mingw32).
add_library(taramel_deps INTERFACE)
set(TARAMEL_DEPS_DIR "/opt/taramel-deps" CACHE PATH "Dependencies built by tools/setup.sh")
if(TARAMEL_WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TARAMEL_MINGW_TARGET x86_64-w64-mingw32)
  else()
    set(TARAMEL_MINGW_TARGET i686-w64-mingw32)
  endif()
  set(jpeg_root ${TARAMEL_DEPS_DIR}/${TARAMEL_MINGW_TARGET})
  if(NOT EXISTS ${jpeg_root}/lib/libjpeg.a)
    message(FATAL_ERROR "libjpeg for mingw not found in ${jpeg_root}: run tools/setup.sh")
  endif()
  target_include_directories(taramel_deps INTERFACE ${jpeg_root}/include)
  target_link_libraries(taramel_deps INTERFACE ${jpeg_root}/lib/libjpeg.a)
  # The static archive, not the import library: a Windows machine has no
  # zlib1.dll beside the program (wine would hide that by lending its own).
  find_path(ZLIB_INCLUDE_DIR zlib.h REQUIRED)
  find_library(ZLIB_STATIC_LIBRARY NAMES libz.a REQUIRED)
  target_include_directories(taramel_deps INTERFACE ${ZLIB_INCLUDE_DIR})
  target_link_libraries(taramel_deps INTERFACE ${ZLIB_STATIC_LIBRARY})
else()
  find_package(ZLIB REQUIRED)
  find_package(JPEG REQUIRED)
  target_link_libraries(taramel_deps INTERFACE ZLIB::ZLIB JPEG::JPEG)
endif()

# System libraries of the Win32 build.
add_library(taramel_win_usage INTERFACE)
if(TARAMEL_WIN32)
  target_link_libraries(taramel_win_usage INTERFACE
    comctl32 msimg32 shell32 gdi32 user32 kernel32 advapi32 ole32 uuid)
endif()
