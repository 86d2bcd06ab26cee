// Personnel and computer manager: player generation, ratings, contracts, drafts and the computer
// manager's roster work. What other subsystems may call.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "database/database.h"
#include "database/saved_state.h"

// ---- depth charts and returners (depth_chart.cpp, returners.cpp) -------------------------------
// A sorted roster holds the offence, defence and kicker units one after the other; the first 11,
// 11 and 2 players of each unit are its starters. Per-team operations ignore teams above 35.
#define NO_TIGHT_END 255

// Players a roster keeps at each position, QB..P.
extern const int POSITION_ROSTER_MINIMUMS[POSITION_COUNT];
extern const int POSITION_ROSTER_FULL_COUNTS[POSITION_COUNT];
extern const int POSITION_ROSTER_CEILINGS[POSITION_COUNT];
extern const int POSITION_STARTERS[POSITION_COUNT];
int Get_Position_Roster_Target(int nPosition);  // mean of minimum and full count; 0 outside

int Get_Player_Depth_Chart_Score(int nTeam, int nSlot, int nPosition, int bKeepInjured);
int Get_Position_Switch_Fit(int nTeam, int nSlot, int nPosition);  // fit x 10, 0..1000
int Get_Depth_Chart_Slot_Position(int nTeam, int nUnit, int n);    // starter slot n: 0..14
int Find_Best_Tight_End(int nTeam);                                // NO_TIGHT_END when none
void Sort_Roster_By_Position(int nTeam);
void Fill_Depth_Chart_Unit(int nUnit, int nTeam, int bKeepInjured);
void Sort_Depth_Chart_Unit(int nTeam, int nUnit);
void Sort_Team_Roster_Units(int nTeam);
void Set_Team_Depth_Chart(int nTeam);  // keep-injured flag 0
void Reset_Team_Depth_Chart(int nTeam, int bKeepInjured);
void Set_All_Depth_Charts(int bKeepInjured);
void Set_Team_Defensive_Scheme(int nTeam, int nScheme);

// A unit's block of roster slots (unit_slots.cpp): an empty unit gets a created player.
uint8_t Find_Or_Create_Team_Unit_Player(int nTeam, int nUnit);
int Get_Unit_First_Reserve_Slot(int nTeam, int nUnit);  // PLAYERS_PER_TEAM: the unit is empty
int Is_Unit_Reserve(int nTeam, int nSlot);
void Move_Player_Within_Unit(int nUnit, int nTeam, int nPlace, int nSlot);
int Is_Player_In_Unit_Window(int nTeam, int nSlot);

// The computer's teams' defensive schemes (defensive_schemes.cpp): a scheme fitted to each
// computer team's roster, and the repairs of old files' team settings.
void Check_Computer_Team_Rosters(void);
void Check_Team_Defensive_Scheme(int nTeam);
void Set_Default_Defensive_Schemes(void);
void Reset_Run_Pass_Balance(void);

int Choose_Team_Returner(int nTeam, int nKind);  // the slot chosen and stored
uint8_t Get_Team_Returner(int nTeam, int nKind);      // the stored one, else chosen
void Choose_Team_Returners(int nTeam);
void Check_Team_Returners(int nTeam);

// ---- team needs (team_needs.cpp) ----------------------------------------------------------------
// Per mille of the league average, 400..2000, by need kind and position.
#define NEED_STARTER 0
#define NEED_DEPTH 1
#define NEED_AGE 2
#define NEED_KIND_COUNT 3
typedef int TEAM_NEEDS[NEED_KIND_COUNT][POSITION_COUNT];

extern const int POSITION_NEED_WEIGHTS[POSITION_COUNT];

void Get_Team_Needs(int nTeam, TEAM_NEEDS needs);
int Get_Position_Starter_Need(int nTeam, int nPosition);  // raw per mille
int Get_Position_Depth_Need(int nTeam, int nPosition);
int Get_Position_Age_Need(int nTeam, int nPosition);
uint8_t Get_Position_Last_Starter(int nTeam, int nPosition);  // NO_SLOT_BYTE when none
uint8_t Get_Position_First_Backup(int nTeam, int nPosition);  // NO_SLOT_BYTE when none
int Average_Position_Starter_Need(int nPosition);             // computed and stored
int Average_Position_Depth_Need(int nPosition);
int Average_Position_Age_Need(int nPosition);
int Get_Average_Position_Starter_Need(int nPosition);  // the stored one, computed when 0
int Get_Average_Position_Depth_Need(int nPosition);
int Get_Average_Position_Age_Need(int nPosition);
void Average_Position_Needs(int nPosition);  // all three of one position
void Compute_Position_Need_Averages(void);
int Normalize_Worth_By_Position(int nWorth, int nPosition);
int Get_Team_Record_Need_Factor(int nTeam);  // (losses - wins) x 50

// ---- roster moves (roster_moves.cpp) -----------------------------------------------------------
int Release_Surplus_Player(int nTeam);  // 1 when a player above the roster floor was dropped
void Trim_Roster(int nTeam);
int Fill_Team_Position_Minimums(int nTeam);                      // 1 when nothing was missing
uint8_t Find_Free_Agent_At_Position(int nPosition);              // NO_SLOT_BYTE when none
uint8_t Choose_Affordable_Free_Agent(int nTeam, int nPosition);  // NO_SLOT_BYTE when none
void Auto_Sign_Team_Free_Agents(int nTeam);
void Make_Computer_Roster_Move(int nTeam);
void Make_Team_Roster_Moves(int nTeam);  // three moves, then new prices
int Release_Team_To_Cap(int nTeam);  // least valuable first, down to the release floor; released
int Is_Team_Over_Cap(int nTeam);     // never without a salary cap
int Are_Trade_Teams_Over_Cap(int nTeamA, int nTeamB);
int Get_Roster_Size_Factor(int nTeam);  // 65000 / players, 0 for an empty roster

// ---- the free-agent pool (free_agent_pool.cpp) ------------------------------------------------
// 0 by salary, 2 by the predicted season's value, any other by position and salary.
extern int gFreeAgentSortMode;
void Sort_Free_Agent_Pool(void);  // best first, then Replenish_Free_Agent_Pool
void Replenish_Free_Agent_Pool(void);

// ---- the college draft --------------------------------------------------------------------------
// Rounds 0..6 with gDraftRound, places 0 .. teams - 1 with gDraftPick; an owner byte of 128 or
// above (team + 128) is a pick that is not made.
#define FIXED_DRAFT_ORDER_TEAMS 32
extern const int FIXED_DRAFT_ORDER_2021[FIXED_DRAFT_ORDER_TEAMS];

// The order (draft_picks.cpp): the finished season's, or projected from the standings.
void Compute_Draft_Order(void);
int Get_Draft_Order_Key(int nTeam);                // highest picks first
int Get_Team_Draft_Position(int nTeam);            // the team count when absent
int Get_Team_Projected_Draft_Position(int nTeam);  // the team count when absent

// The draft's steps (college_draft.cpp).
void Run_College_Draft(void);  // the computer picks until a person is on the clock
// The first pick on the clock, the draft's file begun and its strategy read, then the draft run.
void Open_College_Draft(void);
void Run_Computer_Draft_Pick(void);
void Record_Draft_Pick(int nTeam, int nProspectTeam, int nProspectSlot);
void Advance_Draft_Pick(void);
void Prompt_User_Draft_Pick(void);
void End_Draft_Empty_Pool(void);
void End_College_Draft_Command(void);
int Get_Overall_Draft_Pick_Number(void);                      // of the pick on the clock, from 1
int Get_Logged_Draft_Pick_Team(int nYear, int nOverallPick);  // 128 when not logged

// The computer's choice (draft_choice.cpp).
int Get_Draft_Position_Need(int nTeam, int nPosition, int nRound);
int Average_Draft_Position_Need(int nPosition, int nRound);
int Get_Draft_Prospect_Score(int nTeam, int nSlot, int nNeed, int nRound);
int Choose_Computer_Draft_Pick(int nTeam, int* pTeam, int* pSlot);  // 0 with an empty pool
// Between these, the needs of teams that did not pick are kept instead of recomputed: only for
// back-to-back computer picks, with nothing else changing the rosters between them.
void Open_Draft_Need_Table(void);
void Close_Draft_Need_Table(void);
void Make_Computer_Draft_Pick(int nTeam);

// The draft's text file (college_draft_file.cpp).
void Start_College_Draft_File(void);
void Write_College_Draft_Round_Header(int nRound);
void Write_College_Draft_Pick_Line(int nTeam, int nProspectTeam, int nProspectSlot);

// After the last pick (next_season.cpp).
void Setup_Next_Season(void);
void Clear_All_Negative_Experience(void);  // league teams in use and the free agents

// ---- the computer manager's league-wide steps (computer_manager.cpp) ----------------------------
void Set_Computer_Depth_Charts(int bKeepInjured);
void Auto_Sign_Free_Agents(void);
void Distribute_Free_Agents(int bShowProgress);
void Resolve_Computer_Holdouts(void);
void Manage_Computer_Rosters(void);
void Run_Computer_Trades(void);
int Do_Computer_Trade_Verdicts_Agree(int nVerdict0, int nVerdict1);  // both above 1200

// ---- draft picks (draft_picks.cpp) --------------------------------------------------------------
void Reset_Draft_Pick_Ownership(void);
void Reset_Team_Draft_Picks(int nTeam);
void Project_Draft_Order(void);

// ---- trade offers (trade_offer.cpp) -------------------------------------------------------------
// A trade between two teams. Side 0 proposes and side 1 judges. Each side lists what its team
// gives, filled from the front: an item below the team's player count is a roster slot, one at or
// above it the team's draft pick number (item - player count) in the order of
// Find_Team_Draft_Pick. Cash is paid by side 0 to side 1, in dollars.
#define TRADE_SIDES 2
#define TRADE_SIDE_ITEMS 15
#define EMPTY_TRADE_ITEM 255
#define NO_TRADE_VERDICT (-2147483647)  // the user's side offers nothing

typedef struct TRADE_OFFER {
    int8_t acTeam[TRADE_SIDES];  // NO_TEAM = none
    uint8_t aabItems[TRADE_SIDES][TRADE_SIDE_ITEMS];
    int32_t nCash;
    int32_t nDone;  // 1 once the Trades dialog has carried it out
} TRADE_OFFER;
static_assert(sizeof(TRADE_OFFER) == 40, "TRADE_OFFER is 40 bytes");
static_assert(offsetof(TRADE_OFFER, nCash) == 32, "TRADE_OFFER cash offset");

extern TRADE_OFFER gTradeOffer;

void Init_Trade_Offer(TRADE_OFFER* pOffer);
void Clear_Trade_Offer_Items(TRADE_OFFER* pOffer);
void Clear_Trade_Offer_Side(TRADE_OFFER* pOffer, int nSide);
void Reverse_Trade_Offer(TRADE_OFFER* pOffer);
int Sum_Trade_Offer_Player_Ids(const TRADE_OFFER* pOffer);
int Is_Trade_Item_Player(const TRADE_OFFER* pOffer, int nSide, int nItem);
int Is_Trade_Item_Listed(const TRADE_OFFER* pOffer, int nSide, int nItem);
int Append_Trade_Offer_Item(TRADE_OFFER* pOffer, int nSide, int nItem);  // 0 when full
int Implement_Trade(TRADE_OFFER* pOffer);                                // 1 when carried out

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
// 1 when the item may join the side: a real item byte, not listed there yet, and the side's
// fifteenth entry still empty.
int Can_Add_Trade_Item(const TRADE_OFFER* pOffer, int nSide, int nItem);
// Writes the item into the side's first empty entry; a full side has its fifteenth replaced.
void Add_Trade_Item(TRADE_OFFER* pOffer, int nSide, int nItem);
// Takes one entry off a side; the later entries move up.
void Remove_Trade_Item(TRADE_OFFER* pOffer, int nSide, int nEntry);
// A side-0 team in debt may not take on more salary than it sends.
int Is_Trade_Refused_For_Debt(const TRADE_OFFER* pOffer);

// ---- trade values (trade_values.cpp) -------------------------------------------------------------
int Get_Draft_Pick_Trade_Value(int nYearsAhead, int nRound, int nPlace);
int Get_Trade_Side_Pick_Value(const TRADE_OFFER* pOffer, int nSide);
int Get_Team_Draft_Picks_Value(int nTeam);  // thousands
int Sum_Team_Draft_Slot_Values(int nTeam);  // the slot values alone, in the order as it stands
int Get_Trade_Need_Kind(int nReceivingTeam, int nTeam, int nSlot);  // a first index of TEAM_NEEDS
int Get_Contract_Value(int nTeam, int nSlot);
int Get_Remaining_Contract_Money(int nTeam, int nSlot);

// ---- the trade verdict (trade_verdict.cpp) ------------------------------------------------------
// Per mille from side 1's view: 1000 or more is acceptable.
int Rate_Trade_Players_Given(const TRADE_OFFER* pOffer, const TEAM_NEEDS needs);
int Rate_Trade_Players_Received(const TRADE_OFFER* pOffer, const TEAM_NEEDS needs);
int Scale_User_Cash_For_Difficulty(int nMoney);
int Evaluate_Trade_Offer(const TRADE_OFFER* pOffer, const TEAM_NEEDS needs);
int Evaluate_Trade_Offer_Frozen(const TRADE_OFFER* pOffer, const TEAM_NEEDS needs);

// ---- the computer's trade search (trade_search.cpp) ---------------------------------------------
#define NO_WEIGHTED_INDEX 255
#define INVALID_TRADE_MEASURE (-2147483647)
#define ILLEGAL_TRADE_MEASURE (-1073741823)

int Rate_Trade_Side_Players(const TRADE_OFFER* pOffer, int nSide);  // about 30..99
void Rate_Team_Players_For_Trade(int nTeam, int nOtherTeam, const TEAM_NEEDS ownNeeds,
                                 const TEAM_NEEDS otherNeeds, int nPartnerRating,
                                 int anWeights[PLAYERS_PER_TEAM]);
int Pick_Weighted_Random_Index(const int anWeights[PLAYERS_PER_TEAM]);
int Add_Needed_Player_To_Trade_Offer(TRADE_OFFER* pOffer, int nSide,
                                     int anWeights[PLAYERS_PER_TEAM]);
int Pick_Random_Draft_Pick_Item(int nTeam);  // EMPTY_TRADE_ITEM when it owns none
int Add_Random_Draft_Pick_To_Trade_Offer(TRADE_OFFER* pOffer);
int Get_Trade_Offer_Balance(TRADE_OFFER* pOffer, int* pOutSide, const TEAM_NEEDS needs0,
                            const TEAM_NEEDS needs1);
int Get_Trade_Offer_Gap(TRADE_OFFER* pOffer, int* pOutSide, const TEAM_NEEDS needs0,
                        const TEAM_NEEDS needs1);
int Build_Computer_Trade_Offer(TRADE_OFFER* pOffer, const TEAM_NEEDS needs0,
                               const TEAM_NEEDS needs1);
int Balance_Trade_Offer_With_Picks(const TEAM_NEEDS needs1);
int Balance_Trade_Offer_With_Cash(const TEAM_NEEDS needs1);

// ---- proposals to human-run teams (computer_manager.cpp) ----------------------------------------
// A computer team's trade for a human-run team: side 0 the computer team, side 1 the human one.
extern TRADE_OFFER gTradeProposal;
// Builds the offer; 1 when the computer team wants it (above 1200) and the human team's needs
// would accept it (1000 or more).
int Build_Trade_Proposal(TRADE_OFFER* pOffer, int nComputerTeam, int nHumanTeam);
void Propose_Computer_Trade(void);  // the week loop's step: now and then a proposal is shown

// ---- team unit strengths and league ranks (unit_ratings.cpp) ------------------------------------
enum TEAM_UNIT {
    UNIT_RUNNING = 0,
    UNIT_PASSING,
    UNIT_RUN_DEFENSE,
    UNIT_PASS_DEFENSE,
    UNIT_SPECIAL_TEAMS
};
// Stat ids of the unit ratings in stat choosers and rank lists.
enum UNIT_STAT {
    UNIT_STAT_RUNNING = 40,
    UNIT_STAT_PASSING,
    UNIT_STAT_RUN_DEFENSE,
    UNIT_STAT_PASS_DEFENSE,
    UNIT_STAT_SPECIAL_TEAMS
};

int Rate_Running_Unit(int nTeam);
int Rate_Passing_Unit(int nTeam);
int Rate_Run_Defense_Unit(int nTeam);
int Rate_Pass_Defense_Unit(int nTeam);
int Rate_Special_Teams_Unit(int nTeam);
int Get_Team_Unit_Rating(int nTeam, int nUnit);  // any other unit number rates Running
int Get_Team_Offense_Strength(int nTeam);
int Get_Team_Defense_Strength(int nTeam);
int Get_Team_Starters_Rating(int nTeam);
int Get_Team_Overall_Strength(int nTeam);  // 0 for a team not in use
int Get_Team_Power_Score(int nTeam);
// Ranks: the league teams with a strictly greater value; 0 is the best.
int Get_Team_Offense_Rank(int nTeam);
int Get_Team_Defense_Rank(int nTeam);
int Get_Team_Overall_Rank(int nTeam);
int Get_Team_Power_Rank(int nTeam);
int Get_Team_Stat_Rank(int nTeam, int nStat);  // UNIT_STAT ids; any other gives 0

// ---- blocking scores (blocking_scores.cpp) ------------------------------------------------------
// 500..2000 from the line slots' ratings; reading them repairs a missing or too low rating.
int Get_Team_Run_Blocking_Score(int nTeam);
int Get_Team_Pass_Blocking_Score(int nTeam);

// ---- unit scores (unit_scores.cpp) ----------------------------------------------------------------
#define TEAM_UNIT_COUNT 12  // quarterbacks .. punters
// 700 + the unit's weighted player values against their references x 300, cached until cleared;
// a depth-chart player whose position rating is broken gets new ratings when it is computed.
int Get_Team_Unit_Score(int nTeam, int nUnit);
void Clear_Team_Unit_Scores(void);
int Get_League_Unit_Score(int nUnit);  // the active teams' mean, truncated
// The unit score x 1100 / the league's mean, rounded: 1100 for an average unit.
int Get_Team_Unit_Index(int nTeam, int nUnit);

// ---- the betting lines (betting_lines.cpp) ------------------------------------------------------
// Tenths of a point. A positive spread favours the visitor; the home team gets 2.7 points.
int Compute_Point_Spread(int nVisitor, int nHome);
int Compute_Over_Under(int nVisitor, int nHome);
int Round_To_Half_Point(int nTenths);  // the nearest multiple of 5, alike on both sides of 0
int Shape_Point_Spread(int nRaw);      // compressed toward 29.5 points from 9.6, then rounded
// The line stored in a game set up at its kick-off, else the pairing's line now; never writes.
int Get_Game_Point_Spread(GAME* pGame, int nVisitor, int nHome);
int Get_Game_Over_Under(GAME* pGame, int nVisitor, int nHome);
void Format_Point_Tenths(char* szOut, int nSize, int nTenths);  // "%d" for whole points, else "%d.%d"
// "Pick'em", or the favourite's abbreviation with the points: "-3.5 (ABC)".
void Format_Point_Spread(GAME* pGame, int nVisitor, int nHome, char* szOut, int nSize);

// ---- player creation (player_creation.cpp) ------------------------------------------------------
void Create_Player_Of_Quality(int nTeam, int nSlot, float fQuality, int nPosition);

// ---- contract renewal (contract_renewal.cpp) ----------------------------------------------------
int Get_Desired_Contract_Years(int nTeam, int nSlot);  // 0 for an empty slot, else 1..7
// 1 renewed; 0 when he was not (released to the free agents when bReleasing, else his old
// contract kept). A human-run team's user answers through the Contract Offer dialog.
int Check_Renew_Contract(int nTeam, int nSlot, int bReleasing);

// ---- the year advance (year_advance.cpp) --------------------------------------------------------
int Advance_Player_Year(int nTeam, int nSlot);  // 1 stays, 0 left the slot (released or retired)
void Clear_All_Negative_Experience(void);       // league teams in use and the free agents

// ---- retirement and the Hall of Fame (retirement.cpp, hall_of_fame_vote.cpp) -------------------
int Check_Free_Agent_Retirement(int nTeam, int nSlot);  // 1 when he retired
void Retire_Player(int nTeam, int nSlot);
// Moves the player to another roster, after the last player of his unit (player_moves.cpp): his new
// slot, 0 for a release to the free agents, NO_SLOT_BYTE after a retirement (RETIRED_TEAM) and when
// he stays (a full destination roster, an empty source slot).
int Move_Player_To_Team(int nToTeam, int nFromTeam, int nSlot);
int Get_Hall_Of_Fame_Vote(int nTeam, int nSlot);  // 1 when he was inducted
// Stamps the induction year and the vote (75..100) on the player and copies him into the Hall of
// Fame roster by vote (hall_of_fame_induction.cpp); 0 when the Hall is full of higher votes. His
// own record stays.
int Induct_Player_Into_Hall_Of_Fame(int nTeam, int nSlot, int nVote);

// ==== money, player value and predicted season lines ============================================
// Salaries and bonuses are thousands of dollars a year; built-in money tables are written for a
// 55,000,000 cap and scaled to the league's money by Scale_To_Base_Cap.

// ---- draft-slot money and salary rounding (salary_tables.cpp) ----------------------------------
int Round_Salary_To_Minimum(int nTeam, int nSlot, int nAmount);
int Apply_Age_Salary_Factor(int nAmount, int nAge);
int Get_Draft_Slot_Value(int nRound, int nPick);  // round 0..6, pick 0..teams-1; 0 outside
int Get_Rookie_Salary(int nRound, int nPick);
int Get_Current_Rookie_Salary(void);
int Get_Rookie_Package_Value(int nRound, int nPick);
int Get_Rookie_Contract_Years(void);
int Store_Draft_Pool_Values(void);  // the highest value stored
int Get_Draft_Pool_Asking_Value(int nTeam, int nSlot);

// ---- salaries and demands (contracts.cpp) ------------------------------------------------------
int Get_Comparable_Salary(int nTeam, int nSlot);
int Get_Fair_Salary(int nTeam, int nSlot, int nWorth);    // nWorth 0: computed
int Get_Salary_Demand(int nTeam, int nSlot, int nWorth);  // the asked signing bonus
int Get_League_Payroll_Ratio(void);
void Set_Desired_Contract(int nTeam, int nSlot);

// ---- rookie options, repairs and database-build contracts (contract_repairs.cpp) ---------------
void Apply_Rookie_Contract_Option(int nTeam, int nSlot, int bRaiseBonus);
void Apply_Rookie_Contract_Options(int bRaiseBonus);
void Repair_Contract_Demand(int nTeam, int nSlot);
void Repair_All_Contract_Demands(void);
void Repair_Corrupt_Salaries(void);
int Get_Initial_Contract_Years_Left(int nTeam, int nSlot);
void Assign_Initial_Contract(int nTeam, int nSlot);
void Assign_All_Initial_Contracts(void);
void Scale_Salaries_To_Cap(void);

// ---- the predicted season line (predicted_stats.cpp) -------------------------------------------
// Effect kinds of Modify_Predicted_Player_Stats select a column of its per-cent table.
#define PREDICTED_EFFECT_KINDS 5
#define DRAFT_SLOT_EFFECT 3

int Get_Base_Predicted_Stat(int nPosition, int nStat);
void Add_Base_Predicted_Line(int nTeam, int nSlot, int nPerMille);
void Modify_Predicted_Player_Stats(int nTeam, int nSlot, int nSeason, int nStat, int nModifier,
                                   int nEffect, int bRandom);
void Modify_Predicted_Line(int nTeam, int nSlot, int nModifier, int nEffect, int bRandom);
void Modify_Predicted_Line_Random(int nTeam, int nSlot, int nModifier, int nEffect);
void Modify_And_Fix_Predicted_Line(int nTeam, int nSlot, int nModifier, int nEffect,
                                   int bRandom = 1);
void Set_Lineman_Predicted_Stats(int nTeam, int nSlot);
void Fix_Predicted_Stat_Line(int nTeam, int nSlot);

// ---- completing predicted lines (projections.cpp) ----------------------------------------------
int Get_Projection_Parameter(int nPosition, int nStat);
int Is_Projected_Stat(int nPosition, int nStat);
void Add_Projection_Parameters(int nTeam, int nSlot, int nWeight);
void Scale_Predicted_Stats(int nTeam, int nSlot, int nPerMille);
void Adjust_Predicted_Stats_For_Draft_Slot(int nTeam, int nSlot, int nWeight);
void Derive_Predicted_Line_Stats(int nTeam, int nSlot);
void Complete_Player_Predicted_Stats(int nTeam, int nSlot, int nWeight);
void Complete_All_Predicted_Stats(int nWeight);
void Complete_League_Predicted_Stats(void);
int Get_Draft_Round(int nTeam, int nSlot);  // 1..7, 0 undrafted
int Get_Draft_Overall_Pick(int nTeam, int nSlot);

// ---- kickers' and punters' derived lines (kicking_lines.cpp) -----------------------------------
void Derive_Longest_Punt(int nTeam, int nSlot, int nSeason);
void Derive_Longest_Field_Goal(int nTeam, int nSlot, int nSeason);
void Fill_Kicker_Longest_Field_Goals(int nTeam, int nSlot);
void Fill_Missing_Kicker_Stats(void);
void Generate_Punter_Season(void);

// ---- record-book order (record_book_order.cpp) -------------------------------------------------
int Compare_Record_Book_Entries(const void* pRowA, const void* pRowB);  // qsort order

// ==== new players: ratings, aging, scouting, the draft pool and career histories ===============

// ---- rating generation (rating_generation.cpp) -------------------------------------------------
#define FABRICATE_ATTEMPTS 10000

void Generate_Player_Ratings(int nTeam, int nSlot);
int Fabricate_Position_Player(int nTeam, int nSlot, int nPosition, int bHistory);  // always 0
int Is_Prospect_Rejected(int nTeam, int nSlot);
void Set_Default_Position_Ratings(int nTeam, int nSlot);
void Modify_Player_Ratings_Weighted(int nTeam, int nSlot, float fFraction);
void Modify_Player_Ratings_Plain(int nTeam, int nSlot, float fFraction);

// ---- releases (roster_release.cpp) -------------------------------------------------------------
// The free-agent pool is trimmed when full and sorted after the player joins it.
void Release_Player_To_Free_Agents(int nTeam, int nSlot);
int Erase_Team(int nTeam, int bDiscardPlayers);  // 1 when erased; its players join the pool

// ---- rating statistics and normalisation (rating_normalisation.cpp) ---------------------------
float Get_Rating_Mean(int nRating);
float Get_Rating_Spread(int nRating);
void Normalize_Player_Ratings(void);  // the depth charts are set first

// ---- the checked overall (checked_overall.cpp) ---------------------------------------------------
float Get_Checked_Overall_Rating(int nTeam, int nSlot);  // a broken overall is rolled anew first
void Scale_Player_Ratings_To_Overall(int nTeam, int nSlot, float fTarget);


// ---- draft inputs (draft_inputs.cpp) ------------------------------------------------------------
#define DRAFT_TALENT_CENTRE 0
#define DRAFT_TALENT_SPREAD 1
#define DRAFT_TALENT_GROWTH 2

void Load_Draft_Strategy(void);
void Load_Draft_Talent(void);

// ---- new players (new_players.cpp) -------------------------------------------------------------
#define COLLEGE_COUNT 121

void Get_College_Name(int n, char* szOut, int nSize);  // szOut holds PLAYER_COLLEGE_SIZE bytes
void Assign_Random_College(int nTeam, int nSlot);
int Generate_Player_Height(int nPosition);
int Generate_Player_Weight(int nTeam, int nSlot);
void Regenerate_Player_Body(int nTeam, int nSlot);
void Set_Player_Birthday(int nTeam, int nSlot, int nAge);
void Init_Career_Curve(int nTeam, int nSlot);
void Init_New_Player_Record(int nTeam, int nSlot);
void Init_Empty_Player_Contract(int nTeam, int nSlot);
int Choose_Prospect_Position(void);
int Draw_Uniform_Number(int nPosition);
int Generate_New_Player(int nTeam, int nSlot, int nExpandedPosition, int bHistory);
void Create_Veteran_Player(int nTeam, int nSlot, float fQuality, int nPosition);
void Convert_Old_Position_Codes(void);

// ---- uniform numbers (uniform_numbers.cpp) -----------------------------------------------------
int Is_Uniform_Number_Taken(int nTeam, int nNumber);
void Assign_Uniform_Number(int nTeam, int nSlot);

// ---- the college draft pool (draft_pool.cpp, prospects_2021.cpp) -------------------------------
#define DRAFT_POOL_SIZE 291       // prospects of a 32-team league
#define PROSPECT_TABLE_YEAR 2021  // the season whose pool comes from the named prospects
#define PROSPECT_TABLE_ROWS 300
#define PROSPECT_TEXT_SIZE 64

// One named prospect of the fixed table.
typedef struct PROSPECT_ROW {
    char szLastName[PROSPECT_TEXT_SIZE];
    char szFirstName[PROSPECT_TEXT_SIZE];
    int32_t nPosition;
    char szCollege[PROSPECT_TEXT_SIZE];
    int32_t nHeight;  // inches; 0 = none
    int32_t nWeight;  // pounds; 0 = none
    int32_t nBirthMonth;
    int32_t nBirthDay;
    int32_t nBirthYear;
    int32_t nExperience;
} PROSPECT_ROW;

const PROSPECT_ROW* Get_Prospect_Row(int nIndex);  // NULL outside 0..299
int Get_Prospect_Table_Overall(int nTeam, int nSlot);
void Fill_Draft_Pool(void);
int Add_Draft_Prospect(void);  // 0 when the three pool rosters are full
void Grade_Draft_Pool(void);
void Clear_Draft_Pool(void);

// ---- career histories (career_history.cpp) -----------------------------------------------------
void Generate_Player_Career_History(int nTeam, int nSlot, int nYearOffset);
void Generate_Season_Stat_Line(int nTeam, int nSlot, float fStarts, int nGames, int nRatingShift);
void Scale_Season_Stats_To_Games(int nTeam, int nSlot, int nGames);
void Fix_Season_Stat_Line(int nTeam, int nSlot);
void Store_History_Season(int nTeam, int nSlot, int nYear, int nLevel);

// ---- a new draft pool (draft_pool_reset.cpp) and old fantasy-draft files (fantasy_draft_state.cpp)
void Reset_Draft_Pool(void);
void Load_Fantasy_Draft_State(void);

// ---- the kept draft class of a season (draft_class.cpp) ----------------------------------------
// "databases/rookies-%d.dat": DRAFT_CLASS_SIZE whole player records, highest draft value first,
// empty records after the last player.
#define DRAFT_CLASS_SIZE 1000
#define DRAFT_CLASS_WRITTEN 0
#define DRAFT_CLASS_NOT_CREATED 1
#define DRAFT_CLASS_WRITE_FAILED 2
int Write_Draft_Class_Database(void);  // the base year's class; one of the results above
void Load_Draft_Class_Database(void);  // the coming season's class into teams 38..40

// ---- injuries and other absences (injury_table.cpp, injuries.cpp, injury_reports.cpp) ----------
#define INJURY_CODE_COUNT 200
#define NO_INJURY (-1)
#define INJURY_SUSPENSION_CONDUCT 180
#define INJURY_SUSPENSION_SUBSTANCE 181
#define INJURY_SUSPENSION_ENHANCERS 182
#define INJURY_SUSPENSION_RULES 183  // counts down like an injury
#define INJURY_SUSPENSION 184
#define INJURY_HOLDOUT 185
#define INJURY_REPORT_SLOTS 5

int Get_Injury_Draw_Weight(int nCode);
int Get_Injury_Weeks_Bound(int nCode, int nWhich);       // 0 shortest, 1 longest; 0 outside 0..199
int Get_Injury_Area(int nCode);                          // 0..3, -1 for no injury
int Get_Injury_Name(int nCode, char* szOut, int nSize);  // 1 when the name is not empty
int Find_Injury_Code(const char* szName);
int Get_Injury_Group(int nCode);            // 0..17, -1 for codes 0 or less
int Get_Injury_Chance(int nTeam);           // per 1,000 plays
int Roll_For_Injury(int nTeam, int nSlot);  // 1 when the player was hurt
int Choose_Injury_Code(int nTeam, int nSlot);
void Inflict_Injury(int nTeam, int nSlot);
int Is_Player_Injured(int nTeam, int nSlot);
int Is_Player_Suspended(int nTeam, int nSlot);
int Is_Player_Holding_Out(int nTeam, int nSlot);
int Get_Unavailable_Weeks_Threshold(void);
int Is_Player_Unavailable(int nTeam, int nSlot);
void Get_Player_Injury_Text(int nTeam, int nSlot, char* szOut, int nSize);
void Clear_Player_Injury(int nTeam, int nSlot);
void Clear_Suspensions(void);
int Team_Plays_This_Week(int nTeam);
void Advance_Player_One_Week(int nTeam, int nSlot);
void Advance_All_Players_One_Week(void);
void Advance_All_Players_Weeks(int nWeeks);
void Queue_User_Injury_Report(int nTeam, int nSlot, int nWeeks);
int Has_User_Injury_Reports(void);
void Report_User_Injuries(void);
void Report_And_Clear_User_Injuries(void);

// ---- sorting the college draft pool (draft_pool_sort.cpp) ---------------------------------------
#define DRAFT_POOL_KEY_SALARY 0
#define DRAFT_POOL_KEY_DRAFT_VALUE 2
#define DRAFT_POOL_KEY_PROJECTED_RATING 3
#define DRAFT_POOL_KEY_POTENTIAL 4
void Sort_Draft_Pool_Players(int bNamedFirst, int nKey);  // highest key first

// ---- contract demand (contract_demand.cpp) ------------------------------------------------------
void Calculate_Contract_Demand(int nTeam, int nSlot, int nWorth);  // nWorth 0: computed

// ---- contract terms (contract_terms.cpp) ---------------------------------------------------------
// One year fewer or more offered (years left and length), then his demand anew.
void Offer_Fewer_Contract_Years(int nTeam, int nSlot);
void Offer_More_Contract_Years(int nTeam, int nSlot);
int Get_Fewest_Offer_Years(void);  // 2 once the season is complete, else 1
int Get_Most_Offer_Years(void);    // 7
// Thousands under the cap once the payer signs him (negative: over it); his cap charge counts
// when he is not already the payer's. 0 without a salary cap.
int Get_Cap_Room_After_Signing(int nPayer, int nTeam, int nSlot);
void Charge_Signing_Bonus(int nPayer, int nBonus);  // thousands off the payer's cash, clamped
int Count_Affordable_Draft_Pool_Players(void);      // prospects the user's cash can sign
// A prospect's rookie contract at the pick on the clock: four years and the slot's bonus,
// which it returns.
int Set_Draft_Pick_Contract(int nTeam, int nSlot);

// ---- offensive linemen's predicted line (lineman_stats.cpp) -------------------------------------
void Derive_Lineman_Stats(int nTeam, int nSlot);
void Derive_All_Lineman_Stats(void);  // the T, G and C of the league teams in use

// ---- steering a player's potential (player_potential.cpp) ---------------------------------------
int Set_Player_Potential_For_Overall(int nTeam, int nSlot, int nTarget);  // the steps taken

// ---- injuries cleared league-wide (injury_clearing.cpp) ----------------------------------------
// Every player of the teams in use, the pool and the draft teams healed; how many were injured.
int Clear_All_Injuries(void);

// ---- position changes (position_conversion.cpp) ------------------------------------------------
// The groups a player may move within: QB; RB FB TE WR; T G C; DE DT LB CB S; K P.
int Get_Conversion_Group_First(int nPosition);
int Count_Conversion_Group(int nPosition);
// His rating as his scouts expect it at the new position of his group.
float Estimate_Converted_Rating(int nTeam, int nSlot, int nNewPosition, int nRating);
// Stores the converted ratings of his old position's class and the new position.
void Convert_Player_Position(int nTeam, int nSlot, int nNewPosition);

// ---- new teams (new_team.cpp) -------------------------------------------------------------------
int Get_New_Team_Position_Count(int nPosition);  // the fewest players a new team has there
void Fill_New_Team_Roster(int nTeam);
int Add_New_Team(int bFillRoster);  // the new team's number, -1 when 36 teams are in use

// ==== outside names, the roster listing and the draft hand-over ================================

// ---- team numbers from texts (team_names.cpp) ---------------------------------------------------
// Besides the league teams 0..35: FREE_AGENT_TEAM, RETIRED_TEAM, OTHER_LEAGUE_TEAM for a team of
// another league whose rows are ignored, NO_TEAM when the text names no team.
#define OTHER_LEAGUE_TEAM 255

int Get_Team_From_Abbreviation(const char* szText, int bReport);
int Get_Team_From_Label(const char* szText);
int Get_Team_From_Name(const char* szName);  // 36 "Free Agents", 41 "Retired", NO_TEAM unknown
int Get_Team_From_Historic_Name(const char* szName);
int Get_Team_From_Text(const char* szText);      // an abbreviation, else a (historic) name
int Find_Team_By_Nickname(const char* szText);   // 0 when none
int Find_Team_By_Full_Name(const char* szName);  // "City,Nickname" or "City Nickname"; NO_TEAM

// ---- players by name (name_matching.cpp) -------------------------------------------------------
// 1 when found; otherwise the team is NO_TEAM and the slot NO_SLOT_BYTE. nExpectedTeam may be
// NO_TEAM.
int Find_Player_By_Name(int* pTeam, int* pSlot, const char* szName, int nExpectedTeam,
                        int nPosition);
int Find_Player_By_Name_Packed(uint16_t* pRef, const char* szName, int nPosition);  // a PLAYER_REF
int Find_Player_By_Name_Split(int* pTeam, int* pSlot, const char* szName, int nPosition);
// 1 when exactly one player carries the name; unknown and doubled names are appended to
// output\roster-unknowns.txt and output\roster-doubles.txt.
int Match_Roster_Player(int* pTeam, int* pSlot, const char* szName);
int Find_Roster_Player_Slot(int* pTeam, int* pSlot, const char* szName);

// ---- the roster listing (roster_file.cpp) and the last-name list (last_names_file.cpp) ---------
int Write_Rosters_Text_File(void);  // 1 when output\rosters.txt was written whole
int Rebuild_Last_Names_File(void);  // 1 when names\rawlast.txt was read and names\last.txt written

// ---- the draft hand-over (draft_handover.cpp) --------------------------------------------------
void Clear_Player_Moved_Flags(void);
void Clear_Draft_Destinations(void);   // every destination NO_TEAM, every moved flag 0
int All_Players_At_Destination(void);  // no league player still waits for his move
int Implement_Draft_Teams(void);       // 1 when every player reached his destination

// ---- the expansion draft (expansion_draft.cpp) ----------------------------------------------------
extern int gExcludeUserFromExpansion;  // the human team's roster stays out of the draft
extern int gExpansionTakenCounts[LEAGUE_TEAM_COUNT];  // players each team lost in this draft
void Run_Expansion_Draft(void);
// The best available player of the position for the expansion team; 1 when one was found.
int Choose_Expansion_Draft_Player(int nExpansionTeam, int* pTeam, int* pSlot, int nPosition);

// ---- the fantasy draft (fantasy_draft.cpp, fantasy_draft_choice.cpp) ---------------------------
// Order kinds: the first round takes 1 or 4, else the row as the dialog filled it; the later
// rounds take 1, 5, 6 or 7.
#define FANTASY_ORDER_RANDOM 1
#define FANTASY_ORDER_TEAM_NUMBERS 4
#define FANTASY_ORDER_SNAKE 5
#define FANTASY_ORDER_REPEATED 6
#define FANTASY_ORDER_REVERSED 7
void Shuffle_Team_Order(int* pOrder, int nCount);
// The Fantasy Draft Order list's filters, set anew as a draft starts: a team index (the team
// count for all teams) and a position (POSITION_COUNT for any).
extern int gFantasyOrderTeamFilter;
extern int gFantasyOrderPositionFilter;
void Start_Fantasy_Draft(int nFirstKind, int nLaterKind);
void Set_Fantasy_Draft_Order(int nFirstKind, int nLaterKind);
void Next_Fantasy_Draft_Pick(void);  // the turns until a person is on the clock or the end
// A person's pick; a player already drafted or off the dealt rosters is refused.
void Record_Fantasy_Draft_Pick(int nTeam, int nSlot, int nDrafter);
void End_Fantasy_Draft_Command(void);
void Finish_Fantasy_Draft(void);         // every player to his new team, then the end
void End_Fantasy_Draft(void);            // the draft ends; nobody moves
int Is_Fantasy_Draft_Roster(int nTeam);  // league teams, free agents and the draft pool
int Count_Team_Draftees_At_Position(int nTeam, int nPosition);
int Get_Fantasy_Cap_Room(int nTeam);                      // thousands
void Get_Fantasy_Position_Needs(int nTeam, int* pNeeds);  // POSITION_COUNT per mille values
int Choose_Fantasy_Draft_Player(int nTeam, int* pTeam, int* pSlot);  // 1 when one was chosen

// ---- player ratings CSV files (player_ratings_import.cpp) ---------------------------------------
// One row a player: PlayerID (the Ostrel ID text), year_Team, Number, First, Last, Position, then
// ratings 2..26 and last Durability (rating 1).
#define RATINGS_CSV_HEADER_FORMAT                                                                  \
    "PlayerID,%d_Team,Number,First,Last,Position,Accuracy,Distance,Control,Red Zone,Mobility,"    \
    "Speed,Power,Quickness,Vision,Receiving,Hands,Kick Returns,Punt Returns,Pass Blocking,Run "   \
    "Blocking,Discipline,Run Defense,Pass Rush,Coverage,Turnovers,Tackling,FG Accuracy,FG "       \
    "Power,Punt Accuracy,Punt Power,Durability"
#define RATINGS_CSV_FIRST_RATING_COLUMN 6
#define RATINGS_CSV_RATING_COLUMNS 26
#define SIMULATION_RATINGS_FILE_FORMAT "Input/Ratings/Simulation/%d_Player_Ratings.csv"
#define REPLAY_RATINGS_FILE_FORMAT "Input/Ratings/Replay/%d_Player_Ratings.csv"
#define LAST_REPLAY_RATINGS_YEAR 2020  // replay mode holds for the historical seasons only
int Get_Ratings_CSV_Column_Rating(int nColumn);  // the rating of rating column 0..25
// The first player of teams 0..40 whose Ostrel ID is the text (any letter case); NO_TEAM, -1
// and 0 when none or the text is empty.
int Find_Player_By_Ostrel_Text(int* pTeam, int* pSlot, const char* szText);
// A rating of a magnitude above the bound is reported and stored at the bound.
void Store_Bounded_Rating(int nTeam, int nSlot, int nRating, float fValue);
int Load_Player_Ratings_CSV(int bReport, const char* szPath);  // 0 when it cannot be opened
// The current year's file: the Replay folder's in replay mode up to 2020, else the Simulation
// folder's. Load_Player_Ratings_CSV's result.
int Load_Season_Player_Ratings(int bReport);
void Get_Season_Ratings_CSV_Path(char* szPath, int nSize);

// ---- a new game's ratings (new_game_ratings.cpp) -----------------------------------------------
void Normalize_Free_Agent_Ratings(void);  // the pool's average overall brought down to 62
void Cap_Young_Player_Overall(void);      // players of 24 or less held to 78 + 6 a season played

// ---- a new game's options (new_game_options.cpp) -----------------------------------------------
// The shuffle mixes the league teams' and the free agents' players only.
void Shuffle_Players(const char* szProgressTitle);
void Shuffle_Players_Pass(void);
void Create_Fictional_Players(void);
void Equalize_Cities(void);
void Equalize_Team_Finances(void);
void Randomize_Player_Ratings(void);  // the small variation every new game gets
