// The box score's tables of a game: the scoring plays as they happen, then the team statistics
// and each side's offence and defence tables at the final whistle.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include "database/database.h"
#include "engine/engine.h"
#include "reports/reports.h"

#define BOX_ROW_SIZE 1024
#define BOX_CELL_SIZE 160
#define BOX_NAME_SIZE 64
#define BOX_CLOSING_RESERVE 256  // kept free for the closing tags of a cut box score
#define TABLE_CLOSE "</TBODY></TABLE><BR>\n"
#define TABLE_OPEN \
    "<TABLE class=table1 cellSpacing=0 cellPadding=0 align=\"center\" width=970><TBODY>"

// ---- the bounded body ---------------------------------------------------------------------------

static int gBoxLength;     // the body's length as last appended
static int gBoxTableOpen;  // a table is open in the body
static int gBoxCut;        // the body reached its bound; later pieces are dropped

static int Box_Length(void) {
    return Get_Tracked_Length(gBoxScoreHtml, BOX_SCORE_HTML_SIZE, &gBoxLength);
}

// Notes whether the piece leaves a table open; a piece closing one after opening another counts
// by its last tag.
static void Track_Open_Table(const char* szPiece) {
    const char* szOpen = NULL;
    const char* szClose = NULL;
    for (const char* p = strstr(szPiece, "<TABLE"); p; p = strstr(p + 1, "<TABLE"))
        szOpen = p;
    for (const char* p = strstr(szPiece, "</TABLE>"); p; p = strstr(p + 1, "</TABLE>"))
        szClose = p;
    if (szOpen && (!szClose || szOpen > szClose))
        gBoxTableOpen = 1;
    else if (szClose)
        gBoxTableOpen = 0;
}

void Append_Box_Score_Html(const char* szPiece) {
    if (gBoxCut)
        return;
    if (!Append_Tracked_Text(gBoxScoreHtml, BOX_SCORE_HTML_SIZE, &gBoxLength, szPiece,
                             BOX_SCORE_HTML_SIZE - 1 - BOX_CLOSING_RESERVE)) {
        gBoxCut = 1;
        Log_Debug_Line("Box score cut at %d bytes: the rest of the game's tables do not fit",
                       Box_Length());
        return;
    }
    Track_Open_Table(szPiece);
}

void Reset_Box_Score_Html(void) {
    gBoxScoreHtml[0] = '\0';
    gBoxLength = 0;
    gBoxTableOpen = 0;
    gBoxCut = 0;
}

void Close_Box_Score_Html(void) {
    int nLength = Box_Length();
    const char* szEnd = gBoxCut && gBoxTableOpen
                            ? "</TBODY></TABLE><BR></TD></TR></TBODY></TABLE></HTML>"
                            : "<BR></TD></TR></TBODY></TABLE></HTML>";
    safe_strncpy(gBoxScoreHtml + nLength, szEnd, BOX_SCORE_HTML_SIZE - nLength);
    gBoxLength = Box_Length();
    gBoxTableOpen = 0;
}

// ---- small formats ------------------------------------------------------------------------------

// Tenths as "%d.%01d", keeping the sign of a value between -1 and 0.
static void Format_Tenths(char* st, int nSize, int nTenths) {
    if (nTenths < 0 && nTenths > -10)
        Format_String(st, nSize, "-0.%d", -nTenths);
    else
        Format_String(st, nSize, "%d.%01d", nTenths / 10, abs(nTenths % 10));
}

static const char* Plural(int n, const char* szMany) {
    return n == 1 ? "" : szMany;
}

static void Get_Escaped_Team_String(int nTeam, int nString, char* st, int nSize) {
    char szRaw[TEAM_STRING_SIZE] = "";
    if (nTeam >= 0 && nTeam <= HALL_OF_FAME_TEAM)
        Get_Team_String(szRaw, sizeof(szRaw), nTeam, nString);
    Escape_Html(st, nSize, szRaw);
}

// ---- questions about plays ---------------------------------------------------------------------

int Is_Scoring_Play(int nResult) {
    switch (nResult) {
    case RESULT_TOUCHDOWN_PASS:
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_SAFETY:
    case RESULT_TOUCHDOWN_RUN:
    case RESULT_FUMBLE_TOUCHDOWN:
    case RESULT_FIELD_GOAL_GOOD:
    case RESULT_PUNT_RETURN_TOUCHDOWN:
    case RESULT_KICKOFF_RETURN_TOUCHDOWN:
    case RESULT_EXTRA_POINT_GOOD:
    case RESULT_EXTRA_POINT_MISSED:
    case RESULT_TWO_POINT_GOOD:
    case RESULT_TWO_POINT_FAILED: return 1;
    default: return 0;
    }
}

static int Get_Play_Side(const PLAY* pPlay) {
    return (pPlay->nResult & PLAY_WORD_HOME_BALL) ? HOME_SIDE : VISITOR_SIDE;
}

int Get_Scoring_Side(GAME* pGame) {
    int bSide = Get_Play_Side(&pGame->currentPlay);
    switch (Get_Play_Result(&pGame->currentPlay)) {
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_SAFETY:
    case RESULT_FUMBLE_TOUCHDOWN:
    case RESULT_PUNT_RETURN_TOUCHDOWN:
    case RESULT_KICKOFF_RETURN_TOUCHDOWN: return 1 - bSide;
    default: return bSide;
    }
}

void Get_Quarter_Text(GAME* pGame, char* st, int nSize) {
    static const char* const kQuarters[] = {"1st Q", "2nd Q", "3rd Q", "4th Q", "OT"};
    int nQuarter = Clamp((pGame->nClock - 1) / QUARTER_SECONDS + 1, 1, 5);
    safe_strncpy(st, kQuarters[nQuarter - 1], nSize);
}

const char* Get_Scoring_Play_Type(int nResult) {
    static const char* const kTypes[] = {"Pass",
                                         "Pass",
                                         "Interception",
                                         "Sack",
                                         "Pass",
                                         "Sack",
                                         "Pass",
                                         "Interception",
                                         "Safety",
                                         "Rush",
                                         "Rush",
                                         "Rush",
                                         "Rush",
                                         "Fumble",
                                         "Fumble",
                                         "Field Goal",
                                         "Missed Field Goal",
                                         "Punt Return",
                                         "Punt Return",
                                         "Punt Return",
                                         "Punt Return",
                                         "Kickoff",
                                         "Kickoff",
                                         "Kickoff",
                                         "Kickoff",
                                         "Kickoff",
                                         "Kickoff",
                                         "Point After",
                                         "Point After",
                                         "Conversion",
                                         "Conversion",
                                         "Penalty"};
    if (nResult < 0 || nResult > LAST_VALID_RESULT)
        return "";
    return kTypes[nResult];
}

// A player's game counter for the position group asked; 0 for another group or a player the
// game did not list.
int Get_Box_Player_Counter(GAME* pGame, int bSide, int nSlot, int nGroup, int nCounter) {
    int nTeam = pGame->anTeams[bSide];
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nPlayerGroup = nPosition == POS_QB ? GROUP_QUARTERBACK : Get_Position_Group(nPosition);
    if (nPlayerGroup != nGroup || nCounter < 0 || nCounter >= GAME_PLAYER_COUNTERS)
        return 0;
    int nId = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID);
    for (int n = 0; n < GAME_ROSTER_SLOTS; n++) {
        if (pGame->aanRosterIds[bSide][n] == nId)
            return pGame->aaanPlayerCounters[bSide][n][nCounter];
    }
    return 0;
}

// The play-log matches of one measure: whose plays, which of the two players, which results.
typedef struct PLAY_MEASURE {
    int bOtherSide;
    int bSecondPlayer;
    int bSumYards;
    int anResults[4];  // -1 ends the list
} PLAY_MEASURE;

static const PLAY_MEASURE kMeasures[PLAYER_MEASURE_COUNT] = {
    {0, 1, 0, {RESULT_COMPLETE, RESULT_TOUCHDOWN_PASS, -1, -1}},
    {0, 0, 0, {RESULT_RUN, RESULT_PLAIN_RUN, RESULT_OTHER_RUN, RESULT_TOUCHDOWN_RUN}},
    {0, 0, 1, {RESULT_RUN, RESULT_PLAIN_RUN, RESULT_OTHER_RUN, RESULT_TOUCHDOWN_RUN}},
    {0, 0, 0, {RESULT_TOUCHDOWN_RUN, -1, -1, -1}},
    {0, 0, 0, {RESULT_COMPLETE, RESULT_TOUCHDOWN_PASS, -1, -1}},
    {0, 0, 0, {RESULT_TOUCHDOWN_PASS, -1, -1, -1}},
    {0, 1, 0, {RESULT_FUMBLE_RECOVERED, RESULT_FUMBLE_TOUCHDOWN, -1, -1}},
    {1, 0, 0, {RESULT_KNOCKED_DOWN, -1, -1, -1}},
    {1, 0, 0, {RESULT_FUMBLE_LOST, RESULT_FUMBLE_RECOVERED, RESULT_FUMBLE_TOUCHDOWN, -1}},
};

static int Is_Measured_Result(const PLAY_MEASURE* pMeasure, int nResult) {
    for (int n = 0; n < 4 && pMeasure->anResults[n] >= 0; n++) {
        if (pMeasure->anResults[n] == nResult)
            return 1;
    }
    return 0;
}

int Count_Player_Plays(GAME* pGame, int bSide, int nSlot, int nMeasure) {
    if (nMeasure < 0 || nMeasure >= PLAYER_MEASURE_COUNT)
        return 0;
    const PLAY_MEASURE* pMeasure = &kMeasures[nMeasure];
    int nId = Get_Player_Vital_Stat(pGame->anTeams[bSide], nSlot, VITAL_PLAYER_ID);
    int nCount = Clamp(pGame->nPlayCount, 0, PLAY_LOG_SIZE);
    int nValue = 0;
    for (int n = 0; n < nCount; n++) {
        const PLAY* pPlay = &pGame->aPlayLog[n];
        if ((Get_Play_Side(pPlay) != bSide) != pMeasure->bOtherSide)
            continue;
        if ((pMeasure->bSecondPlayer ? pPlay->nPlayer2 : pPlay->nPlayer1) != nId)
            continue;
        if (Is_Measured_Result(pMeasure, Get_Play_Result(pPlay)))
            nValue += pMeasure->bSumYards ? pPlay->nYard1 : 1;
    }
    return nValue;
}

// Every measure of every player the play log names, counted in one pass over the log: a side's
// player ids sorted, with their values per measure.
typedef struct LOGGED_IDS {
    int anCounts[2];
    int32_t aanIds[2][2 * PLAY_LOG_SIZE];
    int aaanValues[2][2 * PLAY_LOG_SIZE][PLAYER_MEASURE_COUNT];
} LOGGED_IDS;

static int Find_Logged_Id(const LOGGED_IDS* pLogged, int bSide, int32_t nId) {
    const int32_t* pIds = pLogged->aanIds[bSide];
    const int32_t* pEnd = pIds + pLogged->anCounts[bSide];
    const int32_t* pAt = std::lower_bound(pIds, pEnd, nId);
    return pAt != pEnd && *pAt == nId ? (int)(pAt - pIds) : -1;
}

static void Collect_Logged_Ids(GAME* pGame, LOGGED_IDS* pOut) {
    int nCount = Clamp(pGame->nPlayCount, 0, PLAY_LOG_SIZE);
    for (int bSide = 0; bSide < 2; bSide++) {
        int32_t* pIds = pOut->aanIds[bSide];
        for (int n = 0; n < nCount; n++) {
            pIds[2 * n] = pGame->aPlayLog[n].nPlayer1;
            pIds[2 * n + 1] = pGame->aPlayLog[n].nPlayer2;
        }
        std::sort(pIds, pIds + 2 * nCount);
        pOut->anCounts[bSide] = (int)(std::unique(pIds, pIds + 2 * nCount) - pIds);
        memset(pOut->aaanValues[bSide], 0, sizeof(pOut->aaanValues[bSide]));
    }
    for (int n = 0; n < nCount; n++) {
        const PLAY* pPlay = &pGame->aPlayLog[n];
        int nResult = Get_Play_Result(pPlay);
        for (int nMeasure = 0; nMeasure < PLAYER_MEASURE_COUNT; nMeasure++) {
            const PLAY_MEASURE* pMeasure = &kMeasures[nMeasure];
            if (!Is_Measured_Result(pMeasure, nResult))
                continue;
            int bSide = pMeasure->bOtherSide ? 1 - Get_Play_Side(pPlay) : Get_Play_Side(pPlay);
            int nIndex = Find_Logged_Id(
                pOut, bSide, pMeasure->bSecondPlayer ? pPlay->nPlayer2 : pPlay->nPlayer1);
            pOut->aaanValues[bSide][nIndex][nMeasure] += pMeasure->bSumYards ? pPlay->nYard1 : 1;
        }
    }
}

// Count_Player_Plays read from the tally.
static int Count_Logged_Plays(GAME* pGame, const LOGGED_IDS* pLogged, int bSide, int nSlot,
                              int nMeasure) {
    int nId = Get_Player_Vital_Stat(pGame->anTeams[bSide], nSlot, VITAL_PLAYER_ID);
    int nIndex = Find_Logged_Id(pLogged, bSide, nId);
    return nIndex < 0 ? 0 : pLogged->aaanValues[bSide][nIndex][nMeasure];
}

int Count_Team_Plays(GAME* pGame, int bSide, int nResult, char* st, int nSize) {
    int nCount = Clamp(pGame->nPlayCount, 0, PLAY_LOG_SIZE);
    int nPlays = 0;
    if (st != NULL && nSize > 0)
        st[0] = '\0';
    for (int n = 0; n < nCount; n++) {
        const PLAY* pPlay = &pGame->aPlayLog[n];
        if (Get_Play_Side(pPlay) != bSide || Get_Play_Result(pPlay) != nResult)
            continue;
        if (st != NULL && nSize > 0)
            Append_Format_String(st, nSize, nPlays == 0 ? " (%d" : ", %d", pPlay->nYard1);
        nPlays++;
    }
    if (nPlays > 0 && st != NULL && nSize > 0)
        safe_strncat(st, ")", nSize);
    return nPlays;
}

// ---- scoring plays ------------------------------------------------------------------------------

void Write_Scoring_Plays_Header(GAME* pGame) {
    Reset_Box_Score_Html();
    char szVisitor[BOX_CELL_SIZE], szHome[BOX_CELL_SIZE], szRow[BOX_ROW_SIZE];
    Get_Escaped_Team_String(pGame->anTeams[VISITOR_SIDE], TEAM_ABBREVIATION, szVisitor,
                            sizeof(szVisitor));
    Get_Escaped_Team_String(pGame->anTeams[HOME_SIDE], TEAM_ABBREVIATION, szHome, sizeof(szHome));
    Format_String(szRow, sizeof(szRow),
                  TABLE_OPEN
                  "<TR class=header0>\n<TD colspan=5 class=ltl>Scoring Plays</TD>\n"
                  "<TD width=\"6%%\" class=ltc>%s</TD>\n"
                  "<TD width=\"6%%\" class=ltr>%s</TD></TR>\n",
                  szVisitor, szHome);
    Append_Box_Score_Html(szRow);
}

void Append_Scoring_Play_Row(GAME* pGame) {
    int bSide = Get_Scoring_Side(pGame);
    char szTeam[BOX_CELL_SIZE], szQuarter[16], szClock[16], szSentence[BOX_CELL_SIZE];
    char szEscaped[2 * BOX_CELL_SIZE], szRow[BOX_ROW_SIZE];
    Get_Escaped_Team_String(pGame->anTeams[bSide], TEAM_ABBREVIATION, szTeam, sizeof(szTeam));
    Get_Quarter_Text(pGame, szQuarter, sizeof(szQuarter));
    Format_Game_Clock(pGame, 1, szClock, sizeof(szClock));
    Write_Play_Summary_Sentence(pGame, &pGame->currentPlay, szSentence, sizeof(szSentence));
    Escape_Html(szEscaped, sizeof(szEscaped), szSentence);
    Format_String(szRow, sizeof(szRow),
                  "<TR class=%s><TD width=\"6%%\" class=lml>%s</TD>\n"
                  "<TD width=\"6%%\" class=lmc>%s</TD><TD width=\"6%%\" class=lmc>%s</TD>"
                  "<TD width=\"20%%\" class=lmc>%s</TD><TD width=\"50%%\" class=lmc>%s</TD>"
                  "<TD width=\"6%%\" class=lmc>%d</TD><TD width=\"6%%\" class=lmc>%d</TD></TR>",
                  bSide == HOME_SIDE ? "highlight" : "none", szTeam, szQuarter, szClock,
                  Get_Scoring_Play_Type(Get_Play_Result(&pGame->currentPlay)), szEscaped,
                  pGame->anScores[VISITOR_SIDE], pGame->anScores[HOME_SIDE]);
    Append_Box_Score_Html(szRow);
}

// ---- team statistics ----------------------------------------------------------------------------

static int Byte_Stat(GAME* pGame, int bSide, int nStat) {
    return (int8_t)pGame->aabTeamStats[bSide][nStat];
}

static int Total(GAME* pGame, int bSide, int nStat) {
    return pGame->aanTeamTotals[bSide][nStat];
}

static void Format_Count_For_Yards(char* st, int nSize, int nCount, const char* szWord,
                                   int nYards) {
    char szAverage[16];
    Format_Tenths(szAverage, sizeof(szAverage), Round_Ratio(nYards, nCount, 10));
    Format_String(st, nSize, "%d %s%s for %d yards (%s avg)", nCount, szWord, Plural(nCount, "s"),
                  nYards, szAverage);
}

// The text of one side's value in a Team Stats row.
static void Format_Team_Stat(GAME* pGame, int bSide, int nRow, char* st, int nSize) {
    char szTenths[16], szMade[64], szMissed[64];
    int bOther = 1 - bSide;
    switch (nRow) {
    case 0:
        Format_String(st, nSize, "%d (%d First Downs)", Byte_Stat(pGame, bSide, 0),
                      Total(pGame, bSide, GAME_TOTAL_FIRST_DOWNS));
        break;
    case 1:
        Format_Tenths(szTenths, sizeof(szTenths),
                      Round_Ratio(Total(pGame, bSide, GAME_TOTAL_RUSHING_YARDS),
                                  Total(pGame, bSide, GAME_TOTAL_RUSHES), 10));
        Format_String(st, nSize, "%d for %d yards (%s avg)", Total(pGame, bSide, GAME_TOTAL_RUSHES),
                      Total(pGame, bSide, GAME_TOTAL_RUSHING_YARDS), szTenths);
        break;
    case 2: {
        int nTouchdowns = Count_Team_Plays(pGame, bSide, RESULT_TOUCHDOWN_PASS, NULL, 0);
        int nInterceptions = Count_Team_Plays(pGame, bSide, RESULT_INTERCEPTED, NULL, 0) +
                             Count_Team_Plays(pGame, bSide, RESULT_INTERCEPTION_TOUCHDOWN, NULL, 0);
        Format_String(st, nSize, "%d-for-%d (%d%%)", Total(pGame, bSide, GAME_TOTAL_COMPLETIONS),
                      Total(pGame, bSide, GAME_TOTAL_PASS_ATTEMPTS),
                      Round_Ratio(Total(pGame, bSide, GAME_TOTAL_COMPLETIONS),
                                  Total(pGame, bSide, GAME_TOTAL_PASS_ATTEMPTS), 100));
        if (nTouchdowns)
            Append_Format_String(st, nSize, ", %d TD", nTouchdowns);
        if (nInterceptions)
            Append_Format_String(st, nSize, ", %d INT", nInterceptions);
        break;
    }
    case 3:
        Format_Tenths(szTenths, sizeof(szTenths),
                      Round_Ratio(Total(pGame, bSide, GAME_TOTAL_PASSING_YARDS),
                                  Total(pGame, bSide, GAME_TOTAL_PASS_ATTEMPTS), 10));
        Format_String(st, nSize, "%d yards (%s per play)",
                      Total(pGame, bSide, GAME_TOTAL_PASSING_YARDS), szTenths);
        break;
    case 4:
        Format_String(st, nSize, "%d time%s for %d yards", Total(pGame, bOther, GAME_TOTAL_SACKS),
                      Plural(Total(pGame, bOther, GAME_TOTAL_SACKS), "s"),
                      Total(pGame, bOther, GAME_TOTAL_SACK_YARDS));
        break;
    case 5: Format_String(st, nSize, "%d", Total(pGame, bSide, GAME_TOTAL_TURNOVERS)); break;
    case 6:
        Format_String(st, nSize, "%d (%d lost)", Byte_Stat(pGame, bSide, 7),
                      Byte_Stat(pGame, bSide, 8));
        break;
    case 7:
        Format_String(st, nSize, "%d %s for %d yards", Total(pGame, bSide, GAME_TOTAL_PENALTIES),
                      Total(pGame, bSide, GAME_TOTAL_PENALTIES) == 1 ? "penalty" : "penalties",
                      Total(pGame, bSide, GAME_TOTAL_PENALTY_YARDS));
        break;
    case 8:
        Format_Count_For_Yards(st, nSize, Byte_Stat(pGame, bSide, 6), "punt",
                               Total(pGame, bSide, GAME_TOTAL_PUNT_YARDS));
        break;
    case 9:
        Format_Count_For_Yards(st, nSize, Byte_Stat(pGame, bSide, 4), "return",
                               Total(pGame, bSide, GAME_TOTAL_PUNT_RETURN_YARDS));
        break;
    case 10:
        Format_Count_For_Yards(st, nSize, Byte_Stat(pGame, bSide, 5), "return",
                               Total(pGame, bSide, GAME_TOTAL_KICK_RETURN_YARDS));
        break;
    case 11: {
        int nMade = Count_Team_Plays(pGame, bSide, RESULT_FIELD_GOAL_GOOD, szMade, sizeof(szMade));
        int nMissed =
            Count_Team_Plays(pGame, bSide, RESULT_FIELD_GOAL_MISSED, szMissed, sizeof(szMissed));
        Format_String(st, nSize, "%d Made%s, %d Missed%s", nMade, szMade, nMissed, szMissed);
        break;
    }
    case 12:
    case 13: {
        int nMade = Total(pGame, bSide,
                          nRow == 12 ? GAME_TOTAL_THIRD_DOWN_MADE : GAME_TOTAL_FOURTH_DOWN_MADE);
        int nTried = Total(pGame, bSide,
                           nRow == 12 ? GAME_TOTAL_THIRD_DOWN_TRIES : GAME_TOTAL_FOURTH_DOWN_TRIES);
        Format_String(st, nSize, "%d for %d (%d%%)", nMade, nTried,
                      Round_Ratio(nMade, nTried, 100));
        break;
    }
    case 14:
        Format_String(st, nSize, "%d for %d (%d FG, %d TD)",
                      Byte_Stat(pGame, bSide, 2) + Byte_Stat(pGame, bSide, 3),
                      Byte_Stat(pGame, bSide, 1), Byte_Stat(pGame, bSide, 3),
                      Byte_Stat(pGame, bSide, 2));
        break;
    default:
        Format_String(st, nSize, "%d:%02d", Total(pGame, bSide, GAME_TOTAL_POSSESSION_SECONDS) / 60,
                      Total(pGame, bSide, GAME_TOTAL_POSSESSION_SECONDS) % 60);
        break;
    }
}

void Write_Box_Score_Team_Stats(GAME* pGame) {
    static const char* const kLabels[] = {"Plays From Scrimmage",
                                          "Rushing",
                                          "Pass Plays",
                                          "Passing",
                                          "Sacked",
                                          "Turnovers",
                                          "Fumbles",
                                          "Penalties",
                                          "Punts",
                                          "Punt Returns",
                                          "Kick Returns",
                                          "Field Goals",
                                          "Third Down",
                                          "Fourth Down",
                                          "Red Zone",
                                          "Time of Possession"};
    char szVisitor[BOX_CELL_SIZE], szHome[BOX_CELL_SIZE], szRow[BOX_ROW_SIZE];
    char aszValues[2][BOX_CELL_SIZE];
    Get_Escaped_Team_String(pGame->anTeams[VISITOR_SIDE] > 37 ? -1 : pGame->anTeams[VISITOR_SIDE],
                            TEAM_NICKNAME, szVisitor, sizeof(szVisitor));
    Get_Escaped_Team_String(pGame->anTeams[HOME_SIDE] > 37 ? -1 : pGame->anTeams[HOME_SIDE],
                            TEAM_NICKNAME, szHome, sizeof(szHome));
    Format_String(szRow, sizeof(szRow),
                  TABLE_OPEN
                  "<TR class=header0>\n<TD width=\"33%%\" class=ltl>Team Stats</TD>\n"
                  "<TD width=\"34%%\" class=ltc>%s</TD><TD width=\"33%%\" class=ltr>%s</TD></TR>",
                  szVisitor, szHome);
    Append_Box_Score_Html(szRow);
    for (int nRow = 0; nRow < (int)(sizeof(kLabels) / sizeof(kLabels[0])); nRow++) {
        for (int bSide = 0; bSide < 2; bSide++)
            Format_Team_Stat(pGame, bSide, nRow, aszValues[bSide], BOX_CELL_SIZE);
        Format_String(
            szRow, sizeof(szRow),
            "<TR class=%s><TD class=lml>%s</TD>\n<TD class=lmc>%s</TD><TD class=lmc>%s</TD></TR>",
            nRow % 2 == 0 ? "none" : "highlight", kLabels[nRow], aszValues[0], aszValues[1]);
        Append_Box_Score_Html(szRow);
    }
    Append_Box_Score_Html(TABLE_CLOSE);
}

// ---- player tables ------------------------------------------------------------------------------

// The opening cells of a player row: row class, name, team and position.
static void Format_Player_Cells(GAME* pGame, int bSide, int nSlot, int nRow, char* st, int nSize) {
    int nTeam = pGame->anTeams[bSide];
    char szName[BOX_NAME_SIZE], szEscapedName[3 * BOX_NAME_SIZE];
    char szTeam[BOX_CELL_SIZE], szPosition[16] = "";
    Get_Player_Full_Name(nTeam, nSlot, szName, sizeof(szName));
    Escape_Html(szEscapedName, sizeof(szEscapedName), szName);
    Get_Escaped_Team_String(nTeam, TEAM_ABBREVIATION, szTeam, sizeof(szTeam));
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition >= 0 && nPosition < POSITION_COUNT)
        Get_Position_Abbreviation(nPosition, szPosition, sizeof(szPosition));
    else if (nPosition == POS_ANY)
        safe_strncpy(szPosition, "Any", sizeof(szPosition));
    Format_String(st, nSize, "%s<TD class=lml>%s</TD>\n<TD class=lmc>%s</TD><TD class=lmc>%s</TD>",
                  nRow % 2 == 0 ? "<TR class=\"highlight\">" : "<TR>", szEscapedName, szTeam,
                  szPosition);
}

// Cells of numbers, empty when the group has nothing to show; the text of each is given.
static void Append_Cells(char* st, int nSize, int bShow, const char* const* aszValues, int nCount) {
    for (int n = 0; n < nCount; n++)
        Append_Format_String(st, nSize, "<TD class=lmc>%s</TD>", bShow ? aszValues[n] : "");
}

static void Append_Offense_Head(void) {
    static const char* const kHeads[] = {"Team", "Pos", "Cmp", "Att", "Yds", "TD",
                                         "Int",  "Rtg", "Att", "Yds", "Avg", "TD",
                                         "Fum",  "Rec", "Yds", "Avg", "TD"};
    char szRow[BOX_ROW_SIZE * 2];
    Format_String(szRow, sizeof(szRow), "%s",
                  "<TABLE cellSpacing=0 cellPadding=0 border=0 align=\"center\" width=968><TBODY>"
                  "<TR class=header0>\n<TD width=\"282\" bgcolor=\"#FFFFFF\" class=ltc></TD>"
                  "<TD width=\"271\" class=ltc>Passing</TD>"
                  "<TD width=\"5\" bgcolor=\"#FFFFFF\" class=ltc></TD>"
                  "<TD width=\"222\" bgcolor=\"#996699\" class=ltc>Rushing</TD>"
                  "<TD width=\"5\" bgcolor=\"#FFFFFF\" class=ltc></TD>"
                  "<TD width=\"178\" class=ltc>Receiving</TD></TBODY></TABLE>\n");
    Append_Box_Score_Html(szRow);
    Format_String(szRow, sizeof(szRow), "%s",
                  TABLE_OPEN "<TR class=header1>\n<TD width=\"188\" class=ltl></TD>\n");
    for (const char* szHead : kHeads)
        Append_Format_String(szRow, sizeof(szRow), "<TD width=\"46\" class=ltc>%s</TD>", szHead);
    safe_strncat(szRow, "</TR>", sizeof(szRow));
    Append_Box_Score_Html(szRow);
}

typedef char NUMBER_TEXT[16];

// One player's offence row; 0 when he has nothing to show.
static int Format_Offense_Row(GAME* pGame, const LOGGED_IDS* pLogged, int bSide, int nSlot,
                              int nRow, char* st, int nSize) {
    int nCompletions = Count_Logged_Plays(pGame, pLogged, bSide, nSlot, MEASURE_COMPLETIONS);
    int nAttempts =
        Max_Int(nCompletions, Get_Box_Player_Counter(pGame, bSide, nSlot, GROUP_QUARTERBACK, 0));
    int nRushes = Count_Logged_Plays(pGame, pLogged, bSide, nSlot, MEASURE_RUSHES);
    int nReceptions = Count_Logged_Plays(pGame, pLogged, bSide, nSlot, MEASURE_RECEPTIONS);
    int nFumbles = Count_Logged_Plays(pGame, pLogged, bSide, nSlot, MEASURE_FUMBLES);
    if (nAttempts <= 0 && nRushes <= 0 && nReceptions <= 0 && nFumbles <= 0)
        return 0;
    int nPassYards = Get_Box_Player_Counter(pGame, bSide, nSlot, GROUP_QUARTERBACK, 2);
    int nPassTouchdowns = Get_Box_Player_Counter(pGame, bSide, nSlot, GROUP_QUARTERBACK, 3);
    int nInterceptions = Get_Box_Player_Counter(pGame, bSide, nSlot, GROUP_QUARTERBACK, 4);
    int nRating =
        Compute_Passer_Rating(nAttempts, nCompletions, nPassYards, nPassTouchdowns, nInterceptions);
    int nRushYards = Count_Logged_Plays(pGame, pLogged, bSide, nSlot, MEASURE_RUSHING_YARDS);
    int nReceivingYards = Get_Box_Player_Counter(pGame, bSide, nSlot, GROUP_SKILL, 3);
    NUMBER_TEXT aszPassing[6], aszRushing[5], aszReceiving[4];
    const char *apPassing[6], *apRushing[5], *apReceiving[4];
    int anPassing[5] = {nCompletions, nAttempts, nPassYards, nPassTouchdowns, nInterceptions};
    for (int n = 0; n < 5; n++)
        Format_String(aszPassing[n], sizeof(NUMBER_TEXT), "%d", anPassing[n]);
    Format_Tenths(aszPassing[5], sizeof(NUMBER_TEXT), nRating);
    Format_String(aszRushing[0], sizeof(NUMBER_TEXT), "%d", nRushes);
    Format_String(aszRushing[1], sizeof(NUMBER_TEXT), "%d", nRushYards);
    Format_Tenths(aszRushing[2], sizeof(NUMBER_TEXT), Round_Ratio(nRushYards, nRushes, 10));
    Format_String(aszRushing[3], sizeof(NUMBER_TEXT), "%d",
                  Count_Logged_Plays(pGame, pLogged, bSide, nSlot, MEASURE_RUSHING_TOUCHDOWNS));
    Format_String(aszRushing[4], sizeof(NUMBER_TEXT), "%d", nFumbles);
    Format_String(aszReceiving[0], sizeof(NUMBER_TEXT), "%d", nReceptions);
    Format_String(aszReceiving[1], sizeof(NUMBER_TEXT), "%d", nReceivingYards);
    Format_Tenths(aszReceiving[2], sizeof(NUMBER_TEXT),
                  Round_Ratio(nReceivingYards, nReceptions, 10));
    Format_String(aszReceiving[3], sizeof(NUMBER_TEXT), "%d",
                  Count_Logged_Plays(pGame, pLogged, bSide, nSlot, MEASURE_RECEIVING_TOUCHDOWNS));
    for (int n = 0; n < 6; n++)
        apPassing[n] = aszPassing[n];
    for (int n = 0; n < 5; n++)
        apRushing[n] = aszRushing[n];
    for (int n = 0; n < 4; n++)
        apReceiving[n] = aszReceiving[n];
    Format_Player_Cells(pGame, bSide, nSlot, nRow, st, nSize);
    Append_Cells(st, nSize, nAttempts != 0, apPassing, 6);
    Append_Cells(st, nSize, nRushes != 0, apRushing, 5);
    Append_Cells(st, nSize, nReceptions != 0, apReceiving, 3);
    Append_Format_String(st, nSize, "<TD class=lmc>%s</TD></TR>",
                         nReceptions != 0 ? apReceiving[3] : "");
    return 1;
}

static int Get_Listed_Slot_Count(GAME* pGame, int bSide) {
    return Clamp(Find_Free_Player_Slot(pGame->anTeams[bSide]), 0, PLAYERS_PER_TEAM);
}

void Write_Box_Score_Offense_Table(GAME* pGame) {
    char szRow[BOX_ROW_SIZE];
    static LOGGED_IDS logged;
    Collect_Logged_Ids(pGame, &logged);
    for (int bSide = 0; bSide < 2; bSide++) {
        Append_Offense_Head();
        int nRows = 0;
        int nListed = Get_Listed_Slot_Count(pGame, bSide);
        for (int nSlot = 0; nSlot < nListed; nSlot++) {
            if (Format_Offense_Row(pGame, &logged, bSide, nSlot, nRows, szRow, sizeof(szRow))) {
                Append_Box_Score_Html(szRow);
                nRows++;
            }
        }
        Append_Box_Score_Html(TABLE_CLOSE);
    }
}

// One player's defence row; 0 when all seven values are 0.
static int Format_Defense_Row(GAME* pGame, const LOGGED_IDS* pLogged, int bSide, int nSlot,
                              int nRow, char* st, int nSize) {
    int anValues[7] = {Get_Box_Player_Counter(pGame, bSide, nSlot, GROUP_DEFENCE, 2),
                       Get_Box_Player_Counter(pGame, bSide, nSlot, GROUP_DEFENCE, 3),
                       Get_Box_Player_Counter(pGame, bSide, nSlot, GROUP_DEFENCE, 0),
                       Count_Logged_Plays(pGame, pLogged, bSide, nSlot, MEASURE_PASSES_DEFENSED),
                       Count_Logged_Plays(pGame, pLogged, bSide, nSlot, MEASURE_FUMBLES_RECOVERED),
                       Get_Box_Player_Counter(pGame, bSide, nSlot, GROUP_DEFENCE, 1),
                       Get_Box_Player_Counter(pGame, bSide, nSlot, GROUP_DEFENCE, 4)};
    int bAny = 0;
    for (int nValue : anValues)
        bAny |= nValue > 0;
    if (!bAny)
        return 0;
    Format_Player_Cells(pGame, bSide, nSlot, nRow, st, nSize);
    for (int n = 0; n < 7; n++) {
        NUMBER_TEXT szValue = "";
        if (anValues[n] != 0 && n == 2)
            Format_String(szValue, sizeof(szValue), "%d.%d", anValues[n] * 5 / 10,
                          anValues[n] * 5 % 10);
        else if (anValues[n] != 0)
            Format_String(szValue, sizeof(szValue), "%d", anValues[n]);
        Append_Format_String(
            st, nSize, n == 6 ? "<TD class=lmc>%s</TD></TR>" : "<TD class=lmc>%s</TD>", szValue);
    }
    return 1;
}

void Write_Box_Score_Defense_Table(GAME* pGame) {
    char szRow[BOX_ROW_SIZE];
    static LOGGED_IDS logged;
    Collect_Logged_Ids(pGame, &logged);
    for (int bSide = 0; bSide < 2; bSide++) {
        Append_Box_Score_Html(
            TABLE_OPEN
            "<TR class=header1>\n<TD width=\"188\" class=ltl></TD>\n"
            "<TD width=\"46\" class=ltc>Team</TD><TD width=\"46\" class=ltc>Pos</TD>"
            "<TD width=\"85\" class=ltc>Tackles</TD><TD width=\"85\" class=ltc>Assists</TD>"
            "<TD width=\"85\" class=ltc>Sacks</TD>"
            "<TD width=\"100\" class=ltc>Passes<br>Defensed</TD>"
            "<TD width=\"120\" class=ltc>Fumbles<br>Recovered</TD>"
            "<TD width=\"120\" class=ltc>Interceptions</TD>"
            "<TD width=\"95\" class=ltc>Defensive<br>Touchdowns</TD>");
        int nRows = 0;
        int nListed = Get_Listed_Slot_Count(pGame, bSide);
        for (int nSlot = 0; nSlot < nListed; nSlot++) {
            if (Format_Defense_Row(pGame, &logged, bSide, nSlot, nRows, szRow, sizeof(szRow))) {
                Append_Box_Score_Html(szRow);
                nRows++;
            }
        }
        Append_Box_Score_Html(TABLE_CLOSE);
    }
}
