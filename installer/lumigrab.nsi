; ЛюмиГРАБ's per-user installer: no elevation, everything under the user's
; own profile and HKCU. Built by installer/make-dist.py, which passes
;   VERSION  2.0.0.0          ICON   the program's .ico
;   OUTFILE  the setup exe    FILES  the generated list of the program's files
;   TARGET   x86-unicode (the product) or amd64-unicode (64-bit test machines)
;   WIZARD   the welcome and finish pages' picture, drawn from the icon
;
; Command line (besides NSIS's own /S and /D=):
;   /SERVER=https://…   the image server's address, stored as "ServerURL"
;   /NORUN              a silent install does not start the program
; The uninstaller takes /S and /REMOVESETTINGS (also remove the settings).

Unicode true
Target ${TARGET}
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include nsDialogs.nsh
!include WinMessages.nsh
!include "${FILES}"

!define PRODUCT "ЛюмиГРАБ"
!define PUBLISHER "Vey Software"
!define PROGRAM_KEY "Software\Vey Software\Lumigrab"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumigrab"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The program's hidden main window; WM_CLOSE to it takes the tray menu's
; "Выход" path.
!define MAIN_CLASS "TVEY_Lumigrab_MainForm"
!define SHORTCUT "$SMPROGRAMS\ЛюмиГРАБ.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Lumigrab"
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
RequestExecutionLevel user
BrandingText "${PRODUCT} ${VERSION}"

Var ServerUrl
Var ServerField

; -- pages ------------------------------------------------------------------
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD}"

!insertmacro MUI_PAGE_WELCOME
Page custom ServerPageShow ServerPageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Lumigrab.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "/install"
!define MUI_FINISHPAGE_RUN_TEXT "$(RunAfterInstall)"
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_TEXT_TOP "$(UninstallComponentsText)"
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Russian"
!include "strings-ru.nsh"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "Установка ${PRODUCT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "OriginalFilename" "LumigrabSetup.exe"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "${PUBLISHER}"

; -- closing a running copy (installer and uninstaller) ----------------------
; Asks every copy's main window to close, then waits until the exe can be
; opened for writing (the process has ended), each for up to 10 s.
!macro CLOSE_RUNNING_FUNCTION un
Function ${un}CloseRunning
    Push $0
    Push $1
    Push $2
  again:
    StrCpy $2 0
  close_loop:
    FindWindow $0 "${MAIN_CLASS}"
    ${If} $0 <> 0
        ${If} $2 = 0
            DetailPrint "$(ClosingProgram)"
        ${EndIf}
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
        IntOp $2 $2 + 1
        IntCmp $2 100 still_running
        Sleep 100
        Goto close_loop
    ${EndIf}
    StrCpy $2 0
  file_loop:
    IfFileExists "$INSTDIR\Lumigrab.exe" 0 done
    ClearErrors
    FileOpen $1 "$INSTDIR\Lumigrab.exe" a
    ${IfNot} ${Errors}
        FileClose $1
        Goto done
    ${EndIf}
    IntOp $2 $2 + 1
    IntCmp $2 100 still_running
    Sleep 100
    Goto file_loop
  still_running:
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramStillRunning)" /SD IDCANCEL IDRETRY again
    SetErrorLevel 3
    Abort
  done:
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_FUNCTION ""
!insertmacro CLOSE_RUNNING_FUNCTION "un."

; -- the image server's address ------------------------------------------------
; $0 = 1 when $ServerUrl is empty (leave the stored address) or an https://
; address, the only kind the program takes.
Function CheckServerUrl
    StrCpy $0 1
    ${If} $ServerUrl != ""
        StrCpy $1 $ServerUrl 8
        ${IfNot} $1 S== "https://"
            StrCpy $0 0
        ${EndIf}
    ${EndIf}
FunctionEnd

; /SERVER=… from the command line into $ServerUrl (quoted or up to the next
; space); the error flag when it is not there. GetOptions cannot read it: it
; splits options at every "/", which an address is full of.
Function ReadServerOption
    ${GetParameters} $R0
    StrLen $R1 $R0
    StrCpy $R2 0
    ${Do}
        ${If} $R2 >= $R1
            SetErrors
            Return
        ${EndIf}
        StrCpy $R3 $R0 8 $R2
        ${If} $R3 == "/SERVER="
            ${Break}
        ${EndIf}
        IntOp $R2 $R2 + 1
    ${Loop}
    IntOp $R2 $R2 + 8
    StrCpy $R0 $R0 "" $R2
    StrCpy $R4 " "
    StrCpy $R3 $R0 1
    ${If} $R3 == '"'
        StrCpy $R4 '"'
        StrCpy $R0 $R0 "" 1
    ${EndIf}
    StrCpy $R2 0
    StrLen $R1 $R0
    ${Do}
        ${If} $R2 >= $R1
            ${Break}
        ${EndIf}
        StrCpy $R3 $R0 1 $R2
        ${If} $R3 == $R4
            ${Break}
        ${EndIf}
        IntOp $R2 $R2 + 1
    ${Loop}
    StrCpy $ServerUrl $R0 $R2
FunctionEnd

Function .onInit
    ClearErrors
    Call ReadServerOption
    ${If} ${Errors}
        ; Interactive installs show the address already stored, if any.
        ReadRegStr $ServerUrl HKCU "${PROGRAM_KEY}" "ServerURL"
    ${EndIf}
    Call CheckServerUrl
    ${If} $0 = 0
        MessageBox MB_OK|MB_ICONSTOP "$(ServerNotHttps)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
FunctionEnd

Function ServerPageShow
    !insertmacro MUI_HEADER_TEXT "$(ServerPageTitle)" "$(ServerPageSubtitle)"
    nsDialogs::Create 1018
    Pop $0
    ${If} $0 == error
        Abort
    ${EndIf}
    ${NSD_CreateLabel} 0 0 100% 40u "$(ServerPageText)"
    Pop $0
    ${NSD_CreateText} 0 46u 100% 13u "$ServerUrl"
    Pop $ServerField
    ${NSD_CreateLabel} 0 64u 100% 12u "$(ServerPageExample)"
    Pop $0
    nsDialogs::Show
FunctionEnd

Function ServerPageLeave
    ${NSD_GetText} $ServerField $ServerUrl
    Call CheckServerUrl
    ${If} $0 = 0
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(ServerNotHttps)"
        Abort
    ${EndIf}
FunctionEnd

; -- install ---------------------------------------------------------------------
Section "$(SectionProgram)" SecProgram
    SectionIn RO
    Call CloseRunning
    !insertmacro InstallFiles
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\Lumigrab.exe" "" "$INSTDIR\Lumigrab.exe" 0 \
        SW_SHOWNORMAL "" "$(ShortcutDescription)"

    WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" '"$INSTDIR\Lumigrab.exe",0'
    WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0

    ; Only an address given now is written: an install over an older copy
    ; keeps every setting, the stored address among them.
    ${If} $ServerUrl != ""
        WriteRegStr HKCU "${PROGRAM_KEY}" "ServerURL" $ServerUrl
    ${EndIf}
SectionEnd

Function .onInstSuccess
    ; An interactive install starts it from the finish page's box.
    ${If} ${Silent}
        ${GetParameters} $R0
        ClearErrors
        ${GetOptions} $R0 "/NORUN" $R1
        ${If} ${Errors}
            Exec '"$INSTDIR\Lumigrab.exe" /install'
        ${EndIf}
    ${EndIf}
FunctionEnd

; -- uninstall -----------------------------------------------------------------
Section "un.$(SectionProgram)" UnSecProgram
    SectionIn RO
    Call un.CloseRunning
    !insertmacro UninstallFiles
    Delete "$INSTDIR\uninstall.exe"
    ; Not recursive: whatever else the user put there stays.
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegValue HKCU "${RUN_KEY}" "Lumigrab"
    DeleteRegKey HKCU "${UNINST_KEY}"
SectionEnd

Section /o "un.$(SectionRemoveSettings)" UnSecSettings
    DeleteRegKey HKCU "${PROGRAM_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Vey Software"
SectionEnd

Function un.onInit
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/REMOVESETTINGS" $R1
    ${IfNot} ${Errors}
        SectionSetFlags ${UnSecSettings} ${SF_SELECTED}
    ${EndIf}
FunctionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${UnSecSettings} "$(SectionRemoveSettingsText)"
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END
