// The hand-over at the end of a draft: every player goes to the team he was drafted or assigned
// to (vital VITAL_DRAFTED_TO), marked by his moved flag (VITAL_DRAFT_MOVED).
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define MAX_MOVING_PASSES 4100
#define MOVING_CAPTION_SIZE 64

static int Is_Waiting_Player(int nTeam, int nSlot) {
    return Is_Player_Slot_Used(nTeam, nSlot) &&
           Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_MOVED) == 0;
}

static void Mark_Player_Moved(int nTeam, int nSlot) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_MOVED, 1);
}

void Clear_Player_Moved_Flags(void) {
    for (int nTeam = 0; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_MOVED, 0);
        }
    }
}

void Clear_Draft_Destinations(void) {
    for (int nTeam = 0; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO, NO_TEAM);
        }
    }
    Clear_Player_Moved_Flags();
}

// Whether a used slot still waits for its move: of the league teams 0..n-1 (n the count of
// active teams), or of every roster when bAllRosters is set.
static int Has_Waiting_Player(int bAllRosters) {
    int nLastTeam = bAllRosters ? LAST_DRAFT_POOL_TEAM : Count_Active_Teams() - 1;
    for (int nTeam = 0; nTeam <= nLastTeam; nTeam++) {
        if (!Is_Valid_Team(nTeam) || (!bAllRosters && !Is_Team_Active(nTeam)))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Waiting_Player(nTeam, nSlot))
                return 1;
        }
    }
    return 0;
}

int All_Players_At_Destination(void) {
    return !Has_Waiting_Player(0);
}

// Walks every roster's players who still wait for their move. pfnHandle returns 1 to go on to
// the next slot, 0 when the slot now holds the next player (he left it).
template <typename HANDLE>
static void For_Each_Waiting_Player(HANDLE pfnHandle) {
    for (int nTeam = 0; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
        if (!Is_Valid_Team(nTeam))
            continue;
        int nSlot = 0;
        while (nSlot < PLAYERS_PER_TEAM) {
            if (!Is_Waiting_Player(nTeam, nSlot) || pfnHandle(nTeam, nSlot))
                nSlot++;
        }
    }
}

// Marks the players who stay, releases the undrafted players of league teams to the free agents
// and counts the players still to move.
static int Count_Players_To_Move(void) {
    int nToMove = 0;
    For_Each_Waiting_Player([&nToMove](int nTeam, int nSlot) {
        int nDestination = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO);
        if (nDestination == nTeam || (nDestination == NO_TEAM && nTeam >= FREE_AGENT_TEAM)) {
            Mark_Player_Moved(nTeam, nSlot);
            return 1;
        }
        if (nDestination != NO_TEAM) {
            nToMove++;
            return 1;
        }
        int nId = Get_Player_ID(nTeam, nSlot);
        Release_Player_To_Free_Agents(nTeam, nSlot);
        // A release the full pool refused leaves the player where he is.
        if (Get_Player_ID(nTeam, nSlot) == nId)
            Mark_Player_Moved(nTeam, nSlot);
        return 0;
    });
    return nToMove;
}

// The moved player, found again by his id, is marked and given his new team's season line.
static void Settle_Moved_Player(int nId) {
    int nTeam, nSlot;
    if (!Find_Player_ID_Split(&nTeam, &nSlot, nId))
        return;
    Mark_Player_Moved(nTeam, nSlot);
    if (nTeam == FREE_AGENT_TEAM)
        return;
    int nLine = Add_Player_Season_Line(nTeam, nSlot, Get_Season_Year(), nTeam);
    if (nLine != NO_SEASON_LINE)
        Set_Player_Season_Line_Cache(nTeam, nSlot, nLine);
}

// One pass over every roster; the number of players who reached their destination.
static int Run_Moving_Pass(void) {
    int nMoved = 0;
    For_Each_Waiting_Player([&nMoved](int nTeam, int nSlot) {
        int nDestination = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO);
        if (nDestination == nTeam) {
            Mark_Player_Moved(nTeam, nSlot);
            nMoved++;
            return 1;
        }
        int nId = Get_Player_ID(nTeam, nSlot);
        if (Move_Player_To_Team(nDestination, nTeam, nSlot) == NO_SLOT_BYTE ||
            Get_Player_ID(nTeam, nSlot) == nId)
            return 1;  // he waits for room on his new team
        Settle_Moved_Player(nId);
        nMoved++;
        return 0;
    });
    return nMoved;
}

int Implement_Draft_Teams(void) {
    int nToMove = Count_Players_To_Move();
    char szCaption[MOVING_CAPTION_SIZE];
    Format_String(szCaption, sizeof szCaption, "Moving %d Players...", nToMove);
    Open_Progress_Window(szCaption, nToMove);
    // Players drafted from the free agents and the other rosters count too, so the hand-over
    // never reports success while one of them still waits. A pass that moves nobody leaves every
    // roster as it was, so no later pass could move anyone.
    for (int nPass = 0; nPass < MAX_MOVING_PASSES && Has_Waiting_Player(1); nPass++) {
        int nMoved = Run_Moving_Pass();
        Step_Progress_Window(nMoved);
        if (nMoved == 0)
            break;
    }
    Close_Progress_Window();
    if (Has_Waiting_Player(1)) {
        Show_Message_Box("Error in Implement_Draft_Teams()",
                         "Unable to move all players to intended destination");
        return 0;
    }
    Set_All_Depth_Charts(0);
    return 1;
}
