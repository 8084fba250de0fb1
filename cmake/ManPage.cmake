# Makes the manual page from its text source (packaging/larkspan.1.txt, whose
# first lines describe its layout) and compresses it (Compress.cmake).
#   cmake -DSOURCE=... -DOUTPUT=....1.gz -DTITLE=LARKSPAN -DVERSION=2.5.5
#         -DDATE=YYYY-MM-DD -P ManPage.cmake

file(STRINGS "${SOURCE}" lines ENCODING UTF-8)

# Roff's own characters in a line of text: the escape character, the minus
# sign (every "-" of the source is one: options, paths and the dash after
# the names), and a line that would be a request.
function(roff_text out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "\\*([^*]+)\\*" "\\\\fB\\1\\\\fR" text "${text}")
  string(REGEX REPLACE "{([^}]+)}" "\\\\fI\\1\\\\fR" text "${text}")
  if(text MATCHES "^[.']")
    set(text "\\&${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(page ".TH ${TITLE} 1 \"${DATE}\" \"Larkspan ${VERSION}\" \"User Commands\"\n")
set(paragraph_open FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^#")
    continue()
  elseif(line STREQUAL "")
    set(paragraph_open FALSE)
  elseif(line MATCHES "^\\.br$")
    string(APPEND page ".br\n")
  elseif(line MATCHES "^    (.*)$")
    roff_text(text "${CMAKE_MATCH_1}")
    if(NOT paragraph_open)
      string(APPEND page ".PP\n")
      set(paragraph_open TRUE)
    endif()
    string(APPEND page "${text}\n")
  elseif(line MATCHES "^  ([^ ].*)$")
    roff_text(text "${CMAKE_MATCH_1}")
    string(APPEND page ".TP\n${text}\n")
    set(paragraph_open TRUE)
  elseif(line MATCHES "^[^ ]")
    roff_text(text "${line}")
    string(APPEND page ".SH ${text}\n")
    set(paragraph_open TRUE)
  else()
    message(FATAL_ERROR "${SOURCE}: a line indented neither by two nor by four blanks: ${line}")
  endif()
endforeach()

get_filename_component(folder "${OUTPUT}" DIRECTORY)
get_filename_component(name "${OUTPUT}" NAME_WLE)
set(INPUT "${folder}/${name}")
file(WRITE "${INPUT}" "${page}")
include(${CMAKE_CURRENT_LIST_DIR}/Compress.cmake)
