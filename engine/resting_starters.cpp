// When a fourth-quarter margin lets the starters rest.
#include <stdlib.h>

#include "engine/engine.h"

#define SAFE_MARGIN 16
#define MEANINGLESS_MARGIN 9
#define BLOWOUT_EXTRA 7
#define LATE_SECONDS 360
#define LATE_SEASON_GAMES 4
#define LOSING_RECORD 500

// A game between two teams out of contention late in the season means little.
static int Is_Meaningless_Game(GAME* pGame) {
    int nWinner = Get_Game_Winner(pGame);
    int nLoser = Get_Game_Loser(pGame);
    if (nWinner == NO_TEAM || nLoser == NO_TEAM)
        return 0;
    int nSeasonGames = Min_Int(Get_Universe_Stat(UNIVERSE_SEASON_GAMES), MAX_SEASON_GAMES);
    return Get_Team_Games_Played(nWinner) >= nSeasonGames - LATE_SEASON_GAMES &&
           Get_Team_Winning_Percentage(nWinner) <= LOSING_RECORD &&
           Get_Team_Winning_Percentage(nLoser) <= LOSING_RECORD &&
           !Is_Team_In_Contention(nWinner) && !Is_Team_In_Contention(nLoser);
}

int Should_Rest_Starters(GAME* pGame) {
    if (pGame == NULL || Get_Game_Quarter(pGame) != 4)
        return 0;
    int nMargin = abs(pGame->anScores[HOME_SIDE] - pGame->anScores[VISITOR_SIDE]);
    int nSafe = Is_Meaningless_Game(pGame) ? MEANINGLESS_MARGIN : SAFE_MARGIN;
    return nMargin >= nSafe + BLOWOUT_EXTRA ||
           (Get_Game_Seconds_Left(pGame) < LATE_SECONDS && nMargin >= nSafe);
}
