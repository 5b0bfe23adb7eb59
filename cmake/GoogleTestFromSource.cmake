# GoogleTest built from Debian's sources (package googletest) with the
# project's compiler, for builds where no GoogleTest library fits, such as the
# Windows build. Gives the same targets as find_package(GTest).
set(TARGELLO_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
if(NOT EXISTS ${TARGELLO_GOOGLETEST_SOURCE}/googletest/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's sources are missing in ${TARGELLO_GOOGLETEST_SOURCE} "
                        "(Debian: apt-get install googletest)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${TARGELLO_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest 1.11 and later name their targets GTest::gtest and GTest::gtest_main themselves.
if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
endif()
