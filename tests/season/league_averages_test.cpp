// The league rates the run and pass models calibrate against: their defaults until a league game
// of the season has been played, then the season's team totals summed over the league.
#include "database/records_fixture.h"
#include "season/season.h"

namespace {

#define RUSHING_TOTALS 0
#define PASSING_TOTALS 3

class LeagueAveragesTest : public TwoTeamTest {
protected:
    static void Set_Totals(int nTeam, int nRushes, int nRushingYards, int nAttempts,
                           int nCompletions, int nPassingYards, int nPasserRushingYards) {
        Set_Team_Totals_Stat(nTeam, RUSHING_TOTALS, TOTALS_CURRENT, 7, nRushes);
        Set_Team_Totals_Stat(nTeam, RUSHING_TOTALS, TOTALS_CURRENT, 8, nRushingYards);
        Set_Team_Totals_Stat(nTeam, PASSING_TOTALS, TOTALS_CURRENT, 2, nAttempts);
        Set_Team_Totals_Stat(nTeam, PASSING_TOTALS, TOTALS_CURRENT, 3, nCompletions);
        Set_Team_Totals_Stat(nTeam, PASSING_TOTALS, TOTALS_CURRENT, 5, nPassingYards);
        Set_Team_Totals_Stat(nTeam, PASSING_TOTALS, TOTALS_CURRENT, 8, nPasserRushingYards);
    }

    static void Expect_Averages(int a, int b, int c, int d) {
        EXPECT_EQ(gLeagueAverages[0], a);
        EXPECT_EQ(gLeagueAverages[1], b);
        EXPECT_EQ(gLeagueAverages[2], c);
        EXPECT_EQ(gLeagueAverages[3], d);
    }
};

TEST_F(LeagueAveragesTest, DefaultsUntilALeagueGameIsPlayedThenTheSeasonTotals) {
    Set_Totals(0, 60, 250, 40, 30, 300, 40);
    Set_Totals(1, 40, 150, 40, 30, 360, 60);
    gLeagueAverages[0] = 1;
    Update_League_Averages();
    Expect_Averages(420, 625, 1120, 2350);

    gCurrentWeek = 2;
    Add_Team_Win(0, 1);
    Add_Team_Loss(1, 0);
    Update_League_Averages();
    // 400 yards on 100 rushes, 60 of 80, 660 yards on 60 completions, 660 passing yards against
    // 400 + 100 rushing yards of the backs and the passers.
    Expect_Averages(400, 750, 1100, 1320);

    Set_Totals(0, 0, 0, 0, 0, 0, 0);
    Set_Totals(1, 0, 0, 0, 0, 0, 0);
    Update_League_Averages();
    Expect_Averages(0, 0, 0, 0);  // read as the defaults by the play models
}

}  // namespace
