// The main window's command table: every command reaches its action, the refusals while games
// are simulated, leaving the game, the budget notice, page switches and timeouts.
#include <set>

#include "resources/resource.h"
#include "engine/engine.h"
#include "shell/mainwin_fixture.h"

namespace {

using MainwinCommandTest = MainwinTest;

// The commands of the menus, accelerators and buttons that reach the main window.
const int kMainwinCommandIds[] = {
    40003, 1222,  1451,  40004, 40007, 40008, 40014, 40017, 40018, 40019, 40020, 40023, 40024,
    40030, 40032, 40034, 40036, 40037, 40038, 40039, 40040, 40041, 40042, 40043, 40044, 40045,
    40046, 40047, 40048, 40050, 40053, 40055, 40056, 40057, 40058, 40059, 40060, 40061, 40062,
    40063, 40064, 40065, 40066, 40069, 40070, 40075, 40077, 40078, 40079, 40081, 40083, 40084,
    40085, 40086, 40087, 40088, 40089, 40091, 40094, 40096, 40099, 40105, 40112, 40113, 40115,
    40116, 40117, 40118, 40119, 40120, 40121, 40122, 40123, 40124, 40125, 40126, 40127, 40128,
    40129, 40130, 40131, 40132, 40133, 40134, 40135, 40136, 40140, 40141, 40142, 40143, 40144,
    40145, 40146, 40147, 40148, 40149, 40150, 40151};

TEST_F(MainwinCommandTest, TableHoldsEveryCommandOnceAndNothingElse) {
    std::set<int> expected(std::begin(kMainwinCommandIds), std::end(kMainwinCommandIds));
    std::set<int> seen;
    for (int nRow = 0; nRow < Count_Main_Commands(); nRow++) {
        const MAIN_COMMAND* pCommand = Get_Main_Command(nRow);
        ASSERT_NE(pCommand, (const MAIN_COMMAND*)NULL);
        EXPECT_TRUE(pCommand->pHandler || pCommand->pAction) << pCommand->idCommand;
        EXPECT_TRUE(seen.insert(pCommand->idCommand).second) << "twice: " << pCommand->idCommand;
        EXPECT_EQ(Find_Main_Command(pCommand->idCommand), pCommand);
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(Get_Main_Command(Count_Main_Commands()), (const MAIN_COMMAND*)NULL);
}

TEST_F(MainwinCommandTest, UnknownCommandIsLeftToTheDefaultProcedure) {
    HWND hWnd = Create_Window();
    EXPECT_FALSE(Run_Main_Command(hWnd, 40001));
    EXPECT_FALSE(Run_Main_Command(hWnd, 40152));
    Test_Clear_Transcript();
    Send_Command(hWnd, 40001);
    EXPECT_TRUE(Test_Get_Transcript().empty());
    EXPECT_TRUE(IsWindow(hWnd));
}

// Every row runs headless without blocking or crashing: questions are answered No, dialogs
// cancelled, and the advances refused because a fantasy draft runs.
TEST_F(MainwinCommandTest, EveryCommandRunsHeadless) {
    gUniverseStats[UNIVERSE_FANTASY_DRAFT] = FANTASY_DRAFT_UNDER_WAY;
    for (int nRow = 0; nRow < Count_Main_Commands(); nRow++) {
        int idCommand = Get_Main_Command(nRow)->idCommand;
        SCOPED_TRACE(idCommand);
        if (!gMainWindow || !IsWindow(gMainWindow))
            Create_Window();
        for (int i = 0; i < 4; i++)
            Test_Answer_Message_Box(IDNO);
        // Their result is a number of seasons, so an unanswered dialog's IDCANCEL would play two.
        if (idCommand == ID_PLAY_SEASONS)
            Test_Script_Dialog(IDD_PLAY_MULTIPLE_SEASONS,
                               [](HWND hDlg) { Test_Click_Control(hDlg, IDCANCEL); });
        if (idCommand == ID_TOOLS_SEASON_SIMULATOR)
            Test_Script_Dialog(IDD_SIMULATION_TOOL,
                               [](HWND hDlg) { Test_Click_Control(hDlg, IDCANCEL); });
        EXPECT_EQ(Send_Command(gMainWindow, idCommand), 0);
    }
}

TEST_F(MainwinCommandTest, ExitDuringAnUnwatchedWeekIsRefusedAndStopsTheRun) {
    HWND hWnd = Create_Window();
    gSimulationRunning = 1;
    gCurrentWeek = 5;
    Send_Command(hWnd, 40007);
    EXPECT_EQ(Count_Boxes_With("Can't exit while simulations are in progress."), 1);
    EXPECT_EQ(Get_Target_Week(), 6);
    EXPECT_TRUE(IsWindow(hWnd));

    SendMessageA(hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(Count_Boxes_With("Can't exit while simulations are in progress."), 2);
    EXPECT_TRUE(IsWindow(hWnd));
}

TEST_F(MainwinCommandTest, ExitDuringAWatchedGameGoesOnToTheSaveQuestion) {
    HWND hWnd = Create_Window();
    Watch_Game();
    Test_Answer_Message_Box_With_Text("Save changes", IDCANCEL);
    SendMessageA(hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(Count_Boxes_With("Can't exit"), 0);
    EXPECT_EQ(Count_Boxes_With("Save changes to current game since last save?"), 1);
    EXPECT_TRUE(IsWindow(hWnd));
    EXPECT_EQ(gSimulationRunning, 1);
}

// The close comes from inside the advance: the game and the advance stop first (the week's
// play-by-play mark goes, the run ends after this week) and the window goes once the advance is
// back.
TEST_F(MainwinCommandTest, ClosingDuringAWatchedGameStopsItThenClosesAfterTheAdvance) {
    HWND hWnd = Create_Window();
    gCurrentWeek = 5;
    Watch_Game()->anInfo[GAME_INFO_WEEK] = 5;
    gAdvanceInProgress = 1;
    Test_Answer_Message_Box_With_Text("Save changes", IDNO);
    SendMessageA(hWnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(hWnd));
    EXPECT_EQ(gSimulationRunning, 0);
    EXPECT_EQ(Get_Target_Week(), 6);
    EXPECT_EQ(Get_Calendar_PBP_Flag(FIXTURE_HUMAN_TEAM, 5), 0);
    Close_Main_Window_After_Advance();
    EXPECT_TRUE(IsWindow(hWnd));
    gAdvanceInProgress = 0;
    gLiveGame = NULL;
    Close_Main_Window_After_Advance();
    EXPECT_FALSE(IsWindow(hWnd));
}

TEST_F(MainwinCommandTest, ExitWithoutSavingStoresThePlacementAndEndsTheLoop) {
    Write_Fame_Rect(100, 80, 1300, 1000);
    HWND hWnd = Create_Window();
    Test_Answer_Message_Box_With_Text("Save changes", IDNO);
    Send_Command(hWnd, 40007);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(Read_Fame_Rect().left, 100);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_QUIT);
}

// Between games the recap and the box score are opened as they were written at the final
// whistle: showing a file never writes it (the texts in memory were cleared with the game).
TEST_F(MainwinCommandTest, ViewingAGameFileBetweenGamesLeavesItAsItWas) {
    HWND hWnd = Create_Window();
    ASSERT_TRUE(Platform_Make_Directory("Output"));
    struct FILE_CASE {
        int idCommand;
        void (*pGetName)(char*, int);
    };
    const FILE_CASE aCases[] = {{40062, Get_Current_Game_Recap_File_Name},
                                {40066, Get_Current_Game_Box_File_Name}};
    for (const FILE_CASE& fileCase : aCases) {
        SCOPED_TRACE(fileCase.idCommand);
        char szName[260];
        fileCase.pGetName(szName, sizeof(szName));
        FILE* pFile = Platform_Open_File(szName, "w");
        ASSERT_NE(pFile, (FILE*)NULL);
        fputs("<html>the whole game</html>", pFile);
        fclose(pFile);
        Test_Clear_Shell_Opens();

        Send_Command(hWnd, fileCase.idCommand);
        pFile = Platform_Open_File(szName, "r");
        ASSERT_NE(pFile, (FILE*)NULL);
        char szRead[64] = {0};
        EXPECT_GT(fread(szRead, 1, sizeof(szRead) - 1, pFile), 0u);
        fclose(pFile);
        EXPECT_STREQ(szRead, "<html>the whole game</html>");
        EXPECT_EQ(Test_Get_Shell_Opens().size(), 1u);
        remove(szName);
    }
}

// The dialogs a new game and a contract renewal open stand centred over the main window.
TEST_F(MainwinCommandTest, NewGameAndContractOfferOpenCentredOverTheWindow) {
    HWND hWnd = Create_Window();
    RECT rcMain;
    GetWindowRect(hWnd, &rcMain);
    for (int idDialog : {IDD_NEW_GAME, IDD_CONTRACT_OFFER}) {
        SCOPED_TRACE(idDialog);
        RECT rcDialog = {0, 0, 0, 0};
        Test_Script_Dialog(idDialog, [&rcDialog](HWND hDlg) { GetWindowRect(hDlg, &rcDialog); });
        Open_Dialog(NULL, idDialog);
        ASSERT_GT(rcDialog.right, rcDialog.left);
        EXPECT_NEAR(rcDialog.left + rcDialog.right, rcMain.left + rcMain.right, 1);
        EXPECT_NEAR(rcDialog.top + rcDialog.bottom, rcMain.top + rcMain.bottom, 1);
    }
}

struct MAINWIN_REFUSAL_CASE {
    int idCommand;
    const char* szText;
    int idDialogNotOpened;
};

TEST_F(MainwinCommandTest, LoadingCommandsAreRefusedWhileAWeekIsSimulated) {
    const MAINWIN_REFUSAL_CASE aCases[] = {
        {40018, "Can't start a new game while simulating games.", IDD_NEW_GAME},
        {40004, "Can't load a file while simulating games.", IDD_RESUME_GAME},
    };
    HWND hWnd = Create_Window();
    for (const MAINWIN_REFUSAL_CASE& c : aCases) {
        SCOPED_TRACE(c.idCommand);
        Test_Clear_Transcript();
        gSimulationRunning = 1;
        Send_Command(hWnd, c.idCommand);
        EXPECT_EQ(Count_Boxes_With(std::string(c.szText) +
                                   "\n\nPlease try again once this day is completed."),
                  1);
        EXPECT_EQ(Count_Dialogs(c.idDialogNotOpened), 0);
    }
}

TEST_F(MainwinCommandTest, ThroughTradingDeadlineAfterTheDeadlinePlaysNothing) {
    HWND hWnd = Create_Window();
    // The advance refuses during a fantasy draft and says so: the sign that it was called.
    gUniverseStats[UNIVERSE_FANTASY_DRAFT] = FANTASY_DRAFT_UNDER_WAY;
    gCurrentWeek = 5;
    Send_Command(hWnd, 40044);
    EXPECT_EQ(Count_Boxes_With("during the Fantasy Draft"), 1);
    for (int nWeek : {11, 14, 100}) {
        gCurrentWeek = nWeek;
        Send_Command(hWnd, 40044);
    }
    EXPECT_EQ(Count_Boxes_With("during the Fantasy Draft"), 1);
}

TEST_F(MainwinCommandTest, TradesAfterTheDeadlineAreRefused) {
    HWND hWnd = Create_Window();
    gCommissionerMode = 0;
    gCurrentWeek = 12;
    Send_Command(hWnd, 40008);
    Send_Command(hWnd, 40089);
    EXPECT_EQ(Count_Boxes_With("No trades are allowed after week 12 of the season."), 2);
    EXPECT_EQ(Count_Dialogs(IDD_TRADES) + Count_Dialogs(IDD_TRADING_BLOCK), 0);

    Test_Clear_Transcript();
    gCurrentWeek = 3;
    Send_Command(hWnd, 40008);
    Send_Command(hWnd, 40089);
    EXPECT_EQ(Count_Dialogs(IDD_TRADES), 1);
    EXPECT_EQ(Count_Dialogs(IDD_TRADING_BLOCK), 1);
}

struct MAINWIN_OWNER_CASE {
    int nAnswer;  // the notice's button: Yes first, No second, Cancel third
    int nOwnerModeAfter;
    int nDialogsOpened;
};

TEST_F(MainwinCommandTest, BudgetNoticeOpensTheDialogOnlyWhenOwnerModeIsTurnedOn) {
    const MAINWIN_OWNER_CASE aCases[] = {
        {IDYES, 0, 0},
        {IDNO, 0, 0},
        {IDCANCEL, 1, 1},
    };
    HWND hWnd = Create_Window();
    for (const MAINWIN_OWNER_CASE& c : aCases) {
        SCOPED_TRACE(c.nAnswer);
        Test_Clear_Transcript();
        gOwnerMode = 0;
        Test_Answer_Message_Box_With_Text("General Manager Mode", c.nAnswer);
        Send_Command(hWnd, 40023);
        EXPECT_EQ(gOwnerMode, c.nOwnerModeAfter);
        EXPECT_EQ(Count_Dialogs(IDD_CONCESSIONS), c.nDialogsOpened);
    }
    Test_Clear_Transcript();
    Send_Command(hWnd, 40024);
    EXPECT_EQ(Count_Boxes_With("General Manager Mode"), 0);
    EXPECT_EQ(Count_Dialogs(IDD_EXPENSES), 1);
}

TEST_F(MainwinCommandTest, PageShownAlreadyAsksNothingDuringAWatchedGame) {
    HWND hWnd = Create_Window();
    Watch_Game();
    gCurrentPage = 40086;
    Send_Command(hWnd, 40086);
    EXPECT_EQ(Count_Boxes_With("play-by-play mode"), 0);

    int nTarget = Get_Target_Week();
    Test_Answer_Message_Box_With_Text("play-by-play mode", IDNO);
    Send_Command(hWnd, 40030);
    EXPECT_EQ(Count_Boxes_With("Can't leave this screen during play-by-play mode."), 1);
    EXPECT_EQ(Get_Target_Week(), nTarget);
}

TEST_F(MainwinCommandTest, CollegeDraftIsClosedBeforeThePostseason) {
    HWND hWnd = Create_Window();
    gCurrentWeek = 0;
    Send_Command(hWnd, 40085);
    EXPECT_EQ(Count_Boxes_With("College players are not available"), 1);
    EXPECT_EQ(Count_Dialogs(IDD_COLLEGE_DRAFT), 0);
}

struct MAINWIN_TIMEOUT_CASE {
    int nFlags;
    int nTimeouts;
    const char* szText;
    int nTimeoutsAfter;
};

TEST_F(MainwinCommandTest, TimeoutByTheClockAndTheTimeoutsLeft) {
    const MAINWIN_TIMEOUT_CASE aCases[] = {
        {0x100, 3, "The clock is already stopped.", 3},
        {0x200, 3, "The clock is already stopped.", 3},
        {0, 0, "do not have any more timeouts remaining in this half.", 0},
        {0, 1, "have called their final timeout.", 0},
        {0, 2, "call timeout. They have one timeout remaining.", 1},
        {0, 3, "call timeout. They have 2 timeouts remaining.", 2},
    };
    HWND hWnd = Create_Window();
    GAME* pGame = Watch_Game();
    for (const MAINWIN_TIMEOUT_CASE& c : aCases) {
        SCOPED_TRACE(c.szText);
        Test_Clear_Transcript();
        pGame->nFlags = c.nFlags;
        pGame->anTimeouts[HOME_SIDE] = c.nTimeouts;
        Send_Command(hWnd, 40064);
        EXPECT_EQ(Count_Boxes_With(c.szText), 1);
        EXPECT_EQ(pGame->anTimeouts[HOME_SIDE], c.nTimeoutsAfter);
        if (c.nTimeoutsAfter < c.nTimeouts) {
            EXPECT_EQ(pGame->nFlags & 0x300, 0x100);
        }
    }
}

TEST_F(MainwinCommandTest, TimeoutWithoutAWatchedGameDoesNothing) {
    HWND hWnd = Create_Window();
    Test_Clear_Transcript();
    Send_Command(hWnd, 40132);
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(MainwinCommandTest, WebPagesAndTheGameFolderOpenWithTheShell) {
    HWND hWnd = Create_Window();
    Send_Command(hWnd, 1222);
    Send_Command(hWnd, 1451);
    Send_Command(hWnd, 40136);
    const std::vector<TEST_SHELL_OPEN>& aOpens = Test_Get_Shell_Opens();
    ASSERT_EQ(aOpens.size(), 3u);
    EXPECT_EQ(aOpens[0].stFile, "https://footballvanto.example/update");
    EXPECT_EQ(aOpens[1].stFile, "https://footballvanto.example/store");
    char szFolder[4096];
    ASSERT_NE(GetCurrentDirectoryA(sizeof(szFolder), szFolder), 0u);
    EXPECT_EQ(aOpens[2].stDirectory, szFolder);
    EXPECT_EQ(aOpens[2].nShowCmd, SW_SHOWNORMAL);
}

// The debug log opens when it is there; a failing open is not reported.
TEST_F(MainwinCommandTest, DebugLogOpensOnlyWhenItExists) {
    HWND hWnd = Create_Window();
    remove("debug.txt");  // the missing fame file was logged there
    Test_Clear_Transcript();
    Send_Command(hWnd, 40113);
    EXPECT_TRUE(Test_Get_Shell_Opens().empty());
    EXPECT_TRUE(Test_Get_Transcript().empty());

    FILE* pFile = fopen("debug.txt", "w");
    ASSERT_NE(pFile, (FILE*)NULL);
    fclose(pFile);
    Send_Command(hWnd, 40113);
    ASSERT_EQ(Test_Get_Shell_Opens().size(), 1u);
    EXPECT_NE(Test_Get_Shell_Opens()[0].stFile.find("debug.txt"), std::string::npos);
}

}  // namespace
