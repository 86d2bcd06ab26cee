// What a player's ratings are worth: the value curve of a rating, his potential and his worth in
// thousands of dollars a year.
#include <math.h>

#include <string.h>

#include "core/core.h"
#include "database/database.h"

#define VALUE_CURVE_KNEE 65.0  // ratings from here up are valued steeply
#define VALUE_AT_KNEE 306.25
#define STEEP_VALUE_FACTOR 15.0
#define LOW_VALUE_BASE 30.0
#define LOW_VALUE_FACTOR 0.25
#define WEAK_RATING_LIMIT 70.0f  // a rating below this counts twice its distance below 70

#define RUNNING_BACK_ERA_FIRST_YEAR 1996
#define RUNNING_BACK_ERA_LAST_YEAR 2015
#define RUNNING_BACK_ERA_MAX_YEARS 20

#define NEW_PLAYER_RATING_WEIGHT 88  // per cent of a rookie's worth that comes from his ratings
#define RATING_WEIGHT_STEP 12        // less per year of experience
#define MIN_RATING_WEIGHT 70
#define DECLINE_YEARS 12     // a player loses a twelfth of his worth per year past his peak

// How much a rating counts for each position.
static const float kPositionValueFactors[POSITION_COUNT] = {
    2.0f, 1.1f, 0.75f, 0.9f, 1.2f, 1.2f, 1.0f, 1.08f, 1.2f, 1.1f, 1.1f, 1.1f, 1.1f, 0.35f, 0.17f,
};

// Potential grades: the number of these thresholds at or below the potential.
static const int kPotentialGradeThresholds[] = {59, 63, 66, 69, 75, 80, 85, 90, 93};

// ---- the value of a rating ---------------------------------------------------------------------

// Ratings of 65 and up climb on a steep parabola from 306.25; lower ones on a flat one from 30.
static double Get_Value_Curve(float fRating) {
    if (fRating < WEAK_RATING_LIMIT)
        fRating = 2.0f * fRating - WEAK_RATING_LIMIT;
    double r = fRating;
    if (r >= VALUE_CURVE_KNEE) {
        double x = r - VALUE_CURVE_KNEE;
        return x * x * STEEP_VALUE_FACTOR + VALUE_AT_KNEE;
    }
    double x = fmax(0.0, r - LOW_VALUE_BASE);
    return x * x * LOW_VALUE_FACTOR;
}

// Running backs of earlier seasons were valued less: 1 from 2015, 0.6 at most 20 years before.
float Get_Running_Back_Era_Factor(void) {
    int nYearsBefore =
        Clamp(RUNNING_BACK_ERA_LAST_YEAR - Get_Season_Year(), 0, RUNNING_BACK_ERA_MAX_YEARS);
    return (float)(50 - nYearsBefore) / 50.0f;
}

// The value of a rating at the player's position; the bare curve without a player.
int Get_Rating_Value(int nTeam, int nSlot, float fRating) {
    double dValue = Get_Value_Curve(fRating);
    if (Is_Player_Slot_Used(nTeam, nSlot)) {
        int nPosition =
            Clamp(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION), 0, POSITION_COUNT - 1);
        dValue *= kPositionValueFactors[nPosition];
        if (nPosition == POS_RB && Get_Season_Year() >= RUNNING_BACK_ERA_FIRST_YEAR)
            dValue *= Get_Running_Back_Era_Factor();
    }
    return (int)dValue;
}

int Get_Bare_Rating_Value(float fRating) {
    return Get_Rating_Value(NO_TEAM, NO_PLAYER_SLOT, fRating);
}

// The value of the team's n-th player at the position, rated at that position.
int Get_Position_Player_Value(int nPosition, int nTeam, int n) {
    uint8_t nSlot = Get_Team_Position_Player(nTeam, nPosition, n);
    if (nSlot == NO_SLOT_BYTE)
        return 0;
    return Get_Rating_Value(nTeam, nSlot, Compute_Position_Rating(nTeam, nSlot, nPosition));
}

// The rating whose bare value this is; negative values mirror the curve.
float Get_Rating_From_Value(float fValue) {
    if (fValue >= (float)VALUE_AT_KNEE)
        return (float)VALUE_CURVE_KNEE +
               Signed_Root_Float((fValue - 306.0f) / (float)STEEP_VALUE_FACTOR);
    return (float)LOW_VALUE_BASE + Signed_Root_Float(fValue / (float)LOW_VALUE_FACTOR);
}

// ---- potential ---------------------------------------------------------------------------------

int Get_Overall_Value(int nTeam, int nSlot) {
    return Get_Rating_Value(nTeam, nSlot, Get_Player_Overall_Rating(nTeam, nSlot));
}

int Get_Potential_Value(int nTeam, int nSlot) {
    return Max_Int(0, Get_Rating_Value(nTeam, nSlot, Get_Player_Potential(nTeam, nSlot)));
}

int Get_Potential_Grade(int nTeam, int nSlot) {
    float fPotential = Get_Player_Potential(nTeam, nSlot);
    int nGrade = 0;
    for (int nThreshold : kPotentialGradeThresholds) {
        if ((float)nThreshold <= fPotential)
            nGrade++;
    }
    return nGrade;
}

// ---- worth -------------------------------------------------------------------------------------

// Thousands a year: the value of his overall and potential blended with last season's
// production (ratings count for less the longer he has played), reduced past his peak age.
int Get_Player_Worth(int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    float fOverall = Get_Player_Overall_Rating(nTeam, nSlot);
    float fPotential = Get_Player_Potential(nTeam, nSlot);
    int nRatingPart = Mul_Div(Get_Rating_Value(nTeam, nSlot, truncf(fOverall)) +
                                  Get_Rating_Value(nTeam, nSlot, truncf(fPotential)),
                              1, 2);
    int nProductionPart = Get_Player_Stat_Value(nTeam, nSlot, SEASON_PREVIOUS) +
                          Get_Return_Yards_Value(nTeam, nSlot, SEASON_PREVIOUS);

    int nExperience = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
    int nWeight =
        Max_Int(MIN_RATING_WEIGHT, NEW_PLAYER_RATING_WEIGHT - RATING_WEIGHT_STEP * nExperience);
    int nWorth = Mul_Div(nRatingPart, nWeight, 100) + Mul_Div(nProductionPart, 100 - nWeight, 100);

    int nAge = Get_Player_Age(nTeam, nSlot);
    int nPeak = Get_Position_Peak_Age(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
    if (nAge > nPeak)
        nWorth = Mul_Div(nWorth, nPeak - nAge + DECLINE_YEARS, DECLINE_YEARS);
    return nWorth;
}
