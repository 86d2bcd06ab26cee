// The Print dialog: player statistics written to a file in the Output folder, then printed or
// shown. Its choices are kept in the preferences, so they travel with the saved game.
#include <string.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "reports/reports.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define PRINT_TEAMS 1132
#define PRINT_PERIOD 1223
#define PRINT_GROUP 1224
#define PRINT_SORT 1225
#define PRINT_FORMAT 1226
#define PRINT_FILE_NAME 1082
#define PRINT_TO_PRINTER 1022
#define PRINT_VIEW_FILE 1023
#define PRINT_HELP 9
#define PRINT_FOLDER "Output"
#define PRINT_SORT_ENTRIES 17
#define PRINT_PATH_SIZE 512
#define PRINT_NAME_CHARS 200

static const char* const kSortNames[OUTPUT_SECTION_COUNT][PRINT_SORT_ENTRIES] = {
    {"Games", "Games Started", "Pass Attempts", "Completions", "INT Thrown", "Pass Yards",
     "Pass TDs", "Rushes", "Rush Yards", "Rush TDs", "Receptions", "Receiving Yards",
     "Receiving TDs", "Fumbles Lost", "Returns", "Returns Yards", "Return TDs"},
    {"Games", "Games Started", "Tackles", "Assists", "Sacks", "Fumbles Forced", "Knockdowns",
     "Interceptions", "Touchdowns", "", "", "", "", "", "Returns", "Returns Yards", "Return TDs"},
    {"Games", "Games Started", "Punts", "Punt Yards", "Longest Punt", "PAT Attempts", "PAT",
     "Field Goals <30", "FG Attempts <30", "Field Goals 30-39", "FG Attempts 30-39",
     "Field Goals 40-49", "FG Attempts 40-49", "Field Goals 50+", "FG Attempts 50+",
     "Longest Field Goal", ""},
};
static const char* const kExtensions[OUTPUT_FORMAT_COUNT] = {".xls", ".csv", ".txt", ".htm"};

static int Get_Choice(HWND hDlg, int nId) {
    return Max_Int((int)SendDlgItemMessageA(hDlg, nId, CB_GETCURSEL, 0, 0), 0);
}

static void Add_Items(HWND hDlg, int nId, const char* const* pszItems, int nCount) {
    SendDlgItemMessageA(hDlg, nId, CB_RESETCONTENT, 0, 0);
    for (int n = 0; n < nCount; n++)
        SendDlgItemMessageA(hDlg, nId, CB_ADDSTRING, 0, (LPARAM)pszItems[n]);
}

static void Fill_Sort_List(HWND hDlg) {
    int nGroup = Clamp(Get_Choice(hDlg, PRINT_GROUP), 0, OUTPUT_SECTION_COUNT - 1);
    Add_Items(hDlg, PRINT_SORT, kSortNames[nGroup], PRINT_SORT_ENTRIES);
    SendDlgItemMessageA(hDlg, PRINT_SORT, CB_SETCURSEL, 0, 0);
}

static void Fill_Print_Lists(HWND hDlg) {
    HWND hTeams = GetDlgItem(hDlg, PRINT_TEAMS);
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        char szLabel[TEXT_BUFFER_SIZE];
        Get_Team_Label(nTeam, szLabel, (int)sizeof szLabel);
        SendMessageA(hTeams, CB_ADDSTRING, 0, (LPARAM)szLabel);
    }
    for (int nLeague = 0; nLeague < LEAGUE_COUNT; nLeague++) {
        char szName[TEXT_BUFFER_SIZE];
        Get_League_Name(nLeague, szName, (int)sizeof szName);
        SendMessageA(hTeams, CB_ADDSTRING, 0, (LPARAM)szName);
    }
    SendMessageA(hTeams, CB_ADDSTRING, 0, (LPARAM) "All Teams");
    SendMessageA(hTeams, CB_SETCURSEL, Clamp(Get_Dialog_Team(), 0, Max_Int(nTeams - 1, 0)), 0);
    static const char* const kPeriods[] = {"This Season", "Last Season", "Career", "Predicted"};
    static const char* const kGroups[] = {"Offense", "Defense", "Kicking"};
    static const char* const kFormats[] = {"Tab-delmited (.xls)", "Comma-delimited (.csv)",
                                           "Text (.txt)", "HTML (.htm)"};
    Add_Items(hDlg, PRINT_PERIOD, kPeriods, 4);
    Add_Items(hDlg, PRINT_GROUP, kGroups, OUTPUT_SECTION_COUNT);
    Add_Items(hDlg, PRINT_FORMAT, kFormats, OUTPUT_FORMAT_COUNT);
    SendDlgItemMessageA(hDlg, PRINT_PERIOD, CB_SETCURSEL,
                        Clamp(Get_User_Preference(PREF_PRINT_PERIOD), 0, 3), 0);
    SendDlgItemMessageA(hDlg, PRINT_GROUP, CB_SETCURSEL,
                        Clamp(Get_User_Preference(PREF_PRINT_GROUP), 0, OUTPUT_SECTION_COUNT - 1),
                        0);
    SendDlgItemMessageA(hDlg, PRINT_FORMAT, CB_SETCURSEL,
                        Clamp(Get_User_Preference(PREF_PRINT_FORMAT), 0, OUTPUT_FORMAT_COUNT - 1),
                        0);
    Fill_Sort_List(hDlg);
}

static void Remember_Print_Choices(HWND hDlg) {
    Set_User_Preference(PREF_PRINT_PERIOD, Get_Choice(hDlg, PRINT_PERIOD));
    Set_User_Preference(PREF_PRINT_GROUP, Get_Choice(hDlg, PRINT_GROUP));
    Set_User_Preference(PREF_PRINT_SORT, Get_Choice(hDlg, PRINT_SORT));
    Set_User_Preference(PREF_PRINT_FORMAT, Get_Choice(hDlg, PRINT_FORMAT));
}

// "Output\name.ext"; 0 after telling the user when the name is empty or not a plain file name.
static int Make_Output_File_Path(HWND hDlg, char* szPath, int nSize) {
    char szName[PRINT_NAME_CHARS + 1];
    GetDlgItemTextA(hDlg, PRINT_FILE_NAME, szName, (int)sizeof szName);
    if (szName[0] == '\0') {
        Show_Message_Box("No Filename",
                         "You need to enter a filename to output the stats. (You "
                         "should omit the file extension).");
        return 0;
    }
    if (strpbrk(szName, "/\\:") || strcmp(szName, ".") == 0 || strcmp(szName, "..") == 0) {
        Show_Message_Box("Invalid Filename",
                         "'%s' is not a file name. Enter a name without a "
                         "folder.",
                         szName);
        return 0;
    }
    Format_String(szPath, nSize, PRINT_FOLDER "\\%s%s", szName,
                  kExtensions[Clamp(Get_Choice(hDlg, PRINT_FORMAT), 0, OUTPUT_FORMAT_COUNT - 1)]);
    return 1;
}

static void Print_Statistics(HWND hDlg) {
    Remember_Print_Choices(hDlg);
    char szPath[PRINT_PATH_SIZE];
    if (!Make_Output_File_Path(hDlg, szPath, (int)sizeof szPath))
        return;
    Platform_Make_Directory(PRINT_FOLDER);
    int bWritten =
        Write_Output_Results(szPath, Get_Choice(hDlg, PRINT_TEAMS), Get_Choice(hDlg, PRINT_PERIOD),
                             Get_Choice(hDlg, PRINT_GROUP), Get_Choice(hDlg, PRINT_SORT),
                             Get_Choice(hDlg, PRINT_FORMAT));
    if (!bWritten) {  // nothing is printed or opened from a failed write
        Show_Message_Box("Output Results",
                         "Unable to write to file %s. It is possible that the drive is full, or "
                         "the file is in use.",
                         szPath);
        return;
    }
    Show_Message_Box("Output Results", "Player statistics successfully written to %s", szPath);
    if (IsDlgButtonChecked(hDlg, PRINT_TO_PRINTER) == BST_CHECKED)
        ShellExecuteA(hDlg, "print", szPath, NULL, NULL, SW_HIDE);
    if (IsDlgButtonChecked(hDlg, PRINT_VIEW_FILE) == BST_CHECKED)
        Open_With_Shell(hDlg, szPath);
}

static void Init_Print_Dialog(HWND hDlg) {
    Limit_Edit_Box(hDlg, PRINT_FILE_NAME, PRINT_NAME_CHARS);
    Fill_Print_Lists(hDlg);
}

static INT_PTR On_Print_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDOK: Print_Statistics(hDlg); return TRUE;
    case IDCANCEL: EndDialog(hDlg, 0); return TRUE;
    case PRINT_HELP: Open_Help_Page("printing"); return TRUE;
    case PRINT_GROUP:
        if (nCode == CBN_SELCHANGE)
            Fill_Sort_List(hDlg);
        return TRUE;
    default: return FALSE;
    }
}

INT_PTR Print_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Dispatch_Dialog_Message(hDlg, uMsg, wParam, lParam, Init_Print_Dialog, On_Print_Command);
}
