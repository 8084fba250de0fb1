# The Debian package, made from this build and checked (package_test.py).
# It reuses the built program; a sanitizer build (LARKSPAN_SANITIZE) is no
# program to package, so the test is not registered there.
if(UNIX AND NOT APPLE AND NOT LARKSPAN_SANITIZE AND Python3_FOUND)
  add_test(NAME debian_package
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/package_test.py
      ${CMAKE_BINARY_DIR} ${CMAKE_CPACK_COMMAND} ${PROJECT_VERSION})
  set_tests_properties(debian_package PROPERTIES
    TIMEOUT 600
    SKIP_RETURN_CODE 77)
endif()
