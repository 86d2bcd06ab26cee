// Team and player management dialogs: depth charts, contracts, trades, free agents, finances and
// the editors. What other subsystems may call.
#pragma once

#include "core/core.h"
#include "platform/windows.h"
#include "personnel/personnel.h"

// ---- dialog procedures --------------------------------------------------------------------------
INT_PTR Trades_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Sortable_Stats_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Expenses_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Offense_Depth_Chart_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Defense_Depth_Chart_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Contract_Offer_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Concessions_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Tickets_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Change_Position_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Trade_Offer_Response_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Find_Players_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Stadium_Editor_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Trade_Hint_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Edit_Player_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Trade_Offer_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR League_Editor_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Special_Teams_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Start_Fantasy_Draft_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Fantasy_Draft_Order_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Trading_Block_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Edit_Ratings_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// ---- depth charts (depth_chart_rows.cpp) --------------------------------------------------------
struct LIST_DIALOG_LAYOUT;
// Sets the caption with season and team and refills the dialog the caption names ("Offense",
// "Defense", "Special Teams"); with a layout the dialog's height is fitted to its list.
void Refresh_Depth_Chart_Dialog(HWND hDlg, LIST_DIALOG_LAYOUT* pLayout, const char* szCaption);
// The returners (special_teams_dialog.cpp): eligible are RB, FB, TE, WR, CB and S in slot order.
int Count_Special_Team_Returners(int nTeam);
int Get_Eligible_Returner(int nTeam, int n);  // n past the last gives the last; 0 with none
int Find_Returner_Index(int nTeam, int nSlot);  // 0 when the slot is no eligible returner
void Format_Returner_Item(int nTeam, int nSlot, char* szOut, int nSize, int nKind);

// ---- league rules and new teams (league_rules.cpp) ----------------------------------------------
// The League Editor's checks: each returns the value to keep and tells the user when it changed.
int Check_Season_Games(int nGames);
int Check_Wild_Card_Teams(int nWildCards);
int Get_Shown_Wild_Card_Teams(int nWildCards);  // within the limits of the leagues in use
int Check_Inflation_Factor(int nFactor);
int Change_Start_Year(int nYear);  // 1 when the user agreed and the year changed
void Check_Team_Nickname_Length(const char* szNickname);
int Get_Fan_Loyalty_Grade(int nLoyalty);  // item 0..12 of the grade list
int Get_Grade_Fan_Loyalty(int nItem);
int Check_Team_Cash(int nCash);
// Refuses an oversized conference or division (0); otherwise closes up empty leagues and
// divisions and returns 1.
int Close_Up_League_Structure(void);

// ---- contract offers (contract_offer.cpp) -------------------------------------------------------
int Open_Contract_Offer_Dialog(HWND hWnd, int nTeam, int nSlot);  // 1 signed, 0 declined
void Show_Roster_Full_Message(int nTeam, int nSlot);  // the user's roster has no room for him

// ---- a trade for one player (trade_start.cpp) ---------------------------------------------------
// The shared trade offer: the user's team asks for this player alone; his team is the partner.
void Start_Trade_Offer_For_Player(int nTeam, int nSlot);
