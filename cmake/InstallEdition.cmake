# Install-time part of one edition: the edition's name as a link to the
# program in the program folder, and its desktop entry, which names the
# final prefix. Both go into install_manifest.txt like every other file,
# under the final prefix (without DESTDIR), as CMake lists its own.
# Set by the caller: LARKSPAN_EDITION, LARKSPAN_EDITION_TITLE,
# LARKSPAN_GENERIC_EN/DA/NB, LARKSPAN_PROGRAM_FOLDER, LARKSPAN_DESKTOP_TEMPLATE.

set(prefix "${CMAKE_INSTALL_PREFIX}")
set(staged "$ENV{DESTDIR}${prefix}")

set(link "${staged}/${LARKSPAN_PROGRAM_FOLDER}/${LARKSPAN_EDITION}")
message(STATUS "Installing: ${link}")
if(WIN32)
  file(COPY_FILE "${staged}/${LARKSPAN_PROGRAM_FOLDER}/larkspan.exe" "${link}.exe")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${prefix}/${LARKSPAN_PROGRAM_FOLDER}/${LARKSPAN_EDITION}.exe")
else()
  file(CREATE_LINK larkspan "${link}" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${prefix}/${LARKSPAN_PROGRAM_FOLDER}/${LARKSPAN_EDITION}")
endif()

set(EDITION "${LARKSPAN_EDITION}")
set(EDITION_TITLE "${LARKSPAN_EDITION_TITLE}")
set(GENERIC_NAME_EN "${LARKSPAN_GENERIC_EN}")
set(GENERIC_NAME_DA "${LARKSPAN_GENERIC_DA}")
set(GENERIC_NAME_NB "${LARKSPAN_GENERIC_NB}")
set(COMMENT_EN "${LARKSPAN_EDITION_TITLE} - ${LARKSPAN_GENERIC_EN}")
set(COMMENT_DA "${LARKSPAN_EDITION_TITLE} - ${LARKSPAN_GENERIC_DA}")
set(COMMENT_NB "${LARKSPAN_EDITION_TITLE} - ${LARKSPAN_GENERIC_NB}")
set(LAUNCHER "${prefix}/bin/${LARKSPAN_EDITION}")
# Quoted only where the path needs it (a blank in the prefix), by the desktop
# entry's rules: inside the quotes ", ` and $ get a backslash, which the
# file's own escaping writes twice (a backslash itself four times). The
# desktop passes the file to open after it (%f).
if(LAUNCHER MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
  string(REPLACE "\\" "\\\\\\\\" quoted "${LAUNCHER}")
  string(REGEX REPLACE "([\"`$])" "\\\\\\\\\\1" quoted "${quoted}")
  set(EXEC_LAUNCHER "\"${quoted}\"")
else()
  set(EXEC_LAUNCHER "${LAUNCHER}")
endif()
set(PROGRAM_FOLDER "${prefix}/${LARKSPAN_PROGRAM_FOLDER}")
set(desktop_entry "share/applications/larkspan-${LARKSPAN_EDITION}.desktop")
message(STATUS "Installing: ${staged}/${desktop_entry}")
configure_file("${LARKSPAN_DESKTOP_TEMPLATE}" "${staged}/${desktop_entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${prefix}/${desktop_entry}")
