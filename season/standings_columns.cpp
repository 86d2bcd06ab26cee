// The texts of the standings table: a division place's cells, and each of the 48 statistics
// columns for a team and for the league-average row. Sums of team totals are kept in one table,
// read for a team or for the whole league.
#include <ctype.h>
#include <stdlib.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "season/season.h"

#define EN_DASH "\x96"
#define FIRST_STANDINGS_STAT_PREFERENCE 95  // + cell column 5..9
#define STANDINGS_CELL_COLUMNS 10
#define LEAGUE_ROW (-1)  // the totals of every active team
#define MAX_TERMS 4
#define OFFENSIVE_LINE_GRADE_BASE 500

// Team totals categories and stats of the sums below.
enum { T_RUSHING = 0, T_DEFENCE = 1, T_PASSING = 3, T_DEFENCE_RUSHING = 4, T_SACKED = 5, T_DEFENCE_PASSING = 7 };
enum { T_ATTEMPTS = 2, T_INTERCEPTIONS = 4, T_PASS_YARDS = 5, T_FORCED_FUMBLES = 5, T_KNOCKDOWNS = 6 };
enum { T_RUSHES = 7, T_DEF_INTERCEPTIONS = 7, T_RUSH_YARDS = 8, T_FUMBLES_LOST = 13, T_SACKS_TAKEN = 14 };
enum { T_SACK_YARDS = 15 };
// Per-side game totals summed over the stored games.
enum { T_THIRD_DOWNS = 14, T_THIRD_DOWNS_MADE, T_FOURTH_DOWNS, T_FOURTH_DOWNS_MADE, T_POSSESSION_SECONDS };

typedef struct TOTALS_TERM {
    int nCategory;
    int nStat;
    int nSign;  // 1 added, -1 taken away
} TOTALS_TERM;

typedef struct TOTALS_SUM {
    int nTerms;
    TOTALS_TERM aTerms[MAX_TERMS];
} TOTALS_SUM;

enum COLUMN_FORM {
    FORM_PER_GAME,   // the sum per game played, "%d.%01d"
    FORM_HUNDREDTHS  // the sum x 100 / the divisor sum, "%d.%02d"
};

// A column made of team totals; a league-average numerator of its own when nLeagueTerms is set.
typedef struct TOTALS_COLUMN {
    int nColumn;
    int nForm;
    int nScaleDown;  // the sum is divided by this (truncated) before it is formatted
    TOTALS_SUM numerator;
    TOTALS_SUM divisor;
    TOTALS_SUM leagueNumerator;
} TOTALS_COLUMN;

#define ADD(c, s) {c, s, 1}
#define SUB(c, s) {c, s, -1}

static const TOTALS_COLUMN kTotalsColumns[] = {
    {9, FORM_PER_GAME, 1,
     {3, {ADD(T_PASSING, T_PASS_YARDS), ADD(T_PASSING, T_RUSH_YARDS), ADD(T_RUSHING, T_RUSH_YARDS)}}, {}, {}},
    {10, FORM_PER_GAME, 1,
     {3,
      {ADD(T_DEFENCE_PASSING, T_PASS_YARDS), ADD(T_DEFENCE_PASSING, T_RUSH_YARDS),
       ADD(T_DEFENCE_RUSHING, T_RUSH_YARDS)}},
     {},
     {}},
    {11, FORM_PER_GAME, 1, {1, {ADD(T_PASSING, T_PASS_YARDS)}}, {}, {}},
    {12, FORM_PER_GAME, 1, {2, {ADD(T_RUSHING, T_RUSH_YARDS), ADD(T_PASSING, T_RUSH_YARDS)}}, {}, {}},
    {13, FORM_PER_GAME, 1, {1, {ADD(T_DEFENCE_PASSING, T_PASS_YARDS)}}, {}, {}},
    {14, FORM_PER_GAME, 1,
     {2, {ADD(T_DEFENCE_RUSHING, T_RUSH_YARDS), ADD(T_DEFENCE_PASSING, T_RUSH_YARDS)}},
     {},
     {}},
    {15, FORM_PER_GAME, 1,
     {3, {ADD(T_PASSING, T_INTERCEPTIONS), ADD(T_PASSING, T_FUMBLES_LOST), ADD(T_RUSHING, T_FUMBLES_LOST)}},
     {},
     {}},
    {16, FORM_PER_GAME, 1,
     {3,
      {ADD(T_DEFENCE_PASSING, T_INTERCEPTIONS), ADD(T_DEFENCE_PASSING, T_FUMBLES_LOST),
       ADD(T_DEFENCE_RUSHING, T_FUMBLES_LOST)}},
     {},
     {}},
    {24, FORM_HUNDREDTHS, 1,
     {4,
      {ADD(T_RUSHING, T_RUSH_YARDS), ADD(T_PASSING, T_RUSH_YARDS), ADD(T_PASSING, T_PASS_YARDS),
       SUB(T_PASSING, T_SACK_YARDS)}},
     {4,
      {ADD(T_RUSHING, T_RUSHES), ADD(T_PASSING, T_ATTEMPTS), ADD(T_PASSING, T_RUSHES),
       ADD(T_PASSING, T_SACKS_TAKEN)}},
     {}},
    {26, FORM_PER_GAME, 10, {1, {ADD(T_DEFENCE, STAT_SACK_TENTHS)}}, {}, {}},
    {27, FORM_PER_GAME, 10, {1, {ADD(T_SACKED, STAT_SACK_TENTHS)}}, {}, {}},
    {28, FORM_PER_GAME, 1, {2, {ADD(T_RUSHING, T_RUSHES), ADD(T_PASSING, T_RUSHES)}}, {}, {}},
    {29, FORM_PER_GAME, 1, {2, {ADD(T_PASSING, T_ATTEMPTS), ADD(T_PASSING, T_SACKS_TAKEN)}}, {}, {}},
    {30, FORM_HUNDREDTHS, 1,
     {2, {ADD(T_RUSHING, T_RUSH_YARDS), ADD(T_PASSING, T_RUSH_YARDS)}},
     {2, {ADD(T_RUSHING, T_RUSHES), ADD(T_PASSING, T_RUSHES)}},
     {}},
    // The team's yards per pass keep the sack yards; the league's take them away.
    {31, FORM_HUNDREDTHS, 1,
     {1, {ADD(T_PASSING, T_PASS_YARDS)}},
     {2, {ADD(T_PASSING, T_ATTEMPTS), ADD(T_PASSING, T_SACKS_TAKEN)}},
     {2, {ADD(T_PASSING, T_PASS_YARDS), SUB(T_PASSING, T_SACK_YARDS)}}},
    {32, FORM_PER_GAME, 1,
     {4,
      {ADD(T_RUSHING, T_RUSHES), ADD(T_PASSING, T_RUSHES), ADD(T_PASSING, T_ATTEMPTS),
       ADD(T_PASSING, T_SACKS_TAKEN)}},
     {},
     {}},
    {34, FORM_PER_GAME, 1, {1, {ADD(T_DEFENCE, T_DEF_INTERCEPTIONS)}}, {}, {}},
    {35, FORM_PER_GAME, 1, {1, {ADD(T_DEFENCE, T_FORCED_FUMBLES)}}, {}, {}},
    {36, FORM_PER_GAME, 1, {1, {ADD(T_DEFENCE, T_KNOCKDOWNS)}}, {}, {}},
};

// The rank columns: 0 counts from the best (offence), 1 from the worst (defence).
typedef struct RANK_COLUMN {
    int nColumn;
    int nCategory;
    int nStat;
    int bDefence;
} RANK_COLUMN;

static const RANK_COLUMN kRankColumns[] = {
    {18, T_RUSHING, STAT_SCRIMMAGE_YARDS_PER_GAME, 0},
    {19, T_DEFENCE_RUSHING, STAT_SCRIMMAGE_YARDS_PER_GAME, 1},
    {20, T_RUSHING, STAT_RECEIVING_YARDS_PER_GAME, 0},
    {21, T_RUSHING, STAT_RUSHING_YARDS_PER_GAME, 0},
    {22, T_DEFENCE_RUSHING, STAT_RECEIVING_YARDS_PER_GAME, 1},
    {23, T_DEFENCE_RUSHING, STAT_RUSHING_YARDS_PER_GAME, 1},
};

static int Read_Totals(int nTeam, int nCategory, int nStat) {
    if (nTeam == LEAGUE_ROW)
        return Get_League_Totals_Stat(nCategory, TOTALS_CURRENT, nStat);
    return Get_Team_Totals_Stat(nTeam, nCategory, TOTALS_CURRENT, nStat);
}

static int Sum_Totals(int nTeam, const TOTALS_SUM* pSum) {
    int nSum = 0;
    for (int n = 0; n < pSum->nTerms; n++)
        nSum += pSum->aTerms[n].nSign *
                Read_Totals(nTeam, pSum->aTerms[n].nCategory, pSum->aTerms[n].nStat);
    return nSum;
}

static int Get_Row_Games(int nTeam) {
    return nTeam == LEAGUE_ROW ? Count_League_Games_Played() : Get_Team_Games_Played(nTeam);
}

static int Sum_Game_Totals(int nTeam, int nStat) {
    return nTeam == LEAGUE_ROW ? Sum_League_Game_Team_Total(nStat)
                               : Sum_Team_Game_Team_Total(nTeam, nStat);
}

// A value per game played as "%d.%01d"; the en dash before the first game.
static void Format_Per_Game(int nTeam, int nValue, char* szOut, int nSize) {
    int nGames = Get_Row_Games(nTeam);
    if (nGames <= 0) {
        safe_strncpy(szOut, EN_DASH, nSize);
        return;
    }
    int nTenths = Round_Ratio(nValue, nGames, 10);
    Format_String(szOut, nSize, "%s%d.%01d", nTenths < 0 ? "-" : "", abs(nTenths) / 10,
                  abs(nTenths) % 10);
}

static void Format_Hundredths(int nHundredths, char* szOut, int nSize) {
    Format_String(szOut, nSize, "%s%d.%02d", nHundredths < 0 ? "-" : "", abs(nHundredths) / 100,
                  abs(nHundredths) % 100);
}

static void Format_Record(int nWins, int nLosses, int nTies, char* szOut, int nSize) {
    if (nTies > 0)
        Format_String(szOut, nSize, "%d-%d-%d", nWins, nLosses, nTies);
    else
        Format_String(szOut, nSize, "%d-%d", nWins, nLosses);
}

// ".%03d" of a share in per mille, "1.000" for the whole.
static void Format_Share(int nPart, int nWhole, char* szOut, int nSize) {
    int nPerMille = Round_Ratio(nPart, nWhole, 1000);
    if (nPerMille >= 1000)
        safe_strncpy(szOut, "1.000", nSize);
    else
        Format_String(szOut, nSize, ".%03d", nPerMille);
}

static const TOTALS_COLUMN* Find_Totals_Column(int nColumn) {
    for (const TOTALS_COLUMN& column : kTotalsColumns) {
        if (column.nColumn == nColumn)
            return &column;
    }
    return NULL;
}

static void Format_Totals_Column(int nTeam, const TOTALS_COLUMN* pColumn, char* szOut, int nSize) {
    const TOTALS_SUM* pNumerator = &pColumn->numerator;
    if (nTeam == LEAGUE_ROW && pColumn->leagueNumerator.nTerms > 0)
        pNumerator = &pColumn->leagueNumerator;
    int nValue = Sum_Totals(nTeam, pNumerator) / pColumn->nScaleDown;
    if (pColumn->nForm == FORM_PER_GAME)
        Format_Per_Game(nTeam, nValue, szOut, nSize);
    else
        Format_Hundredths(Round_Ratio(nValue, Sum_Totals(nTeam, &pColumn->divisor), 100), szOut,
                          nSize);
}

// The share of game totals made, "%d%%".
static void Format_Conversions(int nTeam, int nMadeStat, int nTriedStat, char* szOut, int nSize) {
    Format_String(szOut, nSize, "%d%%",
                  Round_Ratio(Sum_Game_Totals(nTeam, nMadeStat), Sum_Game_Totals(nTeam, nTriedStat),
                              100));
}

// The mean time of possession per game, "%d:%02d".
static void Format_Possession(int nTeam, char* szOut, int nSize) {
    int nSeconds = Round_Ratio(Sum_Game_Totals(nTeam, T_POSSESSION_SECONDS), Get_Row_Games(nTeam), 1);
    Format_String(szOut, nSize, "%d:%02d", nSeconds / 60, nSeconds % 60);
}

// Tenths of a point, positive when the visitor is favoured; the stored line of the game.
static int Read_Stored_Point_Spread(const GAME* pGame, int* pSpread) {
    int nStored = pGame->anInfo[GAME_INFO_POINT_SPREAD];
    *pSpread = nStored - GAME_INFO_OFFSET;
    return nStored != 0;
}

// The team's games before the current week against the stored point spread.
static void Format_Record_Against_Spread(int nTeam, char* szOut, int nSize) {
    int nWins = 0, nLosses = 0, nPushes = 0;
    for (int nWeek = 0; nWeek < Get_Current_Week(); nWeek++) {
        GAME* pGame = Find_Team_Game_In_Week(nWeek, nTeam);
        int nSpread;
        if (pGame == NULL || !Is_Game_Record_Played(pGame) ||
            !Read_Stored_Point_Spread(pGame, &nSpread))
            continue;
        int nVisitorMargin = pGame->anScores[VISITOR_SIDE] * 10 -
                             (pGame->anScores[HOME_SIDE] * 10 + nSpread);
        int nMargin = pGame->anTeams[VISITOR_SIDE] == nTeam ? nVisitorMargin : -nVisitorMargin;
        nWins += nMargin > 0;
        nLosses += nMargin < 0;
        nPushes += nMargin == 0;
    }
    Format_Record(nWins, nLosses, nPushes, szOut, nSize);
}

static void Format_Grade(int nGrade, char* szOut, int nSize) {
    Get_Letter_Grade(nGrade, szOut, nSize);
}

static void Format_Rank(int nTeam, const RANK_COLUMN* pRank, char* szOut, int nSize) {
    int nAbove = Get_Team_Totals_Rank(nTeam, pRank->nCategory, pRank->nStat);
    Format_Ordinal_Number(szOut, nSize, pRank->bDefence ? Count_Active_Teams() - nAbove : nAbove + 1);
}

// The columns that need a single team: records, ranks, grades and the spread.
static int Format_Team_Only_Column(int nTeam, int nColumn, char* szOut, int nSize) {
    for (const RANK_COLUMN& rank : kRankColumns) {
        if (rank.nColumn == nColumn) {
            Format_Rank(nTeam, &rank, szOut, nSize);
            return 1;
        }
    }
    switch (nColumn) {
    case STANDINGS_LAST_3: Format_Team_Recent_Record(szOut, nSize, nTeam, 3); return 1;
    case STANDINGS_LAST_5: Format_Team_Recent_Record(szOut, nSize, nTeam, 5); return 1;
    case STANDINGS_STREAK:
        if (Get_Team_Losing_Streak(nTeam) > 0)
            Format_String(szOut, nSize, "Lost %d", Get_Team_Losing_Streak(nTeam));
        else if (Get_Team_Winning_Streak(nTeam) > 0)
            Format_String(szOut, nSize, "Won %d", Get_Team_Winning_Streak(nTeam));
        else
            safe_strncpy(szOut, EN_DASH, nSize);
        return 1;
    case STANDINGS_HOME_RECORD:
        Format_Record(Get_Team_Record_Char(nTeam, YEARLY_HOME_WINS),
                      Get_Team_Record_Char(nTeam, YEARLY_HOME_LOSSES),
                      Get_Team_Record_Char(nTeam, YEARLY_HOME_TIES), szOut, nSize);
        return 1;
    case STANDINGS_AWAY_RECORD:
        Format_Record(Get_Team_Road_Wins(nTeam), Get_Team_Road_Losses(nTeam),
                      Get_Team_Road_Ties(nTeam), szOut, nSize);
        return 1;
    case STANDINGS_DIVISION_RECORD:
    case STANDINGS_CONFERENCE_RECORD: {
        int nFilter = nColumn == STANDINGS_DIVISION_RECORD ? RESULTS_SAME_DIVISION
                                                           : RESULTS_SAME_LEAGUE;
        Format_Record(Count_Team_Game_Results(nTeam, RESULT_KIND_WINS, nFilter),
                      Count_Team_Game_Results(nTeam, RESULT_KIND_LOSSES, nFilter),
                      Count_Team_Game_Results(nTeam, RESULT_KIND_TIES, nFilter), szOut, nSize);
        return 1;
    }
    case STANDINGS_TURNOVER_MARGIN: {
        int nMargin = Sum_Totals(nTeam, &Find_Totals_Column(STANDINGS_TAKEAWAYS)->numerator) -
                      Sum_Totals(nTeam, &Find_Totals_Column(STANDINGS_TURNOVERS)->numerator);
        Format_String(szOut, nSize, nMargin < 1 ? "%d" : "+%d", nMargin);
        return 1;
    }
    case STANDINGS_AGAINST_SPREAD: Format_Record_Against_Spread(nTeam, szOut, nSize); return 1;
    case STANDINGS_OFFENSIVE_LINE:
        Format_Grade(Get_Rating_Grade((Get_Team_Run_Blocking_Score(nTeam) +
                                       Get_Team_Pass_Blocking_Score(nTeam) -
                                       OFFENSIVE_LINE_GRADE_BASE) *
                                      2 / 3),
                     szOut, nSize);
        return 1;
    case STANDINGS_RUSH_BLOCKING:
        Format_Grade(Get_Rating_Grade(Get_Team_Run_Blocking_Score(nTeam)), szOut, nSize);
        return 1;
    case STANDINGS_PASS_BLOCKING:
        Format_Grade(Get_Rating_Grade(Get_Team_Pass_Blocking_Score(nTeam)), szOut, nSize);
        return 1;
    default:
        if (nColumn >= UNIT_STAT_RUNNING && nColumn <= UNIT_STAT_SPECIAL_TEAMS) {
            Format_Grade(Get_Rank_Grade(Get_Team_Stat_Rank(nTeam, nColumn)), szOut, nSize);
            return 1;
        }
        return 0;
    }
}

// The columns read alike for a team and for the league: sums of totals and of game totals.
static int Format_Shared_Column(int nTeam, int nColumn, char* szOut, int nSize) {
    const TOTALS_COLUMN* pColumn = Find_Totals_Column(nColumn);
    if (pColumn != NULL) {
        Format_Totals_Column(nTeam, pColumn, szOut, nSize);
        return 1;
    }
    switch (nColumn) {
    case STANDINGS_POINTS_SCORED:
    case STANDINGS_POINTS_ALLOWED:
        // Every point scored in the league is one allowed.
        Format_Per_Game(nTeam,
                        nTeam == LEAGUE_ROW
                            ? Sum_Total_Points_Scored()
                            : Sum_Team_Points(nTeam, nColumn == STANDINGS_POINTS_SCORED),
                        szOut, nSize);
        return 1;
    case STANDINGS_THIRD_DOWN:
        Format_Conversions(nTeam, T_THIRD_DOWNS_MADE, T_THIRD_DOWNS, szOut, nSize);
        return 1;
    case STANDINGS_FOURTH_DOWN:
        Format_Conversions(nTeam, T_FOURTH_DOWNS_MADE, T_FOURTH_DOWNS, szOut, nSize);
        return 1;
    case STANDINGS_POSSESSION: Format_Possession(nTeam, szOut, nSize); return 1;
    case STANDINGS_COMPLETION_PERCENT: {
        int nPerMille = Read_Totals(nTeam, T_PASSING, STAT_COMPLETION_RATE);
        Format_String(szOut, nSize, "%d.%d%%", nPerMille / 10, nPerMille % 10);
        return 1;
    }
    default: return 0;
    }
}

int Get_Team_Stat_Text(int nTeam, int nColumn, char* szOut, int nSize) {
    szOut[0] = 0;
    if (!Is_Team_Active(nTeam))
        return 0;
    return Format_Shared_Column(nTeam, nColumn, szOut, nSize) ||
           Format_Team_Only_Column(nTeam, nColumn, szOut, nSize);
}

int Get_League_Average_Stat_Text(int nColumn, char* szOut, int nSize) {
    szOut[0] = 0;
    if (Format_Shared_Column(LEAGUE_ROW, nColumn, szOut, nSize))
        return 1;
    switch (nColumn) {
    case STANDINGS_HOME_RECORD:
        Format_Share(Sum_League_Team_Record_Char(YEARLY_HOME_WINS),
                     Sum_League_Team_Record_Char(YEARLY_HOME_WINS) + Sum_League_Team_Record_Char(YEARLY_HOME_LOSSES),
                     szOut, nSize);
        return 1;
    case STANDINGS_AWAY_RECORD:
        // A home loss is a road win.
        Format_Share(Sum_League_Team_Record_Char(YEARLY_HOME_LOSSES),
                     Sum_League_Team_Record_Char(YEARLY_HOME_WINS) + Sum_League_Team_Record_Char(YEARLY_HOME_LOSSES),
                     szOut, nSize);
        return 1;
    case STANDINGS_DIVISION_RECORD:
    case STANDINGS_CONFERENCE_RECORD:
        safe_strncpy(szOut, Count_League_Games_Played() > 0 ? ".500" : EN_DASH, nSize);
        return 1;
    default:
        if (nColumn >= 0 && nColumn <= STANDINGS_DEFENSE_RANK_LAST)
            safe_strncpy(szOut, EN_DASH, nSize);
        return nColumn >= 0 && nColumn < STANDINGS_STAT_COLUMNS;
    }
}

int Get_Standings_Cell_Text(int nDivision, int nPlace, int nColumn, char* szOut, int nSize) {
    szOut[0] = 0;
    int nTeam = Get_Division_Standings_Team(nDivision, nPlace);
    if (!Is_Team_Active(nTeam) || nColumn < 0 || nColumn >= STANDINGS_CELL_COLUMNS)
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
