// The computer's college-draft pick: each position's need against the league's, the prospects
// left at the position, the team's draft strategy and each prospect's projected value.
#include <limits.h>

#include "database/database.h"
#include "personnel/personnel.h"

#define MISSING_PLAYER_RATING 60
#define NEED_ROUND_OFFSET 6
#define NEED_STARTER_WEIGHT 6
#define NEED_SCALE 70
#define LATE_NEED_ROUND 3        // from the fourth round on a filled position needs less
#define EARLY_PICK_ROUNDS 4      // the rounds that spend the strategy and may release a player
#define SPECIALIST_BASE_MARK 91  // a FB, K or P must reach this base in the first round
#define SPECIALIST_BASE_STEP 8   // ... less this much a round later
#define SCORE_NEED_BASE 80

static int Is_Specialist_Position(int nPosition) {
    return nPosition == POS_FB || nPosition == POS_K || nPosition == POS_P;
}

// The prospects left in the pool at each position, in one pass over the pool.
static void Count_Pool_Prospects_By_Position(int anCounts[POSITION_COUNT]) {
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
        anCounts[nPosition] = 0;
    int nCount = Count_Draft_Pool_Players();
    for (int n = 0; n < nCount; n++) {
        int nTeam = NO_TEAM;
        int nSlot = NO_PLAYER;
        Get_Draft_Pool_Player(n, &nTeam, &nSlot);
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        if (nPosition >= 0 && nPosition < POSITION_COUNT)
            anCounts[nPosition]++;
    }
}

int Get_Draft_Position_Need(int nTeam, int nPosition, int nRound) {
    if (nPosition < 0 || nPosition >= POSITION_COUNT)
        return 0;
    int nStarterRating = MISSING_PLAYER_RATING;
    uint8_t nStarter = Get_Position_Last_Starter(nTeam, nPosition);
    if (nStarter != NO_SLOT_BYTE)
        nStarterRating = (int)Get_Checked_Overall_Rating(nTeam, nStarter);
    int nBackupRating = MISSING_PLAYER_RATING;
    uint8_t nBackup = Get_Position_First_Backup(nTeam, nPosition);
    if (nBackup != NO_SLOT_BYTE)
        nBackupRating = (int)Get_Player_Potential(nTeam, nBackup);
    int nNeed = Mul_Div((nRound + NEED_ROUND_OFFSET) * NEED_SCALE, 1000,
                        NEED_STARTER_WEIGHT * nStarterRating + nRound * nBackupRating);
    int nCount = Count_Team_Position_Players(nTeam, nPosition);
    if (nRound < LATE_NEED_ROUND || nCount <= 0)
        return nNeed;
    int nCeiling = Is_Specialist_Position(nPosition) ? 1 : POSITION_ROSTER_CEILINGS[nPosition];
    if (nCount < POSITION_STARTERS[nPosition])
        return nNeed / 2;
    if (nCount < POSITION_ROSTER_MINIMUMS[nPosition])
        return nNeed / 3;
    if (nCount < nCeiling)
        return nNeed / 4;
    return nNeed / 5;
}

// While computer teams pick one after another, only the picking team's roster changes: the
// table keeps every team's needs of the round and redoes a team's row after its pick.
static struct {
    int bOpen;
    int nRound;  // of the rows kept; -1 for none
    int abStale[LEAGUE_TEAM_COUNT];
    int aanNeeds[LEAGUE_TEAM_COUNT][POSITION_COUNT];
} sNeedTable;

void Open_Draft_Need_Table(void) {
    sNeedTable.bOpen = 1;
    sNeedTable.nRound = -1;
}

void Close_Draft_Need_Table(void) {
    sNeedTable.bOpen = 0;
}

static void Mark_Draft_Needs_Stale(int nTeam) {
    if (nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT)
        sNeedTable.abStale[nTeam] = 1;
}

// The team's need at the position in the round, from the table while it is open.
static int Get_Kept_Draft_Position_Need(int nTeam, int nPosition, int nRound) {
    if (!sNeedTable.bOpen)
        return Get_Draft_Position_Need(nTeam, nPosition, nRound);
    if (sNeedTable.nRound != nRound) {
        sNeedTable.nRound = nRound;
        for (int n = 0; n < LEAGUE_TEAM_COUNT; n++)
            sNeedTable.abStale[n] = 1;
    }
    if (sNeedTable.abStale[nTeam]) {
        for (int n = 0; n < POSITION_COUNT; n++)
            sNeedTable.aanNeeds[nTeam][n] = Get_Draft_Position_Need(nTeam, n, nRound);
        sNeedTable.abStale[nTeam] = 0;
    }
    return sNeedTable.aanNeeds[nTeam][nPosition];
}

// The mean need of the league teams in use.
int Average_Draft_Position_Need(int nPosition, int nRound) {
    int nSum = 0;
    int nTeams = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        nSum += Get_Kept_Draft_Position_Need(nTeam, nPosition, nRound);
        nTeams++;
    }
    return nTeams == 0 ? 0 : nSum / nTeams;
}

// The team's need at the position against the league's, less when few prospects are left there.
static int Get_Relative_Draft_Need(int nTeam, int nPosition, int nRound, int nLeft) {
    int nAverage = Average_Draft_Position_Need(nPosition, nRound);
    if (nAverage == 0)
        return 0;
    int nNeed = Mul_Div(Get_Kept_Draft_Position_Need(nTeam, nPosition, nRound), 1000, nAverage);
    if (nLeft <= 1)
        return nNeed / 8;
    if (nLeft <= POSITION_STARTERS[nPosition])
        return nNeed / 5;
    if (nLeft <= POSITION_ROSTER_MINIMUMS[nPosition])
        return nNeed / 3;
    if (nLeft <= POSITION_ROSTER_CEILINGS[nPosition])
        return nNeed / 2;
    return nNeed;
}

int Get_Draft_Prospect_Score(int nTeam, int nSlot, int nNeed, int nRound) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition < 0 || nPosition >= POSITION_COUNT)
        return 0;
    int nValue = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SCOUTING_SCORE);
    float fOverall = Get_Checked_Overall_Rating(nTeam, nSlot);
    float fPotential = Get_Player_Potential(nTeam, nSlot);
    int nBase = (int)(0.25f * fPotential + (float)(int)(0.25f * fOverall + (float)(nValue / 2)));
    if (Is_Specialist_Position(nPosition) &&
        nBase < SPECIALIST_BASE_MARK - SPECIALIST_BASE_STEP * nRound)
        return 0;
    return Mul_Div(nBase * (nNeed / 10 + SCORE_NEED_BASE), gDraftStrategy[nPosition] + 100, 100);
}

int Choose_Computer_Draft_Pick(int nTeam, int* pTeam, int* pSlot) {
    int nRound = gDraftRound;
    int anLeft[POSITION_COUNT];
    Count_Pool_Prospects_By_Position(anLeft);
    // The picking team's rows are taken afresh: its depth chart was just set.
    Mark_Draft_Needs_Stale(nTeam);
    int anNeeds[POSITION_COUNT];
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
        anNeeds[nPosition] = Get_Relative_Draft_Need(nTeam, nPosition, nRound, anLeft[nPosition]);
    int nBest = INT_MIN;
    int nCount = Count_Draft_Pool_Players();
    for (int n = 0; n < nCount; n++) {
        int nPoolTeam = NO_TEAM;
        int nSlot = NO_PLAYER;
        Get_Draft_Pool_Player(n, &nPoolTeam, &nSlot);
        int nPosition = Get_Player_Vital_Stat(nPoolTeam, nSlot, VITAL_POSITION);
        int nNeed = nPosition >= 0 && nPosition < POSITION_COUNT ? anNeeds[nPosition] : 0;
        int nScore = Get_Draft_Prospect_Score(nPoolTeam, nSlot, nNeed, nRound);
        if (nScore > nBest) {
            nBest = nScore;
            *pTeam = nPoolTeam;
            *pSlot = nSlot;
        }
    }
    return nBest != INT_MIN;
}

// A team with a full roster makes room in the early rounds with the last player of the
// prospect's unit; 0 when it still has no free slot.
static int Make_Draft_Roster_Room(int nTeam, int nPosition) {
    if (Find_Free_Player_Slot(nTeam) < PLAYERS_PER_TEAM)
        return 1;
    if (gDraftRound >= EARLY_PICK_ROUNDS)
        return 0;
    uint8_t nLast = Find_Team_Unit_Last_Player(nTeam, Get_Position_Unit(nPosition));
    if (nLast != NO_SLOT_BYTE)
        Release_Player_To_Free_Agents(nTeam, nLast);
    return Find_Free_Player_Slot(nTeam) < PLAYERS_PER_TEAM;
}

// The signing bonus of the slot, in the share of his value to the pool's best, raised for a team
// whose cash stands high against its revenue.
static int Get_Draft_Pick_Bonus(int nTeam, int nValue, int nHighest) {
    int nBonus = nHighest <= 0
                     ? 0
                     : Mul_Div(Get_Draft_Slot_Value(gDraftRound, gDraftPick), nValue, nHighest);
    int nCashRatio = Is_Team_Active(nTeam) ? Get_Team_Financial_Stat(nTeam, FIN_CASH_RATIO) : 0;
    if (nCashRatio > 1000)
        nBonus = Mul_Div(nBonus, nCashRatio + 9000, 10000);
    return nBonus;
}

void Make_Computer_Draft_Pick(int nTeam) {
    int nHighest = Store_Draft_Pool_Values();
    int nPoolTeam = NO_TEAM;
    int nSlot = NO_PLAYER;
    if (!Choose_Computer_Draft_Pick(nTeam, &nPoolTeam, &nSlot))
        return;
    int nPosition = Get_Player_Vital_Stat(nPoolTeam, nSlot, VITAL_POSITION);
    if (!Make_Draft_Roster_Room(nTeam, nPosition))
        return;
    int nYears = Get_Desired_Contract_Years(nPoolTeam, nSlot);
    int nValue = Get_Player_Vital_Stat(nPoolTeam, nSlot, VITAL_SCOUTING_SCORE);
    int nBonus = Get_Draft_Pick_Bonus(nTeam, nValue, nHighest);
    Set_Player_Vital_Stat(nPoolTeam, nSlot, VITAL_SIGNING_BONUS, nBonus);
    Set_Player_Vital_Stat(nPoolTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears);
    Set_Player_Vital_Stat(nPoolTeam, nSlot, VITAL_CONTRACT_LENGTH, nYears);
    Calculate_Contract_Demand(nPoolTeam, nSlot, 0);
    // A draftee signs the rookie salary of his pick, not a veteran's fair salary.
    Set_Player_Vital_Stat(nPoolTeam, nSlot, VITAL_SALARY, Get_Current_Rookie_Salary());
    if (Is_Team_Active(nTeam)) {
        int64_t nCash = (int64_t)Get_Team_Financial_Stat(nTeam, FIN_CASH) - (int64_t)nBonus * 1000;
        nCash = nCash < MIN_TEAM_CASH   ? MIN_TEAM_CASH
                : nCash > MAX_TEAM_CASH ? MAX_TEAM_CASH
                                        : nCash;
        Set_Team_Financial_Stat(nTeam, FIN_CASH, (int)nCash);
    }
    if (gDraftRound < EARLY_PICK_ROUNDS && nPosition >= 0 && nPosition < POSITION_COUNT)
        gDraftStrategy[nPosition] = (int16_t)(gDraftStrategy[nPosition] - 1);
    Record_Draft_Pick(nTeam, nPoolTeam, nSlot);
    Mark_Draft_Needs_Stale(nTeam);
}
