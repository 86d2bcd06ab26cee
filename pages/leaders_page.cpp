// The Leaders page: four top-ten lists of the chosen categories for a league, both leagues or the
// record book, the buttons that switch the league and the season, and a click on a name opening
// the player's card.
#include "database/database.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define LEADERS_HINT_FONT 2
#define LEADERS_ROW_FONT 8
#define LEADERS_HEADING_FONT 9
#define LEADERS_SEASON_FONT 10
#define LEADERS_KIND_FONT 11
#define LEADERS_NAME_SIZE 128
#define LEADERS_LIST_WIDTH 247
#define LEADERS_HEADING_HEIGHT 20
#define LEADERS_ROW_HEIGHT 16
#define LEADERS_CAPTION_BUTTON 20  // the maximise and restore buttons' size
#define LEADERS_CAPTION_HIT 32     // the right part of a heading that toggles the expansion
#define LEADERS_EXPANDED_ROWS RECORD_BOOK_ROWS
#define LEADERS_SEASON_VIEWS 3
#define LEADERS_TABLES 3

static const POINT kListOrigins[LEADER_LIST_COUNT] = {{112, 64}, {410, 64}, {112, 253}, {410, 253}};
static const RECT kKindButton = {126, 8, 353, 46};    // 28 units left of the skin's frame
static const RECT kSeasonButton = {445, 8, 575, 46};  // 21 units right of it
static const RECT kExpandedHeading = {112, 64, 359, 84};
static const RECT kRestoreButton = {339, 64, 359, 84};
static const RECT kExpandedRows = {116, 87, 627, 87 + LEADERS_ROW_HEIGHT* LEADERS_EXPANDED_ROWS};

// The expanded all-time list (1..4), or 0 when the four lists are shown.
static int Get_Expanded_List(void) {
    if (Get_Leaders_Kind() != LEADERS_ALL_TIME)
        return 0;
    int nExpanded = Get_Leaders_View_Byte(LEADER_VIEW_EXPANDED);
    return nExpanded >= 1 && nExpanded <= LEADER_LIST_COUNT ? nExpanded : 0;
}

static int Get_Record_Table(void) {
    int nTable = Get_Leaders_View_Byte(LEADER_VIEW_TABLE);
    return nTable < LEADERS_TABLES ? nTable : 0;
}

static RECT Get_Heading_Rect(int nList) {
    POINT origin = kListOrigins[nList];
    return RECT{origin.x, origin.y, origin.x + LEADERS_LIST_WIDTH,
                origin.y + LEADERS_HEADING_HEIGHT};
}

static RECT Get_Row_Hit_Rect(int nList, int nRow) {
    POINT origin = kListOrigins[nList];
    int nTop = origin.y + 23 + LEADERS_ROW_HEIGHT * nRow;
    return RECT{origin.x + 4, nTop, origin.x + 217, nTop + LEADERS_ROW_HEIGHT};
}

static int Is_Heading_Point(int nList, int x, int y) {
    RECT rect = Get_Heading_Rect(nList);
    return Is_Point_In(&rect, x, y);
}

static int Is_Row_Point(int nList, int nRow, int x, int y) {
    RECT rect = Get_Row_Hit_Rect(nList, nRow);
    return Is_Point_In(&rect, x, y);
}

// ---- painting -----------------------------------------------------------------------------------

static void Draw_Leaders_Hints(HDC hdc) {
    int bDarkSkin = Is_Skin_Ice_Or_Fire();
    COLORREF colour =
        bDarkSkin ? RGB(255, 255, 255) : (gDarkText ? RGB(80, 80, 180) : RGB(255, 170, 170));
    RECT rcLeft = {0, 127, 109, 253}, rcRight = {658, 127, 768, 253};
    if (bDarkSkin) {
        rcLeft.top = rcRight.top = 243;
        rcLeft.bottom = rcRight.bottom = 293;
    }
    UINT uFlags = DT_CENTER | DT_VCENTER;
    Draw_Page_Text_In_Font(hdc, LEADERS_HINT_FONT, "Click list\nheading\nto change\nstat shown",
                           colour, rcLeft, uFlags);
    Draw_Page_Text_In_Font(hdc, LEADERS_HINT_FONT, "Click player\nname to view\nScouting\nReport",
                           colour, rcRight, uFlags);
    COLORREF faint = Get_News_Page_Colour(PAGE_COLOUR_FAINT);
    // Clear of the kind button, which stands 28 units left of the picture's frame.
    if (Is_Skin_Earth())
        Draw_Page_Text_In_Font(hdc, LEADERS_HINT_FONT, "Click to\nchange", faint,
                               RECT{62, 8, 122, 46}, uFlags);
    else
        Draw_Page_Text_In_Font(hdc, LEADERS_HINT_FONT, "Click to change", faint,
                               RECT{0, 12, 120, 46}, uFlags);
}

static void Draw_Leaders_Buttons(HDC hdc, int nKind) {
    char szText[LEADERS_NAME_SIZE];
    if (nKind == LEADERS_ALL_TIME) {
        safe_strncpy(szText, "All-Time Leaders", sizeof szText);
    } else if (nKind == LEADERS_BOTH_LEAGUES) {
        safe_strncpy(szText, "Both Conferences", sizeof szText);
    } else {
        char szLeague[LEADERS_NAME_SIZE];
        Get_League_Name(nKind, szLeague, sizeof szLeague);
        Format_String(szText, sizeof szText, "%s Leaders", szLeague);
    }
    int bDarkSkin = Is_Skin_Ice_Or_Fire();
    UINT uFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    Draw_Page_Text_In_Font(hdc, LEADERS_KIND_FONT, szText,
                           bDarkSkin ? RGB(255, 255, 255) : RGB(0, 0, 0), kKindButton, uFlags);

    if (nKind == LEADERS_ALL_TIME) {
        static const char* const kTables[LEADERS_TABLES] = {"Career", "Season", "Game"};
        safe_strncpy(szText, kTables[Get_Record_Table()], sizeof szText);
    } else {
        int nView = Get_Leaders_View_Byte(LEADER_VIEW_SEASON);
        if (nView == SEASON_CAREER)
            safe_strncpy(szText, "Career", sizeof szText);
        else
            Format_String(szText, sizeof szText, "%d",
                          Get_Season_Year() - (nView == SEASON_PREVIOUS ? 1 : 0));
    }
    COLORREF colour = RGB(0, 0, 0);
    RECT rect = kSeasonButton;
    if (bDarkSkin) {
        colour = Is_Skin_Ice() ? RGB(30, 30, 130) : RGB(130, 30, 30);
        rect.bottom += 4;
    }
    Draw_Page_Text_In_Font(hdc, LEADERS_SEASON_FONT, szText, colour, rect, uFlags);
}

static void Draw_Caption_Button(HDC hdc, RECT rect, UINT uState) {
    Scale_Design_Rect(&rect);
    DrawFrameControl(hdc, &rect, DFC_CAPTION, uState);
}

static void Draw_List_Heading(HDC hdc, int nCategory, RECT rect) {
    char szName[LEADERS_NAME_SIZE] = "";
    if (nCategory < LEADER_CATEGORY_COUNT)
        Get_Player_Leader_Column_Name(szName, sizeof szName, nCategory);
    Draw_Page_Text_In_Font(hdc, LEADERS_HEADING_FONT, szName, RGB(0, 0, 0), rect,
                           DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

static void Draw_Leaders_Headings(HDC hdc, int nKind, int nExpanded) {
    if (nExpanded) {
        Draw_Caption_Button(hdc, kRestoreButton, DFCS_CAPTIONRESTORE);
        Draw_List_Heading(hdc, Get_Leader_List_Category(nExpanded - 1), kExpandedHeading);
        return;
    }
    for (int j = 0; j < LEADER_LIST_COUNT; j++) {
        RECT rect = Get_Heading_Rect(j);
        Draw_List_Heading(hdc, Get_Leader_List_Category(j), rect);
        if (nKind == LEADERS_ALL_TIME)
            Draw_Caption_Button(
                hdc, RECT{rect.right - LEADERS_CAPTION_BUTTON, rect.top, rect.right, rect.bottom},
                DFCS_CAPTIONMAX);
    }
}

static COLORREF Get_Leader_Team_Colour(int nTeam) {
    return Get_Panel_Text_Colour(Is_Human_Team(nTeam) ? PAGE_COLOUR_HIGHLIGHT
                                                      : PAGE_COLOUR_PRIMARY);
}

// One row: the name left-aligned, the value centred in the 49 units after it.
static void Draw_Leader_Row(HDC hdc, int nList, int nRow, const char* szName, const char* szValue,
                            COLORREF colour) {
    POINT origin = kListOrigins[nList];
    int nTop = origin.y + LEADERS_HEADING_HEIGHT + LEADERS_ROW_HEIGHT * nRow;
    UINT uFlags = DT_VCENTER | DT_SINGLELINE;
    Draw_Page_Text_In_Font(hdc, LEADERS_ROW_FONT, szName, colour,
                           RECT{origin.x + 3, nTop, origin.x + 196, nTop + 17}, uFlags | DT_LEFT);
    Draw_Page_Text_In_Font(hdc, LEADERS_ROW_FONT, szValue, colour,
                           RECT{origin.x + 196, nTop, origin.x + 245, nTop + 17},
                           uFlags | DT_CENTER);
}

static void Draw_Leader_Lists(HDC hdc) {
    Build_Leader_Lists();
    for (int j = 0; j < LEADER_LIST_COUNT; j++) {
        int nCategory = Get_Leader_List_Category(j);
        for (int r = 0; r < LEADER_LIST_ROWS; r++) {
            const LEADER_ROW* pRow = &gLeaderLists[j][r];
            if (pRow->nTeam == NO_TEAM || !Is_Player_Slot_Used(pRow->nTeam, pRow->nSlot))
                continue;
            char szPlayer[LEADERS_NAME_SIZE], szName[LEADERS_NAME_SIZE], szValue[32];
            Get_Player_Last_First_Name(pRow->nTeam, pRow->nSlot, szPlayer, sizeof szPlayer);
            if (pRow->nTeam == FREE_AGENT_TEAM) {
                safe_strncpy(szName, szPlayer, sizeof szName);
            } else {
                char szTeam[LEADERS_NAME_SIZE];
                Get_Team_String(szTeam, sizeof szTeam, pRow->nTeam, TEAM_ABBREVIATION);
                Format_String(szName, sizeof szName, "%s (%s)", szPlayer, szTeam);
            }
            Format_Leader_Value(nCategory, pRow->nValue, szValue, sizeof szValue);
            Draw_Leader_Row(hdc, j, r, szName, szValue, Get_Leader_Team_Colour(pRow->nTeam));
        }
    }
}

// The team a record-book row's player is on now: NO_TEAM when he is gone.
static int Find_Record_Player_Team(const RECORD_BOOK_ROW* pRow, int* pSlot) {
    int nTeam = NO_TEAM;
    *pSlot = -1;
    PLAYER_REF nRef;
    if (pRow->nPlayerId >= 1 && Find_Player_ID(&nRef, pRow->nPlayerId))
        Unpack_Player_Ref(nRef, &nTeam, pSlot);
    return nTeam;
}

// "Last, First" and " (ABC)" for a player still on a league team; the colour faint when gone.
static void Format_Record_Name(const RECORD_BOOK_ROW* pRow, const char* szSeparator, char* szOut,
                               int nSize, COLORREF* pColour) {
    int nSlot;
    int nTeam = Find_Record_Player_Team(pRow, &nSlot);
    char szTeam[LEADERS_NAME_SIZE] = "";
    if (nTeam != NO_TEAM && nTeam != FREE_AGENT_TEAM) {
        char szAbbreviation[LEADERS_NAME_SIZE];
        Get_Team_String(szAbbreviation, sizeof szAbbreviation, nTeam, TEAM_ABBREVIATION);
        Format_String(szTeam, sizeof szTeam, "%s(%s)", szSeparator, szAbbreviation);
    }
    Format_String(szOut, nSize, "%s, %s%s", pRow->szLastName, pRow->szFirstName, szTeam);
    *pColour =
        nTeam == NO_TEAM ? Get_Panel_Text_Colour(PAGE_COLOUR_FAINT) : Get_Leader_Team_Colour(nTeam);
}

static void Draw_All_Time_Lists(HDC hdc) {
    int nTable = Get_Record_Table();
    for (int j = 0; j < LEADER_LIST_COUNT; j++) {
        int nCategory = Get_Leader_List_Category(j);
        if (nCategory >= LEADER_CATEGORY_COUNT)
            continue;
        for (int r = 0; r < LEADER_LIST_ROWS; r++) {
            const RECORD_BOOK_ROW* pRow = Get_Record_Book_Row(nTable, nCategory, r);
            if (pRow == NULL || pRow->szLastName[0] == 0)
                continue;
            char szName[LEADERS_NAME_SIZE], szValue[32];
            COLORREF colour;
            Format_Record_Name(pRow, " ", szName, sizeof szName, &colour);
            Format_Leader_Value(nCategory, pRow->nValue, szValue, sizeof szValue);
            Draw_Leader_Row(hdc, j, r, szName, szValue, colour);
        }
    }
}

// The year cell: the season, or the week and year of a game or a career's last week.
static void Format_Record_Year(const RECORD_BOOK_ROW* pRow, int nTable, char* szOut, int nSize) {
    if (nTable == 1 || pRow->nWeek < 0)
        Format_String(szOut, nSize, "%04d", pRow->nYear);
    else
        Format_String(szOut, nSize, "Week %d, %04d", pRow->nWeek + 1, pRow->nYear);
}

static void Draw_All_Time_List_Expanded(HDC hdc, int nExpanded) {
    int nTable = Get_Record_Table();
    int nCategory = Get_Leader_List_Category(nExpanded - 1);
    COLORREF faint = Get_Panel_Text_Colour(PAGE_COLOUR_FAINT);
    UINT uFlags = DT_VCENTER | DT_SINGLELINE;
    Draw_Page_Text_In_Font(hdc, LEADERS_ROW_FONT, nTable == 0 ? "Through" : "Year", faint,
                           RECT{386, 64, 511, 84}, uFlags | DT_CENTER);
    Draw_Page_Text_In_Font(hdc, LEADERS_ROW_FONT, "Age", faint, RECT{511, 64, 571, 84},
                           uFlags | DT_CENTER);
    Draw_Page_Text_In_Font(hdc, LEADERS_ROW_FONT, nTable == 0 ? "Career" : "Team", faint,
                           RECT{571, 64, 661, 84}, uFlags | DT_CENTER);
    if (nCategory >= LEADER_CATEGORY_COUNT)
        return;
    for (int r = 0; r < LEADERS_EXPANDED_ROWS; r++) {
        const RECORD_BOOK_ROW* pRow = Get_Record_Book_Row(nTable, nCategory, r);
        if (pRow == NULL || pRow->szLastName[0] == 0)
            continue;
        int nTop = 84 + LEADERS_ROW_HEIGHT * r, nBottom = nTop + 17;
        char szText[LEADERS_NAME_SIZE];
        COLORREF colour;
        Format_Record_Name(pRow, " ", szText, sizeof szText, &colour);
        Draw_Page_Text_In_Font(hdc, LEADERS_ROW_FONT, szText, colour, RECT{119, nTop, 312, nBottom},
                               uFlags | DT_LEFT);
        Format_Leader_Value(nCategory, pRow->nValue, szText, sizeof szText);
        Draw_Page_Text_In_Font(hdc, LEADERS_ROW_FONT, szText, colour, RECT{312, nTop, 386, nBottom},
                               uFlags | DT_CENTER);
        Format_Record_Year(pRow, nTable, szText, sizeof szText);
        Draw_Page_Text_In_Font(hdc, LEADERS_ROW_FONT, szText, colour, RECT{386, nTop, 511, nBottom},
                               uFlags | DT_CENTER);
        szText[0] = 0;
        if (pRow->nAge > 0)
            Format_String(szText, sizeof szText, "%d", pRow->nAge);
        Draw_Page_Text_In_Font(hdc, LEADERS_ROW_FONT, szText, colour, RECT{511, nTop, 571, nBottom},
                               uFlags | DT_CENTER);
        if (nTable == 0) {
            Format_String(szText, sizeof szText, "%d season%s", pRow->nExperience,
                          pRow->nExperience > 1 ? "s" : "");
        } else {
            szText[0] = 0;
            if (pRow->nTeam >= 0)
                Get_Team_String(szText, sizeof szText, pRow->nTeam, TEAM_ABBREVIATION);
        }
        Draw_Page_Text_In_Font(hdc, LEADERS_ROW_FONT, szText, colour, RECT{571, nTop, 661, nBottom},
                               uFlags | DT_CENTER);
    }
}

void Paint_Leaders_Page(HDC hdc) {
    int nKind = Get_Leaders_Kind();
    int nExpanded = Get_Expanded_List();
    Draw_Named_Page_Background(hdc, nExpanded ? "news\\leaders1.jpg" : "news\\leaders.jpg");
    SetBkMode(hdc, TRANSPARENT);
    Draw_Leaders_Hints(hdc);
    Draw_Leaders_Buttons(hdc, nKind);
    Draw_Leaders_Headings(hdc, nKind, nExpanded);
    if (nExpanded)
        Draw_All_Time_List_Expanded(hdc, nExpanded);
    else if (nKind == LEADERS_ALL_TIME)
        Draw_All_Time_Lists(hdc);
    else
        Draw_Leader_Lists(hdc);
}

// ---- the mouse ----------------------------------------------------------------------------------

// The row under the point: list and row, or 0 when none.
static int Find_Leader_Row(int x, int y, int* pList, int* pRow) {
    if (Get_Expanded_List()) {
        if (!Is_Point_In(&kExpandedRows, x, y))
            return 0;
        *pList = Get_Expanded_List() - 1;
        *pRow = (y - kExpandedRows.top) / LEADERS_ROW_HEIGHT;
        return 1;
    }
    for (int j = 0; j < LEADER_LIST_COUNT; j++) {
        for (int r = 0; r < LEADER_LIST_ROWS; r++) {
            if (Is_Row_Point(j, r, x, y)) {
                *pList = j;
                *pRow = r;
                return 1;
            }
        }
    }
    return 0;
}

// The list whose heading holds the point (only list 0's place while a list is expanded), or -1.
static int Find_Leader_Heading(int x, int y) {
    int nLists = Get_Expanded_List() ? 1 : LEADER_LIST_COUNT;
    for (int j = 0; j < nLists; j++) {
        if (Is_Heading_Point(j, x, y))
            return j;
    }
    return -1;
}

int Is_Leaders_Page_Hot_Spot(int x, int y) {
    if (Is_Point_In(&kKindButton, x, y) || Is_Point_In(&kSeasonButton, x, y) ||
        Find_Leader_Heading(x, y) >= 0)
        return 1;
    int nList, nRow;
    return Find_Leader_Row(x, y, &nList, &nRow) ? 2 : 0;
}

static void Cycle_Leaders_Kind(void) {
    int nKind = (Get_Leaders_Kind() + 1) % (LEADERS_ALL_TIME + 1);
    if (nKind == LEADERS_SECOND_LEAGUE && Count_Active_Leagues() < 2)
        nKind = LEADERS_BOTH_LEAGUES;
    Set_User_Preference(PREF_LEADER_KIND, nKind);
    Force_Page_Repaint();
}

static void Cycle_Leaders_Season(void) {
    int nByte = Get_Leaders_Kind() == LEADERS_ALL_TIME ? LEADER_VIEW_TABLE : LEADER_VIEW_SEASON;
    Set_Leaders_View_Byte(nByte, (Get_Leaders_View_Byte(nByte) + 1) % LEADERS_SEASON_VIEWS);
    Force_Page_Repaint();
}

// The caption button's end toggles the expanded all-time list; the rest opens the chooser.
static void Click_Leader_Heading(HWND hWnd, int nList, int x) {
    int nExpanded = Get_Expanded_List();
    RECT rect = Get_Heading_Rect(nList);
    if (Get_Leaders_Kind() == LEADERS_ALL_TIME && x >= rect.right - LEADERS_CAPTION_HIT) {
        Play_Sound("button.wav");
        Set_Leaders_View_Byte(LEADER_VIEW_EXPANDED, nExpanded ? 0 : nList + 1);
        Force_Page_Repaint();
        return;
    }
    int nPreference = PREF_LEADER_CATEGORIES + (nExpanded ? nExpanded - 1 : nList);
    Choose_Page_Column(hWnd, nPreference, LEADER_CATEGORY_COUNT, IDD_LEADER_HEADING);
    Force_Page_Repaint();
}

// The player of a shown row: from the record book in the all-time view, else the built list.
static int Get_Leader_Row_Player(int nList, int nRow, int* pTeam, int* pSlot) {
    if (Get_Leaders_Kind() != LEADERS_ALL_TIME) {
        const LEADER_ROW* pRow = &gLeaderLists[nList][nRow];
        *pTeam = pRow->nTeam;
        *pSlot = pRow->nSlot;
        return pRow->nTeam != NO_TEAM && Is_Player_Slot_Used(pRow->nTeam, pRow->nSlot);
    }
    int nCategory = Get_Leader_List_Category(nList);
    if (nCategory >= LEADER_CATEGORY_COUNT)
        return 0;
    const RECORD_BOOK_ROW* pRow = Get_Record_Book_Row(Get_Record_Table(), nCategory, nRow);
    if (pRow == NULL)
        return 0;
    *pTeam = Find_Record_Player_Team(pRow, pSlot);
    return *pTeam != NO_TEAM;
}

void Open_Leader_Scouting_Report(int nList, int nRow) {
    int nTeam, nSlot;
    if (Get_Leader_Row_Player(nList, nRow, &nTeam, &nSlot))
        Open_Scouting_Report(nTeam, nSlot, gMainWindow, NULL);
}

void Click_Leaders_Page(int x, int y) {
    if (Is_Point_In(&kKindButton, x, y)) {
        Play_Sound("button.wav");
        Cycle_Leaders_Kind();
        return;
    }
    if (Is_Point_In(&kSeasonButton, x, y)) {
        Play_Sound("button.wav");
        Cycle_Leaders_Season();
        return;
    }
    int nList = Find_Leader_Heading(x, y);
    if (nList >= 0) {
        Click_Leader_Heading(gMainWindow, nList, x);
        return;
    }
    int nRow;
    if (Find_Leader_Row(x, y, &nList, &nRow)) {
        Play_Sound("switch.wav");
        Open_Leader_Scouting_Report(nList, nRow);
    }
}
