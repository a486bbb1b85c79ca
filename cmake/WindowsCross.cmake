# The Windows build made on Linux with mingw-w64 (scripts/build-windows.sh).
# Every program is linked -static, so it needs no DLLs beside it but Windows'
# own; GoogleTest is built from Debian's sources for the target; the tests run
# under Wine, one ctest entry per test program.

add_link_options(-static)

set(FALLOX_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources, built for Windows")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${FALLOX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(lib gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${lib})
    add_library(GTest::${lib} ALIAS ${lib})
  endif()
endforeach()

# ctest starts each test program through Wine; the caller chooses the prefix
# (WINEPREFIX) and keeps Wine quiet (WINEDEBUG=-all).
find_program(FALLOX_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${FALLOX_WINE})

include(GoogleTest)
# Listing each test case would start Wine once per program at build time; a
# test program runs as one ctest entry instead, with the same properties.
function(gtest_discover_tests target)
  cmake_parse_arguments(arg "" "TEST_SUFFIX" "PROPERTIES" ${ARGN})
  set(name ${target}${arg_TEST_SUFFIX})
  add_test(NAME ${name} COMMAND ${target})
  if(arg_PROPERTIES)
    set_tests_properties(${name} PROPERTIES ${arg_PROPERTIES})
  endif()
endfunction()
