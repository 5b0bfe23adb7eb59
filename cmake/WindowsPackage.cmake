# `cmake --build --preset windows --target package`: the setup program
# (Targello-<version>-instalator.exe, made with NSIS) and a zip of the same
# files, both holding the two programs, the picture module, Qt's DLLs and
# plugins, the compiler's runtime, Qt's Polish texts, the data and the sample
# shop (data/CMakeLists.txt installs the data and the sample).
set(qt ${TARGELLO_WINDOWS_QT})
install(FILES ${qt}/bin/Qt6Core.dll ${qt}/bin/Qt6Gui.dll ${qt}/bin/Qt6Widgets.dll DESTINATION .)
if(TARGET Qt6::Concurrent)
    install(FILES ${qt}/bin/Qt6Concurrent.dll DESTINATION .)
endif()
install(FILES ${qt}/plugins/platforms/qwindows.dll DESTINATION plugins/platforms)
install(FILES ${qt}/plugins/imageformats/qjpeg.dll ${qt}/plugins/imageformats/qgif.dll
    ${qt}/plugins/imageformats/qico.dll DESTINATION plugins/imageformats)
install(FILES ${qt}/plugins/styles/qwindowsvistastyle.dll DESTINATION plugins/styles)
install(FILES ${TARGELLO_MINGW_RUNTIME_DIR}/libstdc++-6.dll ${TARGELLO_MINGW_RUNTIME_DIR}/libgcc_s_seh-1.dll
    ${TARGELLO_MINGW_THREADS_DIR}/libwinpthread-1.dll DESTINATION .)
install(FILES /usr/share/qt6/translations/qtbase_pl.qm DESTINATION translations)
# The licences of what ships beside our own code: Qt (LGPL 3, with the
# notices of the libraries inside it), the compiler's runtime and the
# mingw-w64 thread library, and the transfer libraries where publishing is built.
install(FILES /usr/share/doc/libqt6core6/copyright DESTINATION licencje RENAME Qt.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licencje RENAME LGPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licencje RENAME GPL-3.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licencje RENAME gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licencje RENAME mingw-w64.txt)
if(TARGELLO_PUBLISH)
    install(DIRECTORY ${TARGELLO_WINDOWS_CURL}/share/licenses/ DESTINATION licencje)
endif()

# Qt's folders (plugins, translations) are found beside the program, not in
# the Qt this was built with.
file(WRITE ${CMAKE_BINARY_DIR}/package/qt.conf "[Paths]\r\nPrefix = .\r\n")
install(FILES ${CMAKE_BINARY_DIR}/package/qt.conf DESTINATION .)

# The readme is written for Notepad: CR LF line ends and a byte order mark,
# without which older Notepads read UTF-8 as the ANSI code page.
file(READ ${PROJECT_SOURCE_DIR}/packaging/windows/CZYTAJ.txt readme)
string(REPLACE "\r\n" "\n" readme "${readme}")
string(REPLACE "\n" "\r\n" readme "${readme}")
string(ASCII 239 187 191 bom)
file(WRITE ${CMAKE_BINARY_DIR}/package/CZYTAJ.txt "${bom}${readme}")
install(FILES ${CMAKE_BINARY_DIR}/package/CZYTAJ.txt DESTINATION .)

find_program(TARGELLO_MAKENSIS makensis)
set(CPACK_GENERATOR ZIP)
if(TARGELLO_MAKENSIS)
    list(APPEND CPACK_GENERATOR External)
    set(CPACK_EXTERNAL_ENABLE_STAGING ON)
    set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/packaging/windows/MakeSetup.cmake)
    set(CPACK_TARGELLO_MAKENSIS ${TARGELLO_MAKENSIS})
    set(CPACK_TARGELLO_NSIS_SCRIPT ${PROJECT_SOURCE_DIR}/packaging/windows/targello.nsi)
    set(CPACK_TARGELLO_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/targello.ico)
    set(CPACK_TARGELLO_SETUP_NAME Targello-${PROJECT_VERSION}-instalator.exe)
endif()
set(CPACK_PACKAGE_NAME targello)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME windows-x64)
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# The DLLs and programs without their symbols: half the download.
set(CPACK_STRIP_FILES ON)
include(CPack)
