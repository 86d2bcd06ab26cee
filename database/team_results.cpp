// A team's results found through its schedule rows: each week's game record, once the game is
// over, gives a win, a loss or a tie (equal scores).
#include "database/database.h"

enum TEAM_RESULT { TEAM_WON, TEAM_LOST, TEAM_TIED };

// Finished games in weeks nFirst..nLast - 1 that the team won, lost or tied (home games only when
// bHomeOnly is set).
static int Count_Team_Results(int nTeam, int nFirst, int nLast, int nKind, int bHomeOnly) {
    if (nTeam < 0 || nTeam >= LEAGUE_TEAM_COUNT)
        return 0;
    int nCount = 0;
    for (int nWeek = Max_Int(nFirst, 0); nWeek < nLast && nWeek < SCHEDULE_WEEKS; nWeek++) {
        GAME* pGame = Get_Game_Record(Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_GAME_INDEX));
        if (!Is_Game_Record_Used(pGame) || !Is_Game_Over(pGame))
            continue;
        int nSide = Get_Game_Side(pGame, nTeam);
        if (nSide == NO_TEAM || (bHomeOnly && nSide != HOME_SIDE))
            continue;
        int nOwn = pGame->anScores[nSide];
        int nOther = pGame->anScores[1 - nSide];
        if ((nKind == TEAM_WON && nOwn > nOther) || (nKind == TEAM_LOST && nOwn < nOther) ||
            (nKind == TEAM_TIED && nOwn == nOther))
            nCount++;
    }
    return nCount;
}

int Count_Team_Wins(int nTeam, int nWeeks) {
    return Count_Team_Results(nTeam, 0, nWeeks, TEAM_WON, 0);
}

int Count_Team_Losses(int nTeam, int nWeeks) {
    return Count_Team_Results(nTeam, 0, nWeeks, TEAM_LOST, 0);
}

int Count_Team_Ties(int nTeam, int nWeeks) {
    return Count_Team_Results(nTeam, 0, nWeeks, TEAM_TIED, 0);
}

// The regular-season weeks played so far.
static int Get_Played_Regular_Weeks(void) {
    return Min_Int(gCurrentWeek, gPostseasonWeeks[0]);
}

int Count_Team_Home_Wins(int nTeam) {
    return Count_Team_Results(nTeam, 0, Get_Played_Regular_Weeks(), TEAM_WON, 1);
}

int Count_Team_Home_Losses(int nTeam) {
    return Count_Team_Results(nTeam, 0, Get_Played_Regular_Weeks(), TEAM_LOST, 1);
}

int Count_Team_Home_Ties(int nTeam) {
    return Count_Team_Results(nTeam, 0, Get_Played_Regular_Weeks(), TEAM_TIED, 1);
}

int Count_Team_Playoff_Wins(int nTeam) {
    return Count_Team_Results(nTeam, gPostseasonWeeks[0], SCHEDULE_WEEKS, TEAM_WON, 0);
}

int Count_Team_Playoff_Losses(int nTeam) {
    return Count_Team_Results(nTeam, gPostseasonWeeks[0], SCHEDULE_WEEKS, TEAM_LOST, 0);
}
