// Whole player records: clearing, copying and swapping slots, and removing players so that the
// rosters stay packed.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "database/player_internal.h"

static PLAYER gSwapBuffer;

void Empty_Player_Record(PLAYER* pPlayer) {
    memset(pPlayer, 0, sizeof(PLAYER));
    for (int n = 0; n < SEASON_LINK_COUNT; n++)
        pPlayer->anSeasonLinks[n] = NO_SEASON_LINE;
    pPlayer->nCurrentSeasonLine = NO_SEASON_LINE;
}

// ---- clearing and copying ----------------------------------------------------------------------

int Clear_Player(int nTeam, int nSlot) {
    if (nTeam == NO_TEAM) {
        Report_Error("'NO_TEAM' passed to Clear_Player(%d,%d)", nTeam, nSlot);
        return 0;
    }
    if (nSlot == NO_PLAYER) {
        Report_Error("'NO_PLAYER' passed to Clear_Player(%d,%d)", nTeam, nSlot);
        return 0;
    }
    if ((unsigned)nTeam > LAST_DRAFT_POOL_TEAM) {
        Report_Error("nTeam out of bounds in Clear_Player(%d,%d)", nTeam, nSlot);
        return 0;
    }
    if ((unsigned)nSlot >= PLAYERS_PER_TEAM) {
        Report_Error("nPlayer out of bounds in Clear_Player(%d,%d)", nTeam, nSlot);
        return 0;
    }
    Empty_Player_Record(&gTeams[nTeam].aPlayers[nSlot]);
    return 1;
}

static int Is_Negative_Index(int nTeam, int nSlot) {
    return nTeam < 0 || nSlot < 0;
}

// Indexes past the rosters are refused without a message.
void Copy_Player(int nDstTeam, int nDstSlot, int nSrcTeam, int nSrcSlot) {
    if (Is_Negative_Index(nDstTeam, nDstSlot)) {
        Report_Error("Negative destination in Copy_Player()");
        return;
    }
    if (Is_Negative_Index(nSrcTeam, nSrcSlot)) {
        Report_Error("Negative source in Copy_Player()");
        return;
    }
    PLAYER* pDst = Get_Player_Record(nDstTeam, nDstSlot);
    const PLAYER* pSrc = Get_Player_Record(nSrcTeam, nSrcSlot);
    if (pDst && pSrc)
        memmove(pDst, pSrc, sizeof(PLAYER));
}

void Copy_Player_To_Memory(int nTeam, int nSlot, PLAYER* pBuffer) {
    if (Is_Negative_Index(nTeam, nSlot)) {
        Report_Error("Negative source in Copy_Player_To_Memory()");
        return;
    }
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (pPlayer && pBuffer)
        memmove(pBuffer, pPlayer, sizeof(PLAYER));
}

void Copy_Player_From_Memory(int nTeam, int nSlot, const PLAYER* pBuffer) {
    if (Is_Negative_Index(nTeam, nSlot)) {
        Report_Error("Negative destination in Copy_Player_From_Memory()");
        return;
    }
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (pPlayer && pBuffer)
        memmove(pPlayer, pBuffer, sizeof(PLAYER));
}

// ---- swapping ----------------------------------------------------------------------------------

// What is wrong with the arguments of a swap, in the order they are checked; NULL when nothing.
static const char* Find_Swap_Error(int nTeamA, int nSlotA, int nTeamB, int nSlotB) {
    if (nTeamA > LAST_DRAFT_POOL_TEAM || nTeamB > LAST_DRAFT_POOL_TEAM)
        return "Invalid Team";
    if (nTeamA < 0 || nTeamB < 0)
        return "Negative Team";
    if (nSlotA >= PLAYERS_PER_TEAM || nSlotB >= PLAYERS_PER_TEAM)
        return "Invalid Slot";
    if (nSlotA < 0 || nSlotB < 0)
        return "Negative Slot";
    return NULL;
}

// Within one team the kick and punt returner marks follow their players.
static void Swap_Returner_Marks(int nTeam, int nSlotA, int nSlotB) {
    uint8_t* pReturners = gTeams[nTeam].abReturners;
    for (int nKind = KICK_RETURNER; nKind <= PUNT_RETURNER; nKind++) {
        if (pReturners[nKind] == nSlotA)
            pReturners[nKind] = (uint8_t)nSlotB;
        else if (pReturners[nKind] == nSlotB)
            pReturners[nKind] = (uint8_t)nSlotA;
    }
}

static LIVE_LINEUP_REFILL gpfnRefillLiveLineups = NULL;

void Set_Live_Lineup_Refill(LIVE_LINEUP_REFILL pfnRefill) {
    gpfnRefillLiveLineups = pfnRefill;
}

// A watched live game of either team gets its lineups refilled.
static void Refill_Live_Game_Lineups(int nTeamA, int nTeamB) {
    GAME* pGame = gLiveGame;
    if (!pGame || !gpfnRefillLiveLineups)
        return;
    int nVisitor = pGame->anTeams[VISITOR_SIDE];
    int nHome = pGame->anTeams[HOME_SIDE];
    if (nTeamA != nVisitor && nTeamA != nHome && nTeamB != nVisitor && nTeamB != nHome)
        return;
    if (Get_Calendar_PBP_Flag(nVisitor, gCurrentWeek) || Get_Calendar_PBP_Flag(nHome, gCurrentWeek))
        gpfnRefillLiveLineups(pGame);
}

int Swap_Players(int nTeamA, int nSlotA, int nTeamB, int nSlotB) {
    const char* szError = Find_Swap_Error(nTeamA, nSlotA, nTeamB, nSlotB);
    if (szError) {
        Report_Error("%s in Swap_Players(%d,%d,%d,%d)", szError, nTeamA, nSlotA, nTeamB, nSlotB);
        return 0;
    }
    if (nTeamA == nTeamB)
        Swap_Returner_Marks(nTeamA, nSlotA, nSlotB);
    PLAYER* pA = &gTeams[nTeamA].aPlayers[nSlotA];
    PLAYER* pB = &gTeams[nTeamB].aPlayers[nSlotB];
    memcpy(&gSwapBuffer, pA, sizeof(PLAYER));
    memmove(pA, pB, sizeof(PLAYER));
    memcpy(pB, &gSwapBuffer, sizeof(PLAYER));
    Refill_Live_Game_Lineups(nTeamA, nTeamB);
    return 1;
}

// ---- removing ----------------------------------------------------------------------------------

// Every player after nSlot moves up one slot; the record at nSlot ends in slot 99.
static void Move_Later_Players_Up(int nTeam, int nSlot) {
    for (int s = nSlot; s < PLAYERS_PER_TEAM - 1; s++) {
        if (!Swap_Players(nTeam, s, nTeam, s + 1))
            return;
    }
}

void Remove_Player_Slot(int nTeam, int nSlot) {
    if (Clear_Player(nTeam, nSlot))
        Move_Later_Players_Up(nTeam, nSlot);
}

void Delete_Player(int nTeam, int nSlot) {
    Erase_Player_Season_Lines(nTeam, nSlot);
    Remove_Player_Slot(nTeam, nSlot);
}

void Delete_Player_In_Place(int nTeam, int nSlot) {
    Erase_Player_Season_Lines(nTeam, nSlot);
    Clear_Player(nTeam, nSlot);
}

void Remove_Player_Gap_At(int nTeam, int nSlot) {
    Move_Later_Players_Up(nTeam, nSlot);
}

void Delete_All_League_Players(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            Delete_Player_In_Place(nTeam, nSlot);
    }
}

// The first empty slot that has a player after it; -1 when the roster is packed.
static int Find_Roster_Gap(int nTeam) {
    const PLAYER* pPlayers = gTeams[nTeam].aPlayers;
    for (int s = 0; s < PLAYERS_PER_TEAM - 1; s++) {
        if (pPlayers[s].anVitalStats[VITAL_PLAYER_ID] == 0 &&
            pPlayers[s + 1].anVitalStats[VITAL_PLAYER_ID] != 0)
            return s;
    }
    return -1;
}

void Compact_Team_Roster(int nTeam) {
    if (!Is_Valid_Team(nTeam))
        return;
    for (int nGap = Find_Roster_Gap(nTeam); nGap >= 0; nGap = Find_Roster_Gap(nTeam))
        Remove_Player_Slot(nTeam, nGap);
}
