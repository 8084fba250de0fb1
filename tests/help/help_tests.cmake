# Checks of the help pages and of the installation, run by CTest.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
  add_test(NAME help_links
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/check_help_links.py ${CMAKE_SOURCE_DIR}/data/help)
  add_test(NAME install_and_start
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/install_test.py ${CMAKE_BINARY_DIR} ${CMAKE_COMMAND})
  set_tests_properties(install_and_start PROPERTIES TIMEOUT 300)
endif()
