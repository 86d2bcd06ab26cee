// The situation of a play in words: the game clock, the down and distance and the field position.
#include "engine/engine.h"

#define NO_TEAM_TEXT ""
#define AVERAGE_TEAM (-1)

void Format_Game_Clock(GAME* pGame, int bPeriodStart, char* st, int nSize) {
    int nLeft = Get_Period_Seconds_Left(pGame);
    if (bPeriodStart && nLeft >= Get_Period_Length(pGame))
        nLeft = 0;
    LINE_TEXT line;
    Start_Line_Text(&line, st, nSize);
    Put_Number(&line, nLeft / 60, 0, 0);
    Put_Text(&line, ":");
    Put_Number(&line, nLeft % 60, 2, 1);
}

static int Get_Down(GAME* pGame) {
    return pGame->nFlags & GAME_FLAG_DOWN_MASK;
}

static int Is_Goal_To_Go(GAME* pGame) {
    return pGame->nYardsToGo >= pGame->nYardLine;
}

void Get_Down_Text(GAME* pGame, char* st, int nSize) {
    int nDown = Get_Down(pGame);
    if (nDown <= FOURTH_DOWN) {
        char szOrdinal[16];
        Format_Ordinal_Number(szOrdinal, sizeof(szOrdinal), nDown + 1);
        if (Is_Goal_To_Go(pGame))
            Format_String(st, nSize, "%s and goal", szOrdinal);
        else
            Format_String(st, nSize, "%s and %d", szOrdinal, pGame->nYardsToGo);
    } else {
        safe_strncpy(st,
                     nDown == KICKOFF              ? "Kickoff"
                     : nDown == CONVERSION_ATTEMPT ? "Conversion attempt"
                                                   : "----",
                     nSize);
    }
}

void Get_Short_Down_Text(GAME* pGame, int bHtml, char* st, int nSize) {
    int nDown = Get_Down(pGame);
    if (nDown <= FOURTH_DOWN) {
        LINE_TEXT line;
        Start_Line_Text(&line, st, nSize);
        Put_Number(&line, nDown + 1, 0, 0);
        Put_Text(&line, "-");
        if (Is_Goal_To_Go(pGame))
            Put_Text(&line, "G");
        else
            Put_Number(&line, pGame->nYardsToGo, 0, 0);
    } else if (nDown == KICKOFF)
        safe_strncpy(st, bHtml ? "Kickoff" : "KICK", nSize);
    else if (nDown == FREE_KICK)
        safe_strncpy(st, bHtml ? "Free Kick" : "KICK", nSize);
    else if (nDown == CONVERSION_ATTEMPT)
        safe_strncpy(st, bHtml ? "Conversion" : "CONV", nSize);
    else
        safe_strncpy(st, "----", nSize);
}

// The abbreviation of a game team; "NFL Average" for the average row, empty past the league.
static void Get_Situation_Team_String(int nTeam, int nString, char* st, int nSize) {
    if (nTeam == AVERAGE_TEAM)
        safe_strncpy(st, "NFL Average", nSize);
    else if (nTeam < 0 || nTeam > FREE_AGENT_TEAM)
        safe_strncpy(st, NO_TEAM_TEXT, nSize);
    else
        Get_Team_String(st, nSize, nTeam, nString);
}

// The team whose half the ball is in and the yards from its goal; 50 at midfield.
static int Get_Field_Half(GAME* pGame, int nString, char* szTeam, int nSize) {
    int nLine = pGame->nYardLine;
    int bOwnHalf = nLine > 50;
    Get_Situation_Team_String(bOwnHalf ? Get_Offensive_Team(pGame) : Get_Defensive_Team(pGame),
                              nString, szTeam, nSize);
    return bOwnHalf ? 100 - nLine : nLine;
}

void Get_Short_Field_Position(GAME* pGame, char* st, int nSize) {
    char szTeam[TEAM_STRING_SIZE];
    int nYards = Get_Field_Half(pGame, TEAM_ABBREVIATION, szTeam, sizeof(szTeam));
    if (pGame->nYardLine == 50) {
        safe_strncpy(st, "(--  50)", nSize);
        return;
    }
    LINE_TEXT line;
    Start_Line_Text(&line, st, nSize);
    Put_Text(&line, "(");
    Put_Padded(&line, szTeam, -3);
    Put_Text(&line, " ");
    Put_Number(&line, nYards, 2, 0);
    Put_Text(&line, ")");
}

void Get_Field_Position_Text(GAME* pGame, char* st, int nSize) {
    char szCity[TEAM_STRING_SIZE];
    int nYards = Get_Field_Half(pGame, TEAM_CITY, szCity, sizeof(szCity));
    if (pGame->nYardLine == 50)
        safe_strncpy(st, "50-yard-line", nSize);
    else
        Format_String(st, nSize, "%s %d-yard-line", szCity, nYards);
}

void Get_Situation_Sentence(GAME* pGame, char* st, int nSize) {
    char szDown[32], szPosition[64];
    Get_Down_Text(pGame, szDown, sizeof(szDown));
    Get_Field_Position_Text(pGame, szPosition, sizeof(szPosition));
    Format_String(st, nSize, "%s at the %s.", szDown, szPosition);
}
