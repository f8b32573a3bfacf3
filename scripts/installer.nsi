; The Windows installer of the Orvane configuration tool, built by scripts/package.sh:
;   makensis -DVERSION=1.0.0 -DSTAGE=<folder of the files> -DOUTFILE=<setup.exe> installer.nsi
; STAGE holds the tool's files as they lie beside it (OrvaneCfg.exe, KBHook.dll, images\,
; LICENSE.txt) and the device simulator in demo\hid.exe.
;
; Silent install: setup.exe /S [/NODEMO] [/D=C:\path]   (/D last, unquoted)
; Silent uninstall: "<install folder>\Uninstall.exe" /S
; The user's data folder (Documents\Orvane) is created and never removed.
;
; The folder may be the one of the mouse's own software, which brings its own KBHook.dll and
; hid.exe. Those two are installed only where none is yet, and the registry notes, per file, the
; folder this installer put it in; the uninstaller removes only what is noted for its folder.
; The tool and the simulator of the folder are closed by their windows before their files are
; replaced or removed; what is still locked is renamed aside and goes at the next restart.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Orvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define TOOL_TITLE "${PRODUCT}"
!define SERVICE_TITLE "Orvane_GamingMouse_HID"
!define SYNCHRONIZE_AND_QUERY 0x00101000  ; SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION
!define CLOSE_WAIT_MS 15000

; The program files of this product beside OrvaneCfg.exe, one line each: always replaced and
; always removed. `DO` is the macro run for each name.
!macro ForEachProgramFile DO
  !insertmacro ${DO} "OrvaneCfg.exe"
  !insertmacro ${DO} "OrvaneCtl.exe"
  !insertmacro ${DO} "LICENSE.txt"
!macroend

; A running program's image cannot be overwritten or deleted on Windows, but it can be renamed:
; the old copy is moved aside and removed at the next restart.
!macro MoveAsideIfLocked NAME
  ${If} ${FileExists} "$INSTDIR\${NAME}"
    Delete "$INSTDIR\${NAME}"
    ${If} ${FileExists} "$INSTDIR\${NAME}"
      Delete "$INSTDIR\${NAME}.old"
      Rename "$INSTDIR\${NAME}" "$INSTDIR\${NAME}.old"
      Delete /REBOOTOK "$INSTDIR\${NAME}.old"
    ${EndIf}
  ${EndIf}
!macroend

!macro InstallProgramFile NAME
  !insertmacro MoveAsideIfLocked "${NAME}"
  File "${STAGE}\${NAME}"
!macroend

!macro RemoveProgramFile NAME
  Delete /REBOOTOK "$INSTDIR\${NAME}"
!macroend

; A file that other software may have put into the folder: installed (and noted) only when the
; folder has none, or has the one this installer put there before.
!macro InstallSharedFile NAME SOURCE
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "Installed ${NAME}"
  ${If} ${FileExists} "$INSTDIR\${NAME}"
  ${AndIf} $0 != "$INSTDIR"
    DetailPrint "Kept $INSTDIR\${NAME} of other software"
  ${Else}
    !insertmacro MoveAsideIfLocked "${NAME}"
    File "${SOURCE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Installed ${NAME}" "$INSTDIR"
  ${EndIf}
!macroend

!macro RemoveSharedFile NAME
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "Installed ${NAME}"
  ${If} $0 == "$INSTDIR"
    Delete /REBOOTOK "$INSTDIR\${NAME}"
  ${EndIf}
!macroend

; Closes the program of this folder that owns the window, by the window (as the run command
; does), and waits until its process has ended. A window of a program elsewhere is left alone.
!macro CloseProgram CLASS TITLE IMAGE
  FindWindow $0 "${CLASS}" "${TITLE}"
  ${If} $0 != 0
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE_AND_QUERY}, i 0, i r1) p .r2'
    ${If} $2 != 0
      StrCpy $3 ""
      System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i ${NSIS_MAX_STRLEN})'
      ${If} $3 == "$INSTDIR\${IMAGE}"
        DetailPrint "Closing $3"
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
        System::Call 'kernel32::WaitForSingleObject(p r2, i ${CLOSE_WAIT_MS})'
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
  ${EndIf}
!macroend

; The tool, and the simulator where this installer put it; the service of other software runs on.
!macro CloseRunningPrograms
  !insertmacro CloseProgram "#32770" "${TOOL_TITLE}" "OrvaneCfg.exe"
  ReadRegStr $4 HKLM "${UNINSTALL_KEY}" "Installed hid.exe"
  ${If} $4 == "$INSTDIR"
    !insertmacro CloseProgram "" "${SERVICE_TITLE}" "hid.exe"
  ${EndIf}
!macroend

!macro TellAboutRestart
  ${If} ${RebootFlag}
    MessageBox MB_ICONINFORMATION "Some files were in use; they are replaced or removed when Windows restarts." /SD IDOK
  ${EndIf}
!macroend

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} configuration tool setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "See LICENSE.txt"

Section "Configuration tool" SectionTool
  SectionIn RO
  SetRegView 64
  Call CloseRunningPrograms
  SetOutPath "$INSTDIR"
  !insertmacro ForEachProgramFile InstallProgramFile
  !insertmacro InstallSharedFile "KBHook.dll" "${STAGE}\KBHook.dll"
  File /r "${STAGE}\images"

  ; The tool expects the shared data folders of the device service to exist.
  SetShellVarContext current
  CreateDirectory "$DOCUMENTS\${PRODUCT}\MacroDB"

  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\OrvaneCfg.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} configuration tool"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\OrvaneCfg.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The simulator plays the mouse's device service; the tool starts it from its own folder.
Section "Demo without a mouse" SectionDemo
  SetRegView 64
  SetOutPath "$INSTDIR"
  !insertmacro InstallSharedFile "hid.exe" "${STAGE}\demo\hid.exe"
SectionEnd

Section "-Restart note"
  !insertmacro TellAboutRestart
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionTool} "The configuration tool, its pictures and texts, and the keyboard hook library."
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionDemo} "A device simulator that plays the mouse, so that the tool can be tried without one. A hid.exe already in the folder, such as the mouse's own service, is kept."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function CloseRunningPrograms
  !insertmacro CloseRunningPrograms
FunctionEnd

Function un.CloseRunningPrograms
  !insertmacro CloseRunningPrograms
FunctionEnd

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "The ${PRODUCT} configuration tool needs 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NODEMO" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SectionDemo}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  SetRegView 64
  ; A running tool or simulator would keep its program file.
  Call un.CloseRunningPrograms
  !insertmacro ForEachProgramFile RemoveProgramFile
  !insertmacro RemoveSharedFile "KBHook.dll"
  !insertmacro RemoveSharedFile "hid.exe"
  RMDir /r /REBOOTOK "$INSTDIR\images"
  Delete /REBOOTOK "$INSTDIR\Uninstall.exe"
  RMDir /REBOOTOK "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  !insertmacro TellAboutRestart
SectionEnd
