# Packs a ready program folder with the README into a zip archive that holds
# one folder, Taramel, as a user unpacks it:
#   cmake -DFROM=DIR -DREADME=FILE -DVERSION=X.Y.Z -DWORK=DIR -DOUT=FILE.zip -P archive.cmake
# The README is written with Windows line ends (Notepad of Windows 7 shows
# nothing else right) and the version filled in.
foreach(v FROM README VERSION WORK OUT)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "archive.cmake: ${v} is not given")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/Taramel)
foreach(f Taramel.exe Topaz.asz test.txt)
  file(COPY_FILE ${FROM}/${f} ${WORK}/Taramel/${f})
endforeach()
configure_file(${README} ${WORK}/Taramel/README.txt @ONLY NEWLINE_STYLE CRLF)
file(REMOVE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT} --format=zip Taramel
                WORKING_DIRECTORY ${WORK} COMMAND_ERROR_IS_FATAL ANY)
