// Team strengths moved toward the targets a build's team records give them, so that the good
// teams of the real season start strong.
#include <math.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define MOST_NUDGES 1000
#define NUDGE_DIVISOR 150
#define TACKLING_CENTRE 70.0f
#define TACKLING_WIDTH 25.0f
#define OVERALL_CENTRE 72.0f
#define OVERALL_WIDTH 20.0f
#define LOWEST_RATING 20.0f

int Get_League_Average_Strength(void) {
    int64_t nSum = 0;
    int nTeams = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam)) {
            nSum += Get_Team_Overall_Strength(nTeam);
            nTeams++;
        }
    }
    return nTeams == 0 ? 0 : (int)(nSum / nTeams);
}

static int Is_Defender(int nPosition) {
    return Get_Position_Group(nPosition) == GROUP_DEFENCE;
}

// How much of a nudge a player takes: the players near the middle of the scale take the most.
static float Get_Overall_Nudge_Share(int nPosition) {
    if (nPosition == POS_QB)
        return 0.2f;
    return Get_Position_Group(nPosition) == GROUP_SKILL ? 0.7f : 1.0f;
}

void Nudge_Team_Ratings(int nTeam, float fAmount) {
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            continue;
        int nPosition =
            Translate_Expanded_Position(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION));
        if (Is_Defender(nPosition)) {
            float r = Get_Stored_Player_Rating(nTeam, nSlot, RATING_TACKLING);
            if (isnan(r))
                r = Get_Rating_Target_Mean(RATING_TACKLING);
            r = fmaxf(r, LOWEST_RATING);
            float f =
                fmaxf(0.0f, TACKLING_WIDTH - fabsf(TACKLING_CENTRE - r)) * fAmount / TACKLING_WIDTH;
            Set_Player_Rating(nTeam, nSlot, f > 0.01f ? r + f : r, RATING_TACKLING);
        }
        float x = Compute_Position_Rating(nTeam, nSlot, nPosition);
        float l = fmaxf(0.0f, OVERALL_WIDTH - fabsf(OVERALL_CENTRE - x)) * fAmount / OVERALL_WIDTH *
                  Get_Overall_Nudge_Share(nPosition);
        if (fabsf(l) > 0.001f)
            Scale_Player_Ratings_To_Overall(nTeam, nSlot, x + l);
    }
}

// The target per mille of the average: a fifth of the way from where the team stands toward
// the band its record sets.
int Get_Team_Strength_Target(int nAverage, int nStrength, int nRecordTarget) {
    int e = (int)Round_Div((int64_t)nStrength * 1000, nAverage);
    int nOther = (3 * nRecordTarget - 1000) / 2;
    int eBanded = Clamp(e, Min_Int(nRecordTarget, nOther), Max_Int(nRecordTarget, nOther));
    int t = (e + 4 * eBanded) / 5;
    return (int)Round_Div((int64_t)nAverage * t, 1000);
}

static const int kStrengthStepTeams[] = {2, 7, 12, 17, 22};

void Fit_Team_Strengths(void) {
    int nAverage = Get_League_Average_Strength();
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT && nAverage > 0; nTeam++) {
        int nRecordTarget = Is_Team_Active(nTeam) ? Get_Team_Stat(nTeam, TEAM_IMPORT_STRENGTH) : 0;
        if (nRecordTarget > 0) {
            int c = Get_Team_Overall_Strength(nTeam);
            int g = Get_Team_Strength_Target(nAverage, c, nRecordTarget);
            for (int n = 0; n < MOST_NUDGES && abs(g - c) >= nAverage / 1000; n++) {
                Nudge_Team_Ratings(nTeam, (float)(g - c) / NUDGE_DIVISOR);
                c = Get_Team_Overall_Strength(nTeam);
            }
        }
        for (int nStepTeam : kStrengthStepTeams) {
            if (nTeam == nStepTeam)
                Step_Progress_Window(1);
        }
    }
}
