// What a player is worth in a trade: his trade value from his worth and potential, less his
// salary burden, by his age; and a roster's whole trade value.
#include "core/core.h"
#include "database/database.h"

#define LOWEST_TRADED_POTENTIAL 65
#define TRADE_VALUE_DIVISOR 2750
#define MOST_YEARS_TO_PEAK 7
#define CAP_SALARY_ALLOWANCE 1000  // normalised thousands a player is paid before he costs value
#define COSTLY_OVERALL 70
#define INJURY_WEEK_DISCOUNT 30
#define SETTLED_WEEKLY_COUNTER 18
#define ROSTER_VALUE_FACTOR 2000

// ---- the age table -----------------------------------------------------------------------------
#define AGE_TABLE_FIRST_AGE 20
#define AGE_TABLE_SIZE 25

static const int kAgePercent[AGE_TABLE_SIZE] = {150, 145, 140, 135, 130, 125, 120, 115, 110,
                                                105, 100, 95,  90,  85,  80,  75,  70,  65,
                                                60,  55,  50,  40,  30,  20,  10};
static const int kAgeBonus[AGE_TABLE_SIZE] = {150, 150, 125, 100, 75, 50, 25};

static int Get_Years_Left(int nTeam, int nSlot) {
    return Max_Int(1, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT));
}

// The normalised salary above the allowance, spread over the years left and the one after.
static int Get_Salary_Burden(int nTeam, int nSlot) {
    int nYears = Get_Years_Left(nTeam, nSlot);
    int64_t nSalary =
        Max_Int(0, Normalize_Money_To_Cap(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY)) -
                       CAP_SALARY_ALLOWANCE);
    return (int)(nSalary * nYears / (nYears + 1));
}

int Get_Player_Trade_Value(int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    int nPotential = (int)Get_Player_Potential(nTeam, nSlot);
    if (nPotential < LOWEST_TRADED_POTENTIAL)
        return 0;
    int nWorth = Get_Player_Worth(nTeam, nSlot);
    int nYears =
        Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START) - Get_Player_Age(nTeam, nSlot);
    if (nYears > 0) {
        nYears = Clamp(nYears, 1, MOST_YEARS_TO_PEAK);
        int nPotentialValue = Max_Int(0, Get_Rating_Value(nTeam, nSlot, (float)nPotential));
        nWorth = Mul_Div(nWorth, (15 - nYears) * 50, 1000) +
                 Mul_Div(nPotentialValue, 250 + 50 * nYears, 1000);
    }
    return Mul_Div(nWorth, nWorth, TRADE_VALUE_DIVISOR);
}

int Adjust_Trade_Value_For_Age(int nTeam, int nSlot, int nValue) {
    int nBirthYear = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
    int nAge = Clamp(Get_Season_Year() - nBirthYear - AGE_TABLE_FIRST_AGE, 0, AGE_TABLE_SIZE - 1);
    return Mul_Div(nValue, kAgePercent[nAge], 100) + kAgeBonus[nAge];
}

int Get_Player_Net_Trade_Value(int nTeam, int nSlot, int nValue) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    int nOverall = (int)Get_Player_Overall_Rating(nTeam, nSlot);
    int nTradeValue = nValue != 0 ? nValue : Get_Player_Trade_Value(nTeam, nSlot);
    int nSalary = Get_Salary_Burden(nTeam, nSlot);
    if (nOverall > COSTLY_OVERALL)
        nSalary = Mul_Div(nSalary, COSTLY_OVERALL, nOverall);
    int nLeft = Adjust_Trade_Value_For_Age(nTeam, nSlot, nTradeValue - nSalary);

    int bHuman = Is_Human_Team(nTeam);
    int nYears = Get_Years_Left(nTeam, nSlot);
    int nFactor = 1000;
    if (nLeft > 0 && bHuman && nYears <= 2)
        nFactor = nYears * 450 - 150;  // 300 for one year left, 750 for two
    nFactor -= INJURY_WEEK_DISCOUNT * Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS);
    int nNet = Mul_Div(nLeft, nFactor, 1000);

    int nCounter = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_WEEKLY_COUNTER);
    if (bHuman && nCounter < SETTLED_WEEKLY_COUNTER)
        nNet = Max_Int(0, Mul_Div(nNet, nCounter - 4, 14));
    return nNet;
}

// A team's financial ratio, neutral for a team without finances.
static int Get_Receiver_Ratio(int nTeam, int nStat) {
    return Is_Team_Active(nTeam) ? Get_Team_Financial_Stat(nTeam, nStat) : 1000;
}

int Get_Player_Contract_Adjusted_Value(int nReceivingTeam, int nTeam, int nSlot, int nWeight) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) <= 1 &&
        Is_Season_Complete() && Is_Human_Team(nTeam))
        return 0;
    int nYears = Get_Years_Left(nTeam, nSlot);
    int nValue = Mul_Div(Get_Player_Trade_Value(nTeam, nSlot), nYears + 3, 10);
    int nSalary = Get_Salary_Burden(nTeam, nSlot);
    nSalary = Mul_Div(nSalary, 3000, Get_Receiver_Ratio(nReceivingTeam, FIN_CASH_RATIO) + 2000);
    nSalary = Mul_Div(nSalary, Get_Receiver_Ratio(nReceivingTeam, FIN_PAYROLL_RATIO) + 1000, 2000);
    nSalary = Mul_Div(nSalary, 3000, Get_Receiver_Ratio(nReceivingTeam, FIN_REVENUE_RATIO) + 2000);
    int nBurden = Mul_Div(nWeight, nSalary, 1000);
    return Adjust_Trade_Value_For_Age(nTeam, nSlot, nValue - nBurden);
}

// ---- teams -------------------------------------------------------------------------------------

// Saturates at the int range: a rich roster's value passes 2^31.
int Get_Team_Roster_Trade_Value(int nTeam) {
    int64_t nSum = 0;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (Is_Player_Slot_Used(nTeam, nSlot))
            nSum += Get_Player_Net_Trade_Value(nTeam, nSlot, 0);
    }
    return Saturate_To_Int(nSum * ROSTER_VALUE_FACTOR);
}
