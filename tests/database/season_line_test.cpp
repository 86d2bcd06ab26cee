// Career season lines: line fields, a player's links, the current-season cache and the purge.
#include <vector>

#include "player_test_fixture.h"

class SeasonLineTest : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        Put_Player(0, 0, 11);
    }

    // A linked line of the year with its games stat.
    static int Add_Line(int nTeam, int nSlot, int nYear, int nGames, int nLineTeam = 0) {
        int nLine = Add_Player_Season_Line(nTeam, nSlot, nYear, nLineTeam);
        Set_Season_Line_Stat(nLine, 0, nGames);
        return nLine;
    }

    static std::vector<int> Link_Years(int nTeam, int nSlot) {
        std::vector<int> years;
        for (int n = 0; n < SEASON_LINK_COUNT; n++)
            years.push_back(Get_Season_Line_Year(Get_Player_Season_Line(nTeam, nSlot, n)));
        return years;
    }
};

TEST_F(SeasonLineTest, StatReadsAndTheirReports) {
    int nLine = Add_Line(0, 0, kYear, 16);
    for (int nStat = 10; nStat <= 17; nStat++)
        Set_Season_Line_Stat(nLine, nStat, nStat);
    struct {
        int nLine, iStat, nExpected;
        const char* szError;
    } cases[] = {
        {nLine, 0, 16, ""},
        {-1, 5, 0, ""},
        {nLine, SEASON_LINE_FIELD_GOALS_MADE, 11 + 13 + 15 + 17, ""},
        {nLine, SEASON_LINE_FIELD_GOALS_TRIED, 10 + 12 + 14 + 16, ""},
        {40000, 5, 0, "'nLine' out of bounds in Get_Season_Line_Stat([nLine = 40000], iStat = 5)"},
        {nLine, 20, 0, "Unhandled 'iStat' in Get_Season_Line_Stat(nLine = 0, [iStat = 20])"},
    };
    for (const auto& c : cases) {
        Clear_Errors();
        EXPECT_EQ(Get_Season_Line_Stat(c.nLine, c.iStat), c.nExpected) << c.iStat;
        EXPECT_EQ(Last_Error(), c.szError);
    }
    Set_Season_Line_Stat(nLine, 20, 5);
    Add_Season_Line_Stat(0, 40000, 5);
    Add_Season_Line_Stat(0, nLine, 5);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 0), 21);
}

TEST_F(SeasonLineTest, CurrentLineIsCachedAndFreeAgentsHaveNone) {
    int nLine = Get_Current_Season_Line(0, 0);
    ASSERT_NE(nLine, -1);
    EXPECT_EQ(Get_Season_Line_Year(nLine), kYear);
    EXPECT_EQ(Get_Season_Line_Team(nLine), 0);
    EXPECT_EQ(Get_Player_Season_Line_Cache(0, 0), nLine);
    Add_Current_Season_Line_Stat(0, 0, 3, 40);
    Add_Current_Season_Line_Stat(0, 0, 3, 2);
    EXPECT_EQ(Get_Current_Season_Line_Stat(0, 0, 3), 42);
    EXPECT_EQ(Get_Current_Season_Line(0, 0), nLine);
    EXPECT_EQ(Count_Player_Season_Links(0, 0), 1);

    // A stale cache of another team is not trusted.
    Swap_Players(0, 0, 1, 0);
    int nNewLine = Get_Current_Season_Line(1, 0);
    EXPECT_NE(nNewLine, nLine);
    EXPECT_EQ(Get_Season_Line_Team(nNewLine), 1);
    EXPECT_EQ(Count_Player_Season_Links(1, 0), 2);

    Put_Player(FREE_AGENT_TEAM, 0, 90);
    Add_Current_Season_Line_Stat(FREE_AGENT_TEAM, 0, 3, 7);
    Set_Current_Season_Line_Stat(FREE_AGENT_TEAM, 0, 3, 7);
    EXPECT_EQ(Get_Current_Season_Line(FREE_AGENT_TEAM, 0), -1);
    EXPECT_EQ(Add_Current_Season_Line(FREE_AGENT_TEAM, 0, 1), -1);
    EXPECT_EQ(Count_Player_Season_Links(FREE_AGENT_TEAM, 0), 0);
    EXPECT_EQ(Find_Free_Season_Line(), nNewLine + 1);
}

TEST_F(SeasonLineTest, AFullLinkListGetsAnUnlinkedLineThatThePurgeFrees) {
    for (int n = 0; n < SEASON_LINK_COUNT; n++)
        Add_Line(0, 0, 1990 + n, 10);
    int nLine = Add_Player_Season_Line(0, 0, kYear, 0);
    ASSERT_NE(nLine, -1);
    EXPECT_EQ(Get_Season_Line_Year(nLine), kYear);
    EXPECT_FALSE(Is_Season_Line_Linked(nLine));
    EXPECT_TRUE(Is_Season_Line_Linked(0));
    Purge_Unreferenced_Season_Lines();
    EXPECT_EQ(Get_Season_Line_Year(nLine), 0);
    EXPECT_EQ(Get_Season_Line_Year(Get_Player_Season_Line(0, 0, 29)), 2019);
    EXPECT_NE(Test_Get_Debug_Output().find("Erased 1 non-empty season lines."), std::string::npos);
}

TEST_F(SeasonLineTest, PurgeDropsLinksToFreeLinesAndIsQuietAboutZeroLines) {
    int nKept = Add_Line(0, 0, 2019, 10);
    int nFreed = Add_Line(0, 0, 2020, 10);
    Set_Season_Line_Year(nFreed, 0);  // linked but free: its link goes, its stats too
    Test_Clear_Debug_Output();
    Purge_Unreferenced_Season_Lines();
    EXPECT_EQ(Count_Player_Season_Links(0, 0), 1);
    EXPECT_EQ(Get_Player_Season_Line(0, 0, 0), nKept);
    EXPECT_TRUE(Is_Season_Line_Blank(nFreed));
    EXPECT_EQ(Test_Get_Debug_Output().find("Erased"), std::string::npos);
}

TEST_F(SeasonLineTest, RemovingALinkPacksTheRestAndRecomputesTheCache) {
    for (int nYear : {2016, 2018, 2015, 2020, 2017})
        Add_Line(0, 0, nYear, 5);
    Remove_Player_Season_Link(0, 0, 3);
    std::vector<int> years = Link_Years(0, 0);
    EXPECT_EQ(std::vector<int>(years.begin(), years.begin() + 5),
              (std::vector<int>{2016, 2018, 2015, 2017, 0}));
    EXPECT_EQ(Count_Player_Season_Links(0, 0), 4);
    EXPECT_EQ(Get_Season_Line_Year(Get_Player_Season_Line_Cache(0, 0)), 2018);

    Sort_Player_Season_Links(0, 0);
    years = Link_Years(0, 0);
    EXPECT_EQ(std::vector<int>(years.begin(), years.begin() + 5),
              (std::vector<int>{2015, 2016, 2017, 2018, 0}));
    EXPECT_TRUE(Has_Season_Line_Year(0, 0, 2017));
    EXPECT_FALSE(Has_Season_Line_Year(0, 0, 2020));

    EXPECT_TRUE(Erase_Player_Season_Line(0, 0, 0));
    EXPECT_FALSE(Erase_Player_Season_Line(0, 0, 3));
    Erase_Player_Season_Lines(0, 0);
    EXPECT_EQ(Count_Player_Season_Links(0, 0), 0);
    EXPECT_EQ(Find_Free_Season_Line(), 0);
}

TEST_F(SeasonLineTest, SeasonsCountDistinctLeagueYearsWithStatistics) {
    Add_Line(0, 0, 2018, 16);
    Add_Line(0, 0, 2019, 6, 1);  // traded during 2019: one season
    Add_Line(0, 0, 2019, 10, 0);
    Add_Line(0, 0, 2020, 0);  // blank
    int nOther = Add_Line(0, 0, 2021, 3);
    Set_Season_Line_Flag(nOther, -1);  // not a league season
    Add_Line(0, 0, 2075, 12);          // far future years count too
    EXPECT_EQ(Count_NFL_Seasons(0, 0), 3);
    EXPECT_EQ(Last_Error(), "");
    EXPECT_EQ(Get_Player_Main_Team_In_Year(0, 0, 2019), 0);
    EXPECT_EQ(Get_Player_Main_Team_In_Year(0, 0, 2020), NO_TEAM);
}

// The empty slots of a cleared block hold zero links, which must not mean line 0.
TEST_F(SeasonLineTest, EmptySlotsLinkNoLines) {
    Put_Player(FREE_AGENT_TEAM, 0, 91);
    int nOwned = Add_Line(FREE_AGENT_TEAM, 0, 2020, 8);
    ASSERT_EQ(nOwned, 0);
    EXPECT_EQ(Get_Player_Season_Line(5, 0, 0), -1);
    EXPECT_TRUE(Is_Season_Line_Linked(0));
    Clear_Player(FREE_AGENT_TEAM, 0);
    EXPECT_FALSE(Is_Season_Line_Linked(0));
    Put_Player(FREE_AGENT_TEAM, 0, 91);
    Set_Player_Season_Link(FREE_AGENT_TEAM, 0, 0, nOwned);
    Delete_All_League_Players();
    EXPECT_EQ(Get_Season_Line_Year(nOwned), 2020);
}
