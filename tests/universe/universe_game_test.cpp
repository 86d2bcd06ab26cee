// One game between two teams of the default universe, played through to its end.
#include <gtest/gtest.h>

#include <string>

#include "database/database.h"
#include "engine/engine.h"
#include "platform/test_api.h"
#include "shell/shell.h"

namespace {

TEST(UniverseGame, TwoTeamsPlayAGameThatAddsUp) {
    Test_Reset_Platform();
    ASSERT_NE(Load_Universe((std::string(VANTO_GAME_DIR) + "/Databases/Universe-2019.dat").c_str()),
              0);
    Seed_Random(FIXED_RANDOM_SEED);
    gSimulationRunning = 1;
    gAllTeamsComputer = 1;
    gCurrentWeek = 1;
    gRunTargetWeek = 2;
    GAME* pGame = &gGames[0];

    ASSERT_EQ(Play_Game(1, 0, gCurrentWeek, pGame), 1);

    int anPoints[2] = {0, 0};
    ASSERT_LT(pGame->nPlayCount, PLAY_LOG_SIZE);
    for (int i = 0; i < pGame->nPlayCount; i++)
        Add_Play_Points((pGame->aPlayLog[i].nResult & PLAY_WORD_HOME_BALL) != 0,
                        Get_Play_Result(&pGame->aPlayLog[i]), anPoints);
    EXPECT_EQ(anPoints[VISITOR_SIDE], pGame->anScores[VISITOR_SIDE]);
    EXPECT_EQ(anPoints[HOME_SIDE], pGame->anScores[HOME_SIDE]);
    int nOnField = 0;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        nOnField +=
            Is_Player_Slot_Used(1, nSlot) && Get_Player_Vital_Stat(1, nSlot, VITAL_ON_FIELD);
    EXPECT_GE(nOnField, 22);
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        EXPECT_NE(shown.nKind, TEST_SHOWN_USER_WAIT);
}

}  // namespace
