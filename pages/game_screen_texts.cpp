// The game-day screen's texts: a player's game line, the player of the game, where the ball is,
// the period, the down and distance, the weather and the team statistics rows.
#include "pages/game_screen_internal.h"

#include <ctype.h>
#include <stdlib.h>

#define LINE_PART_SIZE 48
#define WEATHER_KIND_COUNT 8
#define TEAM_STAT_ROWS 10
#define SAME_ITEMS_LIMIT 2

static const char* const kWeatherTexts[WEATHER_KIND_COUNT] = {
    "Cloudy", "Flurries", "Drizzle", "Rain", "Sleet", "Snow", "Storms", "Sunny"};
static const char* const kWeatherPictures[WEATHER_KIND_COUNT] = {
    "Clouds", "Flurries", "Mixed", "Rain", "Sleet", "Snow", "Storms", "Sunny"};

int Get_Game_Player_Ref(GAME* pGame, int nSide, int nIndex, int* pTeam, int* pSlot) {
    if (pGame == NULL || nSide < 0 || nSide > 1 || nIndex < 0 || nIndex >= GAME_ROSTER_SLOTS)
        return 0;
    int nId = pGame->aanRosterIds[nSide][nIndex];
    if (nId == 0)
        return 0;
    return Find_Player_ID_Split(pTeam, pSlot, nId) != 0;
}

static void Append(char* szOut, int nSize, const char* szFormat, int a, int b = 0) {
    char szPart[LINE_PART_SIZE];
    Format_String(szPart, sizeof(szPart), szFormat, a, b);
    safe_strncat(szOut, szPart, nSize);
}

static void Format_Quarterback_Line(char* szOut, int nSize, const int c[5]) {
    if (c[0] >= 1)
        Append(szOut, nSize, "%d/%d  ", c[1], c[0]);
    if (!(c[3] && c[4]))
        Append(szOut, nSize, "%d yds  ", c[2]);
    if (c[3])
        Append(szOut, nSize, "%d td  ", c[3]);
    if (c[4])
        Append(szOut, nSize, "%d int  ", c[4]);
}

static void Format_Skill_Line(char* szOut, int nSize, const int c[5]) {
    char szPart[LINE_PART_SIZE] = "";
    if (c[0] && c[2]) {
        if (c[4])
            Format_String(szPart, sizeof(szPart), "%d tot yds, %d td", c[1] + c[3], c[4]);
        else
            Format_String(szPart, sizeof(szPart), "%d tot yds", c[1] + c[3]);
    } else if (c[0]) {
        if (c[4])
            Format_String(szPart, sizeof(szPart), "%d rsh  %d yds  %d td", c[0], c[1], c[4]);
        else
            Format_String(szPart, sizeof(szPart), "%d rsh  %d yds", c[0], c[1]);
    } else if (c[2]) {
        if (c[4])
            Format_String(szPart, sizeof(szPart), "%d rec  %d yds  %d td", c[2], c[3], c[4]);
        else
            Format_String(szPart, sizeof(szPart), "%d rec  %d yds", c[2], c[3]);
    } else if (c[4] >= 1) {
        Format_String(szPart, sizeof(szPart), "%d td", c[4]);
    }
    safe_strncpy(szOut, szPart, nSize);
}

// Sacks are counted in halves.
static void Format_Defender_Line(char* szOut, int nSize, const int c[5]) {
    int nItems = 0;
    if (c[0] == 2)
        Append(szOut, nSize, "1 sack  ", 0);
    else if (c[0] > 0 && c[0] % 2 == 0)
        Append(szOut, nSize, "%d sacks  ", c[0] / 2);
    else if (c[0] > 0)
        Append(szOut, nSize, "%d.%d sacks  ", c[0] / 2, 5);
    nItems += c[0] > 0;
    if (c[1]) {
        Append(szOut, nSize, "%d int  ", c[1]);
        nItems++;
    }
    if (c[4]) {
        Append(szOut, nSize, "%d td  ", c[4]);
        nItems++;
    }
    if (c[2] >= 3 && nItems < SAME_ITEMS_LIMIT)
        Append(szOut, nSize, "%d tkl  ", c[2] + c[3]);
}

void Format_Player_Game_Line(char* szOut, int nSize, GAME* pGame, int nSide, int nIndex) {
    szOut[0] = 0;
    int nTeam, nSlot;
    if (!Get_Game_Player_Ref(pGame, nSide, nIndex, &nTeam, &nSlot))
        return;
    int c[GAME_PLAYER_COUNTERS];
    for (int n = 0; n < GAME_PLAYER_COUNTERS; n++)
        c[n] = pGame->aaanPlayerCounters[nSide][nIndex][n];
    switch (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)) {
    case POS_QB: Format_Quarterback_Line(szOut, nSize, c); break;
    case POS_RB:
    case POS_FB:
    case POS_TE:
    case POS_WR: Format_Skill_Line(szOut, nSize, c); break;
    case POS_K:
        if (c[2] >= 1 || c[0] >= 1)
            Format_String(szOut, nSize, "%d/%d FG, %d/%d PAT", c[3], c[2], c[1], c[0]);
        break;
    case POS_DE:
    case POS_DT:
    case POS_LB:
    case POS_CB:
    case POS_S: Format_Defender_Line(szOut, nSize, c); break;
    default: break;
    }
}

void Format_Player_Of_The_Game(GAME* pGame, int nSide, char* szOut, int nSize, int bLastName) {
    szOut[0] = 0;
    int nBest = -1, nBestScore = 0;
    for (int n = 0; n < GAME_ROSTER_SLOTS; n++) {
        if (pGame->aanRosterIds[nSide][n] == 0)
            continue;
        int nScore = Get_Player_Game_Score(pGame, nSide, n);
        if (nScore > nBestScore) {
            nBestScore = nScore;
            nBest = n;
        }
    }
    int nTeam, nSlot;
    if (nBest < 0 || !Get_Game_Player_Ref(pGame, nSide, nBest, &nTeam, &nSlot))
        return;
    char szName[64], szLine[96];
    if (bLastName)
        Get_Player_Last_Name(nTeam, nSlot, szName, sizeof(szName));
    else
        Get_Player_Full_Name(nTeam, nSlot, szName, sizeof(szName));
    Format_Player_Game_Line(szLine, sizeof(szLine), pGame, nSide, nBest);
    Format_String(szOut, nSize, "%s: %s", szName, szLine);
}

void Format_Ball_Position(char* szOut, int nSize, GAME* pGame) {
    const int nPosition = pGame->nYardLine;
    if (nPosition == 50) {
        safe_strncpy(szOut, "50-Yard Line", nSize);
        return;
    }
    // Above 50 the ball is in the half of the team that has it.
    int nTeam = nPosition > 50 ? Get_Offensive_Team(pGame) : Get_Defensive_Team(pGame);
    char szName[TEAM_LABEL_SIZE];
    Get_Team_Short_Name(nTeam, szName, sizeof(szName));
    size_t nLength = strlen(szName);
    int bPlural = nLength > 0 && szName[nLength - 1] == 's';
    Format_String(szOut, nSize, bPlural ? "%s' %d" : "%s's %d", szName,
                  50 - abs(50 - nPosition));
}

void Format_Game_Period(char* szOut, int nSize, GAME* pGame) {
    if (Is_Game_Over(pGame)) {
        safe_strncpy(szOut, "FINAL", nSize);
        return;
    }
    int nQuarter = Get_Game_Quarter(pGame);
    if (nQuarter > 4) {
        safe_strncpy(szOut, "Overtime", nSize);
        return;
    }
    char szOrdinal[16];
    Format_Ordinal_Number(szOrdinal, sizeof(szOrdinal), nQuarter);
    Format_String(szOut, nSize, "%s Quarter", szOrdinal);
}

void Format_Game_Situation(char* szOut, int nSize, GAME* pGame) {
    if (Is_Game_Over(pGame)) {
        safe_strncpy(szOut, "Game Over", nSize);
        return;
    }
    char szPlace[64];
    Format_Ball_Position(szPlace, sizeof(szPlace), pGame);
    const int nDown = pGame->nFlags & GAME_FLAG_DOWN_MASK;
    if (nDown == KICKOFF) {
        Format_String(szOut, nSize, "Kickoff (from %s)", szPlace);
    } else if (nDown == FREE_KICK) {
        safe_strncpy(szOut, "Free Kick (after safety)", nSize);
    } else if (nDown == CONVERSION_ATTEMPT) {
        int nCall = pGame->currentPlay.nOffensiveCall;
        if (nCall >= 0 && Get_Offensive_Play_Type(Get_Offensive_Team(pGame), nCall) == PLAY_FIELD_GOAL)
            safe_strncpy(szOut, "Point After Touchdown", nSize);
        else
            Format_String(szOut, nSize, "Two Point Conversion (%d-yard line)", pGame->nYardLine);
    } else {
        char szDown[32];
        Get_Ordinal_Words(szDown, sizeof(szDown), nDown + 1);
        szDown[0] = (char)toupper((unsigned char)szDown[0]);
        if (pGame->nYardLine == pGame->nYardsToGo)
            Format_String(szOut, nSize, "%s and goal on the %s", szDown, szPlace);
        else
            Format_String(szOut, nSize, "%s and %d on the %s", szDown, pGame->nYardsToGo, szPlace);
    }
}

static int Get_Weather_Kind(GAME* pGame) {
    return Clamp(Get_Game_Weather(pGame), 0, WEATHER_KIND_COUNT - 1);
}

void Get_Weather_Text(char* szOut, int nSize, GAME* pGame) {
    safe_strncpy(szOut, kWeatherTexts[Get_Weather_Kind(pGame)], nSize);
}

void Get_Weather_Image_Name(char* szOut, int nSize, GAME* pGame) {
    safe_strncpy(szOut, kWeatherPictures[Get_Weather_Kind(pGame)], nSize);
}

// A tenth-precise ratio rounded half up: n × 10 / d, floored so that a loss rounds the same way.
static int Tenths_Half_Up(int n, int d) {
    if (d <= 0)
        return 0;
    const int nTop = 20 * n + d, nBottom = 2 * d;
    return nTop >= 0 ? nTop / nBottom : -((-nTop + nBottom - 1) / nBottom);
}

void Format_Team_Stat_Cell(char* szOut, int nSize, GAME* pGame, int nSide, int nRow) {
    const int16_t* t = pGame->aanTeamTotals[nSide];
    szOut[0] = 0;
    switch (nRow) {
    case 0:
        Format_String(szOut, nSize, "%d",
                      t[GAME_TOTAL_RUSHING_YARDS] + t[GAME_TOTAL_PASSING_YARDS]);
        break;
    case 1:
        Format_String(szOut, nSize, "%d / %d", t[GAME_TOTAL_RUSHING_YARDS],
                      t[GAME_TOTAL_PASSING_YARDS]);
        break;
    case 2: {
        int n = Tenths_Half_Up(t[GAME_TOTAL_RUSHING_YARDS], t[GAME_TOTAL_RUSHES]);
        Format_String(szOut, nSize, "%s%d.%d", n < 0 ? "-" : "", abs(n) / 10, abs(n) % 10);
        break;
    }
    case 3: {
        // Per cent rounded half up: tenths of completions x 10.
        int nPercent = Tenths_Half_Up(t[GAME_TOTAL_COMPLETIONS] * 10, t[GAME_TOTAL_PASS_ATTEMPTS]);
        Format_String(szOut, nSize, "%d%%", nPercent);
        break;
    }
    case 4: Format_String(szOut, nSize, "%d", t[GAME_TOTAL_FIRST_DOWNS]); break;
    case 5: Format_String(szOut, nSize, "%d", t[GAME_TOTAL_TURNOVERS]); break;
    case 6: Format_String(szOut, nSize, "%d", t[GAME_TOTAL_SACKS]); break;
    case 7:
        if (t[GAME_TOTAL_PENALTIES] == 0)
            safe_strncpy(szOut, "None", nSize);
        else
            Format_String(szOut, nSize, "%d for %d", t[GAME_TOTAL_PENALTIES],
                          t[GAME_TOTAL_PENALTY_YARDS]);
        break;
    case 8:
        Format_String(szOut, nSize, "%d / %d", t[GAME_TOTAL_THIRD_DOWN_MADE],
                      t[GAME_TOTAL_THIRD_DOWN_TRIES]);
        break;
    case 9:
        if (Is_Game_Over(pGame)) {
            int nSeconds = (uint16_t)t[GAME_TOTAL_POSSESSION_SECONDS];
            Format_String(szOut, nSize, "%d:%02d", nSeconds / 60, nSeconds % 60);
        } else {
            Format_String(szOut, nSize, "%d", pGame->anTimeouts[nSide]);
        }
        break;
    default: break;
    }
}
