// The scouting error: the user's scouting level and divisor, the error of one player worked out
// by hand, its stability within a month, how a shown value moves, and the letter grades.
#include "personnel/new_player_test_support.h"

#define SCOUTED_TEAM 5
#define SCOUTED_SLOT 60
#define SCOUTED_ID 1234
#define WEEK_IN_SEPTEMBER 1

class ScoutingTest : public NewPlayerTest {
protected:
    void SetUp() override {
        NewPlayerTest::SetUp();
        gOwnerMode = 1;  // budgets count only in Owner Mode
        // Team k spends 600 + 10 k: the user's team 0 has the smallest budget...
        for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
            Set_Team_Financial_Stat(nTeam, FIN_SCOUTING_LEVEL, 600 + 10 * nTeam);
        // ...until the tests give it the largest.
        Set_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_SCOUTING_LEVEL, 2000);
        Set_User_Preference(PREF_DIFFICULTY, 10);
        Set_User_Preference(PREF_SCOUTING_RADIUS, 0);
        Make_Player(SCOUTED_TEAM, SCOUTED_SLOT, POS_WR, 23, 70.0f);
        Set_Player_ID(SCOUTED_TEAM, SCOUTED_SLOT, SCOUTED_ID);
        Set_Player_Vital_Stat(SCOUTED_TEAM, SCOUTED_SLOT, VITAL_EXPERIENCE, 0);
    }

    static int Shown(int nValue) {
        return Get_Scouted_Rating_Value(SCOUTED_TEAM, SCOUTED_SLOT, nValue);
    }
};

TEST_F(ScoutingTest, LevelsFollowTheBudgetRank) {
    EXPECT_EQ(Get_Team_Scouting_Level(FIXTURE_HUMAN_TEAM), 1500);  // rank 0
    EXPECT_EQ(Get_Team_Scouting_Level(31), 1500 - 32);             // rank 1
    EXPECT_EQ(Get_Team_Scouting_Level(1), 1500 - 31 * 32);         // last: 508
    Set_Team_Financial_Stat(7, FIN_SCOUTING_LEVEL, 450);
    EXPECT_EQ(Get_Team_Scouting_Level(7), 450);  // below 500 the budget itself
    EXPECT_EQ(Get_Team_Scouting_Level(NO_TEAM), 1000);
}

TEST_F(ScoutingTest, DivisorIsCachedUntilReset) {
    // ((10 + 15) x 100 - 1500) / 4
    EXPECT_EQ(Get_Scouting_Divisor(FIXTURE_HUMAN_TEAM), 250);
    Set_User_Preference(PREF_DIFFICULTY, 0);
    EXPECT_EQ(Get_Scouting_Divisor(FIXTURE_HUMAN_TEAM), 250);
    Set_User_Preference(PREF_SCOUTING_RADIUS, 0);
    EXPECT_EQ(Get_Scouting_Divisor(FIXTURE_HUMAN_TEAM), 1);  // (1500 - 1500) / 4, at least 1
}

// Another team works out its own divisor and leaves the user's cached one alone.
TEST_F(ScoutingTest, OtherTeamsComputeTheirOwnDivisor) {
    EXPECT_EQ(Get_Scouting_Divisor(FIXTURE_HUMAN_TEAM), 250);
    EXPECT_EQ(Get_Scouting_Divisor(1), (2500 - 508) / 4);
    EXPECT_EQ(Get_User_Preference(PREF_SCOUTING_RADIUS), 250);
}

TEST_F(ScoutingTest, ErrorOfAKnownPlayerAndHowValuesMove) {
    // Off-season (April): v = 123^3 + 10 x 4^3 + 3^2 + 1^2 = 1861517; 250 / (12 + 17) = 8 -> +4.
    EXPECT_EQ(Get_Scouting_Error(SCOUTED_TEAM, SCOUTED_SLOT, SCOUTED_ID), 4);
    struct CASE {
        int nTrue;
        int nShown;
    };
    const CASE kCases[] = {{72, 68}, {68, 72}, {70, 74}, {71, 75}, {99, 103}, {40, 44}};
    for (const CASE& c : kCases)
        EXPECT_EQ(Shown(c.nTrue), c.nShown) << c.nTrue;

    // Experience and last season's starts make a player better known.
    Set_Player_Vital_Stat(SCOUTED_TEAM, SCOUTED_SLOT, VITAL_EXPERIENCE, 9);
    Set_Player_Stat(SCOUTED_TEAM, SCOUTED_SLOT, SEASON_PREVIOUS, 1, 16);
    EXPECT_EQ(Get_Scouting_Error(SCOUTED_TEAM, SCOUTED_SLOT, SCOUTED_ID), 1);  // 250 / 121 = 2
}

TEST_F(ScoutingTest, ErrorHoldsWithinAMonthAndMovesWithTheCalendar) {
    gCurrentWeek = WEEK_IN_SEPTEMBER;
    int nSeptember = Get_Scouting_Error(SCOUTED_TEAM, SCOUTED_SLOT, SCOUTED_ID);
    EXPECT_EQ(nSeptember, 1);  // month 8: 250 / (12 + 72) = 2, even: +1
    gCurrentWeek = WEEK_IN_SEPTEMBER + 1;
    EXPECT_EQ(Get_Scouting_Error(SCOUTED_TEAM, SCOUTED_SLOT, SCOUTED_ID), nSeptember);
    gCurrentWeek = OFF_SEASON_WEEK;
    EXPECT_NE(Get_Scouting_Error(SCOUTED_TEAM, SCOUTED_SLOT, SCOUTED_ID), nSeptember);
}

TEST_F(ScoutingTest, CommissionerAndPerfectScoutingShowTheTruth) {
    gCommissionerMode = 1;
    EXPECT_EQ(Shown(72), 72);
    gCommissionerMode = 0;
    Set_User_Preference(PREF_PERFECT_SCOUTING, 1);
    EXPECT_EQ(Shown(71), 71);
}

TEST_F(ScoutingTest, EvenValuesNeverCrossSeventy) {
    // Whatever the error, an even value above 70 never shows higher, one below never lower.
    for (int nId = 1; nId < 400; nId += 7) {
        Set_Player_ID(SCOUTED_TEAM, SCOUTED_SLOT, nId);
        EXPECT_LE(Shown(72), 72) << nId;
        EXPECT_GE(Shown(66), 66) << nId;
        int nError = Get_Scouting_Error(SCOUTED_TEAM, SCOUTED_SLOT, nId);
        EXPECT_GE(nError, -MAX_SCOUTING_ERROR);
        EXPECT_LE(nError, MAX_SCOUTING_ERROR);
    }
}

TEST_F(ScoutingTest, LetterGrades) {
    struct CASE {
        int n;
        const char* szGrade;
    };
    const CASE kCases[] = {{-5, "F "}, {0, "F "}, {1, "F"}, {7, "C+"}, {13, "A+"}, {20, "A+"}};
    char szGrade[8];
    for (const CASE& c : kCases) {
        Get_Letter_Grade(c.n, szGrade, sizeof(szGrade));
        EXPECT_STREQ(szGrade, c.szGrade) << c.n;
    }
}
