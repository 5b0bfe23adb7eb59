# What the Windows build made on Linux needs beyond the toolchain: a wine
# wrapper whose prefix lives in the build tree, and the paths of this machine
# as a Windows program sees them (wine's drive Z: is the Linux root).
set(TARGELLO_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
# Where wine finds the DLLs of the programs built here (as Windows paths):
# the picture module, Qt's and the compiler's.
set(TARGELLO_WINEPATH "")
foreach(dir ${CMAKE_BINARY_DIR}/bin ${TARGELLO_WINDOWS_QT}/bin ${TARGELLO_MINGW_RUNTIME_DIR} ${TARGELLO_MINGW_THREADS_DIR})
    string(REPLACE "/" "\\" windows_dir "Z:${dir}")
    string(APPEND TARGELLO_WINEPATH "${windows_dir};")
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

# windows.h defines min and max as macros unless told not to, and in a unity
# batch they would reach every source after the one that includes it.
add_compile_definitions(NOMINMAX)

# Prefixed to an absolute path of this machine, names it for the Windows programs.
set(TARGELLO_HOST_ROOT "Z:")

# The Linux build's targello-export, whose shop the Windows one must match.
set(TARGELLO_HOST_EXPORT "" CACHE FILEPATH "targello-export of a Linux build, to compare exports with")
# The Linux build's publish server tests, which drive the Windows targello-export too.
set(TARGELLO_HOST_PUBLISH_TESTS "" CACHE FILEPATH "publish_server_tests of a Linux build, to publish through")
