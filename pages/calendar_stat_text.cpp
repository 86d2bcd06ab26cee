// The Calendar page's game-statistics cells: one of 20 columns for the shown team's game of a
// week, read from the game record's per-side team statistics and the stored betting lines.
#include "pages/pages.h"
#include "personnel/personnel.h"

// The game record's per-side team totals and team stats that the columns read.
#define TOTAL_RUSHES 5
#define TOTAL_RUSHING_YARDS 6
#define TOTAL_PASS_ATTEMPTS 7
#define TOTAL_PASSING_YARDS 9
#define TOTAL_TURNOVERS 10
#define TOTAL_SACKS_MADE 11
#define TOTAL_THIRD_DOWN_TRIES 14
#define TOTAL_THIRD_DOWN_MADE 15
#define TOTAL_FOURTH_DOWN_TRIES 16
#define TOTAL_FOURTH_DOWN_MADE 17
#define TOTAL_POSSESSION_SECONDS 18
#define SIDE_STAT_RED_ZONE_TRIPS 1
#define SIDE_STAT_RED_ZONE_TOUCHDOWNS 2
#define SIDE_STAT_RED_ZONE_FIELD_GOALS 3

#define NO_VALUE_TEXT "\x96"

int Find_Calendar_Game(int nTeam, int nWeek, CALENDAR_GAME* pGame) {
    memset(pGame, 0, sizeof *pGame);
    if (nWeek < 0 || nWeek >= SCHEDULE_WEEKS || !Is_Valid_Team(nTeam))
        return 0;
    int nCode = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT);
    if (nCode == 0)
        return 0;
    pGame->bHome = nCode > 0;
    pGame->nOpponent = abs(nCode) - 1;
    pGame->nHome = pGame->bHome ? nTeam : pGame->nOpponent;
    pGame->nVisitor = pGame->bHome ? pGame->nOpponent : nTeam;
    pGame->nIndex = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_GAME_INDEX);
    pGame->pRecord = Get_Game_Record(pGame->nIndex);
    pGame->bSetUp =
        pGame->pRecord != NULL && Get_Game_Info(pGame->pRecord, GAME_INFO_YEAR) >= 1;
    pGame->bPlayed =
        pGame->bSetUp && Is_Game_Over(pGame->pRecord) && nWeek <= gCurrentWeek;
    return 1;
}

static int Side_Total(const CALENDAR_GAME* pGame, int bOwn, int nTotal) {
    int bSide = pGame->bHome == bOwn ? HOME_SIDE : VISITOR_SIDE;
    return pGame->pRecord->aanTeamTotals[bSide][nTotal];
}

static int Side_Stat(const CALENDAR_GAME* pGame, int bOwn, int nStat) {
    int bSide = pGame->bHome == bOwn ? HOME_SIDE : VISITOR_SIDE;
    return pGame->pRecord->aabTeamStats[bSide][nStat];
}

static int Total_Yards(const CALENDAR_GAME* pGame, int bOwn) {
    return Side_Total(pGame, bOwn, TOTAL_RUSHING_YARDS) + Side_Total(pGame, bOwn, TOTAL_PASSING_YARDS);
}

// Yards per play in tenths, the plays counting the sacks taken.
static void Format_Yards_Per_Play(const CALENDAR_GAME* pGame, int bOwn, char* szOut, int nSize) {
    int nPlays = Side_Total(pGame, bOwn, TOTAL_RUSHES) + Side_Total(pGame, bOwn, TOTAL_PASS_ATTEMPTS) +
                 Side_Total(pGame, !bOwn, TOTAL_SACKS_MADE);
    if (nPlays <= 0) {
        Format_String(szOut, nSize, NO_VALUE_TEXT);
        return;
    }
    int nTenths = (Total_Yards(pGame, bOwn) * 10 * 2 + nPlays) / (2 * nPlays);
    if (nTenths < 0)
        Format_String(szOut, nSize, "-%d.%01d", -nTenths / 10, -nTenths % 10);
    else
        Format_String(szOut, nSize, "%d.%01d", nTenths / 10, nTenths % 10);
}

static void Format_Rate(int nMade, int nTries, char* szOut, int nSize) {
    int nPercent = nTries > 0 ? (nMade * 100 + nTries / 2) / nTries : 0;
    Format_String(szOut, nSize, "%d%% (%d/%d)", nPercent, nMade, nTries);
}

static void Format_Game_Stat(const CALENDAR_GAME* pGame, int nColumn, char* szOut, int nSize) {
    int nOwnTurnovers = Side_Total(pGame, 1, TOTAL_TURNOVERS);
    int nOppTurnovers = Side_Total(pGame, 0, TOTAL_TURNOVERS);
    int nSeconds = Side_Total(pGame, 1, TOTAL_POSSESSION_SECONDS);
    int nTrips = Side_Stat(pGame, 1, SIDE_STAT_RED_ZONE_TRIPS);
    int nRedZoneTouchdowns = Side_Stat(pGame, 1, SIDE_STAT_RED_ZONE_TOUCHDOWNS);
    switch (nColumn) {
    case CALENDAR_TOTAL_YARDS: Format_String(szOut, nSize, "%d", Total_Yards(pGame, 1)); break;
    case CALENDAR_YARDS_ALLOWED: Format_String(szOut, nSize, "%d", Total_Yards(pGame, 0)); break;
    case CALENDAR_PASSING_YARDS:
    case CALENDAR_RUSHING_YARDS:
    case CALENDAR_PASS_DEFENSE:
    case CALENDAR_RUSH_DEFENSE: {
        int bOwn = nColumn == CALENDAR_PASSING_YARDS || nColumn == CALENDAR_RUSHING_YARDS;
        int bPass = nColumn == CALENDAR_PASSING_YARDS || nColumn == CALENDAR_PASS_DEFENSE;
        Format_String(szOut, nSize, "%d",
                      Side_Total(pGame, bOwn, bPass ? TOTAL_PASSING_YARDS : TOTAL_RUSHING_YARDS));
        break;
    }
    case CALENDAR_TURNOVERS: Format_String(szOut, nSize, "%d", nOwnTurnovers); break;
    case CALENDAR_TAKEAWAYS: Format_String(szOut, nSize, "%d", nOppTurnovers); break;
    case CALENDAR_TURNOVER_MARGIN:
        Format_String(szOut, nSize, nOppTurnovers > nOwnTurnovers ? "+%d" : "%d",
                      nOppTurnovers - nOwnTurnovers);
        break;
    case CALENDAR_POSSESSION:
        Format_String(szOut, nSize, "%d:%02d", nSeconds / 60, nSeconds % 60);
        break;
    case CALENDAR_YARDS_PER_PLAY: Format_Yards_Per_Play(pGame, 1, szOut, nSize); break;
    case CALENDAR_YARDS_PER_PLAY_ALLOWED: Format_Yards_Per_Play(pGame, 0, szOut, nSize); break;
    case CALENDAR_THIRD_DOWN:
        Format_Rate(Side_Total(pGame, 1, TOTAL_THIRD_DOWN_MADE),
                    Side_Total(pGame, 1, TOTAL_THIRD_DOWN_TRIES), szOut, nSize);
        break;
    case CALENDAR_FOURTH_DOWN:
        Format_Rate(Side_Total(pGame, 1, TOTAL_FOURTH_DOWN_MADE),
                    Side_Total(pGame, 1, TOTAL_FOURTH_DOWN_TRIES), szOut, nSize);
        break;
    case CALENDAR_SACKS: Format_String(szOut, nSize, "%d", Side_Total(pGame, 1, TOTAL_SACKS_MADE)); break;
    case CALENDAR_SACKS_ALLOWED:
        Format_String(szOut, nSize, "%d", Side_Total(pGame, 0, TOTAL_SACKS_MADE));
        break;
    case CALENDAR_RED_ZONE_SCORING:
        Format_Rate(nRedZoneTouchdowns + Side_Stat(pGame, 1, SIDE_STAT_RED_ZONE_FIELD_GOALS), nTrips,
                    szOut, nSize);
        break;
    case CALENDAR_RED_ZONE_TOUCHDOWNS: Format_Rate(nRedZoneTouchdowns, nTrips, szOut, nSize); break;
    default: szOut[0] = 0; break;
    }
}

void Get_Calendar_Stat_Text(int nTeam, int nWeek, int nColumn, char* szOut, int nSize) {
    if (szOut == NULL || nSize <= 0)
        return;
    szOut[0] = 0;
    CALENDAR_GAME game;
    if (!Find_Calendar_Game(nTeam, nWeek, &game))
        return;
    if (nColumn == CALENDAR_POINT_SPREAD) {
        Format_Point_Spread(game.pRecord, game.nVisitor, game.nHome, szOut, nSize);
    } else if (nColumn == CALENDAR_OVER_UNDER) {
        Format_Point_Tenths(szOut, nSize, Get_Game_Over_Under(game.pRecord, game.nVisitor, game.nHome));
    } else if (game.bSetUp) {
        Format_Game_Stat(&game, nColumn, szOut, nSize);
    }
}
