// Team and player management dialogs: depth charts, contracts, trades, free agents, finances and
// the editors. What other subsystems may call.
#pragma once

#include "core/core.h"
#include "platform/windows.h"
#include "personnel/personnel.h"
#include "shell/sortable_listview.h"

struct LIST_DIALOG_LAYOUT;  // shell/menus.h

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

// ---- the editors' edit boxes (edit_boxes.cpp) ----------------------------------------------------
void Limit_Edit_Box(HWND hDlg, int nId, int nChars);
// The box's text cut to a field of nFieldChars characters (szOut holds one more).
void Get_Edit_Box_Text(HWND hDlg, int nId, char* szOut, int nFieldChars);
void Set_Number_Box(HWND hDlg, int nId, int nValue);
// A whole number with blanks allowed (and "$" and "," in money); 0 when the text is not one.
int Parse_Whole_Number(const char* szText, int bMoney, int* pValue);
int Parse_Decimal_Number(const char* szText, float* pValue);  // 0 when the text is not one
// The box's number, or 0 after telling the user the labelled box needs one (its focus set).
int Read_Number_Box(HWND hDlg, int nId, const char* szLabel, int bMoney, int* pValue);

// ---- Edit Ratings (edit_ratings_dialog.cpp) ------------------------------------------------------
// 1 after telling the user that ratings wait for this week's games to be played.
int Refuse_Rating_Update_While_Simulating(void);

// ---- the stadium editor (stadium_editor_dialog.cpp) -------------------------------------------
int Get_Stadium_Grade_Item(int nValue);  // "Poor" 0 .. "Excellent" 4 of a per-mille grade

// ---- depth charts (depth_chart_rows.cpp) --------------------------------------------------------
struct LIST_DIALOG_LAYOUT;
// Sets the caption with season and team and refills the dialog the caption names ("Offense",
// "Defense", "Special Teams"); with a layout the dialog's height is fitted to its list.
void Refresh_Depth_Chart_Dialog(HWND hDlg, LIST_DIALOG_LAYOUT* pLayout, const char* szCaption);
// The returners (special_teams_dialog.cpp): eligible are RB, FB, TE, WR, CB and S in slot order.
int Count_Special_Team_Returners(int nTeam);
int Get_Eligible_Returner(int nTeam, int n);    // n past the last gives the last; 0 with none
int Find_Returner_Index(int nTeam, int nSlot);  // 0 when the slot is no eligible returner
void Format_Returner_Item(int nTeam, int nSlot, char* szOut, int nSize, int nKind);

// ---- league rules and new teams (league_rules.cpp) ----------------------------------------------
// The League Editor's checks: each returns the value to keep and tells the user when it changed.
int Check_Season_Games(int nGames);
int Check_Wild_Card_Teams(int nWildCards);
int Get_Shown_Wild_Card_Teams(int nWildCards);  // within the limits of the leagues in use
int Has_Wild_Card_League(void);  // 1 when a league in use has three or four divisions
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

// ---- the player lists: Sortable Stats, Free Agents and College Draft ----------------------------
// List keys: a team 0..35 (its combo item holds team + 1000), every active player, a league's
// players, the fantasy draft's drafted and undrafted players, the free agents, the draft pool.
#define LIST_KEY_TEAM_ITEM 1000
#define LIST_KEY_SEPARATOR 2000
#define LIST_KEY_ALL_ACTIVE 2001
#define LIST_KEY_LEAGUE 3000  // + league 0 or 1
#define LIST_KEY_DRAFTED 4000
#define LIST_KEY_UNDRAFTED 4001
#define LIST_KEY_FREE_AGENTS 5000
#define LIST_KEY_DRAFT_POOL 6000
#define LIST_ANY_POSITION POSITION_COUNT

// The list dialogs' sizing, grip and layout messages (list_dialog_sizing.cpp); 1 with *pResult
// set when the message was one of them.
int Answer_List_Dialog_Sizing(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam,
                              LIST_DIALOG_LAYOUT* pLayout, INT_PTR* pResult);

// Rows and texts (player_list_rows.cpp).
int Is_Known_List_Key(int nKey);
// The key's players of the position (LIST_ANY_POSITION: all) in team then slot order; an unknown
// key is reported and leaves the list as it was (0).
int Fill_Player_List_Rows(SORTABLE_LISTVIEW* pList, int nKey, int nPosition);
void Format_Player_List_Caption(int nKey, char* szOut, int nSize);
void Fill_Player_List_Team_Combo(HWND hDlg);
int Get_Player_List_Item_Key(int nItemData);
void Format_Player_List_Cap_Text(int nTeam, char* szOut, int nSize);
void Format_Roster_Note(int nKey, char* szOut, int nSize);
void Format_Fantasy_Picks_Text(int nTeam, char* szOut, int nSize);
// The open list dialog (sortable_stats_dialog.cpp): its texts, buttons and rows done anew.
void Refresh_Sortable_Stats_List(void);

// Roster status lines (roster_status.cpp): the user's team's cap room (short form) and roster
// count in a list dialog's controls.
void Show_Roster_Cap_Room(HWND hDlg);
void Show_Roster_Count(HWND hDlg);
// One sentence on a team's cap position, or its payroll and budget without a cap.
void Format_Team_Cap_Sentence(char* szOut, int nSize, int nTeam);

// ---- the finance dialogs: Expenses, Concessions and Tickets --------------------------------------
// One spin click (finance_dialog_support.cpp): a budget by 100 price steps, limited to
// 0..50,000,000 dollars and rounded down to the step; a concession price by the step of a quarter
// of the inflation, 0..10,000 cents; a ticket price by a step, rounded down to it, 0..50,000 cents.
int Step_Budget(int nBudget, int bUp, int nInflation);
int Step_Concession_Price(int nPrice, int bUp, int nInflation);
int Step_Ticket_Price(int nPrice, int bUp, int nInflation);
int Can_Change_Finances(int nTeam);  // the Commissioner, or the user's own team
void Set_Up_Finance_Spins(HWND hDlg, const int* pnSpins, int nCount);
int Is_Spin_Up(WPARAM wParam);                                 // a spin's WM_VSCROLL: 1 up, 0 down
void Set_Money_Text(HWND hDlg, int nId, int nDollars);         // "$1,234" or "-$1,234"
void Set_Cents_Text(HWND hDlg, int nId, int nCents);           // "12.50"
void Restore_Cents_Text(HWND hDlg, int nId, int nCents);       // typed-over text back to the price
void Set_Rank_Text(HWND hDlg, int nId, int nTeam, int nStat);  // "(3rd)"
void Set_Finance_Caption(HWND hDlg, const char* szName);
// The caption, the team combo and the figures of the dialog team anew.
void Show_Finance_Team(HWND hDlg, const char* szName, void (*pFill)(HWND hDlg));
// Opening: the dialog's sound (or none), its font, the dialog team's figures, centred.
void Init_Finance_Dialog(HWND hDlg, const char* szSound, const char* szName,
                         void (*pFill)(HWND hDlg));
int Take_Finance_Team_Choice(HWND hDlg);
int Answer_Finance_Dialog_Message(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                  INT_PTR* pResult);

// ---- Find Players ----------------------------------------------------------------------------
#define FIND_PLAYERS_RATINGS 5
#define FIND_PLAYERS_NAME_SIZE 64

typedef struct FIND_PLAYERS_LIMITS {
    int nPosition;    // POSITION_COUNT: any player, the rating minimums then ignored
    int nMaxAge;      // ages below it
    int nMaxSalary;   // thousands
    int nMinOverall;  // of the predicted season
    int nMinPeak;
    char szName[FIND_PLAYERS_NAME_SIZE];  // a part of the full name, any case; "" for any
    int anRatings[FIND_PLAYERS_RATINGS];  // the position's key ratings, in their order
} FIND_PLAYERS_LIMITS;

// The search (find_players_search.cpp): the rows found, in team then slot order. A college
// draft whose pool is empty is ended first.
int Find_Players(const FIND_PLAYERS_LIMITS* pLimits, SORTABLE_LISTVIEW* pList);
int Is_Found_Player(int nTeam, int nSlot, const FIND_PLAYERS_LIMITS* pLimits);

// ---- the fantasy draft's dialogs (fantasy_draft_dialogs.cpp) --------------------------------------
// The order codes of Start Fantasy Draft's checked buttons: the first round (1 random, 2 by cash,
// 3 by revenue, 4 alphabetical; none checked: 1) and the later rounds (7 reverse, 6 repeat,
// 5 snake, 1 random; none checked: 7).
int Read_Fantasy_First_Round_Order(HWND hDlg);
int Read_Fantasy_Later_Round_Order(HWND hDlg);

// ---- a trade for one player and the remembered partner (trade_start.cpp) ------------------------
// The shared trade offer: the user's team asks for this player alone; his team is the partner.
void Start_Trade_Offer_For_Player(int nTeam, int nSlot);
// The partner last traded with when he is another active team, else the first team but the user's.
int Get_Remembered_Trade_Partner(int nUser);

// ---- trade talks: the partner's reply and hints (trade_response.cpp) ----------------------------
#define TRADE_ACCEPTED_VERDICT 1000
#define TRADE_HINT_LINE_SIZE 96
// The reply to a verdict: group 0 for an offer of nothing, 1..4 by quarters below acceptance,
// 5 accepted; the line within the group follows the verdict (any line for an offer of nothing).
int Get_Trade_Response_Group(int nVerdict);
int Get_Trade_Response_Index(int nVerdict);
const char* Get_Trade_Response_Line(int nVerdict);
// Opens the reply dialog over hParent; 1 when the user pressed its first button (Sign Deal or
// Hint).
int Show_Trade_Offer_Response(HWND hParent, int nTeam, int nVerdict);
// The team's biggest needs as "(1) A starting quarterback" lines, the first always, more while
// the need just listed is above 1400; the number of lines.
int List_Trade_Hints(int nTeam, char aszLines[][TRADE_HINT_LINE_SIZE], int nMost);
int List_Needs_Hints(const TEAM_NEEDS needs, char aszLines[][TRADE_HINT_LINE_SIZE], int nMost);
// "Quarterbacks" or "Quarterbacks, Safeties": the one or two positions the team needs most (the
// second while the first's three needs sum above 1400).
void Describe_Team_Needs(char* szOut, int nSize, int nTeam);
void Describe_Needs(const TEAM_NEEDS needs, char* szOut, int nSize);

// ---- rows of the trade dialogs (trade_rows.cpp) --------------------------------------------------
#define TRADE_ROW_SIZE 64
int Get_Draft_Pick_Year(int nDraft);  // of draft 0 (the coming one), 1 or 2
// A roster row: name, position, age, cap charge, years left and rating, each followed by a tab.
void Format_Trade_Player_Row(int nTeam, int nSlot, char* szOut, int nSize);
// The team's n-th pick through a format taking the ordinal round, the year and the nickname of
// the team at whose place it stands; "" when the team has no such pick.
void Format_Trade_Pick_Row(int nTeam, int nPick, const char* szFormat, char* szOut, int nSize);
// One item of an offer: "Name (QB)" or "2021 - 1st Round (ABC)".
void Format_Trade_Offer_Item(int nTeam, int nItem, char* szOut, int nSize);
void Set_Trade_Roster_Tab_Stops(HWND hList);
// The team's players, then its picks: the row number is the item of a trade offer. The
// selection is kept.
void Fill_Trade_Roster_List(HWND hList, int nTeam);
void Fill_Trade_Offer_List(HWND hList, const TRADE_OFFER* pOffer, int nSide);
void Format_Team_Cash_Label(int nTeam, char* szOut, int nSize);  // "(Cash: $23.2M)"
void Format_Trade_Cap_Line(int nTeam, char* szOut, int nSize);   // room under the cap
void Set_Trade_Team_Heading(HWND hDlg, int nId, int nTeam);      // " NEW YORK FOXES"

// ---- the Trades dialog (trades_dialog.cpp) -------------------------------------------------------
int Get_Trades_User_Team(void);  // the dialog team in Commissioner Mode, else the user's team
int Get_Trade_Team(HWND hDlg);   // the partner chosen in the dialog's team list
// Tells the user why the item may not join the side: a full side, or an item already there.
void Explain_Cannot_Add_Trade_Item(const TRADE_OFFER* pOffer, int nSide, int nItem);
// One click of a cash spinner: a price step up or down, at most the paying team's cash rounded
// down to the step and $100,000,000, at least 0.
int Step_Trade_Cash(int nAmount, int bUp, int nTeamCash, int nStep);
// Adds the user's players to gTradeOffer until the partner accepts; 0 (the offer unchanged) when
// no such offer was found.
int Build_Counter_Offer(void);

// ---- the Trading Block's search (trading_block_search.cpp) ---------------------------------------
// What the user asks for: a position 0..14, or one of these.
#define BLOCK_WANTS_ANY 15
#define BLOCK_WANTS_PROSPECTS 16
#define BLOCK_WANTS_VETERANS 17
#define BLOCK_WANTS_PICKS 18
#define BLOCK_WANTS_CASH 19
#define BLOCK_REQUEST_KINDS 20

// One record per offering team: the user's block on side 0, the team's return on side 1.
#define TRADING_BLOCK_OFFERS 36
extern TRADE_OFFER gTradingBlockOffers[TRADING_BLOCK_OFFERS];

// The user's needs turned towards the request kind.
void Get_Trading_Block_Wants(int nTeam, int nKind, TEAM_NEEDS wants);
// Completes the offering team's side (side 1) of a work offer; nonzero when it found one.
int Build_Trading_Block_Offer(TRADE_OFFER* pWork, const TEAM_NEEDS wants, int nKind);
// The most the offering team pays, in price steps, for the block: 1 with the cash set, else 0.
int Find_Trading_Block_Cash(TRADE_OFFER* pWork, const TEAM_NEEDS needs);
// The team's best offer for the block of gTradeOffer, as the user judges the attempts; 0 when
// none came together.
int Find_Team_Best_Offer(int nTeam, int nKind, const TEAM_NEEDS wants, TRADE_OFFER* pBest);
void Sort_Trade_Offer_Items(TRADE_OFFER* pOffer);  // each side's items, most valuable first
int Order_Trading_Block_Offers(int nKind, const TEAM_NEEDS userNeeds);  // the legal offers
void Clear_Trading_Block_Offers(void);

// ---- the Trading Block (trading_block.cpp) -------------------------------------------------------
// Every other team's best offer for the block of gTradeOffer (hDlg may be null: no progress
// shown); the number of legal offers, or -1 when the block would leave the user short of players.
int Get_Trading_Block_Offers(HWND hDlg);
void Format_Block_Offer(const TRADE_OFFER* pOffer, int nKind, char* szOut, int nSize);
