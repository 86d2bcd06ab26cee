// The clean-ups after the players file: players too old, too young or without a name are
// removed, and names written in capitals or run together are put right.
#include <ctype.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "tools/tools.h"

#define OLDEST_IMPORTED_AGE 50
#define YOUNGEST_IMPORTED_AGE 17
#define LAST_CAPITALS_YEAR 2008  // files of these seasons write names in capitals

static int Get_Imported_Age(int nTeam, int nSlot) {
    return Get_Season_Year() - Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
}

static int Is_Unfit_Imported_Player(int nTeam, int nSlot) {
    if (nTeam < LEAGUE_TEAM_COUNT) {
        int nAge = Get_Imported_Age(nTeam, nSlot);
        if (nAge > OLDEST_IMPORTED_AGE || nAge < YOUNGEST_IMPORTED_AGE)
            return 1;
    }
    return Get_Player_First_Name_Ptr(nTeam, nSlot)[0] == 0 &&
           Get_Player_Last_Name_Ptr(nTeam, nSlot)[0] == 0;
}

void Remove_Unfit_Imported_Players(void) {
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot) && Is_Unfit_Imported_Player(nTeam, nSlot)) {
                Erase_Player_Season_Lines(nTeam, nSlot);
                Clear_Player(nTeam, nSlot);
            }
        }
        Compact_Team_Roster(nTeam);
    }
}

// Run-together first names and how they are written.
static const char* const kSplitFirstNames[][2] = {
    {"MarcAnthony", "Marc Anthony"}, {"JeanLuc", "Jean Luc"}, {"RayJon", "Ray Jon"}};

static void Remove_Character_At(char* szText, int n) {
    memmove(szText + n, szText + n + 1, strlen(szText + n));
}

static void Insert_Text_At(char* szText, int nSize, int n, const char* szInsert) {
    int nInsert = (int)strlen(szInsert);
    int nLength = (int)strlen(szText);
    if (nLength + nInsert >= nSize)
        return;
    memmove(szText + n + nInsert, szText + n, nLength - n + 1);
    memcpy(szText + n, szInsert, nInsert);
}

// Capitals inside a word are lowered, except after a blank, an apostrophe or a hyphen and
// before a point. Returns 1 when positions 1..nLast held a small letter before.
static int Lower_Inner_Capitals(char* szName, int nLast) {
    int bHadSmall = 0;
    int nLength = (int)strlen(szName);
    for (int i = 1; i <= nLast && i < nLength; i++) {
        if (islower((unsigned char)szName[i]))
            bHadSmall = 1;
    }
    for (int i = 1; i <= nLast && i < nLength; i++) {
        char chBefore = szName[i - 1];
        if (isupper((unsigned char)szName[i]) && chBefore != ' ' && chBefore != '\'' &&
            chBefore != '-' && szName[i + 1] != '.')
            szName[i] = (char)tolower((unsigned char)szName[i]);
    }
    return bHadSmall;
}

static void Remove_Early_Blanks(char* szName) {
    for (int i = 3; i >= 1; i--) {
        if (i < (int)strlen(szName) && szName[i] == ' ')
            Remove_Character_At(szName, i);
    }
}

static void Fix_First_Name(char* szName, int nSize, int bCapitals) {
    if (strlen(szName) == 2 && isupper((unsigned char)szName[1])) {
        char szInitials[8] = {szName[0], '.', szName[1], '.', 0};
        safe_strncpy(szName, szInitials, nSize);
    }
    for (size_t i = 0; i < sizeof(kSplitFirstNames) / sizeof(kSplitFirstNames[0]); i++) {
        if (strcmp(szName, kSplitFirstNames[i][0]) == 0)
            safe_strncpy(szName, kSplitFirstNames[i][1], nSize);
    }
    if (bCapitals) {
        Lower_Inner_Capitals(szName, PLAYER_FIRST_NAME_SIZE - 1);
        Remove_Early_Blanks(szName);
    }
}

// StJohn is parted first (St. John), so that the lowering keeps the capital after the blank.
static void Fix_Last_Name(char* szName, int nSize) {
    for (int i = 0; szName[i] && szName[i + 1] && szName[i + 2]; i++) {
        if (szName[i] == 'S' && szName[i + 1] == 't' && isupper((unsigned char)szName[i + 2]))
            Insert_Text_At(szName, nSize, i + 2, ". ");
    }
    if (!Lower_Inner_Capitals(szName, PLAYER_LAST_NAME_SIZE - 1))
        Remove_Early_Blanks(szName);
    for (int i = 0; szName[i] && szName[i + 1] && szName[i + 2]; i++) {
        if (szName[i] == 'M' && szName[i + 1] == 'c' && islower((unsigned char)szName[i + 2]))
            szName[i + 2] = (char)toupper((unsigned char)szName[i + 2]);
    }
}

void Fix_Imported_Names(void) {
    int bCapitals = Get_Universe_Stat(UNIVERSE_FIRST_YEAR) <= LAST_CAPITALS_YEAR;
    For_Each_League_Player([bCapitals](int nTeam, int nSlot) {
        char szFirst[PLAYER_FIRST_NAME_SIZE], szLast[PLAYER_LAST_NAME_SIZE];
        safe_strncpy(szFirst, Get_Player_First_Name_Ptr(nTeam, nSlot), sizeof(szFirst));
        safe_strncpy(szLast, Get_Player_Last_Name_Ptr(nTeam, nSlot), sizeof(szLast));
        Fix_First_Name(szFirst, sizeof(szFirst), bCapitals);
        if (bCapitals)
            Fix_Last_Name(szLast, sizeof(szLast));
        Set_Player_First_Name(nTeam, nSlot, szFirst);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
    });
}
