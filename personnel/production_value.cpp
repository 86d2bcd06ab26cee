// What a player's statistics are worth: the money value of one season's production and the
// career production score of the Hall of Fame vote.
#include <limits.h>
#include <math.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

// Derived statistics read here.
#define STAT_PASSER_RATING 100     // tenths
#define STAT_COMPLETION_RATE 101   // per mille
#define STAT_TOUCHDOWN_RATE 105    // per mille
#define STAT_INTERCEPTION_RATE 107 // per mille
#define STAT_YARDS_PER_COMPLETION 109
#define STAT_LINE_YARDS_RATE 112
#define STAT_PUNT_AVERAGE 115      // tenths
#define STAT_EXTRA_POINT_RATE 120  // per mille
#define STAT_FIELD_GOALS_MADE 121
#define STAT_FIELD_GOALS_TRIED 122
#define STAT_SACKS_ALLOWED_WEIGHT 144
#define STAT_KICK_RETURN_YARDS_GRADE 302
#define STAT_PUNT_RETURN_YARDS_GRADE 303

#define FULL_VALUE_THRESHOLD 1500  // thousands: above this production counts in full
#define RETURN_HALF_LIMIT 100
#define NO_PLAYER_RATING 20.0f

#define LONG_CAREER_YEARS 13       // from here a career score is spread over more seasons

// The group of a position 0..14; -1 for anything else.
static int Get_Stored_Position_Group(int nPosition) {
    if (nPosition < 0 || nPosition >= POSITION_COUNT)
        return -1;
    return Get_Position_Group(nPosition);
}

// ---- one season's production -------------------------------------------------------------------

// Thousands a year from a season's production in dollars: a third of it up to 1,500,000, in
// full less 1,000,000 above; never negative.
static int Get_Production_Thousands(int nDollars) {
    int k = Mul_Div(nDollars, 1, 1000);
    if (k > FULL_VALUE_THRESHOLD)
        return Max_Int(0, k - 1000);
    return Max_Int(0, Mul_Div(k, 1, 3));
}

// A rating of the player; 20 when the indexes are no roster slot.
static float Get_Value_Rating(int nTeam, int nSlot, int nRating) {
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return NO_PLAYER_RATING;
    return Get_Player_Rating(nTeam, nSlot, nRating);
}

int Get_League_Average_Passer_Rating(void) {
    int nYear = Get_Season_Year();
    int A = Get_Historical_Average_Stat(STAT_YARDS_PER_COMPLETION, nYear);
    int B = Get_Historical_Average_Stat(STAT_COMPLETION_RATE, nYear);
    int D = Get_Historical_Average_Stat(STAT_TOUCHDOWN_RATE, nYear);
    int E = Get_Historical_Average_Stat(STAT_INTERCEPTION_RATE, nYear);
    int c = Mul_Div(A, B, 1000);
    return (Mul_Div(c - 300, 25, 10) + 20 * D + 25 * (95 - E) + 5 * B - 1500) / 6;
}

// Quarterbacks, backs, tight ends and receivers, in dollars.
static int Get_Offence_Dollars(int nTeam, int nSlot, int nSeason, int nPosition) {
    auto S = [=](int nStat) { return Get_Player_Stat(nTeam, nSlot, nSeason, nStat); };
    int g = 0;
    if (nPosition == POS_QB) {
        int o = Get_League_Average_Passer_Rating() - 200;
        if (S(STAT_PASSER_RATING) > o)
            g = Mul_Div(S(2) * (S(STAT_PASSER_RATING) - o) * 36, 2125,
                        S(STAT_COMPLETION_RATE) + 1500);
    }
    if (S(8) > 500)
        g += S(8) * 3000 - 1500000;
    g += S(9) * 50000;
    if (nPosition == POS_FB)
        g = Mul_Div(g, 85, 100);
    g += S(12) * 55000 + S(11) * 2200;
    if (nPosition != POS_QB) {
        g += (S(6) != 0 ? S(6) : Mul_Div(S(11), 1, 3)) * 500;
        if (S(4) > 0 && S(5) > 0)
            g += S(5) * 1000 - S(4) * 370;
        if (S(4) > 0)
            g += S(10) * 1000 - S(4) * 570;
    }
    if (nPosition == POS_TE)
        g += S(12) * 20000 + S(11) * 800;
    if (nPosition != POS_QB) {
        // Blocking backs and tight ends earn more.
        int b = (int)((Get_Value_Rating(nTeam, nSlot, RATING_PASS_BLOCKING) +
                       Get_Value_Rating(nTeam, nSlot, RATING_RUN_BLOCKING)) / 2.0f);
        if (b > 70) {
            int nPerPoint = nPosition == POS_TE ? 90000 : nPosition == POS_FB ? 60000 : 30000;
            g += (b - 70) * nPerPoint;
            if (nPosition == POS_FB || nPosition == POS_TE)
                g += 250000;
        }
    }
    return g;
}

// Offensive linemen, in dollars: their blocking ratings (Discipline with its fraction), scaled
// by the share of a season played (the predicted season counts in full).
static int Get_Line_Dollars(int nTeam, int nSlot, int nSeason) {
    int nBlocking = (int)(4.5f * Get_Value_Rating(nTeam, nSlot, RATING_RUN_BLOCKING) +
                          (int)(4.5f * Get_Value_Rating(nTeam, nSlot, RATING_PASS_BLOCKING)));
    double r = nBlocking + (double)Get_Value_Rating(nTeam, nSlot, RATING_DISCIPLINE);
    if (r <= 350.0)
        return 0;
    double dDollars = 15.0 * fmax(0.0, (r - 350.0) * (r - 450.0));
    int g = dDollars >= INT_MAX ? INT_MAX : (int)lround(dDollars);
    if (nSeason != SEASON_PREDICTED) {
        int nGames = Get_Player_Stat(nTeam, nSlot, nSeason, 0);
        int nStarts = Get_Player_Stat(nTeam, nSlot, nSeason, 1);
        int t = Min_Int(nGames, 17) + (nStarts < 18 ? nStarts + 17 : 34);
        g = Mul_Div(g, t, 51);
    }
    return g;
}

static int Get_Defence_Dollars(int nTeam, int nSlot, int nSeason, int nPosition) {
    auto S = [=](int nStat) { return Get_Player_Stat(nTeam, nSlot, nSeason, nStat); };
    int bTackle = nPosition == POS_DT;
    int g = S(7) * 200000 + (S(2) + Mul_Div(S(3), 1, 2)) * (bTackle ? 32500 : 25000) +
            S(4) * 100000 + S(6) * 75000;
    if (bTackle)
        g += S(6) * 25000;
    return g;
}

static int Get_Kicker_Dollars(int nTeam, int nSlot, int nSeason) {
    auto S = [=](int nStat) { return Get_Player_Stat(nTeam, nSlot, nSeason, nStat); };
    int a = S(STAT_FIELD_GOALS_TRIED) - Mul_Div(S(16), 1, 3) + Mul_Div(S(12), 1, 3) +
            Mul_Div(S(10), 1, 2);
    double s = (a == 0 ? 0.0 : floor(1000.0 * S(STAT_FIELD_GOALS_MADE) / a)) - 650.0;
    double u = floor(s * 1500000.0 / 300.0);
    int v = (int)floor(S(STAT_FIELD_GOALS_MADE) * u / 30.0);
    int c = 1000 - Min_Int(100 * S(8), 1000 - S(STAT_EXTRA_POINT_RATE));
    return Mul_Div(v, c, 1000);
}

static int Get_Punter_Dollars(int nTeam, int nSlot, int nSeason) {
    int l = Get_Player_Stat(nTeam, nSlot, nSeason, STAT_PUNT_AVERAGE) * 6000 - 2100000;
    int nPunts = Min_Int(Get_Player_Stat(nTeam, nSlot, nSeason, 2), 80);
    return (int)floor((double)l * nPunts / 80.0);
}

// Thousands of dollars: what one season's production (season kind nSeason) is worth.
int Get_Player_Stat_Value(int nTeam, int nSlot, int nSeason) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nDollars = 0;
    switch (Get_Stored_Position_Group(nPosition)) {
    case GROUP_SKILL:
        nDollars = Get_Offence_Dollars(nTeam, nSlot, nSeason, nPosition);
        break;
    case GROUP_LINE:
        nDollars = Get_Line_Dollars(nTeam, nSlot, nSeason);
        break;
    case GROUP_DEFENCE:
        nDollars = Get_Defence_Dollars(nTeam, nSlot, nSeason, nPosition);
        break;
    case GROUP_KICKERS:
        nDollars = nPosition == POS_K ? Get_Kicker_Dollars(nTeam, nSlot, nSeason)
                                      : Get_Punter_Dollars(nTeam, nSlot, nSeason);
        break;
    default:
        break;
    }
    return Get_Production_Thousands(nDollars);
}

// Kick and punt return yards of a returning position: half of the first 100, then all but 50.
int Get_Return_Yards_Value(int nTeam, int nSlot, int nSeason) {
    if (!Is_Returning_Position(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)))
        return 0;
    int s = Get_Player_Stat(nTeam, nSlot, nSeason, STAT_KICK_RETURN_YARDS_GRADE) +
            Get_Player_Stat(nTeam, nSlot, nSeason, STAT_PUNT_RETURN_YARDS_GRADE);
    return s <= RETURN_HALF_LIMIT ? Mul_Div(s, 1, 2) : s - 50;
}

int Get_Player_Production_Value(int nTeam, int nSlot, int nSeason) {
    return Get_Player_Stat_Value(nTeam, nSlot, nSeason) +
           Get_Return_Yards_Value(nTeam, nSlot, nSeason);
}

// ---- the career production score ---------------------------------------------------------------

// Multiplier in per cent of a defender's season value, DE..S.
static const int kDefenceScoreFactors[POS_S - POS_DE + 1] = {220, 200, 165, 210, 185};

// A long career's figure spread over its seasons: x × 27 / (E + 15) from 13 years on.
static int Scale_Long_Career(int x, int nExperience) {
    return nExperience >= LONG_CAREER_YEARS ? Mul_Div(x, 27, nExperience + 15) : x;
}

static int Get_Skill_Score(int nTeam, int nSlot, int nPosition, int nExperience) {
    auto S = [=](int nStat) { return Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, nStat); };
    int r = Mul_Div(S(8), 22, 10) + S(11) * 3 + 60 * S(9) + 100 * S(12);
    if (nPosition == POS_QB) {
        r += S(5) + 30 * S(6);
        r = Mul_Div(r, S(STAT_PASSER_RATING), 850);
    } else if (Is_Returning_Position(nPosition)) {
        r += 60 * S(16) + 50 * S(19);
    }
    r = Scale_Long_Career(r, nExperience);
    if (nPosition == POS_TE)
        r = Mul_Div(r, 13, 10);
    return r / 600;
}

static int Get_Line_Score(int nTeam, int nSlot, int nPosition, int nExperience) {
    auto S = [=](int nStat) { return Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, nStat); };
    int h = Max_Int(0, nExperience - gSeasonNumber);
    int m = Mul_Div(70 * S(0) + 70 * S(1), 100 * h + S(STAT_LINE_YARDS_RATE) - 100, 100 * (h + 3));
    int o = m - 400 * h - S(STAT_SACKS_ALLOWED_WEIGHT);
    o = Scale_Long_Career(o, nExperience);
    if (nPosition == POS_T || nPosition == POS_G)
        o = Mul_Div(o, 9, 10);
    return o / 360;
}

static int Get_Defence_Score(int nTeam, int nSlot, int nPosition, int nExperience) {
    int f = Get_Player_Production_Value(nTeam, nSlot, SEASON_CAREER);
    int h = Mul_Div(f, kDefenceScoreFactors[nPosition - POS_DE], 100);
    if (Is_Returning_Position(nPosition))
        h += 60 * Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, 16) +
             50 * Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, 19);
    if (nExperience >= LONG_CAREER_YEARS)
        h = Mul_Div(h, 22, nExperience + 10);
    return h / 920;
}

static int Get_Kicking_Score(int nTeam, int nSlot, int nExperience) {
    auto S = [=](int nStat) { return Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, nStat); };
    int f = (S(STAT_FIELD_GOALS_MADE) + S(11) + S(13) + S(17) - S(10) - S(12)) / 3 + S(3) / 35 -
            S(2);
    return Scale_Long_Career(f, nExperience) / 5;
}

// The career production score by position group.
int Get_Player_Production_Score(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nExperience = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
    switch (Get_Stored_Position_Group(nPosition)) {
    case GROUP_SKILL:
        return Get_Skill_Score(nTeam, nSlot, nPosition, nExperience);
    case GROUP_LINE:
        return Get_Line_Score(nTeam, nSlot, nPosition, nExperience);
    case GROUP_DEFENCE:
        return Get_Defence_Score(nTeam, nSlot, nPosition, nExperience);
    case GROUP_KICKERS:
        return Get_Kicking_Score(nTeam, nSlot, nExperience);
    default:
        return 0;
    }
}

int Get_Player_Production_With_Honours(int nTeam, int nSlot) {
    return Get_Player_Production_Score(nTeam, nSlot) +
           3 * Get_Player_Byte_Stat(nTeam, nSlot, BYTE_RINGS);
}

int Has_Career_Games(int nTeam, int nSlot) {
    return Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, 0) != 0;
}
