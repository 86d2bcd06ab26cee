// Contract fixes on loading (rookie options, corrupt demands and salaries) and the contracts and
// payrolls a league database is built with.
#include <stdint.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/contracts_internal.h"
#include "personnel/personnel.h"

#define ROOKIE_OPTION_FIRST_CLASS 2018  // draft classes from here have the fourth-year option
#define DRAFT_YEAR_FACTOR 10000  // VITAL_DRAFT_RECORD: (drafting team + 1) x 10000 + draft year
#define DRAFT_PICK_FACTOR 1000   // VITAL_DRAFT_PICK: round x 100000 + pick in round x 1000 + pick

#define CORRUPT_MONEY_LIMIT 177938  // bonuses and lengths this large are garbage

#define PROGRESS_TEAM_STRIDE 3
#define PROGRESS_STEP_LIMIT 10

#define CAP_TARGET_PERCENT 90
#define BASE_CAP_THOUSANDS 182500  // the base payroll target before inflation

int Next_League_Player(int* pTeam, int* pSlot) {
    for (;;) {
        if (++*pSlot >= PLAYERS_PER_TEAM) {
            *pSlot = 0;
            ++*pTeam;
        }
        if (*pTeam >= LEAGUE_TEAM_COUNT)
            return 0;
        if (Is_Team_Active(*pTeam) && Is_Player_Slot_Used(*pTeam, *pSlot))
            return 1;
    }
}

// ---- the rookie-contract option ----------------------------------------------------------------

// A recent draftee whose contract is three years or shorter gets the fourth year of his rookie
// contract, and with bRaiseBonus at least four fifths of his draft slot's value as his bonus.
// Only the four seasons of a rookie contract qualify, so the years left stay within its length.
void Apply_Rookie_Contract_Option(int nTeam, int nSlot, int bRaiseBonus) {
    int nDraftYear = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD) % DRAFT_YEAR_FACTOR;
    int nSeasonsSinceDraft = Get_Season_Year() - nDraftYear;
    int nRookieYears = Get_Rookie_Contract_Years();
    if (nDraftYear < ROOKIE_OPTION_FIRST_CLASS || nSeasonsSinceDraft < 0 ||
        nSeasonsSinceDraft >= nRookieYears ||
        Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH) >= nRookieYears)
        return;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, nRookieYears);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT,
                          nRookieYears - nSeasonsSinceDraft);
    if (!bRaiseBonus)
        return;
    int nPickInRound =
        Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK) / DRAFT_PICK_FACTOR % 100;
    int nValue = Get_Draft_Slot_Value(Get_Draft_Round(nTeam, nSlot) - 1, nPickInRound - 1);
    nValue -= Mul_Div(nValue, 1, 5);
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS) < nValue)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, nValue);
}

void Apply_Rookie_Contract_Options(int bRaiseBonus) {
    int nTeam = 0;
    int nSlot = -1;
    while (Next_League_Player(&nTeam, &nSlot))
        Apply_Rookie_Contract_Option(nTeam, nSlot, bRaiseBonus);
}

// ---- repairs on loading ------------------------------------------------------------------------

static int Is_Corrupt_Money(int nValue) {
    return nValue >= CORRUPT_MONEY_LIMIT || nValue <= -CORRUPT_MONEY_LIMIT;
}

// A garbage bonus becomes his demand; a garbage contract length a new contract demand.
void Repair_Contract_Demand(int nTeam, int nSlot) {
    int nWorth = 0;
    if (Is_Corrupt_Money(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS))) {
        nWorth = Get_Player_Worth(nTeam, nSlot);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS,
                              Get_Salary_Demand(nTeam, nSlot, nWorth));
    }
    if (Is_Corrupt_Money(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH)))
        Calculate_Contract_Demand(nTeam, nSlot, nWorth);
}

void Repair_All_Contract_Demands(void) {
    int nTeam = 0;
    int nSlot = -1;
    while (Next_League_Player(&nTeam, &nSlot))
        Repair_Contract_Demand(nTeam, nSlot);
}

static int Ask_Yes_No(const char* szText, const char* szCaption) {
    return Do_Message_Box(szText, szCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// Salaries above a third of the cap came from a bug of an earlier version: with the user's
// consent they become fair salaries, and then negative cash becomes the base cash.
void Repair_Corrupt_Salaries(void) {
    int nLimit = Get_Salary_Sanity_Limit();
    int nTeam = 0;
    int nSlot = -1;
    int bCorrupt = 0;
    while (!bCorrupt && Next_League_Player(&nTeam, &nSlot))
        bCorrupt = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY) > nLimit;
    if (!bCorrupt)
        return;
    if (!Ask_Yes_No("Football Vanto has found corrupt salary data, due to a bug in a previous "
                    "version of Football Vanto.\n\nWould you like Football Vanto to automatically "
                    "fix this data?",
                    "Fix salary data?"))
        return;
    nTeam = 0;
    nSlot = -1;
    while (Next_League_Player(&nTeam, &nSlot)) {
        if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY) > nLimit)
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, Get_Fair_Salary(nTeam, nSlot, 0));
    }
    if (!Ask_Yes_No("Fix negative team cash levels caused by corrupt salary data?",
                    "Fix cash levels?"))
        return;
    for (nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam) && Get_Team_Financial_Stat(nTeam, FIN_CASH) < 0)
            Set_Team_Financial_Stat(nTeam, FIN_CASH, Get_Base_Team_Cash());
    }
}

// ---- contracts of a database build -------------------------------------------------------------

// The years left of a contract of nYears after nExperience seasons: experience mod years, or all
// of them when that is 0.
static int Get_Years_Left_After(int nExperience, int nYears) {
    int nLeft = nExperience % nYears;
    return nLeft == 0 ? nYears : nLeft;
}

int Get_Initial_Contract_Years_Left(int nTeam, int nSlot) {
    int nYears = Max_Int(1, Get_Desired_Contract_Years(nTeam, nSlot));
    return Get_Years_Left_After(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE), nYears);
}

// The contract he wants, part of it already served, its demanded salary and a bonus of a third
// of a year's salary per contract year.
void Assign_Initial_Contract(int nTeam, int nSlot) {
    int nYears = Max_Int(1, Get_Desired_Contract_Years(nTeam, nSlot));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, nYears);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, 0);
    Set_Player_Vital_Stat(
        nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT,
        Get_Years_Left_After(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE), nYears));
    Calculate_Contract_Demand(nTeam, nSlot, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS,
                          Mul_Div(nYears, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY), 3));
}

void Assign_All_Initial_Contracts(void) {
    int nSteps = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                Assign_Initial_Contract(nTeam, nSlot);
        }
        if (nTeam % PROGRESS_TEAM_STRIDE == PROGRESS_TEAM_STRIDE - 1 &&
            nSteps < PROGRESS_STEP_LIMIT) {
            Step_Progress_Window(1);
            nSteps++;
        }
    }
}

// Brings every team's payroll to 90 % of the cap (without a cap, to the inflated base payroll):
// the difference is paid into or out of its cash, and every salary and bonus is scaled.
void Scale_Salaries_To_Cap(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
        int nCapThousands = Mul_Div(Get_Universe_Stat(UNIVERSE_SALARY_CAP), 1, 1000);
        int nTarget = Mul_Div(CAP_TARGET_PERCENT, nCapThousands, 100);
        if (nTarget <= 0)
            nTarget = Mul_Div(Get_Universe_Stat(UNIVERSE_INFLATION), BASE_CAP_THOUSANDS, 1000);

        int64_t nCash = (int64_t)Get_Team_Financial_Stat(nTeam, FIN_CASH) +
                        (int64_t)(nTarget - nPayroll) * 1000;
        if (nCash < MIN_TEAM_CASH)
            nCash = MIN_TEAM_CASH;
        if (nCash > MAX_TEAM_CASH)
            nCash = MAX_TEAM_CASH;
        Set_Team_Financial_Stat(nTeam, FIN_CASH, (int)nCash);

        // Salaries keep the minimum; a bonus is only scaled, so that no bonus is made up.
        int nFactor = Mul_Div(1000, nTarget, nPayroll);
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            int nSalary = Mul_Div(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY), nFactor, 1000);
            int nBonus =
                Mul_Div(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS), nFactor, 1000);
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY,
                                  Round_Salary_To_Minimum(nTeam, nSlot, nSalary));
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS,
                                  Max_Int(0, Round_Up_To_Salary_Step(nBonus)));
        }
    }
}
