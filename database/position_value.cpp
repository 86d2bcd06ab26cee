// A player's value at a position: the overall rating shown and used everywhere.
#include <float.h>
#include <math.h>

#include "database/database.h"
#include "database/ratings_internal.h"

// The values are single-precision results: no wider intermediate arithmetic.
static_assert(FLT_EVAL_METHOD == 0);

// Weights of Run Defense, Pass Rush, Pass Coverage, Turnovers and Tackling, DE..S.
static const float kDefensiveWeights[5][5] = {
    {0.33f, 0.46f, 0.02f, 0.05f, 0.21f},  // DE
    {0.35f, 0.33f, 0.0f, 0.05f, 0.25f},   // DT
    {0.26f, 0.36f, 0.1f, 0.08f, 0.26f},   // LB
    {0.03f, 0.03f, 0.65f, 0.16f, 0.04f},  // CB
    {0.1f, 0.1f, 0.57f, 0.12f, 0.16f},    // S
};

static const int kDefensiveRatings[5] = {RATING_RUN_DEFENSE, RATING_PASS_RUSH, RATING_PASS_COVERAGE,
                                         RATING_TURNOVERS, RATING_TACKLING};

// Position formulas: weighted sums of ratings, less a constant where the formula has one.
static const WEIGHTED_RATING kQuarterbackTerms[] = {{RATING_ACCURACY, 0.39f},
                                                    {RATING_CONTROL, 0.39f},
                                                    {RATING_DISTANCE, 0.17f},
                                                    {RATING_RED_ZONE, 0.22f},
                                                    {RATING_MOBILITY, 0.09f}};
static const WEIGHTED_RATING kRunningBackTerms[] = {
    {RATING_SPEED, 0.15f},         {RATING_POWER, 0.15f},       {RATING_RED_ZONE, 0.24f},
    {RATING_QUICKNESS, 0.15f},     {RATING_VISION, 0.22f},      {RATING_HANDS, 0.21f},
    {RATING_PASS_BLOCKING, 0.05f}, {RATING_RUN_BLOCKING, 0.05f}};
static const WEIGHTED_RATING kFullbackTerms[] = {
    {RATING_SPEED, 0.03f},  {RATING_RECEIVING, 0.1f},     {RATING_RED_ZONE, 0.1f},
    {RATING_HANDS, 0.05f},  {RATING_POWER, 0.15f},        {RATING_QUICKNESS, 0.03f},
    {RATING_VISION, 0.05f}, {RATING_PASS_BLOCKING, 0.2f}, {RATING_RUN_BLOCKING, 0.32f}};
static const WEIGHTED_RATING kTightEndTerms[] = {
    {RATING_RECEIVING, 0.4f},      {RATING_HANDS, 0.08f},      {RATING_POWER, 0.12f},
    {RATING_RED_ZONE, 0.15f},      {RATING_QUICKNESS, 0.05f},  {RATING_VISION, 0.07f},
    {RATING_PASS_BLOCKING, 0.05f}, {RATING_RUN_BLOCKING, 0.2f}};
static const WEIGHTED_RATING kReceiverTerms[] = {
    {RATING_SPEED, 0.1f},   {RATING_RECEIVING, 0.6f},     {RATING_HANDS, 0.07f},
    {RATING_POWER, 0.05f},  {RATING_RED_ZONE, 0.13f},     {RATING_QUICKNESS, 0.07f},
    {RATING_VISION, 0.07f}, {RATING_PASS_BLOCKING, 0.06f}};
static const WEIGHTED_RATING kLinemanTerms[] = {
    {RATING_PASS_BLOCKING, 0.48f}, {RATING_RUN_BLOCKING, 0.48f}, {RATING_DISCIPLINE, 0.067f}};
static const WEIGHTED_RATING kKickerTerms[] = {{RATING_FG_DISTANCE, 0.55f},
                                               {RATING_FG_ACCURACY, 0.55f}};
static const WEIGHTED_RATING kPunterTerms[] = {{RATING_PUNT_DISTANCE, 0.8f},
                                               {RATING_PUNT_ACCURACY, 0.3f}};

static float Get_Raw_Running_Back_Value(int nTeam, int nSlot) {
    float fValue = Sum_Weighted_Ratings(nTeam, nSlot, kRunningBackTerms) - 10.0f;
    float fReceiving = Get_Player_Rating(nTeam, nSlot, RATING_RECEIVING);
    if (fValue < fReceiving)
        fValue = 0.87f * fValue + 0.13f * fReceiving;
    return fValue;
}

// A fullback is worth at least his whole value as a running back.
static float Get_Raw_Fullback_Value(int nTeam, int nSlot) {
    float fValue = Sum_Weighted_Ratings(nTeam, nSlot, kFullbackTerms);
    float fAsBack = Compute_Position_Rating(nTeam, nSlot, POS_RB);
    return fValue > fAsBack ? fValue : fAsBack;
}

static float Get_Raw_Defensive_Value(int nTeam, int nSlot, int nPosition) {
    const float* pWeights = kDefensiveWeights[nPosition - POS_DE];
    float fSum = 0.0f;
    for (int k = 0; k < 5; k++) {
        float fValue = Get_Player_Rating(nTeam, nSlot, kDefensiveRatings[k]);
        fSum += pWeights[k] * (fValue * fValue);
    }
    return (fSum + 3900.0f) / 125.0f;
}

// The position's formula before any squeezing; 0 outside the 15 positions.
static float Get_Raw_Position_Value(int nTeam, int nSlot, int nPosition) {
    switch (nPosition) {
    case POS_QB: return Sum_Weighted_Ratings(nTeam, nSlot, kQuarterbackTerms) - 17.0f;
    case POS_RB: return Get_Raw_Running_Back_Value(nTeam, nSlot);
    case POS_FB: return Get_Raw_Fullback_Value(nTeam, nSlot);
    case POS_TE: return Sum_Weighted_Ratings(nTeam, nSlot, kTightEndTerms);
    case POS_WR: return Sum_Weighted_Ratings(nTeam, nSlot, kReceiverTerms) - 10.0f;
    case POS_T:
    case POS_G:
    case POS_C: return Sum_Weighted_Ratings(nTeam, nSlot, kLinemanTerms);
    case POS_DE:
    case POS_DT:
    case POS_LB:
    case POS_CB:
    case POS_S: return Get_Raw_Defensive_Value(nTeam, nSlot, nPosition);
    case POS_K: return Sum_Weighted_Ratings(nTeam, nSlot, kKickerTerms) - 11.0f;
    case POS_P: return Sum_Weighted_Ratings(nTeam, nSlot, kPunterTerms) - 10.0f;
    default: return 0.0f;
    }
}

// Specialists are pulled toward 75; then everything is squeezed toward 70..90.
static float Squeeze_Position_Value(int nTeam, int nSlot, float fValue) {
    int nExpanded = Is_Valid_Player_Index(nTeam, nSlot)
                        ? Get_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION)
                        : 0;
    if (nExpanded == ROLE_LS || nExpanded == ROLE_ST)
        fValue = (fValue + 150.0f) / 3.0f;
    if (fValue > 90.0f)
        fValue = (fValue + 90.0f) * 0.5f;
    if (fValue < 70.0f)
        fValue = (70.0f + fValue) * 0.5f;
    return fValue;
}

float Compute_Position_Rating(int nTeam, int nSlot, int nPosition) {
    return Squeeze_Position_Value(nTeam, nSlot, Get_Raw_Position_Value(nTeam, nSlot, nPosition));
}

// Every rating reads at least the floor, so no overall is below 35: none needs the repair of a
// broken overall.
float Get_Player_Overall_Rating(int nTeam, int nSlot) {
    return Compute_Position_Rating(nTeam, nSlot,
                                   Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
}
