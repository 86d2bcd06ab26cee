// Questions asked of the season's stored games: a week's records, a team's latest games, recent
// results and streaks, head-to-head counts and sums of scores and game totals.
//
// Games are stored in the order they were started, and each record keeps the week it was played
// in, so the games of a week are found by that week and never by counting records: byes, uneven
// schedules and playoff rounds of any size all come out right.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "database/records_internal.h"

int Is_Game_Record_Played(GAME* pGame) {
    return pGame != NULL && Is_Game_Over(pGame);
}

int Is_Game_Record_Used(GAME* pGame) {
    return pGame != NULL && pGame->anInfo[GAME_INFO_YEAR] >= 1;
}

int Count_Stored_Games(void) {
    int nCount = 0;
    while (nCount < GAME_COUNT && Is_Game_Record_Played(&gGames[nCount]))
        nCount++;
    return nCount;
}

// A record that holds the team and whose two teams are different league teams.
static int Is_Team_Game(const GAME* pGame, int nTeam) {
    return Is_Valid_Game_Record(pGame) &&
           (pGame->anTeams[VISITOR_SIDE] == nTeam || pGame->anTeams[HOME_SIDE] == nTeam);
}

static int Is_Week_Game(GAME* pGame, int nWeek) {
    return Is_Game_Record_Used(pGame) && pGame->anInfo[GAME_INFO_WEEK] == nWeek;
}

// The team's score and its opponent's in a record that holds it.
static void Get_Team_Scores(const GAME* pGame, int nTeam, int* pOwn, int* pOther) {
    int nSide = pGame->anTeams[HOME_SIDE] == nTeam ? HOME_SIDE : VISITOR_SIDE;
    *pOwn = pGame->anScores[nSide];
    *pOther = pGame->anScores[1 - nSide];
}

// ---- the games of a week -----------------------------------------------------------------------

int Get_Week_First_Game_Index(int nWeek) {
    if (nWeek == 0)
        return 0;
    for (int nIndex = 0; nIndex < GAME_COUNT; nIndex++) {
        if (Is_Week_Game(&gGames[nIndex], nWeek))
            return nIndex;
    }
    return NO_WEEK_GAME;
}

int Count_Week_Games(int nWeek) {
    int nCount = 0;
    for (int nIndex = 0; nIndex < GAME_COUNT; nIndex++)
        nCount += Is_Week_Game(&gGames[nIndex], nWeek);
    return nCount;
}

// The record index of the team's game in the week and, through pPosition, its place among the
// week's records; NO_GAME_INDEX when the team has no game stored for the week.
static int Find_Team_Week_Game(int nWeek, int nTeam, int* pPosition) {
    int nPosition = 0;
    for (int nIndex = 0; nIndex < GAME_COUNT; nIndex++) {
        GAME* pGame = &gGames[nIndex];
        if (!Is_Week_Game(pGame, nWeek))
            continue;
        if (Is_Team_Game(pGame, nTeam)) {
            *pPosition = nPosition;
            return nIndex;
        }
        nPosition++;
    }
    *pPosition = NO_GAME_INDEX;
    return NO_GAME_INDEX;
}

GAME* Find_Team_Game_In_Week(int nWeek, int nTeam) {
    int nPosition;
    int nIndex = Find_Team_Week_Game(nWeek, nTeam, &nPosition);
    return nIndex == NO_GAME_INDEX ? NULL : &gGames[nIndex];
}

int Find_Team_Game_Index_In_Week(int nWeek, int nTeam) {
    int nPosition;
    Find_Team_Week_Game(nWeek, nTeam, &nPosition);
    return nPosition;
}

int Find_Team_Game_Record_In_Week(int nWeek, int nTeam) {
    int nPosition;
    return Find_Team_Week_Game(nWeek, nTeam, &nPosition);
}

// ---- latest games, recent results and streaks --------------------------------------------------

// From record 288 down, the latest record that passes the test and holds the team; when the team
// has none, the latest that passes the test.
static int Find_Latest_Game(int nTeam, int (*pTest)(GAME*)) {
    int nAnyTeam = NO_GAME_INDEX;
    for (int nIndex = RECENT_GAMES_SCAN_LAST; nIndex >= 0; nIndex--) {
        GAME* pGame = &gGames[nIndex];
        if (!pTest(pGame))
            continue;
        if (pGame->anTeams[VISITOR_SIDE] == nTeam || pGame->anTeams[HOME_SIDE] == nTeam)
            return nIndex;
        if (nAnyTeam == NO_GAME_INDEX)
            nAnyTeam = nIndex;
    }
    return nAnyTeam;
}

int Find_Team_Latest_Game(int nTeam) {
    return Find_Latest_Game(nTeam, Is_Game_Record_Used);
}

int Find_Team_Latest_Played_Game(int nTeam) {
    return Find_Latest_Game(nTeam, Is_Game_Record_Played);
}

// The team's finished games from record 288 down, newest first: *pIndex is the next record to
// look at (start at RECENT_GAMES_SCAN_LAST); 0 when there is none left.
static int Next_Recent_Team_Game(int nTeam, int* pIndex, int* pOwn, int* pOther) {
    while (*pIndex >= 0) {
        GAME* pGame = &gGames[(*pIndex)--];
        if (Is_Team_Game(pGame, nTeam) && Is_Game_Record_Played(pGame)) {
            Get_Team_Scores(pGame, nTeam, pOwn, pOther);
            return 1;
        }
    }
    return 0;
}

int Count_Team_Recent_Results(int nTeam, int nGames, int nKind) {
    int nIndex = RECENT_GAMES_SCAN_LAST;
    int nOwn, nOther, nCount = 0;
    for (int nGame = 0; nGame < nGames && Next_Recent_Team_Game(nTeam, &nIndex, &nOwn, &nOther);
         nGame++) {
        if ((nKind == RECENT_WINS && nOwn > nOther) || (nKind == RECENT_LOSSES && nOwn < nOther) ||
            (nKind == RECENT_TIES && nOwn == nOther))
            nCount++;
    }
    return nCount;
}

void Format_Team_Recent_Record(char* st, int nSize, int nTeam, int nGames) {
    int nWins = Count_Team_Recent_Results(nTeam, nGames, RECENT_WINS);
    int nLosses = Count_Team_Recent_Results(nTeam, nGames, RECENT_LOSSES);
    int nTies = Count_Team_Recent_Results(nTeam, nGames, RECENT_TIES);
    if (nTies > 0)
        Format_String(st, nSize, "%d-%d-%d", nWins, nLosses, nTies);
    else
        Format_String(st, nSize, "%d-%d", nWins, nLosses);
}

// Consecutive finished games, newest first, that the team won (bWins) or lost.
static int Count_Team_Streak(int nTeam, int bWins) {
    int nIndex = RECENT_GAMES_SCAN_LAST;
    int nOwn, nOther, nStreak = 0;
    while (Next_Recent_Team_Game(nTeam, &nIndex, &nOwn, &nOther) &&
           (bWins ? nOther < nOwn : nOwn < nOther))
        nStreak++;
    return nStreak;
}

int Get_Team_Winning_Streak(int nTeam) {
    return Count_Team_Streak(nTeam, 1);
}

int Get_Team_Losing_Streak(int nTeam) {
    return Count_Team_Streak(nTeam, 0);
}

// ---- head-to-head counts -----------------------------------------------------------------------

static int Get_Tally_Kind(int nKind) {
    return nKind == RESULT_KIND_WINS     ? 0
           : nKind == RESULT_KIND_LOSSES ? 1
           : nKind == RESULT_KIND_TIES   ? 2
                                         : -1;
}

void Tally_Season_Results(RESULTS_TALLY* pTally) {
    memset(pTally, 0, sizeof(*pTally));
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        pTally->anDivisions[nTeam] = Get_Team_Division(nTeam);
        pTally->anLeagues[nTeam] = Get_Team_League(nTeam);
    }
    int nFirstPostseasonWeek = Get_Regular_Season_Week_Count();
    for (int nIndex = 0; nIndex < GAME_COUNT; nIndex++) {
        GAME* pGame = &gGames[nIndex];
        if (!Is_Valid_Game_Record(pGame) || !Is_Game_Record_Played(pGame) ||
            pGame->anInfo[GAME_INFO_WEEK] >= nFirstPostseasonWeek)
            continue;
        for (int nSide = VISITOR_SIDE; nSide <= HOME_SIDE; nSide++) {
            int nTeam = pGame->anTeams[nSide];
            int nOpponent = pGame->anTeams[1 - nSide];
            int nOwn = pGame->anScores[nSide];
            int nOther = pGame->anScores[1 - nSide];
            int nKind = nOwn > nOther ? 0 : nOwn < nOther ? 1 : 2;
            pTally->aanGames[nKind][0][nTeam][nOpponent]++;
            if (nSide == HOME_SIDE)
                pTally->aanGames[nKind][1][nTeam][nOpponent]++;
        }
    }
}

int Count_Tallied_Results(const RESULTS_TALLY* pTally, int nTeam, int nKind, int nFilter) {
    int nTallyKind = Get_Tally_Kind(nKind);
    if (nTallyKind < 0 || nTeam < 0 || nTeam >= LEAGUE_TEAM_COUNT)
        return 0;
    int nHomeOnly = (nFilter & RESULTS_SKIP_ROAD_GAMES) ? 1 : 0;
    const uint16_t* anCounts = pTally->aanGames[nTallyKind][nHomeOnly][nTeam];
    if (nFilter >= 0 && nFilter < LEAGUE_TEAM_COUNT)
        return anCounts[nFilter];
    // The opponent filter's group rules, on the divisions and leagues of the tally.
    const int* anGroups = (nFilter & RESULTS_SAME_DIVISION) ? pTally->anDivisions
                          : (nFilter & RESULTS_SAME_LEAGUE) ? pTally->anLeagues
                                                            : NULL;
    int nCount = 0;
    for (int nOpponent = 0; nOpponent < LEAGUE_TEAM_COUNT; nOpponent++) {
        if (!anGroups || anGroups[nOpponent] == anGroups[nTeam])
            nCount += anCounts[nOpponent];
    }
    return nCount;
}

int Count_Team_Game_Results(int nTeam, int nKind, int nFilter) {
    RESULTS_TALLY tally;
    Tally_Season_Results(&tally);
    return Count_Tallied_Results(&tally, nTeam, nKind, nFilter);
}

// ---- sums over the season's records ------------------------------------------------------------

static int Is_Team_Total_Index(int nStat) {
    return nStat >= 0 && nStat < GAME_TEAM_TOTAL_COUNT;
}

int Sum_League_Game_Team_Total(int nStat) {
    if (!Is_Team_Total_Index(nStat))
        return 0;
    int nSum = 0;
    for (int nIndex = 0; nIndex < SEASON_GAMES_SUM_COUNT; nIndex++)
        nSum += gGames[nIndex].aanTeamTotals[VISITOR_SIDE][nStat] +
                gGames[nIndex].aanTeamTotals[HOME_SIDE][nStat];
    return nSum;
}

int Sum_Team_Game_Team_Total(int nTeam, int nStat) {
    if (!Is_Team_Total_Index(nStat))
        return 0;
    int nSum = 0;
    for (int nIndex = 0; nIndex < SEASON_GAMES_SUM_COUNT; nIndex++) {
        GAME* pGame = &gGames[nIndex];
        if (Is_Team_Game(pGame, nTeam))
            nSum += pGame->aanTeamTotals[Get_Game_Side(pGame, nTeam)][nStat];
    }
    return nSum;
}

int Sum_Total_Points_Scored(void) {
    int nSum = 0;
    for (int nIndex = 0; nIndex < SEASON_GAMES_SUM_COUNT; nIndex++)
        nSum += gGames[nIndex].anScores[VISITOR_SIDE] + gGames[nIndex].anScores[HOME_SIDE];
    return nSum;
}

int Sum_Team_Points(int nTeam, int bScored) {
    int nSum = 0;
    for (int nIndex = 0; nIndex < SEASON_GAMES_SUM_COUNT; nIndex++) {
        const GAME* pGame = &gGames[nIndex];
        if (!Is_Team_Game(pGame, nTeam))
            continue;
        int nOwn, nOther;
        Get_Team_Scores(pGame, nTeam, &nOwn, &nOther);
        nSum += bScored ? nOwn : nOther;
    }
    return nSum;
}

// 0 = the most points scored, or the fewest allowed.
int Get_Team_Points_Rank(int nTeam, int bScored) {
    int nPoints = Sum_Team_Points(nTeam, bScored);
    int nRank = 0;
    for (int nOther = 0; nOther < LEAGUE_TEAM_COUNT; nOther++) {
        if (!Is_Team_Active(nOther))
            continue;
        int nOtherPoints = Sum_Team_Points(nOther, bScored);
        nRank += bScored ? nOtherPoints > nPoints : nOtherPoints < nPoints;
    }
    return nRank;
}
