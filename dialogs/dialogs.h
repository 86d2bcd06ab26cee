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

// ---- contract offers (contract_offer.cpp) -------------------------------------------------------
int Open_Contract_Offer_Dialog(HWND hWnd, int nTeam, int nSlot);  // 1 signed, 0 declined
void Show_Roster_Full_Message(int nTeam, int nSlot);  // the user's roster has no room for him
// Clamps the years offered, works out his demand and sets the buttons and texts; 0 when the
// paying team's cash cannot cover the bonus he asks (and no Commissioner is on).
int Update_Contract_Offer_Controls(HWND hDlg);
// The cap text for a room in thousands: with a cap, the room or the excess (long: on three lines
// "(After signing this player)"); without one, the team's payroll and budget (long) or the room
// under the budget.
void Format_Cap_Room_Text(char* szOut, int nSize, int nTeam, int nRoom, int bLong);
int Get_Cap_Text_Team(int nTeam);  // a league team in use or a special roster; else team 0
// A position's name: 0..14, "Any Position" for 15, "<Error>" otherwise.
void Get_Position_Name_Text(int nPosition, char* szOut, int nSize);

// ---- a trade for one player (trade_start.cpp) ---------------------------------------------------
// The shared trade offer: the user's team asks for this player alone; his team is the partner.
void Start_Trade_Offer_For_Player(int nTeam, int nSlot);
