# Precompiled headers for the tests (ZURO_PCH): GoogleTest and GoogleMock take
# most of the time a test file needs to compile. One header is built once, by
# a small program with the tests' own flags, and every test program reuses it.
# Off by default: a compiler cache does better for a developer's rebuilds.
option(ZURO_PCH "Precompile GoogleTest's headers for the test programs" OFF)

set(ZURO_TEST_PCH_HEADERS <gtest/gtest.h> <gmock/gmock.h> <string> <vector> <memory> <optional>
    <functional> <chrono> <thread> <filesystem> <map>)

function(zuro_test_pch_donor)
  if(NOT ZURO_PCH)
    return()
  endif()
  # Written only when it changes, so a new configure does not rebuild it.
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/zuro_test_pch.cpp CONTENT "int main() { return 0; }\n")
  add_executable(zuro_test_pch ${CMAKE_BINARY_DIR}/zuro_test_pch.cpp)
  target_link_libraries(zuro_test_pch PRIVATE GTest::gtest GTest::gmock)
  target_precompile_headers(zuro_test_pch PRIVATE ${ZURO_TEST_PCH_HEADERS})
endfunction()

function(zuro_use_test_pch target)
  if(ZURO_PCH)
    target_precompile_headers(${target} REUSE_FROM zuro_test_pch)
  endif()
endfunction()
