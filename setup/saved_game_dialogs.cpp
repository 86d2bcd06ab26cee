// The Resume Game dialog (the saved games of the game folder: resume one, delete one) and the
// Save Game dialog (the league saved under a typed name).
#include <dirent.h>
#include <string.h>
#include <strings.h>
#include <sys/stat.h>

#include "database/database.h"
#include "engine/engine.h"
#include "resources/resource.h"
#include "season/season.h"
#include "setup/setup.h"
#include "setup/setup_internal.h"
#include "shell/shell.h"

#define SAVED_GAME_EXTENSION ".vnt"
#define SAVED_GAME_NAME_SIZE 256
#define SAVED_GAME_PATH_SIZE (SAVED_GAME_NAME_SIZE + 8)
#define TYPED_NAME_SIZE 2048

// ---- Resume Game --------------------------------------------------------------------------------

static int Has_Saved_Game_Extension(const char* szFile) {
    size_t nLength = strlen(szFile), nExtension = strlen(SAVED_GAME_EXTENSION);
    return nLength > nExtension &&
           strcasecmp(szFile + nLength - nExtension, SAVED_GAME_EXTENSION) == 0;
}

// Every saved game of the game folder, without its extension; the newest one that is not the
// auto-save is selected. The number listed.
static int Fill_Saved_Game_List(HWND hDlg) {
    HWND hList = GetDlgItem(hDlg, IDC_SAVED_GAMES);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    DIR* pFolder = opendir(".");
    if (!pFolder)
        return 0;
    int nCount = 0;
    time_t nNewest = 0;
    char szNewest[SAVED_GAME_NAME_SIZE] = "";
    while (struct dirent* pEntry = readdir(pFolder)) {
        struct stat info;
        if (!Has_Saved_Game_Extension(pEntry->d_name) || stat(pEntry->d_name, &info) != 0 ||
            !S_ISREG(info.st_mode) || strlen(pEntry->d_name) >= SAVED_GAME_NAME_SIZE)
            continue;
        char szName[SAVED_GAME_NAME_SIZE];
        safe_strncpy(szName, pEntry->d_name, sizeof szName);
        szName[strlen(szName) - strlen(SAVED_GAME_EXTENSION)] = 0;
        SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)szName);
        nCount++;
        if (strcasecmp(pEntry->d_name, AUTO_SAVE_FILE_NAME) != 0 &&
            (szNewest[0] == 0 || info.st_mtime > nNewest)) {
            nNewest = info.st_mtime;
            safe_strncpy(szNewest, szName, sizeof szNewest);
        }
    }
    closedir(pFolder);
    if (szNewest[0])
        SendMessageA(hList, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)szNewest);
    return nCount;
}

// The selected game's file; 0 when nothing is selected.
static int Get_Selected_Saved_Game(HWND hDlg, char* szName, char* szPath) {
    HWND hList = GetDlgItem(hDlg, IDC_SAVED_GAMES);
    int nItem = (int)SendMessageA(hList, LB_GETCURSEL, 0, 0);
    if (nItem < 0 || SendMessageA(hList, LB_GETTEXTLEN, nItem, 0) >= SAVED_GAME_NAME_SIZE)
        return 0;
    SendMessageA(hList, LB_GETTEXT, nItem, (LPARAM)szName);
    Format_Save_Path(szName, szPath, SAVED_GAME_PATH_SIZE);
    return 1;
}

// The bars as the resumed league's phase wants them: none during the college draft.
static void Show_Resumed_Bars(void) {
    if (Is_College_Draft_On()) {
        if (gButtonBar)
            Destroy_Button_Bar();
    } else if (gButtonBar) {
        Repaint_Bars();
    } else {
        Create_Button_Bar();
    }
}

static void Resume_Selected_Game(HWND hDlg) {
    char szName[SAVED_GAME_NAME_SIZE], szPath[SAVED_GAME_PATH_SIZE];
    if (!Get_Selected_Saved_Game(hDlg, szName, szPath))
        return;
    EnableWindow(Get_Main_Window(), TRUE);
    ShowWindow(hDlg, SW_HIDE);
    if (!Load_Universe(szPath)) {
        // The reader has said why; the league that was there is still loaded.
        ShowWindow(hDlg, SW_SHOW);
        EnableWindow(Get_Main_Window(), FALSE);
        return;
    }
    EndDialog(hDlg, 1);
    Show_News_Page(gCurrentPage);
    Update_Main_Window_Title();
    Show_Resumed_Bars();
    if (gResumeAdvance) {
        gAdvanceInProgress = 0;
        Advance_Weeks(1);
    } else {
        Refresh_Main_Window_After_Resume();
    }
}

static void Delete_Selected_Game(HWND hDlg) {
    char szName[SAVED_GAME_NAME_SIZE], szPath[SAVED_GAME_PATH_SIZE];
    if (!Get_Selected_Saved_Game(hDlg, szName, szPath))
        return;
    char szText[TEXT_BUFFER_SIZE];
    Format_String(szText, sizeof szText, "Are you sure you want to delete '%s'?", szName);
    if (Do_Message_Box(szText, "Confirm File Deletion", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!Platform_Remove_File(szPath)) {
        Format_String(szText, sizeof szText,
                      "Football Vanto could not delete %s. You can delete it manually. If you "
                      "have further problems you may need to re-install Football Vanto.",
                      szPath);
        Do_Message_Box(szText, "Couldn't delete file", MB_OK | MB_ICONEXCLAMATION);
    }
    Fill_Saved_Game_List(hDlg);
}

static INT_PTR Open_Resume_Game_Dialog(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    EnableWindow(Get_Main_Window(), FALSE);
    Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
    if (Fill_Saved_Game_List(hDlg) == 0) {
        Do_Message_Box("There are no Football Vanto game files in the current directory.",
                       "No games to resume", MB_OK | MB_ICONEXCLAMATION);
        EndDialog(hDlg, IDCANCEL);
    }
    return TRUE;
}

static INT_PTR On_Resume_Game_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDOK: Resume_Selected_Game(hDlg); return TRUE;
    case IDC_SAVED_GAMES:
        if (nCode == LBN_DBLCLK)
            Resume_Selected_Game(hDlg);
        return TRUE;
    case IDC_DELETE_GAME: Delete_Selected_Game(hDlg); return TRUE;
    case IDCANCEL: EndDialog(hDlg, IDCANCEL); return TRUE;
    case IDC_DIALOG_HELP: Show_Help_Topic(IDD_RESUME_GAME); return TRUE;
    default: return FALSE;
    }
}

INT_PTR Resume_Game_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: return Open_Resume_Game_Dialog(hDlg);
    case WM_COMMAND: return On_Resume_Game_Command(hDlg, LOWORD(wParam), HIWORD(wParam));
    default: return Answer_Common_Setup_Message(hDlg, uMsg, wParam, lParam);
    }
}

// ---- Save Game ----------------------------------------------------------------------------------

// The league saved under the typed name. The dialog ends with 1 only once the file is written; a
// refused name or a failed save leaves it open for another name.
static void Save_Under_Typed_Name(HWND hDlg) {
    char szName[TYPED_NAME_SIZE];
    GetDlgItemTextA(hDlg, IDC_SAVE_NAME, szName, sizeof szName);
    const char* szRefusal = Check_Save_Name(szName);
    if (szRefusal) {
        Do_Message_Box(szRefusal, "Save Game", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    char szPath[SAVED_GAME_PATH_SIZE];
    Format_Save_Path(szName, szPath, sizeof szPath);
    if (File_Exists(szPath) &&
        Do_Message_Box("A saved game with that name already exists. Overwrite?", "Filename in use",
                       MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    Set_Saved_Game_Name(szName);
    if (gSimulationRunning && gLiveGame && Is_Game_Watched(gLiveGame))
        gResumeAdvance = 1;
    int nResult = Save_Game_File(szPath, NULL);
    gResumeAdvance = 0;
    if (nResult == SAVE_OK) {
        EndDialog(hDlg, 1);
        return;
    }
    Tell_Save_Failure(nResult,
                      "Football Vanto was unable to save a game with that file name. It may "
                      "contain some invalid characters.",
                      "File Open Error");
}

static INT_PTR Open_Save_Game_Dialog_Window(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
    Update_Default_Save_Name();
    char szName[SAVED_GAME_NAME_SIZE];
    Get_Saved_Game_Name(szName, sizeof szName);
    SendDlgItemMessageA(hDlg, IDC_SAVE_NAME, EM_LIMITTEXT, SAVED_GAME_NAME_SIZE - 1, 0);
    SetDlgItemTextA(hDlg, IDC_SAVE_NAME, szName);
    return TRUE;
}

INT_PTR Save_Game_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: return Open_Save_Game_Dialog_Window(hDlg);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: Save_Under_Typed_Name(hDlg); return TRUE;
        case IDCANCEL: EndDialog(hDlg, 0); return TRUE;
        case IDC_DIALOG_HELP: Show_Help_Topic(IDD_SAVE_GAME); return TRUE;
        default: return FALSE;
        }
    case WM_DESTROY: return FALSE;  // the main window stays as it is
    default: return Answer_Common_Setup_Message(hDlg, uMsg, wParam, lParam);
    }
}
