// A player's step from one season to the next: his ratings age, he gains a year of experience and
// his contract counts down, ends in a renewal or release, or, for a free agent, in retirement.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define MAX_EXPERIENCE_YEARS 30

// The experience after one more season; a newcomer counts his first year once he has played.
static int Get_Next_Experience(int nTeam, int nSlot, int nExperience) {
    if (nExperience < 1)
        return Has_Career_Games(nTeam, nSlot) ? 1 : nExperience;
    return Min_Int(nExperience + 1, MAX_EXPERIENCE_YEARS);
}

int Advance_Player_Year(int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    int nYearsLeft = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
    int nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS);
    int nExperience = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
    Age_Player_Ratings(nTeam, nSlot, 1);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE,
                          Get_Next_Experience(nTeam, nSlot, nExperience));

    if (nTeam >= FREE_AGENT_TEAM) {
        Calculate_Contract_Demand(nTeam, nSlot, 0);
        return !Check_Free_Agent_Retirement(nTeam, nSlot);
    }

    if (nYearsLeft <= 1) {
        int nRenewed = Check_Renew_Contract(nTeam, nSlot, 1);
        // Only a renewed player is still in the slot.
        if (nRenewed && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) < 0)
            Report_Error("Check_Renew_Contract yielded negative contract length.");
        return nRenewed;
    }

    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYearsLeft - 1);
    if (nBonus != 0)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS,
                              Mul_Div(nBonus, nYearsLeft - 1, nYearsLeft));
    return 1;
}

// Drafted players come in with negative experience until their first season starts.
void Clear_All_Negative_Experience(void) {
    for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
        if (nTeam < LEAGUE_TEAM_COUNT && !Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot) &&
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE) < 0)
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, 0);
        }
    }
}
