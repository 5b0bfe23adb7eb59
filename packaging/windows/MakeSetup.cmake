# Run by CPack's External generator on the staged files: lists them for the
# NSIS script (what to install, and what the uninstaller removes: exactly
# those files, so that nothing the user put in the folder is lost) and runs
# makensis.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*targello.exe")
list(GET programs 0 program)
get_filename_component(stage "${program}" DIRECTORY)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${stage}" "${stage}/*")
file(GLOB_RECURSE folders LIST_DIRECTORIES true RELATIVE "${stage}" "${stage}/*")
list(SORT files)

set(install "")
set(uninstall "")
set(current "")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    string(REPLACE "/" "\\" windows_file "${file}")
    string(REPLACE "/" "\\" windows_folder "${folder}")
    if(NOT folder STREQUAL current OR NOT install)
        string(APPEND install "  SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
        set(current "${folder}")
    endif()
    string(APPEND install "  File \"${stage}/${file}\"\n")
    string(APPEND uninstall "  Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()
# Folders deepest first; RMDir leaves a folder that still holds the user's files.
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
    if(IS_DIRECTORY "${stage}/${folder}")
        string(REPLACE "/" "\\" windows_folder "${folder}")
        string(APPEND uninstall "  RMDir \"$INSTDIR\\${windows_folder}\"\n")
    endif()
endforeach()
set(lists "${CPACK_TOPLEVEL_DIRECTORY}/setup-lists")
file(WRITE "${lists}/install.nsh" "${install}")
file(WRITE "${lists}/uninstall.nsh" "${uninstall}")

set(setup "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_TARGELLO_SETUP_NAME}")
execute_process(
    COMMAND "${CPACK_TARGELLO_MAKENSIS}" -V2 -INPUTCHARSET UTF8
        "-DVERSION=${CPACK_PACKAGE_VERSION}" "-DOUTFILE=${setup}" "-DLISTS=${lists}"
        "-DICON=${CPACK_TARGELLO_ICON}" "${CPACK_TARGELLO_NSIS_SCRIPT}"
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "makensis could not make the setup program")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES "${setup}")
