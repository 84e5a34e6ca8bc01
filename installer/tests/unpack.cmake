# Unpacks each release archive as a user would, into a folder of its own:
#   cmake -DUNPACKED=DIR "-DARCHIVES=NAME=FILE.zip|..." -P unpack.cmake
# and lists what each holds.
string(REPLACE "|" ";" archives "${ARCHIVES}")
file(REMOVE_RECURSE ${UNPACKED})
foreach(a IN LISTS archives)
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${a}")
  set(name ${CMAKE_MATCH_1})
  set(zip ${CMAKE_MATCH_2})
  file(MAKE_DIRECTORY ${UNPACKED}/${name})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar tvf ${zip} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${UNPACKED}/${name}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
