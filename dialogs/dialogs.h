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

// ---- contract offers (contract_offer.cpp) and moves between rosters (roster_operations.cpp) -----
int Open_Contract_Offer_Dialog(HWND hWnd, int nTeam, int nSlot);  // 1 signed, 0 declined
// Stamps the induction year and the vote (75..100) on the player and copies him into the Hall of
// Fame roster by vote; 0 when the Hall is full of higher votes. His own record stays.
int Induct_Player_Into_Hall_Of_Fame(int nTeam, int nSlot, int nVote);

// ---- trade offer rules (trade_rules.cpp) --------------------------------------------------------
// A valid trade team is a league team in use; the free agents, the Hall of Fame and the draft pool
// never trade.
#define TRADE_REASON_SIZE 256

int Validate_Trade_Offer(const TRADE_OFFER* pOffer);                // 1 when well formed
int Count_Trade_Offer_Items(const TRADE_OFFER* pOffer, int nSide);  // 0..15
// 1 when the trade keeps both rosters within their limits and both teams within the cap; the
// reason goes to szReason (TRADE_REASON_SIZE bytes, may be NULL) when it is refused.
int Check_Trade_Legality(const TRADE_OFFER* pOffer, char* szReason);
int Count_Team_Draft_Picks_Three_Years(int nTeam);
