// The matchup dialog before a person's game: unit stars, the spread's text and the choices.
#include <gtest/gtest.h>

#include <string>

#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"

namespace {

#define MU_PLAY 1391
#define MU_SIMULATE_ALL 1392
#define MU_SIMULATE 1393
#define MU_SPREAD 1434

class GameMatchupTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gAllTeamsComputer = 0;
        gCurrentWeek = 2;
        gRunTargetWeek = 3;
        gSkipPregameDialog = 0;
    }
};

TEST_F(GameMatchupTest, StarsFollowTheNumberOfBetterTeams) {
    struct {
        int nBetter, nStars;
    } const kCases[] = {{0, 5}, {8, 4}, {16, 3}, {24, 2}, {31, 1}};
    for (const auto& c : kCases)
        EXPECT_EQ(Get_Unit_Stars(c.nBetter, 32), c.nStars) << c.nBetter;
    uint8_t anStars[MATCHUP_UNITS];
    Compute_Unit_Stars(anStars, 0);
    for (uint8_t nStars : anStars) {
        EXPECT_GE(nStars, 1);
        EXPECT_LE(nStars, 5);
    }
}

TEST_F(GameMatchupTest, SpreadTexts) {
    char szHome[64], szVisitor[64], szText[128];
    Get_Team_Short_Name(1, szHome, (int)sizeof szHome);
    Get_Team_Short_Name(2, szVisitor, (int)sizeof szVisitor);
    struct {
        int nSpread;
        std::string stText;
    } const kCases[] = {
        {-25, std::string(szHome) + " favored by 2.5 points"},
        {10, std::string(szVisitor) + " favored by 1 point"},
        {30, std::string(szVisitor) + " favored by 3 points"},
        {0, "Vegas Line: Pick 'em"},
    };
    for (const auto& c : kCases) {
        Format_Point_Spread(2, 1, c.nSpread, szText, (int)sizeof szText);
        EXPECT_EQ(std::string(szText), c.stText);
    }
}

TEST_F(GameMatchupTest, ChoicesSetThePlayByPlayFlagAndSimulateAll) {
    Set_Team_Stat(FIXTURE_HUMAN_TEAM, TEAM_CONTROL, CONTROL_HUMAN);
    Create_Season_Schedule();
    int nHome = FIXTURE_HUMAN_TEAM, nVisitor = Get_Team_Opponent(nHome, gCurrentWeek);
    ASSERT_GE(nVisitor, 0);
    struct CASE {
        int nButton, nFlag, nSkip;
    } const kCases[] = {{MU_PLAY, 1, 0}, {MU_SIMULATE, 0, 0}};
    for (const CASE& c : kCases) {
        bool bAllShown = true;
        Test_Script_Dialog(IDD_GAME_MATCHUP, [&](HWND hDlg) {
            bAllShown = IsWindowVisible(GetDlgItem(hDlg, MU_SIMULATE_ALL));
            EXPECT_FALSE(Test_Control_Text(hDlg, MU_SPREAD).empty());
            Test_Click_Control(hDlg, c.nButton);
        });
        Run_Game_Matchup_Dialog(nHome, nVisitor);
        EXPECT_FALSE(bAllShown);  // one human team, a one-week run
        EXPECT_EQ(Get_Calendar_PBP_Flag(nHome, gCurrentWeek), c.nFlag);
        EXPECT_EQ(gSkipPregameDialog, c.nSkip);
    }
    gRunTargetWeek = 8;
    std::string stAll;
    Test_Script_Dialog(IDD_GAME_MATCHUP, [&](HWND hDlg) {
        stAll = Test_Control_Text(hDlg, MU_SIMULATE_ALL);
        Test_Click_Control(hDlg, MU_SIMULATE_ALL);
    });
    Run_Game_Matchup_Dialog(nHome, nVisitor);
    EXPECT_EQ(stAll, "Simulate Until Week 9");
    EXPECT_EQ(gSkipPregameDialog, 1);
}

}  // namespace
