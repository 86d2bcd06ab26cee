// The Options dialog: the user preferences shown when it opens and stored by "Done"; a skin
// chosen in it applies at once.
#include <dirent.h>
#include <string.h>
#include <strings.h>

#include <algorithm>
#include <string>
#include <vector>

#include "database/database.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "tools/tools.h"

#define OPTIONS_TEXT_SPEED 1434
#define OPTIONS_OFFENSIVE_PLAYS 1435
#define OPTIONS_DEFENSIVE_PLAYS 1436
#define OPTIONS_DIFFICULTY 1008
#define OPTIONS_FINANCES 1010
#define OPTIONS_REVERSION 1011
#define OPTIONS_SKIN 1009
#define OPTIONS_FINANCIAL_TEXT 1463
#define OPTIONS_REPLAY_TEXT 1464
#define OPTIONS_REPLAY_MODE 1322
#define OPTIONS_NEWS_TICKER 1030
#define OPTIONS_SPECIAL_TOOL 10
#define OPTIONS_HELP 9
#define SPEED_STEPS 5  // "Very Slow" 500 .. "Instant" 0, in hundreds
#define SPEED_STEP 100
#define REVERSION_ITEMS 21
#define SKIN_ITEM_BASE 100
#define SKIN_LIMIT 100
#define LAST_REPLAY_YEAR 2020
#define FIRST_REPLAY_YEAR 1951
#define OPTIONS_TEXT_SIZE 256

// The build tag: four blanks in a release, "BETA", "TEST" or "TOOL" in builds with the tools.
static const char kBuildTag[] = "    ";

static const struct {
    int nId;
    int nPreference;
} kOptionBoxes[] = {
    {1023, PREF_COMMISSIONER_MODE}, {1024, PREF_PERFECT_SCOUTING},
    {1029, PREF_RETIRED_SETTING},   {1031, PREF_SOUND_EFFECTS},
    {1032, PREF_DARK_TEXT},         {1028, PREF_AUTO_SAVE},
    {1036, PREF_AUTO_FILL_ROSTERS}, {OPTIONS_NEWS_TICKER, PREF_SHOW_NEWS_TICKER},
    {1033, PREF_STANDINGS_OUTPUT},  {1034, PREF_AWARDS_OUTPUT},
    {1035, PREF_FINANCES_OUTPUT},
};

// The skin folders behind the list's entries.
static std::vector<std::string> gSkinFolders;

static void Fill_Combo(HWND hDlg, int nId, const char* const* pszItems, int nItems, int nSelect) {
    HWND hCombo = GetDlgItem(hDlg, nId);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    for (int n = 0; n < nItems; n++)
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)pszItems[n]);
    SendMessageA(hCombo, CB_SETCURSEL, nSelect, 0);
}

static int Get_Combo_Choice(HWND hDlg, int nId) {
    return (int)SendDlgItemMessageA(hDlg, nId, CB_GETCURSEL, 0, 0);
}

static int Is_Replay_Year(void) {
    return Get_Season_Year() <= LAST_REPLAY_YEAR;
}

void Fill_Difficulty_List(HWND hDlg) {
    static const char* const kLevels[] = {"Fan", "Coach", "Head Coach", "Vanto"};
    Fill_Combo(hDlg, OPTIONS_DIFFICULTY, kLevels, 4,
               Clamp(Get_User_Preference(PREF_DIFFICULTY), 0, 3));
}

// -100% .. +100% in steps of 10, with a plus sign from 0 up.
void Fill_Reversion_List(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, OPTIONS_REVERSION);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    for (int n = 0; n < REVERSION_ITEMS; n++) {
        char szItem[16];
        int nPercent = n * 10 - 100;
        Format_String(szItem, sizeof szItem, nPercent >= 0 ? "+%d%%" : "%d%%", nPercent);
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szItem);
    }
    SendMessageA(hCombo, CB_SETCURSEL, Clamp((gAgingModifier + 100) / 10, 0, REVERSION_ITEMS - 1),
                 0);
}

// One entry "Skin: <folder>" per folder under "Skins"; the current skin's is selected.
void Fill_Skin_List(HWND hCombo) {
    gSkinFolders.clear();
    char szFolder[OPTIONS_TEXT_SIZE];
    Platform_Resolve_Path("Skins", szFolder, sizeof szFolder);
    if (DIR* pFolder = opendir(szFolder)) {
        for (struct dirent* pEntry = readdir(pFolder); pEntry != NULL; pEntry = readdir(pFolder)) {
            if (pEntry->d_name[0] != '.' && pEntry->d_type == DT_DIR)
                gSkinFolders.push_back(pEntry->d_name);
        }
        closedir(pFolder);
    }
    std::sort(gSkinFolders.begin(), gSkinFolders.end());
    if (gSkinFolders.size() > SKIN_LIMIT)
        gSkinFolders.resize(SKIN_LIMIT);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    for (size_t n = 0; n < gSkinFolders.size(); n++) {
        std::string stItem = "Skin: " + gSkinFolders[n];
        int nItem = (int)SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)stItem.c_str());
        SendMessageA(hCombo, CB_SETITEMDATA, nItem, (LPARAM)(n + SKIN_ITEM_BASE));
        if (strcasecmp(gSkinFolders[n].c_str(), gSkinName) == 0)
            SendMessageA(hCombo, CB_SETCURSEL, nItem, 0);
    }
}

void Apply_Skin_Choice(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, OPTIONS_SKIN);
    int nItem = (int)SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
    if (nItem < 0)
        return;
    int nIndex = (int)SendMessageA(hCombo, CB_GETITEMDATA, nItem, 0) - SKIN_ITEM_BASE;
    if (nIndex < 0 || nIndex >= (int)gSkinFolders.size() || gSkinFolders[nIndex].empty())
        return;
    safe_strncpy(gSkinName, gSkinFolders[nIndex].c_str(), sizeof gSkinName);
    Create_Skin_Brush();
    Redraw_Window(hDlg);
    gLastPaintedPage = -1;
    Redraw_Main_Window();
}

void Show_Options_Texts(HWND hDlg) {
    SetDlgItemTextA(hDlg, OPTIONS_FINANCIAL_TEXT,
                    Get_Combo_Choice(hDlg, OPTIONS_FINANCES) == 1
                        ? "In 'General Manager Mode', the only limit on your personnel budget is "
                          "the league salary cap."
                        : "'Owner Mode' requires you to set ticket prices and manage expenditures. "
                          "When in debt, you can't draft players, sign free agents or extend "
                          "contracts.");
    char szReplay[OPTIONS_TEXT_SIZE];
    if (Is_Replay_Year())
        safe_strncpy(szReplay,
                     "'Replay Mode' recalculates player ratings at the beginning of each season, "
                     "using only that season's historical statistics.",
                     sizeof szReplay);
    else
        Format_String(szReplay, sizeof szReplay,
                      "'Replay Mode' is only available for historical seasons (%d - %d).",
                      FIRST_REPLAY_YEAR, LAST_REPLAY_YEAR);
    SetDlgItemTextA(hDlg, OPTIONS_REPLAY_TEXT, szReplay);
}

// The button is there only in builds tagged for the tools.
void Show_Special_Tool_Button(HWND hDlg) {
    int bTools = strcmp(kBuildTag, "BETA") == 0 || strcmp(kBuildTag, "TEST") == 0 ||
                 strcmp(kBuildTag, "TOOL") == 0;
    HWND hButton = GetDlgItem(hDlg, OPTIONS_SPECIAL_TOOL);
    if (hButton && !bTools)
        DestroyWindow(hButton);
}

void Load_Options_Controls(HWND hDlg) {
    for (const auto& box : kOptionBoxes)
        CheckDlgButton(hDlg, box.nId,
                       Get_User_Preference(box.nPreference) ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(hDlg, OPTIONS_REPLAY_MODE), Is_Replay_Year() ? TRUE : FALSE);
    CheckDlgButton(hDlg, OPTIONS_REPLAY_MODE,
                   Is_Replay_Year() && gReplayMode ? BST_CHECKED : BST_UNCHECKED);
    static const char* const kSpeeds[] = {"Very Slow", "Slow",      "Normal",
                                          "Fast",      "Very Fast", "Instant"};
    Fill_Combo(hDlg, OPTIONS_TEXT_SPEED, kSpeeds, 6,
               SPEED_STEPS - Clamp(gTextDisplaySpeed, 0, SPEED_STEPS * SPEED_STEP) / SPEED_STEP);
    static const char* const kPlayCalling[] = {"Manual", "Automatic"};
    Fill_Combo(hDlg, OPTIONS_OFFENSIVE_PLAYS, kPlayCalling, 2,
               Clamp(Get_User_Preference(PREF_AUTOMATIC_OFFENSIVE_PLAYS), 0, 1));
    Fill_Combo(hDlg, OPTIONS_DEFENSIVE_PLAYS, kPlayCalling, 2,
               Clamp(Get_User_Preference(PREF_AUTOMATIC_DEFENSIVE_PLAYS), 0, 1));
    Fill_Difficulty_List(hDlg);
    static const char* const kFinances[] = {"General Manager Mode", "Owner Mode"};
    Fill_Combo(hDlg, OPTIONS_FINANCES, kFinances, 2, gOwnerMode ? 1 : 0);
    Fill_Reversion_List(hDlg);
}

// "Show News Ticker" makes or removes the news bar at once.
static void Apply_News_Ticker(void) {
    if (gNewsBar && !gShowNewsTicker)
        Destroy_News_Bar();
    else if (!gNewsBar && gShowNewsTicker && gMainWindow)
        Create_News_Bar(gMainWindow);
    Resize_Bars();
}

void Store_Options_Controls(HWND hDlg) {
    for (const auto& box : kOptionBoxes)
        Set_User_Preference(box.nPreference, IsDlgButtonChecked(hDlg, box.nId) == BST_CHECKED);
    gReplayMode = Is_Replay_Year() && IsDlgButtonChecked(hDlg, OPTIONS_REPLAY_MODE) == BST_CHECKED;
    int nSpeed = Get_Combo_Choice(hDlg, OPTIONS_TEXT_SPEED);
    if (nSpeed >= 0)
        gTextDisplaySpeed = (SPEED_STEPS - nSpeed) * SPEED_STEP;
    const struct {
        int nId, nPreference;
    } kCombos[] = {{OPTIONS_OFFENSIVE_PLAYS, PREF_AUTOMATIC_OFFENSIVE_PLAYS},
                   {OPTIONS_DEFENSIVE_PLAYS, PREF_AUTOMATIC_DEFENSIVE_PLAYS},
                   {OPTIONS_DIFFICULTY, PREF_FAME_TABLE},
                   {OPTIONS_DIFFICULTY, PREF_DIFFICULTY},
                   {OPTIONS_FINANCES, PREF_OWNER_MODE}};
    for (const auto& combo : kCombos) {
        int nChoice = Get_Combo_Choice(hDlg, combo.nId);
        if (nChoice >= 0)
            Set_User_Preference(combo.nPreference, nChoice);
    }
    int nReversion = Get_Combo_Choice(hDlg, OPTIONS_REVERSION);
    if (nReversion >= 0)
        gAgingModifier = (int16_t)(nReversion * 10 - 100);
    Apply_News_Ticker();
}

static void Init_Options_Dialog(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    Center_Window(hDlg, GetParent(hDlg));
    Load_Options_Controls(hDlg);
    Fill_Skin_List(GetDlgItem(hDlg, OPTIONS_SKIN));
    Show_Special_Tool_Button(hDlg);
    Show_Options_Texts(hDlg);
}

static INT_PTR On_Options_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case OPTIONS_FINANCES:
        if (nCode == CBN_SELCHANGE)
            Show_Options_Texts(hDlg);
        return TRUE;
    case OPTIONS_SKIN:
        if (nCode == CBN_SELCHANGE)
            Apply_Skin_Choice(hDlg);
        return TRUE;
    case OPTIONS_SPECIAL_TOOL: Download_Football_Data(); return TRUE;
    case OPTIONS_HELP: Show_Help_Topic(IDD_OPTIONS); return TRUE;
    case IDOK:
    case IDCANCEL:
        Store_Options_Controls(hDlg);
        Redraw_Main_Window();
        Show_News_Page(gCurrentPage);
        EndDialog(hDlg, 1);
        return TRUE;
    default: return FALSE;
    }
}

INT_PTR Options_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Options_Dialog(hDlg); return TRUE;
    case WM_COMMAND: return On_Options_Command(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
