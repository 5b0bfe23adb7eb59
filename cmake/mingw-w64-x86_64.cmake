# Cross-compiles the Qt-free part of Targello for 64-bit Windows with Debian's
# mingw-w64 (posix threads, which std::thread and std::mutex need). Programs are
# linked statically, so a .exe needs no DLL from the compiler.
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

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests and other built programs run under Debian's wine; the project replaces
# this with a wrapper that keeps its wine prefix inside the build tree.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
endif()
