// The terms a contract offer changes and what signing costs: years offered, cap room after
// signing, the signing bonus charged, and the rookie contract of a drafted prospect.
#include "database/database.h"
#include "personnel/personnel.h"

#define MAX_OFFER_YEARS 7
#define ROOKIE_CONTRACT_YEARS 4

static void Offer_Contract_Years(int nTeam, int nSlot, int nYears) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, nYears);
    Calculate_Contract_Demand(nTeam, nSlot, 0);
}

void Offer_Fewer_Contract_Years(int nTeam, int nSlot) {
    Offer_Contract_Years(nTeam, nSlot,
                         Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) - 1);
}

void Offer_More_Contract_Years(int nTeam, int nSlot) {
    Offer_Contract_Years(nTeam, nSlot,
                         Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) + 1);
}

int Get_Fewest_Offer_Years(void) {
    return Is_Season_Complete() ? 2 : 1;
}

int Get_Most_Offer_Years(void) {
    return MAX_OFFER_YEARS;
}

int Get_Cap_Room_After_Signing(int nPayer, int nTeam, int nSlot) {
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP) / 1000;
    if (nCap == 0)
        return 0;
    // His own team's payroll already holds the terms offered; anyone else joins it, and his
    // impact may push a smaller one out of the impacts that count.
    int nPayroll = nTeam == nPayer
                       ? Get_Team_Financial_Stat(nPayer, FIN_PAYROLL)
                       : Get_Team_Payroll_With_Impact(
                             nPayer, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT));
    return Saturate_To_Int((int64_t)nCap - nPayroll);
}

void Charge_Signing_Bonus(int nPayer, int nBonus) {
    int64_t nCash = (int64_t)Get_Team_Financial_Stat(nPayer, FIN_CASH) - (int64_t)nBonus * 1000;
    Set_Team_Financial_Stat(nPayer, FIN_CASH, Saturate_To_Int(nCash));  // clamped there
}

int Count_Affordable_Draft_Pool_Players(void) {
    int nCash = Get_Team_Financial_Stat(Get_User_Team(), FIN_CASH) / 1000;
    int nCount = Count_Draft_Pool_Players();
    int nAffordable = 0;
    for (int n = 0; n < nCount; n++) {
        int nTeam = NO_TEAM;
        int nSlot = NO_PLAYER;
        Get_Draft_Pool_Player(n, &nTeam, &nSlot);
        if (Get_Salary_Demand(nTeam, nSlot, 0) <= nCash)
            nAffordable++;
    }
    return nAffordable;
}

int Set_Draft_Pick_Contract(int nTeam, int nSlot) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, ROOKIE_CONTRACT_YEARS);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, ROOKIE_CONTRACT_YEARS);
    int nBonus = Get_Draft_Pool_Asking_Value(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, nBonus);
    return nBonus;
}
