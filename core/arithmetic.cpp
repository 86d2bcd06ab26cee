// Integer helpers of the per-mille arithmetic: Mul_Div beyond 32 bits, a sign-keeping square root,
// the rating grade scales and a few small min/max/rectangle helpers.
#include "core/core.h"

#include <math.h>
#include <stdlib.h>

#define SIGNED_ROOT_LIMIT 1000000000
#define RATING_GRADE_TOP 12
#define RATING_GRADE5_TOP 4

// The operands of values read from files are kept to 32 bits, so the product fits in 64.
int64_t Mul_Div_Wide(int64_t a, int64_t b, int64_t c) {
    if (c == 0)
        return 0;
    int64_t nProduct = a * b;
    int64_t nQuotient = nProduct / c;
    int64_t nRemainder = nProduct % c;
    // A remainder of at least half the divisor rounds away from zero.
    if (2 * llabs(nRemainder) >= llabs(c)) {
        nQuotient += ((nProduct < 0) != (c < 0)) ? -1 : 1;
    }
    return nQuotient;
}

int Signed_Root(int v) {
    int nClamped = Clamp(v, -SIGNED_ROOT_LIMIT, SIGNED_ROOT_LIMIT);
    int nRoot = (int)(sqrt((double)abs(nClamped)) + 0.5);
    return nClamped < 0 ? -nRoot : nRoot;
}

float Signed_Root_Float(float x) {
    float fRoot = sqrtf(fabsf(x));
    return x < 0.0f ? -fRoot : fRoot;
}

int Percent_Of(int a, int b) {
    return Mul_Div(a, b, 100);
}

// How often a can be divided by b with a result above 0. A divisor below 2 never ends: 0.
int Count_Divisions(int a, int b) {
    if (b < 2)
        return 0;
    int nCount = 0;
    while ((a /= b) > 0)
        nCount++;
    return nCount;
}

// (v + nHalfStep) / nStep - nOffset, limited to 0..nTop; division truncates toward zero.
static int Grade_On_Scale(int nValue, int nHalfStep, int nStep, int nOffset, int nTop) {
    int64_t nGrade = ((int64_t)nValue + nHalfStep) / nStep - nOffset;
    if (nGrade < 0)
        return 0;
    return nGrade > nTop ? nTop : (int)nGrade;
}

int Get_Rating_Grade(int nValue) {
    return Grade_On_Scale(nValue, 29, 59, 9, RATING_GRADE_TOP);
}

int Grade_To_Rating(int nGrade) {
    return 59 * nGrade + 587;
}

int Get_Rating_Grade5(int nValue) {
    return Grade_On_Scale(nValue, 50, 100, 8, RATING_GRADE5_TOP);
}

int Grade5_To_Rating(int nGrade) {
    return 100 * nGrade + 800;
}

// The low bound wins when the bounds cross.
int Clamp(int nValue, int nLow, int nHigh) {
    return Max_Int(nLow, Min_Int(nValue, nHigh));
}

int Saturate_To_Int(int64_t nValue) {
    if (nValue < INT32_MIN)
        return INT32_MIN;
    return nValue > INT32_MAX ? INT32_MAX : (int)nValue;
}

int Min_Int(int a, int b) {
    return a < b ? a : b;
}

int Max_Int(int a, int b) {
    return a > b ? a : b;
}

float Min_Float(float a, float b) {
    return a < b ? a : b;
}

double Min_Double(double a, double b) {
    return a < b ? a : b;
}

void Swap_Ints(int* a, int* b) {
    int nKeep = *a;
    *a = *b;
    *b = nKeep;
}

void Toggle_Flag(int* pFlag) {
    *pFlag ^= 1;
}

// Rectangles are left, top, right, bottom; edges count as inside.
int Is_Rect_Inside(const RECT* pA, const RECT* pB) {
    return pA->left >= pB->left && pA->top >= pB->top && pA->right <= pB->right &&
           pA->bottom <= pB->bottom;
}

int Do_Rects_Overlap(const RECT* pA, const RECT* pB) {
    return pA->left <= pB->right && pB->left <= pA->right && pA->top <= pB->bottom &&
           pB->top <= pA->bottom;
}
