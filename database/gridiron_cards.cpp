// The card game's skills, value and salary tier of a player, read as derived statistics.
#include <math.h>
#include <stdint.h>

#include "database/database.h"

#define GRIDIRON_SKILL_COUNT (LAST_GRIDIRON_SKILL - FIRST_GRIDIRON_SKILL + 1)
// A skill's term is what the skill has above this level: a reserve's card is cheap, and the cubes
// spread the starters over the salary tiers.
#define GRIDIRON_TERM_BASE 50
#define GRIDIRON_VALUE_LIMIT 1000000000LL
#define GRIDIRON_KICKER_VALUE 1600
#define GRIDIRON_LOW_VALUE 2000
#define GRIDIRON_TIER_COUNT 9
#define GRIDIRON_SLOT_ZERO_FLOOR 2

static float Read_Rating(int nTeam, int nSlot, int nRating) {
    return Get_Player_Rating(nTeam, nSlot, nRating);
}

// The passing-game skills of a player who neither throws nor catches for a living.
static float Get_Bystander_Passing_Skill(int nTeam, int nSlot) {
    return 5.0f + 0.1f * Read_Rating(nTeam, nSlot, RATING_ACCURACY) +
           0.1f * Read_Rating(nTeam, nSlot, RATING_CONTROL) +
           0.1f * Read_Rating(nTeam, nSlot, RATING_PASS_BLOCKING);
}

static float Get_Rushing_Skill(int nTeam, int nSlot, int nPosition) {
    float f = 0.45f * Read_Rating(nTeam, nSlot, RATING_SPEED) +
              0.45f * Read_Rating(nTeam, nSlot, RATING_QUICKNESS);
    switch (nPosition) {
    case POS_TE: return f - 30.0f;
    case POS_WR: return f - 40.0f;
    case POS_T:
    case POS_G:
    case POS_C: return f / 3.0f;
    default: return f;
    }
}

static float Get_Goal_Line_Skill(int nTeam, int nSlot, int nPosition) {
    float fPower = Read_Rating(nTeam, nSlot, RATING_POWER);
    switch (nPosition) {
    case POS_QB:
    case POS_RB:
    case POS_FB: return fPower;
    case POS_TE:
    case POS_WR: return (Read_Rating(nTeam, nSlot, RATING_VISION) + fPower) / 3.0f;
    default: return fPower / 3.8f;
    }
}

static int Is_Receiver_Position(int nPosition) {
    return nPosition == POS_RB || nPosition == POS_FB || nPosition == POS_TE ||
           nPosition == POS_WR;
}

static float Compute_Gridiron_Skill(int nTeam, int nSlot, int nPosition, int nSkill) {
    switch (nSkill) {
    case GRIDIRON_PASS_BLOCKING: return Read_Rating(nTeam, nSlot, RATING_PASS_BLOCKING);
    case GRIDIRON_RUN_BLOCKING: return Read_Rating(nTeam, nSlot, RATING_RUN_BLOCKING);
    case GRIDIRON_RUSHING: return Get_Rushing_Skill(nTeam, nSlot, nPosition);
    case GRIDIRON_GOAL_LINE: return Get_Goal_Line_Skill(nTeam, nSlot, nPosition);
    case GRIDIRON_RECEIVING:
        return Is_Receiver_Position(nPosition) ? Read_Rating(nTeam, nSlot, RATING_RECEIVING)
                                               : Get_Bystander_Passing_Skill(nTeam, nSlot);
    case GRIDIRON_PASSING:
        return nPosition == POS_QB ? Read_Rating(nTeam, nSlot, RATING_ACCURACY)
                                   : Get_Bystander_Passing_Skill(nTeam, nSlot);
    case GRIDIRON_RED_ZONE:
        if (nPosition == POS_QB || Is_Receiver_Position(nPosition))
            return Read_Rating(nTeam, nSlot, RATING_RED_ZONE);
        return 0.2f * Read_Rating(nTeam, nSlot, RATING_RED_ZONE) + 7.0f +
               0.2f * Read_Rating(nTeam, nSlot, RATING_PASS_BLOCKING);
    case GRIDIRON_RUN_DEFENSE: return 0.9f * Read_Rating(nTeam, nSlot, RATING_RUN_DEFENSE);
    case GRIDIRON_PASS_RUSH: return 0.9f * Read_Rating(nTeam, nSlot, RATING_PASS_RUSH);
    case GRIDIRON_COVERAGE: return 0.9f * Read_Rating(nTeam, nSlot, RATING_PASS_COVERAGE);
    case GRIDIRON_TACKLING: return 0.9f * Read_Rating(nTeam, nSlot, RATING_TACKLING);
    default: return 0.0f;
    }
}

int Get_Gridiron_Skill(int nTeam, int nSlot, int nSkill) {
    if (nSkill < FIRST_GRIDIRON_SKILL || nSkill > LAST_GRIDIRON_SKILL)
        return 0;
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    return (int)Compute_Gridiron_Skill(nTeam, nSlot, nPosition, nSkill);
}

int Get_Gridiron_Skill_Term(int nSkill) {
    return nSkill > GRIDIRON_TERM_BASE ? nSkill - GRIDIRON_TERM_BASE : 0;
}

// R(a, k, c): a x k / c rounded half up, in 64 bits.
static int64_t Scale_Rounded(int64_t a, int64_t k, int64_t c) {
    return (a * k + c / 2) / c;
}

// Q(S, k, c): as R, one less for a negative S that c does not divide.
static int64_t Scale_Signed(int64_t s, int64_t k, int64_t c) {
    int64_t q = (s * k + c / 2) / c;
    return s < 0 && s % c != 0 ? q - 1 : q;
}

static int64_t Cube(int64_t n) {
    return n * n * n;
}

// L, the player's card strength before it is put on the value scale.
static int64_t Get_Gridiron_Strength(int nPosition, const int* anTerm) {
    int64_t pb = anTerm[0], rb = anTerm[1], ru = anTerm[2], gl = anTerm[3], re = anTerm[4];
    int64_t pa = anTerm[5], rz = anTerm[6], rd = anTerm[7], pr = anTerm[8], co = anTerm[9];
    int64_t ta = anTerm[10];
    switch (nPosition) {
    case POS_QB: {
        int64_t s = Scale_Rounded(Cube(pa), 30, 400) + Scale_Rounded(rz * rz * pa, 30, 400) +
                    Scale_Rounded(ru * ru * pa, 23, 400) + Scale_Rounded(gl * gl * pa, 17, 400) -
                    1228;
        return Scale_Signed(s, 22000, 8372);
    }
    case POS_RB:
    case POS_FB:
    case POS_TE:
    case POS_WR: {
        int64_t s = Scale_Rounded(Cube(ru), 43, 100) + Scale_Rounded(Cube(gl), 50, 100) +
                    Scale_Rounded(Cube(re), 55, 100) + Scale_Rounded(Cube(rz), 65, 100) +
                    Scale_Rounded(Cube(rb), 30, 100) + Scale_Rounded(Cube(pb), 30, 100);
        return Scale_Signed(s, 15000, 44200) - (nPosition == POS_WR ? 1300 : 0);
    }
    case POS_T:
    case POS_G:
    case POS_C: return Scale_Signed(Cube(pb) + Cube(rb) - 8000, 9200, 27000) + 1000;
    case POS_DE:
    case POS_DT:
    case POS_LB:
        return Scale_Signed(Cube(rd - 5) + Cube(ta) + Cube(co) + Cube(pr) - 14000, 15000, 50000);
    case POS_CB:
    case POS_S:
        return Scale_Signed(Cube(rd) + Cube(ta) + Cube(co) + Cube(pr) - 14000, 15000, 50000);
    default: return 0;
    }
}

int Get_Gridiron_Value_From_Terms(int nPosition, const int* anTerm) {
    int64_t nStrength = Get_Gridiron_Strength(nPosition, anTerm);
    int64_t nScaled = nStrength * 1000;
    if (nScaled > GRIDIRON_VALUE_LIMIT)
        nScaled = GRIDIRON_VALUE_LIMIT;
    if (nScaled < -GRIDIRON_VALUE_LIMIT)
        nScaled = -GRIDIRON_VALUE_LIMIT;
    int nRoot = (int)(sqrt((double)(nScaled < 0 ? -nScaled : nScaled)) + 0.5);
    if (nScaled < 0)
        nRoot = -nRoot;
    int nValue = (3 * nRoot) / 2 + (int)((10 * nStrength) / 19);
    return nValue >= GRIDIRON_LOW_VALUE ? nValue : (nValue + 8000) / 5;
}

int Get_Gridiron_Value(int nTeam, int nSlot) {
    int anTerm[GRIDIRON_SKILL_COUNT];
    for (int n = 0; n < GRIDIRON_SKILL_COUNT; n++)
        anTerm[n] = Get_Gridiron_Skill_Term(Get_Gridiron_Skill(nTeam, nSlot, FIRST_GRIDIRON_SKILL + n));
    return Get_Gridiron_Value_From_Terms(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION),
                                         anTerm);
}

// ---- salary tiers -------------------------------------------------------------------------------

static const int kTierSteps[GRIDIRON_TIER_COUNT] = {0, 2, 3, 5, 8, 10, 12, 15, 20};

static const int kTierThresholds[POSITION_COUNT][GRIDIRON_TIER_COUNT] = {
    {2000, 2100, 4000, 5500, 8500, 11500, 13000, 17500, 22500},   // QB
    {2000, 3900, 4800, 7000, 8000, 10000, 12000, 17500, 22500},   // RB
    {2000, 3000, 4000, 7000, 8500, 11500, 13000, 17500, 22500},   // FB
    {2000, 3000, 4000, 7000, 8500, 10000, 13000, 17500, 22500},   // TE
    {1770, 3430, 4500, 6300, 8500, 11500, 13000, 17500, 22500},   // WR
    {2300, 3400, 4500, 6700, 7900, 10000, 13000, 17500, 22500},   // T
    {2280, 3000, 3600, 6700, 8500, 11500, 13000, 17500, 22500},   // G
    {2800, 4700, 5500, 6500, 7700, 11500, 13000, 17500, 22500},   // C
    {3500, 4400, 5300, 6300, 7400, 10000, 15000, 20000, 22500},   // DE
    {2000, 4300, 5150, 7000, 8500, 11000, 13000, 17500, 22500},   // DT
    {1500, 2900, 4650, 6800, 8700, 12000, 17500, 17500, 22500},   // LB
    {2700, 4100, 5200, 6550, 7700, 10000, 11500, 17500, 22500},   // CB
    {2400, 3750, 4750, 7215, 9000, 11500, 13000, 17500, 22500},   // S
    {0, 0, 0, 0, 0, 0, 0, 0, 0},                                  // K
    {0, 0, 0, 0, 0, 0, 0, 0, 0},                                  // P
};

static const int kTierCaps[POSITION_COUNT] = {20, 15, 15, 15, 15, 12, 12, 12, 20, 15, 15, 15, 15, 0, 0};

int Get_Gridiron_Salary_Tier(int nPosition, int nValue, int bFirstSlot) {
    if (!Is_Position_Code(nPosition))
        return 0;
    int nTier = nValue;  // above every threshold the value stands in, and the cap decides
    for (int n = 0; n < GRIDIRON_TIER_COUNT; n++) {
        if (nValue < kTierThresholds[nPosition][n]) {
            nTier = kTierSteps[n];
            break;
        }
    }
    if (bFirstSlot && nTier < GRIDIRON_SLOT_ZERO_FLOOR)
        nTier = GRIDIRON_SLOT_ZERO_FLOOR;
    if (nTier > kTierCaps[nPosition])
        nTier = kTierCaps[nPosition];
    return nTier < 0 ? 0 : nTier;
}

int Get_Gridiron_Salary(int nTeam, int nSlot) {
    return Get_Gridiron_Salary_Tier(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION),
                                    Get_Gridiron_Value(nTeam, nSlot), nSlot == 0);
}
