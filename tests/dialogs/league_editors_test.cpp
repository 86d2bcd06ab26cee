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

}  // namespace
