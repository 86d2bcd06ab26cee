// Player statistics: the stored kinds and career lines, the setter's checks, the derived ids,
// the passer rating, the cache of predicted values and the built-in tables.
#include <initializer_list>

#include "database_test_fixture.h"

class PlayerStatsTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Add_Team(0, "Boston", "Bulldogs");
        gUniverseStats[UNIVERSE_FIRST_YEAR] = 2019;
        Disable_Derived_Stat_Cache();
    }

    // Stats 0..n-1 of one kind from a list.
    static void Set_Stats(int nSlot, int nSeason, std::initializer_list<int> values) {
        int nStat = 0;
        for (int nValue : values)
            Set_Player_Stat(0, nSlot, nSeason, nStat++, nValue);
    }

    // A stamped career line of the year linked as the player's link n.
    static int Link_Line(int nSlot, int n, int nLine, int nYear) {
        gSeasonLines[nLine].nYear = nYear;
        Set_Player_Season_Link(0, nSlot, n, nLine);
        return nLine;
    }
};

TEST_F(PlayerStatsTest, StoredKindsAndLinkedLinesReadBackWhatWasWritten) {
    Add_Player(0, 0, 7, POS_RB);
    for (int nSeason = SEASON_CURRENT; nSeason <= SEASON_PREDICTED; nSeason++)
        Set_Player_Stat(0, 0, nSeason, 8, 100 + nSeason);
    for (int nSeason = SEASON_CURRENT; nSeason <= SEASON_PREDICTED; nSeason++)
        EXPECT_EQ(Get_Player_Stat(0, 0, nSeason, 8), 100 + nSeason);

    int nLine = Link_Line(0, 0, 12, 2018);
    Set_Player_Stat(0, 0, SEASON_FIRST_LINE, 8, 640);
    Add_Player_Stat(0, 0, SEASON_FIRST_LINE, 8, 5);
    Add_Player_Stat(0, 0, SEASON_CURRENT, 8, 5);
    EXPECT_EQ(gSeasonLines[nLine].anStats[8], 645);
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_FIRST_LINE, 8), 645);
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CURRENT, 8), 105);

    // Without a link nothing is read or written.
    Set_Player_Stat(0, 0, SEASON_FIRST_LINE + 1, 8, 99);
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_FIRST_LINE + 1, 8), 0);
    EXPECT_EQ(Get_Player_Stat(0, 1, SEASON_CURRENT, 8), 0);  // an empty slot
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_KIND_COUNT, 8), 0);
    EXPECT_TRUE(Has_Any_Season_Stat(0, 0, SEASON_FIRST_LINE));
    EXPECT_FALSE(Has_Any_Season_Stat(0, 0, SEASON_FIRST_LINE + 1));
}

TEST_F(PlayerStatsTest, TheSetterReportsBadIndexesAndWritesNothing) {
    Add_Player(0, 0, 7, POS_RB);
    struct CASE {
        int nTeam, nSlot, nStat;
        const char* szExpected;
    };
    const CASE kCases[] = {
        {0, 100, 3,
         "Invalid nSlot in Set_Player_Stat(nTeam = 0, nSlot = 100, nSeason = 1, "
         "nStat = 3, nValue = 9)"},
        {0, -1, 3,
         "Invalid nSlot in Set_Player_Stat(nTeam = 0, nSlot = -1, nSeason = 1, "
         "nStat = 3, nValue = 9)"},
        {41, 0, 3,
         "Invalid nTeam in Set_Player_Stat(nTeam = 41, nSlot = 0, nSeason = 1, "
         "nStat = 3, nValue = 9)"},
        {0, 0, 20,
         "Invalid nStat in Set_Player_Stat(nTeam = 0, nSlot = 0, nSeason = 1, "
         "nStat = 20, nValue = 9)"},
    };
    SAVED_STATE* pBefore = new SAVED_STATE(gSavedState);
    for (const CASE& c : kCases) {
        Clear_Errors();
        Set_Player_Stat(c.nTeam, c.nSlot, SEASON_PREVIOUS, c.nStat, 9);
        EXPECT_EQ(Last_Error(), c.szExpected);
    }
    Set_Player_Stat(0, 0, -1, 3, 9);
    Set_Player_Stat(0, 0, SEASON_KIND_COUNT, 3, 9);
    EXPECT_EQ(memcmp(pBefore, &gSavedState, sizeof(SAVED_STATE)), 0);
    delete pBefore;
}

TEST_F(PlayerStatsTest, ClearingHistoryKeepsThePrediction) {
    Add_Player(0, 0, 7, POS_WR);
    for (int nSeason = SEASON_CURRENT; nSeason <= SEASON_PREDICTED; nSeason++)
        Set_Player_Stat(0, 0, nSeason, 10, 50);
    int nLine = Link_Line(0, 0, 3, 2018);
    gSeasonLines[nLine].anStats[10] = 44;
    Clear_Player_Stat_History(0, 0);
    EXPECT_FALSE(Has_Any_Season_Stat(0, 0, SEASON_CURRENT));
    EXPECT_FALSE(Has_Any_Season_Stat(0, 0, SEASON_PREVIOUS));
    EXPECT_FALSE(Has_Any_Season_Stat(0, 0, SEASON_CAREER));
    EXPECT_EQ(Get_Predicted_Stat(0, 0, 10), 50);
    EXPECT_EQ(gSeasonLines[nLine].nYear, 0);
}

TEST_F(PlayerStatsTest, KickingLongestsAreTheLongestOfTheCareer) {
    Add_Player(0, 0, 7, POS_K);
    gSeasonLines[Link_Line(0, 0, 20, 2017)].anStats[18] = 52;
    gSeasonLines[Link_Line(0, 1, 21, 2018)].anStats[18] = 48;
    Set_Player_Stat(0, 0, SEASON_PREVIOUS, 18, 45);
    Set_Player_Stat(0, 0, SEASON_CAREER, 18, -4);
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CAREER, 18), 52);
    EXPECT_EQ(gTeams[0].aPlayers[0].aanSeasonStats[SEASON_CAREER][18], 52);

    Set_Player_Stat(0, 0, SEASON_PREDICTED, 18, 70);
    EXPECT_EQ(Get_Predicted_Stat(0, 0, 18), 67);
}

TEST_F(PlayerStatsTest, PasserRatingLimits) {
    EXPECT_EQ(Compute_Passer_Rating(0, 0, 0, 0, 0), 395);  // the interception part alone
    EXPECT_EQ(Compute_Passer_Rating(100, 100, 2000, 20, 0), 1583);
    EXPECT_EQ(Compute_Passer_Rating(400, 260, 3000, 20, 10), 937);
    EXPECT_EQ(Compute_Passer_Rating(10, 0, -50, 0, 10), 0);
    // Counts far beyond the attempts, as a damaged file may hold them, still rate at the top.
    EXPECT_EQ(Compute_Passer_Rating(1, 100000000, 100000000, 100000000, 0), 1583);
}

TEST_F(PlayerStatsTest, AQuarterbackWithoutAttemptsRatesOnInterceptionsAlone) {
    Add_Player(0, 0, 7, POS_QB);
    for (int nStat = 101; nStat <= 107; nStat++)
        EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CURRENT, nStat), 0) << "id " << nStat;
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CURRENT, 100), 395);
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CURRENT, 108), 2375);

    Set_Stats(0, SEASON_CURRENT, {16, 16, 400, 260, 10, 3000, 20});
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CURRENT, 100), 937);
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CURRENT, 101), 650);
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CURRENT, 110), 1875);
}

TEST_F(PlayerStatsTest, DerivedStatsOfEachSide) {
    Add_Player(0, 0, 7, POS_RB);
    Add_Player(0, 1, 8, POS_K);
    Add_Player(0, 2, 9, POS_LB);
    // Rushes 200 for 900 yards and 8 scores; 40 catches for 330 and 2; 10 kick returns for 250.
    Set_Stats(0, SEASON_CURRENT, {16, 10, 1, 1, 0, 30, 120, 200, 900, 8, 40, 330, 2, 1, 10, 250});
    // 40 of 41 extra points; field goals 10/10, 8/9, 6/8 and 2/5.
    Set_Stats(1, SEASON_CURRENT, {16, 0, 0, 0, 0, 0, 0, 0, 41, 40, 10, 10, 9, 8, 8, 6, 5, 2, 54});
    // 60 solo tackles, 25 assists, 7 sacks.
    Set_Stats(2, SEASON_CURRENT, {16, 16, 60, 25, 7});
    struct CASE {
        int nSlot, nStat, nExpected;
    };
    const CASE kCases[] = {
        {0, 112, 450},  {0, 113, 83},   {0, 114, 30},  {0, 111, 240}, {0, 118, 250}, {0, 130, 1230},
        {0, 131, 1480}, {0, 137, 1510}, {0, 139, 60},  {0, 106, 0},   {0, 121, 0},   {0, 119, 0},
        {1, 121, 26},   {1, 122, 32},   {1, 123, 813}, {1, 120, 976}, {1, 127, 400}, {1, 128, 947},
        {1, 129, 615},  {1, 139, 118},  {1, 138, 0},   {1, 130, 0},   {2, 147, 85},  {2, 146, 53},
        {2, 143, 35},   {2, 160, 725},  {2, 145, 11},  {1, 136, 32},
    };
    for (const CASE& c : kCases)
        EXPECT_EQ(Get_Player_Stat(0, c.nSlot, SEASON_CURRENT, c.nStat), c.nExpected)
            << "slot " << c.nSlot << ", id " << c.nStat;
}

TEST_F(PlayerStatsTest, UndefinedIdsReportAndReadZero) {
    Add_Player(0, 0, 7, POS_QB);
    for (int nStat : {20, 116, 133, 154, 162, 174, 240, 1000}) {
        Clear_Errors();
        EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_PREVIOUS, nStat), 0);
        EXPECT_EQ(Last_Error(), "Unrecognized SEASON_STAT in Get_Player_Stat(0,0,1," +
                                    std::to_string(nStat) + ")");
    }
}

// Grades, summaries and card-game values are served at both ends of their id ranges; the ids
// just outside them are unknown.
TEST_F(PlayerStatsTest, GradeAndCardIdRangesEndWhereTheyShould) {
    Add_Player(0, 0, 7, POS_QB);
    const struct {
        int nStat;
        bool bKnown;
    } kCases[] = {
        {200, true},  {233, true},  {234, false}, {298, false}, {299, true},
        {305, true},  {306, false}, {399, false}, {400, true},  {412, true},
        {413, false}, {419, false}, {420, true},  {430, true},  {431, false},
    };
    for (const auto& c : kCases) {
        Clear_Errors();
        Get_Player_Stat(0, 0, SEASON_PREDICTED, c.nStat);
        EXPECT_EQ(Last_Error(), c.bKnown ? ""
                                         : "Unrecognized SEASON_STAT in Get_Player_Stat(0,0,3," +
                                               std::to_string(c.nStat) + ")")
            << "id " << c.nStat;
    }
}

TEST_F(PlayerStatsTest, RelativeRatesCompareWithTheSeasonsLeagueAverages) {
    Add_Player(0, 0, 7, POS_QB);
    Set_Stats(0, SEASON_CURRENT, {16, 16, 500, 326, 22, 3600, 24});
    // The 2019 averages: completions 643, touchdowns 46, interceptions 22 per mille and 11.25
    // yards a completion; his are 652, 48, 44 and 11.04.
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CURRENT, 172), Mul_Div(652, 1000, 643));
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CURRENT, 171), Mul_Div(48, 1000, 46));
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CURRENT, 173), 2000 - Mul_Div(44, 1000, 22));
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CURRENT, 170), Mul_Div(1104, 3000, 1125) - 2000);
}

TEST_F(PlayerStatsTest, PredictedDerivedValuesAreCachedUntilCleared) {
    Add_Player(0, 0, 7, POS_RB);
    Set_Stats(0, SEASON_PREDICTED, {16, 16, 50, 30, 0, 0, 0, 200, 800});
    Enable_Derived_Stat_Cache();
    EXPECT_EQ(Get_Predicted_Stat(0, 0, 112), 400);
    EXPECT_EQ(Get_Predicted_Stat(0, 0, 147), 80);
    Set_Player_Stat(0, 0, SEASON_PREDICTED, 8, 1000);
    Set_Player_Stat(0, 0, SEASON_PREDICTED, 2, 60);
    EXPECT_EQ(Get_Predicted_Stat(0, 0, 112), 400);
    EXPECT_EQ(Get_Predicted_Stat(0, 0, 147), 90);  // looked up, never stored
    Set_Player_Stat(0, 0, SEASON_CURRENT, 7, 10);
    Set_Player_Stat(0, 0, SEASON_CURRENT, 8, 30);
    EXPECT_EQ(Get_Player_Stat(0, 0, SEASON_CURRENT, 112), 300);  // other kinds are not cached

    Disable_Derived_Stat_Cache();
    EXPECT_EQ(Get_Predicted_Stat(0, 0, 112), 500);
    Enable_Derived_Stat_Cache();
    EXPECT_EQ(Get_Predicted_Stat(0, 0, 112), 500);
    EXPECT_TRUE(Is_Derived_Stat_Cache_Enabled());
}

TEST_F(PlayerStatsTest, RankCountsPlayersWithHigherValues) {
    Add_Player(0, 0, 7, POS_WR);
    Add_Player(0, 1, 8, POS_WR);
    Add_Player(0, 2, 9, POS_WR);
    Add_Player(1, 0, 10, POS_WR);  // team 1 is not in use
    Set_Player_Stat(0, 0, SEASON_CURRENT, 10, 10);
    Set_Player_Stat(0, 1, SEASON_CURRENT, 10, 20);
    Set_Player_Stat(0, 2, SEASON_CURRENT, 10, 20);
    Set_Player_Stat(1, 0, SEASON_CURRENT, 10, 90);
    EXPECT_EQ(Rank_Player_Stat(0, 0, SEASON_CURRENT, 10), 3);
    EXPECT_EQ(Rank_Player_Stat(0, 2, SEASON_CURRENT, 10), 1);
}

TEST_F(PlayerStatsTest, SmallScoreHelpers) {
    EXPECT_EQ(Clamp_Tenths_To_99(1234), 99);
    EXPECT_EQ(Clamp_Tenths_To_99(-40), 0);
    EXPECT_EQ(Clamp_Tenths_To_99(559), 55);
    // b = 400 gives a root of 100: the score is a, at most 100.
    EXPECT_EQ(Blend_Root_Score(60, 400), 60);
    EXPECT_EQ(Blend_Root_Score(150, 400), 100);
    EXPECT_EQ(Blend_Root_Score(60, 0), 30);  // a / 2 against 50
}

TEST_F(PlayerStatsTest, GamesScaleFromLastSeasonUntilTheSeasonIsUnderWay) {
    Add_Player(0, 0, 7, POS_WR);
    Set_Player_Stat(0, 0, SEASON_PREVIOUS, 0, 17);
    Set_Player_Stat(0, 0, SEASON_CURRENT, 0, 8);
    gPostseasonWeeks[0] = 17;
    gCurrentWeek = 2;  // 118 per mille
    EXPECT_EQ(Scale_Games_To_17(0, 0), 1000);
    gCurrentWeek = 8;
    EXPECT_EQ(Scale_Games_To_17(0, 0), 471);
}

TEST_F(PlayerStatsTest, AverageStatTableShapeAndSpotValues) {
    EXPECT_EQ(Get_Average_Stat(POS_QB, 5), 2400);
    EXPECT_EQ(Get_Average_Stat(POS_P, 3), 2000);
    EXPECT_EQ(Get_Average_Stat(POS_K, 18), 53);
    EXPECT_EQ(Get_Average_Stat(ROLE_NB, 15), 90);
    EXPECT_EQ(Get_Average_Stat(ROLE_FS, 7), 2);
    EXPECT_EQ(Get_Average_Stat(ROLE_RT, 6), Get_Average_Stat(POS_T, 6));
    EXPECT_EQ(Get_Average_Stat(ROLE_ROLB, 4), 6);
    EXPECT_EQ(Last_Error(), "");
    EXPECT_EQ(Get_Average_Stat(43, 0), 0);
    EXPECT_EQ(Last_Error(), "Invalid nPosition passed to Get_Average_Stat([43],0)");
    EXPECT_EQ(Get_Average_Stat(0, 20), 0);
    EXPECT_EQ(Last_Error(), "Invalid nStat passed to Get_Average_Stat(0,[20])");
}

TEST_F(PlayerStatsTest, HistoricalAndEraTables) {
    struct CASE {
        int nStat, nYear, nExpected;
    };
    const CASE kCases[] = {
        {101, 1949, 466}, {101, 1950, 466},  {101, 2019, 643}, {101, 2030, 652},
        {113, 1950, 146}, {109, 1951, 1450}, {123, 2019, 831}, {115, 1980, 408},
    };
    for (const CASE& c : kCases)
        EXPECT_EQ(Get_Historical_Average_Stat(c.nStat, c.nYear), c.nExpected)
            << "id " << c.nStat << " in " << c.nYear;
    EXPECT_TRUE(Test_Get_Transcript().empty());

    EXPECT_EQ(Get_Historical_Average_Stat(110, 2000), 0);
    ASSERT_EQ(Test_Get_Transcript().size(), 1u);
    EXPECT_EQ(Test_Get_Transcript()[0].stCaption, "Code Error");
    EXPECT_EQ(Test_Get_Transcript()[0].stText,
              "Unhandled nStat in int Get_Historical_Average_Stat()");

    EXPECT_EQ(Get_Smoothed_Era_Value(1950), 1105);
    EXPECT_EQ(Get_Smoothed_Era_Value(1980), 1493);
    EXPECT_EQ(Get_Smoothed_Era_Value(2040), 2081);
}

// Completion % asks for 224 attempts over 17 games: (224 x games + 8) / 17, this season scaled by
// the share of it played. A longer season counts as 17 games and its setting stays as it is.
TEST_F(PlayerStatsTest, LeaderMinimumHoldsAtItsThresholdForSeasonLengthAndProgress) {
    Add_Player(0, 0, 7, POS_QB);
    gPostseasonWeeks[0] = 18;
    struct CASE {
        int nGames;
        int nSeason;
        int nWeek;
        int nThreshold;
    } const aCases[] = {
        {17, SEASON_PREVIOUS, 0, 224},
        {16, SEASON_PREVIOUS, 0, 211},
        {20, SEASON_PREVIOUS, 0, 224},
        {17, SEASON_CURRENT, 9, 112},  // half the season: 224 x 500 / 1000
        {16, SEASON_CAREER, 9, 211},
    };
    const int kCompletionPercent = 3, kPassAttempts = 2;
    for (const CASE& c : aCases) {
        gUniverseStats[UNIVERSE_SEASON_GAMES] = c.nGames;
        gCurrentWeek = c.nWeek;
        Set_Player_Stat(0, 0, c.nSeason, kPassAttempts, c.nThreshold - 1);
        EXPECT_FALSE(Is_Leader_Qualified(0, 0, c.nSeason, kCompletionPercent)) << c.nGames;
        Set_Player_Stat(0, 0, c.nSeason, kPassAttempts, c.nThreshold);
        EXPECT_TRUE(Is_Leader_Qualified(0, 0, c.nSeason, kCompletionPercent)) << c.nGames;
        EXPECT_EQ(gUniverseStats[UNIVERSE_SEASON_GAMES], c.nGames);
    }
    // A count without a minimum always qualifies.
    Set_Player_Stat(0, 0, SEASON_PREVIOUS, kPassAttempts, 0);
    EXPECT_TRUE(Is_Leader_Qualified(0, 0, SEASON_PREVIOUS, 0));
}
