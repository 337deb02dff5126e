; Per-user installer for Dusklamp: no administrator rights, the user's local programs folder,
; install.log beside the program (so settings go to the roaming application data folder),
; a Start menu shortcut, start at sign-in (optional, on by default) and an installed-apps entry.
; makensis gets VERSION (2.4.0.59), SHORT_VERSION (2.4.0), EXE, WIZARD_BITMAP and OUTFILE from
; scripts/package, which gives every file stored here the commit's time.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
; The installer runs with the behaviour of the Windows it is on, not Vista's.
ManifestSupportedOS all
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "nsDialogs.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!define PRODUCT "Dusklamp"
!define PUBLISHER "Quillane"
!define LOCK_NAME "QLDK-MainWin-{6B1E8A3C-4F2D-4C57-9E0B-7A3D5C2E9F14}"
!define CMD_EXIT 57665
; The key's name is the product code package managers match an installed copy by.
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Dusklamp"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_DIR "$APPDATA\${PUBLISHER}\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER} ${PRODUCT} ${SHORT_VERSION}"
VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"

Var ClosedCopy          ; 1 when the installer closed a running Dusklamp, which it starts again
Var SignInBox
Var RemoveSettingsBox
Var RemoveSettings

!define MUI_ICON "..\res\icons\IconMain.ico"
!define MUI_UNICON "..\res\icons\IconMain.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"

!insertmacro MUI_PAGE_DIRECTORY
Page custom SignInPage SignInPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Dusklamp.exe"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishPageShow
!insertmacro MUI_PAGE_FINISH
UninstPage custom un.RemovePage un.RemovePageLeave
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Asks a running copy to exit as its own menu would, then waits until its lock is gone, so its
; settings are saved and its file can be replaced.
!macro CloseRunningCopy ID
  FindWindow $0 "${LOCK_NAME}" ""
  ${If} $0 <> 0
    StrCpy $ClosedCopy 1
    System::Call 'user32::PostMessageW(p r0, i 0x111, p ${CMD_EXIT}, p 0)'
  ${EndIf}
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

Section "-Program"
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
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"  ; the next section puts it back when chosen
SectionEnd

Section "-StartAtSignIn" SecSignIn
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Dusklamp.exe"'
SectionEnd

; An upgrade, silent ones included, must not leave the user without the copy they were running.
Section "-Restart"
  ${If} $ClosedCopy == 1
    Exec '"$INSTDIR\Dusklamp.exe"'
  ${EndIf}
SectionEnd

; An upgrade keeps the user's earlier choice about starting at sign-in.
Function .onInit
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
  ReadRegStr $1 HKCU "${RUN_KEY}" "${PRODUCT}"
  ${If} $0 != ""
  ${AndIf} $1 == ""
    !insertmacro UnselectSection ${SecSignIn}
  ${EndIf}
FunctionEnd

Function SignInPage
  !insertmacro MUI_HEADER_TEXT "Starting Dusklamp" "Choose whether Dusklamp starts by itself."
  GetDlgItem $0 $HWNDPARENT 1
  SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^InstallBtn)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateCheckbox} 0 0 100% 12u "Start Dusklamp when I sign in"
  Pop $SignInBox
  ${If} ${SectionIsSelected} ${SecSignIn}
    ${NSD_Check} $SignInBox
  ${EndIf}
  ${NSD_CreateLabel} 12u 18u -12u 40u "Dusklamp then waits in the notification area from the moment you sign in to Windows. Otherwise, start it from the Start menu when you want it."
  Pop $0
  nsDialogs::Show
FunctionEnd

Function SignInPageLeave
  ${NSD_GetState} $SignInBox $0
  ${If} $0 == ${BST_CHECKED}
    !insertmacro SelectSection ${SecSignIn}
  ${Else}
    !insertmacro UnselectSection ${SecSignIn}
  ${EndIf}
FunctionEnd

; The copy the installer closed runs again already; a second start would only show its Fader.
Function FinishPageShow
  ${If} $ClosedCopy == 1
    ${NSD_Uncheck} $mui.FinishPage.Run
    ShowWindow $mui.FinishPage.Run ${SW_HIDE}
  ${EndIf}
FunctionEnd

Function un.RemovePage
  !insertmacro MUI_HEADER_TEXT "Uninstall Dusklamp" "Remove Dusklamp from your computer."
  GetDlgItem $0 $HWNDPARENT 1
  SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 24u "Dusklamp will be removed from $INSTDIR. Click Uninstall to start."
  Pop $0
  ${NSD_CreateCheckbox} 0 30u 100% 12u "Also remove my settings"
  Pop $RemoveSettingsBox
  ${NSD_CreateLabel} 12u 48u -12u 40u "Your options are kept in ${SETTINGS_DIR}. Keep them to find Dusklamp as you left it when you install it again."
  Pop $0
  nsDialogs::Show
FunctionEnd

Function un.RemovePageLeave
  ${NSD_GetState} $RemoveSettingsBox $RemoveSettings
FunctionEnd

; The user's settings stay unless the user chose to remove them (never in a silent uninstall).
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
  ${If} $RemoveSettings == ${BST_CHECKED}
    Delete "${SETTINGS_DIR}\Settings.xml"
    Delete "${SETTINGS_DIR}\Settings.xml.bak"
    Delete "${SETTINGS_DIR}\Settings.xml.new"
    RMDir "${SETTINGS_DIR}"
    RMDir "$APPDATA\${PUBLISHER}"
  ${EndIf}
SectionEnd
