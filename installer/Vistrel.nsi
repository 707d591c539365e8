; Vistrel's installer, for one user and without elevation.
;
;   makensis -INPUTCHARSET UTF8 -DVISTREL_EXE=<the built Vistrel.exe>
;            -DSOURCE_DIR=<the repository> -DOUT_FILE=<installer.exe> Vistrel.nsi
;
; (CMake runs this; see installer/CMakeLists.txt.) The program goes to
; %LOCALAPPDATA%\Programs\Vistrel, a folder the user owns, because Vistrel
; keeps its data folder beside its exe (data\<user>\list.dat, trm.ini) and must
; be able to write there. The installer also creates the settings key, which
; the program only ever opens: without the key no setting would survive a run.
;
; Silent use:
;   Vistrel-setup.exe /S [/D=<folder>]     /D= last, unquoted, even with spaces
;   Uninstall.exe /S [/REMOVEDATA]
; The uninstaller asks before it deletes the data folder; a silent one keeps it
; unless /REMOVEDATA is given.

Unicode true
; Vistrel.exe is a 64-bit program; a 64-bit installer also runs where only
; 64-bit Windows programs do (a plain 64-bit Wine prefix).
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!ifndef VISTREL_EXE | SOURCE_DIR | OUT_FILE
  !error "define VISTREL_EXE, SOURCE_DIR and OUT_FILE (see the top of this file)"
!endif

!define TITLE "Vistrel α"
!define VERSION "1.0.3.5"
!define MAKER "Quillon"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vistrel"
!define SHORTCUT "$SMPROGRAMS\${TITLE}.lnk"

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

Name "${TITLE}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Vistrel"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "Vistrel"
VIAddVersionKey /LANG=0 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=0 "FileDescription" "Vistrel Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "(C) 2026 ${MAKER}"

!define MUI_ICON "${SOURCE_DIR}/res/Vistrel.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Vistrel.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first language is the fallback for a user whose language is neither.
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

LangString VistrelRunning ${LANG_JAPANESE} "${TITLE} が実行中です。終了してから「再試行」を押してください。"
LangString VistrelRunning ${LANG_ENGLISH} "${TITLE} is running. Close it, then choose Retry."
LangString DeleteData ${LANG_JAPANESE} "データフォルダ $INSTDIR\data も削除しますか?$\r$\n除外リスト (list.dat) とクリッピングデータ (trm.ini) が失われます。"
LangString DeleteData ${LANG_ENGLISH} "Delete the data folder $INSTDIR\data as well?$\r$\nThe exclusion lists (list.dat) and clipping data (trm.ini) in it will be lost."

; The program's title as the program itself names things with it (its mutex,
; its settings key): the Shift-JIS bytes of its ANSI strings, which Windows
; reads in the system code page. Where that is 932 the result is "Vistrel α";
; elsewhere it is whatever the program opens there, so key and mutex match.
Var AnsiTitle
Var SettingsKey

!macro DefineShared un
Function ${un}ReadAnsiTitle
  ; "α" in Shift-JIS is 0x83 0xBF.
  System::Call "*(&i1 0x83, &i1 0xBF, &i1 0) p .r0"
  System::Call "kernel32::MultiByteToWideChar(i 0, i 0, p r0, i -1, w .r1, i ${NSIS_MAX_STRLEN}) i .r2"
  System::Free $0
  ${If} $2 = 0
    StrCpy $1 "α"
  ${EndIf}
  StrCpy $AnsiTitle "Vistrel $1"
  StrCpy $SettingsKey "Software\${MAKER}\$AnsiTitle"
FunctionEnd

; Files in use cannot be replaced or deleted: Vistrel holds its named mutex
; while it runs.
Function ${un}WaitUntilVistrelEnds
  retry:
  System::Call "kernel32::OpenMutexW(i 0x00100000, i 0, w '$AnsiTitle') p .r0"
  ${If} $0 P= 0
    Return
  ${EndIf}
  System::Call "kernel32::CloseHandle(p r0)"
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(VistrelRunning)" /SD IDCANCEL IDRETRY retry
  Quit
FunctionEnd
!macroend
!insertmacro DefineShared ""
!insertmacro DefineShared "un."

Function .onInit
  Call ReadAnsiTitle
  Call WaitUntilVistrelEnds
FunctionEnd

Section "Vistrel"
  SetOutPath "$INSTDIR"
  File "${VISTREL_EXE}"
  SetOutPath "$INSTDIR\Help"
  File "${SOURCE_DIR}/help/Vistrel.htm"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Started in the program folder, which is where it looks for Help\ and data\.
  CreateShortCut "${SHORTCUT}" "$INSTDIR\Vistrel.exe" "" "$INSTDIR\Vistrel.exe" 0

  ; NSIS has no instruction that only creates a key. A value written and
  ; removed again leaves the key, and leaves the settings of an earlier
  ; installation as they were.
  WriteRegStr HKCU "$SettingsKey" "VistrelSetup" ""
  DeleteRegValue HKCU "$SettingsKey" "VistrelSetup"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vistrel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  Call un.ReadAnsiTitle
  Call un.WaitUntilVistrelEnds
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\Vistrel.exe"
  Delete "$INSTDIR\Help\Vistrel.htm"
  RMDir "$INSTDIR\Help"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "$SettingsKey"
  DeleteRegKey /ifempty HKCU "Software\${MAKER}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; The data folder holds what users made (exclusion lists, clipping data):
  ; it goes only when asked for.
  ${If} ${FileExists} "$INSTDIR\data\*.*"
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVEDATA" $1
    ${IfNot} ${Errors}
    ${OrIf} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(DeleteData)" /SD IDNO IDYES`
      RMDir /r "$INSTDIR\data"
    ${EndIf}
  ${EndIf}

  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
