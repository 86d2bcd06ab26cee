// The cells of the sortable player list: each column's text for a player and the number it sorts
// by.
#include <stdlib.h>

#include "personnel/personnel.h"
#include "shell/shell.h"

#define CELL_NOT_APPLICABLE " ... "
#define CELL_EN_DASH "\x96"
#define CELL_NAME_SIZE 64
#define LONG_NAME_FOR_MARKER 20
#define FINAL_POSTSEASON_ENTRY 3
#define MONEY_MILLION 1000  // thousands

// How a cell reads and writes its value; the column's number says which value.
enum CELL_KIND {
    CELL_NAME = 0,
    CELL_TEAM,
    CELL_POSITION,
    CELL_GRADE,          // predicted overall and peak
    CELL_MONEY,          // a vital stat in thousands
    CELL_VITAL,          // a plain vital stat, never below 0
    CELL_FORTY,          // hundredths of a second; faster sorts larger
    CELL_GAMES,          // games and starts of the chosen season kind
    CELL_HEIGHT,         // feet and inches
    CELL_VITAL_PLAIN,    // weight, injury weeks
    CELL_BYTE,           // a byte stat: rings, uniform number
    CELL_AGE,
    CELL_PASSING,        // and the coverage column
    CELL_RUSH_RECEIVE,
    CELL_BALL_CARRIER,   // fumbles, yards after catch
    CELL_RETURNS,
    CELL_LINE_RUSHING,   // a lineman's yards per rush and sacks allowed
    CELL_LINE_PENALTIES,
    CELL_DEFENCE,
    CELL_KICKING,
    CELL_RATING,
    CELL_DEPTH,
    CELL_STAT_LINE,
    CELL_SCOUTING_SCORE,
    CELL_COLLEGE,
    CELL_ID_STRING,
    CELL_DRAFT_YEAR,
    CELL_DRAFT_TEAM,
    CELL_DRAFT_ROUND,
    CELL_DRAFT_PICK,
    CELL_UNUSED,
    CELL_KIND_COUNT
};

struct CELL_KIND_RANGE {
    int nFirst;
    int nLast;
    int nKind;
};

static const CELL_KIND_RANGE kCellKindRanges[] = {
    {0, 0, CELL_NAME},           {1, 1, CELL_TEAM},           {2, 2, CELL_POSITION},
    {3, 4, CELL_GRADE},          {5, 5, CELL_MONEY},          {8, 8, CELL_MONEY},
    {11, 11, CELL_MONEY},        {6, 6, CELL_VITAL},          {91, 91, CELL_VITAL},
    {7, 7, CELL_FORTY},          {9, 10, CELL_GAMES},         {113, 124, CELL_GAMES},
    {12, 12, CELL_HEIGHT},       {13, 13, CELL_VITAL_PLAIN},  {93, 93, CELL_VITAL_PLAIN},
    {14, 14, CELL_BYTE},         {105, 105, CELL_BYTE},       {15, 15, CELL_AGE},
    {16, 24, CELL_PASSING},      {55, 55, CELL_PASSING},      {68, 68, CELL_PASSING},
    {99, 99, CELL_PASSING},      {25, 28, CELL_RUSH_RECEIVE}, {30, 33, CELL_RUSH_RECEIVE},
    {108, 108, CELL_RUSH_RECEIVE}, {29, 29, CELL_BALL_CARRIER}, {100, 100, CELL_BALL_CARRIER},
    {34, 41, CELL_RETURNS},      {42, 43, CELL_LINE_RUSHING}, {44, 45, CELL_LINE_PENALTIES},
    {46, 54, CELL_DEFENCE},      {103, 103, CELL_DEFENCE},    {56, 67, CELL_KICKING},
    {101, 102, CELL_KICKING},    {69, 90, CELL_RATING},       {94, 95, CELL_RATING},
    {104, 104, CELL_RATING},     {106, 106, CELL_RATING},     {92, 92, CELL_DEPTH},
    {96, 96, CELL_STAT_LINE},    {97, 97, CELL_SCOUTING_SCORE}, {98, 98, CELL_COLLEGE},
    {107, 107, CELL_ID_STRING},  {109, 109, CELL_DRAFT_YEAR}, {110, 110, CELL_DRAFT_TEAM},
    {111, 111, CELL_DRAFT_ROUND}, {112, 112, CELL_DRAFT_PICK}, {125, 125, CELL_UNUSED},
};

static int Get_Cell_Kind(int nId) {
    for (const CELL_KIND_RANGE& range : kCellKindRanges) {
        if (nId >= range.nFirst && nId <= range.nLast)
            return range.nKind;
    }
    return CELL_KIND_COUNT;
}

// How a statistic column writes its number, by the statistic it shows.
enum STAT_SCALE { SCALE_PLAIN = 0, SCALE_TENTHS, SCALE_HUNDREDTHS, SCALE_PER_MILLE, SCALE_PERCENT };

static int Get_Stat_Scale(int nStat) {
    switch (nStat) {
    case STAT_PASSER_RATING:
    case STAT_YARDS_PER_RECEPTION:
    case STAT_YARDS_AFTER_CATCH_AVERAGE:
    case STAT_PUNT_AVERAGE:
    case STAT_KICK_RETURN_AVERAGE:
    case STAT_PUNT_RETURN_AVERAGE:
    case STAT_SACK_TENTHS:
    case STAT_TACKLES_PER_GAME: return SCALE_TENTHS;
    case STAT_YARDS_PER_ATTEMPT:
    case STAT_YARDS_PER_COMPLETION:
    case STAT_YARDS_PER_RUSH:
    case STAT_SACKS_ALLOWED_WEIGHT: return SCALE_HUNDREDTHS;
    case STAT_COMPLETION_RATE:
    case STAT_EXTRA_POINT_RATE:
    case STAT_FIELD_GOAL_RATE:
    case STAT_FG_RATE_UNDER_40:
    case STAT_FG_RATE_40_PLUS:
    case STAT_COVERAGE_COMPLETION_RATE: return SCALE_PER_MILLE;
    case STAT_TACKLE_SHARE: return SCALE_PERCENT;
    default: return SCALE_PLAIN;
    }
}

// A signed number with its fraction: "-0.5" keeps its sign though the whole part is 0.
static void Format_Fraction(char* szOut, int nSize, int nValue, int nDivisor, int nDigits,
                            const char* szSuffix) {
    int nMagnitude = abs(nValue);
    Format_String(szOut, nSize, "%s%d.%0*d%s", nValue < 0 ? "-" : "", nMagnitude / nDivisor,
                  nDigits, nMagnitude % nDivisor, szSuffix);
}

static void Format_Stat_Number(char* szOut, int nSize, int nValue, int nScale) {
    switch (nScale) {
    case SCALE_TENTHS: Format_Fraction(szOut, nSize, nValue, 10, 1, ""); break;
    case SCALE_HUNDREDTHS: Format_Fraction(szOut, nSize, nValue, 100, 2, ""); break;
    case SCALE_PER_MILLE: Format_Fraction(szOut, nSize, nValue, 10, 1, "%"); break;
    case SCALE_PERCENT: Format_String(szOut, nSize, "%d%%", nValue); break;
    default: Format_String(szOut, nSize, "%d", nValue); break;
    }
}

void Format_Scaled_Number(char* szOut, int nSize, int nValue, int nScale) {
    switch (nScale) {
    case 0: Format_String(szOut, nSize, "%d", nValue); break;
    case 10: Format_String(szOut, nSize, "%d.%01d", nValue / 10, nValue % 10); break;
    case 100: Format_String(szOut, nSize, "%d.%02d", nValue / 100, nValue % 100); break;
    case 1000:
        if (nValue < 1000)
            Format_String(szOut, nSize, ".%03d", nValue);
        else
            Format_String(szOut, nSize, "%d.%03d", nValue / 1000, nValue % 1000);
        break;
    default: Format_String(szOut, nSize, "%d%%", nValue); break;
    }
}

void Append_Injury_Status(char* szName, int nSize, int nTeam, int nSlot) {
    int nWeeks = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS);
    if (nWeeks <= 0)
        return;
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY) == INJURY_HOLDOUT) {
        Append_Format_String(szName, nSize, "%s",
                             strlen(szName) > LONG_NAME_FOR_MARKER ? " [--]" : " [holdout]");
        return;
    }
    int nLastWeek = Get_Postseason_Week(FINAL_POSTSEASON_ENTRY);
    if (nWeeks >= nLastWeek - gCurrentWeek + 1)
        Append_Format_String(szName, nSize, " [out]");
    else
        Append_Format_String(szName, nSize, " [%d]", nWeeks);
}

static int Is_Fantasy_Draft_Running(void) {
    return Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) >= 1;
}

// The whole cell is " ... " and -1 unless a kind below writes it.
struct CELL {
    char* szOut;
    int nSize;
    int nValue;
};

static void Write_Cell_Number(CELL* pCell, int nValue, const char* szFormat) {
    pCell->nValue = nValue;
    if (pCell->szOut)
        Format_String(pCell->szOut, pCell->nSize, szFormat, nValue);
}

static void Write_Cell_Text(CELL* pCell, const char* szText, int nValue) {
    pCell->nValue = nValue;
    if (pCell->szOut)
        safe_strncpy(pCell->szOut, szText, pCell->nSize);
}

static void Write_Cell_Stat(CELL* pCell, int nValue, int nStat) {
    pCell->nValue = nValue;
    if (pCell->szOut)
        Format_Stat_Number(pCell->szOut, pCell->nSize, nValue, Get_Stat_Scale(nStat));
}

static void Write_Name_Cell(CELL* pCell, int nTeam, int nSlot) {
    pCell->nValue = -1;
    if (!pCell->szOut)
        return;
    char szName[CELL_NAME_SIZE];
    Get_Player_Last_First_Name(nTeam, nSlot, szName, sizeof(szName));
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) <= 1 &&
        Is_Season_Complete() && nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT)
        Format_String(pCell->szOut, pCell->nSize, "(%s)", szName);
    else
        safe_strncpy(pCell->szOut, szName, pCell->nSize);
    Append_Injury_Status(pCell->szOut, pCell->nSize, nTeam, nSlot);
}

static void Write_Team_Cell(CELL* pCell, int nTeam) {
    char szAbbreviation[CELL_NAME_SIZE];
    if (!Is_Valid_Team(nTeam)) {
        Write_Cell_Text(pCell, CELL_EN_DASH, nTeam);
        return;
    }
    Get_Team_String(szAbbreviation, sizeof(szAbbreviation), nTeam, TEAM_ABBREVIATION);
    Write_Cell_Text(pCell, szAbbreviation, nTeam);
}

static void Write_Money_Cell(CELL* pCell, int nThousands) {
    pCell->nValue = nThousands;
    if (!pCell->szOut)
        return;
    if (nThousands >= MONEY_MILLION)
        Format_String(pCell->szOut, pCell->nSize, "$%d.%02dM", nThousands / MONEY_MILLION,
                      nThousands % MONEY_MILLION / 10);
    else if (nThousands >= 1)
        Format_String(pCell->szOut, pCell->nSize, "$%dK", nThousands);
    else
        safe_strncpy(pCell->szOut, "$0", pCell->nSize);
}

static int Is_Position_In(int nPosition, int nFirst, int nLast) {
    return nPosition >= nFirst && nPosition <= nLast;
}

// Whether a statistic column of the kind is meant for the player's position.
static int Does_Stat_Column_Apply(int nKind, int nId, int nPosition) {
    switch (nKind) {
    case CELL_PASSING:
        return nId == 55 ? Is_Position_In(nPosition, POS_DE, POS_S) : nPosition == POS_QB;
    case CELL_RUSH_RECEIVE:
    case CELL_BALL_CARRIER: return Is_Position_In(nPosition, POS_QB, POS_WR);
    case CELL_RETURNS: return Is_Returning_Position(nPosition);
    case CELL_LINE_RUSHING:
    case CELL_LINE_PENALTIES: return Is_Position_In(nPosition, POS_T, POS_C);
    case CELL_DEFENCE: return Is_Position_In(nPosition, POS_DE, POS_S);
    case CELL_KICKING: return Is_Position_In(nPosition, POS_K, POS_P);
    default: return 1;
    }
}

static void Write_Draft_Team_Cell(CELL* pCell, int nTeam, int nSlot) {
    int nRecord = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD);
    if (nRecord < 10000)
        return;
    Write_Team_Cell(pCell, nRecord / 10000 - 1);
}

static void Write_Statistic_Cell(CELL* pCell, int nKind, int nId, int nNumber, int nTeam,
                                 int nSlot) {
    if (!Does_Stat_Column_Apply(nKind, nId, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)))
        return;
    Write_Cell_Stat(pCell, Get_Player_Stat(nTeam, nSlot, gStatPeriod, nNumber), nNumber);
}

static void Write_Vital_Cell(CELL* pCell, int nKind, int nNumber, int nTeam, int nSlot) {
    int nValue = Get_Player_Vital_Stat(nTeam, nSlot, nNumber);
    switch (nKind) {
    case CELL_MONEY:
        if (nTeam < HALL_OF_FAME_TEAM || nTeam > LAST_DRAFT_POOL_TEAM)
            Write_Money_Cell(pCell, nValue);
        break;
    case CELL_VITAL: Write_Cell_Number(pCell, nValue < 0 ? 0 : nValue, "%d"); break;
    case CELL_VITAL_PLAIN: Write_Cell_Number(pCell, nValue, "%d"); break;
    case CELL_FORTY:
        pCell->nValue = -nValue;
        if (pCell->szOut)
            Format_String(pCell->szOut, pCell->nSize, "%d.%02d", nValue / 100, nValue % 100);
        break;
    case CELL_HEIGHT:
        pCell->nValue = nValue;
        if (pCell->szOut)
            Format_String(pCell->szOut, pCell->nSize, "%d-%d", nValue / 12, nValue % 12);
        break;
    default: break;
    }
}

static void Write_Draft_Cell(CELL* pCell, int nKind, int nTeam, int nSlot) {
    int nPick = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK);
    switch (nKind) {
    case CELL_DRAFT_YEAR:
        Write_Cell_Number(pCell, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD) % 10000,
                          "%d");
        break;
    case CELL_DRAFT_TEAM: Write_Draft_Team_Cell(pCell, nTeam, nSlot); break;
    case CELL_DRAFT_ROUND: Write_Cell_Number(pCell, nPick / 100000, "%d"); break;
    default: Write_Cell_Number(pCell, nPick % 1000, "%d"); break;
    }
}

static void Write_Player_Text_Cell(CELL* pCell, int nKind, int nTeam, int nSlot) {
    char szText[LISTVIEW_CELL_TEXT_SIZE];
    switch (nKind) {
    case CELL_POSITION: {
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        Get_Position_Abbreviation(nPosition, szText, sizeof(szText));
        Write_Cell_Text(pCell, szText, nPosition);
        break;
    }
    case CELL_STAT_LINE: {
        int nKey = Format_Player_Stat_Summary(nTeam, nSlot, gStatPeriod, szText, sizeof(szText));
        Write_Cell_Text(pCell, szText, nKey);
        break;
    }
    case CELL_COLLEGE:
        Get_Player_College_Display_Name(nTeam, nSlot, szText, sizeof(szText));
        Write_Cell_Text(pCell, szText, -1);
        break;
    default:
        Copy_Player_Ostrel_ID(nTeam, nSlot, szText, sizeof(szText));
        Write_Cell_Text(pCell, szText, Get_Player_ID(nTeam, nSlot));
        break;
    }
}

static void Write_Scouting_Score_Cell(CELL* pCell, int nTeam, int nSlot) {
    int bPool = nTeam >= FIRST_DRAFT_POOL_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM;
    int nValue = bPool ? Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SCOUTING_SCORE)
                       : Get_Predicted_Stat(nTeam, nSlot, STAT_PROSPECT_VALUE);
    pCell->nValue = nValue;
    if (pCell->szOut)
        Format_String(pCell->szOut, pCell->nSize, "%d.%d", nValue / 10, abs(nValue % 10));
}

static void Write_Rating_Cell(CELL* pCell, int nRating, int nTeam, int nSlot) {
    int nValue = (int)Get_Player_Rating(nTeam, nSlot, nRating);
    Write_Cell_Number(pCell, Get_Scouted_Rating_Value(nTeam, nSlot, nValue), "%d");
}

static void Write_Cell(CELL* pCell, int nKind, int nId, int nNumber, int nTeam, int nSlot) {
    switch (nKind) {
    case CELL_NAME: Write_Name_Cell(pCell, nTeam, nSlot); break;
    case CELL_TEAM:
        if (!Is_Fantasy_Draft_Running())
            Write_Team_Cell(pCell, nTeam);
        else
            Write_Team_Cell(pCell, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO));
        break;
    case CELL_GRADE: Write_Cell_Number(pCell, Get_Predicted_Stat(nTeam, nSlot, nNumber), "%d"); break;
    case CELL_MONEY:
    case CELL_VITAL:
    case CELL_VITAL_PLAIN:
    case CELL_FORTY:
    case CELL_HEIGHT: Write_Vital_Cell(pCell, nKind, nNumber, nTeam, nSlot); break;
    case CELL_GAMES:
        Write_Cell_Number(pCell, Get_Player_Stat(nTeam, nSlot, gStatPeriod, nNumber), "%d");
        break;
    case CELL_BYTE: Write_Cell_Number(pCell, Get_Player_Byte_Stat(nTeam, nSlot, nNumber), "%d"); break;
    case CELL_AGE: Write_Cell_Number(pCell, Get_Player_Exact_Age(nTeam, nSlot), "%d"); break;
    case CELL_PASSING:
    case CELL_RUSH_RECEIVE:
    case CELL_BALL_CARRIER:
    case CELL_RETURNS:
    case CELL_LINE_RUSHING:
    case CELL_LINE_PENALTIES:
    case CELL_DEFENCE:
    case CELL_KICKING: Write_Statistic_Cell(pCell, nKind, nId, nNumber, nTeam, nSlot); break;
    case CELL_RATING: Write_Rating_Cell(pCell, nNumber, nTeam, nSlot); break;
    case CELL_DEPTH:
        Write_Cell_Number(pCell, Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nNumber), "%d");
        break;
    case CELL_SCOUTING_SCORE: Write_Scouting_Score_Cell(pCell, nTeam, nSlot); break;
    case CELL_POSITION:
    case CELL_STAT_LINE:
    case CELL_COLLEGE:
    case CELL_ID_STRING: Write_Player_Text_Cell(pCell, nKind, nTeam, nSlot); break;
    case CELL_DRAFT_YEAR:
    case CELL_DRAFT_TEAM:
    case CELL_DRAFT_ROUND:
    case CELL_DRAFT_PICK: Write_Draft_Cell(pCell, nKind, nTeam, nSlot); break;
    default: break;
    }
}

int Get_Listview_Cell_Text(char* szOut, int nSize, int nId, int nTeam, int nSlot) {
    CELL cell = {szOut, nSize, -1};
    if (szOut)
        safe_strncpy(szOut, CELL_NOT_APPLICABLE, nSize);
    if (nId < 0 || nId >= STAT_COLUMN_ID_LIMIT || !Is_Player_Slot_Used(nTeam, nSlot))
        return -1;
    const STAT_COLUMN* pColumn = Get_Stat_Column(nId);
    Write_Cell(&cell, Get_Cell_Kind(nId), nId, pColumn ? pColumn->nNumber : 0, nTeam, nSlot);
    return cell.nValue;
}
