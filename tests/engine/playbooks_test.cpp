// Playbook images, the built-in plays, their readers and writers, the result counters and the
// playbook of each era and style.
#include <stdio.h>

#include "engine_test_fixture.h"
#include "shell/shell.h"

TEST_F(EngineTest, DefaultPlaybookFillsTheImages) {
    const OFFENSIVE_PLAYBOOK* pOffence = Get_Team_Offensive_Playbook(TEST_HOME);
    const DEFENSIVE_PLAYBOOK* pDefence = Get_Team_Defensive_Playbook(TEST_HOME);
    ASSERT_TRUE(pOffence != NULL && pDefence != NULL);
    EXPECT_STREQ(pOffence->aszCategories[0], "Inside Runs");
    EXPECT_STREQ(pOffence->aszCategories[5], "Trick/Special");
    EXPECT_STREQ(pDefence->aszCategories[2], "Pass Defense");
    char szText[PLAYBOOK_DESCRIPTION_SIZE];
    Get_Offensive_Playbook_Description(TEST_HOME, szText, sizeof(szText));
    EXPECT_STREQ(szText,
                 "The default offensive playbook includes 20 running plays and 34 passing plays.");
    Get_Defensive_Playbook_Description(TEST_HOME, szText, sizeof(szText));
    EXPECT_STREQ(szText,
                 "The default defensive playbook is primarily built around the 4-3 formation.");

    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(TEST_HOME, 53, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Gun 59 End Around");
    Get_Defensive_Play_Name(TEST_HOME, 29, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Deep Prevent");
    EXPECT_EQ(Get_Defensive_Play_Role(TEST_HOME, 8, 6), DOUBLE_TEAM_ROLE);
    EXPECT_TRUE(Is_Offensive_Play_Defined(TEST_HOME, 59));
    EXPECT_FALSE(Is_Offensive_Play_Defined(DEFAULT_PLAYBOOK, 0));
    EXPECT_FALSE(Is_Defensive_Play_Defined(TEST_HOME, 30));
    EXPECT_TRUE(Get_Team_Offensive_Playbook(40) != NULL);
    EXPECT_TRUE(Get_Team_Offensive_Playbook(33) == NULL);  // not in use
}

// The built-in tables hold what every team falls back on.
TEST_F(EngineTest, BuiltInTablesShape) {
    int nRuns = 0, nPasses = 0;
    for (int nPlay = 0; nPlay < TEAM_OFFENSIVE_PLAY_COUNT; nPlay++) {
        const OFFENSIVE_PLAY& play = gDefaultOffensivePlays[nPlay];
        EXPECT_TRUE(play.szName[0] && play.szDescription[0]) << nPlay;
        EXPECT_TRUE(play.nFormation >= 0 && play.nFormation < FIRST_DEFENSIVE_FORMATION) << nPlay;
        nRuns += Is_Run_Play(DEFAULT_PLAYBOOK, nPlay);
        nPasses += Is_Pass_Play(DEFAULT_PLAYBOOK, nPlay);
        for (int nRoute : play.anRoutes)
            EXPECT_TRUE(nRoute >= 0 && nRoute < PASS_ROUTE_COUNT) << nPlay;
    }
    EXPECT_EQ(nRuns, 22);  // 20 running plays and the two end arounds
    EXPECT_EQ(nPasses, 32);
    for (int nPlay = 0; nPlay < DEFENSIVE_PLAY_COUNT; nPlay++) {
        const DEFENSIVE_PLAY& play = gDefaultDefensivePlays[nPlay];
        EXPECT_TRUE(play.nFormation >= FIRST_DEFENSIVE_FORMATION &&
                    play.nFormation < FIRST_SPECIAL_FORMATION)
            << nPlay;
        for (int nRole : play.anRoles)
            EXPECT_TRUE(nRole >= 0 && nRole <= DOUBLE_TEAM_ROLE) << nPlay;
    }
    EXPECT_STREQ(gDefaultOffensivePlays[57].szDescription,
                 "The holder tosses a quick pass ahead of the the breaking tight end.");
    EXPECT_EQ(gDefaultOffensivePlays[58].szDescription[0], 0);
    EXPECT_TRUE(Is_Blitz_Play(DEFAULT_PLAYBOOK, 22));   // six rushers
    EXPECT_FALSE(Is_Blitz_Play(DEFAULT_PLAYBOOK, 20));  // four
}

// Plays 54..59 come from the built-in table whatever a team's image holds.
TEST_F(EngineTest, FixedPlaysAndOutOfRangeReads) {
    snprintf(Get_Team_Offensive_Playbook(TEST_HOME)->aPlays[58].szName, PLAY_NAME_SIZE, "Trick");
    Get_Team_Offensive_Playbook(TEST_HOME)->aPlays[58].nType = PLAY_PASS;
    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(TEST_HOME, HARD_CODED_PUNT_PLAY, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Punt");
    EXPECT_EQ(Get_Offensive_Play_Formation(TEST_HOME, HARD_CODED_PUNT_PLAY), FORMATION_PUNT);
    EXPECT_EQ(Get_Offensive_Play_Type(TEST_HOME, HARD_CODED_PUNT_PLAY), PLAY_PUNT);
    EXPECT_EQ(Get_Offensive_Play_Type(TEST_HOME, 60), -1);
    EXPECT_FALSE(Is_Run_Play(TEST_HOME, 60) || Is_Pass_Play(TEST_HOME, 60));
    EXPECT_TRUE(Is_Kneel_Down_Play(TEST_HOME, KNEEL_DOWN_PLAY));
    Get_Offensive_Play_Name(TEST_HOME, -1, szName, sizeof(szName));
    EXPECT_STREQ(szName, "");

    Set_Offensive_Play_Route(TEST_HOME, 54, 0, 3);
    EXPECT_EQ(Last_Error(), "Invalid nPlay in Set_Offensive_Play_Route(2, [54], 0, 3)");
    Set_Offensive_Play_Route(TEST_HOME, 0, 5, 3);
    EXPECT_EQ(Last_Error(), "Invalid nReceiver in Set_Offensive_Play_Route(2, 0, [5], 3)");
    EXPECT_EQ(Get_Offensive_Play_Route(TEST_HOME, 54, 0), 39);
    Set_Offensive_Play_Route(TEST_HOME, 0, 4, 9);
    EXPECT_EQ(Get_Offensive_Play_Route(TEST_HOME, 0, 4), 9);
    EXPECT_EQ(Get_Offensive_Play_Route(DEFAULT_PLAYBOOK, 0, 4), 8);
    EXPECT_EQ(Set_Offensive_Play_Primary_Player(TEST_HOME, 58, 2), 0);
    EXPECT_EQ(Set_Offensive_Play_Primary_Player(DEFAULT_PLAYBOOK, 0, 2), 0);
    EXPECT_EQ(Set_Offensive_Play_Primary_Player(TEST_HOME, 0, 2), 1);
    EXPECT_EQ(Get_Offensive_Play_Primary_Player(TEST_HOME, 0), 2);
    Set_Defensive_Play_Role(TEST_HOME, 0, 11, 3);
    EXPECT_EQ(Last_Error(), "Invalid nPlayer in Set_Defensive_Play_Role(2, 0, [11], 3)");

    char szKick[PLAY_NAME_SIZE];
    Get_Kicking_Play_Name(13, szKick, sizeof(szKick));
    EXPECT_STREQ(szKick, "Surprise Onside");
    EXPECT_EQ(Get_Kicking_Play_Type(2), PLAY_ONSIDE_KICK);
    EXPECT_FALSE(Is_Kicking_Play_Defined(7));
}

// The field goal describes the kick of the live game; the goalposts moved back in 1974.
TEST_F(EngineTest, FieldGoalDescriptionNamesTheDistance) {
    char szText[PLAY_DESCRIPTION_SIZE];
    Get_Offensive_Play_Description(TEST_HOME, HARD_CODED_FIELD_GOAL_PLAY, szText, sizeof(szText));
    EXPECT_STREQ(szText, "");
    gLiveGame = pGame;
    pGame->nYardLine = 30;
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 1973);
    Get_Offensive_Play_Description(TEST_HOME, HARD_CODED_FIELD_GOAL_PLAY, szText, sizeof(szText));
    EXPECT_STREQ(szText, "37-Yard Field Goal Attempt");
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 1974);
    Get_Offensive_Play_Description(TEST_HOME, HARD_CODED_FIELD_GOAL_PLAY, szText, sizeof(szText));
    EXPECT_STREQ(szText, "47-Yard Field Goal Attempt");
    gLiveGame = NULL;
}

TEST_F(EngineTest, PlayDepthClasses) {
    const struct {
        int nPlay, nClass;
    } kCases[] = {
        {0, CLASS_INSIDE_RUN},    // hole 1
        {10, CLASS_OUTSIDE_RUN},  // hole 4
        {7, CLASS_DRAW},
        {21, CLASS_SHORT_PASS},   // screen behind the line
        {20, CLASS_MEDIUM_PASS},  // slant, 4..9
        {49, CLASS_LONG_PASS},    // go, 22..40
        {HARD_CODED_PUNT_PLAY, CLASS_SHORT_PASS},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Get_Offensive_Play_Depth_Class(TEST_HOME, c.nPlay), c.nClass) << c.nPlay;
    EXPECT_EQ(Last_Error(), "Invalid nReceiver in Get_Offensive_Play_Route(2, 58, [-3])");
}

// What one play adds to the counters of both calls.
TEST_F(EngineTest, PlayResultCounters) {
    const OFFENSIVE_PLAYBOOK* pOffence = Get_Team_Offensive_Playbook(TEST_HOME);
    const DEFENSIVE_PLAYBOOK* pDefence = Get_Team_Defensive_Playbook(TEST_VISITOR);
    pGame->currentPlay.nOffensiveCall = 0;   // an inside run
    pGame->currentPlay.nDefensiveCall = 22;  // a blitz
    pGame->currentPlay.nResult = FOURTH_DOWN | (5 << PLAY_WORD_TO_GO_SHIFT) | PLAY_WORD_HOME_BALL |
                                 (RESULT_RUN << PLAY_WORD_RESULT_SHIFT);
    pGame->nPlayYards = 5;  // exactly the yards to go
    Record_Play_Result_Counts(pGame);
    const int kPlays[OFFENSIVE_SITUATION_COUNT] = {1, 1, 0, 0, 1};
    for (int n = 0; n < OFFENSIVE_SITUATION_COUNT; n++) {
        EXPECT_EQ(pOffence->aanPlays[0][n], kPlays[n]) << n;
        EXPECT_EQ(pOffence->aanYards[0][n], 5 * kPlays[n]) << n;
        EXPECT_EQ(pOffence->aabConversions[0][n], kPlays[n]) << n;
        EXPECT_EQ(pOffence->aabTurnovers[0][n], 0) << n;
    }
    EXPECT_EQ(pDefence->aanPlays[22][CLASS_INSIDE_RUN], 1);
    EXPECT_EQ(pDefence->aabConversions[22][CLASS_INSIDE_RUN], 1);

    // A lost fumble counts a play and a turnover only.
    pGame->currentPlay.nResult = FIRST_DOWN | (10 << PLAY_WORD_TO_GO_SHIFT) | PLAY_WORD_HOME_BALL |
                                 (RESULT_FUMBLE_LOST << PLAY_WORD_RESULT_SHIFT);
    pGame->nFlags = GAME_FLAG_POSSESSION_CHANGED;
    pGame->nPlayYards = 12;
    Record_Play_Result_Counts(pGame);
    EXPECT_EQ(pOffence->aanPlays[0][SITUATION_ALL], 2);
    EXPECT_EQ(pOffence->aanYards[0][SITUATION_ALL], 5);
    EXPECT_EQ(pOffence->aabTurnovers[0][SITUATION_ALL], 1);
    EXPECT_EQ(pOffence->aabSacks[0][SITUATION_ALL], 0);
    EXPECT_EQ(pDefence->aabTurnovers[22][CLASS_INSIDE_RUN], 1);

    // The fixed plays are not counted; clearing one play clears its counters.
    pGame->currentPlay.nOffensiveCall = HARD_CODED_PUNT_PLAY;
    Record_Play_Result_Counts(pGame);
    EXPECT_EQ(pOffence->aanPlays[HARD_CODED_PUNT_PLAY][SITUATION_ALL], 0);
    Reset_Play_Usage_Counters(TEST_HOME, PLAYBOOK_SIDE_OFFENCE, 0);
    EXPECT_EQ(pOffence->aanPlays[0][SITUATION_ALL], 0);
    EXPECT_EQ(pDefence->aanPlays[22][CLASS_INSIDE_RUN], 2);
    Reset_All_Play_Usage_Counters();
    EXPECT_EQ(pDefence->aanPlays[22][CLASS_INSIDE_RUN], 0);
}

TEST_F(EngineTest, PlaybookStylesAndSystems) {
    EXPECT_STREQ(Get_Team_Playbook_Style(29, 2019), "West Coast Scramble");
    EXPECT_STREQ(Get_Team_Playbook_Style(29, 2020), "Pocket Passer");
    EXPECT_STREQ(Get_Team_Playbook_Style(16, 2030), "Pistol Scramble");
    EXPECT_STREQ(Get_Team_Playbook_Style(2, 2018), "Running QB");
    EXPECT_TRUE(Get_Team_Playbook_Style(32, 2020) == NULL);

    // Team 3 follows the "Vikings": the default system until 2005, West Coast after.
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2005);
    EXPECT_EQ(Choose_Team_Offensive_System(3), SYSTEM_DEFAULT);
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2006);
    EXPECT_EQ(Choose_Team_Offensive_System(3), SYSTEM_WEST_COAST);
    EXPECT_EQ(Choose_Team_Offensive_System(16), SYSTEM_TWO_BACK);  // "49ers"
    EXPECT_EQ(Choose_Team_Offensive_System(0), SYSTEM_DOUBLE_TIGHT_END);
    EXPECT_EQ(Choose_Team_Offensive_System(33), SYSTEM_DEFAULT);
}

// Each team loads the playbook file of its era and system; a missing file changes nothing.
TEST_F(EngineTest, AssignedPlaybooksComeFromTheStyleFiles) {
    Platform_Make_Directory("playbooks");
    OFFENSIVE_PLAYBOOK image;
    memset(&image, 0, sizeof image);
    snprintf(image.szName, PLAYBOOK_NAME_SIZE, "From the file");
    FILE* pFile = fopen("playbooks/Default.opb", "wb");
    ASSERT_TRUE(pFile != NULL);
    fwrite(&image, sizeof image, 1, pFile);
    fclose(pFile);

    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 1990);
    Assign_Default_Playbooks();
    EXPECT_STREQ(Get_Team_Offensive_Playbook(3)->szName, "From the file");  // "Default"
    EXPECT_EQ(Get_Team_Stat(3, TEAM_OFFENSIVE_SYSTEM), SYSTEM_DEFAULT);
    EXPECT_STREQ(Get_Team_Offensive_Playbook(TEST_HOME)->szName, "");  // "Double Tight End"
    EXPECT_EQ(Get_Team_Stat(TEST_HOME, TEAM_OFFENSIVE_SYSTEM), SYSTEM_DOUBLE_TIGHT_END);

    // The whole reset puts the default plays back first, keeping the file's name.
    Reset_All_Playbooks();
    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(3, 0, szName, sizeof(szName));
    EXPECT_STREQ(szName, "");  // the file's plays replaced the defaults again
    Get_Offensive_Play_Name(TEST_HOME, 0, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Pro 21 Dive");
    remove("playbooks/Default.opb");
}

// Loading a saved game of this edition keeps the playbooks as the user left them.
TEST_F(EngineTest, SavedGameKeepsEditedPlaybooks) {
    Set_Offensive_Play_Route(TEST_HOME, 0, 4, 9);
    Set_Defensive_Play_Role(TEST_HOME, 0, 10, 12);
    ASSERT_EQ(Save_Game_File("edited.vnt", NULL), SAVE_OK);
    Set_Team_Default_Playbook(TEST_HOME);
    ASSERT_EQ(Load_Game_File("edited.vnt"), 1);
    EXPECT_EQ(Get_Offensive_Play_Route(TEST_HOME, 0, 4), 9);
    EXPECT_EQ(Get_Defensive_Play_Role(TEST_HOME, 0, 10), 12);
    remove("edited.vnt");
}
