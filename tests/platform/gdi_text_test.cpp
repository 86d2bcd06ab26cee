// Text output: where glyphs land under each alignment, the opaque background cell, clipping to
// the ExtTextOutA and DrawTextA rectangles, mnemonics, tab stops and the measuring calls.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "platform/gdi_test_canvas.h"
#include "platform/test_api.h"

namespace {

typedef std::vector<std::string> PICTURE;

// Pixels that are not white, as a box (empty when there are none).
RECT Ink_Box(const PICTURE& picture, char cInk = 0) {
    RECT rc = {1 << 20, 1 << 20, -1, -1};
    for (int y = 0; y < static_cast<int>(picture.size()); ++y)
        for (int x = 0; x < static_cast<int>(picture[y].size()); ++x) {
            const char c = picture[y][x];
            if (c == '.' || (cInk && c != cInk))
                continue;
            rc = {std::min<LONG>(rc.left, x), std::min<LONG>(rc.top, y),
                  std::max<LONG>(rc.right, x + 1), std::max<LONG>(rc.bottom, y + 1)};
        }
    return rc.right < 0 ? RECT{0, 0, 0, 0} : rc;
}

bool Same_Rect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A canvas with a crisp (black or white) 16-pixel font selected and transparent text.
class TEXT_CANVAS : public GDI_CANVAS {
public:
    TEXT_CANVAS(int nWidth, int nHeight) : GDI_CANVAS(nWidth, nHeight) {
        hFont_ = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0,
                             NONANTIALIASED_QUALITY, 0, "Arial");
        hOldFont_ = SelectObject(hdc, hFont_);
        SetBkMode(hdc, TRANSPARENT);
    }
    ~TEXT_CANVAS() {
        SelectObject(hdc, hOldFont_);
        DeleteObject(hFont_);
    }
    SIZE Extent(const char* szText) const {
        SIZE size = {0, 0};
        GetTextExtentPoint32A(hdc, szText, static_cast<int>(strlen(szText)), &size);
        return size;
    }

private:
    HFONT hFont_;
    HGDIOBJ hOldFont_;
};

TEST(GdiTextTest, EachAlignmentPutsTheSameGlyphsInTheSamePlace) {
    TEXT_CANVAS reference(80, 40);
    TextOutA(reference.hdc, 10, 8, "Wag", 3);
    const PICTURE expected = reference.Picture();
    ASSERT_NE(Ink_Box(expected).right, 0);
    const SIZE size = reference.Extent("Wag");
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(reference.hdc, &tm));
    EXPECT_EQ(tm.tmHeight, size.cy);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);

    struct CASE {
        UINT uAlign;
        int x;
        int y;
    };
    const CASE aCases[] = {
        {TA_CENTER | TA_TOP, 10 + size.cx / 2, 8},
        {TA_RIGHT | TA_TOP, 10 + size.cx, 8},
        {TA_LEFT | TA_BASELINE, 10, 8 + tm.tmAscent},
        {TA_LEFT | TA_BOTTOM, 10, 8 + tm.tmHeight},
    };
    for (const CASE& c : aCases) {
        TEXT_CANVAS canvas(80, 40);
        SetTextAlign(canvas.hdc, c.uAlign);
        TextOutA(canvas.hdc, c.x, c.y, "Wag", 3);
        EXPECT_EQ(canvas.Picture(), expected) << c.uAlign;
    }
}

TEST(GdiTextTest, OpaqueModeFillsExactlyTheTextCell) {
    TEXT_CANVAS canvas(80, 40);
    SetBkMode(canvas.hdc, OPAQUE);
    SetBkColor(canvas.hdc, RGB(0, 255, 0));
    SetTextColor(canvas.hdc, RGB(255, 0, 0));
    TextOutA(canvas.hdc, 5, 6, "Hi", 2);
    const SIZE size = canvas.Extent("Hi");
    const PICTURE picture = canvas.Picture();
    const RECT rcCell = {5, 6, 5 + size.cx, 6 + size.cy};
    EXPECT_TRUE(Same_Rect(Ink_Box(picture), rcCell));
    // Glyph pixels are the text colour, the rest of the cell the background colour.
    const RECT rcGlyphs = Ink_Box(picture, 'r');
    EXPECT_GT(rcGlyphs.right, rcGlyphs.left);
    EXPECT_EQ(picture[6][5], 'g');
}

TEST(GdiTextTest, ExtTextOutFillsAndClipsToItsRectangle) {
    TEXT_CANVAS canvas(80, 40);
    SetBkColor(canvas.hdc, RGB(0, 0, 255));
    RECT rc = {4, 4, 14, 30};
    ExtTextOutA(canvas.hdc, 4, 6, ETO_OPAQUE | ETO_CLIPPED, &rc, "MMMM", 4, nullptr);
    const PICTURE picture = canvas.Picture();
    EXPECT_TRUE(Same_Rect(Ink_Box(picture), rc));
    EXPECT_EQ(picture[4][4], 'b');
    EXPECT_GT(Ink_Box(picture, '#').right, 0);  // some glyph pixels inside the rectangle
}

TEST(GdiTextTest, DrawTextPlacesMeasuresAndClips) {
    TEXT_CANVAS canvas(100, 60);
    const SIZE size = canvas.Extent("Go");
    // Measuring only: the rectangle shrinks to the text, nothing is drawn.
    RECT rcCalc = {10, 10, 90, 10};
    EXPECT_EQ(DrawTextA(canvas.hdc, "Go\nGo", -1, &rcCalc, DT_CALCRECT), 2 * size.cy);
    EXPECT_TRUE(Same_Rect(rcCalc, {10, 10, 10 + size.cx, 10 + 2 * size.cy}));
    EXPECT_EQ(Ink_Box(canvas.Picture()).right, 0);

    // Centred both ways on a single line: the same pixels as TextOutA at the centred place.
    RECT rcBox = {0, 0, 100, 60};
    DrawTextA(canvas.hdc, "Go", 2, &rcBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    TEXT_CANVAS reference(100, 60);
    TextOutA(reference.hdc, (100 - size.cx) / 2, (60 - size.cy) / 2, "Go", 2);
    EXPECT_EQ(canvas.Picture(), reference.Picture());

    // Right-aligned in a box too narrow: clipped unless DT_NOCLIP.
    for (UINT uClip : {0u, static_cast<UINT>(DT_NOCLIP)}) {
        TEXT_CANVAS clipped(100, 60);
        RECT rcNarrow = {40, 0, 45, 60};
        DrawTextA(clipped.hdc, "Go", 2, &rcNarrow, DT_LEFT | DT_SINGLELINE | uClip);
        const RECT rcInk = Ink_Box(clipped.Picture());
        if (uClip) {
            EXPECT_GT(rcInk.right, 45);
        } else {
            EXPECT_LE(rcInk.right, 45);
        }
    }
}

TEST(GdiTextTest, MnemonicIsUnderlinedUnlessPrefixesAreOff) {
    struct CASE {
        UINT uFormat;
        const char* szText;
        bool bUnderline;
    };
    const CASE aCases[] = {
        {DT_SINGLELINE, "&o", true},
        {DT_SINGLELINE | DT_NOPREFIX, "o", false},
    };
    for (const CASE& c : aCases) {
        TEXT_CANVAS canvas(40, 30);
        RECT rc = {2, 2, 40, 30};
        DrawTextA(canvas.hdc, c.szText, -1, &rc, c.uFormat);
        TEXTMETRICA tm;
        GetTextMetricsA(canvas.hdc, &tm);
        // The row just below the baseline: only the underline reaches it under an 'o'.
        const std::string& stRow = canvas.Picture()[2 + tm.tmAscent + 1];
        EXPECT_EQ(stRow.find('#') != std::string::npos, c.bUnderline) << c.szText;
    }
}

TEST(GdiTextTest, TabbedTextOutMovesToTheTabStops) {
    TEXT_CANVAS canvas(120, 30);
    const INT nStop = 50;
    const LONG nResult = TabbedTextOutA(canvas.hdc, 4, 4, "a\tb", 3, 1, &nStop, 4);
    EXPECT_EQ(LOWORD(nResult), nStop + canvas.Extent("b").cx);
    TEXT_CANVAS reference(120, 30);
    TextOutA(reference.hdc, 4, 4, "a", 1);
    TextOutA(reference.hdc, 4 + nStop, 4, "b", 1);
    EXPECT_EQ(canvas.Picture(), reference.Picture());
}

TEST(GdiTextTest, FaceNameAndStockFonts) {
    Test_Reset_Platform();
    HDC hdc = CreateCompatibleDC(nullptr);
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    char szFace[LF_FACESIZE] = {};
    const int nNeeded = GetTextFaceA(hdc, 0, nullptr);
    EXPECT_GT(nNeeded, 1);
    EXPECT_EQ(GetTextFaceA(hdc, sizeof(szFace), szFace), nNeeded);
    EXPECT_EQ(static_cast<int>(strlen(szFace)) + 1, nNeeded);
    SIZE size;
    EXPECT_TRUE(GetTextExtentPoint32A(hdc, "", 0, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_GT(size.cy, 0);
    DeleteDC(hdc);
}

}  // namespace
