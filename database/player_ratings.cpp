// Player ratings: the 27 stored floats with their repair on read, the four composite ratings,
// the target means and the batch repair run after a load.
#include <math.h>

#include "core/core.h"
#include "database/database.h"
#include "database/ratings_internal.h"

// Health and Durability outside this range are answered from the player's predicted grades.
#define VITAL_RATING_LIMIT 120.0f

// The league mean each rating is normalised to; a rating that is not a number takes it.
static const float kRatingTargetMeans[RATING_COUNT] = {
    70, 70,              // Health, Durability
    75, 75, 75, 75,      // Accuracy, Distance, Control, Red Zone
    70, 70, 70, 70, 70,  // Mobility, Speed, Power, Quickness, Vision
    70, 70, 70, 70,      // Receiving, Hands, Kick Returns, Punt Returns
    78, 78, 78,          // Pass Blocking, Run Blocking, Discipline
    70, 70, 70, 70, 70,  // Run Defense, Pass Rush, Pass Coverage, Turnovers, Tackling
    75, 75, 75, 75,      // FG Accuracy, FG Distance, Punt Accuracy, Punt Distance
};

int Is_Valid_Player_Index(int nTeam, int nSlot) {
    return nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}

float Get_Rating_Target_Mean(int nRating) {
    if (nRating < 0 || nRating >= RATING_COUNT)
        return kRatingTargetMeans[RATING_HEALTH];
    return kRatingTargetMeans[nRating];
}

// The stored rating, repaired and written back: not a number becomes the target mean, a value
// below the floor becomes the floor. Team and slot are valid.
// The value as stored, before any repair or floor; 0 outside the record.
float Get_Player_Stored_Rating(int nTeam, int nSlot, int nRating) {
    if (!Is_Valid_Player_Index(nTeam, nSlot) || nRating < 0 || nRating >= RATING_COUNT)
        return 0.0f;
    return gTeams[nTeam].aPlayers[nSlot].afRatings[nRating];
}

static float Read_Stored_Rating(int nTeam, int nSlot, int nRating) {
    float* pRating = &gTeams[nTeam].aPlayers[nSlot].afRatings[nRating];
    float fValue = *pRating;
    if (isnan(fValue))
        fValue = Get_Rating_Target_Mean(nRating);
    else if (fValue < RATING_FLOOR)
        fValue = RATING_FLOOR;
    *pRating = fValue;
    return fValue;
}

static const WEIGHTED_RATING kRushingTerms[] = {{RATING_POWER, 0.2f},
                                                {RATING_SPEED, 0.2f},
                                                {RATING_QUICKNESS, 0.25f},
                                                {RATING_VISION, 0.25f},
                                                {RATING_HANDS, 0.1f}};
static const WEIGHTED_RATING kPassingTerms[] = {{RATING_CONTROL, 0.3f},
                                                {RATING_ACCURACY, 0.3f},
                                                {RATING_DISTANCE, 0.2f},
                                                {RATING_RED_ZONE, 0.2f}};
static const WEIGHTED_RATING kBlockingTerms[] = {{RATING_PASS_BLOCKING, 0.5f},
                                                 {RATING_RUN_BLOCKING, 0.5f}};

float Sum_Weighted_Ratings(int nTeam, int nSlot, const WEIGHTED_RATING* pTerms, int nCount) {
    float fSum = 0.0f;
    for (int k = 0; k < nCount; k++)
        fSum += pTerms[k].fWeight * Get_Player_Rating(nTeam, nSlot, pTerms[k].nRating);
    return fSum;
}

// A quarterback's rushing is averaged with his Mobility.
static float Get_Rushing_Rating(int nTeam, int nSlot) {
    float fValue = Sum_Weighted_Ratings(nTeam, nSlot, kRushingTerms);
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) == POS_QB)
        fValue = (fValue + Read_Stored_Rating(nTeam, nSlot, RATING_MOBILITY)) / 2.0f;
    return fValue;
}

// 0.1 × the sum of six ratings + 0.4 × Receiving.
static float Get_Receiving_Skill_Rating(int nTeam, int nSlot) {
    static const int kSummed[] = {RATING_QUICKNESS, RATING_SPEED, RATING_POWER,
                                  RATING_VISION,    RATING_HANDS, RATING_RED_ZONE};
    float fSum = 0.0f;
    for (int nRating : kSummed)
        fSum += Read_Stored_Rating(nTeam, nSlot, nRating);
    return 0.1f * fSum + 0.4f * Read_Stored_Rating(nTeam, nSlot, RATING_RECEIVING);
}

float Get_Player_Rating(int nTeam, int nSlot, int nRating) {
    if (!Is_Valid_Player_Index(nTeam, nSlot) || nRating < 0)
        return RATING_FLOOR;
    float fValue;
    switch (nRating) {
    case RATING_RUSHING: return Get_Rushing_Rating(nTeam, nSlot);
    case RATING_RECEIVING_SKILL: return Get_Receiving_Skill_Rating(nTeam, nSlot);
    case RATING_PASSING: return Sum_Weighted_Ratings(nTeam, nSlot, kPassingTerms);
    case RATING_BLOCKING: return Sum_Weighted_Ratings(nTeam, nSlot, kBlockingTerms);
    default:
        if (nRating >= RATING_COUNT) {
            Report_Error("Unrecognized nRating in Get_Player_Rating(%d,%d,[%d])", nTeam, nSlot,
                         nRating);
            return 0.0f;
        }
        fValue = Read_Stored_Rating(nTeam, nSlot, nRating);
    }
    if ((nRating == RATING_HEALTH || nRating == RATING_DURABILITY) &&
        (fValue > VITAL_RATING_LIMIT || fValue < 0.0f))
        return Get_Player_Base_Rating(nTeam, nSlot, nRating);
    return fValue;
}

float Get_Stored_Player_Rating(int nTeam, int nSlot, int nRating) {
    if (!Is_Valid_Player_Index(nTeam, nSlot) || nRating < 0 || nRating >= RATING_COUNT)
        return 0.0f;
    return gTeams[nTeam].aPlayers[nSlot].afRatings[nRating];
}

// An out-of-range rating id is ignored: it would write past the player's ratings.
void Set_Player_Rating(int nTeam, int nSlot, float fValue, int nRating) {
    if (!Is_Valid_Player_Index(nTeam, nSlot) || nRating < 0 || nRating >= RATING_COUNT)
        return;
    if (fabsf(fValue) > RATING_BOUND)
        Report_Error("fValue out of bounds in Set_Player_Rating(%d,%d,%d,[%1f])", nTeam, nSlot,
                     nRating, (double)fValue);
    gTeams[nTeam].aPlayers[nSlot].afRatings[nRating] = fValue;
}

// A weak rating that matters at the player's position is lifted toward 60.
float Get_Lifted_Rating(int nTeam, int nSlot, int nRating) {
    float fValue = Get_Player_Rating(nTeam, nSlot, nRating);
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (fValue < 60.0f && nRating < RATING_COUNT && Rating_Applies_To_Position(nPosition, nRating))
        fValue = (fValue + 120.0f) / 3.0f;
    return fValue;
}

// After a load: the blocking, Speed and Power ratings of every rostered player are repaired.
void Repair_Missing_Ratings(void) {
    static const int kRepaired[] = {RATING_RUN_BLOCKING, RATING_PASS_BLOCKING, RATING_SPEED,
                                    RATING_POWER};
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        int nCount = Find_Free_Player_Slot(nTeam);
        for (int nSlot = 0; nSlot < nCount; nSlot++) {
            for (int nRating : kRepaired)
                Read_Stored_Rating(nTeam, nSlot, nRating);
        }
    }
}
