# SPDX-License-Identifier: GPL-3.0-or-later
# vorelles_add_test(<name> SOURCES <files...> [UI])
# Builds one QtTest executable under tests/ and registers it with CTest.
# Rule tests link the headless core only; UI marks tests that need widgets.
function(vorelles_add_test name)
  cmake_parse_arguments(ARG "UI" "" "SOURCES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(ARG_UI)
    target_link_libraries(${name} PRIVATE vorelles_ui vorelles_testsupport Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE vorelles_core Qt6::Test)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
                                          TIMEOUT 300)
endfunction()
