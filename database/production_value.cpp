// What a player's statistics are worth: the money value of one season's production and the
// career production score of the Hall of Fame vote.
#include <limits.h>
#include <math.h>

#include <algorithm>

#include "core/core.h"
#include "database/database.h"

#define FULL_VALUE_THRESHOLD 1500  // thousands: above this production counts in full
#define RETURN_HALF_LIMIT 100
#define NO_PLAYER_RATING 20.0f

#define STAT_INPUT_LIMIT 1000000  // far above any real statistic: products stay within 64 bits
#define LONG_CAREER_YEARS 13      // from here a career score is spread over more seasons

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

// A statistic as a factor of the formulas below, which work in 64 bits.
static int64_t Get_Stat_Input(int nTeam, int nSlot, int nSeason, int nStat) {
    return Clamp(Get_Player_Stat(nTeam, nSlot, nSeason, nStat), -STAT_INPUT_LIMIT,
                 STAT_INPUT_LIMIT);
}

static int Double_To_Int(double d) {
    return d <= INT_MIN ? INT_MIN : d >= INT_MAX ? INT_MAX : (int)d;
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
    auto S = [=](int nStat) { return Get_Stat_Input(nTeam, nSlot, nSeason, nStat); };
    int64_t g = 0;
    if (nPosition == POS_QB) {
        int o = Get_League_Average_Passer_Rating() - 200;
        if (S(STAT_PASSER_RATING) > o)
            g = Mul_Div_Wide(S(OFF_PASS_ATTEMPTS) * (S(STAT_PASSER_RATING) - o) * 36, 2125,
                             S(STAT_COMPLETION_RATE) + 1500);
    }
    if (S(OFF_RUSHING_YARDS) > 500)
        g += S(OFF_RUSHING_YARDS) * 3000 - 1500000;
    g += S(OFF_RUSHING_TOUCHDOWNS) * 50000;
    if (nPosition == POS_FB)
        g = Mul_Div_Wide(g, 85, 100);
    g += S(OFF_RECEIVING_TOUCHDOWNS) * 55000 + S(OFF_RECEIVING_YARDS) * 2200;
    if (nPosition != POS_QB) {
        int64_t nAfterCatch = S(OFF_YARDS_AFTER_CATCH);
        g += (nAfterCatch != 0 ? nAfterCatch : Mul_Div_Wide(S(OFF_RECEIVING_YARDS), 1, 3)) * 500;
        if (S(OFF_TARGETS) > 0 && S(OFF_FIRST_DOWNS) > 0)
            g += S(OFF_FIRST_DOWNS) * 1000 - S(OFF_TARGETS) * 370;
        if (S(OFF_TARGETS) > 0)
            g += S(OFF_RECEPTIONS) * 1000 - S(OFF_TARGETS) * 570;
    }
    if (nPosition == POS_TE)
        g += S(OFF_RECEIVING_TOUCHDOWNS) * 20000 + S(OFF_RECEIVING_YARDS) * 800;
    if (nPosition != POS_QB) {
        // Blocking backs and tight ends earn more.
        int b = (int)((Get_Value_Rating(nTeam, nSlot, RATING_PASS_BLOCKING) +
                       Get_Value_Rating(nTeam, nSlot, RATING_RUN_BLOCKING)) /
                      2.0f);
        if (b > 70) {
            int nPerPoint = nPosition == POS_TE ? 90000 : nPosition == POS_FB ? 60000 : 30000;
            g += (b - 70) * nPerPoint;
            if (nPosition == POS_FB || nPosition == POS_TE)
                g += 250000;
        }
    }
    return Saturate_To_Int(g);
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
        int nGames = Get_Player_Stat(nTeam, nSlot, nSeason, STAT_GAMES);
        int nStarts = Get_Player_Stat(nTeam, nSlot, nSeason, STAT_STARTS);
        int t = Min_Int(nGames, 17) + (nStarts < 18 ? nStarts + 17 : 34);
        g = Mul_Div(g, t, 51);
    }
    return g;
}

static int Get_Defence_Dollars(int nTeam, int nSlot, int nSeason, int nPosition) {
    auto S = [=](int nStat) { return Get_Stat_Input(nTeam, nSlot, nSeason, nStat); };
    int bTackle = nPosition == POS_DT;
    int64_t nTackles = S(DEF_SOLO_TACKLES) + Mul_Div_Wide(S(DEF_TACKLE_ASSISTS), 1, 2);
    int64_t g = S(DEF_INTERCEPTIONS) * 200000 + nTackles * (bTackle ? 32500 : 25000) +
                S(DEF_SACKS) * 100000 + S(DEF_PASSES_DEFENSED) * 75000;
    if (bTackle)
        g += S(DEF_PASSES_DEFENSED) * 25000;
    return Saturate_To_Int(g);
}

static int Get_Kicker_Dollars(int nTeam, int nSlot, int nSeason) {
    auto S = [=](int nStat) { return Get_Stat_Input(nTeam, nSlot, nSeason, nStat); };
    int64_t a = S(STAT_FIELD_GOALS_TRIED) - Mul_Div_Wide(S(KICK_FG_ATTEMPTS_50_PLUS), 1, 3) +
                Mul_Div_Wide(S(KICK_FG_ATTEMPTS_30_39), 1, 3) +
                Mul_Div_Wide(S(KICK_FG_ATTEMPTS_UNDER_30), 1, 2);
    double s = (a == 0 ? 0.0 : floor(1000.0 * S(STAT_FIELD_GOALS_MADE) / a)) - 650.0;
    double u = floor(s * 1500000.0 / 300.0);
    int v = Double_To_Int(floor(S(STAT_FIELD_GOALS_MADE) * u / 30.0));
    int64_t c =
        1000 - std::min(100 * S(KICK_EXTRA_POINT_ATTEMPTS), 1000 - S(STAT_EXTRA_POINT_RATE));
    return Saturate_To_Int(Mul_Div_Wide(v, c, 1000));
}

static int Get_Punter_Dollars(int nTeam, int nSlot, int nSeason) {
    int64_t l = Get_Stat_Input(nTeam, nSlot, nSeason, STAT_PUNT_AVERAGE) * 6000 - 2100000;
    int nPunts = Min_Int(Get_Player_Stat(nTeam, nSlot, nSeason, KICK_PUNTS), 80);
    return Double_To_Int(floor((double)l * nPunts / 80.0));
}

// Thousands of dollars: what one season's production (season kind nSeason) is worth.
int Get_Player_Stat_Value(int nTeam, int nSlot, int nSeason) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nDollars = 0;
    switch (Get_Stored_Position_Group(nPosition)) {
    case GROUP_SKILL: nDollars = Get_Offence_Dollars(nTeam, nSlot, nSeason, nPosition); break;
    case GROUP_LINE: nDollars = Get_Line_Dollars(nTeam, nSlot, nSeason); break;
    case GROUP_DEFENCE: nDollars = Get_Defence_Dollars(nTeam, nSlot, nSeason, nPosition); break;
    case GROUP_KICKERS:
        nDollars = nPosition == POS_K ? Get_Kicker_Dollars(nTeam, nSlot, nSeason)
                                      : Get_Punter_Dollars(nTeam, nSlot, nSeason);
        break;
    default: break;
    }
    return Get_Production_Thousands(nDollars);
}

// Kick and punt return yards of a returning position: half of the first 100, then all but 50.
int Get_Return_Yards_Value(int nTeam, int nSlot, int nSeason) {
    if (!Is_Returning_Position(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)))
        return 0;
    int s = (int)(Get_Stat_Input(nTeam, nSlot, nSeason, STAT_KICK_RETURN_GRADE) +
                  Get_Stat_Input(nTeam, nSlot, nSeason, STAT_PUNT_RETURN_GRADE));
    return s <= RETURN_HALF_LIMIT ? Mul_Div(s, 1, 2) : s - 50;
}

int Get_Player_Production_Value(int nTeam, int nSlot, int nSeason) {
    return Saturate_To_Int((int64_t)Get_Player_Stat_Value(nTeam, nSlot, nSeason) +
                           Get_Return_Yards_Value(nTeam, nSlot, nSeason));
}

// ---- the career production score ---------------------------------------------------------------

// Multiplier in per cent of a defender's season value, DE..S.
static const int kDefenceScoreFactors[POS_S - POS_DE + 1] = {220, 200, 165, 210, 185};

// A long career's figure spread over its seasons: x × 27 / (E + 15) from 13 years on.
static int64_t Scale_Long_Career(int64_t x, int nExperience) {
    return nExperience >= LONG_CAREER_YEARS ? Mul_Div_Wide(x, 27, nExperience + 15) : x;
}

static int Get_Skill_Score(int nTeam, int nSlot, int nPosition, int nExperience) {
    auto S = [=](int nStat) { return Get_Stat_Input(nTeam, nSlot, SEASON_CAREER, nStat); };
    int64_t r = Mul_Div_Wide(S(OFF_RUSHING_YARDS), 22, 10) + S(OFF_RECEIVING_YARDS) * 3 +
                60 * S(OFF_RUSHING_TOUCHDOWNS) + 100 * S(OFF_RECEIVING_TOUCHDOWNS);
    if (nPosition == POS_QB) {
        r += S(OFF_PASSING_YARDS) + 30 * S(OFF_PASSING_TOUCHDOWNS);
        r = Mul_Div_Wide(r, S(STAT_PASSER_RATING), 850);
    } else if (Is_Returning_Position(nPosition)) {
        r += 60 * S(STAT_KICK_RETURN_TOUCHDOWNS) + 50 * S(STAT_PUNT_RETURN_TOUCHDOWNS);
    }
    r = Scale_Long_Career(r, nExperience);
    if (nPosition == POS_TE)
        r = Mul_Div_Wide(r, 13, 10);
    return Saturate_To_Int(r / 600);
}

static int Get_Line_Score(int nTeam, int nSlot, int nPosition, int nExperience) {
    auto S = [=](int nStat) { return Get_Stat_Input(nTeam, nSlot, SEASON_CAREER, nStat); };
    int h = Max_Int(0, nExperience - gSeasonNumber);
    int64_t nYears = h;
    int64_t m = Mul_Div_Wide(70 * S(STAT_GAMES) + 70 * S(STAT_STARTS),
                             100 * nYears + S(STAT_YARDS_PER_RUSH) - 100, 100 * (nYears + 3));
    int64_t o = m - 400 * nYears - S(STAT_SACKS_ALLOWED_WEIGHT);
    o = Scale_Long_Career(o, nExperience);
    if (nPosition == POS_T || nPosition == POS_G)
        o = Mul_Div_Wide(o, 9, 10);
    return Saturate_To_Int(o / 360);
}

static int Get_Defence_Score(int nTeam, int nSlot, int nPosition, int nExperience) {
    int f = Get_Player_Production_Value(nTeam, nSlot, SEASON_CAREER);
    int64_t h = Mul_Div_Wide(f, kDefenceScoreFactors[nPosition - POS_DE], 100);
    if (Is_Returning_Position(nPosition))
        h += 60 * Get_Stat_Input(nTeam, nSlot, SEASON_CAREER, STAT_KICK_RETURN_TOUCHDOWNS) +
             50 * Get_Stat_Input(nTeam, nSlot, SEASON_CAREER, STAT_PUNT_RETURN_TOUCHDOWNS);
    if (nExperience >= LONG_CAREER_YEARS)
        h = Mul_Div_Wide(h, 22, nExperience + 10);
    return Saturate_To_Int(h / 920);
}

static int Get_Kicking_Score(int nTeam, int nSlot, int nExperience) {
    auto S = [=](int nStat) { return Get_Stat_Input(nTeam, nSlot, SEASON_CAREER, nStat); };
    int64_t nShortMade = S(KICK_FG_MADE_UNDER_30) + S(KICK_FG_MADE_30_39);
    int64_t nShortTried = S(KICK_FG_ATTEMPTS_UNDER_30) + S(KICK_FG_ATTEMPTS_30_39);
    int64_t nFieldGoals =
        (S(STAT_FIELD_GOALS_MADE) + nShortMade + S(KICK_FG_MADE_50_PLUS) - nShortTried) / 3;
    int64_t f = nFieldGoals + S(KICK_PUNT_YARDS) / 35 - S(KICK_PUNTS);
    return Saturate_To_Int(Scale_Long_Career(f, nExperience) / 5);
}

// The career production score by position group.
int Get_Player_Production_Score(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nExperience = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
    switch (Get_Stored_Position_Group(nPosition)) {
    case GROUP_SKILL: return Get_Skill_Score(nTeam, nSlot, nPosition, nExperience);
    case GROUP_LINE: return Get_Line_Score(nTeam, nSlot, nPosition, nExperience);
    case GROUP_DEFENCE: return Get_Defence_Score(nTeam, nSlot, nPosition, nExperience);
    case GROUP_KICKERS: return Get_Kicking_Score(nTeam, nSlot, nExperience);
    default: return 0;
    }
}

int Get_Player_Production_With_Honours(int nTeam, int nSlot) {
    return Get_Player_Production_Score(nTeam, nSlot) +
           3 * Get_Player_Byte_Stat(nTeam, nSlot, BYTE_RINGS);
}

int Has_Career_Games(int nTeam, int nSlot) {
    return Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, STAT_GAMES) != 0;
}
