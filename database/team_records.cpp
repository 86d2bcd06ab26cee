// A team's results by season: the per-season bytes (won-lost records) and ints (places and
// finishes), the recording of a game's result, the records and ratios derived from them, and the
// rebuild of the current season's record from the stored games.
#include "core/core.h"
#include "database/database.h"
#include "database/records_internal.h"

#define FIRST_FINAL_SLOT 28
#define FIRST_SEMI_FINAL_SLOT 24
#define FIRST_SECOND_ROUND_SLOT 16
#define PLAYOFF_FINISH_CODE 3  // finish codes above it: a playoff season
#define FINALIST_FINISH_CODE 6
#define CHAMPION_FINISH_CODE 7
#define SUCCESS_SEASON_WEIGHT 100000

static int Is_Season_Row(int nSeason) {
    return nSeason >= 0 && nSeason < YEARLY_ROWS;
}

// A writer's team: NO_TEAM is refused silently, a number outside 0..nLast with the message.
static int Check_Written_Team(int nTeam, int nLast, const char* szFunction) {
    if (nTeam == NO_TEAM)
        return 0;
    if (nTeam < 0 || nTeam > nLast) {
        Report_Error("nTeam out of bounds in %s()", szFunction);
        return 0;
    }
    return 1;
}

// The row the current record is read from: the season before while the college draft runs.
static int Get_Current_Record_Row(void) {
    return Is_College_Draft_On() ? gSeasonNumber - 1 : gSeasonNumber;
}

// ---- per-season bytes and ints -----------------------------------------------------------------

// A reader's indexes: a league team in use (else silently 0), a season row (else the message in
// the debug log) and a stat of the row.
static int Is_Yearly_Read(const char* szFunction, int nTeam, int nSeason, int nStat,
                          int nStatCount) {
    if (!Is_Team_Active(nTeam))
        return 0;
    if (!Is_Season_Row(nSeason)) {
        Log_Debug_Line("Invalid nYear in %s(%d,%d,%d)", szFunction, nTeam, nSeason, nStat);
        return 0;
    }
    return nStat >= 0 && nStat < nStatCount;
}

// A writer's indexes, each refusal reported; NO_TEAM is refused silently.
static int Is_Yearly_Write(const char* szFunction, int nTeam, int nSeason, int nStat,
                           int nStatCount) {
    if (!Check_Written_Team(nTeam, LEAGUE_TEAM_COUNT - 1, szFunction))
        return 0;
    const char* szBad = NULL;
    if (nStat < 0 || nStat >= nStatCount)
        szBad = "nStat";
    else if (!Is_Season_Row(nSeason))
        szBad = "nYear";
    if (szBad != NULL)
        Report_Error("%s out of bounds in %s()", szBad, szFunction);
    return szBad == NULL;
}

int Get_Team_Yearly_Char(int nTeam, int nSeason, int nStat) {
    if (!Is_Yearly_Read("Get_Team_Yearly_Char", nTeam, nSeason, nStat, YEARLY_CHAR_BYTES))
        return 0;
    return gTeams[nTeam].aanYearlyChars[nSeason][nStat];
}

void Set_Team_Yearly_Char(int nTeam, int nSeason, int nStat, int cValue) {
    if (!Is_Yearly_Write("Set_Team_Yearly_Char", nTeam, nSeason, nStat, YEARLY_CHAR_BYTES))
        return;
    if (cValue < 0 || cValue > MAX_YEARLY_CHAR) {
        Report_Error("cValue out of bounds in Set_Team_Yearly_Char()");
        return;
    }
    gTeams[nTeam].aanYearlyChars[nSeason][nStat] = (int8_t)cValue;
}

int Get_Team_Yearly_Int(int nTeam, int nSeason, int nStat) {
    if (!Is_Yearly_Read("Get_Team_Yearly_Int", nTeam, nSeason, nStat, YEARLY_INT_COUNT))
        return 0;
    return gTeams[nTeam].aanYearlyInts[nSeason][nStat];
}

void Set_Team_Yearly_Int(int nTeam, int nSeason, int nStat, int nValue) {
    if (Is_Yearly_Write("Set_Team_Yearly_Int", nTeam, nSeason, nStat, YEARLY_INT_COUNT))
        gTeams[nTeam].aanYearlyInts[nSeason][nStat] = nValue;
}

void Set_Team_Record_Char(int nTeam, int nStat, int cValue) {
    if (Check_Written_Team(nTeam, LEAGUE_TEAM_COUNT - 1, "Set_Team_Record_Char"))
        Set_Team_Yearly_Char(nTeam, gSeasonNumber, nStat, cValue);
}

void Set_Team_Record_Int(int nTeam, int nStat, int nValue) {
    if (Check_Written_Team(nTeam, LEAGUE_TEAM_COUNT - 1, "Set_Team_Record_Int"))
        Set_Team_Yearly_Int(nTeam, gSeasonNumber, nStat, nValue);
}

int Get_Team_Record_Char(int nTeam, int nStat) {
    if (!Is_Team_Active(nTeam))
        return 0;
    return Get_Team_Yearly_Char(nTeam, Get_Current_Record_Row(), nStat);
}

int Get_Team_Wins(int nTeam) {
    return Get_Team_Record_Char(nTeam, YEARLY_WINS);
}

int Get_Team_Losses(int nTeam) {
    return Get_Team_Record_Char(nTeam, YEARLY_LOSSES);
}

int Get_Team_Ties(int nTeam) {
    return Get_Team_Record_Char(nTeam, YEARLY_TIES);
}

int Get_Team_Home_Wins(int nTeam) {
    return Get_Team_Record_Char(nTeam, YEARLY_HOME_WINS);
}

int Get_Team_Home_Losses(int nTeam) {
    return Get_Team_Record_Char(nTeam, YEARLY_HOME_LOSSES);
}

int Get_Team_Home_Ties(int nTeam) {
    return Get_Team_Record_Char(nTeam, YEARLY_HOME_TIES);
}

int Get_Team_Road_Wins(int nTeam) {
    return Get_Team_Wins(nTeam) - Get_Team_Home_Wins(nTeam);
}

int Get_Team_Road_Losses(int nTeam) {
    return Get_Team_Losses(nTeam) - Get_Team_Home_Losses(nTeam);
}

int Get_Team_Road_Ties(int nTeam) {
    return Get_Team_Ties(nTeam) - Get_Team_Home_Ties(nTeam);
}

int Get_Team_Playoff_Wins(int nTeam) {
    return Get_Team_Record_Char(nTeam, YEARLY_PLAYOFF_WINS);
}

int Get_Team_Playoff_Losses(int nTeam) {
    return Get_Team_Record_Char(nTeam, YEARLY_PLAYOFF_LOSSES);
}

// ---- recording a result ------------------------------------------------------------------------

// One more in a byte of the current season row, through the byte's checks (so 127 stays 127).
static void Add_To_Team_Record(int nTeam, int nStat) {
    int nValue = Get_Team_Yearly_Char(nTeam, gSeasonNumber, nStat);
    Set_Team_Yearly_Char(nTeam, gSeasonNumber, nStat, nValue + 1);
}

static int Is_Postseason_Now(void) {
    return gCurrentWeek >= gPostseasonWeeks[0];
}

// The adders take the league teams and the free agents' number; the byte writer then refuses
// the free agents.
static int Check_Result_Team(int nTeam, const char* szFunction) {
    return Check_Written_Team(nTeam, FREE_AGENT_TEAM, szFunction);
}

void Add_Team_Win(int nTeam, int bHome) {
    if (!Check_Result_Team(nTeam, "Add_Team_Win"))
        return;
    if (Is_Postseason_Now()) {
        Add_To_Team_Record(nTeam, YEARLY_PLAYOFF_WINS);
        return;
    }
    Add_To_Team_Record(nTeam, YEARLY_WINS);
    if (bHome)
        Add_To_Team_Record(nTeam, YEARLY_HOME_WINS);
}

static void Add_Team_Playoff_Loss(int nTeam) {
    if (Check_Written_Team(nTeam, LEAGUE_TEAM_COUNT - 1, "Add_Team_Playoff_Loss"))
        Add_To_Team_Record(nTeam, YEARLY_PLAYOFF_LOSSES);
}

void Add_Team_Loss(int nTeam, int bHome) {
    if (!Check_Result_Team(nTeam, "Add_Team_Loss"))
        return;
    if (Is_Postseason_Now()) {
        Add_Team_Playoff_Loss(nTeam);
        return;
    }
    Add_To_Team_Record(nTeam, YEARLY_LOSSES);
    if (bHome)
        Add_To_Team_Record(nTeam, YEARLY_HOME_LOSSES);
}

// A tie counts in the season's record in any week, the postseason included.
void Add_Team_Tie(int nTeam, int bHome) {
    if (!Check_Result_Team(nTeam, "Add_Team_Tie"))
        return;
    Add_To_Team_Record(nTeam, YEARLY_TIES);
    if (bHome)
        Add_To_Team_Record(nTeam, YEARLY_HOME_TIES);
}

// ---- derived records ---------------------------------------------------------------------------

// Per mille, a tie counting half.
int Get_Team_Winning_Percentage(int nTeam) {
    int nWins = Get_Team_Wins(nTeam);
    int nGames = nWins + Get_Team_Losses(nTeam) + Get_Team_Ties(nTeam);
    return Round_Ratio(2 * nWins + Get_Team_Ties(nTeam), 2 * nGames, 1000);
}

// For a number that is not a league team in use: the games a team has played by now.
int Get_Team_Games_Played(int nTeam) {
    if (Is_Team_Active(nTeam))
        return Get_Team_Wins(nTeam) + Get_Team_Losses(nTeam) + Get_Team_Ties(nTeam);
    return (Get_Season_Progress() * gPostseasonWeeks[0] + 500) / 1000;
}

int Get_Team_Games_With_Playoffs(int nTeam) {
    return Get_Team_Games_Played(nTeam) + Get_Team_Playoff_Wins(nTeam) +
           Get_Team_Playoff_Losses(nTeam);
}

int Sum_League_Team_Record_Char(int nStat) {
    int nSum = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        nSum += Get_Team_Record_Char(nTeam, nStat);
    return nSum;
}

int Count_League_Games_Played(void) {
    return Sum_League_Team_Record_Char(YEARLY_WINS) + Sum_League_Team_Record_Char(YEARLY_LOSSES) +
           Sum_League_Team_Record_Char(YEARLY_TIES);
}

// "W-L-T", or "W-L" without ties; 1 when there is a win or a loss.
static int Format_Record_Text(char* st, int nSize, int nWins, int nLosses, int nTies,
                              const char* szDash) {
    if (nTies > 0)
        Format_String(st, nSize, "%d%s%d%s%d", nWins, szDash, nLosses, szDash, nTies);
    else
        Format_String(st, nSize, "%d%s%d", nWins, szDash, nLosses);
    return nWins > 0 || nLosses > 0;
}

int Format_Team_Record(char* st, int nSize, int nTeam) {
    return Format_Record_Text(st, nSize, Get_Team_Wins(nTeam), Get_Team_Losses(nTeam),
                              Get_Team_Ties(nTeam), "-");
}

int Format_Team_Record_Spaced(char* st, int nSize, int nTeam) {
    return Format_Record_Text(st, nSize, Get_Team_Wins(nTeam), Get_Team_Losses(nTeam),
                              Get_Team_Ties(nTeam), " - ");
}

int Format_Team_Yearly_Record(char* st, int nSize, int nTeam, int nSeasonsBack) {
    int nSeason = gSeasonNumber - nSeasonsBack;
    return Format_Record_Text(st, nSize, Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS),
                              Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES),
                              Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_TIES), "-");
}

// ---- history -----------------------------------------------------------------------------------

static int Count_Past_Seasons(void) {
    return Clamp(gSeasonNumber, 0, YEARLY_ROWS);
}

static int Sum_Past_Yearly_Char(int nTeam, int nStat) {
    int nSum = 0;
    for (int nSeason = 0; nSeason < Count_Past_Seasons(); nSeason++)
        nSum += Get_Team_Yearly_Char(nTeam, nSeason, nStat);
    return nSum;
}

static int Count_Past_Finishes_Above(int nTeam, int nCode) {
    int nCount = 0;
    for (int nSeason = 0; nSeason < Count_Past_Seasons(); nSeason++)
        nCount += Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_FINISH) > nCode;
    return nCount;
}

// The past seasons' winning percentage with playoff wins counted twice, plus the revenue index,
// weighed by how many seasons there were.
static int Get_Team_Success_Rating(int nTeam) {
    int nWins = Sum_Past_Yearly_Char(nTeam, YEARLY_WINS);
    int nTies = Sum_Past_Yearly_Char(nTeam, YEARLY_TIES);
    int nPlayoffWins = Sum_Past_Yearly_Char(nTeam, YEARLY_PLAYOFF_WINS);
    int nGames = nWins + Sum_Past_Yearly_Char(nTeam, YEARLY_LOSSES) + nTies;
    int nValue = Round_Ratio(nTies + 2 * (nWins + nPlayoffWins), 2 * nGames, 1000) +
                 Get_Team_Financial_Stat(nTeam, FIN_REVENUE_INDEX);
    if (nValue == 0)
        return 0;
    int nWeight = Min_Int(1000, Signed_Root(gSeasonNumber * SUCCESS_SEASON_WEIGHT));
    return Max_Int(0, Round_Ratio(nValue, 1000, nWeight));
}

static int Get_One_Team_History_Stat(int nTeam, int nKind) {
    switch (nKind) {
    case HISTORY_SUCCESS: return Get_Team_Success_Rating(nTeam);
    case HISTORY_WINS: return Sum_Past_Yearly_Char(nTeam, YEARLY_WINS);
    case HISTORY_LOSSES: return Sum_Past_Yearly_Char(nTeam, YEARLY_LOSSES);
    case HISTORY_TIES: return Sum_Past_Yearly_Char(nTeam, YEARLY_TIES);
    case HISTORY_PLAYOFF_WINS: return Sum_Past_Yearly_Char(nTeam, YEARLY_PLAYOFF_WINS);
    case HISTORY_PLAYOFF_LOSSES: return Sum_Past_Yearly_Char(nTeam, YEARLY_PLAYOFF_LOSSES);
    case HISTORY_PLAYOFF_SEASONS: return Count_Past_Finishes_Above(nTeam, PLAYOFF_FINISH_CODE);
    case HISTORY_FINALS: return Count_Past_Finishes_Above(nTeam, FINALIST_FINISH_CODE);
    case HISTORY_TITLES: return Count_Past_Finishes_Above(nTeam, CHAMPION_FINISH_CODE);
    default: return 0;
    }
}

// ALL_TEAMS_AVERAGE gives the average over the active teams.
int Get_Team_History_Stat(int nTeam, int nKind) {
    if (nTeam != ALL_TEAMS_AVERAGE)
        return Get_One_Team_History_Stat(nTeam, nKind);
    int nSum = 0, nTeams = 0;
    for (int nOther = 0; nOther < LEAGUE_TEAM_COUNT; nOther++) {
        if (Is_Team_Active(nOther)) {
            nSum += Get_One_Team_History_Stat(nOther, nKind);
            nTeams++;
        }
    }
    return nTeams > 0 ? nSum / nTeams : 0;
}

// ---- the playoff bracket -----------------------------------------------------------------------

int Find_Playoff_Slot(int nTeam) {
    if (nTeam < 0)
        return -1;
    for (int nSlot = PLAYOFF_SLOT_COUNT - 1; nSlot >= 0; nSlot--) {
        if (gPlayoffSlots[nSlot] == nTeam)
            return nSlot;
    }
    return -1;
}

// 0 out of the playoffs, 1 in the first round .. 4 in the final.
int Get_Team_Playoff_Round(int nTeam) {
    int nSlot = Find_Playoff_Slot(nTeam);
    if (nSlot >= FIRST_FINAL_SLOT)
        return 4;
    if (nSlot >= FIRST_SEMI_FINAL_SLOT)
        return 3;
    if (nSlot >= FIRST_SECOND_ROUND_SLOT)
        return 2;
    return nSlot >= 0 ? 1 : 0;
}

// ---- rebuild after a load ----------------------------------------------------------------------

// The regular-season record of the current season, recounted from the stored games. In the
// off-season the stored games are those of the season before the current row, which then keeps
// what was saved.
void Rebuild_Team_Records(void) {
    if (gCurrentWeek == OFF_SEASON_WEEK)
        return;
    static const struct {
        int nStat, nKind, nFilter;
    } kCounts[] = {
        {YEARLY_WINS, RESULT_KIND_WINS, RESULTS_ALL_GAMES},
        {YEARLY_LOSSES, RESULT_KIND_LOSSES, RESULTS_ALL_GAMES},
        {YEARLY_TIES, RESULT_KIND_TIES, RESULTS_ALL_GAMES},
        {YEARLY_HOME_WINS, RESULT_KIND_WINS, RESULTS_ALL_GAMES | RESULTS_SKIP_ROAD_GAMES},
        {YEARLY_HOME_LOSSES, RESULT_KIND_LOSSES, RESULTS_ALL_GAMES | RESULTS_SKIP_ROAD_GAMES},
        {YEARLY_HOME_TIES, RESULT_KIND_TIES, RESULTS_ALL_GAMES | RESULTS_SKIP_ROAD_GAMES},
    };
    RESULTS_TALLY tally;
    Tally_Season_Results(&tally);
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        for (const auto& count : kCounts)
            Set_Team_Yearly_Char(nTeam, gSeasonNumber, count.nStat,
                                 Count_Tallied_Results(&tally, nTeam, count.nKind, count.nFilter));
    }
}

// The current season's results: its eight result bytes and its four ints.
void Clear_Season_Team_Records(int nTeam) {
    static const int kResultBytes[] = {YEARLY_WINS,         YEARLY_LOSSES,        YEARLY_TIES,
                                       YEARLY_HOME_WINS,    YEARLY_HOME_LOSSES,   YEARLY_HOME_TIES,
                                       YEARLY_PLAYOFF_WINS, YEARLY_PLAYOFF_LOSSES};
    for (int nStat : kResultBytes)
        Set_Team_Record_Char(nTeam, nStat, 0);
    for (int nStat = 0; nStat < YEARLY_INT_COUNT; nStat++)
        Set_Team_Record_Int(nTeam, nStat, 0);
}
