// Contract renewal at the turn of the year: how long a player wants to sign for, and whether his
// team renews him, asking the user for a human-run team.
#include <math.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "resources/resource.h"

#define DRAFT_POOL_CONTRACT_YEARS 4
#define MAX_CONTRACT_YEARS 7
#define WORTH_LIMIT 1000000000
#define FREE_AGENT_YEARS_WEEK_OFFSET 6

#define BASE_CAP_DOLLARS 55000000  // the built-in money tables' cap
#define LEAGUE_CAP_DOLLARS 182500000
#define STAR_RATING 70  // potential or overall above this raises the money offered
#define NEED_OFFSET 1000
#define NEED_DIVISOR 1400
#define RENEWAL_ROSTER_LIMIT 59  // from this many players nobody is renewed below his price

// ---- the years wanted ----------------------------------------------------------------------------

int Get_Desired_Contract_Years(int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    if (Is_Draft_Pool_Team(nTeam))
        return DRAFT_POOL_CONTRACT_YEARS;

    int nWorth = Clamp(Get_Player_Worth(nTeam, nSlot), -WORTH_LIMIT, WORTH_LIMIT);
    int nRoot = (int)lround(sqrt(fabs((double)nWorth)));
    int m = 5 * (nWorth < 0 ? -nRoot : nRoot) + 300;

    int nAge = Get_Player_Age(nTeam, nSlot);
    int nPeak = Get_Position_Peak_Age(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
    if (nAge > nPeak)
        m = Mul_Div(m, 3, nAge - nPeak + 3);

    int nFloor = 2;
    if (nTeam == FREE_AGENT_TEAM && gCurrentWeek <= gPostseasonWeeks[POSTSEASON_WEEK_COUNT - 1]) {
        m = Mul_Div(m, 3, gCurrentWeek + FREE_AGENT_YEARS_WEEK_OFFSET);
        nFloor = 1;
    }
    return Max_Int(nFloor, Min_Int(m / 100, MAX_CONTRACT_YEARS));
}

// ---- renewal ---------------------------------------------------------------------------------------

typedef struct CONTRACT_FIELDS {
    int nSalary;
    int nYearsLeft;
    int nLength;
    int nBonus;
} CONTRACT_FIELDS;

static CONTRACT_FIELDS Read_Contract(int nTeam, int nSlot) {
    CONTRACT_FIELDS c;
    c.nSalary = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY);
    c.nYearsLeft = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
    c.nLength = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH);
    c.nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS);
    return c;
}

static void Write_Contract(int nTeam, int nSlot, const CONTRACT_FIELDS* pContract) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, pContract->nSalary);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, pContract->nYearsLeft);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, pContract->nLength);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, pContract->nBonus);
}

static void Set_Contract_Years(int nTeam, int nSlot, int nYears) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, nYears);
}

// The contract he wants, then release to the free agents.
static void Release_With_New_Demand(int nTeam, int nSlot, int nYears) {
    Set_Contract_Years(nTeam, nSlot, nYears);
    Calculate_Contract_Demand(nTeam, nSlot, 0);
    Release_Player_To_Free_Agents(nTeam, nSlot);
}

// A human-run team's renewal: refused while the team is in debt, otherwise the user's answer to
// the Contract Offer dialog.
static int Renew_Human_Contract(int nTeam, int nSlot, int nYears) {
    if (gOwnerMode == 1 && Get_Team_Financial_Stat(nTeam, FIN_CASH) < 0) {
        char szCaption[TEAM_LABEL_SIZE];
        char szName[PLAYER_NAME_TEXT_SIZE];
        Get_Team_Label(nTeam, szCaption, sizeof szCaption);
        Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
        Show_Message_Box(szCaption,
                         "Because you are in debt, you may not discuss a new contract with %s. He "
                         "is being released.",
                         szName);
        Release_With_New_Demand(nTeam, nSlot, nYears);
        return 0;
    }
    Set_Contract_Years(nTeam, nSlot, nYears);
    Calculate_Contract_Demand(nTeam, nSlot, 0);
    int nAccepted = Host_Open_Dialog(IDD_CONTRACT_OFFER, nTeam, nSlot) == IDOK;
    if (!nAccepted)
        Release_Player_To_Free_Agents(nTeam, nSlot);
    return nAccepted;
}

// Thousands a year that a computer team offers him: his worth on the league's money scale,
// raised for a star, by the team's cash, its need at his position and its room under the cap
// (or its payroll budget without a cap); 0 when the payroll is already above the cap.
static int Get_Computer_Renewal_Offer(int nTeam, int nSlot, int nWorth, int nPotential,
                                      int nOverall, int bReleasing) {
    int64_t nMoney = Apply_Inflation(
        Saturate_To_Int(Mul_Div_Wide(nWorth, LEAGUE_CAP_DOLLARS, BASE_CAP_DOLLARS)));
    if (nPotential > STAR_RATING)
        nMoney = Mul_Div_Wide(nMoney, nPotential, STAR_RATING);
    if (nOverall > STAR_RATING)
        nMoney = Mul_Div_Wide(nMoney, nOverall, STAR_RATING);
    int nCashRatio = Get_Team_Financial_Stat(nTeam, FIN_CASH_RATIO);
    int64_t nBase = nCashRatio < 0 ? 0 : Mul_Div_Wide(nMoney, nCashRatio + 1000, 2000);

    int64_t nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
    if (bReleasing)
        nPayroll += Get_Team_Draft_Picks_Value(nTeam);
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP) / 1000;
    if (nCap != 0 && nCap < nPayroll)
        return 0;

    TEAM_NEEDS needs;
    Get_Team_Needs(nTeam, needs);
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nNeed = needs[Get_Trade_Need_Kind(nTeam, nTeam, nSlot)][nPosition];
    int64_t nWanted = Mul_Div_Wide(nBase, nNeed + NEED_OFFSET, NEED_DIVISOR);
    int64_t nRoom = nCap != 0 ? nCap : Mul_Div_Wide(Get_Team_Payroll_Budget(nTeam), 1, 1000);
    return Saturate_To_Int(Mul_Div_Wide(nWanted, nRoom, nPayroll > 0 ? nPayroll : 1));
}

int Check_Renew_Contract(int nTeam, int nSlot, int bReleasing) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    int nPotential = (int)Get_Player_Potential(nTeam, nSlot);
    int nOverall = (int)Get_Checked_Overall_Rating(nTeam, nSlot);
    int nWorth = Get_Player_Worth(nTeam, nSlot);
    CONTRACT_FIELDS old = Read_Contract(nTeam, nSlot);
    int nYears = Get_Desired_Contract_Years(nTeam, nSlot);
    int nFair = Get_Fair_Salary(nTeam, nSlot, nWorth);
    int nBonus = Get_Salary_Demand(nTeam, nSlot, nWorth);

    if (gCommissionerMode) {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nFair);
        Set_Contract_Years(nTeam, nSlot, nYears);
        return 1;
    }
    if (Is_Human_Team(nTeam))
        return Renew_Human_Contract(nTeam, nSlot, nYears);

    int nOffer = Get_Computer_Renewal_Offer(nTeam, nSlot, nWorth, nPotential, nOverall, bReleasing);
    int nSalary = nFair;
    if (nOffer < nFair) {
        if (nOffer < 1 || Count_Players(nTeam, ALL_ROSTERS) >= RENEWAL_ROSTER_LIMIT) {
            if (bReleasing)
                Release_With_New_Demand(nTeam, nSlot, nYears);
            else
                Write_Contract(nTeam, nSlot, &old);
            return 0;
        }
        nSalary = Min_Int(nFair, (int)(((int64_t)nOffer + nFair) / 2));
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nSalary);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, nBonus);
    Set_Contract_Years(nTeam, nSlot, nYears);
    Charge_Signing_Bonus(nTeam, nBonus);
    return 1;
}
