// Career histories: how many seasons each experience gets and how they are stored, an empty
// season, repeatability, and that the work line and the ratings are left as they were.
#include <vector>

#include "new_player_test_support.h"

#define HISTORY_TEAM 3
#define HISTORY_SLOT 60

class CareerHistoryTest : public NewPlayerTest {
protected:
    void SetUp() override {
        NewPlayerTest::SetUp();
        Make_Player(HISTORY_TEAM, HISTORY_SLOT, POS_RB, 22, 75.0f);
    }

    static std::vector<int> Line_Years(int nTeam, int nSlot) {
        std::vector<int> years;
        for (int n = 0; n < SEASON_LINK_COUNT; n++) {
            int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
            if (nLine != NO_SEASON_LINE)
                years.push_back(Get_Season_Line_Year(nLine));
        }
        return years;
    }
};

TEST_F(CareerHistoryTest, SeasonCountsFollowExperience) {
    struct CASE {
        int nExperience;
        int nSeasons;
    };
    const CASE kCases[] = {{-1, 4}, {-2, 3}, {-3, 2}, {-5, 0}, {-6, 0}, {2, 7}};
    for (const CASE& c : kCases) {
        Make_Player(HISTORY_TEAM, HISTORY_SLOT, POS_RB, 22, 75.0f);
        Set_Player_Vital_Stat(HISTORY_TEAM, HISTORY_SLOT, VITAL_EXPERIENCE, c.nExperience);
        Generate_Player_Career_History(HISTORY_TEAM, HISTORY_SLOT, 0);
        std::vector<int> years = Line_Years(HISTORY_TEAM, HISTORY_SLOT);
        ASSERT_EQ((int)years.size(), c.nSeasons) << "experience " << c.nExperience;
        for (int i = 0; i < c.nSeasons; i++) {
            int nLine = Get_Player_Season_Line(HISTORY_TEAM, HISTORY_SLOT, i);
            // The newest season is last year's; college seasons have negative levels.
            EXPECT_EQ(years[i], TEST_SEASON_YEAR - c.nSeasons + i);
            EXPECT_EQ(Get_Season_Line_Flag(nLine), i - 4)
                << "experience " << c.nExperience << " season " << i;
            EXPECT_EQ(Get_Season_Line_Marker(nLine), 128);
            EXPECT_EQ(Get_Season_Line_Team(nLine), HISTORY_TEAM);
            EXPECT_GE(Get_Season_Line_Stat(nLine, 0), 0);
            EXPECT_LE(Get_Season_Line_Stat(nLine, 0), 13);
            EXPECT_LE(Get_Season_Line_Stat(nLine, 1), Get_Season_Line_Stat(nLine, 0));
        }
        Erase_Player_Season_Lines(HISTORY_TEAM, HISTORY_SLOT);
    }
}

TEST_F(CareerHistoryTest, CollegeSeasonsDoNotCountAsLeagueSeasons) {
    Set_Player_Vital_Stat(HISTORY_TEAM, HISTORY_SLOT, VITAL_EXPERIENCE, 1);
    Generate_Player_Career_History(HISTORY_TEAM, HISTORY_SLOT, 0);
    // Six seasons: four at college (levels -4..-1), two in the league (levels 0 and 1).
    EXPECT_EQ(Count_Player_Season_Links(HISTORY_TEAM, HISTORY_SLOT), 6);
    EXPECT_EQ(Count_NFL_Seasons(HISTORY_TEAM, HISTORY_SLOT), 2);
}

TEST_F(CareerHistoryTest, WorkLineAndRatingsAreLeftAsTheyWere) {
    Set_Player_Vital_Stat(HISTORY_TEAM, HISTORY_SLOT, VITAL_EXPERIENCE, -1);
    Set_Player_Rating(HISTORY_TEAM, HISTORY_SLOT, 24.0f, RATING_PUNT_RETURNS);  // below 20 once shifted down
    Generate_Player_Career_History(HISTORY_TEAM, HISTORY_SLOT, 0);
    for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++)
        EXPECT_EQ(Get_Player_Stat(HISTORY_TEAM, HISTORY_SLOT, SEASON_CURRENT, nStat), 0) << nStat;
    EXPECT_EQ(Stored_Rating(HISTORY_TEAM, HISTORY_SLOT, RATING_PUNT_RETURNS), 24.0f);
    EXPECT_EQ(Stored_Rating(HISTORY_TEAM, HISTORY_SLOT, RATING_SPEED), 75.0f);
}

TEST_F(CareerHistoryTest, NoGamesMeansAnEmptySeason) {
    Generate_Season_Stat_Line(HISTORY_TEAM, HISTORY_SLOT, 0.0f, 10, 0);
    EXPECT_GT(Get_Player_Stat(HISTORY_TEAM, HISTORY_SLOT, SEASON_CURRENT, 7), 0);  // 20 x 3 runs before scaling
    Scale_Season_Stats_To_Games(HISTORY_TEAM, HISTORY_SLOT, 0);
    for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++)
        EXPECT_EQ(Get_Player_Stat(HISTORY_TEAM, HISTORY_SLOT, SEASON_CURRENT, nStat), 0) << nStat;
}

TEST_F(CareerHistoryTest, SameGeneratorStateGivesTheSameHistory) {
    const int kPositions[] = {POS_QB, POS_TE, POS_G, POS_LB, POS_K, POS_P};
    for (int nPosition : kPositions) {
        std::vector<int> lines[2];
        for (int nRun = 0; nRun < 2; nRun++) {
            Make_Player(HISTORY_TEAM, HISTORY_SLOT, nPosition, 22, 72.0f);
            Set_Player_Vital_Stat(HISTORY_TEAM, HISTORY_SLOT, VITAL_EXPERIENCE, -1);
            Seed_Random(77);
            Generate_Player_Career_History(HISTORY_TEAM, HISTORY_SLOT, 0);
            for (int n = 0; n < Count_Player_Season_Links(HISTORY_TEAM, HISTORY_SLOT); n++)
                for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++)
                    lines[nRun].push_back(
                        Get_Season_Line_Stat(Get_Player_Season_Line(HISTORY_TEAM, HISTORY_SLOT, n), nStat));
            Erase_Player_Season_Lines(HISTORY_TEAM, HISTORY_SLOT);
        }
        EXPECT_EQ(lines[0].size(), 4u * SEASON_STAT_STORED) << "position " << nPosition;
        EXPECT_EQ(lines[0], lines[1]) << "position " << nPosition;
    }
}

TEST_F(CareerHistoryTest, FreeAgentsGetNoLines) {
    Make_Player(FREE_AGENT_TEAM, 50, POS_WR, 22, 70.0f);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 50, VITAL_EXPERIENCE, -1);
    Generate_Player_Career_History(FREE_AGENT_TEAM, 50, 0);
    EXPECT_EQ(Count_Player_Season_Links(FREE_AGENT_TEAM, 50), 0);
}

TEST_F(CareerHistoryTest, SeasonLinesAreMadeConsistentByPositionGroup) {
    struct CASE {
        int nPosition;
        std::vector<std::pair<int, int>> before;  // stat, value
        std::vector<std::pair<int, int>> after;
    };
    const CASE kCases[] = {
        // Stat 4 at least (stat 6 + 10) / 20.
        {POS_RB, {{6, 90}, {4, 1}}, {{4, 5}}},
        // A lineman's stat 11 within 6..9 times stat 10 in steps of 5; returns made sane.
        {POS_G,
         {{10, 3}, {11, 40}, {14, 2}, {15, 100}, {16, 1}, {17, -1}, {18, 5}, {19, 1}},
         {{11, 25}, {15, 62}, {16, 0}, {17, 0}, {18, 0}, {19, 0}}},
        {POS_T, {{10, 4}, {11, 0}}, {{11, 25}}},
        // No negative defensive figures; stat 10 at least stat 11.
        {POS_DE, {{3, -4}, {9, -1}, {10, 2}, {11, 5}}, {{3, 0}, {9, 0}, {10, 5}, {11, 5}}},
        // In each pair 8/9 .. 16/17 the second at most the first.
        {POS_K,
         {{8, 10}, {9, 12}, {16, 3}, {17, 5}, {12, 4}, {13, 2}},
         {{9, 10}, {17, 3}, {13, 2}}},
    };
    for (const CASE& c : kCases) {
        Make_Player(HISTORY_TEAM, HISTORY_SLOT, c.nPosition, 22, 70.0f);
        for (const auto& stat : c.before)
            Set_Player_Stat(HISTORY_TEAM, HISTORY_SLOT, SEASON_CURRENT, stat.first, stat.second);
        Fix_Season_Stat_Line(HISTORY_TEAM, HISTORY_SLOT);
        for (const auto& stat : c.after)
            EXPECT_EQ(Get_Player_Stat(HISTORY_TEAM, HISTORY_SLOT, SEASON_CURRENT, stat.first), stat.second)
                << "position " << c.nPosition << " stat " << stat.first;
    }
}
