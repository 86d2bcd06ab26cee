// The texts of the standings table: a division place's cells and a team's statistics columns.
#include <ctype.h>

#include "core/core.h"
#include "database/database.h"
#include "database/records_internal.h"

#define EN_DASH "\x96"
#define FIRST_STANDINGS_STAT_PREFERENCE 95  // + column 5..9
#define STANDINGS_COLUMN_COUNT 10

// Team totals categories and stats of the columns below.
enum { RUSHING = 0, OWN_PASSING = 3, DEFENCE_RUSHING = 4, DEFENCE_PASSING = 7 };
enum { ATTEMPTS = 2, INTERCEPTIONS = 4, PASS_YARDS = 5, RUSHES = 7, RUSH_YARDS = 8 };
enum { FUMBLES_LOST = 13, SACKS_TAKEN = 14, SACK_YARDS = 15 };

static int T(int nTeam, int nCategory, int nStat) {
    return Get_Team_Totals_Stat(nTeam, nCategory, SEASON_CURRENT, nStat);
}

// A value per game played, "%d.%01d", or the en dash before the first game.
static void Format_Per_Team_Game(int nTeam, int nValue, char* szOut, int nSize) {
    int nGames = Get_Team_Games_Played(nTeam);
    if (nGames <= 0) {
        safe_strncpy(szOut, EN_DASH, nSize);
        return;
    }
    int nTenths = Round_Ratio(nValue, nGames, 10);
    Format_String(szOut, nSize, "%d.%01d", nTenths / 10, abs(nTenths % 10));
}

static int Count_Turnovers(int nTeam) {
    return T(nTeam, OWN_PASSING, INTERCEPTIONS) + T(nTeam, OWN_PASSING, FUMBLES_LOST) +
           T(nTeam, RUSHING, FUMBLES_LOST);
}

static int Count_Takeaways(int nTeam) {
    return T(nTeam, DEFENCE_PASSING, INTERCEPTIONS) + T(nTeam, DEFENCE_PASSING, FUMBLES_LOST) +
           T(nTeam, DEFENCE_RUSHING, FUMBLES_LOST);
}

// STAND-IN(database): writes every one of the 48 standings statistics columns; this covers
// points scored and allowed, the turnover margin and the yards per play.
int Get_Team_Stat_Text(int nTeam, int nColumn, char* szOut, int nSize) {
    szOut[0] = 0;
    if (!Is_Team_Active(nTeam))
        return 0;
    switch (nColumn) {
    case TEAM_STAT_POINTS_SCORED:
    case TEAM_STAT_POINTS_ALLOWED:
        Format_Per_Team_Game(nTeam, Sum_Team_Points(nTeam, nColumn == TEAM_STAT_POINTS_SCORED),
                             szOut, nSize);
        return 1;
    case TEAM_STAT_TURNOVER_MARGIN: {
        int nMargin = Count_Takeaways(nTeam) - Count_Turnovers(nTeam);
        Format_String(szOut, nSize, nMargin < 1 ? "%d" : "+%d", nMargin);
        return 1;
    }
    case TEAM_STAT_YARDS_PER_PLAY: {
        int nYards = T(nTeam, RUSHING, RUSH_YARDS) + T(nTeam, OWN_PASSING, RUSH_YARDS) +
                     T(nTeam, OWN_PASSING, PASS_YARDS) - T(nTeam, OWN_PASSING, SACK_YARDS);
        int nPlays = T(nTeam, RUSHING, RUSHES) + T(nTeam, OWN_PASSING, ATTEMPTS) +
                     T(nTeam, OWN_PASSING, RUSHES) + T(nTeam, OWN_PASSING, SACKS_TAKEN);
        int nHundredths = Round_Ratio(nYards, nPlays, 100);
        Format_String(szOut, nSize, "%d.%02d", nHundredths / 100, abs(nHundredths % 100));
        return 1;
    }
    default: return 0;
    }
}

int Get_Standings_Cell_Text(int nDivision, int nPlace, int nColumn, char* szOut, int nSize) {
    szOut[0] = 0;
    int nTeam = Get_Division_Standings_Team(nDivision, nPlace);
    if (!Is_Team_Active(nTeam) || nColumn < 0 || nColumn >= STANDINGS_COLUMN_COUNT)
        return 0;
    switch (nColumn) {
    case 0:
        Get_Team_City(nTeam, szOut, nSize);
        if (Is_Human_Team(nTeam))
            szOut[0] = (char)toupper((unsigned char)szOut[0]);
        break;
    case 1:
    case 2:
    case 3:
        Format_String(szOut, nSize, "%d", Get_Team_Record_Char(nTeam, (nColumn - 1) * 4));
        break;
    case 4: {
        int nPerMille = Get_Team_Winning_Percentage(nTeam);
        if (nPerMille >= 1000)
            Format_String(szOut, nSize, "%d.%03d", nPerMille / 1000, nPerMille % 1000);
        else
            Format_String(szOut, nSize, ".%03d", nPerMille);
        break;
    }
    default:
        Get_Team_Stat_Text(nTeam, Get_User_Preference(FIRST_STANDINGS_STAT_PREFERENCE + nColumn),
                           szOut, nSize);
    }
    return 1;
}
