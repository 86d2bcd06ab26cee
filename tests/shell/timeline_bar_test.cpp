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
            EXPECT_EQ(Find_Timeline_Box(nLeft + TIMELINE_TEST_BOX_MIDDLE, TIMELINE_TEST_TEXT_ROW),
                      k);
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

TEST_F(TimelineBarTest, PostseasonWeeksAreNamedAndAskedByTheirRound) {
    struct CASE {
        int nYear;
        int nRound;  // weeks after the first postseason week
        const char* szName;
        const char* szQuestion;  // asked while the round is the current week
    };
    const CASE aCases[] = {
        {2019, 0, "Wildcard", "Simulate every game in the Wild Card round of the playoffs?"},
        {2019, 1, "Divisional", "Simulate every Division Playoff Game?"},
        {2019, 2, "Conference", "Simulate the Conference Title Games?"},
        {1969, 2, "Title Game", "Simulate the Conference Title Games?"},
        {1970, 2, "Conference", "Simulate the Conference Title Games?"},
        {2019, 3, "Super Bowl", "Simulate the Super Bowl?"},
        {2019, 4, "Off-Season", ""},
        {2019, 5, "", ""},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << c.nYear << " round " << c.nRound);
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, c.nYear - gSeasonNumber);
        char szText[256];
        Get_Timeline_Phase_Name(szText, sizeof szText, TIMELINE_TEST_POSTSEASON + c.nRound);
        EXPECT_STREQ(szText, c.szName);
        gCurrentWeek = TIMELINE_TEST_POSTSEASON + c.nRound;
        gRecentErrors[0] = 0;
        Get_Playoff_Simulation_Message(szText, sizeof szText);
        EXPECT_STREQ(szText, c.szQuestion);
        // Outside the four rounds the question is empty and the fault reported.
        EXPECT_EQ(strstr(Get_Recent_Errors(), "Invalid nCurrentWeek") != NULL,
                  c.szQuestion[0] == 0);
    }
}

// The user's schedule: away at team 5 in week 4, home to team 6 in week 5, no game in week 6,
// home to team 8 in week 7.
void Timeline_Set_User_Schedule() {
    for (int nWeek = 0; nWeek < 22; nWeek++)
        Set_Team_Schedule_Stat(FIXTURE_HUMAN_TEAM, nWeek, SCHEDULE_OPPONENT, 0);
    Set_Team_Schedule_Stat(FIXTURE_HUMAN_TEAM, 4, SCHEDULE_OPPONENT, -(5 + 1));
    Set_Team_Schedule_Stat(FIXTURE_HUMAN_TEAM, 5, SCHEDULE_OPPONENT, 6 + 1);
    Set_Team_Schedule_Stat(FIXTURE_HUMAN_TEAM, 7, SCHEDULE_OPPONENT, 8 + 1);
}

std::string Timeline_Team_String(int nTeam, int nString) {
    char szText[256];
    Get_Team_String(szText, sizeof szText, nTeam, nString);
    return szText;
}

std::string Timeline_Week_Text() {
    char szText[256];
    Format_Timeline_Week_Text(szText, sizeof szText);
    return szText;
}

// The five box labels, a done or closed off-season step marked with '*'.
std::string Timeline_Box_Labels() {
    std::string stLabels;
    for (int k = 0; k < 5; k++) {
        char szText[256];
        int bDone = 0;
        Format_Timeline_Box_Label(k, szText, sizeof szText, &bDone);
        stLabels += std::string(szText) + (bDone ? "*" : "") + "|";
    }
    return stLabels;
}

TEST_F(TimelineBarTest, WeekTextAndBoxLabelsFollowTheSeason) {
    gUserTeam = FIXTURE_HUMAN_TEAM;
    Timeline_Set_User_Schedule();
    for (int nSlot = 0; nSlot < PLAYOFF_SLOT_COUNT; nSlot++)
        Set_Playoff_Team(nSlot, NO_TEAM);
    char szRecord[64];
    Format_Team_Record(szRecord, sizeof szRecord, 5);

    gCurrentWeek = 4;
    EXPECT_EQ(Timeline_Week_Text(),
              "Week 5 @" + Timeline_Team_String(5, TEAM_CITY) + " (" + szRecord + ")");
    EXPECT_EQ(Timeline_Box_Labels(),
              "Week 6 " + Timeline_Team_String(6, TEAM_ABBREVIATION) + "|Bye week|Week 8 " +
                  Timeline_Team_String(8, TEAM_ABBREVIATION) + "|Bye week|Bye week|");
    gCurrentWeek = 6;
    EXPECT_EQ(Timeline_Week_Text(), "No Game This Week");
    gCurrentWeek = 16;
    EXPECT_EQ(Timeline_Box_Labels(), "Playoffs|Super Bowl|Off-Season|||");

    // The postseason: a bye, then an opponent, then out.
    gCurrentWeek = TIMELINE_TEST_POSTSEASON;
    Set_Playoff_Team(2, FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Timeline_Week_Text(), "1st Round Bye");
    Set_Playoff_Team(3, 7);
    EXPECT_EQ(Timeline_Week_Text(), "Wildcard " + Timeline_Team_String(7, TEAM_CITY));
    Set_Team_Record_Char(FIXTURE_HUMAN_TEAM, YEARLY_PLAYOFF_LOSSES, 1);
    EXPECT_EQ(Timeline_Week_Text(), "Wildcard");
    gCurrentWeek = TIMELINE_TEST_POSTSEASON + 1;
    EXPECT_EQ(Timeline_Box_Labels(), "Conference|Super Bowl|Off-Season|||");

    // The off-season: nothing to renew counts Renew Contracts as done.
    gCurrentWeek = TIMELINE_TEST_POSTSEASON + 4;
    const int anStart[] = {0, 0, 1, 1};
    for (int k = 0; k < 4; k++)
        Set_User_Preference(PREF_OFF_SEASON_STEPS + k, anStart[k]);
    EXPECT_EQ(Timeline_Week_Text(), "Off-Season");
    EXPECT_EQ(Timeline_Box_Labels(), "Renew Contracts*|Free Agents|College Draft*|Begin Season*||");
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
    // The list opens first; pricing the free agents may refill the pool after it.
    EXPECT_EQ(Test_Get_Transcript().front().nTemplateId, IDD_SORTABLE_STATS);
    EXPECT_EQ(Test_Get_Transcript().front().lParam, 1);

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
