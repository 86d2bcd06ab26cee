// Salaries: what a player is fairly paid, what signing bonus he asks, and what players like him
// earn.
#include <stdlib.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/contracts_internal.h"
#include "personnel/personnel.h"
#include "season/season.h"

#define HOLDOUT_INJURY 185
#define FREE_AGENT_WEEK_OFFSET 7  // a free agent's price falls by 5 / (week + 7) in season
#define LAST_POSTSEASON_WEEK_INDEX 5
#define HOLDOUT_BASE 1250    // per mille, before the team's record
#define FAME_THRESHOLD 37    // production scores above this ask for more from humans
#define COMPARABLE_WEIGHT 5  // weight of a player of the same age and overall
#define DEMAND_AGE_OFFSET 10
#define DEMAND_FACTOR 17

// A league team run by a human while the computer does not run every team.
static int Is_Human_League_Team(int nTeam) {
    return nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT &&
           Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_HUMAN && !gAllTeamsComputer;
}

static int Is_Holding_Out(int nTeam, int nSlot) {
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) > 0 &&
           Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY) == HOLDOUT_INJURY;
}

// The cap impact of the league's players of his position, each weighted by how close his age
// (a point per 4 years) and overall are to this player's; 0 when nobody is close enough.
int Get_Comparable_Salary(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nAge = Get_Player_Age(nTeam, nSlot);
    int nOverall = (int)Get_Player_Overall_Rating(nTeam, nSlot);
    int64_t nSum = 0;
    int nTotal = 0;
    int nOtherTeam = 0;
    int nOtherSlot = -1;
    while (Next_League_Player(&nOtherTeam, &nOtherSlot)) {
        if (Get_Player_Vital_Stat(nOtherTeam, nOtherSlot, VITAL_POSITION) != nPosition)
            continue;
        int nWeight = COMPARABLE_WEIGHT -
                      Mul_Div(abs(Get_Player_Age(nOtherTeam, nOtherSlot) - nAge), 1, 4) -
                      abs((int)Get_Player_Overall_Rating(nOtherTeam, nOtherSlot) - nOverall);
        if (nWeight > 0) {
            nSum +=
                (int64_t)nWeight * Get_Player_Vital_Stat(nOtherTeam, nOtherSlot, VITAL_CAP_IMPACT);
            nTotal += nWeight;
        }
    }
    if (nTotal == 0)
        return 0;
    int64_t nHalf = nTotal / 2;  // the mean rounded half away from zero
    return (int)((nSum >= 0 ? nSum + nHalf : nSum - nHalf) / nTotal);
}

// The worth after his age, his unreached potential, his experience and his situation (a free
// agent in season, a holdout), still on the base-cap scale.
static int Get_Base_Salary(int nTeam, int nSlot, int nWorth) {
    int f = Apply_Age_Salary_Factor(nWorth, Get_Player_Age(nTeam, nSlot));
    int nOverall = (int)Get_Checked_Overall_Rating(nTeam, nSlot);
    int nPotential = (int)Get_Player_Potential(nTeam, nSlot);
    if (nOverall < nPotential)
        f = Mul_Div(f, nOverall * nOverall, nPotential * nPotential);

    int nFloor = 100 * Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
    if (f < nFloor)
        f = f + Mul_Div(f + nFloor, 1, 2);

    if (nTeam == FREE_AGENT_TEAM && gCurrentWeek <= gPostseasonWeeks[LAST_POSTSEASON_WEEK_INDEX])
        f = Mul_Div(f, 5, gCurrentWeek + FREE_AGENT_WEEK_OFFSET);

    if (Is_Holding_Out(nTeam, nSlot)) {
        int m = 35 * Get_Team_Record_Char(nTeam, YEARLY_LOSSES) -
                100 * Get_Team_Record_Char(nTeam, YEARLY_WINS) + HOLDOUT_BASE;
        if (m > 1000)
            f = Mul_Div(f, m, 1000);
    }
    return f;
}

// Thousands a year. nWorth 0: his worth is computed.
int Get_Fair_Salary(int nTeam, int nSlot, int nWorth) {
    if (nWorth == 0)
        nWorth = Get_Player_Worth(nTeam, nSlot);
    int f = Get_Base_Salary(nTeam, nSlot, nWorth);
    int v = Mul_Div(Scale_To_Base_Cap(f) + 2 * Get_Comparable_Salary(nTeam, nSlot), 1, 3);

    // Humans pay more on harder levels, and more again for proven players.
    int nDifficulty = gDifficulty;
    int bHuman = Is_Human_League_Team(nTeam);
    if (bHuman || nTeam == FREE_AGENT_TEAM)
        v = Mul_Div(v, nDifficulty + 10, 10);
    if (bHuman) {
        int b = Get_Player_Production_Score(nTeam, nSlot) +
                3 * Get_Player_Byte_Stat(nTeam, nSlot, BYTE_RINGS);
        if (b > FAME_THRESHOLD) {
            int D = 1000 + Mul_Div((b - FAME_THRESHOLD) * (nDifficulty + 1), 1000, 185);
            v = Mul_Div(v, D, 1000);
        }
    }

    v = Mul_Div(v, Get_League_Average_Team_Stat_Scaled() + 2000, 3000);
    v = Mul_Div(v, Get_League_Wealth_Index() + 1000, 2000);

    // Above a tenth of the cap salaries grow at half speed, except quarterbacks'.
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) != POS_QB && nCap != 0 &&
        Mul_Div(nCap, 1, 10000) < v)
        v = Mul_Div(nCap, 1, 20000) + Mul_Div(v, 1, 2);

    v = Mul_Div(v, Get_Universe_Stat(UNIVERSE_SALARY_DEMANDS) + 100, 100);
    return Round_Salary_To_Minimum(nTeam, nSlot, v);
}

// The signing bonus he asks, thousands: a prospect by his draft slot, anyone else by how far his
// fair salary's half lies above his minimum, younger players asking more.
int Get_Salary_Demand(int nTeam, int nSlot, int nWorth) {
    int d;
    if (Is_Draft_Pool_Team(nTeam)) {
        d = Get_Draft_Pool_Asking_Value(nTeam, nSlot);
    } else {
        int nFair = Get_Fair_Salary(nTeam, nSlot, nWorth);
        int nMinimum = Get_Player_Minimum_Salary(nTeam, nSlot);
        d = Mul_Div(DEMAND_FACTOR * (Mul_Div(nFair, 1, 2) - nMinimum), 1,
                    Get_Player_Age(nTeam, nSlot) - DEMAND_AGE_OFFSET);
    }
    d = Mul_Div(d, Get_Universe_Stat(UNIVERSE_SALARY_DEMANDS) + 100, 100);
    d -= d % Get_Price_Step(Get_Universe_Stat(UNIVERSE_INFLATION));
    return Max_Int(0, d);
}

// Per mille of the league's caps that the teams and the free agents are paid.
int Get_League_Payroll_Ratio(void) {
    int nPayroll = Get_Team_Financial_Stat(FREE_AGENT_TEAM, FIN_PAYROLL);
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            nPayroll += Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
    }
    return Mul_Div(1000, nPayroll,
                   Count_Active_Teams() * Mul_Div(Get_Universe_Stat(UNIVERSE_SALARY_CAP), 1, 1000));
}

// The contract he wants: its length and the demand for it.
void Set_Desired_Contract(int nTeam, int nSlot) {
    int nYears = Get_Desired_Contract_Years(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, nYears);
    Calculate_Contract_Demand(nTeam, nSlot, 0);
}
