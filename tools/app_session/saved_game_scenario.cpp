// The saved-game scenario, in two runs of the game on a display. The first: New Game for the
// 2021 season with two teams run by people and a manager's name, two weeks played, the game saved
// as "My League", the program left. The second: Resume "My League" from the Welcome screen, one
// week played, the program left without saving. Screenshots of the New Game, Save and Resume
// dialogs and of the league after resuming go to the folder given.
#include "app_session.h"

#include "database/database.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "season/season.h"
#include "shell/shell.h"

#include <SDL.h>
#include <stdio.h>

#include <string>

namespace {

#define SCENARIO_TICK_MS 100
#define SCENARIO_STEP_LIMIT_MS 180000
#define SCENARIO_DIALOG_LIMIT 12
#define SCENARIO_SEASON "2021"
#define SCENARIO_SAVE_NAME "My League"
#define SCENARIO_SAVE_FILE "My League.vnt"
#define SCENARIO_MANAGER "Pat Doe"
#define SCENARIO_SECOND_HUMAN_ROW 1
#define SCENARIO_FIRST_RUN_WEEKS 2

enum SCENARIO_STEP {
    STEP_WELCOME,
    STEP_NEW_GAME,
    STEP_NEW_GAME_SHOT,
    STEP_INTO_LEAGUE,
    STEP_WEEK,
    STEP_SAVE_DIALOG,
    STEP_SAVE_SHOT,
    STEP_SAVED,
    STEP_RESUME_WELCOME,
    STEP_RESUME_DIALOG,
    STEP_RESUME_SHOT,
    STEP_RESUMED,
    STEP_LEAVE,
    STEP_OVER
};

struct SCENARIO_STATE {
    std::string stFolder;
    int nRun;  // 1 or 2
    SCENARIO_STEP eStep;
    DWORD nStepTick;
    int nShots;
    int nDialogs;
    int nWeeksLeft;
    int nWeekBefore;
    int nResult;
};
SCENARIO_STATE gScenario = {};

void Scenario_Enter(SCENARIO_STEP eStep) {
    gScenario.eStep = eStep;
    gScenario.nStepTick = GetTickCount();
}

void Scenario_Fail(const std::string& stWhy) {
    fprintf(stderr, "app_session: saved-game run %d: FAILED: %s\n", gScenario.nRun, stWhy.c_str());
    gScenario.nResult = 1;
    gScenario.eStep = STEP_OVER;
    PostQuitMessage(0);
}

bool Scenario_Shot(const char* szName) {
    char szPath[1024];
    snprintf(szPath, sizeof szPath, "%s/saved-game-%d-%02d-%s.png", gScenario.stFolder.c_str(),
             gScenario.nRun, ++gScenario.nShots, szName);
    if (!Platform_Save_Screenshot(gMainWindow, szPath)) {
        Scenario_Fail(std::string("the screenshot ") + szPath + " could not be saved");
        return false;
    }
    printf("app_session: %s\n", szPath);
    fflush(stdout);
    return true;
}

// A dialog the scenario does not drive gets Enter, its default answer, as a person would give;
// the game matchup "Simulate This Game".
void Scenario_Answer_With_Enter(HWND hDlg) {
    if (Session_Is_Progress_Window(hDlg))
        return;
    char szCaption[128] = "";
    GetWindowTextA(hDlg, szCaption, sizeof szCaption);
    if (++gScenario.nDialogs > SCENARIO_DIALOG_LIMIT) {
        Scenario_Fail(std::string("dialogs keep coming; the last is \"") + szCaption + "\"");
        return;
    }
    if (Session_Is_Game_Matchup(hDlg)) {
        Session_Choose_Matchup(hDlg, false);  // the weeks run unwatched here
        return;
    }
    printf("app_session: dialog \"%s\" gets its default answer\n", szCaption);
    SDL_Event e = {};
    e.key.keysym.sym = SDLK_RETURN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    SDL_PushEvent(&e);
    e.key.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    SDL_PushEvent(&e);
}

// The dialog clicked last is still up: its click has not been taken yet.
bool Is_Click_Pending(HWND hDlg) {
    return !Session_Is_Game_Matchup(hDlg) &&
           (GetDlgItem(hDlg, IDC_PLAY) || GetDlgItem(hDlg, IDC_SAVED_GAMES));
}

void Scenario_Click(HWND hDlg, int nId) {
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, nId));
}

bool Is_League_Shown(void) {
    return !Session_Dialog_Up() && gButtonBar && Is_News_Page_Shown() && !Is_Simulation_Running();
}

void Scenario_Play_Week(void) {
    gScenario.nWeekBefore = gCurrentWeek;
    gScenario.nDialogs = 0;
    PostMessageA(gMainWindow, WM_COMMAND, MAKEWPARAM(ID_PLAY_ONE_WEEK, 0), 0);
    Scenario_Enter(STEP_WEEK);
}

// ---- the first run ------------------------------------------------------------------------------

void Scenario_Welcome(int nButton, SCENARIO_STEP eNext) {
    HWND hDlg = Session_Dialog_Up();
    if (!hDlg || !GetDlgItem(hDlg, nButton))
        return;  // the Welcome screen is not up yet
    Scenario_Click(hDlg, nButton);
    Scenario_Enter(eNext);
}

// The 2021 season, the manager's name and a second team run by a person.
void Scenario_New_Game(void) {
    HWND hDlg = Session_Dialog_Up();
    HWND hSeason = hDlg ? GetDlgItem(hDlg, IDC_NEW_GAME_SEASON) : nullptr;
    if (!hSeason)
        return;
    int nRow = (int)SendMessageA(hSeason, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)SCENARIO_SEASON);
    if (nRow < 0) {
        Scenario_Fail("the New Game dialog does not offer the " SCENARIO_SEASON " season");
        return;
    }
    SendMessageA(hSeason, CB_SETCURSEL, nRow, 0);
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_NEW_GAME_SEASON, CBN_SELCHANGE), (LPARAM)hSeason);
    SetDlgItemTextA(hDlg, IDC_NEW_GAME_NAME, SCENARIO_MANAGER);
    SendDlgItemMessageA(hDlg, IDC_NEW_GAME_HUMANS, LB_SETSEL, TRUE, SCENARIO_SECOND_HUMAN_ROW);
    InvalidateRect(hDlg, nullptr, TRUE);
    Scenario_Enter(STEP_NEW_GAME_SHOT);
}

void Scenario_New_Game_Shot(void) {
    HWND hDlg = Session_Dialog_Up();
    if (!hDlg || !Scenario_Shot("new-game"))
        return;
    Scenario_Click(hDlg, IDC_PLAY);
    gScenario.nDialogs = 0;
    Scenario_Enter(STEP_INTO_LEAGUE);
}

void Scenario_Into_League(void) {
    if (HWND hDlg = Session_Dialog_Up()) {
        if (!Is_Click_Pending(hDlg))
            Scenario_Answer_With_Enter(hDlg);
        return;
    }
    if (!Is_League_Shown() || !Scenario_Shot("league"))
        return;
    if (Count_Human_Teams() != 2 || Get_Season_Year() != 2021) {
        Scenario_Fail("the new game is not the 2021 season with two teams run by people");
        return;
    }
    gScenario.nWeeksLeft = SCENARIO_FIRST_RUN_WEEKS;
    Scenario_Play_Week();
}

void Scenario_Week(void) {
    if (HWND hDlg = Session_Dialog_Up()) {
        Scenario_Answer_With_Enter(hDlg);
        return;
    }
    if (gCurrentWeek == gScenario.nWeekBefore || !Is_League_Shown())
        return;
    if (gCurrentWeek != gScenario.nWeekBefore + 1) {
        Scenario_Fail("One Week went from week " + std::to_string(gScenario.nWeekBefore) +
                      " to week " + std::to_string(gCurrentWeek));
        return;
    }
    if (!Scenario_Shot(("week-" + std::to_string(gCurrentWeek)).c_str()))
        return;
    if (--gScenario.nWeeksLeft > 0) {
        Scenario_Play_Week();
    } else if (gScenario.nRun == 1) {
        PostMessageA(gMainWindow, WM_COMMAND, MAKEWPARAM(ID_GAME_SAVE, 0), 0);
        Scenario_Enter(STEP_SAVE_DIALOG);
    } else {
        PostMessageA(gMainWindow, WM_COMMAND, MAKEWPARAM(ID_GAME_EXIT, 0), 0);
        Scenario_Enter(STEP_LEAVE);
    }
}

void Scenario_Save_Dialog(void) {
    HWND hDlg = Session_Dialog_Up();
    if (!hDlg || !GetDlgItem(hDlg, IDC_SAVE_NAME))
        return;
    SetDlgItemTextA(hDlg, IDC_SAVE_NAME, SCENARIO_SAVE_NAME);
    InvalidateRect(hDlg, nullptr, TRUE);
    Scenario_Enter(STEP_SAVE_SHOT);
}

void Scenario_Save_Shot(void) {
    HWND hDlg = Session_Dialog_Up();
    if (!hDlg || !Scenario_Shot("save"))
        return;
    Scenario_Click(hDlg, IDOK);
    Scenario_Enter(STEP_SAVED);
}

void Scenario_Saved(void) {
    if (Session_Dialog_Up() || !File_Exists(SCENARIO_SAVE_FILE))
        return;
    PostMessageA(gMainWindow, WM_COMMAND, MAKEWPARAM(ID_GAME_EXIT, 0), 0);
    Scenario_Enter(STEP_LEAVE);
}

// ---- the second run -----------------------------------------------------------------------------

void Scenario_Resume_Dialog(void) {
    HWND hDlg = Session_Dialog_Up();
    HWND hList = hDlg ? GetDlgItem(hDlg, IDC_SAVED_GAMES) : nullptr;
    if (!hList)
        return;
    if (SendMessageA(hList, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)SCENARIO_SAVE_NAME) < 0) {
        Scenario_Fail("the Resume Game dialog does not list \"" SCENARIO_SAVE_NAME "\"");
        return;
    }
    InvalidateRect(hDlg, nullptr, TRUE);
    Scenario_Enter(STEP_RESUME_SHOT);
}

void Scenario_Resume_Shot(void) {
    HWND hDlg = Session_Dialog_Up();
    if (!hDlg || !Scenario_Shot("resume"))
        return;
    Scenario_Click(hDlg, IDOK);
    gScenario.nDialogs = 0;
    Scenario_Enter(STEP_RESUMED);
}

void Scenario_Resumed(void) {
    if (HWND hDlg = Session_Dialog_Up()) {
        if (!Is_Click_Pending(hDlg))
            Scenario_Answer_With_Enter(hDlg);
        return;
    }
    if (!Is_League_Shown() || !Scenario_Shot("resumed"))
        return;
    if (gCurrentWeek != SCENARIO_FIRST_RUN_WEEKS || Count_Human_Teams() != 2) {
        Scenario_Fail("the resumed game is at week " + std::to_string(gCurrentWeek) + " with " +
                      std::to_string(Count_Human_Teams()) + " teams run by people");
        return;
    }
    gScenario.nWeeksLeft = 1;
    Scenario_Play_Week();
}

// Leaving: the question whether to save the week just played gets No.
void Scenario_Leave(void) {
    HWND hDlg = Session_Dialog_Up();
    if (hDlg && GetDlgItem(hDlg, IDC_MESSAGE_BUTTON2))
        Scenario_Click(hDlg, IDC_MESSAGE_BUTTON2);
    else if (hDlg)
        Scenario_Answer_With_Enter(hDlg);
}

void Scenario_Timer_Proc(void) {
    if (gScenario.eStep == STEP_OVER)
        return;
    if (GetTickCount() - gScenario.nStepTick > SCENARIO_STEP_LIMIT_MS) {
        Scenario_Shot("timeout");
        Scenario_Fail("step " + std::to_string(gScenario.eStep) + " did not come in time");
        return;
    }
    switch (gScenario.eStep) {
    case STEP_WELCOME: Scenario_Welcome(IDC_NEW_GAME, STEP_NEW_GAME); break;
    case STEP_NEW_GAME: Scenario_New_Game(); break;
    case STEP_NEW_GAME_SHOT: Scenario_New_Game_Shot(); break;
    case STEP_INTO_LEAGUE: Scenario_Into_League(); break;
    case STEP_WEEK: Scenario_Week(); break;
    case STEP_SAVE_DIALOG: Scenario_Save_Dialog(); break;
    case STEP_SAVE_SHOT: Scenario_Save_Shot(); break;
    case STEP_SAVED: Scenario_Saved(); break;
    case STEP_RESUME_WELCOME: Scenario_Welcome(IDC_RESUME_GAME, STEP_RESUME_DIALOG); break;
    case STEP_RESUME_DIALOG: Scenario_Resume_Dialog(); break;
    case STEP_RESUME_SHOT: Scenario_Resume_Shot(); break;
    case STEP_RESUMED: Scenario_Resumed(); break;
    case STEP_LEAVE: Scenario_Leave(); break;
    case STEP_OVER: break;
    }
}

}  // namespace

void Arm_Saved_Game_Scenario(const char* szFolder, int nRun) {
    gScenario = {};
    gScenario.stFolder = szFolder;
    gScenario.nRun = nRun;
    if (nRun == 1)
        Platform_Remove_File(SCENARIO_SAVE_FILE);  // a game of an earlier session
    Scenario_Enter(nRun == 1 ? STEP_WELCOME : STEP_RESUME_WELCOME);
    Start_Session_Timer(SCENARIO_TICK_MS, Scenario_Timer_Proc);
}

int Saved_Game_Scenario_Result(void) {
    if (gScenario.nResult == 0 && gScenario.eStep != STEP_LEAVE) {
        fprintf(stderr, "app_session: saved-game run %d: FAILED: the program ended at step %d\n",
                gScenario.nRun, gScenario.eStep);
        return 1;
    }
    if (gScenario.nResult == 0)
        printf("app_session: saved-game run %d passed: %d screenshots\n", gScenario.nRun,
               gScenario.nShots);
    return gScenario.nResult;
}
