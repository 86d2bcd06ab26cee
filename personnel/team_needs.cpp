// A team's needs at each position: the quality of its starters, the depth behind them and the age
// of its players, each in per mille of the league's average and squeezed into 400..2000.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define NEED_FLOOR 400
#define NEED_CEILING 2000
#define MISSING_STARTER_NEED 2000
#define MISSING_BACKUP_NEED 1200
#define STARTER_WORTH_MARK 2000
#define BACKUP_WORTH_MARK 1200
#define DEPTH_NEED_MARK 1700
#define DEPTH_WORTH_FLOOR 50
#define SHORT_POSITION_AGE_NEED 4000
#define AGE_WORTH_MARK 2000
#define AGE_GROWTH_SCALE 2500
#define AGED_PLAYER_CREDIT 100
#define YOUNG_AGE 26
#define YOUNG_PLAYER_BONUS 600
#define PRIME_PLAYER_BONUS 500
#define PRIME_FIRST_AGE 25
#define RECORD_GAME_WEIGHT 50
#define RECORD_WIN_BASE 20
#define QB_LIMIT_BASE_YEAR 1950
#define QB_LIMIT_YEARS_PER_STEP 20
#define SQUEEZE_LOW 800
#define SQUEEZE_HIGH 1400

const int POSITION_NEED_WEIGHTS[POSITION_COUNT] = {1750, 1100, 500, 300, 1000, 900, 900, 900,
                                                   400,  200,  700, 800, 750,  300, 300};

static const int kPositionAgeLimits[POSITION_COUNT] = {32, 27, 29, 29, 29, 28, 30, 29,
                                                       29, 30, 29, 28, 28, 35, 35};

// The preference entry of each need kind's first position.
static const int kAverageEntries[NEED_KIND_COUNT] = {
    PREF_STARTER_NEED_AVERAGES, PREF_DEPTH_NEED_AVERAGES, PREF_AGE_NEED_AVERAGES};

static int Is_Position(int nPosition) {
    return nPosition >= 0 && nPosition < POSITION_COUNT;
}

int Normalize_Worth_By_Position(int nWorth, int nPosition) {
    if (!Is_Position(nPosition))
        return 0;
    return Max_Int(0, Mul_Div(nWorth, 1000, POSITION_NEED_WEIGHTS[nPosition]));
}

int Get_Team_Record_Need_Factor(int nTeam) {
    return (Get_Team_Losses(nTeam) - Get_Team_Wins(nTeam)) * RECORD_GAME_WEIGHT;
}

uint8_t Get_Position_Last_Starter(int nTeam, int nPosition) {
    if (!Is_Position(nPosition))
        return NO_SLOT_BYTE;
    return Get_Team_Position_Player(nTeam, nPosition, POSITION_STARTERS[nPosition] - 1);
}

uint8_t Get_Position_First_Backup(int nTeam, int nPosition) {
    if (!Is_Position(nPosition))
        return NO_SLOT_BYTE;
    return Get_Team_Position_Player(nTeam, nPosition, POSITION_STARTERS[nPosition]);
}

static int Get_Normalized_Worth(int nTeam, int nSlot, int nPosition) {
    return Normalize_Worth_By_Position(Get_Player_Worth(nTeam, nSlot), nPosition);
}

// ---- the raw measures ---------------------------------------------------------------------------

// A winning team needs quality more.
int Get_Position_Starter_Need(int nTeam, int nPosition) {
    if (!Is_Position(nPosition))
        return 0;
    uint8_t nStarter = Get_Position_Last_Starter(nTeam, nPosition);
    if (nStarter == NO_SLOT_BYTE)
        return MISSING_STARTER_NEED;
    int nStarterWorth = Get_Normalized_Worth(nTeam, nStarter, nPosition);
    uint8_t nBackup = Get_Position_First_Backup(nTeam, nPosition);
    if (nBackup == NO_SLOT_BYTE)
        return MISSING_BACKUP_NEED;
    int nBackupWorth = Get_Normalized_Worth(nTeam, nBackup, nPosition);
    int nNeed = Max_Int(STARTER_WORTH_MARK - nStarterWorth, 0);
    nNeed = Max_Int(BACKUP_WORTH_MARK - nBackupWorth / 3, nNeed);
    int nRecord =
        (Get_Team_Wins(nTeam) - Get_Team_Losses(nTeam) + RECORD_WIN_BASE) * RECORD_GAME_WEIGHT;
    return Clamp(Mul_Div(nNeed, nRecord, 1000), NEED_FLOOR, NEED_CEILING);
}

int Get_Position_Depth_Need(int nTeam, int nPosition) {
    if (!Is_Position(nPosition))
        return 0;
    int nCount = Count_Team_Position_Players(nTeam, nPosition);
    if (nCount < POSITION_ROSTER_MINIMUMS[nPosition])
        return NEED_CEILING;
    int nExpected = POSITION_NEED_WEIGHTS[nPosition] *
                    (POSITION_ROSTER_CEILINGS[nPosition] - POSITION_STARTERS[nPosition]);
    int nDepth = 0;
    for (int n = POSITION_STARTERS[nPosition]; n < nCount; n++) {
        uint8_t nSlot = Get_Team_Position_Player(nTeam, nPosition, n);
        nDepth += Max_Int(Get_Player_Worth(nTeam, nSlot), DEPTH_WORTH_FLOOR);
    }
    int nCover = nExpected == 0 ? 0 : Mul_Div(nDepth, 2000, nExpected);
    return Clamp(DEPTH_NEED_MARK - nCover, NEED_FLOOR, NEED_CEILING);
}

static int Get_Position_Age_Limit(int nPosition) {
    int nLimit = kPositionAgeLimits[nPosition];
    if (nPosition == POS_QB)
        nLimit += (Get_Season_Year() - QB_LIMIT_BASE_YEAR) / QB_LIMIT_YEARS_PER_STEP;
    return nLimit;
}

// What a player adds to his position's future: little once he reaches the age limit, his worth
// and potential with a bonus while young, shrinking toward the limit after that.
static int Get_Succession_Credit(int nTeam, int nSlot, int nLimit) {
    int nAge = Get_Player_Age(nTeam, nSlot);
    if (nAge >= nLimit)
        return AGED_PLAYER_CREDIT;
    int nPotential = Get_Rating_Value(nTeam, nSlot, Get_Player_Potential(nTeam, nSlot));
    int nCredit = (Get_Player_Worth(nTeam, nSlot) + Max_Int(0, nPotential)) / 2;
    if (nAge < YOUNG_AGE)
        nCredit += YOUNG_PLAYER_BONUS;
    else
        nCredit = Mul_Div(nCredit + PRIME_PLAYER_BONUS, nLimit - nAge, nLimit - PRIME_FIRST_AGE) +
                  AGED_PLAYER_CREDIT;
    return nCredit < 1 ? 0 : nCredit;
}

// A losing team needs youth more.
int Get_Position_Age_Need(int nTeam, int nPosition) {
    if (!Is_Position(nPosition))
        return 0;
    int nCount = Count_Team_Position_Players(nTeam, nPosition);
    if (nCount < POSITION_ROSTER_MINIMUMS[nPosition])
        return SHORT_POSITION_AGE_NEED;
    int nLimit = Get_Position_Age_Limit(nPosition);
    int nSum = 0;
    for (int n = 0; n < nCount; n++)
        nSum += Get_Succession_Credit(nTeam, Get_Team_Position_Player(nTeam, nPosition, n), nLimit);
    int nFull = (2 * POSITION_ROSTER_CEILINGS[nPosition] - 1) * POSITION_NEED_WEIGHTS[nPosition];
    int nCover = Mul_Div(nSum, AGE_GROWTH_SCALE, nFull);
    if (nCover == AGE_WORTH_MARK)
        return NEED_FLOOR;
    int nNeed = Mul_Div(AGE_WORTH_MARK - nCover, 1000 + Get_Team_Record_Need_Factor(nTeam), 1000);
    return Clamp(nNeed, NEED_FLOOR, NEED_CEILING);
}

// ---- league averages ----------------------------------------------------------------------------

static int Get_Raw_Need(int nTeam, int nKind, int nPosition) {
    switch (nKind) {
    case NEED_STARTER: return Get_Position_Starter_Need(nTeam, nPosition);
    case NEED_DEPTH: return Get_Position_Depth_Need(nTeam, nPosition);
    default: return Get_Position_Age_Need(nTeam, nPosition);
    }
}

// The mean over the league's teams in use, stored in the kind's preference entry. Ratings are read
// free of scouting error, as in Commissioner Mode.
static int Average_Position_Need(int nKind, int nPosition) {
    if (!Is_Position(nPosition))
        return 0;
    int nSavedMode = gCommissionerMode;
    gCommissionerMode = 1;
    int nSum = 0;
    int nTeams = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        nSum += Get_Raw_Need(nTeam, nKind, nPosition);
        nTeams++;
    }
    gCommissionerMode = nSavedMode;
    int nAverage = nTeams == 0 ? 0 : nSum / nTeams;
    Set_User_Preference(kAverageEntries[nKind] + nPosition, nAverage);
    return nAverage;
}

static int Get_Average_Position_Need(int nKind, int nPosition) {
    if (!Is_Position(nPosition))
        return 0;
    int nAverage = Get_User_Preference(kAverageEntries[nKind] + nPosition);
    return nAverage != 0 ? nAverage : Average_Position_Need(nKind, nPosition);
}

int Average_Position_Starter_Need(int nPosition) {
    return Average_Position_Need(NEED_STARTER, nPosition);
}

int Average_Position_Depth_Need(int nPosition) {
    return Average_Position_Need(NEED_DEPTH, nPosition);
}

int Average_Position_Age_Need(int nPosition) {
    return Average_Position_Need(NEED_AGE, nPosition);
}

int Get_Average_Position_Starter_Need(int nPosition) {
    return Get_Average_Position_Need(NEED_STARTER, nPosition);
}

int Get_Average_Position_Depth_Need(int nPosition) {
    return Get_Average_Position_Need(NEED_DEPTH, nPosition);
}

int Get_Average_Position_Age_Need(int nPosition) {
    return Get_Average_Position_Need(NEED_AGE, nPosition);
}

void Average_Position_Needs(int nPosition) {
    for (int nKind = 0; nKind < NEED_KIND_COUNT; nKind++)
        Average_Position_Need(nKind, nPosition);
}

void Compute_Position_Need_Averages(void) {
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
        Average_Position_Needs(nPosition);
}

// ---- the team's table ---------------------------------------------------------------------------

// Below 800 halved toward 400, above 1400 halved toward 2000.
static int Squeeze_Need(int nNeed) {
    if (nNeed < SQUEEZE_LOW)
        return nNeed / 2 <= 0 ? NEED_FLOOR : NEED_FLOOR + nNeed / 2;
    if (nNeed <= SQUEEZE_HIGH)
        return nNeed;
    return Min_Int(SQUEEZE_HIGH + (nNeed - SQUEEZE_HIGH) / 2, NEED_CEILING);
}

void Get_Team_Needs(int nTeam, TEAM_NEEDS needs) {
    int nSavedMode = gCommissionerMode;
    gCommissionerMode = 1;
    for (int nKind = 0; nKind < NEED_KIND_COUNT; nKind++) {
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
            int nRaw = Get_Raw_Need(nTeam, nKind, nPosition);
            int nAverage = Get_Average_Position_Need(nKind, nPosition);
            int nRatio = nAverage == 0 ? 0 : Mul_Div(nRaw, 1000, nAverage);
            needs[nKind][nPosition] = Squeeze_Need(nRatio);
        }
    }
    gCommissionerMode = nSavedMode;
}
