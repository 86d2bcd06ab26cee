// The team and setting dialogs filled for the user's team of the default universe, as pictures in
// the case's folder.
#include <string>

#include "universe/universe_window_fixture.h"

namespace {

#define SHOT_STARTERS 1079
#define SHOT_RESERVES 1030
#define SHOT_KICK_RETURNER 1028
#define SHOT_PLAYBOOK_LIST 1444

class TeamDialogsScreenshotTest : public UniverseWindowTest {};

TEST_F(TeamDialogsScreenshotTest, TeamDialogsOpenFilled) {
    const struct {
        int idDialog;
        const char* szPicture;
        int nListId;   // a list that must hold rows, 0 for none
        int nMinRows;
    } kShots[] = {
        {IDD_OFFENSE, "offense.png", SHOT_STARTERS, 11},
        {IDD_DEFENSE, "defense.png", SHOT_RESERVES, 1},
        {IDD_SPECIAL_TEAMS, "special_teams.png", SHOT_STARTERS, 2},
        {IDD_OPTIONS, "options.png", 0, 0},
        {IDD_DATABASE_NOTES, "database_notes.png", 0, 0},
        {IDD_PLAY_MULTIPLE_SEASONS, "play_multiple_seasons.png", 0, 0},
        {IDD_INJURY_CONTINGENCY, "injury_contingency.png", 0, 0},
        {IDD_SAVE_PLAYBOOK, "save_playbook.png", 0, 0},
        {IDD_LOAD_PLAYBOOK, "load_playbook.png", SHOT_PLAYBOOK_LIST, 2},
    };
    gPlaybookSide = 1;
    for (const auto& shot : kShots) {
        SCOPED_TRACE(shot.szPicture);
        int nRows = -1;
        std::string stPicture = m_stHere + "/" + shot.szPicture;
        Test_Script_Dialog(shot.idDialog, [&](HWND hDlg) {
            if (shot.nListId)
                nRows = (int)SendDlgItemMessageA(hDlg, shot.nListId, LB_GETCOUNT, 0, 0);
            EXPECT_TRUE(Test_Snapshot_Dialog(hDlg, stPicture));
        });
        Open_Dialog(gMainWindow, shot.idDialog);
        if (shot.nListId) {
            EXPECT_GE(nRows, shot.nMinRows);
        }
        std::printf("%s\n", stPicture.c_str());
    }
}

}  // namespace
