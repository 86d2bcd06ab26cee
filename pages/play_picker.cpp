// The play picker of a human coach on the game-day screen: ten diagrams of one playbook page, the
// page tabs with their key badges, the preview under the mouse and the call by click or key. The
// calls go into the live game's current play, where the engine's wait loop finds them. Hover and
// click read the same design point, so what lights up is what a click calls.
#include "pages/game_screen_internal.h"

#define STAGE_NO_GAME 0
#define STAGE_OFFENCE 1
#define STAGE_DEFENCE 2
#define STAGE_KICKOFF 3
#define STAGE_CALLED 4
#define NO_PREVIEW (-1)
#define PLAY_KEY_FIRST 40116
#define PLAY_KEY_LAST 40125
#define PAGE_KEY_FIRST 40126
#define PAGE_KEY_LAST 40131
#define PAGE_TAB_LEFT 154
#define PAGE_TAB_STEP 99
#define PLAYBOOK_BUTTON_LEFT 25
#define PLAYBOOK_BUTTON_RIGHT 84
#define STRIP_TOP 487
#define STRIP_BOTTOM 500
#define PICKER_FONT 5
#define MARK_DRAW 0
#define MARK_SKIP 1
#define MARK_INVALIDATE 2
#define CALLED_FONT 2
#define LONG_DESCRIPTION 76

static int anPickerMarks[PICKER_PLAY_MARKS];
int gAutoPlayNoticeShown = 0;  // the Playbook button's notice, once a run (not saved)
static POINT ptPickerHover = {-1, -1};
static const GAME* pSnapGame;  // the game and down the shown calls were made for
static int nSnapDown = -1;
static int nSnapOffenceSide = -1;

// ---- what the screen calls ----------------------------------------------------------------------

int Get_Picker_Side(void) {
    switch (Get_Play_Call_Stage()) {
    case STAGE_OFFENCE: return PICKER_OFFENCE;
    case STAGE_DEFENCE: return PICKER_DEFENCE;
    case STAGE_KICKOFF: return PICKER_KICKING;
    default: return PICKER_NONE;
    }
}

int Get_Picker_Team(int nSide) {
    if (gLiveGame == NULL)
        return DEFAULT_PLAYBOOK;
    return nSide == PICKER_DEFENCE ? Get_Defensive_Team(gLiveGame) : Get_Offensive_Team(gLiveGame);
}

int Get_Picker_Page_Count(int nSide) {
    if (nSide == PICKER_OFFENCE)
        return OFFENSIVE_CATEGORY_COUNT;
    return nSide == PICKER_DEFENCE ? DEFENSIVE_CATEGORY_COUNT : 1;
}

int Get_Picker_Page(int nSide) {
    if (nSide == PICKER_KICKING || nSide == PICKER_NONE)
        return 0;
    int nPage = nSide == PICKER_OFFENCE ? gOffensiveSelectorPage : gDefensiveSelectorPage;
    return Clamp(nPage, 0, Get_Picker_Page_Count(nSide) - 1);
}

static int Get_Picker_Play(int nSide, int nCell) {
    return nSide == PICKER_KICKING ? nCell : Get_Picker_Page(nSide) * PICKER_CELLS + nCell;
}

int Get_Shown_Play_Call(int bDefence) {
    switch (Get_Play_Call_Stage()) {
    case STAGE_OFFENCE:
    case STAGE_KICKOFF: return gPickedOffensivePlay;
    case STAGE_DEFENCE: return gPickedDefensivePlay;
    case STAGE_CALLED:
        return bDefence ? gLiveGame->currentPlay.nDefensiveCall
                        : gLiveGame->currentPlay.nOffensiveCall;
    default: return NO_PREVIEW;
    }
}

// The panels light each side by its own playbook: the side that calls shows its preview; the
// other side's call stays hidden until both are made.
int Get_Side_Shown_Call(int bDefence) {
    switch (Get_Play_Call_Stage()) {
    case STAGE_OFFENCE:
    case STAGE_KICKOFF: return bDefence ? NO_PREVIEW : gPickedOffensivePlay;
    case STAGE_DEFENCE: return bDefence ? gPickedDefensivePlay : NO_PREVIEW;
    default: return Get_Shown_Play_Call(bDefence);
    }
}

int Is_Play_Call_Shown(int nPlay) {
    return nPlay >= 0 && (nPlay == Get_Shown_Play_Call(0) || nPlay == Get_Shown_Play_Call(1));
}

void Clear_Play_Picker_Marks(void) {
    for (int& nMark : anPickerMarks)
        nMark = MARK_DRAW;
}

// ---- geometry -----------------------------------------------------------------------------------

void Get_Play_Picker_Cell_Rect(int nColumn, int nRow, RECT* pRect) {
    pRect->left = PICKER_LEFT + PICKER_CELL_WIDTH * nColumn;
    pRect->top = PICKER_TOP + PICKER_CELL_HEIGHT * nRow;
    pRect->right = pRect->left + PICKER_CELL_WIDTH;
    pRect->bottom = pRect->top + PICKER_CELL_HEIGHT;
}

int Get_Picker_Cell_At(int x, int y) {
    for (int nCell = 0; nCell < PICKER_CELLS; nCell++) {
        RECT rect;
        Get_Play_Picker_Cell_Rect(nCell % PICKER_COLUMNS, nCell / PICKER_COLUMNS, &rect);
        if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom)
            return nCell;
    }
    return -1;
}

static void Get_Diagram_Cell(int nCell, RECT* pRect) {
    Get_Play_Picker_Cell_Rect(nCell % PICKER_COLUMNS, nCell / PICKER_COLUMNS, pRect);
    pRect->right -= 4;
    pRect->bottom -= 4;
}

// ---- painting -----------------------------------------------------------------------------------

static COLORREF Get_Note_Colour(void) {
    return gDarkText ? RGB(30, 30, 130) : RGB(255, 215, 215);
}

static void Restore_Design_Area(HDC hdc, RECT rect) {
    Scale_Design_Rect(&rect);
    Restore_Page_Background(hdc, &rect);
}

static void Draw_Defensive_Grades_Strip(HDC hdc, int nTeam, int nPlay) {
    char szGrade[64];
    int bLong = Get_Defensive_Play_Grade_Text(szGrade, sizeof(szGrade), 0, nTeam, nPlay, 1, 1);
    static const int anKinds[4] = {0, 1, 3, 5};
    static const int anLong[4] = {16, 136, 513, 633};
    static const int anShort[4] = {16, 76, 633, 693};
    for (int k = 0; k < 4; k++) {
        Get_Defensive_Play_Grade_Text(szGrade, sizeof(szGrade), anKinds[k], nTeam, nPlay, 1, 1);
        int nLeft = bLong ? anLong[k] : anShort[k];
        RECT rect = {nLeft, STRIP_TOP, nLeft + (bLong ? 120 : 60), STRIP_BOTTOM};
        UINT uAlign = k < 2 ? DT_LEFT : DT_RIGHT;
        Draw_Page_Text_In_Font(hdc, 2, szGrade, Get_Note_Colour(), rect, uAlign | DT_SINGLELINE);
    }
}

static void Draw_Preview_Strip(HDC hdc, int nSide, int nTeam, int nPlay, int bRestore) {
    RECT strip = {PICKER_LEFT, STRIP_TOP, 758, STRIP_BOTTOM};
    if (bRestore)
        Restore_Design_Area(hdc, strip);
    char szText[PLAY_DESCRIPTION_SIZE];
    Get_Play_Description_By_Side(nTeam, nSide, nPlay, szText, sizeof(szText));
    Draw_Page_Text_In_Font(hdc, 2, szText, gDarkText ? RGB(130, 30, 30) : RGB(255, 249, 69), strip,
                           DT_CENTER | DT_SINGLELINE);
    if (nSide == PICKER_OFFENCE) {
        char szNote[128];
        Format_Primary_Player_Text(szNote, sizeof(szNote), nTeam, nPlay);
        int nLeft = PICKER_LEFT + (Is_Skin_Ice_Or_Fire() ? 3 : 0);
        Draw_Page_Text_In_Font(hdc, 2, szNote, Get_Note_Colour(),
                               RECT{nLeft, STRIP_TOP, 161, STRIP_BOTTOM}, DT_LEFT | DT_SINGLELINE);
        Get_Primary_Route_Text(szNote, sizeof(szNote), nTeam, nPlay, 0);
        Draw_Page_Text_In_Font(hdc, 2, szNote, Get_Note_Colour(),
                               RECT{611, STRIP_TOP, 758, STRIP_BOTTOM}, DT_LEFT | DT_SINGLELINE);
    } else if (nSide == PICKER_DEFENCE) {
        Draw_Defensive_Grades_Strip(hdc, nTeam, nPlay);
    }
}

static int Is_Hover_In(const RECT* pRect) {
    return ptPickerHover.x >= pRect->left && ptPickerHover.x < pRect->right &&
           ptPickerHover.y >= pRect->top && ptPickerHover.y < pRect->bottom;
}

static void Draw_Play_Picker(HDC hdc, int nSide, int bRestore) {
    const int nTeam = Get_Picker_Team(nSide);
    int nShownPlay = NO_PREVIEW;
    for (int nCell = 0; nCell < PICKER_CELLS; nCell++) {
        const int nPlay = Get_Picker_Play(nSide, nCell);
        if (anPickerMarks[nPlay] == MARK_SKIP)
            continue;
        RECT cell, hover;
        Get_Diagram_Cell(nCell, &cell);
        Get_Play_Picker_Cell_Rect(nCell % PICKER_COLUMNS, nCell / PICKER_COLUMNS, &hover);
        const int bShown = Is_Play_Call_Shown(nPlay);
        const int bHover = Is_Hover_In(&hover);
        Print_Debug_Message(DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR, "Hilite %d || %d", bShown, bHover);
        Draw_Play_Diagram(&cell, hdc, nTeam, nPlay, PICKER_FONT, nSide, bShown || bHover, 1);
        if (anPickerMarks[nPlay] == MARK_INVALIDATE && gMainWindow)
            Invalidate_Design_Rect(gMainWindow, &hover);
        if ((bShown || bHover) && Is_Play_Defined_By_Kind(nTeam, nSide, nPlay))
            nShownPlay = nPlay;
    }
    if (nShownPlay != NO_PREVIEW)
        Draw_Preview_Strip(hdc, nSide, nTeam, nShownPlay, bRestore);
}

static void Get_Page_Tab_Name(int nSide, int nTeam, int nPage, char* szOut, int nSize) {
    szOut[0] = 0;
    if (nSide == PICKER_KICKING) {
        safe_strncpy(szOut, "Kickoffs", nSize);
    } else if (nSide == PICKER_OFFENCE) {
        const OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(nTeam);
        if (pBook)
            safe_strncpy(szOut, pBook->aszCategories[nPage], Min_Int(nSize, PLAYBOOK_CATEGORY_SIZE));
    } else {
        const DEFENSIVE_PLAYBOOK* pBook = Get_Team_Defensive_Playbook(nTeam);
        if (pBook)
            safe_strncpy(szOut, pBook->aszCategories[nPage], Min_Int(nSize, PLAYBOOK_CATEGORY_SIZE));
    }
}

void Draw_Playbook_Page_Tabs(HDC hdc) {
    const int nSide = Get_Picker_Side();
    if (nSide == PICKER_NONE)
        return;
    const int nTeam = Get_Picker_Team(nSide);
    Draw_Page_Text_In_Font(hdc, PICKER_FONT, "Playbook", RGB(0, 0, 0), RECT{25, 266, 85, 283},
                           DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    const int nCurrent = Get_Picker_Page(nSide);
    for (int nPage = 0; nPage < Get_Picker_Page_Count(nSide); nPage++) {
        RECT tab = {159 + 99 * nPage, 266, 248 + 99 * nPage, 283};
        char szName[PLAYBOOK_CATEGORY_SIZE + 1];
        Get_Page_Tab_Name(nSide, nTeam, nPage, szName, sizeof(szName));
        COLORREF colour;
        if (nPage == nCurrent)
            colour = gDarkText && !Is_Skin_Ice_Or_Fire() ? RGB(0, 0, 0) : RGB(255, 255, 255);
        else
            colour = Is_Skin_Ice_Or_Fire() ? RGB(170, 170, 170) : RGB(113, 113, 113);
        Draw_Page_Text_In_Font(hdc, 2, szName, colour, tab, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
        if (Is_Key_Badge_Team(nTeam)) {
            char szKey[2] = {(char)('A' + nPage), 0};
            RECT badge = {tab.right - 4, tab.bottom - 8, tab.right + 3, tab.bottom};
            Draw_Key_Badge(&badge, hdc, szKey);
        }
    }
}

static void Draw_Called_Grades(HDC hdc, const RECT* pBox, int nTeam, int nPlay) {
    static const int anKinds[4] = {0, 1, 3, 5};
    const int nQuarter = (pBox->right - pBox->left) / 4;
    for (int k = 0; k < 4; k++) {
        char szGrade[64];
        Get_Defensive_Play_Grade_Text(szGrade, sizeof(szGrade), anKinds[k], nTeam, nPlay, 1, 0);
        int nLeft = pBox->left + 2 + k * nQuarter;
        Draw_Page_Text_In_Font(hdc, CALLED_FONT, szGrade, Get_Note_Colour(),
                               RECT{nLeft, pBox->bottom + 2, nLeft + nQuarter, pBox->bottom + 13},
                               DT_LEFT | DT_SINGLELINE);
    }
}

void Remember_Snap_Down(GAME* pGame) {
    pSnapGame = pGame;
    nSnapDown = pGame ? pGame->nFlags & GAME_FLAG_DOWN_MASK : -1;
    nSnapOffenceSide = pGame ? Get_Offensive_Side(pGame) : -1;
}

static int Is_Snap_Remembered(GAME* pGame) {
    return pGame == pSnapGame && nSnapDown >= 0;
}

int Get_Shown_Down(GAME* pGame) {
    return Is_Snap_Remembered(pGame) ? nSnapDown : pGame->nFlags & GAME_FLAG_DOWN_MASK;
}

int Get_Shown_Offence_Side(GAME* pGame) {
    return Is_Snap_Remembered(pGame) ? nSnapOffenceSide : Get_Offensive_Side(pGame);
}

// Both calls side by side: the offence's play in the box of the team with the ball.
static void Draw_Called_Play_Diagrams(HDC hdc) {
    GAME* pGame = gLiveGame;
    if (pGame == NULL)
        return;
    const RECT boxes[2] = {{11, 290, 283, 464}, {481, 290, 753, 464}};
    const int nDown = Get_Shown_Down(pGame);
    const int nOffenceSide = Get_Shown_Offence_Side(pGame);
    const RECT* pOffence = &boxes[nOffenceSide];
    const RECT* pDefence = &boxes[1 - nOffenceSide];
    const int nOffence = pGame->anTeams[nOffenceSide];
    const int nDefence = pGame->anTeams[1 - nOffenceSide];
    const int nOffensiveCall = pGame->currentPlay.nOffensiveCall;
    if (nDown <= FOURTH_DOWN || nDown == CONVERSION_ATTEMPT) {
        Draw_Play_Diagram(pOffence, hdc, nOffence, nOffensiveCall, PICKER_FONT, DIAGRAM_OFFENCE, 0,
                          1);
        char szRoute[64];
        Get_Primary_Route_Text(szRoute, sizeof(szRoute), nOffence, nOffensiveCall, 0);
        Draw_Page_Text_In_Font(hdc, CALLED_FONT, szRoute, Get_Note_Colour(),
                               RECT{pOffence->left + 2, pOffence->bottom + 2, pOffence->right,
                                    pOffence->bottom + 13},
                               DT_LEFT | DT_SINGLELINE);
        int nType = Get_Offensive_Play_Type(nOffence, nOffensiveCall);
        if (nType != PLAY_PUNT && nType != PLAY_FIELD_GOAL) {
            int nDefensiveCall = pGame->currentPlay.nDefensiveCall;
            Draw_Play_Diagram(pDefence, hdc, nDefence, nDefensiveCall, PICKER_FONT,
                              DIAGRAM_DEFENCE, 0, 1);
            Draw_Called_Grades(hdc, pDefence, nDefence, nDefensiveCall);
        }
    } else {
        Draw_Play_Diagram(pOffence, hdc, nOffence, nOffensiveCall, PICKER_FONT, DIAGRAM_KICKING, 0,
                          1);
    }
}

// A stored game shown while another is played unwatched keeps its tiles.
void Draw_Game_Screen_Centre(HDC hdc, int bRestore) {
    if (!Is_Watched_Game_Shown()) {
        Draw_Game_Tiles(hdc);
        return;
    }
    switch (Get_Play_Call_Stage()) {
    case STAGE_OFFENCE: Draw_Play_Picker(hdc, PICKER_OFFENCE, bRestore); break;
    case STAGE_DEFENCE: Draw_Play_Picker(hdc, PICKER_DEFENCE, bRestore); break;
    case STAGE_KICKOFF: Draw_Play_Picker(hdc, PICKER_KICKING, bRestore); break;
    case STAGE_CALLED: Draw_Called_Play_Diagrams(hdc); break;
    default: Draw_Game_Tiles(hdc); break;
    }
}

// The two side panels and the centre painted again over their own background after a preview
// changed; only the cells marked for it are drawn anew.
void Redraw_Game_Side_Panels(void) {
    if (!Has_Back_Buffer())
        return;
    HDC hdc = Get_Main_Window_DC();
    if (!hdc)
        return;
    SetBkMode(hdc, TRANSPARENT);
    for (int nSide = 0; nSide < 2; nSide++) {
        POINT top, bottom;
        Get_Player_Row_Origin(nSide, 0, &top);
        Get_Player_Row_Origin(nSide, FIELD_PLAYER_ROWS / 2, &bottom);
        Restore_Design_Area(hdc, RECT{top.x, top.y, top.x + 253, bottom.y});
    }
    Draw_Game_Screen_Centre(hdc, 1);
    Draw_Game_Side_Panels(hdc);
    Release_Main_Window_DC(hdc);
    if (gMainWindow) {
        InvalidateRect(gMainWindow, NULL, FALSE);
        UpdateWindow(gMainWindow);
    }
}

// ---- calls --------------------------------------------------------------------------------------

int Call_Picker_Play(int n) {
    GAME* pGame = gLiveGame;
    if (pGame == NULL || n < 0 || n >= PICKER_CELLS)
        return 0;
    switch (Get_Play_Call_Stage()) {
    case STAGE_KICKOFF: pGame->currentPlay.nOffensiveCall = (int8_t)n; break;
    case STAGE_OFFENCE: {
        int nPlay = Get_Picker_Page(PICKER_OFFENCE) * PICKER_CELLS + n;
        if (!Is_Offensive_Play_Defined(Get_Offensive_Team(pGame), nPlay))
            return 0;
        pGame->currentPlay.nOffensiveCall = (int8_t)nPlay;
        break;
    }
    case STAGE_DEFENCE: {
        int nPlay = Get_Picker_Page(PICKER_DEFENCE) * PICKER_CELLS + n;
        if (!Is_Defensive_Play_Defined(Get_Defensive_Team(pGame), nPlay))
            return 0;
        pGame->currentPlay.nDefensiveCall = (int8_t)nPlay;
        break;
    }
    default: return 0;
    }
    Force_Page_Repaint();
    return 1;
}

int Show_Picker_Page(int n) {
    if (n < 0)
        n = 0;
    int nStage = Get_Play_Call_Stage();
    if (nStage == STAGE_OFFENCE && n < OFFENSIVE_CATEGORY_COUNT)
        gOffensiveSelectorPage = n;
    else if (nStage == STAGE_DEFENCE && n < DEFENSIVE_CATEGORY_COUNT)
        gDefensiveSelectorPage = n;
    else
        return 0;
    Hover_Picker_Again();  // the cell under the mouse holds another play now
    Force_Page_Repaint();
    return 1;
}

int Handle_Game_Screen_Command(int idCommand) {
    if (idCommand >= PLAY_KEY_FIRST && idCommand <= PLAY_KEY_LAST)
        return Call_Picker_Play(idCommand - PLAY_KEY_FIRST);
    if (idCommand >= PAGE_KEY_FIRST && idCommand <= PAGE_KEY_LAST)
        return Show_Picker_Page(idCommand - PAGE_KEY_FIRST);
    if (!gWaitingForClick)
        return 0;
    gWaitingForClick = 0;
    return 1;
}

// The Playbook button lets the computer call; the first use in a run explains it.
static void Click_Playbook_Button(GAME* pGame) {
    if (!gAutoPlayNoticeShown) {
        gAutoPlayNoticeShown = 1;
        int nAnswer = Do_Message_Box(
            "Clicking the 'Playbook' button will let the computer choose your play.",
            "Automatic Play Selection", MB_OKCANCEL);
        if (nAnswer != IDOK)
            return;
    }
    int nStage = Get_Play_Call_Stage();
    if (nStage == STAGE_OFFENCE || nStage == STAGE_KICKOFF)
        pGame->currentPlay.nOffensiveCall = (int8_t)Choose_Offensive_Play(pGame);
    else if (nStage == STAGE_DEFENCE)
        pGame->currentPlay.nDefensiveCall = (int8_t)Choose_Defensive_Play(pGame);
    Force_Page_Repaint();
}

int Click_Play_Calling_Area(GAME* pGame, int x, int y) {
    if (y < PICKER_TAB_TOP || pGame == NULL)
        return 0;
    const int bPending = Get_Picker_Side() != PICKER_NONE;
    if (y <= PICKER_TAB_BOTTOM) {
        if (bPending && x >= PLAYBOOK_BUTTON_LEFT && x <= PLAYBOOK_BUTTON_RIGHT) {
            Click_Playbook_Button(pGame);
            return 1;
        }
        if (x >= PAGE_TAB_LEFT)
            return Show_Picker_Page((x - PAGE_TAB_LEFT) / PAGE_TAB_STEP);
        return 0;
    }
    int nCell = Get_Picker_Cell_At(x, y);
    return nCell < 0 ? 0 : Call_Picker_Play(nCell);
}

// ---- the mouse over the screen ------------------------------------------------------------------

static int* Get_Preview_Preference(int nSide) {
    if (nSide == PICKER_OFFENCE || nSide == PICKER_KICKING)
        return &gPickedOffensivePlay;
    return nSide == PICKER_DEFENCE ? &gPickedDefensivePlay : NULL;
}

static int Is_Picker_Team_Valid(int nTeam) {
    return Is_Valid_Team(nTeam);
}

// The cell under the point with a pending call: 1 and the preview stored when it moved to a play.
static int Hover_Picker_Cells(int nSide, int x, int y, int* pbStored) {
    int nCell = Get_Picker_Cell_At(x, y);
    if (nCell < 0)
        return 0;
    const int nTeam = Get_Picker_Team(nSide);
    const int nPlay = Get_Picker_Play(nSide, nCell);
    const int nLimit = nSide == PICKER_OFFENCE ? OFFENSIVE_PLAY_COUNT
                       : nSide == PICKER_DEFENCE ? DEFENSIVE_PLAY_COUNT
                                                 : KICKING_PLAY_COUNT;
    if (!Is_Picker_Team_Valid(nTeam) || nPlay >= nLimit)
        return 1;
    if (!Is_Play_Defined_By_Kind(nTeam, nSide, nPlay))
        return 1;
    int* pPreview = Get_Preview_Preference(nSide);
    if (*pPreview == nPlay)
        return 2;
    Print_Debug_Message(DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR,
                        nSide == PICKER_DEFENCE ? "Changing PBP_DEFENSIVE_PLAY from %d to %d"
                                                : "Changing PBP_OFFENSIVE_PLAY from %d to %d",
                        *pPreview, nPlay);
    *pPreview = nPlay;
    anPickerMarks[nPlay] = MARK_INVALIDATE;
    *pbStored = 1;
    return 1;
}

void Hover_Picker_Again(void) {
    if (ptPickerHover.x >= 0 && Get_Picker_Side() != PICKER_NONE)
        Click_Play_Selector(ptPickerHover.x, ptPickerHover.y);
}

int Click_Play_Selector(int x, int y) {
    ptPickerHover.x = x;
    ptPickerHover.y = y;
    const int nSide = Get_Picker_Side();
    int* pPreview = Get_Preview_Preference(nSide);
    const int nBefore = pPreview ? *pPreview : NO_PREVIEW;
    for (int& nMark : anPickerMarks)
        nMark = MARK_SKIP;
    if (nBefore >= 0 && nBefore < PICKER_PLAY_MARKS)
        anPickerMarks[nBefore] = MARK_INVALIDATE;
    if (Click_Team_Name(0, x, y))
        return 1;
    if (y < PICKER_TAB_TOP) {
        for (int nRow = 0; nRow < FIELD_PLAYER_ROWS; nRow++)
            if (Is_Point_In_Player_Row(nRow, x, y))
                return 1;
        return 0;
    }
    if (y <= PICKER_TAB_BOTTOM) {
        if (nSide != PICKER_NONE)
            return x >= PLAYBOOK_BUTTON_LEFT && x <= PLAYBOOK_BUTTON_RIGHT ? 1 : x > 153;
        if (x > 153)
            return Is_Watched_Game_Shown() ? 1 : x <= PAGE_TAB_LEFT + PAGE_TAB_STEP * gCurrentWeek;
        return 0;
    }
    if (nSide == PICKER_NONE)
        return Click_Game_Tile(0, x, y) || Is_Point_In_File_Button(x, y);
    int bStored = 0;
    int nResult = Hover_Picker_Cells(nSide, x, y, &bStored);
    if (nResult == 2)
        return 1;
    if (!bStored && nBefore != NO_PREVIEW) {
        if (Has_Back_Buffer()) {
            HDC hdc = Get_Main_Window_DC();
            if (hdc) {
                Restore_Design_Area(hdc, RECT{PICKER_LEFT, STRIP_TOP, 758, STRIP_BOTTOM});
                Release_Main_Window_DC(hdc);
            }
        }
        *pPreview = NO_PREVIEW;
    }
    if (nBefore != NO_PREVIEW || bStored)
        Redraw_Game_Side_Panels();
    return nResult;
}
