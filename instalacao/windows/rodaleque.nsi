; The Windows installer. makensis gets from the build, with -D: PRODUTO, VERSAO (1.0.98),
; VERSAO4 (1.0.98.0), PUBLICADOR, DESCRICAO, PASTA (the same files as the zip), ICONE and SAIDA.
; Every message has a silent default, so that /S never stops to ask.
Unicode true
ManifestDPIAware true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include WinVer.nsh
!include x64.nsh
!include FileFunc.nsh

!define CHAVE_DESINSTALAR "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUTO}"
!define CHAVE_PRODUTO "Software\${PRODUTO}"
!define DESINSTALADOR "desinstalar.exe"
; ERROR_OLD_WIN_VERSION: the program needs a newer version of Windows.
!define ERRO_WINDOWS_ANTIGO 1150
; The program's caption begins so, in every version.
!define COMECO_DO_TITULO " ${PRODUTO} - "

Name "${PRODUTO} ${VERSAO}"
OutFile "${SAIDA}"
InstallDir "$PROGRAMFILES64\${PRODUTO}"
InstallDirRegKey HKLM "${CHAVE_PRODUTO}" "Pasta"
BrandingText "${PRODUTO} ${VERSAO}"

VIProductVersion "${VERSAO4}"
VIFileVersion "${VERSAO4}"
VIAddVersionKey /LANG=1046 "ProductName" "${PRODUTO}"
VIAddVersionKey /LANG=1046 "ProductVersion" "${VERSAO}"
VIAddVersionKey /LANG=1046 "FileVersion" "${VERSAO}"
VIAddVersionKey /LANG=1046 "FileDescription" "Instalador do ${PRODUTO}"
VIAddVersionKey /LANG=1046 "CompanyName" "${PUBLICADOR}"
VIAddVersionKey /LANG=1046 "LegalCopyright" "${PUBLICADOR}, GPL-3.0 ou posterior"

!define MUI_ICON "${ICONE}"
!define MUI_UNICON "${ICONE}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\rodaleque.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${PASTA}/LICENCA.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "PortugueseBR"

; Any top-level window whose caption begins as the program's: a copy of any version runs.
; Sets $R0 to 1 if one does, 0 otherwise.
!macro PROGRAMA_ABERTO
  StrCpy $R0 0
  StrCpy $R1 0
  ${Do}
    FindWindow $R1 "" "" 0 $R1
    ${IfThen} $R1 == 0 ${|} ${ExitDo} ${|}
    System::Call 'user32::GetWindowTextW(p $R1, w .R2, i ${NSIS_MAX_STRLEN})'
    StrLen $R3 "${COMECO_DO_TITULO}"
    StrCpy $R2 $R2 $R3
    ${If} $R2 == "${COMECO_DO_TITULO}"
      StrCpy $R0 1
      ${ExitDo}
    ${EndIf}
  ${Loop}
!macroend

; Installing or removing the program under a running copy would take it away in the middle
; of a draw. Retry once it is closed, or cancel; silently, cancel.
!macro ESPERAR_PROGRAMA_FECHADO
  ${Do}
    !insertmacro PROGRAMA_ABERTO
    ${IfThen} $R0 == 0 ${|} ${ExitDo} ${|}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "O ${PRODUTO} está aberto. Feche o programa e clique em Repetir para continuar." \
      /SD IDCANCEL IDRETRY repetir
    SetErrorLevel 5 ; ERROR_ACCESS_DENIED: the files are in use
    Quit
    repetir:
  ${Loop}
!macroend

Function .onInit
  ; One installer at a time.
  System::Call 'kernel32::CreateMutexW(p 0, i 0, w "${PRODUTO}-Instalador") p .r1 ?e'
  Pop $0
  ${If} $0 == 183 ; ERROR_ALREADY_EXISTS
    MessageBox MB_ICONSTOP "O instalador do ${PRODUTO} já está aberto." /SD IDOK
    SetErrorLevel 183
    Quit
  ${EndIf}
  ; Qt 6, and so the program, needs 64-bit Windows 10 version 1809 (build 17763) or later.
  ${WinVerGetBuild} $1
  ${IfNot} ${RunningX64}
  ${OrIfNot} ${AtLeastWin10}
  ${OrIf} $1 < 17763
    MessageBox MB_ICONSTOP \
      "O ${PRODUTO} requer o Windows 10 versão 1809 ou mais recente, de 64 bits." /SD IDOK
    SetErrorLevel ${ERRO_WINDOWS_ANTIGO}
    Quit
  ${EndIf}
  SetRegView 64
  !insertmacro ESPERAR_PROGRAMA_FECHADO
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro ESPERAR_PROGRAMA_FECHADO
FunctionEnd

; Only the files it puts there are ever removed: results files written beside the program
; (when its folder could be written) stay through an update and an uninstall.
Section "${PRODUTO}"
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${PASTA}/rodaleque.exe"
  File "${PASTA}/rodaleque-verificar.exe"
  File "${PASTA}/LEIA-ME.txt"
  File "${PASTA}/LICENCA.txt"
  SetOutPath "$INSTDIR\licencas"
  File /r "${PASTA}/licencas/*"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${DESINSTALADOR}"

  CreateShortcut "$SMPROGRAMS\${PRODUTO}.lnk" "$INSTDIR\rodaleque.exe" "" \
    "$INSTDIR\rodaleque.exe" 0 SW_SHOWNORMAL "" "${DESCRICAO}"

  WriteRegStr HKLM "${CHAVE_PRODUTO}" "Pasta" "$INSTDIR"
  WriteRegStr HKLM "${CHAVE_DESINSTALAR}" "DisplayName" "${PRODUTO}"
  WriteRegStr HKLM "${CHAVE_DESINSTALAR}" "DisplayVersion" "${VERSAO}"
  WriteRegStr HKLM "${CHAVE_DESINSTALAR}" "Publisher" "${PUBLICADOR}"
  WriteRegStr HKLM "${CHAVE_DESINSTALAR}" "DisplayIcon" "$INSTDIR\rodaleque.exe,0"
  WriteRegStr HKLM "${CHAVE_DESINSTALAR}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${CHAVE_DESINSTALAR}" "UninstallString" '"$INSTDIR\${DESINSTALADOR}"'
  WriteRegStr HKLM "${CHAVE_DESINSTALAR}" "QuietUninstallString" '"$INSTDIR\${DESINSTALADOR}" /S'
  WriteRegDWORD HKLM "${CHAVE_DESINSTALAR}" "NoModify" 1
  WriteRegDWORD HKLM "${CHAVE_DESINSTALAR}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${CHAVE_DESINSTALAR}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUTO}.lnk"
  Delete "$INSTDIR\rodaleque.exe"
  Delete "$INSTDIR\rodaleque-verificar.exe"
  Delete "$INSTDIR\LEIA-ME.txt"
  Delete "$INSTDIR\LICENCA.txt"
  RMDir /r "$INSTDIR\licencas"
  Delete "$INSTDIR\${DESINSTALADOR}"
  ; Not /r: a folder that still holds results files stays, with them.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${CHAVE_DESINSTALAR}"
  DeleteRegKey HKLM "${CHAVE_PRODUTO}"
SectionEnd
