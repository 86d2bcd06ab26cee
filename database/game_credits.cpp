// What a game credits outside its own record (both teams' player statistics, season lines, team
// totals and injuries, and the league's return-touchdown counters), kept at kickoff. A game that
// stops part-way is played again from its start, so what it credited is taken back first.
#include <string.h>

#include "database/database.h"
#include "database/player_internal.h"

#define SIDES 2
#define NO_LINE (-1)

typedef struct KEPT_PLAYER {
    int32_t nId;
    int32_t nInjury;
    int32_t nInjuryWeeks;
    int32_t nLine;  // the season line of this season and team at kickoff, NO_LINE when none
    int32_t aanStats[SEASON_KIND_STORED][SEASON_STAT_STORED];
    int32_t anLineStats[SEASON_STAT_STORED];
} KEPT_PLAYER;

static struct {
    int bKept;
    int anTeams[SIDES];
    int nPlayers;
    KEPT_PLAYER aPlayers[SIDES * PLAYERS_PER_TEAM];
    int32_t aaaanTotals[SIDES][TEAM_TOTALS_CATEGORIES][TEAM_TOTALS_KINDS][TEAM_TOTALS_STATS];
    int32_t nIntReturnTds;
    int32_t nFumbleReturnTds;
} sKept;

// The player's line of this season and team, without making one.
static int Find_Current_Line(const PLAYER* pPlayer, int nTeam) {
    int nLine = pPlayer->nCurrentSeasonLine;
    if (nLine < 0 || nLine >= SEASON_LINE_COUNT)
        return NO_LINE;
    const SEASON_LINE* pLine = &gSeasonLines[nLine];
    return pLine->nYear == Get_Season_Year() && pLine->nTeam == nTeam ? nLine : NO_LINE;
}

static void Keep_Team(int nSide, int nTeam) {
    sKept.anTeams[nSide] = nTeam;
    memcpy(sKept.aaaanTotals[nSide], gTeams[nTeam].aaanTotals, sizeof(sKept.aaaanTotals[nSide]));
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        const PLAYER* pPlayer = Get_Used_Player_Record(nTeam, nSlot);
        if (pPlayer == NULL)
            continue;
        KEPT_PLAYER* pKept = &sKept.aPlayers[sKept.nPlayers++];
        pKept->nId = Get_Player_ID(nTeam, nSlot);
        pKept->nInjury = pPlayer->anVitalStats[VITAL_INJURY];
        pKept->nInjuryWeeks = pPlayer->anVitalStats[VITAL_INJURY_WEEKS];
        memcpy(pKept->aanStats, pPlayer->aanSeasonStats, sizeof(pKept->aanStats));
        pKept->nLine = Find_Current_Line(pPlayer, nTeam);
        if (pKept->nLine != NO_LINE)
            memcpy(pKept->anLineStats, gSeasonLines[pKept->nLine].anStats,
                   sizeof(pKept->anLineStats));
    }
}

void Keep_Game_Credits(int nHome, int nVisitor) {
    sKept.bKept = 0;
    sKept.nPlayers = 0;
    if (!Is_Valid_Team(nHome) || !Is_Valid_Team(nVisitor) || nHome >= TOTAL_NUMBER_OF_TEAMS ||
        nVisitor >= TOTAL_NUMBER_OF_TEAMS)
        return;
    Keep_Team(0, nHome);
    Keep_Team(1, nVisitor);
    sKept.nIntReturnTds = Get_Universe_Stat(UNIVERSE_INT_RETURN_TDS);
    sKept.nFumbleReturnTds = Get_Universe_Stat(UNIVERSE_FUMBLE_RETURN_TDS);
    sKept.bKept = 1;
}

static void Restore_Player(const KEPT_PLAYER* pKept) {
    int nTeam = NO_TEAM, nSlot = NO_PLAYER;
    if (!Get_Player_By_ID(&nTeam, &nSlot, pKept->nId))
        return;
    PLAYER* pPlayer = Get_Used_Player_Record(nTeam, nSlot);
    if (pPlayer == NULL)
        return;
    pPlayer->anVitalStats[VITAL_INJURY] = pKept->nInjury;
    pPlayer->anVitalStats[VITAL_INJURY_WEEKS] = pKept->nInjuryWeeks;
    pPlayer->anVitalStats[VITAL_ON_FIELD] = 0;
    memcpy(pPlayer->aanSeasonStats, pKept->aanStats, sizeof(pKept->aanStats));
    // A line the game opened holds only the game's numbers.
    int nLine = pKept->nLine != NO_LINE ? pKept->nLine : Find_Current_Line(pPlayer, nTeam);
    if (nLine == NO_LINE)
        return;
    if (pKept->nLine != NO_LINE)
        memcpy(gSeasonLines[nLine].anStats, pKept->anLineStats, sizeof(pKept->anLineStats));
    else
        memset(gSeasonLines[nLine].anStats, 0, sizeof(gSeasonLines[nLine].anStats));
}

int Take_Back_Game_Credits(int nHome, int nVisitor) {
    if (!sKept.bKept || sKept.anTeams[0] != nHome || sKept.anTeams[1] != nVisitor)
        return 0;
    for (int n = 0; n < sKept.nPlayers; n++)
        Restore_Player(&sKept.aPlayers[n]);
    for (int nSide = 0; nSide < SIDES; nSide++)
        memcpy(gTeams[sKept.anTeams[nSide]].aaanTotals, sKept.aaaanTotals[nSide],
               sizeof(sKept.aaaanTotals[nSide]));
    Set_Universe_Stat(UNIVERSE_INT_RETURN_TDS, sKept.nIntReturnTds);
    Set_Universe_Stat(UNIVERSE_FUMBLE_RETURN_TDS, sKept.nFumbleReturnTds);
    sKept.bKept = 0;
    return 1;
}
