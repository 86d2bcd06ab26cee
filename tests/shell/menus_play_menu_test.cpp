// The Play menu: its items for each phase of the season, the draft, and while a run goes on.
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "menus_window_fixture.h"
#include "personnel/personnel.h"

namespace menus_play_menu_test {

using menus_test::Menus_Item_Texts;
using menus_test::MenusWindowTest;

#define MENUS_REGULAR_WEEKS 17

// The last items every phase's menu ends with.
const std::vector<std::string> kMenusTail = {"-", "Play Multiple &Seasons..."};

std::vector<std::string> Menus_With_Tail(std::vector<std::string> aItems) {
    aItems.insert(aItems.end(), kMenusTail.begin(), kMenusTail.end());
    return aItems;
}

class MenusPlayMenuTest : public MenusWindowTest {
protected:
    HMENU hPlay = nullptr;
    void SetUp() override {
        MenusWindowTest::SetUp();
        Build_Fixture_League();
        for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
            gPostseasonWeeks[n] = MENUS_REGULAR_WEEKS + n;
        gLiveGame = NULL;
        gAdvanceInProgress = 0;
        gSimulationRunning = 0;
        gRunTargetWeek = 0;
        hPlay = Get_Main_Submenu(MAIN_MENU_PLAY);
        ASSERT_NE(hPlay, nullptr);
    }
    void TearDown() override {
        gLiveGame = NULL;
        gAdvanceInProgress = 0;
        gDraftRound = NO_DRAFT_ROUND;
        MenusWindowTest::TearDown();
    }
    std::vector<std::string> Play_Menu_For_Week(int nWeek) {
        gCurrentWeek = nWeek;
        Build_Play_Menu();
        return Menus_Item_Texts(hPlay);
    }
};

TEST_F(MenusPlayMenuTest, SeasonWeeksOfferTheAdvancesLeft) {
    const std::string W = "One &Week\tCtrl+1", M = "One &Month\tCtrl+4";
    const std::string T = "&Two Months\tCtrl+8", D = "&Until Trading Deadline\tCtrl+9";
    const std::string P = "Until &Playoffs\tCtrl+0", R = "&Through Playoffs\tCtrl+0";
    const struct {
        int nWeek;
        std::vector<std::string> aItems;
    } kCases[] = {
        {0, {W, M, T, D, P}}, {8, {W, M, T, D, P}}, {9, {W, M, D, P}},  // no Two Months from week 9
        {10, {W, M, D, P}},   {11, {W, M, P}},      {12, {W, M, P}},
        {13, {W, P}},                        // the last four regular-season weeks
        {16, {W, P}},         {17, {W, R}},  // the postseason
        {22, {W, R}},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Play_Menu_For_Week(c.nWeek), Menus_With_Tail(c.aItems)) << "week " << c.nWeek;
    gCurrentWeek = 0;
    Build_Play_Menu();
    EXPECT_EQ(GetMenuItemID(hPlay, 3), (UINT)ID_PLAY_TRADING_DEADLINE);
    EXPECT_EQ(GetMenuItemID(hPlay, 4), (UINT)ID_PLAY_REST_OF_SEASON);
}

TEST_F(MenusPlayMenuTest, AfterTheSeasonTheDraftPoolDecides) {
    Clear_Draft_Pool();
    EXPECT_EQ(Play_Menu_For_Week(23), Menus_With_Tail({"&Start Next Season"}));
    EXPECT_EQ(GetMenuItemID(hPlay, 0), (UINT)ID_PLAY_REST_OF_SEASON);
    Fill_Draft_Pool();
    ASSERT_GT(Count_Draft_Pool_Players(), 100);
    EXPECT_EQ(Play_Menu_For_Week(23), Menus_With_Tail({"&Renew Contracts"}));
    EXPECT_EQ(GetMenuItemID(hPlay, 0), (UINT)ID_PLAY_REST_OF_SEASON);
    EXPECT_EQ(Play_Menu_For_Week(OFF_SEASON_WEEK), Menus_With_Tail({"&Start College Draft"}));
    EXPECT_EQ(GetMenuItemID(hPlay, 0), (UINT)ID_PLAY_START_DRAFT);
}

TEST_F(MenusPlayMenuTest, DraftOffersThePickOnlyToAPersonOnTheClock) {
    Fill_Draft_Pool();
    gDraftRound = 2;
    gDraftPick = 0;
    int nColumn = Get_Draft_Order_Team(0);
    Set_Draft_Pick_Owner(0, 2, nColumn, FIXTURE_HUMAN_TEAM + 1);  // a computer team
    EXPECT_EQ(Play_Menu_For_Week(OFF_SEASON_WEEK), Menus_With_Tail({"&Continue Draft"}));
    Set_Draft_Pick_Owner(0, 2, nColumn, FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Play_Menu_For_Week(OFF_SEASON_WEEK),
              Menus_With_Tail({"&Make Draft Pick", "&End Draft"}));
    EXPECT_EQ(GetMenuItemID(hPlay, 0), (UINT)ID_PLAYERS_COLLEGE_DRAFT);
    EXPECT_EQ(GetMenuItemID(hPlay, 1), (UINT)ID_PLAY_END_DRAFT);
    gAllTeamsComputer = 1;
    EXPECT_EQ(Play_Menu_For_Week(OFF_SEASON_WEEK), Menus_With_Tail({"&Continue Draft"}));
    gAllTeamsComputer = 0;
}

// A draft started from the menu (after No to the question at the off-season) runs the computer's
// picks and stops at the person's: the menu then offers that pick and End Draft, also after
// Continue Draft.
TEST_F(MenusPlayMenuTest, DraftStartedFromTheMenuOffersThePersonsPick) {
    Fill_Draft_Pool();
    Reset_Draft_Pick_Ownership();
    gCurrentWeek = OFF_SEASON_WEEK;
    Compute_Draft_Order();
    const int nComputerTeam = FIXTURE_HUMAN_TEAM + 1;
    for (int nPlace = 0; nPlace < 2; nPlace++)
        Set_Draft_Pick_Owner(0, 0, Get_Draft_Order_Team(nPlace), nComputerTeam);
    Set_Draft_Pick_Owner(0, 0, Get_Draft_Order_Team(2), FIXTURE_HUMAN_TEAM);
    const std::vector<std::string> aPersonsPick = Menus_With_Tail({"&Make Draft Pick", "&End Draft"});

    End_Off_Season();
    EXPECT_EQ(gDraftRound, 0);
    EXPECT_EQ(gDraftPick, 2);
    EXPECT_EQ(Menus_Item_Texts(hPlay), aPersonsPick);
    Resume_College_Draft();
    EXPECT_EQ(gDraftPick, 2);
    EXPECT_EQ(Menus_Item_Texts(hPlay), aPersonsPick);
}

// Building the menu only asks whether the draft is on: an empty pool does not end the draft.
TEST_F(MenusPlayMenuTest, BuildingTheMenuNeverEndsTheDraft) {
    Test_Set_Strict(true, [](const TEST_SHOWN& shown) { ADD_FAILURE() << shown.stText; });
    Clear_Draft_Pool();
    gDraftRound = 4;
    gDraftPick = 3;
    Play_Menu_For_Week(OFF_SEASON_WEEK);
    EXPECT_EQ(gDraftRound, 4);
    EXPECT_EQ(gDraftPick, 3);
    EXPECT_TRUE(Test_Get_Transcript().empty());
    Test_Set_Strict(false);
}

TEST_F(MenusPlayMenuTest, RunningAdvanceHoldsStopOrTheWatchedGamesCommands) {
    gCurrentWeek = 3;
    gAdvanceInProgress = 1;
    gRunTargetWeek = 4;
    Set_Game_Menu(NULL);
    EXPECT_EQ(Menus_Item_Texts(hPlay), (std::vector<std::string>{"&Stop"}));
    EXPECT_EQ(GetMenuItemID(hPlay, 0), (UINT)ID_PLAY_STOP);

    gLiveGame = &gGames[0];
    Set_Game_Menu(NULL);
    EXPECT_EQ(
        Menus_Item_Texts(hPlay),
        (std::vector<std::string>{"Finish &Quarter\tCtrl+Q", "&Finish Game\tCtrl+G",
                                  "&View Game Recap\tCtrl+R", "&View Box Score", "&Call Timeout"}));

    // The run's last week played: the phase's menu is back, though the advance is finishing.
    gLiveGame = NULL;
    gCurrentWeek = 4;
    Set_Game_Menu(NULL);
    EXPECT_EQ(GetMenuItemID(hPlay, 0), (UINT)ID_PLAY_ONE_WEEK);
}

TEST_F(MenusPlayMenuTest, AGivenMenuIsFilledInsteadOfTheMainWindows) {
    HMENU hOwn = CreatePopupMenu();
    gCurrentWeek = 16;
    Set_Game_Menu(hOwn);
    EXPECT_EQ(Menus_Item_Texts(hOwn),
              Menus_With_Tail({"One &Week\tCtrl+1", "Until &Playoffs\tCtrl+0"}));
    EXPECT_EQ(GetMenuItemCount(hPlay), 7) << "the resource's Play menu is untouched";
    DestroyMenu(hOwn);
}

}  // namespace menus_play_menu_test
