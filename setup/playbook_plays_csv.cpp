// The card plays of the dialog team's offensive playbook as a CSV file with its summary blocks.
#include <string.h>

#include "database/database.h"
#include "engine/engine.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define CARD_SCORE_TYPE 54
#define CARD_OFFENSE_1 55
#define CARD_OFFENSE_2 56
#define CARD_DEFENSE_1 57
#define CARD_DEFENSE_2 58
#define CARD_BONUS_RATING 59
#define CARD_BONUS_POSITION 60
#define CARD_BONUS_VALUE 61
#define CARD_PLAY_TYPE 62
#define OFFENSIVE_RATINGS 7
#define DEFENSIVE_RATINGS 4
#define CARD_PLAY_TYPES 4
#define PLAY_NAME_WARNING_LENGTH 27
#define CSV_LINE_SIZE 1024
#define ANY_POSITION 15

static const char* const kOffensiveRatings[OFFENSIVE_RATINGS] = {
    "Pass Blocking", "Run Blocking", "Rushing", "Goal Line", "Receiving", "Passing", "Red Zone"};
static const int kOffensiveIdeals[OFFENSIVE_RATINGS] = {18, 18, 12, 8, 18, 14, 12};
static const char* const kDefensiveRatings[DEFENSIVE_RATINGS] = {"Run Defense", "Pass Rush",
                                                                 "Coverage", "Tackling"};
static const char* const kPlayTypes[CARD_PLAY_TYPES] = {"Inside Run", "Outside Run", "Short Pass",
                                                        "Long Pass"};
static const int kPlayTypeIdeals[CARD_PLAY_TYPES] = {24, 20, 32, 24};

static int Rounded_Percent(int nCount, int nTotal) {
    return nTotal > 0 ? (nCount * 200 + nTotal) / (2 * nTotal) : 0;
}

static const char* Get_Offensive_Rating_Name(int n, const char* szOther) {
    return n >= 0 && n < OFFENSIVE_RATINGS ? kOffensiveRatings[n] : szOther;
}

static const char* Get_Defensive_Rating_Name(int n) {
    return n >= 0 && n < DEFENSIVE_RATINGS ? kDefensiveRatings[n] : "None";
}

static void Get_Bonus_Position_Name(int nPosition, char* szOut, int nSize) {
    if (nPosition == ANY_POSITION)
        safe_strncpy(szOut, "Any Position", nSize);
    else if (nPosition >= 0 && nPosition < ANY_POSITION)
        Get_Position_Name(nPosition, szOut, nSize);
    else
        safe_strncpy(szOut, "<Error>", nSize);
}

// The tallies of the rows written, for the summary blocks.
typedef struct CARD_TALLY {
    int nRows;
    int anScoreTypes[2];  // field goal, touchdown
    int anOffence[OFFENSIVE_RATINGS];
    int anDefence[DEFENSIVE_RATINGS];
    int nDefencePicks;
    int anPlayTypes[CARD_PLAY_TYPES];
} CARD_TALLY;

static void Write_Card_Play_Row(const char* szFile, int nPlay, const OFFENSIVE_PLAY* pPlay,
                                CARD_TALLY* pTally) {
    const uint8_t* pCard = reinterpret_cast<const uint8_t*>(pPlay);
    char szName[PLAY_NAME_SIZE];
    safe_strncpy(szName, pPlay->szName, CARD_SCORE_TYPE);
    int nLength = (int)strlen(szName);
    if (nLength > PLAY_NAME_WARNING_LENGTH)
        Show_Message_Box("Play Name Too Long",
                         "Warning: Play Name Length Is %d Characters.\n\n(Play Number %d: %s)",
                         nLength + 1, nPlay + 1, szName);
    int bTouchdown = pCard[CARD_SCORE_TYPE] != 0;
    int nBonusValue = pCard[CARD_BONUS_VALUE];
    char szBonusRating[32] = "", szBonusPosition[64] = "";
    if (nBonusValue != 0) {
        safe_strncpy(szBonusRating, Get_Offensive_Rating_Name(pCard[CARD_BONUS_RATING], "ERROR"),
                     sizeof szBonusRating);
        Get_Bonus_Position_Name(pCard[CARD_BONUS_POSITION], szBonusPosition,
                                sizeof szBonusPosition);
    }
    int nType = pCard[CARD_PLAY_TYPE];
    char szLine[CSV_LINE_SIZE];
    Format_String(szLine, sizeof szLine, "%d,%s,%s,%s,%s,%s,%s,%s,%s,%d,%s,", nPlay, szName,
                  bTouchdown ? "Touchdown" : "Field Goal",
                  Get_Offensive_Rating_Name(pCard[CARD_OFFENSE_1], "None"),
                  Get_Offensive_Rating_Name(pCard[CARD_OFFENSE_2], "None"),
                  Get_Defensive_Rating_Name(pCard[CARD_DEFENSE_1]),
                  Get_Defensive_Rating_Name(pCard[CARD_DEFENSE_2]), szBonusRating, szBonusPosition,
                  nBonusValue, nType < CARD_PLAY_TYPES ? kPlayTypes[nType] : "");
    Append_Line_To_File(szFile, szLine);
    pTally->nRows++;
    pTally->anScoreTypes[bTouchdown]++;
    for (int nByte : {CARD_OFFENSE_1, CARD_OFFENSE_2}) {
        if (pCard[nByte] < OFFENSIVE_RATINGS)
            pTally->anOffence[pCard[nByte]]++;
    }
    for (int nByte : {CARD_DEFENSE_1, CARD_DEFENSE_2}) {
        if (pCard[nByte] < DEFENSIVE_RATINGS) {
            pTally->anDefence[pCard[nByte]]++;
            pTally->nDefencePicks++;
        }
    }
    if (nType < CARD_PLAY_TYPES)
        pTally->anPlayTypes[nType]++;
}

static void Write_Card_Summary(const char* szFile, const CARD_TALLY* pTally) {
    char szLine[CSV_LINE_SIZE];
    Append_Line_To_File(szFile, " ");
    Append_Line_To_File(szFile, "Score Type,Count,Percent,Ideal");
    static const char* const kScoreTypes[2] = {"Field Goal", "Touchdown"};
    static const int kScoreIdeals[2] = {40, 60};
    for (int n = 0; n < 2; n++) {
        Format_String(szLine, sizeof szLine, "%s,%d,%d%%,\"[%d%%]\"", kScoreTypes[n],
                      pTally->anScoreTypes[n],
                      Rounded_Percent(pTally->anScoreTypes[n], pTally->nRows), kScoreIdeals[n]);
        Append_Line_To_File(szFile, szLine);
    }
    int nOffencePicks = 0;
    for (int n = 0; n < OFFENSIVE_RATINGS; n++)
        nOffencePicks += pTally->anOffence[n];
    Append_Line_To_File(szFile, " ");
    Append_Line_To_File(szFile, "Rating,Count,Percent,Ideal");
    for (int n = 0; n < OFFENSIVE_RATINGS; n++) {
        Format_String(szLine, sizeof szLine, "%s,%d,%d%%,\"[%d%%]\"", kOffensiveRatings[n],
                      pTally->anOffence[n], Rounded_Percent(pTally->anOffence[n], nOffencePicks),
                      kOffensiveIdeals[n]);
        Append_Line_To_File(szFile, szLine);
    }
    Append_Line_To_File(szFile, " ");
    Append_Line_To_File(szFile, "Rating,Count,Percent,Ideal");
    for (int n = 0; n < DEFENSIVE_RATINGS; n++) {
        Format_String(szLine, sizeof szLine, "%s,%d,%d%%,\"[25%%]\"", kDefensiveRatings[n],
                      pTally->anDefence[n],
                      Rounded_Percent(pTally->anDefence[n], pTally->nDefencePicks));
        Append_Line_To_File(szFile, szLine);
    }
    int nRows = pTally->nRows;
    Format_String(szLine, sizeof szLine, ",%d,,[%d-%d]", pTally->nDefencePicks,
                  nRows + nRows / 3 + 1, nRows + nRows / 2 + 1);
    Append_Line_To_File(szFile, szLine);
    Append_Line_To_File(szFile, " ");
    Append_Line_To_File(szFile, "Play Type,Count,Percent,Ideal");
    for (int n = 0; n < CARD_PLAY_TYPES; n++) {
        Format_String(szLine, sizeof szLine, "%s,%d,%d%%,[%d%%]", kPlayTypes[n],
                      pTally->anPlayTypes[n], Rounded_Percent(pTally->anPlayTypes[n], nRows),
                      kPlayTypeIdeals[n]);
        Append_Line_To_File(szFile, szLine);
    }
}

int Export_Playbook_Plays_CSV(const char* szFile) {
    const OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(Get_Dialog_Team());
    if (pBook == NULL)
        return 0;
    Platform_Remove_File(szFile);
    Append_Line_To_File(szFile, "Number,Play Name,Score Type,Offense1,Offense2,Defense1,Defense2,"
                                "Bonus Rating,Bonus Position,Bonus Value");
    CARD_TALLY tally;
    memset(&tally, 0, sizeof tally);
    const uint8_t* pDeckFlags = pBook->abCardData;
    for (int nPlay = 0; nPlay < TEAM_OFFENSIVE_PLAY_COUNT; nPlay++) {
        if (pDeckFlags[nPlay] != 0)
            Write_Card_Play_Row(szFile, nPlay, &pBook->aPlays[nPlay], &tally);
    }
    Write_Card_Summary(szFile, &tally);
    return 1;
}

void Export_And_Open_Playbook_Plays(HWND hWnd) {
    char szNickname[TEXT_BUFFER_SIZE];
    Get_Team_String(szNickname, sizeof szNickname, Get_Dialog_Team(), TEAM_NICKNAME);
    char szFile[TEXT_BUFFER_SIZE + 32];
    Format_String(szFile, sizeof szFile, "%s-%d-Plays.csv", szNickname, Get_Season_Year());
    if (Export_Playbook_Plays_CSV(szFile))
        Open_With_Shell(hWnd, szFile);
}
