// The game-day screen's side panels: during a watched game the players of each side's unit by
// formation spot, lit when the call shown puts them on the field; for a stored game the players
// who mattered. Reading them never changes the league: the depth chart is read as it stands.
#include "pages/game_screen_internal.h"

#define PANEL_ROWS 17
#define PANEL_FONT 2
#define STORED_ROWS 18
#define STORED_ROWS_DARK 15
#define STORED_SCORE_FLOOR 36
#define NAME_LIMIT 24
#define OVERALL_STAT 225
#define CAREER_SEASON_KIND 3
#define PRIMARY_COLOUR_DARK RGB(160, 70, 70)
#define PRIMARY_COLOUR RGB(170, 166, 46)
#define GREY_ROW RGB(113, 113, 113)
#define RETURNER_FLOOR 20

typedef struct PANEL_SPOT {
    int nPosition;
    int nDepth;  // from 1
    const char* szLabel;
} PANEL_SPOT;

static const PANEL_SPOT kOffenceRows[PANEL_ROWS] = {
    {POS_QB, 1, "QB"}, {POS_RB, 1, "RB"}, {POS_FB, 1, "FB"}, {POS_TE, 1, "TE"}, {POS_TE, 2, "TE"},
    {POS_WR, 1, "WR"}, {POS_WR, 2, "WR"}, {POS_WR, 3, "WR"}, {POS_WR, 4, "WR"}, {POS_WR, 5, "WR"},
    {POS_T, 1, "LT"},  {POS_G, 1, "LG"},  {POS_C, 1, "C"},   {POS_G, 2, "RG"},  {POS_T, 2, "RT"},
    {POS_K, 1, "K"},   {POS_P, 1, "P"}};

static const PANEL_SPOT kDefenceRows[PANEL_ROWS] = {
    {POS_DE, 1, "DE"}, {POS_DT, 1, "DT"}, {POS_DT, 2, "DT"}, {POS_DE, 2, "DE"}, {POS_DT, 3, "DL"},
    {POS_LB, 1, "LB"}, {POS_LB, 2, "LB"}, {POS_LB, 3, "LB"}, {POS_LB, 4, "LB"}, {POS_CB, 1, "CB"},
    {POS_CB, 2, "CB"}, {POS_S, 1, "SS"},  {POS_S, 2, "FS"},  {POS_CB, 3, "NB"}, {POS_S, 3, "DB"},
    {POS_CB, 4, "C3"}, {FORMATION_RETURNER, 2, "PR"}};

// The dark skins' panels start lower: a stored game's listing 6 units lower than a watched one's.
int Get_Player_Row_Origin(int nSide, int nRow, POINT* pPoint) {
    pPoint->x = 4 + 511 * nSide;
    pPoint->y = 28 + 12 * nRow;
    if (Is_Skin_Ice_Or_Fire())
        pPoint->y += Is_Watched_Game_Shown() ? 30 : 36;
    return 1;
}

// The stored game's colours: the dark skins' panels are light.
static COLORREF Get_Panel_Side_Colour(int nSide) {
    if (Is_Skin_Ice_Or_Fire())
        return nSide == HOME_SIDE ? RGB(0, 0, 0) : RGB(52, 52, 52);
    if (gDarkText)
        return nSide == HOME_SIDE ? RGB(0, 0, 0) : RGB(130, 30, 30);
    return nSide == HOME_SIDE ? RGB(255, 255, 255) : RGB(255, 249, 69);
}

static void Get_Panel_Name(int nTeam, int nSlot, char* szOut, int nSize) {
    Get_Player_Full_Name(nTeam, nSlot, szOut, nSize);
    if ((int)strlen(szOut) <= NAME_LIMIT)
        return;
    char szFirst[64], szLast[64];
    Get_Player_First_Name(nTeam, nSlot, szFirst, sizeof(szFirst));
    Get_Player_Last_Name(nTeam, nSlot, szLast, sizeof(szLast));
    Format_String(szOut, nSize, "%c. %s", szFirst[0], szLast);
}

static void Draw_Panel_Row(HDC hdc, POINT at, const char* szLabel, const char* szName,
                           const char* szRating, const char* szLine, COLORREF colour) {
    const UINT uLine = DT_SINGLELINE | DT_VCENTER;
    Draw_Page_Text_In_Font(hdc, PANEL_FONT, szLabel, colour, RECT{at.x, at.y, at.x + 30, at.y + 11},
                           uLine | DT_CENTER);
    Draw_Page_Text_In_Font(hdc, PANEL_FONT, szName, colour,
                           RECT{at.x + 30, at.y, at.x + 128, at.y + 11}, uLine | DT_LEFT);
    Draw_Page_Text_In_Font(hdc, PANEL_FONT, szRating, colour,
                           RECT{at.x + 128, at.y, at.x + 148, at.y + 11}, uLine | DT_LEFT);
    Draw_Page_Text_In_Font(hdc, PANEL_FONT, szLine, colour,
                           RECT{at.x + 148, at.y, at.x + 253, at.y + 11}, uLine | DT_LEFT);
}

// The player of a row: the one chosen earlier this play while he is still found, else the depth
// chart's.
static int Find_Row_Player(int nRow, int nTeam, const PANEL_SPOT* pSpot, int* pSlot) {
    int nFoundTeam, nFoundSlot;
    if (gFieldPlayerIds[nRow] != 0 &&
        Find_Player_ID_Split(&nFoundTeam, &nFoundSlot, gFieldPlayerIds[nRow]) &&
        nFoundTeam == nTeam) {
        *pSlot = nFoundSlot;
        return 1;
    }
    uint8_t nSlot;
    if (pSpot->nPosition >= POSITION_COUNT)
        nSlot = Get_Stored_Team_Returner(nTeam, pSpot->nDepth == 1 ? KICK_RETURNER : PUNT_RETURNER);
    else
        nSlot = Get_Team_Position_Player_Checked(nTeam, pSpot->nPosition, pSpot->nDepth - 1);
    if (nSlot >= PLAYERS_PER_TEAM || Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID) == 0)
        return 0;
    gFieldPlayerIds[nRow] = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID);
    *pSlot = nSlot;
    return 1;
}

// The game line of a player by his place among the side's game entries.
static void Format_Row_Game_Line(GAME* pGame, int nSide, int nTeam, int nSlot, char* szOut,
                                 int nSize) {
    szOut[0] = 0;
    int nId = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID);
    for (int n = 0; n < GAME_ROSTER_SLOTS; n++)
        if (pGame->aanRosterIds[nSide][n] == nId) {
            Format_Player_Game_Line(szOut, nSize, pGame, nSide, n);
            return;
        }
}

// Whether the call shown for a side puts a position and depth on the field, and whether that
// spot is the offensive call's primary receiver.
static int Find_Call_Spot(GAME* pGame, int nCall, int nTeam, int bOffence,
                          const PANEL_SPOT* pSpot) {
    if (nCall < 0)
        return -1;
    const int nDown = Get_Shown_Down(pGame);
    int nFormation;
    if (!bOffence)
        nFormation = Get_Defensive_Play_Formation(nTeam, nCall);
    else if (nDown == KICKOFF || nDown == FREE_KICK)
        nFormation = Get_Kicking_Play_Formation(nCall);
    else
        nFormation = Get_Offensive_Play_Formation(nTeam, nCall);
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++)
        if (Get_Formation_Spot_Position(nFormation, nSpot, SPOT_FIELD_POSITION) ==
                pSpot->nPosition &&
            Get_Formation_Spot_Position(nFormation, nSpot, SPOT_FIELD_DEPTH) == pSpot->nDepth - 1)
            return nSpot;
    return -1;
}

static COLORREF Get_Watched_Row_Colour(GAME* pGame, int nSide, const PANEL_SPOT* pSpot) {
    const int bOffence = nSide == Get_Shown_Offence_Side(pGame);
    const int nTeam = pGame->anTeams[nSide];
    const int nCall = Get_Side_Shown_Call(!bOffence);
    const int nSpot = Find_Call_Spot(pGame, nCall, nTeam, bOffence, pSpot);
    if (nSpot < 0)
        return GREY_ROW;
    if (bOffence && Get_Offensive_Play_Primary_Player(nTeam, nCall) == nSpot + 1)
        return gDarkText ? PRIMARY_COLOUR_DARK : PRIMARY_COLOUR;
    return Get_Panel_Side_Colour(nSide);
}

static int Get_Row_Rating(int nRow, int nTeam, int nSlot, const PANEL_SPOT* pSpot) {
    if (gFieldPlayerRatings[nRow] != 0)
        return gFieldPlayerRatings[nRow];
    // A returner shows his punt-return rating, at least 20; the stored value is left as it is.
    if (pSpot->nPosition >= POSITION_COUNT)
        gFieldPlayerRatings[nRow] = Max_Int(
            (int)Get_Stored_Player_Rating(nTeam, nSlot, RATING_PUNT_RETURNS), RETURNER_FLOOR);
    else
        gFieldPlayerRatings[nRow] = (int)Compute_Position_Rating(
            nTeam, nSlot, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
    return gFieldPlayerRatings[nRow];
}

static void Draw_Watched_Panel(HDC hdc, GAME* pGame, int nSide) {
    const int nTeam = pGame->anTeams[nSide];
    const int bOffence = nSide == Get_Shown_Offence_Side(pGame);
    const int nDown = Get_Shown_Down(pGame);
    for (int k = 0; k < PANEL_ROWS; k++) {
        PANEL_SPOT spot = bOffence ? kOffenceRows[k] : kDefenceRows[k];
        if (!bOffence && k == PANEL_ROWS - 1 && (nDown == KICKOFF || nDown == FREE_KICK))
            spot = PANEL_SPOT{FORMATION_RETURNER, 1, "KR"};
        const int nRow = nSide * PANEL_ROWS + k;
        int nSlot;
        if (!Find_Row_Player(nRow, nTeam, &spot, &nSlot))
            continue;
        char szName[64], szRating[16], szLine[96];
        Get_Panel_Name(nTeam, nSlot, szName, sizeof(szName));
        Format_String(szRating, sizeof(szRating), "%d", Get_Row_Rating(nRow, nTeam, nSlot, &spot));
        Format_Row_Game_Line(pGame, nSide, nTeam, nSlot, szLine, sizeof(szLine));
        POINT at;
        Get_Player_Row_Origin(nSide, k, &at);
        Draw_Panel_Row(hdc, at, spot.szLabel, szName, szRating, szLine,
                       Get_Watched_Row_Colour(pGame, nSide, &spot));
    }
}

int List_Stored_Game_Players(GAME* pGame, int nSide, int* anIndexes, int nMax) {
    int nCount = 0;
    for (int nPosition = 0; nPosition < POSITION_COUNT && nCount < nMax; nPosition++)
        for (int n = 0; n < GAME_ROSTER_SLOTS && nCount < nMax; n++) {
            int nTeam, nSlot;
            if (!Get_Game_Player_Ref(pGame, nSide, n, &nTeam, &nSlot) ||
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) != nPosition ||
                Get_Player_Game_Score(pGame, nSide, n) < STORED_SCORE_FLOOR)
                continue;
            anIndexes[nCount++] = n;
        }
    return nCount;
}

static void Draw_Stored_Panel(HDC hdc, GAME* pGame, int nSide) {
    int anIndexes[STORED_ROWS];
    const int nMax = Is_Skin_Ice_Or_Fire() ? STORED_ROWS_DARK : STORED_ROWS;
    const int nCount = List_Stored_Game_Players(pGame, nSide, anIndexes, nMax);
    for (int k = 0; k < nCount; k++) {
        int nTeam, nSlot;
        Get_Game_Player_Ref(pGame, nSide, anIndexes[k], &nTeam, &nSlot);
        char szLabel[16], szName[64], szRating[16], szLine[96];
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        Get_Position_Abbreviation(nPosition, szLabel, sizeof(szLabel));
        Get_Panel_Name(nTeam, nSlot, szName, sizeof(szName));
        Format_String(szRating, sizeof(szRating), "%d",
                      Get_Player_Stat(nTeam, nSlot, CAREER_SEASON_KIND, OVERALL_STAT));
        Format_Player_Game_Line(szLine, sizeof(szLine), pGame, nSide, anIndexes[k]);
        POINT at;
        Get_Player_Row_Origin(nSide, k, &at);
        Draw_Panel_Row(hdc, at, szLabel, szName, szRating, szLine, Get_Panel_Side_Colour(nSide));
    }
}

// The rows' players and ratings are chosen once a play: a new play or another game starts them
// afresh, and so does the turn from a narrated play to the next call, where the side with the
// ball and the rows' lists may change.
static void Forget_Rows_Of_Another_Play(GAME* pGame) {
    static const GAME* pTablesGame = NULL;
    static int nTablesPlay = -1, nTablesOffence = -1, nTablesDown = -1;
    const int nOffence = Get_Shown_Offence_Side(pGame), nDown = Get_Shown_Down(pGame);
    if (pGame == pTablesGame && pGame->nPlayCount == nTablesPlay && nOffence == nTablesOffence &&
        nDown == nTablesDown)
        return;
    Clear_Field_Player_Tables();
    pTablesGame = pGame;
    nTablesPlay = pGame->nPlayCount;
    nTablesOffence = nOffence;
    nTablesDown = nDown;
}

void Draw_Game_Side_Panels(HDC hdc) {
    GAME* pGame = Get_Displayed_Game();
    if (pGame == NULL)
        return;
    if (Is_Watched_Game_Shown())
        Forget_Rows_Of_Another_Play(pGame);
    for (int nSide = 0; nSide < 2; nSide++) {
        if (Is_Watched_Game_Shown())
            Draw_Watched_Panel(hdc, pGame, nSide);
        else
            Draw_Stored_Panel(hdc, pGame, nSide);
    }
}
