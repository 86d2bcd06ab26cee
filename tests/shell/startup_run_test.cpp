// The program's start-up: its order, a league that cannot be loaded, the command-line flags
// from both sources, the installation values and the Welcome screen.
#include "fixtures/fixture_league.h"
#include "resources/resource.h"
#include "startup_test_fixture.h"

#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

// The default universe for the start-up to load: the fixture league saved in its place.
void Startup_Write_Universe() {
    Build_Fixture_League();
    ASSERT_TRUE(Platform_Make_Directory("Databases"));
    ASSERT_EQ(Save_Game_File(DEFAULT_UNIVERSE_FILE_NAME, NULL), SAVE_OK);
}

std::string Startup_Current_Folder() {
    char szFolder[4096];
    return getcwd(szFolder, sizeof szFolder) ? szFolder : "";
}

TEST_F(StartupTest, MissingUniverseSaysWhyAndFailsCleanly) {
    EXPECT_EQ(Run_Startup(""), STARTUP_FAILED_EXIT_CODE);

    const auto& transcript = Test_Get_Transcript();
    // The main window has its back buffer by then, so the box is the skinned message dialog.
    ASSERT_EQ(transcript.size(), 1u);
    EXPECT_EQ(transcript[0].nKind, TEST_SHOWN_DIALOG);
    EXPECT_EQ(transcript[0].nTemplateId, IDD_USER_MESSAGE);
    EXPECT_EQ(transcript[0].stCaption, "File Load Error");
    EXPECT_TRUE(Contains(
        transcript[0].stText,
        "Couldn't open \"Databases/Universe-2019.dat\".\n\nPlease re-install Football Vanto."));
    EXPECT_EQ(gMainWindow, nullptr);

    // Everything before the load happened: the log, the Hall of Fame file, the values.
    std::string stLog = Read_Text_File("debug.txt");
    EXPECT_TRUE(Contains(stLog, "1700000000 Football Vanto 2022 (V19.04CD     ) started at: "));
    EXPECT_TRUE(Contains(stLog, "\n comctl32.dll = 0x00000000\n"));
    EXPECT_TRUE(Contains(stLog, " Video Information:\n   DRIVERVERSION="));
    EXPECT_TRUE(Contains(stLog, "   HORZRES=1920                VERTRES=1080\n"));
    EXPECT_FALSE(Contains(stLog, "Command Line Flags"));
    EXPECT_TRUE(Contains(stLog, "Start-up failed: the league"));
    EXPECT_TRUE(File_Exists("VntFame.dat"));
}

// Start-up installs the shell's host services: from a quiet start, the league's notices reach the
// skinned message dialog.
TEST_F(StartupTest, StartUpInstallsTheShellsHostServices) {
    Set_Host_Services(NULL);
    Run_Startup("");

    EXPECT_FALSE(Is_Quiet_Host());
    EXPECT_EQ(Host()->pAsk, Get_Shell_Host_Services()->pAsk);
    EXPECT_EQ(Host()->pOpenProgress, Get_Shell_Host_Services()->pOpenProgress);
    ASSERT_FALSE(Test_Get_Transcript().empty());
    EXPECT_EQ(Test_Get_Transcript()[0].nTemplateId, IDD_USER_MESSAGE);
}

// A flag inside a longer word counts; one named on the command line and in the file is listed
// once, in the flags' own order.
TEST_F(StartupTest, FlagsFromTheArgumentsAndTheFileAreListedOnce) {
    Write_Text_File(COMMAND_LINE_FILE, "DTXT_AGG\nIS_NOT_RANDOM\n");
    Run_Startup("-xIS_NOT_RANDOMx SHOW_SYSTEM_ERRORS");

    EXPECT_EQ(gCommandLineFlags, IS_NOT_RANDOM | SHOW_SYSTEM_ERRORS | DTXT_AGG);
    EXPECT_STREQ(gCommandLineFlagNames, "IS_NOT_RANDOM SHOW_SYSTEM_ERRORS DTXT_AGG ");
    EXPECT_TRUE(Contains(Read_Text_File("debug.txt"),
                         "\n Command Line Flags: IS_NOT_RANDOM SHOW_SYSTEM_ERRORS DTXT_AGG \n"));
}

TEST_F(StartupTest, FlagParsingCases) {
    struct {
        const char* szText;
        int nFlags;
        const char* szNames;
    } kCases[] = {
        {"", 0, ""},
        {"is_not_random", 0, ""},  // the names are matched with their case
        {"DTXT_PBPSELECTOR DTXT_PBPDIAGRAM", DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR,
         "DTXT_PBPDIAGRAM DTXT_PBPSELECTOR "},
        {"DTXT_AGG DTXT_AGG", DTXT_AGG, "DTXT_AGG "},
        {"DTXT_AG", 0, ""},
    };
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.szText);
        gCommandLineFlags = 0;
        gCommandLineFlagNames[0] = 0;
        Parse_Command_Line_Flags(test.szText);
        EXPECT_EQ(gCommandLineFlags, test.nFlags);
        EXPECT_STREQ(gCommandLineFlagNames, test.szNames);
    }
    // The arguments after the program's name become one text.
    char szProgram[] = "football-vanto", szFirst[] = "IS_NOT_RANDOM", szSecond[] = "DTXT_AGG";
    char* argv[] = {szProgram, szFirst, szSecond};
    char szLine[64];
    Join_Command_Line_Arguments(3, argv, szLine, sizeof szLine);
    EXPECT_STREQ(szLine, "IS_NOT_RANDOM DTXT_AGG");
}

// A second run keeps the first-install values and updates the last ones.
TEST_F(StartupTest, InstallValuesKeepTheFirstRunAndUpdateTheLast) {
    Write_Text_File(INSTALL_VALUES_FILE,
                    "SelfInstallDir=/first/folder\nInitVer=1850\nInitType=DL\nLastVer=1850\n"
                    "LastDir=/first/folder\n");
    Update_Install_Registry();
    char szValue[TEXT_BUFFER_SIZE];
    struct {
        const char* szName;
        std::string stValue;
    } kExpected[] = {{"SelfInstallDir", "/first/folder"},
                     {"InitVer", "1850"},
                     {"InitType", "DL"},
                     {"LastVer", "1904"},
                     {"LastDir", Startup_Current_Folder()}};
    for (const auto& value : kExpected) {
        EXPECT_TRUE(Read_Install_Value(value.szName, szValue, sizeof szValue));
        EXPECT_EQ(szValue, value.stValue) << value.szName;
    }

    // A new store gets every value.
    remove(INSTALL_VALUES_FILE);
    Update_Install_Registry();
    EXPECT_TRUE(Read_Install_Value("SelfInstallDir", szValue, sizeof szValue));
    EXPECT_EQ(szValue, Startup_Current_Folder());
    EXPECT_TRUE(Read_Install_Value("InitType", szValue, sizeof szValue));
    EXPECT_STREQ(szValue, "CD");
    EXPECT_FALSE(Read_Install_Value("Missing", szValue, sizeof szValue));
}

// New Game cancelled brings the Welcome screen back; Exit there ends the program with 0. In a
// folder without saved games the Resume button is off.
TEST_F(StartupTest, WelcomeReturnsAfterACancelledNewGameAndExitQuits) {
    Startup_Write_Universe();
    mkdir("Help", 0755);
    Write_Text_File("Help/playing.htm", "<html></html>");  // opened at this first start
    Write_Text_File("Help/update.htm", "<html></html>");   // the update reminder's page
    std::vector<bool> abResumeEnabled;
    auto choose = [&abResumeEnabled](int nButton) {
        return [&abResumeEnabled, nButton](HWND hDlg) {
            abResumeEnabled.push_back(IsWindowEnabled(GetDlgItem(hDlg, IDC_RESUME_GAME)) != 0);
            InvalidateRect(hDlg, NULL, TRUE);
            UpdateWindow(hDlg);
            SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
        };
    };
    Test_Script_Dialog(IDD_WELCOME, choose(IDC_NEW_GAME));
    Test_Script_Dialog(IDD_WELCOME, choose(IDCANCEL));

    EXPECT_EQ(Run_Startup("IS_NOT_RANDOM"), 0);

    std::vector<int> anShown;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        anShown.push_back(shown.nTemplateId);
    EXPECT_EQ(anShown, (std::vector<int>{IDD_WELCOME, IDD_NEW_GAME, IDD_WELCOME}));
    EXPECT_EQ(Test_Get_Transcript()[0].stCaption, "Football Vanto 22 (Version v19.04)");
    EXPECT_EQ(abResumeEnabled, (std::vector<bool>{false, false}));
    std::string stLog = Read_Text_File("debug.txt");
    EXPECT_TRUE(Contains(stLog, "Entering: Do_Splash_Screen()"));
    EXPECT_TRUE(Contains(stLog, "ID_NEWGAME Menu Launched"));
    EXPECT_TRUE(Contains(stLog, "Exited: Do_Splash_Screen()"));
    EXPECT_FALSE(Contains(stLog, "Do_Splash_Screen() return TRUE"));
}

// With a saved game in the folder the Resume button is on; a web page button keeps the screen.
TEST_F(StartupTest, WelcomeOffersResumeWhenSavedGamesExist) {
    Write_Text_File("Season.VNT", "x");
    bool bResumeEnabled = false;
    INT_PTR nAfterWebPage = -1;
    Test_Script_Dialog(IDD_WELCOME, [&](HWND hDlg) {
        bResumeEnabled = IsWindowEnabled(GetDlgItem(hDlg, IDC_RESUME_GAME)) != 0;
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_HOME_PAGE, BN_CLICKED), 0);
        nAfterWebPage = IsWindow(hDlg) ? 0 : 1;
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_RESUME_GAME, BN_CLICKED), 0);
    });
    EXPECT_EQ(Do_Dialog(NULL, IDD_WELCOME, 0), IDC_RESUME_GAME);
    EXPECT_TRUE(bResumeEnabled);
    EXPECT_EQ(nAfterWebPage, 0);
}

// The How to Play page opens with the Welcome screen at the first start only; a page the folder
// lacks is reported in a box.
TEST_F(StartupTest, HowToPlayPageOpensAtTheFirstStartOnly) {
    mkdir("Help", 0755);
    Write_Text_File("Help/playing.htm", "<html></html>");
    for (int bFirst : {1, 0}) {
        SCOPED_TRACE(bFirst);
        gFirstStart = bFirst;
        Test_Clear_Shell_Opens();
        Test_Script_Dialog(IDD_WELCOME, [](HWND hDlg) { EndDialog(hDlg, IDCANCEL); });
        Do_Dialog(NULL, IDD_WELCOME, 0);
        ASSERT_EQ(Test_Get_Shell_Opens().size(), bFirst ? 1u : 0u);
        if (bFirst) {
            EXPECT_TRUE(Contains(Test_Get_Shell_Opens()[0].stFile, "/Help/playing.htm"));
        }
    }
    gFirstStart = 0;

    Test_Clear_Transcript();
    Open_Help_Page("nowhere");
    ASSERT_EQ(Test_Get_Transcript().size(), 1u);
    EXPECT_TRUE(Contains(Test_Get_Transcript()[0].stText, "nowhere.htm\" was not found."));
}

TEST_F(StartupTest, AboutShowsTheVersionAndEndsWithOne) {
    std::string stVersion, stCreated;
    Test_Script_Dialog(IDD_ABOUT, [&](HWND hDlg) {
        char szText[128];
        GetDlgItemTextA(hDlg, IDC_ABOUT_VERSION, szText, sizeof szText);
        stVersion = szText;
        GetDlgItemTextA(hDlg, IDC_ABOUT_BUILD_DATE, szText, sizeof szText);
        stCreated = szText;
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(Do_Dialog(NULL, IDD_ABOUT, 0), 1);
    EXPECT_EQ(stVersion, "Football Vanto 22 (Version 19.0.4)");
    // "Created: Tuesday, March 5, 2024": the program file's day, weekday and month named.
    struct stat info;
    ASSERT_EQ(stat("/proc/self/exe", &info), 0);
    struct tm when;
    localtime_r(&info.st_mtime, &when);
    char szExpected[128];
    strftime(szExpected, sizeof szExpected, "Created: %A, %B ", &when);
    EXPECT_EQ(stCreated, std::string(szExpected) + std::to_string(when.tm_mday) + ", " +
                             std::to_string(when.tm_year + 1900));
}

}  // namespace

namespace {

// The timer measures between start and stop; shown, it reads in seconds to the millisecond.
TEST_F(StartupTest, DebugTimerMeasuresLogsAndShows) {
    EXPECT_EQ(Debug_Timer("ID_PLAY_ONE_WEEK", DEBUG_TIMER_START), 0u);
    Test_Advance_Clock(1005);
    EXPECT_EQ(Debug_Timer(NULL, DEBUG_TIMER_STOP), 1005u);
    EXPECT_EQ(Debug_Timer(NULL, DEBUG_TIMER_LOG), 1005u);
    EXPECT_EQ(Debug_Timer("Shown", DEBUG_TIMER_LOG), 1005u);
    EXPECT_EQ(Debug_Timer(NULL, 0), 1005u);

    std::string stLog = Read_Text_File("debug.txt");
    EXPECT_TRUE(Contains(stLog, " TIMER 1005\n"));
    EXPECT_TRUE(Contains(stLog, " TIMER 1005: Shown\n"));
    const auto& transcript = Test_Get_Transcript();
    ASSERT_EQ(transcript.size(), 1u);
    EXPECT_EQ(transcript[0].stCaption, "ID_PLAY_ONE_WEEK");
    EXPECT_EQ(transcript[0].stText, "1.005");
}

}  // namespace
