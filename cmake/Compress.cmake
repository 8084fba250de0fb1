# Compresses a file as the documentation of a Debian system is: gzip -9
# without the name or the time, so that the same file gives the same bytes.
#   cmake -DINPUT=... -DOUTPUT=....gz -P Compress.cmake

execute_process(COMMAND gzip -9 -n -c "${INPUT}" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE failed)
if(failed)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "gzip failed on ${INPUT}")
endif()
