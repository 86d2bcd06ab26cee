// The fixed schedules by league size: every team gets its games, the rows agree, homes balance.
#include "season_test_fixture.h"

struct FORMULA_CASE {
    void (*pfnSource)(void);
    const char* szName;
    int nTeams;
    int nGames;
    int nWeeks;
    int nYear;
    int nMinHome;
    int nMaxHome;
};

TEST_F(SeasonTest, EachFixedSourceGivesEveryTeamItsGames) {
    static const FORMULA_CASE kCases[] = {
        {Generate_12_Team_Schedule, "12", 12, 12, 12, 1959, 5, 7},
        {Generate_12_Team_Schedule, "12", 12, 12, 12, 1962, 5, 7},
        {Generate_26_Team_Schedule, "26", 26, 14, 14, 1972, 7, 7},
        {Generate_26_Team_Schedule, "26", 26, 14, 14, 1973, 7, 7},
        {Generate_28_Team_14_Game_Schedule, "28/14", 28, 14, 14, 1976, 7, 7},
        {Generate_28_Team_14_Game_Schedule, "28/14", 28, 14, 14, 1977, 7, 7},
        {Generate_28_Team_14_Game_Schedule, "28/14", 28, 14, 14, 1985, 7, 7},
        {Generate_28_Team_Schedule, "28/16", 28, 16, 16, 1986, 8, 8},
        {Generate_28_Team_Schedule, "28/16", 28, 16, 16, 1987, 8, 8},
        {Generate_28_Team_Bye_Schedule, "28 bye", 28, 16, 17, 1990, 8, 8},
        {Generate_28_Team_Bye_Schedule, "28 bye", 28, 16, 17, 1995, 8, 8},
        {Generate_30_Team_Schedule, "30", 30, 16, 17, 1998, 8, 8},
        {Generate_30_Team_Schedule, "30", 30, 16, 17, 1999, 8, 8},
        {Generate_Schedule, "31", 31, 16, 17, 2001, 8, 8},
        {Generate_Schedule, "31", 31, 16, 17, 2002, 8, 8},
        {Fill_Schedule, "32/16", 32, 16, 17, 1995, 8, 8},
        {Fill_Schedule, "32/16", 32, 16, 17, 2005, 8, 8},
        {Fill_Schedule, "32/16", 32, 16, 17, 2030, 8, 8},
        {Fill_17_Game_Schedule, "32/17", 32, 17, 18, 2021, 8, 9},
        {Fill_17_Game_Schedule, "32/17", 32, 17, 18, 2022, 8, 9},
        {Fill_17_Game_Schedule, "32/17", 32, 17, 18, 2024, 8, 9},
    };
    for (const FORMULA_CASE& c : kCases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << c.szName << " in " << c.nYear);
        Set_League(c.nYear, c.nGames);
        Keep_Teams(c.nTeams);
        c.pfnSource();
        int anGames[FIXTURE_TEAM_COUNT];
        Expect_Rows_Agree(c.nTeams, c.nWeeks, anGames);
        for (int nTeam = 0; nTeam < c.nTeams; nTeam++) {
            EXPECT_EQ(anGames[nTeam], c.nGames) << "team " << nTeam;
            int nHome = Count_Team_Home_Games(nTeam);
            EXPECT_TRUE(nHome >= c.nMinHome && nHome <= c.nMaxHome) << "team " << nTeam;
        }
        EXPECT_EQ(Find_First_Postseason_Week(), c.nWeeks);
        EXPECT_EQ(Last_Error(), "");
    }
}

// A division rival is met twice in the 32-team seasons, whatever the standings order.
TEST_F(SeasonTest, ThirtyTwoTeamSeasonsMeetDivisionRivalsTwice) {
    for (int nYear : {2010, 2021, 2023}) {
        SetUp();
        Set_League(nYear, nYear == 2010 ? 16 : 17);
        (nYear == 2010 ? Fill_Schedule : Fill_17_Game_Schedule)();
        for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++) {
            for (int nOther = 0; nOther < FIXTURE_TEAM_COUNT; nOther++) {
                if (nOther != nTeam && Are_Teams_In_Same_Division(nTeam, nOther)) {
                    EXPECT_EQ(Count_Team_Games_Against(nTeam, nOther), 2)
                        << nYear << ": " << nTeam << " v " << nOther;
                }
            }
        }
    }
}

TEST_F(SeasonTest, TheFixedOrdersYearRepeatsWhateverTheSeed) {
    int aanFirst[FIXTURE_TEAM_COUNT][SCHEDULE_WEEKS];
    for (int nRun = 0; nRun < 2; nRun++) {
        SetUp();
        Seed_Random(100 + nRun);
        Set_League(2001, 16);
        Keep_Teams(31);
        Generate_Schedule();
        for (int nTeam = 0; nTeam < 31; nTeam++) {
            for (int nWeek = 0; nWeek < SCHEDULE_WEEKS; nWeek++) {
                if (nRun == 0)
                    aanFirst[nTeam][nWeek] = Row(nTeam, nWeek, SCHEDULE_OPPONENT);
                else
                    ASSERT_EQ(Row(nTeam, nWeek, SCHEDULE_OPPONENT), aanFirst[nTeam][nWeek]);
            }
        }
    }
}

TEST(FormulaSchedules, SeventeenGameSlotsTurnWithTheYears) {
    struct {
        int nYear, nSlot, nRotated;
    } kCases[] = {
        {2021, 8, 8},   {2022, 4, 8},   {2022, 8, 12},  {2022, 12, 4},  {2022, 16, 20},
        {2022, 20, 24}, {2022, 24, 28}, {2022, 28, 16}, {2023, 4, 12},  {2023, 8, 4},
        {2023, 12, 8},  {2023, 16, 20}, {2023, 20, 28}, {2023, 24, 16}, {2023, 28, 24},
        {2024, 5, 5},   {2024, 17, 29}, {2025, 17, 17}, {2025, 6, 10},  {2030, 3, 3},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Rotate_Template_Slot(c.nSlot, c.nYear), c.nRotated) << c.nYear << " " << c.nSlot;
    EXPECT_EQ(Get_2001_NFL_Schedule_Opponent(17, 0, 0), NO_TEMPLATE_ENTRY);
    EXPECT_EQ(Get_2001_NFL_Schedule_Opponent(0, 15, 0), NO_TEMPLATE_ENTRY);
    EXPECT_EQ(Get_2001_NFL_Schedule_Opponent(0, 0, 2), NO_TEMPLATE_ENTRY);
}
