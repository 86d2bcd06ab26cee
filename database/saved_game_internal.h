// What the saved-game modules of the database share: the version routes, the load steps, the
// upgrade chains and the repair steps that only the loader runs.
#pragma once

#include "database/database.h"

// ---- versions as read from a file header --------------------------------------------------------
#define FIRST_THOUSANDS_VERSION 2180   // from here versions count major x 1000 + minor
#define LAST_OLD_UNIVERSE_VERSION 4100
#define UNSUPPORTED_VERSION 4101
#define LAST_OLD_BLOCK_VERSION 7799
#define FIRST_CHECKSUM_VERSION 7800

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
