// The Save Game and Resume Game dialogs over the fixture league with the main window, headless:
// a game saved under a typed name comes back byte for byte, a name that is a path is refused,
// and the save question asks only after an edit.
#include <gtest/gtest.h>
#include <string.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

namespace {

class SavedGameDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        HINSTANCE hInstance = Get_App_Instance();
        Init_Bitmap_Cache();
        ASSERT_NE(Register_Main_Window_Class(hInstance), 0u);
        ASSERT_NE(Create_Main_Window(hInstance, SW_SHOW), nullptr);
        Create_Dialog_Brushes();
        Build_Fixture_League();
        gDatabaseLoaded = 1;
        gAllTeamsComputer = 0;
        gUserTeam = FIXTURE_HUMAN_TEAM;
        Forget_League_Mark();
    }

    void TearDown() override { Free_Application_Resources(); }

    // The Save Game dialog answered with the name typed and Save; the dialog's result.
    static int Save_As(const std::string& stName) {
        Test_Script_Dialog(IDD_SAVE_GAME, [stName](HWND hDlg) {
            EXPECT_TRUE(Test_Type_Into(hDlg, IDC_SAVE_NAME, stName));
            EXPECT_TRUE(Test_Click_Control(hDlg, IDOK));
            if (IsWindow(hDlg)) {  // refused: the dialog is still open
                EXPECT_TRUE(Test_Click_Control(hDlg, IDCANCEL));
            }
        });
        return Open_Save_Game_Dialog(NULL);
    }

    // The next skinned question answered with its first, second or third button.
    static void Answer_Question(int nButton) {
        Test_Script_Dialog(IDD_USER_MESSAGE, [nButton](HWND hDlg) {
            EXPECT_TRUE(Test_Click_Control(hDlg, IDC_MESSAGE_BUTTON1 + nButton));
        });
    }

    static std::vector<std::string> Message_Boxes() {
        std::vector<std::string> astBoxes;
        for (const TEST_SHOWN& shown : Test_Get_Transcript()) {
            if (shown.nTemplateId == 0 || shown.nTemplateId == IDD_USER_MESSAGE)
                astBoxes.push_back(shown.stCaption + "|" + shown.stText);
        }
        return astBoxes;
    }
};

// A game saved under a typed name and resumed from the list is the league that was saved.
TEST_F(SavedGameDialogsTest, SavedGameResumesByteForByte) {
    ASSERT_EQ(Save_As("My League"), 1);
    ASSERT_TRUE(File_Exists("My League.vnt"));
    std::string stListed;
    auto resume = [&stListed](HWND hDlg) {
        int nItem = (int)SendDlgItemMessageA(hDlg, IDC_SAVED_GAMES, LB_GETCURSEL, 0, 0);
        char szItem[256] = "";
        SendDlgItemMessageA(hDlg, IDC_SAVED_GAMES, LB_GETTEXT, nItem, (LPARAM)szItem);
        stListed = szItem;
        EXPECT_TRUE(Test_Click_Control(hDlg, IDOK));
    };
    // The first loads bring the fixture's hand-made records and record book in line; the league
    // they give is the one to keep.
    for (int nRound = 0; nRound < 2; nRound++) {
        Test_Script_Dialog(IDD_RESUME_GAME, resume);
        ASSERT_EQ(Open_Dialog(gMainWindow, IDD_RESUME_GAME), 1);
        Answer_Question(0);  // "Filename in use": OK
        ASSERT_EQ(Save_As("My League"), 1);
    }
    EXPECT_EQ(stListed, "My League");
    auto pSaved = std::make_unique<SAVED_STATE>();
    memcpy(pSaved.get(), &gSavedState, sizeof(SAVED_STATE));

    Set_Player_Vital_Stat(2, 4, VITAL_SALARY, 999);
    Set_City_Stat(0, 1, 12345);
    Test_Script_Dialog(IDD_RESUME_GAME, resume);
    EXPECT_EQ(Open_Dialog(gMainWindow, IDD_RESUME_GAME), 1);
    EXPECT_EQ(memcmp(pSaved.get(), &gSavedState, sizeof(SAVED_STATE)), 0);
    EXPECT_EQ(Confirm_Save_Changes(NULL), 1);  // nothing changed since the load
}

TEST_F(SavedGameDialogsTest, NameThatIsNotAFileNameIsRefused) {
    const char* const aszNames[] = {"", "../Escaped", "Sub/Folder", "Back\\Slash", ".."};
    for (const char* szName : aszNames) {
        SCOPED_TRACE(szName);
        Test_Clear_Transcript();
        EXPECT_EQ(Save_As(szName), 0);
        std::vector<std::string> astBoxes = Message_Boxes();
        ASSERT_EQ(astBoxes.size(), 1u);
        EXPECT_EQ(astBoxes[0].rfind("Save Game|", 0), 0u) << astBoxes[0];
    }
    EXPECT_FALSE(File_Exists("../Escaped.vnt"));
    EXPECT_FALSE(File_Exists("Sub/Folder.vnt"));
}

// Every kind of edit is noticed: a team's player, a city, a setting and a season line.
TEST_F(SavedGameDialogsTest, SaveQuestionNoticesEditsBeyondTheTeams) {
    ASSERT_EQ(Save_As("Edits"), 1);
    const std::function<void()> aEdits[] = {
        [] { Set_Player_Vital_Stat(3, 1, VITAL_WEIGHT, 301); },
        [] { Set_City_Stat(2, 3, 77000); },
        [] { gAutoSave = !gAutoSave; },
        [] { Set_Universe_Stat(UNIVERSE_SALARY_CAP, 1); },
    };
    for (const auto& edit : aEdits) {
        Mark_League_Unchanged();
        EXPECT_EQ(Confirm_Save_Changes(NULL), 1);
        edit();
        Answer_Question(2);  // Cancel
        EXPECT_EQ(Confirm_Save_Changes(NULL), 0);
    }
    // Looking at another page is no edit.
    Mark_League_Unchanged();
    gCurrentPage = gCurrentPage + 1;
    EXPECT_EQ(Confirm_Save_Changes(NULL), 1);
}

// Yes to the question opens Save Game; the caller goes on only once the game is saved.
TEST_F(SavedGameDialogsTest, YesToTheSaveQuestionSavesThroughTheDialog) {
    Set_Player_Vital_Stat(2, 4, VITAL_SALARY, 999);
    Answer_Question(0);  // Yes
    Test_Script_Dialog(IDD_SAVE_GAME, [](HWND hDlg) { Test_Click_Control(hDlg, IDCANCEL); });
    EXPECT_EQ(Confirm_Save_Changes(NULL), 0);

    Answer_Question(0);  // Yes
    Test_Script_Dialog(IDD_SAVE_GAME, [](HWND hDlg) {
        Test_Type_Into(hDlg, IDC_SAVE_NAME, "Yes Save");
        Test_Click_Control(hDlg, IDOK);
    });
    EXPECT_EQ(Confirm_Save_Changes(NULL), 1);
    EXPECT_TRUE(File_Exists("Yes Save.vnt"));
    Test_Clear_Transcript();
    EXPECT_EQ(Confirm_Save_Changes(NULL), 1);  // saved: no second question
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(SavedGameDialogsTest, DefaultNameFollowsTheSeasonsUntilTyped) {
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 1999);
    gSeasonNumber = 0;
    char szName[256];
    Format_Saved_Game_Description(szName, sizeof szName);
    Set_Saved_Game_Name(szName);
    for (int nSeason = 1; nSeason <= 2; nSeason++) {
        gSeasonNumber = nSeason;
        Update_Default_Save_Name();
    }
    Get_Saved_Game_Name(szName, sizeof szName);
    char szLabel[TEXT_BUFFER_SIZE];
    Get_Team_Label(FIXTURE_HUMAN_TEAM, szLabel, sizeof szLabel);
    EXPECT_EQ(std::string(szName), std::string(szLabel) + " (1999-2001)");

    Set_Saved_Game_Name("Typed Name (1999)");
    gSeasonNumber = 3;
    Update_Default_Save_Name();
    Get_Saved_Game_Name(szName, sizeof szName);
    EXPECT_STREQ(szName, "Typed Name (1999)");

    Set_Team_Stat(5, TEAM_CONTROL, CONTROL_HUMAN);
    Format_Saved_Game_Description(szName, sizeof szName);
    EXPECT_STREQ(szName, "32 teams - 2 players (2002)");
}

}  // namespace
