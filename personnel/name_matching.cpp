// Players found by the names outside files give: the best fitting carrier of a name for the
// statistics importers, and the one and only carrier of a name for the roster file.
#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define SAME_POSITION_BONUS 2500
#define POSITION_DISTANCE_BASE 75
#define POSITION_DISTANCE_FACTOR 20
#define OTHER_POSITION_BONUS 500
#define OTHER_SIDE_PENALTY 1000
#define EXPECTED_TEAM_BONUS 5000
#define YOUNGEST_PLAUSIBLE_AGE 20
#define OLDEST_PLAUSIBLE_AGE 40
#define OVERALL_SEASON 3
#define OVERALL_STAT 225

#define ROSTER_REPORT_FOLDER "Output"
#define ROSTER_UNKNOWNS_FILE "output\\roster-unknowns.txt"
#define ROSTER_DOUBLES_FILE "output\\roster-doubles.txt"

// Data sources spell this first name two ways; names that both begin with it are taken as one.
static const char kVariantNamePrefix[] = "Jermain";
#define VARIANT_PREFIX_LENGTH 7

// The name as looked up: a leading character that is not an upper-case letter is dropped.
static const char* Skip_Name_Mark(const char* szName) {
    return (szName[0] >= 'A' && szName[0] <= 'Z') ? szName : szName + 1;
}

static void Clear_Found_Player(int* pTeam, int* pSlot) {
    *pTeam = NO_TEAM;
    *pSlot = NO_SLOT_BYTE;
}

// How well a carrier of the name fits the wanted position and team.
static int Score_Name_Candidate(int nTeam, int nSlot, int nExpectedTeam, int nPosition) {
    int nOverall = Get_Player_Stat(nTeam, nSlot, OVERALL_SEASON, OVERALL_STAT);
    int nOwnPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nScore;
    if (nOwnPosition == nPosition)
        nScore = nOverall + SAME_POSITION_BONUS;
    else
        nScore =
            nOverall +
            (POSITION_DISTANCE_BASE - abs(nOwnPosition - nPosition)) * POSITION_DISTANCE_FACTOR +
            OTHER_POSITION_BONUS;
    if (Get_Position_Side(nOwnPosition) != Get_Position_Side(nPosition))
        nScore -= OTHER_SIDE_PENALTY;
    if (nTeam == nExpectedTeam)
        nScore += EXPECTED_TEAM_BONUS;
    int nAge = Get_Player_Age(nTeam, nSlot);
    if (nAge < YOUNGEST_PLAUSIBLE_AGE)
        nScore += 10 * nAge - 200;
    else if (nAge > OLDEST_PLAUSIBLE_AGE)
        nScore += 2 * (OLDEST_PLAUSIBLE_AGE - nAge);
    return nScore;
}

// Calls pfnVisit(team, slot) for every player of the league, the free agents and the draft pool
// whose full name pfnSame takes for szWanted.
template <typename SAME, typename VISIT>
static void For_Each_Player_Named(const char* szWanted, SAME pfnSame, VISIT pfnVisit) {
    for (int nTeam = 0; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            char szFull[PLAYER_NAME_TEXT_SIZE];
            Get_Player_Full_Name(nTeam, nSlot, szFull, sizeof szFull);
            if (pfnSame(szFull, szWanted))
                pfnVisit(nTeam, nSlot);
        }
    }
}

static int Is_Same_Name_Any_Case(const char* szPlayer, const char* szWanted) {
    return strcasecmp(szPlayer, szWanted) == 0;
}

int Find_Player_By_Name(int* pTeam, int* pSlot, const char* szName, int nExpectedTeam,
                        int nPosition) {
    Clear_Found_Player(pTeam, pSlot);
    if (!szName || !szName[0])
        return 0;
    int nBest = 0;
    For_Each_Player_Named(Skip_Name_Mark(szName), Is_Same_Name_Any_Case, [&](int nTeam, int nSlot) {
        int nScore = Score_Name_Candidate(nTeam, nSlot, nExpectedTeam, nPosition);
        if (nScore > nBest) {
            nBest = nScore;
            *pTeam = nTeam;
            *pSlot = nSlot;
        }
    });
    return nBest > 0;
}

int Find_Player_By_Name_Packed(PLAYER_REF* pRef, const char* szName, int nPosition) {
    int nTeam, nSlot;
    int bFound = Find_Player_By_Name(&nTeam, &nSlot, szName, NO_TEAM, nPosition);
    *pRef = bFound ? Pack_Player_Ref(nTeam, nSlot) : (PLAYER_REF)NO_PLAYER_REF;
    return bFound;
}

int Find_Player_By_Name_Split(int* pTeam, int* pSlot, const char* szName, int nPosition) {
    return Find_Player_By_Name(pTeam, pSlot, szName, NO_TEAM, nPosition);
}

static void Remove_Periods(char* szText) {
    char* pOut = szText;
    for (const char* p = szText; *p; p++) {
        if (*p != '.')
            *pOut++ = *p;
    }
    *pOut = 0;
}

static int Has_Variant_Prefix(const char* szName) {
    return strncasecmp(szName, kVariantNamePrefix, VARIANT_PREFIX_LENGTH) == 0;
}

// A roster name and a player's name are one when they agree ignoring case, then ignoring the
// periods of his name, then of both.
static int Is_Same_Roster_Name(const char* szPlayer, const char* szWanted) {
    if (strcasecmp(szPlayer, szWanted) == 0)
        return 1;
    char szPlayerPlain[PLAYER_NAME_TEXT_SIZE];
    safe_strncpy(szPlayerPlain, szPlayer, sizeof szPlayerPlain);
    Remove_Periods(szPlayerPlain);
    if (strcasecmp(szPlayerPlain, szWanted) == 0)
        return 1;
    char szWantedPlain[PLAYER_NAME_TEXT_SIZE];
    safe_strncpy(szWantedPlain, szWanted, sizeof szWantedPlain);
    Remove_Periods(szWantedPlain);
    if (strcasecmp(szPlayerPlain, szWantedPlain) == 0)
        return 1;
    return Has_Variant_Prefix(szPlayer) && Has_Variant_Prefix(szWanted);
}

// One line appended to a report file of the roster matching; a file that cannot be written
// gets a line in the log.
static void Append_Roster_Report(const char* szFile, const char* szLine) {
    if (!Platform_Make_Directory(ROSTER_REPORT_FOLDER) || !Append_Line_To_File(szFile, szLine))
        Log_Debug_Line("Cannot write %s: %s", szFile, Get_Errno_Text());
}

int Match_Roster_Player(int* pTeam, int* pSlot, const char* szName) {
    Clear_Found_Player(pTeam, pSlot);
    if (!szName || !szName[0])
        return 0;
    int nMatches = 0;
    For_Each_Player_Named(Skip_Name_Mark(szName), Is_Same_Roster_Name, [&](int nTeam, int nSlot) {
        nMatches++;
        *pTeam = nTeam;
        *pSlot = nSlot;
    });
    if (nMatches == 1)
        return 1;
    if (nMatches == 0) {
        Append_Roster_Report(ROSTER_UNKNOWNS_FILE, szName);
    } else {
        char szLine[TEXT_BUFFER_SIZE];
        Format_String(szLine, sizeof szLine, "%s (%d)", szName, nMatches);
        Append_Roster_Report(ROSTER_DOUBLES_FILE, szLine);
    }
    return 0;
}

int Find_Roster_Player_Slot(int* pTeam, int* pSlot, const char* szName) {
    if (!Match_Roster_Player(pTeam, pSlot, szName))
        return 0;
    return Is_Valid_Team(*pTeam) && *pSlot >= 0 && *pSlot < PLAYERS_PER_TEAM &&
           Is_Player_Slot_Used(*pTeam, *pSlot);
}
