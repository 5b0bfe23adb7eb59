# Cross-compiles Targello for 64-bit Windows with Debian's mingw-w64 (posix
# threads, which std::thread and std::mutex need), against the Qt for Windows
# that scripts/windows-qt.sh builds into a cache outside the checkout.
#
# Every program links the compiler's runtime as Qt's DLLs do (libstdc++-6.dll
# and the rest beside the program), so that a process has one C++ runtime:
# the program, Qt and the picture module share one heap and one set of
# exceptions.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARGELLO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARGELLO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARGELLO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TARGELLO_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARGELLO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A library built for Windows: the folder given, or the one the project's
# script keeps in its cache.
macro(targello_windows_library variable script)
    if(NOT ${variable})
        execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/${script} --print
            OUTPUT_VARIABLE ${variable} OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
endmacro()

targello_windows_library(TARGELLO_WINDOWS_QT windows-qt.sh)
if(EXISTS ${TARGELLO_WINDOWS_QT}/.complete)
    list(APPEND CMAKE_FIND_ROOT_PATH ${TARGELLO_WINDOWS_QT})
    # Qt's tools (moc, rcc, uic) are the Linux ones of Debian's Qt of the same version.
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

# libcurl and libssh2 for Windows (static, on Mbed TLS for FTPS and SSH),
# kept in a cache beside the Qt by scripts/windows-curl.sh.
targello_windows_library(TARGELLO_WINDOWS_CURL windows-curl.sh)
if(EXISTS ${TARGELLO_WINDOWS_CURL}/.complete)
    list(APPEND CMAKE_FIND_ROOT_PATH ${TARGELLO_WINDOWS_CURL})
    # A build tree made against an older cache folder would keep linking that
    # one's libcurl, which find_package remembers.
    set(CURL_DIR ${TARGELLO_WINDOWS_CURL}/lib/cmake/CURL CACHE PATH "libcurl for Windows" FORCE)
endif()

# The folders holding the compiler's runtime DLLs, for wine and the packages.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
    OUTPUT_VARIABLE TARGELLO_MINGW_RUNTIME OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(TARGELLO_MINGW_RUNTIME_DIR ${TARGELLO_MINGW_RUNTIME} DIRECTORY)
set(TARGELLO_MINGW_THREADS_DIR /usr/${TARGELLO_MINGW_TRIPLE}/lib)

# Tests and other built programs run under Debian's wine; the project replaces
# this with a wrapper that keeps its wine prefix inside the build tree.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
endif()
