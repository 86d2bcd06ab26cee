// The editors over the default universe: a picture of each dialog filled, and a session as a
// commissioner plays it: a running back made a fullback, a player renamed and rated, a team
// added and a week played with it, the league's passing statistics printed to CSV and HTML.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "common/dialog_steps.h"
#include "common/text_files.h"
#include "season/season.h"
#include "setup/setup.h"
#include "universe/universe_window_fixture.h"

namespace {

#define CHANGE_POSITION_COMBO 1217
#define EP_LAST_NAME 1271
#define EP_SEASON_VIEW 1218
#define EP_CAREER_VIEW 2
#define EP_DONE 1285
#define EP_DELETE 3
#define ER_SPEED_BOX (1133 + RATING_SPEED - 1)
#define ER_DONE 1285
#define LE_ADD_TEAM 11
#define PRINT_TEAMS 1132
#define PRINT_SORT 1225
#define PRINT_FORMAT 1226
#define PRINT_FILE_NAME 1082
#define PRINT_PASS_YARDS 5
#define PLAYBOOK_THIRD_ROUTE 1396
#define PLAYBOOK_FIRST_SPOT_LABEL 1228  // receiver 0 on offence, defender 3 on defence

class EditorDialogsUniverseTest : public UniverseWindowTest {
protected:
    int nTeam = 0;

    void SetUp() override {
        UniverseWindowTest::SetUp();
        gCommissionerMode = 1;
        nTeam = Get_User_Team();
        gDialogTeam = nTeam;
    }

    int First_Player_At(int nPosition) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (Is_Player_Slot_Used(nTeam, nSlot) && Get_Roster_Position(nTeam, nSlot) == nPosition)
                return nSlot;
        return -1;
    }

    // The number of the team whose name is "<home> <nickname>"; NO_TEAM when none.
    static int Find_Team_Named(const std::string& stName) {
        for (int n = 0; n < Count_Active_Teams(); n++) {
            char szHome[TEAM_STRING_SIZE], szNickname[TEAM_STRING_SIZE];
            Get_Team_String(szHome, (int)sizeof szHome, n, TEAM_CITY);
            Get_Team_String(szNickname, (int)sizeof szNickname, n, TEAM_NICKNAME);
            if (std::string(szHome) + " " + szNickname == stName)
                return n;
        }
        return NO_TEAM;
    }

    static int Games_Played(int nTeam) {
        int nSeason = Get_Current_Season_Index();
        return Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS) +
               Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES) +
               Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_TIES);
    }

    // Opens the dialog, saves its picture in the case's folder and leaves it with Escape; the
    // step runs first, on the open dialog.
    void Picture_Dialog(int idDialog, const std::string& stName,
                        std::function<void(HWND)> step = nullptr) {
        std::string stPath = m_stHere + "/" + stName + ".png";
        bool bSaved = false;
        Test_Script_Dialog(idDialog, [&](HWND hDlg) {
            if (step)
                step(hDlg);
            bSaved = Test_Snapshot_Dialog(hDlg, stPath);
            Test_Press_Key(hDlg, VK_ESCAPE);
        });
        if (idDialog == IDD_GAME_MATCHUP)
            Run_Game_Matchup_Dialog(nTeam, Get_Team_Opponent(nTeam, gCurrentWeek));
        else
            Do_Dialog(gMainWindow, idDialog, 0);
        EXPECT_TRUE(bSaved) << stName;
        std::printf("%s\n", stPath.c_str());
    }
};

TEST_F(EditorDialogsUniverseTest, PicturesOfTheFilledDialogs) {
    gScoutTeam = nTeam;
    gScoutSlot = First_Player_At(POS_RB);
    ASSERT_GE(gScoutSlot, 0);
    const struct {
        int idDialog;
        const char* szName;
    } kDialogs[] = {
        {IDD_CHANGE_POSITION, "change-position"},
        {IDD_EDIT_PLAYER, "edit-player"},
        {IDD_EDIT_RATINGS, "edit-ratings"},
        {IDD_STADIUM_EDITOR, "stadium-editor"},
        {IDD_LEAGUE_EDITOR, "league-editor"},
        {IDD_CITY_EDITOR, "city-editor"},
        {IDD_RENAME_CITY, "rename-city"},
        {IDD_ADVANCED_TOOLS, "advanced-tools"},
        {IDD_CHOOSE_EXPORT_FOLDER, "export-folder"},
        {IDD_GAME_MATCHUP, "game-matchup"},
        {IDD_PRINT, "print"},
    };
    for (const auto& d : kDialogs)
        Picture_Dialog(d.idDialog, d.szName);
    // The starting quarterback's career in Edit Player.
    gScoutSlot = First_Player_At(POS_QB);
    ASSERT_GE(gScoutSlot, 0);
    Picture_Dialog(IDD_EDIT_PLAYER, "edit-player-career",
                   [](HWND hDlg) { Test_Choose_Row(hDlg, EP_SEASON_VIEW, EP_CAREER_VIEW); });
    Picture_Dialog(IDD_DID_YOU_KNOW, "did-you-know");
}

// The playbook editor on a pass play with a receiver's route list focused (its spot marked in the
// diagram), and on a defensive play.
TEST_F(EditorDialogsUniverseTest, PicturesOfThePlaybookEditor) {
    const struct {
        int bDefence, nFolder, nPlace;
        const char* szName;
    } kShots[] = {{0, 2, 1, "playbook-editor-offence"}, {1, 0, 0, "playbook-editor-defence"}};
    for (const auto& shot : kShots) {
        gPlaybookSide = shot.bDefence;
        gPlaybookFolder = shot.nFolder;
        gPlaybookPlay = shot.nPlace;
        std::string stPath = m_stHere + "/" + shot.szName + ".png";
        bool bSaved = false;
        std::string stLabel;
        Test_Script_Dialog(IDD_PLAYBOOK_EDITOR, [&](HWND hDlg) {
            if (!shot.bDefence)
                SetFocus(GetDlgItem(hDlg, PLAYBOOK_THIRD_ROUTE));
            stLabel = Test_Control_Text(hDlg, PLAYBOOK_FIRST_SPOT_LABEL);
            bSaved = Test_Snapshot_Dialog(hDlg, stPath);
            Test_Press_Key(hDlg, VK_ESCAPE);
        });
        Do_Dialog(gMainWindow, IDD_PLAYBOOK_EDITOR, 0);
        EXPECT_TRUE(bSaved) << shot.szName;
        EXPECT_TRUE(!stLabel.empty() && stLabel[0] != '(') << stLabel;  // a player fills the spot
        std::printf("%s\n", stPath.c_str());
    }
}

TEST_F(EditorDialogsUniverseTest, CommissionerSession) {
    // A running back becomes a fullback.
    gScoutTeam = nTeam;
    gScoutSlot = First_Player_At(POS_RB);
    ASSERT_GE(gScoutSlot, 0);
    int nBackId = Get_Player_ID(nTeam, gScoutSlot);
    float fPower = Get_Player_Rating(nTeam, gScoutSlot, RATING_POWER);
    Test_Script_Dialog(IDD_USER_MESSAGE, [](HWND hDlg) {  // the skinned question: Yes
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_MESSAGE_BUTTON1, BN_CLICKED), 0);
    });
    Test_Script_Dialog(IDD_CHANGE_POSITION, [&](HWND hDlg) {
        Test_Choose_Row(hDlg, CHANGE_POSITION_COMBO, POS_FB - POS_RB);
        Test_Click_Control(hDlg, IDOK);
    });
    Do_Dialog(gMainWindow, IDD_CHANGE_POSITION, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, gScoutSlot, VITAL_POSITION), POS_FB);
    EXPECT_FLOAT_EQ(Get_Player_Rating(nTeam, gScoutSlot, RATING_POWER), 0.95f * fPower);

    // His name and his speed edited.
    Test_Script_Dialog(IDD_EDIT_PLAYER, [&](HWND hDlg) {
        Replace_Box_Text(hDlg, EP_LAST_NAME, "Newname");
        Test_Click_Control(hDlg, 7);  // Edit Ratings
        Test_Click_Control(hDlg, EP_DONE);
    });
    Test_Script_Dialog(IDD_EDIT_RATINGS, [&](HWND hDlg) {
        Replace_Box_Text(hDlg, ER_SPEED_BOX, "88");
        Test_Click_Control(hDlg, ER_DONE);
    });
    Do_Dialog(gMainWindow, IDD_EDIT_PLAYER, 0);
    int nFoundTeam = NO_TEAM, nFoundSlot = NO_PLAYER;
    ASSERT_TRUE(Find_Player_ID_Split(&nFoundTeam, &nFoundSlot, nBackId));
    char szLast[64];
    Get_Player_Last_Name(nFoundTeam, nFoundSlot, szLast, (int)sizeof szLast);
    EXPECT_STREQ(szLast, "Newname");
    EXPECT_FLOAT_EQ(Get_Player_Rating(nFoundTeam, nFoundSlot, RATING_SPEED), 88.0f);

    // A computer team left below 51 by a player deleted in Edit Player, after the warning; the
    // user's own team short too; and a new team added in the League Editor.
    int nShort = nTeam == 0 ? 1 : 0;
    ASSERT_NE(Get_Team_Stat(nShort, TEAM_CONTROL), CONTROL_HUMAN);
    char szHome[TEAM_STRING_SIZE], szNickname[TEAM_STRING_SIZE];
    Get_Team_String(szHome, (int)sizeof szHome, nShort, TEAM_CITY);
    Get_Team_String(szNickname, (int)sizeof szNickname, nShort, TEAM_NICKNAME);
    std::string stShortName = std::string(szHome) + " " + szNickname;  // teams are sorted anew
    for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot > 0 && Count_Players(nShort, ALL_ROSTERS) > 51;
         nSlot--) {
        if (Is_Player_Slot_Used(nShort, nSlot))
            Delete_Player(nShort, nSlot);
    }
    gScoutTeam = nShort;
    gScoutSlot = 0;
    std::string stWarning;
    Test_Script_Dialog(IDD_USER_MESSAGE, [&](HWND hDlg) {  // the skinned question: OK
        stWarning = Test_Control_Text(hDlg, IDC_MESSAGE_TEXT);
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_MESSAGE_BUTTON1, BN_CLICKED), 0);
    });
    Test_Script_Dialog(IDD_EDIT_PLAYER, [](HWND hDlg) { Test_Click_Control(hDlg, EP_DELETE); });
    EXPECT_EQ(Do_Dialog(gMainWindow, IDD_EDIT_PLAYER, 0), 0);
    EXPECT_EQ(Count_Players(nShort, ALL_ROSTERS), 50);
    EXPECT_NE(stWarning.find("below those required"), std::string::npos) << stWarning;
    for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot >= 0 && Count_Players(nTeam, ALL_ROSTERS) >= 51;
         nSlot--) {
        if (Is_Player_Slot_Used(nTeam, nSlot) && nSlot != nFoundSlot)
            Delete_Player(nTeam, nSlot);
    }
    ASSERT_LT(Count_Players(nTeam, ALL_ROSTERS), 51);
    int nTeams = Count_Active_Teams();
    Test_Script_Dialog(IDD_LEAGUE_EDITOR, [&](HWND hDlg) {
        Test_Click_Control(hDlg, LE_ADD_TEAM);
        Test_Click_Control(hDlg, IDOK);
    });
    Do_Dialog(gMainWindow, IDD_LEAGUE_EDITOR, 0);
    ASSERT_EQ(Count_Active_Teams(), nTeams + 1);
    int nNew = Find_Team_Named("[Empty Team]");
    ASSERT_NE(nNew, NO_TEAM);
    nShort = Find_Team_Named(stShortName);

    // The weeks are played until the new team has played (one team of 33 sits out a week).
    gCommissionerMode = 0;
    int nWeek = gCurrentWeek;
    while (Games_Played(nNew) == 0 && gCurrentWeek < nWeek + 2)
        Advance_Weeks(1);
    int nWeeks = gCurrentWeek - nWeek;
    EXPECT_EQ(Games_Played(nNew), 1);
    EXPECT_GE(Games_Played(nShort), nWeeks - 1);  // a bye at the most
    EXPECT_GE(Games_Played(Get_User_Team()), nWeeks - 1);
    EXPECT_GE(Count_Players(nShort, ALL_ROSTERS), 51);  // the computer's step filled it
    std::printf("after %d weeks: the short computer team has %d players, the user's team %d\n",
                nWeeks, Count_Players(nShort, ALL_ROSTERS),
                Count_Players(Get_User_Team(), ALL_ROSTERS));

    // The league's passing statistics printed to CSV and to HTML.
    for (int nFormat : {1, 3}) {
        Test_Script_Dialog(IDD_PRINT, [&](HWND hDlg) {
            int nAll = (int)SendDlgItemMessageA(hDlg, PRINT_TEAMS, CB_GETCOUNT, 0, 0) - 1;
            Test_Choose_Row(hDlg, PRINT_TEAMS, nAll);
            Test_Choose_Row(hDlg, PRINT_SORT, PRINT_PASS_YARDS);
            Test_Choose_Row(hDlg, PRINT_FORMAT, nFormat);
            Replace_Box_Text(hDlg, PRINT_FILE_NAME, "league-passing");
            Test_Click_Control(hDlg, IDOK);
            Test_Click_Control(hDlg, IDCANCEL);
        });
        Do_Dialog(gMainWindow, IDD_PRINT, 0);
    }
    std::string stCsv = Read_Text_File("Output/league-passing.csv");
    std::string stHtml = Read_Text_File("Output/league-passing.htm");
    EXPECT_EQ(stCsv.rfind("Last,First,Team,G,Att,Com,Yards", 0), 0u);
    EXPECT_GT(std::count(stCsv.begin(), stCsv.end(), '\n'), 30);
    EXPECT_NE(stHtml.find("<PRE>"), std::string::npos);
    Write_Text_File(m_stHere + "/league-passing.csv", stCsv);
    Write_Text_File(m_stHere + "/league-passing.htm", stHtml);
    std::printf("%s/league-passing.csv\n", m_stHere.c_str());
}

}  // namespace
