// The season lines of a build: each seasons-file line becomes the player's line of that year
// and team, and adds to his career, last season and predicted figures.
#include <math.h>
#include <stdio.h>
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define SEASON_FIELD_COUNT SEASONS_CSV_COLUMNS
#define SEASON_FILE_STEPS 35
#define YEARS_BEFORE_BASE 25
#define YEARS_AFTER_BASE 15
#define SHORTEST_KNOWN_TEAM_TEXT 5
#define LAST_SEASON_OF_2021_BUILD 2020
#define NEW_GAME_BASE_YEAR 2021
#define VITAL_CAREER_VALUE 9  // the sum of the player's season values

enum SEASON_COLUMN {
    SC_OSTREL_ID = 0,
    SC_PLAYER_ID = 1,
    SC_FLAG = 2,
    SC_YEAR = 3,
    SC_TEAM = 4,
    SC_UNIFORM = 5,
    SC_NAME = 6,
    SC_POSITION = 7,
    SC_GAMES = 9,
    SC_STARTS = 10,
    SC_RECEPTIONS = 25,
    SC_SACKS = 42,
    SC_FUMBLE_RETURN_TD = 49,
    SC_INTERCEPTIONS = 50,
    SC_INTERCEPTION_RETURN_TD = 52,
    SC_FGA = 60,
    SC_FGM = 61,
    SC_FGM_UNDER_20 = 81,
    SC_FGM_20_29 = 82,
    SC_FGA_UNDER_20 = 86,
    SC_FGA_20_29 = 87,
    SC_YAC = 91,
    SC_VALUE = 94
};

// The whole-number columns stored as they are.
static const SEASON_COLUMN_STAT kSeasonColumns[] = {
    {9, SG_ALL, 0},        {10, SG_ALL, 1},       {11, SG_QB, 2},
    {12, SG_QB, 3},        {13, SG_QB, 5},        {14, SG_QB, 6},
    {15, SG_QB, 4},        {18, SG_QB, 14},       {19, SG_QB, 15},
    {20, SG_SKILL, 7},     {21, SG_SKILL, 8},     {22, SG_SKILL, 9},
    {24, SG_RECEIVER, 4},  {25, SG_RECEIVER, 10}, {26, SG_RECEIVER, 11},
    {27, SG_RECEIVER, 12}, {29, SG_RECEIVER, 2},  {30, SG_SKILL, 13},
    {31, SG_RETURNER, 17}, {32, SG_RETURNER, 18}, {33, SG_RETURNER, 19},
    {35, SG_RETURNER, 14}, {36, SG_RETURNER, 15}, {37, SG_RETURNER, 16},
    {39, SG_DEFENCE, 2},   {40, SG_DEFENCE, 3},   {45, SG_DEFENCE, 6},
    {46, SG_DEFENCE, 5},   {47, SG_DEFENCE, 8},   {50, SG_DEFENCE, 7},
    {58, SG_KICKER, 2},    {59, SG_KICKER, 3},    {62, SG_KICKER, 18},
    {63, SG_KICKER, 9},    {65, SG_KICKER, 6},    {68, SG_KICKER, 8},
    {73, SG_KICKER, 5},    {83, SG_KICKER, 13},   {84, SG_KICKER, 15},
    {85, SG_KICKER, 17},   {88, SG_KICKER, 12},   {89, SG_KICKER, 14},
    {90, SG_KICKER, 16},   {92, SG_RECEIVER, 5},  {94, SG_LINE_OR_DEFENCE, 13}};

const SEASON_COLUMN_STAT* Get_Season_Columns(int* pnCount) {
    *pnCount = (int)(sizeof(kSeasonColumns) / sizeof(kSeasonColumns[0]));
    return kSeasonColumns;
}

#define STAT_FUMBLES 2
#define STAT_KICK_LONGEST 18
#define STAT_PUNT_LONGEST 5
#define STAT_DEFENCE_SACKS 4
#define STAT_DEFENCE_TD 9
#define STAT_DEFENCE_PASSES 6
#define STAT_DEFENCE_TACKLES 2
#define STAT_DEFENCE_ASSISTS 3
#define STAT_KICK_MADE_SHORT 11
#define STAT_KICK_TRIED_SHORT 10
#define STAT_YAC 6

int Is_In_Season_Group(int nTeam, int nSlot, int nGroup) {
    int nPosition = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION);
    int nPlayerGroup = Get_Player_Position_Group(nTeam, nSlot);
    switch (nGroup) {
    case SG_ALL: return 1;
    case SG_QB: return nPosition == POS_QB;
    case SG_SKILL: return Get_Position_Group(nPosition) == GROUP_SKILL;
    case SG_RECEIVER: return nPlayerGroup == GROUP_SKILL;
    case SG_RETURNER: return nPlayerGroup == GROUP_SKILL || nPlayerGroup == GROUP_DEFENCE;
    case SG_DEFENCE: return nPlayerGroup == GROUP_DEFENCE;
    case SG_KICKER: return Get_Position_Group(nPosition) == GROUP_KICKERS;
    case SG_LINE_OR_DEFENCE: return nPlayerGroup == GROUP_LINE || nPlayerGroup == GROUP_DEFENCE;
    }
    return 0;
}

int Find_Player_Season_Line(int nTeam, int nSlot, int nLineTeam, int nYear) {
    for (int n = 0; n < SEASON_LINK_COUNT; n++) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
        if (Is_Season_Line_Index(nLine) && Get_Season_Line_Year(nLine) == nYear &&
            Get_Season_Line_Team(nLine) == nLineTeam)
            return nLine;
    }
    return NO_SEASON_LINE;
}

// The longest kick and punt are maxima, not sums.
static void Raise_Kicker_Maximum(int nTeam, int nSlot, int nYear, int nStat, int nValue) {
    int nBase = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    if (nYear <= nBase && Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, nStat) < nValue)
        Set_Player_Stat(nTeam, nSlot, SEASON_CAREER, nStat, nValue);
    int nKind = nYear == nBase - 1 ? SEASON_PREVIOUS : nYear == nBase ? SEASON_CURRENT : -1;
    if (nKind >= 0 && Get_Player_Stat(nTeam, nSlot, nKind, nStat) < nValue)
        Set_Player_Stat(nTeam, nSlot, nKind, nStat, nValue);
}

void Import_Season_Stat(int nTeam, int nSlot, int nLine, int nYear, int nStat, int nValue) {
    if (nValue == 0)
        return;
    int nBase = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    int nPosition = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION);
    if (Get_Position_Group(nPosition) == GROUP_KICKERS &&
        (nStat == STAT_KICK_LONGEST || nStat == STAT_PUNT_LONGEST))
        Raise_Kicker_Maximum(nTeam, nSlot, nYear, nStat, nValue);
    if (nLine == NO_SEASON_LINE || Get_Season_Line_Stat(nLine, nStat) == 0) {
        if (nYear < nBase)
            Add_Player_Stat(nTeam, nSlot, SEASON_CAREER, nStat, nValue);
        if (nYear == nBase - 1)
            Add_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, nStat, nValue);
        Accumulate_Historical_Totals(nTeam, nSlot, nYear, nStat, nValue);
        int nWeight = nYear >= nBase - 1 && nYear <= nBase ? 2 : 1;
        Add_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat, nValue * nWeight);
    }
    if (nLine != NO_SEASON_LINE)
        Set_Season_Line_Stat(nLine, nStat, nValue);
}

// One more made or tried kick in a band: the line, the career, and last season for its lines.
static void Add_Field_Goal_Band(int nTeam, int nSlot, int nLine, int nStat) {
    Set_Season_Line_Stat(nLine, nStat, Get_Season_Line_Stat(nLine, nStat) + 1);
    Add_Player_Stat(nTeam, nSlot, SEASON_CAREER, nStat, 1);
    if (Get_Season_Line_Year(nLine) == Get_Universe_Stat(UNIVERSE_FIRST_YEAR) - 1)
        Add_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, nStat, 1);
}

static int Sum_Line_Bands(int nLine, int nFirstStat) {
    int nSum = 0;
    for (int nStat = nFirstStat; nStat < nFirstStat + 8; nStat += 2)
        nSum += Get_Season_Line_Stat(nLine, nStat);
    return nSum;
}

#define MOST_BAND_ROUNDS 200
#define LONG_BAND 17
static const int kMadeBands[10] = {17, 15, 11, 13, 13, 15, 15, 11, 13, 11};
static const int kTriedBands[10] = {14, 12, 14, 16, 14, 16, 10, 16, 14, 12};

void Fill_Field_Goal_Bands(int nTeam, int nSlot, int nLine, int nMade, int nTried) {
    if (!Is_Season_Line_Index(nLine))
        return;
    int nSum = Sum_Line_Bands(nLine, STAT_KICK_MADE_SHORT);
    if (nMade > 0 && nSum < nMade) {
        if (Get_Season_Line_Stat(nLine, STAT_KICK_LONGEST) == 0)
            Set_Season_Line_Stat(nLine, STAT_KICK_LONGEST, Signed_Root(nMade) + 47);
        for (int nRound = 0; nRound < MOST_BAND_ROUNDS && nSum < nMade; nRound++) {
            int u = nMade + nTried % 10 - nSum;
            int nBand = kMadeBands[u % 10];
            if (nBand == LONG_BAND &&
                Get_Season_Line_Stat(nLine, STAT_KICK_LONGEST) < (nMade - nSum) / 10 + 50)
                nBand = kMadeBands[(nLine + u) % 9 + 1];
            Add_Field_Goal_Band(nTeam, nSlot, nLine, nBand);
            nSum = Sum_Line_Bands(nLine, STAT_KICK_MADE_SHORT);
        }
    }
    if (nTried < 1)
        return;
    for (int nStat = STAT_KICK_TRIED_SHORT; nStat < STAT_KICK_TRIED_SHORT + 8; nStat += 2) {
        int nMadeInBand = Get_Season_Line_Stat(nLine, nStat + 1);
        if (Get_Season_Line_Stat(nLine, nStat) < nMadeInBand)
            Set_Season_Line_Stat(nLine, nStat, nMadeInBand);
    }
    nSum = Sum_Line_Bands(nLine, STAT_KICK_TRIED_SHORT);
    for (int nRound = 0; nRound < MOST_BAND_ROUNDS && nSum < nTried; nRound++) {
        Add_Field_Goal_Band(nTeam, nSlot, nLine, kTriedBands[(nMade + nTried - nSum) % 10]);
        nSum = Sum_Line_Bands(nLine, STAT_KICK_TRIED_SHORT);
    }
}

// ---- matching a line to its player ---------------------------------------------------------------

static int Is_Scouted_Player(int nPlayerId, const char* szOstrelId) {
    if (gScoutTeam == NO_TEAM || !Is_Player_Slot_Used(gScoutTeam, gScoutSlot))
        return 0;
    if (nPlayerId >= 1 &&
        Get_Player_Vital_Stat_Raw(gScoutTeam, gScoutSlot, VITAL_PLAYER_ID) == nPlayerId)
        return 1;
    return szOstrelId[0] != 0 &&
           strcasecmp(Get_Player_Ostrel_ID(gScoutTeam, gScoutSlot), szOstrelId) == 0;
}

static int Find_Season_Line_Player(int* pTeam, int* pSlot, int nPlayerId, const char* szOstrelId,
                                   const char* szName, int nPosition) {
    if (Is_Scouted_Player(nPlayerId, szOstrelId)) {
        *pTeam = gScoutTeam;
        *pSlot = gScoutSlot;
        return 1;
    }
    if (nPlayerId >= 1)
        return Get_Player_By_ID(pTeam, pSlot, nPlayerId);
    if (szOstrelId[0] != 0)
        return Get_Player_By_Ostrel_ID(pTeam, pSlot, szOstrelId);
    char szScouted[64] = "";
    if (gScoutTeam != NO_TEAM && Is_Player_Slot_Used(gScoutTeam, gScoutSlot))
        Get_Player_Full_Name_Plain(gScoutTeam, gScoutSlot, szScouted, sizeof(szScouted));
    if (szName[0] != 0 && strcasecmp(szName, szScouted) == 0) {
        *pTeam = gScoutTeam;
        *pSlot = gScoutSlot;
        return 1;
    }
    return Get_Player_By_Name(pTeam, pSlot, szName) ||
           Find_Player_By_Name(pTeam, pSlot, szName, NO_TEAM, nPosition);
}

static int Is_Split_Season_Team(const char* szText) {
    return strcasecmp(szText, "2TM") == 0 || strcasecmp(szText, "3TM") == 0 ||
           strcasecmp(szText, "4TM") == 0;
}

static int Get_Season_Line_Team_Number(const char* szText) {
    int nTeam = Get_Team_From_Abbreviation(szText, 0);
    return nTeam != NO_TEAM ? nTeam : Get_Team_From_Historic_Name(szText);
}

// The player takes the line's position when he has none, or on a line of the base year when it
// stays in his group.
static void Update_Season_Position(int nTeam, int nSlot, int nYear, int nDetailed) {
    if (!Is_Expanded_Position_Valid(nDetailed))
        return;
    int nNew = Translate_Expanded_Position(nDetailed);
    int nOld = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION);
    int bTake =
        !Is_Position_Code(nOld) || (nYear == Get_Universe_Stat(UNIVERSE_FIRST_YEAR) &&
                                    Get_Position_Group_QB4(nOld) == Get_Position_Group_QB4(nNew));
    if (!bTake)
        return;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nNew);
    Set_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION, nDetailed);
}

static int Round_Half_Up(double fValue) {
    return (int)floor(fValue + 0.5);
}

// Seasons that kept no passes defensed, tackles or sacks get them from the player's value.
static void Estimate_Defence_Figures(int nTeam, int nSlot, int nLine, int nYear, int nValue,
                                     int nInterceptions, int nGamesAndStarts) {
    int nDetailed = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION);
    double fScale = (double)nValue * nGamesAndStarts / 336.0;
    if (nYear < 2001)
        Import_Season_Stat(
            nTeam, nSlot, nLine, nYear, STAT_DEFENCE_PASSES,
            Round_Half_Up(Get_Average_Stat(nDetailed, STAT_DEFENCE_PASSES) * nGamesAndStarts *
                          (nValue + 2.0 * nInterceptions) / 280.0));
    if (nYear < 1995) {
        Import_Season_Stat(
            nTeam, nSlot, nLine, nYear, STAT_DEFENCE_TACKLES,
            Round_Half_Up(Get_Average_Stat(nDetailed, STAT_DEFENCE_TACKLES) * fScale));
        Import_Season_Stat(
            nTeam, nSlot, nLine, nYear, STAT_DEFENCE_ASSISTS,
            Round_Half_Up(Get_Average_Stat(nDetailed, STAT_DEFENCE_ASSISTS) * fScale));
    }
    if (nYear < 1982)
        Import_Season_Stat(nTeam, nSlot, nLine, nYear, STAT_DEFENCE_SACKS,
                           Round_Half_Up(Get_Average_Stat(nDetailed, STAT_DEFENCE_SACKS) * fScale));
}

static void Store_Season_Columns(int nTeam, int nSlot, int nLine, int nYear,
                                 char (*aszFields)[IMPORT_FIELD_SIZE]) {
    for (size_t i = 0; i < sizeof(kSeasonColumns) / sizeof(kSeasonColumns[0]); i++) {
        const SEASON_COLUMN_STAT* pColumn = &kSeasonColumns[i];
        if (Is_In_Season_Group(nTeam, nSlot, pColumn->nGroup))
            Import_Season_Stat(nTeam, nSlot, nLine, nYear, pColumn->nStat,
                               Read_Import_Int(aszFields[pColumn->nColumn]));
    }
    if (Is_In_Season_Group(nTeam, nSlot, SG_DEFENCE)) {
        Import_Season_Stat(nTeam, nSlot, nLine, nYear, STAT_DEFENCE_SACKS,
                           (int)(Read_Import_Decimal(aszFields[SC_SACKS]) * 2));
        const int anTouchdownColumns[] = {SC_FUMBLE_RETURN_TD, SC_INTERCEPTION_RETURN_TD};
        for (int nColumn : anTouchdownColumns) {
            int nValue = Read_Import_Int(aszFields[nColumn]);
            int nBefore =
                nLine == NO_SEASON_LINE ? 0 : Get_Season_Line_Stat(nLine, STAT_DEFENCE_TD);
            if (nValue != 0)
                Import_Season_Stat(nTeam, nSlot, nLine, nYear, STAT_DEFENCE_TD, nBefore + nValue);
        }
    }
    if (Is_In_Season_Group(nTeam, nSlot, SG_KICKER)) {
        Import_Season_Stat(
            nTeam, nSlot, nLine, nYear, STAT_KICK_MADE_SHORT,
            Read_Import_Int(aszFields[SC_FGM_UNDER_20]) + Read_Import_Int(aszFields[SC_FGM_20_29]));
        Import_Season_Stat(
            nTeam, nSlot, nLine, nYear, STAT_KICK_TRIED_SHORT,
            Read_Import_Int(aszFields[SC_FGA_UNDER_20]) + Read_Import_Int(aszFields[SC_FGA_20_29]));
    }
    if (Is_In_Season_Group(nTeam, nSlot, SG_RECEIVER))
        Import_Season_Stat(nTeam, nSlot, nLine, nYear, STAT_YAC,
                           (int)(Read_Import_Decimal(aszFields[SC_YAC]) *
                                 Read_Import_Int(aszFields[SC_RECEPTIONS])));
}

// Lines of the file whose season could not be kept as a line of the player (the pool or his
// links full): their figures still count in his totals.
static int gnUnkeptSeasonLines = 0;

int Import_Season_Line(char* szLine) {
    char aszFields[SEASON_FIELD_COUNT][IMPORT_FIELD_SIZE];
    Split_Import_Fields(szLine, aszFields, SEASON_FIELD_COUNT);
    Keep_Safe_File_Characters(aszFields[SC_OSTREL_ID]);
    int nPlayerId = aszFields[SC_PLAYER_ID][0] == 0 ? -1 : Read_Import_Int(aszFields[SC_PLAYER_ID]);
    const char* szFlag = aszFields[SC_FLAG];
    if (strcasecmp(szFlag, "PRE") == 0 || strcasecmp(szFlag, "POST") == 0 ||
        strcasecmp(szFlag, "PRO") == 0)
        return 0;
    int nBase = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    int nYear = Read_Import_Int(aszFields[SC_YEAR]);
    if (nYear <= nBase - YEARS_BEFORE_BASE || nYear >= nBase + YEARS_AFTER_BASE ||
        aszFields[SC_TEAM][0] == 0)
        return 0;
    Remove_Characters(aszFields[SC_NAME], "*+");
    int nDetailed = Parse_Position_Abbreviation(aszFields[SC_POSITION]);
    int nPosition = nDetailed < 0 ? -1 : Translate_Expanded_Position(nDetailed);

    int nTeam, nSlot;
    if (!Find_Season_Line_Player(&nTeam, &nSlot, nPlayerId, aszFields[SC_OSTREL_ID],
                                 aszFields[SC_NAME], nPosition))
        return 0;
    gScoutTeam = nTeam;
    gScoutSlot = nSlot;

    int nUniform = Read_Import_Int(aszFields[SC_UNIFORM]);
    if (nUniform > 0 &&
        (nYear == nBase || Get_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER) == 0))
        Set_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER, nUniform);
    Update_Season_Position(nTeam, nSlot, nYear, nDetailed);

    int nLineTeam = Get_Season_Line_Team_Number(aszFields[SC_TEAM]);
    if (nLineTeam == NO_TEAM && nYear < nBase &&
        (int)strlen(aszFields[SC_TEAM]) < SHORTEST_KNOWN_TEAM_TEXT) {
        if (!Is_Split_Season_Team(aszFields[SC_TEAM]))
            Log_Debug_Line("Unrecognized team abbreviation: %s (%d)", aszFields[SC_TEAM], nYear);
        return 0;
    }
    int nLine = Find_Player_Season_Line(nTeam, nSlot, nLineTeam, nYear);
    if (nLine == NO_SEASON_LINE && nLineTeam != NO_TEAM) {
        nLine = Add_Player_Season_Line(nTeam, nSlot, nYear, nLineTeam);
        if (Find_Player_Season_Line(nTeam, nSlot, nLineTeam, nYear) != nLine)
            nLine = NO_SEASON_LINE;  // a line he has no link to is freed by the next purge
        gnUnkeptSeasonLines += nLine == NO_SEASON_LINE;
    }
    if (!Is_Season_Line_Index(nLine))
        nLine = NO_SEASON_LINE;

    int nGamesAndStarts =
        Read_Import_Int(aszFields[SC_GAMES]) + Read_Import_Int(aszFields[SC_STARTS]);
    if (Is_Position_Code(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION)))
        Store_Season_Columns(nTeam, nSlot, nLine, nYear, aszFields);

    int nValue = Read_Import_Int(aszFields[SC_VALUE]);
    if (nValue > 0) {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CAREER_VALUE,
                              Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_CAREER_VALUE) + nValue);
        int nLastYear = nBase == NEW_GAME_BASE_YEAR ? LAST_SEASON_OF_2021_BUILD : nBase;
        if (nYear == nLastYear)
            Set_Player_Vital_Stat(
                nTeam, nSlot, VITAL_LINEMAN_BUILD,
                Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_LINEMAN_BUILD) + nValue);
    }
    int nMade = Read_Import_Int(aszFields[SC_FGM]), nTried = Read_Import_Int(aszFields[SC_FGA]);
    if (Is_In_Season_Group(nTeam, nSlot, SG_KICKER) && (nMade > 0 || nTried > 0))
        Fill_Field_Goal_Bands(nTeam, nSlot, nLine, nMade, nTried);
    if (Is_In_Season_Group(nTeam, nSlot, SG_DEFENCE) && nValue > 0)
        Estimate_Defence_Figures(nTeam, nSlot, nLine, nYear, nValue,
                                 Read_Import_Int(aszFields[SC_INTERCEPTIONS]), nGamesAndStarts);
    return 1;
}

void Import_Seasons_File(void) {
    if (!File_Exists(SEASONS_FILE_PATH)) {
        Show_Message_Box("Read Error", REQUIRED_FILE_MISSING_TEXT, SEASONS_FILE_PATH);
        return;
    }
    Rebuild_Player_Name_Hash();
    Rebuild_Ostrel_ID_Hash();
    Rebuild_Player_ID_Hash();
    gScoutTeam = NO_TEAM;
    gScoutSlot = -1;
    gnUnkeptSeasonLines = 0;
    IMPORT_PROGRESS progress = {Max_Int(1, Count_File_Lines(SEASONS_FILE_PATH) / SEASON_FILE_STEPS),
                                SEASON_FILE_STEPS, 0, Import_Season_Line};
    if (Read_Import_File(SEASONS_FILE_PATH, REQUIRED_FILE_MISSING_TEXT, Read_Stepped_Data_Line,
                         &progress))
        Finish_Import_Progress(&progress);
    if (gnUnkeptSeasonLines > 0)
        Show_Message_Box("Import Warning",
                         "%d lines of %s found no room as a season line (the season lines or the "
                         "player's links are full); their figures count in the totals only.",
                         gnUnkeptSeasonLines, SEASONS_FILE_PATH);
}
