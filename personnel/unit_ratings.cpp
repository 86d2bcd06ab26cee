// Team unit strengths: five unit ratings from the depth charts, their composites, the power
// score and the league ranks. Computed from the current rosters on every call.
#include "database/database.h"
#include "personnel/personnel.h"

#define MISSING_RATING 20
#define BROKEN_POSITION_VALUE 25
#define BONUS_THRESHOLD 75
#define PASS_RUSH_BONUS_THRESHOLD 90
#define RECENT_SPANS 3

// The n-th man of a position on the depth chart; NO_SLOT_BYTE when there is none.
static int Depth_Player(int nTeam, int nPosition, int n) {
    if (nTeam < 0 || nTeam > LAST_DRAFT_POOL_TEAM)
        return NO_SLOT_BYTE;
    return Get_Team_Position_Player(nTeam, nPosition, n);
}

// A stored rating read with the repair rule; a missing player reads the floor.
static int Rating(int nTeam, int nSlot, int nRating) {
    if (!Is_Valid_Player_Index(nTeam, nSlot))
        return MISSING_RATING;
    return (int)Get_Player_Rating(nTeam, nSlot, nRating);
}

static int Depth_Rating(int nTeam, int nPosition, int n, int nRating) {
    return Rating(nTeam, Depth_Player(nTeam, nPosition, n), nRating);
}

static int Rush(int nTeam, int nPosition, int n) {
    return Depth_Rating(nTeam, nPosition, n, RATING_RUSHING);
}

static int Rec(int nTeam, int nPosition, int n) {
    return Depth_Rating(nTeam, nPosition, n, RATING_RECEIVING_SKILL);
}

// The position value of the n-th man of a position; a broken one gets new ratings first.
static int Pos(int nTeam, int nPosition, int n) {
    if (nTeam < 0 || nTeam > LAST_DRAFT_POOL_TEAM)
        return MISSING_RATING;
    int nSlot = Depth_Player(nTeam, nPosition, n);
    int nValue = (int)Compute_Position_Rating(nTeam, nSlot, nPosition);
    if (nValue < BROKEN_POSITION_VALUE && Is_Valid_Player_Index(nTeam, nSlot)) {
        Generate_Player_Ratings(nTeam, nSlot);
        nValue = (int)Compute_Position_Rating(nTeam, nSlot, nPosition);
    }
    return nValue;
}

// The part of a rating above a threshold times a factor, truncated; 0 at or below it.
static int Bonus_Above(int nValue, int nThreshold, float fFactor) {
    return nValue > nThreshold ? (int)((nValue - nThreshold) * fFactor) : 0;
}

int Rate_Running_Unit(int nTeam) {
    int nYear = Get_Season_Year();
    int nDivisor = 6 + (nYear < 2000) + (nYear <= 1984);
    int nLine = (3 * (Depth_Rating(nTeam, POS_T, 0, RATING_RUN_BLOCKING) +
                      Depth_Rating(nTeam, POS_T, 1, RATING_RUN_BLOCKING) +
                      Depth_Rating(nTeam, POS_C, 0, RATING_RUN_BLOCKING)) +
                 4 * (Depth_Rating(nTeam, POS_G, 0, RATING_RUN_BLOCKING) +
                      Depth_Rating(nTeam, POS_G, 1, RATING_RUN_BLOCKING)) +
                 2 * Depth_Rating(nTeam, POS_TE, 0, RATING_RUN_BLOCKING) +
                 Depth_Rating(nTeam, POS_TE, 1, RATING_RUN_BLOCKING) +
                 Depth_Rating(nTeam, POS_FB, 0, RATING_RUN_BLOCKING)) /
                7;
    int nSum = Pos(nTeam, POS_RB, 0) + Rush(nTeam, POS_RB, 0);
    if (nYear < 2000)
        nSum += Rush(nTeam, POS_RB, 0);
    if (nYear <= 1984)
        nSum += Rush(nTeam, POS_FB, 0);
    nSum += (Pos(nTeam, POS_C, 0) + Pos(nTeam, POS_T, 0) + Pos(nTeam, POS_T, 1) +
             Pos(nTeam, POS_G, 0) + Pos(nTeam, POS_G, 1)) /
            5;
    nSum += nLine;
    nSum += Bonus_Above(Rush(nTeam, POS_QB, 0), BONUS_THRESHOLD, 0.5f);
    nSum += Bonus_Above(Rush(nTeam, POS_RB, 1), BONUS_THRESHOLD, 0.5f);
    return nSum * 12 / nDivisor - 217;
}

int Rate_Passing_Unit(int nTeam) {
    int nSum = 3 * (Pos(nTeam, POS_QB, 0) + Depth_Rating(nTeam, POS_QB, 0, RATING_ACCURACY) +
                    Depth_Rating(nTeam, POS_QB, 0, RATING_DISTANCE) +
                    Depth_Rating(nTeam, POS_QB, 0, RATING_CONTROL) +
                    Depth_Rating(nTeam, POS_QB, 0, RATING_RED_ZONE));
    nSum += Depth_Rating(nTeam, POS_T, 0, RATING_PASS_BLOCKING) +
            Depth_Rating(nTeam, POS_T, 1, RATING_PASS_BLOCKING);
    nSum += (Depth_Rating(nTeam, POS_G, 0, RATING_PASS_BLOCKING) +
             Depth_Rating(nTeam, POS_G, 1, RATING_PASS_BLOCKING) +
             Depth_Rating(nTeam, POS_C, 0, RATING_PASS_BLOCKING)) *
            2 / 3;
    nSum += Rec(nTeam, POS_WR, 0) + Rec(nTeam, POS_WR, 1) + Pos(nTeam, POS_WR, 0) +
            Pos(nTeam, POS_WR, 1);
    nSum += (Rec(nTeam, POS_WR, 2) + Rec(nTeam, POS_WR, 3) + Rec(nTeam, POS_WR, 4) +
             Pos(nTeam, POS_WR, 2) + Pos(nTeam, POS_WR, 3) + Pos(nTeam, POS_WR, 4)) /
            3;
    nSum += Bonus_Above(Rec(nTeam, POS_TE, 0), BONUS_THRESHOLD, 1.0f);
    nSum += Bonus_Above(Rec(nTeam, POS_TE, 1), BONUS_THRESHOLD, 0.5f);
    nSum += Bonus_Above(Rec(nTeam, POS_RB, 0), BONUS_THRESHOLD, 0.5f);
    nSum += Bonus_Above(Rec(nTeam, POS_FB, 0), BONUS_THRESHOLD, 0.5f);
    return nSum * 10 / 25 - 46;
}

// One rating summed over the first nCount men of a position.
static int Sum_Depth_Rating(int nTeam, int nPosition, int nCount, int nRating) {
    int nSum = 0;
    for (int n = 0; n < nCount; n++)
        nSum += Depth_Rating(nTeam, nPosition, n, nRating);
    return nSum;
}

static int Sum_Pos(int nTeam, int nPosition, int nCount) {
    int nSum = 0;
    for (int n = 0; n < nCount; n++)
        nSum += Pos(nTeam, nPosition, n);
    return nSum;
}

int Rate_Run_Defense_Unit(int nTeam) {
    int nSum = Sum_Depth_Rating(nTeam, POS_DE, 2, RATING_RUN_DEFENSE) +
               Sum_Depth_Rating(nTeam, POS_DT, 2, RATING_RUN_DEFENSE) +
               Sum_Depth_Rating(nTeam, POS_LB, 4, RATING_RUN_DEFENSE);
    nSum += Sum_Depth_Rating(nTeam, POS_S, 2, RATING_RUN_DEFENSE) / 2;
    nSum += (Sum_Pos(nTeam, POS_DE, 2) + Sum_Pos(nTeam, POS_DT, 2)) / 2;
    nSum += Sum_Pos(nTeam, POS_LB, 4) / 2;
    return nSum * 12 / 13 - 102;
}

int Rate_Pass_Defense_Unit(int nTeam) {
    int nSum = Sum_Depth_Rating(nTeam, POS_CB, 2, RATING_PASS_COVERAGE) +
               Sum_Pos(nTeam, POS_CB, 2) + Sum_Pos(nTeam, POS_S, 2);
    nSum += Sum_Depth_Rating(nTeam, POS_S, 2, RATING_PASS_COVERAGE) / 2;
    nSum += (Sum_Depth_Rating(nTeam, POS_DE, 2, RATING_PASS_RUSH) +
             Sum_Depth_Rating(nTeam, POS_DT, 2, RATING_PASS_RUSH)) /
            2;
    nSum += Sum_Depth_Rating(nTeam, POS_LB, 4, RATING_PASS_RUSH) / 2;
    for (int n = 0; n < 2; n++)
        nSum += Bonus_Above(Depth_Rating(nTeam, POS_DE, n, RATING_PASS_RUSH),
                            PASS_RUSH_BONUS_THRESHOLD, 1.0f);
    return nSum * 10 / 11 - 35;
}

int Rate_Special_Teams_Unit(int nTeam) {
    int nKicker = (Pos(nTeam, POS_K, 0) + 2 * Depth_Rating(nTeam, POS_K, 0, RATING_FG_ACCURACY) +
                   Depth_Rating(nTeam, POS_K, 0, RATING_FG_DISTANCE)) /
                  2;
    int nPunter = (Pos(nTeam, POS_P, 0) + Depth_Rating(nTeam, POS_P, 0, RATING_PUNT_DISTANCE)) / 2;
    int nReturner = nTeam >= 0 && nTeam <= LAST_DRAFT_POOL_TEAM ? 1 : 0;
    int nPuntReturns =
        nReturner ? Rating(nTeam, Get_Team_Returner(nTeam, PUNT_RETURNER), RATING_PUNT_RETURNS)
                  : MISSING_RATING;
    int nKickReturns =
        nReturner ? Rating(nTeam, Get_Team_Returner(nTeam, KICK_RETURNER), RATING_KICK_RETURNS)
                  : MISSING_RATING;
    int nSum = nKicker + nPunter + nPuntReturns / 2 + nKickReturns / 2;
    return nSum * 12 / 4 - 277;
}

int Get_Team_Unit_Rating(int nTeam, int nUnit) {
    switch (nUnit) {
    case UNIT_PASSING: return Rate_Passing_Unit(nTeam);
    case UNIT_RUN_DEFENSE: return Rate_Run_Defense_Unit(nTeam);
    case UNIT_PASS_DEFENSE: return Rate_Pass_Defense_Unit(nTeam);
    case UNIT_SPECIAL_TEAMS: return Rate_Special_Teams_Unit(nTeam);
    default: return Rate_Running_Unit(nTeam);
    }
}

int Get_Team_Offense_Strength(int nTeam) {
    return 7 * Rate_Passing_Unit(nTeam) + 3 * Rate_Running_Unit(nTeam);
}

int Get_Team_Defense_Strength(int nTeam) {
    return 4 * Rate_Run_Defense_Unit(nTeam) + 6 * Rate_Pass_Defense_Unit(nTeam);
}

// A league team in use, or one of the pools above the league.
static int Is_Rated_Team(int nTeam) {
    if (nTeam >= LEAGUE_TEAM_COUNT && nTeam <= LAST_DRAFT_POOL_TEAM)
        return 1;
    return nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT &&
           Get_Team_Stat(nTeam, TEAM_CONTROL) != CONTROL_NOT_IN_USE;
}

int Get_Team_Starters_Rating(int nTeam) {
    if (nTeam < 0 || nTeam >= LEAGUE_TEAM_COUNT)
        return 0;
    static const int kUnitSize[UNIT_COUNT] = {11, 11, 2};
    int nSum = 0;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        int nUnit = Get_Position_Unit(nPosition);
        if (nUnit < 0)
            continue;
        int nFirst = Find_Or_Create_Team_Unit_Player(nTeam, nUnit);
        if (nSlot > nFirst + kUnitSize[nUnit] - 1)
            continue;
        int nValue = (int)Get_Checked_Overall_Rating(nTeam, nSlot);
        nSum += nPosition == POS_QB ? 2 * nValue : nValue;
    }
    return nSum / 25;
}

int Get_Team_Overall_Strength(int nTeam) {
    if (!Is_Rated_Team(nTeam))
        return 0;
    int nRunning = Rate_Running_Unit(nTeam);
    int nPassing = Rate_Passing_Unit(nTeam);
    int nRunDefense = Rate_Run_Defense_Unit(nTeam);
    int nPassDefense = Rate_Pass_Defense_Unit(nTeam);
    int nSpecial = Rate_Special_Teams_Unit(nTeam);
    int nStarters = Get_Team_Starters_Rating(nTeam);
    return ((nSpecial + 3 * nRunDefense + 5 * nPassing) * 3 + 13 * nPassDefense + 10 * nRunning) /
               5 +
           2 * nStarters;
}

// Points scored (bScored) or allowed over the stored game records.
static int Sum_Game_Points(int nTeam, int bScored) {
    int nSum = 0;
    for (int n = 0; n < SEASON_GAMES_SUM_COUNT; n++) {
        GAME* pGame = Get_Game_Record(n);
        if (pGame == NULL)
            continue;
        for (int bSide = 0; bSide < 2; bSide++) {
            if (pGame->anTeams[bSide] == nTeam)
                nSum += pGame->anScores[bScored ? bSide : 1 - bSide];
        }
    }
    return nSum;
}

int Get_Team_Power_Score(int nTeam) {
    if (!Is_Rated_Team(nTeam))
        return 0;
    static const int kSpans[RECENT_SPANS] = {5, 3, 1};
    int nForm =
        2 * (Get_Team_Record_Char(nTeam, YEARLY_WINS) - Get_Team_Record_Char(nTeam, YEARLY_LOSSES));
    for (int n = 0; n < RECENT_SPANS; n++)
        nForm += Count_Team_Recent_Results(nTeam, kSpans[n], RECENT_WINS) -
                 Count_Team_Recent_Results(nTeam, kSpans[n], RECENT_LOSSES);
    return 15 * nForm + Get_Team_Overall_Strength(nTeam) +
           2 * (Sum_Game_Points(nTeam, 1) - Sum_Game_Points(nTeam, 0));
}

// How many league teams have a strictly greater value than the rated team.
static int Count_Teams_Above(int nTeam, int (*pValue)(int nTeam)) {
    int nValue = pValue(nTeam);
    int nAbove = 0;
    int nCount = Count_Active_Teams();
    for (int nOther = 0; nOther < nCount; nOther++) {
        if (nOther != nTeam && pValue(nOther) > nValue)
            nAbove++;
    }
    return nAbove;
}

static int Rank_If_Rated(int nTeam, int (*pValue)(int nTeam)) {
    return Is_Rated_Team(nTeam) ? Count_Teams_Above(nTeam, pValue) : 0;
}

int Get_Team_Offense_Rank(int nTeam) {
    return Rank_If_Rated(nTeam, Get_Team_Offense_Strength);
}

int Get_Team_Defense_Rank(int nTeam) {
    return Rank_If_Rated(nTeam, Get_Team_Defense_Strength);
}

int Get_Team_Overall_Rank(int nTeam) {
    return Rank_If_Rated(nTeam, Get_Team_Overall_Strength);
}

int Get_Team_Power_Rank(int nTeam) {
    return Rank_If_Rated(nTeam, Get_Team_Power_Score);
}

int Get_Team_Stat_Rank(int nTeam, int nStat) {
    static int (*const kUnitRaters[])(int nTeam) = {Rate_Running_Unit, Rate_Passing_Unit,
                                                    Rate_Run_Defense_Unit, Rate_Pass_Defense_Unit,
                                                    Rate_Special_Teams_Unit};
    if (nStat < UNIT_STAT_RUNNING || nStat > UNIT_STAT_SPECIAL_TEAMS)
        return 0;
    return Rank_If_Rated(nTeam, kUnitRaters[nStat - UNIT_STAT_RUNNING]);
}
