// The offensive playbook style of each of the first 32 franchises in the seasons 2016..2020 and
// from 2021 on.
#include "engine/engine.h"

#define STYLED_TEAM_COUNT 32
#define STYLE_COLUMNS 6
#define FIRST_STYLE_YEAR 2016

#define SB "Single Back"
#define SM "Smash Mouth"
#define RQ "Running QB"
#define WCS "West Coast Scramble"
#define AH "Air Halvorn"
#define PI "Pistol"
#define PS "Pistol Scramble"
#define PP "Pocket Passer"

// Columns 2016, 2017, 2018, 2019, 2020, 2021 and later.
static const char* const kPlaybookStyles[STYLED_TEAM_COUNT][STYLE_COLUMNS] = {
    /*  0 */ {SB, SB, SB, SB, SB, SB},
    /*  1 */ {SB, SB, SB, SB, SB, SB},
    /*  2 */ {SB, SB, RQ, RQ, SB, SB},
    /*  3 */ {SM, SM, SM, SM, SM, SM},
    /*  4 */ {RQ, RQ, RQ, RQ, RQ, RQ},
    /*  5 */ {WCS, WCS, WCS, WCS, WCS, WCS},
    /*  6 */ {SM, SM, SM, SM, SM, SM},
    /*  7 */ {SM, SM, SM, SM, SM, SM},
    /*  8 */ {WCS, WCS, WCS, WCS, WCS, WCS},
    /*  9 */ {SB, SB, SB, SB, SB, SB},
    /* 10 */ {AH, AH, AH, AH, AH, AH},
    /* 11 */ {WCS, WCS, WCS, WCS, WCS, WCS},
    /* 12 */ {SB, SB, SB, SB, SB, SB},
    /* 13 */ {WCS, WCS, WCS, WCS, WCS, WCS},
    /* 14 */ {WCS, WCS, WCS, WCS, WCS, WCS},
    /* 15 */ {SB, SB, SB, SB, SB, SB},
    /* 16 */ {SB, AH, AH, AH, PS, PS},
    /* 17 */ {PI, SB, SB, SB, AH, AH},
    /* 18 */ {SM, PI, PI, PI, SB, SB},
    /* 19 */ {SB, SM, SM, SM, PI, PI},
    /* 20 */ {AH, SB, SB, SB, SM, SM},
    /* 21 */ {SB, AH, AH, AH, RQ, RQ},
    /* 22 */ {SM, SB, SB, SB, AH, AH},
    /* 23 */ {PS, SM, SM, SM, SB, SB},
    /* 24 */ {PS, PS, PS, PS, SM, SM},
    /* 25 */ {SM, PS, PS, PS, PS, PS},
    /* 26 */ {AH, SM, SM, SM, SM, SM},
    /* 27 */ {RQ, RQ, RQ, RQ, RQ, RQ},
    /* 28 */ {PI, PI, PI, PI, PI, PI},
    /* 29 */ {WCS, WCS, WCS, WCS, PP, PP},
    /* 30 */ {SM, SM, SM, SM, SM, SM},
    /* 31 */ {PS, PS, PS, PS, PS, PS},
};

// Years before 2016 read the 2016 column.
const char* Get_Team_Playbook_Style(int nTeam, int nYear) {
    if (nTeam < 0 || nTeam >= STYLED_TEAM_COUNT)
        return NULL;
    int nColumn = Clamp(nYear - FIRST_STYLE_YEAR, 0, STYLE_COLUMNS - 1);
    return kPlaybookStyles[nTeam][nColumn];
}
