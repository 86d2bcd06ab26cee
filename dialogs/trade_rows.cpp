// The rows the trade dialogs show: a roster's players and draft picks, and the items of an offer.
#include <stdlib.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "shell/shell.h"

#define TRADE_ROW_COLUMNS 6
#define ROSTER_TAB_STOPS 5

static const char* const kStandInPicks[] = {
    "a bag of footballs", "a shiny new helmet", "some ointment",       "a paperweight",
    "magic beans",        "a lucky penny",      "a stuffed armadillo",
};
#define STAND_IN_PICKS ((int)(sizeof kStandInPicks / sizeof kStandInPicks[0]))

int Get_Draft_Pick_Year(int nDraft) {
    int nYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber + nDraft;
    if (!Is_College_Draft_On() && Get_Current_Week() != OFF_SEASON_WEEK)
        nYear++;
    return nYear;
}

// The cap charge shown: a player kept within his position's quota costs at least the league
// minimum for his experience.
static int Get_Shown_Cap_Impact(int nTeam, int nSlot) {
    int nImpact = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT);
    if (Is_Player_Within_Position_Quota(nTeam, nSlot)) {
        int nExperience = Max_Int(0, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE));
        nImpact = Max_Int(nImpact, Get_League_Minimum_Salary(nExperience));
    }
    return nImpact;
}

// "75/82" while the overall is below the peak, else "   82".
static void Format_Overall_And_Peak(int nTeam, int nSlot, char* szOut, int nSize) {
    int nOverall = (int)Get_Player_Overall_Rating(nTeam, nSlot);
    int nPeak = (int)Get_Player_Potential(nTeam, nSlot);
    if (nOverall < nPeak)
        Format_String(szOut, nSize, "%d/%d", nOverall, nPeak);
    else
        Format_String(szOut, nSize, "   %d", nPeak);
}

void Format_Trade_Player_Row(int nTeam, int nSlot, char* szOut, int nSize) {
    static const int kWidths[TRADE_ROW_COLUMNS] = {0, 5, 2, 10, 2, 5};
    char aszColumns[TRADE_ROW_COLUMNS][TRADE_ROW_SIZE];
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Last_First_Name(nTeam, nSlot, szName, sizeof szName);
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) <= 1 &&
        Is_Season_Complete() && Is_Team_Active(nTeam))
        Format_String(aszColumns[0], TRADE_ROW_SIZE, "(%s)", szName);
    else
        safe_strncpy(aszColumns[0], szName, TRADE_ROW_SIZE);
    Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION), aszColumns[1],
                              TRADE_ROW_SIZE);
    Format_String(aszColumns[2], TRADE_ROW_SIZE, "%d", Get_Player_Exact_Age(nTeam, nSlot));
    char szAmount[TRADE_ROW_SIZE];
    Format_With_Commas(Get_Shown_Cap_Impact(nTeam, nSlot) * 1000, szAmount, sizeof szAmount);
    Format_String(aszColumns[3], TRADE_ROW_SIZE, "$%s", szAmount);
    Format_String(aszColumns[4], TRADE_ROW_SIZE, "%d",
                  Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT));
    Format_Overall_And_Peak(nTeam, nSlot, aszColumns[5], TRADE_ROW_SIZE);
    szOut[0] = 0;
    for (int n = 0; n < TRADE_ROW_COLUMNS; n++) {
        Pad_Left(aszColumns[n], TRADE_ROW_SIZE, kWidths[n]);
        Append_Format_String(szOut, nSize, "%s\t", aszColumns[n]);
    }
}

// The n-th pick the team owns: its round as "1st", its draft's year and the issuing team.
static int Find_Pick_Texts(int nTeam, int nPick, char* szRound, char* szIssuer, int bAbbreviation,
                           int* pYear) {
    int nDraft, nRound, nColumn;
    if (!Find_Team_Draft_Pick(nTeam, nPick, &nDraft, &nRound, &nColumn))
        return 0;
    Format_Ordinal_Number(szRound, TRADE_ROW_SIZE, nRound + 1);
    if (bAbbreviation)
        Get_Team_String(szIssuer, TEAM_STRING_SIZE, nColumn, TEAM_ABBREVIATION);
    else
        Get_Team_Nickname(nColumn, szIssuer, TEAM_STRING_SIZE);
    *pYear = Get_Draft_Pick_Year(nDraft);
    return 1;
}

void Format_Trade_Pick_Row(int nTeam, int nPick, const char* szFormat, char* szOut, int nSize) {
    char szRound[TRADE_ROW_SIZE], szIssuer[TEAM_STRING_SIZE];
    int nYear;
    if (Find_Pick_Texts(nTeam, nPick, szRound, szIssuer, 0, &nYear))
        Format_String(szOut, nSize, szFormat, szRound, nYear, szIssuer);
    else
        szOut[0] = 0;
}

void Format_Trade_Offer_Item(int nTeam, int nItem, char* szOut, int nSize) {
    int nPlayers = Find_Free_Player_Slot(nTeam);
    if (nItem < nPlayers) {
        char szName[PLAYER_NAME_TEXT_SIZE], szPosition[POSITION_NAME_SIZE];
        Get_Player_Full_Name(nTeam, nItem, szName, sizeof szName);
        Append_Injury_Status(szName, sizeof szName, nTeam, nItem);
        Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, nItem, VITAL_POSITION), szPosition,
                                  sizeof szPosition);
        Format_String(szOut, nSize, "%s (%s)", szName, szPosition);
        return;
    }
    char szRound[TRADE_ROW_SIZE], szIssuer[TEAM_STRING_SIZE];
    int nYear;
    if (Find_Pick_Texts(nTeam, nItem - nPlayers, szRound, szIssuer, 1, &nYear))
        Format_String(szOut, nSize, "%d - %s Round (%s)", nYear, szRound, szIssuer);
    else
        safe_strncpy(szOut, kStandInPicks[abs(nTeam * (nItem - nPlayers)) % STAND_IN_PICKS], nSize);
}

void Set_Trade_Roster_Tab_Stops(HWND hList) {
    int anTabs[ROSTER_TAB_STOPS] = {114, 149, 180, 236, 262};
    SendMessageA(hList, LB_SETTABSTOPS, ROSTER_TAB_STOPS, (LPARAM)anTabs);
}

void Fill_Trade_Roster_List(HWND hList, int nTeam) {
    int nSelected = (int)SendMessageA(hList, LB_GETCURSEL, 0, 0);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    char szRow[TRADE_ROW_SIZE * TRADE_ROW_COLUMNS];
    int nPlayers = Find_Free_Player_Slot(nTeam);
    for (int nSlot = 0; nSlot < nPlayers; nSlot++) {
        Format_Trade_Player_Row(nTeam, nSlot, szRow, sizeof szRow);
        SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)szRow);
    }
    int nPicks = Count_Team_Draft_Picks_Three_Years(nTeam);
    for (int nPick = 0; nPick < nPicks; nPick++) {
        Format_Trade_Pick_Row(nTeam, nPick, "  %s Round Pick\t (%d)\t(%s)", szRow, sizeof szRow);
        SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)szRow);
    }
    if (nSelected >= 0)
        SendMessageA(hList, LB_SETCURSEL, nSelected, 0);
}

void Fill_Trade_Offer_List(HWND hList, const TRADE_OFFER* pOffer, int nSide) {
    int nSelected = (int)SendMessageA(hList, LB_GETCURSEL, 0, 0);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    char szRow[TRADE_ROW_SIZE * 2];
    int nCount = Count_Trade_Offer_Items(pOffer, nSide);
    for (int n = 0; n < nCount; n++) {
        Format_Trade_Offer_Item(pOffer->acTeam[nSide], pOffer->aabItems[nSide][n], szRow,
                                sizeof szRow);
        SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)szRow);
    }
    if (nSelected >= 0 && nSelected < nCount)
        SendMessageA(hList, LB_SETCURSEL, nSelected, 0);
}

void Format_Team_Cash_Label(int nTeam, char* szOut, int nSize) {
    char szMoney[TRADE_ROW_SIZE];
    Format_Money(Get_Team_Financial_Stat(nTeam, FIN_CASH) / 1000, szMoney, sizeof szMoney);
    Format_String(szOut, nSize, "(Cash: %s)", szMoney);
}

void Format_Trade_Cap_Line(int nTeam, char* szOut, int nSize) {
    char szName[TEAM_STRING_SIZE], szAmount[TRADE_ROW_SIZE], szBudget[TRADE_ROW_SIZE];
    Get_Team_Nickname(nTeam, szName, sizeof szName);
    int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP) / 1000;
    if (nCap <= 0) {
        Format_With_Commas(nPayroll * 1000, szAmount, sizeof szAmount);
        Format_With_Commas(Get_Team_Payroll_Budget(nTeam), szBudget, sizeof szBudget);
        Format_String(szOut, nSize, "The %s have a team payroll of $%s (budget: $%s)", szName,
                      szAmount, szBudget);
        return;
    }
    int nRoom = nCap - nPayroll;
    Format_With_Commas(abs(nRoom), szAmount, sizeof szAmount);
    Format_String(szOut, nSize,
                  nRoom > 0 ? "The %s are $%s,000 under the salary cap"
                            : "The %s are exceeding the salary cap by $%s,000",
                  szName, szAmount);
}

void Set_Trade_Team_Heading(HWND hDlg, int nId, int nTeam) {
    char szLabel[TEAM_LABEL_SIZE], szText[TEAM_LABEL_SIZE + 2];
    Get_Team_Label(nTeam, szLabel, sizeof szLabel);
    Make_Upper_Case(szLabel);
    Format_String(szText, sizeof szText, " %s", szLabel);
    SetDlgItemTextA(hDlg, nId, szText);
}
