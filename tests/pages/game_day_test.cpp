// The game-day screen: a watched game coached by keys plays the same whether or not the screen is
// painted and resized between plays; the picker's keys and cells; a diagram leaves the game's
// generator alone.
#include <string.h>

#include <string>
#include <vector>

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

    // Each call by the keys: the key of the play count's digit, else the next one that takes.
    static void Call_By_Keys(GAME* pWatched) {
        for (int nTry = 0; nTry < 10 && Is_Waiting_For_Play_Calls(pWatched); nTry++)
            nCallsMade += Handle_Game_Screen_Command(FIRST_PLAY_KEY + (nCallsMade + nTry) % 10);
    }

    static void Paint_And_Resize() {
        static const int kSizes[2][2] = {{1024, 676}, {1280, 800}};
        const int* pSize = kSizes[nCallsMade / PAINTED_CALLS % 2];
        SetWindowPos(gMainWindow, NULL, 0, 0, pSize[0], pSize[1], SWP_NOMOVE | SWP_NOZORDER);
        Update_Back_Buffer_Size();
        HDC hdc = Get_Main_Window_DC();
        Paint_Games_Page(hdc);
        Click_Play_Selector(100, 320);
        Release_Main_Window_DC(hdc);
    }

    static void Scripted_Watch(int nStep, GAME* pWatched) {
        if (nStep == HOST_WATCH_PLAY_CALLS) {
            if (bPaintBetweenPlays && nCallsMade % PAINTED_CALLS == 0)
                Paint_And_Resize();
            Call_By_Keys(pWatched);
        } else if (nStep == HOST_WATCH_ANIMATE && bPaintBetweenPlays &&
                   nCallsMade % PAINTED_CALLS == 0) {
            HDC hdc = Get_Main_Window_DC();
            for (int nFrame = 0; nFrame <= 10; nFrame++)
                Draw_Play_By_Play_Text(hdc, nFrame, 0);
            Release_Main_Window_DC(hdc);
        }
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
}

// The keys by stage: digits call plays of the shown page, letters turn pages; a kickoff takes the
// digit as the kicking play whatever page was shown.
TEST_F(GameDayTest, ThePickerKeysCallPlaysOfTheShownPage) {
    gLiveGame = pGame;
    Clear_Game(pGame);
    pGame->anTeams[VISITOR_SIDE] = DAY_VISITOR;
    pGame->anTeams[HOME_SIDE] = DAY_HOME;
    pGame->nPossession = DAY_HOME;
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

// The cells are hit in design space, so the same design point hits the same cell at any size.
TEST_F(GameDayTest, PickerCellsAreHitInDesignSpaceAtTwoSizes) {
    struct CELL_CASE {
        int x, y, nCell;
    } kCells[] = {{11, 290, 0},  {160, 388, 0}, {161, 290, 1}, {760, 300, 4},
                  {12, 389, 5},  {620, 487, 9}, {10, 300, -1}, {100, 289, -1}, {100, 488, -1}};
    for (int nWidth : {1024, 1600}) {
        SetWindowPos(gMainWindow, NULL, 0, 0, nWidth, nWidth * 2 / 3, SWP_NOMOVE | SWP_NOZORDER);
        for (const CELL_CASE& c : kCells)
            EXPECT_EQ(Get_Picker_Cell_At(c.x, c.y), c.nCell) << c.x << "," << c.y;
    }
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
