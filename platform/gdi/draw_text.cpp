// DrawTextA: the font module lays the text out in lines; this places them in the rectangle
// (left, centred or right; top, centred or bottom on a single line), fills the background in
// opaque mode, draws them through the rectangle unless DT_NOCLIP, and underlines mnemonics.
#include "font/font.h"
#include "gdi_internal.h"

#include <string.h>

#include <algorithm>

namespace {

// The first line's top, from the rectangle's top.
int Text_Top(const RECT& rc, UINT uFormat, int nTextHeight) {
    if (!(uFormat & DT_SINGLELINE)) return rc.top;
    if (uFormat & DT_BOTTOM) return rc.bottom - nTextHeight;
    if (uFormat & DT_VCENTER) return rc.top + (rc.bottom - rc.top - nTextHeight) / 2;
    return rc.top;
}

int Line_Left(const RECT& rc, UINT uFormat, int nWidth) {
    if (uFormat & DT_CENTER) return rc.left + (rc.right - rc.left - nWidth) / 2;
    if (uFormat & DT_RIGHT) return rc.right - nWidth;
    return rc.left;
}

// A one-pixel line under the mnemonic, just below the baseline.
void Underline_Mnemonic(GDI_TARGET& t, FONT* pFont, const TEXT_LINE& line, int x, int nBaseline,
                        uint32_t nColor) {
    const size_t i = static_cast<size_t>(line.nUnderline);
    if (line.nUnderline < 0 || i >= line.stText.size()) return;
    const int nFrom = x + (i < line.xOffsets.size() ? line.xOffsets[i] : 0);
    const int nWidth = Font_Get_Glyph(pFont, static_cast<uint8_t>(line.stText[i])).nAdvanceX;
    Raster_Fill(t, {nFrom, nBaseline + 1, nFrom + nWidth, nBaseline + 2}, nColor);
}

}  // namespace

int DrawTextA(HDC hdc, LPCSTR szText, int nCount, RECT* pRect, UINT uFormat) {
    GDI_TARGET t(hdc);
    if (!t.Valid() || !szText || !pRect) return 0;
    const int nLength = nCount < 0 ? static_cast<int>(strlen(szText)) : nCount;
    FONT* pFont = Gdi_Dc_Font(t.pDc);
    const FONT_METRICS m = Font_Get_Metrics(pFont);
    const std::vector<TEXT_LINE> lines =
        Font_Layout_Text(pFont, szText, nLength, pRect->right - pRect->left, uFormat);
    const int nLineHeight = m.nHeight;
    const int nTextHeight = nLineHeight * static_cast<int>(lines.size());

    if (uFormat & DT_CALCRECT) {
        int nMaxWidth = 0;
        for (const TEXT_LINE& line : lines) nMaxWidth = std::max(nMaxWidth, line.nWidth);
        pRect->right = pRect->left + nMaxWidth;
        pRect->bottom = pRect->top + nTextHeight;
        return nTextHeight;
    }

    const int nTop = Text_Top(*pRect, uFormat, nTextHeight);
    if (!(uFormat & DT_NOCLIP))
        t.clip = Region_Combine(t.clip, Region_From_Rect(Gdi_To_Surface(t, *pRect)), RGN_AND);
    const GDI_DC_STATE& st = t.pDc->st;
    const uint32_t nColor = Gdi_Pixel_From_Color(st.crText);
    int y = nTop;
    for (const TEXT_LINE& line : lines) {
        const int x = Line_Left(*pRect, uFormat, line.nWidth);
        const RECT rcLine = Gdi_To_Surface(t, {x, y, x + line.nWidth, y + nLineHeight});
        if (st.nBkMode == OPAQUE) Raster_Fill(t, rcLine, Gdi_Pixel_From_Color(st.crBk));
        const int nBaseline = rcLine.top + m.nAscent;
        Text_Draw_Run(t, pFont, line.stText.data(), static_cast<int>(line.stText.size()),
                      line.xOffsets.size() == line.stText.size() ? line.xOffsets.data() : nullptr,
                      rcLine.left, nBaseline, nColor);
        if (!(uFormat & (DT_NOPREFIX | DT_HIDEPREFIX)))
            Underline_Mnemonic(t, pFont, line, rcLine.left, nBaseline, nColor);
        y += nLineHeight;
    }
    return (uFormat & DT_SINGLELINE) && (uFormat & (DT_VCENTER | DT_BOTTOM))
               ? nTop - pRect->top + nTextHeight
               : nTextHeight;
}
