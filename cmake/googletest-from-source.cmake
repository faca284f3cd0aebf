# GoogleTest built from its sources with the project's own compiler, for
# builds where no GoogleTest for the target is installed (Debian has none for
# mingw). Offers the same targets find_package(GTest) does.

set(QUELMO_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${QUELMO_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${QUELMO_GTEST_SOURCE_DIR} "
                      "(Debian package googletest)")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "Install GoogleTest with the project")
set(BUILD_GMOCK ON CACHE BOOL "Build GoogleMock with GoogleTest")
add_subdirectory(${QUELMO_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

foreach(library gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${library})
    add_library(GTest::${library} ALIAS ${library})
  endif()
endforeach()
