// The integer rounding helpers every layer shares.
#include "core/core.h"

// The multiple helpers leave a unchanged for a zero multiple instead of dividing by zero.
int Round_To_Multiple(int a, int b) {
    if (b == 0)
        return a;
    int nHalfUp = a + b / 2;
    return nHalfUp - nHalfUp % b;
}

int Round_Down_To_Multiple(int a, int b) {
    if (b == 0)
        return a;
    return a - a % b;
}

int Round_Ratio(int64_t a, int64_t b, int64_t k) {
    if (b == 0)
        return 0;
    int64_t nQuotient = (a * k + b / 2) / b;
    if (a % b != 0 && (a < 0) != (b < 0))
        nQuotient--;
    return (int)nQuotient;
}

int64_t Round_Div(int64_t a, int64_t b) {
    return Mul_Div_Wide(a, 1, b);
}
