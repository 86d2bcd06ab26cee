// The game-day screen: a watched game coached by keys plays the same whether or not the screen is
// painted and resized between plays; the picker's keys and cells; a diagram leaves the game's
// generator alone.
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/user_waits.h"
#include "core/host_services.h"
#include "database/saved_state.h"
#include "engine/engine.h"
#include "fixtures/fixture_league.h"
#include "pages/game_screen_internal.h"
#include "pages_test_fixture.h"

namespace {

#define DAY_WEEK 3
#define DAY_VISITOR 1
#define DAY_HOME 2
#define FIRST_PLAY_KEY 40116
#define FIRST_PAGE_KEY 40126
#define PAINTED_CALLS 3  // the screen is painted, resized and animated before every third call
#define WM_RESIZE_DURING_PLAY (WM_USER + 100)

class GameDayTest : public PagesTest {
protected:
    GAME* pGame = &gGames[0];

    void SetUp() override {
        PagesTest::SetUp();
        Build_Fixture_League();
        gDatabaseLoaded = 1;
        for (int k = 0; k < POSTSEASON_WEEK_COUNT; k++)
            gPostseasonWeeks[k] = 18 + k;
        gCurrentWeek = DAY_WEEK;
        gSimulationRunning = 1;
        gRunTargetWeek = DAY_WEEK + 1;
        gSkipPregameDialog = 1;
        gTextDisplaySpeed = 0;
        for (int nTeam : {DAY_VISITOR, DAY_HOME})
            Set_Team_Default_Playbook(nTeam);
        gTeams[DAY_HOME].aanSchedule[DAY_WEEK][SCHEDULE_OPPONENT] = DAY_VISITOR + 1;
        gTeams[DAY_VISITOR].aanSchedule[DAY_WEEK][SCHEDULE_OPPONENT] = -1 - DAY_HOME;
        Set_Calendar_PBP_Flag(DAY_WEEK, DAY_HOME, 1);
        Set_Team_Stat(DAY_HOME, TEAM_CONTROL, CONTROL_HUMAN);
        gShowNewsTicker = 0;
        SetWindowLongPtrA(gMainWindow, GWLP_WNDPROC, (LONG_PTR)Game_Day_Window_Proc);
        ASSERT_EQ(Create_Back_Buffer(gMainWindow), 1);
    }

    void TearDown() override {
        gLiveGame = NULL;
        Set_Host_Services(&kSavedHost);
        PagesTest::TearDown();
    }

    static inline HOST_SERVICES kSavedHost;
    static inline int bPaintBetweenPlays = 0;
    static inline int nCallsMade = 0;
    static inline int nResizes = 0;

    // The window takes a new size as the main window does: fonts, pictures and the back buffer
    // are made anew. A posted request resizes it while a play's frames are held.
    static LRESULT Game_Day_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
        if (uMsg == WM_SIZE) {
            On_Main_Window_Resized();
            return 0;
        }
        if (uMsg == WM_RESIZE_DURING_PLAY) {
            Resize_Window();
            return 0;
        }
        return Pages_Test_Window_Proc(hWnd, uMsg, wParam, lParam);
    }

    static void Resize_Window() {
        static const int kSizes[2][2] = {{1024, 676}, {1280, 800}};
        const int* pSize = kSizes[nResizes++ % 2];
        SetWindowPos(gMainWindow, NULL, 0, 0, pSize[0], pSize[1], SWP_NOMOVE | SWP_NOZORDER);
    }

    // Each call by the keys: the key of the play count's digit, else the next one that takes.
    static void Call_By_Keys(GAME* pWatched) {
        for (int nTry = 0; nTry < 10 && Is_Waiting_For_Play_Calls(pWatched); nTry++)
            nCallsMade += Handle_Game_Screen_Command(FIRST_PLAY_KEY + (nCallsMade + nTry) % 10);
    }

    static void Paint_And_Resize() {
        Resize_Window();
        HDC hdc = Get_Main_Window_DC();
        Paint_Games_Page(hdc);
        Click_Play_Selector(100, 320);
        Release_Main_Window_DC(hdc);
    }

    // Every third play the screen is painted and resized before the call, and the play's frames
    // run as the screen runs them with a resize arriving while they are held.
    static void Scripted_Watch(int nStep, GAME* pWatched) {
        const int bPainted = bPaintBetweenPlays && nCallsMade % PAINTED_CALLS == 0;
        if (nStep == HOST_WATCH_PLAY_CALLS) {
            if (bPainted)
                Paint_And_Resize();
            Call_By_Keys(pWatched);
        } else if (nStep == HOST_WATCH_ANIMATE && bPainted) {
            PostMessageA(gMainWindow, WM_RESIZE_DURING_PLAY, 0, 0);
            Run_Watched_Game_Step(nStep, pWatched);
        }
    }

    // The live game of the week, watched, at a down with both calls open.
    void Start_Live_Game(int nDown) {
        gLiveGame = pGame;
        Clear_Game(pGame);
        pGame->anTeams[VISITOR_SIDE] = DAY_VISITOR;
        pGame->anTeams[HOME_SIDE] = DAY_HOME;
        pGame->nPossession = DAY_HOME;
        pGame->nFlags = nDown;
        pGame->nYardLine = 65;
        pGame->nYardsToGo = 10;
        pGame->currentPlay.nOffensiveCall = -1;
        pGame->currentPlay.nDefensiveCall = -1;
    }

    // The watched game from the same seed: its record.
    std::vector<unsigned char> Play_Watched_Game(int bPaint) {
        kSavedHost = *Host();
        HOST_SERVICES host = kSavedHost;
        host.pWatchGame = Scripted_Watch;
        Set_Host_Services(&host);
        bPaintBetweenPlays = bPaint;
        nCallsMade = 0;
        Seed_Random(FIXED_RANDOM_SEED);
        Clear_Game(pGame);
        EXPECT_EQ(Play_Game(DAY_HOME, DAY_VISITOR, DAY_WEEK, pGame), 1);
        Set_Host_Services(&kSavedHost);
        std::vector<unsigned char> record((unsigned char*)pGame, (unsigned char*)(pGame + 1));
        return record;
    }
};

TEST_F(GameDayTest, AWatchedGameCalledByKeysRepeatsWithOrWithoutRepaintsAndResizes) {
    // A game changes the league (injuries, statistics): both start from the same one.
    std::vector<unsigned char> league((unsigned char*)&gSavedState,
                                      (unsigned char*)(&gSavedState + 1));
    std::vector<unsigned char> plain = Play_Watched_Game(0);
    memcpy(&gSavedState, league.data(), league.size());
    const int nPlainCalls = nCallsMade;
    EXPECT_GT(nPlainCalls, 20);  // the person's keys called the home team's plays
    memcpy(&gSavedState, league.data(), league.size());
    std::vector<unsigned char> painted = Play_Watched_Game(1);
    EXPECT_EQ(nCallsMade, nPlainCalls);
    EXPECT_TRUE(plain == painted);
    // No drawing context outlived a back buffer that a resize replaced.
    EXPECT_GT(nResizes, 10);
    EXPECT_EQ(Get_Back_Buffer_Use_Count(), 0);
    EXPECT_EQ(std::string(Get_Recent_Errors()).find("Destroying MainWindow"), std::string::npos);
}

// The keys by stage: digits call plays of the shown page, letters turn pages; a kickoff takes the
// digit as the kicking play whatever page was shown.
TEST_F(GameDayTest, ThePickerKeysCallPlaysOfTheShownPage) {
    Start_Live_Game(FIRST_DOWN);
    struct KEY_CASE {
        int nDown;
        int nPageKey;  // 0: none
        int nPlayKey;
        int nOffensiveCall;  // expected
        int nDefensiveCall;
    } kCases[] = {
        {FIRST_DOWN, FIRST_PAGE_KEY + 2, FIRST_PLAY_KEY + 5, 25, -1},
        {FIRST_DOWN, FIRST_PAGE_KEY + 0, FIRST_PLAY_KEY + 9, 9, -1},
        {KICKOFF, FIRST_PAGE_KEY + 3, FIRST_PLAY_KEY + 1, 1, -1},
    };
    for (const KEY_CASE& c : kCases) {
        SCOPED_TRACE(c.nPlayKey);
        pGame->nFlags = c.nDown;
        pGame->currentPlay.nOffensiveCall = -1;
        pGame->currentPlay.nDefensiveCall = -1;
        gOffensiveSelectorPage = 0;
        Handle_Game_Screen_Command(c.nPageKey);
        EXPECT_EQ(Handle_Game_Screen_Command(c.nPlayKey), 1);
        EXPECT_EQ(pGame->currentPlay.nOffensiveCall, c.nOffensiveCall);
        EXPECT_EQ(pGame->currentPlay.nDefensiveCall, c.nDefensiveCall);
    }
    // The defence has three pages: the sixth page key does nothing, the third works.
    pGame->nFlags = FIRST_DOWN;
    pGame->currentPlay.nOffensiveCall = 3;
    pGame->currentPlay.nDefensiveCall = -1;
    gDefensiveSelectorPage = 0;
    EXPECT_EQ(Handle_Game_Screen_Command(FIRST_PAGE_KEY + 5), 0);
    EXPECT_EQ(Handle_Game_Screen_Command(FIRST_PAGE_KEY + 2), 1);
    EXPECT_EQ(Handle_Game_Screen_Command(FIRST_PLAY_KEY + 0), 1);
    EXPECT_EQ(pGame->currentPlay.nDefensiveCall, 20);
    // Both called: any other command ends a "Click to continue..." wait and nothing more.
    gWaitingForClick = 1;
    EXPECT_EQ(Handle_Game_Screen_Command(FIRST_PLAY_KEY + 4), 0);
    EXPECT_EQ(Handle_Game_Screen_Command(40133), 1);
    EXPECT_EQ(gWaitingForClick, 0);
}

// Hover and click map the window's pixels to the design space through the same page rectangle:
// at two window sizes the cell a move previews is the cell a click on the same pixel calls.
TEST_F(GameDayTest, TheCellUnderTheMouseIsTheCellAClickCalls) {
    Start_Live_Game(FIRST_DOWN);
    gCurrentPage = GAMES_PAGE;
    gAdvanceInProgress = 1;  // the page-tab strip under the cells rests while a game is watched
    gOffensiveSelectorPage = 1;
    struct CELL_CASE {
        int x, y, nCell;  // a design point and the cell it lies in, -1 for none
    } kCells[] = {{13, 292, 0},  {158, 386, 0}, {164, 292, 1},  {757, 300, 4}, {13, 392, 5},
                  {620, 485, 9}, {8, 300, -1},  {100, 287, -1}, {500, 496, -1}};
    for (int nWidth : {1024, 1600}) {
        SetWindowPos(gMainWindow, NULL, 0, 0, nWidth, nWidth * 2 / 3, SWP_NOMOVE | SWP_NOZORDER);
        RECT client;
        GetClientRect(gMainWindow, &client);
        const int nPageHeight = client.bottom - PAGE_AREA_BARS_HEIGHT;
        for (const CELL_CASE& c : kCells) {
            SCOPED_TRACE(std::to_string(nWidth) + ": " + std::to_string(c.x) + "," +
                         std::to_string(c.y));
            pGame->currentPlay.nOffensiveCall = -1;
            gPickedOffensivePlay = -1;
            const int xClient = Mul_Div(c.x, client.right, DESIGN_WIDTH);
            const int yClient = Mul_Div(c.y, nPageHeight, DESIGN_HEIGHT);
            const int nPlay = c.nCell < 0 ? -1 : PICKER_CELLS + c.nCell;
            On_Page_Mouse(gMainWindow, WM_MOUSEMOVE, xClient, yClient);
            EXPECT_EQ(gPickedOffensivePlay, nPlay);
            On_Page_Mouse(gMainWindow, WM_LBUTTONDOWN, xClient, yClient);
            EXPECT_EQ(pGame->currentPlay.nOffensiveCall, nPlay);
        }
    }
    gAdvanceInProgress = 0;
}

TEST_F(GameDayTest, ADiagramDrawnTwiceLeavesTheGeneratorAlone) {
    Seed_Random(FIXED_RANDOM_SEED);
    uint64_t uDraws = Count_Random_Draws();
    HDC hdc = Get_Main_Window_DC();
    RECT cell = {11, 290, 157, 385};
    for (int nTime = 0; nTime < 2; nTime++) {
        Draw_Play_Diagram(&cell, hdc, DAY_HOME, 12, 5, DIAGRAM_OFFENCE, 0, 1);
        Draw_Play_Diagram(&cell, hdc, DAY_HOME, 4, 5, DIAGRAM_DEFENCE, 1, 1);
    }
    Release_Main_Window_DC(hdc);
    EXPECT_EQ(Count_Random_Draws(), uDraws);
    // The whole screen of a windy game, its trembling arrow included.
    Start_Live_Game(FIRST_DOWN);
    pGame->anInfo[GAME_INFO_WIND_SPEED] = 12;
    pGame->anInfo[GAME_INFO_WIND_ANGLE] = 90;
    for (int nTime = 0; nTime < 2; nTime++) {
        hdc = Get_Main_Window_DC();
        Paint_Games_Page(hdc);
        Release_Main_Window_DC(hdc);
    }
    EXPECT_EQ(Count_Random_Draws(), uDraws);
}

// Three deep defenders share the width: drops at -10, 0 and 10 from left to right at 15 yards,
// the outer two half a yard shallower; a deep defender set up near the line drops from 11.25.
TEST_F(GameDayTest, DeepZoneDefendersShareTheWidth) {
    const int nPlay = 4;
    DEFENSIVE_PLAY* pPlay = &Get_Team_Defensive_Playbook(DAY_HOME)->aPlays[nPlay];
    std::vector<std::pair<double, int>> byX;
    int nShallowest = 0;
    for (int n = 0; n < PLAY_DEFENDERS; n++) {
        pPlay->anRoles[n] = 0;
        DIAGRAM_POINT at = Get_Defender_Diagram_Spot(DAY_HOME, nPlay, n);
        byX.push_back({at.x, n});
        if (at.y < Get_Defender_Diagram_Spot(DAY_HOME, nPlay, nShallowest).y)
            nShallowest = n;
    }
    std::sort(byX.begin(), byX.end());
    const int anDeep[3] = {byX[0].second, byX[5].second, byX[10].second};
    ASSERT_LT(byX[0].first, byX[5].first);
    ASSERT_LT(byX[5].first, byX[10].first);
    for (int n : anDeep)
        pPlay->anRoles[n] = DEEP_ZONE_ROLE;
    const DIAGRAM_POINT kDrops[3] = {{-10, 14.5}, {0, 15}, {10, 14.5}};
    for (int k = 0; k < 3; k++) {
        DIAGRAM_POINT drop;
        ASSERT_TRUE(Get_Zone_Drop_Point(DAY_HOME, nPlay, anDeep[k], &drop));
        EXPECT_DOUBLE_EQ(drop.x, kDrops[k].x) << k;
        EXPECT_DOUBLE_EQ(drop.y, kDrops[k].y) << k;
    }
    DIAGRAM_POINT drop;
    EXPECT_FALSE(Get_Zone_Drop_Point(DAY_HOME, nPlay, byX[1].second, &drop));

    for (int n : anDeep)
        pPlay->anRoles[n] = 0;
    const DIAGRAM_POINT set = Get_Defender_Diagram_Spot(DAY_HOME, nPlay, nShallowest);
    ASSERT_LT(set.y, 5.0);
    pPlay->anRoles[nShallowest] = DEEP_ZONE_ROLE;
    const DIAGRAM_POINT shown = Get_Defender_Diagram_Spot(DAY_HOME, nPlay, nShallowest);
    EXPECT_DOUBLE_EQ(shown.x, set.x);
    EXPECT_DOUBLE_EQ(shown.y, 11.25);
}

// The Playbook button lets the computer call: its notice comes once a run, and a cancelled notice
// makes no call; later clicks call at once.
TEST_F(GameDayTest, ThePlaybookButtonsNoticeComesOnce) {
    Start_Live_Game(FIRST_DOWN);
    Test_Clear_Transcript();
    Test_Answer_Message_Box(IDCANCEL);
    EXPECT_EQ(Click_Play_Calling_Area(pGame, 50, 275), 1);
    EXPECT_EQ(pGame->currentPlay.nOffensiveCall, -1);
    EXPECT_EQ(Click_Play_Calling_Area(pGame, 50, 275), 1);
    EXPECT_GE(pGame->currentPlay.nOffensiveCall, 0);
    int nBoxes = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        nBoxes += shown.stCaption == "Automatic Play Selection";
    EXPECT_EQ(nBoxes, 1);
}

// "Click to continue..." waits only on the Games page: elsewhere the game goes on at once.
TEST_F(GameDayTest, TheClickIsAwaitedOnlyOnTheGamesPage) {
    Allow_User_Waits();
    Start_Live_Game(FIRST_DOWN);
    for (int nPage : {STANDINGS_PAGE, GAMES_PAGE}) {
        gCurrentPage = nPage;
        Test_Clear_Transcript();
        Run_Watched_Game_Step(HOST_WATCH_NEXT_PLAY, pGame);
        int nWaits = 0;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            nWaits += shown.nKind == TEST_SHOWN_USER_WAIT;
        EXPECT_EQ(nWaits, nPage == GAMES_PAGE ? 1 : 0) << nPage;
        EXPECT_EQ(gWaitingForClick, 0);
    }
}

// A game picked elsewhere (a Calendar or Playoffs click) is the one the Games page opens on.
TEST_F(GameDayTest, OpeningTheGamesPageKeepsTheSelectedGame) {
    gSimulationRunning = 0;
    for (int n = 0; n < 2; n++) {
        Clear_Game(&gGames[n]);
        gGames[n].anTeams[VISITOR_SIDE] = DAY_VISITOR;
        gGames[n].anTeams[HOME_SIDE] = DAY_HOME;
    }
    gSelectedGame = 1;
    Show_News_Page(GAMES_PAGE);
    EXPECT_EQ(gSelectedGame, 1);
    EXPECT_EQ(Get_Displayed_Game(), &gGames[1]);
}

// The line score by the play log: a try counts with its touchdown's quarter, and from 3600 on a
// play counts in the overtime column once the game has gone past regulation.
TEST_F(GameDayTest, TheLineScoreCountsEachPlayInItsPeriod) {
    Clear_Game(pGame);
    struct LOGGED {
        int nClock, bHome, nResult;
    } kLog[] = {{890, 1, RESULT_TOUCHDOWN_RUN},  {900, 1, RESULT_EXTRA_POINT_GOOD},
                {1000, 0, RESULT_FIELD_GOAL_GOOD}, {3590, 0, RESULT_TOUCHDOWN_PASS},
                {3600, 0, RESULT_TWO_POINT_GOOD}, {3600, 1, RESULT_KICKOFF_RETURN_TOUCHDOWN}};
    for (const LOGGED& play : kLog) {
        PLAY* pPlay = &pGame->aPlayLog[pGame->nPlayCount++];
        pPlay->nClock = (int16_t)play.nClock;
        pPlay->nResult = play.bHome ? PLAY_WORD_HOME_BALL : 0;
        Set_Play_Result(pPlay, play.nResult);
    }
    struct PERIODS {
        int nGameClock;
        int anVisitor[5], anHome[5];
    } kCases[] = {{3600, {0, 3, 0, 14, 0}, {7, 0, 0, 0, 0}}, {3700, {0, 3, 0, 8, 6}, {7, 0, 0, 0, 0}}};
    for (const PERIODS& c : kCases) {
        pGame->nClock = (int16_t)c.nGameClock;
        for (int nPeriod = 0; nPeriod < 5; nPeriod++) {
            EXPECT_EQ(Get_Game_Period_Points(pGame, nPeriod, VISITOR_SIDE), c.anVisitor[nPeriod])
                << c.nGameClock << " period " << nPeriod;
            EXPECT_EQ(Get_Game_Period_Points(pGame, nPeriod, HOME_SIDE), c.anHome[nPeriod])
                << c.nGameClock << " period " << nPeriod;
        }
    }
}

}  // namespace

namespace {

// The screen's texts of a game record: the statistics rows, where the ball is, the weather and a
// defender's half sacks.
TEST_F(GameDayTest, TheScreensTextsOfAGameRecord) {
    Clear_Game(pGame);
    pGame->anTeams[VISITOR_SIDE] = DAY_VISITOR;
    pGame->anTeams[HOME_SIDE] = DAY_HOME;
    pGame->nPossession = DAY_HOME;
    char szText[128];
    // No rushes and no passes: 0.0 yards a rush and 0%; 7 of 9 rounds half up to 78%.
    Format_Team_Stat_Cell(szText, sizeof szText, pGame, HOME_SIDE, 2);
    EXPECT_STREQ(szText, "0.0");
    Format_Team_Stat_Cell(szText, sizeof szText, pGame, HOME_SIDE, 3);
    EXPECT_STREQ(szText, "0%");
    pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_COMPLETIONS] = 7;
    pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_PASS_ATTEMPTS] = 9;
    pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_RUSHES] = 4;
    pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_RUSHING_YARDS] = 17;
    Format_Team_Stat_Cell(szText, sizeof szText, pGame, HOME_SIDE, 3);
    EXPECT_STREQ(szText, "78%");
    Format_Team_Stat_Cell(szText, sizeof szText, pGame, HOME_SIDE, 2);
    EXPECT_STREQ(szText, "4.3");
    // Losses round the same way and keep their sign below one yard.
    struct RUSH_CASE {
        int nYards, nRushes;
        const char* szText;
    } kRushes[] = {{-5, 3, "-1.7"}, {-1, 3, "-0.3"}, {-5, 2, "-2.5"}, {5, 2, "2.5"}};
    for (const RUSH_CASE& c : kRushes) {
        pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_RUSHES] = (int16_t)c.nRushes;
        pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_RUSHING_YARDS] = (int16_t)c.nYards;
        Format_Team_Stat_Cell(szText, sizeof szText, pGame, HOME_SIDE, 2);
        EXPECT_STREQ(szText, c.szText);
    }

    // Past midfield the ball is in the half of the team that has it.
    pGame->nYardLine = 50;
    Format_Ball_Position(szText, sizeof szText, pGame);
    EXPECT_STREQ(szText, "50-Yard Line");
    for (int nYardLine : {70, 20}) {
        pGame->nYardLine = (int8_t)nYardLine;
        char szName[TEAM_LABEL_SIZE];
        Get_Team_Short_Name(nYardLine > 50 ? DAY_HOME : DAY_VISITOR, szName, sizeof szName);
        Format_Ball_Position(szText, sizeof szText, pGame);
        std::string stName = szName;
        std::string stExpected = stName + (stName.back() == 's' ? "' " : "'s ") +
                                 std::to_string(50 - abs(50 - nYardLine));
        EXPECT_EQ(std::string(szText), stExpected);
    }

    struct WEATHER_CASE {
        int nPrecipitation, nTemperature;
        const char* szText;
        const char* szPicture;
    } kWeather[] = {{114, 34, "Flurries", "Flurries"}, {114, 35, "Drizzle", "Mixed"},
                    {40, 70, "Sunny", "Sunny"},        {140, 70, "Storms", "Storms"}};
    for (const WEATHER_CASE& c : kWeather) {
        pGame->anInfo[GAME_INFO_PRECIPITATION] = (int16_t)c.nPrecipitation;
        pGame->anInfo[GAME_INFO_TEMPERATURE] = (int16_t)c.nTemperature;
        Get_Weather_Text(szText, sizeof szText, pGame);
        EXPECT_STREQ(szText, c.szText);
        Get_Weather_Image_Name(szText, sizeof szText, pGame);
        EXPECT_STREQ(szText, c.szPicture);
    }
}

TEST_F(GameDayTest, ADefendersHalfSacksShowAsAHalf) {
    Clear_Game(pGame);
    pGame->anTeams[HOME_SIDE] = DAY_HOME;
    int nSlot = -1;
    for (int n = 0; n < PLAYERS_PER_TEAM && nSlot < 0; n++)
        if (Get_Player_Vital_Stat(DAY_HOME, n, VITAL_PLAYER_ID) != 0 &&
            Get_Player_Vital_Stat(DAY_HOME, n, VITAL_POSITION) == POS_LB)
            nSlot = n;
    ASSERT_GE(nSlot, 0);
    pGame->aanRosterIds[HOME_SIDE][0] = Get_Player_Vital_Stat(DAY_HOME, nSlot, VITAL_PLAYER_ID);
    struct SACK_CASE {
        int nHalves, nTackles;
        const char* szLine;
    } kSacks[] = {{3, 0, "1.5 sacks  "}, {2, 0, "1 sack  "}, {4, 5, "2 sacks  5 tkl  "}};
    for (const SACK_CASE& c : kSacks) {
        pGame->aaanPlayerCounters[HOME_SIDE][0][0] = (int16_t)c.nHalves;
        pGame->aaanPlayerCounters[HOME_SIDE][0][2] = (int16_t)c.nTackles;
        char szLine[96];
        Format_Player_Game_Line(szLine, sizeof szLine, pGame, HOME_SIDE, 0);
        EXPECT_STREQ(szLine, c.szLine);
    }
}

}  // namespace
