// Faces and glyphs: the substitution table, the LOGFONT height meanings, bold and italic (real
// and synthetic), monochrome rendering, a requested width, Windows-1252 bytes and upward text.
#include "platform/font/font.h"

#include <gtest/gtest.h>

#include <string.h>

#include <vector>

namespace {

// A face the installed fonts have only in a regular cut: bold and italic must be synthetic.
const char* const kRegularOnlyFamily = "DejaVu Math TeX Gyre";

FONT* Open(const char* szFace, int nHeight, int nWeight = 400, bool bItalic = false,
           int nEscapement = 0, bool bAntialiased = true, int nWidth = 0) {
    FONT_REQUEST request = {szFace,  nHeight, nWidth,      nWeight,
                            bItalic, false,   nEscapement, bAntialiased};
    return Font_Open(request);
}

long Coverage_Sum(const FONT_GLYPH& glyph) {
    long nSum = 0;
    for (uint8_t value : glyph.coverage)
        nSum += value;
    return nSum;
}

class FontFacesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Font_Reset();
    }
    void TearDown() override {
        Font_Reset();
    }
};

TEST_F(FontFacesTest, NamedFacesMapToInstalledFamilies) {
    struct FACE_CASE {
        const char* szAsked;
        const char* szFamily;
    };
    const FACE_CASE kCases[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"System", "Liberation Sans"},
        {"", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Tms Rmn", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
        {"Courier", "Liberation Mono"},
        {"Calibri", "Carlito"},
        {"Eurostile", "DejaVu Sans"},
        {"Stone Sans", "DejaVu Sans"},
        {"StoneSansSemiITC TT", "DejaVu Sans"},
        {"Stone_Sans-Bold", "DejaVu Sans"},
        {"Stencil Std", "DejaVu Sans"},
        {"DejaVu Serif", "DejaVu Serif"},  // installed, used as it is
        {"No Such Face 42", "Liberation Sans"},
    };
    for (const FACE_CASE& c : kCases) {
        SCOPED_TRACE(c.szAsked);
        for (int nWeight : {400, 700}) {
            EXPECT_STREQ(Font_Face_Name(Open(c.szAsked, -13, nWeight)), c.szFamily);
        }
    }
}

TEST_F(FontFacesTest, SameRequestGivesSameFontAndResetDropsIt) {
    FONT* pFont = Open("Arial", -13);
    EXPECT_EQ(Open("Arial", -13), pFont);
    EXPECT_EQ(Open("ARIAL", -13), pFont);
    EXPECT_NE(Open("Arial", -14), pFont);
    EXPECT_NE(Open("Arial", -13, 700), pFont);
    EXPECT_NE(Open("Arial", -13, 400, false, 900), pFont);

    int nAdvance = Font_Get_Glyph(pFont, 'W').nAdvanceX;
    Font_Reset();
    EXPECT_EQ(Font_Get_Glyph(Open("Arial", -13), 'W').nAdvanceX, nAdvance);
}

// A negative height is the em (cell minus internal leading), a positive one the whole cell.
TEST_F(FontFacesTest, HeightSignChoosesCharacterOrCellHeight) {
    for (const char* szFace :
         {"Arial", "Times New Roman", "Courier New", "Calibri", "Stencil Std"}) {
        for (int nSize : {8, 13, 24, 40}) {
            SCOPED_TRACE(std::string(szFace) + " " + std::to_string(nSize));
            FONT_METRICS character = Font_Get_Metrics(Open(szFace, -nSize));
            FONT_METRICS cell = Font_Get_Metrics(Open(szFace, nSize));
            EXPECT_EQ(character.nHeight - character.nInternalLeading, nSize);
            EXPECT_GT(character.nInternalLeading, 0);
            EXPECT_EQ(cell.nHeight, nSize);
            EXPECT_LT(cell.nHeight - cell.nInternalLeading, nSize);
            for (const FONT_METRICS& m : {character, cell}) {
                EXPECT_EQ(m.nAscent + m.nDescent, m.nHeight);
                EXPECT_GT(m.nDescent, 0);
                EXPECT_GT(m.nAveCharWidth, 0);
                EXPECT_GE(m.nMaxCharWidth, m.nAveCharWidth);
                EXPECT_GE(m.nExternalLeading, 0);
            }
        }
    }
}

TEST_F(FontFacesTest, ZeroHeightIsTheDefaultGuiSize) {
    FONT_METRICS byDefault = Font_Get_Metrics(Open("MS Sans Serif", 0));
    FONT_METRICS explicitSize = Font_Get_Metrics(Open("MS Sans Serif", -12));
    EXPECT_EQ(byDefault.nHeight, explicitSize.nHeight);
    EXPECT_EQ(byDefault.nAveCharWidth, explicitSize.nAveCharWidth);
}

// Bold comes from the family's bold file or, when it has none, from thickened outlines.
TEST_F(FontFacesTest, BoldCoversMoreThanRegular) {
    for (const char* szFace : {"Arial", kRegularOnlyFamily}) {
        SCOPED_TRACE(szFace);
        FONT* pRegular = Open(szFace, -20, 400);
        FONT* pBold = Open(szFace, -20, 600);
        EXPECT_EQ(Font_Get_Metrics(pBold).nWeight, 600);
        for (uint8_t c : {'H', 'e', 'x'}) {
            EXPECT_GT(Coverage_Sum(Font_Get_Glyph(pBold, c)),
                      Coverage_Sum(Font_Get_Glyph(pRegular, c)) * 11 / 10);
        }
        EXPECT_GE(Font_Text_Width(pBold, "Hex", 3), Font_Text_Width(pRegular, "Hex", 3));
    }
    // A face named as a bold cut is bold at any weight.
    FONT* pNamedBold = Open("Stone_Sans-Bold", -20, 400);
    FONT* pFamilyBold = Open("DejaVu Sans", -20, 700);
    EXPECT_EQ(Font_Get_Glyph(pNamedBold, 'H').coverage, Font_Get_Glyph(pFamilyBold, 'H').coverage);
    EXPECT_GE(Font_Get_Metrics(pNamedBold).nWeight, 700);
}

// Coverage-weighted centre of one row, in pixels from the glyph's left edge.
double Row_Centre(const FONT_GLYPH& glyph, int nRow) {
    double weighted = 0;
    double total = 0;
    for (int x = 0; x < glyph.nWidth; ++x) {
        double value = glyph.coverage[static_cast<size_t>(nRow) * glyph.nWidth + x];
        weighted += value * x;
        total += value;
    }
    return total > 0 ? weighted / total : 0;
}

// Italic (a real italic file or slanted outlines) leans right: the top of an 'l' stands right
// of its foot, where the upright 'l' stands straight.
TEST_F(FontFacesTest, ItalicSlantsTheGlyphs) {
    for (const char* szFace : {"Arial", kRegularOnlyFamily}) {
        SCOPED_TRACE(szFace);
        const FONT_GLYPH& upright = Font_Get_Glyph(Open(szFace, -40), 'l');
        const FONT_GLYPH& italic = Font_Get_Glyph(Open(szFace, -40, 400, true), 'l');
        double uprightLean = Row_Centre(upright, 0) - Row_Centre(upright, upright.nHeight - 1);
        double italicLean = Row_Centre(italic, 0) - Row_Centre(italic, italic.nHeight - 1);
        EXPECT_GT(italicLean, uprightLean + 3);
        EXPECT_NEAR(italic.nHeight, upright.nHeight, 2);
    }
}

TEST_F(FontFacesTest, AntialiasingChoosesGreyOrBlackAndWhiteCoverage) {
    auto Has_Grey = [](const FONT_GLYPH& glyph) {
        for (uint8_t value : glyph.coverage) {
            if (value != 0 && value != 255)
                return true;
        }
        return false;
    };
    FONT* pSmooth = Open("Arial", -16, 400, false, 0, true);
    FONT* pMono = Open("Arial", -16, 400, false, 0, false);
    for (uint8_t c : {'a', 'O', '@'}) {
        EXPECT_TRUE(Has_Grey(Font_Get_Glyph(pSmooth, c)));
        const FONT_GLYPH& mono = Font_Get_Glyph(pMono, c);
        EXPECT_FALSE(Has_Grey(mono));
        EXPECT_GT(Coverage_Sum(mono), 0);
    }
}

TEST_F(FontFacesTest, RequestedWidthStretchesTheFace) {
    FONT* pNatural = Open("Arial", -20);
    FONT* pNarrow = Open("Arial", -20, 400, false, 0, true, 5);
    FONT* pWide = Open("Arial", -20, 400, false, 0, true, 20);
    EXPECT_EQ(Font_Get_Metrics(pNarrow).nAveCharWidth, 5);
    EXPECT_EQ(Font_Get_Metrics(pWide).nAveCharWidth, 20);
    EXPECT_EQ(Font_Get_Metrics(pWide).nHeight, Font_Get_Metrics(pNatural).nHeight);

    // Advances scale with the width asked for (within the rounding of the natural average).
    double natural = Font_Get_Metrics(pNatural).nAveCharWidth;
    int nNaturalW = Font_Get_Glyph(pNatural, 'W').nAdvanceX;
    EXPECT_NEAR(Font_Get_Glyph(pWide, 'W').nAdvanceX, nNaturalW * 20 / natural, 2.0);
    EXPECT_NEAR(Font_Get_Glyph(pNarrow, 'W').nAdvanceX, nNaturalW * 5 / natural, 1.0);
    EXPECT_GT(Font_Get_Glyph(pWide, 'W').nWidth, Font_Get_Glyph(pNatural, 'W').nWidth);
}

// The bytes 0x80-0x9F hold typographic characters: each one defined draws a glyph of its own (a
// byte mapped to a character the face lacks would draw the shared missing-glyph box). The low
// and the high single quote share a shape, so shapes are told apart with their height.
TEST_F(FontFacesTest, Windows1252HighBytesDrawTheirOwnCharacters) {
    FONT* pFont = Open("Arial", -20);
    const uint8_t kUndefined[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    std::vector<const FONT_GLYPH*> defined;
    for (int c = 0x80; c <= 0x9F; ++c) {
        const FONT_GLYPH& glyph = Font_Get_Glyph(pFont, static_cast<uint8_t>(c));
        if (memchr(kUndefined, c, sizeof(kUndefined)) != nullptr)
            continue;
        EXPECT_GT(Coverage_Sum(glyph), 0) << c;
        EXPECT_GT(glyph.nAdvanceX, 0) << c;
        for (const FONT_GLYPH* pOther : defined) {
            EXPECT_FALSE(pOther->coverage == glyph.coverage && pOther->nTop == glyph.nTop) << c;
        }
        defined.push_back(&glyph);
    }

    const FONT_GLYPH& enDash = Font_Get_Glyph(pFont, 0x96);
    const FONT_GLYPH& hyphen = Font_Get_Glyph(pFont, '-');
    EXPECT_NE(enDash.coverage, hyphen.coverage);
    EXPECT_GT(enDash.nAdvanceX, hyphen.nAdvanceX);
    EXPECT_GT(Font_Get_Glyph(pFont, 0x97).nAdvanceX, enDash.nAdvanceX);  // em dash

    const FONT_GLYPH& degree = Font_Get_Glyph(pFont, 0xB0);
    const FONT_GLYPH& letterO = Font_Get_Glyph(pFont, 'o');
    EXPECT_NE(degree.coverage, letterO.coverage);
    EXPECT_GT(degree.nTop - degree.nHeight, letterO.nTop - letterO.nHeight + 4);  // sits high
}

TEST_F(FontFacesTest, UndefinedAndControlBytesDrawNothing) {
    FONT* pFont = Open("Arial", -20);
    for (uint8_t c : {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x00, 0x01, 0x09, 0x0A, 0x0D, 0x1F, 0x7F}) {
        const FONT_GLYPH& glyph = Font_Get_Glyph(pFont, c);
        EXPECT_EQ(glyph.nAdvanceX, 0) << int(c);
        EXPECT_TRUE(glyph.coverage.empty()) << int(c);
    }
    EXPECT_EQ(Font_Text_Width(pFont, "W\x81W\x01", 4), 2 * Font_Text_Width(pFont, "W", 1));
}

// Escapement 900: an 'L' turned a quarter counter-clockwise has its stem along the bottom and
// its foot at the right, lies left of the pen and above it, and the pen moves up.
TEST_F(FontFacesTest, Escapement900TurnsGlyphsUpward) {
    FONT* pUpright = Open("Arial", -30);
    FONT* pUpward = Open("Arial", -30, 400, false, 900);
    EXPECT_EQ(Font_Get_Metrics(pUpward).nHeight, Font_Get_Metrics(pUpright).nHeight);

    const FONT_GLYPH& wide = Font_Get_Glyph(pUpward, 'W');
    EXPECT_GT(wide.nHeight, wide.nWidth);
    EXPECT_EQ(wide.nAdvanceX, 0);
    EXPECT_EQ(wide.nAdvanceY, -Font_Get_Glyph(pUpright, 'W').nAdvanceX);
    EXPECT_EQ(Coverage_Sum(wide), Coverage_Sum(Font_Get_Glyph(pUpright, 'W')));
    EXPECT_EQ(Font_Text_Width(pUpward, "WW", 2), Font_Text_Width(pUpright, "WW", 2));

    const FONT_GLYPH& ell = Font_Get_Glyph(pUpward, 'L');
    auto At = [&ell](int x, int y) {
        return ell.coverage[static_cast<size_t>(y) * ell.nWidth + x];
    };
    int nBottomCovered = 0;
    int nRightCovered = 0;
    for (int x = 0; x < ell.nWidth; ++x)
        nBottomCovered += At(x, ell.nHeight - 1) > 0;
    for (int y = 0; y < ell.nHeight; ++y)
        nRightCovered += At(ell.nWidth - 1, y) > 0;
    EXPECT_EQ(nBottomCovered, ell.nWidth);
    EXPECT_GT(nRightCovered, ell.nHeight * 3 / 4);
    EXPECT_EQ(At(0, 0), 0);
    EXPECT_LT(ell.nLeft, 0);
    EXPECT_LE(ell.nLeft + ell.nWidth, 1);
    EXPECT_GT(ell.nTop, 0);
    EXPECT_LE(ell.nTop - ell.nHeight, 3);
    EXPECT_GE(ell.nTop - ell.nHeight, -1);
}

}  // namespace
