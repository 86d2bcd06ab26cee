// Ratio and sum statistics derived from a player's stored statistics (ids 100..173) and the
// passer rating. Rates are per mille, averages in hundredths or tenths as noted.
#include "core/core.h"
#include "database/database.h"
#include "database/player_stats_internal.h"

#define PASSER_COMPONENT_MAX 2375
#define PASSER_RATING_MAX 1583
#define DEFENCE_TOTALS_CATEGORY 1

// ---- the passer rating's four components, each 0..2375 ---------------------------------------

// Rates come from any stored counts, so each score is worked out in 64 bits before its clamp.
static int Clamp_Passer_Component(int64_t nScore) {
    return (int)(nScore < 0 ? 0 : nScore > PASSER_COMPONENT_MAX ? PASSER_COMPONENT_MAX : nScore);
}

static int Passer_Completion_Score(int nCompletionRate) {
    return Clamp_Passer_Component(5 * (int64_t)nCompletionRate - 1500);
}

static int Passer_Yards_Score(int nYardsPerAttempt) {
    return Clamp_Passer_Component(Mul_Div_Wide((int64_t)nYardsPerAttempt - 300, 25, 10));
}

static int Passer_Touchdown_Score(int nTouchdownRate) {
    return Clamp_Passer_Component(20 * (int64_t)nTouchdownRate);
}

static int Passer_Interception_Score(int nInterceptionRate) {
    return Clamp_Passer_Component(PASSER_COMPONENT_MAX - 25 * (int64_t)nInterceptionRate);
}

// The passer rating in tenths, 0..1583. Every ratio is 0 without attempts.
int Compute_Passer_Rating(int nAttempts, int nCompletions, int nYards, int nTouchdowns,
                          int nInterceptions) {
    int nSum = Passer_Completion_Score(Mul_Div(nCompletions, 1000, nAttempts)) +
               Passer_Yards_Score(Mul_Div(nYards, 100, nAttempts)) +
               Passer_Touchdown_Score(Mul_Div(nTouchdowns, 1000, nAttempts)) +
               Passer_Interception_Score(Mul_Div(nInterceptions, 1000, nAttempts));
    return Clamp(nSum / 6, 0, PASSER_RATING_MAX);
}

// ---- the derived ids ---------------------------------------------------------------------------

// x × k / y rounded half away from zero; 0 when y is 0.
static int Ratio(int x, int y, int k) {
    return Mul_Div(x, k, y);
}

int Get_Ratio_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat) {
    auto S = [=](int nId) { return Get_Player_Stat(nTeam, nSlot, nSeason, nId); };
    auto H = [](int nId) { return Get_Historical_Average_Stat(nId, Get_Season_Year()); };
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nGroup = Get_Position_Group(nPosition);
    int bQuarterback = nPosition == POS_QB;
    int bKicker = nGroup == GROUP_KICKERS;
    int bReceiver = nPosition >= POS_RB && nPosition <= POS_WR;

    switch (nStat) {
    case STAT_PASSER_RATING: {
        int nSum = S(STAT_COMPLETION_SCORE) + S(STAT_YARDS_PER_ATTEMPT_SCORE) +
                   S(STAT_TOUCHDOWN_SCORE) + S(STAT_INTERCEPTION_SCORE);
        return Max_Int(nSum / 6, 0);
    }
    case STAT_COMPLETION_RATE: return Ratio(S(OFF_COMPLETIONS), S(OFF_PASS_ATTEMPTS), 1000);
    case STAT_COMPLETION_SCORE: return Passer_Completion_Score(S(STAT_COMPLETION_RATE));
    case STAT_YARDS_PER_ATTEMPT: return Ratio(S(OFF_PASSING_YARDS), S(OFF_PASS_ATTEMPTS), 100);
    case STAT_YARDS_PER_ATTEMPT_SCORE: return Passer_Yards_Score(S(STAT_YARDS_PER_ATTEMPT));
    case STAT_TOUCHDOWN_RATE: return Ratio(S(OFF_PASSING_TOUCHDOWNS), S(OFF_PASS_ATTEMPTS), 1000);
    case STAT_TOUCHDOWN_SCORE:
        return bQuarterback ? Passer_Touchdown_Score(S(STAT_TOUCHDOWN_RATE)) : 0;
    case STAT_INTERCEPTION_RATE:
        return bQuarterback ? Ratio(S(OFF_INTERCEPTIONS), S(OFF_PASS_ATTEMPTS), 1000) : 0;
    case STAT_INTERCEPTION_SCORE:
        return bQuarterback ? Passer_Interception_Score(S(STAT_INTERCEPTION_RATE)) : 0;
    case STAT_YARDS_PER_COMPLETION: return Ratio(S(OFF_PASSING_YARDS), S(OFF_COMPLETIONS), 100);
    case STAT_PASSING_YARDS_PER_GAME:
        return bQuarterback ? Ratio(S(OFF_PASSING_YARDS), S(STAT_GAMES), 10) : 0;
    case STAT_TOUCHES: return S(OFF_RUSHES) + S(OFF_RECEPTIONS);
    case STAT_YARDS_PER_RUSH: return Ratio(S(OFF_RUSHING_YARDS), S(OFF_RUSHES), 100);
    case STAT_YARDS_PER_RECEPTION: return Ratio(S(OFF_RECEIVING_YARDS), S(OFF_RECEPTIONS), 10);
    case STAT_YARDS_AFTER_CATCH_AVERAGE:
        return bReceiver ? Ratio(S(OFF_YARDS_AFTER_CATCH), S(OFF_RECEPTIONS), 10) : 0;
    case STAT_PUNT_AVERAGE: return Ratio(S(KICK_PUNT_YARDS), S(KICK_PUNTS), 10);
    case STAT_KICK_RETURN_AVERAGE:
        return Ratio(S(STAT_KICK_RETURN_YARDS), S(STAT_KICK_RETURNS), 10);
    case STAT_PUNT_RETURN_AVERAGE:
        return Ratio(S(STAT_PUNT_RETURN_YARDS), S(STAT_PUNT_RETURNS), 10);
    case STAT_EXTRA_POINT_RATE:
        return bKicker ? Ratio(S(KICK_EXTRA_POINTS_MADE), S(KICK_EXTRA_POINT_ATTEMPTS), 1000) : 0;
    case STAT_FIELD_GOALS_MADE:
        return bKicker ? S(KICK_FG_MADE_UNDER_30) + S(KICK_FG_MADE_30_39) + S(KICK_FG_MADE_40_49) +
                             S(KICK_FG_MADE_50_PLUS)
                       : 0;
    case STAT_FIELD_GOALS_TRIED:
        return bKicker ? S(KICK_FG_ATTEMPTS_UNDER_30) + S(KICK_FG_ATTEMPTS_30_39) +
                             S(KICK_FG_ATTEMPTS_40_49) + S(KICK_FG_ATTEMPTS_50_PLUS)
                       : 0;
    case STAT_FIELD_GOAL_RATE:
        return bKicker ? Ratio(S(STAT_FIELD_GOALS_MADE), S(STAT_FIELD_GOALS_TRIED), 1000) : 0;
    case STAT_FG_RATE_UNDER_30:
    case STAT_FG_RATE_30_39:
    case STAT_FG_RATE_40_49:
    case STAT_FG_RATE_50_PLUS: {
        // Made over attempted in one distance band; each band keeps attempts, then made.
        int nAttempts = KICK_FG_ATTEMPTS_UNDER_30 + 2 * (nStat - STAT_FG_RATE_UNDER_30);
        return bKicker ? Ratio(S(nAttempts + 1), S(nAttempts), 1000) : 0;
    }
    case STAT_FG_RATE_UNDER_40:
        return bKicker ? Ratio(S(KICK_FG_MADE_UNDER_30) + S(KICK_FG_MADE_30_39),
                               S(KICK_FG_ATTEMPTS_UNDER_30) + S(KICK_FG_ATTEMPTS_30_39), 1000)
                       : 0;
    case STAT_FG_RATE_40_PLUS:
        return bKicker ? Ratio(S(KICK_FG_MADE_40_49) + S(KICK_FG_MADE_50_PLUS),
                               S(KICK_FG_ATTEMPTS_40_49) + S(KICK_FG_ATTEMPTS_50_PLUS), 1000)
                       : 0;
    case STAT_SCRIMMAGE_YARDS:
        return nGroup == GROUP_SKILL ? S(OFF_RECEIVING_YARDS) + S(OFF_RUSHING_YARDS) : 0;
    case STAT_ALL_PURPOSE_YARDS: return S(STAT_SCRIMMAGE_YARDS) + S(STAT_RETURN_YARDS);
    case STAT_SCRIMMAGE_TOUCHDOWNS: return S(OFF_RECEIVING_TOUCHDOWNS) + S(OFF_RUSHING_TOUCHDOWNS);
    case STAT_KICKS: return S(STAT_FIELD_GOALS_TRIED) + S(KICK_PUNTS);
    case STAT_TOTAL_YARDS:
        return S(STAT_SCRIMMAGE_YARDS) + S(OFF_PASSING_YARDS) + S(STAT_RETURN_YARDS);
    case STAT_TOUCHDOWNS:
        return bKicker ? 0 : S(STAT_SCRIMMAGE_TOUCHDOWNS) + S(STAT_RETURN_TOUCHDOWNS);
    case STAT_POINTS:
        return bKicker ? 3 * S(STAT_FIELD_GOALS_MADE) + S(KICK_EXTRA_POINTS_MADE)
                       : 6 * S(STAT_SCRIMMAGE_TOUCHDOWNS) + 6 * S(STAT_RETURN_TOUCHDOWNS);
    case STAT_RETURNS: return S(STAT_KICK_RETURNS) + S(STAT_PUNT_RETURNS);
    case STAT_RETURN_YARDS: return S(STAT_KICK_RETURN_YARDS) + S(STAT_PUNT_RETURN_YARDS);
    case STAT_RETURN_TOUCHDOWNS:
        return S(STAT_KICK_RETURN_TOUCHDOWNS) + S(STAT_PUNT_RETURN_TOUCHDOWNS);
    case STAT_SACK_TENTHS: return 5 * S(DEF_SACKS);
    case STAT_SACKS_ALLOWED_WEIGHT: return 25 * S(LINE_SACKS_ALLOWED);
    case STAT_SACKS_ALLOWED_PER_GAME: return Ratio(25 * S(LINE_SACKS_ALLOWED), S(STAT_GAMES), 1);
    case STAT_TACKLES_PER_GAME: return Ratio(S(STAT_TACKLES), S(STAT_GAMES), 10);
    case STAT_TACKLES: return S(DEF_SOLO_TACKLES) + S(DEF_TACKLE_ASSISTS);
    case STAT_RECEPTION_RATE:
        if (nSeason == SEASON_CAREER)
            return Get_Career_Reception_Rate(nTeam, nSlot);
        return Ratio(S(OFF_RECEPTIONS), S(OFF_TARGETS), 1000);
    case STAT_COVERAGE_COMPLETION_RATE:
        return Ratio(S(DEF_COMPLETIONS_ALLOWED), S(DEF_PASSES_THROWN_AT), 1000);
    case STAT_TACKLE_POINTS: return 10 * S(DEF_SOLO_TACKLES) + 5 * S(DEF_TACKLE_ASSISTS);
    case STAT_TACKLE_SHARE: {
        int nTeamShare =
            Get_Team_Totals_Stat(nTeam, DEFENCE_TOTALS_CATEGORY, nSeason, STAT_TACKLE_POINTS) +
            Get_Team_Totals_Stat(nTeam, DEFENCE_TOTALS_CATEGORY, nSeason, STAT_SACK_TENTHS);
        return Ratio(S(STAT_TACKLE_POINTS) + S(STAT_SACK_TENTHS), nTeamShare, 100);
    }
    case STAT_RELATIVE_YARDS_PER_COMPLETION: {
        if (!bQuarterback)
            return 0;
        int nRelative = Ratio(S(STAT_YARDS_PER_COMPLETION), H(STAT_YARDS_PER_COMPLETION), 3000);
        return Clamp(nRelative - 2000, 0, 2000);
    }
    case STAT_RELATIVE_TOUCHDOWN_RATE:
        return Ratio(S(STAT_TOUCHDOWN_RATE), H(STAT_TOUCHDOWN_RATE), 1000);
    case STAT_RELATIVE_COMPLETION_RATE:
        return bQuarterback ? Ratio(S(STAT_COMPLETION_RATE), H(STAT_COMPLETION_RATE), 1000) : 0;
    case STAT_RELATIVE_INTERCEPTION_SCORE: {
        if (!bQuarterback)
            return 0;
        int nRelative = Ratio(S(STAT_INTERCEPTION_RATE), H(STAT_INTERCEPTION_RATE), 1000);
        return nRelative <= 2000 ? 2000 - nRelative : 0;
    }
    default: return Report_Unknown_Player_Stat(nTeam, nSlot, nSeason, nStat);
    }
}
