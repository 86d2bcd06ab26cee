// Projections: the era-scaled table, completing predicted lines, the lineman, punt and field-goal
// numbers derived from other numbers, and the record book's order.
#include "personnel/value_test_support.h"

#include <stdlib.h>

#include <string>

class ProjectionsTest : public PersonnelValueTest {
protected:
    int Add_Rookie(int nPosition, int nAge) {
        return Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, nPosition, nAge, 0, 60.0f);
    }
};

TEST_F(ProjectionsTest, TableFollowsTheEraForPassingKickingAndPunting) {
    struct {
        int nPosition, nStat, nBase, nHistoricalStat;  // 0: not scaled
    } kCases[] = {
        {POS_QB, 3, 230, 101}, {POS_QB, 6, 15, 105}, {POS_QB, 7, 20, 107},  {POS_QB, 2, 450, 0},
        {POS_K, 11, 11, 123},  {POS_K, 18, 51, 0},   {POS_P, 3, 1075, 115}, {POS_RB, 8, 100, 0},
    };
    for (int nYear : {2021, 1990}) {
        Set_Season_Year(nYear);
        for (const auto& c : kCases) {
            int nExpected = c.nBase;
            if (c.nHistoricalStat != 0 && nYear != 2021)
                nExpected = Mul_Div(c.nBase, Get_Historical_Average_Stat(c.nHistoricalStat, nYear),
                                    Get_Historical_Average_Stat(c.nHistoricalStat, 2021));
            EXPECT_EQ(Get_Projection_Parameter(c.nPosition, c.nStat), nExpected)
                << "position " << c.nPosition << " stat " << c.nStat << " in " << nYear;
        }
    }
    ASSERT_NE(Get_Historical_Average_Stat(101, 1990), Get_Historical_Average_Stat(101, 2021));
    EXPECT_EQ(Get_Projection_Parameter(POSITION_COUNT, 0), 0);
}

TEST_F(ProjectionsTest, DerivedNumbersAreNeverWrittenByTheTable) {
    int nKicker = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_K, 28, 5, 60.0f);
    int nTackle = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + 1, POS_T, 28, 5, 60.0f);
    Set_Player_Stat(FREE_AGENT_TEAM, nKicker, SEASON_PREDICTED, 18, 44);
    Set_Player_Stat(FREE_AGENT_TEAM, nTackle, SEASON_PREDICTED, 5, 70);
    Set_Player_Stat(FREE_AGENT_TEAM, nTackle, SEASON_PREDICTED, 6, 71);
    Add_Projection_Parameters(FREE_AGENT_TEAM, nKicker, 1000);
    Add_Projection_Parameters(FREE_AGENT_TEAM, nTackle, 1000);
    Scale_Predicted_Stats(FREE_AGENT_TEAM, nKicker, 1000);
    Scale_Predicted_Stats(FREE_AGENT_TEAM, nTackle, 1000);
    EXPECT_EQ(Predicted(FREE_AGENT_TEAM, nKicker, 18), 44);
    EXPECT_EQ(Predicted(FREE_AGENT_TEAM, nKicker, 8), 0);  // cleared by the 1000 scale
    EXPECT_EQ(Predicted(FREE_AGENT_TEAM, nTackle, 5), 70);
    EXPECT_EQ(Predicted(FREE_AGENT_TEAM, nTackle, 6), 71);
    EXPECT_FALSE(Is_Projected_Stat(POS_P, 5));
    EXPECT_TRUE(Is_Projected_Stat(POS_QB, 5));
}

TEST_F(ProjectionsTest, CompletingLines) {
    struct {
        const char* szWhat;
        int nCareerGames;
        std::initializer_list<std::pair<int, int>> stats;
        std::initializer_list<std::pair<int, int>> expected;
    } kCases[] = {
        // No playing time in a league starting in 2021: halved, half the table, then 75 per mille.
        {"rookie", 0, {{2, 40}}, {{0, 8}, {1, 5}, {2, 26}, {3, 2}, {6, 1}}},
        // Half a season: 680 per mille of the table, brought to a full season, then capped.
        {"part-timer", 50, {{0, 8}, {1, 8}, {2, 40}}, {{0, 17}, {1, 12}, {2, 42}}},
    };
    for (const auto& c : kCases) {
        int nSlot = Add_Rookie(POS_LB, 24);
        Set_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_CAREER, 0, c.nCareerGames);
        for (const auto& stat : c.stats)
            Set_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_PREDICTED, stat.first, stat.second);
        Complete_Player_Predicted_Stats(FREE_AGENT_TEAM, nSlot, 25);
        for (const auto& stat : c.expected)
            EXPECT_EQ(Predicted(FREE_AGENT_TEAM, nSlot, stat.first), stat.second)
                << c.szWhat << ", stat " << stat.first;
    }
}

// A drafted rookie's line grows by 130 less his overall pick in round 1, 100 less 10 a round
// later (kickers and punters two rounds earlier), through the effect table's draft column.
TEST_F(ProjectionsTest, DraftSlotRaisesARookiesLine) {
    struct {
        int nPosition, nRound, nOverallPick, nWeight, nStat, nExpected;
    } kCases[] = {
        {POS_LB, 1, 5, 1000, 2, 19},   // 125 x 150 %: 100 x 0.188 = 18.8
        {POS_LB, 1, 5, 500, 2, 9},     // 63 x 150 %: 100 x 0.095
        {POS_LB, 3, 70, 1000, 2, 10},  // 70 x 150 %: 100 x 0.105, the half stays down
        {POS_P, 2, 40, 1000, 3, 101},  // as round 1: 90 x 50 %: 2250 x 0.045
        {POS_P, 5, 140, 1000, 3, 79},  // as round 3: 70 x 50 %: 2250 x 0.035 = 78.75
        {POS_LB, 0, 0, 1000, 2, 0},    // undrafted
    };
    for (const auto& c : kCases) {
        int nSlot = Add_Rookie(c.nPosition, 22);
        int nPickInRound = c.nRound == 0 ? 0 : (c.nOverallPick - 1) % 32 + 1;
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_DRAFT_PICK,
                              c.nRound * 100000 + nPickInRound * 1000 + c.nOverallPick);
        Adjust_Predicted_Stats_For_Draft_Slot(FREE_AGENT_TEAM, nSlot, c.nWeight);
        EXPECT_EQ(Predicted(FREE_AGENT_TEAM, nSlot, c.nStat), c.nExpected)
            << "position " << c.nPosition << " round " << c.nRound;
    }
}

TEST_F(ProjectionsTest, VeryOldPlayerIsLoggedAndLeftUnfixed) {
    int nSlot = Add_Rookie(POS_QB, 47);
    Set_Player_First_Name(FREE_AGENT_TEAM, nSlot, "Walter");
    Set_Player_Last_Name(FREE_AGENT_TEAM, nSlot, "Grey");
    Set_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_PREDICTED, 0, 20);
    Set_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_PREDICTED, 1, 17);
    Test_Clear_Debug_Output();
    Complete_Player_Predicted_Stats(FREE_AGENT_TEAM, nSlot, 25);
    EXPECT_NE(Test_Get_Debug_Output().find(
                  "Warning: Walter Grey is 47 years old in Complete_Player_Predicted_Stats()"),
              std::string::npos);
    EXPECT_GT(Predicted(FREE_AGENT_TEAM, nSlot, 0), 17);  // the caps were skipped
}

TEST_F(ProjectionsTest, LinemanBlockingFiguresFromPlayingTime) {
    struct {
        int nPosition, nAge, nGames, nStarts, nExpected5, nExpected6;
    } kCases[] = {
        {POS_T, 30, 16, 16, 62, 66},  // young: 16 games count as 24
        {POS_G, 30, 16, 16, 65, 61},
        {POS_C, 36, 16, 16, 63, 61},  // past 32: as played
        {POS_C, 36, 0, 0, 59, 58},
    };
    for (const auto& c : kCases) {
        int nSlot = Add_Rookie(c.nPosition, c.nAge);
        Set_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_PREDICTED, 0, c.nGames);
        Set_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_PREDICTED, 1, c.nStarts);
        Derive_Predicted_Line_Stats(FREE_AGENT_TEAM, nSlot);
        EXPECT_EQ(Predicted(FREE_AGENT_TEAM, nSlot, 5), c.nExpected5) << c.nPosition << c.nAge;
        EXPECT_EQ(Predicted(FREE_AGENT_TEAM, nSlot, 6), c.nExpected6) << c.nPosition << c.nAge;
    }
}

TEST_F(ProjectionsTest, LongestFieldGoalFromTheLongBands) {
    struct {
        int nMade50, nTried50, nMade40, nMade30, nExpected;
    } kCases[] = {
        {2, 4, 0, 0, 51},  // 2 x 2 - 4 / 2 + 48 = 50, at least 51
        {5, 6, 3, 3, 55}, {0, 3, 3, 0, 47}, {0, 0, 0, 2, 37}, {0, 0, 0, 0, 27},
    };
    int nSlot = Add_Rookie(POS_K, 26);
    for (const auto& c : kCases) {
        for (int nSeason : {SEASON_PREDICTED, SEASON_PREVIOUS}) {
            Set_Player_Stat(FREE_AGENT_TEAM, nSlot, nSeason, 17, c.nMade50);
            Set_Player_Stat(FREE_AGENT_TEAM, nSlot, nSeason, 16, c.nTried50);
            Set_Player_Stat(FREE_AGENT_TEAM, nSlot, nSeason, 15, c.nMade40);
            Set_Player_Stat(FREE_AGENT_TEAM, nSlot, nSeason, 13, c.nMade30);
            Derive_Longest_Field_Goal(FREE_AGENT_TEAM, nSlot, nSeason);
        }
        EXPECT_EQ(Predicted(FREE_AGENT_TEAM, nSlot, 18), c.nExpected);
        int nNoisy = Get_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_PREVIOUS, 18);
        EXPECT_LE(abs(nNoisy - c.nExpected), 2) << c.nExpected;
    }
    // The predicted season draws nothing: the ten noisy seasons above drew two numbers each.
    uint32_t uNext = Random_Number();
    Seed_Random(FIXED_RANDOM_SEED);
    for (int n = 0; n < 2 * 5; n++)
        Random_Number();
    EXPECT_EQ(uNext, Random_Number());
}

TEST_F(ProjectionsTest, LongestPunt) {
    struct {
        int nPunts, nYards, nLow, nHigh;
    } kCases[] = {
        {1, 48, 48, 48},  // one punt is his longest
        {0, 0, 0, 0},
        {-3, 100, 0, 0},
        {50, 2250, 56, 78},  // 45 + 23 / 2 + 0..22
    };
    int nSlot = Add_Rookie(POS_P, 26);
    for (const auto& c : kCases) {
        Set_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_PREVIOUS, 2, c.nPunts);
        Set_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_PREVIOUS, 3, c.nYards);
        Derive_Longest_Punt(FREE_AGENT_TEAM, nSlot, SEASON_PREVIOUS);
        int nLongest = Get_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_PREVIOUS, 5);
        EXPECT_GE(nLongest, c.nLow) << c.nPunts;
        EXPECT_LE(nLongest, c.nHigh) << c.nPunts;
    }
}

TEST_F(ProjectionsTest, RandomPunterSeasonsStayInTheirRanges) {
    Generate_Punter_Season();
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++) {
        int nSlot = FIXTURE_ROSTER_SIZE - 1;
        ASSERT_EQ(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION), POS_P);
        auto S = [&](int nStat) { return Get_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, nStat); };
        EXPECT_GE(S(2), 40);
        EXPECT_LE(S(2), 60);
        EXPECT_GE(S(3), S(2) * 40);
        EXPECT_LE(S(3), S(2) * 448 / 10);
        EXPECT_GE(S(5), 55);
        EXPECT_LE(S(5), 65);
        EXPECT_GE(S(6), 4);
        EXPECT_LE(S(6), 8);
        EXPECT_EQ(S(0), Min_Int(17, S(0)));
        EXPECT_GE(S(0), Min_Int(17, S(2) / 3));
    }
}

TEST_F(ProjectionsTest, RecordBookOrder) {
    RECORD_BOOK_ROW aRows[5];
    memset(aRows, 0, sizeof aRows);
    struct {
        int nValue, nYear, nWeek;
        const char* szLast;
        const char* szFirst;
    } kRows[] = {
        {300, 2020, 1, "adams", "Zed"}, {500, 2019, 0, "Young", "Al"},
        {300, 2021, 0, "Young", "Al"},  {300, 2020, 1, "Adams", "bob"},
        {300, 2020, 4, "Moss", "Cy"},
    };
    for (int n = 0; n < 5; n++) {
        aRows[n].nValue = kRows[n].nValue;
        aRows[n].nYear = (int16_t)kRows[n].nYear;
        aRows[n].nWeek = (int8_t)kRows[n].nWeek;
        snprintf(aRows[n].szLastName, sizeof aRows[n].szLastName, "%s", kRows[n].szLast);
        snprintf(aRows[n].szFirstName, sizeof aRows[n].szFirstName, "%s", kRows[n].szFirst);
    }
    qsort(aRows, 5, sizeof aRows[0], Compare_Record_Book_Entries);
    const char* kOrder[5] = {"Al", "Al", "Cy", "bob", "Zed"};
    const int kYears[5] = {2019, 2021, 2020, 2020, 2020};
    for (int n = 0; n < 5; n++) {
        EXPECT_STREQ(aRows[n].szFirstName, kOrder[n]) << n;
        EXPECT_EQ(aRows[n].nYear, kYears[n]) << n;
    }
}
