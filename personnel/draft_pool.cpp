// The college draft pool: rosters 38, 39 and 40 filled with new prospects at the end of a
// season, graded so that the class spreads from stars to backups.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define POOL_TEAM_COUNT_BASE 32
#define POOL_PROGRESS_STEPS 100
#define POOL_PROGRESS_EVERY 4
#define POOL_PROGRESS_WHOLE 400
#define SORT_BY_PROJECTED_RATING 3
#define SORT_BY_POTENTIAL 4
#define NAMED_PROSPECTS_FIRST 1
#define GRADE_TOP_OVERALL 82
#define GRADE_TOP_POTENTIAL 93
#define GRADE_RANGE 22
#define YOUNGEST_PROSPECT_AGE 17
#define TABLE_TOP_OVERALL 80
#define TABLE_BONUS_ROWS 3

int Get_Prospect_Table_Overall(int nTeam, int nSlot) {
    int nIndex = (nTeam - FIRST_DRAFT_POOL_TEAM) * PLAYERS_PER_TEAM + nSlot;
    int nOverall = TABLE_TOP_OVERALL - nIndex / 10;
    if (nIndex < TABLE_BONUS_ROWS)
        nOverall += (4 - nIndex) / 2;
    return nOverall;
}

int Add_Draft_Prospect(void) {
    for (int nTeam = FIRST_DRAFT_POOL_TEAM; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
        int nSlot = Find_Free_Player_Slot(nTeam);
        if (nSlot < PLAYERS_PER_TEAM) {
            Fabricate_Position_Player(nTeam, nSlot, Choose_Prospect_Position(), 1);
            return 1;
        }
    }
    return 0;
}

void Fill_Draft_Pool(void) {
    int nTeams = Count_Active_Teams();
    int nShare = (nTeams * DRAFT_POOL_SIZE + POOL_TEAM_COUNT_BASE / 2) / POOL_TEAM_COUNT_BASE;
    int nTarget = Min_Int(nShare, DRAFT_POOL_SIZE);
    nTarget -= Count_Draft_Pool_Players();
    Load_Draft_Talent();
    Open_Progress_Window("Setting Up College Draft...", POOL_PROGRESS_STEPS);
    for (int n = 0; n < nTarget; n++) {
        Add_Draft_Prospect();
        if (n % POOL_PROGRESS_EVERY == POOL_PROGRESS_EVERY - 1)
            Step_Progress_Window(1);
    }
    Step_Progress_Window((POOL_PROGRESS_WHOLE - nTarget) / POOL_PROGRESS_EVERY);
    Close_Progress_Window();
}

// Sets a value down the pool in its present order: the first gets nTop, the last nearly
// nTop - 22.
static void Grade_Pool_In_Order(int nTop, int bPotential) {
    int nCount = Count_Draft_Pool_Players();
    for (int n = 0; n < nCount; n++) {
        int nTeam = NO_TEAM;
        int nSlot = NO_PLAYER;
        Get_Draft_Pool_Player(n, &nTeam, &nSlot);
        int nGrade = nTop - GRADE_RANGE * n / nCount;
        if (bPotential)
            Set_Player_Potential_For_Overall(nTeam, nSlot, nGrade);
        else
            Scale_Player_Ratings_To_Overall(nTeam, nSlot, (float)nGrade);
    }
}

void Grade_Draft_Pool(void) {
    Sort_Draft_Pool_Players(NAMED_PROSPECTS_FIRST, SORT_BY_PROJECTED_RATING);
    Grade_Pool_In_Order(GRADE_TOP_OVERALL, 0);
    Sort_Draft_Pool_Players(NAMED_PROSPECTS_FIRST, SORT_BY_POTENTIAL);
    Grade_Pool_In_Order(GRADE_TOP_POTENTIAL, 1);

    for (int nTeam = FIRST_DRAFT_POOL_TEAM; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot) &&
                Get_Player_Age(nTeam, nSlot) <= YOUNGEST_PROSPECT_AGE) {
                Erase_Player_Season_Lines(nTeam, nSlot);
                Clear_Player(nTeam, nSlot);
            }
        }
        Compact_Team_Roster(nTeam);
    }
}

void Clear_Draft_Pool(void) {
    for (int nTeam = FIRST_DRAFT_POOL_TEAM; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            Erase_Player_Season_Lines(nTeam, nSlot);
            Clear_Player(nTeam, nSlot);
        }
    }
}
