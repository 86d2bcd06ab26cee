// What the depth-chart dialogs share: the list row, the editing right, the roster floor, the
// contracts note, the mismatch warning, the helmet and the team and period choosers.
#include <string.h>
#include <strings.h>

#include "database/database.h"
#include "dialogs/depth_chart_internal.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define ROSTER_FLOOR 51
#define DEPTH_BUTTON_FONT 17
#define ANY_POSITION_CODE 15

int Has_Depth_Chart_Editing_Right(int nTeam) {
    return gCommissionerMode || Is_Human_Team(nTeam);
}

int Is_Above_Roster_Floor(int nTeam) {
    int nFloor = ROSTER_FLOOR;
    if (Is_College_Draft_On())
        nFloor -= Count_Team_Draft_Picks(nTeam);
    return Find_Free_Player_Slot(nTeam) > nFloor;
}

// "   %d" for one number, "%d/%d" for two, padded to two characters.
static void Format_Rating_Column(int nTeam, int nSlot, int bDefenceRating, char* szOut, int nSize) {
    int nOverall = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, OVERALL_GRADE);
    int nPeak = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, PEAK_GRADE);
    if (bDefenceRating ? nOverall >= nPeak : nOverall == nPeak)
        Format_String(szOut, nSize, "   %d", bDefenceRating ? nPeak : nOverall);
    else
        Format_String(szOut, nSize, "%d/%d", nOverall, nPeak);
    Pad_Left_Double(szOut, nSize, 2);
}

void Format_Depth_Chart_Row(int nTeam, int nSlot, char* szOut, int nSize, int bDefenceRating) {
    char szName[DEPTH_ROW_SIZE];
    Get_Player_Last_First_Name(nTeam, nSlot, szName, sizeof szName);
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) <= 1 &&
        Is_Season_Complete() && nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT) {
        char szWrapped[DEPTH_ROW_SIZE];
        Format_String(szWrapped, sizeof szWrapped, "(%s)", szName);
        safe_strncpy(szName, szWrapped, sizeof szName);
    }
    Append_Injury_Status(szName, sizeof szName, nTeam, nSlot);

    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    char szPosition[16] = "";
    if (nPosition >= 0 && nPosition <= ANY_POSITION_CODE)
        Get_Position_Abbreviation(nPosition, szPosition, sizeof szPosition);
    Pad_Left_Double(szPosition, sizeof szPosition, 2);

    char szRating[32];
    Format_Rating_Column(nTeam, nSlot, bDefenceRating, szRating, sizeof szRating);

    int bKicker = nPosition == POS_K || nPosition == POS_P;
    int nGames = Get_Player_Stat(nTeam, nSlot, gStatPeriod,
                                 bKicker && !bDefenceRating ? STAT_GAMES : STAT_STARTS);
    char szGames[16];
    Format_String(szGames, sizeof szGames, "%d", nGames);
    Pad_Left_Double(szGames, sizeof szGames, 3);

    char szSummary[DEPTH_ROW_SIZE] = "";
    Format_Player_Stat_Summary(nTeam, nSlot, gStatPeriod, szSummary, sizeof szSummary);
    Format_String(szOut, nSize, "%s\t%s\t%s\t%s\t%s\t", szName, szPosition, szRating, szGames,
                  szSummary);
}

int Fill_Unit_List(HWND hList, int nTeam, int nUnit, int nFirst, int nMax, int bDefenceRating) {
    int nSelected = (int)SendMessageA(hList, LB_GETCURSEL, 0, 0);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    int nRows = 0;
    for (int nSlot = nFirst; nSlot >= 0 && nSlot < PLAYERS_PER_TEAM && nRows < nMax; nSlot++) {
        if (Get_Player_ID(nTeam, nSlot) == 0 ||
            Get_Position_Unit(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)) != nUnit)
            break;
        char szRow[DEPTH_ROW_SIZE];
        Format_Depth_Chart_Row(nTeam, nSlot, szRow, sizeof szRow, bDefenceRating);
        SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)szRow);
        nRows++;
    }
    if (nSelected >= nRows)
        nSelected = -1;
    SendMessageA(hList, LB_SETCURSEL, nSelected, 0);
    return nRows;
}

void Set_List_Tab_Stops(HWND hDlg, int nListId, const int* pnStops, int nStops) {
    INT anStops[8];
    for (int n = 0; n < nStops && n < 8; n++)
        anStops[n] = pnStops[n];
    SendDlgItemMessageA(hDlg, nListId, LB_SETTABSTOPS, nStops, (LPARAM)anStops);
}

int Get_List_Selection(HWND hDlg, int nListId) {
    return (int)SendDlgItemMessageA(hDlg, nListId, LB_GETCURSEL, 0, 0);
}

// Shown only once the champion is decided; otherwise the note stays as it is.
void Set_Contracts_Note(HWND hDlg, int nTeam) {
    if (!Is_Season_Complete())
        return;
    SetDlgItemTextA(hDlg, DEPTH_CONTRACTS_NOTE,
                    Has_Depth_Chart_Editing_Right(nTeam)
                        ? "\nNames in parentheses indicate expiring contracts\n\nClick 'Scouting' "
                          "to negotiate"
                        : "\nNames in parentheses indicate expiring contracts");
}

void Show_Position_Mismatch_Warning(const char* szText, int idHelp) {
    // The second button answers No in the skinned box and Cancel in the system's.
    int nAnswer = User_Message_Dialog("Warning: Position Mismatch", szText, "", "OK",
                                      "Tell me more", "");
    if (nAnswer == IDNO || nAnswer == IDCANCEL)
        Show_Help_Topic(idHelp);
}

void Paint_Team_Helmet(HWND hDlg) {
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(hDlg, &paint);
    if (hdc) {
        char szHelmet[DEPTH_ROW_SIZE];
        Get_Helmet_Image_Path(szHelmet, sizeof szHelmet, Get_Dialog_Team(), 0);
        Draw_Image_In_Dialog_Item(hDlg, hdc, DEPTH_HELMET, szHelmet);
    }
    EndPaint(hDlg, &paint);
}

// The dialog font, and application font 17 on the buttons (the use given back at once).
void Init_Depth_Chart_Fonts(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    Load_App_Fonts();
    HFONT hFont = Take_App_Font(DEPTH_BUTTON_FONT);
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        char szClass[32];
        GetClassNameA(hChild, szClass, sizeof szClass);
        if (strcasecmp(szClass, "Button") == 0)
            SendMessageA(hChild, WM_SETFONT, (WPARAM)hFont, TRUE);
    }
    Release_App_Font(hFont);
}

int On_Depth_Chart_Team_Command(HWND hDlg, int nId, int nCode, const char* szCaption) {
    switch (nId) {
    case DEPTH_TEAM_COMBO:
        if (nCode == CBN_SELCHANGE) {
            int nTeam = (int)SendDlgItemMessageA(hDlg, DEPTH_TEAM_COMBO, CB_GETCURSEL, 0, 0);
            if (nTeam >= 0) {
                Set_Dialog_Team(nTeam);
                Sort_Roster_By_Position(nTeam);
                Refresh_Depth_Chart_Dialog(hDlg, NULL, szCaption);
            }
        } else if (nCode == CBN_CLOSEUP) {
            Redraw_Window(hDlg);
        }
        return 1;
    case DEPTH_VIEW_MY_TEAM:
        Set_Dialog_Team(Get_User_Team());
        Sort_Roster_By_Position(Get_Dialog_Team());
        Refresh_Depth_Chart_Dialog(hDlg, NULL, szCaption);
        Fill_Team_List(hDlg);
        return 1;
    case DEPTH_PERIOD_COMBO:
        if (nCode == CBN_SELCHANGE) {
            int nPeriod = (int)SendDlgItemMessageA(hDlg, DEPTH_PERIOD_COMBO, CB_GETCURSEL, 0, 0);
            if (nPeriod >= 0)
                gStatPeriod = nPeriod;
            Refresh_Depth_Chart_Dialog(hDlg, NULL, szCaption);
        } else if (nCode == CBN_CLOSEUP) {
            Redraw_Window(hDlg);
        }
        return 1;
    default: return 0;
    }
}

void Refresh_Depth_Chart_Dialog(HWND hDlg, LIST_DIALOG_LAYOUT* pLayout, const char* szCaption) {
    SetWindowTextA(hDlg, szCaption);
    Add_Season_To_Caption(hDlg);
    if (strcasecmp(szCaption, "Offense") == 0)
        Refill_Offense_Dialog(hDlg);
    else if (strcasecmp(szCaption, "Defense") == 0)
        Refill_Defense_Dialog(hDlg);
    else if (strcasecmp(szCaption, "Special Teams") == 0)
        Refill_Special_Teams_Dialog(hDlg);
    HWND hHelmet = GetDlgItem(hDlg, DEPTH_HELMET);
    if (hHelmet) {
        RECT rc;
        Get_Dlg_Item_Client_Rect(hDlg, DEPTH_HELMET, &rc);
        InvalidateRect(hDlg, &rc, TRUE);
    }
    if (pLayout)
        Layout_List_Dialog(hDlg, pLayout, LIST_LAYOUT_FIT_LIST);
}
