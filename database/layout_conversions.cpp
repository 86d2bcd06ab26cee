// Blocks of two older layouts brought to the current one. Both keep the team record field by
// field with 80 player slots; the old universe has a four-int schedule row and no playbooks or
// game records, the old saved block has everything but 20 player slots and some free room.
#include <errno.h>
#include <stdlib.h>
#include <string.h>

#include "database/database.h"
#include "database/saved_game_internal.h"

#define OLD_UNIVERSE_TEAM_SIZE 68452
#define OLD_BLOCK_TEAM_SIZE 99848
#define OLD_PLAYER_SLOTS 80
#define OLD_UNIVERSE_SCHEDULE_FIELDS 4
#define HEAD_SIZE 2480

// One piece copied from its offset in the old layout to its offset in the new one.
typedef struct LAYOUT_PIECE {
    int nSize;
    int nOldOffset;
    int nNewOffset;
} LAYOUT_PIECE;

// A whole field of the team record or the block, from its old offset.
#define TEAM_FIELD(nOld, field) \
    { (int)sizeof(TEAM::field), (nOld), (int)offsetof(TEAM, field) }
#define BLOCK_FIELD(nOld, field) \
    { (int)sizeof(SAVED_STATE::field), (nOld), (int)offsetof(SAVED_STATE, field) }

// The fields both old team records share, at their old offsets within the record.
static const LAYOUT_PIECE kOldTeamPieces[] = {
    TEAM_FIELD(0, aszStrings),
    {OLD_PLAYER_SLOTS * (int)sizeof(PLAYER), 256, (int)offsetof(TEAM, aPlayers)},
    TEAM_FIELD(60736, abReturners),
    TEAM_FIELD(60740, aaanTotals),
    TEAM_FIELD(62660, anStats),
    TEAM_FIELD(62900, anStadiumStats),
    TEAM_FIELD(62980, anFinancialStats),
    TEAM_FIELD(63300, aanYearlyChars),
    TEAM_FIELD(66500, aanYearlyInts),
};
#define OLD_SCHEDULE_OFFSET 68100

// The old saved block's team record goes on with the full schedule and the playbooks.
static const LAYOUT_PIECE kOldBlockTeamTail[] = {
    TEAM_FIELD(OLD_SCHEDULE_OFFSET, aanSchedule),
    TEAM_FIELD(68540, abOffensivePlaybook),
    TEAM_FIELD(88220, aanFormationLineups),
    TEAM_FIELD(90332, abDefensivePlaybook),
};

// The int before the playoff slots is the unused word in front of them.
#define PLAYOFF_SLOTS_PIECE_SIZE 35
#define OLD_UNIVERSE_PREFERENCES 100  // the old universe keeps entries 0..99
#define PREFERENCES_SIZE (PREFERENCE_INT_COUNT * 4 + PREFERENCE_SHORT_COUNT * 2)

static const LAYOUT_PIECE kOldUniverseBlockPieces[] = {
    {HEAD_SIZE, 0, 0},
    BLOCK_FIELD(2809012, aCities),
    BLOCK_FIELD(2816212, aaabDraftPickOwners),
    BLOCK_FIELD(2816968, abDraftOrder),
    {OLD_UNIVERSE_PREFERENCES * 4, 3159004, (int)offsetof(SAVED_STATE, anPreferenceInts)},
    BLOCK_FIELD(3159404, aanDivisionStandings),
    {PLAYOFF_SLOTS_PIECE_SIZE, 3159508, (int)offsetof(SAVED_STATE, abUnused6)},
    BLOCK_FIELD(3159544, anPlayoffScores),
    BLOCK_FIELD(3159668, anPostseasonWeeks),
};

static const LAYOUT_PIECE kOldBlockPieces[] = {
    {HEAD_SIZE, 0, 0},
    BLOCK_FIELD(4096248, aCities),
    BLOCK_FIELD(4103448, aaabDraftPickOwners),
    BLOCK_FIELD(4104204, abDraftOrder),
    BLOCK_FIELD(4104240, aGames),
    {PREFERENCES_SIZE, 18716640, (int)offsetof(SAVED_STATE, anPreferenceInts)},
    BLOCK_FIELD(18717840, aanDivisionStandings),
    {PLAYOFF_SLOTS_PIECE_SIZE, 18717944, (int)offsetof(SAVED_STATE, abUnused6)},
    BLOCK_FIELD(18717980, anPlayoffScores),
    BLOCK_FIELD(18718104, anPostseasonWeeks),
    BLOCK_FIELD(18718128, aSeasonLines),
    BLOCK_FIELD(22257072, aaaRecordBook),
};

#define COUNT_OF(a) ((int)(sizeof(a) / sizeof((a)[0])))

static_assert(offsetof(SAVED_STATE, aTeams) == HEAD_SIZE);
static_assert(offsetof(SAVED_STATE, abUnused6) == 19337864);
static_assert(OLD_SCHEDULE_OFFSET + SCHEDULE_WEEKS * OLD_UNIVERSE_SCHEDULE_FIELDS * 4 ==
              OLD_UNIVERSE_TEAM_SIZE);
static_assert(90332 + DEFENSIVE_PLAYBOOK_BYTES == OLD_BLOCK_TEAM_SIZE);
static_assert(HEAD_SIZE + ALL_TEAM_RECORDS * OLD_UNIVERSE_TEAM_SIZE == 2809012);
static_assert(HEAD_SIZE + ALL_TEAM_RECORDS * OLD_BLOCK_TEAM_SIZE == 4096248);
static_assert(22257072 + sizeof(RECORD_BOOK) == OLD_BLOCK_SIZE);

static void Copy_Pieces(uint8_t* pNew, const uint8_t* pOld, const LAYOUT_PIECE* pPieces,
                        int nCount) {
    for (const LAYOUT_PIECE* pPiece = pPieces; pPiece < pPieces + nCount; pPiece++)
        memcpy(pNew + pPiece->nNewOffset, pOld + pPiece->nOldOffset, (size_t)pPiece->nSize);
}

// Each old schedule row is opponent, kick-off, game index and weekday; the play-by-play flag of
// the new row stays 0.
static void Copy_Old_Universe_Schedule(TEAM* pTeam, const uint8_t* pOldTeam) {
    static const int kNewFields[OLD_UNIVERSE_SCHEDULE_FIELDS] = {
        SCHEDULE_OPPONENT, SCHEDULE_KICKOFF, SCHEDULE_GAME_INDEX, SCHEDULE_WEEKDAY};
    for (int nWeek = 0; nWeek < SCHEDULE_WEEKS; nWeek++) {
        for (int n = 0; n < OLD_UNIVERSE_SCHEDULE_FIELDS; n++) {
            int nOffset = OLD_SCHEDULE_OFFSET + (nWeek * OLD_UNIVERSE_SCHEDULE_FIELDS + n) * 4;
            memcpy(&pTeam->aanSchedule[nWeek][kNewFields[n]], pOldTeam + nOffset, sizeof(int32_t));
        }
    }
}

// Copies the old block aside, clears the block and puts every piece back at its new place.
static int Convert_Block(SAVED_STATE* pBlock, int nOldSize, int nOldTeamSize,
                         const LAYOUT_PIECE* pBlockPieces, int nBlockPieces, int bOldUniverse) {
    uint8_t* pOld = static_cast<uint8_t*>(calloc(1, (size_t)nOldSize));
    if (!pOld) {
        Report_Error("Unable to allocate memory to convert old UNIVERSE file! %d", errno);
        return 0;
    }
    memcpy(pOld, pBlock, (size_t)nOldSize);
    memset(pBlock, 0, sizeof(SAVED_STATE));
    uint8_t* pNew = reinterpret_cast<uint8_t*>(pBlock);
    Copy_Pieces(pNew, pOld, pBlockPieces, nBlockPieces);
    for (int nTeam = 0; nTeam < ALL_TEAM_RECORDS; nTeam++) {
        const uint8_t* pOldTeam = pOld + HEAD_SIZE + nTeam * nOldTeamSize;
        uint8_t* pNewTeam = reinterpret_cast<uint8_t*>(&pBlock->aTeams[nTeam]);
        Copy_Pieces(pNewTeam, pOldTeam, kOldTeamPieces, COUNT_OF(kOldTeamPieces));
        if (bOldUniverse)
            Copy_Old_Universe_Schedule(&pBlock->aTeams[nTeam], pOldTeam);
        else
            Copy_Pieces(pNewTeam, pOldTeam, kOldBlockTeamTail, COUNT_OF(kOldBlockTeamTail));
    }
    free(pOld);
    return 1;
}

int Convert_Old_Universe_File(SAVED_STATE* pBlock) {
    return Convert_Block(pBlock, OLD_UNIVERSE_BLOCK_SIZE, OLD_UNIVERSE_TEAM_SIZE,
                         kOldUniverseBlockPieces, COUNT_OF(kOldUniverseBlockPieces), 1);
}

int Convert_Old_Saved_Block(SAVED_STATE* pBlock) {
    return Convert_Block(pBlock, OLD_BLOCK_SIZE, OLD_BLOCK_TEAM_SIZE, kOldBlockPieces,
                         COUNT_OF(kOldBlockPieces), 0);
}
