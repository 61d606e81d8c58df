# GoogleTest for both builds: the system's on Linux, built from its sources for Windows.
if(WIN32)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # GoogleTest's own sources are not ours to hold to our warning level.
  foreach(t gtest gtest_main gmock gmock_main)
    target_compile_options(${t} PRIVATE -w)
  endforeach()
  add_library(setup_gtest INTERFACE)
  target_link_libraries(setup_gtest INTERFACE gtest gmock)
  add_library(setup_gtest_main INTERFACE)
  target_link_libraries(setup_gtest_main INTERFACE gtest_main)
else()
  find_package(GTest REQUIRED)
  add_library(setup_gtest INTERFACE)
  target_link_libraries(setup_gtest INTERFACE GTest::gtest GTest::gmock)
  add_library(setup_gtest_main INTERFACE)
  target_link_libraries(setup_gtest_main INTERFACE GTest::gtest_main)
endif()
include(GoogleTest)

# setup_add_gtest(NAME [OWN_MAIN] SOURCES... [LIBS ...]): a GoogleTest program, with
# GoogleTest's main unless it brings its own.
# Native programs list each case with CTest; Windows programs run whole under Wine.
function(setup_add_gtest name)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} setup_portable setup_gtest)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE setup_gtest_main)
  endif()
  if(WIN32)
    target_link_options(${name} PRIVATE -mconsole)
    add_test(NAME ${name} COMMAND ${name})
    # One Windows program at a time on the shared virtual screen: another program's window
    # would take the activation, and with it the keyboard focus that GUI tests look at.
    set_tests_properties(${name} PROPERTIES LABELS windows TIMEOUT 600
                                            RESOURCE_LOCK virtual_screen)
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS native TIMEOUT 300)
  endif()
endfunction()
