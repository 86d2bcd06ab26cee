#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <initializer_list>
#include <string>

#include "core/core_test_fixture.h"

namespace {

const char kBufferFilled[] = "Buffer filled in safe_strncat.  Str len ";

class TextTest : public CoreTest {
protected:
    static bool Was_Reported(const std::string& stText) {
        return std::string(gRecentErrors).find(stText) != std::string::npos;
    }
};

TEST_F(TextTest, SafeCopyReturnsCountOrMinusOne) {
    struct CASE {
        const char* szSource;
        int nSize;
        const char* szExpected;
        int nResult;
    } const cases[] = {
        {"abcdef", 4, "abc", -1}, {"abc", 4, "abc", 3}, {"abc", 3, "ab", -1},
        {"", 1, "", 0},           {"abc", 1, "", -1},
    };
    for (const CASE& test : cases) {
        char szBuffer[16];
        memset(szBuffer, 'x', sizeof(szBuffer));
        EXPECT_EQ(safe_strncpy(szBuffer, test.szSource, test.nSize), test.nResult)
            << test.szSource << " into " << test.nSize;
        EXPECT_STREQ(szBuffer, test.szExpected);
        EXPECT_EQ(szBuffer[test.nSize], 'x') << "wrote past the size";
    }
}

TEST_F(TextTest, SafeAppendReportsAFilledBuffer) {
    struct CASE {
        const char* szStart;
        const char* szSource;
        int nSize;
        const char* szExpected;
        int nResult;
        bool bReported;
    } const cases[] = {
        {"abc", "de", 8, "abcde", 5, false},
        {"abc", "de", 6, "abcde", 5, true},
        {"abc", "defgh", 6, "abcde", 5, true},
        {"", "", 8, "", 0, false},
    };
    for (const CASE& test : cases) {
        memset(gRecentErrors, 0, sizeof(gRecentErrors));
        char szBuffer[16];
        memset(szBuffer, 'x', sizeof(szBuffer));
        safe_strncpy(szBuffer, test.szStart, sizeof(szBuffer));
        EXPECT_EQ(safe_strncat(szBuffer, test.szSource, test.nSize), test.nResult);
        EXPECT_STREQ(szBuffer, test.szExpected);
        EXPECT_EQ(Was_Reported(kBufferFilled + std::to_string(test.nSize - 1)), test.bReported)
            << test.szStart << " + " << test.szSource << " in " << test.nSize;
    }
}

TEST_F(TextTest, SafeAppendToUnterminatedBufferStaysInside) {
    char szBuffer[8];
    memset(szBuffer, 'x', sizeof(szBuffer));
    EXPECT_EQ(safe_strncat(szBuffer, "abc", 6), 5);
    EXPECT_EQ(std::string(szBuffer), "xxxxx");
    EXPECT_EQ(szBuffer[6], 'x');
    EXPECT_TRUE(Was_Reported(std::string(kBufferFilled) + "5"));
}

TEST_F(TextTest, NullPointersGoToTheDebugLog) {
    char szBuffer[8] = "abc";
    EXPECT_EQ(safe_strncpy(NULL, "abc", 8), 0);
    EXPECT_EQ(safe_strncat(szBuffer, NULL, 8), 0);
    EXPECT_STREQ(szBuffer, "abc");
    const std::string& stOutput = Test_Get_Debug_Output();
    EXPECT_NE(stOutput.find("Null pointer in safe_strncpy(0x00000000,0x"), std::string::npos);
    EXPECT_NE(stOutput.find(",0x00000000,8)"), std::string::npos);
    EXPECT_STREQ(gRecentErrors, "");
}

TEST_F(TextTest, FormatIntoSizedBuffers) {
    char szBuffer[8];
    memset(szBuffer, 'x', sizeof(szBuffer));
    Format_String(szBuffer, 5, "%d", 123456);
    EXPECT_STREQ(szBuffer, "1234");
    EXPECT_EQ(szBuffer[5], 'x');

    safe_strncpy(szBuffer, "ab", sizeof(szBuffer));
    Append_Format_String(szBuffer, 6, "%s", "cdefg");
    EXPECT_STREQ(szBuffer, "abcde");

    memset(szBuffer, 'x', sizeof(szBuffer));
    EXPECT_EQ(Append_Format_String(szBuffer, 6, "%s", "a"), 0);
    EXPECT_EQ(std::string(szBuffer, 8), "xxxxxxxx");
}

TEST_F(TextTest, SmallEdits) {
    const char* szText = "Hello World";
    EXPECT_EQ(Find_Text_No_Case(szText, "wORLD"), szText + 6);
    EXPECT_EQ(Find_Text_No_Case(szText, ""), szText);
    EXPECT_EQ(Find_Text_No_Case(szText, "worlds"), nullptr);
    EXPECT_EQ(Find_Text_No_Case("", "a"), nullptr);

    char szMoney[] = "$1,234,567";
    EXPECT_EQ(Remove_Char(szMoney, ','), 8);
    EXPECT_STREQ(szMoney, "$1234567");

    char szPad[16] = "abc";
    EXPECT_EQ(Pad_Left(szPad, sizeof(szPad), 5), 2);
    EXPECT_STREQ(szPad, "  abc");
    EXPECT_EQ(Pad_Left(szPad, sizeof(szPad), 3), -2);
    EXPECT_STREQ(szPad, "  abc");
    char szDouble[16] = "abc";
    Pad_Left_Double(szDouble, sizeof(szDouble), 5);
    EXPECT_STREQ(szDouble, "    abc");
    Pad_Left_Double(szDouble, sizeof(szDouble), 2);
    EXPECT_STREQ(szDouble, "    abc");

    char szCase[] = "Joe's 2nd \xc9t\xe9";  // bytes above 127 stay as they are
    Make_Upper_Case(szCase);
    EXPECT_STREQ(szCase, "JOE'S 2ND \xc9T\xe9");
    Make_Lower_Case(szCase);
    EXPECT_STREQ(szCase, "joe's 2nd \xc9t\xe9");
}

TEST_F(TextTest, NumbersWithCommasAndMoney) {
    struct CASE {
        int nValue;
        const char* szCommas;
        const char* szMoney;  // nValue in thousands
    } const cases[] = {
        {0, "0", "$0K"},
        {999, "999", "$999K"},
        {1000, "1,000", "$1.0M"},
        {-123, "-123", "-$123K"},
        {-1234, "-1,234", "-$1.2M"},
        {-2500, "-2,500", "-$2.5M"},
        {99999, "99,999", "$99.9M"},
        {123456, "123,456", "$123M"},
        {1234567, "1,234,567", "$1.23B"},
        {2345678, "2,345,678", "$2.34B"},
        {INT_MIN, "-2,147,483,648", "-$2147.48B"},
    };
    for (const CASE& test : cases) {
        char szOut[32];
        Format_With_Commas(test.nValue, szOut, sizeof(szOut));
        EXPECT_STREQ(szOut, test.szCommas);
        Format_Money(test.nValue, szOut, sizeof(szOut));
        EXPECT_STREQ(szOut, test.szMoney) << test.nValue;
    }
    char szOut[32];
    Format_Dollars(-1234567, szOut, sizeof(szOut));
    EXPECT_STREQ(szOut, "$-1,234,567");
    Format_Money_Dollars(2500999, szOut, sizeof(szOut));
    EXPECT_STREQ(szOut, "$2.5M");
    Format_Thousandths(5, szOut, sizeof(szOut));
    EXPECT_STREQ(szOut, ".005");
    Format_Thousandths(1234, szOut, sizeof(szOut));
    EXPECT_STREQ(szOut, "1.234");
}

TEST_F(TextTest, ParseMoney) {
    struct CASE {
        const char* szText;
        int nValue;
    } const cases[] = {
        {"$1,250", 1250}, {"  -$3,000", -3000},         {"+42", 42}, {"12abc", 12}, {"abc", 0},
        {"", 0},          {"$99,999,999,999", INT_MAX},
    };
    for (const CASE& test : cases) {
        char szText[32];
        safe_strncpy(szText, test.szText, sizeof(szText));
        EXPECT_EQ(Parse_Money(szText), test.nValue) << test.szText;
    }
    char szText[] = "$1,250";
    Parse_Money(szText);
    EXPECT_STREQ(szText, "1250");
}

struct NUMBER_TEXT {
    int n;
    const char* szExpected;
};

void Expect_Texts(void (*pFormat)(char* szOut, int nSize, int n),
                  std::initializer_list<NUMBER_TEXT> cases) {
    for (const NUMBER_TEXT& test : cases) {
        char szOut[TEXT_BUFFER_SIZE];
        pFormat(szOut, sizeof(szOut), test.n);
        EXPECT_STREQ(szOut, test.szExpected) << test.n;
    }
}

TEST_F(TextTest, OrdinalNumbers) {
    Expect_Texts(Format_Ordinal_Number, {{0, "0th"},
                                         {1, "1st"},
                                         {2, "2nd"},
                                         {3, "3rd"},
                                         {4, "4th"},
                                         {11, "11th"},
                                         {12, "12th"},
                                         {13, "13th"},
                                         {21, "21st"},
                                         {22, "22nd"},
                                         {101, "101st"},
                                         {111, "111th"},
                                         {112, "112th"},
                                         {213, "213th"}});
}

TEST_F(TextTest, CardinalWords) {
    Expect_Texts(Get_Cardinal_Words,
                 {{0, "zero"},
                  {19, "nineteen"},
                  {20, "twenty"},
                  {42, "forty-two"},
                  {99, "ninety-nine"},
                  {200, "two hundred"},
                  {101, "one hundred and one"},
                  {1205, "one thousand two hundred and five"},
                  {2005, "two thousand and five"},
                  {40000, "forty thousand"},
                  {1000000, "one million"},
                  {3000021, "three million twenty-one"},
                  {INT_MAX,
                   "two billion one hundred and forty-seven million four hundred and "
                   "eighty-three thousand six hundred and forty-seven"},
                  {-1, "Cardinal error: -1"}});
}

TEST_F(TextTest, OrdinalWords) {
    Expect_Texts(Get_Ordinal_Words,
                 {{1, "first"},
                  {19, "nineteenth"},
                  {20, "twentieth"},
                  {21, "twenty-first"},
                  {90, "ninetieth"},
                  {100, "one hundredth"},
                  {101, "one hundred and first"},
                  {1000, "one thousandth"},
                  {1021, "one thousand and twenty-first"},
                  {2300, "two thousand three hundredth"},
                  {999999, "nine hundred and ninety-nine thousand nine hundred and ninety-ninth"},
                  {0, "Ordinal error: 0"},
                  {1000000, "Ordinal error: 1000000"}});
}

TEST_F(TextTest, Dates) {
    Expect_Texts([](char* szOut, int nSize, int nDay) { Get_Date_Text(nDay, szOut, nSize); },
                 {{0, "January 1"},
                  {30, "January 31"},
                  {58, "February 28"},
                  {59, "March 1"},
                  {104, "April 15"},
                  {249, "September 7"},
                  {364, "December 31"},
                  {365, "January 1"},
                  {-1, "December 31"}});
    char szOut[64];
    Format_Date_With_Year(249, 2022, szOut, sizeof(szOut));
    EXPECT_STREQ(szOut, "September 7, 2022");
    Get_Weekday_Name(6, szOut, sizeof(szOut));
    EXPECT_STREQ(szOut, "Sunday");
}

TEST_F(TextTest, PositionRoleAndRatingNames) {
    struct CASE {
        int n;
        const char* szPosition;
        const char* szRoleName;
        const char* szRoleAbbreviation;
        const char* szRating;
    } const cases[] = {
        {-1, "<Error>", "", "", ""},
        {0, "Quarterback", "Quarterback", "QB", "Health"},
        {14, "Punter", "Punter", "P", "Punt Returns"},
        {15, "Any Position", "#1 Receiver", "WR1", "Pass Blocking"},
        {16, "<Error>", "#2 Receiver", "WR2", "Run Blocking"},
        {26, "<Error>", "Left Defensive End", "LDE", "Punt Distance"},
        {42, "<Error>", "Free Safety", "FS", ""},
        {43, "<Error>", "", "", ""},
    };
    for (const CASE& test : cases) {
        char szOut[64];
        Get_Position_Name(test.n, szOut, sizeof(szOut));
        EXPECT_STREQ(szOut, test.szPosition) << test.n;
        Get_Depth_Role_Name(test.n, szOut, sizeof(szOut));
        EXPECT_STREQ(szOut, test.szRoleName) << test.n;
        Get_Depth_Role_Abbreviation(test.n, szOut, sizeof(szOut));
        EXPECT_STREQ(szOut, test.szRoleAbbreviation) << test.n;
        Get_Rating_Name(test.n, szOut, sizeof(szOut));
        EXPECT_STREQ(szOut, test.szRating) << test.n;
    }
    char szOut[64];
    Get_Position_Name_Lowercase(1, szOut, sizeof(szOut));
    EXPECT_STREQ(szOut, "running back");
    Get_Position_Abbreviation(15, szOut, sizeof(szOut));
    EXPECT_STREQ(szOut, "Any");
}

}  // namespace
