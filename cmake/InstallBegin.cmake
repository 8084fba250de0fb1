# First step of an installation: notes the folders that it is about to make,
# so that an uninstall removes them and no others. A folder such as PREFIX/bin
# or an icon size folder may belong to the system or to other programs even
# while it is empty.
# Set by the caller: LARKSPAN_INSTALL_FOLDERS (relative to the prefix, the
# folders that get files), LARKSPAN_INSTALL_RECORD.
# Sets LARKSPAN_MADE_FOLDERS and LARKSPAN_EARLIER_FILES for InstallEnd.cmake.

set(staged "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(LARKSPAN_MADE_FOLDERS)
set(LARKSPAN_EARLIER_FILES)

# What an earlier installation made stays the installation's own: its
# folders, and its files, also one that this version no longer installs.
if(EXISTS "${staged}/${LARKSPAN_INSTALL_RECORD}")
  file(STRINGS "${staged}/${LARKSPAN_INSTALL_RECORD}" record_lines)
  foreach(line IN LISTS record_lines)
    if(line MATCHES "^folder (.+)$")
      list(APPEND LARKSPAN_MADE_FOLDERS "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^file (.+)$" AND (EXISTS "${staged}/${CMAKE_MATCH_1}" OR IS_SYMLINK "${staged}/${CMAKE_MATCH_1}"))
      list(APPEND LARKSPAN_EARLIER_FILES "${CMAKE_MATCH_1}")
    endif()
  endforeach()
endif()

# A staged installation (DESTDIR) is a package's, whose folders the package
# manager looks after.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  set(LARKSPAN_INSTALL_FOLDERS)
endif()
foreach(folder IN LISTS LARKSPAN_INSTALL_FOLDERS)
  while(folder AND NOT IS_DIRECTORY "${staged}/${folder}")
    list(APPEND LARKSPAN_MADE_FOLDERS "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
if(NOT IS_DIRECTORY "${staged}" AND "$ENV{DESTDIR}" STREQUAL "")
  list(APPEND LARKSPAN_MADE_FOLDERS ".")
endif()
if(LARKSPAN_MADE_FOLDERS)
  list(REMOVE_DUPLICATES LARKSPAN_MADE_FOLDERS)
endif()
