; The Windows installer of the Orvane configuration tool, built by scripts/package.sh:
;   makensis -DVERSION=1.0.0 -DSTAGE=<folder of the files> -DOUTFILE=<setup.exe> installer.nsi
; STAGE holds the tool's files as they lie beside it (OrvaneCfg.exe, KBHook.dll, images\,
; LICENSE.txt) and the device simulator in demo\hid.exe.
;
; Silent install: setup.exe /S [/NODEMO] [/D=C:\path]   (/D last, unquoted)
; Silent uninstall: "<install folder>\Uninstall.exe" /S
; The user's data folder (Documents\Orvane) is created and never removed.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"

!define PRODUCT "Orvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

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
  SetOutPath "$INSTDIR"
  File "${STAGE}\OrvaneCfg.exe"
  File "${STAGE}\OrvaneCtl.exe"
  File "${STAGE}\KBHook.dll"
  File "${STAGE}\LICENSE.txt"
  File /r "${STAGE}\images"

  ; The tool expects the shared data folders of the device service to exist.
  SetShellVarContext current
  CreateDirectory "$DOCUMENTS\${PRODUCT}\MacroDB"

  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\OrvaneCfg.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  SetRegView 64
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
  SetOutPath "$INSTDIR"
  File "${STAGE}\demo\hid.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionTool} "The configuration tool, its pictures and texts, and the keyboard hook library."
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionDemo} "A device simulator that plays the mouse, so that the tool can be tried without one. Leave it out when the mouse's own service is installed in the same folder."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

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
  ; A running simulator would keep its program file.
  ${If} ${FileExists} "$INSTDIR\hid.exe"
    ExecWait '"$INSTDIR\hid.exe" quit'
  ${EndIf}
  Delete "$INSTDIR\OrvaneCfg.exe"
  Delete "$INSTDIR\OrvaneCtl.exe"
  Delete "$INSTDIR\KBHook.dll"
  Delete "$INSTDIR\hid.exe"
  Delete "$INSTDIR\LICENSE.txt"
  RMDir /r "$INSTDIR\images"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  SetRegView 64
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
