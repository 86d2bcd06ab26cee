// Derived player grades: rating-like grades 200..233 drawn from a player's statistics, and the
// summaries 299..305.
#include "database/database.h"
#include "database/player_stats_internal.h"

#define GRADE_FLOOR 20
#define GRADE_CEILING 99
#define KICKING_REFERENCE_YEAR 2021

// One player and the season kind the grades read.
typedef struct GRADED_PLAYER {
    int nTeam;
    int nSlot;
    int nSeason;
    int nPosition;
    int nGroup;
    int nAge;
    int nWeight;
} GRADED_PLAYER;

static int S(const GRADED_PLAYER* p, int nStat) {
    return Get_Player_Stat(p->nTeam, p->nSlot, p->nSeason, nStat);
}

static int SK(const GRADED_PLAYER* p, int nSeason, int nStat) {
    return Get_Player_Stat(p->nTeam, p->nSlot, nSeason, nStat);
}

static int H(int nStat) {
    return Get_Historical_Average_Stat(nStat, Get_Season_Year());
}

static int Is_Receiver(const GRADED_PLAYER* p) {
    return p->nPosition == POS_TE || p->nPosition == POS_WR;
}

static int Is_Back(const GRADED_PLAYER* p) {
    return p->nPosition == POS_RB || p->nPosition == POS_FB;
}

static int Is_Lineman(const GRADED_PLAYER* p) {
    return p->nPosition == POS_T || p->nPosition == POS_G || p->nPosition == POS_C;
}

// The running or the receiving grade, whichever suits the position.
static int Skill_Base(const GRADED_PLAYER* p) {
    return Is_Receiver(p) ? S(p, STAT_RECEIVING_GRADE) : S(p, STAT_RUNNING_GRADE);
}

// A passing grade from a per-mille rate: 70 at 1000, the low end squeezed up.
static int Passing_Grade(int nRate) {
    int g = Mul_Div(nRate, 70, 1000);
    return g < 70 ? (2 * g + 70) / 3 : g;
}

// What receiving yards beyond the league's average add to a grade.
static int Receiving_Depth_Term(const GRADED_PLAYER* p) {
    return Mul_Div(2 * S(p, STAT_YARDS_PER_RECEPTION) - 2 * H(STAT_YARDS_PER_RECEPTION),
                   S(p, OFF_RECEPTIONS), 100 * S(p, STAT_TOUCHES) + 2000);
}

static int Catch_Rate_Term(const GRADED_PLAYER* p) {
    return Mul_Div(S(p, STAT_YARDS_AFTER_CATCH_AVERAGE) - 40, 2 * S(p, OFF_RECEPTIONS),
                   100 * S(p, STAT_TOUCHES) + 2000);
}

static int Run_Grade(const GRADED_PLAYER* p) {
    if (p->nGroup == GROUP_SKILL) {
        int V = S(p, OFF_RUSHING_YARDS);
        if (p->nPosition == POS_QB)
            V = Mul_Div(V, 175, 100);
        int W = Clamp(S(p, STAT_YARDS_PER_RUSH), 250, 750);
        int A = Mul_Div(V, H(STAT_YARDS_PER_RUSH) + W, 2 * H(STAT_YARDS_PER_RUSH));
        if (p->nPosition == POS_FB)
            A = (A + 1000) / 2;
        int F = Signed_Root(2 * A + 200) + 40;
        return p->nPosition == POS_QB ? (F + S(p, STAT_MOBILITY_GRADE)) / 2 : F;
    }
    if (p->nGroup == GROUP_DEFENCE)
        return Max_Int(S(p, STAT_COVERAGE_GRADE) / 2 + S(p, STAT_PLAYMAKING_GRADE) / 2 +
                           S(p, STAT_PUNT_RETURNING_GRADE) / 10 +
                           S(p, STAT_KICK_RETURNING_GRADE) / 15 - 40,
                       20);
    return 40;
}

static int Receive_Grade(const GRADED_PLAYER* p) {
    if (p->nGroup == GROUP_SKILL) {
        int W = S(p, OFF_RECEIVING_YARDS) + 100;
        if (Is_Back(p))
            W = Mul_Div(W, 175, 100);
        return Signed_Root(2 * (W + S(p, STAT_YARDS_PER_RECEPTION) - H(STAT_YARDS_PER_RECEPTION))) +
               40;
    }
    if (p->nGroup == GROUP_DEFENCE)
        return Max_Int(S(p, STAT_COVERAGE_GRADE) + S(p, STAT_PLAYMAKING_GRADE) / 2 +
                           S(p, STAT_PUNT_RETURNING_GRADE) / 10 +
                           S(p, STAT_KICK_RETURNING_GRADE) / 15 - 75,
                       20);
    return 40;
}

static int Ball_Security_Grade(const GRADED_PLAYER* p) {
    if (p->nPosition == POS_QB) {
        int V = S(p, OFF_PASS_ATTEMPTS) + 5 * S(p, OFF_RUSHES) + 15 * S(p, OFF_RECEPTIONS) + 10;
        int nLost = V - 5 * S(p, OFF_FUMBLES_LOST) - 10 * S(p, STAT_PUNT_RETURN_TOUCHDOWNS) -
                    S(p, STAT_GAMES) - S(p, STAT_STARTS);
        return Max_Int(Mul_Div(400, nLost, V) - 300, 50);
    }
    if (p->nGroup == GROUP_SKILL) {
        int V = S(p, OFF_RUSHES) / 2 + 5 * S(p, OFF_RECEPTIONS) + 3 * S(p, STAT_RETURNS) + 10;
        int M = Mul_Div(400, V - S(p, OFF_PASS_ATTEMPTS) - 1, V);
        int P = Mul_Div(100, S(p, OFF_RECEPTIONS), S(p, STAT_STARTS) + 2 * S(p, STAT_GAMES) + 6);
        return (P / 6 + (M >= 350 ? M - 240 : 110)) / 2 - 5;
    }
    if (p->nGroup == GROUP_DEFENCE)
        return Mul_Div(20,
                       2 * (S(p, DEF_FORCED_FUMBLES) + S(p, DEF_PASSES_DEFENSED) +
                            S(p, DEF_INTERCEPTIONS) + S(p, DEF_FUMBLES_RECOVERED)),
                       S(p, STAT_GAMES) + S(p, STAT_STARTS)) +
               20;
    return 20;
}

// The pass and run blocking grades: the games of the last seasons, the run-blocking grade
// and, for linemen, their build.
static int Blocking_Grade(const GRADED_PLAYER* p, int bRun) {
    int A = (SK(p, SEASON_PREDICTED, STAT_STARTS) + SK(p, SEASON_CAREER, STAT_STARTS) +
             SK(p, SEASON_PREDICTED, STAT_GAMES) + SK(p, SEASON_PREVIOUS, STAT_STARTS) +
             SK(p, SEASON_CAREER, STAT_GAMES) + SK(p, SEASON_PREVIOUS, STAT_GAMES)) /
            3;
    int nRoot = Signed_Root(A);
    int RBG = Get_Player_Run_Block_Grade(p->nTeam, p->nSlot);
    int D = 0;
    if (p->nPosition == POS_FB || p->nPosition == POS_TE)
        D = bRun ? nRoot + RBG / 5 + 12 : nRoot + RBG / 10 + 10;
    else if (p->nPosition == POS_T)
        D = nRoot + (bRun ? 13 : 16);
    else if (p->nPosition == POS_G)
        D = nRoot + (bRun ? 16 : 13);
    else if (p->nPosition == POS_C)
        D = nRoot + 13;
    else if (p->nGroup == GROUP_SKILL)
        D = bRun ? RBG / 5 - 5 : RBG / 10;
    int nValue = Mul_Div(D, 50 - p->nAge, 25) + 50;
    if (Is_Lineman(p))
        nValue += Get_Lineman_Vital_Score(p->nTeam, p->nSlot);
    return nValue;
}

static int Sacks_Allowed_Grade(const GRADED_PLAYER* p) {
    if (!Is_Lineman(p))
        return 20;
    int P = Mul_Div(1000, S(p, LINE_PENALTIES) + S(p, LINE_PENALTY_YARDS),
                    S(p, STAT_GAMES) + S(p, STAT_STARTS));
    auto Avg = [p](int nStat) { return Get_Average_Stat(p->nPosition, nStat); };
    int Q = Mul_Div(1000, Avg(LINE_PENALTIES) + Avg(LINE_PENALTY_YARDS),
                    Avg(STAT_GAMES) + Avg(STAT_STARTS));
    int R = Mul_Div(1000, P, Q);
    return 99 - Mul_Div(R, 40, 1000);
}

static int Lineman_Strength_Grade(const GRADED_PLAYER* p) {
    if (!Is_Lineman(p))
        return 20;
    int X = Mul_Div(S(p, STAT_GAMES) + S(p, STAT_STARTS), 500, 25);
    int Y = Clamp(Get_Season_Year() - 1700, 270, 310);
    int B = Mul_Div(X + 500, Y, p->nWeight);
    int C = Mul_Div(B, 27, p->nAge);
    return Min_Int(C / 25 + 20, 100);
}

static int Compressed(int v) {
    return (int)Compress_Rating_Scale((float)v);
}

static int Pass_Rush_Grade(const GRADED_PLAYER* p) {
    int V = 2 * S(p, DEF_SOLO_TACKLES) + S(p, DEF_TACKLE_ASSISTS) + S(p, STAT_GAMES) / 2 +
            S(p, STAT_STARTS) / 2;
    if (p->nPosition == POS_DT)
        V = Mul_Div(V, 130, 100) + (p->nWeight - 200) / 3;
    else if (p->nPosition == POS_DE)
        V = Mul_Div(V, 112, 100) + (p->nWeight - 200) / 7 - 40;
    return Compressed(V / 10 + Signed_Root(4 * V) + 39);
}

static int Run_Stop_Grade(const GRADED_PLAYER* p) {
    int V = 50 * S(p, DEF_SACKS) + 50 * S(p, DEF_FORCED_FUMBLES) + 5 * S(p, STAT_GAMES) +
            5 * S(p, STAT_STARTS);
    if (p->nPosition == POS_DE || p->nPosition == POS_DT)
        V += 5 * S(p, DEF_PASSES_DEFENSED);
    if (p->nPosition == POS_DT)
        V += Mul_Div(10 * (400 - p->nWeight), 1, 6);
    else if (p->nPosition == POS_DE)
        V += Mul_Div(10 * (400 - p->nWeight), 1, 14);
    return Compressed(V / 100 + Signed_Root(V) + 44);
}

static int Coverage_Grade(const GRADED_PLAYER* p, int E) {
    return Compressed(Signed_Root(E + 5 * S(p, STAT_GAMES) + 5 * S(p, STAT_STARTS)) + 40);
}

static int Playmaking_Grade(const GRADED_PLAYER* p) {
    int E = 315 * S(p, DEF_INTERCEPTIONS) + 60 * S(p, DEF_PASSES_DEFENSED) +
            375 * S(p, DEF_FORCED_FUMBLES) + 150 * S(p, DEF_FUMBLES_RECOVERED) +
            120 * S(p, DEF_TOUCHDOWNS) + 30 * S(p, DEF_SACKS) + 15 * S(p, STAT_STARTS) +
            15 * S(p, STAT_GAMES) + 75 * S(p, STAT_PUNT_RETURN_TOUCHDOWNS) +
            60 * S(p, STAT_KICK_RETURN_TOUCHDOWNS) + S(p, STAT_PUNT_RETURN_YARDS) / 3;
    return Compressed(Signed_Root(E) + 28);
}

static int Tackling_Grade(const GRADED_PLAYER* p) {
    int E = 20 * S(p, STAT_TACKLES) + 12 * S(p, DEF_TACKLE_ASSISTS);
    if (p->nPosition == POS_CB)
        E = Mul_Div(E, 50, 100);
    else if (p->nPosition == POS_S)
        E = Mul_Div(E, 70, 100);
    return Coverage_Grade(p, E);
}

static int Kicking_Accuracy_Grade(const GRADED_PLAYER* p) {
    int Q = Mul_Div(
        1000, S(p, STAT_FIELD_GOALS_MADE),
        S(p, STAT_FIELD_GOALS_TRIED) + S(p, KICK_FG_MADE_50_PLUS) - S(p, KICK_FG_ATTEMPTS_50_PLUS));
    int V = Mul_Div(Q, Get_Historical_Average_Stat(STAT_FIELD_GOAL_RATE, KICKING_REFERENCE_YEAR),
                    H(STAT_FIELD_GOAL_RATE));
    V = V / 8 < 136 ? V / 8 - 35 : 100;
    V = Max_Int(V, S(p, STAT_GAMES) / 2 + 50);
    int B = Min_Int(S(p, STAT_FIELD_GOALS_MADE) + 65, V);
    return Max_Int(B, Signed_Root(S(p, STAT_FIELD_GOALS_MADE)) + S(p, STAT_GAMES) / 2 + 60);
}

static int Kicking_Distance_Grade(const GRADED_PLAYER* p) {
    int V =
        S(p, KICK_FG_MADE_40_49) + 2 * S(p, KICK_FG_MADE_50_PLUS) + S(p, KICK_FG_MADE_50_PLUS) / 2;
    int R = Clamp(Mul_Div(1000, V, S(p, STAT_FIELD_GOALS_TRIED) + 4), 0, 2000);
    int nLongest = S(p, KICK_LONGEST_FIELD_GOAL);
    int W = R + 27 * (nLongest < 20 ? 45 : nLongest);
    int nYear = Get_Season_Year();
    if (nYear < 2010)
        W = Mul_Div(W, 50 + Min_Int(2010 - nYear, 20), 50);
    W += 500;
    int X = Max_Int(Min_Int(Mul_Div(W, 70, 2000), 100), S(p, STAT_GAMES) / 3 + 10);
    return Max_Int(Min_Int(V + 65, X), Signed_Root(V) + S(p, STAT_GAMES) / 2 + 60);
}

static int Punting_Grade(const GRADED_PLAYER* p) {
    if (S(p, KICK_PUNTS) == 0)
        return 70;
    int X = Mul_Div(S(p, STAT_PUNT_AVERAGE), 210, 1000);
    int nYear = Get_Season_Year();
    if (nYear > 1995)
        X -= Min_Int(nYear - 1995, 18);
    return Max_Int(Signed_Root(S(p, KICK_PUNTS)) + 60, X);
}

// Grades 220..223 of a kicker or a punter; others read 20 and are not cached.
static int Kicking_Grade(const GRADED_PLAYER* p, int nStat, int* pCacheable) {
    int bKicker = p->nPosition == POS_K;
    if (!bKicker && p->nPosition != POS_P) {
        *pCacheable = 0;
        return GRADE_FLOOR;
    }
    switch (nStat) {
    case STAT_KICKING_ACCURACY_GRADE:
        return bKicker ? Kicking_Accuracy_Grade(p) : S(p, STAT_PUNTING_ACCURACY_GRADE) / 2 + 10;
    case STAT_KICKING_DISTANCE_GRADE:
        return bKicker ? Kicking_Distance_Grade(p) : S(p, STAT_PUNTING_DISTANCE_GRADE) / 2 + 10;
    case STAT_PUNTING_DISTANCE_GRADE:
        return bKicker ? S(p, STAT_KICKING_DISTANCE_GRADE) / 2 + 10 : Punting_Grade(p);
    default: return bKicker ? S(p, STAT_KICKING_DISTANCE_GRADE) / 2 + 10 : 70;
    }
}

static int Scouted_Whole(const GRADED_PLAYER* p, float fValue) {
    return Clamp(Get_Scouted_Rating_Value(p->nTeam, p->nSlot, (int)fValue), GRADE_FLOOR,
                 GRADE_CEILING);
}

static int Peak_Grade(const GRADED_PLAYER* p) {
    int P = Scouted_Whole(p, Get_Player_Potential(p->nTeam, p->nSlot));
    int O = SK(p, SEASON_PREDICTED, OVERALL_GRADE);
    P = Max_Int(P, O);
    return p->nAge > 25 ? O : Min_Int(P, O - 4 * p->nAge + 100);
}

static int Elusiveness_Grade(const GRADED_PLAYER* p) {
    int BS = Get_Player_Blocking_Score(p->nTeam, p->nSlot);
    int nAge = p->nAge;
    int nWeight = p->nWeight;
    int nPassBlocking = SK(p, SEASON_PREDICTED, STAT_PASS_BLOCKING_GRADE);
    switch (p->nPosition) {
    case POS_QB:
    case POS_RB:
    case POS_FB: {
        int B = Skill_Base(p) + (BS - 50) / -7;
        int X = Max_Int(
            Min_Int(H(STAT_YARDS_PER_RUSH) + S(p, OFF_RUSHES), S(p, STAT_YARDS_PER_RUSH)), 250);
        return Mul_Div(B, H(STAT_YARDS_PER_RUSH) + X, 2 * H(STAT_YARDS_PER_RUSH));
    }
    case POS_TE:
    case POS_WR: return Skill_Base(p) + (BS - 50) / -7 + Receiving_Depth_Term(p);
    case POS_T: return 43 + nPassBlocking / 10 - nAge / 2;
    case POS_G:
    case POS_C: return 40 + nPassBlocking / 10 - nAge / 2;
    case POS_DE: return 107 - nWeight / 10 - nAge;
    case POS_DT: return 84 - nAge / 2 - nWeight / 10;
    case POS_LB: return 82 - nAge / 3 - nWeight / 20;
    case POS_CB: return SK(p, SEASON_PREDICTED, STAT_COVERAGE_GRADE) / 4 - nAge / 2 + 70;
    case POS_S: return SK(p, SEASON_PREDICTED, STAT_COVERAGE_GRADE) / 5 - nAge / 2 + 67;
    default: return 70 - nAge;
    }
}

static int Scoring_Grade(const GRADED_PLAYER* p) {
    int B = Skill_Base(p) + (Get_Player_Blocking_Score(p->nTeam, p->nSlot) - 50) / 10;
    if (p->nGroup != GROUP_SKILL)
        return B;
    B += (Mul_Div(
              39800 * S(p, OFF_RECEIVING_TOUCHDOWNS) + 99500 * S(p, OFF_RUSHING_TOUCHDOWNS) + 59700,
              100, 2110 * S(p, STAT_TOUCHES) + 232100) -
          100) /
         14;
    if (S(p, STAT_YARDS_AFTER_CATCH_AVERAGE) > 20)
        B += Catch_Rate_Term(p);
    return p->nPosition == POS_QB ? B : B + 8;
}

static int Hands_Grade(const GRADED_PLAYER* p) {
    int W = Skill_Base(p);
    int R = Is_Back(p) ? 2 * S(p, OFF_RECEPTIONS) : S(p, OFF_RECEPTIONS);
    int P = Mul_Div(100, R, S(p, STAT_STARTS) + 2 * S(p, STAT_GAMES) + 6);
    int BS = Get_Player_Blocking_Score(p->nTeam, p->nSlot);
    int g = (3 * (W - (BS - 50) / 7) + P / 3 + 50) / 4;
    if (Is_Receiver(p))
        g -= Receiving_Depth_Term(p);
    if (Is_Back(p))
        g = Mul_Div(g, H(STAT_YARDS_PER_RUSH) + Clamp(S(p, STAT_YARDS_PER_RUSH), 250, 750),
                    2 * H(STAT_YARDS_PER_RUSH));
    if (p->nPosition == POS_QB)
        g += 5;
    if (p->nPosition == POS_WR && g > 80)
        g = (g + 80) / 2;
    return g;
}

static int Speed_Grade(const GRADED_PLAYER* p) {
    if (p->nGroup != GROUP_SKILL)
        return p->nAge;
    int g = Max_Int(S(p, STAT_RUNNING_GRADE), S(p, STAT_RECEIVING_GRADE));
    if (p->nPosition != POS_QB) {
        g += Catch_Rate_Term(p);
        if (S(p, OFF_FIRST_DOWNS) > 0)
            g += (Mul_Div(100, S(p, OFF_FIRST_DOWNS) + 5, S(p, OFF_RECEPTIONS) + 10) - 62) / 2;
    }
    return g + 6;
}

// The kick and punt returning grades.
static int Return_Grade(const GRADED_PLAYER* p, int bPunts) {
    int nKick = SK(p, SEASON_PREDICTED, STAT_KICK_RETURN_VALUE);
    int nPunt = SK(p, SEASON_PREDICTED, STAT_PUNT_RETURN_VALUE);
    int F = bPunts ? nKick + 10 * nPunt : nPunt + 5 * nKick;
    if (p->nGroup == GROUP_SKILL) {
        F += bPunts ? 3 * SK(p, SEASON_PREDICTED, OFF_RECEPTIONS)
                    : SK(p, SEASON_PREDICTED, OFF_RUSHING_YARDS) / 8 +
                          SK(p, SEASON_PREDICTED, OFF_RECEIVING_YARDS) / 15 +
                          SK(p, SEASON_PREDICTED, OFF_RUSHES) / 2;
    } else if (F < 50) {
        F += SK(p, SEASON_PREDICTED, bPunts ? STAT_PLAYMAKING_GRADE : STAT_COVERAGE_GRADE) / 5 -
             Get_Player_Run_Block_Grade(p->nTeam, p->nSlot) / 3;
    }
    return Signed_Root(F) + 40;
}

// The games-per-season setting is held to 17 here, and written back when it was larger.
static int Durability_Grade(const GRADED_PLAYER* p) {
    int G = Get_Universe_Stat(UNIVERSE_SEASON_GAMES);
    if (G > MAX_SEASON_GAMES) {
        G = MAX_SEASON_GAMES;
        Set_Universe_Stat(UNIVERSE_SEASON_GAMES, G);
    }
    int X = S(p, STAT_FIELD_GOALS_MADE) + 5 * S(p, KICK_EXTRA_POINTS_MADE) + S(p, STAT_GAMES);
    int C =
        Mul_Div(1000, X,
                5 * S(p, KICK_EXTRA_POINT_ATTEMPTS) + S(p, STAT_FIELD_GOALS_TRIED) / 2 + 2 * G) /
            5 -
        95;
    int V = Min_Int(X + 70, Max_Int(S(p, STAT_GAMES) + 45, C));
    return Max_Int(V, Signed_Root(X / 5) + S(p, STAT_GAMES) / 2 + 60);
}

static int Quarterback_Grade(const GRADED_PLAYER* p, int nStat) {
    switch (nStat) {
    case STAT_COMPLETION_GRADE: return Passing_Grade(S(p, STAT_RELATIVE_COMPLETION_RATE));
    case STAT_YARDS_PER_COMPLETION_GRADE:
        return Passing_Grade(S(p, STAT_RELATIVE_YARDS_PER_COMPLETION));
    case STAT_INTERCEPTION_GRADE: return Passing_Grade(S(p, STAT_RELATIVE_INTERCEPTION_SCORE));
    case STAT_TOUCHDOWN_GRADE:
        return Passing_Grade(S(p, p->nSeason == SEASON_PREDICTED ? STAT_TOUCHDOWN_SCORE
                                                                 : STAT_RELATIVE_TOUCHDOWN_RATE));
    default: {
        int X = Signed_Root(4 * S(p, OFF_RUSHING_YARDS) - 4 * S(p, OFF_RUSHES) + 100);
        int Y =
            Mul_Div(S(p, OFF_SACK_YARDS) + 8 * S(p, OFF_TIMES_SACKED), 20, S(p, OFF_PASS_ATTEMPTS));
        return Mul_Div(X + 62 - Y, S(p, STAT_STARTS) + 100, 117);
    }
    }
}

// Grades 200..204 of a player who is not a quarterback.
static int Passer_Grade_Of_Others(const GRADED_PLAYER* p, int nStat) {
    if (nStat == STAT_MOBILITY_GRADE)
        return S(p, STAT_HANDS_GRADE) / 2 + S(p, STAT_SCORING_GRADE) / 4;
    if (nStat == STAT_TOUCHDOWN_GRADE && p->nGroup == GROUP_SKILL)
        return (3 * S(p, STAT_ELUSIVENESS_GRADE) + 4 * S(p, STAT_SCORING_GRADE) +
                2 * S(p, STAT_SPEED_GRADE)) /
               9;
    return nStat != STAT_TOUCHDOWN_GRADE && p->nGroup == GROUP_SKILL ? 40 : 20;
}

// Grades 200..233 before the scouting step.
static int Compute_Grade(const GRADED_PLAYER* p, int nStat, int* pCacheable) {
    if (nStat <= STAT_MOBILITY_GRADE)
        return p->nPosition == POS_QB ? Quarterback_Grade(p, nStat)
                                      : Passer_Grade_Of_Others(p, nStat);
    int bDefence = p->nGroup == GROUP_DEFENCE;
    switch (nStat) {
    case STAT_RUNNING_GRADE: return Run_Grade(p);
    case STAT_RECEIVING_GRADE: return Receive_Grade(p);
    case STAT_BALL_SECURITY_GRADE: return Ball_Security_Grade(p);
    case STAT_PLAYING_TIME_GRADE:
        return S(p, STAT_GAMES) + S(p, STAT_STARTS) < 21
                   ? 70
                   : 2 * (S(p, STAT_GAMES) + S(p, STAT_STARTS)) + 30;
    case STAT_WORKLOAD_GRADE: {
        if (p->nGroup != GROUP_SKILL)
            return S(p, STAT_PLAYING_TIME_GRADE);
        int V = S(p, STAT_TOUCHES) - 2 * S(p, STAT_STARTS) - 2 * S(p, STAT_GAMES) +
                S(p, OFF_RECEIVING_YARDS) / 5;
        if (p->nPosition == POS_QB)
            V += S(p, STAT_TOUCHES) + S(p, OFF_TIMES_SACKED) + S(p, OFF_PASS_ATTEMPTS) / 5;
        return Signed_Root(20 * V + 900) + 20;
    }
    case STAT_PASS_BLOCKING_GRADE: return Blocking_Grade(p, 0);
    case STAT_RUN_BLOCKING_GRADE: return Blocking_Grade(p, 1);
    case STAT_SACKS_ALLOWED_GRADE: return Sacks_Allowed_Grade(p);
    case STAT_LINEMAN_STRENGTH_GRADE: return Lineman_Strength_Grade(p);
    case STAT_PASS_RUSH_GRADE: return bDefence ? Pass_Rush_Grade(p) : 20;
    case STAT_RUN_STOP_GRADE: return bDefence ? Run_Stop_Grade(p) : 20;
    case STAT_COVERAGE_GRADE:
        return bDefence ? Coverage_Grade(
                              p, 95 * S(p, DEF_PASSES_DEFENSED) + 125 * S(p, DEF_INTERCEPTIONS))
                        : 20;
    case STAT_PLAYMAKING_GRADE: return bDefence ? Playmaking_Grade(p) : 20;
    case STAT_TACKLING_GRADE: return bDefence ? Tackling_Grade(p) : 20;
    case STAT_KICKING_ACCURACY_GRADE:
    case STAT_KICKING_DISTANCE_GRADE:
    case STAT_PUNTING_DISTANCE_GRADE:
    case STAT_PUNTING_ACCURACY_GRADE: return Kicking_Grade(p, nStat, pCacheable);
    case STAT_ELUSIVENESS_GRADE: return Elusiveness_Grade(p);
    case STAT_SCORING_GRADE: return Scoring_Grade(p);
    case STAT_HANDS_GRADE: return Hands_Grade(p);
    case STAT_SPEED_GRADE: return Speed_Grade(p);
    case STAT_KICK_RETURNING_GRADE: return Return_Grade(p, 0);
    case STAT_PUNT_RETURNING_GRADE: return Return_Grade(p, 1);
    case STAT_DURABILITY_GRADE: return Durability_Grade(p);
    default: return 0;  // 214, 224
    }
}

// ---- summaries 299..305 ---------------------------------------------------------------------------

static int Return_Value(const GRADED_PLAYER* p, int nYards, int nTouchdowns, int nAverage,
                        int nDivisor) {
    int64_t X = S(p, nYards) / 2 + 25 * (int64_t)S(p, nTouchdowns);
    return X == 0 ? 0 : Saturate_To_Int(Mul_Div_Wide(X * S(p, nAverage), 1, nDivisor));
}

static int Return_Rating_Value(const GRADED_PLAYER* p, int nRating) {
    float fRating = Get_Player_Rating(p->nTeam, p->nSlot, nRating);
    return Max_Int(0, (int)((fRating - 50.0f) * 15.0f));
}

static int Get_Depth_Chart_Level(const GRADED_PLAYER* p) {
    if (p->nTeam >= LEAGUE_TEAM_COUNT)
        return 0;
    int nCount = Count_Team_Position_Players(p->nTeam, p->nPosition);
    for (int i = 0; i < nCount; i++)
        if (Get_Team_Position_Player(p->nTeam, p->nPosition, i) == p->nSlot)
            return i + 1;
    return 0;
}

static int Value_For_Money(const GRADED_PLAYER* p) {
    float W = Get_Player_Overall_Rating(p->nTeam, p->nSlot) - 50.0f;
    float X = Get_Player_Potential(p->nTeam, p->nSlot) - 50.0f;
    W = W > 0.0f ? W : 0.0f;
    X = X > 0.0f ? X : 0.0f;
    int nProduct = (int)((float)(int)W * X);
    int nValue = (int)(2.0f * (nProduct * X / 10.0f));
    return Mul_Div(1000, nValue,
                   Get_Player_Vital_Stat(p->nTeam, p->nSlot, VITAL_NORMALIZED_CAP_IMPACT));
}

static int Compute_Summary(const GRADED_PLAYER* p, int nStat) {
    int bReturner = Is_Returner_Position(p->nTeam, p->nSlot);
    int bPredicted = p->nSeason == SEASON_PREDICTED;
    switch (nStat) {
    case STAT_PROSPECT_VALUE: {
        int nOverall = (int)Get_Player_Overall_Rating(p->nTeam, p->nSlot);
        int nPotential = (int)Get_Player_Potential(p->nTeam, p->nSlot);
        return Min_Int((nOverall + nPotential) / 2, 100);
    }
    case STAT_KICK_RETURN_VALUE:
        return bReturner ? Return_Value(p, STAT_KICK_RETURN_YARDS, STAT_KICK_RETURN_TOUCHDOWNS,
                                        STAT_KICK_RETURN_AVERAGE, 260)
                         : 0;
    case STAT_PUNT_RETURN_VALUE:
        return bReturner ? Return_Value(p, STAT_PUNT_RETURN_YARDS, STAT_PUNT_RETURN_TOUCHDOWNS,
                                        STAT_PUNT_RETURN_AVERAGE, 85)
                         : 0;
    case STAT_KICK_RETURN_GRADE:
        if (!bReturner)
            return 0;
        return bPredicted ? Return_Rating_Value(p, RATING_KICK_RETURNS)
                          : S(p, STAT_KICK_RETURN_VALUE);
    case STAT_PUNT_RETURN_GRADE:
        if (!bReturner)
            return 0;
        return bPredicted ? Return_Rating_Value(p, RATING_PUNT_RETURNS)
                          : S(p, STAT_PUNT_RETURN_VALUE);
    case STAT_DEPTH_CHART_LEVEL: return Get_Depth_Chart_Level(p);
    case STAT_VALUE_FOR_MONEY: return Value_For_Money(p);
    default: return 0;
    }
}

int Get_Player_Grade_Stat(int nTeam, int nSlot, int nSeason, int nStat, int* pCacheable) {
    *pCacheable = 1;
    GRADED_PLAYER player;
    player.nTeam = nTeam;
    player.nSlot = nSlot;
    player.nSeason = nSeason;
    player.nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    player.nGroup = Get_Position_Group(player.nPosition);
    player.nAge = Get_Player_Age(nTeam, nSlot);
    player.nWeight = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT);
    if (nStat >= FIRST_CARD_GRADE_STAT)
        return Get_Card_Grade(nTeam, nSlot, nSeason, nStat);
    if (nStat >= FIRST_SUMMARY_STAT)
        return Compute_Summary(&player, nStat);
    if (nStat == OVERALL_GRADE)
        return Scouted_Whole(&player, Get_Player_Overall_Rating(nTeam, nSlot));
    if (nStat == PEAK_GRADE)
        return Peak_Grade(&player);
    int nValue = Compute_Grade(&player, nStat, pCacheable);
    if (!*pCacheable)
        return nValue;
    return Clamp(Get_Scouted_Rating_Value(nTeam, nSlot, nValue), GRADE_FLOOR, GRADE_CEILING);
}
