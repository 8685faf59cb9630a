# Test suites. A portable suite builds in both trees: natively it runs directly, in the Windows
# tree it runs under Wine (the cross-compiling emulator). A Windows suite builds only in the
# Windows tree. Each suite binary is one CTest test, so that a Wine process starts once per suite.

function(stormline_test_suite name)
  cmake_parse_arguments(SUITE "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${SUITE_SOURCES})
  target_link_libraries(${name} PRIVATE ${SUITE_LIBRARIES} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()

function(add_portable_test_suite name)
  if(WIN32)
    stormline_test_suite(${name}_wine ${ARGN})
  else()
    stormline_test_suite(${name} ${ARGN})
  endif()
endfunction()

function(add_windows_test_suite name)
  if(WIN32)
    stormline_test_suite(${name} ${ARGN})
  endif()
endfunction()
