// One line of a player's season statistics, by his position.
#include <stdlib.h>

#include "database/database.h"

static int Stat(int nTeam, int nSlot, int nSeason, int nStat) {
    return Get_Player_Stat(nTeam, nSlot, nSeason, nStat);
}

static int Format_Passer_Summary(int nTeam, int nSlot, int nSeason, char* szOut, int nSize) {
    int nRate = Stat(nTeam, nSlot, nSeason, STAT_COMPLETION_RATE);
    int nYards = Stat(nTeam, nSlot, nSeason, OFF_PASSING_YARDS);
    Format_String(szOut, nSize, "%d.%d%%, %d Yds, %d TD, %d Int", nRate / 10, nRate % 10, nYards,
                  Stat(nTeam, nSlot, nSeason, OFF_PASSING_TOUCHDOWNS),
                  Stat(nTeam, nSlot, nSeason, OFF_INTERCEPTIONS));
    return nYards;
}

static int Format_Runner_Summary(int nTeam, int nSlot, int nSeason, char* szOut, int nSize) {
    int nYards = Stat(nTeam, nSlot, nSeason, OFF_RUSHING_YARDS);
    int nReceptions = Stat(nTeam, nSlot, nSeason, OFF_RECEPTIONS);
    Format_String(szOut, nSize, "%d Rush, %d Yds, %d TD", Stat(nTeam, nSlot, nSeason, OFF_RUSHES),
                  nYards, Stat(nTeam, nSlot, nSeason, OFF_RUSHING_TOUCHDOWNS));
    if (nReceptions != 0)
        Append_Format_String(szOut, nSize, ", %d Rec", nReceptions);
    return nYards;
}

static int Format_Receiver_Summary(int nTeam, int nSlot, int nSeason, char* szOut, int nSize) {
    int nYards = Stat(nTeam, nSlot, nSeason, OFF_RECEIVING_YARDS);
    Format_String(szOut, nSize, "%d Rec, %d Yds, %d TD", Stat(nTeam, nSlot, nSeason, OFF_RECEPTIONS),
                  nYards, Stat(nTeam, nSlot, nSeason, OFF_RECEIVING_TOUCHDOWNS));
    return nYards;
}

static int Format_Lineman_Summary(int nTeam, int nSlot, int nSeason, char* szOut, int nSize) {
    int nPerRush = Stat(nTeam, nSlot, nSeason, STAT_YARDS_PER_RUSH);
    int nSacks = Stat(nTeam, nSlot, nSeason, STAT_SACKS_ALLOWED_WEIGHT);
    Format_String(szOut, nSize, "%d.%02d Yards/Rush, %d.%02d Sacks", nPerRush / 100,
                  abs(nPerRush % 100), nSacks / 100, abs(nSacks % 100));
    return nPerRush;
}

static int Format_Defender_Summary(int nTeam, int nSlot, int nSeason, char* szOut, int nSize) {
    int nTackles = Stat(nTeam, nSlot, nSeason, STAT_TACKLES);
    int nSacks = Stat(nTeam, nSlot, nSeason, STAT_SACK_TENTHS);
    Format_String(szOut, nSize, "%d Tackles, %d.%d Sacks, %d PD, %d Int", nTackles, nSacks / 10,
                  nSacks % 10, Stat(nTeam, nSlot, nSeason, DEF_PASSES_DEFENSED),
                  Stat(nTeam, nSlot, nSeason, DEF_INTERCEPTIONS));
    return nTackles;
}

static int Format_Kicker_Summary(int nTeam, int nSlot, int nSeason, char* szOut, int nSize) {
    int nMade = Stat(nTeam, nSlot, nSeason, STAT_FIELD_GOALS_MADE);
    int nRate = Stat(nTeam, nSlot, nSeason, STAT_FIELD_GOAL_RATE);
    Format_String(szOut, nSize, "%d FGs, %d.%d%% Success", nMade, nRate / 10, nRate % 10);
    return nMade;
}

static int Format_Punter_Summary(int nTeam, int nSlot, int nSeason, char* szOut, int nSize) {
    int nAverage = Stat(nTeam, nSlot, nSeason, STAT_PUNT_AVERAGE);
    Format_String(szOut, nSize, "%d Punts, Average: %d.%d Yards",
                  Stat(nTeam, nSlot, nSeason, KICK_PUNTS), nAverage / 10, nAverage % 10);
    return Stat(nTeam, nSlot, nSeason, KICK_PUNT_YARDS);
}

int Format_Player_Stat_Summary(int nTeam, int nSlot, int nSeason, char* szOut, int nSize) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (!Is_Position_Code(nPosition))
        return 0;
    int nGames = Stat(nTeam, nSlot, nSeason, STAT_GAMES);
    int (*pFormat)(int, int, int, char*, int) = nullptr;
    int bShown = nGames >= 1;
    switch (nPosition) {
    case POS_QB: pFormat = Format_Passer_Summary; break;
    case POS_RB:
    case POS_FB: pFormat = Format_Runner_Summary; break;
    case POS_TE:
    case POS_WR: pFormat = Format_Receiver_Summary; break;
    case POS_T:
    case POS_G:
    case POS_C:
        pFormat = Format_Lineman_Summary;
        bShown = Stat(nTeam, nSlot, nSeason, LINE_SACKS_ALLOWED) > 0 ||
                 Stat(nTeam, nSlot, nSeason, OFF_RUSHES) > 0;
        break;
    case POS_K: pFormat = Format_Kicker_Summary; break;
    case POS_P: pFormat = Format_Punter_Summary; break;
    default: pFormat = Format_Defender_Summary; break;
    }
    if (!bShown) {
        safe_strncpy(szOut, "", nSize);
        return 0;
    }
    return pFormat(nTeam, nSlot, nSeason, szOut, nSize);
}
