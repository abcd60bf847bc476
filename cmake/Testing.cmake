# GoogleTest units: glimmet_add_gtest(<name> SOURCES ... LIBS ...)
if(GLIMMET_TESTS)
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

# Every test starts from the process state of a fresh process (tests/support/ProcessState.h).
function(glimmet_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} glimmet_test_main)
  glimmet_link_platform(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  # The whole program in one process as well, in a random order (the seed is printed): each case
  # passes whatever ran before it.
  add_test(NAME ${name}.whole COMMAND ${name} --gtest_shuffle)
  set_tests_properties(${name}.whole PROPERTIES TIMEOUT 300)
endfunction()
