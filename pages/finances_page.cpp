// The Finances page: the teams of one league in rows with eight columns of the user's choice and
// a league-average row. Its heading band and column tabs are the page mouse's.
#include <ctype.h>

#include "database/database.h"
#include "pages/pages.h"
#include "personnel/personnel.h"
#include "shell/shell.h"

#define FINANCES_HINT_FONT 5
#define FINANCES_TABLE_FONT 9
#define FINANCES_CELL_COLUMNS 9
#define FINANCES_ROWS 18
#define FINANCES_FIRST_ROW_Y 96
#define FINANCES_ROW_STEP 19
#define FINANCES_ROW_HEIGHT 16
#define FINANCES_DARK_SKIN_SHIFT 12
#define FINANCES_TAB_LEFT 160
#define FINANCES_TAB_WIDTH 70
#define FINANCES_TAB_TOP 74
#define FINANCES_TAB_BOTTOM 92
#define FINANCES_FULL_LEAGUE 17  // teams that fill the rows up to the average row
#define FINANCES_COLUMN_PREFERENCE_BASE 104  // + cell column 1..8

static const int kFinancesColumnLeft[FINANCES_CELL_COLUMNS] = {29,  162, 232, 302, 372,
                                                               442, 512, 582, 652};

int Get_Finances_Cell_Text(int nTeam, int nColumn, char* szOut, int nSize) {
    szOut[0] = 0;
    if (nColumn == 0) {
        if (nTeam == LEAGUE_AVERAGE_TEAM) {
            safe_strncpy(szOut, "NFL Average", nSize);
        } else if (Is_Team_Active(nTeam)) {
            Get_Team_String(szOut, nSize, nTeam, TEAM_CITY);
            if (Is_Human_Team(nTeam))
                szOut[0] = (char)toupper((unsigned char)szOut[0]);
        }
        return szOut[0] != 0;
    }
    if (nColumn < 1 || nColumn >= FINANCES_CELL_COLUMNS)
        return 0;
    return Get_Team_Info_Cell_Text(
        Get_User_Preference(FINANCES_COLUMN_PREFERENCE_BASE + nColumn), nTeam, szOut, nSize);
}

static void Draw_Finances_Column_Headers(HDC hdc) {
    int bDark = Is_Skin_Ice_Or_Fire();
    SetTextColor(hdc, bDark ? RGB(255, 255, 255) : RGB(0, 0, 0));
    for (int k = 0; k < FINANCES_CELL_COLUMNS - 1; k++) {
        int nLeft = FINANCES_TAB_LEFT + FINANCES_TAB_WIDTH * k;
        RECT tab = {nLeft, FINANCES_TAB_TOP, nLeft + FINANCES_TAB_WIDTH, FINANCES_TAB_BOTTOM};
        if (!bDark)
            Draw_Design_Frame_Control(&tab, hdc, DFC_BUTTON, DFCS_BUTTONPUSH);
        char szName[64];
        Get_Team_Info_Column_Name(szName, sizeof szName,
                                  Get_User_Preference(PREF_FINANCES_COLUMNS + k));
        RECT text = tab;
        text.left += bDark ? 14 : 2;
        text.right += bDark ? 10 : -2;
        Draw_Design_Text_Centered(hdc, &text, szName, FINANCES_HINT_FONT);
    }
}

// What row r holds: a team, the league average or nothing (NO_TEAM).
static int Get_Finances_Row_Team(int nLeague, int nTeams, int nRow) {
    if (nRow < nTeams)
        return Get_Nth_League_Team(nLeague, nRow);
    if (nRow == nTeams + 1 || (nRow == nTeams && nTeams == FINANCES_FULL_LEAGUE))
        return LEAGUE_AVERAGE_TEAM;
    return NO_TEAM;
}

static COLORREF Pick(COLORREF normal, COLORREF darkText) {
    return gDarkText ? darkText : normal;
}

static COLORREF Get_Finances_Cell_Colour(int nTeam, const char* szText) {
    int bHuman = nTeam != LEAGUE_AVERAGE_TEAM && Is_Human_Team(nTeam);
    if (szText[0] == '-')
        return bHuman ? Pick(RGB(255, 170, 170), RGB(130, 30, 30))
                      : Pick(RGB(210, 180, 110), RGB(160, 70, 70));
    if (bHuman)
        return Get_News_Page_Colour(PAGE_COLOUR_HIGHLIGHT);
    if (nTeam == LEAGUE_AVERAGE_TEAM)
        return Get_News_Page_Colour(PAGE_COLOUR_AVERAGE_ROW);
    return Pick(RGB(170, 166, 46), RGB(160, 70, 70));
}

static void Draw_Finances_Table(HDC hdc, int nLeague) {
    int nTeams = Count_League_Teams(nLeague);
    int nShift = Is_Skin_Ice_Or_Fire() ? FINANCES_DARK_SKIN_SHIFT : 0;
    HFONT hFont = Take_App_Font(FINANCES_TABLE_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    for (int nRow = 0; nRow < FINANCES_ROWS; nRow++) {
        int nTeam = Get_Finances_Row_Team(nLeague, nTeams, nRow);
        if (nTeam == NO_TEAM)
            continue;
        int y = FINANCES_FIRST_ROW_Y + FINANCES_ROW_STEP * nRow + nRow / 3;
        for (int nColumn = 0; nColumn < FINANCES_CELL_COLUMNS; nColumn++) {
            char szCell[64];
            Get_Finances_Cell_Text(nTeam, nColumn, szCell, sizeof szCell);
            int nLeft = kFinancesColumnLeft[nColumn] + nShift;
            RECT cell = {nLeft, y, nLeft + (nColumn == 0 ? 131 : 68), y + FINANCES_ROW_HEIGHT};
            UINT uAlign = nColumn == 0 ? DT_LEFT : DT_CENTER;
            Draw_Design_Text_Colour(szCell, hdc, Get_Finances_Cell_Colour(nTeam, szCell), &cell,
                                    uAlign | DT_VCENTER | DT_SINGLELINE);
        }
    }
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

void Paint_Finances_Page(HDC hdc) {
    Draw_Named_Page_Background(hdc, "news\\finance.jpg");
    Clear_Team_Unit_Scores();
    SetBkMode(hdc, TRANSPARENT);
    int nLeague = Get_User_Preference(PREF_SHOWN_LEAGUE) == 1 ? 1 : 0;
    HFONT hFont = Take_App_Font(FINANCES_HINT_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    Draw_Finances_Column_Headers(hdc);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
    char szLeague[64], szTitle[96];
    Get_League_Name(nLeague, szLeague, sizeof szLeague);
    Format_String(szTitle, sizeof szTitle, "%s Finances", szLeague);
    Draw_League_Page_Heading(hdc, nLeague, szTitle, Get_Heading_Right_Edge());
    Draw_Finances_Table(hdc, nLeague);
}
