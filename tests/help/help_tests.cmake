# Checks of the help pages and of the installation, run by CTest.

# Lists the help files the program can open, for the help_links check.
add_executable(help_pages_used ${CMAKE_CURRENT_LIST_DIR}/help_pages_used.cpp)
target_link_libraries(help_pages_used PRIVATE larkspan_gui larkspan_options)

find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
  add_test(NAME help_links
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/check_help_links.py ${CMAKE_SOURCE_DIR}/data/help
      --required-by $<TARGET_FILE:help_pages_used>)
  add_test(NAME install_and_start
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/install_test.py ${CMAKE_BINARY_DIR} ${CMAKE_COMMAND})
  set_tests_properties(install_and_start PROPERTIES TIMEOUT 300)
endif()
