// The playoffs on the fixture league (two leagues of four divisions, three wild cards): seven
// seeds a league seated in the bracket, each round scheduled, the second round reseeded, results
// moving the winners on and the champion's rings.
#include <gtest/gtest.h>

#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "season/season.h"

namespace {

const int kFirstPostseasonWeek = 17;

class PlayoffsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
            Set_Postseason_Week(n, kFirstPostseasonWeek + n);
        gSuperBowl = 1;
        gNoSameDivisionDivisionalRound = 0;
        // Team t of each league wins t + 1 games (team 15 and team 31 the best), losing none.
        for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++) {
            Set_Team_Record_Char(nTeam, YEARLY_WINS, nTeam % 16 + 1);
            Set_Team_Record_Char(nTeam, YEARLY_LOSSES, 0);
            Set_Team_Record_Char(nTeam, YEARLY_TIES, 0);
            for (int nWeek = kFirstPostseasonWeek; nWeek < SCHEDULE_WEEKS; nWeek++)
                Set_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT, 0);
        }
        Update_Standings();
        Seed_Playoff_Teams();
    }

    static void Win(int nWinner, int nLoser) {
        GAME game;
        Clear_Game(&game);
        game.anTeams[HOME_SIDE] = (int8_t)nWinner;
        game.anTeams[VISITOR_SIDE] = (int8_t)nLoser;
        game.anScores[HOME_SIDE] = 24;
        game.anScores[VISITOR_SIDE] = 17;
        Record_Playoff_Result(&game);
    }

    // The home team of the team's game in the week.
    static int Home_Team(int nTeam, int nWeek) {
        int nOpponent = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT);
        return nOpponent > 0 ? nTeam : nOpponent < 0 ? -1 - nOpponent : NO_TEAM;
    }
};

// Seeds 1..4 are the division winners 15, 11, 7, 3; seeds 5..7 the wild cards 14, 13, 12.
TEST_F(PlayoffsTest, SevenSeedsALeagueAreSeated) {
    const int kLeague0[] = {15, 11, 7, 3, 14, 13, 12};
    const int kSeats0[] = {19, 3, 5, 1, 0, 4, 2};
    for (int n = 0; n < 7; n++) {
        SCOPED_TRACE(n);
        EXPECT_EQ(Get_Playoff_Team(kSeats0[n]), kLeague0[n]);
        EXPECT_EQ(Get_Team_Stat(kLeague0[n], TEAM_PLAYOFF_SEED), n + 1);
        EXPECT_EQ(Get_Playoff_Team(Get_Playoff_Seat(7, 1, n)), kLeague0[n] + 16);
    }
    EXPECT_EQ(Get_Playoff_Team(6), NO_TEAM);
    EXPECT_EQ(Get_Playoff_Team(7), NO_TEAM);
    EXPECT_EQ(Get_Team_Stat(10, TEAM_PLAYOFF_SEED), 0);
    EXPECT_EQ(Get_Max_Playoff_Teams(), 7);
    EXPECT_EQ(Get_Playoff_Seat(3, 0, 2), 26);
    EXPECT_EQ(Get_Playoff_Seat(3, 0, 3), -1);
}

// Equal keys: of two division winners the one of the earlier division row, of two wild cards the
// lower team number takes the better seed.
TEST_F(PlayoffsTest, EqualKeysSeedTheEarlierRowAndTheLowerNumber) {
    Set_Team_Record_Char(11, YEARLY_WINS, 16);  // level with 15, a row earlier
    Set_Team_Record_Char(13, YEARLY_WINS, 15);  // level with 14
    Update_Standings();
    Seed_Playoff_Teams();
    const int kLeague0[] = {11, 15, 7, 3, 13, 14, 12};
    for (int n = 0; n < 7; n++)
        EXPECT_EQ(Get_Team_Stat(kLeague0[n], TEAM_PLAYOFF_SEED), n + 1) << "team " << kLeague0[n];
}

// The first round: 5 v 4, 7 v 2 and 6 v 3 a league, the better seed at home; seed 1 waits.
TEST_F(PlayoffsTest, FirstRoundGamesAtTheBetterSeed) {
    gCurrentWeek = kFirstPostseasonWeek;
    EXPECT_EQ(Schedule_Next_Playoff_Round(), 6);
    EXPECT_EQ(Home_Team(14, gCurrentWeek), 3);
    EXPECT_EQ(Home_Team(12, gCurrentWeek), 11);
    EXPECT_EQ(Home_Team(13, gCurrentWeek), 7);
    EXPECT_EQ(Home_Team(15, gCurrentWeek), NO_TEAM);
    EXPECT_EQ(Schedule_Next_Playoff_Round(), 0);  // each team plays once a week
}

// All three wild cards win; the second round is reseeded so seed 1 meets the worst one left, the
// first-round slots that fed them moving with them.
TEST_F(PlayoffsTest, WinnersMoveOnAndTheSecondRoundIsReseeded) {
    Win(14, 3);
    Win(12, 11);
    Win(13, 7);
    EXPECT_EQ(Get_Playoff_Team(16), 14);
    EXPECT_EQ(Get_Playoff_Team(17), 12);
    EXPECT_EQ(Get_Playoff_Team(18), 13);  // the winner from slot 5
    EXPECT_EQ(Get_Playoff_Score(5), 17);
    EXPECT_EQ(Get_Playoff_Score(4), 24);
    gCurrentWeek = kFirstPostseasonWeek + 1;
    Schedule_Next_Playoff_Round();
    EXPECT_EQ(Get_Playoff_Team(18), 12);
    EXPECT_EQ(Get_Playoff_Team(17), 13);
    EXPECT_EQ(Get_Playoff_Team(2), 13);  // the feeders moved too
    EXPECT_EQ(Get_Playoff_Team(4), 12);
    EXPECT_EQ(Home_Team(12, gCurrentWeek), 15);
}

TEST_F(PlayoffsTest, TheFinalMakesTheChampionAndItsRings) {
    Set_Playoff_Team(28, 15);
    Set_Playoff_Team(29, 31);
    int nRings = Get_Player_Byte_Stat(31, 0, BYTE_RINGS);
    gCurrentWeek = kFirstPostseasonWeek + 3;
    gSuperBowl = 0;
    EXPECT_EQ(Schedule_Next_Playoff_Round(), 0);
    gSuperBowl = 1;
    EXPECT_EQ(Schedule_Next_Playoff_Round(), 1);
    Win(31, 15);
    EXPECT_EQ(Get_Playoff_Team(30), 31);
    EXPECT_EQ(Get_Player_Byte_Stat(31, 0, BYTE_RINGS), nRings + 1);
    EXPECT_EQ(Get_Player_Byte_Stat(15, 0, BYTE_RINGS), nRings);
}

// Division rivals drawn together in the second round are parted.
TEST_F(PlayoffsTest, DivisionRivalsArePartedInTheSecondRound) {
    Set_Playoff_Team(16, 14);
    Set_Playoff_Team(17, 13);  // both of division 3
    Set_Playoff_Team(18, 3);
    Set_Playoff_Team(19, 7);
    Separate_Division_Rivals();
    EXPECT_EQ(Get_Playoff_Team(16), 3);
    EXPECT_EQ(Get_Playoff_Team(18), 14);
}

}  // namespace
