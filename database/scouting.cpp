// The scouting error: ratings of players are shown to the user with an error that depends on his
// team's scouting budget, the difficulty level and how well known the player is. It is not
// random: the player's id, his experience and starts, the month and the season decide it, so
// the picture stays the same until the calendar moves. Also the table of letter grades.
#include <string.h>

#include "core/core.h"
#include "database/database.h"

#define NO_TEAM_SCOUTING_LEVEL 1000
#define RANKED_SCOUTING_FLOOR 500  // budgets from here on count by league rank
#define TOP_SCOUTING_LEVEL 1500
#define SCOUTING_LEVEL_RANGE 1000
#define DIFFICULTY_OFFSET 15
#define SHOWN_RATING_MIDDLE 70
#define MAX_KNOWN_SEASONS 4

static const char* const kLetterGrades[LETTER_GRADE_COUNT] = {
    "F ", "F", "D-", "D ", "D+", "C-", "C ", "C+", "B-", "B ", "B+", "A-", "A ", "A+",
};

int Get_Team_Scouting_Level(int nTeam) {
    if (nTeam == NO_TEAM)
        return NO_TEAM_SCOUTING_LEVEL;
    int nBudget = Get_Team_Financial_Stat(nTeam, FIN_SCOUTING_LEVEL);
    if (nBudget < RANKED_SCOUTING_FLOOR)
        return nBudget;
    int nRank = Get_Team_Financial_Rank(nTeam, FIN_SCOUTING_LEVEL);
    int nStep = SCOUTING_LEVEL_RANGE / Max_Int(1, Count_Active_Teams() - 1);
    return TOP_SCOUTING_LEVEL - nRank * nStep;
}

static int Compute_Scouting_Divisor(int nTeam) {
    int nDifficulty = Get_User_Preference(PREF_DIFFICULTY);
    return Max_Int(1,
                   ((nDifficulty + DIFFICULTY_OFFSET) * 100 - Get_Team_Scouting_Level(nTeam)) / 4);
}

// The cache holds the user's team's divisor; any other team computes its own.
int Get_Scouting_Divisor(int nTeam) {
    if (nTeam != Get_User_Team())
        return Compute_Scouting_Divisor(nTeam);
    int nDivisor = Get_User_Preference(PREF_SCOUTING_RADIUS);
    if (nDivisor == 0) {
        nDivisor = Compute_Scouting_Divisor(nTeam);
        Set_User_Preference(PREF_SCOUTING_RADIUS, nDivisor);
    }
    return nDivisor;
}

// |(c / 10)^3 + 10 (c mod 10)^3 + month^2 + season^2| in wrapping 32-bit arithmetic.
static uint32_t Get_Scouting_Mix(int c) {
    uint32_t uTens = (uint32_t)(c / 10);
    uint32_t uOnes = (uint32_t)(c % 10);
    uint32_t uMonth = (uint32_t)Get_Current_Month();
    uint32_t uSeason = (uint32_t)gSeasonNumber;
    uint32_t uMix =
        uTens * uTens * uTens + 10u * uOnes * uOnes * uOnes + uMonth * uMonth + uSeason * uSeason;
    return (int32_t)uMix < 0 ? 0u - uMix : uMix;
}

int Get_Scouting_Hash(int a, int b) {
    return (int)(Get_Scouting_Mix(a) % (uint32_t)Max_Int(b, 1));
}

int Get_Scouting_Error(int nTeam, int nSlot, int nPlayerId) {
    if (gCommissionerMode || Get_User_Preference(PREF_PERFECT_SCOUTING) != 0)
        return 0;
    int nDivisor = Get_Scouting_Divisor(Get_User_Team());
    int nKnown = Clamp(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE), 0, MAX_KNOWN_SEASONS);
    int nStarts = Get_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, STAT_STARTS);
    // Starts are never negative in a sound record; a broken one must not divide by zero.
    int nMix = (int)(Get_Scouting_Mix(nPlayerId) % 100);
    int nSpread = Max_Int(1, 15 * nKnown + 12 + 2 * nStarts + nMix);
    int nQuotient = nDivisor / nSpread;
    int nError = nQuotient % 2 != 0 ? (nQuotient + 1) / -2 : nQuotient / 2;
    return Clamp(nError, -MAX_SCOUTING_ERROR, MAX_SCOUTING_ERROR);
}

int Get_Scouted_Rating_Value(int nTeam, int nSlot, int nValue) {
    int nId = Is_Valid_Player_Index(nTeam, nSlot) ? Get_Player_ID(nTeam, nSlot) : -1;
    int nError = Get_Scouting_Error(nTeam, nSlot, nId);
    if (nValue % 2 == 0 && nValue > SHOWN_RATING_MIDDLE)
        return nValue - (nError < 0 ? -nError : nError);
    if (nValue % 2 == 0 && nValue < SHOWN_RATING_MIDDLE)
        return nValue + (nError < 0 ? -nError : nError);
    return nValue + nError;
}

void Get_Letter_Grade(int n, char* szOut, int nSize) {
    safe_strncpy(szOut, kLetterGrades[Clamp(n, 0, LETTER_GRADE_COUNT - 1)], nSize);
}
