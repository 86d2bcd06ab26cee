// The computer's defensive formation, the kicking range, the try for two and resting starters.
#include "engine_test_fixture.h"
#include "season/season.h"

#define HOME_KICKER_SLOT 51

static void Set_Kicker(int nTeam, float fDistance, float fAccuracy) {
    Set_Player_Rating(nTeam, HOME_KICKER_SLOT, fDistance, RATING_FG_DISTANCE);
    Set_Player_Rating(nTeam, HOME_KICKER_SLOT, fAccuracy, RATING_FG_ACCURACY);
}

TEST_F(EngineTest, DefensiveFormationBySituation) {
    Set_Kicker(TEST_HOME, 120, 100);  // field-goal range 41
    const struct {
        int nDown, nToGo, nYardLine, nClock, nOffenceScore, nDefenceScore, nFormation;
    } kCases[] = {
        {FIRST_DOWN, 10, 40, 100, 0, 0, FORMATION_4_3},  // m = 10 is not above 10
        {FIRST_DOWN, 11, 40, 100, 0, 0, FORMATION_3_4_EAGLE},
        {FIRST_DOWN, 5, 40, 100, 0, 0, FORMATION_FORTY_SIX},
        {FIRST_DOWN, 1, 1, 100, 0, 0, FORMATION_4_4},
        {FIRST_DOWN, 2, 2, 100, 0, 0, FORMATION_5_2},
        {SECOND_DOWN, 7, 50, 100, 0, 0, FORMATION_3_4},
        {SECOND_DOWN, 4, 50, 100, 0, 0, FORMATION_4_3},
        {THIRD_DOWN, 22, 60, 100, 0, 0, FORMATION_PREVENT},
        {THIRD_DOWN, 15, 60, 100, 0, 0, FORMATION_3_4_DIME},
        {THIRD_DOWN, 10, 60, 100, 0, 0, FORMATION_DIME},
        {FOURTH_DOWN, 7, 60, 100, 0, 0, FORMATION_NICKEL},
        {FOURTH_DOWN, 4, 60, 100, 0, 0, FORMATION_3_4},
        {THIRD_DOWN, 2, 60, 100, 0, 0, FORMATION_5_2},
        {THIRD_DOWN, 1, 60, 100, 0, 0, FORMATION_4_4},
        {THIRD_DOWN, 30, 10, 100, 0, 0, FORMATION_DIME},  // goal to go counts the yard line
        {KICKOFF, 0, 65, 100, 0, 0, FORMATION_KICKOFF_RETURN},
        {CONVERSION_ATTEMPT, 0, 15, 100, 0, 0, FORMATION_4_4},
        // Late in a game the defence leads: prevent deep in its own half, not near its goal.
        {FIRST_DOWN, 10, 40, 3500, 0, 7, FORMATION_PREVENT},
        {FIRST_DOWN, 10, 10, 3500, 0, 3, FORMATION_4_3},  // a close game needs 50 yards
        {FIRST_DOWN, 10, 50, 3500, 0, 3, FORMATION_PREVENT},
        // Overtime within half the field-goal range: block the kick.
        {FIRST_DOWN, 10, 19, 3700, 0, 0, FORMATION_FIELD_GOAL_BLOCK},
        {FIRST_DOWN, 10, 20, 3700, 0, 0, FORMATION_4_3},
    };
    for (const auto& c : kCases) {
        Set_Situation(c.nDown, c.nToGo, c.nYardLine, c.nClock, c.nOffenceScore, c.nDefenceScore);
        EXPECT_EQ(Set_Team_Formations(pGame), c.nFormation)
            << c.nDown << " and " << c.nToGo << " at " << c.nYardLine << ", clock " << c.nClock;
    }
}

// A passing offence pulls the defence into its passing fronts; an unknown down is shown.
TEST_F(EngineTest, DefensiveFormationReadsTheOffenceAndRejectsBadDowns) {
    Set_Situation(FIRST_DOWN, 10, 40, 100, 0, 0);
    pGame->aanTeamTotals[HOME_SIDE][7] = 20;  // 20 passes, no runs: m grows by 5
    EXPECT_EQ(Set_Team_Formations(pGame), FORMATION_3_4_EAGLE);
    pGame->aanTeamTotals[HOME_SIDE][7] = 1;  // one pass: the tendency is held to 1.1
    EXPECT_EQ(Set_Team_Formations(pGame), FORMATION_4_3);

    Test_Clear_Transcript();
    Set_Situation(TURNOVER_ON_DOWNS, 10, 40, 100, 0, 0);
    EXPECT_EQ(Set_Team_Formations(pGame), -1);
    ASSERT_EQ(Test_Get_Transcript().size(), 1u);
    EXPECT_EQ(Test_Get_Transcript()[0].stText, "Unrecognized Down Flag: 4");
}

TEST_F(EngineTest, KickerAndFieldGoalRange) {
    Set_Kicker(TEST_HOME, 90, 80);
    EXPECT_EQ(Get_Kicker_Range(TEST_HOME, HOME_KICKER_SLOT), 60);  // (270 + 80) / 10 + 25
    EXPECT_EQ(Get_Field_Goal_Range(pGame), 39);
    Set_Kicker(TEST_HOME, 120, 100);
    EXPECT_EQ(Get_Kicker_Range(TEST_HOME, HOME_KICKER_SLOT), 65);  // capped
    EXPECT_EQ(Get_Field_Goal_Range(pGame), 41);                    // (65 + 52) / 2 - 17
    Set_Kicker(TEST_HOME, 50, 50);
    EXPECT_EQ(Get_Kicker_Range(TEST_HOME, HOME_KICKER_SLOT), 45);
    EXPECT_EQ(Get_Field_Goal_Range(pGame), 31);
    Set_Situation(FIRST_DOWN, 10, 40, 1800, 0, 4);  // trailing by 4 in the second half
    EXPECT_EQ(Get_Field_Goal_Range(pGame), 30);
    EXPECT_EQ(Get_Kicker_Range(TEST_HOME, 100), 20);
}

// Without a kicker who can play the range is the shortest, and asking for it logs nothing. A
// human-run team gets no kicker signed for it.
TEST_F(EngineTest, FieldGoalRangeWithTheKickerHurt) {
    Set_Team_Stat(TEST_HOME, TEAM_CONTROL, CONTROL_HUMAN);
    gAllTeamsComputer = 0;
    Set_Kicker(TEST_HOME, 90, 80);
    ASSERT_EQ(Count_Team_Uninjured_Position_Players(TEST_HOME, POS_K), 1);
    Set_Player_Vital_Stat(TEST_HOME, HOME_KICKER_SLOT, VITAL_INJURY_WEEKS, 3);
    EXPECT_EQ(Count_Team_Uninjured_Position_Players(TEST_HOME, POS_K), 0);
    Test_Clear_Debug_Output();
    EXPECT_EQ(Get_Field_Goal_Range(pGame), 30);
    EXPECT_EQ(Test_Get_Debug_Output(), "");
}

TEST_F(EngineTest, TwoPointDecisionTable) {
    gTwoPointConversions = 1;
    const struct {
        int nClock, nOffenceScore, nDefenceScore, bGoForTwo;
    } kCases[] = {
        {100, 12, 14, 1}, {3600, 5, 7, 1}, {100, 7, 6, 0},  {2699, 7, 6, 0},  {2700, 7, 6, 1},
        {3700, 7, 6, 1},  {3000, 6, 6, 0}, {3000, 6, 0, 0}, {3000, 30, 2, 0}, {3000, 6, 30, 0},
    };
    for (const auto& c : kCases) {
        Set_Situation(CONVERSION_ATTEMPT, 2, 2, c.nClock, c.nOffenceScore, c.nDefenceScore);
        EXPECT_EQ(Decide_Two_Point_Try(pGame), c.bGoForTwo)
            << c.nOffenceScore << "-" << c.nDefenceScore << " at " << c.nClock;
    }
    gTwoPointConversions = 0;
    Set_Situation(CONVERSION_ATTEMPT, 2, 2, 100, 12, 14);
    EXPECT_EQ(Decide_Two_Point_Try(pGame), 0);
}

// A human coach watching his game answers the question himself.
TEST_F(EngineTest, HumanCoachIsAskedAboutTheTry) {
    gTwoPointConversions = 1;
    gSimulationRunning = 1;
    pGame->anTeams[HOME_SIDE] = FIXTURE_HUMAN_TEAM;
    pGame->nPossession = FIXTURE_HUMAN_TEAM;
    Schedule_Matchup(TEST_VISITOR, FIXTURE_HUMAN_TEAM, gCurrentWeek);
    Set_Calendar_PBP_Flag(gCurrentWeek, FIXTURE_HUMAN_TEAM, 1);
    Set_Situation(CONVERSION_ATTEMPT, 2, 2, 100, 7, 0);
    Test_Answer_Message_Box(IDYES);
    EXPECT_EQ(Ask_Two_Point_Try(pGame), 1);
    ASSERT_EQ(Test_Get_Transcript().size(), 1u);
    EXPECT_EQ(Test_Get_Transcript()[0].stText, "Go For Two?");
    EXPECT_EQ(Test_Get_Transcript()[0].stCaption, "Point After Touchdown");
    Test_Answer_Message_Box(IDNO);
    EXPECT_EQ(Ask_Two_Point_Try(pGame), 0);

    // When the computer calls his plays, the table decides without asking.
    gAutomaticOffensivePlays = 1;
    Set_Situation(CONVERSION_ATTEMPT, 2, 2, 100, 12, 14);
    EXPECT_EQ(Ask_Two_Point_Try(pGame), 1);
    EXPECT_EQ(Test_Get_Transcript().size(), 2u);
}

TEST_F(EngineTest, StartersRestInDecidedFourthQuarters) {
    const struct {
        int nClock, nHomeScore, nVisitorScore, bRest;
    } kCases[] = {
        {2000, 40, 0, 0},                    // third quarter
        {2800, 23, 0, 1},                    // 23 points
        {2800, 22, 0, 0}, {3300, 0, 16, 1},  // 16 points inside the last six minutes
        {3200, 0, 16, 0}, {3300, 15, 0, 0},
    };
    for (const auto& c : kCases) {
        Set_Situation(FIRST_DOWN, 10, 50, c.nClock, c.nHomeScore, c.nVisitorScore);
        EXPECT_EQ(Should_Rest_Starters(pGame), c.bRest)
            << c.nHomeScore << "-" << c.nVisitorScore << " at " << c.nClock;
    }
}

// Late in a season between two teams out of contention, a smaller margin is enough.
TEST_F(EngineTest, StartersRestSoonerInMeaninglessGames) {
    gPostseasonWeeks[0] = 18;
    gCurrentWeek = 14;
    gDraftRound = NO_DRAFT_ROUND;
    for (int nGame = 0; nGame < 14; nGame++) {
        Add_Team_Win(nGame < 6 ? TEST_HOME : TEST_VISITOR, 1);  // 6-8 and 8-6
        Add_Team_Loss(nGame < 6 ? TEST_VISITOR : TEST_HOME, 0);
    }
    Set_Situation(FIRST_DOWN, 10, 50, 2800, 16, 0);
    EXPECT_EQ(Should_Rest_Starters(pGame), 0);  // the visitor, at 8-6, is still in it
    for (int nGame = 0; nGame < 4; nGame++)
        Add_Team_Loss(TEST_VISITOR, 0);  // 8-10
    EXPECT_EQ(Should_Rest_Starters(pGame), 1);
    Set_Situation(FIRST_DOWN, 10, 50, 2800, 15, 0);
    EXPECT_EQ(Should_Rest_Starters(pGame), 0);
}
