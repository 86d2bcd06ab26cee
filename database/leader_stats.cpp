// A player's value in each of the 30 leader categories, with the qualifying minimums of the
// averages and rates.
#include "database/database.h"

#define MAX_LEADER_GAMES 17

// Who a category is open to: a bit per position group (GROUP_SKILL .. GROUP_QUARTERBACK).
#define FOR_QB (1 << GROUP_QUARTERBACK)
#define FOR_SKILL (1 << GROUP_SKILL)
#define FOR_DEFENCE (1 << GROUP_DEFENCE)
#define FOR_KICKERS (1 << GROUP_KICKERS)
#define FOR_RETURNERS (FOR_SKILL | FOR_DEFENCE)
#define FOR_ALL (FOR_QB | FOR_SKILL | FOR_DEFENCE | FOR_KICKERS | (1 << GROUP_LINE))

typedef struct LEADER_CATEGORY {
    int nStat;       // SEASON_STAT id; VITAL_CAP_IMPACT for the last category
    int nGroups;     // FOR_ bits
    int nMinStat;    // the stat of the qualifying minimum; -1 when none
    int nMinOver17;  // its minimum over 17 games
} LEADER_CATEGORY;

static const LEADER_CATEGORY kCategories[LEADER_CATEGORY_COUNT] = {
    {2, FOR_QB, -1, 0},           {3, FOR_QB, -1, 0},           {5, FOR_QB, -1, 0},
    {101, FOR_QB, 2, 224},        {6, FOR_QB, -1, 0},           {103, FOR_QB, 2, 224},
    {100, FOR_QB, 2, 224},        {110, FOR_QB, 0, 8},          {118, FOR_RETURNERS, 14, 16},
    {16, FOR_RETURNERS, -1, 0},   {7, FOR_SKILL, -1, 0},        {8, FOR_SKILL, -1, 0},
    {9, FOR_SKILL, -1, 0},        {112, FOR_SKILL, 7, 112},     {10, FOR_SKILL, -1, 0},
    {11, FOR_SKILL, -1, 0},       {12, FOR_SKILL, -1, 0},       {113, FOR_SKILL, 10, 32},
    {148, FOR_RETURNERS, 10, 32}, {119, FOR_RETURNERS, 17, 16}, {19, FOR_RETURNERS, -1, 0},
    {147, FOR_DEFENCE, -1, 0},    {6, FOR_DEFENCE, -1, 0},      {5, FOR_DEFENCE, -1, 0},
    {143, FOR_DEFENCE, -1, 0},    {7, FOR_DEFENCE, -1, 0},      {121, FOR_KICKERS, -1, 0},
    {123, FOR_KICKERS, 122, 16},  {115, FOR_KICKERS, 2, 16},    {VITAL_CAP_IMPACT, FOR_ALL, -1, 0},
};

int Is_Leader_Qualified(int nTeam, int nSlot, int nSeason, int nCategory) {
    if (nCategory < 0 || nCategory >= LEADER_CATEGORY_COUNT)
        return 0;
    const LEADER_CATEGORY* pCategory = &kCategories[nCategory];
    if (pCategory->nMinStat < 0)
        return 1;
    // A longer season is measured as 17 games. The setting is read as stored, without the
    // accessor's repair, so that a painted leader list never writes to the league.
    int nGames = Min_Int(gUniverseStats[UNIVERSE_SEASON_GAMES], MAX_LEADER_GAMES);
    int nThreshold = (pCategory->nMinOver17 * nGames + MAX_LEADER_GAMES / 2) / MAX_LEADER_GAMES;
    if (nSeason == SEASON_CURRENT)
        nThreshold = (nThreshold * Get_Season_Progress() + 500) / 1000;
    return Get_Player_Stat(nTeam, nSlot, nSeason, pCategory->nMinStat) >= nThreshold;
}

int Get_Leader_Stat_Value(int nTeam, int nSlot, int nCategory, int nSeason) {
    if (!Is_Valid_Team(nTeam) || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return 0;
    if (nCategory < 0 || nCategory >= LEADER_CATEGORY_COUNT || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition < 0 || nPosition >= POSITION_COUNT)
        return 0;
    const LEADER_CATEGORY* pCategory = &kCategories[nCategory];
    if (!(pCategory->nGroups & (1 << Get_Position_Group_QB4(nPosition))))
        return 0;
    if (!Is_Leader_Qualified(nTeam, nSlot, nSeason, nCategory))
        return 0;
    if (pCategory->nStat == VITAL_CAP_IMPACT)
        return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT);
    return Get_Player_Stat(nTeam, nSlot, nSeason, pCategory->nStat);
}

const RECORD_BOOK_ROW* Get_Record_Book_Row(int nTable, int nCategory, int nRow) {
    if (nTable < 0 || nTable >= RECORD_BOOK_TABLES || nCategory < 0 ||
        nCategory >= RECORD_BOOK_CATEGORIES || nRow < 0 || nRow >= RECORD_BOOK_ROWS) {
        Report_Error("Record book row %d,%d,%d out of range", nTable, nCategory, nRow);
        return NULL;
    }
    return &gRecordBook[nTable][nCategory][nRow];
}

void Set_Record_Book_Row(int nTable, int nCategory, int nRow, const RECORD_BOOK_ROW* pRow) {
    const RECORD_BOOK_ROW* pStored = Get_Record_Book_Row(nTable, nCategory, nRow);
    if (pStored)
        gRecordBook[nTable][nCategory][nRow] = *pRow;
}
