# `cmake --build --preset windows --target package`: a zip with
# targello-export.exe and a short Polish readme beside it.
#
# The readme is written for Notepad: CR LF line ends and a byte order mark,
# without which older Notepads read UTF-8 as the ANSI code page.
file(READ ${PROJECT_SOURCE_DIR}/packaging/windows/CZYTAJ.txt readme)
string(REPLACE "\r\n" "\n" readme "${readme}")
string(REPLACE "\n" "\r\n" readme "${readme}")
string(ASCII 239 187 191 bom)
file(WRITE ${CMAKE_BINARY_DIR}/package/CZYTAJ.txt "${bom}${readme}")
install(FILES ${CMAKE_BINARY_DIR}/package/CZYTAJ.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME targello-export)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME windows-x64)
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
