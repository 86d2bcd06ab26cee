// The computer's play calls: the situation rules, the weighted draw from the playbook, the
// defensive call and the matchup multipliers.
#include "engine/play_test_fixture.h"

#define HOME_KICKER_SLOT 51
#define PRO_DIVE 0
#define FOUR_THREE_CONTAIN 3

class PlayCallingTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        gTwoPointConversions = 0;
        Set_Team_Stat(TEST_HOME, TEAM_RUN_PASS_BALANCE, 10);
        Reset_Game_Play_Uses();
        // A weak kicker: field-goal range 30.
        Set_Player_Rating(TEST_HOME, HOME_KICKER_SLOT, 50, RATING_FG_DISTANCE);
        Set_Player_Rating(TEST_HOME, HOME_KICKER_SLOT, 50, RATING_FG_ACCURACY);
        Call_Play(PRO_DIVE, FOUR_THREE_CONTAIN);
    }
};

TEST_F(PlayCallingTest, FourthDownAtTheThirtyEightPuntsOrGoesForIt) {
    ASSERT_LT(Get_Field_Goal_Range(pGame), 38);
    Set_Situation(FOURTH_DOWN, 2, 38, 600, 0, 0);
    EXPECT_TRUE(Is_Punt_Situation(pGame));
    EXPECT_EQ(Choose_Offensive_Play(pGame), HARD_CODED_PUNT_PLAY);
    Set_Situation(FOURTH_DOWN, 1, 38, 600, 0, 0);
    EXPECT_FALSE(Is_Punt_Situation(pGame));
    EXPECT_FALSE(Is_Field_Goal_Situation(pGame));
    int nCall = Choose_Offensive_Play(pGame);
    EXPECT_LT(nCall, KNEEL_DOWN_PLAY);
    EXPECT_TRUE(Is_Offensive_Play_Defined(TEST_HOME, nCall));
}

// The clock's situations at the edges of the halves and of regulation.
TEST_F(PlayCallingTest, ClockSituationsAtTheirEdges) {
    const struct {
        int nClock, bHalfAlmostOver, bLastTenSeconds, bOvertime;
    } kCases[] = {
        {1790, 0, 0, 0}, {1791, 1, 0, 0}, {1800, 0, 0, 0}, {3590, 0, 0, 0},
        {3591, 1, 1, 0}, {3599, 1, 1, 0}, {3600, 0, 0, 0}, {3601, 0, 0, 1},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nClock);
        Set_Situation(FIRST_DOWN, 10, 50, c.nClock, 0, 0);
        EXPECT_EQ(Is_Half_Almost_Over(pGame), c.bHalfAlmostOver);
        EXPECT_EQ(Is_Last_Ten_Seconds_Of_Second_Half(pGame), c.bLastTenSeconds);
        EXPECT_EQ(Is_Game_In_Overtime(pGame), c.bOvertime);
    }
}

TEST_F(PlayCallingTest, KicksAndConversionsBySituation) {
    const struct {
        int nDown, nClock, nOffenceScore, nDefenceScore, nCall;
    } kCases[] = {
        {KICKOFF, 100, 0, 0, 0},
        {KICKOFF, 3500, 10, 14, 2},  // trailing by 4 with 100 seconds left: onside
        {KICKOFF, 3500, 20, 14, 1},  // leading by 6: squib
        {KICKOFF, 3400, 10, 14, 0},  // 200 seconds left
        {FREE_KICK, 3500, 10, 14, 0},
    };
    for (const auto& c : kCases) {
        Set_Situation(c.nDown, 10, 65, c.nClock, c.nOffenceScore, c.nDefenceScore);
        EXPECT_EQ(Choose_Offensive_Play(pGame), c.nCall) << c.nDown << " at " << c.nClock;
    }
    // With the two-point rule off the try is kicked and no number is drawn.
    Set_Situation(CONVERSION_ATTEMPT, 2, 2, 100, 12, 14);
    Seed_Random(FIXED_RANDOM_SEED);
    EXPECT_EQ(Choose_Offensive_Play(pGame), HARD_CODED_FIELD_GOAL_PLAY);
    uint32_t uNext = Random_Number();
    Seed_Random(FIXED_RANDOM_SEED);
    EXPECT_EQ(Random_Number(), uNext);
}

TEST_F(PlayCallingTest, TheDrawNeverAnswersWithAPlayOfAnotherClass) {
    Set_Situation(FIRST_DOWN, 10, 60, 600, 0, 0);
    for (int nClass : {CALL_RUN, CALL_PASS}) {
        for (int k = 0; k < 50; k++) {
            int nPlay = Find_Offensive_Play(nClass, pGame, 7);
            EXPECT_EQ(Get_Offensive_Play_Class(Get_Offensive_Play_Type(TEST_HOME, nPlay)), nClass);
        }
    }
    // The previous call is never drawn again.
    gLastOffensiveCall = Find_Offensive_Play(CALL_PASS, pGame, 7);
    for (int k = 0; k < 50; k++)
        EXPECT_NE(Find_Offensive_Play(CALL_PASS, pGame, 7), gLastOffensiveCall);
}

// A playbook whose plays of the class all weigh nothing falls back to its first play of the class,
// even when the first draw would land on play 0 of another class.
TEST_F(PlayCallingTest, AZeroWeightPlaybookGivesItsFirstPlayOfTheClass) {
    Set_Situation(FIRST_DOWN, 10, 60, 600, 0, 0);
    OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(TEST_HOME);
    int nFirstPass = -1;
    for (int p = 0; p < TEAM_OFFENSIVE_PLAY_COUNT; p++) {
        if (Get_Offensive_Play_Class(pBook->aPlays[p].nType) != CALL_PASS)
            continue;
        if (nFirstPass < 0)
            nFirstPass = p;
        pBook->aPlays[p].nFormation = FORMATION_PUNT;  // only drawn in a punt situation
    }
    ASSERT_GT(nFirstPass, 0);
    ASSERT_NE(Get_Offensive_Play_Class(pBook->aPlays[0].nType), CALL_PASS);
    EXPECT_EQ(Find_Offensive_Play(CALL_PASS, pGame, 7), nFirstPass);
}

TEST_F(PlayCallingTest, RunChanceFollowsTheBalanceAndTheClock) {
    Set_Situation(SECOND_DOWN, 6, 60, 600, 0, 0);
    int nEven = Get_Offensive_Run_Chance(pGame);
    EXPECT_GT(nEven, 0);
    EXPECT_LT(nEven, 1000);
    Set_Team_Stat(TEST_HOME, TEAM_RUN_PASS_BALANCE, 0);
    EXPECT_EQ(Get_Offensive_Run_Chance(pGame), 1000);  // no pass weight left
    Set_Team_Stat(TEST_HOME, TEAM_RUN_PASS_BALANCE, 20);
    EXPECT_EQ(Get_Offensive_Run_Chance(pGame), 0);
    // Leading late in the game, nobody passes.
    Set_Team_Stat(TEST_HOME, TEAM_RUN_PASS_BALANCE, 10);
    Set_Situation(SECOND_DOWN, 6, 60, 3500, 28, 0);
    EXPECT_EQ(Get_Offensive_Run_Chance(pGame), 1000);
}

// Every player on the field rated 70, second down and 6 in the first quarter: the quarterback
// gives P 60 + 30 and Q 40, the back 10 and 3.2 x 15, the fullback 10 and 0, the tight end 30,
// each wide receiver 75. P = 290; Q = 88, plus a seventh, 100; 100 x 1000 / 390.
TEST_F(PlayCallingTest, RunChanceOfAnEvenOffence) {
    Rate_Side(HOME_SIDE, 70.0f);
    Set_Situation(SECOND_DOWN, 6, 60, 600, 0, 0);
    EXPECT_EQ(Get_Offensive_Run_Chance(pGame), 256);
}

TEST_F(PlayCallingTest, DefensiveCallWithAnEmptyPlaybookIsUniform) {
    Fill_Play_Matchup_Table(pGame);
    DEFENSIVE_PLAYBOOK* pBook = Get_Team_Defensive_Playbook(TEST_VISITOR);
    for (auto& play : pBook->aPlays)
        play.szName[0] = '\0';
    Fill_Play_Matchup_Table(pGame);
    Set_Situation(FIRST_DOWN, 10, 60, 600, 0, 0);
    int nCall = Choose_Defensive_Play(pGame);
    EXPECT_GE(nCall, 0);
    EXPECT_LT(nCall, DEFENSIVE_PLAY_COUNT);
    EXPECT_EQ(gPlayMatchupTable[PRO_DIVE][0], 0);
}

// The uniform draw of an all-zero playbook keeps the largest draw inside the playbook.
TEST_F(PlayCallingTest, TheLargestDrawOfAnEmptyDefensivePlaybookIsItsLastPlay) {
    DEFENSIVE_PLAYBOOK* pBook = Get_Team_Defensive_Playbook(TEST_VISITOR);
    for (auto& play : pBook->aPlays)
        play.szName[0] = '\0';
    Fill_Play_Matchup_Table(pGame);
    Set_Situation(FIRST_DOWN, 10, 60, 600, 0, 0);
    Seed_Random(7);
    Random_Number();  // the state is filled: the next draws read gMtState from gMtIndex on
    uint64_t uStart = Count_Random_Draws();
    Choose_Defensive_Play(pGame);
    int nDraws = (int)(Count_Random_Draws() - uStart);
    ASSERT_LT(nDraws, MT_STATE_WORDS - 1);
    Seed_Random(7);
    Random_Number();
    gMtState[gMtIndex + nDraws - 1] = Untemper(0xFFFFFFFFu);  // the last draw is exactly 1
    EXPECT_EQ(Choose_Defensive_Play(pGame), DEFENSIVE_PLAY_COUNT - 1);
}

TEST_F(PlayCallingTest, MultipliersForAKnownMatchup) {
    // A dive at hole 1 against the 4-3 contain: the eleven defenders add -562 to 1000, and
    // 438 x 1000 / 900 rounds to 487.
    EXPECT_EQ(Get_Game_Pass_Rush_Multiplier(TEST_HOME, PRO_DIVE, TEST_VISITOR, FOUR_THREE_CONTAIN),
              487);
    // 0.487 lies below the floor: halfway to it gives 0.5956, then the floor.
    Set_Situation(FIRST_DOWN, 10, 60, 600, 0, 0);
    EXPECT_NEAR(Get_Run_Defence_Multiplier(pGame, PRO_DIVE, FOUR_THREE_CONTAIN), 0.70422536f, 1e-6);
    // Twenty calls of the play bring the offence's modifier down to its floor of 500.
    gGameOffensivePlayUses[HOME_SIDE][PRO_DIVE] = 20;
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Modifier(pGame, PRO_DIVE), 500);
    gGameDefensivePlayUses[VISITOR_SIDE][FOUR_THREE_CONTAIN] = 50;
    EXPECT_EQ(Get_Defensive_Play_Redundancy_Modifier(pGame, FOUR_THREE_CONTAIN), 500);
    // The focus of the prevent and of formation 38; any other formation is reported.
    EXPECT_EQ(Get_Defensive_Formation_Pass_Focus(36), 1375);
    EXPECT_EQ(Get_Defensive_Formation_Pass_Focus(38), 675);
    EXPECT_EQ(Get_Defensive_Formation_Pass_Focus(21), 1000);
    EXPECT_EQ(Last_Error(), "Invalid nFormation in Get_Defensive_Formation_Pass_Focus()");
}

// Inside a snap the kept answers draw the same calls; the next snap works them out anew.
TEST_F(PlayCallingTest, ASnapsKeptAnswersLastOnlyThatSnap) {
    Fill_Play_Matchup_Table(pGame);
    for (int nDown : {FIRST_DOWN, SECOND_DOWN, THIRD_DOWN}) {
        Set_Situation(nDown, 6, 60, 600, 0, 0);
        for (uint32_t uSeed = 1; uSeed <= 20; uSeed++) {
            Seed_Random(uSeed);
            int nOffence = Choose_Offensive_Play(pGame);
            int nDefence = Choose_Defensive_Play(pGame);
            uint32_t uNext = Random_Number();
            Seed_Random(uSeed);
            Open_Snap_Memo(pGame);
            EXPECT_EQ(Choose_Offensive_Play(pGame), nOffence);
            EXPECT_EQ(Choose_Defensive_Play(pGame), nDefence);
            Close_Snap_Memo();
            EXPECT_EQ(Random_Number(), uNext);
        }
    }
    Open_Snap_Memo(pGame);
    EXPECT_LT(Get_Offensive_Run_Chance(pGame), 1000);
    Close_Snap_Memo();
    Set_Team_Stat(TEST_HOME, TEAM_RUN_PASS_BALANCE, 0);
    Open_Snap_Memo(pGame);
    EXPECT_EQ(Get_Offensive_Run_Chance(pGame), 1000);
    Close_Snap_Memo();
}
