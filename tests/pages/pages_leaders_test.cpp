// The Leaders page: the top-ten lists by league with their order and ties, the value texts, and
// the clicks on the buttons, the headings and a player's name.
#include <limits.h>

#include "fixtures/fixture_league.h"
#include "pages_test_fixture.h"
#include "resources/resource.h"

namespace {

#define PASS_YARDS_CATEGORY 2
#define PASS_YARDS_STAT 5

class PagesLeadersTest : public PagesTest {
protected:
    void SetUp() override {
        PagesTest::SetUp();
        Build_Fixture_League();
        gDatabaseLoaded = 1;
        for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++)
            for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
                if (Is_Player_Slot_Used(nTeam, nSlot))
                    Set_Player_Stat(nTeam, nSlot, SEASON_CURRENT, PASS_YARDS_STAT, 0);
        for (int j = 0; j < LEADER_LIST_COUNT; j++)
            Set_User_Preference(PREF_LEADER_CATEGORIES + j, PASS_YARDS_CATEGORY);
        Set_User_Preference(PREF_LEADER_VIEW, 0);
        gCurrentPage = LEADERS_PAGE;
    }

    static int First_Team_Of_League(int nLeague, int nAfter) {
        for (int nTeam = nAfter + 1; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
            if (Get_Team_League(nTeam) == nLeague)
                return nTeam;
        return NO_TEAM;
    }
};

TEST_F(PagesLeadersTest, ListsTakeTheLeagueShownKeepScanOrderOnTiesAndLeaveOutZeros) {
    int nA = First_Team_Of_League(0, -1), nB = First_Team_Of_League(0, nA);
    int nOther = First_Team_Of_League(1, -1);
    ASSERT_NE(nB, NO_TEAM);
    ASSERT_NE(nOther, NO_TEAM);
    Set_Player_Stat(nB, 1, SEASON_CURRENT, PASS_YARDS_STAT, 3000);  // scanned after nA
    Set_Player_Stat(nA, 0, SEASON_CURRENT, PASS_YARDS_STAT, 3000);
    Set_Player_Stat(nA, 2, SEASON_CURRENT, PASS_YARDS_STAT, 2500);
    Set_Player_Stat(nOther, 0, SEASON_CURRENT, PASS_YARDS_STAT, 4000);
    Set_Player_Stat(FREE_AGENT_TEAM, 0, SEASON_CURRENT, PASS_YARDS_STAT, 5000);

    struct CASE {
        int nKind;
        std::vector<std::pair<int, int>> expected;  // team, slot from the top
    } const aCases[] = {
        {LEADERS_FIRST_LEAGUE, {{nA, 0}, {nB, 1}, {nA, 2}}},
        {LEADERS_SECOND_LEAGUE, {{nOther, 0}}},
        {LEADERS_BOTH_LEAGUES, {{FREE_AGENT_TEAM, 0}, {nOther, 0}, {nA, 0}, {nB, 1}, {nA, 2}}},
    };
    for (const CASE& c : aCases) {
        Set_User_Preference(PREF_LEADER_KIND, c.nKind);
        Build_Leader_Lists();
        for (int r = 0; r < LEADER_LIST_ROWS; r++) {
            const LEADER_ROW& row = gLeaderLists[3][r];
            if (r < (int)c.expected.size()) {
                EXPECT_EQ(row.nTeam, c.expected[r].first) << "kind " << c.nKind << " row " << r;
                EXPECT_EQ(row.nSlot, c.expected[r].second) << "kind " << c.nKind << " row " << r;
            } else {
                EXPECT_EQ(row.nTeam, NO_TEAM) << "kind " << c.nKind << " row " << r;
                EXPECT_EQ(row.nSlot, -1);
            }
        }
    }
}

TEST_F(PagesLeadersTest, ValueTextsByCategory) {
    struct CASE {
        int nCategory;
        int nValue;
        const char* szText;
    } const aCases[] = {
        {2, 4321, "4,321"}, {2, 0, ""},        {3, 625, "62.5%"},  {5, 725, "7.25"},
        {6, -15, "-1.5"},   {24, 105, "10.5"}, {29, 950, "$950K"}, {29, 12500, "$12.5M"},
        {2, INT_MAX, ""},   {30, 12, ""},
    };
    for (const CASE& c : aCases) {
        char szText[64];
        Format_Leader_Value(c.nCategory, c.nValue, szText, sizeof szText);
        EXPECT_STREQ(szText, c.szText) << c.nCategory << " " << c.nValue;
    }
}

TEST_F(PagesLeadersTest, ButtonsCycleTheKindAndTheSeasonViewByte) {
    Set_User_Preference(PREF_LEADER_KIND, LEADERS_FIRST_LEAGUE);
    const int aKinds[] = {LEADERS_SECOND_LEAGUE, LEADERS_BOTH_LEAGUES, LEADERS_ALL_TIME,
                          LEADERS_FIRST_LEAGUE};
    for (int nKind : aKinds) {
        Click_Leaders_Page(240, 27);
        EXPECT_EQ(Get_User_Preference(PREF_LEADER_KIND), nKind);
    }
    // The season button advances byte 0, or byte 2 (the record-book table) in the all-time view.
    Set_Leaders_View_Byte(LEADER_VIEW_EXPANDED, 0);
    Click_Leaders_Page(500, 27);
    Click_Leaders_Page(500, 27);
    Click_Leaders_Page(500, 27);
    EXPECT_EQ(Get_Leaders_View_Byte(LEADER_VIEW_SEASON), 0);
    Set_User_Preference(PREF_LEADER_KIND, LEADERS_ALL_TIME);
    Click_Leaders_Page(500, 27);
    EXPECT_EQ(Get_Leaders_View_Byte(LEADER_VIEW_TABLE), 1);
    EXPECT_EQ(Get_Leaders_View_Byte(LEADER_VIEW_SEASON), 0);
}

TEST_F(PagesLeadersTest, HeadingsOpenTheChooserOrToggleTheExpandedList) {
    // A cancelled chooser keeps the category; the chooser was asked for preference 114.
    Set_User_Preference(PREF_LEADER_KIND, LEADERS_FIRST_LEAGUE);
    Set_User_Preference(PREF_LEADER_CATEGORIES + 1, 11);
    Test_Script_Dialog(IDD_LEADER_HEADING, [](HWND hDlg) {
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    Click_Leaders_Page(530, 74);
    EXPECT_EQ(Get_User_Preference(PREF_LEADER_CATEGORIES + 1), 11);
    EXPECT_EQ(Get_User_Preference(PREF_CHOSEN_COLUMN), PREF_LEADER_CATEGORIES + 1);
    EXPECT_EQ(Get_Leaders_View_Byte(LEADER_VIEW_EXPANDED), 0);
    // In the all-time view the heading's right end expands list 1 and restores it again.
    Set_User_Preference(PREF_LEADER_KIND, LEADERS_ALL_TIME);
    Click_Leaders_Page(650, 74);
    EXPECT_EQ(Get_Leaders_View_Byte(LEADER_VIEW_EXPANDED), 2);
    EXPECT_EQ(Is_Leaders_Page_Hot_Spot(500, 120), 2);  // a row of the wide list
    Click_Leaders_Page(350, 74);
    EXPECT_EQ(Get_Leaders_View_Byte(LEADER_VIEW_EXPANDED), 0);
}

TEST_F(PagesLeadersTest, ANameOpensTheCardOfTheListedOrRecordBookPlayer) {
    int nTeam = First_Team_Of_League(0, -1);
    Set_Player_Stat(nTeam, 1, SEASON_CURRENT, PASS_YARDS_STAT, 3000);
    Set_User_Preference(PREF_LEADER_KIND, LEADERS_FIRST_LEAGUE);
    Build_Leader_Lists();
    gScoutTeam = gScoutSlot = -1;
    EXPECT_EQ(Is_Leaders_Page_Hot_Spot(150, 90), 2);
    Click_Leaders_Page(150, 90);  // list 0, row 0
    EXPECT_EQ(gScoutTeam, nTeam);
    EXPECT_EQ(gScoutSlot, 1);
    // An empty row opens nothing.
    gScoutTeam = -1;
    Click_Leaders_Page(150, 106);
    EXPECT_EQ(gScoutTeam, -1);

    // A record-book row opens the player found by his id; a player gone opens nothing.
    Set_User_Preference(PREF_LEADER_KIND, LEADERS_ALL_TIME);
    RECORD_BOOK_ROW* pRow = &gRecordBook[0][PASS_YARDS_CATEGORY][0];
    pRow->nPlayerId = Get_Player_ID(5, 2);
    Click_Leaders_Page(150, 90);
    EXPECT_EQ(gScoutTeam, 5);
    EXPECT_EQ(gScoutSlot, 2);
    gScoutTeam = -1;
    pRow->nPlayerId = -1;
    Click_Leaders_Page(150, 90);
    EXPECT_EQ(gScoutTeam, -1);
}

}  // namespace
