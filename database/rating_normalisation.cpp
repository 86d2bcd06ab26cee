// League rating statistics and normalisation: which positions a rating matters for, the
// league's mean and spread of a rating among the regular players, and the pass that moves
// every rating to its target mean and spread.
#include <math.h>

#include "database/database.h"
#include "personnel/personnel.h"

#define GROUP_EVERY_POSITION (-1)

// A pulled value outside these bounds is taken as garbage and reset.
#define PULL_GARBAGE_HIGH 1000.0f
#define PULL_GARBAGE_LOW (-100.0f)
#define PULL_GARBAGE_VALUE 60.0f
#define PULL_SOFT_HIGH 95.0f
#define PULL_SOFT_LOW 20.0f
#define PULL_LIMIT_LOW 1.0f
#define PULL_LIMIT_HIGH 99.0f

static const int kRatingPositionGroups[RATING_COUNT] = {
    -1, -1,                 // Health, Durability
    4,  4,  4, 4, 4,        // Accuracy .. Mobility: the quarterback
    -1,                     // Speed
    0,  0,  0, 0, 0, 0, 0,  // Power .. Punt Returns: offensive skill positions
    1,  1,  1,              // blocking and Discipline: offensive line
    2,  2,  2, 2, 2,        // defence
    3,  3,  3, 3,           // kicking
};

static const float kRatingTargetSpreads[RATING_COUNT] = {
    8.0f, 8.0f, 12.0f, 12.0f, 12.0f, 12.0f, 10.0f, 10.0f, 12.0f, 12.0f, 12.0f, 12.0f, 10.0f, 7.0f,
    7.0f, 7.0f, 7.0f,  7.0f,  11.5f, 8.6f,  10.3f, 10.0f, 12.8f, 8.0f,  8.0f,  7.0f,  7.0f,
};

int Get_Rating_Position_Group(int nRating) {
    if (nRating < 0 || nRating >= RATING_COUNT)
        return GROUP_EVERY_POSITION;
    return kRatingPositionGroups[nRating];
}

float Get_Rating_Target_Spread(int nRating) {
    if (nRating < 0 || nRating >= RATING_COUNT)
        return 0.0f;
    return kRatingTargetSpreads[nRating];
}

int Rating_Applies_To_Position(int nPosition, int nRating) {
    if (nRating == RATING_RECEIVING)
        return nPosition == POS_WR;
    int nGroup = Get_Rating_Position_Group(nRating);
    if (nGroup == GROUP_EVERY_POSITION)
        return 1;
    int bSameGroup = nGroup == Get_Position_Group_QB4(nPosition);
    switch (nRating) {
    case RATING_FG_ACCURACY:
    case RATING_FG_DISTANCE: return nPosition == POS_K;
    case RATING_PUNT_ACCURACY:
    case RATING_PUNT_DISTANCE: return nPosition == POS_P;
    case RATING_KICK_RETURNS:
    case RATING_PUNT_RETURNS: return bSameGroup || nPosition == POS_CB || nPosition == POS_S;
    default: return bSameGroup;
    }
}

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
        float fValue = gTeams[nTeam].aPlayers[nSlot].afRatings[nRating];
        Set_Player_Rating(nTeam, nSlot, Pull_Rating_Into_Range(fValue), nRating);
    });
}

// Health and Durability are left alone.
void Normalize_Player_Ratings(void) {
    Set_All_Depth_Charts(1);
    for (int nRating = RATING_ACCURACY; nRating < RATING_COUNT; nRating++)
        Normalize_Rating(nRating);
}
