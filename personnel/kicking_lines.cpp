// Kickers' and punters' numbers that follow from their other numbers: the longest punt and the
// longest field goal, and a random punting season.
#include <stdint.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define ROOT_LIMIT 1000000000

// Longest punt: one punt is its own longest; more punts give the average plus a random part
// growing with the root of their number.
void Derive_Longest_Punt(int nTeam, int nSlot, int nSeason) {
    int n = Get_Player_Stat(nTeam, nSlot, nSeason, KICK_PUNTS);
    int y = Get_Player_Stat(nTeam, nSlot, nSeason, KICK_PUNT_YARDS);
    int nLongest = 0;
    if (n == 1) {
        nLongest = y;
    } else if (n >= 2) {
        int64_t nSpread = 10 * (int64_t)n + 30;
        int s = Signed_Root(nSpread > ROOT_LIMIT ? ROOT_LIMIT : (int)nSpread);
        nLongest = y / n + s / 2 + Draw_Random(s);
    }
    Set_Player_Stat(nTeam, nSlot, nSeason, KICK_LONGEST_PUNT, nLongest);
}

// Longest field goal from the made kicks of the longest distance bands, with a small random
// spread (none for the predicted season).
void Derive_Longest_Field_Goal(int nTeam, int nSlot, int nSeason) {
    int z = 0;
    if (nSeason != SEASON_PREDICTED) {
        int nFirst = Draw_Random(3);
        z = Draw_Random(3) - nFirst;
    }
    auto S = [=](int nStat) { return Get_Player_Stat(nTeam, nSlot, nSeason, nStat); };
    int nLongest;
    if (S(KICK_FG_MADE_50_PLUS) > 0)
        nLongest = Max_Int(2 * S(KICK_FG_MADE_50_PLUS) + z - S(KICK_FG_ATTEMPTS_50_PLUS) / 2 + 48,
                           z / 2 + 51);
    else if (S(KICK_FG_MADE_40_49) > 0)
        nLongest = 47 + z;
    else if (S(KICK_FG_MADE_30_39) > 0)
        nLongest = 37 + z;
    else
        nLongest = 27 + z;
    Set_Player_Stat(nTeam, nSlot, nSeason, KICK_LONGEST_FIELD_GOAL, nLongest);
}

// Every season of the player with made field goals but no longest one.
void Fill_Kicker_Longest_Field_Goals(int nTeam, int nSlot) {
    for (int nSeason = 0; nSeason < SEASON_KIND_COUNT; nSeason++) {
        if (Get_Player_Stat(nTeam, nSlot, nSeason, KICK_LONGEST_FIELD_GOAL) == 0 &&
            Get_Player_Stat(nTeam, nSlot, nSeason, STAT_FIELD_GOALS_MADE) > 0)
            Derive_Longest_Field_Goal(nTeam, nSlot, nSeason);
    }
}

// Calls fn for every player of a position on the league teams in use.
static void For_Each_League_Position_Player(int nPosition, void (*fn)(int nTeam, int nSlot)) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot) &&
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) == nPosition)
                fn(nTeam, nSlot);
        }
    }
}

void Fill_Missing_Kicker_Stats(void) {
    For_Each_League_Position_Player(POS_K, Fill_Kicker_Longest_Field_Goals);
}

// A draw from nLow..nHigh.
static int Draw_Between(int nLow, int nHigh) {
    return nLow + Draw_Random(nHigh - nLow + 1);
}

static void Generate_Punter_Last_Season(int nTeam, int nSlot) {
    int nPunts = Draw_Between(40, 60);
    int nTenths = 400 + Draw_Between(0, 24);
    nTenths += Draw_Between(0, 24);
    Set_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, KICK_PUNTS, nPunts);
    Set_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, KICK_PUNT_YARDS, nPunts * nTenths / 10);
    Set_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, KICK_LONGEST_PUNT, Draw_Between(55, 65));
    Set_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, KICK_TOUCHBACKS, Draw_Between(4, 8));
    Set_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, STAT_GAMES,
                    Min_Int(17, nPunts / 3 + Draw_Between(0, 4)));
}

// A random last season for every punter of the league.
void Generate_Punter_Season(void) {
    For_Each_League_Position_Player(POS_P, Generate_Punter_Last_Season);
}
