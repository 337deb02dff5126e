; Per-user installer for Dusklamp: no administrator rights, the user's local programs folder,
; install.log beside the program (so settings go to the roaming application data folder),
; a Start menu shortcut, start at sign-in (optional, on by default) and an installed-apps entry.
; makensis gets VERSION (2.4.0.59), SHORT_VERSION (2.4.0), EXE and OUTFILE from scripts/package.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define PRODUCT "Dusklamp"
!define PUBLISHER "Quillane"
!define LOCK_NAME "QLDK-MainWin-{6B1E8A3C-4F2D-4C57-9E0B-7A3D5C2E9F14}"
!define CMD_EXIT 57665
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Dusklamp"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"

!define MUI_FINISHPAGE_RUN "$INSTDIR\Dusklamp.exe"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Asks a running copy to exit as its own menu would, then waits until its lock is gone, so its
; settings are saved and its file can be replaced.
!macro CloseRunningCopy ID
  FindWindow $0 "${LOCK_NAME}" ""
  IntCmp $0 0 +2
  System::Call 'user32::PostMessageW(p r0, i 0x111, p ${CMD_EXIT}, p 0)'
  StrCpy $1 0
  loop_${ID}:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${LOCK_NAME}") p .r2'
    IntCmp $2 0 done_${ID}
    System::Call 'kernel32::CloseHandle(p r2)'
    Sleep 100
    IntOp $1 $1 + 1
    IntCmp $1 100 done_${ID} loop_${ID} done_${ID}
  done_${ID}:
!macroend

Section "Dusklamp" SecProgram
  SectionIn RO
  !insertmacro CloseRunningCopy install
  SetOutPath "$INSTDIR"
  File "/oname=Dusklamp.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  FileOpen $3 "$INSTDIR\install.log" w
  FileWrite $3 "Dusklamp.exe$\r$\nUninstall.exe$\r$\ninstall.log$\r$\n"
  FileClose $3
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Dusklamp.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Dusklamp.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start Dusklamp when I sign in" SecRun
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Dusklamp.exe"'
SectionEnd

; The user's settings in the application data folder stay behind.
Section "Uninstall"
  !insertmacro CloseRunningCopy uninstall
  Delete "$INSTDIR\Dusklamp.exe"
  Delete "$INSTDIR\install.log"
  Delete "$INSTDIR\Uninstall.exe"
  SetOutPath "$TEMP"  ; a folder that is the current directory cannot be removed
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
