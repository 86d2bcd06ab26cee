// The record book: the 21 best career totals, single seasons and single games of each leader
// category, and the weekly step that measures each player's week against his career before it.
#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "season/season.h"

#define CAREER_STAT_COUNT 20
#define SNAPSHOT_TEAM_COUNT 36  // league teams 0..35
#define LAST_BOOK_TEAM FREE_AGENT_TEAM
#define LAST_GAME_BOOK_TEAM (FREE_AGENT_TEAM - 1)
#define ELIGIBILITY_UNKNOWN 255

enum RECORD_TABLE { TABLE_CAREER = 0, TABLE_SEASON = 1, TABLE_GAME = 2 };

// How each kind of update reads and refreshes its table.
typedef struct RECORD_BOOK_KIND {
    int nTable;
    int nSeason;    // the season kind read
    int nLastTeam;  // teams 0..nLastTeam are scanned
    int bRefresh;   // existing rows are refreshed from their players
    int bUpward;    // a refreshed row only rises
    int bThisYear;  // only rows of the current year are refreshed
} RECORD_BOOK_KIND;

typedef struct CAREER_SNAPSHOT {
    int nPlayerId;  // 0: nobody in the slot before the week
    int nTeam;      // where the player was found after the week; NO_TEAM when not found
    int nSlot;
    int anBefore[CAREER_STAT_COUNT];
    int anAfter[CAREER_STAT_COUNT];
} CAREER_SNAPSHOT;

static uint8_t gBookEligible[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];
static int gEligibilityKnown;  // 0: every entry is still to be worked out
static CAREER_SNAPSHOT gCareerSnapshots[SNAPSHOT_TEAM_COUNT][PLAYERS_PER_TEAM];

static int Get_Record_Book_Kind(int nKind, RECORD_BOOK_KIND* pKind) {
    static const RECORD_BOOK_KIND kKinds[] = {
        {TABLE_CAREER, SEASON_CAREER, LAST_BOOK_TEAM, 1, 0, 0},
        {TABLE_SEASON, SEASON_CURRENT, LAST_BOOK_TEAM, 1, 1, 1},
        {TABLE_SEASON, SEASON_PREVIOUS, LAST_BOOK_TEAM, 1, 1, 0},
        {TABLE_GAME, SEASON_CAREER, LAST_GAME_BOOK_TEAM, 0, 1, 0},
    };
    if (nKind < RECORD_BOOK_CAREER || nKind > RECORD_BOOK_GAME)
        return 0;
    *pKind = kKinds[nKind - RECORD_BOOK_CAREER];
    return 1;
}

// A slot may enter the book when it holds a player of a league team in use or of a pseudo-team.
static int Is_Book_Eligible(int nTeam, int nSlot) {
    if (!gEligibilityKnown) {
        memset(gBookEligible, ELIGIBILITY_UNKNOWN, sizeof gBookEligible);
        gEligibilityKnown = 1;
    }
    uint8_t* pEntry = &gBookEligible[nTeam][nSlot];
    if (*pEntry == ELIGIBILITY_UNKNOWN)
        *pEntry = (uint8_t)(Is_Valid_Team(nTeam) && Is_Player_Slot_Used(nTeam, nSlot));
    return *pEntry;
}

static void Write_Row_Player(RECORD_BOOK_ROW* pRow, int nTeam, int nSlot, int nValue) {
    pRow->nValue = nValue;
    pRow->nYear = (int16_t)Get_Season_Year();
    pRow->nWeek = (int8_t)Get_Current_Week();
    pRow->nTeam = (int8_t)nTeam;
    pRow->nSlot = (int8_t)nSlot;
    pRow->nAge = (uint8_t)Get_Player_Exact_Age(nTeam, nSlot);
    pRow->nExperience = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
}

// Step 1: each listed player's row follows his value now; a player gone from the league keeps
// his row with the id -1. The slots refreshed are marked in abSeen.
static void Refresh_Category(RECORD_BOOK_ROW* aRows, int nCategory, const RECORD_BOOK_KIND* pKind,
                             uint8_t abSeen[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM]) {
    for (int nRow = 0; nRow < RECORD_BOOK_ROWS; nRow++) {
        RECORD_BOOK_ROW* pRow = &aRows[nRow];
        if (pRow->nPlayerId <= 0)
            continue;
        int nTeam, nSlot;
        if (!Get_Player_By_ID(&nTeam, &nSlot, pRow->nPlayerId)) {
            pRow->nPlayerId = -1;
            continue;
        }
        if (pKind->bThisYear && pRow->nYear != Get_Season_Year())
            continue;
        abSeen[nTeam][nSlot] = 1;
        int nValue = Get_Leader_Stat_Value(nTeam, nSlot, nCategory, pKind->nSeason);
        if (nValue != pRow->nValue && (!pKind->bUpward || nValue > pRow->nValue))
            Write_Row_Player(pRow, nTeam, nSlot, nValue);
    }
    qsort(aRows, RECORD_BOOK_ROWS, sizeof aRows[0], Compare_Record_Book_Entries);
}

static int Is_Same_Named_Player(const RECORD_BOOK_ROW* pRow, int nTeam, int nSlot) {
    return strncasecmp(pRow->szLastName, Get_Player_Last_Name_Ptr(nTeam, nSlot),
                       sizeof pRow->szLastName) == 0 &&
           strncasecmp(pRow->szFirstName, Get_Player_First_Name_Ptr(nTeam, nSlot),
                       sizeof pRow->szFirstName) == 0;
}

// Step 2: a value above the last row's takes its place in the order, unless the same player
// already holds that value above it.
static void Insert_Player_Value(RECORD_BOOK_ROW* aRows, int nTeam, int nSlot, int nValue) {
    if (nValue == 0 || nValue <= aRows[RECORD_BOOK_ROWS - 1].nValue)
        return;
    int nAt = 0;
    for (; nAt < RECORD_BOOK_ROWS && aRows[nAt].nValue >= nValue; nAt++) {
        RECORD_BOOK_ROW* pRow = &aRows[nAt];
        if (pRow->nValue == nValue && Is_Same_Named_Player(pRow, nTeam, nSlot)) {
            if (pRow->nTeam == NO_TEAM)
                pRow->nTeam = (int8_t)nTeam;
            int nId = Get_Player_ID(nTeam, nSlot);
            pRow->nPlayerId = nId != 0 ? nId : -1;
            return;
        }
    }
    memmove(&aRows[nAt + 1], &aRows[nAt], (RECORD_BOOK_ROWS - 1 - nAt) * sizeof aRows[0]);
    RECORD_BOOK_ROW* pRow = &aRows[nAt];
    memset(pRow, 0, sizeof *pRow);
    safe_strncpy(pRow->szLastName, Get_Player_Last_Name_Ptr(nTeam, nSlot), sizeof pRow->szLastName);
    safe_strncpy(pRow->szFirstName, Get_Player_First_Name_Ptr(nTeam, nSlot),
                 sizeof pRow->szFirstName);
    pRow->nPlayerId = Get_Player_ID(nTeam, nSlot);
    Write_Row_Player(pRow, nTeam, nSlot, nValue);
}

void Update_Record_Book(int nKind) {
    RECORD_BOOK_KIND kind;
    if (!Get_Record_Book_Kind(nKind & 0xFF, &kind)) {
        Report_Error("WTF?");
        return;
    }
    if (nKind & RECORD_BOOK_RESET_ELIGIBILITY)
        gEligibilityKnown = 0;
    static uint8_t abSeen[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];
    for (int nCategory = 0; nCategory < RECORD_BOOK_CATEGORIES; nCategory++) {
        RECORD_BOOK_ROW* aRows = gRecordBook[kind.nTable][nCategory];
        memset(abSeen, 0, sizeof abSeen);
        if (kind.bRefresh)
            Refresh_Category(aRows, nCategory, &kind, abSeen);
        for (int nTeam = 0; nTeam <= kind.nLastTeam; nTeam++) {
            for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
                if (abSeen[nTeam][nSlot] || !Is_Book_Eligible(nTeam, nSlot))
                    continue;
                int nValue = Get_Leader_Stat_Value(nTeam, nSlot, nCategory, kind.nSeason);
                Insert_Player_Value(aRows, nTeam, nSlot, nValue);
            }
        }
    }
}

static void Read_Career(int nTeam, int nSlot, int* anStats) {
    Get_Player_Season_Block(nTeam, nSlot, SEASON_CAREER, anStats);
}

static void Write_Career(int nTeam, int nSlot, const int* anStats) {
    for (int nStat = 0; nStat < CAREER_STAT_COUNT; nStat++)
        Set_Player_Stat(nTeam, nSlot, SEASON_CAREER, nStat, anStats[nStat]);
}

// The player of a snapshot after the week: the same slot while it holds his id, else wherever
// his id is found now.
static void Locate_Snapshot_Player(CAREER_SNAPSHOT* pSnapshot, int nTeam, int nSlot) {
    if (Get_Player_ID(nTeam, nSlot) == pSnapshot->nPlayerId) {
        pSnapshot->nTeam = nTeam;
        pSnapshot->nSlot = nSlot;
    } else if (!Get_Player_By_ID(&pSnapshot->nTeam, &pSnapshot->nSlot, pSnapshot->nPlayerId)) {
        pSnapshot->nTeam = NO_TEAM;
    }
}

// The deltas and the restore work on the player located after the week, so whoever has a
// week's numbers subtracted gets his career back; a player not located is left alone.
void Take_Career_Snapshot(int nMode) {
    static const char* const kStepNames[] = {"", "", "ATL_SAVE_NEW_CAREER", "ATL_DELTA_CAREER",
                                             "ATL_RESTORE_CAREER"};
    if (nMode < CAREER_SNAPSHOT_BEFORE || nMode > CAREER_SNAPSHOT_RESTORE)
        return;
    for (int nTeam = 0; nTeam < SNAPSHOT_TEAM_COUNT; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            CAREER_SNAPSHOT* pSnapshot = &gCareerSnapshots[nTeam][nSlot];
            if (nMode == CAREER_SNAPSHOT_BEFORE) {
                pSnapshot->nPlayerId = Get_Player_ID(nTeam, nSlot);
                pSnapshot->nTeam = NO_TEAM;
                if (pSnapshot->nPlayerId != 0)
                    Read_Career(nTeam, nSlot, pSnapshot->anBefore);
                continue;
            }
            if (pSnapshot->nPlayerId == 0)
                continue;
            if (nMode == CAREER_SNAPSHOT_AFTER)
                Locate_Snapshot_Player(pSnapshot, nTeam, nSlot);
            int nAtTeam = pSnapshot->nTeam, nAtSlot = pSnapshot->nSlot;
            if (nAtTeam == NO_TEAM || Get_Player_ID(nAtTeam, nAtSlot) != pSnapshot->nPlayerId) {
                pSnapshot->nTeam = NO_TEAM;
                Log_Debug_Line("Unable to find player id %d (%s)", pSnapshot->nPlayerId,
                               kStepNames[nMode]);
                continue;
            }
            if (nMode == CAREER_SNAPSHOT_AFTER) {
                Read_Career(nAtTeam, nAtSlot, pSnapshot->anAfter);
            } else if (nMode == CAREER_SNAPSHOT_DELTA) {
                int anWeek[CAREER_STAT_COUNT];
                for (int nStat = 0; nStat < CAREER_STAT_COUNT; nStat++)
                    anWeek[nStat] = pSnapshot->anAfter[nStat] - pSnapshot->anBefore[nStat];
                Write_Career(nAtTeam, nAtSlot, anWeek);
            } else {
                Write_Career(nAtTeam, nAtSlot, pSnapshot->anAfter);
            }
        }
    }
}

void Update_Weekly_Record_Book(void) {
    Take_Career_Snapshot(CAREER_SNAPSHOT_AFTER);
    Take_Career_Snapshot(CAREER_SNAPSHOT_DELTA);
    Update_Record_Book(RECORD_BOOK_GAME | RECORD_BOOK_RESET_ELIGIBILITY);
    Take_Career_Snapshot(CAREER_SNAPSHOT_RESTORE);
    Update_Record_Book(RECORD_BOOK_CAREER);
}
