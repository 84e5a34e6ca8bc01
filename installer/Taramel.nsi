; Тарамел's installer: one file for 64-bit and 32-bit Windows, per user, no
; administrator. The build gives the version and the folders:
;   makensis -DVERSION=1.0.0 -DPROGRAM64=DIR -DPROGRAM32=DIR -DICON=FILE -DWELCOME=FILE.bmp -DOUTFILE=FILE Taramel.nsi
; PROGRAM64 holds Taramel.exe, Topaz.asz and test.txt; PROGRAM32 holds the
; 32-bit Taramel.exe. This file is UTF-8 with a byte-order mark, which is how
; makensis knows it.
;
; Command line: /S silent, /D=FOLDER the folder (last, unquoted), /DESKTOP a
; desktop shortcut too. A silent install into a folder that cannot be written
; ends with exit code 2 and changes nothing.

Unicode true
; The shipped installer is a 32-bit program, so that it starts on both kinds
; of Windows. The build also makes the same installer as a 64-bit program
; (-DTARGET=amd64-unicode) for testing on machines that run no 32-bit programs.
!ifdef TARGET
  Target ${TARGET}
!endif
SetCompressor /SOLID lzma

!include MUI2.nsh
!include x64.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!ifndef VERSION | PROGRAM64 | PROGRAM32 | ICON | WELCOME | OUTFILE
  !error "The build names VERSION, PROGRAM64, PROGRAM32, ICON, WELCOME and OUTFILE"
!endif

!define PRODUCT "Тарамел"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Taramel"
!define SHORTCUT "${PRODUCT}.lnk"
; The deck the program reads from its working folder. The settings file it
; writes beside itself, Option.ini, is the user's: nothing here touches it.
!define DECK "test.txt"

; What the checks below find (NSIS variables are global).
Var Writable
Var MadeFolder
Var CheckFile
Var DeckIsOurs
Var DeckTime
Var DeckSize

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
; Under the user's local application data the settings file beside the
; program can be written without an administrator.
InstallDir "$LOCALAPPDATA\Programs\Taramel"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WELCOME}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!define MUI_WELCOMEPAGE_TEXT "Программа установит «${PRODUCT}» ${VERSION}: карточки для запоминания курса истории Казахстана.$\r$\n$\r$\nПрава администратора не нужны: программа ставится только для вас, в папку, куда вы можете записывать.$\r$\n$\r$\nНажмите «Далее», чтобы продолжить."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
; The folder page lets every folder through to its leave function, which
; says what is wrong with it, instead of greying out the button unexplained.
!define MUI_DIRECTORYPAGE_VERIFYONLEAVE
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Запустить «${PRODUCT}»"
!define MUI_FINISHPAGE_RUN_FUNCTION RunProgram
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Russian"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "Установка программы ${PRODUCT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "© 2026 ${PRODUCT}"

; Whether a file can be written in $INSTDIR: Writable is 1 or 0. The folder
; is made when it is new, and removed again when the check leaves it empty.
Function CheckWritable
  StrCpy $MadeFolder 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $MadeFolder 1
  ${EndIf}
  StrCpy $Writable 0
  CreateDirectory "$INSTDIR"
  ClearErrors
  FileOpen $CheckFile "$INSTDIR\taramel-write-check.tmp" w
  ${IfNot} ${Errors}
    StrCpy $Writable 1
    FileClose $CheckFile
    Delete "$INSTDIR\taramel-write-check.tmp"
  ${EndIf}
  ${If} $MadeFolder = 1
    RMDir "$INSTDIR"
  ${EndIf}
FunctionEnd

; The deck's last-write time and size in bytes now, into DeckTime and DeckSize.
!macro DeckNow un
  GetFileTime "$INSTDIR\${DECK}" $R0 $R1
  StrCpy $DeckTime "$R0 $R1"
  ${${un}GetSize} "$INSTDIR" "/M=${DECK} /S=0B /G=0" $DeckSize $R0 $R1
!macroend
!define DeckNow "!insertmacro DeckNow ''"
!define un.DeckNow "!insertmacro DeckNow un."

!define NOT_WRITABLE "Нельзя установить программу в папку$\r$\n$INSTDIR$\r$\n$\r$\nВ эту папку у вас нет права записи, а программе нужно записывать туда свои настройки. Выберите папку, в которую вы можете записывать, например$\r$\n$LOCALAPPDATA\Programs\Taramel"

Section "${PRODUCT}" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"

  ; The deck stays when it is not the one an earlier install put here: the
  ; install records the shipped deck's size and time, which any save changes.
  Call CheckDeck

  ${If} ${RunningX64}
    File "/oname=Taramel.exe" "${PROGRAM64}\Taramel.exe"
  ${Else}
    File "/oname=Taramel.exe" "${PROGRAM32}\Taramel.exe"
  ${EndIf}
  ; The skin and the deck are the same for both programs.
  File "${PROGRAM64}\Topaz.asz"
  ${If} $DeckIsOurs = 1
    File "${PROGRAM64}\${DECK}"
    ${DeckNow}
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DeckTime" $DeckTime
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DeckSize" $DeckSize
  ${Else}
    DeleteRegValue HKCU "${UNINSTALL_KEY}" "DeckTime"
    DeleteRegValue HKCU "${UNINSTALL_KEY}" "DeckSize"
  ${EndIf}

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ; The shortcut starts the program in its folder, where the deck is read.
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\Taramel.exe" "" "$INSTDIR\Taramel.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Taramel.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Ярлык на рабочем столе" SecDesktop
  SetOutPath "$INSTDIR"
  CreateShortCut "$DESKTOP\${SHORTCUT}" "$INSTDIR\Taramel.exe" "" "$INSTDIR\Taramel.exe" 0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "DesktopShortcut" 1
SectionEnd

; An install without the desktop shortcut removes the one an earlier install made.
Section "-desktop shortcut not chosen"
  ${IfNot} ${SectionIsSelected} ${SecDesktop}
    Delete "$DESKTOP\${SHORTCUT}"
    DeleteRegValue HKCU "${UNINSTALL_KEY}" "DesktopShortcut"
  ${EndIf}
SectionEnd

; Whether the deck in $INSTDIR may be replaced or removed: DeckIsOurs is 1
; when there is none, or when it is the shipped deck an install put there,
; unchanged (its size and time as recorded then); 0 when it is the user's.
!macro DECK_IS_OURS un
Function ${un}CheckDeck
  StrCpy $DeckIsOurs 1
  ${If} ${FileExists} "$INSTDIR\${DECK}"
    ${${un}DeckNow}
    ReadRegStr $R0 HKCU "${UNINSTALL_KEY}" "DeckTime"
    ReadRegStr $R1 HKCU "${UNINSTALL_KEY}" "DeckSize"
    ${If} $R0 == ""
    ${OrIf} $R0 != $DeckTime
    ${OrIf} $R1 != $DeckSize
      StrCpy $DeckIsOurs 0
    ${EndIf}
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DECK_IS_OURS ""
!insertmacro DECK_IS_OURS "un."

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/DESKTOP" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecDesktop}
  ${EndIf}
  ; A reinstall keeps the desktop shortcut chosen before.
  ReadRegDWORD $1 HKCU "${UNINSTALL_KEY}" "DesktopShortcut"
  ${If} $1 = 1
    !insertmacro SelectSection ${SecDesktop}
  ${EndIf}
  ; A folder asked for by /D= that cannot be a folder (a file stands there)
  ; is replaced by the default one before this runs; the user asked for that
  ; folder, so that is the one checked and refused.
  ; The installer's own command line has lost /D= by now: the process's has it.
  System::Call 'kernel32::GetCommandLineW() t .r1'
  StrLen $2 $1
  StrCpy $3 0
  ${DoWhile} $3 < $2
    StrCpy $4 $1 4 $3
    ${If} $4 S== " /D="
      IntOp $3 $3 + 4
      StrCpy $INSTDIR $1 "" $3
      ${Break}
    ${EndIf}
    IntOp $3 $3 + 1
  ${Loop}
  ; A silent install has no folder page: the folder is checked here.
  ${If} ${Silent}
    Call CheckWritable
    ${If} $Writable = 0
      SetErrorLevel 2
      Abort
    ${EndIf}
  ${EndIf}
FunctionEnd

Function DirectoryLeave
  Call CheckWritable
  ${If} $Writable = 0
    MessageBox MB_ICONSTOP|MB_OK "${NOT_WRITABLE}"
    Abort
  ${EndIf}
  GetInstDirError $0
  ${If} $0 = 1
    MessageBox MB_ICONSTOP|MB_OK "Папка указана неверно:$\r$\n$INSTDIR"
    Abort
  ${ElseIf} $0 = 2
    MessageBox MB_ICONSTOP|MB_OK "На диске недостаточно места для программы. Выберите другую папку."
    Abort
  ${EndIf}
FunctionEnd

Function RunProgram
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\Taramel.exe"'
FunctionEnd

; Removes what the install put here and nothing else: the settings file and
; a deck the user changed stay, and so does the folder while it holds them.
Section "Uninstall"
  Call un.CheckDeck
  ${If} $DeckIsOurs = 1
    Delete "$INSTDIR\${DECK}"
  ${EndIf}
  Delete "$INSTDIR\Taramel.exe"
  Delete "$INSTDIR\Topaz.asz"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$DESKTOP\${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  RMDir "$INSTDIR"
SectionEnd
