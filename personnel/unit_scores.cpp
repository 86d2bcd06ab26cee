// The unit scores of the finance table's grades: twelve position units of each team, each a
// weighted value of the players on its depth chart against a reference value, cached per team
// and unit until the cache is emptied.
#include "database/database.h"
#include "personnel/personnel.h"

#define UNIT_ENTRIES 5
#define UNIT_RETURNER 15  // the position of an entry that takes the returner of its kind
#define BROKEN_POSITION_RATING 25.0f
#define RETURNER_REFERENCE 1000
#define KICK_RETURN_VALUE_STAT 302
#define PUNT_RETURN_VALUE_STAT 303
#define UNIT_SCORE_BASE 700
#define UNIT_SCORE_RANGE 300
#define UNIT_INDEX_AVERAGE 1100
#define NOT_COMPUTED 0  // a score is never below 700 - 300

typedef struct UNIT_ENTRY {
    int nPosition;  // UNIT_RETURNER for a returner
    int nDepth;     // the n-th player of the position, or the returner kind
    int nWeight;    // per cent
} UNIT_ENTRY;

static const UNIT_ENTRY kUnitEntries[TEAM_UNIT_COUNT][UNIT_ENTRIES] = {
    {{POS_QB, 0, 80}, {POS_QB, 1, 15}, {POS_QB, 2, 5}},
    {{POS_RB, 0, 65}, {POS_RB, 1, 15}, {POS_FB, 0, 10}, {POS_RB, 2, 7}, {POS_RB, 3, 3}},
    {{POS_TE, 0, 55}, {POS_TE, 1, 25}, {POS_TE, 2, 15}, {POS_TE, 3, 5}},
    {{POS_WR, 0, 35}, {POS_WR, 1, 30}, {POS_WR, 2, 20}, {POS_WR, 3, 10}, {POS_WR, 4, 5}},
    {{POS_T, 0, 20}, {POS_G, 0, 20}, {POS_C, 0, 20}, {POS_G, 1, 20}, {POS_T, 1, 20}},
    {{POS_DE, 0, 25}, {POS_DT, 0, 20}, {POS_DT, 1, 20}, {POS_DE, 1, 25}, {POS_DE, 2, 10}},
    {{POS_LB, 0, 25}, {POS_LB, 1, 25}, {POS_LB, 2, 25}, {POS_LB, 3, 15}, {POS_LB, 4, 10}},
    {{POS_CB, 0, 40}, {POS_CB, 1, 40}, {POS_CB, 2, 10}, {POS_CB, 3, 7}, {POS_CB, 4, 3}},
    {{POS_S, 0, 40}, {POS_S, 1, 40}, {POS_S, 2, 10}, {POS_S, 3, 7}, {POS_S, 4, 3}},
    {{UNIT_RETURNER, KICK_RETURNER, 25},
     {UNIT_RETURNER, PUNT_RETURNER, 25},
     {POS_TE, 2, 20},
     {POS_S, 3, 15},
     {POS_CB, 3, 15}},
    {{POS_K, 0, 95}, {POS_K, 1, 5}},
    {{POS_P, 0, 95}, {POS_P, 1, 5}},
};

// What a player of each position is measured against.
static const int kPositionReference[POSITION_COUNT] = {1750, 1100, 500, 300, 1000, 900, 900, 900,
                                                        400,  200,  700, 800, 750,  300, 300};

static int gUnitScores[TOTAL_NUMBER_OF_TEAMS][TEAM_UNIT_COUNT];  // NOT_COMPUTED at the start

void Clear_Team_Unit_Scores(void) {
    for (auto& anTeam : gUnitScores) {
        for (int& nScore : anTeam)
            nScore = NOT_COMPUTED;
    }
}

// (x x w + 50) / 100 truncated, one lower when w is not whole hundreds and x and w differ in sign.
static int Weigh(int x, int w) {
    int nProduct = (x * w + 50) / 100;
    if (w % 100 != 0 && (x < 0) != (w < 0))
        nProduct--;
    return nProduct;
}

// The value of the n-th player of a position; a broken one gets new ratings first.
static int Get_Depth_Player_Value(int nTeam, int nPosition, int nDepth) {
    int nSlot = Get_Team_Position_Player(nTeam, nPosition, nDepth);
    float fRating = Compute_Position_Rating(nTeam, nSlot, nPosition);
    if (fRating < BROKEN_POSITION_RATING && Is_Valid_Player_Index(nTeam, nSlot)) {
        Generate_Player_Ratings(nTeam, nSlot);
        fRating = Compute_Position_Rating(nTeam, nSlot, nPosition);
    }
    return Get_Rating_Value(nTeam, nSlot, (float)(int)fRating);
}

static int Compute_Unit_Score(int nTeam, int nUnit) {
    int nValue = 0, nReference = 0;
    for (const UNIT_ENTRY& entry : kUnitEntries[nUnit]) {
        if (entry.nWeight == 0)
            continue;
        int v, r;
        if (entry.nPosition == UNIT_RETURNER) {
            int nSlot = Get_Team_Returner(nTeam, entry.nDepth);
            int nStat =
                entry.nDepth == KICK_RETURNER ? KICK_RETURN_VALUE_STAT : PUNT_RETURN_VALUE_STAT;
            v = Is_Valid_Player_Index(nTeam, nSlot)
                    ? Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat)
                    : 0;
            r = RETURNER_REFERENCE;
        } else {
            v = Get_Depth_Player_Value(nTeam, entry.nPosition, entry.nDepth);
            r = kPositionReference[entry.nPosition];
        }
        nValue += Weigh(v, entry.nWeight);
        nReference += Weigh(r, entry.nWeight);
    }
    return UNIT_SCORE_BASE + Round_Ratio(nValue, nReference, UNIT_SCORE_RANGE);
}

int Get_Team_Unit_Score(int nTeam, int nUnit) {
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS || nUnit < 0 || nUnit >= TEAM_UNIT_COUNT) {
        Report_Error("Index out of bounds in Get_Team_Unit_Score(%d,%d)", nTeam, nUnit);
        return UNIT_SCORE_BASE;
    }
    if (gUnitScores[nTeam][nUnit] == NOT_COMPUTED)
        gUnitScores[nTeam][nUnit] = Compute_Unit_Score(nTeam, nUnit);
    return gUnitScores[nTeam][nUnit];
}

int Get_League_Unit_Score(int nUnit) {
    int nSum = 0, nTeams = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam)) {
            nSum += Get_Team_Unit_Score(nTeam, nUnit);
            nTeams++;
        }
    }
    return nTeams > 0 ? nSum / nTeams : 0;
}

int Get_Team_Unit_Index(int nTeam, int nUnit) {
    return Round_Ratio(Get_Team_Unit_Score(nTeam, nUnit), Get_League_Unit_Score(nUnit),
                       UNIT_INDEX_AVERAGE);
}
