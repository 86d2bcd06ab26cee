#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>

#include "core/core.h"

namespace {

TEST(ArithmeticTest, MulDivRoundsHalfAwayFromZero) {
    struct CASE {
        int a, b, c, nExpected;
    } const cases[] = {
        {7, 3, 2, 11},
        {-7, 3, 2, -11},
        {7, -3, 2, -11},
        {-7, -3, 2, 11},
        {7, 3, -2, -11},
        {1, 1, 3, 0},
        {2, 1, 3, 1},
        {-3, 10, 10, -3},
        {-1, 1, 4, 0},
        {-2, 1, 4, -1},
        {5, 1, -2, -3},
        {999, 1, 1000, 1},
        {1000000, 1000000, 1000000, 1000000},  // the 64-bit product does not overflow
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        {INT_MIN, 3, 4, -1610612736},
        {INT_MAX, 2, 1, -2},          // low 32 bits of a quotient that does not fit
        {INT_MAX, 1, 2, 1073741824},  // products at the edges of 32 bits
        {INT_MIN, 1, 3, -715827883},
        {INT_MIN, 1, -1, INT_MIN},
        {INT_MIN + 1, 1, -1, INT_MAX},
        {-46341, 46341, 7, -306784040},
    };
    for (const CASE& test : cases) {
        EXPECT_EQ(Mul_Div(test.a, test.b, test.c), test.nExpected)
            << test.a << " * " << test.b << " / " << test.c;
    }
}

TEST(ArithmeticTest, MulDivByZeroIsZero) {
    for (int a : {0, 1, -1, 123456, INT_MAX, INT_MIN}) {
        for (int b : {0, 7, -7, INT_MAX})
            EXPECT_EQ(Mul_Div(a, b, 0), 0);
    }
}

TEST(ArithmeticTest, SignedRoot) {
    struct CASE {
        int v, nExpected;
    } const cases[] = {
        {0, 0},
        {1, 1},
        {2, 1},
        {3, 2},
        {16, 4},
        {-16, -4},
        {-3, -2},
        {2000000000, 31623},
        {-2000000000, -31623},
        {INT_MIN, -31623},
    };
    for (const CASE& test : cases)
        EXPECT_EQ(Signed_Root(test.v), test.nExpected) << test.v;
    EXPECT_FLOAT_EQ(Signed_Root_Float(-6.25f), -2.5f);
    EXPECT_FLOAT_EQ(Signed_Root_Float(2.0f), 1.41421356f);
}

struct GRADE_CASE {
    int nValue, nGrade;
};

void Expect_Grades(int (*pGrade)(int), std::initializer_list<GRADE_CASE> cases) {
    for (const GRADE_CASE& test : cases)
        EXPECT_EQ(pGrade(test.nValue), test.nGrade) << test.nValue;
}

TEST(ArithmeticTest, RatingGrades) {
    Expect_Grades(Get_Rating_Grade, {{INT_MIN, 0},
                                     {-500, 0},
                                     {560, 0},
                                     {561, 1},
                                     {619, 1},
                                     {620, 2},
                                     {1150, 10},
                                     {1209, 11},
                                     {1210, 12},
                                     {2000, 12},
                                     {INT_MAX, 12}});
    Expect_Grades(Get_Rating_Grade5,
                  {{700, 0}, {849, 0}, {850, 1}, {1049, 2}, {1250, 4}, {5000, 4}, {INT_MAX, 4}});
    EXPECT_EQ(Grade5_To_Rating(3), 1100);
}

TEST(ArithmeticTest, MultiplesAndDivisions) {
    struct CASE {
        int (*pFunction)(int, int);
        const char* szName;
        int a, b, nExpected;
    } const cases[] = {
        {Round_To_Multiple, "Round_To_Multiple", 17, 5, 15},
        {Round_To_Multiple, "Round_To_Multiple", 18, 5, 20},
        {Round_To_Multiple, "Round_To_Multiple", 250, 100, 300},
        {Round_Down_To_Multiple, "Round_Down_To_Multiple", 19, 5, 15},
        {Count_Divisions, "Count_Divisions", 100, 10, 2},
        {Count_Divisions, "Count_Divisions", 99, 10, 1},
        {Count_Divisions, "Count_Divisions", 5, 10, 0},
        {Percent_Of, "Percent_Of", 250, 10, 25},
        // Divisors that would divide by zero or never end.
        {Round_To_Multiple, "Round_To_Multiple", 17, 0, 17},
        {Round_Down_To_Multiple, "Round_Down_To_Multiple", 17, 0, 17},
        {Count_Divisions, "Count_Divisions", 100, 1, 0},
        {Count_Divisions, "Count_Divisions", 100, 0, 0},
    };
    for (const CASE& test : cases) {
        EXPECT_EQ(test.pFunction(test.a, test.b), test.nExpected)
            << test.szName << "(" << test.a << ", " << test.b << ")";
    }
}

TEST(ArithmeticTest, ClampLowBoundWinsWhenBoundsCross) {
    EXPECT_EQ(Clamp(5, 0, 10), 5);
    EXPECT_EQ(Clamp(-5, 0, 10), 0);
    EXPECT_EQ(Clamp(15, 0, 10), 10);
    EXPECT_EQ(Clamp(5, 10, 0), 10);
}

TEST(ArithmeticTest, RectanglesIncludeTheirEdges) {
    const RECT outer = {0, 0, 10, 10};
    const RECT same = {0, 0, 10, 10};
    const RECT poking = {5, 5, 11, 10};
    const RECT touching = {10, 10, 20, 20};
    const RECT apart = {11, 0, 20, 10};
    EXPECT_TRUE(Is_Rect_Inside(&same, &outer));
    EXPECT_FALSE(Is_Rect_Inside(&poking, &outer));
    EXPECT_TRUE(Do_Rects_Overlap(&outer, &touching));
    EXPECT_TRUE(Do_Rects_Overlap(&touching, &outer));
    EXPECT_FALSE(Do_Rects_Overlap(&outer, &apart));
    EXPECT_FALSE(Do_Rects_Overlap(&apart, &outer));
}

}  // namespace
