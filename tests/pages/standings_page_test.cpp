// The Standings page's places under the mouse: the column tabs where they are drawn (shifted with
// the earth skin) for both hover and click, the league switch only with two leagues, and a team
// name that opens the team's Calendar page.
#include "fixtures/fixture_league.h"
#include "pages_test_fixture.h"
#include "resources/resource.h"

namespace {

constexpr int kStandingsChoiceButton = 1242;  // the chooser's first column button
constexpr int kStandingsTabY = 80;

class StandingsPageTest : public PagesTest {
protected:
    void SetUp() override {
        PagesTest::SetUp();
        Build_Fixture_League();
        Use_Earth_Skin();
        Update_Standings();
        gDatabaseLoaded = 1;
        Set_User_Preference(PREF_SHOWN_LEAGUE, 0);
    }
};

TEST_F(StandingsPageTest, ATabIsHitWhereItIsDrawn) {
    // With the earth skin the last tab runs from 652 to 736; 730 lies past the unshifted tab.
    const int nLastTab = PREF_STANDINGS_COLUMNS + 4;
    ASSERT_EQ(Get_Standings_Column_X(4), 652);
    EXPECT_EQ(Is_Standings_Page_Hot_Spot(730, kStandingsTabY), 1);
    struct CASE {
        int nChoice;  // -1: Cancel
        int nKept;
    };
    const CASE aCases[] = {{-1, 8}, {39, 39}};
    for (const CASE& c : aCases) {
        SCOPED_TRACE(c.nChoice);
        Set_User_Preference(nLastTab, 8);
        int nShownMeanwhile = -1;
        Test_Script_Dialog(IDD_CHOOSE_STAT, [&](HWND hDlg) {
            nShownMeanwhile = Get_User_Preference(nLastTab);
            int nId = c.nChoice < 0 ? IDCANCEL : kStandingsChoiceButton + c.nChoice;
            SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), 0);
        });
        Click_Standings_Page(730, kStandingsTabY);
        EXPECT_EQ(nShownMeanwhile, 48);  // the column stands empty while the chooser is open
        EXPECT_EQ(Get_User_Preference(nLastTab), c.nKept);
    }
    // Without the earth skin the tabs stand at 300 + 84 k.
    safe_strncpy(gSkinName, "ice", sizeof gSkinName);
    EXPECT_EQ(Is_Standings_Page_Hot_Spot(730, kStandingsTabY), 0);
    EXPECT_EQ(Is_Standings_Page_Hot_Spot(710, kStandingsTabY), 1);
}

TEST_F(StandingsPageTest, TheHeadingSwitchesLeaguesOnlyWhenThereAreTwo) {
    ASSERT_EQ(Count_Active_Leagues(), 2);
    EXPECT_EQ(Is_Standings_Page_Hot_Spot(200, 30), 1);
    Click_Standings_Page(200, 30);
    EXPECT_EQ(Get_User_Preference(PREF_SHOWN_LEAGUE), 1);
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++) {
        if (Get_Team_Stat(nTeam, TEAM_DIVISION) >= 4)  // the second league's divisions
            Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_NOT_IN_USE);
    }
    Set_User_Preference(PREF_SHOWN_LEAGUE, 0);
    ASSERT_EQ(Count_Active_Leagues(), 1);
    EXPECT_EQ(Is_Standings_Page_Hot_Spot(200, 30), 0);
    Click_Standings_Page(200, 30);
    EXPECT_EQ(Get_User_Preference(PREF_SHOWN_LEAGUE), 0);
}

TEST_F(StandingsPageTest, ATeamNameOpensItsCalendar) {
    int nDivision = 1;
    int nTeam = Get_Division_Standings_Team(nDivision, 2);
    int y = Get_Division_Table_Y(nDivision) + 17 + 14 * 2 + 5;
    EXPECT_EQ(Is_Standings_Page_Hot_Spot(40, y), 1);
    EXPECT_EQ(Is_Standings_Page_Hot_Spot(140, y), 0);  // the W cell
    Click_Standings_Page(40, y);
    EXPECT_EQ(gCurrentPage, CALENDAR_PAGE);
    EXPECT_EQ(gDialogTeam, nTeam);
}

}  // namespace
