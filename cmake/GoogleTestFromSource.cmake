# GoogleTest built from Debian's sources (package googletest, /usr/src/googletest) for a target
# that has no prebuilt copy, such as a cross build for Windows. Its build names its targets as
# find_package(GTest) does (GTest::gtest, GTest::gmock, ...).
set(LUMBRIX_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build")
if(NOT EXISTS ${LUMBRIX_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${LUMBRIX_GOOGLETEST_SOURCE} "
                      "(scripts/install-deps windows installs them)")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${LUMBRIX_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

