// The template variables of players: names, links, statistics by position and season line, and
// the rows of the leader list.
#include <string.h>

#include "core/core.h"
#include "reports/encyclopedia_internal.h"

#define STAT_COLUMN_TOTAL 26
#define FIRST_COLLEGE_CLASS (-4)
#define FORTY_TIME_LOW 3.9f
#define FORTY_TIME_HIGH 7.0f

typedef struct PLAYER_VAR {
    const char* szName;
    TEMPLATE_VAR_WRITER pfnWrite;
} PLAYER_VAR;

static const char* const kStatColumns[STAT_COLUMN_TOTAL] = {
    "Games",    "Completions", "Attempts", "Comp %",   "Pass Yds", "Yds/Att.",       "Pass TD",
    "Int",      "Rushes",      "Rush Yds", "Yds/Rush", "Rush TD",  "Recepts",        "Rec. Yds",
    "Yds/Rec.", "Rec. TD",     "Tackles",  "Int",      "Sacks",    "Fumbles Forced", "Fumbles Rec.",
    "FG Made",  "FG Att.",     "FG %",     "PAT %",    "Yds/Punt"};

// The first and last column after Games that a position shows (first > last: Games only).
static const int kPositionColumns[POSITION_COUNT][2] = {
    {1, 11},  {8, 15},  {8, 15},  {12, 15}, {12, 15},  // QB RB FB TE WR
    {1, 0},   {1, 0},   {1, 0},                        // T G C
    {16, 20}, {16, 20}, {16, 20}, {16, 20}, {16, 20},  // DE DT LB CB S
    {21, 24}, {25, 25}};                               // K P

static int Get_Player_Position_Code(int nTeam, int nSlot) {
    return Translate_Expanded_Position(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
}

static int Does_Position_Show_Column(int nPosition, int nColumn) {
    if (nColumn == 0)
        return 1;
    if (!Is_Position_Code(nPosition))
        return 0;
    return nColumn >= kPositionColumns[nPosition][0] && nColumn <= kPositionColumns[nPosition][1];
}

static int Get_Stat_Column(int nSide, int nStat) {
    static const int kOffence[][2] = {{2, 2},   {3, 1},   {4, 7},   {5, 4},    {6, 6},
                                      {7, 8},   {8, 9},   {9, 11},  {10, 12},  {11, 13},
                                      {12, 15}, {101, 3}, {103, 5}, {112, 10}, {113, 14}};
    static const int kDefence[][2] = {{2, 16}, {5, 19}, {7, 17}, {8, 20}, {143, 18}};
    static const int kKicking[][2] = {{115, 25}, {120, 24}, {121, 21}, {122, 22}, {123, 23}};
    const int(*pTable)[2] = nSide == 0 ? kOffence : nSide == 1 ? kDefence : kKicking;
    int nRows = nSide == 0 ? 15 : 5;
    if (nSide < 0 || nSide > 2)
        return 0;
    for (int n = 0; n < nRows; n++) {
        if (pTable[n][0] == nStat)
            return pTable[n][1];
    }
    return 0;
}

// The season line of a season kind 4..33, or NO_SEASON_LINE.
static int Get_Kind_Season_Line(int nTeam, int nSlot, int nKind) {
    if (nKind < SEASON_FIRST_LINE || nKind >= SEASON_KIND_COUNT)
        return NO_SEASON_LINE;
    return Get_Player_Season_Line(nTeam, nSlot, nKind - SEASON_FIRST_LINE);
}

// ---- one player ---------------------------------------------------------------------------------

static int Write_Player_Name(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    char szName[PLAYER_NAME_TEXT_SIZE] = "";
    Get_Player_Full_Name(Key(p, KEY_TEAM), Key(p, KEY_PLAYER), szName, sizeof szName);
    Put_Escaped(st, nSize, szName);
    return 1;
}

static int Write_Player_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    Put_Player_Ref(Key(p, KEY_TEAM), Key(p, KEY_PLAYER), Key(p, KEY_TYPE), st, nSize);
    return 1;
}

static void Format_Stat_Value(int nStat, int nValue, char* st, int nSize) {
    double fDivisor = 0;
    if (nStat == 101 || nStat == 113 || nStat == 115 || nStat == 120 || nStat == 123 ||
        nStat == 143)
        fDivisor = 10;
    else if (nStat == 103 || nStat == 112)
        fDivisor = 100;
    if (fDivisor == 0) {
        Format_String(st, nSize, "%d", nValue);
        return;
    }
    double fValue = nValue / fDivisor;
    Format_String(st, nSize, fValue < 100 ? "%.1f" : "%.0f", fValue);
}

static int Write_Player_Stat(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nTeam = Key(p, KEY_TEAM), nSlot = Key(p, KEY_PLAYER), nStat = Key(p, KEY_STAT);
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 1;
    int nColumn = Get_Stat_Column(Key(p, KEY_TYPE), nStat);
    if (!Does_Position_Show_Column(Get_Player_Position_Code(nTeam, nSlot), nColumn))
        return 1;
    char szValue[32];
    Format_Stat_Value(nStat, Get_Player_Stat(nTeam, nSlot, Key(p, KEY_SEASON), nStat), szValue,
                      sizeof szValue);
    Format_String(st, nSize, "<td align=\"center\">%s</td>", szValue);
    return 1;
}

static int Write_Table_Stat_Caption(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nTeam = Key(p, KEY_TEAM), nSlot = Key(p, KEY_PLAYER);
    int nPosition = Key(p, KEY_POS);
    if (nTeam >= 0 && nSlot >= 0)
        nPosition = Get_Player_Position_Code(nTeam, nSlot);
    for (int nColumn = 0; nColumn < STAT_COLUMN_TOTAL; nColumn++) {
        if (Does_Position_Show_Column(nPosition, nColumn))
            Append_Format_String(st, nSize, "<td align=\"center\">%s</td>", kStatColumns[nColumn]);
    }
    return 1;
}

static int Get_Forty_Hundredths(int nTeam, int nSlot) {
    int nStored = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FORTY_TIME);
    float fTime = nStored / 100.0f;
    if (fTime >= FORTY_TIME_LOW && fTime <= FORTY_TIME_HIGH)
        return nStored;
    float fSpeed = Get_Player_Rating(nTeam, nSlot, RATING_SPEED);
    if (!(fSpeed >= RATING_FLOOR))
        fSpeed = RATING_FLOOR;
    return (int)((5.88f - fSpeed * 0.0166f) * 100.0f);
}

static int Write_Player_Vital_Stat(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nTeam = Key(p, KEY_TEAM), nSlot = Key(p, KEY_PLAYER), nStat = Key(p, KEY_STAT);
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 1;
    int nValue = Get_Player_Vital_Stat(nTeam, nSlot, nStat);
    char szName[64];
    switch (nStat) {
    case VITAL_POSITION:
        Get_Position_Name(Get_Player_Position_Code(nTeam, nSlot), szName, sizeof szName);
        Put_Escaped(st, nSize, szName);
        break;
    case VITAL_HEIGHT: Format_String(st, nSize, "%d-%d", nValue / 12, nValue % 12); break;
    case VITAL_FORTY_TIME:
        Format_String(st, nSize, "%2.2f", Get_Forty_Hundredths(nTeam, nSlot) / 100.0);
        break;
    case VITAL_BIRTH_DATE:
        Format_String(st, nSize, "%d/%d/%d", nValue / 100 % 100, nValue % 100, nValue / 10000);
        break;
    default: Format_String(st, nSize, "%d", nValue); break;
    }
    return 1;
}

static int Write_Player_College(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    char szCollege[PLAYER_NAME_TEXT_SIZE * 2] = "";
    if (Is_Player_Slot_Used(Key(p, KEY_TEAM), Key(p, KEY_PLAYER)))
        Get_Player_College_Name(Key(p, KEY_TEAM), Key(p, KEY_PLAYER), szCollege, sizeof szCollege);
    Put_Escaped(st, nSize, szCollege);
    return 1;
}

// The league team of the player's season line SEASON (team 0 for a kind that is no line,
// NO_TEAM without a line); a college line names no team and gives its class -4..-1 in *pClass.
static int Get_Season_Line_Team_Of(const TEMPLATE_CONTEXT* p, int* pClass) {
    int nSeason = Key(p, KEY_SEASON);
    *pClass = 0;
    if (nSeason < SEASON_FIRST_LINE || nSeason >= SEASON_KIND_COUNT)
        return 0;
    int nLine = Get_Kind_Season_Line(Key(p, KEY_TEAM), Key(p, KEY_PLAYER), nSeason);
    if (nLine == NO_SEASON_LINE)
        return NO_TEAM;
    *pClass = Get_Season_Line_Flag(nLine);
    return *pClass < 0 ? NO_TEAM : Get_Season_Line_Team(nLine);
}

static int Write_Player_Team(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    if (Key(p, KEY_SEASON) == SEASON_CAREER)
        return 1;
    int nClass;
    int nTeam = Get_Season_Line_Team_Of(p, &nClass);
    if (nClass >= FIRST_COLLEGE_CLASS && nClass < 0) {
        static const char* const kClasses[] = {"FR", "SO", "JR", "SR"};
        safe_strncpy(st, kClasses[nClass - FIRST_COLLEGE_CLASS], nSize);
    } else if (Is_Team_Active(nTeam)) {
        char szAbbreviation[TEAM_STRING_SIZE];
        Get_Team_String(szAbbreviation, sizeof szAbbreviation, nTeam, TEAM_ABBREVIATION);
        Put_Escaped(st, nSize, szAbbreviation);
    }
    return 1;
}

static int Write_Player_Team_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    if (Key(p, KEY_SEASON) == SEASON_CAREER) {
        Put_No_Link(st, nSize);
        return 1;
    }
    int nClass;
    int nTeam = Get_Season_Line_Team_Of(p, &nClass);
    if (Is_Team_Active(nTeam))
        Put_Team_Ref(nTeam, -1, 1, st, nSize);
    else
        Put_No_Link(st, nSize);
    return 1;
}

static int Write_Season_Year(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nSeason = Key(p, KEY_SEASON);
    if (nSeason == SEASON_CAREER) {
        safe_strncpy(st, "Career", nSize);
        return 1;
    }
    int nLine = Get_Kind_Season_Line(Key(p, KEY_TEAM), Key(p, KEY_PLAYER), nSeason);
    Format_String(st, nSize, "%d", nLine == NO_SEASON_LINE ? 0 : Get_Season_Line_Year(nLine));
    return 1;
}

// The best value of STAT in a season line of the year with TEAM, among the offensive players
// whose position shows it.
static int Write_Team_Offense_Leader(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nStat = Key(p, KEY_STAT), nTeam = Key(p, KEY_TEAM), nSeason = Key(p, KEY_SEASON);
    int nYear = Current_Template_Year() - nSeason;
    int nColumn = Get_Stat_Column(0, nStat);
    int nBest = 0, nBestTeam = NO_TEAM, nBestSlot = 0;
    for (int nOwner = 0; nOwner <= FREE_AGENT_TEAM; nOwner++) {
        int nPlayers = Count_Team_Unit_Players(nOwner, UNIT_OFFENCE);
        for (int nSlot = 0; nSlot < nPlayers; nSlot++) {
            if (!Is_Player_Slot_Used(nOwner, nSlot) ||
                !Does_Position_Show_Column(Get_Player_Position_Code(nOwner, nSlot), nColumn))
                continue;
            for (int n = SEASON_LINK_COUNT - 1; n >= 0; n--) {
                int nLine = Get_Player_Season_Line(nOwner, nSlot, n);
                if (nLine == NO_SEASON_LINE || Get_Season_Line_Year(nLine) != nYear ||
                    Get_Season_Line_Team(nLine) != nTeam)
                    continue;
                int nValue = Get_Player_Stat(nOwner, nSlot, SEASON_FIRST_LINE + n, nStat);
                if (nValue > nBest) {
                    nBest = nValue;
                    nBestTeam = nOwner;
                    nBestSlot = nSlot;
                }
            }
        }
    }
    if (nBestTeam == NO_TEAM) {
        safe_strncpy(st, nSeason != 0 ? "Retired" : "No leader", nSize);
        return 1;
    }
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(nBestTeam, nBestSlot, szName, sizeof szName);
    Put_Escaped(st, nSize, szName);
    return 1;
}

// ---- the leader list's rows ---------------------------------------------------------------------

// The row COUNT of the leader list; 0 when it is out of range or empty.
static int Get_Leader_Row(const TEMPLATE_CONTEXT* p) {
    int nRow = Key(p, KEY_COUNT);
    if (nRow < 0 || nRow >= LEADER_LIST_ROWS || gTemplateLeaderList.anValues[nRow] == 0)
        return -1;
    return nRow;
}

static int Write_Leader_Name(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nRow = Get_Leader_Row(p);
    if (nRow < 0)
        return 1;
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Last_First_Name(gTemplateLeaderList.anTeams[nRow], gTemplateLeaderList.anSlots[nRow],
                               szName, sizeof szName);
    Put_Escaped(st, nSize, szName);
    return 1;
}

static int Write_Leader_Team(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nRow = Get_Leader_Row(p);
    if (nRow < 0)
        return 1;
    char szAbbreviation[TEAM_STRING_SIZE] = "";
    Get_Team_String(szAbbreviation, sizeof szAbbreviation, gTemplateLeaderList.anTeams[nRow],
                    TEAM_ABBREVIATION);
    Put_Escaped(st, nSize, szAbbreviation);
    return 1;
}

static int Write_Leader_Stat(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nRow = Get_Leader_Row(p);
    if (nRow >= 0)
        Format_String(st, nSize, "%d", gTemplateLeaderList.anValues[nRow]);
    return 1;
}

static int Write_Leader_Stat_Year(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nRow = Get_Leader_Row(p);
    if (nRow >= 0 && gTemplateLeaderList.anSecondValues[nRow] != 0)
        Format_String(st, nSize, "(%d)", gTemplateLeaderList.anSecondValues[nRow]);
    return 1;
}

// An empty row links nobody.
static int Write_Leader_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nRow = Get_Leader_Row(p);
    if (nRow < 0)
        Put_No_Link(st, nSize);
    else
        Put_Player_Ref(gTemplateLeaderList.anTeams[nRow], gTemplateLeaderList.anSlots[nRow],
                       Key(p, KEY_TYPE), st, nSize);
    return 1;
}

static int Write_Leader_Team_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nRow = Get_Leader_Row(p);
    if (nRow < 0 || !Is_Team_Active(gTemplateLeaderList.anTeams[nRow]))
        Put_No_Link(st, nSize);
    else
        Put_Team_Ref(gTemplateLeaderList.anTeams[nRow], -1, Key(p, KEY_TYPE), st, nSize);
    return 1;
}

static const PLAYER_VAR kPlayerVariables[] = {
    {"TeamOffenseLeader", Write_Team_Offense_Leader},
    {"PlayerRef", Write_Player_Ref},
    {"LeaderRef", Write_Leader_Ref},
    {"LeaderTeamRef", Write_Leader_Team_Ref},
    {"PlayerTeamRef", Write_Player_Team_Ref},
    {"PlayerName", Write_Player_Name},
    {"PlayerStat", Write_Player_Stat},
    {"LeaderName", Write_Leader_Name},
    {"LeaderTeam", Write_Leader_Team},
    {"LeaderStat", Write_Leader_Stat},
    {"LeaderStatYear", Write_Leader_Stat_Year},
    {"PlayerVitalStat", Write_Player_Vital_Stat},
    {"PlayerCollege", Write_Player_College},
    {"PlayerTeam", Write_Player_Team},
    {"SeasonYear", Write_Season_Year},
    {"TableStatCaption", Write_Table_Stat_Caption},
};

TEMPLATE_VAR_WRITER Find_Player_Variable(const char* szName) {
    for (const PLAYER_VAR& var : kPlayerVariables) {
        if (strcmp(szName, var.szName) == 0)
            return var.pfnWrite;
    }
    return NULL;
}
