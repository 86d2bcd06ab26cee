// The game record: the live game, clearing, the period, the teams' sides, the result, the
// per-player counters and their leaders, and the info fields read by index.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "database/records_internal.h"

GAME* gLiveGame = NULL;

GAME* Get_Live_Game(void) {
    return gLiveGame;
}

int Is_Game_Live(void) {
    return gLiveGame != NULL;
}

int Clear_Game(GAME* pGame) {
    if (pGame == NULL)
        return 0;
    memset(pGame, 0, sizeof(GAME));
    return 1;
}

int Is_Valid_Game_Record(const GAME* pGame) {
    int nVisitor = pGame->anTeams[VISITOR_SIDE];
    int nHome = pGame->anTeams[HOME_SIDE];
    return nVisitor >= 0 && nVisitor < LEAGUE_TEAM_COUNT && nHome >= 0 &&
           nHome < LEAGUE_TEAM_COUNT && nVisitor != nHome;
}

// ---- the clock ----------------------------------------------------------------------------------

// At the end of the second and fourth quarters a pending try still belongs to the period.
int Get_Game_Quarter(GAME* pGame) {
    if (pGame == NULL)
        return 0;
    int nClock = pGame->nClock;
    if (nClock <= REGULATION_SECONDS) {
        int bTryPending = (pGame->nFlags & GAME_FLAG_DOWN_MASK) == CONVERSION_ATTEMPT;
        if ((nClock == 2 * QUARTER_SECONDS || nClock == REGULATION_SECONDS) && bTryPending)
            return nClock / QUARTER_SECONDS;
        return nClock / QUARTER_SECONDS + 1;
    }
    int nLength = Get_Overtime_Period_Length(pGame);
    if (nLength <= 0)
        nLength = QUARTER_SECONDS;
    return 5 + (nClock - REGULATION_SECONDS) / nLength;
}

// ---- sides --------------------------------------------------------------------------------------

int Get_Offensive_Team(GAME* pGame) {
    return pGame != NULL ? pGame->nPossession : 0;
}

int Get_Offensive_Side(GAME* pGame) {
    if (pGame == NULL)
        return 0;
    return pGame->nPossession == pGame->anTeams[HOME_SIDE] ? HOME_SIDE : VISITOR_SIDE;
}

int Get_Defensive_Side(GAME* pGame) {
    return pGame != NULL ? 1 - Get_Offensive_Side(pGame) : 0;
}

int Get_Defensive_Team(GAME* pGame) {
    return pGame != NULL ? pGame->anTeams[Get_Defensive_Side(pGame)] : 0;
}

int Get_Game_Side(GAME* pGame, int nTeam) {
    if (pGame == NULL)
        return NO_TEAM;
    if (pGame->anTeams[VISITOR_SIDE] == nTeam)
        return VISITOR_SIDE;
    if (pGame->anTeams[HOME_SIDE] == nTeam)
        return HOME_SIDE;
    return NO_TEAM;
}

int Is_League_Game(GAME* pGame) {
    return pGame != NULL && Is_Valid_Game_Record(pGame);
}

// ---- the result ---------------------------------------------------------------------------------

int Is_Visitor_Leading(GAME* pGame) {
    return pGame != NULL && pGame->anScores[VISITOR_SIDE] > pGame->anScores[HOME_SIDE];
}

int Is_Home_Leading(GAME* pGame) {
    return pGame != NULL && pGame->anScores[HOME_SIDE] > pGame->anScores[VISITOR_SIDE];
}

// A level game in progress counts the home team as the winner; a finished tie has none.
int Get_Game_Winner_Or_Loser(GAME* pGame, int bWinner) {
    if (pGame == NULL)
        return NO_TEAM;
    int nWinningSide;
    if (Is_Visitor_Leading(pGame))
        nWinningSide = VISITOR_SIDE;
    else if (Is_Home_Leading(pGame))
        nWinningSide = HOME_SIDE;
    else if (Is_Game_Over(pGame))
        return NO_TEAM;
    else
        nWinningSide = HOME_SIDE;
    return pGame->anTeams[bWinner ? nWinningSide : 1 - nWinningSide];
}

int Get_Game_Winner(GAME* pGame) {
    return Get_Game_Winner_Or_Loser(pGame, 1);
}

int Get_Game_Loser(GAME* pGame) {
    return Get_Game_Winner_Or_Loser(pGame, 0);
}

// ---- per-player counters ------------------------------------------------------------------------

int Get_Game_Player_Counter(GAME* pGame, int nSide, int nSlot, int nCounter) {
    if (pGame == NULL || !Is_Valid_Game_Record(pGame))
        return 0;
    if (nSide < 0 || nSide > 1 || nSlot < 0 || nSlot >= GAME_LEADER_SLOTS || nCounter < 0 ||
        nCounter >= GAME_PLAYER_COUNTERS)
        return 0;
    return pGame->aaanPlayerCounters[nSide][nSlot][nCounter];
}

// Whether a player of the position takes part in a leader list with the filter.
static int Does_Position_Pass_Filter(int nPosition, int nFilter) {
    if (nFilter == POS_QB)
        return nPosition == POS_QB;
    if (nFilter >= POS_RB && nFilter <= POS_WR)
        return nPosition >= POS_RB && nPosition <= POS_WR;
    if (nFilter >= POS_DE && nFilter <= POS_S)
        return nPosition >= POS_DE && nPosition <= POS_S;
    if (nFilter == POS_K)
        return nPosition == POS_K;
    return 1;
}

// The id of the side's player with the highest positive counter; ties keep the lower slot.
int Get_Game_Stat_Leader(GAME* pGame, int nCounter, int nPositionFilter, int nSide) {
    if ((nPositionFilter >= POS_T && nPositionFilter <= POS_C) || nPositionFilter == POS_P)
        return -1;
    if (pGame == NULL || nSide < 0 || nSide > 1)
        return -1;
    int nTeam = pGame->anTeams[nSide];
    int nBest = 0;
    int nBestSlot = -1;
    for (int nSlot = 0; nSlot < GAME_LEADER_SLOTS; nSlot++) {
        if (!Does_Position_Pass_Filter(Get_Roster_Position(nTeam, nSlot), nPositionFilter))
            continue;
        int nValue = Get_Game_Player_Counter(pGame, nSide, nSlot, nCounter);
        if (nValue > nBest) {
            nBest = nValue;
            nBestSlot = nSlot;
        }
    }
    if (nBestSlot < 0)
        return -1;
    int nId = pGame->aanRosterIds[nSide][nBestSlot];
    return nId != 0 ? nId : -1;
}

int Get_Stored_Game_Home_Team(int nIndex) {
    if (nIndex < 0 || nIndex >= GAME_COUNT)
        return NO_TEAM;
    return gGames[nIndex].anTeams[HOME_SIDE];
}

// ---- info fields by index -----------------------------------------------------------------------

int Get_Game_Info(GAME* pGame, int n) {
    if (pGame == NULL || n < 0 || n >= GAME_INFO_SHORTS)
        return 0;
    return pGame->anInfo[n];
}

void Set_Game_Info(GAME* pGame, int n, int nValue) {
    if (pGame != NULL && n >= 0 && n < GAME_INFO_SHORTS)
        pGame->anInfo[n] = (int16_t)nValue;
}

int Get_Game_Info_Int(GAME* pGame, int n) {
    if (pGame == NULL || n < 0 || n >= GAME_INFO_INTS)
        return 0;
    return pGame->anInfoInts[n];
}

void Set_Game_Info_Int(GAME* pGame, int n, int nValue) {
    if (pGame != NULL && n >= 0 && n < GAME_INFO_INTS)
        pGame->anInfoInts[n] = nValue;
}

// ---- play results -------------------------------------------------------------------------------

int Is_Play_From_Scrimmage(int nResult) {
    if (nResult < 0 || nResult > LAST_VALID_RESULT) {
        Report_Error("Unhandled PLAY_RESULT in Is_Play_From_Scrimmage()");
        return 0;
    }
    return nResult <= LAST_SCRIMMAGE_RESULT;
}
