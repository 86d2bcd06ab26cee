// Game statistics: the game record's team counters, the one credit routine of the plays, the
// per-player game counters and the weighted game score.
#include <stdlib.h>
#include <string.h>

#include "engine/engine.h"

#define NO_COUNTER (-1)
#define PLAYER_STAT_COUNT 20
#define EXTRA_POINT_CALL HARD_CODED_FIELD_GOAL_PLAY

// Totals categories of a player: a team's own 0..3, its opponents' the same plus 4.
enum TOTALS_CATEGORY { CATEGORY_OFFENCE = 0, CATEGORY_DEFENCE, CATEGORY_KICKERS, CATEGORY_PASSER };
#define OPPONENT_CATEGORY_OFFSET 4

// For each category and player statistic 0..19: the game counter it also adds to.
static const int8_t GAME_COUNTER_MAP[4][PLAYER_STAT_COUNT] = {
    {-1, -1, -1, -1, -1, -1, -1, 0, 1, 4, 2, 3, 4, -1, -1, -1, 4, -1, -1, 4},
    {-1, -1, 2, 3, 0, -1, -1, 1, -1, 4, -1, -1, -1, -1, -1, -1, 4, -1, -1, 4},
    {-1, -1, -1, -1, -1, -1, -1, -1, 0, 1, 2, 3, 2, 3, 2, 3, 2, 3, -1, -1},
    {-1, -1, 0, 1, 4, 2, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1},
};

// The weights of the five game counters by position.
static const int GAME_SCORE_WEIGHTS[POSITION_COUNT][GAME_PLAYER_COUNTERS] = {
    {-2, 5, 1, 45, -25},                                                            // QB
    {0, 2, 5, 3, 45},    {0, 2, 5, 3, 45},   {0, 2, 5, 3, 45},   {0, 2, 5, 3, 45},  // RB FB TE WR
    {0, 0, 0, 0, 0},     {0, 0, 0, 0, 0},    {0, 0, 0, 0, 0},                       // T G C
    {20, 75, 6, 3, 45},  {20, 75, 6, 3, 45}, {20, 75, 6, 3, 45}, {20, 75, 6, 3, 45},
    {20, 75, 6, 3, 45},  // DE DT LB CB S
    {10, 2, 40, 15, 0},  // K
    {0, 0, 0, 0, 0},     // P
};

static int Is_Side(int bTeam) {
    return bTeam == VISITOR_SIDE || bTeam == HOME_SIDE;
}

static int Is_Try_Pending(GAME* pGame) {
    return (pGame->nFlags & GAME_FLAG_DOWN_MASK) == CONVERSION_ATTEMPT;
}

// ---- the game record's team counters ------------------------------------------------------------

void Increment_Game_Team_Stat(GAME* pGame, int bTeam, int nStat) {
    if (pGame == NULL)
        return;
    if (!Is_Side(bTeam)) {
        Report_Error("Invalid bTeam passed to Increment_Game_Team_Stat(pGame,[%d],nStat,nAmount",
                     bTeam);
    } else if (nStat < 0 || nStat >= GAME_TEAM_STAT_COUNT) {
        Report_Error("Invalid nStat passed to Increment_Game_Team_Stat(pGame,bTeam,[%d],nAmount",
                     nStat);
    } else if (!Is_Try_Pending(pGame)) {
        pGame->aabTeamStats[bTeam][nStat]++;
    }
}

void Set_Game_Team_Stat(GAME* pGame, int bTeam, int nStat, int nValue) {
    if (pGame == NULL)
        return;
    if (!Is_Side(bTeam)) {
        Report_Error("Invalid bTeam passed to Set_Game_Team_Stat(pGame,[%d],nStat,nValue", bTeam);
    } else if (nStat >= 0 && nStat < GAME_TEAM_STAT_COUNT && !Is_Try_Pending(pGame)) {
        pGame->aabTeamStats[bTeam][nStat] = (uint8_t)nValue;
    }
}

void Increment_Game_Team_Total(GAME* pGame, int bTeam, int nStat, int nAmount) {
    if (pGame == NULL)
        return;
    if (!Is_Side(bTeam)) {
        Report_Error("Invalid bTeam passed to Increment_Game_Team_Total(pGame,[%d],nStat,nAmount",
                     bTeam);
    } else if (nStat < 0 || nStat >= GAME_TEAM_TOTAL_COUNT) {
        Report_Error("Invalid nStat passed to Increment_Game_Team_Total(pGame,bTeam,[%d],nAmount",
                     nStat);
    } else if (!Is_Try_Pending(pGame)) {
        pGame->aanTeamTotals[bTeam][nStat] =
            (int16_t)(pGame->aanTeamTotals[bTeam][nStat] + nAmount);
    }
}

// ---- crediting players ----------------------------------------------------------------------------

// Season statistics accrue in the regular season only (and in the first two weeks of a league
// without one).
void Increment_Player_Stat(int nTeam, int nSlot, int nStat, int nAmount) {
    int bLeagueTeam = nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT && Is_Team_Active(nTeam);
    int bPseudoTeam = nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM;
    if (!bLeagueTeam && !bPseudoTeam) {
        Report_Error("Invalid nTeam in Increment_Player_Stat");
        return;
    }
    if (gCurrentWeek >= Max_Int(2, gPostseasonWeeks[0]))
        return;
    Add_Current_Season_Line_Stat(nTeam, nSlot, nStat, nAmount);
    Add_Player_Stat(nTeam, nSlot, SEASON_CURRENT, nStat, nAmount);
    Add_Player_Stat(nTeam, nSlot, SEASON_CAREER, nStat, nAmount);
}

static int Get_Totals_Category(int nPosition) {
    if (nPosition == POS_QB)
        return CATEGORY_PASSER;
    if (nPosition == POS_K || nPosition == POS_P)
        return CATEGORY_KICKERS;
    return Get_Position_Group(nPosition) == GROUP_DEFENCE ? CATEGORY_DEFENCE : CATEGORY_OFFENCE;
}

static void Add_Team_Totals(int nTeam, int nCategory, int nStat, int nAmount) {
    Add_Team_Totals_Stat(nTeam, nCategory, SEASON_CURRENT, nStat, nAmount);
    Add_Team_Totals_Stat(nTeam, nCategory, SEASON_CAREER, nStat, nAmount);
}

static int Is_Credited_Group(int nPosition, int nGroup) {
    int nPlayerGroup = Get_Position_Group(nPosition);
    if (nGroup >= GROUP_SKILL && nGroup <= GROUP_KICKERS)
        return nGroup == nPlayerGroup;
    if (nGroup == RETURN_GROUP)
        return nPosition != POS_QB &&
               (nPlayerGroup == GROUP_SKILL || nPlayerGroup == GROUP_DEFENCE);
    return 1;
}

void Credit_Player_Game_Event(int nTeam, GAME* pGame, int nSlot, int nGroup, int nStat,
                              int nAmount) {
    if (pGame == NULL || !Is_Player_Slot_Used(nTeam, nSlot) || nStat < 0 ||
        nStat >= PLAYER_STAT_COUNT)
        return;
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (!Is_Credited_Group(nPosition, nGroup))
        return;
    if (Is_Try_Pending(pGame) && pGame->currentPlay.nOffensiveCall != EXTRA_POINT_CALL)
        return;
    int bSkipped = nStat != 0 && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) > 0;
    if (!bSkipped)
        Increment_Player_Stat(nTeam, nSlot, nStat, nAmount);
    if (Get_Position_Group(nPosition) == GROUP_LINE)
        return;
    int nCategory = Get_Totals_Category(nPosition);
    Add_Team_Totals(nTeam, nCategory, nStat, nAmount);
    int bSide = Get_Game_Side(pGame, nTeam);
    if (bSide != NO_TEAM)
        Add_Team_Totals(pGame->anTeams[1 - bSide], nCategory + OPPONENT_CATEGORY_OFFSET, nStat,
                        nAmount);
    int nCounter = GAME_COUNTER_MAP[nCategory][nStat];
    if (!bSkipped && nCounter != NO_COUNTER && bSide != NO_TEAM)
        Add_Player_Game_Counter(pGame, bSide, nSlot, nCounter, nAmount);
}

// The game player ids of a side are searched for the player's id.
static int Find_Game_Roster_Index(GAME* pGame, int bTeam, int nId) {
    if (nId <= 0)
        return -1;
    for (int i = 0; i < GAME_ROSTER_SLOTS; i++)
        if (pGame->aanRosterIds[bTeam][i] == nId)
            return i;
    return -1;
}

void Add_Player_Game_Counter(GAME* pGame, int bTeam, int nSlot, int nCounter, int nAmount) {
    if (pGame == NULL || !Is_Side(bTeam) || nCounter < 0 || nCounter >= GAME_PLAYER_COUNTERS)
        return;
    int i = Find_Game_Roster_Index(pGame, bTeam, Get_Player_ID(pGame->anTeams[bTeam], nSlot));
    if (i >= 0)
        pGame->aaanPlayerCounters[bTeam][i][nCounter] =
            (int16_t)(pGame->aaanPlayerCounters[bTeam][i][nCounter] + nAmount);
}

// The on-field spots of the offensive linemen at each of the three holes.
static const int HOLE_FIRST_SPOT[3] = {6, 7, 9};
static const int HOLE_LAST_SPOT[3] = {7, 9, 10};

void Credit_Rushing_Line(int nSlot, GAME* pGame, int nYards, int nHole) {
    if (pGame == NULL)
        return;
    int nTeam = Get_Offensive_Team(pGame);
    int bSide = Get_Offensive_Side(pGame);
    Credit_Player_Game_Event(nTeam, pGame, nSlot, GROUP_SKILL, 7, 1);
    Credit_Player_Game_Event(nTeam, pGame, nSlot, GROUP_SKILL, 8, nYards);
    if (nHole >= 0 && nHole <= 2) {
        for (int nSpot = HOLE_FIRST_SPOT[nHole]; nSpot <= HOLE_LAST_SPOT[nHole]; nSpot++) {
            int nLineman = pGame->aabOnField[bSide][nSpot];
            if (nLineman == NO_SLOT_BYTE)
                continue;
            Credit_Player_Game_Event(nTeam, pGame, nLineman, GROUP_LINE, 7, 1);
            Credit_Player_Game_Event(nTeam, pGame, nLineman, GROUP_LINE, 8, nYards);
        }
    }
}

void Credit_Rushing_Play(int nSlot, GAME* pGame, int nYards, int nHole) {
    if (pGame == NULL)
        return;
    Credit_Rushing_Line(nSlot, pGame, nYards, nHole);
    int bSide = Get_Offensive_Side(pGame);
    Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_RUSHES, 1);
    Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_RUSHING_YARDS, nYards);
}

void Credit_Carry(int nSlot, GAME* pGame, int nYards, int nHole) {
    if (pGame == NULL)
        return;
    int nResult = Get_Play_Result(&pGame->currentPlay);
    if (nResult >= RESULT_RUN && nResult <= RESULT_TOUCHDOWN_RUN)
        Credit_Rushing_Play(nSlot, pGame, nYards, nHole);
    else
        Credit_Rushing_Line(nSlot, pGame, nYards, nHole);
}

// Sacks allowed are counted in quarters: one lineman all four, two two each, four one each.
void Charge_Sack_Allowed(GAME* pGame) {
    int r = Random_Below(100);
    int nChoices = r <= 24 ? 1 : r <= 49 ? 2 : r <= 74 ? 4 : 0;
    int nTeam = Get_Offensive_Team(pGame);
    for (int i = 0; i < nChoices; i++) {
        int nSlot = Choose_Game_Event_Player(pGame, GROUP_LINE, 4, 0);
        for (int q = 0; q < 4 / nChoices; q++)
            Credit_Player_Game_Event(nTeam, pGame, nSlot, GROUP_LINE, 4, 1);
    }
}

// Sacks are counted in halves: a solo sacker gets both halves and a tackle, two sharers one half
// and an assist each.
int Credit_Sack(GAME* pGame, int nQuarterbackSlot) {
    if (pGame == NULL)
        return NO_SLOT_BYTE;
    int nDefence = Get_Defensive_Team(pGame);
    int anSackers[2];
    anSackers[0] = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, 4, 0);
    anSackers[1] = Random_Below(100) > 74 ? Choose_Game_Event_Player(pGame, GROUP_DEFENCE, 4, 0)
                                          : anSackers[0];
    int bSolo = anSackers[0] == anSackers[1];
    for (int i = 0; i < 2; i++) {
        Credit_Player_Game_Event(nDefence, pGame, anSackers[i], GROUP_DEFENCE, 4, 1);
        if (!bSolo)
            Credit_Player_Game_Event(nDefence, pGame, anSackers[i], GROUP_DEFENCE, 3, 1);
    }
    if (bSolo)
        Credit_Player_Game_Event(nDefence, pGame, anSackers[0], GROUP_DEFENCE, 2, 1);
    Record_Sack(pGame, nQuarterbackSlot);
    return anSackers[0];
}

// What every sack counts besides its sackers, for the loss in the play's yards.
void Record_Sack(GAME* pGame, int nQuarterbackSlot) {
    if (pGame == NULL)
        return;
    int nGain = pGame->nPlayYards;
    Increment_Game_Team_Total(pGame, Get_Defensive_Side(pGame), GAME_TOTAL_SACKS, 1);
    Increment_Game_Team_Total(pGame, Get_Defensive_Side(pGame), GAME_TOTAL_SACK_YARDS, -nGain);
    Increment_Game_Team_Total(pGame, Get_Offensive_Side(pGame), GAME_TOTAL_PASSING_YARDS, nGain);
    Charge_Sack_Allowed(pGame);
    int nOffence = Get_Offensive_Team(pGame);
    if (Is_Player_Quarterback(nOffence, nQuarterbackSlot)) {
        Credit_Player_Game_Event(nOffence, pGame, nQuarterbackSlot, GROUP_SKILL, 14, 1);
        Credit_Player_Game_Event(nOffence, pGame, nQuarterbackSlot, GROUP_SKILL, 15, abs(nGain));
    }
}

void Credit_Games_Played(GAME* pGame) {
    if (pGame == NULL)
        return;
    for (int bSide = VISITOR_SIDE; bSide <= HOME_SIDE; bSide++) {
        int nTeam = pGame->anTeams[bSide];
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (Is_Player_Slot_Used(nTeam, nSlot) &&
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_ON_FIELD) != 0)
                Credit_Player_Game_Event(nTeam, pGame, nSlot, -1, 0, 1);
    }
}

// ---- the current play and the play log ----------------------------------------------------------

int Get_Play_Result(const PLAY* pPlay) {
    return (int)((uint32_t)pPlay->nResult >> PLAY_WORD_RESULT_SHIFT);
}

void Set_Play_Result(PLAY* pPlay, int nResult) {
    uint32_t uWord = (uint32_t)pPlay->nResult & ((1u << PLAY_WORD_RESULT_SHIFT) - 1);
    pPlay->nResult = (int32_t)(uWord | ((uint32_t)nResult << PLAY_WORD_RESULT_SHIFT));
}

void Reset_Current_Play(GAME* pGame) {
    if (pGame == NULL)
        return;
    PLAY* pPlay = &pGame->currentPlay;
    memset(pPlay, 0, sizeof(*pPlay));
    pPlay->nPlayer1 = -1;
    pPlay->nPlayer2 = -1;
    pPlay->nOffensiveCall = -1;
    pPlay->nDefensiveCall = -1;
    Set_Play_Result(pPlay, RESULT_NONE);
    for (int i = 0; i < PLAY_NARRATION_ENTRIES; i++)
        pPlay->aabNarration[i][0] = NARRATION_ENTRY_EMPTY;
    pGame->nFlags &= ~GAME_FLAG_POSSESSION_CHANGED;
    pGame->nPlaySeconds = 0;
    pGame->nPlayYards = 0;
}

// At the snap: the clock and the side with the ball into the log entry of the coming play.
void Mark_Play_Log_Entry(GAME* pGame) {
    if (pGame == NULL || pGame->nPlayCount < 0 || pGame->nPlayCount >= PLAY_LOG_SIZE)
        return;
    PLAY* pEntry = &pGame->aPlayLog[pGame->nPlayCount];
    pEntry->nClock = pGame->nClock;
    pEntry->nResult = Get_Offensive_Side(pGame) == HOME_SIDE ? PLAY_WORD_HOME_BALL : 0;
}

// After the play: the whole play into its entry, keeping the entry's clock and home bit.
void Append_Play_To_Log(GAME* pGame) {
    if (pGame == NULL || pGame->nPlayCount < 0 || pGame->nPlayCount >= PLAY_LOG_SIZE)
        return;
    PLAY* pEntry = &pGame->aPlayLog[pGame->nPlayCount];
    int16_t nClock = pEntry->nClock;
    int32_t nHomeBit = pEntry->nResult & PLAY_WORD_HOME_BALL;
    *pEntry = pGame->currentPlay;
    pEntry->nClock = nClock;
    pEntry->nResult = (pEntry->nResult & ~PLAY_WORD_HOME_BALL) | nHomeBit;
    pGame->nPlayCount++;
}

// ---- score and overtime ---------------------------------------------------------------------------

void Add_Game_Score(GAME* pGame, int bTeam, int nPoints) {
    if (pGame == NULL || !Is_Side(bTeam))
        return;
    int bResting = Should_Rest_Starters(pGame);
    pGame->anScores[bTeam] += nPoints;
    if (Should_Rest_Starters(pGame) != bResting)
        Set_Game_Lineups(pGame);
}

void Set_Overtime_Possession(GAME* pGame, int bHome) {
    if (pGame != NULL)
        pGame->anInfo[GAME_INFO_OVERTIME_BITS] |=
            bHome ? OVERTIME_HOME_HAD_BALL : OVERTIME_VISITOR_HAD_BALL;
}

// ---- the weighted game score ----------------------------------------------------------------------

int Get_Player_Game_Score(GAME* pGame, int bTeam, int nIndex) {
    if (pGame == NULL || !Is_Side(bTeam) || nIndex < 0 || nIndex >= GAME_ROSTER_SLOTS)
        return 0;
    int nId = pGame->aanRosterIds[bTeam][nIndex];
    int nTeam = 0;
    int nSlot = 0;
    if (nId <= 0 || !Get_Player_By_ID(&nTeam, &nSlot, nId))
        return 0;
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition < 0 || nPosition >= POSITION_COUNT)
        return 0;
    int nScore = 0;
    for (int c = 0; c < GAME_PLAYER_COUNTERS; c++)
        nScore += pGame->aaanPlayerCounters[bTeam][nIndex][c] * GAME_SCORE_WEIGHTS[nPosition][c];
    return nScore;
}
