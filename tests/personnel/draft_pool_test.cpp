// The college draft pool and the parts of a new player: the pool size by league size, the
// grading ladder, the named 2021 prospects, the draft input files, the name tables, bodies,
// career curves and veterans.
#include <limits.h>
#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/text_files.h"
#include "new_player_test_support.h"

class DraftPoolTest : public NewPlayerTest {
protected:
    static std::vector<TEST_SHOWN> Shown_Boxes() {
        std::vector<TEST_SHOWN> boxes;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            if (shown.nKind == TEST_SHOWN_MESSAGE_BOX)
                boxes.push_back(shown);
        return boxes;
    }

    static void Use_League_Of(int nTeams) {
        for (int nTeam = nTeams; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
            Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_NOT_IN_USE);
    }
};

TEST_F(DraftPoolTest, PoolSizeFollowsTheLeagueSize) {
    Fill_Draft_Pool();
    EXPECT_EQ(Count_Draft_Pool_Players(), DRAFT_POOL_SIZE);
    EXPECT_EQ(Find_Free_Player_Slot(TEST_POOL_TEAM), PLAYERS_PER_TEAM);
    EXPECT_EQ(Find_Free_Player_Slot(TEST_POOL_TEAM + 2), DRAFT_POOL_SIZE - 2 * PLAYERS_PER_TEAM);
    Fill_Draft_Pool();  // a full pool gets nobody more
    EXPECT_EQ(Count_Draft_Pool_Players(), DRAFT_POOL_SIZE);

    Clear_Draft_Pool();
    EXPECT_EQ(Count_Draft_Pool_Players(), 0);
    Use_League_Of(16);
    Fill_Draft_Pool();
    EXPECT_EQ(Count_Draft_Pool_Players(), 146);  // (16 x 291 + 16) / 32
}

TEST_F(DraftPoolTest, GradedPoolSpreadsFromStarsToBackups) {
    Fill_Draft_Pool();
    Grade_Draft_Pool();
    int nCount = Count_Draft_Pool_Players();
    ASSERT_EQ(nCount, DRAFT_POOL_SIZE);  // nobody is 17 or younger

    std::vector<float> overalls;
    int nOnTarget = 0;
    int anThirdSums[3] = {0, 0, 0};
    for (int n = 0; n < nCount; n++) {
        int nTeam = NO_TEAM;
        int nSlot = NO_PLAYER;
        Get_Draft_Pool_Player(n, &nTeam, &nSlot);
        overalls.push_back(Get_Player_Overall_Rating(nTeam, nSlot));
        // The pool ends in potential order, each steered toward his rung of the ladder; a
        // player with few years left to grow cannot always reach it.
        int nPotential = (int)Get_Player_Potential(nTeam, nSlot);
        int nTarget = 93 - 22 * n / nCount;
        EXPECT_LE(nPotential, nTarget) << "rank " << n;
        if (nPotential == nTarget)
            nOnTarget++;
        anThirdSums[n * 3 / nCount] += nPotential;
        EXPECT_GT(Get_Player_Age(nTeam, nSlot), 17);
    }
    EXPECT_GE(nOnTarget, nCount / 3);
    EXPECT_GE(anThirdSums[0] - anThirdSums[2], 8 * 97);  // the best third 8 points above the last
    std::sort(overalls.rbegin(), overalls.rend());
    for (int n = 0; n < nCount; n += 29)
        EXPECT_NEAR(overalls[n], 82 - 22 * n / nCount, 1.0) << "rank " << n;
}

// A reset replaces the whole class, leftovers included, and leaves it in the user's sort order.
TEST_F(DraftPoolTest, ResetReplacesTheClassInTheChosenOrder) {
    Fill_Draft_Pool();
    int nOldId = Get_Player_ID(TEST_POOL_TEAM, 0);
    Set_User_Preference(84, DRAFT_POOL_KEY_PROJECTED_RATING);  // grading ends by potential
    Reset_Draft_Pool();
    int nCount = Count_Draft_Pool_Players();
    ASSERT_EQ(nCount, DRAFT_POOL_SIZE);
    int nPrevious = INT_MAX;
    int nFirst = 0;
    for (int n = 0; n < nCount; n++) {
        int nTeam = NO_TEAM;
        int nSlot = NO_PLAYER;
        Get_Draft_Pool_Player(n, &nTeam, &nSlot);
        EXPECT_NE(Get_Player_ID(nTeam, nSlot), nOldId);
        int nValue = (int)Get_Player_Overall_Rating(nTeam, nSlot);
        EXPECT_LE(nValue, nPrevious) << "rank " << n;
        nFirst = n == 0 ? nValue : nFirst;
        nPrevious = nValue;
    }
    EXPECT_GT(nFirst, nPrevious);
}

TEST_F(DraftPoolTest, NamedProspectsFillThe2021Pool) {
    Set_Season_Year(PROSPECT_TABLE_YEAR);
    struct CASE {
        int nTeam;
        int nSlot;
        int nRow;
        float fOverall;
    };
    const CASE kCases[] = {{38, 0, 0, 82.0f}, {38, 1, 1, 81.0f}, {39, 5, 105, 70.0f}};
    for (const CASE& c : kCases) {
        const PROSPECT_ROW* pRow = Get_Prospect_Row(c.nRow);
        ASSERT_NE(pRow, nullptr);
        EXPECT_EQ(Generate_New_Player(c.nTeam, c.nSlot, POS_K, 1), 1);
        EXPECT_STREQ(Get_Player_Last_Name_Ptr(c.nTeam, c.nSlot), pRow->szLastName);
        EXPECT_STREQ(Get_Player_First_Name_Ptr(c.nTeam, c.nSlot), pRow->szFirstName);
        EXPECT_EQ(Get_Player_Vital_Stat(c.nTeam, c.nSlot, VITAL_POSITION), pRow->nPosition);
        EXPECT_EQ(Get_Player_Vital_Stat(c.nTeam, c.nSlot, VITAL_HEIGHT), pRow->nHeight);
        EXPECT_EQ(Get_Player_Vital_Stat(c.nTeam, c.nSlot, VITAL_BIRTH_DATE),
                  pRow->nBirthYear * 10000 + pRow->nBirthMonth * 100 + pRow->nBirthDay);
        EXPECT_EQ(Get_Player_Vital_Stat(c.nTeam, c.nSlot, VITAL_RANDOM_PROSPECT), 0);
        EXPECT_NEAR(Get_Player_Overall_Rating(c.nTeam, c.nSlot), c.fOverall, 0.5f);
        EXPECT_EQ(Count_Player_Season_Links(c.nTeam, c.nSlot), 4);  // four college seasons
    }
    EXPECT_EQ(Get_Prospect_Row(PROSPECT_TABLE_ROWS), nullptr);
    for (int n = 0; n < PROSPECT_TABLE_ROWS; n++) {
        const PROSPECT_ROW* pRow = Get_Prospect_Row(n);
        EXPECT_TRUE(pRow->nPosition >= 0 && pRow->nPosition < POSITION_COUNT) << n;
        EXPECT_NE(pRow->szLastName[0], 0) << n;
        EXPECT_LT(strlen(pRow->szLastName), (size_t)PLAYER_LAST_NAME_SIZE) << n;
        EXPECT_LT(strlen(pRow->szFirstName), (size_t)PLAYER_FIRST_NAME_SIZE) << n;
    }
}

TEST_F(DraftPoolTest, DraftInputFilesAreReadOrLeftAlone) {
    std::string stTalent, stStrategy;
    for (int n = 0; n < POSITION_COUNT; n++) {
        stTalent +=
            std::to_string(n) + "," + std::to_string(-n) + "," + std::to_string(2 * n) + "\n";
        stStrategy += std::to_string(n - 7) + ",position " + std::to_string(n) + "\n";
    }
    Write_Text_File("Input/DraftTalent.txt", stTalent);
    Write_Text_File("Input/DraftStrategy.txt", stStrategy);
    Load_Draft_Talent();
    Load_Draft_Strategy();
    for (int n = 0; n < POSITION_COUNT; n++) {
        EXPECT_EQ(gDraftTalent[DRAFT_TALENT_CENTRE][n], n);
        EXPECT_EQ(gDraftTalent[DRAFT_TALENT_SPREAD][n], -n);
        EXPECT_EQ(gDraftTalent[DRAFT_TALENT_GROWTH][n], 2 * n);
        EXPECT_EQ(gDraftStrategy[n], n - 7);
    }
    EXPECT_TRUE(Shown_Boxes().empty());

    remove("Input/DraftTalent.txt");
    remove("Input/DraftStrategy.txt");
    Load_Draft_Talent();
    Load_Draft_Strategy();
    EXPECT_EQ(gDraftTalent[DRAFT_TALENT_GROWTH][POS_P], 28);
    EXPECT_EQ(gDraftStrategy[POS_P], 7);
    ASSERT_EQ(Shown_Boxes().size(), 2u);
    EXPECT_EQ(Shown_Boxes()[0].stCaption, "Missing File");
    EXPECT_EQ(Shown_Boxes()[0].stText, "Input/DraftTalent.txt file is missing.");
    EXPECT_EQ(Shown_Boxes()[1].stText, "Input/DraftStrategy.txt file is missing.");
}

TEST_F(DraftPoolTest, NameTablesHandOutEachNameOnce) {
    Write_Text_File("names/first.txt", "Alan\nBert\nCarl\n");
    Write_Text_File("names/last.txt", "Archibald-Worthington-Smythe\n");
    gFirstNameFileLines = 0;
    gLastNameFileLines = 0;
    Load_First_Names();
    Load_Last_Names();
    std::vector<std::string> names;
    char szName[PLAYER_LAST_NAME_SIZE];
    while (Take_First_Name(szName, sizeof(szName)))
        names.push_back(szName);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Alan", "Bert", "Carl"}));
    EXPECT_TRUE(Pick_Last_Name(szName, sizeof(szName)));
    EXPECT_STREQ(szName, "Archibald-Worthingt");  // 19 characters kept
    EXPECT_FALSE(Pick_Last_Name(szName, sizeof(szName)));

    // An emptied table is loaded again; without files the names fall back.
    Make_Player(0, 60, POS_QB, 22, 60.0f);
    Generate_Player_Name(0, 60);
    EXPECT_STREQ(Get_Player_Last_Name_Ptr(0, 60), "Archibald-Worthingt");
    remove("names/first.txt");
    remove("names/last.txt");
    memset(gFirstNames, 0, sizeof gFirstNames);
    memset(gLastNames, 0, sizeof gLastNames);
    Generate_Player_Name(0, 60);
    EXPECT_STREQ(Get_Player_First_Name_Ptr(0, 60), "John");
    EXPECT_STREQ(Get_Player_Last_Name_Ptr(0, 60), "Smith");
    EXPECT_EQ(Shown_Boxes().size(), 2u);  // one failed load of each file
    EXPECT_EQ(Shown_Boxes()[0].stCaption, "File Error");
}

TEST_F(DraftPoolTest, NamesComeFromAllOverALongFile) {
    gFirstNameFileLines = 0;
    Load_First_Names();
    std::vector<std::string> names;
    char szName[PLAYER_FIRST_NAME_SIZE];
    while (Take_First_Name(szName, sizeof(szName)))
        names.push_back(szName);
    ASSERT_GE(names.size(), 95u);
    std::sort(names.begin(), names.end());
    // The file is sorted, so names from its whole length reach past the letter D.
    EXPECT_GT(names.back(), std::string("M"));
}

TEST_F(DraftPoolTest, MeanBodiesFollowTheEra) {
    struct CASE {
        int nYear;
        int nPosition;
        int nWeight;
    };
    const CASE kCases[] = {
        {1960, POS_G, 250}, {1971, POS_G, 250}, {2006, POS_G, 320},
        {2030, POS_G, 320}, {1990, POS_G, 288},  // (16 x 250 + 17) / 35 + (19 x 320 + 17) / 35
    };
    for (const CASE& c : kCases) {
        Set_Season_Year(c.nYear);
        EXPECT_EQ(Get_Position_Mean_Weight(c.nPosition), c.nWeight) << c.nYear;
    }
    Set_Season_Year(2030);
    for (int n = 0; n < 50; n++) {
        int nHeight = Get_Position_Mean_Height(POS_T);  // 77.8 inches
        EXPECT_TRUE(nHeight == 77 || nHeight == 78) << nHeight;
        int nDrawn = Generate_Player_Height(POS_T);
        EXPECT_GE(nDrawn, 77 - 6);
        EXPECT_LE(nDrawn, 78 + 6);
    }
}

TEST_F(DraftPoolTest, CareerCurveAndBirthday) {
    Make_Player(0, 60, POS_QB, 22, 60.0f);
    Set_Universe_Stat(UNIVERSE_KEEP_RATINGS, 1);
    Init_Career_Curve(0, 60);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 60, VITAL_PRIME_START), 25);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 60, VITAL_PRIME_END), 35);  // 32 + (2022 - 1950) / 20
    EXPECT_EQ(Get_Player_Vital_Stat(0, 60, VITAL_GROWTH_RATE), 100);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 60, VITAL_DECLINE_RATE), 100);

    Set_Universe_Stat(UNIVERSE_KEEP_RATINGS, 0);
    for (int n = 0; n < 50; n++) {
        Init_Career_Curve(0, 60);
        int nStart = Get_Player_Vital_Stat(0, 60, VITAL_PRIME_START);
        EXPECT_TRUE(nStart >= 23 && nStart <= 29) << nStart;
        int nPeak = Get_Player_Vital_Stat(0, 60, VITAL_PRIME_END);
        EXPECT_TRUE(nPeak >= 31 && nPeak <= 39) << nPeak;
        int nRate = Get_Player_Vital_Stat(0, 60, VITAL_GROWTH_RATE);
        EXPECT_TRUE(nRate >= 62 && nRate <= 250) << nRate;

        Set_Player_Birthday(0, 60, 23);
        int nDate = Get_Player_Vital_Stat(0, 60, VITAL_BIRTH_DATE);
        EXPECT_EQ(nDate / 10000, TEST_SEASON_YEAR - 23);
        EXPECT_TRUE(nDate / 100 % 100 >= 1 && nDate / 100 % 100 <= 12) << nDate;
        EXPECT_TRUE(nDate % 100 >= 1 && nDate % 100 <= 31) << nDate;
    }
}

TEST_F(DraftPoolTest, VeteransSignAtTheMinimum) {
    Clear_Player(FREE_AGENT_TEAM, 50);
    Create_Veteran_Player(FREE_AGENT_TEAM, 50, 1.0f, POS_LB);
    EXPECT_TRUE(Is_Player_Slot_Used(FREE_AGENT_TEAM, 50));
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 50, VITAL_POSITION), POS_LB);
    int nAge = Get_Player_Age(FREE_AGENT_TEAM, 50);
    EXPECT_TRUE(nAge >= 21 && nAge <= 32) << nAge;
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 50, VITAL_EXPERIENCE), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 50, VITAL_SALARY),
              Get_League_Minimum_Salary(0));
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 50, VITAL_CONTRACT_YEARS_LEFT), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 50, VITAL_CONTRACT_LENGTH), 1);
    EXPECT_EQ(Count_Player_Season_Links(FREE_AGENT_TEAM, 50), 0);
}

TEST_F(DraftPoolTest, FullPoolTakesNoProspect) {
    for (int nTeam = FIRST_DRAFT_POOL_TEAM; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++)
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            Set_Player_ID(nTeam, nSlot, 500000 + nTeam * 100 + nSlot);
    EXPECT_EQ(Add_Draft_Prospect(), 0);
}

TEST_F(DraftPoolTest, UniformNumbersSuitThePosition) {
    struct CASE {
        int nPosition;
        int nLow1, nHigh1, nLow2, nHigh2;  // the numbers lie in one of the two ranges
    };
    const CASE kCases[] = {
        {POS_QB, 1, 19, 1, 19},   {POS_RB, 20, 49, 20, 49}, {POS_TE, 40, 49, 80, 89},
        {POS_WR, 10, 19, 80, 89}, {POS_G, 60, 79, 60, 79},  {POS_C, 50, 79, 50, 79},
        {POS_DT, 50, 79, 90, 99}, {POS_LB, 40, 59, 90, 99}, {POS_S, 20, 49, 20, 49},
        {POS_K, 1, 19, 1, 19},
    };
    for (const CASE& c : kCases) {
        int anHits[2] = {0, 0};
        for (int n = 0; n < 300; n++) {
            int nNumber = Draw_Uniform_Number(c.nPosition);
            int bFirst = nNumber >= c.nLow1 && nNumber <= c.nHigh1;
            int bSecond = nNumber >= c.nLow2 && nNumber <= c.nHigh2;
            EXPECT_TRUE(bFirst || bSecond) << "position " << c.nPosition << ": " << nNumber;
            anHits[0] += bFirst;
            anHits[1] += bSecond;
        }
        EXPECT_GT(anHits[0], 0) << "position " << c.nPosition;
        EXPECT_GT(anHits[1], 0) << "position " << c.nPosition;
    }
}

TEST_F(DraftPoolTest, OldPositionCodesMakeRoomForFullbacks) {
    // Old codes: 0 QB, 1 RB, 2 TE, ..., 13 P. A back who is no blocker stays a running back.
    const int kOldCodes[] = {0, 1, 2, 13};
    const int kNewCodes[] = {POS_QB, POS_RB, POS_TE, POS_P};
    for (int n = 0; n < 4; n++)
        Make_Player(0, 60 + n, kOldCodes[n], 25, 60.0f);
    ASSERT_LT(Get_Player_Run_Block_Grade(0, 61), 70);

    Convert_Old_Position_Codes();
    for (int n = 0; n < 4; n++)
        EXPECT_EQ(Get_Player_Vital_Stat(0, 60 + n, VITAL_POSITION), kNewCodes[n]) << kOldCodes[n];
}
