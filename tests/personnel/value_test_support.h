// The fixture of the money, value and projection tests: the fixture league in the off-season of
// its first year and a fixed seed; players are made by the new-player fixture's helper.
#pragma once

#include "personnel/new_player_test_support.h"

#define TEST_FREE_AGENT_SLOT FIXTURE_FREE_AGENT_COUNT  // the first free slot of team 36
#define TEST_LAST_POSTSEASON_WEEK 22

class PersonnelValueTest : public NewPlayerTest {
protected:
    // Neither the data files nor the name tables and draft talents are needed here.
    void SetUp() override {
        Test_Reset_Platform();
        gCommandLineFlags = 0;
        Build_Fixture_League();
        memset(gRecentErrors, 0, sizeof gRecentErrors);
        gCurrentWeek = OFF_SEASON_WEEK;
        gPostseasonWeeks[5] = TEST_LAST_POSTSEASON_WEEK;
        Seed_Random(FIXED_RANDOM_SEED);
    }

    // A player of the position with every rating at fRating, past the start of his prime when
    // he is 25 or older (his potential is then his overall), healthy, with an empty contract.
    static int Add_Test_Player(int nTeam, int nSlot, int nPosition, int nAge, int nExperience,
                               float fRating) {
        Make_Player(nTeam, nSlot, nPosition, nAge, fRating);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, nExperience);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, -1);
        return nSlot;
    }

    static int Predicted(int nTeam, int nSlot, int nStat) {
        return Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat);
    }
};
