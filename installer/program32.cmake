# Builds the 32-bit program in the 32-bit build tree (configured by its preset
# the first time) and mirrors its ready folder into OUT, touching only files
# that changed, so that the installer and the archive are remade only then.
#   cmake -DSOURCE=DIR -DBUILD=DIR -DDIST=DIR -DOUT=DIR -P program32.cmake
foreach(v SOURCE BUILD DIST OUT)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "program32.cmake: ${v} is not given")
  endif()
endforeach()
if(NOT EXISTS ${BUILD}/build.ninja)
  execute_process(COMMAND ${CMAKE_COMMAND} --preset win32 WORKING_DIRECTORY ${SOURCE}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target Taramel COMMAND_ERROR_IS_FATAL ANY)
file(MAKE_DIRECTORY ${OUT})
foreach(f Taramel.exe Topaz.asz test.txt)
  file(COPY_FILE ${DIST}/${f} ${OUT}/${f} ONLY_IF_DIFFERENT)
endforeach()
