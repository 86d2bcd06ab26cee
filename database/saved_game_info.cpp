// What a saved game keeps about itself: the team checksum that tells whether the league changed
// since the last save, whether a league is loaded, and the manager's name.
#include <string.h>
#include <zlib.h>

#include "database/database.h"
#include "database/saved_game_internal.h"

#define FAME_USER_NAME_OFFSET 23280
#define FAME_USER_NAME_SIZE 256

int gDatabaseLoaded = 0;

int Compute_Block_Team_Checksum(const SAVED_STATE* pBlock) {
    uint32_t uSum = (uint32_t)adler32(0L, reinterpret_cast<const Bytef*>(pBlock->aTeams),
                                      sizeof(pBlock->aTeams));
    return (int)(uSum + TEAM_CHECKSUM_OFFSET);
}

int Compute_Team_Table_Checksum(void) {
    return Compute_Block_Team_Checksum(&gSavedState);
}

int Get_Team_Checksum(void) {
    return gTeamChecksum;
}

int Is_Database_Loaded(void) {
    return gDatabaseLoaded;
}

// The Hall of Fame file is written back only when it was read: a record that could not be read
// is all zero and would wipe the tables.
void Store_Manager_Name_In_Fame_File(const char* szName) {
    uint8_t abRecord[FAME_FILE_SIZE];
    if (!Read_Fame_File(abRecord))
        return;
    safe_strncpy(reinterpret_cast<char*>(abRecord + FAME_USER_NAME_OFFSET), szName,
                 FAME_USER_NAME_SIZE);
    Write_Fame_File(abRecord);
}
