# Makes the program available under the names of its editions and copies the
# installation data into the run folder after every build.

set(LARKSPAN_EDITION_NAMES ostrana vistrel numivax quorvel)
set(run_commands)
foreach(name IN LISTS LARKSPAN_EDITION_NAMES)
  if(WIN32)
    list(APPEND run_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different
      $<TARGET_FILE:larkspan> ${LARKSPAN_RUN_DIR}/${name}${CMAKE_EXECUTABLE_SUFFIX})
  else()
    list(APPEND run_commands COMMAND ${CMAKE_COMMAND} -E create_symlink
      $<TARGET_FILE_NAME:larkspan> ${LARKSPAN_RUN_DIR}/${name})
  endif()
endforeach()

# Installation data (db/, help/, Setup/, Work/) lives under data/ in the sources.
add_custom_target(larkspan_run_folder ALL
  ${run_commands}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data ${LARKSPAN_RUN_DIR}
  WORKING_DIRECTORY ${LARKSPAN_RUN_DIR}
  COMMENT "Laying out the run folder"
  VERBATIM)
add_dependencies(larkspan_run_folder larkspan)
