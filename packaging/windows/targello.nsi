; The setup program of Targello for Windows, in Polish. makensis is given
; VERSION, OUTFILE, ICON and LISTS (the folder holding install.nsh and
; uninstall.nsh, the lists of the files it installs and removes).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include "MUI2.nsh"

!define PRODUCT "Targello"
!define CLASS "Targello.Projekt"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Targello"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Targello"
InstallDirRegKey HKLM "Software\Targello" "InstallDir"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\targello.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Polish"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_POLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_POLISH} "FileDescription" "Instalator programu ${PRODUCT}"
VIAddVersionKey /LANG=${LANG_POLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_POLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_POLISH} "LegalCopyright" "Twórcy programu ${PRODUCT}"

Section "Targello"
  SetShellVarContext all
!include "${LISTS}/install.nsh"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\odinstaluj.exe"
  CreateShortcut "$SMPROGRAMS\Targello.lnk" "$INSTDIR\targello.exe" "" "$INSTDIR\targello.exe" 0

  ; A double-click on a project opens it in Targello.
  WriteRegStr HKLM "Software\Classes\.esk" "" "${CLASS}"
  WriteRegStr HKLM "Software\Classes\${CLASS}" "" "Projekt sklepu Targello"
  WriteRegStr HKLM "Software\Classes\${CLASS}\DefaultIcon" "" "$INSTDIR\targello.exe,0"
  WriteRegStr HKLM "Software\Classes\${CLASS}\shell\open\command" "" '"$INSTDIR\targello.exe" "%1"'
  WriteRegStr HKLM "Software\Targello" "InstallDir" "$INSTDIR"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\targello.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Twórcy programu ${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\odinstaluj.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\odinstaluj.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; Explorer shows the new icon of project files at once.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetShellVarContext all
!include "${LISTS}/uninstall.nsh"
  Delete "$INSTDIR\odinstaluj.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Targello.lnk"
  DeleteRegKey HKLM "Software\Classes\${CLASS}"
  ; The file type stays where another program has taken it since.
  ReadRegStr $0 HKLM "Software\Classes\.esk" ""
  StrCmp $0 "${CLASS}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.esk"
  DeleteRegKey HKLM "Software\Targello"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
