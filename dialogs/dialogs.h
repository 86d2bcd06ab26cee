// Team and player management dialogs: depth charts, contracts, trades, free agents, finances and
// the editors. What other subsystems may call.
#pragma once

#include "core/core.h"

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

// ---- playbooks ----------------------------------------------------------------------------------
void Check_Defensive_Playbook_Scheme(int nTeam);

// ---- the college draft pool (draft_pool_queries.cpp) --------------------------------------------
int Count_Draft_Pool_Players(void);
void Get_Draft_Pool_Player(int n, int* pTeam, int* pSlot);  // outputs untouched past the end

// ---- sorting the college draft pool (draft_pool_sort.cpp) ---------------------------------------
#define DRAFT_POOL_KEY_SALARY 0
#define DRAFT_POOL_KEY_DRAFT_VALUE 2
#define DRAFT_POOL_KEY_PROJECTED_RATING 3
#define DRAFT_POOL_KEY_POTENTIAL 4
void Sort_Draft_Pool_Players(int bNamedFirst, int nKey);  // highest key first

// ---- contract demand (contract_demand.cpp) ------------------------------------------------------
void Calculate_Contract_Demand(int nTeam, int nSlot, int nWorth);  // nWorth 0: computed

// ---- the stadium's value (stadium_value.cpp) ----------------------------------------------------
// Stadium stat 1, the structure, and stat 2, the surface.
#define STADIUM_OPEN 0
#define STADIUM_DOMED 1
#define STADIUM_CONVERTIBLE 2
#define STADIUM_NATURAL_GRASS 0
#define STADIUM_ARTIFICIAL_TURF 1

int Compute_Stadium_Value(int nTeam);  // dollars, a multiple of 1,000,000

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

int Get_New_Team_Position_Count(int nPosition);  // the fewest players a new team has there
void Fill_New_Team_Roster(int nTeam);
int Add_New_Team(int bFillRoster);  // the new team's number, -1 when 36 teams are in use
