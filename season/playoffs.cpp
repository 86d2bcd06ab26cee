// The playoffs: the field seeded from the standings, the seeds seated in the bracket, each round
// scheduled in its week, the second round reseeded or its division rivals parted, and the results.
#include "core/core.h"
#include "database/database.h"
#include "season/season.h"

#define MAX_LEAGUE_SEEDS 8
#define FIRST_ROUND_SLOTS 16
#define SECOND_ROUND_FIRST_SLOT 16
#define FINAL_FIRST_SLOT 28
#define CHAMPION_SLOT 30
#define LAST_ROUND 3
#define NO_SEAT (-1)
#define DIVISION_WINNER_VALUE 10000000
#define MAX_RINGS 127

// The bracket slot of each seed, by the number of a league's playoff teams and the league.
static const int kSeats[MAX_LEAGUE_SEEDS][2][MAX_LEAGUE_SEEDS] = {
    {{28}, {29}},
    {{24, 25}, {26, 27}},
    {{17, 19, 26}, {21, 23, 27}},
    {{17, 19, 18, 16}, {21, 23, 22, 20}},
    {{17, 19, 18, 1, 0}, {21, 23, 22, 9, 8}},
    {{17, 19, 5, 1, 0, 4}, {21, 23, 13, 9, 8, 12}},
    {{19, 3, 5, 1, 0, 4, 2}, {23, 11, 13, 9, 8, 12, 10}},
    {{7, 3, 5, 1, 0, 4, 2, 6}, {15, 11, 13, 9, 8, 12, 10, 14}},
};

int Get_Playoff_Seat(int nTeams, int nLeague, int nSeedIndex) {
    if (nTeams < 1 || nTeams > MAX_LEAGUE_SEEDS || nLeague < 0 || nLeague > 1 || nSeedIndex < 0 ||
        nSeedIndex >= nTeams)
        return NO_SEAT;
    return kSeats[nTeams - 1][nLeague][nSeedIndex];
}

void Clear_Playoff_Bracket(void) {
    for (int nSlot = 0; nSlot < PLAYOFF_SLOT_COUNT; nSlot++) {
        Set_Playoff_Team(nSlot, NO_TEAM);
        Set_Playoff_Score(nSlot, 0);
    }
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            Set_Team_Stat(nTeam, TEAM_PLAYOFF_SEED, 0);
    }
}

static int Is_Seeded(const int* anSeeds, int nCount, int nTeam) {
    for (int n = 0; n < nCount; n++) {
        if (anSeeds[n] == nTeam)
            return 1;
    }
    return 0;
}

// The unseeded team of the candidates with the highest standings key; the first wins a tie.
// The standings keys of one seeding, each worked out once: seeding changes none of them.
typedef struct SEEDING_KEYS {
    RESULTS_TALLY tally;
    uint8_t abKnown[LEAGUE_TEAM_COUNT];
    int anKeys[LEAGUE_TEAM_COUNT];
} SEEDING_KEYS;

static int Get_Seeding_Key(SEEDING_KEYS* pKeys, int nTeam) {
    if (nTeam < 0 || nTeam >= LEAGUE_TEAM_COUNT)
        return Get_Team_Standings_Key(nTeam);
    if (!pKeys->abKnown[nTeam]) {
        pKeys->anKeys[nTeam] = Get_Tallied_Standings_Key(&pKeys->tally, nTeam);
        pKeys->abKnown[nTeam] = 1;
    }
    return pKeys->anKeys[nTeam];
}

static int Best_Unseeded(const int* anCandidates, int nCandidates, const int* anSeeds, int nSeeded,
                         SEEDING_KEYS* pKeys) {
    int nBest = NO_TEAM;
    int nBestKey = 0;
    for (int n = 0; n < nCandidates; n++) {
        int nTeam = anCandidates[n];
        if (!Is_Team_Active(nTeam) || Is_Seeded(anSeeds, nSeeded, nTeam))
            continue;
        int nKey = Get_Seeding_Key(pKeys, nTeam);
        if (nBest == NO_TEAM || nKey > nBestKey) {
            nBest = nTeam;
            nBestKey = nKey;
        }
    }
    return nBest;
}

static void Seed_League(int nLeague) {
    int anLeaders[DIVISIONS_PER_LEAGUE], nDivisions = 0;
    for (int n = 0; n < DIVISIONS_PER_LEAGUE; n++) {
        int nDivision = nLeague * DIVISIONS_PER_LEAGUE + n;
        if (Count_Division_Teams(nDivision) > 0)
            anLeaders[nDivisions++] = Get_Division_Standings_Team(nDivision, 0);
    }
    int nTeams = nDivisions + Get_Universe_Stat(WILD_CARD_TEAMS);
    if (nTeams > MAX_LEAGUE_SEEDS)
        nTeams = MAX_LEAGUE_SEEDS;
    int anLeagueTeams[LEAGUE_TEAM_COUNT], nLeagueTeams = Count_League_Teams(nLeague);
    for (int n = 0; n < nLeagueTeams && n < LEAGUE_TEAM_COUNT; n++)
        anLeagueTeams[n] = Get_Nth_League_Team(nLeague, n);
    int anSeeds[MAX_LEAGUE_SEEDS];
    SEEDING_KEYS keys = {};
    Tally_Season_Results(&keys.tally);
    for (int nSeed = 0; nSeed < nTeams; nSeed++) {
        anSeeds[nSeed] = nSeed < nDivisions
                             ? Best_Unseeded(anLeaders, nDivisions, anSeeds, nSeed, &keys)
                             : Best_Unseeded(anLeagueTeams, nLeagueTeams, anSeeds, nSeed, &keys);
    }
    for (int nSeed = 0; nSeed < nTeams; nSeed++) {
        if (anSeeds[nSeed] == NO_TEAM)
            continue;
        Set_Playoff_Team(Get_Playoff_Seat(nTeams, nLeague, nSeed), anSeeds[nSeed]);
        Set_Team_Stat(anSeeds[nSeed], TEAM_PLAYOFF_SEED, nSeed + 1);
    }
}

void Seed_Playoff_Teams(void) {
    Clear_Playoff_Bracket();
    int nLeagues = Count_Active_Leagues();
    for (int nLeague = 0; nLeague < nLeagues && nLeague < 2; nLeague++) {
        Seed_League(nLeague);
        Separate_Division_Rivals();
    }
}

void Refresh_Standings(void) {
    Update_Standings();
    if (gCurrentWeek < Get_Regular_Season_Week_Count())
        Seed_Playoff_Teams();
}

int Get_Playoff_Seeding_Value(int nTeam) {
    if (!Is_Team_Active(nTeam))
        return Get_Team_Standings_Key(nTeam);
    int nDivision = Get_Team_Division(nTeam);
    int nLeader = Get_Division_Standings_Team(nDivision, 0);
    return (nLeader == nTeam ? DIVISION_WINNER_VALUE : 0) + Get_Team_Standings_Key(nTeam);
}

int Get_Max_Playoff_Teams(void) {
    int nWildCards = Get_Universe_Stat(WILD_CARD_TEAMS);
    int nFirst = Count_League_Divisions(0) + nWildCards;
    int nSecond = Count_League_Divisions(1) + nWildCards;
    return nSecond > nFirst ? nSecond : nFirst;
}

// The teams and scores change places; from the second round on, so do the slots that feed them.
void Swap_Playoff_Slots(int a, int b) {
    if (a < 0 || a >= PLAYOFF_SLOT_COUNT || b < 0 || b >= PLAYOFF_SLOT_COUNT || a == b)
        return;
    int nTeam = Get_Playoff_Team(a), nScore = Get_Playoff_Score(a);
    Set_Playoff_Team(a, Get_Playoff_Team(b));
    Set_Playoff_Score(a, Get_Playoff_Score(b));
    Set_Playoff_Team(b, nTeam);
    Set_Playoff_Score(b, nScore);
    if (a >= SECOND_ROUND_FIRST_SLOT && b >= SECOND_ROUND_FIRST_SLOT) {
        Swap_Playoff_Slots(2 * a - 32, 2 * b - 32);
        Swap_Playoff_Slots(2 * a - 31, 2 * b - 31);
    }
}

// The best remaining team of the league's second round meets the worst one.
void Reseed_Second_Round(int nLeague) {
    int nFirst = SECOND_ROUND_FIRST_SLOT + 4 * nLeague;
    int nBestSlot = nFirst, nBestValue = 0;
    for (int nSlot = nFirst; nSlot < nFirst + 4; nSlot++) {
        int nValue = Get_Playoff_Seeding_Value(Get_Playoff_Team(nSlot));
        if (nSlot == nFirst || nValue > nBestValue) {
            nBestSlot = nSlot;
            nBestValue = nValue;
        }
    }
    Swap_Playoff_Slots(nBestSlot, nFirst + 3);
    int nWorstSlot = nFirst, nWorstValue = 0;
    for (int nSlot = nFirst; nSlot < nFirst + 4; nSlot++) {
        int nValue = Get_Playoff_Seeding_Value(Get_Playoff_Team(nSlot));
        if (nSlot == nFirst || nValue < nWorstValue) {
            nWorstSlot = nSlot;
            nWorstValue = nValue;
        }
    }
    Swap_Playoff_Slots(nWorstSlot, nFirst + 2);
}

static int Are_Slots_Division_Rivals(int a, int b) {
    int nFirst = Get_Playoff_Team(a);
    return Is_Team_Active(nFirst) && Is_Team_Active(Get_Playoff_Team(b)) &&
           Get_Team_Division(nFirst) == Get_Team_Division(Get_Playoff_Team(b));
}

void Separate_Division_Rivals(void) {
    for (int nFirst = SECOND_ROUND_FIRST_SLOT; nFirst < SECOND_ROUND_FIRST_SLOT + 8; nFirst += 4) {
        if (Are_Slots_Division_Rivals(nFirst, nFirst + 1))
            Swap_Playoff_Slots(nFirst, nFirst + 2);
        if (Are_Slots_Division_Rivals(nFirst + 2, nFirst + 3))
            Swap_Playoff_Slots(nFirst, nFirst + 2);
    }
}

// The first postseason week as the week loop sees it: week 2 at the earliest.
int Get_First_Playoff_Week(void) {
    int nWeek = Get_First_Postseason_Week();
    return nWeek > 2 ? nWeek : 2;
}

int Schedule_Next_Playoff_Round(void) {
    int nRound = gCurrentWeek - Get_First_Playoff_Week();
    if (nRound < 0 || nRound > LAST_ROUND || (nRound == LAST_ROUND && !gSuperBowl))
        return 0;
    if (nRound == 1 && Get_Max_Playoff_Teams() > 4) {
        Reseed_Second_Round(0);
        Reseed_Second_Round(1);
    }
    if (nRound == 1 && gNoSameDivisionDivisionalRound)
        Separate_Division_Rivals();
    static const int kRoundFirstSlots[] = {0, 16, 24, 28};
    static const int kRoundPairs[] = {8, 4, 2, 1};
    int nScheduled = 0;
    for (int k = 0; k < kRoundPairs[nRound]; k++) {
        int nSlot = kRoundFirstSlots[nRound] + 2 * k;
        int a = Get_Playoff_Team(nSlot), b = Get_Playoff_Team(nSlot + 1);
        if (a == NO_TEAM || b == NO_TEAM)
            continue;
        int bBHome = Get_Playoff_Seeding_Value(b) > Get_Playoff_Seeding_Value(a);
        nScheduled += Schedule_Game(bBHome ? b : a, bBHome ? a : b, gCurrentWeek, k);
    }
    return nScheduled;
}

void Record_Playoff_Result(GAME* pGame) {
    if (pGame == NULL)
        return;
    int nVisitorScore = pGame->anScores[VISITOR_SIDE], nHomeScore = pGame->anScores[HOME_SIDE];
    int bHomeWon = nHomeScore > nVisitorScore;
    int nWinner = pGame->anTeams[bHomeWon ? HOME_SIDE : VISITOR_SIDE];
    int nLoser = pGame->anTeams[bHomeWon ? VISITOR_SIDE : HOME_SIDE];
    int nLoserSlot = Find_Playoff_Slot(nLoser), nWinnerSlot = Find_Playoff_Slot(nWinner);
    if (nLoserSlot < 0 || nWinnerSlot < 0 || nWinnerSlot >= CHAMPION_SLOT) {
        Report_Error("Teams not in the bracket in Record_Playoff_Result(%d,%d)", nWinner, nLoser);
        return;
    }
    Set_Playoff_Score(nLoserSlot, bHomeWon ? nVisitorScore : nHomeScore);
    Set_Playoff_Score(nWinnerSlot, bHomeWon ? nHomeScore : nVisitorScore);
    int nNextSlot = nWinnerSlot / 2 + SECOND_ROUND_FIRST_SLOT;
    Set_Playoff_Team(nNextSlot, nWinner);
    if (nNextSlot != CHAMPION_SLOT)
        return;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        int nRings = Get_Player_Byte_Stat(nWinner, nSlot, BYTE_RINGS);
        if (nRings < MAX_RINGS)
            Set_Player_Byte_Stat(nWinner, nSlot, BYTE_RINGS, nRings + 1);
    }
}
