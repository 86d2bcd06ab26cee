// The score ticker of a running advance: three game slots of three lines each (the two teams
// with their scores, then "(OT)" or nothing), shown by the news bar. Not saved.
#include "core/core.h"
#include "database/database.h"
#include "season/season.h"

#define TICKER_LINE_SIZE 2048
#define TICKER_SLOTS 3
#define WINNING_COLOUR 0x45F9FF
#define LOSING_COLOUR 0xFFFFFF
#define OVERTIME_COLOUR 0x2EA6AA

static char gScoreTickerLines[SCORE_TICKER_LINES][TICKER_LINE_SIZE];
static int gScoreTickerColours[SCORE_TICKER_LINES];

void Clear_Score_Ticker(void) {
    for (int n = 0; n < SCORE_TICKER_LINES; n++) {
        gScoreTickerLines[n][0] = '\0';
        gScoreTickerColours[n] = 0;
    }
}

void Update_Score_Ticker(GAME* pGame, int nGame) {
    if (pGame == NULL || nGame < 0)
        return;
    int nFirstLine = (nGame % TICKER_SLOTS) * 3;
    for (int i = 0; i < 2; i++) {
        char szNickname[TEAM_STRING_SIZE] = "";
        int nTeam = pGame->anTeams[i];
        if (nTeam >= 0 && nTeam <= HALL_OF_FAME_TEAM)
            Get_Team_Nickname(nTeam, szNickname, sizeof(szNickname));
        Format_String(gScoreTickerLines[nFirstLine + i], TICKER_LINE_SIZE, "%s %d", szNickname,
                      pGame->anScores[i]);
        gScoreTickerColours[nFirstLine + i] =
            pGame->anScores[1 - i] < pGame->anScores[i] ? WINNING_COLOUR : LOSING_COLOUR;
    }
    int bOvertime = pGame->nClock > REGULATION_SECONDS;
    safe_strncpy(gScoreTickerLines[nFirstLine + 2], bOvertime ? "(OT)" : "", TICKER_LINE_SIZE);
    gScoreTickerColours[nFirstLine + 2] = bOvertime ? OVERTIME_COLOUR : 0;
}

// Line 1 says "Simulating..." until a game has filled it.
void Get_Score_Ticker_Line(int nLine, char* szOut, int nSize) {
    if (nLine < 0 || nLine >= SCORE_TICKER_LINES) {
        safe_strncpy(szOut, "", nSize);
        return;
    }
    const char* szLine = gScoreTickerLines[nLine];
    safe_strncpy(szOut, nLine == 1 && szLine[0] == '\0' ? "Simulating..." : szLine, nSize);
}

int Get_Score_Ticker_Colour(int nLine) {
    return nLine >= 0 && nLine < SCORE_TICKER_LINES ? gScoreTickerColours[nLine] : 0;
}
