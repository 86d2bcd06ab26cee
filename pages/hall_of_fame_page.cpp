// The users' Hall of Fame page: the ten best careers of the shown difficulty level from
// "VntFame.dat", and the user's own career so far below them.
#include <string.h>

#include "database/database.h"
#include "pages/pages.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define FAME_PAGE_FONT 5
#define FAME_FIRST_ROW_Y 150
#define FAME_ROW_STEP 21
#define FAME_ROW_HEIGHT 18
#define FAME_USER_ROW_Y 382
#define FAME_CELLS 7
#define FAME_EN_DASH "\x96"

#define FAME_TAB_LEFT 15
#define FAME_TAB_WIDTH 172
#define FAME_TAB_TOP 81
#define FAME_TAB_BOTTOM 103

static const int kFameCellLeft[FAME_CELLS] = {15, 132, 295, 391, 482, 573, 676};
static const int kFameCellWidth[FAME_CELLS] = {115, 161, 90, 90, 90, 90, 90};

// One row's seven texts: coach, team, seasons, record, percentage, playoff record, rating.
struct FAME_ROW_TEXTS {
    char aszCell[FAME_CELLS][FAME_TEXT_SIZE];
};

static void Format_Fame_Record(char* szOut, int nWins, int nLosses, int nTies) {
    if (nTies != 0)
        Format_String(szOut, FAME_TEXT_SIZE, "%d-%d-%d", nWins, nLosses, nTies);
    else
        Format_String(szOut, FAME_TEXT_SIZE, "%d-%d", nWins, nLosses);
}

static void Format_Fame_Percentage(char* szOut, int nWins, int nLosses) {
    int nPerMille = nWins + nLosses == 0 ? 0 : Mul_Div(nWins, 1000, nWins + nLosses);
    if (nPerMille >= 1000)
        safe_strncpy(szOut, "1.000", FAME_TEXT_SIZE);
    else
        Format_String(szOut, FAME_TEXT_SIZE, ".%03d", nPerMille);
}

static void Fill_Fame_Row(FAME_ROW_TEXTS* pRow, const FAME_ENTRY* pEntry) {
    safe_strncpy(pRow->aszCell[0], pEntry->szCoach, FAME_TEXT_SIZE);
    safe_strncpy(pRow->aszCell[1], pEntry->szTeam, FAME_TEXT_SIZE);
    Format_String(pRow->aszCell[2], FAME_TEXT_SIZE, "%d-%d", pEntry->nFirstSeason,
                  pEntry->nLastSeason);
    Format_Fame_Record(pRow->aszCell[3], pEntry->nWins, pEntry->nLosses, pEntry->nTies);
    Format_Fame_Percentage(pRow->aszCell[4], pEntry->nWins, pEntry->nLosses);
    Format_String(pRow->aszCell[5], FAME_TEXT_SIZE, "%d-%d", pEntry->nPlayoffWins,
                  pEntry->nPlayoffLosses);
    Format_String(pRow->aszCell[6], FAME_TEXT_SIZE, "%d.%d", pEntry->nRating / 10,
                  pEntry->nRating % 10);
}

// The user's career so far: the best human team, else the best-rated team.
static int Fill_User_Fame_Row(FAME_ROW_TEXTS* pRow) {
    int nTeam = Get_Best_Human_Team();
    if (nTeam == NO_TEAM)
        nTeam = Get_Best_Rated_Team();
    if (nTeam == NO_TEAM)
        return 0;
    FAME_ENTRY entry;
    memset(&entry, 0, sizeof entry);
    Get_Team_String(pRow->aszCell[0], FAME_TEXT_SIZE, nTeam, TEAM_MANAGER_NAME);
    Get_Team_Label(nTeam, pRow->aszCell[1], FAME_TEXT_SIZE);
    int nFirst = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    if (gSeasonNumber == 0)
        safe_strncpy(pRow->aszCell[2], FAME_EN_DASH, FAME_TEXT_SIZE);
    else if (gSeasonNumber == 1)
        Format_String(pRow->aszCell[2], FAME_TEXT_SIZE, "%d", nFirst);
    else
        Format_String(pRow->aszCell[2], FAME_TEXT_SIZE, "%d-%d", nFirst,
                      nFirst + gSeasonNumber - 1);
    for (int nSeason = 0; nSeason < gSeasonNumber; nSeason++) {
        entry.nWins += Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS);
        entry.nLosses += Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES);
        entry.nTies += Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_TIES);
        entry.nPlayoffWins += Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_PLAYOFF_WINS);
        entry.nPlayoffLosses += Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_PLAYOFF_LOSSES);
    }
    Format_Fame_Record(pRow->aszCell[3], entry.nWins, entry.nLosses, entry.nTies);
    Format_Fame_Percentage(pRow->aszCell[4], entry.nWins, entry.nLosses);
    Format_String(pRow->aszCell[5], FAME_TEXT_SIZE, "%d-%d", entry.nPlayoffWins,
                  entry.nPlayoffLosses);
    int nRating = Get_Team_Fame_Rating(nTeam);
    Format_String(pRow->aszCell[6], FAME_TEXT_SIZE, "%d.%d", nRating / 10, nRating % 10);
    return 1;
}

static void Draw_Fame_Row(HDC hdc, const FAME_ROW_TEXTS* pRow, int y, COLORREF colour) {
    for (int nCell = 0; nCell < FAME_CELLS; nCell++) {
        RECT cell = {kFameCellLeft[nCell], y, kFameCellLeft[nCell] + kFameCellWidth[nCell],
                     y + FAME_ROW_HEIGHT};
        Draw_Design_Text_Colour(pRow->aszCell[nCell], hdc, colour, &cell,
                                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
}

// The row colours of the display classes, as the other pages colour their rows: light on the dark
// skins' panels, else by the Dark Text option.
static COLORREF Get_Fame_Class_Colour(int nClass) {
    if (nClass == FAME_CLASS_DEFAULT)
        return Get_Panel_Text_Colour(PAGE_COLOUR_HIGHLIGHT);
    return Get_Panel_Text_Colour(nClass == FAME_CLASS_WHITE ? PAGE_COLOUR_PRIMARY
                                                            : PAGE_COLOUR_FAINT);
}

// The four levels' tabs over the table, the shown one in the highlight colour.
static void Draw_Fame_Tabs(HDC hdc, int nShown) {
    static const char* const kLevels[FAME_LEVELS] = {"Fan", "Coach", "Head Coach", "Vanto"};
    for (int nLevel = 0; nLevel < FAME_LEVELS; nLevel++) {
        RECT tab = {FAME_TAB_LEFT + FAME_TAB_WIDTH * nLevel, FAME_TAB_TOP,
                    FAME_TAB_LEFT + FAME_TAB_WIDTH * (nLevel + 1), FAME_TAB_BOTTOM};
        COLORREF colour = nLevel == nShown ? Get_Fame_Class_Colour(FAME_CLASS_DEFAULT)
                                           : Get_Fame_Class_Colour(FAME_CLASS_GREY);
        Draw_Design_Text_Colour(kLevels[nLevel], hdc, colour, &tab,
                                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void Paint_Hall_Of_Fame_Page(HDC hdc) {
    Draw_Named_Page_Background(hdc, "News\\Vnthof.jpg");
    // Painting never asks: a missing or damaged file shows empty tables.
    static FAME_RECORD record;
    if (!File_Exists("VntFame.dat") || Read_Checked_Fame_File(&record) != FAME_READ_OK)
        memset(&record, 0, sizeof record);
    int nLevel = Get_User_Preference(PREF_FAME_TABLE);
    if (nLevel < 0 || nLevel >= FAME_LEVELS)
        nLevel = 0;
    HFONT hFont = Take_App_Font(FAME_PAGE_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    SetBkMode(hdc, TRANSPARENT);
    Draw_Fame_Tabs(hdc, nLevel);
    FAME_ROW_TEXTS row;
    for (int nRow = 0; nRow < FAME_ROWS; nRow++) {
        const FAME_ENTRY& entry = record.aaTables[nLevel][nRow];
        if (entry.szCoach[0] == 0 && entry.nRating == 0)
            continue;
        Fill_Fame_Row(&row, &entry);
        Draw_Fame_Row(hdc, &row, FAME_FIRST_ROW_Y + FAME_ROW_STEP * nRow,
                      Get_Fame_Class_Colour(entry.nDisplayClass));
    }
    if (nLevel == gDifficulty && Fill_User_Fame_Row(&row))
        Draw_Fame_Row(hdc, &row, FAME_USER_ROW_Y, Get_Fame_Class_Colour(FAME_CLASS_WHITE));
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}
