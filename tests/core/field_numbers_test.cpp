// Numbers read from file fields: what is a number, what is empty, and what is reported.

#include "core_test_fixture.h"

#include <limits.h>

namespace {

class FieldNumbersTest : public CoreTest {};

TEST_F(FieldNumbersTest, IntFieldsTellNumbersFromJunk) {
    struct CASE {
        const char* szField;
        int nResult;
        int nValue;
    };
    const CASE cases[] = {
        {"42", FIELD_NUMBER, 42},
        {"-17", FIELD_NUMBER, -17},
        {"+8", FIELD_NUMBER, 8},
        {" 5\t", FIELD_NUMBER, 5},
        {"2147483647", FIELD_NUMBER, INT_MAX},
        {"", FIELD_EMPTY, 0},
        {"  ", FIELD_EMPTY, 0},
        {"abc", FIELD_NOT_NUMBER, 0},
        {"-", FIELD_NOT_NUMBER, 0},
        {"+-3", FIELD_NOT_NUMBER, 0},
        {"12abc", FIELD_NOT_NUMBER, 12},
        {"1.5", FIELD_NOT_NUMBER, 1},
        {"2147483648", FIELD_NOT_NUMBER, INT_MAX},
        {"-99999999999", FIELD_NOT_NUMBER, INT_MIN},
    };
    for (const CASE& test : cases) {
        int nValue = -1;
        EXPECT_EQ(Parse_Int_Field(test.szField, &nValue), test.nResult) << test.szField;
        EXPECT_EQ(nValue, test.nValue) << test.szField;
    }
}

TEST_F(FieldNumbersTest, DecimalFieldsTellNumbersFromJunk) {
    struct CASE {
        const char* szField;
        int nResult;
        double fValue;
    };
    const CASE cases[] = {
        {"2.75", FIELD_NUMBER, 2.75},     {"-0.5", FIELD_NUMBER, -0.5}, {"1e3", FIELD_NUMBER, 1000},
        {" 7 ", FIELD_NUMBER, 7},         {"", FIELD_EMPTY, 0},         {"x1", FIELD_NOT_NUMBER, 0},
        {"3.5kg", FIELD_NOT_NUMBER, 3.5},
    };
    for (const CASE& test : cases) {
        double fValue = -1;
        EXPECT_EQ(Parse_Decimal_Field(test.szField, &fValue), test.nResult) << test.szField;
        EXPECT_EQ(fValue, test.fValue) << test.szField;
    }
    double fValue = 0;
    EXPECT_EQ(Parse_Decimal_Field("1e999", &fValue), FIELD_NOT_NUMBER);
    EXPECT_GT(fValue, 1e308);
}

// Only a field that is not a number is reported; an empty one reads 0 quietly.
TEST_F(FieldNumbersTest, ReadersReportFieldsThatAreNotNumbers) {
    EXPECT_EQ(Read_Int_Field("teams.csv", ""), 0);
    EXPECT_EQ(Read_Int_Field("teams.csv", "31"), 31);
    EXPECT_STREQ(gRecentErrors, "");
    EXPECT_EQ(Read_Int_Field("teams.csv", "3l"), 3);
    EXPECT_NE(strstr(gRecentErrors, "ERROR: Not a number in teams.csv: \"3l\""), nullptr);
    EXPECT_EQ(Read_Decimal_Field("Cities.txt", "n/a"), 0);
    EXPECT_NE(strstr(gRecentErrors, "ERROR: Not a number in Cities.txt: \"n/a\""), nullptr);
}

}  // namespace
