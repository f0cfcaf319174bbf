# SPDX-License-Identifier: MIT
# brivmemo_add_test(NAME <target> LABEL <label> SOURCES <files...> LIBS <targets...> [QT])
# Builds one GoogleTest program and registers each of its test cases as its own CTest test.
# QT programs use the shared main that creates the application object on the offscreen platform.
find_package(GTest REQUIRED)
include(GoogleTest)

function(brivmemo_add_test)
  cmake_parse_arguments(ARG "QT" "NAME;LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  if(ARG_QT)
    target_link_libraries(${ARG_NAME} PRIVATE brivmemo_test_qt_main ${ARG_LIBS})
  else()
    target_link_libraries(${ARG_NAME} PRIVATE brivmemo_test_main ${ARG_LIBS})
  endif()
  gtest_discover_tests(${ARG_NAME}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS ${ARG_LABEL} ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
