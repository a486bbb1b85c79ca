; The Windows installer of Fallox, built by scripts/build-windows.sh with makensis:
;   makensis -DVERSION=1.0.0 -DBUILD_DIR=<folder with Fallox.exe> -DOUTFILE=<setup.exe> Fallox.nsi
; Installs for all users into Program Files with a Start-menu entry and an
; uninstaller listed under the installed apps; /S installs and uninstalls silently.
Unicode true
; 64-bit like the program; it also runs where Windows (or Wine) has no 32-bit part.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Fallox"

Name "Fallox"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Fallox"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "Fallox ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1031 "ProductName" "Fallox"
VIAddVersionKey /LANG=1031 "FileDescription" "Fallox Setup"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "2026 Fallox developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; The finish page offers no box to start the game: started from here it would
; run with the installer's administrator rights and write its scores into
; Program Files, where the player's own later runs could not change them.
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Fallox"
  SetOutPath "$INSTDIR"
  File "${BUILD_DIR}\Fallox.exe"
  File "${BUILD_DIR}\LIESMICH.txt"
  File "${BUILD_DIR}\DejaVu-LICENSE.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Fallox.lnk" "$INSTDIR\Fallox.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Fallox"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Fallox developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Fallox.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

; The players' scores and options live in their own folders and stay. A
; scores.lst beside the program (written by a run with the rights to) holds
; high scores a player may still want: it goes only when the player says so,
; and with it the folder. A silent uninstall keeps it.
Section "Uninstall"
  Delete "$SMPROGRAMS\Fallox.lnk"
  Delete "$INSTDIR\Fallox.exe"
  Delete "$INSTDIR\LIESMICH.txt"
  Delete "$INSTDIR\DejaVu-LICENSE.txt"
  IfFileExists "$INSTDIR\scores.lst" 0 scores_kept
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Neben dem Programm liegen noch High Scores (scores.lst).$\r$\n$\r$\nSollen sie auch gelöscht werden?" \
    /SD IDNO IDNO scores_kept
  Delete "$INSTDIR\scores.lst"
scores_kept:
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
