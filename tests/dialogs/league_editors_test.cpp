// The stadium and league editors driven through their controls.
#include <gtest/gtest.h>

#include <string>

#include "common/dialog_steps.h"
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define SE_NAME 1021
#define SE_CAPACITY 1248
#define LE_SEASON_GAMES 1315
#define LE_ADD_TEAM 11
#define LE_NICKNAME 1287
#define LE_CURRENT_DATE 1078
#define LE_DIVISION 1134
#define LE_DIVISION_0_COUNT 1306

class LeagueEditorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gDialogTeam = 2;
        gCurrentWeek = 0;
    }
};

TEST_F(LeagueEditorsTest, StadiumGradesShowByTheirNearestItem) {
    struct {
        int nValue, nItem;
    } const kCases[] = {{1000, 2}, {1249, 4}, {750, 0}, {800, 0}, {1150, 4}, {1149, 3}};
    for (const auto& c : kCases)
        EXPECT_EQ(Get_Stadium_Grade_Item(c.nValue), c.nItem) << c.nValue;
}

TEST_F(LeagueEditorsTest, StadiumEditsOnlyInCommissionerModeAndCancelKeepsAll) {
    struct CASE {
        int bCommissioner, nButton, nCapacity;
    } const kCases[] = {{1, IDOK, 71234}, {1, IDCANCEL, 60000}, {0, IDOK, 60000}};
    for (const CASE& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.bCommissioner << " " << c.nButton);
        gCommissionerMode = c.bCommissioner;
        Set_Team_Stadium_Stat(2, STADIUM_CAPACITY, 60000);
        bool bEnabled = false;
        Test_Script_Dialog(IDD_STADIUM_EDITOR, [&](HWND hDlg) {
            bEnabled = IsWindowEnabled(GetDlgItem(hDlg, SE_CAPACITY));
            if (bEnabled)
                Replace_Box_Text(hDlg, SE_CAPACITY, "71,234");
            Test_Click_Control(hDlg, c.nButton);
        });
        Do_Dialog(NULL, IDD_STADIUM_EDITOR, 0);
        EXPECT_EQ(bEnabled, c.bCommissioner != 0);
        EXPECT_EQ(Get_Team_Stadium_Stat(2, STADIUM_CAPACITY), c.nCapacity);
    }
}

TEST_F(LeagueEditorsTest, NewTeamFromTheEditorHasALegalRosterAndAName) {
    gCommissionerMode = 1;
    int nBefore = Count_Active_Teams();
    Test_Script_Dialog(IDD_LEAGUE_EDITOR, [&](HWND hDlg) {
        EXPECT_TRUE(Test_Click_Control(hDlg, LE_ADD_TEAM));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hDlg, LE_ADD_TEAM)));
        EXPECT_TRUE(Test_Click_Control(hDlg, IDOK));
    });
    EXPECT_EQ(Do_Dialog(NULL, IDD_LEAGUE_EDITOR, 0), 1);
    ASSERT_EQ(Count_Active_Teams(), nBefore + 1);
    int nNew = -1;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        char szCity[TEAM_STRING_SIZE], szNickname[TEAM_STRING_SIZE];
        Get_Team_String(szCity, (int)sizeof szCity, nTeam, TEAM_CITY);
        Get_Team_String(szNickname, (int)sizeof szNickname, nTeam, TEAM_NICKNAME);
        if (std::string(szCity) + " " + szNickname == "[Empty Team]")
            nNew = nTeam;
    }
    ASSERT_GE(nNew, 0);
    int nPlayers = Count_Players(nNew, ALL_ROSTERS);
    EXPECT_GE(nPlayers, 51);
    EXPECT_LE(nPlayers, PLAYERS_PER_TEAM);
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
        EXPECT_GE(Count_Players(nNew, nPosition), 1) << nPosition;
}

TEST_F(LeagueEditorsTest, SeasonGamesAreCheckedAndTextIsRefused) {
    gCommissionerMode = 1;
    struct CASE {
        const char* szTyped;
        int nStored;  // -1: refused, the dialog stays open
    } const kCases[] = {{"15", 14}, {"17", 17}, {"2", 4}, {"many", -1}};
    for (const CASE& c : kCases) {
        SCOPED_TRACE(c.szTyped);
        Set_Universe_Stat(UNIVERSE_SEASON_GAMES, 16);
        bool bOpen = false;
        Test_Clear_Transcript();
        Test_Script_Dialog(IDD_LEAGUE_EDITOR, [&](HWND hDlg) {
            Replace_Box_Text(hDlg, LE_SEASON_GAMES, c.szTyped);
            Test_Click_Control(hDlg, IDOK);
            bOpen = Count_Shown_With_Text("Season Games must be a whole number.") > 0;
            if (bOpen) {
                Replace_Box_Text(hDlg, LE_SEASON_GAMES, "16");
                Test_Click_Control(hDlg, IDOK);
            }
        });
        Do_Dialog(NULL, IDD_LEAGUE_EDITOR, 0);
        EXPECT_EQ(bOpen, c.nStored < 0);
        EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SEASON_GAMES), c.nStored < 0 ? 16 : c.nStored);
    }
}

// A team moved into another division through the Division combo: a move that would overfill a
// division or a conference is refused and undone, a legal one is kept and counted.
TEST_F(LeagueEditorsTest, DivisionMovesThatBreakTheStructureAreUndone) {
    struct CASE {
        int nIntoDivisionZero;  // teams of divisions 1..3 moved into division 0 first
        int nIntoDivisionOne;   // teams of league 1 moved into division 1 first
        int nChosen;            // the division chosen for a team of division 4
        const char* szCaption;  // the refusal, or "" when the move stands
    } const kCases[] = {
        {9, 0, 0, "Illegal Division"},    // a fourteenth team in division 0
        {0, 2, 2, "Illegal Conference"},  // a nineteenth team in league 0
        {0, 0, 0, ""},
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(c.nChosen);
        Build_Fixture_League();
        gCommissionerMode = 1;
        gCurrentWeek = 0;
        int nMoved = 0, nMover = -1;
        for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++) {
            int nDivision = Get_Team_Stat(nTeam, TEAM_DIVISION);
            if (nDivision >= 1 && nDivision <= 3 && nMoved < c.nIntoDivisionZero) {
                Set_Team_Stat(nTeam, TEAM_DIVISION, 0);
                nMoved++;
            } else if (nDivision >= 5 && nMoved < c.nIntoDivisionOne) {
                Set_Team_Stat(nTeam, TEAM_DIVISION, 1);
                nMoved++;
            } else if (nDivision == 4 && nMover < 0) {
                nMover = nTeam;
            }
        }
        ASSERT_GE(nMover, 0);
        gDialogTeam = nMover;
        int nDivisionZero = Count_Division_Teams(0);
        Test_Clear_Transcript();
        std::string stCount;
        int nShownDivision = -1;
        Test_Script_Dialog(IDD_LEAGUE_EDITOR, [&](HWND hDlg) {
            Test_Choose_Row(hDlg, LE_DIVISION, c.nChosen);
            nShownDivision = Test_Control_Selection(hDlg, LE_DIVISION);
            stCount = Test_Control_Text(hDlg, LE_DIVISION_0_COUNT);
            Test_Click_Control(hDlg, IDOK);
        });
        Do_Dialog(NULL, IDD_LEAGUE_EDITOR, 0);
        bool bRefused = c.szCaption[0] != 0;
        EXPECT_EQ(Count_Shown_With_Caption(c.szCaption), bRefused ? 1 : 0);
        EXPECT_EQ(Get_Team_Stat(nMover, TEAM_DIVISION), bRefused ? 4 : c.nChosen);
        EXPECT_EQ(nShownDivision, bRefused ? 4 : c.nChosen);
        int nExpected = nDivisionZero + (bRefused || c.nChosen != 0 ? 0 : 1);
        EXPECT_EQ(stCount, "(" + std::to_string(nExpected) + " teams)");
    }
}

// Item i of Current Date is week i, named as the league names it.
TEST_F(LeagueEditorsTest, CurrentDateItemsAreTheWeeks) {
    gCommissionerMode = 1;
    gCurrentWeek = 3;
    int nShown = -1;
    std::string stText;
    Test_Script_Dialog(IDD_LEAGUE_EDITOR, [&](HWND hDlg) {
        nShown = Test_Control_Selection(hDlg, LE_CURRENT_DATE);
        stText = Test_Control_Text(hDlg, LE_CURRENT_DATE);
        Test_Choose_Row(hDlg, LE_CURRENT_DATE, 5);
        Test_Click_Control(hDlg, IDOK);
    });
    Do_Dialog(NULL, IDD_LEAGUE_EDITOR, 0);
    EXPECT_EQ(nShown, 3);
    EXPECT_EQ(stText, "Week 4");
    EXPECT_EQ(gCurrentWeek, 5);
}

}  // namespace
