// The fixture of the game tests: the fixture league in the regular season with an advance running,
// a cleared game record between two computer teams, and the headless layer in strict mode so that
// a wait for the person fails the test.
#pragma once

#include <gtest/gtest.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "engine/engine.h"
#include "fixtures/fixture_league.h"
#include "reports/reports.h"
#include "platform/test_api.h"

#define GAME_TEST_WEEK 3
#define GAME_TEST_FIRST_POSTSEASON_WEEK 18
#define GAME_TEST_VISITOR 1
#define GAME_TEST_HOME 2

class GameTest : public ::testing::Test {
protected:
    GAME* pGame = &gGames[0];

    void SetUp() override {
        Test_Reset_Platform();
        Test_Set_Strict(true, [](const TEST_SHOWN& shown) {
            ADD_FAILURE() << "unexpected wait or box: " << shown.stText << shown.stCaption;
        });
        Build_Fixture_League();
        Install_Report_Writers();  // the games write their box scores, as in the program
        Seed_Random(FIXED_RANDOM_SEED);
        for (int k = 0; k < POSTSEASON_WEEK_COUNT; k++)
            gPostseasonWeeks[k] = GAME_TEST_FIRST_POSTSEASON_WEEK + k;
        gCurrentWeek = GAME_TEST_WEEK;
        gSimulationRunning = 1;
        gRunTargetWeek = GAME_TEST_WEEK + 1;
        gOvertimeGames = 1;
        gOvertimeRule = 0;
        gPlayoffOvertimeRule = 0;
        gOvertimePeriodLength = 10;
        gKickoffLocation = 1;
        Set_Team_Default_Playbook(GAME_TEST_VISITOR);
        Set_Team_Default_Playbook(GAME_TEST_HOME);
        Reset_Game();
    }

    // A cleared record in the fixture week, the home team with the ball; no red-zone drive.
    void Reset_Game() {
        Set_Team_Stat(GAME_TEST_VISITOR, IN_RED_ZONE, 0);
        Set_Team_Stat(GAME_TEST_HOME, IN_RED_ZONE, 0);
        Clear_Game(pGame);
        pGame->anTeams[VISITOR_SIDE] = GAME_TEST_VISITOR;
        pGame->anTeams[HOME_SIDE] = GAME_TEST_HOME;
        pGame->anInfo[GAME_INFO_WEEK] = GAME_TEST_WEEK;
        pGame->nPossession = GAME_TEST_HOME;
    }

    // The person watches the fixture game: its play-by-play is kept, and the clock's two-minute
    // warnings are the only boxes it may raise.
    int nTwoMinuteWarnings = 0;
    void Watch_Game() {
        gTeams[GAME_TEST_HOME].aanSchedule[GAME_TEST_WEEK][SCHEDULE_OPPONENT] =
            GAME_TEST_VISITOR + 1;
        gTeams[GAME_TEST_VISITOR].aanSchedule[GAME_TEST_WEEK][SCHEDULE_OPPONENT] =
            -1 - GAME_TEST_HOME;
        Set_Calendar_PBP_Flag(GAME_TEST_WEEK, GAME_TEST_HOME, 1);
        Test_Set_Strict(true, [this](const TEST_SHOWN& shown) {
            if (shown.stCaption == "Two-Minute Warning") {
                nTwoMinuteWarnings++;
                return;
            }
            ADD_FAILURE() << "unexpected wait or box: " << shown.stText << shown.stCaption;
        });
    }

    void TearDown() override {
        gLiveGame = NULL;
        Test_Set_Strict(false);
    }

    int Down() const {
        return pGame->nFlags & GAME_FLAG_DOWN_MASK;
    }

    void Set_Down(int nDown) {
        pGame->nFlags = (pGame->nFlags & ~GAME_FLAG_DOWN_MASK) | nDown;
    }
};
