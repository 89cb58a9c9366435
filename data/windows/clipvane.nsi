; The Windows installer, made by scripts/package-windows.sh with Debian's makensis:
;   makensis -DVERSION=x.y.z -DSTAGE=<folder> -DGENERATED=<generated.nsh> -DICON=<.ico> -DOUTFILE=<.exe>
; For the current user, no administrator prompt, into %LOCALAPPDATA%\Programs\Clipvane; for all users
; into Program Files when started elevated with /AllUsers. /S installs or uninstalls silently. Exit code
; 2 when a running Clipvane would not close or a file of the old install could not be removed.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define PRODUCT "Tarvix Clipvane"
!define PUBLISHER "Tarvix Software"
!define EXE "clipvane.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Clipvane"
!define APP_KEY "Software\Classes\Applications\${EXE}"

!define MULTIUSER_EXECUTIONLEVEL Standard
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Clipvane"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_MUI
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include "${GENERATED}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2024-2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
; The bundled ffmpeg.exe links x264, so it is GPL software: the finish page says so, and which profiles
; it cannot convert.
!define MUI_FINISHPAGE_TEXT "${PRODUCT} has been installed on your computer.$\r$\n$\r$\nThe FFmpeg encoder installed with it (ffmpeg.exe) is free software under the GNU General Public License, version 2 or later. Its licences and the list of the sources it is built from are in the licenses folder of the installation.$\r$\n$\r$\nIt has no Xvid encoder: for the XviD AVI, Creative Zen, Palm and Walkman profiles choose an FFmpeg with libxvid under Advanced > $\"Use another FFmpeg$\".$\r$\n$\r$\nClick Finish to close Setup."
!define MUI_FINISHPAGE_TEXT_LARGE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; "Open with" for one extension: listed under the program's SupportedTypes and the extension's list.
!macro RegisterType EXT
  WriteRegStr SHCTX "${APP_KEY}\SupportedTypes" "${EXT}" ""
  WriteRegStr SHCTX "Software\Classes\${EXT}\OpenWithList\${EXE}" "" ""
!macroend
!macro UnregisterType EXT
  DeleteRegKey SHCTX "Software\Classes\${EXT}\OpenWithList\${EXE}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\${EXT}\OpenWithList"
  DeleteRegKey /ifempty SHCTX "Software\Classes\${EXT}"
!macroend

; A running Clipvane holds its program and DLLs open: files that cannot be replaced or removed would
; be left behind. It is found by its hidden window's class and asked to end as a close of its window
; would (a conversion under way stops and its unfinished file goes; the settings are kept). Silently
; (/S) that is done without asking. Leaves "ok" on the stack, or "cancel" when it still runs.
!define CLASS "Tarvix Clipvane Made by Tarvix Software"
!define WM_QUITMAIN 5892
!macro CLOSE_RUNNING_PROGRAM UN
Function ${UN}CloseRunningProgram
  FindWindow $0 "${CLASS}"
  ${If} $0 == 0
    Push "ok"
    Return
  ${EndIf}
  MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION \
    "${PRODUCT} is running. OK closes it (a conversion under way is stopped); Cancel leaves it running and ends this setup." \
    /SD IDOK IDOK close
  Push "cancel"
  Return
close:
  DetailPrint "Closing the running ${PRODUCT}"
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i 0 r1) i'
  ; SYNCHRONIZE: enough to wait for its end.
  System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'
  SendMessage $0 ${WM_QUITMAIN} 0 0 /TIMEOUT=5000
  StrCpy $3 0
  ${If} $2 != 0
    System::Call 'kernel32::WaitForSingleObject(p r2, i 15000) i .r3'
    System::Call 'kernel32::CloseHandle(p r2)'
  ${Else}
    Sleep 3000
  ${EndIf}
  FindWindow $0 "${CLASS}"
  ${If} $0 == 0
  ${AndIf} $3 == 0
    Push "ok"
    Return
  ${EndIf}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
    "${PRODUCT} did not close. Close it yourself, then choose Retry." /SD IDCANCEL IDRETRY retry
  Push "cancel"
  Return
retry:
  FindWindow $0 "${CLASS}"
  ${If} $0 == 0
    Push "ok"
    Return
  ${EndIf}
  Goto close
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_PROGRAM ""
!insertmacro CLOSE_RUNNING_PROGRAM "un."

Function .onInit
  ; MultiUser sets the default folder; a folder given with /D= wins.
  StrCpy $0 $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Install"
  ; Here rather than at start-up: the program may have been started while the pages were shown.
  Call CloseRunningProgram
  Pop $0
  ${If} $0 != "ok"
    SetErrorLevel 2
    Abort "${PRODUCT} is still running; nothing was installed."
  ${EndIf}
  SetOutPath "$INSTDIR"
  !insertmacro CLIPVANE_INSTALL_FILES
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; Shortcuts start the program in the install folder, where it finds ffmpeg.exe. "Send to" is how
  ; Windows users hand a program many files at once.
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
  CreateShortcut "$SENDTO\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  WriteRegStr SHCTX "${APP_KEY}" "FriendlyAppName" "${PRODUCT}"
  WriteRegStr SHCTX "${APP_KEY}\DefaultIcon" "" "$INSTDIR\${EXE},0"
  WriteRegStr SHCTX "${APP_KEY}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
  !insertmacro CLIPVANE_TYPES RegisterType

  ${If} $MultiUser.InstallMode == "AllUsers"
    StrCpy $1 " /AllUsers"
  ${Else}
    StrCpy $1 " /CurrentUser"
  ${EndIf}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"$1'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe"$1 /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $2 $3 $4
  IntFmt $2 "0x%08X" $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $2
SectionEnd

Section "Uninstall"
  Call un.CloseRunningProgram
  Pop $0
  ${If} $0 != "ok"
    SetErrorLevel 2
    Abort "${PRODUCT} is still running; nothing was removed."
  ${EndIf}
  ; Only what the installer put there: the folder may hold the user's own files.
  !insertmacro CLIPVANE_UNINSTALL_FILES
  ; A file still in use (clipvane-cli.exe converting in a console) stays: keep the uninstaller and its
  ; entry so that it can be run again, rather than report a removal that did not happen.
  ${If} ${FileExists} "$INSTDIR\${EXE}"
  ${OrIf} ${FileExists} "$INSTDIR\clipvane-cli.exe"
  ${OrIf} ${FileExists} "$INSTDIR\ffmpeg.exe"
    MessageBox MB_OK|MB_ICONEXCLAMATION \
      "Some of ${PRODUCT}'s files are in use and were not removed. Close every program that uses them, then uninstall again." \
      /SD IDOK
    SetErrorLevel 2
    Abort "Files in use were not removed."
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$SENDTO\${PRODUCT}.lnk"
  !insertmacro CLIPVANE_TYPES UnregisterType
  DeleteRegKey SHCTX "${APP_KEY}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
