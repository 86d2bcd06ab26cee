// The View Encyclopedia dialog: where the HTML encyclopedia goes and with which design, kept in
// "input/settings.ini"; it exports the pages and opens their index in the browser.
#include <dirent.h>
#include <string.h>
#include <strings.h>

#include "database/database.h"
#include "resources/resource.h"
#include "reports/reports.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define ENCYCLOPEDIA_FOLDER_EDIT 1409
#define ENCYCLOPEDIA_BROWSE 1410
#define ENCYCLOPEDIA_DESIGNS 1028
#define ENCYCLOPEDIA_EXPORT 1411
#define ENCYCLOPEDIA_VIEW 1412
#define ENCYCLOPEDIA_SETTINGS_FILE "input/settings.ini"
#define ENCYCLOPEDIA_CSS_FOLDER "HTML_Templates/CSS"
#define DEFAULT_EXPORT_FOLDER "HTML_Export"
#define DEFAULT_DESIGN "default.css"
#define NO_DESIGN_TEXT ".css not found!"
#define SETTINGS_LINE_SIZE 512

// The two lines of the settings file, each read whole so that names with blanks survive; the
// defaults when the file or a line is missing.
void Read_Encyclopedia_Settings(char* szFolder, int nFolderSize, char* szDesign, int nDesignSize) {
    safe_strncpy(szFolder, DEFAULT_EXPORT_FOLDER, nFolderSize);
    safe_strncpy(szDesign, DEFAULT_DESIGN, nDesignSize);
    FILE* pFile = Platform_Open_File(ENCYCLOPEDIA_SETTINGS_FILE, "rt");
    if (!pFile)
        return;
    char szLine[SETTINGS_LINE_SIZE] = "";
    Read_Line(szLine, sizeof szLine, pFile);
    if (szLine[0])
        safe_strncpy(szFolder, szLine, nFolderSize);
    szLine[0] = 0;
    Read_Line(szLine, sizeof szLine, pFile);
    if (szLine[0])
        safe_strncpy(szDesign, szLine, nDesignSize);
    fclose(pFile);
}

// 1 when the folder and design were written; the message says why not otherwise.
int Save_Encyclopedia_Settings(const char* szFolder, const char* szDesign) {
    if (!szFolder[0]) {
        Show_Message_Box("View Encyclopedia", "You must choose output dir.");
        return 0;
    }
    if ((int)strlen(szFolder) > ENCYCLOPEDIA_FOLDER_MAX) {
        Show_Message_Box("View Encyclopedia", "Output directory name too long.");
        return 0;
    }
    safe_strncpy(gEncyclopediaFolder, szFolder, (int)sizeof gEncyclopediaFolder);
    Set_Encyclopedia_Export(szFolder, szDesign);
    FILE* pFile = Platform_Open_File(ENCYCLOPEDIA_SETTINGS_FILE, "wt");
    if (!pFile)
        return 1;  // the old settings stay; the export still uses the typed folder
    fprintf(pFile, "%s\n%s\n", szFolder, szDesign);
    fclose(pFile);
    return 1;
}

static void Fill_Design_Combo(HWND hDlg, const char* szSaved) {
    HWND hCombo = GetDlgItem(hDlg, ENCYCLOPEDIA_DESIGNS);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    char szFolder[ENCYCLOPEDIA_FOLDER_SIZE];
    DIR* pDir = NULL;
    if (Platform_Resolve_Path(ENCYCLOPEDIA_CSS_FOLDER, szFolder, sizeof szFolder))
        pDir = opendir(szFolder);
    for (struct dirent* pEntry = pDir ? readdir(pDir) : NULL; pEntry; pEntry = readdir(pDir)) {
        size_t nLength = strlen(pEntry->d_name);
        if (nLength > 4 && strcasecmp(pEntry->d_name + nLength - 4, ".css") == 0)
            SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)pEntry->d_name);
    }
    if (pDir)
        closedir(pDir);
    if (SendMessageA(hCombo, CB_GETCOUNT, 0, 0) <= 0) {
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)NO_DESIGN_TEXT);
        SendMessageA(hCombo, CB_SETCURSEL, 0, 0);
        return;
    }
    LRESULT nItem = SendMessageA(hCombo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)szSaved);
    if (nItem < 0)
        nItem = SendMessageA(hCombo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)DEFAULT_DESIGN);
    SendMessageA(hCombo, CB_SETCURSEL, nItem < 0 ? 0 : (WPARAM)nItem, 0);
}

// The folder and design the dialog shows, saved; 0 when the folder is refused.
static int Take_Encyclopedia_Settings(HWND hDlg) {
    char szFolder[ENCYCLOPEDIA_FOLDER_SIZE] = "", szDesign[ENCYCLOPEDIA_FOLDER_SIZE] = "";
    GetDlgItemTextA(hDlg, ENCYCLOPEDIA_FOLDER_EDIT, szFolder, sizeof szFolder);
    GetDlgItemTextA(hDlg, ENCYCLOPEDIA_DESIGNS, szDesign, sizeof szDesign);
    if (strcmp(szDesign, NO_DESIGN_TEXT) == 0)
        szDesign[0] = 0;
    return Save_Encyclopedia_Settings(szFolder, szDesign);
}

static void Open_Encyclopedia_Index(HWND hWnd) {
    char szIndex[ENCYCLOPEDIA_FOLDER_SIZE + 16];
    Format_String(szIndex, sizeof szIndex, "%s/index.htm", Get_Encyclopedia_Root());
    if (!Open_With_Shell(hWnd, szIndex))
        Show_Message_Box("View Encyclopedia", "Couldn't open %s.", szIndex);
}

// Asks before overwriting pages of an earlier export; the menus are greyed while the pages are
// written. 0 when the person declined.
int Export_HTML_Encyclopedia(HWND hDlg) {
    if (Encyclopedia_Pages_Exist() &&
        Do_Message_Box("This will overwrite any existing HTML Encyclopedia files", "Caution",
                       MB_OKCANCEL) == IDCANCEL)
        return 0;
    EndDialog(hDlg, IDOK);
    Enable_Main_Menu(0);
    Host_League_Changed(HOST_REPAINT_NOW);
    Write_HTML_Encyclopedia();
    Enable_Main_Menu(1);
    Host_League_Changed(HOST_REPAINT_NOW);
    return 1;
}

static void Init_Encyclopedia_Dialog(HWND hDlg) {
    char szFolder[SETTINGS_LINE_SIZE], szDesign[SETTINGS_LINE_SIZE];
    Set_Dialog_Font(hDlg);
    Read_Encyclopedia_Settings(szFolder, sizeof szFolder, szDesign, sizeof szDesign);
    Fill_Design_Combo(hDlg, szDesign);
    SetDlgItemTextA(hDlg, ENCYCLOPEDIA_FOLDER_EDIT, szFolder);
    safe_strncpy(gEncyclopediaFolder, szFolder, (int)sizeof gEncyclopediaFolder);
    Set_Encyclopedia_Export(szFolder, NULL);
    Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
}

static INT_PTR On_Encyclopedia_Command(HWND hDlg, int nId) {
    switch (nId) {
    case ENCYCLOPEDIA_BROWSE:
        // Choose Export Folder changes gEncyclopediaFolder only when a folder was chosen.
        GetDlgItemTextA(hDlg, ENCYCLOPEDIA_FOLDER_EDIT, gEncyclopediaFolder,
                        (int)sizeof gEncyclopediaFolder);
        Open_Dialog(hDlg, IDD_CHOOSE_EXPORT_FOLDER);
        SetDlgItemTextA(hDlg, ENCYCLOPEDIA_FOLDER_EDIT, gEncyclopediaFolder);
        return TRUE;
    case ENCYCLOPEDIA_EXPORT:
        if (Take_Encyclopedia_Settings(hDlg) && Export_HTML_Encyclopedia(hDlg))
            Open_Encyclopedia_Index(Get_Main_Window());
        return TRUE;
    case ENCYCLOPEDIA_VIEW:
        if (Take_Encyclopedia_Settings(hDlg))
            Open_Encyclopedia_Index(hDlg);
        return TRUE;
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, IDOK); return TRUE;
    default: return FALSE;
    }
}

INT_PTR View_Encyclopedia_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Encyclopedia_Dialog(hDlg); return TRUE;
    case WM_COMMAND: return On_Encyclopedia_Command(hDlg, LOWORD(wParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
