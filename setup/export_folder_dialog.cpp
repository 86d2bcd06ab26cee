// Choose Export Folder: a small browser over the file system that sets the folder the HTML
// encyclopedia is exported to.
#include <dirent.h>
#include <string.h>
#include <sys/stat.h>

#include "database/database.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define EF_PATH 1409
#define EF_FOLDERS 1413
#define EF_DRIVES 1415
#define EF_ROOT "/"

char gEncyclopediaFolder[EXPORT_FOLDER_SIZE];
char gBrowseFolder[EXPORT_FOLDER_SIZE];

// The path of a folder-list entry: ".." is the browsed folder's parent, anything else below it.
void Build_Folder_Path(const char* szEntry, char* szOut, int nSize) {
    if (strcmp(szEntry, "..") != 0) {
        const char* szSeparator =
            gBrowseFolder[0] && gBrowseFolder[strlen(gBrowseFolder) - 1] == '/' ? "" : "/";
        Format_String(szOut, nSize, "%s%s%s", gBrowseFolder, szSeparator, szEntry);
        return;
    }
    safe_strncpy(szOut, gBrowseFolder, nSize);
    char* pLast = strrchr(szOut, '/');
    if (pLast == szOut)
        pLast[1] = '\0';  // the root's parent is the root
    else if (pLast)
        *pLast = '\0';
}

static int Is_Folder(const char* szFolder, const char* szEntry) {
    char szPath[EXPORT_FOLDER_SIZE * 2];
    Format_String(szPath, (int)sizeof szPath, "%s/%s", szFolder, szEntry);
    struct stat info;
    return stat(szPath, &info) == 0 && S_ISDIR(info.st_mode);
}

// The browsed folder's subfolders and "..", but not "."; a folder that cannot be read leaves the
// list empty.
static void Fill_Folder_List(HWND hDlg) {
    HWND hList = GetDlgItem(hDlg, EF_FOLDERS);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    DIR* pFolder = opendir(gBrowseFolder[0] ? gBrowseFolder : EF_ROOT);
    if (!pFolder)
        return;
    for (struct dirent* p = readdir(pFolder); p; p = readdir(pFolder)) {
        if (strcmp(p->d_name, ".") != 0 && Is_Folder(gBrowseFolder, p->d_name))
            SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)p->d_name);
    }
    closedir(pFolder);
}

static void Fill_Drive_List(HWND hDlg) {
    SendDlgItemMessageA(hDlg, EF_DRIVES, LB_ADDSTRING, 0, (LPARAM)EF_ROOT);
}

static void Get_Chosen_Folder_Path(HWND hDlg, char* szOut, int nSize) {
    char szEntry[EXPORT_FOLDER_SIZE] = "";
    int nItem = (int)SendDlgItemMessageA(hDlg, EF_FOLDERS, LB_GETCURSEL, 0, 0);
    if (nItem >= 0)
        SendDlgItemMessageA(hDlg, EF_FOLDERS, LB_GETTEXT, nItem, (LPARAM)szEntry);
    Build_Folder_Path(szEntry, szOut, nSize);
}

static INT_PTR On_Export_Folder_Command(HWND hDlg, int nId, int nCode) {
    char szPath[EXPORT_FOLDER_SIZE];
    switch (nId) {
    case IDOK:
        GetDlgItemTextA(hDlg, EF_PATH, szPath, (int)sizeof szPath);
        if (szPath[0])
            safe_strncpy(gEncyclopediaFolder, szPath, (int)sizeof gEncyclopediaFolder);
        EndDialog(hDlg, 1);
        return TRUE;
    case IDCANCEL: EndDialog(hDlg, 1); return TRUE;
    case EF_FOLDERS:
        if (nCode != LBN_SELCHANGE && nCode != LBN_DBLCLK)
            return FALSE;
        Get_Chosen_Folder_Path(hDlg, szPath, (int)sizeof szPath);
        if (nCode == LBN_SELCHANGE) {
            SetDlgItemTextA(hDlg, EF_PATH, szPath);
        } else {
            safe_strncpy(gBrowseFolder, szPath, (int)sizeof gBrowseFolder);
            Fill_Folder_List(hDlg);
        }
        return TRUE;
    case EF_DRIVES:
        if (nCode != LBN_SELCHANGE)
            return FALSE;
        SetDlgItemTextA(hDlg, EF_PATH, "");
        safe_strncpy(gBrowseFolder, EF_ROOT, (int)sizeof gBrowseFolder);
        Fill_Folder_List(hDlg);
        return TRUE;
    default: return FALSE;
    }
}

static void Init_Export_Folder(HWND hDlg) {
    if (GetCurrentDirectoryA(sizeof gBrowseFolder, gBrowseFolder) >= sizeof gBrowseFolder)
        safe_strncpy(gBrowseFolder, EF_ROOT, (int)sizeof gBrowseFolder);
    SendDlgItemMessageA(hDlg, EF_PATH, EM_LIMITTEXT, EXPORT_FOLDER_SIZE - 1, 0);
    Fill_Folder_List(hDlg);
    Fill_Drive_List(hDlg);
    SetDlgItemTextA(hDlg, EF_PATH, "");
}

INT_PTR Choose_Export_Folder_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Dispatch_Dialog_Message(hDlg, uMsg, wParam, lParam, Init_Export_Folder,
                                   On_Export_Folder_Command);
}
