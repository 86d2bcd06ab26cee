// The Games page's own controls: the week tabs and the other games of the week as tiles, the Box
// Score and Play-By-Play buttons that open the reports with the system's browser, the team names
// and the players of the side panels, and the click handler of the whole game-day screen.
#include "pages/game_screen_internal.h"

#define TAB_FONT 2
#define TILE_FONT 5
#define TILE_COLUMNS 5
#define TILE_WIDTH 150
#define TILE_HEIGHT 56
#define TAB_LEFT 154
#define TAB_STEP 99
#define TAB_TOP 266
#define TAB_BOTTOM 284
#define WEEK_TABS 6
#define STEP_LIMIT 1000
#define TEAM_NICKNAME_LIMIT 37
#define OFFENSE_DEPTH_DIALOG 119
#define PANEL_ROWS 17
#define STORED_ROWS 18
#define STORED_ROWS_DARK 15
#define FINAL_WEEK_ENTRY 4

static const RECT kBoxScoreButton = {346, 105, 422, 120};
static const RECT kRecapButton = {346, 121, 422, 136};

static int Is_In(const RECT* pRect, int x, int y) {
    return x >= pRect->left && x < pRect->right && y >= pRect->top && y < pRect->bottom;
}

int Is_Point_In_File_Button(int x, int y) {
    return Is_In(&kBoxScoreButton, x, y) || Is_In(&kRecapButton, x, y);
}

static int Get_Game_Week(GAME* pGame) {
    return Get_Game_Info(pGame, GAME_INFO_WEEK);
}

static GAME* Get_Selected_Stored_Game(void) {
    return gSelectedGame < 0 ? NULL : Get_Game_Record(gSelectedGame);
}

// ---- week tabs ----------------------------------------------------------------------------------

static int Get_First_Tab_Week(int nWeek) {
    return Max_Int(nWeek - 3, 0);
}

// The tabs cover three weeks before the shown one and two after; returns the shown week's tab.
static int Draw_Score_Week_Tabs(HDC hdc) {
    GAME* pGame = Get_Selected_Stored_Game();
    if (pGame == NULL)
        return 0;
    const int w = Get_Game_Week(pGame);
    const int nFirst = Get_First_Tab_Week(w);
    int nLast = Min_Int(w + 2 + Max_Int(3 - w, 0), gCurrentWeek - 1);
    if (hdc == NULL)
        return w - nFirst;
    const int nDrop = Is_Skin_Ice_Or_Fire() ? 0 : 4;
    Draw_Page_Text_In_Font(hdc, TILE_FONT, "Scores", RGB(0, 0, 0), RECT{25, 266 + nDrop, 85, 285},
                           DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    for (int nWeek = nFirst; nWeek <= nLast; nWeek++) {
        if (nWeek >= gPostseasonWeeks[FINAL_WEEK_ENTRY])
            continue;
        int k = nWeek - nFirst;
        char szName[WEEK_NAME_SIZE];
        Get_Week_Short_Name(nWeek, szName, sizeof(szName));
        COLORREF colour;
        if (nWeek == w)
            colour = gDarkText && !Is_Skin_Ice_Or_Fire() ? RGB(0, 0, 0) : RGB(255, 255, 255);
        else
            colour = Is_Skin_Ice_Or_Fire() ? RGB(170, 170, 170) : RGB(113, 113, 113);
        Draw_Page_Text_In_Font(hdc, TAB_FONT, szName, colour,
                               RECT{159 + 99 * k, 266 + nDrop, 248 + 99 * k, 285},
                               DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    }
    return w - nFirst;
}

void Step_Selected_Game_To_Week(int nWeek) {
    nWeek = Min_Int(nWeek, gPostseasonWeeks[FINAL_WEEK_ENTRY] - 1);
    const int nStored = Count_Stored_Games();
    if (nStored <= 0 || gSelectedGame < 0)
        return;
    for (int nStep = 0; nStep < STEP_LIMIT; nStep++) {
        int nShown = Get_Game_Week(Get_Game_Record(gSelectedGame));
        if (nShown == nWeek)
            return;
        int nNext = gSelectedGame + (nWeek < nShown ? -1 : 1);
        if (nNext < 0 || nNext >= nStored)
            return;
        gSelectedGame = nNext;
    }
}

int Click_Score_Week_Tab(int x, int y) {
    if (y < TAB_TOP || y > TAB_BOTTOM || x < TAB_LEFT || gSelectedGame < 0)
        return 0;
    const int k = (x - TAB_LEFT) / TAB_STEP;
    if (k >= gCurrentWeek)
        return 0;
    const int w = Get_Game_Week(Get_Selected_Stored_Game());
    Step_Selected_Game_To_Week(w + Min_Int(k, WEEK_TABS - 1) - Draw_Score_Week_Tabs(NULL));
    Force_Page_Repaint();
    return 1;
}

// ---- tiles --------------------------------------------------------------------------------------

// The tile under a point among the week's other games (in home-team order): its number, and the
// game's index in *pGameIndex; -1 for none.
static int Find_Tile_At(int x, int y, int* pGameIndex) {
    GAME* pShown = Get_Selected_Stored_Game();
    if (pShown == NULL)
        return -1;
    const int nWeek = Get_Game_Week(pShown);
    const int nStored = Count_Stored_Games();
    int nTile = 0;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++)
        for (int n = 0; n < nStored; n++) {
            GAME* pGame = Get_Game_Record(n);
            if (Get_Game_Week(pGame) != nWeek || pGame->anTeams[HOME_SIDE] != nTeam)
                continue;
            if (n != gSelectedGame) {
                const int c = nTile % TILE_COLUMNS, r = nTile / TILE_COLUMNS;
                RECT hit = {21 + 150 * c, 295 + 56 * r, 147 + 150 * c, 341 + 56 * r};
                if (Is_In(&hit, x, y)) {
                    *pGameIndex = n;
                    return nTile;
                }
                nTile++;
            }
            break;
        }
    return -1;
}

static void Get_Tile_Team_Name(int nTeam, char* szOut, int nSize) {
    szOut[0] = 0;
    if (nTeam > TEAM_NICKNAME_LIMIT)
        return;
    Get_Team_Nickname(nTeam, szOut, nSize);
    if (strcmp(szOut, "Football Team") == 0)
        Get_Team_City(nTeam, szOut, nSize);
}

static void Draw_Game_Tile(HDC hdc, GAME* pGame, int nTile) {
    const int x = TILE_WIDTH * (nTile % TILE_COLUMNS), y = TILE_HEIGHT * (nTile / TILE_COLUMNS);
    const int nWinner =
        pGame->anScores[HOME_SIDE] > pGame->anScores[VISITOR_SIDE] ? HOME_SIDE : VISITOR_SIDE;
    for (int l = 0; l < 2; l++) {
        COLORREF colour;
        if (l == nWinner)
            colour = Is_Skin_Ice_Or_Fire() || gDarkText ? RGB(0, 0, 0) : RGB(255, 255, 255);
        else
            colour = Is_Skin_Ice_Or_Fire() ? RGB(52, 52, 52)
                     : gDarkText           ? RGB(130, 30, 30)
                                           : RGB(255, 249, 69);
        char szName[TEAM_LABEL_SIZE], szScore[16];
        Get_Tile_Team_Name(pGame->anTeams[l], szName, sizeof(szName));
        Format_String(szScore, sizeof(szScore), "%d", pGame->anScores[l]);
        RECT box = {x + 31, y + 297 + 15 * l, x + 137, y + 346};
        Draw_Page_Text_In_Font(hdc, TILE_FONT, szName, colour, box, DT_LEFT | DT_SINGLELINE);
        Draw_Page_Text_In_Font(hdc, TILE_FONT, szScore, colour, box, DT_RIGHT | DT_SINGLELINE);
    }
    char szStar[128];
    int nSide = pGame->anScores[VISITOR_SIDE] < pGame->anScores[HOME_SIDE] ? HOME_SIDE
                                                                            : VISITOR_SIDE;
    Format_Player_Of_The_Game(pGame, nSide, szStar, sizeof(szStar), 1);
    Draw_Page_Text_In_Font(hdc, 2, szStar, gDarkText ? RGB(30, 30, 130) : RGB(255, 215, 215),
                           RECT{x + 6, y + 327, x + 162, y + 385}, DT_CENTER | DT_WORDBREAK);
}

void Draw_Game_Tiles(HDC hdc) {
    GAME* pShown = Get_Selected_Stored_Game();
    if (pShown == NULL)
        return;
    const int nWeek = Get_Game_Week(pShown);
    const int nStored = Count_Stored_Games();
    int nTile = 0;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++)
        for (int n = 0; n < nStored; n++) {
            GAME* pGame = Get_Game_Record(n);
            if (Get_Game_Week(pGame) != nWeek || pGame->anTeams[HOME_SIDE] != nTeam)
                continue;
            if (n != gSelectedGame)
                Draw_Game_Tile(hdc, pGame, nTile++);
            break;
        }
}

int Click_Game_Tile(int bSelect, int x, int y) {
    int nGame = -1;
    if (Find_Tile_At(x, y, &nGame) < 0)
        return 0;
    if (bSelect) {
        gSelectedGame = nGame;
        Force_Page_Repaint();
    }
    return 1;
}

// ---- buttons, names and rows --------------------------------------------------------------------

static void Draw_File_Button(HDC hdc, const RECT* pRect, const char* szCaption) {
    Draw_Design_Frame_Control(pRect, hdc, DFC_BUTTON, DFCS_BUTTONPUSH);
    Draw_Page_Text_In_Font(hdc, 2, szCaption, gDarkText ? RGB(0, 0, 0) : RGB(255, 255, 255),
                           *pRect, DT_CENTER | DT_WORDBREAK);
}

// A game played unwatched while the page shows a stored one leaves the stored game's controls.
void Draw_Game_Screen_Tabs(HDC hdc) {
    if (Is_Watched_Game_Shown()) {
        Draw_Playbook_Page_Tabs(hdc);
        return;
    }
    Draw_File_Button(hdc, &kBoxScoreButton, "Box Score");
    Draw_File_Button(hdc, &kRecapButton, "Play-By-Play");
    Draw_Score_Week_Tabs(hdc);
}

int Click_Team_Name(int bClick, int x, int y) {
    const RECT boxes[2] = {{19, 7, 160, 21}, {609, 7, 750, 21}};
    const RECT records[2] = {{190, 7, 228, 21}, {540, 7, 578, 21}};
    GAME* pGame = Get_Displayed_Game();
    if (pGame == NULL)
        return 0;
    for (int nSide = 0; nSide < 2; nSide++) {
        if (!Is_In(&boxes[nSide], x, y) && !Is_In(&records[nSide], x, y))
            continue;
        if (!bClick)
            return 1;
        const int nTeam = pGame->anTeams[nSide];
        gDialogTeam = nTeam;
        if (nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT && Is_Human_Team(nTeam) && !gAllTeamsComputer)
            gUserTeam = nTeam;
        if (Is_Watched_Game_Shown())
            Open_Dialog(gMainWindow, OFFENSE_DEPTH_DIALOG);
        else
            Show_News_Page(CALENDAR_PAGE);
        return 1;
    }
    return 0;
}

// The row as its panel draws it.
int Is_Point_In_Player_Row(int nRow, int x, int y) {
    POINT at;
    Get_Player_Row_Origin(nRow / PANEL_ROWS, nRow % PANEL_ROWS, &at);
    RECT rect = {at.x, at.y, at.x + 253, at.y + 12};
    return Is_In(&rect, x, y);
}

void Open_Game_Player_Report(int nRow) {
    GAME* pGame = Get_Displayed_Game();
    if (pGame == NULL || nRow < 0 || nRow >= FIELD_PLAYER_ROWS)
        return;
    const int nSide = nRow / PANEL_ROWS, k = nRow % PANEL_ROWS;
    int nTeam, nSlot;
    if (Is_Watched_Game_Shown()) {
        if (gFieldPlayerIds[nRow] == 0 ||
            !Find_Player_ID_Split(&nTeam, &nSlot, gFieldPlayerIds[nRow]))
            return;
    } else {
        int anIndexes[STORED_ROWS];
        int nMax = Is_Skin_Ice_Or_Fire() ? STORED_ROWS_DARK : STORED_ROWS;
        if (k >= List_Stored_Game_Players(pGame, nSide, anIndexes, nMax) ||
            !Get_Game_Player_Ref(pGame, nSide, anIndexes[k], &nTeam, &nSlot))
            return;
    }
    Open_Scouting_Report(nTeam, nSlot, gMainWindow, NULL);
}

// The box score or the recap: a watched game's file is written first.
static void Open_Game_Report(int bWatched, int bRecap) {
    char szFile[REPORT_FILE_NAME_SIZE];
    if (bWatched && bRecap) {
        Write_Recap_File(0);
        Get_Current_Game_Recap_File_Name(szFile, sizeof(szFile));
    } else if (bWatched) {
        Write_Box_Score_File(0);
        Get_Current_Game_Box_File_Name(szFile, sizeof(szFile));
    } else if (bRecap) {
        Get_Selected_Game_Recap_File_Name(szFile, sizeof(szFile));
    } else {
        Get_Selected_Game_Box_File_Name(szFile, sizeof(szFile));
    }
    HINSTANCE hResult = ShellExecuteA(gMainWindow, "open", szFile, NULL, NULL, SW_SHOWNORMAL);
    if ((INT_PTR)hResult <= 32)
        Show_Message_Box("Error",
                         "Can't find %s file. Please make sure there is a directory labeled "
                         "'Output' in your Football Vanto directory before simulating any more "
                         "games.",
                         bRecap ? "Game Recap" : "Box Score");
}

// A click anywhere while "Click to continue..." shows only ends that wait.
void Click_Game_Screen(int x, int y) {
    GAME* pGame = Get_Displayed_Game();
    if (pGame == NULL)
        return;
    if (gWaitingForClick) {
        gWaitingForClick = 0;
        return;
    }
    const int bWatched = Is_Watched_Game_Shown();
    if (Is_In(&kBoxScoreButton, x, y) && !(bWatched && Get_Picker_Side() != PICKER_NONE)) {
        Open_Game_Report(bWatched, 0);
        return;
    }
    if (Is_In(&kRecapButton, x, y) && !(bWatched && Get_Picker_Side() != PICKER_NONE)) {
        Open_Game_Report(bWatched, 1);
        return;
    }
    if (!bWatched && (Click_Game_Tile(1, x, y) || Click_Score_Week_Tab(x, y)))
        return;
    if (Click_Team_Name(1, x, y))
        return;
    for (int nRow = 0; nRow < FIELD_PLAYER_ROWS; nRow++)
        if (Is_Point_In_Player_Row(nRow, x, y)) {
            Open_Game_Player_Report(nRow);
            return;
        }
    Click_Play_Calling_Area(pGame, x, y);
}
