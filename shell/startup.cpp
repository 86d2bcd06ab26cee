// The program's frame: start-up in its fixed order, the one message loop and shut-down.

#include "database/database.h"
#include "pages/pages.h"
#include "reports/reports.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#include <stdio.h>
#include <stdlib.h>

static int Is_Display_Present(void) {
    const char* szX = getenv("DISPLAY");
    const char* szWayland = getenv("WAYLAND_DISPLAY");
    return (szX && szX[0]) || (szWayland && szWayland[0]);
}

// Real windows on a display; without one the program runs in memory and says so.
static void Select_Display_Backend(void) {
    if (!Is_Display_Present()) {
        fprintf(stderr,
                "football-vanto: no display (neither DISPLAY nor WAYLAND_DISPLAY is set), "
                "so nothing can be shown: the program starts without windows and ends "
                "at its Welcome screen.\nOn a machine without a display, run it as "
                "`xvfb-run -a make run`.\n");
    } else if (!Platform_Select_Backend("sdl")) {
        fprintf(stderr,
                "football-vanto: the display could not be opened: the program starts "
                "without windows and ends at its Welcome screen.\n");
    } else {
        return;
    }
    Platform_Select_Backend("headless");
}

int Run_Application(int argc, char** argv) {
    Select_Display_Backend();
    char szCommandLine[TEXT_BUFFER_SIZE];
    Join_Command_Line_Arguments(argc, argv, szCommandLine, sizeof szCommandLine);
    int nExitCode = WinMain(Get_App_Instance(), NULL, szCommandLine, SW_SHOWNORMAL);
    if (nExitCode == STARTUP_FAILED_EXIT_CODE)
        fprintf(stderr,
                "football-vanto: the program could not start; debug.txt in its folder "
                "says why.\n");
    return nExitCode;
}

// The C library's generator and ours: fixed with IS_NOT_RANDOM, else from the clock.
static void Seed_Generators(void) {
    if (gCommandLineFlags & IS_NOT_RANDOM)
        srand(FIXED_RANDOM_SEED);
    else
        srand((unsigned)(Platform_Time() + GetTickCount()));
    Seed_Startup_Random();
}

int Do_Splash_Screen(void) {
    INT_PTR nResult;
    do {
        nResult = Open_Dialog(gMainWindow, IDD_WELCOME);
        if (nResult == IDCANCEL) {
            PostQuitMessage(0);
            return 0;
        }
        if (nResult == IDC_NEW_GAME) {
            Log_Debug_Line("ID_NEWGAME Menu Launched");
            nResult = Open_Dialog(gMainWindow, IDD_NEW_GAME);
            Log_Debug_Line("ID_NEWGAME Menu Returned");
        } else if (nResult == IDC_RESUME_GAME) {
            nResult = Open_Dialog(gMainWindow, IDD_RESUME_GAME);
        }
    } while (nResult == IDCANCEL);
    Log_Debug_Line("Do_Splash_Screen() return TRUE");
    return 1;
}

static WPARAM Run_Message_Loop(void) {
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0)) {
        if (!TranslateAcceleratorA(msg.hwnd, gMainAccelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Close_Main_Window_After_Advance();
    }
    return msg.wParam;
}

// A start-up that stops part way gives back what it made and tells the caller.
static int Abandon_Startup(const char* szWhy) {
    Log_Debug_Line("Start-up failed: %s", szWhy);
    if (gMainWindow)
        DestroyWindow(gMainWindow);
    gMainWindow = NULL;
    Free_Application_Resources();
    return STARTUP_FAILED_EXIT_CODE;
}

int WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd) {
    (void)hPrevInstance;
    Install_Crash_Handler();
    Install_Shell_Host_Services();
    gCommandLineFlagNames[0] = 0;
    Parse_Command_Line_Flags(lpCmdLine);
    Read_Command_Line_File();
    Start_Debug_Log();
    gCurrentPage = 0;
    gLastPaintedPage = -1;
    Seed_Generators();
    Install_Report_Writers();

    InitCommonControls();
    Load_App_Cursors(hInstance);
    Init_Bitmap_Cache();
    Ensure_Fame_File();
    Update_Install_Registry();
    if (!Register_Main_Window_Class(hInstance))
        return Abandon_Startup("the main window's class could not be registered.");
    if (!Create_Main_Window(hInstance, nShowCmd))
        return Abandon_Startup("the main window could not be created.");

    gMainAccelerators = LoadAcceleratorsA(hInstance, MAKEINTRESOURCEA(MAIN_ACCELERATOR_TABLE));
    Create_Dialog_Brushes();
    Register_Report_Window_Class();
    // The loader has shown why the league could not be read.
    if (!Load_Universe(DEFAULT_UNIVERSE_FILE_NAME))
        return Abandon_Startup("the league \"" DEFAULT_UNIVERSE_FILE_NAME
                               "\" could not be loaded.");

    Show_News_Page(0);
    Show_Update_Reminder();
    Log_Debug_Line("Entering: Do_Splash_Screen()");
    Do_Splash_Screen();
    Log_Debug_Line("Exited: Do_Splash_Screen()");

    WPARAM nExitCode = Run_Message_Loop();
    Free_Application_Resources();
    return (int)nExitCode;
}
