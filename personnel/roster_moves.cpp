// The computer manager's roster moves for one team: signing free agents to fill positions,
// dropping surplus players, the small weekly moves and the releases that bring a team under the
// salary cap.
#include "core/core.h"
#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"

#define CROWDED_ROSTER 93     // above this a player goes before another is added
#define BIG_ROSTER 70         // above this a roster move is always a release
#define CAP_RELEASE_FLOOR 52  // the cap release keeps at least this many players
#define CAP_RELEASE_ROUNDS 100
#define TRIM_FIRST_SLOT 97
#define ROSTER_SIZE_FACTOR 65000
#define ROSTER_MOVE_LIMIT 2000  // size factor plus cash ratio below this: the team releases
#define RELEASE_CASH_BASE 1200
#define RELEASE_CASH_FACTOR 50
#define RELEASE_VALUE_STAT 305  // the predicted season's value measure
#define ACCEPTABLE_VERDICT 1000
#define ELIMINATED INT32_MIN
#define MAX_FILL_ROUNDS 200  // more than any position can be short

static int Count_Roster(int nTeam) {
    return Find_Free_Player_Slot(nTeam);
}

static int Get_Payroll_Dollars(int nTeam) {
    return Saturate_To_Int((int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000);
}

static int Is_Computer_Run(int nTeam) {
    return Is_Team_Active(nTeam) && !Is_Human_Team(nTeam);
}

// ---- money and size ----------------------------------------------------------------------------

int Is_Team_Over_Cap(int nTeam) {
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    return nCap != 0 && Get_Payroll_Dollars(nTeam) >= nCap;
}

int Are_Trade_Teams_Over_Cap(int nTeamA, int nTeamB) {
    int64_t nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    return nCap != 0 &&
           (int64_t)Get_Payroll_Dollars(nTeamA) + Get_Payroll_Dollars(nTeamB) >= 2 * nCap;
}

int Get_Roster_Size_Factor(int nTeam) {
    int nCount = Count_Roster(nTeam);
    return nCount == 0 ? 0 : Mul_Div(ROSTER_SIZE_FACTOR, 1, nCount);
}

// ---- finding free agents -----------------------------------------------------------------------

// Out for fewer weeks than the horizon: a week in season, longer once it is over.
static int Is_Healthy_Enough_To_Sign(int nSlot) {
    return Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_INJURY_WEEKS) < Get_Injury_Horizon();
}

static int Is_Signable_At(int nSlot, int nPosition) {
    return Is_Player_Slot_Used(FREE_AGENT_TEAM, nSlot) &&
           Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_POSITION) == nPosition &&
           Is_Healthy_Enough_To_Sign(nSlot);
}

uint8_t Find_Free_Agent_At_Position(int nPosition) {
    for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot >= 0; nSlot--) {
        if (Is_Signable_At(nSlot, nPosition))
            return (uint8_t)nSlot;
    }
    return NO_SLOT_BYTE;
}

uint8_t Choose_Affordable_Free_Agent(int nTeam, int nPosition) {
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP) / 1000;
    if (nCap == 0)
        return NO_SLOT_BYTE;
    int64_t nRoomBefore = (int64_t)nCap - Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
    uint8_t nBest = NO_SLOT_BYTE;
    float fBest = 0.0f;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Signable_At(nSlot, nPosition))
            continue;
        float fOverall = Get_Checked_Overall_Rating(FREE_AGENT_TEAM, nSlot);
        int64_t nRoom = nRoomBefore;
        if (nTeam != FREE_AGENT_TEAM)
            nRoom -= Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_CAP_IMPACT);
        if (nRoom > 0 && (nBest == NO_SLOT_BYTE || fOverall > fBest)) {
            nBest = (uint8_t)nSlot;
            fBest = fOverall;
        }
    }
    return nBest;
}

// ---- dropping players --------------------------------------------------------------------------

// A league team releases him to the free agents; the free agents and the draft pool retire him.
static void Drop_Player(int nTeam, int nSlot) {
    if (nTeam < LEAGUE_TEAM_COUNT)
        Release_Player_To_Free_Agents(nTeam, nSlot);
    else
        Retire_Player(nTeam, nSlot);
}

// The least valuable player at the position with the largest surplus, dropped; 0 when none.
static int Drop_Least_Valuable_Player(int nTeam) {
    uint8_t nSlot = Find_Least_Valuable_Surplus_Player(nTeam);
    if (nSlot == NO_SLOT_BYTE || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    int nId = Get_Player_ID(nTeam, nSlot);
    Drop_Player(nTeam, nSlot);
    return Get_Player_ID(nTeam, nSlot) != nId;
}

int Release_Surplus_Player(int nTeam) {
    if (Count_Roster(nTeam) <= ROSTER_FLOOR)
        return 0;
    return Drop_Least_Valuable_Player(nTeam);
}

// One player dropped for each of the last three slots that holds a player while the roster is
// above its floor; human-run teams keep theirs unless every team is run by the computer, and no
// roster changes in Commissioner Mode.
void Trim_Roster(int nTeam) {
    if (!Is_Team_Active(nTeam) || Is_Human_Team(nTeam) || gCommissionerMode)
        return;
    for (int nSlot = TRIM_FIRST_SLOT; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (Is_Player_Slot_Used(nTeam, nSlot))
            Release_Surplus_Player(nTeam);
    }
}

// ---- filling positions -------------------------------------------------------------------------

static int Count_Missing_At(int nTeam, int nPosition) {
    return POSITION_ROSTER_MINIMUMS[nPosition] -
           Count_Team_Available_Position_Players(nTeam, nPosition);
}

// A new player of standard quality in the first free slot; 0 when the roster is full.
static int Add_New_Player(int nTeam, int nPosition) {
    int nSlot = Find_Free_Player_Slot(nTeam);
    if (nSlot >= PLAYERS_PER_TEAM)
        return 0;
    Create_Player_Of_Quality(nTeam, nSlot, 1.0f, nPosition);
    return Is_Player_Slot_Used(nTeam, nSlot);
}

// The free agent who fills a missing position: without a cap any healthy one, else one whose
// salary fits under it (a filler never takes the team over the cap; a new player is made when
// none fits).
static uint8_t Choose_Minimum_Filler(int nTeam, int nPosition) {
    if (Get_Universe_Stat(UNIVERSE_SALARY_CAP) == 0)
        return Find_Free_Agent_At_Position(nPosition);
    return Choose_Affordable_Free_Agent(nTeam, nPosition);
}

int Fill_Team_Position_Minimums(int nTeam) {
    if (!Is_Team_Active(nTeam) || Is_Human_Team(nTeam) || gCommissionerMode)
        return 0;
    int bComplete = 1;
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        for (int nRound = 0; nRound < MAX_FILL_ROUNDS && Count_Missing_At(nTeam, nPosition) > 0;
             nRound++) {
            bComplete = 0;
            if (Count_Roster(nTeam) > CROWDED_ROSTER)
                Release_Surplus_Player(nTeam);
            uint8_t nAgent = Choose_Minimum_Filler(nTeam, nPosition);
            int nAdded = nAgent != NO_SLOT_BYTE
                             ? Move_Player_To_Team(nTeam, FREE_AGENT_TEAM, nAgent) != NO_SLOT_BYTE
                             : Add_New_Player(nTeam, nPosition);
            if (!nAdded)
                break;
        }
    }
    return bComplete;
}

void Auto_Sign_Team_Free_Agents(int nTeam) {
    if (!Is_Team_Active(nTeam))
        return;
    int bAdded = 0;
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        int nMissing = Count_Missing_At(nTeam, nPosition);
        for (int n = 0; n < nMissing && Count_Roster(nTeam) < PLAYERS_PER_TEAM; n++) {
            uint8_t nAgent = Choose_Affordable_Free_Agent(nTeam, nPosition);
            if (nAgent == NO_SLOT_BYTE) {
                bAdded |= Add_New_Player(nTeam, nPosition);
                continue;
            }
            char szTeam[TEAM_STRING_SIZE];
            char szName[PLAYER_NAME_TEXT_SIZE];
            Get_Team_String(szTeam, sizeof szTeam, nTeam, TEAM_ABBREVIATION);
            Get_Player_Full_Name(FREE_AGENT_TEAM, nAgent, szName, sizeof szName);
            if (Move_Player_To_Team(nTeam, FREE_AGENT_TEAM, nAgent) != NO_SLOT_BYTE) {
                Log_Debug_Line("%s automatically signs %s", szTeam, szName);
                bAdded = 1;
            }
        }
    }
    if (bAdded && Is_Computer_Run(nTeam) && !gCommissionerMode)
        Set_Team_Depth_Chart(nTeam);
    Replenish_Free_Agent_Pool();
}

// ---- the weekly moves --------------------------------------------------------------------------

// The frozen verdict of the team (side 1) on an offer between it and the free agents.
static int Judge_Free_Agent_Offer(int nTeam, int nGivenSlot, int nTakenSlot, int nCash,
                                  const TEAM_NEEDS needs) {
    TRADE_OFFER offer;
    Init_Trade_Offer(&offer);
    offer.acTeam[0] = FREE_AGENT_TEAM;
    offer.acTeam[1] = (int8_t)nTeam;
    if (nTakenSlot >= 0)
        offer.aabItems[0][0] = (uint8_t)nTakenSlot;
    if (nGivenSlot >= 0)
        offer.aabItems[1][0] = (uint8_t)nGivenSlot;
    offer.nCash = nCash;
    return Evaluate_Trade_Offer_Frozen(&offer, needs);
}

// A random player the team can spare goes when the team gains by it and its cash allows.
static void Try_Roster_Release(int nTeam, int nCashRatio, const TEAM_NEEDS needs) {
    int nSlot = Draw_Random(PLAYERS_PER_TEAM);
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    if (Is_Player_Within_Position_Quota(nTeam, nSlot) && Get_Team_Magic_Number(nTeam) != ELIMINATED)
        return;
    int64_t nStep = (int64_t)Get_Price_Step(Get_Universe_Stat(UNIVERSE_INFLATION)) * 1000;
    int nCash = Saturate_To_Int((RELEASE_CASH_BASE - nCashRatio) * nStep * RELEASE_CASH_FACTOR);
    if (Judge_Free_Agent_Offer(nTeam, nSlot, -1, nCash, needs) > 0 &&
        nCashRatio + Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, RELEASE_VALUE_STAT) <
            ROSTER_MOVE_LIMIT) {
        Release_Player_To_Free_Agents(nTeam, nSlot);
        Set_Team_Depth_Chart(nTeam);
    }
}

// Room under the cap for the free agent's cap impact; always without a cap.
static int Fits_Under_Cap(int nTeam, int nSlot) {
    int64_t nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    return nCap == 0 ||
           (int64_t)Get_Payroll_Dollars(nTeam) +
                   (int64_t)Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_CAP_IMPACT) * 1000 <
               nCap;
}

// A random free agent who fits under the cap joins when the team judges him worth his salary.
static void Try_Roster_Signing(int nTeam, const TEAM_NEEDS needs) {
    Draw_Random(PLAYERS_PER_TEAM);
    Draw_Random(PLAYERS_PER_TEAM);
    int nSlot = Draw_Random(PLAYERS_PER_TEAM);
    if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, nSlot) || !Fits_Under_Cap(nTeam, nSlot))
        return;
    int nCash = -Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SALARY);
    if (Judge_Free_Agent_Offer(nTeam, -1, nSlot, nCash, needs) > ACCEPTABLE_VERDICT &&
        Move_Player_To_Team(nTeam, FREE_AGENT_TEAM, nSlot) != NO_SLOT_BYTE)
        Set_Team_Depth_Chart(nTeam);
}

// Players go, least valuable first, while the payroll is at or above the cap; the number gone.
int Release_Team_To_Cap(int nTeam) {
    int nReleased = 0;
    for (int nRound = 0; nRound < CAP_RELEASE_ROUNDS && Is_Team_Over_Cap(nTeam); nRound++) {
        if (Count_Roster(nTeam) < CAP_RELEASE_FLOOR || !Drop_Least_Valuable_Player(nTeam))
            break;
        nReleased++;
    }
    return nReleased;
}

void Make_Computer_Roster_Move(int nTeam) {
    if (!Is_Team_Active(nTeam))
        return;
    int nCashRatio = Get_Team_Financial_Stat(nTeam, FIN_CASH_RATIO);
    int nSizeFactor = Get_Roster_Size_Factor(nTeam);
    Trim_Roster(nTeam);
    TEAM_NEEDS needs;
    Get_Team_Needs(nTeam, needs);
    if (nSizeFactor + nCashRatio < ROSTER_MOVE_LIMIT || Count_Roster(nTeam) > BIG_ROSTER ||
        Is_Team_Over_Cap(nTeam))
        Try_Roster_Release(nTeam, nCashRatio, needs);
    else
        Try_Roster_Signing(nTeam, needs);
    Release_Team_To_Cap(nTeam);
}

void Make_Team_Roster_Moves(int nTeam) {
    for (int n = 0; n < 3; n++)
        Make_Computer_Roster_Move(nTeam);
    Set_Team_Prices(nTeam);
}
