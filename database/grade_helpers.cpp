// The player measures the derived grades share: blocking, the linemen's build, a career's
// reception rate and the squeeze of a grade toward the middle of the scale.
#include "database/database.h"

#define SEASON_LINK_LIMIT 29
#define RUN_BLOCKER_GRADE 70

int Get_Lineman_Vital_Score(int nTeam, int nSlot) {
    int nOldUniform = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_OLD_UNIFORM);
    int nExperience = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
    int nBuild = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_LINEMAN_BUILD);
    return (Mul_Div(3 * nOldUniform, 1, nExperience) + 3 * nBuild) / 4;
}

// A grade far from the middle of the scale keeps only half its distance beyond it.
static int Halve_Beyond(int h, int nLow, int nHigh) {
    if (h < nLow)
        return (h + nLow) / 2;
    if (h > nHigh)
        return (h + nHigh) / 2;
    return h;
}

// Build, starts and sacks allowed; recent eras count sacks allowed against a lineman less.
int Get_Player_Blocking_Score(int nTeam, int nSlot) {
    int nWeight = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT);
    int nStarts = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_STARTS);
    int Y = Get_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, OFF_RUSHING_YARDS);
    int A = Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, STAT_YARDS_PER_RUSH) / 10;
    int F = Max_Int(A <= 384 ? 15 : 400 - A, -15);
    int h = Min_Int(Y / 40, F) + (500 - Y) / 20 + (nWeight - 220) / 2 + 2 * nStarts + 30;
    int nFirstYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    if (nFirstYear > 1985 && Y > 500)
        h = Mul_Div(h, 6250, (Y - 500) * (nFirstYear - 1980) + 6250);
    return Clamp(Halve_Beyond(h, 30, 70), 0, 100);
}

int Get_Player_Run_Block_Grade(int nTeam, int nSlot) {
    int nRunBlocking = (int)Get_Player_Rating(nTeam, nSlot, RATING_RUN_BLOCKING);
    int nReceiving = (int)Get_Player_Rating(nTeam, nSlot, RATING_RECEIVING);
    int f = Mul_Div((nRunBlocking - 70) * 3 + Get_Player_Blocking_Score(nTeam, nSlot), 140,
                    nReceiving + 70);
    int nUniform = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER);
    if (nUniform >= 30 && nUniform <= 49) {
        f = Mul_Div(f, nUniform, 20);
        if (f == 0)
            f = 10;
    }
    return Clamp(Halve_Beyond(f, 20, 80), 0, 100);
}

int Is_Run_Blocker(int nTeam, int nSlot) {
    return Get_Player_Run_Block_Grade(nTeam, nSlot) >= RUN_BLOCKER_GRADE;
}

float Compress_Rating_Scale(float v) {
    if (v > 90.0f)
        v = (v + 90.0f) / 2.0f;
    if (v < 70.0f)
        v = (v + 70.0f) / 2.0f;
    return v;
}

// Receptions per target over the career lines whose targets cover their receptions, per mille.
int Get_Career_Reception_Rate(int nTeam, int nSlot) {
    if (Get_Position_Group(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)) != GROUP_SKILL)
        return 0;
    int nTargets = 0;
    int nReceptions = 0;
    for (int n = 0; n < SEASON_LINK_LIMIT; n++) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
        if (nLine < 0)
            continue;
        int nLineTargets = Get_Season_Line_Stat(nLine, OFF_TARGETS);
        int nLineReceptions = Get_Season_Line_Stat(nLine, OFF_RECEPTIONS);
        if (nLineTargets >= nLineReceptions) {
            nTargets += nLineTargets;
            nReceptions += nLineReceptions;
        }
    }
    return Mul_Div(nReceptions, 1000, nTargets);
}
