// Lines put together piece by piece read as Format_String writes them, and are cut the same way.
#include <gtest/gtest.h>
#include <limits.h>

#include "core/core.h"
#include "engine/engine.h"

namespace {

TEST(LineTextTest, NumbersAndPaddingReadAsFormatStringWritesThem) {
    struct NUMBER_CASE {
        int n, nWidth, bZeros;
        const char* szFormat;
    };
    const NUMBER_CASE kNumbers[] = {
        {0, 0, 0, "%d"},       {7, 2, 1, "%02d"},        {59, 2, 1, "%02d"}, {-5, 2, 1, "%02d"},
        {-5, 3, 1, "%03d"},    {-5, 3, 0, "%3d"},        {123, 2, 0, "%2d"}, {4, 2, 0, "%2d"},
        {INT_MIN, 0, 0, "%d"}, {INT_MAX, 12, 0, "%12d"}, {-40, 0, 0, "%d"},
    };
    for (const NUMBER_CASE& c : kNumbers) {
        char szExpected[32], szLine[32];
        Format_String(szExpected, sizeof(szExpected), c.szFormat, c.n);
        LINE_TEXT line;
        Start_Line_Text(&line, szLine, sizeof(szLine));
        Put_Number(&line, c.n, c.nWidth, c.bZeros);
        EXPECT_STREQ(szLine, szExpected) << c.szFormat << " " << c.n;
    }
    struct TEXT_CASE {
        const char* sz;
        int nWidth;
        const char* szFormat;
    };
    const TEXT_CASE kTexts[] = {{"KC", -3, "%-3s"},
                                {"KC", 5, "%5s"},
                                {"LONGER", -3, "%-3s"},
                                {"", -24, "%-24s"},
                                {"Draw", 4, "%4s"}};
    for (const TEXT_CASE& c : kTexts) {
        char szExpected[32], szLine[32];
        Format_String(szExpected, sizeof(szExpected), c.szFormat, c.sz);
        LINE_TEXT line;
        Start_Line_Text(&line, szLine, sizeof(szLine));
        Put_Padded(&line, c.sz, c.nWidth);
        EXPECT_STREQ(szLine, szExpected) << c.szFormat << " '" << c.sz << "'";
    }
}

// A line cut at its size keeps what fits, as Format_String does.
TEST(LineTextTest, ALineIsCutAtItsSize) {
    char szExpected[8], szLine[8];
    Format_String(szExpected, sizeof(szExpected), "(%-3s %2d)%s", "ABCD", -123, " rest");
    LINE_TEXT line;
    Start_Line_Text(&line, szLine, sizeof(szLine));
    Put_Text(&line, "(");
    Put_Padded(&line, "ABCD", -3);
    Put_Text(&line, " ");
    Put_Number(&line, -123, 2, 0);
    Put_Text(&line, ")");
    Put_Text(&line, " rest");
    EXPECT_STREQ(szLine, szExpected);
    EXPECT_EQ(line.nLength, 7);
}

}  // namespace
