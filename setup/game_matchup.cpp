// The matchup dialog shown before a game with a person's team: both teams' records, the star
// ratings of their units and the point spread; the person plays the game, simulates it, or
// simulates the rest of the run.
#include <stdlib.h>

#include "database/database.h"
#include "personnel/personnel.h"
#include "resources/resource.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define MU_WEEK 1404
#define MU_VISITOR_RECORD 1411
#define MU_HOME_RECORD 1410
#define MU_VISITOR_DOWNLOADED_LOGO 1412
#define MU_HOME_DOWNLOADED_LOGO 1409
#define MU_VISITOR_LOGO 1406
#define MU_HOME_LOGO 1405
#define MU_SPREAD 1434
#define MU_PLAY 1391
#define MU_SIMULATE_ALL 1392
#define MU_SIMULATE 1393
#define MU_LATEST_LOGO_YEAR 2021
#define MU_LOGO_YEAR_CUTOFF 2020

static const int kVisitorStarIds[MATCHUP_UNITS] = {1399, 1400, 1401, 1402, 1403};
static const int kHomeStarIds[MATCHUP_UNITS] = {1394, 1395, 1396, 1397, 1398};

struct MATCHUP {
    int nWeek, nVisitor, nHome;
    uint8_t anVisitorStars[MATCHUP_UNITS], anHomeStars[MATCHUP_UNITS];
};
static MATCHUP sMatchup;

// The number of active teams whose unit rates strictly higher than the team's.
static int Count_Better_Units(int nTeam, int nUnit) {
    if (nUnit == 0)
        return Get_Team_Stat_Rank(nTeam, UNIT_STAT_RUNNING);
    int (*const kRate[])(int) = {Rate_Passing_Unit, Rate_Run_Defense_Unit, Rate_Pass_Defense_Unit,
                                 Rate_Special_Teams_Unit};
    int nOwn = kRate[nUnit - 1](nTeam), nBetter = 0;
    for (int nOther = 0; nOther < Count_Active_Teams(); nOther++)
        nBetter += kRate[nUnit - 1](nOther) > nOwn;
    return nBetter;
}

int Get_Unit_Stars(int nBetterTeams, int nTeams) {
    if (nTeams <= 0)
        return 1;
    return (nTeams / 2 + (nTeams - nBetterTeams) * 4 - 4) / nTeams + 1;
}

void Compute_Unit_Stars(uint8_t* pStars, int nTeam) {
    int nTeams = Count_Active_Teams();
    for (int nUnit = 0; nUnit < MATCHUP_UNITS; nUnit++)
        pStars[nUnit] = (uint8_t)Get_Unit_Stars(Count_Better_Units(nTeam, nUnit), nTeams);
}

void Format_Point_Spread(int nVisitor, int nHome, int nSpread, char* szOut, int nSize) {
    int nAbsolute = abs(nSpread);
    if (nAbsolute == 0) {
        Format_String(szOut, nSize, "Vegas Line: Pick 'em");
        return;
    }
    char szTeam[TEXT_BUFFER_SIZE];
    Get_Team_Short_Name(nSpread > 0 ? nVisitor : nHome, szTeam, (int)sizeof szTeam);
    if (nAbsolute == 10)
        Format_String(szOut, nSize, "%s favored by 1 point", szTeam);
    else if (nAbsolute % 10 != 0)
        Format_String(szOut, nSize, "%s favored by %d.%d points", szTeam, nAbsolute / 10,
                      nAbsolute % 10);
    else
        Format_String(szOut, nSize, "%s favored by %d points", szTeam, nAbsolute / 10);
}

// ---- painting -----------------------------------------------------------------------------------

static void Draw_Matchup_Stars(HWND hDlg, HDC hdc) {
    for (int nUnit = 0; nUnit < MATCHUP_UNITS; nUnit++) {
        for (int bHome = 0; bHome <= 1; bHome++) {
            char szName[TEXT_BUFFER_SIZE];
            Format_String(szName, (int)sizeof szName, "Dialogs\\Matchup\\stars_%d.png",
                          bHome ? sMatchup.anHomeStars[nUnit] : sMatchup.anVisitorStars[nUnit]);
            Get_Skin_File(szName, (int)sizeof szName);
            Draw_Image_In_Dialog_Item(hDlg, hdc,
                                      bHome ? kHomeStarIds[nUnit] : kVisitorStarIds[nUnit], szName);
        }
    }
}

// A white frame a quarter larger on every side behind the downloaded logo, the logo centred in
// it, and the team's own logo beside; a missing picture is left out.
static void Draw_Team_Logos(HWND hDlg, HDC hdc, int nTeam, int nFrameId, int nLogoId) {
    RECT rc;
    Get_Dlg_Item_Client_Rect(hDlg, nFrameId, &rc);
    int dx = (rc.right - rc.left) / 4, dy = (rc.bottom - rc.top) / 4;
    HBRUSH hWhite = (HBRUSH)GetStockObject(WHITE_BRUSH);
    HGDIOBJ hOldBrush = SelectObject(hdc, hWhite);
    HGDIOBJ hOldPen = SelectObject(hdc, GetStockObject(BLACK_PEN));
    Rectangle(hdc, rc.left - dx, rc.top - dy, rc.right + dx, rc.bottom + dy);
    SelectObject(hdc, hOldPen);
    SelectObject(hdc, hOldBrush);
    char szAbbreviation[TEAM_STRING_SIZE], szName[TEXT_BUFFER_SIZE];
    Get_Team_String(szAbbreviation, (int)sizeof szAbbreviation, nTeam, TEAM_ABBREVIATION);
    int nYear = Get_Season_Year();
    Format_String(szName, (int)sizeof szName, "Logos/Downloads/%s-%d.png", szAbbreviation,
                  nYear > MU_LOGO_YEAR_CUTOFF ? MU_LATEST_LOGO_YEAR : nYear);
    Draw_Image_In_Dialog_Item_Centered(hDlg, hdc, nFrameId, szName);
    Get_Team_Logo_File(szName, (int)sizeof szName, nTeam);
    Draw_Image_In_Dialog_Item_Centered(hDlg, hdc, nLogoId, szName);
}

static void Paint_Matchup(HWND hDlg) {
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(hDlg, &paint);
    if (!hdc)
        return;
    Draw_Matchup_Stars(hDlg, hdc);
    Draw_Team_Logos(hDlg, hdc, sMatchup.nVisitor, MU_VISITOR_DOWNLOADED_LOGO, MU_VISITOR_LOGO);
    Draw_Team_Logos(hDlg, hdc, sMatchup.nHome, MU_HOME_DOWNLOADED_LOGO, MU_HOME_LOGO);
    EndPaint(hDlg, &paint);
}

// ---- the dialog ---------------------------------------------------------------------------------

static void Init_Matchup(HWND hDlg) {
    char szText[TEXT_BUFFER_SIZE];
    Get_Week_Name(sMatchup.nWeek, szText, (int)sizeof szText);
    Make_Upper_Case(szText);
    SetDlgItemTextA(hDlg, MU_WEEK, szText);
    Format_Team_Record_Spaced(szText, (int)sizeof szText, sMatchup.nVisitor);
    SetDlgItemTextA(hDlg, MU_VISITOR_RECORD, szText);
    Format_Team_Record_Spaced(szText, (int)sizeof szText, sMatchup.nHome);
    SetDlgItemTextA(hDlg, MU_HOME_RECORD, szText);
    Format_Point_Spread(sMatchup.nVisitor, sMatchup.nHome,
                        Compute_Point_Spread(sMatchup.nVisitor, sMatchup.nHome), szText,
                        (int)sizeof szText);
    SetDlgItemTextA(hDlg, MU_SPREAD, szText);
    HWND hAll = GetDlgItem(hDlg, MU_SIMULATE_ALL);
    if (Count_Human_Teams() > 1 || Get_Target_Week() > sMatchup.nWeek + 1) {
        Format_String(szText, (int)sizeof szText, "Simulate Until Week %d", Get_Target_Week() + 1);
        SetWindowTextA(hAll, szText);
        ShowWindow(hAll, SW_SHOW);
    } else {
        ShowWindow(hAll, SW_HIDE);
    }
}

static void Set_Matchup_Play_By_Play(int nValue) {
    Set_Calendar_PBP_Flag(sMatchup.nWeek, sMatchup.nVisitor, nValue);
    Set_Calendar_PBP_Flag(sMatchup.nWeek, sMatchup.nHome, nValue);
}

// Every button closes the dialog; closed without a choice, the game's flags stay.
static INT_PTR On_Matchup_Command(HWND hDlg, int nId, int nCode) {
    (void)nCode;
    switch (nId) {
    case MU_PLAY: Set_Matchup_Play_By_Play(1); break;
    case MU_SIMULATE: Set_Matchup_Play_By_Play(0); break;
    case MU_SIMULATE_ALL:
        Set_Matchup_Play_By_Play(0);
        gSkipPregameDialog = 1;
        break;
    case IDCANCEL: break;
    default: return FALSE;
    }
    EndDialog(hDlg, 1);
    return TRUE;
}

INT_PTR Game_Matchup_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_PAINT) {
        Paint_Matchup(hDlg);
        return TRUE;
    }
    return Dispatch_Dialog_Message(hDlg, uMsg, wParam, lParam, Init_Matchup, On_Matchup_Command);
}

void Run_Game_Matchup_Dialog(int nHome, int nVisitor) {
    sMatchup.nWeek = gCurrentWeek;
    sMatchup.nHome = nHome;
    sMatchup.nVisitor = nVisitor;
    Compute_Unit_Stars(sMatchup.anVisitorStars, nVisitor);
    Compute_Unit_Stars(sMatchup.anHomeStars, nHome);
    Do_Dialog(NULL, IDD_GAME_MATCHUP, 0);
}
