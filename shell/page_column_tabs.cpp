// The pages' hot spots that the shell handles itself: the Finances page's heading band and column
// tabs, the Calendar page's column tabs and heading band, and the Hall of Fame page's table tabs.
// A column tab opens the chooser of what its column shows.
#include "database/database.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define FINANCES_COLUMN_TABS 8
#define FINANCES_EMPTY_COLUMN 50  // the chooser's count of names: an empty column
#define FINANCES_TAB_LEFT 160
#define FINANCES_TAB_WIDTH 70
#define FINANCES_TAB_TOP 74
#define FINANCES_TAB_BOTTOM 93
#define FINANCES_CASH_COLUMN 15
#define FINANCES_MEDICAL_COLUMN 18
#define FINANCES_SCOUTING_COLUMN 19

#define CALENDAR_COLUMN_TABS 5
#define CALENDAR_EMPTY_COLUMN 20
#define CALENDAR_TAB_TOP 68
#define CALENDAR_TAB_BOTTOM 101
#define CALENDAR_TAB_LEFT 371
#define CALENDAR_TAB_WIDTH 77
#define CALENDAR_DARK_SKIN_TAB_LEFT 381
#define CALENDAR_DARK_SKIN_TAB_WIDTH 72

#define FAME_TABLE_TABS 4
#define FAME_TAB_LEFT 15
#define FAME_TAB_WIDTH 172
#define FAME_TAB_TOP 81
#define FAME_TAB_BOTTOM 103

#define CHOOSER_MADE_A_CHOICE 1

static const RECT kFinancesHeadingBand = {0, 13, 596, 65};
static const RECT kCalendarHeadingBand = {0, 12, 768, 66};

// The tab of a row of equal tabs under the point, or -1.
static int Find_Tab(int nLeft, int nWidth, int nTop, int nBottom, int nTabs, int x, int y) {
    for (int k = 0; k < nTabs; k++) {
        RECT tab = {nLeft + nWidth * k, nTop, nLeft + nWidth * (k + 1), nBottom};
        if (Is_Point_In(&tab, x, y))
            return k;
    }
    return -1;
}

static void Repaint_Page_In_Full(void) {
    gLastPaintedPage = -1;
    Redraw_Main_Window();
}

int Choose_Page_Column(HWND hWnd, int nPreference, int nEmptyValue, int idDialog) {
    Play_Sound("button.wav");
    Set_User_Preference(PREF_CHOSEN_COLUMN, nPreference);
    int nOldValue = Get_User_Preference(nPreference);
    Set_User_Preference(nPreference, nEmptyValue);
    Repaint_Page_In_Full();
    // Only a chooser that reports a choice keeps one: Cancel, Escape or a dialog that could not
    // open give the column back.
    INT_PTR nResult = Open_Dialog(hWnd, idDialog);
    if (nResult != CHOOSER_MADE_A_CHOICE)
        Set_User_Preference(nPreference, nOldValue);
    return nResult == CHOOSER_MADE_A_CHOICE;
}

// ---- the Finances page ---------------------------------------------------------------------------

static int Find_Finances_Tab(int x, int y) {
    return Find_Tab(FINANCES_TAB_LEFT, FINANCES_TAB_WIDTH, FINANCES_TAB_TOP, FINANCES_TAB_BOTTOM,
                    FINANCES_COLUMN_TABS, x, y);
}

int Is_Finances_Page_Hot_Spot(int x, int y) {
    return Is_Point_In(&kFinancesHeadingBand, x, y) || Find_Finances_Tab(x, y) >= 0;
}

// A money column chosen in General Manager Mode, where that money is not the user's to manage.
static void Explain_General_Manager_Column(int nColumn) {
    const char* szNote = NULL;
    switch (nColumn) {
    case FINANCES_CASH_COLUMN:
        szNote =
            "Note: Cash management is not required in 'General Manager Mode'.\n\nTo include "
            "cash and revenue management to your duties, go to the Options Dialog (on the "
            "Tools Menu) and change the Game Mode to 'Owner Mode'.";
        break;
    case FINANCES_MEDICAL_COLUMN:
        szNote =
            "Note: All Medical Staffs are identical in 'General Manager Mode'.\n\nTo control "
            "Medical Staff Expenditures, go to the Options Dialog on the Tools Menu and "
            "change Game Mode to 'Owner Mode'.";
        break;
    case FINANCES_SCOUTING_COLUMN:
        szNote =
            "Note: All Scouting Staffs are identical in 'General Manager Mode'.\n\nTo "
            "control Scouting Staff Expenditures, go to the Options Dialog on the Tools Menu "
            "and change Game Mode to 'Owner Mode'.";
        break;
    default: return;
    }
    Show_Message_Box("General Manager Mode", "%s", szNote);
}

void Click_Finances_Page(int x, int y) {
    if (Is_Point_In(&kFinancesHeadingBand, x, y)) {
        Play_Sound("button.wav");
        Set_User_Preference(PREF_SHOWN_LEAGUE, (Get_User_Preference(PREF_SHOWN_LEAGUE) + 1) % 2);
        Repaint_Page_In_Full();
        return;
    }
    int k = Find_Finances_Tab(x, y);
    if (k < 0)
        return;
    int nPreference = PREF_FINANCES_COLUMNS + k;
    if (Choose_Page_Column(gMainWindow, nPreference, FINANCES_EMPTY_COLUMN, IDD_CHOOSE_STAT_B) &&
        !gOwnerMode)
        Explain_General_Manager_Column(Get_User_Preference(nPreference));
    Repaint_Page_In_Full();
}

// ---- the Calendar page ---------------------------------------------------------------------------

static int Find_Calendar_Tab(int x, int y) {
    int bDark = Is_Skin_Ice_Or_Fire();
    return Find_Tab(bDark ? CALENDAR_DARK_SKIN_TAB_LEFT : CALENDAR_TAB_LEFT,
                    bDark ? CALENDAR_DARK_SKIN_TAB_WIDTH : CALENDAR_TAB_WIDTH, CALENDAR_TAB_TOP,
                    CALENDAR_TAB_BOTTOM, CALENDAR_COLUMN_TABS, x, y);
}

void Click_Calendar_Columns(HWND hWnd, int x, int y) {
    int k = Find_Calendar_Tab(x, y);
    if (k >= 0) {
        Choose_Page_Column(hWnd, PREF_CALENDAR_COLUMNS + k, CALENDAR_EMPTY_COLUMN,
                           IDD_CHOOSE_STAT_C);
        Repaint_Page_In_Full();
    } else if (Is_Point_In(&kCalendarHeadingBand, x, y)) {
        Play_Sound("button.wav");
        Open_Dialog(hWnd, IDD_OTHER_TEAM);
    }
}

// ---- the Hall of Fame page -----------------------------------------------------------------------

static int Find_Fame_Tab(int x, int y) {
    return Find_Tab(FAME_TAB_LEFT, FAME_TAB_WIDTH, FAME_TAB_TOP, FAME_TAB_BOTTOM, FAME_TABLE_TABS,
                    x, y);
}

int Is_Hall_Of_Fame_Page_Hot_Spot(int x, int y) {
    return Find_Fame_Tab(x, y) >= 0;
}

void Click_Hall_Of_Fame_Page(int x, int y) {
    int k = Find_Fame_Tab(x, y);
    if (k < 0)
        return;
    Play_Sound("button.wav");
    Set_User_Preference(PREF_FAME_TABLE, k);
    Repaint_Page_In_Full();
}
