// The New Game dialog: a season whose universe file is installed, loaded at once to preview its
// teams; the user's team and any others people run, the manager's name, the difficulty and the
// options; Play starts the game, Cancel puts back the league that was there before.
#include <string.h>

#include "database/database.h"
#include "pages/pages.h"
#include "personnel/personnel.h"
#include "resources/resource.h"
#include "season/season.h"
#include "setup/new_game_internal.h"
#include "setup/setup.h"
#include "setup/setup_internal.h"
#include "shell/shell.h"

#define FIRST_OFFERED_SEASON 1951
#define LAST_OFFERED_SEASON 2021
#define MANAGER_NAME_SIZE 64
#define NEW_GAME_PATH_SIZE 64
#define DIFFICULTY_LEVELS 4

static const char* const kDifficultyNames[DIFFICULTY_LEVELS] = {"Fan", "Coach", "Head Coach",
                                                                "Vanto"};

// What the open dialog remembers between its messages.
static int gbNewGameCopyKept;   // the league before the dialog, to put back on Cancel
static int gbNewGameHadBars;    // the button bar was up when the dialog opened
static int gbNewGameLoaded;     // the chosen season's universe is the one in memory

// ---- the lists ----------------------------------------------------------------------------------

static int Selected_Item_Data(HWND hDlg, int nId) {
    int nItem = (int)SendDlgItemMessageA(hDlg, nId, CB_GETCURSEL, 0, 0);
    if (nItem < 0)
        return -1;
    return (int)SendDlgItemMessageA(hDlg, nId, CB_GETITEMDATA, nItem, 0);
}

static void Format_Universe_Path(int nYear, char* szPath, int nSize) {
    Format_String(szPath, nSize, "databases/universe-%d.dat", nYear);
}

// The seasons whose universe file is installed, the newest chosen.
static void Fill_Season_Combo(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, IDC_NEW_GAME_SEASON);
    int nChosen = -1;
    for (int nYear = FIRST_OFFERED_SEASON; nYear <= LAST_OFFERED_SEASON; nYear++) {
        char szPath[NEW_GAME_PATH_SIZE];
        Format_Universe_Path(nYear, szPath, sizeof szPath);
        if (!File_Exists(szPath))
            continue;
        char szYear[16];
        Format_String(szYear, sizeof szYear, "%d", nYear);
        nChosen = (int)SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szYear);
        SendMessageA(hCombo, CB_SETITEMDATA, nChosen, nYear);
    }
    SendMessageA(hCombo, CB_SETCURSEL, nChosen, 0);
}

static void Fill_Team_Combo(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, IDC_NEW_GAME_TEAM);
    HWND hHumans = GetDlgItem(hDlg, IDC_NEW_GAME_HUMANS);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    SendMessageA(hHumans, LB_RESETCONTENT, 0, 0);
    if (!gbNewGameLoaded)
        return;
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        char szCity[TEAM_STRING_SIZE], szNickname[TEAM_STRING_SIZE], szLine[2 * TEAM_STRING_SIZE];
        Get_Team_String(szCity, sizeof szCity, nTeam, TEAM_CITY);
        Get_Team_String(szNickname, sizeof szNickname, nTeam, TEAM_NICKNAME);
        Format_String(szLine, sizeof szLine, "%s %s", szCity, szNickname);
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szLine);
        SendMessageA(hHumans, LB_ADDSTRING, 0, (LPARAM)szLine);
    }
}

// ---- what the dialog shows of the chosen team ---------------------------------------------------

static void Show_Franchise_Figures(HWND hDlg, int nTeam) {
    char szText[TEXT_BUFFER_SIZE], szNumber[32];
    int nCity = Get_Team_Stat(nTeam, TEAM_CITY_INDEX);
    Format_With_Commas(Get_City_Stat(nCity, 1), szNumber, sizeof szNumber);
    Format_String(szText, sizeof szText, "Fan Base: %s", szNumber);
    SetDlgItemTextA(hDlg, IDC_NEW_GAME_FAN_BASE, szText);
    Format_String(szText, sizeof szText, "Fan Loyalty: %s",
                  Get_Fan_Loyalty_Word(Get_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT)));
    SetDlgItemTextA(hDlg, IDC_NEW_GAME_LOYALTY, szText);
    int nIncome = Get_City_Stat(nCity, 3);
    Format_String(szText, sizeof szText, "Fan Income: $%d,%03d", nIncome / 1000, nIncome % 1000);
    SetDlgItemTextA(hDlg, IDC_NEW_GAME_INCOME, szText);
    Format_Franchise_Value(Update_Team_Projected_Revenue(nTeam), szText, sizeof szText);
    SetDlgItemTextA(hDlg, IDC_NEW_GAME_VALUE, szText);
    int nCapacity = Get_Team_Stadium_Stat(nTeam, 0);
    Format_String(szText, sizeof szText, "Stadium Capacity: %d,%03d", nCapacity / 1000,
                  nCapacity % 1000);
    SetDlgItemTextA(hDlg, IDC_NEW_GAME_CAPACITY, szText);
    Format_Payroll(Get_Team_Financial_Stat(nTeam, FIN_PAYROLL), szText, sizeof szText);
    SetDlgItemTextA(hDlg, IDC_NEW_GAME_PAYROLL, szText);
}

static void Show_Notable_Players(HWND hDlg, int nTeam) {
    static const int kLines[NOTABLE_PLAYER_LINES] = {IDC_NEW_GAME_PLAYER1, IDC_NEW_GAME_PLAYER2,
                                                     IDC_NEW_GAME_PLAYER3, IDC_NEW_GAME_PLAYER4,
                                                     IDC_NEW_GAME_PLAYER5};
    int anSlots[NOTABLE_PLAYER_LINES];
    int nFound = Find_Notable_Players(nTeam, anSlots);
    for (int nLine = 0; nLine < NOTABLE_PLAYER_LINES; nLine++) {
        char szText[TEXT_BUFFER_SIZE] = "";
        if (nLine < nFound) {
            char szName[TEXT_BUFFER_SIZE], szPosition[POSITION_NAME_SIZE];
            int nSlot = anSlots[nLine];
            Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
            Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION), szPosition,
                              sizeof szPosition);
            Format_String(szText, sizeof szText, "%s (%s, %d)", szName, szPosition,
                          Get_Player_Exact_Age(nTeam, nSlot));
        }
        SetDlgItemTextA(hDlg, kLines[nLine], szText);
    }
}

static void Show_Chosen_Team(HWND hDlg) {
    int nTeam = (int)SendDlgItemMessageA(hDlg, IDC_NEW_GAME_TEAM, CB_GETCURSEL, 0, 0);
    if (!gbNewGameLoaded || nTeam < 0)
        return;
    Show_Franchise_Figures(hDlg, nTeam);
    Show_Notable_Players(hDlg, nTeam);
}

// ---- the season ---------------------------------------------------------------------------------

static void Load_Chosen_Season(HWND hDlg) {
    int nYear = Selected_Item_Data(hDlg, IDC_NEW_GAME_SEASON);
    if (nYear < 0)
        return;
    char szNickname[TEAM_STRING_SIZE] = "";
    int nTeam = (int)SendDlgItemMessageA(hDlg, IDC_NEW_GAME_TEAM, CB_GETCURSEL, 0, 0);
    if (gbNewGameLoaded && nTeam >= 0)
        Get_Team_String(szNickname, sizeof szNickname, nTeam, TEAM_NICKNAME);
    int nPreviousYear = gDatabaseLoaded ? Get_Universe_Stat(UNIVERSE_FIRST_YEAR) : 0;
    char szPath[NEW_GAME_PATH_SIZE];
    Format_Universe_Path(nYear, szPath, sizeof szPath);
    gbNewGameLoaded = Load_Universe(szPath);
    EnableWindow(GetDlgItem(hDlg, IDC_PLAY), gbNewGameLoaded);
    // The universe brings the page it was saved on: the window behind shows none while choosing.
    Show_News_Page(0);
    Fill_Team_Combo(hDlg);
    if (!gbNewGameLoaded)
        return;
    Load_Season_Player_Ratings(0);
    SendDlgItemMessageA(hDlg, IDC_NEW_GAME_TEAM, CB_SETCURSEL, Find_Team_By_Nickname(szNickname),
                        0);
    Show_Chosen_Team(hDlg);
    char szLine[CHAMPIONSHIP_LINE_SIZE];
    Format_Championship_Game_Line(nYear, szLine, sizeof szLine);
    SetDlgItemTextA(hDlg, IDC_SEASON_INFO, szLine);
    if (nYear > LAST_REPLAY_RATINGS_YEAR)
        CheckDlgButton(hDlg, IDC_REPLAY_MODE, BST_UNCHECKED);
    else if (nPreviousYear > LAST_REPLAY_RATINGS_YEAR)
        CheckDlgButton(hDlg, IDC_REPLAY_MODE, BST_CHECKED);
}

// ---- opening --------------------------------------------------------------------------------------

static void Fill_Manager_Name(HWND hDlg) {
    char szName[FAME_USER_NAME_SIZE] = "";
    Get_Fame_File_User_Name(szName, sizeof szName);
    SendDlgItemMessageA(hDlg, IDC_NEW_GAME_NAME, EM_LIMITTEXT, MANAGER_NAME_SIZE - 1, 0);
    SetDlgItemTextA(hDlg, IDC_NEW_GAME_NAME, szName);
}

static void Open_New_Game_Dialog(HWND hDlg) {
    gbNewGameCopyKept = gDatabaseLoaded && Keep_League_Copy();
    Set_Dialog_Font(hDlg);
    gbNewGameHadBars = gButtonBar != NULL;
    if (gNewsBar)
        Destroy_News_Bar();
    Destroy_Button_Bar();
    Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
    EnableWindow(Get_Main_Window(), FALSE);
    Show_News_Page(0);
    gbNewGameLoaded = 0;
    EnableWindow(GetDlgItem(hDlg, IDC_PLAY), FALSE);
    Fill_Season_Combo(hDlg);
    Load_Chosen_Season(hDlg);
    gDifficulty = 0;
    for (const char* szLevel : kDifficultyNames)
        SendDlgItemMessageA(hDlg, IDC_NEW_GAME_DIFFICULTY, CB_ADDSTRING, 0, (LPARAM)szLevel);
    SendDlgItemMessageA(hDlg, IDC_NEW_GAME_DIFFICULTY, CB_SETCURSEL, gDifficulty, 0);
    Fill_Manager_Name(hDlg);
}

// ---- the check boxes ----------------------------------------------------------------------------

static void On_Option_Clicked(HWND hDlg, int nId) {
    if (IsDlgButtonChecked(hDlg, nId) != BST_CHECKED)
        return;
    if (nId == IDC_SHUFFLE_PLAYERS) {
        CheckDlgButton(hDlg, IDC_FICTIONAL_PLAYERS, BST_UNCHECKED);
        CheckDlgButton(hDlg, IDC_FANTASY_DRAFT, BST_UNCHECKED);
    } else if (nId == IDC_FANTASY_DRAFT || nId == IDC_FICTIONAL_PLAYERS) {
        CheckDlgButton(hDlg, IDC_SHUFFLE_PLAYERS, BST_UNCHECKED);
    } else if (nId == IDC_REPLAY_MODE &&
               Selected_Item_Data(hDlg, IDC_NEW_GAME_SEASON) > LAST_REPLAY_RATINGS_YEAR) {
        Show_Message_Box("Replay Mode", "%s", "Replay Mode is only valid for historical seasons.");
        CheckDlgButton(hDlg, IDC_REPLAY_MODE, BST_UNCHECKED);
    }
}

// ---- Play and Cancel ----------------------------------------------------------------------------

// Who runs which team, the difficulty and the manager's name, as the dialog shows them.
static int Take_Team_Choices(HWND hDlg) {
    int nChosen = (int)SendDlgItemMessageA(hDlg, IDC_NEW_GAME_TEAM, CB_GETCURSEL, 0, 0);
    if (nChosen < 0)
        nChosen = 0;
    Set_All_Teams_Computer();
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        if (SendDlgItemMessageA(hDlg, IDC_NEW_GAME_HUMANS, LB_GETSEL, nTeam, 0) > 0)
            Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_HUMAN);
    }
    Set_Team_Stat(nChosen, TEAM_CONTROL, CONTROL_HUMAN);
    int nLevel = (int)SendDlgItemMessageA(hDlg, IDC_NEW_GAME_DIFFICULTY, CB_GETCURSEL, 0, 0);
    gDifficulty = nLevel < 0 ? 0 : nLevel;
    Set_User_Preference(PREF_FAME_TABLE, gDifficulty);
    char szName[MANAGER_NAME_SIZE];
    GetDlgItemTextA(hDlg, IDC_NEW_GAME_NAME, szName, sizeof szName);
    Set_Team_String(nChosen, TEAM_MANAGER_NAME, szName);
    return nChosen;
}

static void Play_New_Game(HWND hDlg) {
    if (!gbNewGameLoaded)
        return;
    int nYear = Selected_Item_Data(hDlg, IDC_NEW_GAME_SEASON);
    int nUserTeam = Take_Team_Choices(hDlg);
    NEW_GAME_OPTIONS options = {};
    options.bFictionalPlayers = IsDlgButtonChecked(hDlg, IDC_FICTIONAL_PLAYERS) == BST_CHECKED;
    options.bShufflePlayers = IsDlgButtonChecked(hDlg, IDC_SHUFFLE_PLAYERS) == BST_CHECKED;
    options.bEqualizeCities = IsDlgButtonChecked(hDlg, IDC_EQUALIZE_CITIES) == BST_CHECKED;
    int bFantasyDraft = IsDlgButtonChecked(hDlg, IDC_FANTASY_DRAFT) == BST_CHECKED;
    int bReplay = IsDlgButtonChecked(hDlg, IDC_REPLAY_MODE) == BST_CHECKED;
    EndDialog(hDlg, 1);
    // The main window takes the activation back as the progress windows of the start close.
    EnableWindow(Get_Main_Window(), TRUE);
    Drop_League_Copy();
    gbNewGameCopyKept = 0;
    gReplayMode = (int16_t)(bReplay && nYear <= LAST_REPLAY_RATINGS_YEAR);
    Load_Season_Player_Ratings(0);
    Apply_New_Game_Options(&options);
    Set_New_Game_Defaults();
    // The team chosen in the dialog is the user's, whichever human team comes first, and its
    // manager's name is the one the fame file keeps.
    gUserTeam = nUserTeam;
    gDialogTeam = nUserTeam;
    char szManager[TEAM_STRING_SIZE];
    Get_Team_String(szManager, sizeof szManager, nUserTeam, TEAM_MANAGER_NAME);
    Set_Manager_Name(szManager);
    Store_Manager_Name_In_Fame_File(szManager);
    gCurrentPage = STANDINGS_PAGE;
    Log_Debug_Line("Start_Game(TRUE)");
    Start_Game(1);
    Create_Button_Bar();
    Show_News_Page(STANDINGS_PAGE);
    if (bFantasyDraft)
        Open_Dialog(Get_Main_Window(), IDD_START_FANTASY_DRAFT);
}

// The league of before the dialog, with the tables a load rebuilds and its bars.
static void Cancel_New_Game(HWND hDlg) {
    EndDialog(hDlg, IDCANCEL);
    EnableWindow(Get_Main_Window(), TRUE);
    if (gbNewGameCopyKept && Put_Back_League_Copy()) {
        Rebuild_Tables_After_League_Change();
        gDatabaseLoaded = 1;
    }
    gbNewGameCopyKept = 0;
    if (gbNewGameHadBars) {
        Create_Button_Bar();
        Show_News_Page(gCurrentPage);
    }
}

static INT_PTR On_New_Game_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDC_PLAY:
    case IDOK: Play_New_Game(hDlg); return TRUE;
    case IDCANCEL: Cancel_New_Game(hDlg); return TRUE;
    case IDC_DIALOG_HELP: Show_Help_Topic(IDD_NEW_GAME); return TRUE;
    case IDC_NEW_GAME_SEASON:
        if (nCode == CBN_SELCHANGE)
            Load_Chosen_Season(hDlg);
        return TRUE;
    case IDC_NEW_GAME_TEAM:
        if (nCode == CBN_SELCHANGE)
            Show_Chosen_Team(hDlg);
        return TRUE;
    case IDC_SHUFFLE_PLAYERS:
    case IDC_FANTASY_DRAFT:
    case IDC_FICTIONAL_PLAYERS:
    case IDC_REPLAY_MODE: On_Option_Clicked(hDlg, nId); return TRUE;
    default: return FALSE;
    }
}

INT_PTR New_Game_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Open_New_Game_Dialog(hDlg); return TRUE;
    case WM_COMMAND: return On_New_Game_Command(hDlg, LOWORD(wParam), HIWORD(wParam));
    default: return Answer_Common_Setup_Message(hDlg, uMsg, wParam, lParam);
    }
}
