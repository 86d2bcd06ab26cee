// The overall rating with a broken one repaired: ratings so low that they can only be damaged
// are rolled anew. The scaling of a player's ratings to a wanted overall.
#include <float.h>
#include <math.h>

#include "database/database.h"
#include "personnel/personnel.h"

// Below this the ratings are taken as broken and rolled anew.
#define BROKEN_OVERALL 25.0f

#define SCALE_TARGET_LOW 50.0f
#define SCALE_TARGET_HIGH 95.0f
#define SCALE_START_LOW 35.0f
#define SCALE_START_HIGH 105.0f
#define SCALE_STEP_LIMIT 1000
#define SCALE_TOLERANCE 0.005f
#define RATING_CEILING 99.0f

// The values are single-precision results: no wider intermediate arithmetic.
static_assert(FLT_EVAL_METHOD == 0);

float Get_Checked_Overall_Rating(int nTeam, int nSlot) {
    float fValue = Get_Player_Overall_Rating(nTeam, nSlot);
    if (fValue < BROKEN_OVERALL) {
        Generate_Player_Ratings(nTeam, nSlot);
        fValue = Get_Player_Overall_Rating(nTeam, nSlot);
    }
    return fValue;
}

// Moves every rating but Speed by half the remaining relative gap; ratings above 80 move up
// more slowly the nearer they are to 99.
static void Step_Ratings_Toward(int nTeam, int nSlot, float fGap) {
    for (int nRating = 0; nRating < RATING_COUNT; nRating++) {
        if (nRating == RATING_SPEED)
            continue;
        float fValue = Get_Player_Rating(nTeam, nSlot, nRating);
        float fStep = fGap * 0.5f * fValue;
        if (fValue > 80.0f && fStep > 0.0f)
            fStep = (RATING_CEILING - fValue) / 19.0f * fStep;
        float fNew = fValue + fStep;
        if (fNew < RATING_FLOOR)
            fNew = RATING_FLOOR;
        else if (fNew > RATING_CEILING)
            fNew = RATING_CEILING;
        Set_Player_Rating(nTeam, nSlot, fNew, nRating);
    }
}

void Scale_Player_Ratings_To_Overall(int nTeam, int nSlot, float fTarget) {
    if (fTarget > SCALE_TARGET_HIGH || fTarget < SCALE_TARGET_LOW)
        return;
    float fOverall = Get_Checked_Overall_Rating(nTeam, nSlot);
    if (fOverall > SCALE_START_HIGH || fOverall < SCALE_START_LOW) {
        Generate_Player_Ratings(nTeam, nSlot);
        fOverall = Get_Checked_Overall_Rating(nTeam, nSlot);
    }
    float fGap = fTarget / fOverall - 1.0f;
    for (int nStep = 0; nStep < SCALE_STEP_LIMIT; nStep++) {
        Step_Ratings_Toward(nTeam, nSlot, fGap);
        fOverall = Get_Checked_Overall_Rating(nTeam, nSlot);
        fGap = fTarget / fOverall - 1.0f;
        if (fabsf(fGap) <= SCALE_TOLERANCE)
            break;
    }
}
