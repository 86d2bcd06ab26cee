// The mean body of a position in the season's year, interpolated between the 1971 and 2006
// figures.
#include "core/core.h"
#include "database/database.h"

#define BODY_FIRST_YEAR 1971
#define BODY_LAST_YEAR 2006
#define BODY_YEARS (BODY_LAST_YEAR - BODY_FIRST_YEAR)
#define HEIGHT_TENTHS 10

// Position means of 1971 and 2006: weight in pounds, height in tenths of an inch.
static const int kWeights1971[POSITION_COUNT] = {208, 204, 220, 231, 189, 255, 250, 249,
                                                 248, 263, 225, 187, 191, 199, 206};
static const int kWeights2006[POSITION_COUNT] = {222, 226, 237, 252, 198, 315, 320, 311,
                                                 278, 304, 243, 195, 199, 201, 214};
static const int kHeights1971[POSITION_COUNT] = {747, 720, 730, 751, 729, 766, 748, 755,
                                                 760, 769, 742, 724, 725, 717, 732};
static const int kHeights2006[POSITION_COUNT] = {747, 715, 718, 759, 730, 778, 759, 756,
                                                 756, 750, 738, 709, 715, 720, 739};

// The figure of the season year, interpolated between the 1971 and 2006 figures.
static int Interpolate_Body_Table(const int* p1971, const int* p2006, int nPosition) {
    int nPlace = Clamp(nPosition, 0, POSITION_COUNT - 1);
    int nYears = Clamp(Get_Season_Year(), BODY_FIRST_YEAR, BODY_LAST_YEAR) - BODY_FIRST_YEAR;
    int nRest = BODY_YEARS - nYears;
    return (nRest * p1971[nPlace] + 17) / BODY_YEARS + (nYears * p2006[nPlace] + 17) / BODY_YEARS;
}

int Get_Position_Mean_Weight(int nPosition) {
    return Interpolate_Body_Table(kWeights1971, kWeights2006, nPosition);
}

// The tenths of an inch round up with their own chance.
int Get_Position_Mean_Height(int nPosition) {
    int nTenths = Interpolate_Body_Table(kHeights1971, kHeights2006, nPosition);
    int nHeight = nTenths / HEIGHT_TENTHS;
    if (Draw_Random(HEIGHT_TENTHS) < nTenths % HEIGHT_TENTHS)
        nHeight++;
    return nHeight;
}
