// card_shots: the default universe's player cards as pictures: a starting quarterback's and a
// rookie's, over the Standings page. Runs in the installation folder.
//   card_shots [--sdl] <folder>
// Headless (the default) each card is saved as the dialog alone; with --sdl on a display (or
// under xvfb-run) the main window with the card over it is saved as the display shows it.
#include "database/database.h"
#include "pages/pages.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#include <stdio.h>
#include <string.h>

#include <string>

namespace {

#define CARD_SHOT_TIMER 7101
#define CARD_SHOT_DELAY_MS 300

std::string gShotPath;
bool gShotSaved = false;

// On a display: the card has been up for a moment; save the window and close the card.
void CALLBACK Card_Shot_Timer(HWND hWnd, UINT, UINT_PTR nId, DWORD) {
    KillTimer(hWnd, nId);
    gShotSaved = Platform_Save_Screenshot(gMainWindow, gShotPath.c_str());
    HWND hCard = GetActiveWindow();
    if (hCard && hCard != gMainWindow)
        PostMessageA(hCard, WM_COMMAND, IDOK, 0);
}

bool Shoot_Card(int nTeam, int nSlot, const std::string& stPath, bool bDisplay) {
    gShotPath = stPath;
    gShotSaved = false;
    if (bDisplay)
        SetTimer(gMainWindow, CARD_SHOT_TIMER, CARD_SHOT_DELAY_MS, (void*)Card_Shot_Timer);
    else
        Test_Script_Dialog(IDD_SCOUTING_REPORT,
                           [](HWND hDlg) { gShotSaved = Test_Snapshot_Dialog(hDlg, gShotPath); });
    Open_Scouting_Report_At(nTeam, nSlot, gMainWindow);
    printf("card_shots: %s %s\n", stPath.c_str(), gShotSaved ? "saved" : "NOT saved");
    return gShotSaved;
}

// The user's team's first quarterback, and the league's first rookie (experience 0).
void Find_Card_Players(int* pStarterTeam, int* pStarterSlot, int* pRookieTeam, int* pRookieSlot) {
    *pStarterTeam = Get_User_Team();
    *pStarterSlot = Get_Team_Position_Player(*pStarterTeam, POS_QB, 0);
    *pRookieTeam = NO_TEAM;
    *pRookieSlot = NO_PLAYER;
    For_Each_League_Player([&](int nTeam, int nSlot) {
        if (*pRookieTeam == NO_TEAM && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE) == 0 &&
            Get_Roster_Position(nTeam, nSlot) == POS_WR) {
            *pRookieTeam = nTeam;
            *pRookieSlot = nSlot;
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    bool bDisplay = argc == 3 && strcmp(argv[1], "--sdl") == 0;
    if (argc != 2 && !bDisplay) {
        fprintf(stderr, "usage: card_shots [--sdl] <folder>\n");
        return 2;
    }
    std::string stFolder = argv[argc - 1];
    if (!Platform_Make_Directory(stFolder.c_str()) ||
        !Platform_Select_Backend(bDisplay ? "sdl" : "headless")) {
        fprintf(stderr, "card_shots: no folder %s or no backend\n", stFolder.c_str());
        return 1;
    }
    HINSTANCE hInstance = Get_App_Instance();
    InitCommonControls();
    Load_App_Cursors(hInstance);
    Init_Bitmap_Cache();
    Ensure_Fame_File();  // the window's placement is read from it
    if (!Register_Main_Window_Class(hInstance) || !Create_Main_Window(hInstance, SW_SHOW)) {
        fprintf(stderr, "card_shots: no main window\n");
        return 1;
    }
    Create_Dialog_Brushes();
    Register_Report_Window_Class();
    if (!Load_Universe(DEFAULT_UNIVERSE_FILE_NAME)) {
        fprintf(stderr, "card_shots: the default universe does not load\n");
        return 1;
    }
    Show_News_Page(STANDINGS_PAGE);
    Test_Pump_Messages();

    int nStarterTeam, nStarterSlot, nRookieTeam, nRookieSlot;
    Find_Card_Players(&nStarterTeam, &nStarterSlot, &nRookieTeam, &nRookieSlot);
    const char* szSuffix = bDisplay ? "-display" : "";
    bool bOk = Shoot_Card(nStarterTeam, nStarterSlot,
                          stFolder + "/card-starter" + szSuffix + ".png", bDisplay);
    bOk = nRookieTeam != NO_TEAM &&
          Shoot_Card(nRookieTeam, nRookieSlot, stFolder + "/card-rookie" + szSuffix + ".png",
                     bDisplay) &&
          bOk;
    return bOk ? 0 : 1;  // the window is left as it is, so the game's kept placement stays
}
