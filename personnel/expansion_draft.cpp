// The expansion draft: the new teams take unprotected players from the other rosters, position
// by position for up to ten passes, and the picks go to a CSV file.
#include <limits.h>
#include <string.h>

#include "database/database.h"
#include "personnel/personnel.h"

#define EXPANSION_FILE_FOLDER "Output"
#define EXPANSION_FILE_NAME "Output\\Expansion-Draft-%d.csv"
#define EXPANSION_FILE_NAME_SIZE 64
#define EXPANSION_FILE_HEADER "Drafted By,Player,Position,Age,Previous Team"
#define EXPANSION_LINE_SIZE 256
#define EXPANSION_PASSES 10
#define EXPANSION_ROSTER_LIMIT 70
#define EXPANSION_SCORE_BASE 1000
#define EXPANSION_SALARY_WEIGHT 100
#define LEAGUE_WIDE_EXPANSION_YEAR 1970
#define PROTECTED_OFFENCE_PLAYERS 11
#define PROTECTED_DEFENCE_PLAYERS 11
#define PROTECTED_KICKERS 2
#define EXPANSION_SUMMARY_SIZE 8192

int gExcludeUserFromExpansion = 0;
int gExpansionTakenCounts[LEAGUE_TEAM_COUNT];

static int Is_Expansion_Team(int nTeam) {
    return Is_Team_Active(nTeam) && Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_EXPANSION;
}

static void Set_Protection(int nTeam, int nSlot, int bProtected) {
    if (Is_Player_Slot_Used(nTeam, nSlot))
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPANSION_PROTECTED, bProtected);
}

// The first nCount players of the unit from its first slot on: its depth-chart starters.
static void Protect_Unit_Starters(int nTeam, int nUnit, int nCount) {
    int nFirst = Find_Or_Create_Team_Unit_Player(nTeam, nUnit);
    if (nFirst == NO_SLOT_BYTE)
        return;
    for (int nSlot = nFirst; nSlot < PLAYERS_PER_TEAM && nCount > 0; nSlot++) {
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            continue;
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        if (Get_Position_Unit(nPosition) != nUnit)
            continue;
        Set_Protection(nTeam, nSlot, 1);
        nCount--;
    }
}

static void Set_Expansion_Protection(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        int bWholeRoster =
            Is_Expansion_Team(nTeam) ||
            (gExcludeUserFromExpansion && Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_HUMAN);
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            Set_Protection(nTeam, nSlot, bWholeRoster);
        if (bWholeRoster)
            continue;
        Protect_Unit_Starters(nTeam, UNIT_OFFENCE, PROTECTED_OFFENCE_PLAYERS);
        Protect_Unit_Starters(nTeam, UNIT_DEFENCE, PROTECTED_DEFENCE_PLAYERS);
        Protect_Unit_Starters(nTeam, UNIT_KICKERS, PROTECTED_KICKERS);
    }
}

// A candidate's worth to the expansion team, shared out over what his team has already lost.
static int Get_Expansion_Score(int nExpansionTeam, int nTeam, int nSlot) {
    int nScore =
        Get_Player_Trade_Value(nTeam, nSlot) / 2 +
        Get_Player_Contract_Adjusted_Value(nExpansionTeam, nTeam, nSlot, EXPANSION_SALARY_WEIGHT) /
            2 +
        EXPANSION_SCORE_BASE;
    int nLost = gExpansionTakenCounts[nTeam];
    if (nLost > 0)
        nScore /= nLost + 1;
    return nScore;
}

int Choose_Expansion_Draft_Player(int nExpansionTeam, int* pTeam, int* pSlot, int nPosition) {
    int bOwnLeagueOnly = Get_Season_Year() < LEAGUE_WIDE_EXPANSION_YEAR;
    int nLeague = Get_Team_Division(nExpansionTeam) / DIVISIONS_PER_LEAGUE;
    int nBest = INT_MIN, bFound = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        if (bOwnLeagueOnly && Get_Team_Division(nTeam) / DIVISIONS_PER_LEAGUE != nLeague)
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot) ||
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPANSION_PROTECTED) != 0 ||
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) != nPosition)
                continue;
            int nScore = Get_Expansion_Score(nExpansionTeam, nTeam, nSlot);
            if (!bFound || nScore > nBest) {
                nBest = nScore;
                *pTeam = nTeam;
                *pSlot = nSlot;
                bFound = 1;
            }
        }
    }
    return bFound;
}

static void Get_Expansion_File_Name(char* szOut, int nSize) {
    Format_String(szOut, nSize, EXPANSION_FILE_NAME, Get_Season_Year() + 1);
}

static void Append_Expansion_File_Line(const char* szLine) {
    char szName[EXPANSION_FILE_NAME_SIZE];
    Get_Expansion_File_Name(szName, sizeof szName);
    if (!Append_Line_To_File(szName, szLine))
        Log_Debug_Line("Cannot write %s: %s", szName, Get_Errno_Text());
}

static void Start_Expansion_File(void) {
    char szName[EXPANSION_FILE_NAME_SIZE];
    Get_Expansion_File_Name(szName, sizeof szName);
    if (!Platform_Make_Directory(EXPANSION_FILE_FOLDER))
        Log_Debug_Line("Cannot create the folder %s for %s", EXPANSION_FILE_FOLDER, szName);
    Platform_Remove_File(szName);
    Append_Expansion_File_Line(EXPANSION_FILE_HEADER);
}

// The pick's CSV line, and the summary line for the one human team that lost him.
static void Record_Expansion_Pick(int nExpansionTeam, int nFromTeam, int nNewSlot, char* szSummary,
                                  int nSummarySize) {
    char szDrafter[TEAM_LABEL_SIZE], szFrom[TEAM_LABEL_SIZE];
    char szPlayer[EXPANSION_LINE_SIZE], szPosition[POSITION_NAME_SIZE];
    char szLine[EXPANSION_LINE_SIZE * 2];
    Get_Team_Label(nExpansionTeam, szDrafter, sizeof szDrafter);
    Get_Team_Label(nFromTeam, szFrom, sizeof szFrom);
    Get_Player_Full_Name(nExpansionTeam, nNewSlot, szPlayer, sizeof szPlayer);
    Get_Position_Abbreviation(Get_Player_Vital_Stat(nExpansionTeam, nNewSlot, VITAL_POSITION),
                              szPosition, sizeof szPosition);
    int nAge = Get_Player_Age(nExpansionTeam, nNewSlot);
    Format_String(szLine, sizeof szLine, "%s,%s,%s,%d,%s", szDrafter, szPlayer, szPosition, nAge,
                  szFrom);
    Append_Expansion_File_Line(szLine);
    if (Is_Human_Team(nFromTeam) && Count_Human_Teams() == 1) {
        size_t nLength = strlen(szSummary);
        Format_String(szSummary + nLength, nSummarySize - (int)nLength, "%s (%s, age %d)\n",
                      szPlayer, szPosition, nAge);
    }
}

// One pick of the expansion team at the position; 1 when a player came over.
static int Take_Expansion_Player(int nExpansionTeam, int nPosition, int* pbFileStarted,
                                 char* szSummary, int nSummarySize) {
    int nTeam, nSlot;
    if (!Choose_Expansion_Draft_Player(nExpansionTeam, &nTeam, &nSlot, nPosition))
        return 0;
    if (Count_Players(nExpansionTeam, ALL_ROSTERS) >= EXPANSION_ROSTER_LIMIT)
        return 0;
    int nNewSlot = Get_First_Empty_Player_Slot(nExpansionTeam);
    if (nNewSlot == NO_SLOT_BYTE || !Swap_Players(nExpansionTeam, nNewSlot, nTeam, nSlot))
        return 0;
    Set_Player_Vital_Stat(nExpansionTeam, nNewSlot, VITAL_EXPANSION_PROTECTED, 1);
    if (!*pbFileStarted) {
        Start_Expansion_File();
        *pbFileStarted = 1;
    }
    Record_Expansion_Pick(nExpansionTeam, nTeam, nNewSlot, szSummary, nSummarySize);
    gExpansionTakenCounts[nTeam]++;
    return 1;
}

static void Report_Expansion_Losses(const char* szSummary) {
    if (gAllTeamsComputer || Count_Human_Teams() != 1 || !szSummary[0])
        return;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Human_Team(nTeam))
            continue;
        char szLabel[TEAM_LABEL_SIZE];
        Get_Team_Label(nTeam, szLabel, sizeof szLabel);
        Show_Message_Box("Expansion Draft Complete",
                         "The following %s players were taken in the Expansion Draft:\n\n%s",
                         szLabel, szSummary);
    }
}

void Run_Expansion_Draft(void) {
    static char szSummary[EXPANSION_SUMMARY_SIZE];
    szSummary[0] = 0;
    memset(gExpansionTakenCounts, 0, sizeof gExpansionTakenCounts);
    Set_Expansion_Protection();
    int bFileStarted = 0;
    for (int nPass = 0; nPass < EXPANSION_PASSES; nPass++) {
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
            if (nPass >= POSITION_ROSTER_CEILINGS[nPosition])
                continue;
            for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
                if (Is_Expansion_Team(nTeam))
                    Take_Expansion_Player(nTeam, nPosition, &bFileStarted, szSummary,
                                          sizeof szSummary);
            }
        }
    }
    Report_Expansion_Losses(szSummary);
}
