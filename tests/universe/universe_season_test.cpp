// A whole season of the default universe, every team run by the computer and nothing watched:
// the regular season, then the playoffs to one champion, with standings that add up.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "season/season.h"
#include "shell/shell.h"

namespace {

class UniverseSeason : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        // The computer manager makes new players, whose names come from the name lists.
        std::filesystem::copy(std::string(VANTO_GAME_DIR) + "/names", "names",
                              std::filesystem::copy_options::overwrite_existing |
                                  std::filesystem::copy_options::recursive);
        ASSERT_NE(
            Load_Universe((std::string(VANTO_GAME_DIR) + "/Databases/Universe-2019.dat").c_str()),
            0);
        Seed_Random(FIXED_RANDOM_SEED);
        gAllTeamsComputer = 1;
        // Any box or dialog fails the run: a headless season answers nothing.
        Test_Set_Strict(true, [](const TEST_SHOWN& shown) {
            ADD_FAILURE() << "unexpected " << shown.stCaption << ": " << shown.stText;
        });
    }

    // Every scheduled game's two rows agree, and the home team's row names a finished record
    // that holds both teams.
    static void Expect_Rows_Agree(int nWeeks) {
        for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
            for (int nWeek = 0; nWeek < nWeeks; nWeek++) {
                int nCode = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT);
                if (nCode <= 0)
                    continue;
                int nVisitor = nCode - 1;
                SCOPED_TRACE(nTeam * 100 + nWeek);
                EXPECT_EQ(Get_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_OPPONENT), -1 - nTeam);
                int nIndex = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_GAME_INDEX);
                ASSERT_GE(nIndex, 0);
                EXPECT_EQ(Get_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_GAME_INDEX), nIndex);
                EXPECT_TRUE(Is_Stored_Game_Over(nIndex));
                GAME* pGame = Get_Game_Record(nIndex);
                EXPECT_EQ(pGame->anTeams[HOME_SIDE], nTeam);
                EXPECT_EQ(pGame->anTeams[VISITOR_SIDE], nVisitor);
            }
        }
    }
};

TEST_F(UniverseSeason, ASeasonEndsWithOneChampion) {
    Start_Season(0);
    int nFirstPlayoffWeek = Get_First_Playoff_Week();
    ASSERT_GT(nFirstPlayoffWeek, 2);

    Advance_Weeks(22);  // stops when the regular season is over
    EXPECT_EQ(gCurrentWeek, nFirstPlayoffWeek);
    EXPECT_FALSE(Is_Season_Complete());
    Expect_Rows_Agree(nFirstPlayoffWeek);
    int nGames = Get_Universe_Stat(UNIVERSE_SEASON_GAMES);
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        SCOPED_TRACE(nTeam);
        EXPECT_EQ(Get_Team_Wins(nTeam) + Get_Team_Losses(nTeam) + Get_Team_Ties(nTeam), nGames);
    }
    // The bracket follows the standings: each league's first seed leads its division.
    for (int nLeague = 0; nLeague < 2; nLeague++) {
        int nTeams = Count_League_Divisions(nLeague) + Get_Universe_Stat(WILD_CARD_TEAMS);
        int nSeed = Get_Playoff_Team(Get_Playoff_Seat(nTeams, nLeague, 0));
        ASSERT_NE(nSeed, NO_TEAM);
        EXPECT_EQ(Get_Division_Standings_Team(Get_Team_Division(nSeed), 0), nSeed);
        EXPECT_EQ(Get_Team_Stat(nSeed, TEAM_PLAYOFF_SEED), 1);
    }

    Advance_Weeks(22);  // the playoffs
    EXPECT_TRUE(Is_Season_Complete());
    int nChampion = Get_Playoff_Team(30);
    ASSERT_NE(nChampion, NO_TEAM);
    EXPECT_TRUE(nChampion == Get_Playoff_Team(28) || nChampion == Get_Playoff_Team(29));
    Expect_Rows_Agree(SCHEDULE_WEEKS);
    EXPECT_EQ(gAdvanceInProgress, 0);
    EXPECT_EQ(gSimulationRunning, 0);
}

// The computer manager keeps every roster legal at each week's end: within 100 players, at every
// position's minimum, and under the salary cap unless it is down to its floor.
TEST_F(UniverseSeason, EveryRosterStaysLegalWeekByWeek) {
    Start_Season(0);
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    ASSERT_GT(nCap, 0);
    int nWeeksPlayed = 0;
    while (!Is_Season_Complete()) {
        nWeeksPlayed++;
        int nWeek = gCurrentWeek;
        Advance_Weeks(1);
        ASSERT_GT(gCurrentWeek, nWeek);
        for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
            if (!Is_Team_Active(nTeam))
                continue;
            SCOPED_TRACE("week " + std::to_string(nWeek) + " team " + std::to_string(nTeam));
            int nPlayers = Find_Free_Player_Slot(nTeam);
            EXPECT_LE(nPlayers, PLAYERS_PER_TEAM);
            EXPECT_EQ(Count_Players(nTeam, ALL_ROSTERS), nPlayers);  // packed from slot 0
            for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
                EXPECT_GE(Count_Team_Position_Players(nTeam, nPosition),
                          POSITION_ROSTER_MINIMUMS[nPosition])
                    << "position " << nPosition;
            if (nPlayers >= 52) {
                EXPECT_LT((int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000, nCap);
            }
        }
    }
    EXPECT_GT(nWeeksPlayed, Get_Universe_Stat(UNIVERSE_SEASON_GAMES));
}

// A stopped advance leaves the week it was playing, to be played in full by the next one.
TEST_F(UniverseSeason, AStoppedAdvanceEndsAfterItsWeek) {
    Start_Season(0);
    gRunTargetWeek = 0;
    Advance_Weeks(1);
    EXPECT_EQ(gCurrentWeek, 1);
    EXPECT_EQ(gRunTargetWeek, 0);
    Advance_Weeks(0);  // nothing played, the after-steps still run
    EXPECT_EQ(gCurrentWeek, 1);
}

}  // namespace
