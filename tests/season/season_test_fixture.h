// The fixture of the schedule tests: the fixture league (32 teams, eight divisions of four) in a
// chosen year with a chosen games setting, and helpers that read the schedule rows back.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "season/season.h"

class SeasonTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        gCommandLineFlags = 0;
        Build_Fixture_League();
        Clear_All_Schedules();
        gCurrentWeek = 0;
        Seed_Random(FIXED_RANDOM_SEED);
        memset(gRecentErrors, 0, sizeof gRecentErrors);
    }

    // The text of the newest reported error, "" when none was reported.
    static std::string Last_Error() {
        std::string stLine(gRecentErrors, strcspn(gRecentErrors, "\n"));
        size_t nAt = stLine.find(" ERROR: ");
        return nAt == std::string::npos ? std::string() : stLine.substr(nAt + 8);
    }

    static void Set_League(int nYear, int nGames) {
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, nYear);
        gSeasonNumber = 0;
        Set_Universe_Stat(UNIVERSE_SEASON_GAMES, nGames);
    }

    // Takes the highest-numbered teams out of use until nTeams remain.
    static void Keep_Teams(int nTeams) {
        for (int nTeam = nTeams; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
            Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_NOT_IN_USE);
    }

    static int Row(int nTeam, int nWeek, int nField) {
        return Get_Team_Schedule_Stat(nTeam, nWeek, nField);
    }

    // Every game's two rows agree (codes, kickoff, weekday) and no team meets itself; the count of
    // a team's games in the weeks before nWeeks goes to anGames.
    static void Expect_Rows_Agree(int nTeams, int nWeeks, int* anGames) {
        for (int nTeam = 0; nTeam < nTeams; nTeam++) {
            anGames[nTeam] = 0;
            for (int nWeek = 0; nWeek < SCHEDULE_WEEKS; nWeek++) {
                int nCode = Row(nTeam, nWeek, SCHEDULE_OPPONENT);
                if (nCode == 0)
                    continue;
                ASSERT_LT(nWeek, nWeeks) << "team " << nTeam;
                anGames[nTeam]++;
                int nOther = abs(nCode) - 1;
                ASSERT_NE(nOther, nTeam);
                ASSERT_TRUE(Is_Team_Active(nOther));
                int nBack = Row(nOther, nWeek, SCHEDULE_OPPONENT);
                EXPECT_EQ(nBack, nCode > 0 ? -1 - nTeam : nTeam + 1) << nTeam << " week " << nWeek;
                EXPECT_EQ(Row(nOther, nWeek, SCHEDULE_KICKOFF),
                          Row(nTeam, nWeek, SCHEDULE_KICKOFF));
                EXPECT_EQ(Row(nOther, nWeek, SCHEDULE_WEEKDAY),
                          Row(nTeam, nWeek, SCHEDULE_WEEKDAY));
            }
        }
    }
};
