// Names as text: dates, months and weekdays, positions, depth-chart roles and ratings.
#include "core/core.h"
#include "resources/resource.h"

#include <stdio.h>
#include <string.h>

#define NAME_SIZE 64
#define POSITION_COUNT 15
#define ANY_POSITION 15
#define DEPTH_ROLE_FIRST 15
#define DEPTH_ROLE_LAST 42
#define RATING_COUNT 27
#define DAYS_PER_YEAR 365

static const int gMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

typedef struct {
    const char* szName;
    const char* szAbbreviation;
} DEPTH_ROLE_TEXT;

static const DEPTH_ROLE_TEXT gDepthRoleTexts[DEPTH_ROLE_LAST - DEPTH_ROLE_FIRST + 1] = {
    {"#1 Receiver", "WR1"},
    {"#2 Receiver", "WR2"},
    {"Slot Receiver", "SWR"},
    {"Return Specialist", "RS"},
    {"Special Teams", "ST"},
    {"Offensive End", "OE"},
    {"Left Tackle", "LT"},
    {"Left Guard", "LG"},
    {"Right Guard", "RG"},
    {"Right Tackle", "RT"},
    {"Long Snapper", "LS"},
    {"Left Defensive End", "LDE"},
    {"Left Defensive Tackle", "LDT"},
    {"Nose Tackle", "NT"},
    {"Right Defensive Tackle", "RDT"},
    {"Right Defensive End", "RDE"},
    {"Middle Linebacker", "MLB"},
    {"Inside Linebacker", "ILB"},
    {"Outside Linebacker", "OLB"},
    {"Left Inside Linebacker", "LILB"},
    {"Right Inside Linebacker", "RILB"},
    {"Left Outside Linebacker", "LOLB"},
    {"Right Outside Linebacker", "ROLB"},
    {"Left Cornerback", "LCB"},
    {"Right Cornerback", "RCB"},
    {"Nickel Back", "NB"},
    {"Strong Safety", "SS"},
    {"Free Safety", "FS"},
};

static const char* const gRatingNames[RATING_COUNT] = {
    "Health",      "Durability",    "Accuracy",      "Distance",      "Control",      "Red Zone",
    "Mobility",    "Speed",         "Power",         "Quickness",     "Vision",       "Receiving",
    "Hands",       "Kick Returns",  "Punt Returns",  "Pass Blocking", "Run Blocking", "Discipline",
    "Run Defense", "Pass Rush",     "Pass Coverage", "Turnovers",     "Tackling",     "FG Accuracy",
    "FG Distance", "Punt Accuracy", "Punt Distance",
};

// The string-table word nFirstId + nIndex for 0 <= nIndex < nCount, else the empty text.
static void Load_Indexed_Word(UINT nFirstId, int nIndex, int nCount, char* szOut, int nSize) {
    if (nIndex < 0 || nIndex >= nCount) {
        szOut[0] = 0;
        return;
    }
    Load_String(nFirstId + (UINT)nIndex, szOut, nSize);
}

void Get_Month_Name(int nMonth, char* szOut, int nSize) {
    Load_Indexed_Word(IDS_MONTHS, nMonth, 12, szOut, nSize);
}

void Get_Weekday_Name(int nWeekday, char* szOut, int nSize) {
    Load_Indexed_Word(IDS_WEEKDAYS, nWeekday, 7, szOut, nSize);
}

// Day 0 is 1 January; the calendar has no leap years.
void Get_Date_Text(int nDay, char* szOut, int nSize) {
    int nDayOfYear = (nDay % DAYS_PER_YEAR + DAYS_PER_YEAR) % DAYS_PER_YEAR;
    int nMonth = 0;
    while (nDayOfYear >= gMonthLengths[nMonth]) {
        nDayOfYear -= gMonthLengths[nMonth];
        nMonth++;
    }
    char szMonth[NAME_SIZE];
    Get_Month_Name(nMonth, szMonth, sizeof(szMonth));
    Format_String(szOut, nSize, "%s %d", szMonth, nDayOfYear + 1);
}

void Format_Date_With_Year(int nDay, int nYear, char* szOut, int nSize) {
    Get_Date_Text(nDay, szOut, nSize);
    Append_Format_String(szOut, nSize, ", %d", nYear);
}

void Get_Position_Name(int nPosition, char* szOut, int nSize) {
    if (nPosition == ANY_POSITION) {
        safe_strncpy(szOut, "Any Position", nSize);
    } else if (nPosition < 0 || nPosition >= POSITION_COUNT) {
        safe_strncpy(szOut, "<Error>", nSize);
    } else {
        Load_Indexed_Word(IDS_POSITION_NAMES, nPosition, POSITION_COUNT, szOut, nSize);
    }
}

void Get_Position_Name_Lowercase(int nPosition, char* szOut, int nSize) {
    Get_Position_Name(nPosition, szOut, nSize);
    Make_Lower_Case(szOut);
}

void Get_Position_Abbreviation(int nPosition, char* szOut, int nSize) {
    if (nPosition == ANY_POSITION) {
        safe_strncpy(szOut, "Any", nSize);
    } else {
        Load_Indexed_Word(IDS_POSITION_ABBREVIATIONS, nPosition, POSITION_COUNT, szOut, nSize);
    }
}

void Get_Depth_Role_Name(int nRole, char* szOut, int nSize) {
    if (nRole >= DEPTH_ROLE_FIRST && nRole <= DEPTH_ROLE_LAST) {
        safe_strncpy(szOut, gDepthRoleTexts[nRole - DEPTH_ROLE_FIRST].szName, nSize);
    } else {
        Load_Indexed_Word(IDS_POSITION_NAMES, nRole, POSITION_COUNT, szOut, nSize);
    }
}

void Get_Depth_Role_Abbreviation(int nRole, char* szOut, int nSize) {
    if (nRole >= DEPTH_ROLE_FIRST && nRole <= DEPTH_ROLE_LAST) {
        safe_strncpy(szOut, gDepthRoleTexts[nRole - DEPTH_ROLE_FIRST].szAbbreviation, nSize);
    } else {
        Load_Indexed_Word(IDS_POSITION_ABBREVIATIONS, nRole, POSITION_COUNT, szOut, nSize);
    }
}

void Get_Rating_Name(int nRating, char* szOut, int nSize) {
    if (nRating < 0 || nRating >= RATING_COUNT) {
        szOut[0] = 0;
        return;
    }
    safe_strncpy(szOut, gRatingNames[nRating], nSize);
}
