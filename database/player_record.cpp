// The player record's fields: slot queries, vital stats with their repairs and derived values,
// byte stats, grades, draft data, ages and the record checksum.
#include <zlib.h>

#include "core/core.h"
#include "database/database.h"
#include "database/player_internal.h"

#define BAD_POTENTIAL_LIMIT 250
#define POTENTIAL_BASE 75
#define POTENTIAL_SPREAD 60
#define PRIME_START_LIMIT 30
#define DRAFT_RECORD_TEAM_FACTOR 10000
#define DATE_YEAR_FACTOR 10000
#define EARLIEST_BIRTH_DATE 18000000
#define ROOKIE_AGE 21
#define RESET_AGE 22
#define IMPLAUSIBLE_AGE 100
#define SMALL_BONUS_BASE 65  // thousands, base season
#define SMALL_CONTRACT_MINIMUM_EXPERIENCE 2

// First day of each month, counted from 1 January (no leap years).
static const int kMonthStarts[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

PLAYER* Get_Player_Record(int nTeam, int nSlot) {
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return NULL;
    return &gTeams[nTeam].aPlayers[nSlot];
}

PLAYER* Get_Used_Player_Record(int nTeam, int nSlot) {
    return Is_Player_Slot_Used(nTeam, nSlot) ? &gTeams[nTeam].aPlayers[nSlot] : NULL;
}

// ---- slots and references ----------------------------------------------------------------------

int Is_Player_Slot_Used(int nTeam, int nSlot) {
    return Is_Valid_Team(nTeam) && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM &&
           gTeams[nTeam].aPlayers[nSlot].anVitalStats[VITAL_PLAYER_ID] != 0;
}

PLAYER_REF Pack_Player_Ref(int nTeam, int nSlot) {
    return (PLAYER_REF)((uint8_t)nTeam | ((uint8_t)nSlot << 8));
}

// Both bytes are signed: a failed lookup unpacks to NO_TEAM and NO_PLAYER.
void Unpack_Player_Ref(PLAYER_REF nRef, int* pTeam, int* pSlot) {
    if (pTeam)
        *pTeam = (int8_t)(nRef & 0xFF);
    if (pSlot)
        *pSlot = (int8_t)(nRef >> 8);
}

int Is_Player_Ref_Used(PLAYER_REF nRef) {
    int nTeam, nSlot;
    Unpack_Player_Ref(nRef, &nTeam, &nSlot);
    return Is_Player_Slot_Used(nTeam, nSlot);
}

// Rosters are packed, so the first free slot is also the number of players.
int Find_Free_Player_Slot(int nTeam) {
    if (!Is_Valid_Team(nTeam))
        return 0;
    uint8_t nSlot = Get_First_Empty_Player_Slot(nTeam);
    return nSlot == NO_SLOT_BYTE ? PLAYERS_PER_TEAM : nSlot;
}

uint8_t Get_First_Empty_Player_Slot(int nTeam) {
    const PLAYER* aPlayers = Get_Player_Record(nTeam, 0);
    if (!aPlayers)
        return NO_SLOT_BYTE;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (aPlayers[nSlot].anVitalStats[VITAL_PLAYER_ID] == 0)
            return (uint8_t)nSlot;
    }
    return NO_SLOT_BYTE;
}

int Get_Player_ID(int nTeam, int nSlot) {
    if (nSlot == NO_PLAYER)
        return -1;
    return Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_PLAYER_ID);
}

void Set_Player_ID(int nTeam, int nSlot, int nId) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (pPlayer)
        pPlayer->anVitalStats[VITAL_PLAYER_ID] = nId;
}

// ---- vital stats -------------------------------------------------------------------------------

int Get_Player_Vital_Stat_Raw(int nTeam, int nSlot, int nStat) {
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (!pPlayer || nStat < 0 || nStat >= VITAL_STAT_COUNT)
        return 0;
    return pPlayer->anVitalStats[nStat];
}

void Set_Player_Vital_Stat(int nTeam, int nSlot, int nStat, int nValue) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (!pPlayer || nStat < 0 || nStat >= VITAL_STAT_COUNT)
        return;
    if (nStat == VITAL_EXPERIENCE && nValue > MAX_EXPERIENCE)
        nValue = MAX_EXPERIENCE;
    pPlayer->anVitalStats[nStat] = nValue;
}

// A stored vital stat, with the two repairs that are written back: a potential factor above 250
// is drawn anew, and the prime's start never lies past its end or past 30.
static int Read_Stored_Vital_Stat(PLAYER* pPlayer, int nStat) {
    int32_t* pStats = pPlayer->anVitalStats;
    if (nStat == VITAL_POTENTIAL && pStats[nStat] > BAD_POTENTIAL_LIMIT)
        pStats[nStat] = POTENTIAL_BASE + Random_Below(POTENTIAL_SPREAD);
    if (nStat == VITAL_PRIME_START &&
        (pStats[VITAL_PRIME_END] < pStats[nStat] || pStats[nStat] > PRIME_START_LIMIT))
        pStats[nStat] = Min_Int(Min_Int(pStats[nStat], pStats[VITAL_PRIME_END]), PRIME_START_LIMIT);
    return pStats[nStat];
}

static int Get_Prorated_Bonus(const PLAYER* pPlayer) {
    int nLength = pPlayer->anVitalStats[VITAL_CONTRACT_LENGTH];
    return nLength == 0 ? 0 : pPlayer->anVitalStats[VITAL_SIGNING_BONUS] / nLength;
}

// Salary plus prorated bonus; a one-year minimum contract with a small bonus counts no more than
// the league minimum of a two-year player.
static int Get_Cap_Impact(int nTeam, int nSlot, const PLAYER* pPlayer) {
    const int32_t* pStats = pPlayer->anVitalStats;
    int nImpact = pStats[VITAL_SALARY] + Get_Prorated_Bonus(pPlayer);
    if (pStats[VITAL_SALARY] <= Get_Player_Minimum_Salary(nTeam, nSlot) &&
        pStats[VITAL_CONTRACT_LENGTH] == 1 &&
        pStats[VITAL_SIGNING_BONUS] <= Apply_Inflation(SMALL_BONUS_BASE))
        nImpact = Min_Int(nImpact, Get_League_Minimum_Salary(SMALL_CONTRACT_MINIMUM_EXPERIENCE));
    return nImpact;
}

int Get_Player_Vital_Stat(int nTeam, int nSlot, int nStat) {
    if (nTeam == NO_TEAM || nSlot == NO_PLAYER || nStat < 0)
        return 0;
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (!pPlayer)
        return 0;
    if (nStat < VITAL_STAT_COUNT)
        return Read_Stored_Vital_Stat(pPlayer, nStat);
    switch (nStat) {
    case VITAL_CAP_IMPACT: return Get_Cap_Impact(nTeam, nSlot, pPlayer);
    case VITAL_NORMALIZED_CAP_IMPACT:
        return Normalize_Money_To_Cap(Get_Cap_Impact(nTeam, nSlot, pPlayer));
    case VITAL_PRORATED_BONUS: return Get_Prorated_Bonus(pPlayer);
    default:
        Show_Message_Box("Get_Player_Vital_Stat(TNUM nTeam, INDEX nSlot, int nStat)",
                         "Unrecognized VITAL_STAT: %d", nStat);
        return 0;
    }
}

// ---- byte stats and grades ---------------------------------------------------------------------

int Get_Player_Byte_Stat(int nTeam, int nSlot, int n) {
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (!pPlayer || n < 0 || n >= PLAYER_BYTE_STAT_COUNT)
        return 0;
    return pPlayer->anByteStats[n];
}

void Set_Player_Byte_Stat(int nTeam, int nSlot, int n, int nValue) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (pPlayer && n >= 0 && n < PLAYER_BYTE_STAT_COUNT)
        pPlayer->anByteStats[n] = (int8_t)nValue;
}

int Get_Player_Expanded_Position(int nTeam, int nSlot, char* szOut, int nSize) {
    int nCode = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION);
    if (szOut)
        Get_Depth_Role_Abbreviation(nCode, szOut, nSize);
    return nCode;
}

int16_t Get_Player_Grade(int nTeam, int nSlot, int n) {
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (!pPlayer || n < 0 || n >= PLAYER_GRADE_COUNT)
        return 0;
    return pPlayer->anGrades[n];
}

void Set_Player_Grade(int nTeam, int nSlot, int n, int nValue) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (pPlayer && n >= 0 && n < PLAYER_GRADE_COUNT)
        pPlayer->anGrades[n] = (int16_t)nValue;
}

// ---- draft data --------------------------------------------------------------------------------

int Get_Player_Original_Team(int nTeam, int nSlot) {
    return Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_DRAFT_RECORD) / DRAFT_RECORD_TEAM_FACTOR -
           1;
}

int Get_Player_Draft_Year(int nTeam, int nSlot) {
    return Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_DRAFT_RECORD) % DRAFT_RECORD_TEAM_FACTOR;
}

// ---- ages --------------------------------------------------------------------------------------

static int Get_Birth_Year(int nTeam, int nSlot) {
    return Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_BIRTH_DATE) / DATE_YEAR_FACTOR;
}

// Moves the birth date by whole years; the month and day stay.
static void Shift_Birth_Year(int nTeam, int nSlot, int nYears) {
    int nBirthDate = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_BIRTH_DATE);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE,
                          Saturate_To_Int(nBirthDate + (int64_t)nYears * DATE_YEAR_FACTOR));
}

// The league's current date as yyyymmdd.
static int Get_Today_Date(void) {
    int nDay = Get_Current_Day_Of_Year() % 365;
    int nMonth = Get_Current_Month();
    return Get_Current_Calendar_Year() * DATE_YEAR_FACTOR + (nMonth + 1) * 100 +
           (nDay - kMonthStarts[nMonth]) + 1;
}

int Get_Player_Age(int nTeam, int nSlot) {
    return Saturate_To_Int((int64_t)Get_Season_Year() - Get_Birth_Year(nTeam, nSlot));
}

// Age in whole years on today's date. A missing birth date becomes 1 January of the year that
// makes him 21 when his league career began.
int Get_Player_Exact_Age(int nTeam, int nSlot) {
    int nBirthDate = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_BIRTH_DATE);
    if (nBirthDate < EARLIEST_BIRTH_DATE) {
        int nYear = Get_Current_Calendar_Year() - Count_NFL_Seasons(nTeam, nSlot) - ROOKIE_AGE;
        nBirthDate = nYear * DATE_YEAR_FACTOR + 101;
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE, nBirthDate);
    }
    return (Get_Today_Date() - nBirthDate) / DATE_YEAR_FACTOR;
}

void Set_Player_Exact_Age(int nTeam, int nSlot, int nAge) {
    Shift_Birth_Year(nTeam, nSlot, Get_Player_Exact_Age(nTeam, nSlot) - nAge);
}

void Set_Player_Age_22(int nTeam, int nSlot) {
    Shift_Birth_Year(nTeam, nSlot, Get_Player_Age(nTeam, nSlot) - RESET_AGE);
}

// Players over 100 become 22, keeping their birthday; the Hall of Fame is left as it is.
void Reset_Implausible_Birth_Dates(void) {
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (nTeam == HALL_OF_FAME_TEAM)
            continue;
        int nPlayers = Find_Free_Player_Slot(nTeam);
        for (int nSlot = 0; nSlot < nPlayers; nSlot++) {
            int nAge = Get_Player_Age(nTeam, nSlot);
            if (nAge > IMPLAUSIBLE_AGE)
                Shift_Birth_Year(nTeam, nSlot, nAge - RESET_AGE);
        }
    }
}

// ---- checksum ----------------------------------------------------------------------------------

// Adler-32 started from 0 over the whole record; 0 when no player has the id.
uint32_t Get_Player_Record_Checksum(int nId) {
    PLAYER_REF nRef;
    if (!Find_Player_ID(&nRef, nId))
        return 0;
    int nTeam, nSlot;
    Unpack_Player_Ref(nRef, &nTeam, &nSlot);
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (!pPlayer || pPlayer->anVitalStats[VITAL_PLAYER_ID] == 0)
        return 0;
    return (uint32_t)adler32(0L, reinterpret_cast<const Bytef*>(pPlayer), sizeof(PLAYER));
}
