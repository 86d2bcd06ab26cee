// The program's one random-number generator (MT19937 with the 1998 32-bit seeding) and the
// draws built on it. Every draw takes exactly one generator output, so a seed repeats a run.
#include "core/core.h"

#include <math.h>

#define MT_SHIFT_WORDS 397
#define MT_NEVER_SEEDED 625
#define MT_UPPER_MASK 0x80000000u
#define MT_LOWER_MASK 0x7fffffffu
#define MT_MATRIX_A 0x9908b0dfu

// An output read as unsigned and divided by 4,294,967,295: 0 <= u <= 1, both ends included.
#define UNIT_SCALE 2.3283064370807974e-10
#define RANDOM_SPAN 4294967295LL  // the largest generator output

uint32_t gMtState[MT_STATE_WORDS];
int gMtIndex = MT_NEVER_SEEDED;
static uint64_t gDrawCount = 0;

uint64_t Count_Random_Draws(void) {
    return gDrawCount;
}

void Seed_Random(uint32_t uSeed) {
    uint32_t x = uSeed;
    for (int k = 0; k < MT_STATE_WORDS; k++) {
        uint32_t uHigh = x & 0xffff0000u;
        x = 69069u * x + 1u;
        gMtState[k] = uHigh | (x >> 16);
        x = 69069u * x + 1u;
    }
    gMtIndex = MT_STATE_WORDS;
}

// Back to the start-up state: the next draw seeds with the default seed, as in a fresh process.
void Reset_Random(void) {
    gMtIndex = MT_NEVER_SEEDED;
}

void Set_Random_State(const uint32_t* pWords) {
    for (int k = 0; k < MT_STATE_WORDS; k++)
        gMtState[k] = pWords[k];
    gMtIndex = MT_STATE_WORDS;
}

// Replaces all 624 words by the next 624 (the standard MT19937 recurrence, in place).
static void Regenerate_State(void) {
    for (int k = 0; k < MT_STATE_WORDS; k++) {
        uint32_t y =
            (gMtState[k] & MT_UPPER_MASK) | (gMtState[(k + 1) % MT_STATE_WORDS] & MT_LOWER_MASK);
        gMtState[k] = gMtState[(k + MT_SHIFT_WORDS) % MT_STATE_WORDS] ^ (y >> 1) ^
                      ((y & 1u) ? MT_MATRIX_A : 0u);
    }
    gMtIndex = 0;
}

uint32_t Random_Number(void) {
    if (gMtIndex >= MT_STATE_WORDS) {
        if (gMtIndex == MT_NEVER_SEEDED)
            Seed_Random(DEFAULT_RANDOM_SEED);
        Regenerate_State();
    }
    gDrawCount++;
    uint32_t y = gMtState[gMtIndex++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= y >> 18;
    return y;
}

double Random_Unit(void) {
    return (double)Random_Number() * UNIT_SCALE;
}

int Random_Below(int n) {
    double u = Random_Unit();
    if (n < 1)
        return 0;  // no valid result; 0 is the safe one (the draw is still taken)
    int nResult = (int)floor(u * n);
    if (nResult >= n)
        nResult = n - 1;  // only the largest output gets here
    return nResult;
}

int Random_Range(int a, int b) {
    double dCount = (double)b - (double)a + 1.0;
    int64_t nResult = (int64_t)a + (int64_t)floor(Random_Unit() * dCount);
    if (nResult > b)
        nResult = b;
    return (int)nResult;
}

float Random_Float(float x) {
    float fResult = (float)(Random_Unit() * (double)x);
    return fResult > 0.0f ? fResult : 0.0f;
}

int Random_Spread(int nValue, int nSpread) {
    int nFactor = 1000;
    for (int k = 0; k < 2; k++) {
        int nStep = (int)(Random_Unit() * (double)(2 * nSpread)) - nSpread + 1000;
        nFactor = Mul_Div(nFactor, nStep, 1000);
    }
    return Mul_Div(nValue, nFactor, 1000);
}

float Random_Spread_Float(float x, float d) {
    float fFactor = 1.0f;
    for (int k = 0; k < 2; k++) {
        fFactor = (float)(fFactor * (Random_Unit() * 2.0 * d + 1.0 - d));
    }
    return fFactor * x;
}

int Draw_Random(int n) {
    uint32_t u = Random_Number();
    return (int)((int64_t)n * (int64_t)u / RANDOM_SPAN);
}

int Draw_Random_Around(int nBase, int n) {
    int nValue = nBase + Draw_Random(n);
    return nValue - Draw_Random(n);
}
