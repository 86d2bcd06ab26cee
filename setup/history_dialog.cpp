// The History dialog: a franchise's seasons year by year (attendance, profit, record, rank and
// finish) and its yearly averages.
#include "database/database.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define HISTORY_TEAMS 1132
#define HISTORY_LIST 1274
#define HISTORY_AVERAGE_FIRST 1376  // attendance, profit, record, rank
#define HISTORY_ROW_SIZE 192
#define HISTORY_FIELD_SIZE 64

static const int kHistoryTabs[] = {26, 90, 136, 166, 204};

void Format_Finish_Text(int nTeam, int nCode, char* szOut, int nSize) {
    static const char* const kPlaces[] = {"5th (%s)", "4th (%s)", "3rd (%s)", "2nd (%s)"};
    char szName[HISTORY_FIELD_SIZE] = "";
    szOut[0] = 0;
    if (nCode >= 0 && nCode <= 3) {
        Get_Division_Name(Get_Team_Division(nTeam), szName, sizeof szName);
        Format_String(szOut, nSize, kPlaces[nCode], szName);
    } else if (nCode == 5) {
        Get_Division_Name(Get_Team_Division(nTeam), szName, sizeof szName);
        Format_String(szOut, nSize, "1st (%s)", szName);
    } else if (nCode == 4 || nCode == 6 || nCode == 7) {
        Get_League_Name(Get_Team_League(nTeam), szName, sizeof szName);
        Format_String(szOut, nSize,
                      nCode == 4   ? "%s Wild Card"
                      : nCode == 6 ? "%s Divisional Winner"
                                   : "%s Champion",
                      szName);
    } else if (nCode == 8) {
        safe_strncpy(szOut, "Super Bowl Champion", nSize);
    }
}

// "1,234" of the magnitude, "-" before a loss when bSigned.
static void Format_Amount(int nValue, int bSigned, char* szOut, int nSize) {
    char szDigits[HISTORY_FIELD_SIZE];
    Format_With_Commas(nValue < 0 ? -nValue : nValue, szDigits, sizeof szDigits);
    Format_String(szOut, nSize, "%s%s", bSigned && nValue < 0 ? "-" : "", szDigits);
}

static void Format_Record(int nWins, int nLosses, int nTies, char* szOut, int nSize) {
    if (nTies > 0)
        Format_String(szOut, nSize, "%d-%d-%d", nWins, nLosses, nTies);
    else
        Format_String(szOut, nSize, "%d-%d", nWins, nLosses);
}

static void Add_History_Row(HWND hList, int nTeam, int nSeason) {
    char szAttendance[HISTORY_FIELD_SIZE], szProfit[HISTORY_FIELD_SIZE], szRecord[HISTORY_FIELD_SIZE];
    char szRank[HISTORY_FIELD_SIZE], szFinish[HISTORY_FIELD_SIZE], szRow[HISTORY_ROW_SIZE];
    Format_Amount(Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_FINANCE_A), 0, szAttendance,
                  sizeof szAttendance);
    Format_Amount(Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_FINANCE_B), 1, szProfit,
                  sizeof szProfit);
    Format_Record(Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS),
                  Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES),
                  Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_TIES), szRecord, sizeof szRecord);
    Format_Ordinal_Number(szRank, sizeof szRank,
                          Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_LEAGUE_PLACE) + 1);
    Format_Finish_Text(nTeam, Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_FINISH), szFinish,
                       sizeof szFinish);
    Format_String(szRow, sizeof szRow, "%d\t%s\t%s\t%s\t%s\t%s",
                  Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + nSeason, szAttendance, szProfit,
                  szRecord, szRank, szFinish);
    SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)szRow);
}

static void Show_History_Averages(HWND hDlg, int nTeam) {
    int nSeasons = gSeasonNumber;
    if (nSeasons <= 0) {
        SetDlgItemTextA(hDlg, HISTORY_AVERAGE_FIRST, "Attendance: n/a");
        SetDlgItemTextA(hDlg, HISTORY_AVERAGE_FIRST + 1, "Profit: n/a");
        SetDlgItemTextA(hDlg, HISTORY_AVERAGE_FIRST + 2, "Record: n/a");
        SetDlgItemTextA(hDlg, HISTORY_AVERAGE_FIRST + 3, "Rank: n/a");
        return;
    }
    long long nAttendance = 0, nProfit = 0, nWins = 0, nLosses = 0, nRank = 0;
    for (int nSeason = 0; nSeason < nSeasons; nSeason++) {
        nAttendance += Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_FINANCE_A);
        nProfit += Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_FINANCE_B);
        nWins += Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS);
        nLosses += Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES);
        nRank += Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_LEAGUE_PLACE) + 1;
    }
    char szValue[HISTORY_FIELD_SIZE], szLine[HISTORY_ROW_SIZE];
    Format_Amount((int)(nAttendance / nSeasons), 0, szValue, sizeof szValue);
    Format_String(szLine, sizeof szLine, "Attendance: %s", szValue);
    SetDlgItemTextA(hDlg, HISTORY_AVERAGE_FIRST, szLine);
    int nAverageProfit = (int)((nProfit + nSeasons / 2) / nSeasons);
    Format_Amount(nAverageProfit, 0, szValue, sizeof szValue);
    Format_String(szLine, sizeof szLine, "Profit: %s$%s", nAverageProfit < 0 ? "-" : "", szValue);
    SetDlgItemTextA(hDlg, HISTORY_AVERAGE_FIRST + 1, szLine);
    Format_Record((int)((nWins + nSeasons / 2) / nSeasons),
                  (int)((nLosses + nSeasons / 2) / nSeasons), 0, szValue, sizeof szValue);
    Format_String(szLine, sizeof szLine, "Record: %s", szValue);
    SetDlgItemTextA(hDlg, HISTORY_AVERAGE_FIRST + 2, szLine);
    Format_Ordinal_Number(szValue, sizeof szValue, (int)((nRank + nSeasons / 2) / nSeasons));
    Format_String(szLine, sizeof szLine, "Rank: %s", szValue);
    SetDlgItemTextA(hDlg, HISTORY_AVERAGE_FIRST + 3, szLine);
}

static void Fill_History(HWND hDlg) {
    int nTeam = Get_Dialog_Team();
    HWND hList = GetDlgItem(hDlg, HISTORY_LIST);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    for (int nSeason = 0; nSeason < gSeasonNumber; nSeason++)
        Add_History_Row(hList, nTeam, nSeason);
    Show_History_Averages(hDlg, nTeam);
    SetWindowTextA(hDlg, "History");
}

static void Choose_History_Team(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, HISTORY_TEAMS);
    int nSelected = (int)SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
    if (nSelected < 0)
        return;
    Set_Dialog_Team(nSelected);
    Fill_History(hDlg);
}

static void Init_History_Dialog(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    int anTabs[5];
    for (int n = 0; n < 5; n++)
        anTabs[n] = kHistoryTabs[n];
    SendDlgItemMessageA(hDlg, HISTORY_LIST, LB_SETTABSTOPS, 5, (LPARAM)anTabs);
    Fill_Team_List(hDlg);
    Fill_History(hDlg);
    Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
}

INT_PTR History_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_History_Dialog(hDlg); return TRUE;
    case WM_DRAWITEM: Draw_Team_Combo_Item((const DRAWITEMSTRUCT*)lParam); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case HISTORY_TEAMS:
            if (HIWORD(wParam) == CBN_SELCHANGE)
                Choose_History_Team(hDlg);
            return TRUE;
        case IDC_DIALOG_HELP: Open_Help_Page("history"); return TRUE;
        case IDOK:
        case IDCANCEL: EndDialog(hDlg, IDOK); return TRUE;
        default: return FALSE;
        }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
