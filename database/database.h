// League database: the saved state block, its records and the checked accessors every other
// subsystem goes through. What other subsystems may call.
#pragma once

#include <stdint.h>

#include "core/core.h"
#include "database/saved_state.h"

// ---- team numbers, slots, calendar -------------------------------------------------------------
typedef int8_t TNUM;
typedef int8_t INDEX;

#define LEAGUE_TEAM_COUNT 36
#define FREE_AGENT_TEAM 36
#define HALL_OF_FAME_TEAM 37
#define FIRST_DRAFT_POOL_TEAM 38
#define LAST_DRAFT_POOL_TEAM 40
#define RETIRED_TEAM 41
#define TOTAL_NUMBER_OF_TEAMS 41
#define NO_TEAM (-128)
#define NO_PLAYER (-1)
#define NO_SLOT_BYTE 255  // no roster slot where slots are bytes (returners, players on field)
#define OFF_SEASON_WEEK 100
#define NO_DRAFT_ROUND 7

// ---- positions ---------------------------------------------------------------------------------
enum POSITION {
    POS_QB = 0,
    POS_RB,
    POS_FB,
    POS_TE,
    POS_WR,
    POS_T,
    POS_G,
    POS_C,
    POS_DE,
    POS_DT,
    POS_LB,
    POS_CB,
    POS_S,
    POS_K,
    POS_P,
    POSITION_COUNT,
    POS_ANY = 15,
    POS_ALL_DEFENCE = 16,
    POS_ALL_LINEMEN = 17
};

// A position code 0..14 (not one of the groups above).
inline int Is_Position_Code(int nPosition) {
    return nPosition >= 0 && nPosition < POSITION_COUNT;
}

// ---- team fields -------------------------------------------------------------------------------
enum TEAM_STRING {
    TEAM_ABBREVIATION = 0,
    TEAM_CITY,
    TEAM_NICKNAME,
    TEAM_HOME_LOCATION,
    TEAM_STADIUM_NAME,
    TEAM_MANAGER_NAME
};

enum TEAM_STAT_ID {
    TEAM_DIVISION = 0,
    TEAM_TIME_ZONE = 1,
    TEAM_CONTROL = 2,
    TEAM_CITY_INDEX = 3,
    TEAM_DEFENSIVE_SCHEME = 4,
    TEAM_OFFENSIVE_SYSTEM = 5,
    TEAM_PRE_TITLE_GAMES = 6,
    TEAM_PRE_TITLES = 7,
    TEAM_TRADE_MODIFIER = 8,
    TEAM_PLAYOFF_SEED = 9,
    TEAM_RUN_PASS_BALANCE = 10,
    TEAM_IMPORT_STRENGTH = 11,
    IN_RED_ZONE = 12
};

#define CONTROL_NOT_IN_USE (-1)
#define CONTROL_COMPUTER 0
#define CONTROL_HUMAN 1
#define CONTROL_EXPANSION 2  // added by expansion, until its roster is filled

enum SCHEDULE_FIELD {
    SCHEDULE_OPPONENT = 0,
    SCHEDULE_PLAY_BY_PLAY,
    SCHEDULE_KICKOFF,
    SCHEDULE_GAME_INDEX,
    SCHEDULE_WEEKDAY
};

#define STADIUM_PICTURE_NAME_SIZE 48  // "stadiums\" + name + ".jpg"
#define KICK_RETURNER 0
#define PUNT_RETURNER 1

// ---- league settings ---------------------------------------------------------------------------
enum UNIVERSE_STAT {
    UNIVERSE_SEASON_GAMES = 0,
    WILD_CARD_TEAMS = 1,
    UNIVERSE_SALARY_CAP = 2,
    UNIVERSE_FIRST_YEAR = 3,
    UNIVERSE_FANTASY_DRAFT = 4,
    UNIVERSE_ANNOUNCE_PICKS = 5,
    UNIVERSE_KEEP_RATINGS = 6,
    UNIVERSE_TRADE_GOODWILL = 7,
    UNIVERSE_INFLATION = 9,
    UNIVERSE_LEAGUE_REVENUE = 10,
    UNIVERSE_WEALTH = 11,
    UNIVERSE_INT_RETURN_TDS = 12,
    UNIVERSE_FUMBLE_RETURN_TDS = 13,
    UNIVERSE_AGING = 14,
    UNIVERSE_SALARY_DEMANDS = 15,
    UNIVERSE_REVENUE_SETTING = 16,
    UNIVERSE_INJURY_FREQUENCY = 17,
    UNIVERSE_INJURY_SEVERITY = 18,
    UNIVERSE_DRAFT_TALENT = 19
};

// UNIVERSE_FANTASY_DRAFT: whether a fantasy draft runs.
#define FANTASY_DRAFT_OFF 0
#define FANTASY_DRAFT_UNDER_WAY 1
#define FANTASY_DRAFT_COMPUTER_FINISHING 2

#define TEAM_RECORD_TEXT_SIZE 16  // "%d-%d-%d"
#define MAX_SEASON_GAMES 17
#define MAX_WILD_CARD_TEAMS 4
#define TRADE_GOODWILL_LIMIT 2000

// ---- cities ------------------------------------------------------------------------------------
enum CITY_STAT {
    CITY_POPULATION = 0,
    CITY_REGION_POPULATION,
    CITY_GROWTH,
    CITY_INCOME,
    CITY_ALTITUDE,
    CITY_LONGITUDE,
    CITY_LATITUDE,
    CITY_TIME_ZONE
};

#define CITIES_FILE_NAME "Cities.txt"

// ---- the block (saved_state.cpp) ---------------------------------------------------------------
void Clear_League_Database(void);
// The fantasy draft's state as FANTASY_DRAFT_STATE_SIZE bytes in the block's layout.
void Set_Fantasy_Draft_State(const uint8_t* pBytes);

// The fantasy draft's stored state (fantasy_draft_store.cpp). A round's places are its picks in
// order; a place's player is NO_FANTASY_PICK_PLAYER until it is taken.
#define NO_FANTASY_PICK_PLAYER (-1)
void Clear_Fantasy_Draft_State(void);  // round 0, place 0, every pick without a player
int Get_Fantasy_Draft_Kind(int bLaterRounds);
void Set_Fantasy_Draft_Kinds(int nFirstKind, int nLaterKind);
int Get_Fantasy_Draft_Round(void);
int Get_Fantasy_Draft_Place(void);
void Set_Fantasy_Draft_Position(int nRound, int nPlace);
int Get_Fantasy_Order_Team(int nRound, int nPlace);
void Set_Fantasy_Order_Team(int nRound, int nPlace, int nTeam);
int Get_Fantasy_Pick_Owner(void);  // the team on the clock
int Get_Fantasy_Draft_Pick_Player(int nRound, int nPlace);
void Set_Fantasy_Draft_Pick_Player(int nRound, int nPlace, int nId);
// The player id of a pick already made (1), or 0 with *pId 0 for one not yet made.
int Get_Fantasy_Overall_Pick_Player(int nOverall, int* pId);
// Set once a league is loaded: from then on a player who changes teams gets a career line for
// his new team.
void Set_Shuffling_Players(int bOn);
// While set (after every load; not while a new game shuffles players), a moved player gets a
// season line for his new team.
int Is_Recording_Season_Lines(void);

// ---- user preferences (user_preferences.cpp) ---------------------------------------------------
int Get_User_Preference(int nPreference);
void Set_User_Preference(int nPreference, int nValue);

// ---- team record (team_record.cpp) -------------------------------------------------------------
extern int gActiveTeamCount;

void Get_Team_String(char* st, int nSize, int nTeam, int nString);
void Set_Team_String(int nTeam, int nString, const char* st);
void Get_Team_City_Name(char* st, int nSize, int nTeam);
void Get_Team_Home_Location(char* st, int nSize, int nTeam);
void Set_Team_City_Name(int nTeam, const char* st);
void Set_Team_Nickname(int nTeam, const char* st);
void Set_Team_Home_Location(int nTeam, const char* st);
// "stadiums\<picture name>.jpg"; the stadium's name stands in for a missing picture name.
void Get_Stadium_Picture_Name(char* st, int nSize, int nTeam);
int Get_Team_Stat(int nTeam, int nStat);
void Set_Team_Stat(int nTeam, int nStat, int nValue);
int Get_Team_Stadium_Stat(int nTeam, int nStat);
void Set_Team_Stadium_Stat(int nTeam, int nStat, int nValue);
int Get_Team_City_Stat(int nTeam, int nStat);
int Is_Returning_Position(int nPosition);  // RB, FB, TE, WR, CB, S
void Set_Team_Returner(int nTeam, int nKind, int nSlot);
// The stored returner while he still plays a returning position; NO_SLOT_BYTE otherwise, and for
// a team or kind out of range.
uint8_t Get_Stored_Team_Returner(int nTeam, int nKind);
void Set_All_Teams_Control(int nValue);
int Backup_Team_Structure(TEAM* pBuffer, int nTeam);
int Restore_Team_Structure(int nTeam, const TEAM* pBuffer);
void Clear_Team(int nTeam);
void Clear_League_Teams(void);
void Clear_All_Teams(void);
void Clear_All_Team_Nicknames(void);
uint32_t Get_Teams_And_Cities_Sum(void);

// Scheme and formation names.
int Get_Defensive_Formation_Index(const char* szName);
int Get_Offensive_Formation_Index(const char* szName);
void Set_Team_Defensive_Formation(int nTeam, const char* szName);
void Set_Team_Offensive_Formation(int nTeam, const char* szName);
void Get_Defensive_Formation_Name(int nIndex, char* szOut, int nSize);
void Get_Offensive_Formation_Name(int nIndex, char* szOut, int nSize);

// ---- team slot operations (team_slots.cpp) -----------------------------------------------------
void Swap_Teams(int nTeamA, int nTeamB);
void Compact_Team_Slots(void);
void Sort_Teams_By_Name(void);
void Remove_Team_Record(int nTeam);  // the erased team's record; the dialog team follows

// ---- league structure and settings (league_settings.cpp) ---------------------------------------
int Get_Universe_Stat(int nStat);
// On: each new season loads the player ratings file of its year before it starts.
int Get_Ratings_Import_Setting(void);
void Set_Ratings_Import_Setting(int bOn);
void Set_Universe_Stat(int nStat, int nValue);
int Modify_For_Universe_Stat(int nValue, int nStat);
void Adjust_Trade_Goodwill(int nAmount);
int Get_Head_Short(int nIndex);
void Set_Head_Short(int nIndex, int nValue);
void Get_Database_Notes(char* szOut, int nSize);
void Set_Database_Notes(const char* szText);
void Get_Skin_Name(char* szOut, int nSize);
void Set_Skin_Name(const char* szText);
void Get_Saved_Game_Name(char* szOut, int nSize);
void Set_Saved_Game_Name(const char* szText);

// ---- the names games are saved under (saved_game_names.cpp) -------------------------------------
// "Team (1999-2001)", or "32 teams - 2 players (2001)" when more than one team is run by people.
void Format_Saved_Game_Description(char* szOut, int nSize);
void Update_Default_Save_Name(void);  // a name still the default follows the seasons
// Why a typed name cannot name a saved game, or NULL when it can: a file of the game folder,
// never a path.
const char* Check_Save_Name(const char* szName);
void Format_Save_Path(const char* szName, char* szPath, int nSize);  // "<name>.vnt"
// The notice of a save that failed: the given one when the file could not be made, the low-disk
// one when it could not be written. Nothing for a save that worked.
void Tell_Save_Failure(int nResult, const char* szOpenFailure, const char* szOpenCaption);
int Auto_Save_Game(void);  // under the game's own name; 1 when saved
void Get_Manager_Name(char* szOut, int nSize);
void Set_Manager_Name(const char* szText);

void Get_League_Name(int nLeague, char* szOut, int nSize);
void Set_League_Abbreviation(int nLeague, const char* szText);
int Find_League_By_Name(const char* szName);  // any case; 0 when no league has that name
void Get_Division_Name(int nDivision, char* szOut, int nSize);
void Set_Division_Name(int nDivision, const char* szText);
void Clear_Unused_League_Names(void);
void Swap_Leagues(void);

int Get_Team_Division(int nTeam);
int Get_Team_League(int nTeam);
int Get_Division_League(int nDivision);
int Are_Teams_In_Same_Division(int nTeamA, int nTeamB);
void Get_Team_Time_Zone_Name(int nTeam, char* szOut, int nSize);
int Get_Nth_League_Team(int nLeague, int n);
int Get_Nth_Division_Team(int nDivision, int n);

int Count_Active_Teams(void);
int Count_Division_Teams(int nDivision);
int Count_League_Teams(int nLeague);
int Count_League_Divisions(int nLeague);
int Count_Active_Leagues(void);
int Get_Max_League_Team_Count(void);
int Get_Max_Division_Team_Count(void);
// Why the league's settings cannot be played (more game records than a league holds, or three
// playoff teams in a conference), in szWhy; 0 when they can (league_capacity.cpp).
int Find_League_Settings_Fault(char* szWhy, int nSize);

// Inline: the engine asks these for every play it reads.
inline int Is_Team_Active(int nTeam) {
    return nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT &&
           gTeams[nTeam].anStats[TEAM_CONTROL] != CONTROL_NOT_IN_USE;
}

inline int Is_Valid_Team(int nTeam) {
    return Is_Team_Active(nTeam) || (nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM);
}

int Is_Free_Agent_Team(int nTeam);
int Is_Hall_Of_Fame_Team(int nTeam);
int Is_Draft_Pool_Team(int nTeam);
int Get_User_Team(void);
void Set_User_Team(int nTeam);

int Get_Min_Wild_Card_Teams(void);
int Get_Max_Wild_Card_Teams(void);

int Get_Season_Year(void);
int Get_Season_Number(void);
int Get_Current_Week(void);
int Get_Current_Day_Of_Year(void);
int Get_Current_Month(void);
int Get_Current_Calendar_Year(void);
int Get_Postseason_Week(int n);
int Get_Regular_Season_Week_Count(void);
int Get_Month_Of_Day(int nDayOfYear);   // 0 = January; the day taken modulo 365
int Get_Day_Of_Month(int nDayOfYear);   // counted from 0
int Get_Days_Before_Month(int nMonth);  // the days of the months before it
int Get_Season_Progress(void);          // per mille of the regular season played
int Is_Season_Complete(void);
int Is_College_Draft_On(void);

int Get_Draft_Order_Team(int nPick);
int Get_Draft_Pick_Owner(int nYear, int nRound, int nColumn);
void Set_Draft_Pick_Owner(int nYear, int nRound, int nColumn, int nTeam);
#define DRAFT_RECORD_YEAR_FACTOR 10000  // VITAL_DRAFT_RECORD: (team + 1) x 10000 + year
#define DRAFT_OVERALL_PICK_FACTOR 1000  // VITAL_DRAFT_PICK mod 1000: the overall pick
// The league player drafted with an overall pick of a year's draft; 0 when none is in the league.
int Find_Drafted_Player(int nYear, int nOverallPick, int* pTeam, int* pSlot);
int Find_Team_Draft_Pick(int nTeam, int n, int* pYear, int* pRound, int* pColumn);

int Get_Division_Standings_Team(int nDivision, int nPlace);
int Get_Team_Division_Standing(int nTeam);                // the place, or NO_TEAM with the message
int Find_Team_Division_Place(int nTeam, int* pDivision);  // the place and row; NO_TEAM: none
int Get_Playoff_Team(int nSlot);
int Has_No_Magic_Number(int nTeam);
void Format_Team_Schedule_Record(int nTeam, int nWeeks, char* szOut, int nSize);
GAME* Get_Game_Record(int n);
int Is_Game_Index_Used(int n);
int Is_Stored_Game_Over(int n);

int Get_Team_Pass_Run_Edge(int nTeam);               // passing less running strength, less 600
int Get_Run_Pass_Balance_For_Edge(int nDifference);  // by the edge less the league average
void Set_Computer_Run_Pass_Balance(void);
float Get_Season_Scoring_Base(void);
void Get_Default_Team_Abbreviation(int nIndex, char* szOut, int nSize);

// ---- small league rules (league_rules.cpp) ------------------------------------------------------
int Get_Rank_Grade(int nRank);
int Are_Trades_Allowed(void);

// ---- team results over the stored games (team_results.cpp) -------------------------------------
int Count_Team_Wins(int nTeam, int nWeeks);
int Count_Team_Losses(int nTeam, int nWeeks);
int Count_Team_Ties(int nTeam, int nWeeks);
int Count_Team_Home_Wins(int nTeam);
int Count_Team_Home_Losses(int nTeam);
int Count_Team_Home_Ties(int nTeam);
int Count_Team_Playoff_Wins(int nTeam);
int Count_Team_Playoff_Losses(int nTeam);

// ---- the college draft pool (draft_pool_queries.cpp) --------------------------------------------
int Count_Draft_Pool_Players(void);
void Get_Draft_Pool_Player(int n, int* pTeam, int* pSlot);  // outputs untouched past the end

// ---- the stadium's value (stadium_value.cpp) ----------------------------------------------------
// Stadium stat 1, the structure, and stat 2, the surface.
#define STADIUM_OPEN 0
#define STADIUM_DOMED 1
#define STADIUM_CONVERTIBLE 2
#define STADIUM_NATURAL_GRASS 0
#define STADIUM_ARTIFICIAL_TURF 1

int Compute_Stadium_Value(int nTeam);    // dollars, a multiple of 1,000,000
int Get_Team_Stadium_Rating(int nTeam);  // stadium_rating.cpp

// ---- money scales and minimum salaries (salary_scales.cpp) -------------------------------------
// Salaries and bonuses are thousands of dollars a year; built-in money tables are written for a
// 55,000,000 cap and scaled to the league's money by Scale_To_Base_Cap.
int Scale_To_Base_Cap(int nAmount);
int Normalize_Money_To_Cap(int nAmount);
int Get_Salary_Sanity_Limit(void);
int Get_League_Minimum_Salary(int nExperience);
int Get_Player_Minimum_Salary(int nTeam, int nSlot);

// ---- name tables (name_lists.cpp) and new player ids (player_ids.cpp) --------------------------
#define NAME_TABLE_SIZE 100

extern char gFirstNames[NAME_TABLE_SIZE][PLAYER_FIRST_NAME_SIZE];
extern char gLastNames[NAME_TABLE_SIZE][PLAYER_LAST_NAME_SIZE];
extern int gFirstNameFileLines;  // lines of the name files; 0 = not counted yet
extern int gLastNameFileLines;

void Load_First_Names(void);
void Load_Last_Names(void);
int Take_First_Name(char* szOut, int nSize);  // 0 when the table is used up
int Pick_Last_Name(char* szOut, int nSize);
void Generate_Player_Name(int nTeam, int nSlot);
int Make_Unique_Player_Id(int nTeam, int nSlot);
void Assign_New_Player_Id(int nTeam, int nSlot);

// ---- human-run teams (human_team.cpp) -----------------------------------------------------------
int Is_Human_Team(int nTeam);
// A league team in use that the computer runs: its control word says so, or the computer runs
// every team.
int Is_Computer_Team(int nTeam);
int Count_Human_Teams(void);  // the teams Is_Human_Team counts
int Has_Several_Human_Teams(void);

// ---- a team's engine images (team_images.cpp) --------------------------------------------------
// The raw playbook image (OFFENSIVE_PLAYBOOK_BYTES or DEFENSIVE_PLAYBOOK_BYTES) of a team in use
// or a pseudo-team; NULL for any other team.
uint8_t* Get_Team_Playbook_Image(int nTeam, int bDefence);
// The FORMATION_SPOTS lineup entries of one formation; NULL for a bad team or formation.
int32_t* Get_Team_Formation_Lineup(int nTeam, int nFormation);

// ---- a team's logo file (team_logo_file.cpp) ----------------------------------------------------
// The logo file name of a team, by its city: "logos\<key>.png", else ".jpg", else the filler.
void Get_Team_Logo_File(char* szOut, int nSize, int nTeam);

// ---- downloaded photos and logos (photo_install.cpp) --------------------------------------------
void Install_Player_Photos(void);
// The player's downloaded portrait copied as his photo unless the photo is there already.
void Install_Player_Photo(int nTeam, int nSlot);
void Install_Team_Logos(void);
void Install_Team_Logo(int nTeam);
// The picture keys of a team's nickname: 0..31, -1 for none (photo_install.cpp).
int Get_Modern_Team_Key(int nTeam);
int Get_Historical_Team_Key(int nTeam, int nYear);
// "Photos/Downloads/<outside-database id>.jpg": 1 when the player has an id.
int Get_Player_Photo_Path(int nTeam, int nSlot, char* szOut, int nSize);
// "Logos/Downloads/<abbreviation>-<year>.png", the year at most 2021: 1 when that file is there.
int Get_Team_Logo_Path(int nTeam, char* szOut, int nSize);

// ---- user-interface state kept in the league ----------------------------------------------------
int Get_Dialog_Team(void);        // dialog_team.cpp
void Set_Dialog_Team(int nTeam);  // the user's team follows a human team
// The week and the page shown are kept in the league; the main window follows through the host
// services (shown_week_and_page.cpp).
void Set_Current_Week(int nWeek);  // and the window title follows
// The league's side of showing a page: the page kept and, for the Draft page, its round and year.
void Set_Shown_Page(int nPage);
void Show_League_Page(int nPage);  // the page set, then the main window shows it

// ---- the card game's franchises and their helmet art (franchises.cpp) ---------------------------
#define FRANCHISE_COUNT 32
// The franchise 0..31 of a team abbreviation in the current season; 26 for one no franchise has.
int Get_Franchise_Index(const char* szAbbreviation);
void Get_Helmet_Image_Path(char* szOut, int nSize, int nTeam, int bFacing);

// ---- sortable player lists' columns (listview_columns.cpp) -------------------------------------
// LIST_KIND: which list's column layout the list views read and write.
enum LIST_KIND {
    LIST_KIND_ROSTER = 0,
    LIST_KIND_FREE_AGENTS,
    LIST_KIND_COLLEGE_DRAFT,
    LIST_KIND_FIND_PLAYERS,
    LIST_KIND_COUNT
};
#define STAT_COLUMN_COUNT 113    // column ids 0..112
#define LISTVIEW_MAX_COLUMNS 18  // shown at once
#define LISTVIEW_DEFAULT_LIST_COUNT 15
#define LISTVIEW_PREFERENCE_FIRST 240  // kind k: 240 + 20k count, + 1 sort, + 2.. the ids
#define LISTVIEW_PREFERENCE_STRIDE 20
extern int gListKind;

int Get_Default_Listview_Column(int nList, int n);  // -1 past the list's end
// The current kind's layout: sort is the column id + 1, negative descending, 0 none.
int Get_Listview_Column_Count_Preference(void);
int Get_Listview_Sort_Preference(void);
int Get_Listview_Column_Preference(int n);  // -1 when not used
void Set_Listview_Column_Preferences(int nCount, int nSort, const int* anColumns);
void Default_Listview_Columns(int nList);
void Validate_Listview_Column_Preferences(void);
void Reset_Listview_Column_Preferences(void);

// ---- a player's season in one line (player_stat_summary.cpp) ------------------------------------
// The summary by position into szOut and the position's key number; "" and 0 when the player has
// nothing to show; a position past the table leaves szOut alone and gives 0.
int Format_Player_Stat_Summary(int nTeam, int nSlot, int nSeason, char* szOut, int nSize);

// ---- the users' Hall of Fame file (fame_file.cpp) -----------------------------------------------
#define FAME_FILE_SIZE 23552

int Read_Fame_File(void* pRecord);  // 1 when read; the record is zeroed otherwise
int Write_Fame_File(const void* pRecord);

// ---- ratings kept in the predicted grades (base_ratings.cpp) ------------------------------------
float Get_Player_Base_Rating(int nTeam, int nSlot, int nRating);

// ---- the timing line of the debug log (timestamp_log.cpp) ---------------------------------------
void Log_Timestamp(const char* szText);

// ---- league texts (text_league.cpp) -----------------------------------------------------------
#define TEAM_LABEL_SIZE 64
#define WEEK_NAME_SIZE 32
#define MANAGER_FACE_FILE_SIZE 32

void Get_Team_Label(int nTeam, char* szOut, int nSize);
void Get_Team_City(int nTeam, char* szOut, int nSize);
void Get_Team_Nickname(int nTeam, char* szOut, int nSize);
void Get_Team_Short_Name(int nTeam, char* szOut, int nSize);
void Get_Manager_Face_File(int nTeam, char* szOut, int nSize);
void Get_Week_Name(int nWeek, char* szOut, int nSize);
void Get_Week_Short_Name(int nWeek, char* szOut, int nSize);

// ---- the final games and the title counts (championship_games.cpp) ---------------------------
#define FIRST_CHAMPIONSHIP_SEASON 1966
#define LAST_CHAMPIONSHIP_SEASON 2065
#define CHAMPIONSHIP_GAME_COUNT 100
#define CHAMPIONSHIP_FIELD_SIZE 64  // holds every field of the table
#define CHAMPIONSHIP_LINE_SIZE 128  // holds every line of Format_Championship_Game_Line

enum CHAMPIONSHIP_FIELD {
    CHAMPIONSHIP_NUMERAL = 0,
    CHAMPIONSHIP_DATE,  // up to 2012 "0YYYY-MM-DD Month D", then "Month D"
    CHAMPIONSHIP_YEAR,  // the calendar year after a blank
    CHAMPIONSHIP_WINNER,
    CHAMPIONSHIP_SCORE,  // the winner's points first
    CHAMPIONSHIP_LOSER,
    CHAMPIONSHIP_STADIUM,
    CHAMPIONSHIP_CITY,
    CHAMPIONSHIP_STATE,  // after a blank
    CHAMPIONSHIP_FIELD_COUNT
};

// One row per season 1966..2065.
extern const char* const gChampionshipGames[CHAMPIONSHIP_GAME_COUNT][CHAMPIONSHIP_FIELD_COUNT];

// The field of the season's row, the season clamped to the table; "" for a field out of range.
void Get_Championship_Game_Field(char* szOut, int nSize, int nYear, int nField);
// The season's final game in one line; "" before 1966.
void Format_Championship_Game_Line(int nYear, char* szOut, int nSize);
// Titles won by the team's nickname in the seasons before nStartYear (at most up to 2020).
int Count_Super_Bowl_Wins(int nTeam, int nStartYear);
int Count_Early_League_Titles(int nTeam, int nStartYear);
int Count_AFL_Titles(int nTeam, int nStartYear);
// Every team in use gets its final-game wins and league titles before the season year; returns
// the last value written.
int Set_Team_Championship_Counts(void);

// ---- standings (standings.cpp) ---------------------------------------------------------------
int Get_Team_Standings_Key(int nTeam);  // league-wide; higher is better
int Get_Team_Division_Key(int nTeam);
void Rank_Teams_By_Record(void);  // every active team's YEARLY_LEAGUE_PLACE, 0 the best
void Update_Standings(void);      // the ranking, then gDivisionStandings
void Place_Division_Team(int nDivision, int nPlace);
void Set_Division_Standings_Team(int nDivision, int nPlace, int nTeam);
int Get_League_Best_Runner_Up(int nLeague, int bSecond);  // the wild-card line, or NO_TEAM
int Get_Team_Magic_Number(int nTeam);  // chasing: -(wins still possible) or INT32_MIN; else >= 0
int Has_Team_Clinched(int nTeam);
int Is_Team_In_Contention(int nTeam);
int Get_Division_Team_At_Place(int nDivision, int nPlace, int nSeason);
int Get_Past_Finalist(int nKind, int bFlag, int nSeasonsBack);
int Get_Best_User_Team(void);  // the best placed human-run team, or NO_TEAM

// ---- cities (cities.cpp) -----------------------------------------------------------------------
void Set_City_Name(int nCity, const char* szText);
void Set_City_Photo(int nCity, const char* szText);
void Set_City_Stat(int nCity, int nStat, int nValue);
void Get_City_Name(int nCity, char* szOut, int nSize);
void Get_City_Photo(int nCity, char* szOut, int nSize);
int Get_City_Stat(int nCity, int nStat);
int Is_City_Used(int nCity);
void Clear_City(int nCity);
void Set_Default_City_Stats(int nCity);
void Swap_Cities(int nCityA, int nCityB);
void Compact_Cities(void);
void Sort_Cities(void);
int Count_Cities(void);
int Find_City_By_Name(const char* szName);  // the city's index, -1 when none has that name
int Add_City(void);
void Erase_City(void);
void Export_Cities_File(void);
void Import_Cities_File(void);
// Replaces the city table with the file's cities, sorted; the number read, -1 when the file
// cannot be opened. Import_Cities_File asks first and reports.
int Read_Cities_File(const char* szPath);

// ---- player ratings (player_ratings.cpp, position_value.cpp) -----------------------------------
enum RATING {
    RATING_HEALTH = 0,
    RATING_DURABILITY,
    RATING_ACCURACY,
    RATING_DISTANCE,
    RATING_CONTROL,
    RATING_RED_ZONE,
    RATING_MOBILITY,
    RATING_SPEED,
    RATING_POWER,
    RATING_QUICKNESS,
    RATING_VISION,
    RATING_RECEIVING,
    RATING_HANDS,
    RATING_KICK_RETURNS,
    RATING_PUNT_RETURNS,
    RATING_PASS_BLOCKING,
    RATING_RUN_BLOCKING,
    RATING_DISCIPLINE,
    RATING_RUN_DEFENSE,
    RATING_PASS_RUSH,
    RATING_PASS_COVERAGE,
    RATING_TURNOVERS,
    RATING_TACKLING,
    RATING_FG_ACCURACY,
    RATING_FG_DISTANCE,
    RATING_PUNT_ACCURACY,
    RATING_PUNT_DISTANCE,
    RATING_COUNT,
    // Composites, computed on every read.
    RATING_RUSHING = 27,
    RATING_RECEIVING_SKILL = 28,
    RATING_PASSING = 29,
    RATING_BLOCKING = 30
};

#define RATING_FLOOR 20.0f
#define RATING_BOUND 1000.0f  // a store of a larger magnitude is reported

// Team 0..40 and slot 0..99: the indexes of a player record.
int Is_Valid_Player_Index(int nTeam, int nSlot);
float Get_Player_Rating(int nTeam, int nSlot, int nRating);
float Get_Player_Stored_Rating(int nTeam, int nSlot, int nRating);  // no floor applied
// The stored value as it stands, not a number included; 0 for a bad index.
float Get_Stored_Player_Rating(int nTeam, int nSlot, int nRating);
void Set_Player_Rating(int nTeam, int nSlot, float fValue, int nRating);
float Get_Rating_Target_Mean(int nRating);
float Get_Lifted_Rating(int nTeam, int nSlot, int nRating);
void Repair_Missing_Ratings(void);

float Compute_Position_Rating(int nTeam, int nSlot, int nPosition);
float Get_Player_Overall_Rating(int nTeam, int nSlot);

// ---- aging and development (aging.cpp) ---------------------------------------------------------
// An active player's development: VITAL_PRIME_START, VITAL_PRIME_END, VITAL_DECLINE_RATE and
// VITAL_GROWTH_RATE (100 normal).
void Modify_Player_Ratings(int nTeam, int nSlot, float fFraction, int bWeighted);
float Get_Yearly_Aging_Change(int nTeam, int nSlot, int bRandom);
void Age_Player_Ratings(int nTeam, int nSlot, int bReal);
// The game options' decline setting that the yearly ageing reads (0 = normal).
int Get_Decline_Setting(void);
int Get_Position_Peak_Age(int nPosition);
float Get_Rating_Aging_Weight(int nRating);
void Age_All_Players_Projected(void);

// ---- potential (potential.cpp) ----------------------------------------------------------------
float Get_Player_Potential(int nTeam, int nSlot);  // a whole number; 0 for an empty slot

// ---- rating values, potential and worth (player_value.cpp) -------------------------------------
#define NO_PLAYER_SLOT 255  // with NO_TEAM: "no player", for the bare rating-value curve

int Get_Rating_Value(int nTeam, int nSlot, float fRating);
int Get_Bare_Rating_Value(float fRating);
int Get_Position_Player_Value(int nPosition, int nTeam, int n);
float Get_Rating_From_Value(float fValue);
float Get_Running_Back_Era_Factor(void);
int Get_Overall_Value(int nTeam, int nSlot);
int Get_Potential_Value(int nTeam, int nSlot);
int Get_Potential_Grade(int nTeam, int nSlot);  // 0..9
int Get_Player_Worth(int nTeam, int nSlot);

// ---- production values and scores (production_value.cpp) ---------------------------------------
int Get_League_Average_Passer_Rating(void);  // tenths
int Get_Player_Stat_Value(int nTeam, int nSlot, int nSeason);
int Get_Return_Yards_Value(int nTeam, int nSlot, int nSeason);
int Get_Player_Production_Value(int nTeam, int nSlot, int nSeason);
int Get_Player_Production_Score(int nTeam, int nSlot);
int Get_Player_Production_With_Honours(int nTeam, int nSlot);
int Has_Career_Games(int nTeam, int nSlot);

// ---- trade values of players and rosters (player_trade_value.cpp) ----------------------------
int Get_Player_Trade_Value(int nTeam, int nSlot);
int Get_Player_Net_Trade_Value(int nTeam, int nSlot, int nValue);  // nValue 0: computed
int Get_Player_Contract_Adjusted_Value(int nReceivingTeam, int nTeam, int nSlot, int nWeight);
int Adjust_Trade_Value_For_Age(int nTeam, int nSlot, int nValue);
int Get_Team_Roster_Trade_Value(int nTeam);

// ---- scouting error and letter grades (scouting.cpp) -------------------------------------------
#define LETTER_GRADE_COUNT 14
#define MAX_SCOUTING_ERROR 12

int Get_Team_Scouting_Level(int nTeam);
int Get_Scouting_Divisor(int nTeam);
int Get_Scouting_Error(int nTeam, int nSlot, int nPlayerId);
int Get_Scouted_Rating_Value(int nTeam, int nSlot, int nValue);
int Get_Scouting_Hash(int a, int b);
void Get_Letter_Grade(int n, char* szOut, int nSize);  // szOut holds at least 3 bytes

// ---- the positions and target spread of a rating (rating_groups.cpp) -------------------------
int Get_Rating_Position_Group(int nRating);
int Rating_Applies_To_Position(int nPosition, int nRating);
float Get_Rating_Target_Spread(int nRating);

// ---- team finances (team_finances.cpp, finance_market.cpp, finance_steps.cpp) -----------------
// Stored ids 0..79 of a team's finances; 80..109 are derived on every read.
enum FINANCIAL_STAT {
    FIN_FAN_SUPPORT = 0,
    FIN_TICKET_PRICE = 1,
    FIN_SCOUTING_LEVEL = 2,
    FIN_MEDICAL_LEVEL = 3,
    FIN_NEUTRAL_LEVEL = 4,  // unused; reads 1000 in General Manager Mode like 0, 2 and 3
    FIN_WEEK_LEAGUE_PAYMENT = 9,
    FIN_LEAGUE_PAYMENTS = 10,
    FIN_PROJECTED_LEAGUE_PAYMENTS = 11,
    FIN_LAST_GATE = 12,
    FIN_LAST_ATTENDANCE = 13,
    FIN_GATE_REVENUE = 14,
    FIN_HOME_ATTENDANCE = 15,
    FIN_PROJECTED_GATE = 16,
    FIN_PROJECTED_ATTENDANCE = 17,
    FIN_ROAD_ATTENDANCE = 19,
    // Three concession blocks of four: price (cents), last game's net, season net, projection.
    FIN_FOOD_PRICE = 20,
    FIN_FOOD_LAST_NET,
    FIN_FOOD_NET,
    FIN_FOOD_PROJECTION,
    FIN_BEVERAGE_PRICE = 27,
    FIN_BEVERAGE_LAST_NET,
    FIN_BEVERAGE_NET,
    FIN_BEVERAGE_PROJECTION,
    FIN_SOUVENIR_PRICE = 34,
    FIN_SOUVENIR_LAST_NET,
    FIN_SOUVENIR_NET,
    FIN_SOUVENIR_PROJECTION,
    FIN_LAST_CITY_COST = 50,
    FIN_CITY_COSTS = 51,
    FIN_PROJECTED_CITY_COSTS = 52,
    FIN_LAST_PAYROLL_COST = 53,
    FIN_PAYROLL_COSTS = 54,
    FIN_PROJECTED_PAYROLL_COSTS = 55,
    FIN_OPERATING_COST = 56,
    FIN_OPERATING_COSTS = 57,
    FIN_PROJECTED_OPERATING_COSTS = 58,
    FIN_SPENDING_A = 59,
    FIN_SPENDING_A_TOTAL = 60,
    FIN_PROJECTED_SPENDING_A = 61,
    FIN_SPENDING_B = 62,
    FIN_SPENDING_B_TOTAL = 63,
    FIN_PROJECTED_SPENDING_B = 64,
    FIN_CASH = 68,
    FIN_PROJECTED_REVENUE = 69,
    FIN_HOME_GAMES = 70,
    FIN_SEASON_HOME_GAMES = 71,
    FIN_GAMES = 72,
    FIN_SEASON_GAMES = 73,
    FIN_REVENUE_INDEX = 74,
    // Derived.
    FIN_EXPENSES = 80,
    FIN_LAST_EXPENSES = 81,
    FIN_REVENUE = 82,
    FIN_LAST_REVENUE = 83,
    FIN_PROFIT = 84,
    FIN_LAST_PROFIT = 85,
    FIN_OTHER_COSTS = 86,  // city, payroll and spending costs this season
    FIN_PROJECTED_OTHER_COSTS = 87,
    FIN_PRORATED_BONUSES = 88,  // thousands
    FIN_PAYROLL = 89,
    FIN_CAP_ROOM = 90,
    FIN_CITY_AND_OPERATING_COSTS = 91,
    FIN_AVERAGE_HOME_ATTENDANCE = 92,
    FIN_AVERAGE_ROAD_ATTENDANCE = 93,
    FIN_AVERAGE_SALARY = 94,      // of roster slots 0..50, thousands
    FIN_AVERAGE_AGE = 95,         // tenths
    FIN_AVERAGE_YEARS_LEFT = 96,  // tenths
    FIN_CASH_TO_REVENUE = 97,     // per mille: cash in thousands against projected revenue
    FIN_CASH_RATIO = 98,
    FIN_PAYROLL_RATIO = 99,
    FIN_REVENUE_RATIO = 100,
    FIN_REVENUE_FORECAST = 101,
    FIN_EXPENSES_FORECAST = 102,
    FIN_PROFIT_FORECAST = 103,
    FIN_AVERAGE_BONUS = 104,  // thousands
    FIN_CONCESSIONS_LAST_NET = 105,
    FIN_CONCESSIONS_NET = 106,
    FIN_CONCESSIONS_PROJECTION = 107,
    FIN_SEASON_SPENDING_B = 108,
    FIN_SEASON_SPENDING_A = 109,  // per game x season games
    FINANCIAL_STAT_COUNT = 110
};

// Stadium stats of the team record that the finances and the game set-up read.
enum STADIUM_STAT {
    STADIUM_CAPACITY = 0,
    STADIUM_STRUCTURE = 1,
    STADIUM_SURFACE = 2,
    STADIUM_YEAR_BUILT = 3,
    STADIUM_VALUE = 4,
    STADIUM_CONVENIENCE = 5,
    STADIUM_COMFORT = 6,
    STADIUM_SIGHT_LINES = 7
};

#define LEAGUE_AVERAGE_TEAM 255  // team number of the league average (the byte value of -1)
#define MIN_TEAM_CASH (-100000000)
#define MAX_TEAM_CASH 1000000000
#define MIN_FAN_SUPPORT 700
#define MAX_FAN_SUPPORT 1300

// Accessors.
int Get_Team_Financial_Stat(int nTeam, int nStat);
void Set_Team_Financial_Stat(int nTeam, int nStat, int nValue);
int Get_Team_Financial_Rank(int nTeam, int nStat);
int Get_Team_Ticket_Price(int nTeam);
void Clear_Previous_Financial_Stats(int nTeam);

// Money.
int Apply_Inflation(int nValue);
int Get_Base_Team_Cash(void);
int Get_Price_Step(int nValue);
int Get_Money_Step_Thousands(void);
int Round_To_Price_Step(int nValue);
int Get_Team_Payroll_Budget(int nTeam);
int Get_Team_Spending_Limit(int nTeam);
int Get_Team_City_Income_Value(int nTeam);
int Get_Team_Payroll_Per_Game(int nTeam);
// The payroll (thousands) the team would have with one more player of that cap impact, counted
// among the largest impacts as the payroll counts them.
int Get_Team_Payroll_With_Impact(int nTeam, int nImpact);

// League wealth and the weekly league payment.
int Compute_League_Wealth_Index(void);
int Get_League_Wealth_Index(void);
int Compute_Weekly_League_Revenue(void);
void Pay_Weekly_League_Revenue(void);
void Pay_Team_Weekly_League_Revenue(int nTeam);

// A team's market, prices, spending and projections.
int Get_Team_Competition_Factor(int nTeam);
int Get_Team_Market_Size(int nTeam);
int Update_Team_Projected_Revenue(int nTeam);
int Get_Team_Market_Ticket_Price(int nTeam);
void Set_Team_Prices(int nTeam);
void Update_All_Team_Prices(int bSkipHuman);
void Set_Team_Spending_A(int nTeam);
void Set_Team_Spending_B(int nTeam);
void Set_Team_Spending_Levels(int nTeam);
int Get_Team_Operating_Cost(int nTeam);
void Set_Team_Season_Projections(int nTeam);
void Set_Team_Revenue_Index(void);
void Initialize_Team_Finances(int nTeam);
void Reset_All_Team_Finances(void);

// The books of a played game and of the season's end.
void Record_Game_Gate_Revenue(GAME* pGame);
int Record_Game_Concessions(int nTeam, GAME* pGame);
void Adjust_Fan_Support_For_Price(int nTeam);
void Raise_Fan_Support(int nTeam);
void Lower_Fan_Support(int nTeam);
void Update_Team_Fan_Support(int nTeam);
int Record_Team_Season_Finish(int nTeam);

// ---- player statistics (player_stats.cpp, derived_stats.cpp, stat_tables.cpp) -----------------
enum SEASON_KIND {
    SEASON_CURRENT = 0,
    SEASON_PREVIOUS = 1,
    SEASON_CAREER = 2,
    SEASON_PREDICTED = 3,
    SEASON_FIRST_LINE = 4,  // kinds 4..33: the player's season-line links 0..29
    SEASON_KIND_COUNT = 34
};

// SEASON_STAT ids 0..19 are stored; what 2..19 hold depends on the side of the player's position.
// Every side keeps games and starts; the returners of both sides keep their returns in 14..19.
enum SEASON_STAT {
    STAT_GAMES = 0,
    STAT_STARTS = 1,
    STAT_KICK_RETURNS = 14,
    STAT_KICK_RETURN_YARDS = 15,
    STAT_KICK_RETURN_TOUCHDOWNS = 16,
    STAT_PUNT_RETURNS = 17,
    STAT_PUNT_RETURN_YARDS = 18,
    STAT_PUNT_RETURN_TOUCHDOWNS = 19
};

// Offence: passing (quarterbacks), rushing and receiving.
enum OFFENCE_STAT {
    OFF_PASS_ATTEMPTS = 2,
    OFF_COMPLETIONS = 3,
    OFF_INTERCEPTIONS = 4,  // thrown
    OFF_TARGETS = 4,        // a receiver's 4: the passes thrown to him
    OFF_PASSING_YARDS = 5,
    OFF_FIRST_DOWNS = 5,  // a back's or receiver's 5
    OFF_PASSING_TOUCHDOWNS = 6,
    OFF_YARDS_AFTER_CATCH = 6,  // a receiver's 6
    OFF_RUSHES = 7,
    OFF_RUSHING_YARDS = 8,
    OFF_RUSHING_TOUCHDOWNS = 9,
    OFF_RECEPTIONS = 10,
    OFF_RECEIVING_YARDS = 11,
    OFF_RECEIVING_TOUCHDOWNS = 12,
    OFF_FUMBLES_LOST = 13,
    OFF_TIMES_SACKED = 14,
    OFF_SACK_YARDS = 15  // a quarterback's 14 and 15
};

// Offensive line; rushes and rushing yards as OFF_RUSHES and OFF_RUSHING_YARDS.
enum LINE_STAT {
    LINE_SACKS_ALLOWED = 4,
    LINE_RUN_BLOCKING = 5,
    LINE_PASS_BLOCKING = 6,
    LINE_PENALTIES = 10,
    LINE_PENALTY_YARDS = 11
};

// Defence.
enum DEFENCE_STAT {
    DEF_SOLO_TACKLES = 2,
    DEF_TACKLE_ASSISTS = 3,
    DEF_SACKS = 4,  // halves
    DEF_FORCED_FUMBLES = 5,
    DEF_PASSES_DEFENSED = 6,
    DEF_INTERCEPTIONS = 7,
    DEF_FUMBLES_RECOVERED = 8,
    DEF_TOUCHDOWNS = 9,
    DEF_PASSES_THROWN_AT = 10,
    DEF_COMPLETIONS_ALLOWED = 11
};

// Kickers and punters; field goals by distance band.
enum KICKING_STAT {
    KICK_PUNTS = 2,
    KICK_PUNT_YARDS = 3,
    KICK_PUNTS_INSIDE_20 = 4,
    KICK_LONGEST_PUNT = 5,
    KICK_TOUCHBACKS = 6,
    KICK_EXTRA_POINT_ATTEMPTS = 8,
    KICK_EXTRA_POINTS_MADE = 9,
    KICK_FG_ATTEMPTS_UNDER_30 = 10,
    KICK_FG_MADE_UNDER_30 = 11,
    KICK_FG_ATTEMPTS_30_39 = 12,
    KICK_FG_MADE_30_39 = 13,
    KICK_FG_ATTEMPTS_40_49 = 14,
    KICK_FG_MADE_40_49 = 15,
    KICK_FG_ATTEMPTS_50_PLUS = 16,
    KICK_FG_MADE_50_PLUS = 17,
    KICK_LONGEST_FIELD_GOAL = 18
};

// Derived ratios and sums 100..173. Rates are per mille; averages in hundredths (h) or tenths (t).
enum DERIVED_STAT {
    STAT_PASSER_RATING = 100,  // t
    STAT_COMPLETION_RATE = 101,
    STAT_COMPLETION_SCORE = 102,   // the passer rating's four parts, 0..2375 each
    STAT_YARDS_PER_ATTEMPT = 103,  // h
    STAT_YARDS_PER_ATTEMPT_SCORE = 104,
    STAT_TOUCHDOWN_RATE = 105,
    STAT_TOUCHDOWN_SCORE = 106,
    STAT_INTERCEPTION_RATE = 107,
    STAT_INTERCEPTION_SCORE = 108,
    STAT_YARDS_PER_COMPLETION = 109,       // h
    STAT_PASSING_YARDS_PER_GAME = 110,     // t
    STAT_TOUCHES = 111,                    // rushes + receptions
    STAT_YARDS_PER_RUSH = 112,             // h
    STAT_YARDS_PER_RECEPTION = 113,        // t
    STAT_YARDS_AFTER_CATCH_AVERAGE = 114,  // t
    STAT_PUNT_AVERAGE = 115,               // t
    STAT_KICK_RETURN_AVERAGE = 118,        // t
    STAT_PUNT_RETURN_AVERAGE = 119,        // t
    STAT_EXTRA_POINT_RATE = 120,
    STAT_FIELD_GOALS_MADE = 121,
    STAT_FIELD_GOALS_TRIED = 122,
    STAT_FIELD_GOAL_RATE = 123,
    STAT_FG_RATE_UNDER_30 = 124,
    STAT_FG_RATE_30_39 = 125,
    STAT_FG_RATE_40_49 = 126,
    STAT_FG_RATE_50_PLUS = 127,
    STAT_FG_RATE_UNDER_40 = 128,
    STAT_FG_RATE_40_PLUS = 129,
    STAT_SCRIMMAGE_YARDS = 130,
    STAT_ALL_PURPOSE_YARDS = 131,  // scrimmage and return yards
    STAT_SCRIMMAGE_TOUCHDOWNS = 132,
    STAT_SCRIMMAGE_YARDS_PER_GAME = 133,  // 133..135: team totals only, t
    STAT_RUSHING_YARDS_PER_GAME = 134,
    STAT_RECEIVING_YARDS_PER_GAME = 135,
    STAT_KICKS = 136,        // field-goal attempts and punts
    STAT_TOTAL_YARDS = 137,  // scrimmage, passing and return yards
    STAT_TOUCHDOWNS = 138,
    STAT_POINTS = 139,
    STAT_RETURNS = 140,
    STAT_RETURN_YARDS = 141,
    STAT_RETURN_TOUCHDOWNS = 142,
    STAT_SACK_TENTHS = 143,
    STAT_SACKS_ALLOWED_WEIGHT = 144,    // 25 x sacks allowed
    STAT_SACKS_ALLOWED_PER_GAME = 145,  // weighted as 144
    STAT_TACKLES_PER_GAME = 146,        // t
    STAT_TACKLES = 147,
    STAT_RECEPTION_RATE = 148,
    STAT_COVERAGE_COMPLETION_RATE = 153,
    STAT_TACKLE_POINTS = 160,
    STAT_TACKLE_SHARE = 161,                   // per cent of the team's
    STAT_RELATIVE_YARDS_PER_COMPLETION = 170,  // 170..173: against the season's league average
    STAT_RELATIVE_TOUCHDOWN_RATE = 171,
    STAT_RELATIVE_COMPLETION_RATE = 172,
    STAT_RELATIVE_INTERCEPTION_SCORE = 173
};

// Derived grades 200..233, summaries 299..305 and card-game values 420..430.
enum GRADE_STAT {
    STAT_COMPLETION_GRADE = 200,            // a passer's relative completion rate
    STAT_YARDS_PER_COMPLETION_GRADE = 201,  // a passer's relative yards per completion
    STAT_INTERCEPTION_GRADE = 202,          // a passer's relative interception score
    STAT_TOUCHDOWN_GRADE = 203,             // a passer's touchdowns; others' from 227, 228, 230
    STAT_MOBILITY_GRADE = 204,              // a passer's rushing less sacks; others' from 228, 229
    STAT_RUNNING_GRADE = 205,               // rushing; a defender's from 217, 218, 231 and 232
    STAT_RECEIVING_GRADE = 206,             // receiving; a defender's as 205
    STAT_BALL_SECURITY_GRADE = 207,         // touches against fumbles; a defender's takeaways
    STAT_PLAYING_TIME_GRADE = 208,          // games and starts
    STAT_WORKLOAD_GRADE = 209,              // touches beyond games and starts; non-skill: 208
    STAT_PASS_BLOCKING_GRADE = 210,         // recent games, the run-block grade, a lineman's build
    STAT_RUN_BLOCKING_GRADE = 211,          // as 210, weighted for the run
    STAT_SACKS_ALLOWED_GRADE = 212,         // a lineman's, read from his penalties
    STAT_LINEMAN_STRENGTH_GRADE = 213,      // a lineman's playing time, weight and age
    STAT_PASS_RUSH_GRADE = 215,             // a defender's tackles, playing time and weight
    STAT_RUN_STOP_GRADE = 216,              // a defender's sacks, forced fumbles and weight
    STAT_COVERAGE_GRADE = 217,              // a defender's passes defensed and interceptions
    STAT_PLAYMAKING_GRADE = 218,            // a defender's takeaways, touchdowns and returns
    STAT_TACKLING_GRADE = 219,              // a defender's tackles
    STAT_KICKING_ACCURACY_GRADE = 220,      // 220..223: kickers and punters; field goals made
    STAT_KICKING_DISTANCE_GRADE = 221,      // long field goals and the longest
    STAT_PUNTING_DISTANCE_GRADE = 222,      // the punting average
    STAT_PUNTING_ACCURACY_GRADE = 223,      // a punter's 70; a kicker's from 221
    OVERALL_GRADE = 225,                    // the scouted overall rating
    PEAK_GRADE = 226,                       // the overall a young player may reach
    STAT_ELUSIVENESS_GRADE = 227,           // 205 or 206 against the blocking score and build
    STAT_SCORING_GRADE = 228,               // touchdowns per touch
    STAT_HANDS_GRADE = 229,                 // receptions per game
    STAT_SPEED_GRADE = 230,                 // 205 or 206, the catch rate and first downs
    STAT_KICK_RETURNING_GRADE = 231,        // the return values and the touches
    STAT_PUNT_RETURNING_GRADE = 232,        // as 231, weighted for punts
    STAT_DURABILITY_GRADE = 233,            // read from field goals, extra points and games
    STAT_PROSPECT_VALUE = 299,              // overall and potential, halved, at most 100
    STAT_KICK_RETURN_VALUE = 300,           // a returner's yards and touchdowns by his average
    STAT_PUNT_RETURN_VALUE = 301,           // as 300, for punts
    STAT_KICK_RETURN_GRADE = 302,           // predicted: from the rating; otherwise 300
    STAT_PUNT_RETURN_GRADE = 303,           // predicted: from the rating; otherwise 301
    STAT_DEPTH_CHART_LEVEL = 304,           // place on the position's depth chart from 1; 0 off it
    STAT_VALUE_FOR_MONEY = 305,             // overall and potential against the cap impact
    STAT_CARD_RUN_BLOCKING = 420,           // imported grade 0 by usage
    STAT_CARD_PASS_BLOCKING = 421,          // imported grade 1 by usage
    STAT_CARD_RUSHING = 422,                // rushing production and yards
    STAT_CARD_RUSHING_SCORING = 423,        // rushing production and touchdown share
    STAT_CARD_RECEIVING = 424,              // receiving production less its touchdown share
    STAT_CARD_PASSING = 425,                // imported grade 2, touchdowns and interceptions
    STAT_CARD_SCORING = 426,                // a passer's touchdown passes, a receiver's touchdowns
    STAT_CARD_PASS_RUSH = 427,              // last season's solo tackles by usage
    STAT_CARD_RUN_DEFENCE = 428,            // last season's games by usage, and sacks
    STAT_CARD_COVERAGE = 429,               // last season's starts by usage, and interceptions
    STAT_CARD_DEFENSIVE_PLAYS = 430         // tackles, sacks and takeaways
};

#define FIRST_DERIVED_STAT 100
#define DERIVED_STAT_CACHE_SIZE 55   // ids 100..154
#define DERIVED_STAT_CACHE2_SIZE 40  // ids 200..239
#define FIRST_GRADE_STAT 200

// Predicted (kind 3) derived statistics cached while a week's games are played; 0 = not cached.
extern int gDerivedStatCache[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM][DERIVED_STAT_CACHE_SIZE];
extern int gDerivedStatCache2[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM][DERIVED_STAT_CACHE2_SIZE];
extern int gDerivedStatCacheOn;

int Get_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat);
void Set_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat, int nValue);
void Add_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat, int nValue);
void Get_Player_Season_Block(int nTeam, int nSlot, int nSeason, int* anStats);  // stored, raw
void Clear_Player_Season_Stats(int nTeam, int nSlot, int nSeason);
void Clear_Player_Stat_History(int nTeam, int nSlot);
void Clear_All_Current_Season_Stats(void);
void Copy_Player_Season_Stats(int nFromTeam, int nFromSlot, int nToTeam, int nToSlot, int nSeason);
void Copy_Player_Season_Kind(int nTeam, int nSlot, int nFromSeason, int nToSeason);
int Has_Any_Season_Stat(int nTeam, int nSlot, int nSeason);
// The card-game values read as derived statistics 400..412 (gridiron_cards.cpp).
// The card skills are stats 400..410; 411 is the salary tier, 412 the value.
enum GRIDIRON_SKILL {
    GRIDIRON_PASS_BLOCKING = 400,
    GRIDIRON_RUN_BLOCKING,
    GRIDIRON_RUSHING,
    GRIDIRON_GOAL_LINE,
    GRIDIRON_RECEIVING,
    GRIDIRON_PASSING,
    GRIDIRON_RED_ZONE,
    GRIDIRON_RUN_DEFENSE,
    GRIDIRON_PASS_RUSH,
    GRIDIRON_COVERAGE,
    GRIDIRON_TACKLING,
    GRIDIRON_SALARY,
    GRIDIRON_VALUE
};
#define FIRST_GRIDIRON_SKILL GRIDIRON_PASS_BLOCKING
#define LAST_GRIDIRON_SKILL GRIDIRON_TACKLING
#define FIRST_DEFENSIVE_GRIDIRON_SKILL GRIDIRON_RUN_DEFENSE

int Get_Gridiron_Skill(int nTeam, int nSlot, int nSkill);  // 0 for an id outside 400..410
// The term a skill adds to the value: what the skill has above the base level, never negative.
int Get_Gridiron_Skill_Term(int nSkill);
// The value from the position and the eleven terms in skill order 400..410.
int Get_Gridiron_Value_From_Terms(int nPosition, const int* anTerm);
int Get_Gridiron_Value(int nTeam, int nSlot);
int Get_Gridiron_Salary_Tier(int nPosition, int nValue, int bFirstSlot);
int Get_Gridiron_Salary(int nTeam, int nSlot);  // tier 0..20
int Get_Predicted_Stat(int nTeam, int nSlot, int nStat);
int Rank_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat);
int Scale_Games_To_17(int nTeam, int nSlot);
int Clamp_Tenths_To_99(int nValue);
int Blend_Root_Score(int a, int b);

void Enable_Derived_Stat_Cache(void);
void Disable_Derived_Stat_Cache(void);
int Is_Derived_Stat_Cache_Enabled(void);

int Compute_Passer_Rating(int nAttempts, int nCompletions, int nYards, int nTouchdowns,
                          int nInterceptions);

int Get_Average_Stat(int nPosition, int nStat);
int Get_Historical_Average_Stat(int nStat, int nYear);
int Get_Smoothed_Era_Value(int nYear);

// ---- leader categories (leader_stats.cpp) ------------------------------------------------------
#define LEADER_CATEGORY_COUNT 30
// The player's value in leader category 0..29 for a season kind; 0 when he does not qualify or
// the category is not his position's.
int Get_Leader_Stat_Value(int nTeam, int nSlot, int nCategory, int nSeason);
int Is_Leader_Qualified(int nTeam, int nSlot, int nSeason, int nCategory);
// A row of the record book: table 0 career, 1 season, 2 game; null (and an error) out of range.
const RECORD_BOOK_ROW* Get_Record_Book_Row(int nTable, int nCategory, int nRow);
void Set_Record_Book_Row(int nTable, int nCategory, int nRow, const RECORD_BOOK_ROW* pRow);

// ---- derived player grades (player_grades.cpp, grade_helpers.cpp, card_grades.cpp) -------------
int Get_Career_Reception_Rate(int nTeam, int nSlot);   // per mille
int Get_Player_Run_Block_Grade(int nTeam, int nSlot);  // 0..100
int Is_Run_Blocker(int nTeam, int nSlot);
int Get_Player_Blocking_Score(int nTeam, int nSlot);  // 0..100
int Get_Lineman_Vital_Score(int nTeam, int nSlot);
float Compress_Rating_Scale(float v);
int Get_Back_Usage_Weight(int nTeam, int nSlot);
int Get_Rushing_TD_Share(int nTeam, int nSlot, int nSeason);
int Get_Rushing_Production(int nTeam, int nSlot, int nSeason);
int Get_Receiving_TD_Share(int nTeam, int nSlot, int nSeason);
int Get_Receiving_Production(int nTeam, int nSlot, int nSeason);
int Get_Body_Speed_Score(int nTeam, int nSlot);

// ==== players: the record, vital stats, slots and positions ====================================
// (player_record.cpp, player_slots.cpp, player_positions.cpp)

// A player reference: the team in the low byte, the slot in the high byte.
typedef uint16_t PLAYER_REF;
#define NO_PLAYER_REF 0xFF80  // NO_TEAM, slot 255

// VITAL_STAT ids: 0..29 are stored, 100..102 derived on every read.
enum VITAL_STAT {
    VITAL_PLAYER_ID = 0,       // 0 = empty slot
    VITAL_POSITION = 1,        // POSITION 0..14
    VITAL_HEIGHT = 2,          // inches
    VITAL_WEIGHT = 3,          // pounds
    VITAL_FORTY_TIME = 4,      // hundredths of a second
    VITAL_BIRTH_DATE = 5,      // yyyymmdd
    VITAL_WEEKLY_COUNTER = 6,  // advanced by the weekly player step
    VITAL_EXPERIENCE = 8,      // seasons, at most MAX_EXPERIENCE
    VITAL_OLD_UNIFORM = 9,     // old files: the uniform number
    VITAL_SIGNING_BONUS = 10,  // thousands
    VITAL_SALARY = 11,         // thousands
    VITAL_CONTRACT_YEARS_LEFT = 12,
    VITAL_DRAFT_RECORD = 13,  // (drafting team + 1) x 10000 + draft year
    VITAL_INJURY = 14,        // injury code, -1 none
    VITAL_INJURY_WEEKS = 15,
    VITAL_DRAFT_PICK = 16,    // round x 100000 + pick in round x 1000 + overall pick
    VITAL_PHOTO_SOURCE = 18,  // 256: the photo is named by the outside-database id
    VITAL_OLD_RINGS = 18,     // old files: championship rings
    VITAL_HALL_OF_FAME_YEAR = 19,
    VITAL_DECLINE_RATE = 19,     // an active player's: per cent, divides the yearly decline
    VITAL_POTENTIAL = 20,        // potential factor 75..134; a Hall-of-Famer's voting share
    VITAL_GROWTH_RATE = 20,      // per cent, multiplies the yearly growth
    VITAL_PRIME_START = 21,      // age
    VITAL_PRIME_END = 22,        // age
    VITAL_LINEMAN_BUILD = 23,    // kept as loaded; a lineman's blocking grades read it
    VITAL_RANDOM_PROSPECT = 24,  // 1 for a generated prospect, 0 for a named one
    VITAL_CONTRACT_LENGTH = 25,  // years
    VITAL_DRAFTED_TO = 26,       // team the player is drafted to
    VITAL_DRAFT_MOVED = 27,      // moved flag of the draft hand-over
    VITAL_ON_FIELD = 27,         // set on a player put on the field in the current game
    VITAL_SCOUTING_SCORE = 28,
    VITAL_EXPANSION_PROTECTED = 29,     // nonzero keeps him out of the expansion draft
    VITAL_CAP_IMPACT = 100,             // derived: salary + prorated bonus
    VITAL_NORMALIZED_CAP_IMPACT = 101,  // derived: the cap impact on the base-cap scale
    VITAL_PRORATED_BONUS = 102          // derived: bonus / contract length
};
#define MAX_EXPERIENCE 30

// Byte stats.
#define BYTE_UNIFORM_NUMBER 0
#define BYTE_RINGS 1
#define BYTE_EXPANDED_POSITION 2
#define BYTE_DEPTH_RANK 3

// Depth-chart roles, the expanded positions 15..42.
enum EXPANDED_POSITION {
    ROLE_WR1 = 15,
    ROLE_WR2,
    ROLE_SWR,
    ROLE_RS,
    ROLE_ST,
    ROLE_OE,
    ROLE_LT,
    ROLE_LG,
    ROLE_RG,
    ROLE_RT,
    ROLE_LS,
    ROLE_LDE,
    ROLE_LDT,
    ROLE_NT,
    ROLE_RDT,
    ROLE_RDE,
    ROLE_MLB,
    ROLE_ILB,
    ROLE_OLB,
    ROLE_LILB,
    ROLE_RILB,
    ROLE_LOLB,
    ROLE_ROLB,
    ROLE_LCB,
    ROLE_RCB,
    ROLE_NB,
    ROLE_SS,
    ROLE_FS,
    EXPANDED_POSITION_LIMIT
};

// Position groups and sides.
#define GROUP_SKILL 0
#define GROUP_LINE 1
#define GROUP_DEFENCE 2
#define GROUP_KICKERS 3
#define GROUP_QUARTERBACK 4  // the QB variants of the group queries
#define SIDE_OFFENCE 0
#define SIDE_DEFENCE 1
#define SIDE_KICKING 2

#define POSITION_NAME_SIZE 24  // "Defensive Tackles" and its closing zero fit

// Slot queries and vital stats (player_record.cpp).
int Is_Player_Slot_Used(int nTeam, int nSlot);
// Calls visit(team, slot) for every player of the league teams in use, in team and slot order.
template <typename VISIT>
void For_Each_League_Player(VISIT visit) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                visit(nTeam, nSlot);
        }
    }
}
int Is_Player_Ref_Used(PLAYER_REF nRef);
PLAYER_REF Pack_Player_Ref(int nTeam, int nSlot);
void Unpack_Player_Ref(PLAYER_REF nRef, int* pTeam, int* pSlot);  // NO_TEAM, NO_PLAYER for none
int Find_Free_Player_Slot(int nTeam);
uint8_t Get_First_Empty_Player_Slot(int nTeam);
int Get_Player_ID(int nTeam, int nSlot);
void Set_Player_ID(int nTeam, int nSlot, int nId);
int Get_Player_Vital_Stat(int nTeam, int nSlot, int nStat);
int Get_Player_Vital_Stat_Raw(int nTeam, int nSlot, int nStat);
void Set_Player_Vital_Stat(int nTeam, int nSlot, int nStat, int nValue);
int Get_Player_Byte_Stat(int nTeam, int nSlot, int n);
void Set_Player_Byte_Stat(int nTeam, int nSlot, int n, int nValue);
// szOut may be NULL.
int Get_Player_Expanded_Position(int nTeam, int nSlot, char* szOut, int nSize);
int16_t Get_Player_Grade(int nTeam, int nSlot, int n);
void Set_Player_Grade(int nTeam, int nSlot, int n, int nValue);
int Get_Player_Original_Team(int nTeam, int nSlot);
int Get_Player_Draft_Year(int nTeam, int nSlot);
int Get_Player_Age(int nTeam, int nSlot);
int Get_Player_Exact_Age(int nTeam, int nSlot);
void Set_Player_Exact_Age(int nTeam, int nSlot, int nAge);
void Set_Player_Age_22(int nTeam, int nSlot);
uint32_t Get_Player_Record_Checksum(int nId);
void Reset_Implausible_Birth_Dates(void);

// Whole records (player_slots.cpp).
int Clear_Player(int nTeam, int nSlot);  // 1 when cleared
void Copy_Player(int nDstTeam, int nDstSlot, int nSrcTeam, int nSrcSlot);
void Copy_Player_To_Memory(int nTeam, int nSlot, PLAYER* pBuffer);
void Copy_Player_From_Memory(int nTeam, int nSlot, const PLAYER* pBuffer);
int Swap_Players(int nTeamA, int nSlotA, int nTeamB, int nSlotB);  // 1 when swapped
void Remove_Player_Slot(int nTeam, int nSlot);
void Delete_Player(int nTeam, int nSlot);
void Delete_Player_In_Place(int nTeam, int nSlot);
void Remove_Player_Gap_At(int nTeam, int nSlot);
void Delete_All_League_Players(void);
void Compact_Team_Roster(int nTeam);
// A swap that touches a team of the watched live game refills that game's lineups through the
// function the engine installs when a game begins.
typedef void (*LIVE_LINEUP_REFILL)(GAME* pGame);
void Set_Live_Lineup_Refill(LIVE_LINEUP_REFILL pfnRefill);

// The position's mean body in the season's year (position_bodies.cpp).
int Get_Position_Mean_Height(int nPosition);  // inches; draws one number
int Get_Position_Mean_Weight(int nPosition);  // pounds

// Positions (player_positions.cpp).
int Translate_Expanded_Position(int nCode);
int Get_Position_Group(int nCode);
int Get_Position_Group_QB4(int nCode);
int Get_Player_Position_Group(int nTeam, int nSlot);
int Get_Player_Position_Group_QB3(int nTeam, int nSlot);
int Get_Position_Side(int nCode);
int Get_Player_Side(int nTeam, int nSlot);
int Is_Returner_Position(int nTeam, int nSlot);
int Get_Player_Position_Filter(int nTeam, int nSlot);
int Get_Player_Position_Name(char* szOut, int nSize, int nTeam, int nSlot);    // szOut may be NULL
char* Get_Player_Position_Text(char* szOut, int nSize, int nTeam, int nSlot);  // returns szOut
int Is_Player_Within_Position_Quota(int nTeam, int nSlot);
int Is_Position_Code_Valid(int nCode);
int Is_Expanded_Position_Valid(int nCode);
int Is_Secondary_Position(int nCode);
int Is_Player_Secondary_Position(int nTeam, int nSlot);
int Is_Offensive_Skill_Position(int nCode);
int Is_Player_Offensive_Skill_Position(int nTeam, int nSlot);
int Is_Player_Quarterback(int nTeam, int nSlot);

// ==== players: lookup hashes (player_hashes.cpp) ================================================
#define PLAYER_HASH_SIZE 8192
#define PLAYER_HASH_NAME_SIZE 33

// The three tables map a key to its player's team and slot (255 = not known).
typedef struct PLAYER_ID_HASH {
    int32_t anKeys[PLAYER_HASH_SIZE];  // -1 = empty
    int8_t anTeams[PLAYER_HASH_SIZE];
    int8_t anSlots[PLAYER_HASH_SIZE];
    int nCount;
} PLAYER_ID_HASH;

typedef struct OSTREL_ID_HASH {
    char aszKeys[PLAYER_HASH_SIZE][PLAYER_OUTSIDE_ID_SIZE];  // "" = empty
    int8_t anTeams[PLAYER_HASH_SIZE];
    int8_t anSlots[PLAYER_HASH_SIZE];
    int nCount;
} OSTREL_ID_HASH;

typedef struct PLAYER_NAME_HASH {
    char aszKeys[PLAYER_HASH_SIZE][PLAYER_HASH_NAME_SIZE];  // "" = empty
    int8_t anTeams[PLAYER_HASH_SIZE];
    int8_t anSlots[PLAYER_HASH_SIZE];
    int nCount;
} PLAYER_NAME_HASH;

extern PLAYER_ID_HASH gPlayerIdHash;
extern OSTREL_ID_HASH gOstrelIdHash;
extern PLAYER_NAME_HASH gPlayerNameHash;

void Rebuild_Player_ID_Hash(void);
void Rebuild_Ostrel_ID_Hash(void);
void Rebuild_Player_Name_Hash(void);
int Find_Player_ID(PLAYER_REF* pRef, int nId);  // pRef may be NULL
int Get_Player_By_ID(int* pTeam, int* pSlot, int nId);
int Find_Player_ID_Split(int* pTeam, int* pSlot, int nId);
int Find_Ostrel_ID(PLAYER_REF* pRef, const char* szId);
int Get_Player_By_Ostrel_ID(int* pTeam, int* pSlot, const char* szId);
int Get_Player_By_Name(int* pTeam, int* pSlot, const char* szFullName);

// ==== players: career season lines (season_lines.cpp) ===========================================
#define NO_SEASON_LINE (-1)
#define SEASON_LINE_FIELD_GOALS_MADE STAT_FIELD_GOALS_MADE  // a line's one derived pair
#define SEASON_LINE_FIELD_GOALS_TRIED STAT_FIELD_GOALS_TRIED

int Get_Season_Line_Stat(int nLine, int iStat);
void Set_Season_Line_Stat(int nLine, int nStat, int nValue);
void Add_Season_Line_Stat(int nStat, int nLine, int nValue);
int Get_Season_Line_Year(int nLine);
int Get_Season_Line_Team(int nLine);
int Get_Season_Line_Flag(int nLine);
void Set_Season_Line_Year(int nLine, int nValue);
void Set_Season_Line_Team(int nLine, int nValue);
void Set_Season_Line_Flag(int nLine, int nValue);
void Set_Season_Line_Marker(int nLine, int nValue);  // byte 9; generated history lines: 128
int Get_Season_Line_Marker(int nLine);
int Is_Season_Line_Blank(int nLine);
int Erase_Season_Line(int nLine);
void Clear_All_Season_Lines(void);
int Find_Free_Season_Line(void);
int Is_Season_Line_Linked(int nLine);

int Get_Player_Season_Line(int nTeam, int nSlot, int n);
void Set_Player_Season_Link(int nTeam, int nSlot, int n, int nLine);
int Count_Player_Season_Links(int nTeam, int nSlot);
int Find_Free_Season_Link(int nTeam, int nSlot);
void Remove_Player_Season_Link(int nTeam, int nSlot, int n);
int Erase_Player_Season_Line(int nTeam, int nSlot, int n);
void Erase_Player_Season_Lines(int nTeam, int nSlot);
void Clear_Player_Season_Links(int nTeam, int nSlot);
void Clear_Team_Season_Links(int nTeam);
void Prune_Empty_Season_Links(int nTeam, int nSlot);
int Has_Season_Line_Year(int nTeam, int nSlot, int nYear);
int Get_Player_Main_Team_In_Year(int nTeam, int nSlot, int nYear);
int Get_Latest_Season_Line(int nTeam, int nSlot);
void Recompute_Current_Season_Line(int nTeam, int nSlot);
int Count_NFL_Seasons(int nTeam, int nSlot);
void Sort_Player_Season_Links(int nTeam, int nSlot);
void Sort_All_Player_Season_Links(void);

int Add_Player_Season_Line(int nTeam, int nSlot, int nYear, int nLineTeam);
int Get_Current_Season_Line(int nTeam, int nSlot);
int Add_Current_Season_Line(int nTeam, int nSlot, int bCache);
int Get_Current_Season_Line_Stat(int nTeam, int nSlot, int nStat);
void Set_Current_Season_Line_Stat(int nTeam, int nSlot, int nStat, int nValue);
void Add_Current_Season_Line_Stat(int nTeam, int nSlot, int nStat, int nValue);
int Get_Player_Season_Line_Cache(int nTeam, int nSlot);
void Set_Player_Season_Line_Cache(int nTeam, int nSlot, int nLine);
void Reset_Current_Season_Line_Cache(void);
void Purge_Unreferenced_Season_Lines(void);

// ==== players: names and the id sanity check (player_names.cpp) =================================
#define PLAYER_NAME_TEXT_SIZE 48  // room for every name form below

void Copy_Bounded_String(const char* szSource, char* pField, int nSize);
void Set_Player_Last_Name(int nTeam, int nSlot, const char* szName);
void Set_Player_First_Name(int nTeam, int nSlot, const char* szName);
void Set_Player_Ostrel_ID(int nTeam, int nSlot, const char* szId);
void Set_Player_College_Name(int nTeam, int nSlot, char* szName);  // '&' becomes '+' in szName
const char* Get_Player_Ostrel_ID(int nTeam, int nSlot);
const char* Get_Player_First_Name_Ptr(int nTeam, int nSlot);
const char* Get_Player_Last_Name_Ptr(int nTeam, int nSlot);
void Copy_Player_Ostrel_ID(int nTeam, int nSlot, char* szOut, int nSize);
void Get_Player_College_Name(int nTeam, int nSlot, char* szOut, int nSize);
void Get_Player_College_Display_Name(int nTeam, int nSlot, char* szOut, int nSize);
void Get_Player_First_Name(int nTeam, int nSlot, char* szOut, int nSize);
void Get_Player_Last_Name(int nTeam, int nSlot, char* szOut, int nSize);
void Get_Player_Full_Name(int nTeam, int nSlot, char* szOut, int nSize);
void Get_Player_Full_Name_Plain(int nTeam, int nSlot, char* szOut, int nSize);
void Get_Player_Last_First_Name(int nTeam, int nSlot, char* szOut, int nSize);
void Get_Player_Last_First_Name_Raw(int nTeam, int nSlot, char* szOut, int nSize);
void Get_Player_First_Name_Full(int nTeam, int nSlot, char* szOut, int nSize);
void Get_Player_Abbreviated_Name(int nTeam, int nSlot, char* szOut, int nSize);
void Get_Player_Short_Full_Name(int nTeam, int nSlot, char* szOut, int nSize);
int Sanity_Check_Player_IDs(void);

// ==== the game record (game_record.cpp) =========================================================
// DOWN_FLAG: the low byte of a game's flags word.
enum DOWN_FLAG {
    FIRST_DOWN = 0,
    SECOND_DOWN = 1,
    THIRD_DOWN = 2,
    FOURTH_DOWN = 3,
    TURNOVER_ON_DOWNS = 4,
    KICKOFF = 8,
    FREE_KICK = 9,
    CHANGED_HANDS_BY_KICK = 10,
    CONVERSION_ATTEMPT = 11
};

// Bits of a game's flags word above the DOWN_FLAG.
#define GAME_FLAG_DOWN_MASK 0xFF
#define GAME_FLAG_CLOCK_STOPPED 0x300        // bits 8..9: a timeout or a period start
#define GAME_FLAG_PREVIOUS_STOPPED 0xC00     // bits 10..11
#define GAME_FLAG_POSSESSION_CHANGED 0x3000  // bits 12..13
#define GAME_FLAG_VISITOR_KICKS_OFF 0x4000   // bit 14: the coin toss

// PLAY_RESULT, bits 25..31 of a play's result word; 0..14 are plays from scrimmage.
enum PLAY_RESULT {
    RESULT_INCOMPLETE = 0,
    RESULT_COMPLETE,
    RESULT_INTERCEPTED,
    RESULT_SACK,
    RESULT_KNOCKED_DOWN,
    RESULT_FUMBLE_LOST,
    RESULT_TOUCHDOWN_PASS,
    RESULT_INTERCEPTION_TOUCHDOWN,
    RESULT_SAFETY,
    RESULT_RUN,
    RESULT_PLAIN_RUN,
    RESULT_OTHER_RUN,
    RESULT_TOUCHDOWN_RUN,
    RESULT_FUMBLE_RECOVERED,
    RESULT_FUMBLE_TOUCHDOWN,
    RESULT_FIELD_GOAL_GOOD,
    RESULT_FIELD_GOAL_MISSED,
    RESULT_PUNT_RETURNED,
    RESULT_PUNT_TOUCHBACK,
    RESULT_PUNT_RETURN_TOUCHDOWN,
    RESULT_PUNT_FUMBLED,
    RESULT_KICKOFF_RETURNED,
    RESULT_KICKOFF_TOUCHBACK,
    RESULT_KICKOFF_RETURN_TOUCHDOWN,
    RESULT_KICKOFF_FUMBLED,
    RESULT_ONSIDE_KICKING_TEAM,
    RESULT_ONSIDE_RECEIVING_TEAM,
    RESULT_EXTRA_POINT_GOOD,
    RESULT_EXTRA_POINT_MISSED,
    RESULT_TWO_POINT_GOOD,
    RESULT_TWO_POINT_FAILED,
    RESULT_PENALTY,
    RESULT_NONE,
    LAST_SCRIMMAGE_RESULT = RESULT_FUMBLE_TOUCHDOWN,
    LAST_VALID_RESULT = RESULT_PENALTY
};

// A play's result word: DOWN_FLAG, yards to go and yard line at the snap, the side with the ball.
#define PLAY_WORD_TO_GO_SHIFT 8
#define PLAY_WORD_YARD_LINE_SHIFT 16
#define PLAY_WORD_HOME_BALL 0x1000000  // bit 24
#define PLAY_WORD_RESULT_SHIFT 25

#define NARRATION_ENTRY_EMPTY 255

// Indexes of a game's info shorts (from offset 28) and ints (from offset 48).
enum GAME_INFO {
    GAME_INFO_YEAR = 0,
    GAME_INFO_POINT_SPREAD,
    GAME_INFO_WEEK,
    GAME_INFO_OVER_UNDER,
    GAME_INFO_KICKOFF,
    GAME_INFO_OVERTIME_BITS,
    GAME_INFO_TEMPERATURE,
    GAME_INFO_WIND_SPEED,
    GAME_INFO_PRECIPITATION,
    GAME_INFO_WIND_ANGLE
};
#define GAME_INFO_ATTENDANCE 0
#define GAME_INFO_OFFSET 1000  // added to the stored point spread and over/under
#define OVERTIME_VISITOR_HAD_BALL 1
#define OVERTIME_HOME_HAD_BALL 2

// Indexes of a game's team totals (GAME.aanTeamTotals), a row a side.
enum GAME_TOTAL {
    GAME_TOTAL_SACK_YARDS = 0,  // in the sacking side's row, with GAME_TOTAL_SACKS
    GAME_TOTAL_PUNT_YARDS,
    GAME_TOTAL_PUNT_RETURN_YARDS,
    GAME_TOTAL_KICK_RETURN_YARDS,
    GAME_TOTAL_FIRST_DOWNS,
    GAME_TOTAL_RUSHES,
    GAME_TOTAL_RUSHING_YARDS,
    GAME_TOTAL_PASS_ATTEMPTS,
    GAME_TOTAL_COMPLETIONS,
    GAME_TOTAL_PASSING_YARDS,
    GAME_TOTAL_TURNOVERS,
    GAME_TOTAL_SACKS,
    GAME_TOTAL_PENALTIES,
    GAME_TOTAL_PENALTY_YARDS,
    GAME_TOTAL_THIRD_DOWN_TRIES,
    GAME_TOTAL_THIRD_DOWN_MADE,
    GAME_TOTAL_FOURTH_DOWN_TRIES,
    GAME_TOTAL_FOURTH_DOWN_MADE,
    GAME_TOTAL_POSSESSION_SECONDS
};

#define VISITOR_SIDE 0
#define HOME_SIDE 1
#define GAME_LEADER_SLOTS 51  // roster slots 0..50 take part in the game leaders
#define QUARTER_SECONDS 900
#define REGULATION_SECONDS 3600

extern GAME* gLiveGame;  // the game being played; NULL between games

GAME* Get_Live_Game(void);
int Is_Game_Live(void);
int Clear_Game(GAME* pGame);  // 0 for NULL, else 1
// What a game credits outside its record, kept at kickoff (game_credits.cpp). A game stopped
// part-way gives it all back before it is played again: 1 when the kept credits were this game's.
void Keep_Game_Credits(int nHome, int nVisitor);
int Take_Back_Game_Credits(int nHome, int nVisitor);
int Get_Game_Quarter(GAME* pGame);
int Get_Offensive_Team(GAME* pGame);
int Get_Defensive_Team(GAME* pGame);
int Get_Offensive_Side(GAME* pGame);
int Get_Defensive_Side(GAME* pGame);
int Get_Game_Side(GAME* pGame, int nTeam);  // VISITOR_SIDE, HOME_SIDE or NO_TEAM
int Is_League_Game(GAME* pGame);
int Is_Visitor_Leading(GAME* pGame);
int Is_Home_Leading(GAME* pGame);
int Get_Game_Winner(GAME* pGame);
int Get_Game_Loser(GAME* pGame);
int Get_Game_Winner_Or_Loser(GAME* pGame, int bWinner);
int Get_Game_Player_Counter(GAME* pGame, int nSide, int nSlot, int nCounter);
int Get_Game_Stat_Leader(GAME* pGame, int nCounter, int nPositionFilter, int nSide);
int Get_Stored_Game_Home_Team(int nIndex);
int Get_Game_Info(GAME* pGame, int n);
void Set_Game_Info(GAME* pGame, int n, int nValue);
int Get_Game_Info_Int(GAME* pGame, int n);
void Set_Game_Info_Int(GAME* pGame, int n, int nValue);
int Is_Play_From_Scrimmage(int nResult);

// The game clock's rule of a game record (game_clock.cpp).
int Is_Game_Over(GAME* pGame);
int Get_Overtime_Period_Length(GAME* pGame);  // seconds
int Get_Game_Seconds_Left(GAME* pGame);
int Get_Period_Length(GAME* pGame);
int Get_Period_Seconds_Left(GAME* pGame);
int Get_Half_Seconds_Left(GAME* pGame);
int Get_Game_Half(GAME* pGame);           // 0 first half, 1 second, 2 overtime
int Get_Game_Overtime_Rule(GAME* pGame);  // 0, 1 timed; 2, 3 untimed; 0, 2 sudden death
int Is_Postseason_Week(int nWeek);

// ==== game records and league queries (game_queries.cpp, league_queries.cpp) ====================
#define NO_GAME_INDEX (-1)
#define NO_WEEK_GAME 301            // first record of a week that has no started game
#define RECENT_GAMES_SCAN_LAST 288  // the recent-results and streak scans start here
#define SEASON_GAMES_SUM_COUNT 288  // the game-total sums read records 0..287

// Kinds of Count_Team_Game_Results: the yearly record bytes of wins, losses and ties.
#define RESULT_KIND_WINS 0
#define RESULT_KIND_LOSSES 4
#define RESULT_KIND_TIES 8
// Kinds of Count_Team_Recent_Results.
#define RECENT_WINS 1
#define RECENT_LOSSES 2
#define RECENT_TIES 3
// Filters of Count_Team_Game_Results: a team 0..35, or a value above 35 with these bits.
#define RESULTS_ALL_GAMES 0x80
#define RESULTS_SAME_DIVISION 0x100
#define RESULTS_SAME_LEAGUE 0x200
#define RESULTS_SKIP_ROAD_GAMES 0x800

int Count_Stored_Games(void);
int Is_Game_Record_Played(GAME* pGame);
int Is_Game_Record_Used(GAME* pGame);
int Get_Week_First_Game_Index(int nWeek);
int Count_Week_Games(int nWeek);
GAME* Find_Team_Game_In_Week(int nWeek, int nTeam);
int Find_Team_Game_Index_In_Week(int nWeek, int nTeam);   // position within the week
int Find_Team_Game_Record_In_Week(int nWeek, int nTeam);  // record index
int Find_Team_Latest_Game(int nTeam);
int Find_Team_Latest_Played_Game(int nTeam);
int Count_Team_Recent_Results(int nTeam, int nGames, int nKind);
void Format_Team_Recent_Record(char* st, int nSize, int nTeam, int nGames);
int Get_Team_Winning_Streak(int nTeam);
int Get_Team_Losing_Streak(int nTeam);
// The team's finished regular-season games won (kind 0), lost (4) or tied (8) against the
// opponents the filter lets through.
int Count_Team_Game_Results(int nTeam, int nKind, int nFilter);
// The same counts for every team from one pass over the games: wins, losses and ties by team and
// opponent, of all games and of home games. Tally once, then count as often as needed.
typedef struct RESULTS_TALLY {
    uint16_t aanGames[3][2][LEAGUE_TEAM_COUNT][LEAGUE_TEAM_COUNT];
    int anDivisions[LEAGUE_TEAM_COUNT];  // each team's division and league when tallied
    int anLeagues[LEAGUE_TEAM_COUNT];
} RESULTS_TALLY;
void Tally_Season_Results(RESULTS_TALLY* pTally);
int Count_Tallied_Results(const RESULTS_TALLY* pTally, int nTeam, int nKind, int nFilter);
// Get_Team_Standings_Key from a tally of the season's games.
int Get_Tallied_Standings_Key(const RESULTS_TALLY* pTally, int nTeam);
int Sum_League_Game_Team_Total(int nStat);
int Sum_Team_Game_Team_Total(int nTeam, int nStat);
int Sum_Total_Points_Scored(void);
int Sum_Team_Points(int nTeam, int bScored);
int Get_Team_Points_Rank(int nTeam, int bScored);

int Get_Playoff_Score(int nSlot);
void Set_Playoff_Score(int nSlot, int nScore);
void Set_Playoff_Team(int nSlot, int nTeam);
void Set_Postseason_Week(int n, int nWeek);
void Set_Current_Page(int nPage);
void Set_Commissioner_Mode(int nValue);
void Set_Team_Checksum(int nValue);
void Clear_All_Games(void);
void Increment_Universe_Stat(int nStat);
int Get_League_Playoff_Team_Count(int nLeague);
int Get_Universe_Extra_Stat(int n);  // universe stat 20 + n
void Set_Universe_Extra_Stat(int n, int nValue);
int Get_Max_League_Division_Count(void);
int Get_Weeks_Left_In_Postseason(void);
int Get_Current_Season_Year(void);  // the season just played while in the off-season
int Get_Current_Season_Index(void);
int Get_Next_Season_Year(void);
int Get_Current_Day_Of_Month(void);

// ==== team season records and totals (team_records.cpp, team_totals.cpp) =======================
// TEAM_YEARLY_CHAR bytes of a season row.
enum TEAM_YEARLY_CHAR {
    YEARLY_WINS = 0,
    YEARLY_DIVISION_PLACE = 1,
    YEARLY_LOSSES = 4,
    YEARLY_TIES = 8,
    YEARLY_HOME_WINS = 12,
    YEARLY_HOME_LOSSES = 16,
    YEARLY_HOME_TIES = 20,
    YEARLY_PLAYOFF_WINS = 24,
    YEARLY_PLAYOFF_LOSSES = 28
};
// TEAM_YEARLY_INT values of a season row.
enum TEAM_YEARLY_INT {
    YEARLY_FINANCE_A = 0,
    YEARLY_FINANCE_B = 1,
    YEARLY_LEAGUE_PLACE = 2,
    YEARLY_FINISH = 3
};
#define MAX_YEARLY_CHAR 127
// Kinds of Get_Team_History_Stat.
enum TEAM_HISTORY_STAT {
    HISTORY_SUCCESS = 0,
    HISTORY_WINS,
    HISTORY_LOSSES,
    HISTORY_TIES,
    HISTORY_PLAYOFF_WINS,
    HISTORY_PLAYOFF_LOSSES,
    HISTORY_PLAYOFF_SEASONS,
    HISTORY_FINALS,
    HISTORY_TITLES
};
#define ALL_TEAMS_AVERAGE (-1)
#define TEAM_RECORD_SPACED_TEXT_SIZE 24  // "%d - %d - %d"

int Get_Team_Yearly_Char(int nTeam, int nSeason, int nStat);
void Set_Team_Yearly_Char(int nTeam, int nSeason, int nStat, int cValue);
int Get_Team_Yearly_Int(int nTeam, int nSeason, int nStat);
void Set_Team_Yearly_Int(int nTeam, int nSeason, int nStat, int nValue);
void Set_Team_Record_Char(int nTeam, int nStat, int cValue);
void Set_Team_Record_Int(int nTeam, int nStat, int nValue);
void Clear_Season_Team_Records(int nTeam);
int Get_Team_Record_Char(int nTeam, int nStat);
int Get_Team_Wins(int nTeam);
int Get_Team_Losses(int nTeam);
int Get_Team_Ties(int nTeam);
int Get_Team_Home_Wins(int nTeam);
int Get_Team_Home_Losses(int nTeam);
int Get_Team_Home_Ties(int nTeam);
int Get_Team_Road_Wins(int nTeam);
int Get_Team_Road_Losses(int nTeam);
int Get_Team_Road_Ties(int nTeam);
int Get_Team_Playoff_Wins(int nTeam);
int Get_Team_Playoff_Losses(int nTeam);
void Add_Team_Win(int nTeam, int bHome);
void Add_Team_Loss(int nTeam, int bHome);
void Add_Team_Tie(int nTeam, int bHome);
int Get_Team_Winning_Percentage(int nTeam);
int Get_Team_Games_Played(int nTeam);
int Get_Team_Games_With_Playoffs(int nTeam);
int Count_League_Games_Played(void);
int Sum_League_Team_Record_Char(int nStat);
int Format_Team_Record(char* st, int nSize, int nTeam);  // 1 when the team has a win or a loss
int Format_Team_Record_Spaced(char* st, int nSize, int nTeam);
int Format_Team_Yearly_Record(char* st, int nSize, int nTeam, int nSeasonsBack);
int Get_Team_History_Stat(int nTeam, int nKind);
int Find_Playoff_Slot(int nTeam);
int Get_Team_Playoff_Round(int nTeam);
void Rebuild_Team_Records(void);

// Team totals: stored stats 0..19 by category and season kind; ids from 100 are derived.
#define TOTALS_CURRENT 0
#define TOTALS_PREVIOUS 1
#define TOTALS_KEPT 2
// Categories and stored stats the league rates read.
#define TOTALS_CATEGORY_RUSHING 0
#define TOTALS_CATEGORY_PASSING 3
#define TOTALS_STAT_COMPLETIONS 3
#define TOTALS_STAT_PASSING_YARDS 5
#define TOTALS_STAT_RUSHES 7
#define TOTALS_STAT_RUSHING_YARDS 8

void Set_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat, int nValue);
int Get_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat);
void Add_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat, int nAmount);
int Get_League_Totals_Stat(int nCategory, int nSeason, int nStat);
int Get_Team_Totals_Rank(int nTeam, int nCategory, int nStat);
void Clear_Team_Current_Totals(int nTeam);
void Clear_Team_Totals(int nTeam);
void Clear_All_Team_Totals(void);
void Copy_Team_Totals_To_Previous(int nTeam);

// ==== team roster queries (team_roster.cpp) =====================================================
enum UNIT { UNIT_OFFENCE = 0, UNIT_DEFENCE = 1, UNIT_KICKERS = 2, UNIT_COUNT = 3 };
#define ROSTER_FLOOR 51
#define ALL_ROSTERS (-1)  // Count_Players: every active team, or every position

uint8_t Get_Team_Position_Player(int nTeam, int nPosition, int n);
uint8_t Get_Team_Uninjured_Position_Player(int nTeam, int nPosition, int n);
int Count_Team_Position_Players(int nTeam, int nPosition);
int Count_Team_Uninjured_Position_Players(int nTeam, int nPosition);
int List_Team_Uninjured_Position_Players(int nTeam, int nPosition, uint8_t* pSlots, int nMax);
int Get_Injury_Horizon(void);  // weeks out from which a player is unavailable
int Count_Team_Available_Position_Players(int nTeam, int nPosition);
// The position 0..14 of the player in a slot (a depth-chart role translated); -1 for an empty
// slot or one outside teams 0..40 and slots 0..99.
int Get_Roster_Position(int nTeam, int nSlot);
int Get_Position_Unit(int nPosition);  // -1 outside 0..14
int Count_Team_Unit_Players(int nTeam, int nUnit);
// The unit's first player, else NO_SLOT_BYTE with *pEmptySlot the first empty slot (-1: none).
uint8_t Find_Team_Unit_Player(int nTeam, int nUnit, int* pEmptySlot);
int Draw_Unit_Position(int nUnit);  // one of the unit's positions at random; -1: no unit
uint8_t Find_Team_Unit_Last_Player(int nTeam, int nUnit);
int Get_Unit_Starter_Count(int nUnit);
int Count_Players(int nTeam, int nPosition);
uint8_t Get_N_Position_Player(int nPosition, int n);
uint8_t Get_N_Universe_Player(int n);
uint8_t Get_N_Team_Position_Player(int nTeam, int nPosition, int n);
uint8_t Get_N_Team_Unit_Player(int nUnit, int nTeam, int n);
int Count_League_Players_By_Initial(int ch);
int Has_Team_Expiring_Contract(int nTeam);
int Count_Team_Draft_Picks(int nTeam);
int Get_Team_Roster_Floor(int nTeam);

// ==== schedule rows and calendar flags (schedule_rows.cpp) ======================================
#define REGULAR_SCHEDULE_WEEKS 18  // the home and away counts look at weeks 0..17

int Get_Team_Schedule_Stat(int nTeam, int nWeek, int nField);
void Set_Team_Schedule_Stat(int nTeam, int nWeek, int nField, int nValue);
int Get_Team_Home_Away(int nTeam, int nWeek);  // 0 no game, 1 home, 2 away
int Get_Team_Opponent(int nTeam, int nWeek);
int Count_Team_Home_Games(int nTeam);
int Count_Team_Away_Games(int nTeam);
int Count_Team_Home_Games_Against(int nTeam, int nOther);
int Count_Team_Away_Games_At(int nTeam, int nOther);
int Count_Team_Games_Against(int nTeam, int nOther);
int Count_Team_Weeks_With_Game(int nTeam, int nWeeks);
int Game_Scheduled_Today(int nTeam, int nWeek);
int Clear_Scheduled_Game(int nTeamA, int nTeamB, int nWeek);
void Clear_Scheduled_Games(int nTeam);
int Get_Team_Raw_PBP_Flag(int nTeam, int nWeek);
int Get_Calendar_PBP_Flag(int nTeam, int nWeek);
void Set_Calendar_PBP_Flag(int nWeek, int nTeam, int nValue);
void Toggle_Calendar_PBP_Flag(int nTeam, int nWeek);

// ==== saved games and universe databases (saved_game_file.cpp, universe_load.cpp) ===============
#define GAME_FILE_VERSION 1904
#define AUTO_SAVE_FILE_NAME "[Auto Save].vnt"
#define DEFAULT_UNIVERSE_FILE_NAME "Databases/Universe-2019.dat"
#define UNIVERSE_FILE_FORMAT "databases/universe-%d.dat"
#define TEAM_CHECKSUM_OFFSET 7200

// Results of Save_Game_File.
#define SAVE_OK 0
#define SAVE_NOT_CREATED 1   // the file could not be created
#define SAVE_WRITE_FAILED 2  // compressing or writing failed; the old file is kept
#define SAVE_NO_MEMORY 3     // already told to the user

extern int gDatabaseLoaded;

// One copy of the whole block kept aside (league_copy.cpp): kept, put back (and then dropped), or
// dropped. 1 when done; a put back without a copy changes nothing.
int Keep_League_Copy(void);
int Put_Back_League_Copy(void);
void Drop_League_Copy(void);

int Save_Game_File(const char* szPath, HWND hDialog);  // hDialog may be NULL
// Why the last save failed, in a sentence naming the file; "" after a save that succeeded.
const char* Get_Save_Failure_Reason(void);
int Save_Universe_Database(int nYear);
int Read_Compressed_Chunks(FILE* pFile, void* pBlock, const char* szTitle);
// Reads a saved game into the block, converted to the current layout; the load steps are the
// caller's. 1 read, 0 failed (the block untouched, and one box has said why).
int Read_Game_File(const char* szPath, int* pVersion);
void Set_Statistics_First_Year(void);  // load_repairs.cpp
void Apply_Red_Zone_Blend(void);       // load_repairs.cpp
// Calls pfnVisit for every used slot of the league teams in use and of teams 36..40.
void For_Each_Roster_Player(void (*pfnVisit)(int nTeam, int nSlot));
// SAVE_VERSION: the route boundaries, and for each upgrade step the version it is measured
// against (files below it, or up to it, take the step; the upgrade chains say which).
enum SAVE_VERSION {
    SAVE_VERSION_OVERTIME_RULE = 1100,         // up to: the modern overtime rule after 2013
    SAVE_VERSION_RATINGS_RECALCULATED = 1163,  // ratings recalculated, repaired and normalised
    SAVE_VERSION_HEIGHT_REPAIR = 1210,         // damaged heights rebuilt from the weight
    SAVE_VERSION_LEAGUE_WEALTH = 1287,         // league wealth and weekly revenue
    SAVE_VERSION_FANTASY_DRAFT_STATE = 1306,   // a running fantasy draft's state
    SAVE_VERSION_RATINGS_NORMALIZED = 1310,    // up to: ratings normalised again
    SAVE_VERSION_TWO_WAY_PLAYERS = 1400,       // two-way specialists removed
    SAVE_VERSION_OVERTIME_LENGTH = 1410,       // the overtime period length
    SAVE_VERSION_LIST_COLUMNS = 1490,          // up to: the list-view columns reset
    SAVE_VERSION_RED_ZONE_BLEND = 1507,        // the red-zone rating of backs and receivers
    SAVE_VERSION_EXPANDED_POSITIONS = 1560,    // expanded-position bytes checked
    SAVE_VERSION_PHOTOS_AND_LOGOS = 1600,      // player photos and team logos installed
    SAVE_VERSION_KICKOFF_SPOTS = 1605,         // kickoff and missed-field-goal spots
    SAVE_VERSION_LEAGUE_NAMES = 1690,          // up to: league names rebuilt
    SAVE_VERSION_SEASON_COUNTER = 1803,        // a corrupted season counter repaired
    SAVE_VERSION_ROOKIE_OPTIONS = 1900,        // up to: rookie contract options
    SAVE_VERSION_BIRTH_DATES = 1904,           // first draft class and implausible birth dates
    SAVE_VERSION_FIRST_THOUSANDS = 2180,       // from here versions count major x 1000 + minor
    SAVE_VERSION_DRAFT_POOL_RESET = 2501,      // up to: the draft pool reset after the season
    SAVE_VERSION_RECORD_BOOK = 2502,           // the record book zeroed
    SAVE_VERSION_NEW_GAME_DEFAULTS = 3600,     // up to: new-game preference defaults
    SAVE_VERSION_LAST_OLD_UNIVERSE = 4100,     // up to: the old universe layout
    SAVE_VERSION_UNSUPPORTED = 4101,           // refused
    SAVE_VERSION_DRAFT_ROUND = 5050,           // no draft under way
    SAVE_VERSION_RETIRED_SETTING = 5140,       // PREF_RETIRED_SETTING cleared
    SAVE_VERSION_WEEKLY_COUNTER = 6010,        // every player's weekly counter reset
    SAVE_VERSION_PLAYBOOKS = 6500,             // up to: playbooks reset
    SAVE_VERSION_DEFENSIVE_SCHEMES = 6520,     // defensive schemes and run-pass balance
    SAVE_VERSION_POSITION_CODES = 6540,        // old position codes converted
    SAVE_VERSION_FUTURE_GAME_INDEXES = 6700,   // unplayed weeks' game index 0 becomes none
    SAVE_VERSION_DRAFT_ORDER = 7050,           // the draft order after the regular season
    SAVE_VERSION_SEASON_RULES = 7700,          // season rules; the game weather moved
    SAVE_VERSION_LAST_OLD_BLOCK = 7799,        // up to: the 80-player block layout
    SAVE_VERSION_FIRST_CHECKSUM = 7800,        // from here the team checksum is compared
    SAVE_VERSION_TWO_POINT_RULE = 8020,        // two-point conversions
    SAVE_VERSION_AUTO_FILL_ROSTERS = 8030,     // roster auto-fill on
    SAVE_VERSION_SALARY_REPAIR = 8050,         // corrupt salaries repaired
    SAVE_VERSION_OVERTIME_RULES = 8510         // overtime rules and the default skin
};
// Old records brought to the current fields in place (old_record_upgrades.cpp).
void Reset_Expanded_Position_Bytes(void);
void Convert_Old_Player_Fields(void);
void Copy_Old_Game_Weather(void);
void Clear_Record_Book(void);
void Repair_Player_Speed(void);  // load_repairs.cpp
int Compute_Team_Table_Checksum(void);
// Whether a person's edits changed the league since it was last saved or loaded
// (league_edit_mark.cpp); changed when it was never marked.
void Mark_League_Unchanged(void);
void Forget_League_Mark(void);
int Is_League_Changed(void);
int Get_Team_Checksum(void);
int Is_Database_Loaded(void);
void Store_Manager_Name_In_Fame_File(const char* szName);
void Rebuild_Records_From_Schedule(void);
void Set_All_Players_Vital_6(void);  // every player's weekly counter back to its start

// The whole league copied aside and put back (league_snapshot.cpp); null when out of memory.
SAVED_STATE* Take_League_Snapshot(void);
void Restore_League_Snapshot(const SAVED_STATE* pSnapshot);
void Free_League_Snapshot(SAVED_STATE* pSnapshot);

// Old file layouts brought to the current one in place (layout_conversions.cpp).
int Convert_Old_Universe_File(SAVED_STATE* pBlock);
int Convert_Old_Saved_Block(SAVED_STATE* pBlock);
