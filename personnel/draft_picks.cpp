// Who owns which draft pick, and the draft order: from a finished season's results, or projected
// from the standings while a season is played.
#include "database/database.h"
#include "personnel/personnel.h"
#include "season/season.h"

#define FIXED_ORDER_FIRST_YEAR 2021
#define FIXED_ORDER_LAST_DAY 5  // the fixed order holds before this day of the year
#define DAYS_PER_WEEK 7
#define SEASON_START_DAY 249
#define DRAFT_KEY_BASE 600
#define DRAFT_KEY_DEPTH_WEIGHT 100
#define DRAFT_KEY_RECORD_WEIGHT 100

const int FIXED_DRAFT_ORDER_2021[FIXED_DRAFT_ORDER_TEAMS] = {
    24, 7,  23, 13, 5,  9,  6, 31, 3,  19, 27, 2,  10, 28, 8,  0,
    12, 29, 16, 15, 30, 17, 4, 1,  18, 11, 26, 22, 20, 14, 21, 25};

void Reset_Draft_Pick_Ownership(void) {
    for (int nYear = 0; nYear < DRAFT_YEARS; nYear++)
        for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++)
            for (int nColumn = 0; nColumn < DRAFT_COLUMNS; nColumn++)
                Set_Draft_Pick_Owner(nYear, nRound, nColumn, nColumn);
}

void Reset_Team_Draft_Picks(int nTeam) {
    if (nTeam < 0 || nTeam >= DRAFT_COLUMNS)
        return;
    for (int nYear = 0; nYear < DRAFT_YEARS; nYear++)
        for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++)
            Set_Draft_Pick_Owner(nYear, nRound, nTeam, nTeam);
}

// How far a team went in the playoff bracket: 0 when it was not in it.
static int Get_Playoff_Depth(int nTeam) {
    int nSlot = Find_Playoff_Slot(nTeam);
    if (nSlot < 0)
        return 0;
    if (nSlot <= 15)
        return 1;
    if (nSlot <= 23)
        return 2;
    if (nSlot <= 27)
        return 3;
    if (nSlot <= 29)
        return 4;
    return 5;
}

int Get_Draft_Order_Key(int nTeam) {
    int nSeason = Get_Current_Season_Index();
    int nWins = Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS);
    int nLosses = Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES);
    int nPlace = Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_LEAGUE_PLACE);
    int nDepth = Get_Playoff_Depth(nTeam);
    return (nLosses - DRAFT_KEY_DEPTH_WEIGHT * nDepth - nWins + DRAFT_KEY_BASE) *
               DRAFT_KEY_RECORD_WEIGHT +
           nPlace;
}

// The projected key: the standings place behind how far the team finished.
static int Get_Projected_Draft_Order_Key(int nTeam) {
    int nSeason = Get_Current_Season_Index();
    int nPlace = Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_LEAGUE_PLACE);
    switch (Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_FINISH)) {
    case 4:
    case 5: return nPlace + 300;
    case 6: return nPlace + 200;
    case 7: return nPlace + 100;
    case 8: return nPlace;
    default: return nPlace + 400;
    }
}

// The active teams in number order, bubble-sorted highest key first (equal keys keep their
// order); the teams not in use follow, so that the order stays a list of distinct teams.
static void Sort_Draft_Order(int (*pKey)(int)) {
    int anKeys[DRAFT_COLUMNS];
    int nPlaces = 0;
    for (int nTeam = 0; nTeam < DRAFT_COLUMNS; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        gDraftOrder[nPlaces] = (uint8_t)nTeam;
        anKeys[nPlaces++] = pKey(nTeam);
    }
    int nActive = nPlaces;
    for (int nTeam = 0; nTeam < DRAFT_COLUMNS; nTeam++) {
        if (!Is_Team_Active(nTeam))
            gDraftOrder[nPlaces++] = (uint8_t)nTeam;
    }
    for (int nPass = 0; nPass < nActive; nPass++) {
        for (int n = 0; n + 1 < nActive - nPass; n++) {
            if (anKeys[n] >= anKeys[n + 1])
                continue;
            int nKey = anKeys[n];
            anKeys[n] = anKeys[n + 1];
            anKeys[n + 1] = nKey;
            uint8_t bTeam = gDraftOrder[n];
            gDraftOrder[n] = gDraftOrder[n + 1];
            gDraftOrder[n + 1] = bTeam;
        }
    }
}

static int Uses_Fixed_Draft_Order(void) {
    return gSeasonNumber == 0 && Get_Universe_Stat(UNIVERSE_FIRST_YEAR) == FIXED_ORDER_FIRST_YEAR &&
           gCurrentWeek != OFF_SEASON_WEEK &&
           (int64_t)gCurrentWeek * DAYS_PER_WEEK + SEASON_START_DAY < FIXED_ORDER_LAST_DAY;
}

void Compute_Draft_Order(void) {
    if (Uses_Fixed_Draft_Order()) {
        for (int n = 0; n < DRAFT_COLUMNS; n++)
            gDraftOrder[n] = (uint8_t)(n < FIXED_DRAFT_ORDER_TEAMS ? FIXED_DRAFT_ORDER_2021[n] : n);
        return;
    }
    Store_Team_Yearly_Standings();
    Sort_Draft_Order(Get_Draft_Order_Key);
}

void Project_Draft_Order(void) {
    Sort_Draft_Order(Get_Projected_Draft_Order_Key);
}

static int Find_Draft_Order_Place(int nTeam) {
    int nTeams = Count_Active_Teams();
    for (int nPlace = 0; nPlace < nTeams && nPlace < DRAFT_COLUMNS; nPlace++) {
        if (gDraftOrder[nPlace] == nTeam)
            return nPlace;
    }
    return nTeams;
}

int Get_Team_Draft_Position(int nTeam) {
    return Find_Draft_Order_Place(nTeam);
}

// The order of a running draft stays as it is.
int Get_Team_Projected_Draft_Position(int nTeam) {
    if (!Is_College_Draft_On())
        Project_Draft_Order();
    return Find_Draft_Order_Place(nTeam);
}
