// One statistic of one season kind as the player card's stat panel writes it (PLAYER_CARD_FIELD),
// and the season year a view of the panel stands for.
#include <stdlib.h>
#include <string.h>

#include "database/database.h"
#include "pages/pages.h"
#include "personnel/personnel.h"

// How a field's number is written.
enum CARD_FORMAT {
    CARD_PLAIN = 0,   // "%d"
    CARD_TENTHS,      // "%d.%d"
    CARD_HUNDREDTHS,  // "%d.%02d"
    CARD_TENTHS_WIDE  // "%2d.%d"
};

// When a field's number is written; otherwise "-" (or "" for CARD_IF_STAT_OR_EMPTY).
enum CARD_CONDITION {
    CARD_ALWAYS = 0,
    CARD_VALUE_OR_GAMES,    // the value or the games are non-zero
    CARD_IF_STAT,           // the condition statistic is non-zero
    CARD_IF_STAT_OR_EMPTY,  // the same, else an empty text
    CARD_SPECIAL            // written by Get_Special_Field_Text
};

typedef struct CARD_FIELD_RULE {
    int nStat;
    int nFormat;
    int nCondition;
    int nConditionStat;
} CARD_FIELD_RULE;

static const CARD_FIELD_RULE kCardFields[PLAYER_CARD_FIELD_COUNT] = {
    {STAT_GAMES, CARD_PLAIN, CARD_ALWAYS, 0},                              // 0
    {STAT_STARTS, CARD_PLAIN, CARD_ALWAYS, 0},                             // 1
    {2, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                               // 2
    {3, CARD_PLAIN, CARD_IF_STAT, 2},                                      // 3
    {STAT_COMPLETION_RATE, CARD_TENTHS, CARD_IF_STAT, 2},                  // 4
    {5, CARD_PLAIN, CARD_IF_STAT, 3},                                      // 5
    {STAT_YARDS_PER_ATTEMPT, CARD_HUNDREDTHS, CARD_IF_STAT, 2},            // 6
    {6, CARD_PLAIN, CARD_IF_STAT, 3},                                      // 7
    {4, CARD_PLAIN, CARD_IF_STAT, 2},                                      // 8
    {STAT_PASSER_RATING, CARD_TENTHS, CARD_IF_STAT, 2},                    // 9
    {7, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                               // 10
    {8, CARD_PLAIN, CARD_IF_STAT, 7},                                      // 11
    {14, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                              // 12
    {15, CARD_PLAIN, CARD_IF_STAT, 14},                                    // 13
    {STAT_YARDS_PER_RUSH, CARD_HUNDREDTHS, CARD_SPECIAL, 0},               // 14
    {STAT_SACKS_ALLOWED_WEIGHT, CARD_HUNDREDTHS, CARD_VALUE_OR_GAMES, 0},  // 15
    {10, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                              // 16
    {11, CARD_PLAIN, CARD_IF_STAT, 10},                                    // 17
    {9, CARD_PLAIN, CARD_IF_STAT, 7},                                      // 18
    {13, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                              // 19
    {4, CARD_PLAIN, CARD_SPECIAL, 0},                                      // 20
    {10, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                              // 21
    {11, CARD_PLAIN, CARD_IF_STAT, 10},                                    // 22
    {STAT_YARDS_PER_RECEPTION, CARD_TENTHS, CARD_IF_STAT, 10},             // 23
    {12, CARD_PLAIN, CARD_IF_STAT, 10},                                    // 24
    {STAT_PUNT_RETURN_AVERAGE, CARD_TENTHS, CARD_IF_STAT_OR_EMPTY, 17},    // 25
    {STAT_KICK_RETURN_AVERAGE, CARD_TENTHS, CARD_IF_STAT_OR_EMPTY, 14},    // 26
    {STAT_RETURN_TOUCHDOWNS, CARD_PLAIN, CARD_SPECIAL, 0},                 // 27
    {STAT_TACKLES, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                    // 28
    {STAT_TACKLES_PER_GAME, CARD_TENTHS, CARD_IF_STAT, STAT_TACKLES},      // 29
    {2, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                               // 30
    {3, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                               // 31
    {STAT_SACK_TENTHS, CARD_TENTHS, CARD_VALUE_OR_GAMES, 0},               // 32
    {5, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                               // 33
    {6, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                               // 34
    {7, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                               // 35
    {STAT_SCRIMMAGE_TOUCHDOWNS, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},       // 36
    {2, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                               // 37
    {3, CARD_PLAIN, CARD_IF_STAT, 2},                                      // 38
    {STAT_PUNT_AVERAGE, CARD_TENTHS_WIDE, CARD_IF_STAT, 2},                // 39
    {5, CARD_PLAIN, CARD_IF_STAT, 2},                                      // 40
    {6, CARD_PLAIN, CARD_IF_STAT, 2},                                      // 41
    {0, CARD_PLAIN, CARD_SPECIAL, 0},                                      // 42..49
    {0, CARD_PLAIN, CARD_SPECIAL, 0},
    {0, CARD_PLAIN, CARD_SPECIAL, 0},
    {0, CARD_PLAIN, CARD_SPECIAL, 0},
    {0, CARD_PLAIN, CARD_SPECIAL, 0},
    {0, CARD_PLAIN, CARD_SPECIAL, 0},
    {0, CARD_PLAIN, CARD_SPECIAL, 0},
    {0, CARD_PLAIN, CARD_SPECIAL, 0},
    {2, CARD_PLAIN, CARD_VALUE_OR_GAMES, 0},                              // 50
    {STAT_YARDS_AFTER_CATCH_AVERAGE, CARD_TENTHS_WIDE, CARD_IF_STAT, 6},  // 51
};

// For the special fields past the table.
#define CARD_FIELD_TABLE_SIZE ((int)(sizeof kCardFields / sizeof kCardFields[0]))

int Get_Player_View_Year(int nTeam, int nSlot, int nSeason) {
    int nCurrentYear = gSeasonNumber + Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    if (nSeason == SEASON_PREVIOUS)
        return nCurrentYear - 1;
    if (nSeason < SEASON_FIRST_LINE)
        return nCurrentYear;
    int nLine = Get_Player_Season_Line(nTeam, nSlot, nSeason - SEASON_FIRST_LINE);
    return nLine == NO_SEASON_LINE ? 0 : Get_Season_Line_Year(nLine);
}

static void Format_Card_Number(int nValue, int nFormat, char* szOut, int nSize) {
    switch (nFormat) {
    case CARD_TENTHS: Format_String(szOut, nSize, "%d.%d", nValue / 10, abs(nValue % 10)); break;
    case CARD_HUNDREDTHS:
        Format_String(szOut, nSize, "%d.%02d", nValue / 100, abs(nValue % 100));
        break;
    case CARD_TENTHS_WIDE:
        Format_String(szOut, nSize, "%2d.%d", nValue / 10, abs(nValue % 10));
        break;
    default: Format_String(szOut, nSize, "%d", nValue); break;
    }
}

// "made/tried" of two statistics.
static void Format_Made_Of_Tried(int nTeam, int nSlot, int nSeason, int nMade, int nTried,
                                 char* szOut, int nSize) {
    Format_String(szOut, nSize, "%d/%d", Get_Player_Stat(nTeam, nSlot, nSeason, nMade),
                  Get_Player_Stat(nTeam, nSlot, nSeason, nTried));
}

// Fields 14, 20, 27, 42..49, 52 and 55..61; "-" where a condition fails.
static void Get_Special_Field_Text(int nTeam, int nSlot, int nSeason, int nField, char* szOut,
                                   int nSize) {
    int nGames = Get_Player_Stat(nTeam, nSlot, nSeason, STAT_GAMES);
    safe_strncpy(szOut, "-", nSize);
    switch (nField) {
    case 14:
        if (Get_Player_Stat(nTeam, nSlot, nSeason, OFF_RUSHES) >= 1) {
            Format_Card_Number(Get_Player_Stat(nTeam, nSlot, nSeason, STAT_YARDS_PER_RUSH),
                               CARD_HUNDREDTHS, szOut, nSize);
            int nLength = (int)strlen(szOut);
            if (nLength == 5 && szOut[4] == '0')
                szOut[4] = 0;
        }
        return;
    case 20: {
        int nValue = Get_Player_Stat(nTeam, nSlot, nSeason, OFF_TARGETS);
        if ((nValue || nGames) && nValue >= Get_Player_Stat(nTeam, nSlot, nSeason, 10))
            Format_String(szOut, nSize, "%d", nValue);
        return;
    }
    case 27:
        szOut[0] = 0;
        if (Get_Player_Stat(nTeam, nSlot, nSeason, STAT_KICK_RETURNS) ||
            Get_Player_Stat(nTeam, nSlot, nSeason, STAT_PUNT_RETURNS))
            Format_String(szOut, nSize, "%d",
                          Get_Player_Stat(nTeam, nSlot, nSeason, STAT_RETURN_TOUCHDOWNS));
        return;
    case 42:
        if (Get_Player_Stat(nTeam, nSlot, nSeason, STAT_FIELD_GOALS_TRIED) > 0)
            Format_String(szOut, nSize, "%d%%",
                          Get_Player_Stat(nTeam, nSlot, nSeason, STAT_FIELD_GOAL_RATE) / 10);
        return;
    case 43:
        if (Get_Player_Stat(nTeam, nSlot, nSeason, KICK_EXTRA_POINT_ATTEMPTS) || nGames)
            Format_Made_Of_Tried(nTeam, nSlot, nSeason, KICK_EXTRA_POINTS_MADE,
                                 KICK_EXTRA_POINT_ATTEMPTS, szOut, nSize);
        return;
    case 44:
    case 45:
    case 46:
    case 47:
        if (nGames) {
            int nTried = KICK_FG_ATTEMPTS_UNDER_30 + 2 * (nField - 44);
            Format_Made_Of_Tried(nTeam, nSlot, nSeason, nTried + 1, nTried, szOut, nSize);
        }
        return;
    case 48:
        if (Get_Player_Stat(nTeam, nSlot, nSeason, STAT_FIELD_GOALS_MADE))
            Format_String(szOut, nSize, "%d",
                          Get_Player_Stat(nTeam, nSlot, nSeason, KICK_LONGEST_FIELD_GOAL));
        return;
    case 49:
        if (nGames)
            Format_String(szOut, nSize, "%d", Get_Player_Stat(nTeam, nSlot, nSeason, STAT_POINTS));
        return;
    case 52: {
        int nValue = Get_Player_Stat(nTeam, nSlot, nSeason, 5);
        if (nValue && Get_Player_View_Year(nTeam, nSlot, nSeason) >=
                          Get_User_Preference(PREF_STATISTICS_FIRST_YEAR))
            Format_String(szOut, nSize, "%d", nValue);
        return;
    }
    case 55:
        if (Get_Player_Stat(nTeam, nSlot, nSeason, 2))
            Format_Made_Of_Tried(nTeam, nSlot, nSeason, 6, 4, szOut, nSize);
        return;
    case 56: {
        int nHeight = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT);
        if (nHeight < 60)
            nHeight = (nHeight + 1) % 3 + 75;
        Format_String(szOut, nSize, "%d'%d\"", nHeight / 12, nHeight % 12);
        return;
    }
    case 57:
        Format_String(szOut, nSize, "%d lbs", Get_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT));
        return;
    case 58:
        Format_String(szOut, nSize, "%d years old", Get_Player_Exact_Age(nTeam, nSlot));
        return;
    case 59: {
        int nExperience = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
        if (nExperience >= 1) {
            Format_Ordinal_Number(szOut, nSize, nExperience + 1);
            safe_strncat(szOut, " season", nSize);
        } else {
            safe_strncpy(szOut, "Rookie", nSize);
        }
        return;
    }
    case 60: Get_Player_College_Display_Name(nTeam, nSlot, szOut, nSize); return;
    case 61: return;
    default: szOut[0] = 0; return;  // 53, 54 and past the last field
    }
}

// A lineman's blocking figures of a season before the league's first are not known.
static int Is_Unknown_Lineman_Field(int nTeam, int nSlot, int nSeason, int nField) {
    if (nField < 14 || nField > 17 || nSeason < SEASON_FIRST_LINE)
        return 0;
    if (Get_Position_Group(Get_Roster_Position(nTeam, nSlot)) != GROUP_LINE)
        return 0;
    return Get_Player_View_Year(nTeam, nSlot, nSeason) < Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
}

void Get_Player_Card_Field_Text(int nTeam, int nSlot, int nSeason, int nField, char* szOut,
                                int nSize) {
    szOut[0] = 0;
    if (nField < 0 || Is_Unknown_Lineman_Field(nTeam, nSlot, nSeason, nField))
        return;
    if (nField >= CARD_FIELD_TABLE_SIZE || kCardFields[nField].nCondition == CARD_SPECIAL) {
        Get_Special_Field_Text(nTeam, nSlot, nSeason, nField, szOut, nSize);
        return;
    }
    const CARD_FIELD_RULE* pRule = &kCardFields[nField];
    int nValue = Get_Player_Stat(nTeam, nSlot, nSeason, pRule->nStat);
    int bShown = 1;
    switch (pRule->nCondition) {
    case CARD_VALUE_OR_GAMES:
        bShown = nValue || Get_Player_Stat(nTeam, nSlot, nSeason, STAT_GAMES);
        break;
    case CARD_IF_STAT:
    case CARD_IF_STAT_OR_EMPTY:
        bShown = Get_Player_Stat(nTeam, nSlot, nSeason, pRule->nConditionStat) != 0;
        break;
    default: break;
    }
    if (bShown)
        Format_Card_Number(nValue, pRule->nFormat, szOut, nSize);
    else if (pRule->nCondition != CARD_IF_STAT_OR_EMPTY)
        safe_strncpy(szOut, "-", nSize);
}
