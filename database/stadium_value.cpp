// What a stadium is worth: its size, roof and turf, its three quality grades and its city's
// population and income.
#include <stdint.h>

#include "core/core.h"
#include "database/database.h"

#define PER_MILLE 1000
#define BASE_CITY_INCOME 25000
#define BASE_STADIUM_COST 100000000
#define NATURAL_GRASS_COST 10000000
#define STADIUM_VALUE_STEP 1000000
// The largest value a stadium stat can hold, a whole number of value steps.
#define MAX_STADIUM_VALUE (INT32_MAX / STADIUM_VALUE_STEP * STADIUM_VALUE_STEP)

static const int kStructureFactor[3] = {1000, 1200, 1500};  // open, domed, convertible

// x * y / z rounded half up, in 64 bits; 0 for a zero divisor.
static int64_t Scale_Rounded(int64_t x, int64_t y, int64_t z) {
    if (z == 0)
        return 0;
    return (x * y + z / 2) / z;
}

int Compute_Stadium_Value(int nTeam) {
    int64_t nIncome = Get_Team_City_Stat(nTeam, CITY_INCOME);
    int64_t nPopulation = Get_Team_City_Stat(nTeam, CITY_POPULATION);
    int nStructure = Clamp(Get_Team_Stadium_Stat(nTeam, STADIUM_STRUCTURE), 0, 2);

    int64_t t = Scale_Rounded(nIncome, PER_MILLE, BASE_CITY_INCOME);
    int64_t u = Scale_Rounded(nPopulation, t, 1000000);
    int64_t r = Scale_Rounded(u, Get_Team_Stadium_Stat(nTeam, STADIUM_CONVENIENCE), PER_MILLE);
    int64_t a = Scale_Rounded(t, Get_Team_Stadium_Stat(nTeam, STADIUM_COMFORT), PER_MILLE) + 1000;
    int64_t c = Scale_Rounded(
        (int64_t)Get_Team_Stadium_Stat(nTeam, STADIUM_CAPACITY) * 1000 + BASE_STADIUM_COST,
        kStructureFactor[nStructure], PER_MILLE);
    if (Get_Team_Stadium_Stat(nTeam, STADIUM_SURFACE) == STADIUM_NATURAL_GRASS)
        c += NATURAL_GRASS_COST;
    int64_t e = Scale_Rounded(c, r + 1000, 2000);
    int64_t g = Scale_Rounded(e, a, 2000);
    int64_t h = Scale_Rounded(g, Get_Team_Stadium_Stat(nTeam, STADIUM_SIGHT_LINES) + 3000, 4000);
    int64_t nValue = (h + STADIUM_VALUE_STEP / 2) / STADIUM_VALUE_STEP * STADIUM_VALUE_STEP;
    // A big market's stadium can be worth more than the stat holds.
    if (nValue > MAX_STADIUM_VALUE)
        nValue = MAX_STADIUM_VALUE;
    return (int)nValue;
}
