// Past seasons of a new player: his college years (and for an older record his earlier seasons)
// invented from his ratings, so that his statistics pages are not empty. Each season is built in
// the current-season statistics (season kind 0), scaled to the games he played, made consistent,
// copied into a career season line and cleared again.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define HISTORY_EXTRA_SEASONS 5  // a prospect (experience -1) has four college seasons
#define NEWEST_SEASON_LEVEL 4    // level of a season = its index - 4
#define HISTORY_MARKER 128
#define RATING_SHIFT_PER_SEASON 3
#define BASE_GAMES 12
#define MISSED_GAMES_ROLL 6
#define START_SHARE_ROLL 20
#define FULL_SEASON_GAMES 17000  // 17 games in thousandths
#define STAT_NOISE_ROLL 200
#define SMALL_STAT 32
#define RETURNS_ABOVE 65.0f

// Start-share bases of the newest seasons, oldest first; earlier seasons have none.
static const int kStartShareBases[] = {10, 60, 110, 130};
#define START_SHARE_SEASONS ((int)(sizeof(kStartShareBases) / sizeof(kStartShareBases[0])))

// Defensive weights c0..c6 of tackles, assists, sacks, forced fumbles, passes defended,
// interceptions and fumble recoveries, DE..S.
static const float kDefensiveRows[5][7] = {
    {3.0f, 2.0f, 2.0f, 0.2f, 0.2f, 0.05f, 0.15f},    // DE
    {2.5f, 2.5f, 1.0f, 0.1f, 0.25f, 0.05f, 0.15f},   // DT
    {6.0f, 4.5f, 1.0f, 0.25f, 0.75f, 0.25f, 0.15f},  // LB
    {3.5f, 1.5f, 0.3f, 0.15f, 2.0f, 0.5f, 0.05f},    // CB
    {5.0f, 2.5f, 0.3f, 0.1f, 1.5f, 0.4f, 0.1f},      // S
};

// The season-line work of one player: his ratings as shifted for the season, his participation.
typedef struct HISTORY_SEASON {
    int nTeam;
    int nSlot;
    int nPosition;
    float afRatings[RATING_COUNT];
    float fPlay;  // 0.7 x starts + 0.3 x games
} HISTORY_SEASON;

static int Get_Stat(int nTeam, int nSlot, int nStat) {
    return Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, nStat);
}

static void Set_Stat(int nTeam, int nSlot, int nStat, int nValue) {
    Set_Player_Stat(nTeam, nSlot, SEASON_CURRENT, nStat, nValue);
}

static int Get_Work_Stat(const HISTORY_SEASON* pSeason, int nStat) {
    return Get_Stat(pSeason->nTeam, pSeason->nSlot, nStat);
}

// Stores a computed figure as a whole number, cut toward zero.
static void Set_Work_Stat(const HISTORY_SEASON* pSeason, int nStat, float fValue) {
    Set_Stat(pSeason->nTeam, pSeason->nSlot, nStat, (int)fValue);
}

static float Max_Float(float a, float b) {
    return a > b ? a : b;
}

// ---- one season's line from the ratings ---------------------------------------------------------

static void Generate_Passer_Line(const HISTORY_SEASON* p, float fRushing) {
    const float* r = p->afRatings;
    float w = p->fPlay;
    float fRun = (fRushing + r[RATING_MOBILITY]) / 2.0f;
    float a = (r[RATING_ACCURACY] + 100.0f) * 30.0f / 170.0f * w;
    float c = (r[RATING_ACCURACY] / 300.0f + 0.43f) * a;
    Set_Work_Stat(p, OFF_PASS_ATTEMPTS, a);
    Set_Work_Stat(p, OFF_COMPLETIONS, c);
    Set_Work_Stat(p, OFF_INTERCEPTIONS, (105.0f - r[RATING_CONTROL]) / 1400.0f * a);
    Set_Work_Stat(p, OFF_PASSING_YARDS, (r[RATING_DISTANCE] + 50.0f) * c / 10.0f);
    Set_Work_Stat(p, OFF_PASSING_TOUCHDOWNS, a * r[RATING_RED_ZONE] / 1000.0f);
    float fRuns = Max_Float((fRun - 60.0f) / 1.8f, (fRun - 35.0f) / 18.0f) * w;
    float fYards = Max_Float(0.0f, (fRun - 20.0f) * fRuns / 10.0f);
    Set_Work_Stat(p, OFF_RUSHES, fRuns);
    Set_Work_Stat(p, OFF_RUSHING_YARDS, fYards);
    Set_Work_Stat(p, OFF_RUSHING_TOUCHDOWNS, fYards / 100.0f);
    float k = (110.0f - r[RATING_MOBILITY]) * a / 1000.0f;
    Set_Work_Stat(p, OFF_TIMES_SACKED, k);
    Set_Work_Stat(p, OFF_SACK_YARDS, 9.0f * k);
}

static void Generate_Back_Line(const HISTORY_SEASON* p, float fRushing, float fReceiving) {
    const float* r = p->afRatings;
    float w = p->fPlay;
    int bFullback = p->nPosition == POS_FB;
    float fRuns = (bFullback ? 5.0f : 20.0f) * w;
    Set_Work_Stat(p, OFF_RUSHES, fRuns);
    Set_Work_Stat(p, OFF_RUSHING_YARDS, fRushing / 12.5f * fRuns);
    if (bFullback)
        Set_Work_Stat(p, OFF_RUSHING_TOUCHDOWNS, (r[RATING_POWER] - 25.0f) * w / 40.0f);
    else
        Set_Work_Stat(p, OFF_RUSHING_TOUCHDOWNS,
                      (r[RATING_POWER] + r[RATING_RED_ZONE] - 75.0f) * w / 60.0f);
    float v = (fReceiving - 50.0f) * (fReceiving - 50.0f) * w / 12.0f;
    float q = v / 9.0f;
    Set_Work_Stat(p, OFF_RECEIVING_YARDS, v);
    Set_Work_Stat(p, OFF_RECEPTIONS, q);
    Set_Work_Stat(p, OFF_RECEIVING_TOUCHDOWNS, v / 150.0f);
    Set_Work_Stat(p, OFF_TARGETS, (1.5f - (fReceiving + r[RATING_HANDS]) / 600.0f) * q);
    Set_Work_Stat(p, OFF_YARDS_AFTER_CATCH, (r[RATING_POWER] + r[RATING_VISION]) / 275.0f * fRuns);
    Set_Work_Stat(p, OFF_FIRST_DOWNS, r[RATING_VISION] / 125.0f * q);
}

// Tight ends and wide receivers: catches, then a few runs on end-arounds.
static void Generate_Receiver_Line(const HISTORY_SEASON* p, float fRushing, float fReceiving) {
    const float* r = p->afRatings;
    float w = p->fPlay;
    int bTightEnd = p->nPosition == POS_TE;
    float q = bTightEnd ? (fReceiving - 20.0f) * w / 12.0f : fReceiving / 9.0f * w;
    float v = bTightEnd ? fReceiving / 5.5f * q : 0.25f * fReceiving * q;
    Set_Work_Stat(p, OFF_RECEPTIONS, q);
    Set_Work_Stat(p, OFF_RECEIVING_YARDS, v);
    if (bTightEnd)
        Set_Work_Stat(p, OFF_RECEIVING_TOUCHDOWNS, r[RATING_POWER] / 70.0f * v / 125.0f);
    else
        Set_Work_Stat(p, OFF_RECEIVING_TOUCHDOWNS, v / 150.0f);
    float fDrops = bTightEnd ? 1.65f : 1.7f;
    Set_Work_Stat(p, OFF_TARGETS, (fDrops - (fReceiving + r[RATING_HANDS]) / 500.0f) * q);
    Set_Work_Stat(p, OFF_YARDS_AFTER_CATCH, (r[RATING_POWER] + r[RATING_VISION]) * v / 300.0f);
    Set_Work_Stat(p, OFF_FIRST_DOWNS, r[RATING_VISION] / (bTightEnd ? 110.0f : 100.0f) * q);
    int nRuns = 0;
    int nYards = 0;
    int nTries = bTightEnd ? 3 : 5;
    for (int n = 0; n < nTries; n++) {
        if ((float)Draw_Random(300) < fRushing) {
            nRuns++;
            nYards += Draw_Random(25) - 6;
        }
    }
    Set_Work_Stat(p, OFF_RUSHES, (float)nRuns);
    Set_Work_Stat(p, OFF_RUSHING_YARDS, (float)nYards);
}

static void Generate_Defender_Line(const HISTORY_SEASON* p) {
    const float* r = p->afRatings;
    const float* c = kDefensiveRows[p->nPosition - POS_DE];
    float w = p->fPlay;
    float d = (r[RATING_TURNOVERS] - 25.0f) / 50.0f * w;
    Set_Work_Stat(p, DEF_SOLO_TACKLES, (r[RATING_TACKLING] - 25.0f) / 50.0f * w * c[0]);
    Set_Work_Stat(p, DEF_TACKLE_ASSISTS, (r[RATING_RUN_DEFENSE] - 25.0f) / 50.0f * w * c[1]);
    Set_Work_Stat(p, DEF_SACKS, (r[RATING_PASS_RUSH] - 25.0f) / 50.0f * w * c[2]);
    Set_Work_Stat(p, DEF_FORCED_FUMBLES, c[3] * d);
    Set_Work_Stat(p, DEF_PASSES_DEFENSED, (r[RATING_PASS_COVERAGE] - 25.0f) / 50.0f * w * c[4]);
    Set_Work_Stat(p, DEF_INTERCEPTIONS, c[5] * d);
    Set_Work_Stat(p, DEF_FUMBLES_RECOVERED, c[6] * w);
    int nTakeaways = Get_Work_Stat(p, DEF_INTERCEPTIONS) + Get_Work_Stat(p, DEF_FUMBLES_RECOVERED);
    Set_Work_Stat(p, DEF_TOUCHDOWNS, (r[RATING_SPEED] - 35.0f) / 125.0f * (float)nTakeaways);
}

static void Generate_Kicker_Line(const HISTORY_SEASON* p) {
    float fAccuracy = p->afRatings[RATING_FG_ACCURACY];
    float fDistance = p->afRatings[RATING_FG_DISTANCE];
    float w = p->fPlay;
    Set_Work_Stat(p, KICK_EXTRA_POINT_ATTEMPTS, 5.0f * w);
    Set_Work_Stat(p, KICK_EXTRA_POINTS_MADE, fAccuracy / 70.0f * 5.0f * w);
    Set_Work_Stat(p, KICK_FG_ATTEMPTS_UNDER_30, 2.0f * w);
    float h = (fAccuracy - 27.0f) * 2.0f * w;
    Set_Work_Stat(p, KICK_FG_MADE_UNDER_30, h / 40.0f);
    Set_Work_Stat(p, KICK_FG_ATTEMPTS_30_39, 2.0f * w);
    Set_Work_Stat(p, KICK_FG_MADE_30_39, h / 45.0f);
    float g = 0.8f * w;
    Set_Work_Stat(p, KICK_FG_ATTEMPTS_40_49, g);
    Set_Work_Stat(p, KICK_FG_MADE_40_49, (fAccuracy + fDistance - 110.0f) * g / 50.0f);
    float f = (fDistance - 60.0f) * w / 30.0f;
    Set_Work_Stat(p, KICK_FG_ATTEMPTS_50_PLUS, f);
    Set_Work_Stat(p, KICK_FG_MADE_50_PLUS, (fDistance - 50.0f) * f / 35.0f);
    if (Get_Work_Stat(p, KICK_FG_MADE_50_PLUS) > 0)
        Set_Work_Stat(p, KICK_LONGEST_FIELD_GOAL, fDistance / 3.0f + 30.0f);
    else
        Set_Work_Stat(p, KICK_LONGEST_FIELD_GOAL, (float)(44 + Draw_Random(5)));
}

static void Generate_Punter_Line(const HISTORY_SEASON* p) {
    int nLongBonus = Draw_Random(12);
    float fDistance = p->afRatings[RATING_PUNT_DISTANCE];
    float k = 5.0f * p->fPlay;
    Set_Work_Stat(p, KICK_PUNTS, k);
    Set_Work_Stat(p, KICK_PUNT_YARDS, fDistance / 70.0f * k * 45.0f);
    Set_Work_Stat(p, KICK_LONGEST_PUNT, k / 10.0f + 38.0f + fDistance / 5.0f + (float)nLongBonus);
    Set_Work_Stat(p, KICK_TOUCHBACKS, (100.0f - p->afRatings[RATING_PUNT_ACCURACY]) / 250.0f * k);
}

// Kick and punt returns of any good returner.
static void Generate_Return_Lines(const HISTORY_SEASON* p) {
    float fKick = p->afRatings[RATING_KICK_RETURNS];
    if (fKick > RETURNS_ABOVE) {
        float fReturns = (fKick - 50.0f) / 10.0f * p->fPlay;
        Set_Work_Stat(p, STAT_KICK_RETURNS, fReturns);
        Set_Work_Stat(p, STAT_KICK_RETURN_YARDS, fKick / 3.0f * fReturns);
        Set_Work_Stat(p, STAT_KICK_RETURN_TOUCHDOWNS,
                      (float)(Get_Work_Stat(p, STAT_KICK_RETURN_YARDS) / 400));
    }
    float fPunt = p->afRatings[RATING_PUNT_RETURNS];
    if (fPunt > RETURNS_ABOVE) {
        float fReturns = (fPunt - 50.0f) / 12.0f * p->fPlay;
        Set_Work_Stat(p, STAT_PUNT_RETURNS, fReturns);
        Set_Work_Stat(p, STAT_PUNT_RETURN_YARDS, 0.125f * fPunt * fReturns);
        Set_Work_Stat(p, STAT_PUNT_RETURN_TOUCHDOWNS,
                      (float)(Get_Work_Stat(p, STAT_PUNT_RETURN_YARDS) / 250));
    }
}

// The ratings are read shifted by the season's rating shift; the stored ones stay as they are.
void Generate_Season_Stat_Line(int nTeam, int nSlot, float fStarts, int nGames, int nRatingShift) {
    HISTORY_SEASON season;
    season.nTeam = nTeam;
    season.nSlot = nSlot;
    season.nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    season.fPlay = 0.7f * fStarts + 0.3f * (float)nGames;
    for (int nRating = 0; nRating < RATING_COUNT; nRating++) {
        float fValue = Get_Player_Rating(nTeam, nSlot, nRating) + (float)nRatingShift;
        season.afRatings[nRating] = fValue < RATING_FLOOR ? RATING_FLOOR : fValue;
    }
    const float* r = season.afRatings;
    float fRushing = 0.2f * r[RATING_SPEED] + 0.2f * r[RATING_POWER] + 0.25f * r[RATING_QUICKNESS] +
                     0.25f * r[RATING_VISION] + 0.1f * r[RATING_HANDS];
    float fReceiving = 0.1f * (r[RATING_SPEED] + r[RATING_QUICKNESS] + r[RATING_POWER] +
                               r[RATING_VISION] + r[RATING_HANDS] + r[RATING_RED_ZONE]) +
                       0.4f * r[RATING_RECEIVING];
    switch (season.nPosition) {
    case POS_QB: Generate_Passer_Line(&season, fRushing); break;
    case POS_RB:
    case POS_FB: Generate_Back_Line(&season, fRushing, fReceiving); break;
    case POS_TE:
    case POS_WR: Generate_Receiver_Line(&season, fRushing, fReceiving); break;
    case POS_DE:
    case POS_DT:
    case POS_LB:
    case POS_CB:
    case POS_S: Generate_Defender_Line(&season); break;
    case POS_K: Generate_Kicker_Line(&season); break;
    case POS_P: Generate_Punter_Line(&season); break;
    default: break;
    }
    Generate_Return_Lines(&season);
}

// ---- scaling to the games played and consistency ---------------------------------------------

void Scale_Season_Stats_To_Games(int nTeam, int nSlot, int nGames) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int bKicking = nPosition == POS_K || nPosition == POS_P;
    int nScale = nGames == 0 ? 0 : (FULL_SEASON_GAMES + nGames / 2) / nGames;
    for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++) {
        int nNoise = 0;
        if (nStat > STAT_STARTS)
            nNoise = Draw_Random_Around(0, STAT_NOISE_ROLL);
        int nStatScale = nScale;
        if (bKicking && (nStat == KICK_LONGEST_PUNT || nStat == KICK_LONGEST_FIELD_GOAL)) {
            nStatScale = 1000;
            nNoise /= 2;
        } else if (nPosition == POS_K && nStat >= KICK_EXTRA_POINT_ATTEMPTS &&
                   nStat <= KICK_FG_MADE_50_PLUS) {
            nStatScale = 2 * nScale;
            nNoise *= 5;
        }
        int nValue = Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, nStat);
        if (nValue < SMALL_STAT)
            nNoise = Mul_Div(nNoise, 35, 2 * nValue + 3);
        int nScaled = Mul_Div(nValue, 1000 + nNoise, nStatScale);
        if (nScaled < 0 && nValue >= 0)
            nScaled = 0;
        Set_Player_Stat(nTeam, nSlot, SEASON_CURRENT, nStat, nScaled);
    }
}

static void Clear_Negative_Stats(int nTeam, int nSlot, int nFirst, int nLast) {
    for (int nStat = nFirst; nStat <= nLast; nStat++) {
        if (Get_Stat(nTeam, nSlot, nStat) < 0)
            Set_Stat(nTeam, nSlot, nStat, 0);
    }
}

static void Cap_Stat(int nTeam, int nSlot, int nStat, int nMost) {
    if (Get_Stat(nTeam, nSlot, nStat) > nMost)
        Set_Stat(nTeam, nSlot, nStat, nMost);
}

static void Fix_Lineman_Season(int nTeam, int nSlot) {
    int nBase = Get_Stat(nTeam, nSlot, LINE_PENALTIES);
    int nValue = Clamp(Get_Stat(nTeam, nSlot, LINE_PENALTY_YARDS), 6 * nBase, 9 * nBase);
    Set_Stat(nTeam, nSlot, LINE_PENALTY_YARDS, nValue - (nValue + 2) % 5 + 2);
    Clear_Negative_Stats(nTeam, nSlot, STAT_KICK_RETURNS, STAT_PUNT_RETURN_TOUCHDOWNS);
    Cap_Stat(nTeam, nSlot, STAT_KICK_RETURN_YARDS, 31 * Get_Stat(nTeam, nSlot, STAT_KICK_RETURNS));
    Cap_Stat(nTeam, nSlot, STAT_PUNT_RETURN_YARDS, 17 * Get_Stat(nTeam, nSlot, STAT_PUNT_RETURNS));
    if (Get_Stat(nTeam, nSlot, STAT_KICK_RETURN_YARDS) <
        225 * Get_Stat(nTeam, nSlot, STAT_KICK_RETURN_TOUCHDOWNS))
        Set_Stat(nTeam, nSlot, STAT_KICK_RETURN_TOUCHDOWNS, 0);
    if (Get_Stat(nTeam, nSlot, STAT_PUNT_RETURN_YARDS) <
        175 * Get_Stat(nTeam, nSlot, STAT_PUNT_RETURN_TOUCHDOWNS))
        Set_Stat(nTeam, nSlot, STAT_PUNT_RETURN_TOUCHDOWNS, 0);
}

static void Fix_Kicking_Season(int nTeam, int nSlot) {
    for (int nStat = KICK_EXTRA_POINT_ATTEMPTS; nStat <= KICK_FG_ATTEMPTS_50_PLUS; nStat += 2)
        Cap_Stat(nTeam, nSlot, nStat + 1, Get_Stat(nTeam, nSlot, nStat));
    if (Get_Stat(nTeam, nSlot, KICK_LONGEST_FIELD_GOAL) > 68)
        Derive_Longest_Field_Goal(nTeam, nSlot, SEASON_CURRENT);
    if (Get_Stat(nTeam, nSlot, KICK_LONGEST_PUNT) > 75)
        Derive_Longest_Punt(nTeam, nSlot, SEASON_CURRENT);
}

void Fix_Season_Stat_Line(int nTeam, int nSlot) {
    switch (Get_Position_Group(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION))) {
    case GROUP_SKILL: {
        // A quarterback's interceptions against his touchdown passes alike.
        int nLeast = (Get_Stat(nTeam, nSlot, OFF_YARDS_AFTER_CATCH) + 10) / 20;
        if (Get_Stat(nTeam, nSlot, OFF_TARGETS) < nLeast)
            Set_Stat(nTeam, nSlot, OFF_TARGETS, nLeast);
        break;
    }
    case GROUP_LINE: Fix_Lineman_Season(nTeam, nSlot); break;
    case GROUP_DEFENCE: {
        Clear_Negative_Stats(nTeam, nSlot, DEF_SOLO_TACKLES, DEF_COMPLETIONS_ALLOWED);
        int nAllowed = Get_Stat(nTeam, nSlot, DEF_COMPLETIONS_ALLOWED);
        if (Get_Stat(nTeam, nSlot, DEF_PASSES_THROWN_AT) < nAllowed)
            Set_Stat(nTeam, nSlot, DEF_PASSES_THROWN_AT, nAllowed);
        break;
    }
    case GROUP_KICKERS: Fix_Kicking_Season(nTeam, nSlot); break;
    default: break;
    }
}

// ---- storing and the whole history --------------------------------------------------------------

void Store_History_Season(int nTeam, int nSlot, int nYear, int nLevel) {
    if (nTeam == FREE_AGENT_TEAM)
        return;
    int nLine = Add_Player_Season_Line(nTeam, nSlot, Get_Season_Year(), nTeam);
    if (nLine == NO_SEASON_LINE)
        return;
    for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++)
        Set_Season_Line_Stat(nLine, nStat, Get_Stat(nTeam, nSlot, nStat));
    Set_Season_Line_Year(nLine, nYear);
    Set_Season_Line_Marker(nLine, HISTORY_MARKER);
    Set_Season_Line_Flag(nLine, nLevel);
}

// d(6) + d(6) - d(6) - d(6) - d(6): the games a season's injuries cost, up to every game.
static int Draw_Missed_Games(int nAvailable) {
    int nMissed = Draw_Random(MISSED_GAMES_ROLL);
    nMissed += Draw_Random(MISSED_GAMES_ROLL);
    for (int n = 0; n < 3; n++)
        nMissed -= Draw_Random(MISSED_GAMES_ROLL);
    return Clamp(nMissed, 0, nAvailable);
}

void Generate_Player_Career_History(int nTeam, int nSlot, int nYearOffset) {
    int nSeasons = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE) + HISTORY_EXTRA_SEASONS;
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    for (int i = 0; i < nSeasons; i++) {
        int nAvailable = BASE_GAMES + Draw_Random(2);
        int nGames = nAvailable - Draw_Missed_Games(nAvailable);
        int nFromNewest = nSeasons - 1 - i;
        int nBase = nFromNewest < START_SHARE_SEASONS
                        ? kStartShareBases[START_SHARE_SEASONS - 1 - nFromNewest]
                        : 0;
        int nShare = Clamp(Draw_Random_Around(nBase, START_SHARE_ROLL), 0, 100);
        int nStarts = Mul_Div(nGames, nShare, 100);

        Generate_Season_Stat_Line(nTeam, nSlot, (float)nStarts, nGames,
                                  RATING_SHIFT_PER_SEASON * (i - NEWEST_SEASON_LEVEL));
        Scale_Season_Stats_To_Games(nTeam, nSlot, nGames);
        Set_Stat(nTeam, nSlot, STAT_GAMES, nGames);
        Set_Stat(nTeam, nSlot, STAT_STARTS, nStarts);
        if (nPosition == POS_K || nPosition == POS_P) {
            Derive_Longest_Field_Goal(nTeam, nSlot, SEASON_CURRENT);
            Derive_Longest_Punt(nTeam, nSlot, SEASON_CURRENT);
        }
        Fix_Season_Stat_Line(nTeam, nSlot);
        Store_History_Season(nTeam, nSlot, Get_Season_Year() + i + nYearOffset - nSeasons,
                             i - NEWEST_SEASON_LEVEL);
        Clear_Player_Season_Stats(nTeam, nSlot, SEASON_CURRENT);
    }
}
