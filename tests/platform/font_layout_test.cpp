// DrawTextA's layout: word wrapping at the box width, hard line breaks, the '&' prefix rules
// and tab stops. Widths come from Font_Text_Width of the parts, never from literal numbers.
#include "platform/font/font.h"
#include "platform/windows.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

namespace {

class FontLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        Font_Reset();
        FONT_REQUEST request = {"Arial", -13, 0, 400, false, false, 0, true};
        pFont = Font_Open(request);
    }
    void TearDown() override {
        Font_Reset();
    }
    int Width(const std::string& stText) {
        return Font_Text_Width(pFont, stText.data(), static_cast<int>(stText.size()));
    }
    std::vector<std::string> Texts(const std::vector<TEXT_LINE>& lines) {
        std::vector<std::string> texts;
        for (const TEXT_LINE& line : lines)
            texts.push_back(line.stText);
        return texts;
    }
    FONT* pFont = nullptr;
};

TEST_F(FontLayoutTest, BreaksLinesAtTheBoxWidthAndAtLineBreaks) {
    struct WRAP_CASE {
        const char* szText;
        unsigned int uFormat;
        const char* szBoxOf;  // the box is as wide as this text, plus nBoxExtra
        int nBoxExtra;
        std::vector<std::string> expected;
    };
    const unsigned int kWrap = DT_WORDBREAK;
    const WRAP_CASE kCases[] = {
        {"alpha beta", kWrap, "alpha beta", 0, {"alpha beta"}},
        {"alpha beta", kWrap, "alpha beta", -1, {"alpha", "beta"}},
        {"alpha beta gamma", kWrap, "alpha beta", 0, {"alpha beta", "gamma"}},
        {"alpha   beta", kWrap, "alpha  ", 0, {"alpha", "beta"}},
        {"a extraordinarily b", kWrap, "a b", 1, {"a", "extraordinarily", "b"}},
        {"  indented text", kWrap, "  indented", 0, {"  indented", "text"}},
        {"alpha beta", 0, "a", 0, {"alpha beta"}},
        {"one\ntwo", kWrap, "one two three", 0, {"one", "two"}},
        {"one\r\ntwo", 0, "one two three", 0, {"one", "two"}},
        {"one\rtwo", 0, "one two three", 0, {"one", "two"}},
        {"one\n\ntwo\n", 0, "one", 0, {"one", "", "two"}},
        {"one\r\ntwo", DT_SINGLELINE, "one", 0, {"onetwo"}},
        {"one two", DT_SINGLELINE | kWrap, "o", 0, {"one two"}},
        {"", kWrap, "", 0, {""}},
    };
    for (const WRAP_CASE& c : kCases) {
        SCOPED_TRACE(c.szText);
        int nBox = Width(c.szBoxOf) + c.nBoxExtra;
        std::vector<TEXT_LINE> lines =
            Font_Layout_Text(pFont, c.szText, static_cast<int>(strlen(c.szText)), nBox, c.uFormat);
        EXPECT_EQ(Texts(lines), c.expected);
        for (const TEXT_LINE& line : lines) {
            EXPECT_EQ(line.nWidth, Width(line.stText));
            EXPECT_EQ(line.nUnderline, -1);
            ASSERT_EQ(line.xOffsets.size(), line.stText.size());
            for (size_t i = 0; i < line.stText.size(); ++i) {
                EXPECT_EQ(line.xOffsets[i], Width(line.stText.substr(0, i)));
            }
        }
    }
    // A negative length runs to the terminating zero.
    EXPECT_EQ(Texts(Font_Layout_Text(pFont, "one\ntwo", -1, 1000, 0)),
              (std::vector<std::string>{"one", "two"}));
}

TEST_F(FontLayoutTest, PrefixesUnderlineTheNextCharacter) {
    struct PREFIX_CASE {
        const char* szText;
        unsigned int uFormat;
        const char* szShown;
        int nUnderline;
    };
    const PREFIX_CASE kCases[] = {
        {"&File", 0, "File", 0},
        {"Sa&ve", 0, "Save", 2},
        {"A&&B", 0, "A&B", -1},
        {"&&&x", 0, "&x", 1},
        {"trailing&", 0, "trailing", -1},
        {"&One &Two", 0, "One Two", 0},
        {"&File", DT_NOPREFIX, "&File", -1},
        {"A&&B", DT_NOPREFIX, "A&&B", -1},
    };
    for (const PREFIX_CASE& c : kCases) {
        SCOPED_TRACE(c.szText);
        std::vector<TEXT_LINE> lines =
            Font_Layout_Text(pFont, c.szText, -1, 1000, c.uFormat | DT_SINGLELINE);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].stText, c.szShown);
        EXPECT_EQ(lines[0].nUnderline, c.nUnderline);
        EXPECT_EQ(lines[0].nWidth, Width(c.szShown));
    }

    // The underline follows its character onto the line it wraps to.
    std::vector<TEXT_LINE> lines =
        Font_Layout_Text(pFont, "Alpha Be&ta", -1, Width("Alpha"), DT_WORDBREAK);
    ASSERT_EQ(Texts(lines), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(lines[0].nUnderline, -1);
    EXPECT_EQ(lines[1].nUnderline, 2);
}

TEST_F(FontLayoutTest, ExpandedTabsStopEveryEightAverageWidths) {
    const int nStop = 8 * Font_Get_Metrics(pFont).nAveCharWidth;
    ASSERT_GT(nStop, Width("abc"));

    std::vector<TEXT_LINE> lines = Font_Layout_Text(pFont, "abc\tde\tf", -1, 1000, DT_EXPANDTABS);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].stText, "abc\tde\tf");
    EXPECT_EQ(lines[0].xOffsets[4], nStop);      // 'd'
    EXPECT_EQ(lines[0].xOffsets[7], 2 * nStop);  // 'f'
    EXPECT_EQ(lines[0].nWidth, 2 * nStop + Width("f"));

    // Text past the first stop tabs to the following one; unexpanded tabs take no room.
    std::string stFull(static_cast<size_t>(nStop / Width("i")) + 1, 'i');
    lines = Font_Layout_Text(pFont, (stFull + "\tx").c_str(), -1, 100000, DT_EXPANDTABS);
    EXPECT_EQ(lines[0].nWidth, (Width(stFull) / nStop + 1) * nStop + Width("x"));
    EXPECT_EQ(Font_Layout_Text(pFont, "ab\tc", -1, 1000, 0)[0].nWidth, Width("abc"));
}

}  // namespace
