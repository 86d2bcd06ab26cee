// The position texts of the import files and their detailed position codes: 0..14 are the
// positions, 15..42 the formation spots that map back to them.
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"
#include "tools/tools.h"

#define MOST_POSITION_PARTS 5
#define POSITION_TEXT_SIZE 64

typedef struct POSITION_TEXT {
    const char* szText;
    int nCode;
} POSITION_TEXT;

// Looked up case-insensitively; the first match wins.
static const POSITION_TEXT kPositionTexts[] = {
    {"QB", 0},    {"RB", 1},    {"HB", 1},     {"HBK", 1},   {"LH", 1},     {"RH", 1},
    {"OHB", 1},   {"FB", 2},    {"TB", 2},     {"BB", 2},    {"B", 2},      {"TE", 3},
    {"WR", 4},    {"SE", 4},    {"T", 5},      {"OT", 5},    {"OY", 5},     {"G", 6},
    {"OG", 6},    {"OL", 6},    {"C", 7},      {"DE", 8},    {"DL", 8},     {"DLE", 8},
    {"LEO", 8},   {"OB", 8},    {"DE/OB", 8},  {"EDGE", 8},  {"DT", 9},     {"UT", 9},
    {"DG", 9},    {"MG", 9},    {"LB", 10},    {"CB", 11},   {"DHB", 11},   {"S", 12},
    {"SAF", 12},  {"DB", 12},   {"K", 13},     {"P", 14},    {"LWR", 15},   {"WR1", 15},
    {"RWR", 16},  {"WR2", 16},  {"FL", 17},    {"WB", 17},   {"SB", 17},    {"SWR", 17},
    {"RS", 18},   {"KR", 18},   {"PR", 18},    {"ST", 19},   {"OE", 20},    {"E", 20},
    {"LT", 21},   {"LG", 22},   {"RG", 23},    {"RT", 24},   {"LS", 25},    {"LE", 26},
    {"LDE", 26},  {"LDT", 27},  {"LNT", 27},   {"NT", 28},   {"RDT", 29},   {"RNT", 29},
    {"RE", 30},   {"RDE", 30},  {"MLB", 31},   {"MIKE", 31}, {"ILB", 32},   {"OLB", 33},
    {"LILB", 34}, {"SILB", 34}, {"ILB/M", 34}, {"RILB", 35}, {"WILB", 35},  {"ILB/W", 35},
    {"SOLB", 36}, {"SLB", 36},  {"SAM", 36},   {"LOLB", 36}, {"OLB/L", 36}, {"LLB", 36},
    {"WOLB", 37}, {"WLB", 37},  {"WILL", 37},  {"ROLB", 37}, {"OLB/R", 37}, {"RLB", 37},
    {"RUSH", 37}, {"JACK", 37}, {"LCB", 38},   {"RCB", 39},  {"N", 40},     {"NB", 40},
    {"SS", 41},   {"FS", 42}};

// The texts a combined position ("LB/DE") prefers over its other parts (all coded 1).
static const POSITION_TEXT kPreferredTexts[] = {
    {"QB", 1},   {"RB", 1},   {"HB", 1},   {"HBK", 1}, {"LH", 1},   {"RH", 1},   {"OHB", 1},
    {"FB", 1},   {"TB", 1},   {"BB", 1},   {"TE", 1},  {"WR", 1},   {"LWR", 1},  {"RWR", 1},
    {"SWR", 1},  {"OE", 1},   {"FL", 1},   {"WB", 1},  {"SB", 1},   {"E", 1},    {"SE", 1},
    {"RT", 1},   {"LT", 1},   {"T", 1},    {"OT", 1},  {"RG", 1},   {"LG", 1},   {"G", 1},
    {"OG", 1},   {"C", 1},    {"LS", 1},   {"DE", 1},  {"LDE", 1},  {"RDE", 1},  {"DLE", 1},
    {"RE", 1},   {"DT", 1},   {"NT", 1},   {"LDT", 1}, {"LNT", 1},  {"RDT", 1},  {"RNT", 1},
    {"LB", 1},   {"MLB", 1},  {"OLB", 1},  {"ILB", 1}, {"ROLB", 1}, {"WOLB", 1}, {"SOLB", 1},
    {"LOLB", 1}, {"RILB", 1}, {"LILB", 1}, {"SLB", 1}, {"WLB", 1},  {"WILB", 1}, {"SILB", 1},
    {"SAM", 1},  {"MIKE", 1}, {"WILL", 1}, {"LLB", 1}, {"RLB", 1},  {"LOL", 1},  {"ROL", 1},
    {"CB", 1},   {"DHB", 1},  {"RCB", 1},  {"LCB", 1}, {"S", 1},    {"SS", 1},   {"FS", 1},
    {"SAF", 1},  {"K", 1},    {"P", 1}};

// Players whose listed position says nothing; their codes by full name.
static const POSITION_TEXT kKnownPlayerPositions[] = {
    {"Orrin Quayle", 0},   {"Bastian Ferro", 2},  {"Wendell Oyelaran", 4}, {"Tomas Brightwater", 8},
    {"Hollis Marrow", 10}, {"Ezra Kettleby", 12}, {"Lucan Thorvald", 13},  {"Pim Achterberg", 14}};

#define COUNT_OF(a) ((int)(sizeof(a) / sizeof((a)[0])))

// The code of the first row whose text is szText in any letter case; -1 when none is.
static int Find_Text_Code(const POSITION_TEXT* pRows, int nRows, const char* szText) {
    for (int i = 0; i < nRows; i++) {
        if (strcasecmp(szText, pRows[i].szText) == 0)
            return pRows[i].nCode;
    }
    return -1;
}

int Find_Position_Abbreviation(const char* szText) {
    return Find_Text_Code(kPositionTexts, COUNT_OF(kPositionTexts), szText);
}

int Is_Preferred_Position_Abbreviation(const char* szText) {
    return Find_Text_Code(kPreferredTexts, COUNT_OF(kPreferredTexts), szText) == 1;
}

int Get_Known_Player_Position(const char* szFullName) {
    return Find_Text_Code(kKnownPlayerPositions, COUNT_OF(kKnownPlayerPositions), szFullName);
}

// A whole text first; else its parts split at "/", "-" and ",": the first preferred part, or
// the first part known at all.
int Parse_Position_Abbreviation(const char* szText) {
    int nCode = Find_Position_Abbreviation(szText);
    if (nCode >= 0)
        return nCode;
    char szRest[POSITION_TEXT_SIZE];
    safe_strncpy(szRest, szText, sizeof(szRest));
    for (char* p = szRest; *p; p++) {
        if (*p == '/' || *p == '-')
            *p = ',';
    }
    int nFirst = -1;
    for (int nPart = 0; nPart < MOST_POSITION_PARTS && szRest[0] != 0; nPart++) {
        char szPart[POSITION_TEXT_SIZE];
        Pop_Field(szPart, sizeof(szPart), szRest, ',');
        int nPartCode = Find_Position_Abbreviation(szPart);
        if (nPartCode < 0)
            continue;
        if (Is_Preferred_Position_Abbreviation(szPart))
            return nPartCode;
        if (nFirst < 0)
            nFirst = nPartCode;
    }
    return nFirst;
}
