// Steering a player's potential to a wanted overall through his growth rate.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define POTENTIAL_STEP_LIMIT 200
#define GROWTH_RATE_STEP 2
#define LATEST_PRIME_PUSH 2
#define EARLIEST_PUSHED_PRIME 25

int Set_Player_Potential_For_Overall(int nTeam, int nSlot, int nTarget) {
    int nPotential = (int)Get_Player_Potential(nTeam, nSlot);
    if (nPotential < nTarget) {
        // A player at the start of his prime is given years to grow into the target.
        int nAge = Get_Player_Age(nTeam, nSlot);
        if (nAge >= Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START) - 1)
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START,
                                  Max_Int(nAge + LATEST_PRIME_PUSH, EARLIEST_PUSHED_PRIME));
    }
    int nSteps = 0;
    while (nSteps < POTENTIAL_STEP_LIMIT && nPotential != nTarget) {
        int nRate = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_GROWTH_RATE);
        int nStep = nPotential < nTarget ? GROWTH_RATE_STEP : -GROWTH_RATE_STEP;
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_GROWTH_RATE, nRate + nStep);
        nPotential = (int)Get_Player_Potential(nTeam, nSlot);
        nSteps++;
    }
    return nSteps;
}
