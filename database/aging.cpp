// Aging: players grow until their prime starts (VITAL_PRIME_START), hold through it and decline
// after their peak age (VITAL_PRIME_END). One routine moves all 27 ratings by a fraction; the
// yearly step also costs speed, trims the best players a little and pulls very high ratings back.
// Without randomness the same step projects a player's potential.
#include <math.h>
#include <stddef.h>

#include "core/core.h"
#include "database/database.h"

#define RANDOM_SPAN 4294967295.0
#define PERCENT 100.0f

#define GROWTH_POINTS 2.0f     // a year's growth at the normal rate, in hundredths
#define GROWTH_STEP 70.0f      // rating points of a growth fraction of 1
#define GROWTH_ROOM_TOP 99.0f  // growth of a position's own ratings slows toward this
#define GROWTH_ROOM_SPAN 29.0f
#define SPEED_LOSS_AGE 25
#define SPEED_LOSS 1.3f
#define STAR_OVERALL 80
#define STAR_TRIM_BASE 0.01f
#define PULL_BACK_START 85.0f
#define MIRROR_TOP 99.0f
#define MIRROR_SUM 198.0f
#define PULL_BACK_CHANCE_DIVISOR 250.0f
#define PULL_BACK_DRAW_FACTOR 3.0f
#define PULL_BACK_PROJECTION_DIVISOR 41666.7f
#define PULL_BACK_SETTING_DIVISOR 400.0f
#define PULL_BACK_DOUBLE_AGE 30
#define QUARTERBACK_ERA_START 1950
#define QUARTERBACK_ERA_YEARS 20

// The decline setting of the game options: the short kept right after the draft strategy.
#define DECLINE_SETTING_HEAD_SHORT \
    ((int)((offsetof(SAVED_STATE, nAgingConstant) - HEAD_SHORTS_OFFSET) / sizeof(int16_t)))

static const int kPeakAges[POSITION_COUNT] = {
    32, 27, 29, 29, 29, 28, 30, 29, 29, 30, 29, 28, 28, 35, 35,
};

// Weights of a negative adjustment in weighted mode, by rating 0..26.
static const float kAgingWeights[RATING_COUNT] = {
    2.0f, 2.0f, 0.7f, 1.2f, 0.6f, 0.7f, 1.2f, 0.8f, 0.8f, 1.2f, 0.2f, 0.8f, 0.8f, 1.5f,
    1.0f, 1.0f, 1.0f, 0.5f, 1.0f, 1.0f, 1.1f, 0.9f, 1.0f, 0.7f, 1.2f, 0.7f, 1.2f,
};

static double Random_Fraction(void) {
    return Random_Number() / RANDOM_SPAN;
}

int Get_Position_Peak_Age(int nPosition) {
    int nAge = kPeakAges[Clamp(nPosition, 0, POSITION_COUNT - 1)];
    if (nPosition == POS_QB) {
        int nEras = (Get_Season_Year() - QUARTERBACK_ERA_START) / QUARTERBACK_ERA_YEARS;
        if (nEras >= 0)
            nAge += nEras;
    }
    return nAge;
}

float Get_Rating_Aging_Weight(int nRating) {
    if (nRating < 0 || nRating >= RATING_COUNT)
        return 1.0f;
    return kAgingWeights[nRating];
}

void Modify_Player_Ratings(int nTeam, int nSlot, float fFraction, int bWeighted) {
    if (fabsf(fFraction) > 1.0f)
        Report_Error("fAdjustment too large in Modify_Player_Ratings(%d, %d, [%f], %s)", nTeam,
                     nSlot, fFraction, bWeighted ? "TRUE" : "FALSE");
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    for (int nRating = 0; nRating < RATING_COUNT; nRating++) {
        float fValue = Get_Player_Rating(nTeam, nSlot, nRating);
        if (fFraction < 0.0f) {
            float fShare = bWeighted ? fFraction * kAgingWeights[nRating] : fFraction;
            fValue = (1.0f + fShare) * fValue;
        } else {
            float fStep = GROWTH_STEP * fFraction;
            if (bWeighted && nRating == RATING_SPEED)
                fStep = 0.0f;
            if (Rating_Applies_To_Position(nPosition, nRating))
                fStep *= (GROWTH_ROOM_TOP - fValue) / GROWTH_ROOM_SPAN;
            fValue += fStep;
        }
        Set_Player_Rating(nTeam, nSlot, fValue, nRating);
    }
}

float Get_Yearly_Aging_Change(int nTeam, int nSlot, int bRandom) {
    int nAge = Get_Player_Age(nTeam, nSlot);
    int nPrimeStart = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START);
    int nPeak = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_END);
    float fChange = 0.0f;
    if (nAge < nPrimeStart) {
        fChange = GROWTH_POINTS * Get_Player_Vital_Stat(nTeam, nSlot, VITAL_GROWTH_RATE) / PERCENT;
    } else if (nAge > nPeak) {
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        float fMiddle = (Get_Position_Peak_Age(nPosition) + nPeak) / 2.0f;
        float fYears = nAge > fMiddle ? nAge - fMiddle : 1.0f;
        int nRate = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DECLINE_RATE);
        float fSetting = PERCENT + Get_Universe_Stat(UNIVERSE_AGING);
        // A rate of 0 only comes from a broken record: such a player declines at the normal pace.
        fChange = -(fSetting / (nRate > 0 ? nRate : PERCENT)) * fYears;
    }
    if (bRandom) {
        double fAdded = 2.0 * Random_Fraction();
        fChange = (float)(fChange + fAdded - 2.0 * Random_Fraction());
    }
    return fChange;
}

// A rating above 85 (after folding values above 99 back below it) loses part of its excess.
static void Pull_Back_High_Rating(int nTeam, int nSlot, int nRating, int bReal, float fSetting,
                                  int bOld) {
    float fValue = Get_Player_Rating(nTeam, nSlot, nRating);
    if (fValue > MIRROR_TOP)
        fValue = MIRROR_SUM - fValue;
    if (fValue <= PULL_BACK_START)
        return;
    float fExcess = fValue - PULL_BACK_START;
    float fSquare = fExcess * fExcess;
    float fLoss = 0.0f;
    if (bReal) {
        if (Random_Fraction() < fSquare / PULL_BACK_CHANCE_DIVISOR) {
            float fDraw = (float)Random_Fraction();
            fLoss = fSetting / PULL_BACK_SETTING_DIVISOR *
                    (PULL_BACK_DRAW_FACTOR * fDraw * fSquare / PULL_BACK_CHANCE_DIVISOR);
        }
    } else {
        fLoss = fSetting / PULL_BACK_SETTING_DIVISOR * (fSquare * fSquare) /
                PULL_BACK_PROJECTION_DIVISOR;
    }
    if (bOld)
        fLoss *= 2.0f;
    Set_Player_Rating(nTeam, nSlot, fValue - fLoss, nRating);
}

int Get_Decline_Setting(void) {
    return Get_Head_Short(DECLINE_SETTING_HEAD_SHORT);
}

void Age_Player_Ratings(int nTeam, int nSlot, int bReal) {
    int nAge = Get_Player_Age(nTeam, nSlot);
    if (nAge < Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START) ||
        nAge > Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_END))
        Modify_Player_Ratings(nTeam, nSlot, Get_Yearly_Aging_Change(nTeam, nSlot, bReal) / PERCENT,
                              1);
    if (nAge > SPEED_LOSS_AGE)
        Set_Player_Rating(nTeam, nSlot, Get_Player_Rating(nTeam, nSlot, RATING_SPEED) - SPEED_LOSS,
                          RATING_SPEED);

    float fSetting = Get_Decline_Setting() + PERCENT;
    if (bReal) {
        int nOverall = (int)Get_Player_Overall_Rating(nTeam, nSlot);
        if (nOverall > STAR_OVERALL) {
            int nChance = ((int)fSetting * (nOverall - STAR_OVERALL) + 50) / 100;
            int nDraw = Draw_Random(100);
            if (nDraw < nChance)
                Modify_Player_Ratings(nTeam, nSlot, -((nChance - nDraw) / 1000.0f + STAR_TRIM_BASE),
                                      0);
        }
    }
    int bOld = nAge > PULL_BACK_DOUBLE_AGE;
    for (int nRating = 0; nRating < RATING_COUNT; nRating++)
        Pull_Back_High_Rating(nTeam, nSlot, nRating, bReal, fSetting, bOld);
}

void Age_All_Players_Projected(void) {
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                Age_Player_Ratings(nTeam, nSlot, 0);
        }
    }
}
