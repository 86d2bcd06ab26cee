// The user's team's first game of the default universe watched and coached by the keys: pictures
// of the game-day screen at the kickoff, with the picker open and a play under the mouse, with
// the called plays' diagrams while the narration runs, in the fourth quarter, and the Games page
// of the played week, with no error reported.
#include <string.h>

#include <string>

#include "core/host_services.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "season/season.h"
#include "universe_window_fixture.h"

namespace {

#define FIRST_PLAY_KEY 40116
#define PICKER_HOVER_X 240
#define PICKER_HOVER_Y 330
#define PICKER_SHOT_CALL 3
#define MID_ANIMATION_FRAME 4

class GameDayScreenshotTest : public UniverseWindowTest {
protected:
    static inline GameDayScreenshotTest* pThis = nullptr;
    static inline HOST_SERVICES kShellHost;
    int nCalls = 0;
    int bKickoffShot = 0, bPickerShot = 0, bAnimationShot = 0, bFourthShot = 0;

    void SetUp() override {
        UniverseWindowTest::SetUp();
        pThis = this;
        gAutomaticOffensivePlays = 0;
        gAutomaticDefensivePlays = 0;
        gSkipPregameDialog = 1;
        gTextDisplaySpeed = 0;
        Set_Calendar_PBP_Flag(gCurrentWeek, Get_User_Team(), 1);
        memset(gRecentErrors, 0, sizeof gRecentErrors);
        kShellHost = *Host();
        HOST_SERVICES host = kShellHost;
        host.pWatchGame = Watch_Step;
        Set_Host_Services(&host);
    }

    void TearDown() override {
        Set_Host_Services(&kShellHost);
        pThis = nullptr;
        UniverseWindowTest::TearDown();
    }

    void Shot(const char* szName) {
        gLastPaintedPage = -1;
        InvalidateRect(gMainWindow, NULL, FALSE);
        UpdateWindow(gMainWindow);
        Save_Window_Picture(std::string(szName) + ".png");
    }

    void Take_Calls(GAME* pGame) {
        if (!bKickoffShot) {
            bKickoffShot = 1;
            Shot("gameday-kickoff");
        }
        if (!bFourthShot && Get_Game_Quarter(pGame) == 4) {
            bFourthShot = 1;
            Shot("gameday-fourth-quarter");
        }
        for (int nTry = 0; nTry < 10 && Is_Waiting_For_Play_Calls(pGame); nTry++) {
            if (nCalls == PICKER_SHOT_CALL && !bPickerShot) {
                bPickerShot = 1;
                Shot("gameday-picker");  // paints the picker first, then the mouse moves in
                Click_Play_Selector(PICKER_HOVER_X, PICKER_HOVER_Y);
                Save_Window_Picture("gameday-picker-hover.png");
            }
            nCalls += Handle_Game_Screen_Command(FIRST_PLAY_KEY + (nCalls + nTry) % 10);
        }
    }

    void Animate(void) {
        for (int nFrame = 0; nFrame <= 10; nFrame++) {
            Draw_Play_By_Play_Text(gMainWindowDC, nFrame, 0);
            if (nFrame == MID_ANIMATION_FRAME && !bAnimationShot && nCalls > PICKER_SHOT_CALL) {
                bAnimationShot = 1;
                Save_Window_Picture("gameday-diagram-animation.png");
            }
        }
    }

    static void Watch_Step(int nStep, GAME* pGame) {
        if (nStep == HOST_WATCH_PLAY_CALLS)
            pThis->Take_Calls(pGame);
        else if (nStep == HOST_WATCH_ANIMATE)
            pThis->Animate();
        else if (nStep == HOST_WATCH_FINAL_FRAME)
            Draw_Play_By_Play_Text(gMainWindowDC, -1, 1);
    }
};

TEST_F(GameDayScreenshotTest, AWatchedGameCoachedByKeysAndTheGamesPageOfItsWeek) {
    const int nWeek = gCurrentWeek;
    gRunTargetWeek = nWeek + 1;
    Advance_Weeks(1);
    ASSERT_EQ(gCurrentWeek, nWeek + 1);
    EXPECT_GT(nCalls, 20);
    EXPECT_TRUE(bKickoffShot && bPickerShot && bAnimationShot && bFourthShot);
    gSelectedGame = Find_Team_Latest_Game(Get_User_Team());
    Show_News_Page(GAMES_PAGE);
    Shot("games-page-played-week");
    EXPECT_EQ(Get_Recent_Errors()[0], 0) << Get_Recent_Errors();
}

}  // namespace
