// A player's potential: his overall once his ratings have grown through the years left before
// his prime.
#include <math.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"

#define MAX_GROWTH_YEARS 40  // a prime start at most this far ahead of his age

// A player's potential is asked for thousands of times a week while his record stays the same:
// the last answer is kept with the record and the league settings it was worked out from, and
// given again while they are all unchanged. An answer that drew random numbers (a broken overall
// rolled anew) or changed the record is never kept.
namespace {
struct POTENTIAL_MEMO {
    PLAYER record;
    int nYear;
    int nAgingSetting;
    int nDeclineSetting;
    float fPotential;
    bool bKnown;
};
POTENTIAL_MEMO gPotentialMemos[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];
}  // namespace

// His overall once his ratings have grown through the years left before his prime: the ratings
// are aged without randomness, the overall read, and the ratings put back.
static float Work_Out_Potential(int nTeam, int nSlot, int nGrowthYears, const PLAYER* pSaved) {
    for (int nYear = 0; nYear < nGrowthYears; nYear++)
        Age_Player_Ratings(nTeam, nSlot, 0);
    float fOverall = Get_Player_Overall_Rating(nTeam, nSlot);
    for (int nRating = 0; nRating < RATING_COUNT; nRating++)
        Set_Player_Rating(nTeam, nSlot, pSaved->afRatings[nRating], nRating);
    return truncf(fOverall);
}

float Get_Player_Potential(int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0.0f;
    // No real player is more than a few years from his prime; a damaged age or prime start must
    // not keep the ratings ageing for thousands of years.
    int64_t nYearsToPrime = (int64_t)Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START) -
                            Get_Player_Age(nTeam, nSlot);
    if (nYearsToPrime <= 0)
        return truncf(Get_Player_Overall_Rating(nTeam, nSlot));

    POTENTIAL_MEMO* pMemo = &gPotentialMemos[nTeam][nSlot];
    PLAYER saved;
    Copy_Player_To_Memory(nTeam, nSlot, &saved);
    int nYear = Get_Season_Year();
    int nAgingSetting = Get_Universe_Stat(UNIVERSE_AGING);
    int nDeclineSetting = Get_Decline_Setting();
    if (pMemo->bKnown && pMemo->nYear == nYear && pMemo->nAgingSetting == nAgingSetting &&
        pMemo->nDeclineSetting == nDeclineSetting &&
        memcmp(&pMemo->record, &saved, sizeof(PLAYER)) == 0)
        return pMemo->fPotential;

    uint64_t nDraws = Count_Random_Draws();
    int nGrowthYears = nYearsToPrime < MAX_GROWTH_YEARS ? (int)nYearsToPrime : MAX_GROWTH_YEARS;
    float fPotential = Work_Out_Potential(nTeam, nSlot, nGrowthYears, &saved);
    PLAYER after;
    Copy_Player_To_Memory(nTeam, nSlot, &after);
    pMemo->bKnown = Count_Random_Draws() == nDraws && memcmp(&after, &saved, sizeof(PLAYER)) == 0;
    if (pMemo->bKnown) {
        pMemo->record = saved;
        pMemo->nYear = nYear;
        pMemo->nAgingSetting = nAgingSetting;
        pMemo->nDeclineSetting = nDeclineSetting;
        pMemo->fPotential = fPotential;
    }
    return fPotential;
}
