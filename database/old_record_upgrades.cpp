// Old records brought to the current fields in place: the steps of the upgrade chains that
// rewrite stored bytes.
#include <string.h>

#include "database/database.h"

#define VITAL_OLD_UNIFORM 9
#define VITAL_OLD_RINGS 18
#define OLD_DRAFT_PICK_SCALE 10000
#define NEW_DRAFT_PICK_SCALE 100000
#define GAME_OFFSET_WIND_SPEED 42
#define GAME_OFFSET_OLD_WIND_SPEED 52
#define GAME_OFFSET_WIND_ANGLE 46
#define GAME_OFFSET_OLD_WIND_ANGLE 56

static_assert(offsetof(GAME, anInfo) + 2 * GAME_INFO_WIND_SPEED == GAME_OFFSET_WIND_SPEED);
static_assert(offsetof(GAME, anInfo) + 2 * GAME_INFO_WIND_ANGLE == GAME_OFFSET_WIND_ANGLE);

static void Reset_Expanded_Position_Byte(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nCode = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION);
    if (Translate_Expanded_Position(nCode) != nPosition)
        Set_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION, nPosition);
}

void Reset_Expanded_Position_Bytes(void) {
    For_Each_Roster_Player(Reset_Expanded_Position_Byte);
}

// Old records kept the wind in two 16-bit fields further on.
void Copy_Old_Game_Weather(void) {
    const size_t nField = sizeof(int16_t);
    for (int n = 0; n < GAME_COUNT; n++) {
        uint8_t* pRecord = reinterpret_cast<uint8_t*>(&gGames[n]);
        memmove(pRecord + GAME_OFFSET_WIND_SPEED, pRecord + GAME_OFFSET_OLD_WIND_SPEED, nField);
        memmove(pRecord + GAME_OFFSET_WIND_ANGLE, pRecord + GAME_OFFSET_OLD_WIND_ANGLE, nField);
    }
}

// Old records kept the uniform number and the rings in vital stats and the draft pick's year in
// thousands.
static void Convert_Old_Player_Record(int nTeam, int nSlot) {
    PLAYER* pPlayer = &gTeams[nTeam].aPlayers[nSlot];
    int32_t* pVital = pPlayer->anVitalStats;
    pPlayer->anByteStats[BYTE_UNIFORM_NUMBER] = (int8_t)pVital[VITAL_OLD_UNIFORM];
    if (pVital[VITAL_OLD_RINGS] < 256)
        pPlayer->anByteStats[BYTE_RINGS] = (int8_t)pVital[VITAL_OLD_RINGS];
    pVital[VITAL_OLD_RINGS] = 0;
    int64_t nPick = pVital[VITAL_DRAFT_PICK];
    int64_t nConverted =
        nPick / OLD_DRAFT_PICK_SCALE * NEW_DRAFT_PICK_SCALE + nPick % OLD_DRAFT_PICK_SCALE;
    if (nConverted >= INT32_MIN && nConverted <= INT32_MAX)
        pVital[VITAL_DRAFT_PICK] = (int32_t)nConverted;
}

void Convert_Old_Player_Fields(void) {
    For_Each_Roster_Player(Convert_Old_Player_Record);
}

void Clear_Record_Book(void) {
    memset(&gRecordBook, 0, sizeof(gRecordBook));
}
