// The team and setting dialogs filled for the user's team of the default universe, as pictures in
// the case's folder; and the scheme playbooks the installation ships.
#include <stdio.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "universe/universe_window_fixture.h"

namespace {

#define SHOT_STARTERS 1079
#define SHOT_RESERVES 1030
#define SHOT_PLAYBOOK_LIST 1444
#define SHOT_TEAM_LIST 1132
#define SHOT_PLAYBOOK_NAME 1082

class TeamDialogsScreenshotTest : public UniverseWindowTest {
protected:
    // Opens the dialog (through pOpen, else from the main window), counts the rows of a list that
    // must hold some, and keeps its picture; the row count.
    int Picture_Dialog(int idDialog, const std::string& stName, int nListId,
                       std::function<void()> open = nullptr) {
        int nRows = -1;
        std::string stPicture = m_stHere + "/" + stName;
        Test_Script_Dialog(idDialog, [&](HWND hDlg) {
            if (nListId)
                nRows = (int)SendDlgItemMessageA(hDlg, nListId, LB_GETCOUNT, 0, 0);
            EXPECT_TRUE(Test_Snapshot_Dialog(hDlg, stPicture)) << stName;
        });
        if (open)
            open();
        else
            Open_Dialog(gMainWindow, idDialog);
        std::printf("%s\n", stPicture.c_str());
        return nRows;
    }
};

TEST_F(TeamDialogsScreenshotTest, TeamDialogsOpenFilled) {
    const struct {
        int idDialog;
        const char* szPicture;
        int nListId;  // a list that must hold rows, 0 for none
        int nMinRows;
    } kShots[] = {
        {IDD_OFFENSE, "offense.png", SHOT_STARTERS, 11},
        {IDD_DEFENSE, "defense.png", SHOT_RESERVES, 1},
        {IDD_SPECIAL_TEAMS, "special_teams.png", SHOT_STARTERS, 2},
        {IDD_OPTIONS, "options.png", 0, 0},
        {IDD_DATABASE_NOTES, "database_notes.png", 0, 0},
        {IDD_PLAY_MULTIPLE_SEASONS, "play_multiple_seasons.png", 0, 0},
        {IDD_INJURY_CONTINGENCY, "injury_contingency.png", 0, 0},
        {IDD_OTHER_TEAM, "other_team.png", SHOT_TEAM_LIST, 32},
        {IDD_SAVE_PLAYBOOK, "save_playbook.png", 0, 0},
        {IDD_LOAD_PLAYBOOK, "load_playbook.png", SHOT_PLAYBOOK_LIST, 2},
    };
    gPlaybookSide = 1;
    for (const auto& shot : kShots) {
        SCOPED_TRACE(shot.szPicture);
        int nRows = Picture_Dialog(shot.idDialog, shot.szPicture, shot.nListId);
        if (shot.nListId) {
            EXPECT_GE(nRows, shot.nMinRows);
        }
    }
}

// The four stat choosers of the page columns, each with its buttons named.
TEST_F(TeamDialogsScreenshotTest, StatChoosersOpenFilled) {
    const struct {
        int idDialog;
        int nPreference;
        int nChoices;
        const char* szPicture;
    } kChoosers[] = {
        {IDD_CHOOSE_STAT, PREF_STANDINGS_COLUMNS, 48, "choose_stat_standings.png"},
        {IDD_LEADER_HEADING, PREF_LEADER_CATEGORIES, 30, "choose_stat_leaders.png"},
        {IDD_CHOOSE_STAT_B, PREF_FINANCES_COLUMNS, 50, "choose_stat_team_info.png"},
        {IDD_CHOOSE_STAT_C, PREF_CALENDAR_COLUMNS, 20, "choose_stat_team_stats.png"},
    };
    for (const auto& chooser : kChoosers) {
        SCOPED_TRACE(chooser.szPicture);
        Picture_Dialog(chooser.idDialog, chooser.szPicture, 0, [&] {
            Choose_Page_Column(gMainWindow, chooser.nPreference, chooser.nChoices,
                               chooser.idDialog);
        });
    }
}

// The offensive side: the user's playbook saved under a name, then the Load dialog with the
// analyzer of that file. The file is removed again.
TEST_F(TeamDialogsScreenshotTest, OffensivePlaybookFilesOpenFilled) {
    gPlaybookSide = 0;
    Test_Script_Dialog(IDD_SAVE_PLAYBOOK, [](HWND hDlg) {
        SetDlgItemTextA(hDlg, SHOT_PLAYBOOK_NAME, "Picture-Offense");
        Test_Click_Control(hDlg, IDOK);
    });
    ASSERT_EQ(Open_Dialog(gMainWindow, IDD_SAVE_PLAYBOOK), 1);
    int nRows =
        Picture_Dialog(IDD_LOAD_PLAYBOOK, "load_offensive_playbook.png", SHOT_PLAYBOOK_LIST);
    EXPECT_GE(nRows, 1);
    EXPECT_EQ(remove("playbooks/Picture-Offense.opb"), 0);
}

// The installation ships "4-3" and "3-4" as the scheme playbooks written from the built-in plays.
TEST_F(TeamDialogsScreenshotTest, InstallationShipsTheSchemePlaybooks) {
    for (int nScheme = 0; nScheme <= 1; nScheme++) {
        SCOPED_TRACE(Get_Scheme_Name(nScheme));
        ASSERT_EQ(
            Read_Playbook_File(DEFAULT_PLAYBOOK, PLAYBOOK_FILE_DEFENCE, Get_Scheme_Name(nScheme)),
            1)
            << Get_Playbook_Read_Failure();
        static DEFENSIVE_PLAYBOOK built;
        Build_Scheme_Defensive_Playbook(nScheme, &built);
        const uint8_t* pRead = Get_Scratch_Playbook_Image(1);
        const uint8_t* pBuilt = reinterpret_cast<const uint8_t*>(&built);
        EXPECT_EQ(std::vector<uint8_t>(pRead, pRead + DEFENSIVE_PLAYBOOK_BYTES),
                  std::vector<uint8_t>(pBuilt, pBuilt + DEFENSIVE_PLAYBOOK_BYTES));
    }
}

}  // namespace
