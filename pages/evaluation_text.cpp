// The scout's sentence about a player on his card: chosen by his career stage, by a level of his
// potential that the user's scouting error may shift, and by a variant that holds for a player
// through a month; then filled in with his texts.
#include <stdlib.h>
#include <string.h>

#include "database/database.h"
#include "pages/pages.h"

static const int EVALUATION_LEVEL_THRESHOLDS[EVALUATION_LEVELS - 1] = {59, 63, 66, 69, 75,
                                                                       80, 85, 90, 93};

int Get_Player_Career_Stage(int nTeam, int nSlot) {
    int nAge = Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber -
               Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
    if (nAge <= Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START) && nAge <= 25)
        return 0;
    if (nAge >= Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_END) && nAge >= 33)
        return 2;
    if (nAge >= 30 && Get_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, STAT_GAMES) == 0 &&
        Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, STAT_GAMES) == 0)
        return 2;
    return 1;
}

int Get_Evaluation_Variant_Of_Three(int nTeam, int nSlot) {
    return (4 * nSlot / 7 + 2 * nTeam + 4 * (gCurrentWeek + 1)) % 3;
}

// |(n / 10)^3 + 10 (n mod 10)^3 + season^2 + month^2| mod 10, wrapping as 32-bit integers.
static int Get_Month_Variant(int n) {
    uint32_t uTens = (uint32_t)(n / 10);
    uint32_t uUnits = (uint32_t)(n % 10);
    uint32_t uSeason = (uint32_t)gSeasonNumber;
    uint32_t uMonth = (uint32_t)Get_Current_Month();
    int32_t nSum = (int32_t)(uTens * uTens * uTens + 10u * uUnits * uUnits * uUnits +
                             uSeason * uSeason + uMonth * uMonth);
    return (int)(llabs((int64_t)nSum) % 10);
}

int Get_Evaluation_Level(int nPotential) {
    int nLevel = 0;
    while (nLevel < EVALUATION_LEVELS - 1 && nPotential >= EVALUATION_LEVEL_THRESHOLDS[nLevel])
        nLevel++;
    return nLevel;
}

// Folded back into 0..9 and kept near the truth at the ends; kickers, punters and fullbacks are
// judged within a narrower band.
int Get_Shown_Evaluation_Level(int nLevel, int nError, int nPosition) {
    int nShown = nLevel + nError / 5;
    if (nShown >= EVALUATION_LEVELS)
        nShown = 18 - nShown;
    if (nShown < 0)
        nShown = -nShown;
    if (nShown < 2)
        nShown = Min_Int(nShown + 2, nLevel);
    if (nShown == 9)
        nShown = Max_Int(7, nLevel);
    if (nPosition == POS_K || nPosition == POS_P)
        nShown = Clamp(nShown / 2 + 4, 4, 6);
    else if (nPosition == POS_FB)
        nShown = Clamp(nShown + 2, 3, 6);
    return nShown;
}

void Get_Player_Evaluation_Text(int nTeam, int nSlot, char* szOut, int nSize) {
    szOut[0] = 0;
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    int nLevel = Get_Evaluation_Level((int)Get_Player_Potential(nTeam, nSlot));
    int nStage = Get_Player_Career_Stage(nTeam, nSlot);
    int nId = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID);
    int nPosition =
        Translate_Expanded_Position(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
    int nShown =
        Get_Shown_Evaluation_Level(nLevel, Get_Scouting_Error(nTeam, nSlot, nId), nPosition);
    int nCell = nStage * 100 + nShown * 10;
    const char* szSentence = EVALUATION_SENTENCES[nCell + Get_Month_Variant(nId)];

    // A young player early in his career is not said to have slumped.
    if (nStage == 0 && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE) < 2 &&
        strstr(szSentence, "slump")) {
        int nStart = Get_Month_Variant(nSlot);
        for (int nTry = 0; nTry < EVALUATION_VARIANTS; nTry++) {
            szSentence = EVALUATION_SENTENCES[nCell + (nTry + nStart) % EVALUATION_VARIANTS];
            if (!strstr(szSentence, "slump"))
                break;
        }
    }
    if (nTeam >= FREE_AGENT_TEAM && strstr(szSentence, "{TEAM"))
        return;
    safe_strncpy(szOut, szSentence, nSize);
    Substitute_News_Strings(nTeam, nSlot, szOut, nSize);
}

void Append_Player_Evaluation(int nTeam, int nSlot, char* szText, int nSize) {
    if (nTeam == HALL_OF_FAME_TEAM)
        return;
    char szEvaluation[NEWS_TEXT_SIZE];
    Get_Player_Evaluation_Text(nTeam, nSlot, szEvaluation, sizeof szEvaluation);
    safe_strncat(szText, szEvaluation, nSize);
}
