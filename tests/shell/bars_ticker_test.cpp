// The bars and the news ticker: the bars' places, the ticker's scroll, pauses and lines on the
// virtual clock, and the score cells during a simulation.
#include <vector>

#include "bars_test_fixture.h"
#include "fixtures/fixture_league.h"
#include "season/season.h"

namespace {

class BarsTickerTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        gShowNewsTicker = 1;
        Create_Button_Bar();
    }

    // Short lines, so that a whole round takes little virtual time.
    static void Bars_Set_Short_Lines() {
        const char* aszLines[NEWS_TICKER_LINE_COUNT] = {"a", "b", "c", "d", "e", "f"};
        for (int i = 0; i < NEWS_TICKER_LINE_COUNT; i++)
            safe_strncpy(gTickerLines[i], aszLines[i], NEWS_TICKER_LINE_SIZE);
    }

    // A repaint waiting before the start would arm the first step 14 ms later instead of at once.
    static void Bars_Restart_Ticker() {
        Stop_News_Ticker();
        Test_Pump_Messages();
        Take_News_Ticker_DC(gNewsBar);
        Start_News_Ticker(gNewsBar);
    }

    // The lines shown, in order, over the virtual time given, sampled every few milliseconds.
    static std::vector<int> Bars_Lines_Over(DWORD nMilliseconds) {
        std::vector<int> anLines = {gTickerLine};
        for (DWORD t = 0; t < nMilliseconds; t += 50) {
            Test_Advance_Clock_And_Run(50);
            if (gTickerLine != anLines.back())
                anLines.push_back(gTickerLine);
        }
        return anLines;
    }
};

TEST_F(BarsTickerTest, BarsSitAtTheBottomAndTheNewsBarGivesWayToThePages) {
    ASSERT_NE(gButtonBar, nullptr);
    ASSERT_NE(gNewsBar, nullptr);
    EXPECT_EQ(gNewsBarHeight, NEWS_BAR_HEIGHT);
    EXPECT_EQ(Bar_Top(gNewsBar), kClientHeight - NEWS_BAR_HEIGHT);
    EXPECT_EQ(Bar_Top(gButtonBar), kClientHeight - NEWS_BAR_HEIGHT - BUTTON_BAR_HEIGHT);
    EXPECT_GT(Get_Bars_Height(), 0);

    gCurrentPage = STANDINGS_PAGE;
    Record_News_Page_Area();
    EXPECT_EQ(gBackBufferHeight, kClientHeight - 60);
    RECT rc;
    EXPECT_EQ(Layout_Page_Client_Rect(&rc), 1);
    EXPECT_EQ(rc.bottom, kClientHeight - 60);

    // The option turned off: the button bar moves down and the pages get 24 more units.
    gShowNewsTicker = 0;
    Destroy_News_Bar();
    EXPECT_EQ(gNewsBar, nullptr);
    EXPECT_EQ(gNewsBarHeight, 0);
    EXPECT_EQ(Bar_Top(gButtonBar), kClientHeight - BUTTON_BAR_HEIGHT);
    Record_News_Page_Area();
    EXPECT_EQ(gBackBufferHeight, kClientHeight - 36);
    // A resize of the main window keeps the bar in its place.
    Resize_Bars();
    EXPECT_EQ(Bar_Top(gButtonBar), kClientHeight - BUTTON_BAR_HEIGHT);

    EXPECT_EQ(Show_Bars(SW_HIDE), 1);
    EXPECT_EQ(Get_Bars_Height(), 0);
    Destroy_Button_Bar();
    EXPECT_EQ(gButtonBar, nullptr);
    EXPECT_EQ(Show_Bars(SW_SHOW), 0);
}

TEST_F(BarsTickerTest, ALineScrollsBarPlusTextWidthStepsThenPauses) {
    Bars_Set_Short_Lines();
    safe_strncpy(gTickerLines[0], "Welcome to Football Vanto!", NEWS_TICKER_LINE_SIZE);
    gSeasonNumber = 1;
    gCurrentWeek = 5;
    Bars_Restart_Ticker();
    RECT rc;
    GetClientRect(gNewsBar, &rc);
    HDC hdc = GetDC(gNewsBar);
    int nWidth = Get_Ticker_Text_Width(hdc, gTickerLines[0]);
    ReleaseDC(gNewsBar, hdc);
    ASSERT_GT(nWidth, 0);
    const int nSteps = rc.right + nWidth;
    EXPECT_EQ(gTickerX, rc.right);
    EXPECT_EQ(gTickerPixelsLeft, nSteps);

    // The first step comes at once (the clock's shortest period); each repaint arms the next
    // 14 ms later. The checks sit 1 ms after a step.
    Test_Advance_Clock_And_Run(11);
    EXPECT_EQ(gTickerX, rc.right - 1);
    Test_Advance_Clock_And_Run(14 * 3);
    EXPECT_EQ(gTickerX, rc.right - 4);

    // All the steps but the last, then the last one arms the pause.
    Test_Advance_Clock_And_Run(14 * (DWORD)(nSteps - 5));
    EXPECT_EQ(gTickerPixelsLeft, 1);
    EXPECT_EQ(gTickerLine, 0);
    Test_Advance_Clock_And_Run(14);
    EXPECT_EQ(gTickerX, -1);
    EXPECT_EQ(gTickerPixelsLeft, -1);
    Test_Advance_Clock_And_Run(NEWS_TICKER_PAUSE_PERIOD - 2);
    EXPECT_EQ(gTickerLine, 0);
    Test_Advance_Clock_And_Run(2);
    EXPECT_EQ(gTickerLine, 1);
    EXPECT_EQ(gTickerX, rc.right);
}

TEST_F(BarsTickerTest, FirstSeasonWeekZeroShowsFourLinesLaterAllSix) {
    Bars_Set_Short_Lines();
    gSeasonNumber = 0;
    gCurrentWeek = 0;
    Bars_Restart_Ticker();
    const DWORD nRound = 8 * (14 * (kClientWidth + 20) + NEWS_TICKER_PAUSE_PERIOD);
    std::vector<int> anFirst = Bars_Lines_Over(nRound);
    ASSERT_GE(anFirst.size(), 6u);
    EXPECT_EQ(std::vector<int>(anFirst.begin(), anFirst.begin() + 6),
              (std::vector<int>{0, 1, 2, 3, 0, 1}));

    gCurrentWeek = 3;
    Bars_Restart_Ticker();
    std::vector<int> anLater = Bars_Lines_Over(nRound);
    ASSERT_GE(anLater.size(), 7u);
    EXPECT_EQ(std::vector<int>(anLater.begin(), anLater.begin() + 7),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));
}

TEST_F(BarsTickerTest, StoppedTickerStaysStillAndEmptyLinesArmNothing) {
    Bars_Set_Short_Lines();
    Bars_Restart_Ticker();
    Test_Advance_Clock_And_Run(100);
    Stop_News_Ticker();
    EXPECT_EQ(gTickerX, NEWS_TICKER_STOPPED_X);
    EXPECT_EQ(gTickerLine, 0);
    EXPECT_EQ(gTickerPixelsLeft, 0);
    Test_Advance_Clock_And_Run(5000);
    EXPECT_EQ(gTickerX, NEWS_TICKER_STOPPED_X);

    // An empty line takes its first step, then no repaint arms another.
    gTickerLines[0][0] = 0;
    Bars_Restart_Ticker();
    Test_Advance_Clock_And_Run(1000);
    RECT rc;
    GetClientRect(gNewsBar, &rc);
    EXPECT_EQ(gTickerX, rc.right - 1);
}

TEST_F(BarsTickerTest, ScoreCellsCutTheBarInNinthsDuringASimulation) {
    struct CASE {
        int nCell;
        int nLeft, nRight;
        UINT uAlign;
    } const aCases[] = {
        {0, 10, 30, DT_RIGHT}, {1, 30, 50, DT_CENTER}, {2, 50, 70, DT_LEFT},
        {3, 70, 90, DT_RIGHT}, {8, 170, 190, DT_LEFT},
    };
    for (const CASE& c : aCases) {
        RECT rc;
        Get_Score_Cell_Rect(c.nCell, 180, 24, &rc);
        EXPECT_EQ(rc.left, c.nLeft) << c.nCell;
        EXPECT_EQ(rc.right, c.nRight) << c.nCell;
        EXPECT_EQ(rc.bottom, 24);
        EXPECT_EQ(Get_Score_Cell_Format(c.nCell), c.uAlign | DT_SINGLELINE | DT_VCENTER);
    }

    EXPECT_FALSE(Is_Score_Cells_Time());
    gSimulationRunning = 1;
    gCurrentWeek = 3;
    gRunTargetWeek = 5;
    EXPECT_TRUE(Is_Score_Cells_Time());
    gCurrentWeek = 5;
    EXPECT_FALSE(Is_Score_Cells_Time());
    GAME game = {};
    gLiveGame = &game;
    EXPECT_TRUE(Is_Score_Cells_Time());
    gLiveGame = NULL;

    // Before a game has finished the second cell reads "Simulating...".
    Clear_Score_Ticker();
    char szCell[64];
    Get_Score_Ticker_Line(1, szCell, sizeof szCell);
    EXPECT_STREQ(szCell, "Simulating...");
}

}  // namespace

namespace {

class BarsTickerTextTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        Build_Fixture_League();
        gSeasonNumber = 1;
    }

    static std::string Bars_Leader_Row(int nTeam, int nSlot, int nValue, char cEnd) {
        char szName[64], szTeam[TEAM_STRING_SIZE], szRow[128];
        Get_Player_Abbreviated_Name(nTeam, nSlot, szName, sizeof szName);
        Get_Team_String(szTeam, sizeof szTeam, nTeam, 0);
        Format_String(szRow, sizeof szRow, "%s (%s) %d%c    ", szName, szTeam, nValue, cEnd);
        return szRow;
    }
};

// An advance stops the ticker while it plays and restarts it afterwards on the season it played;
// a resumed game's ticker runs on the season the file stands in.
TEST_F(BarsTickerTextTest, AnAdvanceRestartsTheTickerOnTheCurrentSeason) {
    for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
        gPostseasonWeeks[n] = 17 + n;
    gShowNewsTicker = 1;
    gCurrentWeek = 0;
    Create_Button_Bar();
    ASSERT_NE(gNewsBar, nullptr);
    EXPECT_EQ(gTickerSeasonKind, 1);
    gCurrentWeek = 3;
    Advance_Weeks(1);
    EXPECT_EQ(gCurrentWeek, 4);
    EXPECT_EQ(gTickerSeasonKind, 0);
    EXPECT_EQ(gTickerYear, Get_Season_Year());
    EXPECT_NE(gTickerX, NEWS_TICKER_STOPPED_X);

    Stop_News_Ticker();
    gCurrentWeek = 6;
    gTickerSeasonKind = 1;
    Refresh_Main_Window_After_Resume();
    EXPECT_EQ(gTickerSeasonKind, 0);
    EXPECT_NE(gTickerX, NEWS_TICKER_STOPPED_X);
}

// Week 0 describes the season before; the leaders are ranked best first, an equal value
// behind the earlier team, the last row ending with a full stop.
TEST_F(BarsTickerTextTest, LinesDescribeTheRightSeasonWithLeadersBestFirst) {
    const int kLastSeason = 1, kPassYards = 5;
    Set_Player_Stat(3, 0, kLastSeason, kPassYards, 4000);
    Set_Player_Stat(7, 0, kLastSeason, kPassYards, 4500);
    Set_Player_Stat(1, 0, kLastSeason, kPassYards, 4000);
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        Set_Team_Totals_Stat(nTeam, 0, kLastSeason, OFF_RUSHING_YARDS, 1500 + nTeam);
        Set_Team_Totals_Stat(nTeam, 4, kLastSeason, OFF_RUSHING_YARDS, 1500 + nTeam);
    }
    gCurrentWeek = 0;
    Build_News_Ticker_Text();
    const int nFirstYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    EXPECT_EQ(gTickerSeasonKind, 1);
    EXPECT_EQ(gTickerYear, nFirstYear);
    EXPECT_STREQ(gTickerLines[0], "Welcome to Football Vanto!");
    std::string stExpected = std::to_string(nFirstYear) +
                             " Passing Yards Leaders:   " + Bars_Leader_Row(7, 0, 4500, ',') +
                             Bars_Leader_Row(1, 0, 4000, ',') + Bars_Leader_Row(3, 0, 4000, '.');
    EXPECT_EQ(std::string(gTickerLines[1]), stExpected);
    EXPECT_EQ(std::string(gTickerLines[4])
                  .rfind("Top 10 NFL Offenses of " + std::to_string(nFirstYear) + ":   1. ", 0),
              0u);
    EXPECT_EQ(std::string(gTickerLines[5])
                  .rfind("Top 10 NFL Defenses of " + std::to_string(nFirstYear) + " :   1. ", 0),
              0u);
    // Ten team rows, each ending with its full stop and four blanks: the most yards first on
    // offence, the fewest allowed first on defence.
    int nRows = 0;
    for (const char* p = gTickerLines[4]; (p = strstr(p, "pass yards.    ")) != NULL; p++)
        nRows++;
    EXPECT_EQ(nRows, 10);
    char szLast[TEAM_STRING_SIZE], szFirst[TEAM_STRING_SIZE];
    Get_Team_String(szLast, sizeof szLast, Count_Active_Teams() - 1, 0);
    Get_Team_String(szFirst, sizeof szFirst, 0, 0);
    EXPECT_NE(strstr(gTickerLines[4], (std::string("1. ") + szLast + ": ").c_str()), nullptr);
    EXPECT_NE(strstr(gTickerLines[5], (std::string("1. ") + szFirst + ": ").c_str()), nullptr);

    gCurrentWeek = 5;
    Build_News_Ticker_Text();
    EXPECT_EQ(gTickerSeasonKind, 0);
    EXPECT_EQ(gTickerYear, nFirstYear + 1);
    EXPECT_EQ(std::string(gTickerLines[2]),
              std::to_string(nFirstYear + 1) + " Rushing Yards Leaders:   ");
}

}  // namespace
