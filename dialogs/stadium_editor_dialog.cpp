// The Stadium Editor: a team's stadium shown, and edited in Commissioner Mode.
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define SE_TEAM 1132
#define SE_NAME 1021
#define SE_CAPACITY 1248
#define SE_STRUCTURE 1250
#define SE_SURFACE 1247
#define SE_HELP 9
#define SE_PICTURE 1428
#define SE_NAME_CHARS 31
#define SE_GRADE_COUNT 5
#define SE_GRADE_BASE 800
#define SE_GRADE_STEP 100
#define SE_STADIUM_NAME TEAM_HOME_LOCATION  // team string 3

static const int kGradeCombos[] = {1309, 1310, 1311};
static const int kGradeStats[] = {STADIUM_CONVENIENCE, STADIUM_COMFORT, STADIUM_SIGHT_LINES};
#define SE_GRADES ((int)(sizeof kGradeCombos / sizeof kGradeCombos[0]))

int Get_Stadium_Grade_Item(int nValue) {
    int nItem = (nValue + SE_GRADE_STEP / 2) / SE_GRADE_STEP - SE_GRADE_BASE / SE_GRADE_STEP;
    return Clamp(nItem, 0, SE_GRADE_COUNT - 1);
}

static void Fill_Stadium_Combos(HWND hDlg) {
    static const char* const kStructures[] = {"Open", "Domed", "Convertible"};
    static const char* const kSurfaces[] = {"Natural Grass", "Artificial Turf"};
    static const char* const kGrades[SE_GRADE_COUNT] = {"Poor", "Fair", "Average", "Good",
                                                        "Excellent"};
    for (const char* sz : kStructures)
        SendDlgItemMessageA(hDlg, SE_STRUCTURE, CB_ADDSTRING, 0, (LPARAM)sz);
    for (const char* sz : kSurfaces)
        SendDlgItemMessageA(hDlg, SE_SURFACE, CB_ADDSTRING, 0, (LPARAM)sz);
    for (int n = 0; n < SE_GRADES; n++) {
        for (const char* sz : kGrades)
            SendDlgItemMessageA(hDlg, kGradeCombos[n], CB_ADDSTRING, 0, (LPARAM)sz);
    }
    Fill_Team_List(hDlg);
}

static void Show_Stadium(HWND hDlg) {
    const int nTeam = Get_Dialog_Team();
    char szName[TEAM_STRING_SIZE];
    Get_Team_String(szName, (int)sizeof szName, nTeam, SE_STADIUM_NAME);
    SetDlgItemTextA(hDlg, SE_NAME, szName);
    SetWindowTextA(hDlg, szName);
    Set_Number_Box(hDlg, SE_CAPACITY, Get_Team_Stadium_Stat(nTeam, STADIUM_CAPACITY));
    SendDlgItemMessageA(hDlg, SE_STRUCTURE, CB_SETCURSEL,
                        Get_Team_Stadium_Stat(nTeam, STADIUM_STRUCTURE), 0);
    SendDlgItemMessageA(hDlg, SE_SURFACE, CB_SETCURSEL,
                        Get_Team_Stadium_Stat(nTeam, STADIUM_SURFACE), 0);
    for (int n = 0; n < SE_GRADES; n++)
        SendDlgItemMessageA(hDlg, kGradeCombos[n], CB_SETCURSEL,
                            Get_Stadium_Grade_Item(Get_Team_Stadium_Stat(nTeam, kGradeStats[n])),
                            0);
    static const int kFields[] = {SE_NAME, SE_CAPACITY, SE_STRUCTURE, SE_SURFACE, 1309, 1310, 1311};
    for (int nId : kFields)
        EnableWindow(GetDlgItem(hDlg, nId), gCommissionerMode != 0);
}

// The fields into the dialog team's stadium; 0 when the capacity is not a number (nothing
// stored). Outside Commissioner Mode the fields cannot change, so this stores what was shown.
static int Store_Stadium(HWND hDlg) {
    const int nTeam = Get_Dialog_Team();
    int nCapacity = 0;
    if (!Read_Number_Box(hDlg, SE_CAPACITY, "Capacity", 1, &nCapacity))
        return 0;
    char szName[TEAM_STRING_SIZE];
    Get_Edit_Box_Text(hDlg, SE_NAME, szName, SE_NAME_CHARS);
    Set_Team_String(nTeam, SE_STADIUM_NAME, szName);
    Set_Team_Stadium_Stat(nTeam, STADIUM_CAPACITY, nCapacity);
    Set_Team_Stadium_Stat(nTeam, STADIUM_STRUCTURE,
                          (int)SendDlgItemMessageA(hDlg, SE_STRUCTURE, CB_GETCURSEL, 0, 0));
    Set_Team_Stadium_Stat(nTeam, STADIUM_SURFACE,
                          (int)SendDlgItemMessageA(hDlg, SE_SURFACE, CB_GETCURSEL, 0, 0));
    for (int n = 0; n < SE_GRADES; n++) {
        int nItem = (int)SendDlgItemMessageA(hDlg, kGradeCombos[n], CB_GETCURSEL, 0, 0);
        Set_Team_Stadium_Stat(nTeam, kGradeStats[n], SE_GRADE_BASE + SE_GRADE_STEP * nItem);
    }
    return 1;
}

static void On_Stadium_Team_Chosen(HWND hDlg) {
    if (gCommissionerMode && !Store_Stadium(hDlg)) {
        Fill_Team_List(hDlg);  // back to the team whose capacity needs a number
        return;
    }
    int nItem = (int)SendDlgItemMessageA(hDlg, SE_TEAM, CB_GETCURSEL, 0, 0);
    if (nItem >= 0)
        Set_Dialog_Team(nItem);
    Show_Stadium(hDlg);
    Redraw_Child_Area(hDlg, GetDlgItem(hDlg, SE_PICTURE));
}

// The stadium's picture over the picture area; nothing when it is missing.
static void Paint_Stadium_Picture(HWND hDlg) {
    char szPicture[TEXT_BUFFER_SIZE];
    Get_Stadium_Picture_Name(szPicture, (int)sizeof szPicture, Get_Dialog_Team());
    Paint_Dialog_Item_Image(hDlg, SE_PICTURE, szPicture);
}

static void Init_Stadium_Editor(HWND hDlg) {
    Limit_Edit_Box(hDlg, SE_NAME, SE_NAME_CHARS);
    Fill_Stadium_Combos(hDlg);
    Show_Stadium(hDlg);
}

static INT_PTR On_Stadium_Editor_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDOK:
        if (Store_Stadium(hDlg))
            EndDialog(hDlg, 1);
        return TRUE;
    case IDCANCEL: EndDialog(hDlg, 1); return TRUE;  // Cancel changes nothing
    case SE_HELP: Open_Help_Page("stadiumeditor"); return TRUE;
    case SE_TEAM:
        if (nCode == CBN_SELCHANGE)
            On_Stadium_Team_Chosen(hDlg);
        return TRUE;
    default: return FALSE;
    }
}

INT_PTR Stadium_Editor_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_PAINT) {
        Paint_Stadium_Picture(hDlg);
        return TRUE;
    }
    return Dispatch_Dialog_Message(hDlg, uMsg, wParam, lParam, Init_Stadium_Editor,
                                   On_Stadium_Editor_Command);
}
