// The three player lookups: by player id, by outside-database id and by full name. Each is an
// open-addressing table from the key to the player's team and slot. Entries are trusted only
// after they are checked against the record they point to; a miss scans the whole league and
// repairs the entry, so players may move between rebuilds.
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"
#include "database/player_internal.h"

#define HASH_FULL_COUNT 8190
#define UNKNOWN_PLACE (-1)  // team or slot byte 255
#define START_MODULUS 20

PLAYER_ID_HASH gPlayerIdHash;
OSTREL_ID_HASH gOstrelIdHash;
PLAYER_NAME_HASH gPlayerNameHash;

// A key of any of the tables: ids use nId, the others szText.
typedef struct HASH_KEY {
    int32_t nId;
    char szText[PLAYER_NAME_TEXT_SIZE];
} HASH_KEY;

// Where one table keeps its keys. The id table has int keys (-1 empty) that start probing at
// id AND 0xFFF; the text tables have fixed-size text keys ("" empty) that start at three of the
// text's bytes.
typedef struct HASH_KIND {
    int32_t* pIdKeys;  // NULL for a text table
    char* pTextKeys;
    int nTextKeySize;
    int anStartBytes[3];  // low, middle and high digit of the start, base 20
    int8_t* pTeams;
    int8_t* pSlots;
    int* pCount;
    const char* szFilledMessage;
    int bTeamsInUseOnly;  // the rebuild skips league teams that are not in use
    int (*Get_Player_Key)(const PLAYER* pPlayer, HASH_KEY* pKey);  // 0 when he has none
} HASH_KIND;

#define EMPTY_PLAYER_ID (-1)
#define PLAYER_ID_START_MASK 0xFFF

static int Are_Texts_Equal(const char* szA, const char* szB) {
    return strcasecmp(szA, szB) == 0;
}

// Byte n of the text as an unsigned value; 0 past its end.
static int Get_Text_Byte(const char* szText, int n) {
    for (int i = 0; i < n; i++) {
        if (szText[i] == 0)
            return 0;
    }
    return (uint8_t)szText[n];
}

static int Get_Start_Entry(const HASH_KIND* pKind, const HASH_KEY* pKey) {
    if (pKind->pIdKeys)
        return pKey->nId & PLAYER_ID_START_MASK;
    const int* pBytes = pKind->anStartBytes;
    return Get_Text_Byte(pKey->szText, pBytes[0]) % START_MODULUS +
           START_MODULUS * (Get_Text_Byte(pKey->szText, pBytes[1]) % START_MODULUS) +
           START_MODULUS * START_MODULUS * (Get_Text_Byte(pKey->szText, pBytes[2]) % START_MODULUS);
}

static char* Get_Entry_Text(const HASH_KIND* pKind, int nEntry) {
    return pKind->pTextKeys + nEntry * pKind->nTextKeySize;
}

static int Is_Entry_Empty(const HASH_KIND* pKind, int nEntry) {
    if (pKind->pIdKeys)
        return pKind->pIdKeys[nEntry] == EMPTY_PLAYER_ID;
    return Get_Entry_Text(pKind, nEntry)[0] == 0;
}

static int Is_Entry_Key(const HASH_KIND* pKind, int nEntry, const HASH_KEY* pKey) {
    if (pKind->pIdKeys)
        return pKind->pIdKeys[nEntry] == pKey->nId;
    return Are_Texts_Equal(Get_Entry_Text(pKind, nEntry), pKey->szText);
}

// A NULL key empties the entry.
static void Store_Entry_Key(const HASH_KIND* pKind, int nEntry, const HASH_KEY* pKey) {
    if (pKind->pIdKeys)
        pKind->pIdKeys[nEntry] = pKey ? pKey->nId : EMPTY_PLAYER_ID;
    else
        Copy_Bounded_String(pKey ? pKey->szText : "", Get_Entry_Text(pKind, nEntry),
                            pKind->nTextKeySize);
}

// ---- the three tables --------------------------------------------------------------------------

static int Get_Player_Id_Key(const PLAYER* pPlayer, HASH_KEY* pKey) {
    pKey->szText[0] = 0;
    pKey->nId = pPlayer->anVitalStats[VITAL_PLAYER_ID];
    return pKey->nId != 0;
}

static int Get_Player_Ostrel_Key(const PLAYER* pPlayer, HASH_KEY* pKey) {
    pKey->nId = 0;
    safe_strncpy(pKey->szText, pPlayer->szOutsideId, PLAYER_OUTSIDE_ID_SIZE);
    return pKey->szText[0] != 0;
}

// A player without a first and last name has no key.
static int Get_Player_Name_Key(const PLAYER* pPlayer, HASH_KEY* pKey) {
    if (pPlayer->szFirstName[0] == 0 && pPlayer->szLastName[0] == 0)
        return 0;
    pKey->nId = 0;
    Format_Stored_Full_Name(pPlayer, pKey->szText, sizeof(pKey->szText));
    return 1;
}

static const HASH_KIND kIdHash = {
    gPlayerIdHash.anKeys,
    NULL,
    0,
    {0, 0, 0},
    gPlayerIdHash.anTeams,
    gPlayerIdHash.anSlots,
    &gPlayerIdHash.nCount,
    "HASH HAS FILLED!",
    0,
    Get_Player_Id_Key,
};

static const HASH_KIND kOstrelHash = {
    NULL,
    gOstrelIdHash.aszKeys[0],
    PLAYER_OUTSIDE_ID_SIZE,
    {6, 3, 0},
    gOstrelIdHash.anTeams,
    gOstrelIdHash.anSlots,
    &gOstrelIdHash.nCount,
    "OSTREL HASH HAS FILLED!",
    1,
    Get_Player_Ostrel_Key,
};

static const HASH_KIND kNameHash = {
    NULL,
    gPlayerNameHash.aszKeys[0],
    PLAYER_HASH_NAME_SIZE,
    {5, 9, 1},
    gPlayerNameHash.anTeams,
    gPlayerNameHash.anSlots,
    &gPlayerNameHash.nCount,
    "Player Name HASH HAS FILLED!",
    1,
    Get_Player_Name_Key,
};

// ---- the tables' common working ----------------------------------------------------------------

// Linear probing from the key's start: the entry holding the key, or the first empty one.
static int Probe_Hash(const HASH_KIND* pKind, const HASH_KEY* pKey) {
    int nEntry = Get_Start_Entry(pKind, pKey);
    for (int nSteps = 0; nSteps < PLAYER_HASH_SIZE; nSteps++) {
        if (Is_Entry_Empty(pKind, nEntry) || Is_Entry_Key(pKind, nEntry, pKey))
            break;
        nEntry = (nEntry + 1) % PLAYER_HASH_SIZE;
    }
    return nEntry;
}

static void Set_Entry_Place(const HASH_KIND* pKind, int nEntry, int nTeam, int nSlot) {
    pKind->pTeams[nEntry] = (int8_t)nTeam;
    pKind->pSlots[nEntry] = (int8_t)nSlot;
}

// Ids carry an empty text and texts an id of 0, so one comparison serves every table.
static int Are_Keys_Equal(const HASH_KEY* pA, const HASH_KEY* pB) {
    if (pA->nId != pB->nId)
        return 0;
    if (pA->szText[0] == '\0' || pB->szText[0] == '\0')  // the quick answer for id keys
        return pA->szText[0] == pB->szText[0];
    return Are_Texts_Equal(pA->szText, pB->szText);
}

static int Does_Player_Have_Key(const PLAYER* pPlayer, const HASH_KIND* pKind,
                                const HASH_KEY* pKey) {
    HASH_KEY playerKey;
    return pPlayer && pPlayer->anVitalStats[VITAL_PLAYER_ID] != 0 &&
           pKind->Get_Player_Key(pPlayer, &playerKey) && Are_Keys_Equal(&playerKey, pKey);
}

static void Rebuild_Hash(const HASH_KIND* pKind) {
    *pKind->pCount = 0;
    for (int nEntry = 0; nEntry < PLAYER_HASH_SIZE; nEntry++) {
        Store_Entry_Key(pKind, nEntry, NULL);
        Set_Entry_Place(pKind, nEntry, UNKNOWN_PLACE, UNKNOWN_PLACE);
    }
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (pKind->bTeamsInUseOnly && !Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            const PLAYER* pPlayer = &gTeams[nTeam].aPlayers[nSlot];
            HASH_KEY key;
            if (pPlayer->anVitalStats[VITAL_PLAYER_ID] == 0 ||
                !pKind->Get_Player_Key(pPlayer, &key))
                continue;
            int nEntry = Probe_Hash(pKind, &key);
            Store_Entry_Key(pKind, nEntry, &key);
            Set_Entry_Place(pKind, nEntry, nTeam, nSlot);
            (*pKind->pCount)++;
        }
    }
}

static int Give_Player_Ref(PLAYER_REF* pRef, int nTeam, int nSlot, int bFound) {
    if (pRef)
        *pRef = bFound ? Pack_Player_Ref(nTeam, nSlot) : NO_PLAYER_REF;
    return bFound;
}

// A verified entry answers at once; otherwise the league is scanned and the entry repaired.
static int Find_Hashed_Player(const HASH_KIND* pKind, PLAYER_REF* pRef, const HASH_KEY* pKey) {
    int nEntry = Probe_Hash(pKind, pKey);
    if (!Is_Entry_Empty(pKind, nEntry)) {
        int nTeam = pKind->pTeams[nEntry];
        int nSlot = pKind->pSlots[nEntry];
        if (Does_Player_Have_Key(Get_Player_Record(nTeam, nSlot), pKind, pKey))
            return Give_Player_Ref(pRef, nTeam, nSlot, 1);
    }
    Set_Entry_Place(pKind, nEntry, UNKNOWN_PLACE, UNKNOWN_PLACE);
    if (*pKind->pCount > HASH_FULL_COUNT) {
        Report_Error("%s", pKind->szFilledMessage);
        Rebuild_Hash(pKind);
        nEntry = Probe_Hash(pKind, pKey);
    }
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Does_Player_Have_Key(&gTeams[nTeam].aPlayers[nSlot], pKind, pKey))
                continue;
            if (Is_Entry_Empty(pKind, nEntry)) {
                Store_Entry_Key(pKind, nEntry, pKey);
                (*pKind->pCount)++;
            }
            Set_Entry_Place(pKind, nEntry, nTeam, nSlot);
            return Give_Player_Ref(pRef, nTeam, nSlot, 1);
        }
    }
    return Give_Player_Ref(pRef, 0, 0, 0);
}

// A lookup by text; the empty text finds nobody.
static int Find_Text_Key(const HASH_KIND* pKind, PLAYER_REF* pRef, const char* szText) {
    if (szText == NULL || szText[0] == 0)
        return Give_Player_Ref(pRef, 0, 0, 0);
    HASH_KEY key;
    key.nId = 0;
    safe_strncpy(key.szText, szText, sizeof(key.szText));
    return Find_Hashed_Player(pKind, pRef, &key);
}

static int Split_Player_Ref(int bFound, PLAYER_REF nRef, int* pTeam, int* pSlot) {
    Unpack_Player_Ref(nRef, pTeam, pSlot);
    return bFound;
}

// ---- the lookups -------------------------------------------------------------------------------

void Rebuild_Player_ID_Hash(void) {
    Rebuild_Hash(&kIdHash);
}

void Rebuild_Ostrel_ID_Hash(void) {
    Rebuild_Hash(&kOstrelHash);
}

void Rebuild_Player_Name_Hash(void) {
    Rebuild_Hash(&kNameHash);
}

int Find_Player_ID(PLAYER_REF* pRef, int nId) {
    if (nId <= 0)
        return Give_Player_Ref(pRef, 0, 0, 0);
    HASH_KEY key;
    key.nId = nId;
    key.szText[0] = 0;
    return Find_Hashed_Player(&kIdHash, pRef, &key);
}

int Get_Player_By_ID(int* pTeam, int* pSlot, int nId) {
    PLAYER_REF nRef;
    int bFound = Find_Player_ID(&nRef, nId);
    return Split_Player_Ref(bFound, nRef, pTeam, pSlot);
}

int Find_Player_ID_Split(int* pTeam, int* pSlot, int nId) {
    return Get_Player_By_ID(pTeam, pSlot, nId);
}

int Find_Ostrel_ID(PLAYER_REF* pRef, const char* szId) {
    return Find_Text_Key(&kOstrelHash, pRef, szId);
}

int Get_Player_By_Ostrel_ID(int* pTeam, int* pSlot, const char* szId) {
    PLAYER_REF nRef;
    int bFound = Find_Ostrel_ID(&nRef, szId);
    return Split_Player_Ref(bFound, nRef, pTeam, pSlot);
}

int Get_Player_By_Name(int* pTeam, int* pSlot, const char* szFullName) {
    PLAYER_REF nRef;
    int bFound = Find_Text_Key(&kNameHash, &nRef, szFullName);
    return Split_Player_Ref(bFound, nRef, pTeam, pSlot);
}
