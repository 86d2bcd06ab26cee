// The standings table's statistics texts for a fixture league: a team with three games and
// chosen totals, the league-average row, a team that has not played, and the blocking scores.
#include "personnel/personnel.h"
#include "season_test_fixture.h"

namespace {

constexpr int kPlayedTeam = 1;
constexpr int kIdleTeam = 2;

// Totals categories and stats, as the team totals hold them.
enum { S_RUSHING = 0, S_DEFENCE = 1, S_PASSING = 3, S_DEFENCE_RUSHING = 4, S_DEFENCE_PASSING = 7 };
enum { S_ATTEMPTS = 2, S_INTERCEPTIONS = 4, S_PASS_YARDS = 5, S_RUSH_YARDS = 8, S_FUMBLES_LOST = 13 };
enum { S_SACKS_TAKEN = 14, S_SACK_YARDS = 15 };

class StandingsColumnsTest : public SeasonTest {
protected:
    void SetUp() override {
        SeasonTest::SetUp();
        // Two wins and a loss, one of the wins at home.
        Set_Team_Record_Char(kPlayedTeam, YEARLY_WINS, 2);
        Set_Team_Record_Char(kPlayedTeam, YEARLY_LOSSES, 1);
        Set_Team_Record_Char(kPlayedTeam, YEARLY_HOME_WINS, 1);
        Set_Totals(S_PASSING, S_PASS_YARDS, 700);
        Set_Totals(S_PASSING, S_RUSH_YARDS, 20);
        Set_Totals(S_RUSHING, S_RUSH_YARDS, 300);
        Set_Totals(S_PASSING, S_ATTEMPTS, 90);
        Set_Totals(S_PASSING, S_SACKS_TAKEN, 10);
        Set_Totals(S_PASSING, S_SACK_YARDS, 50);
        Set_Totals(S_PASSING, S_INTERCEPTIONS, 1);
        Set_Totals(S_DEFENCE_PASSING, S_INTERCEPTIONS, 3);
        Set_Totals(S_DEFENCE_RUSHING, S_FUMBLES_LOST, 1);
    }

    static void Set_Totals(int nCategory, int nStat, int nValue) {
        Set_Team_Totals_Stat(kPlayedTeam, nCategory, TOTALS_CURRENT, nStat, nValue);
    }

    static std::string Team_Text(int nTeam, int nColumn) {
        char szText[64];
        Get_Team_Stat_Text(nTeam, nColumn, szText, sizeof szText);
        return szText;
    }

    static std::string League_Text(int nColumn) {
        char szText[64];
        Get_League_Average_Stat_Text(nColumn, szText, sizeof szText);
        return szText;
    }

    static void Set_Line_Rating(int nRating, float fValue) {
        for (int nSlot = 6; nSlot <= 10; nSlot++)
            Set_Player_Rating(kPlayedTeam, nSlot, fValue, nRating);
    }
};

struct STANDINGS_TEXT_CASE {
    int nColumn;
    const char* szTeam;
    const char* szLeague;
};

TEST_F(StandingsColumnsTest, ColumnsOfAPlayedTeamAndTheLeague) {
    // The league is this one team's totals over its three games.
    static const STANDINGS_TEXT_CASE kCases[] = {
        {STANDINGS_STREAK, "\x96", "\x96"},
        {STANDINGS_HOME_RECORD, "1-0", "1.000"},
        {STANDINGS_AWAY_RECORD, "1-1", ".000"},
        {9, "340.0", "340.0"},    // Total Yards: (700 + 20 + 300) / 3
        {11, "233.3", "233.3"},   // Passing / Game
        {15, "0.3", "0.3"},       // Turnovers
        {STANDINGS_TURNOVER_MARGIN, "+3", "\x96"},
        {STANDINGS_YARDS_PER_PLAY, "9.70", "9.70"},  // (1020 - 50) / 100 plays
        {31, "7.00", "6.50"},     // Yards / Pass: only the league takes the sack yards away
        {STANDINGS_AGAINST_SPREAD, "0-0", ""},
        {STANDINGS_STAT_COLUMNS, "", ""},
    };
    for (const STANDINGS_TEXT_CASE& c : kCases) {
        SCOPED_TRACE(c.nColumn);
        EXPECT_EQ(Team_Text(kPlayedTeam, c.nColumn), c.szTeam);
        EXPECT_EQ(League_Text(c.nColumn), c.szLeague);
    }
}

TEST_F(StandingsColumnsTest, ATeamWithoutGamesShowsDashesAndAnEvenMargin) {
    EXPECT_EQ(Team_Text(kIdleTeam, STANDINGS_POINTS_SCORED), "\x96");
    EXPECT_EQ(Team_Text(kIdleTeam, 9), "\x96");
    EXPECT_EQ(Team_Text(kIdleTeam, STANDINGS_TURNOVER_MARGIN), "0");
    EXPECT_EQ(Team_Text(kIdleTeam, STANDINGS_LAST_3), "0-0");
    Set_Team_Stat(kIdleTeam, TEAM_CONTROL, CONTROL_NOT_IN_USE);
    char szText[8];
    EXPECT_EQ(Get_Team_Stat_Text(kIdleTeam, 9, szText, sizeof szText), 0);
}

TEST_F(StandingsColumnsTest, BlockingScoresLiftLowRatingsAndClamp) {
    Set_Line_Rating(RATING_RUN_BLOCKING, 60.0f);  // S = 300: (150000 + 125) / 250
    EXPECT_EQ(Get_Team_Run_Blocking_Score(kPlayedTeam), 600);
    Set_Line_Rating(RATING_PASS_BLOCKING, 10.0f);  // read as 20 each: S = 100, clamped
    EXPECT_EQ(Get_Team_Pass_Blocking_Score(kPlayedTeam), 500);
    EXPECT_EQ(Get_Stored_Player_Rating(kPlayedTeam, 8, RATING_PASS_BLOCKING), 20.0f);
    char szGrade[4];
    Get_Letter_Grade(Get_Rating_Grade(600), szGrade, sizeof szGrade);
    EXPECT_EQ(Team_Text(kPlayedTeam, STANDINGS_RUSH_BLOCKING), szGrade);
    // The line's grade: (600 + 500 - 500) x 2 / 3.
    Get_Letter_Grade(Get_Rating_Grade(400), szGrade, sizeof szGrade);
    EXPECT_EQ(Team_Text(kPlayedTeam, STANDINGS_OFFENSIVE_LINE), szGrade);
}

}  // namespace
