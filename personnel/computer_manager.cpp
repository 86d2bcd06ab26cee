// The computer manager's league-wide steps around each week: free-agent signings, roster upkeep
// and trades between computer teams.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "resources/resource.h"

#define PROPOSAL_CHANCE 6  // a computer team proposes to a human team one week in six
#define STAR_FREE_AGENT 70.0f  // only free agents rated above this draw bids
#define BID_MARGIN 150
#define LEAST_BID 500
#define PROGRESS_STEPS 100
#define LAST_TRADE_WEEK 11
#define TRADE_VERDICT_NEEDED 1200
#define TRADE_ACCEPTABLE 1000

static int Is_Computer_Run(int nTeam) {
    return Is_Team_Active(nTeam) && !Is_Human_Team(nTeam);
}

void Auto_Sign_Free_Agents(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam) &&
            (Get_Team_Stat(nTeam, TEAM_CONTROL) != CONTROL_HUMAN || gAutoFillRosters))
            Auto_Sign_Team_Free_Agents(nTeam);
    }
}

static void Trim_All_Rosters(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        Trim_Roster(nTeam);
}

// ---- the free-agent distribution ---------------------------------------------------------------

// What the team bids for the free agent: how much better he is than its last starter at his
// position, against the share of its cap room he would take; 0 for no bid, and for one who does
// not fit under the cap, as for the computer's other signings.
static int Get_Free_Agent_Bid(int nTeam, int nAgent, float fOverall) {
    int nRoom = Get_Team_Financial_Stat(nTeam, FIN_CAP_ROOM);
    int nImpact = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nAgent, VITAL_CAP_IMPACT);
    if (nRoom <= 0 || nImpact >= nRoom)
        return 0;
    int nShare = Mul_Div(nImpact, 1000, nRoom);
    int nPosition = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nAgent, VITAL_POSITION);
    uint8_t nStarter = Get_Position_Last_Starter(nTeam, nPosition);
    if (nStarter == NO_SLOT_BYTE)
        return 0;
    int nGain = (int)(fOverall - Get_Checked_Overall_Rating(nTeam, nStarter)) * 100 - BID_MARGIN;
    if (nGain < 0)
        return 0;
    int nBid = Mul_Div(nGain, 1000, nShare);
    return nBid >= LEAST_BID ? nBid : 0;
}

// The slot of the free agent with the id; -1 when he is gone.
static int Find_Free_Agent_Slot(int nId) {
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (nId != 0 && Get_Player_ID(FREE_AGENT_TEAM, nSlot) == nId)
            return nSlot;
    }
    return -1;
}

// Each team signs at most one free agent: the best bidder gets him, in pool order. Nothing moves
// in Commissioner Mode.
void Distribute_Free_Agents(int bShowProgress) {
    static int aanBids[LEAGUE_TEAM_COUNT][PLAYERS_PER_TEAM];
    int anAgentIds[PLAYERS_PER_TEAM];
    if (gCommissionerMode) {
        if (bShowProgress)
            Step_Progress_Window(PROGRESS_STEPS);
        return;
    }
    memset(aanBids, 0, sizeof aanBids);

    Trim_All_Rosters();
    int nSavedMode = gFreeAgentSortMode;
    gFreeAgentSortMode = 2;
    Sort_Free_Agent_Pool();
    gFreeAgentSortMode = nSavedMode;

    int nSteps = 0;
    for (int nAgent = 0; nAgent < PLAYERS_PER_TEAM; nAgent++) {
        anAgentIds[nAgent] = Get_Player_ID(FREE_AGENT_TEAM, nAgent);
        if (anAgentIds[nAgent] == 0)
            continue;
        float fOverall = Get_Checked_Overall_Rating(FREE_AGENT_TEAM, nAgent);
        if (fOverall > STAR_FREE_AGENT) {
            for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
                if (Is_Team_Active(nTeam))
                    aanBids[nTeam][nAgent] = Get_Free_Agent_Bid(nTeam, nAgent, fOverall);
            }
        }
        if (bShowProgress && nSteps < PROGRESS_STEPS) {
            Step_Progress_Window(1);
            nSteps++;
        }
    }
    if (bShowProgress && nSteps < PROGRESS_STEPS)
        Step_Progress_Window(PROGRESS_STEPS - nSteps);

    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Human_Team(nTeam))
            memset(aanBids[nTeam], 0, sizeof aanBids[nTeam]);
    }

    // Signing moves the later free agents up, so each is found again by his id.
    for (int nAgent = 0; nAgent < PLAYERS_PER_TEAM; nAgent++) {
        int nBest = -1;
        for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
            if (aanBids[nTeam][nAgent] > 0 &&
                (nBest < 0 || aanBids[nTeam][nAgent] > aanBids[nBest][nAgent]))
                nBest = nTeam;
        }
        int nSlot = nBest < 0 ? -1 : Find_Free_Agent_Slot(anAgentIds[nAgent]);
        if (nSlot < 0 || Move_Player_To_Team(nBest, FREE_AGENT_TEAM, nSlot) == NO_SLOT_BYTE)
            continue;
        memset(aanBids[nBest], 0, sizeof aanBids[nBest]);
        Set_Team_Depth_Chart(nBest);
    }
    Trim_All_Rosters();
}

// ---- the weekly upkeep -------------------------------------------------------------------------

void Resolve_Computer_Holdouts(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam) || (!gCommissionerMode && !Is_Computer_Run(nTeam)))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot) ||
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) < 1 ||
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY) != INJURY_HOLDOUT)
                continue;
            if (Check_Renew_Contract(nTeam, nSlot, 0)) {
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, 0);
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, NO_INJURY);
            }
        }
    }
}

// A team that had a position to fill makes no other move that week, but every computer-run team
// ends the week under the cap or at its release floor (a renewed holdout or a filled position
// may have taken it over), its minimums filled again after any release.
void Manage_Computer_Rosters(void) {
    Distribute_Free_Agents(0);
    Resolve_Computer_Holdouts();
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        if (Fill_Team_Position_Minimums(nTeam))
            Make_Team_Roster_Moves(nTeam);
        else if (Is_Computer_Run(nTeam) && !gCommissionerMode && Release_Team_To_Cap(nTeam))
            Fill_Team_Position_Minimums(nTeam);
    }
}

// ---- trades between computer teams -------------------------------------------------------------

static int Count_Computer_Run_Teams(void) {
    int nCount = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        nCount += Is_Computer_Run(nTeam);
    return nCount;
}

// A random computer-run team other than nOther.
static int Draw_Computer_Team(int nOther) {
    int nActive = Count_Active_Teams();
    for (;;) {
        int nTeam = Draw_Random(nActive);
        for (int nIndex = 0, n = 0; nIndex < LEAGUE_TEAM_COUNT; nIndex++) {
            if (Is_Team_Active(nIndex) && n++ == nTeam) {
                nTeam = nIndex;
                break;
            }
        }
        if (Is_Computer_Run(nTeam) && nTeam != nOther)
            return nTeam;
    }
}

// Whether both teams keep every position's minimum once the offer's players have changed sides.
static int Keeps_Position_Minimums(const TRADE_OFFER* pOffer) {
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int anCounts[POSITION_COUNT];
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
            anCounts[nPosition] = Count_Team_Position_Players(pOffer->acTeam[nSide], nPosition);
        for (int nFrom = 0; nFrom < TRADE_SIDES; nFrom++) {
            for (int n = 0; n < TRADE_SIDE_ITEMS; n++) {
                int nItem = pOffer->aabItems[nFrom][n];
                if (!Is_Trade_Item_Player(pOffer, nFrom, nItem))
                    continue;
                int nPosition = Get_Player_Vital_Stat(pOffer->acTeam[nFrom], nItem, VITAL_POSITION);
                if (nPosition >= 0 && nPosition < POSITION_COUNT)
                    anCounts[nPosition] += nFrom == nSide ? -1 : 1;
            }
        }
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
            if (anCounts[nPosition] < POSITION_ROSTER_MINIMUMS[nPosition])
                return 0;
        }
    }
    return 1;
}

int Do_Computer_Trade_Verdicts_Agree(int nVerdict0, int nVerdict1) {
    return nVerdict0 > TRADE_VERDICT_NEEDED && nVerdict1 > TRADE_VERDICT_NEEDED;
}

// Both teams must value the offer above 1200, and neither may fall below a position's minimum.
void Run_Computer_Trades(void) {
    if (Count_Computer_Run_Teams() < 2)
        return;
    if (!gCommissionerMode && gCurrentWeek > LAST_TRADE_WEEK && gCurrentWeek != OFF_SEASON_WEEK &&
        !Is_Season_Complete())
        return;
    TRADE_OFFER* pOffer = &gTradeOffer;
    Init_Trade_Offer(pOffer);
    pOffer->acTeam[0] = (int8_t)Draw_Computer_Team(NO_TEAM);
    pOffer->acTeam[1] = (int8_t)Draw_Computer_Team(pOffer->acTeam[0]);

    TEAM_NEEDS needs0, needs1;
    Get_Team_Needs(pOffer->acTeam[0], needs0);
    Get_Team_Needs(pOffer->acTeam[1], needs1);
    Build_Computer_Trade_Offer(pOffer, needs0, needs1);

    int nVerdict1 = Evaluate_Trade_Offer_Frozen(pOffer, needs1);
    Reverse_Trade_Offer(pOffer);
    int nVerdict0 = Evaluate_Trade_Offer_Frozen(pOffer, needs0);
    Reverse_Trade_Offer(pOffer);
    if (Do_Computer_Trade_Verdicts_Agree(nVerdict0, nVerdict1) && Keeps_Position_Minimums(pOffer))
        Implement_Trade(pOffer);
}

// ---- proposals to human-run teams ---------------------------------------------------------------

TRADE_OFFER gTradeProposal;

// A random human-run league team.
static int Draw_Human_Team(void) {
    int anHumans[LEAGUE_TEAM_COUNT];
    int nHumans = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam) && Is_Human_Team(nTeam))
            anHumans[nHumans++] = nTeam;
    }
    return nHumans > 0 ? anHumans[Draw_Random(nHumans)] : NO_TEAM;
}

int Build_Trade_Proposal(TRADE_OFFER* pOffer, int nComputerTeam, int nHumanTeam) {
    Init_Trade_Offer(pOffer);
    pOffer->acTeam[0] = (int8_t)nComputerTeam;
    pOffer->acTeam[1] = (int8_t)nHumanTeam;
    TEAM_NEEDS needs0, needs1;
    Get_Team_Needs(nComputerTeam, needs0);
    Get_Team_Needs(nHumanTeam, needs1);
    Build_Computer_Trade_Offer(pOffer, needs0, needs1);
    if (Count_Trade_Offer_Items(pOffer, 0) == 0 || Count_Trade_Offer_Items(pOffer, 1) == 0 ||
        !Check_Trade_Legality(pOffer, NULL) || !Keeps_Position_Minimums(pOffer))
        return 0;
    int nHumanVerdict = Evaluate_Trade_Offer_Frozen(pOffer, needs1);
    Reverse_Trade_Offer(pOffer);
    int nComputerVerdict = Evaluate_Trade_Offer_Frozen(pOffer, needs0);
    Reverse_Trade_Offer(pOffer);
    return nComputerVerdict > TRADE_VERDICT_NEEDED && nHumanVerdict >= TRADE_ACCEPTABLE;
}

// Before the deadline, now and then, a computer team offers a human-run team a trade that both
// would take; the human answers in the Trade Offer dialog. Draws nothing when no human team plays.
void Propose_Computer_Trade(void) {
    if (gCommissionerMode || gAllTeamsComputer || Count_Human_Teams() == 0 ||
        Count_Computer_Run_Teams() == 0 || gCurrentWeek > LAST_TRADE_WEEK)
        return;
    if (Draw_Random(PROPOSAL_CHANCE) != 0)
        return;
    int nHuman = Draw_Human_Team();
    if (nHuman == NO_TEAM)
        return;
    if (Build_Trade_Proposal(&gTradeProposal, Draw_Computer_Team(nHuman), nHuman))
        Host_Open_Dialog(IDD_TRADE_OFFER, gTradeProposal.acTeam[0], nHuman);
}
