// The main window's tests: a fixture league, the main window class registered and the window
// created hidden, with helpers for the fame file, a watched game and the transcript.
#pragma once

#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "season/season.h"
#include "shell/shell.h"

#define MAINWIN_PLACEMENT_OFFSET (FAME_FILE_SIZE - 16)
#define MAINWIN_VALUES_OFFSET 22080
#define MAINWIN_FIRST_POSTSEASON_WEEK 17

class MainwinTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Test_Clear_Shell_Opens();
        Build_Fixture_League();
        gSimulationRunning = 0;
        gCurrentWeek = 0;
        gSeasonNumber = 0;
        gLiveGame = NULL;
        gSelectedGame = -1;
        gPostseasonWeeks[0] = MAINWIN_FIRST_POSTSEASON_WEEK;
        gSizingInProgress = 0;
        gMainWindow = NULL;
        gButtonBar = NULL;
        gNewsBar = NULL;
        memset(&m_game, 0, sizeof(m_game));
        ASSERT_NE(Register_Main_Window_Class(Get_App_Instance()), 0u);
    }

    void TearDown() override {
        gLiveGame = NULL;
        gSimulationRunning = 0;
        Free_Drawing_Resources();
        if (gMainWindow && IsWindow(gMainWindow))
            DestroyWindow(gMainWindow);
        gMainWindow = NULL;
        gButtonBar = NULL;
        gNewsBar = NULL;
        Test_Reset_Platform();
    }

    // The users' Hall of Fame file holding only a stored rectangle.
    static void Write_Fame_Rect(int nLeft, int nTop, int nRight, int nBottom) {
        std::vector<uint8_t> abRecord(FAME_FILE_SIZE, 0);
        int32_t anRect[4] = {nLeft, nTop, nRight, nBottom};
        memcpy(abRecord.data() + MAINWIN_PLACEMENT_OFFSET, anRect, sizeof(anRect));
        ASSERT_TRUE(Write_Fame_File(abRecord.data()));
    }

    static RECT Read_Fame_Rect() {
        std::vector<uint8_t> abRecord(FAME_FILE_SIZE, 0);
        EXPECT_TRUE(Read_Fame_File(abRecord.data()));
        int32_t anRect[4];
        memcpy(anRect, abRecord.data() + MAINWIN_PLACEMENT_OFFSET, sizeof(anRect));
        return {anRect[0], anRect[1], anRect[2], anRect[3]};
    }

    // The window without its back buffer: notices stay system message boxes, which the tests'
    // scripts answer and the transcript lists with their texts.
    HWND Create_Window() {
        HWND hWnd = Create_Main_Window(Get_App_Instance(), SW_SHOWNORMAL);
        EXPECT_NE(hWnd, (HWND)NULL);
        Free_Drawing_Resources();
        return hWnd;
    }

    static void Free_Drawing_Resources() {
        Destroy_Back_Buffer();
        Free_App_Fonts(1);
        Flush_Bitmap_Cache();
    }

    // A live game between two fixture teams, watched play by play this week.
    GAME* Watch_Game() {
        m_game.anTeams[VISITOR_SIDE] = 1;
        m_game.anTeams[HOME_SIDE] = FIXTURE_HUMAN_TEAM;
        m_game.anTimeouts[VISITOR_SIDE] = 3;
        m_game.anTimeouts[HOME_SIDE] = 3;
        m_game.nYardLine = 50;
        m_game.nYardsToGo = 10;
        gLiveGame = &m_game;
        gSimulationRunning = 1;
        // The home side's game of the week, marked for play-by-play.
        Set_Team_Schedule_Stat(FIXTURE_HUMAN_TEAM, gCurrentWeek, 0, 1 + 1);
        Set_Team_Schedule_Stat(1, gCurrentWeek, 0, -(FIXTURE_HUMAN_TEAM + 1));
        Set_Calendar_PBP_Flag(gCurrentWeek, FIXTURE_HUMAN_TEAM, 1);
        return &m_game;
    }

    // The message boxes shown whose text contains the part.
    static int Count_Boxes_With(const std::string& stPart) {
        int nCount = 0;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            if (shown.nKind == TEST_SHOWN_MESSAGE_BOX &&
                shown.stText.find(stPart) != std::string::npos)
                nCount++;
        return nCount;
    }

    static int Count_Dialogs(int nTemplateId) {
        int nCount = 0;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            if (shown.nKind == TEST_SHOWN_DIALOG && shown.nTemplateId == nTemplateId)
                nCount++;
        return nCount;
    }

    static LRESULT Send_Command(HWND hWnd, int idCommand) {
        return SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(idCommand, 0), 0);
    }

    GAME m_game;
};
