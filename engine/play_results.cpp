// The result counters of each play in a team's playbooks: yards, plays, sacks and lost fumbles,
// touchdowns, turnovers and conversions, by situation (offence) or by the class of play faced
// (defence). The counters wrap; nothing guards them.
#include <string.h>

#include "engine/engine.h"

#define SHORT_YARDAGE_BELOW 4
#define LONG_YARDAGE_ABOVE 10
#define PLAY_RESULTS_FILE "PlayResults.csv"

// The six counters of one play of either playbook.
template <typename PLAYBOOK>
static void Clear_Play_Counters(PLAYBOOK* pBook, int nPlay) {
    memset(pBook->aanYards[nPlay], 0, sizeof pBook->aanYards[nPlay]);
    memset(pBook->aanPlays[nPlay], 0, sizeof pBook->aanPlays[nPlay]);
    memset(pBook->aabSacks[nPlay], 0, sizeof pBook->aabSacks[nPlay]);
    memset(pBook->aabTouchdowns[nPlay], 0, sizeof pBook->aabTouchdowns[nPlay]);
    memset(pBook->aabTurnovers[nPlay], 0, sizeof pBook->aabTurnovers[nPlay]);
    memset(pBook->aabConversions[nPlay], 0, sizeof pBook->aabConversions[nPlay]);
}

void Reset_Play_Usage_Counters(int nTeam, int nSide, int nPlay) {
    if (nSide == PLAYBOOK_SIDE_OFFENCE) {
        OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(nTeam);
        if (pBook != NULL && nPlay >= 0 && nPlay < OFFENSIVE_PLAY_COUNT)
            Clear_Play_Counters(pBook, nPlay);
    } else {
        DEFENSIVE_PLAYBOOK* pBook = Get_Team_Defensive_Playbook(nTeam);
        if (pBook != NULL && nPlay >= 0 && nPlay < DEFENSIVE_PLAY_COUNT)
            Clear_Play_Counters(pBook, nPlay);
    }
}

void Reset_Playbook_Usage_Counters(int nTeam, int nSide) {
    int nPlays = nSide == PLAYBOOK_SIDE_OFFENCE ? OFFENSIVE_PLAY_COUNT : DEFENSIVE_PLAY_COUNT;
    for (int nPlay = 0; nPlay < nPlays; nPlay++)
        Reset_Play_Usage_Counters(nTeam, nSide, nPlay);
}

void Reset_All_Play_Usage_Counters(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        Reset_Playbook_Usage_Counters(nTeam, PLAYBOOK_SIDE_OFFENCE);
        Reset_Playbook_Usage_Counters(nTeam, PLAYBOOK_SIDE_DEFENCE);
    }
}

// The offensive situations a play counts in: every play, late downs, short or long yardage,
// against a blitz.
static int Get_Play_Situations(int nDown, int nToGo, int bBlitz, int* anSituations) {
    int nCount = 0;
    anSituations[nCount++] = SITUATION_ALL;
    if (nToGo < SHORT_YARDAGE_BELOW)
        anSituations[nCount++] = SITUATION_SHORT_YARDAGE;
    else if (nToGo > LONG_YARDAGE_ABOVE)
        anSituations[nCount++] = SITUATION_LONG_YARDAGE;
    if (nDown > SECOND_DOWN)
        anSituations[nCount++] = SITUATION_LATE_DOWN;
    if (bBlitz)
        anSituations[nCount++] = SITUATION_AGAINST_BLITZ;
    return nCount;
}

// One counter of the offence's situations and of the defence's entry grows.
#define COUNT_RESULT(field, amount)                              \
    do {                                                         \
        for (int n = 0; n < nSituations; n++)                    \
            pOffence->field[nCall][anSituations[n]] += (amount); \
        pDefence->field[nDefensiveCall][nClass] += (amount);     \
    } while (0)

// After a play from scrimmage: the calls of both teams are credited with its outcome.
void Record_Play_Result_Counts(GAME* pGame) {
    if (pGame == NULL)
        return;
    int nWord = pGame->currentPlay.nResult;
    int nOffenceSide = (nWord & PLAY_WORD_HOME_BALL) ? HOME_SIDE : VISITOR_SIDE;
    int nOffence = pGame->anTeams[nOffenceSide];
    int nDefence = pGame->anTeams[1 - nOffenceSide];
    int nCall = pGame->currentPlay.nOffensiveCall;
    int nDefensiveCall = pGame->currentPlay.nDefensiveCall;
    OFFENSIVE_PLAYBOOK* pOffence = Get_Team_Offensive_Playbook(nOffence);
    DEFENSIVE_PLAYBOOK* pDefence = Get_Team_Defensive_Playbook(nDefence);
    if (pOffence == NULL || pDefence == NULL || nCall < 0 || nCall >= TEAM_OFFENSIVE_PLAY_COUNT ||
        nDefensiveCall < 0 || nDefensiveCall >= DEFENSIVE_PLAY_COUNT)
        return;
    int nDown = nWord & 0xFF;
    int nToGo = (nWord >> PLAY_WORD_TO_GO_SHIFT) & 0xFF;
    int nResult = (nWord >> PLAY_WORD_RESULT_SHIFT) & 0x7F;
    int nGain = pGame->nPlayYards;
    int nClass = Get_Offensive_Play_Depth_Class(nOffence, nCall);
    int anSituations[OFFENSIVE_SITUATION_COUNT];
    int nSituations =
        Get_Play_Situations(nDown, nToGo, Is_Blitz_Play(nDefence, nDefensiveCall), anSituations);
    COUNT_RESULT(aanPlays, 1);
    if (pGame->nFlags & GAME_FLAG_POSSESSION_CHANGED) {
        COUNT_RESULT(aabTurnovers, 1);
        return;
    }
    COUNT_RESULT(aanYards, nGain);
    if (nResult == RESULT_TOUCHDOWN_PASS || nResult == RESULT_TOUCHDOWN_RUN)
        COUNT_RESULT(aabTouchdowns, 1);
    if (nGain >= nToGo)
        COUNT_RESULT(aabConversions, 1);
    if (nResult == RESULT_SACK || nResult == RESULT_FUMBLE_LOST)
        COUNT_RESULT(aabSacks, 1);
}

// One line of the summary: a play's attempts and yards in one counter column, over all teams.
template <typename PLAYBOOK>
static void Write_Summary_Line(FILE* pFile, PLAYBOOK* (*pfnGetBook)(int), int nPlay, int nColumn,
                               const char* szName) {
    int nAttempts = 0;
    int nYards = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        const PLAYBOOK* pBook = pfnGetBook(nTeam);
        if (pBook == NULL)
            continue;
        nAttempts += pBook->aanPlays[nPlay][nColumn];
        nYards += pBook->aanYards[nPlay][nColumn];
    }
    fprintf(pFile, "%s,%d,%d\n", szName, nAttempts, nYards);
}

// A debug export: attempts and yards of every play summed over the active teams.
void Write_Play_Results_Summary(void) {
    FILE* pFile = Platform_Open_File(PLAY_RESULTS_FILE, "wt");
    if (pFile == NULL) {
        Report_Error("Couldn't open %s", PLAY_RESULTS_FILE);
        return;
    }
    fprintf(pFile, "SEASON SUMMARY\n\nPlay,Attempts,Yards\n");
    char szName[PLAY_NAME_SIZE];
    for (int nPlay = 0; nPlay < OFFENSIVE_PLAY_COUNT; nPlay++) {
        Get_Offensive_Play_Name(0, nPlay, szName, sizeof(szName));
        Write_Summary_Line(pFile, Get_Team_Offensive_Playbook, nPlay, SITUATION_ALL, szName);
    }
    fprintf(pFile, "\n");
    for (int nPlay = 0; nPlay < DEFENSIVE_PLAY_COUNT; nPlay++) {
        Get_Defensive_Play_Name(0, nPlay, szName, sizeof(szName));
        Write_Summary_Line(pFile, Get_Team_Defensive_Playbook, nPlay, CLASS_INSIDE_RUN, szName);
    }
    fclose(pFile);
}
