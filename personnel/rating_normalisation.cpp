// League rating statistics and normalisation: the league's mean and spread of a rating among
// the regular players, and the pass that moves every rating to its target mean and spread.
#include <math.h>

#include "database/database.h"
#include "personnel/personnel.h"

// A pulled value outside these bounds is taken as garbage and reset.
#define PULL_GARBAGE_HIGH 1000.0f
#define PULL_GARBAGE_LOW (-100.0f)
#define PULL_GARBAGE_VALUE 60.0f
#define PULL_SOFT_HIGH 95.0f
#define PULL_SOFT_LOW 20.0f
#define PULL_LIMIT_LOW 1.0f
#define PULL_LIMIT_HIGH 99.0f

// ---- the counted players -----------------------------------------------------------------------

// Calls pVisit for every player the league statistics of a rating count: on every league team in
// use, at every position the rating matters for, the first players of the position in slot
// order, as many as a team usually keeps there.
template <typename VISIT>
static void For_Each_Counted_Player(int nRating, VISIT pVisit) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
            if (!Rating_Applies_To_Position(nPosition, nRating))
                continue;
            int nTarget = Get_Position_Roster_Target(nPosition);
            for (int n = 0; n < nTarget; n++) {
                int nSlot = Get_Team_Position_Player(nTeam, nPosition, n);
                if (nSlot == NO_SLOT_BYTE)
                    break;
                pVisit(Get_Player_Rating(nTeam, nSlot, nRating));
            }
        }
    }
}

float Get_Rating_Mean(int nRating) {
    float fSum = 0.0f;
    int nCount = 0;
    For_Each_Counted_Player(nRating, [&](float fValue) {
        fSum += fValue;
        nCount++;
    });
    return nCount == 0 ? 0.0f : fSum / (float)nCount;
}

float Get_Rating_Spread(int nRating) {
    float fMean = Get_Rating_Mean(nRating);
    float fSum = 0.0f;
    int nCount = 0;
    For_Each_Counted_Player(nRating, [&](float fValue) {
        fSum += fabsf(fValue - fMean);
        nCount++;
    });
    return nCount == 0 ? 0.0f : fSum / (float)nCount;
}

// ---- normalisation -----------------------------------------------------------------------------

// Calls pVisit for every used slot of the league teams in use and of teams 36..nLastTeam.
template <typename VISIT>
static void For_Each_Player(int nLastTeam, VISIT pVisit) {
    for (int nTeam = 0; nTeam <= nLastTeam; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                pVisit(nTeam, nSlot);
        }
    }
}

// Garbage (and a value that is not a number) becomes 60; values past 95 or below 20 are halved
// toward those bounds; the result lies in 1..99.
static float Pull_Rating_Into_Range(float fValue) {
    if (isnan(fValue) || fValue > PULL_GARBAGE_HIGH || fValue < PULL_GARBAGE_LOW)
        return PULL_GARBAGE_VALUE;
    if (fValue > PULL_SOFT_HIGH)
        fValue = (fValue + PULL_SOFT_HIGH) / 2.0f;
    else if (fValue < PULL_SOFT_LOW)
        fValue = (fValue + PULL_SOFT_LOW) / 2.0f;
    if (fValue < PULL_LIMIT_LOW)
        return PULL_LIMIT_LOW;
    return fValue > PULL_LIMIT_HIGH ? PULL_LIMIT_HIGH : fValue;
}

// Moves the league mean of the rating to its target, then its spread to the target spread.
static void Shift_And_Rescale_Rating(int nRating, float fLeagueMean) {
    float fShift = Get_Rating_Target_Mean(nRating) - fLeagueMean;
    For_Each_Player(FREE_AGENT_TEAM, [&](int nTeam, int nSlot) {
        Set_Player_Rating(nTeam, nSlot, Get_Player_Rating(nTeam, nSlot, nRating) + fShift, nRating);
    });

    float fSpread = Get_Rating_Spread(nRating);
    if (fSpread > 0.0f) {
        float fMean = Get_Rating_Mean(nRating);
        float fFactor = Get_Rating_Target_Spread(nRating) / fSpread;
        For_Each_Player(FREE_AGENT_TEAM, [&](int nTeam, int nSlot) {
            float fValue = Get_Player_Rating(nTeam, nSlot, nRating);
            Set_Player_Rating(nTeam, nSlot, (fValue - fMean) * fFactor + fMean, nRating);
        });
    }
}

static void Normalize_Rating(int nRating) {
    // A mean of 0 means no player counts: shifting by the whole target would ruin every value.
    float fLeagueMean = Get_Rating_Mean(nRating);
    if (fLeagueMean > 0.0f)
        Shift_And_Rescale_Rating(nRating, fLeagueMean);

    // Read as stored: the pull must see values below the floor.
    For_Each_Player(LAST_DRAFT_POOL_TEAM, [&](int nTeam, int nSlot) {
        float fValue = Get_Stored_Player_Rating(nTeam, nSlot, nRating);
        Set_Player_Rating(nTeam, nSlot, Pull_Rating_Into_Range(fValue), nRating);
    });
}

// Health and Durability are left alone.
void Normalize_Player_Ratings(void) {
    Set_All_Depth_Charts(1);
    for (int nRating = RATING_ACCURACY; nRating < RATING_COUNT; nRating++)
        Normalize_Rating(nRating);
}
