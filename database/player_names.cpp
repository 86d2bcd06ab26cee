// Player names: bounded setters, getters that name a nameless player on first use, the printed
// name forms, and the check that no two players share an id.
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"
#include "database/player_internal.h"

#define FALLBACK_FIRST_NAME "John"
#define FALLBACK_LAST_NAME "Smith"
#define SHORT_NAME_LIMIT 25
#define MAX_LEAGUE_PLAYERS (TOTAL_NUMBER_OF_TEAMS * PLAYERS_PER_TEAM)

// First names one letter longer than the field holds; the printed forms restore the last letter.
static const char* const kOverLongFirstNames[] = {"Michelangelo"};

// Long college names and the shorter forms the pages show.
static const char* const kCollegeDisplayNames[][2] = {
    {"Tennessee - Chattanooga", "Chattanooga (TN)"},
    {"Northwestern State - Louisiana", "NW State - Louisiana"},
    {"Northwest Missouri State", "NW Missouri State"},
    {"Mary Hardin-Baylor - TX", "Mary Hardin-Baylor"},
    {"Minnesota State - Mankato", "Mankato (MN)"},
};

static int gSeenIds[MAX_LEAGUE_PLAYERS];

// ---- setters -----------------------------------------------------------------------------------

// Copies at most nSize - 1 characters and zero-fills the rest of the field.
void Copy_Bounded_String(const char* szSource, char* pField, int nSize) {
    if (pField == NULL || nSize <= 0)
        return;
    int n = 0;
    while (szSource && n < nSize - 1 && szSource[n] != 0) {
        pField[n] = szSource[n];
        n++;
    }
    memset(pField + n, 0, nSize - n);
}

void Set_Player_Last_Name(int nTeam, int nSlot, const char* szName) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (pPlayer)
        Copy_Bounded_String(szName, pPlayer->szLastName, PLAYER_LAST_NAME_SIZE);
}

void Set_Player_First_Name(int nTeam, int nSlot, const char* szName) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (pPlayer)
        Copy_Bounded_String(szName, pPlayer->szFirstName, PLAYER_FIRST_NAME_SIZE);
}

void Set_Player_Ostrel_ID(int nTeam, int nSlot, const char* szId) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (pPlayer)
        Copy_Bounded_String(szId, pPlayer->szOutsideId, PLAYER_OUTSIDE_ID_SIZE);
}

// An '&' would break the HTML pages: it becomes '+', in the caller's text too.
void Set_Player_College_Name(int nTeam, int nSlot, char* szName) {
    for (char* p = szName; p && *p; p++) {
        if (*p == '&')
            *p = '+';
    }
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (pPlayer)
        Copy_Bounded_String(szName, pPlayer->szCollege, PLAYER_COLLEGE_SIZE);
}

// ---- stored strings ----------------------------------------------------------------------------

const char* Get_Player_Ostrel_ID(int nTeam, int nSlot) {
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    return pPlayer ? pPlayer->szOutsideId : "";
}

const char* Get_Player_First_Name_Ptr(int nTeam, int nSlot) {
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    return pPlayer ? pPlayer->szFirstName : "";
}

const char* Get_Player_Last_Name_Ptr(int nTeam, int nSlot) {
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    return pPlayer ? pPlayer->szLastName : "";
}

void Copy_Player_Ostrel_ID(int nTeam, int nSlot, char* szOut, int nSize) {
    safe_strncpy(szOut, Get_Player_Ostrel_ID(nTeam, nSlot), Min_Int(nSize, PLAYER_OUTSIDE_ID_SIZE));
}

void Get_Player_College_Name(int nTeam, int nSlot, char* szOut, int nSize) {
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    safe_strncpy(szOut, pPlayer ? pPlayer->szCollege : "", Min_Int(nSize, PLAYER_COLLEGE_SIZE));
}

// A long name is matched as the field stores it, cut to 23 characters.
void Get_Player_College_Display_Name(int nTeam, int nSlot, char* szOut, int nSize) {
    Get_Player_College_Name(nTeam, nSlot, szOut, nSize);
    for (const auto& names : kCollegeDisplayNames) {
        char szStored[PLAYER_COLLEGE_SIZE];
        Copy_Bounded_String(names[0], szStored, PLAYER_COLLEGE_SIZE);
        if (strcasecmp(szOut, szStored) == 0) {
            safe_strncpy(szOut, names[1], nSize);
            return;
        }
    }
}

void Format_Stored_Full_Name(const PLAYER* pPlayer, char* szOut, int nSize) {
    // A name that fills its field has no terminator: it ends with the field.
    Format_String(szOut, nSize, "%.*s %.*s", PLAYER_FIRST_NAME_SIZE, pPlayer->szFirstName,
                  PLAYER_LAST_NAME_SIZE, pPlayer->szLastName);
}

// ---- names filled on first use -----------------------------------------------------------------

static void Draw_First_Name(char* szName, int nSize) {
    if (Take_First_Name(szName, nSize))
        return;
    Load_First_Names();
    if (!Take_First_Name(szName, nSize) || szName[0] == 0)
        safe_strncpy(szName, FALLBACK_FIRST_NAME, nSize);
}

static void Draw_Last_Name(char* szName, int nSize) {
    if (!Pick_Last_Name(szName, nSize) || szName[0] == 0)
        safe_strncpy(szName, FALLBACK_LAST_NAME, nSize);
}

// Copies out a name field of a used slot, drawing a name into it first when it is empty.
static void Get_Filled_Name(int nTeam, int nSlot, char* szOut, int nSize, int bFirstName) {
    PLAYER* pPlayer = Get_Used_Player_Record(nTeam, nSlot);
    if (!pPlayer) {
        szOut[0] = 0;
        return;
    }
    char* pField = bFirstName ? pPlayer->szFirstName : pPlayer->szLastName;
    int nFieldSize = bFirstName ? PLAYER_FIRST_NAME_SIZE : PLAYER_LAST_NAME_SIZE;
    if (pField[0] == 0) {
        char szName[PLAYER_NAME_TEXT_SIZE] = "";
        if (bFirstName)
            Draw_First_Name(szName, nSize);
        else
            Draw_Last_Name(szName, nSize);
        Copy_Bounded_String(szName, pField, nFieldSize);
    }
    safe_strncpy(szOut, pField, Min_Int(nSize, nFieldSize));
}

void Get_Player_First_Name(int nTeam, int nSlot, char* szOut, int nSize) {
    Get_Filled_Name(nTeam, nSlot, szOut, nSize, 1);
}

void Get_Player_Last_Name(int nTeam, int nSlot, char* szOut, int nSize) {
    Get_Filled_Name(nTeam, nSlot, szOut, nSize, 0);
}

// ---- printed forms -----------------------------------------------------------------------------

// Appends the lost last letter when the name is the cut-off form of an over-long first name
// and the buffer has room for it.
static void Restore_Over_Long_First_Name(char* szName, int nSize) {
    const int nStored = PLAYER_FIRST_NAME_SIZE - 1;
    if (nSize < nStored + 2)
        return;
    for (const char* szLong : kOverLongFirstNames) {
        if ((int)strlen(szName) == nStored && strncasecmp(szName, szLong, nStored) == 0) {
            szName[nStored] = szLong[nStored];
            szName[nStored + 1] = 0;
            return;
        }
    }
}

void Get_Player_First_Name_Full(int nTeam, int nSlot, char* szOut, int nSize) {
    Get_Player_First_Name(nTeam, nSlot, szOut, nSize);
    Restore_Over_Long_First_Name(szOut, nSize);
}

// "first last", the first name restored when asked; the bad team or empty slot is reported.
static void Format_Full_Name(int nTeam, int nSlot, char* szOut, int nSize, int bRestore) {
    if (!Is_Valid_Team(nTeam)) {
        Report_Error("Invalid team in Get_Player_Full_Name(%d,%d,)", nTeam, nSlot);
        safe_strncpy(szOut, "INVALID-TEAM", nSize);
        return;
    }
    if (!Is_Player_Slot_Used(nTeam, nSlot)) {
        Report_Error("Invalid player in Get_Player_Full_Name(%d,%d,)", nTeam, nSlot);
        safe_strncpy(szOut, "INVALID-PLAYER", nSize);
        return;
    }
    char szFirst[PLAYER_NAME_TEXT_SIZE];
    char szLast[PLAYER_NAME_TEXT_SIZE];
    Get_Player_First_Name(nTeam, nSlot, szFirst, sizeof(szFirst));
    if (bRestore)
        Restore_Over_Long_First_Name(szFirst, sizeof(szFirst));
    Get_Player_Last_Name(nTeam, nSlot, szLast, sizeof(szLast));
    Format_String(szOut, nSize, "%s %s", szFirst, szLast);
}

void Get_Player_Full_Name(int nTeam, int nSlot, char* szOut, int nSize) {
    Format_Full_Name(nTeam, nSlot, szOut, nSize, 1);
}

void Get_Player_Full_Name_Plain(int nTeam, int nSlot, char* szOut, int nSize) {
    Format_Full_Name(nTeam, nSlot, szOut, nSize, 0);
}

void Get_Player_Last_First_Name(int nTeam, int nSlot, char* szOut, int nSize) {
    szOut[0] = 0;
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    char szFirst[PLAYER_NAME_TEXT_SIZE];
    char szLast[PLAYER_NAME_TEXT_SIZE];
    Get_Player_First_Name_Full(nTeam, nSlot, szFirst, sizeof(szFirst));
    Get_Player_Last_Name(nTeam, nSlot, szLast, sizeof(szLast));
    Format_String(szOut, nSize, "%s, %s", szLast, szFirst);
}

void Get_Player_Last_First_Name_Raw(int nTeam, int nSlot, char* szOut, int nSize) {
    Format_String(szOut, nSize, "%s, %s", Get_Player_Last_Name_Ptr(nTeam, nSlot),
                  Get_Player_First_Name_Ptr(nTeam, nSlot));
}

// "F. Last" from the stored names.
void Get_Player_Abbreviated_Name(int nTeam, int nSlot, char* szOut, int nSize) {
    Format_String(szOut, nSize, "%c. %s", Get_Player_First_Name_Ptr(nTeam, nSlot)[0],
                  Get_Player_Last_Name_Ptr(nTeam, nSlot));
}

void Get_Player_Short_Full_Name(int nTeam, int nSlot, char* szOut, int nSize) {
    Get_Player_Full_Name(nTeam, nSlot, szOut, nSize);
    if ((int)strlen(szOut) >= SHORT_NAME_LIMIT)
        Get_Player_Abbreviated_Name(nTeam, nSlot, szOut, nSize);
}

// ---- id sanity check ---------------------------------------------------------------------------

static int Is_Id_Seen(int nId, int nSeen) {
    for (int i = 0; i < nSeen; i++) {
        if (gSeenIds[i] == nId)
            return 1;
    }
    return 0;
}

// Every later holder of an id already taken gets a new id; the first holder keeps it, so what
// refers to him stays right. True when all ids were unique.
int Sanity_Check_Player_IDs(void) {
    DWORD nStart = GetTickCount();
    Debug_Print("Sanity Checking Player IDs");
    int nSeen = 0;
    int nDuplicates = 0;
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            int nId = Get_Player_ID(nTeam, nSlot);
            if (Is_Id_Seen(nId, nSeen)) {
                int nNewId = Make_Unique_Player_Id(nTeam, nSlot);
                Log_Debug_Line("Duplicate Player ID found: %d.  Changing to %d.", nId, nNewId);
                Set_Player_ID(nTeam, nSlot, nNewId);
                nId = nNewId;
                nDuplicates++;
            }
            gSeenIds[nSeen++] = nId;
        }
    }
    if (nDuplicates > 0) {
        Log_Debug_Line("%d Duplicate player ID's were found.  Sanity Checking YBY.", nDuplicates);
        return 0;
    }
    Debug_Print("Finished Sanity Checking Player IDs in %dms", (int)(GetTickCount() - nStart));
    return 1;
}
