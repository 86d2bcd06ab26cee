// The season timeline on the button bar: its boxes hit where they are drawn at two window
// widths, the question each box asks, the off-season steps, and the computer's draft for the
// user's team handing the team back however the run ends.
#include <filesystem>
#include <string>
#include <vector>

#include "bars_test_fixture.h"
#include "fixtures/fixture_league.h"
#include "resources/resource.h"
#include "season/season.h"

namespace {

#define TIMELINE_TEST_POSTSEASON 17  // c: weeks 17..20 the postseason, 21 on the off-season
#define TIMELINE_TEST_HEIGHT 712
#define TIMELINE_TEST_LEFT_PICTURE 380
#define TIMELINE_TEST_BOX_MIDDLE 67
#define TIMELINE_TEST_TEXT_ROW 20

void Timeline_Write_Picture(const char* szPath, int nWidth, int nHeight) {
    std::filesystem::create_directories(std::filesystem::path(szPath).parent_path());
    int nStride = (nWidth * 3 + 3) / 4 * 4;
    std::vector<unsigned char> abRows((size_t)nStride * nHeight, 90);
    ASSERT_EQ(Save_PNG_File(abRows.data(), szPath, 24, nWidth, nHeight), 1);
}

class TimelineBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Bars_And_Pages_State();
        Build_Fixture_League();
        Init_Bitmap_Cache();
        safe_strncpy(gSkinName, "earth", sizeof gSkinName);
        Timeline_Write_Picture("skins/earth/news/bottombarleft.png", TIMELINE_TEST_LEFT_PICTURE,
                               BUTTON_BAR_HEIGHT);
        gPostseasonWeeks[0] = TIMELINE_TEST_POSTSEASON;
        gCurrentWeek = 4;
        gAdvanceInProgress = 0;
        gSimulationRunning = 0;
        gRunTargetWeek = 0;
        gAllTeamsComputer = 0;
        gTimelineEnabled = 1;
        gCurrentPage = STANDINGS_PAGE;
    }

    void TearDown() override {
        Test_Set_Strict(false);
        Destroy_Button_Bar();
        if (gMainWindow)
            DestroyWindow(gMainWindow);
        gMainWindow = NULL;
        Set_Universe_Stat(UNIVERSE_FANTASY_DRAFT, 0);
    }

    // A main window of the client width with the button bar painted once, which lays it out.
    static void Open_Window(int nWidth) {
        Destroy_Button_Bar();
        Create_Test_Main_Window(DefWindowProcA, nWidth, TIMELINE_TEST_HEIGHT);
        Create_Button_Bar();
        ASSERT_NE(gButtonBar, nullptr);
        InvalidateRect(gButtonBar, NULL, FALSE);
        UpdateWindow(gButtonBar);
    }

    static void Click_Box(int k) {
        int x = Get_Timeline_Box_Left(k) + TIMELINE_TEST_BOX_MIDDLE;
        SendMessageA(gButtonBar, WM_LBUTTONDOWN, 0, MAKELPARAM(x, TIMELINE_TEST_TEXT_ROW));
    }

    // The texts of the message boxes shown, one a line.
    static std::string Shown_Boxes() {
        std::string stTexts;
        for (const TEST_SHOWN& shown : Test_Get_Transcript()) {
            if (shown.nKind == TEST_SHOWN_MESSAGE_BOX)
                stTexts += shown.stText + "\n";
        }
        return stTexts;
    }

    static int Off_Season_Step(int k) {
        return Get_User_Preference(PREF_OFF_SEASON_STEPS + k);
    }
};

TEST_F(TimelineBarTest, BoxesAreHitWhereTheyAreDrawnAtEveryWidth) {
    for (int nWidth : {1024, 1600}) {
        SCOPED_TRACE(nWidth);
        Open_Window(nWidth);
        int nStep = (nWidth - TIMELINE_TEST_LEFT_PICTURE) / 5;
        for (int k = 0; k < 5; k++) {
            int nLeft = Get_Timeline_Box_Left(k);
            EXPECT_EQ(nLeft, TIMELINE_TEST_LEFT_PICTURE + (nStep - 134) / 2 + k * nStep);
            EXPECT_EQ(Find_Timeline_Box(nLeft + TIMELINE_TEST_BOX_MIDDLE, TIMELINE_TEST_TEXT_ROW), k);
            // The outline leans: its top edge starts 13 in, its bottom edge ends 13 short.
            EXPECT_EQ(Find_Timeline_Box(nLeft + 14, 8), k);
            EXPECT_EQ(Find_Timeline_Box(nLeft + 9, 8), -1);
            EXPECT_EQ(Find_Timeline_Box(nLeft + 120, 34), k);
            EXPECT_EQ(Find_Timeline_Box(nLeft - 3, 34), -1);
        }
        // A click on the fourth box, where it is drawn, plays four weeks after the question.
        Test_Clear_Transcript();
        Test_Answer_Message_Box(IDNO);
        Click_Box(3);
        EXPECT_EQ(Shown_Boxes(), "Simulate the next 4 weeks?\n");
        EXPECT_EQ(gCurrentWeek, 4);
    }
    // While the encyclopedia export runs the bar rests.
    gTimelineEnabled = 0;
    int x = Get_Timeline_Box_Left(0) + TIMELINE_TEST_BOX_MIDDLE;
    EXPECT_EQ(Is_Timeline_Hot_Spot(x, TIMELINE_TEST_TEXT_ROW), 0);
    Test_Clear_Transcript();
    Click_Box(0);
    EXPECT_EQ(Shown_Boxes(), "");
}

TEST_F(TimelineBarTest, EachBoxAsksForTheWeeksUpToIt) {
    struct CASE {
        int nWeek;
        int nBox;
        const char* szQuestion;  // empty: the box is not active
    };
    const CASE aCases[] = {
        {4, 0, "Simulate every game in week 5?\n"},
        {4, 3, "Simulate the next 4 weeks?\n"},
        {16, 1, "Simulate the next 4 weeks?\n"},  // "Super Bowl" from the last regular week
        {16, 2, "Simulate the next 5 weeks?\n"},  // "Off-Season"
        {16, 3, ""},
        {15, 2, "Simulate the next 5 weeks?\n"},
    };
    Open_Window(1024);
    for (const CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << "week " << c.nWeek << " box " << c.nBox);
        gCurrentWeek = c.nWeek;
        Test_Clear_Transcript();
        Test_Answer_Message_Box(IDNO);
        Click_Box(c.nBox);
        EXPECT_EQ(Shown_Boxes(), c.szQuestion);
        EXPECT_EQ(gCurrentWeek, c.nWeek);
    }
}

// The off-season: a finished season whose human team has a contract to renew; every advance is
// refused by a fantasy draft, so a click shows what it starts without playing a season.
class TimelineOffSeasonTest : public TimelineBarTest {
protected:
    void SetUp() override {
        TimelineBarTest::SetUp();
        for (int nSlot : {28, 29, 30})
            Set_Playoff_Team(nSlot, 1);
        Set_Player_Vital_Stat(FIXTURE_HUMAN_TEAM, 0, VITAL_CONTRACT_YEARS_LEFT, 1);
        gCurrentWeek = TIMELINE_TEST_POSTSEASON + 4;
        const int anStart[] = {0, 0, 1, 1};
        for (int k = 0; k < 4; k++)
            Set_User_Preference(PREF_OFF_SEASON_STEPS + k, anStart[k]);
        Set_Universe_Stat(UNIVERSE_FANTASY_DRAFT, 1);
        Open_Window(1024);
        Test_Clear_Transcript();
    }
};

TEST_F(TimelineOffSeasonTest, BeginSeasonOpensOnceContractsAndFreeAgentsAreDone) {
    ASSERT_TRUE(Any_Team_Has_Expiring_Contracts());
    Click_Box(1);  // Free Agents: the free-agent list
    EXPECT_EQ(Off_Season_Step(1), 1);
    EXPECT_EQ(Off_Season_Step(3), 1);
    ASSERT_FALSE(Test_Get_Transcript().empty());
    EXPECT_EQ(Test_Get_Transcript().back().nTemplateId, IDD_SORTABLE_STATS);
    EXPECT_EQ(Test_Get_Transcript().back().lParam, 1);

    Click_Box(0);  // Renew Contracts: the off-season's advance, refused here
    EXPECT_EQ(Off_Season_Step(0), 1);
    EXPECT_EQ(Off_Season_Step(2), 0);
    EXPECT_EQ(Off_Season_Step(3), 0);
    EXPECT_NE(Shown_Boxes().find("can't play games during the Fantasy Draft"), std::string::npos);
}

TEST_F(TimelineOffSeasonTest, TheComputerDraftsForTheUserOnlyWhileTheRunLasts) {
    for (int nTeam : {FIRST_DRAFT_POOL_TEAM, FIRST_DRAFT_POOL_TEAM + 1}) {
        for (int nSlot = 0; nSlot < 60; nSlot++)
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, 900000 + nTeam * 100 + nSlot);
    }
    ASSERT_GT(Count_Draft_Pool_Players(), 100);

    // Declining leaves everything as it was.
    Test_Answer_Message_Box_With_Text("computer to draft for you", IDNO);
    Click_Box(3);
    EXPECT_EQ(Shown_Boxes(), "Are you sure you want the computer to draft for you?\n");
    EXPECT_EQ(gAllTeamsComputer, 0);

    // Accepting runs the advance with every team the computer's; it is refused, and the user's
    // team is the user's again.
    int nAllComputerDuringRun = -1;
    Test_Answer_Message_Box_With_Text("computer to draft for you", IDYES);
    Test_Set_Strict(true, [&](const TEST_SHOWN&) { nAllComputerDuringRun = gAllTeamsComputer; });
    Click_Box(3);
    EXPECT_EQ(nAllComputerDuringRun, 1);
    EXPECT_EQ(gAllTeamsComputer, 0);
    EXPECT_TRUE(Is_Human_Team(FIXTURE_HUMAN_TEAM));
}

}  // namespace
