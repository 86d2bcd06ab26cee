// What the saved-game modules of the database share: the version routes, the load steps, the
// upgrade chains and the repair steps that only the loader runs.
#pragma once

#include "database/database.h"

// ---- versions as read from a file header --------------------------------------------------------
// SAVE_VERSION: the route boundaries, and for each upgrade step the version it is measured
// against (files below it, or up to it, take the step; version_upgrades.cpp says which).
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

enum VERSION_ROUTE {
    ROUTE_CURRENT_LAYOUT = 0,  // no conversion; the chain for versions below 2180
    ROUTE_OLD_UNIVERSE,        // Convert_Old_Universe_File
    ROUTE_UNSUPPORTED,         // refused
    ROUTE_OLD_BLOCK,           // Convert_Old_Saved_Block
    ROUTE_CHECKSUM_TESTED      // no conversion; the team checksum is compared
};

// The version of the four digits at header bytes 13..16.
int Read_Header_Version(const char* pDigits);
int Get_Version_Route(int nVersion);

// Adler-32 from 0 over the block's teams, plus 7200.
int Compute_Block_Team_Checksum(const SAVED_STATE* pBlock);

// Opens a saved game, checks its header and reads its block into pBlock (zero-filled by the
// caller), converted to the current layout. The messages of a failure are shown here, except
// after a failed chunk read. 1 read, 0 failed; gSavedState is never touched.
int Read_Game_File_Block(const char* szPath, SAVED_STATE* pBlock, int* pVersion);

// The steps that follow every load into gSavedState, in order (universe_load.cpp).
void Run_Load_Steps(int nVersion);

// Upgrade steps by version (version_upgrades.cpp), in the order the load steps call them.
void Run_New_Game_Defaults_Upgrade(int nVersion);
void Run_Roster_Upgrades(int nVersion);
void Run_Version_Upgrade_Chain(int nVersion);

// Upgrade steps of old files.
void Reset_Expanded_Position_Bytes(void);
void Convert_Old_Player_Fields(void);
void Copy_Old_Game_Weather(void);

// Repair steps (load_repairs.cpp).
void Repair_Corrupted_Season_Counter(void);
void Set_All_Players_Vital_6(void);
void Apply_Red_Zone_Blend(void);
void Repair_Player_Speed(void);
void Set_Statistics_First_Year(void);

// Calls pfnVisit for every used slot of the league teams in use and of teams 36..40.
void For_Each_Roster_Player(void (*pfnVisit)(int nTeam, int nSlot));
