// Points by play, points by period from the play log, the weather kind and the round name of a
// game.
#include <stdio.h>
#include <string.h>

#include "engine/engine.h"

#define TITLE_GAME_WEEK_NAME "Conference Championship"
#define LAST_PERIOD_IN_REGULATION 3
#define OVERTIME_PERIOD 4

// A play's points to the [visitor, home] pair by its result and the side with the ball.
void Add_Play_Points(int bHome, int nResult, int anScore[2]) {
    int bOwn = bHome ? HOME_SIDE : VISITOR_SIDE;
    int bOther = 1 - bOwn;
    switch (nResult) {
    case RESULT_TOUCHDOWN_PASS:
    case RESULT_TOUCHDOWN_RUN: anScore[bOwn] += 6; break;
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_FUMBLE_TOUCHDOWN:
    case RESULT_PUNT_RETURN_TOUCHDOWN:
    case RESULT_KICKOFF_RETURN_TOUCHDOWN: anScore[bOther] += 6; break;
    case RESULT_SAFETY: anScore[bOther] += 2; break;
    case RESULT_TWO_POINT_GOOD: anScore[bOwn] += 2; break;
    case RESULT_FIELD_GOAL_GOOD: anScore[bOwn] += 3; break;
    case RESULT_EXTRA_POINT_GOOD: anScore[bOwn] += 1; break;
    default: break;
    }
}

// The period of a logged play by its clock at the snap: a kicked or two-point try counts a second
// earlier, so a try at the end of a quarter belongs to its touchdown's; plays from 3600 on count
// in the one overtime column once the game has gone past regulation.
static int Get_Logged_Play_Period(const GAME* pGame, const PLAY* pPlay) {
    int nClock = pPlay->nClock;
    int nResult = Get_Play_Result(pPlay);
    if (nResult == RESULT_EXTRA_POINT_GOOD || nResult == RESULT_TWO_POINT_GOOD)
        nClock--;
    int nLast = pGame->nClock > REGULATION_SECONDS ? OVERTIME_PERIOD : LAST_PERIOD_IN_REGULATION;
    return Clamp(nClock / QUARTER_SECONDS, 0, nLast);
}

int Get_Game_Period_Points(GAME* pGame, int nPeriod, int bTeam) {
    if (pGame == NULL || (bTeam != VISITOR_SIDE && bTeam != HOME_SIDE))
        return 0;
    int anScore[2] = {0, 0};
    int nPlays = Clamp(pGame->nPlayCount, 0, PLAY_LOG_SIZE);
    for (int i = 0; i < nPlays; i++) {
        const PLAY* pPlay = &pGame->aPlayLog[i];
        if (Get_Logged_Play_Period(pGame, pPlay) == nPeriod)
            Add_Play_Points((pPlay->nResult & PLAY_WORD_HOME_BALL) != 0, Get_Play_Result(pPlay),
                            anScore);
    }
    return anScore[bTeam];
}

// The weather kind from the precipitation and the temperature: 7 sunny, 0 clouds, 1 flurries,
// 2 mixed, 3 rain, 4 sleet, 5 snow, 6 storms.
int Get_Game_Weather(GAME* pGame) {
    if (pGame == NULL)
        return 7;
    int nRain = pGame->anInfo[GAME_INFO_PRECIPITATION];
    int nDegrees = pGame->anInfo[GAME_INFO_TEMPERATURE];
    if (nRain < 50)
        return 7;
    if (nRain < 100)
        return 0;
    if (nRain < 115)
        return nDegrees < 35 ? 1 : 2;
    if (nDegrees < 30)
        return 5;
    if (nDegrees < 35)
        return 4;
    return nRain <= 134 || nDegrees <= 64 ? 3 : 6;
}

// The week's name; a conference championship is named after the home team's league.
void Get_Title_Game_Name(GAME* pGame, char* st, int nSize) {
    st[0] = '\0';
    if (pGame == NULL)
        return;
    char szWeek[WEEK_NAME_SIZE];
    Get_Week_Name(pGame->anInfo[GAME_INFO_WEEK], szWeek, sizeof(szWeek));
    if (strcmp(szWeek, TITLE_GAME_WEEK_NAME) != 0) {
        safe_strncpy(st, szWeek, nSize);
        return;
    }
    char szLeague[LEAGUE_NAME_SIZE + 1] = "";
    int nHome = pGame->anTeams[HOME_SIDE];
    if ((nHome >= 0 && nHome < LEAGUE_TEAM_COUNT && Is_Team_Active(nHome)) ||
        (nHome >= FREE_AGENT_TEAM && nHome <= LAST_DRAFT_POOL_TEAM))
        Get_League_Name(Get_Team_League(nHome), szLeague, sizeof(szLeague));
    else
        Report_Error("Invalid Get_League_Name(%d) call.", nHome);
    snprintf(st, nSize, "%s Title Game", szLeague);
}
