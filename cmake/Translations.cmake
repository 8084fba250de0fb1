# The program's catalogues (larkspan_dk, larkspan_no, larkspan_en) are Qt
# Linguist sources under translations/, compiled into the run folder. The
# toolkit's catalogues qt_dk and qt_no are made from Qt's own Danish and
# Norwegian (nynorsk, the one Norwegian catalogue Qt ships) translations.

set(LARKSPAN_TS_FILES
  ${CMAKE_SOURCE_DIR}/translations/larkspan_dk.ts
  ${CMAKE_SOURCE_DIR}/translations/larkspan_no.ts
  ${CMAKE_SOURCE_DIR}/translations/larkspan_en.ts)
set_source_files_properties(${LARKSPAN_TS_FILES} PROPERTIES OUTPUT_LOCATION ${LARKSPAN_RUN_DIR})
qt_add_lrelease(larkspan TS_FILES ${LARKSPAN_TS_FILES})

# Refreshing the catalogues is lupdate followed by the fill script, which also
# keeps the texts looked up under keys that lupdate cannot see; plain lupdate
# with -no-obsolete would drop those.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
  add_custom_target(update_translations
    COMMAND ${CMAKE_COMMAND} -E env LUPDATE=$<TARGET_FILE:Qt6::lupdate>
            ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/translations.py
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Updating the catalogues"
    VERBATIM)
endif()

find_program(LARKSPAN_QTPATHS NAMES qtpaths6 qtpaths
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin)
set(qt_translations_dir "")
if(LARKSPAN_QTPATHS)
  execute_process(COMMAND ${LARKSPAN_QTPATHS} --query QT_INSTALL_TRANSLATIONS
    OUTPUT_VARIABLE qt_translations_dir OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(NOT qt_translations_dir)
  set(qt_translations_dir /usr/share/qt6/translations)
endif()

set(toolkit_qm_files)
foreach(pair "dk;da" "no;nn")
  list(GET pair 0 code)
  list(GET pair 1 qt_code)
  set(src ${qt_translations_dir}/qtbase_${qt_code}.qm)
  set(out ${LARKSPAN_RUN_DIR}/qt_${code}.qm)
  if(EXISTS ${src})
    add_custom_command(OUTPUT ${out}
      COMMAND Qt6::lconvert -i ${src} -o ${out}
      DEPENDS ${src}
      COMMENT "Making the toolkit catalogue qt_${code}"
      VERBATIM)
    list(APPEND toolkit_qm_files ${out})
  else()
    message(WARNING "${src} is missing (Debian package qt6-translations-l10n): qt_${code} is not made")
  endif()
endforeach()
add_custom_target(larkspan_toolkit_catalogues ALL DEPENDS ${toolkit_qm_files})
