; The Windows installer of Quillday, built by scripts/windows-build with
;   makensis -DVERSION=7.3.4 -DSOURCE=<folder of the distribution> -DOUTFILE=<setup.exe>
; Installs the program folder into Program Files for all users, with
; Start-menu entries for every user for the program and its user guide (in
; the language chosen for the installer: English, German or Spanish), and
; an uninstaller listed in Windows' installed programs. The files for
; building C programs with fileworks5 (the distribution's fileworks5-dev
; folder) are an optional component.
Unicode true
!include "MUI2.nsh"
!include "FileFunc.nsh"

!define NAME "Quillday"
!define PUBLISHER "Varnholt Works"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillday"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The installer runs as administrator; the program it offers to start runs
; as the user, started through the user's own shell.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartAsUser
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"

; The user guide in the installer's language, in $0.
Function GuideOfLanguage
    StrCpy $0 "quillday-guide.html"
    StrCmp $LANGUAGE ${LANG_GERMAN} 0 +2
        StrCpy $0 "quillday-guide.de.html"
    StrCmp $LANGUAGE ${LANG_SPANISH} 0 +2
        StrCpy $0 "quillday-guide.es.html"
FunctionEnd

Function StartAsUser
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\qly734.exe"'
FunctionEnd

Section "Quillday" SectionProgram
    SectionIn RO
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r /x fileworks5-dev "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateDirectory "$SMPROGRAMS\${NAME}"
    CreateShortcut "$SMPROGRAMS\${NAME}\${NAME}.lnk" "$INSTDIR\qly734.exe"
    Call GuideOfLanguage
    CreateShortcut "$SMPROGRAMS\${NAME}\${NAME} guide.lnk" "$INSTDIR\$0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\qly734.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "fileworks5 for C programs (header, import libraries)" SectionDevelop
    SetOutPath "$INSTDIR\fileworks5-dev"
    File /r "${SOURCE}\fileworks5-dev\*.*"
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The user's settings file is theirs: it stays.
Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${NAME}\${NAME}.lnk"
    Delete "$SMPROGRAMS\${NAME}\${NAME} guide.lnk"
    RMDir "$SMPROGRAMS\${NAME}"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\fileworks5-dev"
    Delete "$INSTDIR\*.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\quillday-guide*.html"
    Delete "$INSTDIR\quillday-window.*.png"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
