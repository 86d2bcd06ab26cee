// Built-in tables of statistics: a typical full season by position and depth-chart role, the
// league's historical averages by season and the era weighting of the game engine.
#include "core/core.h"
#include "database/database.h"

#define AVERAGE_STAT_ROWS 43  // positions 0..14 and depth-chart roles 15..42
#define HISTORY_FIRST_YEAR 1950
#define HISTORY_YEARS 70  // 1950..2019
#define ERA_YEARS 76      // 1950..2025

template <typename T, int N>
constexpr int Count_Of(const T (&)[N]) {
    return N;
}

// A typical full season of stats 0..19 for each position and depth-chart role.
static const int16_t kAverageStats[][SEASON_STAT_STORED] = {
    {14, 12, 420, 240, 14, 2400, 16, 25, 65, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0},  // QB
    {14, 12, 0, 68, 0, 0, 0, 140, 455, 4, 20, 110, 2, 3, 0, 0, 0, 0, 0, 0},     // RB
    {14, 12, 0, 83, 0, 0, 0, 40, 140, 1, 10, 50, 1, 1, 0, 0, 0, 0, 0, 0},       // FB
    {14, 12, 0, 80, 0, 0, 0, 0, 0, 0, 30, 270, 3, 2, 0, 0, 0, 0, 0, 0},         // TE
    {14, 12, 0, 63, 0, 0, 0, 2, 10, 0, 50, 600, 5, 2, 30, 540, 0, 30, 240, 0},  // WR
    {14, 11, 0, 0, 9, 0, 0, 115, 550, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},      // T
    {14, 11, 0, 0, 13, 0, 0, 310, 1200, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},    // G
    {14, 11, 0, 0, 17, 0, 0, 195, 680, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},     // C
    {14, 12, 25, 12, 7, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // DE
    {14, 12, 45, 18, 5, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // DT
    {14, 12, 60, 20, 3, 1, 3, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // LB
    {14, 12, 35, 5, 0, 0, 10, 3, 1, 0, 0, 0, 0, 0, 15, 275, 0, 15, 120, 0},     // CB
    {14, 12, 50, 5, 1, 0, 5, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},            // S
    {14, 12, 0, 0, 0, 0, 0, 0, 50, 49, 10, 9, 10, 8, 6, 4, 4, 2, 53, 0},        // K
    {14, 12, 50, 2000, 12, 60, 6, 480, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},     // P
    {14, 12, 0, 63, 0, 0, 0, 2, 10, 0, 60, 550, 5, 2, 25, 450, 0, 20, 170, 0},  // WR1
    {14, 12, 0, 63, 0, 0, 0, 2, 10, 0, 50, 600, 5, 2, 30, 540, 0, 30, 240, 0},  // WR2
    {14, 12, 0, 63, 0, 0, 0, 2, 10, 0, 50, 400, 5, 2, 20, 360, 0, 35, 290, 0},  // SWR
    {14, 12, 0, 63, 0, 0, 0, 1, 5, 0, 10, 100, 1, 0, 40, 750, 0, 40, 360, 0},   // RS
    {14, 12, 0, 63, 0, 0, 0, 1, 5, 0, 20, 200, 2, 0, 30, 500, 0, 30, 220, 0},   // ST
    {14, 12, 0, 63, 0, 0, 0, 1, 5, 0, 20, 200, 2, 0, 30, 500, 0, 30, 220, 0},   // OE
    {14, 11, 0, 0, 9, 0, 0, 115, 550, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},      // LT
    {14, 11, 0, 0, 13, 0, 0, 310, 1200, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},    // LG
    {14, 11, 0, 0, 13, 0, 0, 310, 1200, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},    // RG
    {14, 11, 0, 0, 9, 0, 0, 115, 550, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},      // RT
    {14, 11, 0, 0, 17, 0, 0, 195, 680, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},     // LS
    {14, 12, 25, 12, 7, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // LDE
    {14, 12, 45, 15, 5, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // LDT
    {14, 12, 35, 18, 5, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // NT
    {14, 12, 45, 15, 5, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // RDT
    {14, 12, 25, 12, 8, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // RDE
    {14, 12, 70, 20, 3, 1, 3, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // MLB
    {14, 12, 65, 20, 3, 1, 3, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // ILB
    {14, 12, 50, 20, 5, 1, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // OLB
    {14, 12, 65, 20, 3, 1, 3, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // LILB
    {14, 12, 65, 20, 3, 1, 3, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // RILB
    {14, 12, 50, 20, 5, 1, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // LOLB
    {14, 12, 45, 20, 6, 1, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},           // ROLB
    {14, 12, 35, 5, 0, 0, 10, 3, 1, 0, 0, 0, 0, 0, 15, 275, 0, 15, 120, 0},     // LCB
    {14, 12, 35, 5, 0, 0, 10, 3, 1, 0, 0, 0, 0, 0, 15, 275, 0, 15, 120, 0},     // RCB
    {14, 12, 35, 5, 0, 0, 9, 2, 1, 0, 0, 0, 0, 0, 5, 90, 0, 5, 40, 0},          // NB
    {14, 12, 50, 5, 1, 0, 5, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},            // SS
    {14, 12, 50, 5, 1, 0, 5, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},            // FS
};

static_assert(Count_Of(kAverageStats) == AVERAGE_STAT_ROWS);

// League averages by season, 1950 first.
static const int16_t kCompletionRates[] = {  // STAT_COMPLETION_RATE, per mille
    466, 463, 473, 504, 479, 505, 504, 494, 500, 502, 521, 533, 516, 514, 513, 515, 510, 516,
    526, 513, 510, 516, 526, 530, 532, 531, 518, 537, 547, 567, 552, 575, 575, 574, 552, 557,
    558, 545, 561, 566, 579, 584, 586, 588, 602, 581, 568, 574, 574, 588, 600, 610, 615, 616,
    618, 620, 622, 623, 624, 625, 626, 627, 628, 631, 630, 630, 621, 649, 635, 652};

static const int16_t kTouchdownRates[] = {  // STAT_TOUCHDOWN_RATE, per mille
    52, 54, 44, 50, 47, 49, 51, 53, 53, 54, 54, 56, 56, 51, 57, 46, 50, 51, 51, 43, 41, 44, 44, 42,
    44, 45, 41, 41, 42, 45, 43, 41, 46, 45, 43, 42, 48, 40, 41, 43, 37, 40, 36, 40, 41, 40, 41, 46,
    40, 40, 40, 41, 42, 47, 41, 42, 43, 43, 43, 43, 43, 43, 42, 44, 46, 43, 42, 48, 45, 48};

static const int16_t kInterceptionRates[] = {  // STAT_INTERCEPTION_RATE, per mille
    74, 74, 72, 69, 68, 73, 69, 62, 59, 67, 63, 61, 56, 48, 51, 52, 57, 54, 49, 53, 57, 51, 51, 49,
    52, 47, 54, 52, 45, 46, 42, 44, 43, 40, 41, 39, 38, 39, 38, 34, 34, 37, 31, 31, 30, 33, 29, 31,
    34, 32, 32, 29, 31, 31, 31, 31, 31, 31, 31, 30, 29, 28, 27, 27, 24, 23, 25, 24, 23, 22};

static const int16_t kYardsPerCompletion[] = {  // STAT_YARDS_PER_COMPLETION, hundredths
    1460, 1440, 1380, 1420, 1380, 1400, 1470, 1450, 1450, 1440, 1430, 1470, 1460, 1390,
    1450, 1340, 1360, 1360, 1330, 1356, 1326, 1308, 1261, 1240, 1283, 1284, 1275, 1264,
    1266, 1246, 1284, 1236, 1266, 1259, 1283, 1270, 1278, 1288, 1275, 1251, 1199, 1195,
    1147, 1158, 1140, 1159, 1187, 1218, 1188, 1158, 1150, 1140, 1130, 1125, 1125, 1125,
    1125, 1125, 1125, 1125, 1125, 1125, 1125, 1125, 1125, 1140, 1140, 1140, 1140, 1110};

static const int16_t kYardsPerRush[] = {  // STAT_YARDS_PER_RUSH, hundredths
    405, 381, 400, 398, 399, 411, 390, 423, 422, 408, 422, 407, 405, 400, 392, 390, 392, 402,
    400, 383, 400, 410, 410, 390, 400, 410, 380, 400, 400, 400, 400, 400, 410, 410, 410, 410,
    410, 410, 410, 410, 410, 400, 400, 390, 390, 380, 400, 400, 410, 410, 410, 420, 420, 410,
    400, 410, 410, 420, 420, 420, 420, 426, 417, 416, 413, 419, 408, 441, 430, 440};

static const int16_t kPuntingAverages[] = {  // STAT_PUNT_AVERAGE, tenths
    404, 412, 411, 405, 410, 405, 412, 407, 429, 422, 426, 420, 429, 432, 425, 407, 403, 400,
    400, 410, 408, 409, 410, 390, 396, 391, 389, 390, 398, 406, 411, 409, 410, 413, 417, 409,
    398, 406, 406, 408, 417, 424, 424, 418, 420, 431, 430, 434, 419, 419, 421, 413, 413, 420,
    425, 434, 434, 439, 441, 434, 450, 455, 450, 448, 452, 453, 454, 450, 452, 456};

static const int16_t kFieldGoalRates[] = {  // STAT_FIELD_GOAL_RATE, per mille
    516, 430, 466, 536, 460, 511, 522, 469, 468, 560, 481, 495, 496, 531, 538, 557, 492, 556,
    527, 594, 587, 611, 631, 606, 642, 595, 583, 631, 631, 636, 659, 682, 715, 717, 722, 686,
    703, 717, 725, 744, 735, 726, 766, 789, 774, 800, 781, 796, 777, 797, 763, 775, 792, 808,
    810, 814, 828, 845, 813, 824, 829, 839, 865, 840, 845, 842, 843, 847, 816, 846};

static_assert(Count_Of(kCompletionRates) == HISTORY_YEARS);
static_assert(Count_Of(kTouchdownRates) == HISTORY_YEARS);
static_assert(Count_Of(kInterceptionRates) == HISTORY_YEARS);
static_assert(Count_Of(kYardsPerCompletion) == HISTORY_YEARS);
static_assert(Count_Of(kYardsPerRush) == HISTORY_YEARS);
static_assert(Count_Of(kPuntingAverages) == HISTORY_YEARS);
static_assert(Count_Of(kFieldGoalRates) == HISTORY_YEARS);

// The era weighting by season, 1950..2025.
static const int16_t kEraValues[] = {
    1106, 1102, 1228, 1339, 1497, 1118, 977,  1098, 1277, 1182, 1282, 1373, 1539, 1470, 1401, 1523,
    1474, 1493, 1329, 1455, 1341, 1197, 1091, 976,  1150, 1119, 1009, 986,  1120, 1331, 1537, 1570,
    1693, 1577, 1662, 1637, 1732, 1646, 1653, 1829, 1710, 1849, 1698, 1823, 2049, 2042, 1904, 1785,
    1819, 1993, 1838, 1841, 1828, 1701, 1805, 1809, 1746, 1932, 1822, 1872, 1936, 1961, 1995, 2087,
    2127, 2305, 2284, 2107, 2139, 2144, 2081, 2081, 2081, 2081, 2081, 2081};

static_assert(Count_Of(kEraValues) == ERA_YEARS);

int Get_Average_Stat(int nPosition, int nStat) {
    if (nPosition < 0 || nPosition >= AVERAGE_STAT_ROWS) {
        Report_Error("Invalid nPosition passed to Get_Average_Stat([%d],%d)", nPosition, nStat);
        return 0;
    }
    if (nStat < 0 || nStat >= SEASON_STAT_STORED) {
        Report_Error("Invalid nStat passed to Get_Average_Stat(%d,[%d])", nPosition, nStat);
        return 0;
    }
    return kAverageStats[nPosition][nStat];
}

// The mean of the season and the one before; seasons outside the table take its ends.
int Get_Historical_Average_Stat(int nStat, int nYear) {
    const int16_t* pTable;
    int nDivisor = 2;
    switch (nStat) {
    case STAT_COMPLETION_RATE: pTable = kCompletionRates; break;
    case STAT_TOUCHDOWN_RATE: pTable = kTouchdownRates; break;
    case STAT_INTERCEPTION_RATE: pTable = kInterceptionRates; break;
    case STAT_YARDS_PER_COMPLETION: pTable = kYardsPerCompletion; break;
    case STAT_YARDS_PER_RUSH: pTable = kYardsPerRush; break;
    case STAT_YARDS_PER_RECEPTION:  // tenths
        pTable = kYardsPerCompletion;
        nDivisor = 20;
        break;
    case STAT_PUNT_AVERAGE: pTable = kPuntingAverages; break;
    case STAT_FIELD_GOAL_RATE: pTable = kFieldGoalRates; break;
    default:
        Show_Message_Box("Code Error", "Unhandled nStat in int Get_Historical_Average_Stat()");
        return 0;
    }
    int i = Clamp(nYear - HISTORY_FIRST_YEAR, 0, HISTORY_YEARS - 1);
    int j = Clamp(nYear - HISTORY_FIRST_YEAR - 1, 0, HISTORY_YEARS - 1);
    return (pTable[i] + pTable[j]) / nDivisor;
}

// A 1-2-1 weighted mean of the season and its neighbours.
int Get_Smoothed_Era_Value(int nYear) {
    int k = nYear - HISTORY_FIRST_YEAR;
    int nNext = kEraValues[Clamp(k + 1, 0, ERA_YEARS - 1)];
    int nThis = kEraValues[Clamp(k, 0, ERA_YEARS - 1)];
    int nLast = kEraValues[Clamp(k - 1, 0, ERA_YEARS - 1)];
    return (nNext + 2 * nThis + nLast) / 4;
}
