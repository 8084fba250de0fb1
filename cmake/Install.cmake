# cmake --install: the program folder PREFIX/lib/larkspan (the program under
# its edition names, the catalogues and the installation data db/, help/,
# Setup/, Work/), a launcher per edition in PREFIX/bin, and a desktop entry and
# icons per edition under PREFIX/share, so that each edition starts from the
# desktop's menu. Every file installed is listed in install_manifest.txt in
# the build folder, and in the installation's own record
# PREFIX/share/larkspan/installed.txt together with the folders the
# installation made; scripts/uninstall.sh removes what the record lists.
#
# Beside them, for the desktop and the Debian package (cmake/Package.cmake):
# the manual page of the launchers, the software centre's entry
# (share/metainfo), the file types of the registers (share/mime/packages,
# which a file manager follows once update-mime-database has run: the Debian
# package's installation runs it) and the copyright and changelog in
# share/doc/larkspan.
#
# The launchers run the program in a working folder of the user's own (see
# packaging/larkspan-launcher.sh): nothing the user saves lands among the
# files that the next installation replaces.

set(LARKSPAN_PROGRAM_FOLDER lib/larkspan)
set(LARKSPAN_INSTALL_RECORD share/larkspan/installed.txt)
# The sizes of the edition icons in packaging/icons/ (tools/make_icons.sh).
set(LARKSPAN_ICON_SIZES 16 24 32 48 64 128 256)

# The folders that get files, outside the program folder too; the first step
# notes which of them (and of their parents) do not exist yet.
set(LARKSPAN_INSTALL_FOLDERS
  bin ${LARKSPAN_PROGRAM_FOLDER} share/applications share/larkspan share/icons/hicolor/scalable/apps
  share/man/man1 share/doc/larkspan share/metainfo share/mime/packages)
foreach(size IN LISTS LARKSPAN_ICON_SIZES)
  list(APPEND LARKSPAN_INSTALL_FOLDERS share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(CODE "
  set(LARKSPAN_INSTALL_FOLDERS \"${LARKSPAN_INSTALL_FOLDERS}\")
  set(LARKSPAN_INSTALL_RECORD \"${LARKSPAN_INSTALL_RECORD}\")")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/InstallBegin.cmake)

install(TARGETS larkspan RUNTIME DESTINATION ${LARKSPAN_PROGRAM_FOLDER})

install(FILES
  ${LARKSPAN_RUN_DIR}/larkspan_dk.qm
  ${LARKSPAN_RUN_DIR}/larkspan_no.qm
  ${LARKSPAN_RUN_DIR}/larkspan_en.qm
  DESTINATION ${LARKSPAN_PROGRAM_FOLDER})
# Made from Qt's own catalogues when the build machine has them.
install(FILES ${LARKSPAN_RUN_DIR}/qt_dk.qm ${LARKSPAN_RUN_DIR}/qt_no.qm
  DESTINATION ${LARKSPAN_PROGRAM_FOLDER} OPTIONAL)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${LARKSPAN_PROGRAM_FOLDER}
  PATTERN .gitattributes EXCLUDE
  PATTERN .keep EXCLUDE)
# The label folders exist even before they hold anything.
install(DIRECTORY DESTINATION ${LARKSPAN_PROGRAM_FOLDER}/Setup)
install(DIRECTORY DESTINATION ${LARKSPAN_PROGRAM_FOLDER}/Work)

# Edition: its name, its title, and what it keeps in English, Danish and
# Norwegian (the desktop menu's tooltip).
set(LARKSPAN_DESKTOP_ENTRIES
  "ostrana|Ostrana|Home contents register|Indboregister|Innboregister"
  "vistrel|Vistrel|Picture database|Billeddatabase|Bildedatabase"
  "numivax|Numivax|Coin database|Møntdatabase|Myntdatabase"
  "quorvel|Quorvel|Stock register|Lagerregister|Lagerregister")

foreach(entry IN LISTS LARKSPAN_DESKTOP_ENTRIES)
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 edition)
  list(GET fields 1 title)
  list(GET fields 2 generic_en)
  list(GET fields 3 generic_da)
  list(GET fields 4 generic_nb)

  install(PROGRAMS ${CMAKE_SOURCE_DIR}/packaging/larkspan-launcher.sh DESTINATION bin RENAME ${edition})
  foreach(size IN LISTS LARKSPAN_ICON_SIZES)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/${size}x${size}/${edition}.png
      DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME larkspan-${edition}.png)
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/${edition}.svg
    DESTINATION share/icons/hicolor/scalable/apps RENAME larkspan-${edition}.svg)

  # Links and desktop entries name the final prefix, known only at install time.
  install(CODE "
    set(LARKSPAN_EDITION \"${edition}\")
    set(LARKSPAN_EDITION_TITLE \"${title}\")
    set(LARKSPAN_GENERIC_EN \"${generic_en}\")
    set(LARKSPAN_GENERIC_DA \"${generic_da}\")
    set(LARKSPAN_GENERIC_NB \"${generic_nb}\")
    set(LARKSPAN_PROGRAM_FOLDER \"${LARKSPAN_PROGRAM_FOLDER}\")
    set(LARKSPAN_DESKTOP_TEMPLATE \"${CMAKE_SOURCE_DIR}/packaging/larkspan.desktop.in\")")
  install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/InstallEdition.cmake)
endforeach()

# The manual page, one for the four launchers: made from its text source at
# build time, with a link under each launcher's name.
set(LARKSPAN_PACKAGING_BUILD_DIR ${CMAKE_BINARY_DIR}/packaging)
set(man_page ${LARKSPAN_PACKAGING_BUILD_DIR}/larkspan.1.gz)
add_custom_command(OUTPUT ${man_page}
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR}/packaging/larkspan.1.txt -DOUTPUT=${man_page}
    -DTITLE=LARKSPAN -DVERSION=${PROJECT_VERSION} -DDATE=${LARKSPAN_RELEASE_DATE}
    -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/larkspan.1.txt ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
    ${CMAKE_SOURCE_DIR}/cmake/Compress.cmake
  COMMENT "Making the manual page"
  VERBATIM)
set(man_links)
foreach(entry IN LISTS LARKSPAN_DESKTOP_ENTRIES)
  string(REGEX REPLACE "\\|.*" "" edition "${entry}")
  set(link ${LARKSPAN_PACKAGING_BUILD_DIR}/${edition}.1.gz)
  add_custom_command(OUTPUT ${link}
    COMMAND ${CMAKE_COMMAND} -E create_symlink larkspan.1.gz ${link}
    DEPENDS ${man_page}
    VERBATIM)
  list(APPEND man_links ${link})
endforeach()
set(changelog ${LARKSPAN_PACKAGING_BUILD_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${CMAKE_SOURCE_DIR}/packaging/changelog -DOUTPUT=${changelog}
    -P ${CMAKE_SOURCE_DIR}/cmake/Compress.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_SOURCE_DIR}/cmake/Compress.cmake
  VERBATIM)
add_custom_target(larkspan_packaging_files ALL DEPENDS ${man_page} ${man_links} ${changelog})

# Links are installed as links.
install(FILES ${man_page} ${man_links} DESTINATION share/man/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${changelog} DESTINATION share/doc/larkspan)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/dk.taldrum.larkspan.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/larkspan-mime.xml DESTINATION share/mime/packages RENAME larkspan.xml)

# Last: the installation's record, once every other file is in place.
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/InstallEnd.cmake)
