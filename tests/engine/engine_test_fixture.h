// The fixture of the engine tests: the fixture league, a fresh platform, no recent errors, and a
// game record between two of its teams.
#pragma once

#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "core/core.h"
#include "database/database.h"
#include "engine/engine.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"

#define TEST_VISITOR 1
#define TEST_HOME 2

class EngineTest : public ::testing::Test {
protected:
    GAME* pGame = &gGames[0];

    void SetUp() override {
        Test_Reset_Platform();
        gCommandLineFlags = 0;
        Build_Fixture_League();
        Clear_Errors();
        Clear_Game(pGame);
        pGame->anTeams[VISITOR_SIDE] = TEST_VISITOR;
        pGame->anTeams[HOME_SIDE] = TEST_HOME;
        pGame->nPossession = TEST_HOME;
        Set_Team_Default_Playbook(TEST_VISITOR);
        Set_Team_Default_Playbook(TEST_HOME);
    }

    static void Clear_Errors() {
        memset(gRecentErrors, 0, sizeof gRecentErrors);
    }

    // The text of the newest reported error, "" when none was reported since the last clear.
    static std::string Last_Error() {
        std::string stLine(gRecentErrors, strcspn(gRecentErrors, "\n"));
        size_t nAt = stLine.find(" ERROR: ");
        return nAt == std::string::npos ? std::string() : stLine.substr(nAt + 8);
    }

    // The home team has the ball: down, yards to go, yard line, clock and the score.
    void Set_Situation(int nDown, int nToGo, int nYardLine, int nClock, int nOffenceScore,
                       int nDefenceScore) {
        pGame->nFlags = nDown;
        pGame->nYardsToGo = (int8_t)nToGo;
        pGame->nYardLine = (int8_t)nYardLine;
        pGame->nClock = (int16_t)nClock;
        pGame->anScores[HOME_SIDE] = nOffenceScore;
        pGame->anScores[VISITOR_SIDE] = nDefenceScore;
    }
};
