// The New Game dialog over the installed universes, headless with the main window: each offered
// season starts a game at week 0 with a schedule and the choices made, and Cancel puts back the
// league that was loaded before.
#include <gtest/gtest.h>
#include <string.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "database/database.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "season/season.h"
#include "shell/shell.h"
#include "universe_window_fixture.h"

namespace {

#define NEW_GAME_SECOND_HUMAN 7

class NewGameDialogTest : public UniverseLoadedWindowTest {
protected:
    // The league's home and away games scheduled for its first week, both sides counted.
    static int Count_Scheduled_Sides(void) {
        int nSides = 0;
        for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++)
            nSides += Get_Team_Home_Away(nTeam, 0) != 0;
        return nSides;
    }
};

TEST_F(NewGameDialogTest, EveryOfferedSeasonStartsAtWeekZeroWithTheChoicesMade) {
    for (int nYear : {2019, 2021}) {
        SCOPED_TRACE(nYear);
        int nUserTeam = 3;
        std::string stSeasons;
        Test_Script_Dialog(IDD_NEW_GAME, [&](HWND hDlg) {
            HWND hSeason = GetDlgItem(hDlg, IDC_NEW_GAME_SEASON);
            int nItems = (int)SendMessageA(hSeason, CB_GETCOUNT, 0, 0);
            for (int n = 0; n < nItems; n++)
                stSeasons += std::to_string(SendMessageA(hSeason, CB_GETITEMDATA, n, 0)) + " ";
            int nRow = (int)SendMessageA(hSeason, CB_FINDSTRINGEXACT, (WPARAM)-1,
                                         (LPARAM)std::to_string(nYear).c_str());
            EXPECT_TRUE(Test_Choose_Row(hDlg, IDC_NEW_GAME_SEASON, nRow));
            EXPECT_TRUE(Test_Choose_Row(hDlg, IDC_NEW_GAME_TEAM, nUserTeam));
            EXPECT_TRUE(Test_Choose_Row(hDlg, IDC_NEW_GAME_DIFFICULTY, 2));
            SendDlgItemMessageA(hDlg, IDC_NEW_GAME_NAME, WM_SETTEXT, 0, (LPARAM)"");
            EXPECT_TRUE(Test_Type_Into(hDlg, IDC_NEW_GAME_NAME, "Pat Doe"));
            SendDlgItemMessageA(hDlg, IDC_NEW_GAME_HUMANS, LB_SETSEL, TRUE, NEW_GAME_SECOND_HUMAN);
            EXPECT_NE(Test_Control_Text(hDlg, IDC_NEW_GAME_PLAYER1), "");
            EXPECT_NE(Test_Control_Text(hDlg, IDC_NEW_GAME_PAYROLL), "");
            std::string stPicture = m_stHere + "/new-game-" + std::to_string(nYear) + ".png";
            EXPECT_TRUE(Test_Snapshot_Dialog(hDlg, stPicture));
            EXPECT_TRUE(Test_Click_Control(hDlg, IDC_PLAY));
        });
        EXPECT_EQ(Open_Dialog(gMainWindow, IDD_NEW_GAME), 1);
        EXPECT_EQ(stSeasons, "2019 2021 ");  // the installed universes only
        EXPECT_EQ(Get_Season_Year(), nYear);
        EXPECT_EQ(gSeasonNumber, 0);
        EXPECT_EQ(gCurrentWeek, 0);
        EXPECT_GT(Count_Scheduled_Sides(), Count_Active_Teams() / 2);
        EXPECT_EQ(Count_Human_Teams(), 2);
        EXPECT_TRUE(Is_Human_Team(nUserTeam));
        EXPECT_TRUE(Is_Human_Team(NEW_GAME_SECOND_HUMAN));
        EXPECT_EQ(gUserTeam, nUserTeam);
        EXPECT_EQ(gDifficulty, 2);
        char szManager[TEAM_STRING_SIZE];
        Get_Team_String(szManager, sizeof szManager, nUserTeam, TEAM_MANAGER_NAME);
        EXPECT_STREQ(szManager, "Pat Doe");
        EXPECT_EQ(gCurrentPage, STANDINGS_PAGE);
        EXPECT_NE(gButtonBar, nullptr);
    }
}

// Cancel after another season was loaded puts back the league of before, byte for byte.
TEST_F(NewGameDialogTest, CancelPutsBackTheLeagueOfBefore) {
    Set_City_Stat(0, 1, 4321);  // an edit the universe file does not hold
    auto pBefore = std::make_unique<SAVED_STATE>();
    memcpy(pBefore.get(), &gSavedState, sizeof(SAVED_STATE));
    int nYearShown = 0;
    Test_Script_Dialog(IDD_NEW_GAME, [&nYearShown](HWND hDlg) {
        HWND hSeason = GetDlgItem(hDlg, IDC_NEW_GAME_SEASON);
        int nRow = (int)SendMessageA(hSeason, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)"2021");
        EXPECT_TRUE(Test_Choose_Row(hDlg, IDC_NEW_GAME_SEASON, nRow));
        nYearShown = Get_Season_Year();
        EXPECT_TRUE(Test_Click_Control(hDlg, IDCANCEL));
    });
    EXPECT_EQ(Open_Dialog(gMainWindow, IDD_NEW_GAME), IDCANCEL);
    EXPECT_EQ(nYearShown, 2021);
    EXPECT_EQ(memcmp(pBefore.get(), &gSavedState, sizeof(SAVED_STATE)), 0);
    EXPECT_EQ(Get_Season_Year(), 2019);
}

}  // namespace
