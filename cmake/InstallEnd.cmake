# Last step of an installation: writes its record, LARKSPAN_INSTALL_RECORD
# under the prefix, for scripts/uninstall.sh. One line per entry, paths
# relative to the prefix ("." is the prefix itself):
#   file PATH     a file or link an installation put there (the record too)
#   folder PATH   a folder that did not exist before the first installation
# Set by InstallBegin.cmake: LARKSPAN_MADE_FOLDERS, LARKSPAN_EARLIER_FILES.

# A package (cpack, cmake/PackageProject.cmake) gets no record: its package
# manager records and removes its files.
if(NOT "$ENV{LARKSPAN_PACKAGE_GENERATOR}" STREQUAL "")
  return()
endif()

set(staged "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(record "${staged}/${LARKSPAN_INSTALL_RECORD}")

set(files ${LARKSPAN_EARLIER_FILES})
foreach(installed IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
  file(RELATIVE_PATH relative "${CMAKE_INSTALL_PREFIX}" "${installed}")
  list(APPEND files "${relative}")
endforeach()
list(APPEND files "${LARKSPAN_INSTALL_RECORD}")
list(REMOVE_DUPLICATES files)

set(text "")
foreach(installed IN LISTS files)
  string(APPEND text "file ${installed}\n")
endforeach()
foreach(folder IN LISTS LARKSPAN_MADE_FOLDERS)
  string(APPEND text "folder ${folder}\n")
endforeach()

message(STATUS "Installing: ${record}")
file(WRITE "${record}" "${text}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_PREFIX}/${LARKSPAN_INSTALL_RECORD}")
