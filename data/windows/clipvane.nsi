; The Windows installer, made by scripts/package-windows.sh with Debian's makensis:
;   makensis -DVERSION=x.y.z -DSTAGE=<folder> -DGENERATED=<generated.nsh> -DICON=<.ico> -DOUTFILE=<.exe>
; For the current user, no administrator prompt, into %LOCALAPPDATA%\Programs\Clipvane; for all users
; into Program Files when started elevated with /AllUsers. /S installs or uninstalls silently.
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
; would (a conversion under way stops, its half-written file goes, the settings are kept). Silently
; (/S) that is done without asking; a program that does not end stops the setup with exit code 2.
!define CLASS "Tarvix Clipvane Made by Tarvix Software"
!define WM_QUITMAIN 5892
!macro CLOSE_RUNNING_PROGRAM UN
Function ${UN}CloseRunningProgram
  FindWindow $0 "${CLASS}"
  ${If} $0 == 0
    Return
  ${EndIf}
  MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION \
    "${PRODUCT} is running. OK closes it (a conversion under way is stopped); Cancel leaves it running and ends this setup." \
    /SD IDOK IDOK close
  SetErrorLevel 2
  Quit
close:
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i 0 r1) i'
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
    Return
  ${EndIf}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
    "${PRODUCT} did not close. Close it yourself, then choose Retry." /SD IDCANCEL IDRETRY retry
  SetErrorLevel 2
  Quit
retry:
  FindWindow $0 "${CLASS}"
  ${If} $0 == 0
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
  Push $0
  Call CloseRunningProgram
  Pop $0
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  Call un.CloseRunningProgram
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  !insertmacro CLIPVANE_INSTALL_FILES
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; Shortcuts start the program in the install folder, where it finds ffmpeg.exe.
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
  ; "Send to": the way to hand the program many files at once.
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
  ; Only what the installer put there: the folder may hold the user's own files.
  !insertmacro CLIPVANE_UNINSTALL_FILES
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$SENDTO\${PRODUCT}.lnk"
  !insertmacro CLIPVANE_TYPES UnregisterType
  DeleteRegKey SHCTX "${APP_KEY}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
