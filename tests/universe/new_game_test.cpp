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
#include "pages/pages.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "universe_window_fixture.h"

namespace {

#define NEW_GAME_USER_TEAM 7
#define NEW_GAME_SECOND_HUMAN 3  // before the user's team, so it is the first human-run team

class NewGameDialogTest : public UniverseLoadedWindowTest {
protected:
    // The league's home and away games scheduled for its first week, both sides counted.
    static int Count_Scheduled_Sides(void) {
        int nSides = 0;
        for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++)
            nSides += Get_Team_Home_Away(nTeam, 0) != 0;
        return nSides;
    }

    // Players of 24 or less over the overall their experience allows them at the start.
    static int Count_Young_Players_Over_Their_Cap(void) {
        int nOver = 0;
        for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
            for (int nSlot = 0; Is_Valid_Team(nTeam) && nSlot < PLAYERS_PER_TEAM; nSlot++) {
                if (!Is_Player_Slot_Used(nTeam, nSlot) ||
                    Get_Season_Year() - Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) /
                                            10000 >
                        24)
                    continue;
                int nCap = 78 + 6 * Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
                int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
                nOver += (int)Compute_Position_Rating(nTeam, nSlot, nPosition) > nCap;
            }
        }
        return nOver;
    }
};

// Each installed season, with the Replay Mode box as the person leaves it: the game starts at
// week 0 with a schedule, the teams, name and difficulty chosen, the ratings of a new game and
// the box's replay setting.
TEST_F(NewGameDialogTest, EveryOfferedSeasonStartsAtWeekZeroWithTheChoicesMade) {
    struct CASE {
        int nYear;
        bool bUncheckReplay;
        int nReplayMode;
    };
    // 2019 is chosen after the 2021 season the dialog opens on, which checks Replay Mode.
    const CASE aCases[] = {{2019, false, 1}, {2019, true, 0}, {2021, false, 0}};
    Ensure_Fame_File();  // the installation's, where the manager's name is kept
    for (const CASE& c : aCases) {
        SCOPED_TRACE(std::to_string(c.nYear) + (c.bUncheckReplay ? " unchecked" : ""));
        Load_Universe("Databases/Universe-2019.dat");
        std::string stSeasons, stOpenedOn;
        Test_Script_Dialog(IDD_NEW_GAME, [&](HWND hDlg) {
            HWND hSeason = GetDlgItem(hDlg, IDC_NEW_GAME_SEASON);
            int nOpenedOn = (int)SendMessageA(hSeason, CB_GETCURSEL, 0, 0);
            stOpenedOn = std::to_string(SendMessageA(hSeason, CB_GETITEMDATA, nOpenedOn, 0));
            int nItems = (int)SendMessageA(hSeason, CB_GETCOUNT, 0, 0);
            for (int n = 0; n < nItems; n++)
                stSeasons += std::to_string(SendMessageA(hSeason, CB_GETITEMDATA, n, 0)) + " ";
            int nRow = (int)SendMessageA(hSeason, CB_FINDSTRINGEXACT, (WPARAM)-1,
                                         (LPARAM)std::to_string(c.nYear).c_str());
            EXPECT_TRUE(Test_Choose_Row(hDlg, IDC_NEW_GAME_SEASON, nRow));
            if (c.bUncheckReplay) {
                EXPECT_TRUE(Test_Click_Control(hDlg, IDC_REPLAY_MODE));
            }
            EXPECT_TRUE(Test_Choose_Row(hDlg, IDC_NEW_GAME_TEAM, NEW_GAME_USER_TEAM));
            EXPECT_TRUE(Test_Choose_Row(hDlg, IDC_NEW_GAME_DIFFICULTY, 2));
            SendDlgItemMessageA(hDlg, IDC_NEW_GAME_NAME, WM_SETTEXT, 0, (LPARAM)"");
            EXPECT_TRUE(Test_Type_Into(hDlg, IDC_NEW_GAME_NAME, "Pat Doe"));
            SendDlgItemMessageA(hDlg, IDC_NEW_GAME_HUMANS, LB_SETSEL, TRUE, NEW_GAME_SECOND_HUMAN);
            EXPECT_NE(Test_Control_Text(hDlg, IDC_NEW_GAME_PLAYER1), "");
            EXPECT_NE(Test_Control_Text(hDlg, IDC_NEW_GAME_PAYROLL), "");
            std::string stPicture = m_stHere + "/new-game-" + std::to_string(c.nYear) + ".png";
            EXPECT_TRUE(Test_Snapshot_Dialog(hDlg, stPicture));
            EXPECT_TRUE(Test_Click_Control(hDlg, IDC_PLAY));
        });
        EXPECT_EQ(Open_Dialog(gMainWindow, IDD_NEW_GAME), 1);
        EXPECT_EQ(stSeasons, "2019 2021 ");  // the installed universes only
        EXPECT_EQ(stOpenedOn, "2021");
        EXPECT_EQ(Get_Season_Year(), c.nYear);
        EXPECT_EQ(gSeasonNumber, 0);
        EXPECT_EQ(gCurrentWeek, 0);
        EXPECT_GT(Count_Scheduled_Sides(), Count_Active_Teams() / 2);
        EXPECT_EQ(Count_Human_Teams(), 2);
        EXPECT_TRUE(Is_Human_Team(NEW_GAME_USER_TEAM));
        EXPECT_TRUE(Is_Human_Team(NEW_GAME_SECOND_HUMAN));
        EXPECT_EQ(gUserTeam, NEW_GAME_USER_TEAM);
        EXPECT_EQ(gDifficulty, 2);
        EXPECT_EQ(gReplayMode, c.nReplayMode);
        EXPECT_EQ(gCommissionerMode, 0);
        EXPECT_EQ(Count_Young_Players_Over_Their_Cap(), 0);
        char szManager[TEAM_STRING_SIZE];
        Get_Team_String(szManager, sizeof szManager, NEW_GAME_USER_TEAM, TEAM_MANAGER_NAME);
        EXPECT_STREQ(szManager, "Pat Doe");
        static FAME_RECORD record;  // the name the next New Game offers
        ASSERT_EQ(Read_Checked_Fame_File(&record), FAME_READ_OK);
        EXPECT_STREQ(record.szUserName, "Pat Doe");
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
