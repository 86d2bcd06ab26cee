// Standings and ranking: the league-wide order of the teams, the division standings table, the
// wild-card line, magic numbers and the finalists of past seasons.
#include <stdint.h>

#include "core/core.h"
#include "database/database.h"

#define NO_KEY (-2147483647)   // a team that is not ranked, or already placed
#define ELIMINATED INT32_MIN   // the magic number of a team that cannot win its place
#define CONTENTION_RECORD 450  // per mille
#define HEAD_TO_HEAD_BONUS 4000
#define RECORD_WEIGHT 10000
#define DIVISION_HEAD_TO_HEAD_WEIGHT 1000
#define GROUP_RECORD_WEIGHT 100
#define FINISH_CHAMPION 8
#define FINISH_RUNNER_UP 7
#define FINISH_SEMI_FINALIST 6
#define FINALIST_KIND_LEAGUE_0 24
#define FINALIST_KIND_LEAGUE_1 26
#define FINALIST_KIND_TITLE 28

static int Get_Won_Lost(int nTeam) {
    return Get_Team_Wins(nTeam) - Get_Team_Losses(nTeam);
}

// Wins minus losses in the tallied games that pass the filter (an opponent, or a group's bits).
static int Get_Filtered_Won_Lost(const RESULTS_TALLY* pTally, int nTeam, int nFilter) {
    return Count_Tallied_Results(pTally, nTeam, RESULT_KIND_WINS, nFilter) -
           Count_Tallied_Results(pTally, nTeam, RESULT_KIND_LOSSES, nFilter);
}

int Get_Tallied_Standings_Key(const RESULTS_TALLY* pTally, int nTeam) {
    if (!Is_Valid_Team(nTeam))
        return NO_KEY;
    if (Get_Team_Games_Played(nTeam) == 0)
        return 0;
    int nWonLost = Get_Won_Lost(nTeam);
    int nLeague = Get_Team_League(nTeam);
    int nWinsAgainst = 0, nLossesAgainst = 0;
    for (int c = 0; c < LEAGUE_TEAM_COUNT; c++) {
        if (!Is_Team_Active(c) || Get_Team_League(c) != nLeague || Get_Won_Lost(c) != nWonLost)
            continue;
        nWinsAgainst += Count_Tallied_Results(pTally, nTeam, RESULT_KIND_WINS, c);
        nLossesAgainst += Count_Tallied_Results(pTally, nTeam, RESULT_KIND_LOSSES, c);
    }
    int nBonus = nWinsAgainst > 0 && nLossesAgainst == 0 ? HEAD_TO_HEAD_BONUS : 0;
    return nWonLost * RECORD_WEIGHT + nBonus +
           Get_Filtered_Won_Lost(pTally, nTeam, RESULTS_SAME_LEAGUE) * GROUP_RECORD_WEIGHT;
}

int Get_Team_Standings_Key(int nTeam) {
    RESULTS_TALLY tally;
    Tally_Season_Results(&tally);
    return Get_Tallied_Standings_Key(&tally, nTeam);
}

static int Get_Tallied_Division_Key(const RESULTS_TALLY* pTally, int nTeam) {
    int nWonLost = Get_Won_Lost(nTeam);
    int nDivision = Get_Team_Division(nTeam);
    int nHeadToHead = 0;
    for (int c = 0; c < LEAGUE_TEAM_COUNT; c++) {
        if (c == nTeam || !Is_Team_Active(c) || Get_Team_Division(c) != nDivision ||
            Get_Won_Lost(c) != nWonLost)
            continue;
        nHeadToHead += Get_Filtered_Won_Lost(pTally, nTeam, c) * DIVISION_HEAD_TO_HEAD_WEIGHT;
    }
    return nWonLost * RECORD_WEIGHT + nHeadToHead +
           Get_Filtered_Won_Lost(pTally, nTeam, RESULTS_SAME_DIVISION) * GROUP_RECORD_WEIGHT +
           Get_Filtered_Won_Lost(pTally, nTeam, RESULTS_SAME_LEAGUE);
}

int Get_Team_Division_Key(int nTeam) {
    RESULTS_TALLY tally;
    Tally_Season_Results(&tally);
    return Get_Tallied_Division_Key(&tally, nTeam);
}

// Place 0 is the best key; of equal keys the higher team number goes first.
void Rank_Teams_By_Record(void) {
    RESULTS_TALLY tally;
    Tally_Season_Results(&tally);
    int anKeys[LEAGUE_TEAM_COUNT];
    int nActive = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        anKeys[nTeam] = Is_Team_Active(nTeam) ? Get_Tallied_Standings_Key(&tally, nTeam) : NO_KEY;
        nActive += Is_Team_Active(nTeam);
    }
    for (int nPlace = 0; nPlace < nActive; nPlace++) {
        int nBest = -1;
        for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
            if (Is_Team_Active(nTeam) && (nBest < 0 || anKeys[nTeam] >= anKeys[nBest]))
                nBest = nTeam;
        }
        Set_Team_Record_Int(nBest, YEARLY_LEAGUE_PLACE, nPlace);
        anKeys[nBest] = NO_KEY;
    }
}

void Set_Division_Standings_Team(int nDivision, int nPlace, int nTeam) {
    if (nDivision < 0 || nDivision >= DIVISION_COUNT || nPlace < 0 || nPlace >= DIVISION_PLACES) {
        Report_Error("Invalid cell in Set_Division_Standings_Team(%d,%d,%d)", nDivision, nPlace,
                     nTeam);
        return;
    }
    gDivisionStandings[nDivision][nPlace] = (int8_t)nTeam;
}

static int Is_Placed_Before(int nDivision, int nPlace, int nTeam) {
    for (int n = 0; n < nPlace; n++) {
        if (Get_Division_Standings_Team(nDivision, n) == nTeam)
            return 1;
    }
    return 0;
}

// The division keys and divisions of the teams, worked out once for a whole table: placing teams
// changes none of them.
typedef struct DIVISION_KEYS {
    int anKeys[LEAGUE_TEAM_COUNT];       // the division key of every active team
    int anDivisions[LEAGUE_TEAM_COUNT];  // Get_Team_Division of every team
} DIVISION_KEYS;

static void Get_Division_Keys(DIVISION_KEYS* pKeys) {
    RESULTS_TALLY tally;
    Tally_Season_Results(&tally);
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        pKeys->anKeys[nTeam] =
            Is_Team_Active(nTeam) ? Get_Tallied_Division_Key(&tally, nTeam) : NO_KEY;
        pKeys->anDivisions[nTeam] = tally.anDivisions[nTeam];
    }
}

// Of equal keys the later team takes the place in seasons where its number and the season's add
// up to an even number, so that ties do not always fall the same way.
static void Place_By_Keys(int nDivision, int nPlace, const DIVISION_KEYS* pKeys) {
    if (nPlace >= Count_Division_Teams(nDivision)) {
        Set_Division_Standings_Team(nDivision, nPlace, NO_TEAM);
        return;
    }
    int nChosen = 0;
    int64_t nBestKey = INT64_MIN;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam) || pKeys->anDivisions[nTeam] != nDivision)
            continue;
        int nKey = Is_Placed_Before(nDivision, nPlace, nTeam) ? NO_KEY : pKeys->anKeys[nTeam];
        if (nKey > nBestKey || (nKey == nBestKey && (nTeam + gSeasonNumber) % 2 == 0)) {
            nBestKey = nKey;
            nChosen = nTeam;
        }
    }
    Set_Division_Standings_Team(nDivision, nPlace, nChosen);
}

void Place_Division_Team(int nDivision, int nPlace) {
    DIVISION_KEYS keys;
    Get_Division_Keys(&keys);
    Place_By_Keys(nDivision, nPlace, &keys);
}

void Update_Standings(void) {
    Rank_Teams_By_Record();
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++) {
        for (int nPlace = 0; nPlace < DIVISION_PLACES; nPlace++)
            Set_Division_Standings_Team(nDivision, nPlace, NO_TEAM);
    }
    DIVISION_KEYS keys;
    Get_Division_Keys(&keys);
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++) {
        for (int nPlace = 0; nPlace < DIVISION_PLACES; nPlace++)
            Place_By_Keys(nDivision, nPlace, &keys);
    }
}

// The wild-card line: the best (or second best) runner-up of the league's first three
// divisions; none in a league of fewer than three divisions.
int Get_League_Best_Runner_Up(int nLeague, int bSecond) {
    if (Count_League_Divisions(nLeague) < 3)
        return NO_TEAM;
    int nBest = NO_TEAM, nSecond = NO_TEAM;
    int64_t nBestKey = INT64_MIN, nSecondKey = INT64_MIN;
    for (int n = 0; n < 3; n++) {
        int nTeam = Get_Division_Standings_Team(nLeague * DIVISIONS_PER_LEAGUE + n, 1);
        int nKey = Get_Team_Standings_Key(nTeam);
        if (nKey > nBestKey) {
            nSecond = nBest;
            nSecondKey = nBestKey;
            nBest = nTeam;
            nBestKey = nKey;
        } else if (nKey > nSecondKey) {
            nSecond = nTeam;
            nSecondKey = nKey;
        }
    }
    return bSecond ? nSecond : nBest;
}

// The team's division row and place; the place is NO_TEAM, with the message, when no row holds it.
static int Find_Division_Place(int nTeam, int* pDivision) {
    int nPlace = Find_Team_Division_Place(nTeam, pDivision);
    if (nPlace == NO_TEAM) {
        Get_Team_Division_Standing(nTeam);  // reports the team missing from the table
        *pDivision = Get_Team_Division(nTeam);
    }
    return nPlace;
}

static int Get_Listed_Team_Wins(int nTeam) {
    return Is_Team_Active(nTeam) ? Get_Team_Wins(nTeam) : 0;
}

int Get_Team_Magic_Number(int nTeam) {
    int nGames = Get_Universe_Stat(UNIVERSE_SEASON_GAMES);
    int nDivision;
    int nPlace = Find_Division_Place(nTeam, &nDivision);
    int nLeague = Get_Team_League(nTeam);
    int nWildCard = Get_League_Best_Runner_Up(nLeague, 0);
    if (nPlace != 0 && nTeam != nWildCard) {
        // Chasing: the wins that the division leader, or the wild-card line, can still be caught
        // with.
        int nLosses = Get_Team_Losses(nTeam);
        int nLeader = Get_Division_Standings_Team(nDivision, 0);
        int nReach = nGames - nLosses - Get_Listed_Team_Wins(nLeader) + 1;
        if (Count_League_Divisions(nLeague) >= 3) {
            int nWildCardReach = nGames - nLosses - Get_Listed_Team_Wins(nWildCard) + 1;
            if (nWildCardReach > nReach)
                nReach = nWildCardReach;
        }
        return nReach > 0 ? -nReach : ELIMINATED;
    }
    int nChaser = nPlace == 0 ? Get_Division_Standings_Team(nDivision, 1)
                              : Get_League_Best_Runner_Up(nLeague, 1);
    if (!Is_Team_Active(nChaser))
        return 0;  // nobody chases: a division of one team has clinched it
    int nMagic = nGames - Get_Team_Wins(nTeam) - Get_Team_Losses(nChaser);
    return nMagic >= 0 ? nMagic + 1 : 0;
}

int Has_Team_Clinched(int nTeam) {
    int nDivision;
    int nPlace = Find_Division_Place(nTeam, &nDivision);
    if (nPlace != 0 && nTeam != Get_League_Best_Runner_Up(Get_Team_League(nTeam), 0))
        return 0;
    return Get_Team_Magic_Number(nTeam) == 0;
}

// Every team is in it during the postseason; before, a team with a record of at least .450 that
// has neither clinched nor been eliminated.
int Is_Team_In_Contention(int nTeam) {
    if (gCurrentWeek >= gPostseasonWeeks[0])
        return 1;
    return Get_Team_Winning_Percentage(nTeam) >= CONTENTION_RECORD && !Has_Team_Clinched(nTeam) &&
           Get_Team_Magic_Number(nTeam) != ELIMINATED;
}

// A past season's place: the division's present teams ordered by that season's wins, then ties.
int Get_Division_Team_At_Place(int nDivision, int nPlace, int nSeason) {
    if (nSeason == gSeasonNumber)
        return Get_Division_Standings_Team(nDivision, nPlace);
    int nCount = Count_Division_Teams(nDivision);
    if (nCount > DIVISION_PLACES)
        nCount = DIVISION_PLACES;
    if (nPlace < 0 || nPlace >= nCount)
        return NO_TEAM;
    int anTeams[DIVISION_PLACES], anWins[DIVISION_PLACES], anTies[DIVISION_PLACES];
    for (int n = 0; n < nCount; n++) {
        anTeams[n] = Get_Division_Standings_Team(nDivision, n);
        int bInUse = Is_Team_Active(anTeams[n]);
        anWins[n] = bInUse ? Get_Team_Yearly_Char(anTeams[n], nSeason, YEARLY_WINS) : 0;
        anTies[n] = bInUse ? Get_Team_Yearly_Char(anTeams[n], nSeason, YEARLY_TIES) : 0;
    }
    for (int bSwapped = 1; bSwapped;) {
        bSwapped = 0;
        for (int n = 0; n + 1 < nCount; n++) {
            int bBehind = anWins[n] < anWins[n + 1] ||
                          (anWins[n] == anWins[n + 1] && anTies[n] < anTies[n + 1]);
            if (!bBehind)
                continue;
            int* apArrays[] = {anTeams, anWins, anTies};
            for (int* pArray : apArrays) {
                int nHeld = pArray[n];
                pArray[n] = pArray[n + 1];
                pArray[n + 1] = nHeld;
            }
            bSwapped = 1;
        }
    }
    return anTeams[nPlace];
}

// The first active team whose finish code of the season is nFinish, in league nLeague (-1: any).
static int Find_Finisher(int nSeason, int nFinish, int nLeague) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam) || Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_FINISH) != nFinish)
            continue;
        if (nLeague < 0 || Get_Team_League(nTeam) == nLeague)
            return nTeam;
    }
    return NO_TEAM;
}

// kind 28: the champion (bFlag) or the runner-up; kinds 24 and 26, leagues 0 and 1: that league's
// finalist (bFlag) or its losing semi-finalist.
int Get_Past_Finalist(int nKind, int bFlag, int nSeasonsBack) {
    int nSeason = gSeasonNumber - nSeasonsBack;
    if (nKind == FINALIST_KIND_TITLE)
        return Find_Finisher(nSeason, bFlag ? FINISH_CHAMPION : FINISH_RUNNER_UP, -1);
    if (nKind != FINALIST_KIND_LEAGUE_0 && nKind != FINALIST_KIND_LEAGUE_1)
        return NO_TEAM;
    int nLeague = nKind == FINALIST_KIND_LEAGUE_0 ? 0 : 1;
    if (!bFlag)
        return Find_Finisher(nSeason, FINISH_SEMI_FINALIST, nLeague);
    int nRunnerUp = Find_Finisher(nSeason, FINISH_RUNNER_UP, -1);
    if (nRunnerUp != NO_TEAM && Get_Team_League(nRunnerUp) == nLeague)
        return nRunnerUp;
    return Find_Finisher(nSeason, FINISH_CHAMPION, -1);
}

// The human-run league team standing highest in its division; the lower number of equals.
int Get_Best_User_Team(void) {
    int nBest = NO_TEAM, nBestPlace = DIVISION_PLACES;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam) || !Is_Human_Team(nTeam))
            continue;
        int nDivision;
        int nPlace = Find_Team_Division_Place(nTeam, &nDivision);
        if (nPlace == NO_TEAM)
            nPlace = DIVISION_PLACES;
        if (nBest == NO_TEAM || nPlace < nBestPlace) {
            nBest = nTeam;
            nBestPlace = nPlace;
        }
    }
    return nBest;
}
