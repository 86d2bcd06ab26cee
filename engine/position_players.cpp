// Depth-chart lookups of the engine and the computer manager: the available player at a depth,
// and the roster's surplus position and the player it can best spare.
#include <limits.h>

#include "engine/engine.h"
#include "personnel/personnel.h"

#define WIDE_RECEIVER_RETURNER_DEPTH 2  // the third available wide receiver
#define SURPLUS_COUNT_WEIGHT 11
#define SURPLUS_FULL_WEIGHT 10
#define REROLL_OVERALL 25
#define KEEP_VALUE_SCALE 2500

// Positions a roster is full at.
static const int kFullCounts[POSITION_COUNT] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};

// Returner n (0 kicks, 1 punts); the other returner stands in for an injured one, and the third
// wide receiver when both are out or the other one plays on the kicking unit.
static uint8_t Get_Available_Returner(int nTeam, int n) {
    if (n != KICK_RETURNER && n != PUNT_RETURNER)
        return Get_Available_Position_Player(nTeam, POS_WR, WIDE_RECEIVER_RETURNER_DEPTH);
    uint8_t nSlot = Get_Team_Returner(nTeam, n);
    if (nSlot < PLAYERS_PER_TEAM && !Is_Player_Injured(nTeam, nSlot))
        return nSlot;
    nSlot = Get_Team_Returner(nTeam, 1 - n);
    if (nSlot < PLAYERS_PER_TEAM && !Is_Player_Injured(nTeam, nSlot) &&
        Get_Player_Side(nTeam, nSlot) != SIDE_KICKING)
        return nSlot;
    return Get_Available_Position_Player(nTeam, POS_WR, WIDE_RECEIVER_RETURNER_DEPTH);
}

// Answers kept while one team's formations are filled: the roster stays as it is meanwhile,
// unless a missing position is filled, which empties the cache.
#define CACHED_POSITIONS 32
#define CACHED_DEPTHS 16
#define NOT_CACHED 0xFFFF

#define SCORE_NOT_CACHED INT_MIN

#define NOT_COUNTED (-1)

static int s_nCacheTeam = NO_TEAM;
static uint16_t s_aanCachedPlayers[CACHED_POSITIONS][CACHED_DEPTHS];
static int s_aanCachedScores[PLAYERS_PER_TEAM][CACHED_POSITIONS];
static int s_anCachedCounts[POSITION_COUNT];  // available players by position
static int s_anUninjuredCounts[POSITION_COUNT];
static uint8_t s_aanUninjured[POSITION_COUNT][CACHED_DEPTHS];  // their slots, the first ones
static int s_bRosterListed;
static HEALTHY_ROSTER s_healthyRoster;

static void Empty_Position_Player_Cache(void) {
    s_bRosterListed = 0;
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        s_anCachedCounts[nPosition] = NOT_COUNTED;
        s_anUninjuredCounts[nPosition] = NOT_COUNTED;
    }
    for (int nPosition = 0; nPosition < CACHED_POSITIONS; nPosition++) {
        for (int n = 0; n < CACHED_DEPTHS; n++)
            s_aanCachedPlayers[nPosition][n] = NOT_CACHED;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            s_aanCachedScores[nSlot][nPosition] = SCORE_NOT_CACHED;
    }
}

void Open_Position_Player_Cache(int nTeam) {
    s_nCacheTeam = nTeam;
    Empty_Position_Player_Cache();
}

void Close_Position_Player_Cache(void) {
    s_nCacheTeam = NO_TEAM;
}

static int Count_Available_Position_Players(int nTeam, int nPosition) {
    if (nTeam != s_nCacheTeam || nTeam == NO_TEAM || nPosition < 0)
        return Count_Team_Available_Position_Players(nTeam, nPosition);
    if (s_anCachedCounts[nPosition] == NOT_COUNTED)
        s_anCachedCounts[nPosition] = Count_Team_Available_Position_Players(nTeam, nPosition);
    return s_anCachedCounts[nPosition];
}

// The n-th uninjured player of the position; past the listed ones the roster query answers
// (and warns).
static uint8_t Get_Uninjured_Position_Player(int nTeam, int nPosition, int n) {
    if (nTeam != s_nCacheTeam || nTeam == NO_TEAM || nPosition < 0 || n >= CACHED_DEPTHS)
        return Get_Team_Uninjured_Position_Player(nTeam, nPosition, n);
    if (s_anUninjuredCounts[nPosition] == NOT_COUNTED)
        s_anUninjuredCounts[nPosition] = List_Team_Uninjured_Position_Players(
            nTeam, nPosition, s_aanUninjured[nPosition], CACHED_DEPTHS);
    if (n < s_anUninjuredCounts[nPosition])
        return s_aanUninjured[nPosition][n];
    return Get_Team_Uninjured_Position_Player(nTeam, nPosition, n);
}

static uint8_t Find_Available_Position_Player(int nTeam, int nPosition, int n) {
    if (nPosition >= POSITION_COUNT)
        return Get_Available_Returner(nTeam, n);
    if (n < 0 || n >= Count_Available_Position_Players(nTeam, nPosition))
        return NO_SLOT_BYTE;
    uint8_t nSlot = Get_Uninjured_Position_Player(nTeam, nPosition, n);
    if (nSlot == NO_SLOT_BYTE) {
        Fill_Team_Position_Minimums(nTeam);
        Empty_Position_Player_Cache();
        nSlot = Get_Uninjured_Position_Player(nTeam, nPosition, n);
    }
    return nSlot;
}

static int Is_Score_Cached(int nTeam, int nSlot, int nPosition) {
    return nTeam == s_nCacheTeam && nTeam != NO_TEAM && nPosition >= 0 &&
           nPosition < CACHED_POSITIONS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}

// The kept score, or SCORE_NOT_CACHED (INT_MIN): reading it has no side effects.
int Peek_Depth_Chart_Score(int nTeam, int nSlot, int nPosition) {
    return Is_Score_Cached(nTeam, nSlot, nPosition) ? s_aanCachedScores[nSlot][nPosition]
                                                    : SCORE_NOT_CACHED;
}

// The depth-chart score of a player (injured players scaled down), kept like the answers above.
int Get_Cached_Depth_Chart_Score(int nTeam, int nSlot, int nPosition) {
    int bCached = Is_Score_Cached(nTeam, nSlot, nPosition);
    if (bCached && s_aanCachedScores[nSlot][nPosition] != SCORE_NOT_CACHED)
        return s_aanCachedScores[nSlot][nPosition];
    int nScore = Get_Player_Depth_Chart_Score(nTeam, nSlot, nPosition, 0);
    if (bCached)
        s_aanCachedScores[nSlot][nPosition] = nScore;
    return nScore;
}

// Only the slots the game record lists can play: a roster beyond them dresses its first ones.
static void List_Healthy_Players(int nTeam, HEALTHY_ROSTER* pOut) {
    pOut->nCount = 0;
    for (int nSlot = 0; nSlot < GAME_ROSTER_SLOTS; nSlot++) {
        int nId = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_PLAYER_ID);
        if (nId == 0 || Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_INJURY_WEEKS) >= 1)
            continue;
        pOut->anSlots[pOut->nCount] = (uint8_t)nSlot;
        pOut->anIds[pOut->nCount] = nId;
        pOut->nCount++;
    }
}

// The team's healthy players: the cached list while its formations are filled, else listed into
// *pScratch.
const HEALTHY_ROSTER* Get_Healthy_Roster(int nTeam, HEALTHY_ROSTER* pScratch) {
    if (nTeam != s_nCacheTeam || nTeam == NO_TEAM) {
        List_Healthy_Players(nTeam, pScratch);
        return pScratch;
    }
    if (!s_bRosterListed) {
        List_Healthy_Players(nTeam, &s_healthyRoster);
        s_bRosterListed = 1;
    }
    return &s_healthyRoster;
}

// The n-th (from 0) available player of a position; positions above 14 are returner n.
uint8_t Get_Available_Position_Player(int nTeam, int nPosition, int n) {
    int bCached = nTeam == s_nCacheTeam && nTeam != NO_TEAM && nPosition >= 0 &&
                  nPosition < CACHED_POSITIONS && n >= 0 && n < CACHED_DEPTHS;
    if (bCached && s_aanCachedPlayers[nPosition][n] != NOT_CACHED)
        return (uint8_t)s_aanCachedPlayers[nPosition][n];
    uint8_t nSlot = Find_Available_Position_Player(nTeam, nPosition, n);
    if (bCached)
        s_aanCachedPlayers[nPosition][n] = nSlot;
    return nSlot;
}

uint8_t Get_Team_Position_Player_Checked(int nTeam, int nPosition, int n) {
    if (n < 0 || n >= Count_Team_Position_Players(nTeam, nPosition))
        return NO_SLOT_BYTE;
    return Get_Team_Position_Player(nTeam, nPosition, n);
}

// The position with the most available players beyond a full roster's count; a later position
// wins a tie. The free agents count kickers and punters too.
int Find_Team_Surplus_Position(int nTeam) {
    int nLast = nTeam == FREE_AGENT_TEAM ? POS_P : POS_S;
    int nBest = 0;
    int nBestScore = 0;
    for (int nPosition = 0; nPosition <= nLast; nPosition++) {
        int nCount = Count_Team_Available_Position_Players(nTeam, nPosition);
        int nScore = SURPLUS_COUNT_WEIGHT * nCount - SURPLUS_FULL_WEIGHT * kFullCounts[nPosition];
        if (nPosition == 0 || nScore >= nBestScore) {
            nBest = nPosition;
            nBestScore = nScore;
        }
    }
    return nBest;
}

// What a team loses by letting the player go: his worth scaled by his overall squared, less his
// cap charge on a league team. A player whose overall has fallen below 25 is rolled anew first.
static int Get_Keep_Value(int nTeam, int nSlot, int nPosition) {
    int nWorth = Get_Player_Worth(nTeam, nSlot);
    int nOverall = (int)Compute_Position_Rating(nTeam, nSlot, nPosition);
    if (nOverall < REROLL_OVERALL) {
        Generate_Player_Ratings(nTeam, nSlot);
        nOverall = (int)Compute_Position_Rating(nTeam, nSlot, nPosition);
    }
    int nValue = Mul_Div(nWorth, nOverall * nOverall, KEEP_VALUE_SCALE);
    if (nTeam < LEAGUE_TEAM_COUNT)
        nValue -= Get_Player_Vital_Stat(nTeam, nSlot, VITAL_NORMALIZED_CAP_IMPACT);
    return nValue;
}

// The player of the surplus position with the smallest keep value; the first one on a tie.
uint8_t Find_Least_Valuable_Surplus_Player(int nTeam) {
    int nPosition = Find_Team_Surplus_Position(nTeam);
    int nCount = Count_Team_Position_Players(nTeam, nPosition);
    uint8_t nBest = NO_SLOT_BYTE;
    int nBestValue = 0;
    for (int n = 0; n < nCount; n++) {
        uint8_t nSlot = Get_Team_Position_Player(nTeam, nPosition, n);
        if (nSlot == NO_SLOT_BYTE)
            continue;
        int nValue = Get_Keep_Value(nTeam, nSlot, nPosition);
        if (nBest == NO_SLOT_BYTE || nValue < nBestValue) {
            nBest = nSlot;
            nBestValue = nValue;
        }
    }
    return nBest;
}
