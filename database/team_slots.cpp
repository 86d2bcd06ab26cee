// Whole-team moves: swapping two team numbers everywhere they are stored, compacting the used
// slots to the front, sorting the teams by name and removing an erased team's record.
#include <string.h>

#include "core/core.h"
#include "database/database.h"

static TEAM gSwapBuffer;

// The team number t with a and b exchanged.
static int Remap_Team(int t, int a, int b) {
    if (t == a)
        return b;
    if (t == b)
        return a;
    return t;
}

static void Remap_Team_Byte(int8_t* pTeam, int a, int b) {
    *pTeam = (int8_t)Remap_Team(*pTeam, a, b);
}

static void Remap_Team_Ubyte(uint8_t* pTeam, int a, int b) {
    *pTeam = (uint8_t)Remap_Team(*pTeam, a, b);
}

static void Remap_Preference_Team(int32_t* pTeam, int a, int b) {
    *pTeam = Remap_Team(*pTeam, a, b);
}

// Opponent codes: home rows hold visitor + 1, away rows -1 - home.
static void Remap_Schedule_Opponents(int a, int b) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        for (int nWeek = 0; nWeek < SCHEDULE_WEEKS; nWeek++) {
            int32_t* pCode = &gTeams[nTeam].aanSchedule[nWeek][SCHEDULE_OPPONENT];
            if (*pCode > 0)
                *pCode = Remap_Team(*pCode - 1, a, b) + 1;
            else if (*pCode < 0)
                *pCode = -1 - Remap_Team(-1 - *pCode, a, b);
        }
    }
}

static void Exchange_Team_Records(int a, int b) {
    memcpy(&gSwapBuffer, &gTeams[a], sizeof(TEAM));
    memcpy(&gTeams[a], &gTeams[b], sizeof(TEAM));
    memcpy(&gTeams[b], &gSwapBuffer, sizeof(TEAM));
}

static void Remap_Dialog_And_User_Team(int a, int b) {
    int bDialogTeamMoved = (gDialogTeam == a || gDialogTeam == b);
    gDialogTeam = Remap_Team(gDialogTeam, a, b);
    if (bDialogTeamMoved && Is_Team_Active(gDialogTeam) &&
        Get_Team_Stat(gDialogTeam, TEAM_CONTROL) == CONTROL_HUMAN && !gAllTeamsComputer)
        gUserTeam = gDialogTeam;
    else
        Remap_Preference_Team(&gUserTeam, a, b);
    Remap_Preference_Team(&gScoutTeam, a, b);
    Remap_Preference_Team(&gTradePartner, a, b);
}

// Every stamped career line, whichever player links it.
static void Remap_Season_Lines(int a, int b) {
    for (int nLine = 0; nLine < SEASON_LINE_COUNT; nLine++) {
        if (gSeasonLines[nLine].nYear != 0)
            Remap_Team_Byte(&gSeasonLines[nLine].nTeam, a, b);
    }
}

static int Is_Fantasy_Draft_Running(void) {
    return gUniverseStats[UNIVERSE_FANTASY_DRAFT] >= 1;
}

// The drafting team in the draft record ((team + 1) x 10000 + year) of every player on any
// roster, and while a fantasy draft runs the team each player is drafted to (cleared to NO_TEAM
// before and after a draft, so it means nothing in between).
static void Remap_Player_Teams(int a, int b) {
    int bDraftRunning = Is_Fantasy_Draft_Running();
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            int32_t* pVitals = gTeams[nTeam].aPlayers[nSlot].anVitalStats;
            if (pVitals[VITAL_PLAYER_ID] == 0)
                continue;
            int nDraftRecord = pVitals[VITAL_DRAFT_RECORD];
            if (nDraftRecord >= 10000) {
                int nDraftTeam = nDraftRecord / 10000 - 1;
                pVitals[VITAL_DRAFT_RECORD] =
                    (Remap_Team(nDraftTeam, a, b) + 1) * 10000 + nDraftRecord % 10000;
            }
            if (bDraftRunning)
                pVitals[VITAL_DRAFTED_TO] = Remap_Team(pVitals[VITAL_DRAFTED_TO], a, b);
        }
    }
}

// An owner byte is a team, or team + 128 for a pick that is not made.
static void Remap_Pick_Owner(uint8_t* pOwner, int a, int b) {
    int nFlag = *pOwner & 0x80;
    *pOwner = (uint8_t)(Remap_Team(*pOwner & 0x7F, a, b) | nFlag);
}

static void Remap_Draft_Tables(int a, int b) {
    int nPlaces = Count_Active_Teams();
    for (int nYear = 0; nYear < DRAFT_YEARS; nYear++) {
        for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++) {
            uint8_t* pOwners = gDraftPickOwners[nYear][nRound];
            uint8_t bOwner = pOwners[a];
            pOwners[a] = pOwners[b];
            pOwners[b] = bOwner;
            for (int nColumn = 0; nColumn < DRAFT_COLUMNS; nColumn++) {
                if (Is_Team_Active(nColumn))
                    Remap_Pick_Owner(&pOwners[nColumn], a, b);
            }
        }
    }
    for (int nPlace = 0; nPlace < nPlaces; nPlace++)
        Remap_Team_Ubyte(&gDraftOrder[nPlace], a, b);
    if (Is_Fantasy_Draft_Running()) {
        for (int nRound = 0; nRound < FANTASY_DRAFT_ROUNDS; nRound++) {
            for (int nPlace = 0; nPlace < nPlaces; nPlace++)
                Remap_Team_Byte(&gSavedState.aanFantasyDraftOrder[nRound][nPlace], a, b);
        }
    }
    // Unmade picks: ((year x 1000 + pick) x 100 + team), 0 = free.
    for (int i = 0; i < DRAFT_PICK_LOG_SIZE; i++) {
        int nEntry = gDraftPickLog[i];
        if (nEntry > 0)
            gDraftPickLog[i] = nEntry - nEntry % 100 + Remap_Team(nEntry % 100, a, b);
    }
}

static void Remap_Standings_And_Playoffs(int a, int b) {
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++) {
        for (int nPlace = 0; nPlace < DIVISION_PLACES; nPlace++)
            Remap_Team_Byte(&gDivisionStandings[nDivision][nPlace], a, b);
    }
    for (int nSlot = 0; nSlot < PLAYOFF_SLOT_COUNT; nSlot++)
        Remap_Team_Byte(&gPlayoffSlots[nSlot], a, b);
}

static void Remap_Games_And_Records(int a, int b) {
    for (int n = 0; n < GAME_COUNT; n++) {
        GAME* pGame = &gGames[n];
        if (pGame->anInfo[0] <= 0)
            continue;
        Remap_Team_Byte(&pGame->anTeams[0], a, b);
        Remap_Team_Byte(&pGame->anTeams[1], a, b);
        Remap_Team_Byte(&pGame->nPossession, a, b);
    }
    for (int nTable = 0; nTable < RECORD_BOOK_TABLES; nTable++) {
        for (int nCategory = 0; nCategory < RECORD_BOOK_CATEGORIES; nCategory++) {
            for (int nRow = 0; nRow < RECORD_BOOK_ROWS; nRow++) {
                RECORD_BOOK_ROW* pRow = &gRecordBook[nTable][nCategory][nRow];
                if (pRow->nPlayerId != 0 || pRow->szLastName[0] != 0)
                    Remap_Team_Byte(&pRow->nTeam, a, b);
            }
        }
    }
}

void Swap_Teams(int nTeamA, int nTeamB) {
    if (nTeamA == nTeamB || nTeamA < 0 || nTeamB < 0 || nTeamA >= LEAGUE_TEAM_COUNT ||
        nTeamB >= LEAGUE_TEAM_COUNT)
        return;
    Remap_Schedule_Opponents(nTeamA, nTeamB);
    Exchange_Team_Records(nTeamA, nTeamB);
    Remap_Dialog_And_User_Team(nTeamA, nTeamB);
    Remap_Season_Lines(nTeamA, nTeamB);
    Remap_Player_Teams(nTeamA, nTeamB);
    Remap_Draft_Tables(nTeamA, nTeamB);
    Remap_Standings_And_Playoffs(nTeamA, nTeamB);
    Remap_Games_And_Records(nTeamA, nTeamB);
}

void Compact_Team_Slots(void) {
    for (int nPass = 0; nPass < LEAGUE_TEAM_COUNT; nPass++) {
        for (int nSlot = 0; nSlot < LEAGUE_TEAM_COUNT - 1; nSlot++) {
            if (Get_Team_Stat(nSlot, TEAM_CONTROL) == CONTROL_NOT_IN_USE &&
                Get_Team_Stat(nSlot + 1, TEAM_CONTROL) != CONTROL_NOT_IN_USE)
                Swap_Teams(nSlot, nSlot + 1);
        }
    }
}

// Whether team j belongs after team j + 1: by city, then by nickname.
static int Is_Team_Name_After(int j) {
    int nCity = strcmp(gTeams[j].aszStrings[TEAM_CITY], gTeams[j + 1].aszStrings[TEAM_CITY]);
    if (nCity != 0)
        return nCity > 0;
    return strcmp(gTeams[j].aszStrings[TEAM_NICKNAME], gTeams[j + 1].aszStrings[TEAM_NICKNAME]) > 0;
}

void Sort_Teams_By_Name(void) {
    int nTeams = Count_Active_Teams();
    for (int nPass = 0; nPass < nTeams; nPass++) {
        for (int j = 0; j + 1 < nTeams; j++) {
            if (Is_Team_Name_After(j))
                Swap_Teams(j, j + 1);
        }
    }
}

// The team's record is cleared and the later teams move up. A dialog team that went with the
// erased record moves to the last active team; this comes before the refresh, which would
// otherwise fall back to team 0.
void Remove_Team_Record(int nTeam) {
    Clear_Team(nTeam);
    Compact_Team_Slots();
    gActiveTeamCount = Count_Active_Teams();
    if (!Is_Valid_Team(gDialogTeam) && gActiveTeamCount > 0) {
        gDialogTeam = gActiveTeamCount - 1;
        if (Get_Team_Stat(gDialogTeam, TEAM_CONTROL) == CONTROL_HUMAN && !gAllTeamsComputer)
            gUserTeam = gDialogTeam;
    }
    Get_Dialog_Team();
}
