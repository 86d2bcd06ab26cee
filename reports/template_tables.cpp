// The template tables: how many rows each has and which groups each row hands its variables;
// the player list they read and the leader lists.
#include <string.h>

#include "core/core.h"
#include "reports/encyclopedia_internal.h"

#define SKILL_POSITION_LAST POS_WR
#define PLAYOFF_ROWS_AFTER_SEASON 18
#define PLAYOFF_ROUNDS 4
#define BEST_SEASON (-2)
#define CAREER_LEADERS (-1)
#define TEMPLATE_LEADER_CATEGORY 0  // the pages rank leader category 0, pass attempts

static const char* const kTableNames[] = {"",
                                          "tDivisionStanding",
                                          "tGameByGame",
                                          "tPlayers",
                                          "tLeaders",
                                          "tPlayerStats",
                                          "tWeekGames",
                                          "tTeamSummary",
                                          "tPlayersByName",
                                          "tPlayoffGameByGame",
                                          "tGamePlays"};
#define TABLE_NAME_COUNT ((int)(sizeof kTableNames / sizeof kTableNames[0]))

typedef struct TEMPLATE_PLAYER {
    uint8_t nTeam;
    uint8_t nSlot;
} TEMPLATE_PLAYER;

static TEMPLATE_PLAYER gTemplatePlayerList[LEAGUE_TEAM_COUNT * PLAYERS_PER_TEAM];
static int gTemplatePlayerCount;
LEADER_LIST gTemplateLeaderList;

int Get_Template_Table(const char* szName) {
    for (int n = 1; n < TABLE_NAME_COUNT; n++) {
        if (strcmp(szName, kTableNames[n]) == 0)
            return n;
    }
    return -1;
}

int Get_Regular_Season_Length(void) {
    return Max_Int(gPostseasonWeeks[0], 2);
}

// With a 17-week regular season the final is week 21; an 18-week season's final is week 22, and
// its page is written too.
int Count_Detail_Weeks(void) {
    int nFinal = Min_Int(Get_Regular_Season_Length() + PLAYOFF_ROUNDS, SCHEDULE_WEEKS);
    return Min_Int(gCurrentWeek, nFinal);
}

int Is_Latest_Detail_Week(int nWeek) {
    return nWeek == Count_Detail_Weeks() - 1;
}

// ---- the player list -----------------------------------------------------------------------------

// Last names, then first names, byte-wise; a stable bubble sort, so equal names keep their order.
static int Compare_Template_Players(TEMPLATE_PLAYER a, TEMPLATE_PLAYER b) {
    int nLast = strcmp(Get_Player_Last_Name_Ptr(a.nTeam, a.nSlot),
                       Get_Player_Last_Name_Ptr(b.nTeam, b.nSlot));
    if (nLast != 0)
        return nLast;
    char szFirstA[PLAYER_NAME_TEXT_SIZE], szFirstB[PLAYER_NAME_TEXT_SIZE];
    Get_Player_First_Name_Full(a.nTeam, a.nSlot, szFirstA, sizeof szFirstA);
    Get_Player_First_Name_Full(b.nTeam, b.nSlot, szFirstB, sizeof szFirstB);
    return strcmp(szFirstA, szFirstB);
}

static void Sort_Player_List(TEMPLATE_PLAYER* pList, int nCount) {
    for (int bSwapped = 1; bSwapped;) {
        bSwapped = 0;
        for (int n = 0; n + 1 < nCount; n++) {
            if (Compare_Template_Players(pList[n], pList[n + 1]) > 0) {
                TEMPLATE_PLAYER swap = pList[n];
                pList[n] = pList[n + 1];
                pList[n + 1] = swap;
                bSwapped = 1;
            }
        }
    }
}

static int Is_Listed_Player(int nTeam, int nSlot, int nPosition, int nInitial) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    if (nInitial)
        return (uint8_t)Get_Player_Last_Name_Ptr(nTeam, nSlot)[0] == (uint8_t)nInitial;
    if (nPosition == -1)
        return 1;
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) == nPosition ||
           Get_Player_Position_Filter(nTeam, nSlot) == nPosition;
}

static void Fill_Template_Player_List(int nTeam, int nPosition, int nInitial) {
    gTemplatePlayerCount = 0;
    int nFirst = nTeam, nLast = nTeam;
    if (nInitial || nTeam == -1) {
        nFirst = 0;
        nLast = Count_Active_Teams() - 1;
    } else if (!Is_Valid_Team(nTeam)) {
        return;
    }
    for (int nListed = nFirst; nListed <= nLast; nListed++) {
        int nEnd = Find_Free_Player_Slot(nListed);
        if (nEnd < 0)
            nEnd = PLAYERS_PER_TEAM;
        for (int nSlot = 0; nSlot < nEnd; nSlot++) {
            if (Is_Listed_Player(nListed, nSlot, nInitial ? -1 : nPosition, nInitial) &&
                gTemplatePlayerCount < (int)(sizeof gTemplatePlayerList / sizeof(TEMPLATE_PLAYER)))
                gTemplatePlayerList[gTemplatePlayerCount++] = {(uint8_t)nListed, (uint8_t)nSlot};
        }
    }
    Sort_Player_List(gTemplatePlayerList, gTemplatePlayerCount);
}

// ---- leader lists -------------------------------------------------------------------------------

static const int kBestSeasonStats[] = {2, 3, 5,   101, 6,   103, 0,   110, 118, 0,   7,
                                       8, 9, 112, 10,  11,  12,  113, 148, 119, 0,   147,
                                       6, 5, 143, 7,   121, 123, 115, 0,   0,   130, 132};
#define LEADER_TOTAL_CATEGORIES ((int)(sizeof kBestSeasonStats / sizeof kBestSeasonStats[0]))

// The player's best year before the current season: the stat summed over his lines of each year.
static int Get_Best_Season_Total(int nTeam, int nSlot, int nStat, int* pYear) {
    int nBest = 0, nBestYear = 0;
    int nCurrentYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber;
    int nFirstLine = Get_Player_Season_Line(nTeam, nSlot, 0);
    if (nStat == 0 || nFirstLine == NO_SEASON_LINE) {
        *pYear = 0;
        return 0;
    }
    for (int nYear = Get_Season_Line_Year(nFirstLine); nYear < nCurrentYear; nYear++) {
        int nSum = 0;
        for (int n = 0; n < SEASON_LINK_COUNT; n++) {
            int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
            if (nLine != NO_SEASON_LINE && Get_Season_Line_Year(nLine) == nYear)
                nSum += Get_Player_Stat(nTeam, nSlot, SEASON_FIRST_LINE + n, nStat);
        }
        if (nSum > nBest) {
            nBest = nSum;
            nBestYear = nYear;
        }
    }
    *pYear = nBestYear;
    return nBest;
}

int Get_Player_Stat_Total(int nTeam, int nSlot, int nCategory, int nSeason, int* pYear) {
    if (pYear)
        *pYear = 0;
    if (nCategory < 0 || nCategory >= LEADER_TOTAL_CATEGORIES)
        return 0;
    if (nSeason == BEST_SEASON) {
        int nYear = 0;
        int nValue = Get_Best_Season_Total(nTeam, nSlot, kBestSeasonStats[nCategory], &nYear);
        if (pYear)
            *pYear = nYear;
        return nValue;
    }
    if (nCategory < LEADER_CATEGORY_COUNT)
        return Get_Leader_Stat_Value(nTeam, nSlot, nCategory, nSeason);
    if (nCategory == 31)
        return Get_Leader_Stat_Value(nTeam, nSlot, 11, nSeason) +
               Get_Leader_Stat_Value(nTeam, nSlot, 15, nSeason);
    if (nCategory == 32)
        return Get_Leader_Stat_Value(nTeam, nSlot, 12, nSeason) +
               Get_Leader_Stat_Value(nTeam, nSlot, 16, nSeason);
    return 0;
}

// Puts the entry above the first row it beats; the last row falls off.
static void Insert_Leader_Row(LEADER_LIST* pList, int nRow, int nTeam, int nSlot, int nValue,
                              int nSecond) {
    for (int n = LEADER_LIST_ROWS - 1; n > nRow; n--) {
        pList->anTeams[n] = pList->anTeams[n - 1];
        pList->anSlots[n] = pList->anSlots[n - 1];
        pList->anValues[n] = pList->anValues[n - 1];
        pList->anSecondValues[n] = pList->anSecondValues[n - 1];
    }
    pList->anTeams[nRow] = nTeam;
    pList->anSlots[nRow] = nSlot;
    pList->anValues[nRow] = nValue;
    pList->anSecondValues[nRow] = nSecond;
}

static int Count_Season_Links(int nTeam, int nSlot) {
    int nCount = 0;
    for (int n = 0; n < SEASON_LINK_COUNT; n++)
        nCount += Get_Player_Season_Line(nTeam, nSlot, n) != NO_SEASON_LINE;
    return nCount;
}

// A season kind of 4 or more counts back from the player's last line: the current season's
// line is his last one. A season before his first line is no season of his.
static void Rank_Leader_Candidate(LEADER_LIST* pList, int nTeam, int nSlot, int nCategory,
                                  int nSeason) {
    int nPosition =
        Translate_Expanded_Position(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
    if (nPosition < POS_QB || nPosition > SKILL_POSITION_LAST)
        return;
    int nKind = nSeason;
    if (nSeason >= SEASON_FIRST_LINE) {
        nKind = nSeason + Count_Season_Links(nTeam, nSlot) - gSeasonNumber - 1;
        if (nKind < SEASON_FIRST_LINE)
            return;
    }
    int nSecond = 0;
    int nValue = Get_Player_Stat_Total(nTeam, nSlot, nCategory, nKind, &nSecond);
    for (int nRow = 0; nRow < LEADER_LIST_ROWS; nRow++) {
        if (pList->anValues[nRow] < nValue) {
            Insert_Leader_Row(pList, nRow, nTeam, nSlot, nValue, nSecond);
            return;
        }
    }
}

void Build_Player_Leaders(LEADER_LIST* pList, int nLeague, int nCategory, int nSeason) {
    memset(pList, 0, sizeof *pList);
    for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
        if (nTeam < LEAGUE_TEAM_COUNT && !Is_Team_Active(nTeam))
            continue;
        int nTeamLeague =
            nTeam >= Count_Active_Teams() ? 2 : Get_Team_Stat(nTeam, TEAM_DIVISION) / 4;
        if (nLeague != 2 && nTeamLeague != nLeague)
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                Rank_Leader_Candidate(pList, nTeam, nSlot, nCategory, nSeason);
        }
    }
}

void Build_Team_Leaders(LEADER_LIST* pList, int nCategory, int nSeason) {
    memset(pList, 0, sizeof *pList);
    if (nCategory != TEAM_LEADERS_OFFENCE && nCategory != TEAM_LEADERS_DEFENCE)
        return;
    int bLowest = nCategory == TEAM_LEADERS_DEFENCE;
    for (int nRow = 0; nRow < LEADER_LIST_ROWS; nRow++)
        pList->anValues[nRow] = bLowest ? TEAM_LEADER_FLOOR : 0;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        int nValue = Get_Team_Totals_Stat(nTeam, nCategory, nSeason, STAT_SCRIMMAGE_YARDS);
        for (int nRow = 0; nRow < LEADER_LIST_ROWS; nRow++) {
            if (bLowest ? pList->anValues[nRow] > nValue : pList->anValues[nRow] < nValue) {
                Insert_Leader_Row(pList, nRow, nTeam, 0, nValue, 0);
                break;
            }
        }
    }
}

// ---- rows ---------------------------------------------------------------------------------------

static int Count_Week_Game_Rows(int nWeek) {
    int nRegular = Get_Regular_Season_Length();
    if (nWeek < nRegular)
        return Count_Week_Games(nWeek);
    if (nWeek <= nRegular + 1)
        return 4;
    return nWeek == nRegular + 2 ? 2 : 1;
}

static int Count_Game_Plays(int nGame) {
    GAME* pGame = Is_Game_Index_Used(nGame) ? Get_Game_Record(nGame) : NULL;
    if (!pGame)
        return 0;
    return Max_Int(0, Min_Int(pGame->nPlayCount, PLAY_LOG_SIZE));
}

static int Get_Leaders_Season_Kind(int nSeason) {
    if (nSeason == CAREER_LEADERS)
        return 2;
    if (nSeason == BEST_SEASON)
        return BEST_SEASON;
    return gSeasonNumber - nSeason + SEASON_FIRST_LINE;
}

int Get_Table_Row_Count(int nTable, const TEMPLATE_CONTEXT* pContext) {
    int nTeam = Get_Context_Value(pContext, KEY_TEAM);
    int nRegular = Get_Regular_Season_Length();
    switch (nTable) {
    case TABLE_DIVISION_STANDING:
        return Count_Division_Teams(Get_Context_Value(pContext, KEY_DIVIS));
    case TABLE_GAME_BY_GAME:
        return gCurrentWeek < nRegular ? gCurrentWeek : PLAYOFF_ROWS_AFTER_SEASON;
    case TABLE_PLAYERS:
        Fill_Template_Player_List(nTeam, Get_Context_Value(pContext, KEY_POS), 0);
        return gTemplatePlayerCount;
    case TABLE_LEADERS: {
        int nKind = Get_Leaders_Season_Kind(Get_Context_Value(pContext, KEY_SEASON));
        Build_Player_Leaders(&gTemplateLeaderList, Get_Context_Value(pContext, KEY_LEAGUE),
                             TEMPLATE_LEADER_CATEGORY, nKind);
        return LEADER_LIST_ROWS;
    }
    case TABLE_PLAYER_STATS: {
        int nSlot = Get_Context_Value(pContext, KEY_PLAYER);
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            return 0;
        return Count_Season_Links(nTeam, nSlot) + 1;
    }
    case TABLE_WEEK_GAMES: return Count_Week_Game_Rows(Get_Context_Value(pContext, KEY_WEEK));
    case TABLE_TEAM_SUMMARY: return gSeasonNumber + 1;
    case TABLE_PLAYERS_BY_NAME: {
        int nInitial = Get_Context_Value(pContext, KEY_TYPE);
        if (nInitial <= 0 || nInitial > 255)
            return 0;
        Fill_Template_Player_List(-1, -1, nInitial);
        return gTemplatePlayerCount;
    }
    case TABLE_PLAYOFF_GAME_BY_GAME: {
        int nRounds = gCurrentWeek - nRegular;
        return nRounds < 0 ? 0 : Min_Int(nRounds, Get_Team_Playoff_Round(nTeam));
    }
    case TABLE_GAME_PLAYS: return Count_Game_Plays(Get_Context_Value(pContext, KEY_GAME));
    default: return -1;
    }
}

static void Append_Listed_Player(char* szTag, int nSize, int nRow) {
    if (nRow < 0 || nRow >= gTemplatePlayerCount)
        return;
    Append_Context_Group(szTag, nSize, gTemplatePlayerList[nRow].nSlot, KEY_PLAYER);
    Append_Context_Group(szTag, nSize, gTemplatePlayerList[nRow].nTeam, KEY_TEAM);
    Append_Context_Group(szTag, nSize, 0, KEY_SEASON);
}

int Append_Row_Context(char* szTag, int nSize, int nTable, const TEMPLATE_CONTEXT* pContext,
                       int nRow) {
    int nTeam = Get_Context_Value(pContext, KEY_TEAM);
    int nSeason = Get_Context_Value(pContext, KEY_SEASON);
    switch (nTable) {
    case TABLE_DIVISION_STANDING:
        Append_Context_Group(szTag, nSize,
                             Get_Division_Team_At_Place(Get_Context_Value(pContext, KEY_DIVIS),
                                                        nRow, gSeasonNumber - nSeason),
                             KEY_TEAM);
        return Append_Context_Group(szTag, nSize, nSeason, KEY_SEASON);
    case TABLE_GAME_BY_GAME:
        Append_Context_Group(szTag, nSize, nRow, KEY_WEEK);
        return Append_Context_Group(szTag, nSize, nTeam, KEY_TEAM);
    case TABLE_PLAYERS:
    case TABLE_PLAYERS_BY_NAME: Append_Listed_Player(szTag, nSize, nRow); return 1;
    case TABLE_LEADERS: return Append_Context_Group(szTag, nSize, nRow, KEY_COUNT);
    case TABLE_PLAYER_STATS: {
        int nRows = Get_Table_Row_Count(TABLE_PLAYER_STATS, pContext);
        Append_Context_Group(szTag, nSize, nRow + 1 < nRows ? nRow + SEASON_FIRST_LINE : 2,
                             KEY_SEASON);
        Append_Context_Group(szTag, nSize, nTeam, KEY_TEAM);
        return Append_Context_Group(szTag, nSize, Get_Context_Value(pContext, KEY_PLAYER),
                                    KEY_PLAYER);
    }
    case TABLE_WEEK_GAMES:
        return Append_Context_Group(
            szTag, nSize, Get_Week_First_Game_Index(Get_Context_Value(pContext, KEY_WEEK)) + nRow,
            KEY_GAME);
    case TABLE_TEAM_SUMMARY:
        Append_Context_Group(szTag, nSize, nTeam, KEY_TEAM);
        return Append_Context_Group(szTag, nSize, nRow, KEY_SEASON);
    case TABLE_PLAYOFF_GAME_BY_GAME:
        Append_Context_Group(szTag, nSize, nTeam, KEY_TEAM);
        return Append_Context_Group(szTag, nSize, nRow + Get_Regular_Season_Length(), KEY_WEEK);
    case TABLE_GAME_PLAYS:
        Append_Context_Group(szTag, nSize, Get_Context_Value(pContext, KEY_GAME), KEY_GAME);
        return Append_Context_Group(szTag, nSize, nRow, KEY_PLAY);
    default: return 0;
    }
}
