// What the saved-game modules of the database share: the version routes, the checksum and the
// reading of a block.
#pragma once

#include "database/database.h"

// ---- versions as read from a file header (SAVE_VERSION in database.h) -------------------------

// The block sizes of the two older layouts.
#define OLD_UNIVERSE_BLOCK_SIZE 6796916
#define OLD_BLOCK_SIZE 22355352

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
// The bytes of the block a route's file holds: the current block or an older layout's.
int Get_Route_Body_Size(int nRoute);

// Adler-32 from 0 over the block's teams, plus 7200.
int Compute_Block_Team_Checksum(const SAVED_STATE* pBlock);

// Opens a saved game, checks its header and reads its block into pBlock (zero-filled by the
// caller), converted to the current layout. The messages of a failure are shown here, except
// after a failed chunk read. 1 read, 0 failed; gSavedState is never touched.
int Read_Game_File_Block(const char* szPath, SAVED_STATE* pBlock, int* pVersion);

// Find_League_Settings_Fault for a block that is not the league's yet.
int Find_Block_League_Settings_Fault(const SAVED_STATE* pBlock, char* szWhy, int nSize);

// Checks the fields of a block just read (load_validation.cpp): out-of-range values that have a
// safe value are set to it, one log line per kind; a league that cannot be played is refused with
// a message naming the file. 1 usable, 0 refused.
int Validate_Loaded_Block(SAVED_STATE* pBlock, const char* szPath);
