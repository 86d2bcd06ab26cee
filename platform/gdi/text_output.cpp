// Text output and measuring: fonts of device contexts, glyph runs blended with the text colour
// through the clip, TextOutA, ExtTextOutA, TabbedTextOutA and the text metrics calls.
#include "font/font.h"
#include "gdi_internal.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace {

// One channel moved from d towards s by nCoverage / 255.
inline uint32_t Blend_Channel(uint32_t d, uint32_t s, uint32_t nCoverage) {
    return (d * (255 - nCoverage) + s * nCoverage + 127) / 255;
}

void Blend_Glyph(GDI_TARGET& t, const FONT_GLYPH& glyph, int x0, int y0, uint32_t nColor) {
    const RECT rcGlyph = {x0, y0, x0 + glyph.nWidth, y0 + glyph.nHeight};
    for (const RECT& c : t.clip) {
        const LONG left = std::max(c.left, rcGlyph.left), right = std::min(c.right, rcGlyph.right);
        const LONG top = std::max(c.top, rcGlyph.top), bottom = std::min(c.bottom, rcGlyph.bottom);
        for (LONG y = top; y < bottom; ++y) {
            uint32_t* pRow = t.px.Row(y);
            const uint8_t* pCoverage = &glyph.coverage[static_cast<size_t>(y - y0) * glyph.nWidth];
            for (LONG x = left; x < right; ++x) {
                const uint32_t nCoverage = pCoverage[x - x0];
                if (nCoverage == 0) continue;
                uint32_t nOut = 0;
                for (int s = 0; s < 24; s += 8)
                    nOut |= Blend_Channel((pRow[x] >> s) & 0xFF, (nColor >> s) & 0xFF, nCoverage)
                            << s;
                pRow[x] = nOut;
            }
        }
    }
}

// The x where a run of nWidth starts and the baseline, for the DC's text alignment at (x, y).
void Align(const GDI_DC* pDc, const FONT_METRICS& m, int nWidth, int* pX, int* pY) {
    const UINT uAlign = pDc->st.uTextAlign;
    if ((uAlign & TA_CENTER) == TA_CENTER)
        *pX -= nWidth / 2;
    else if (uAlign & TA_RIGHT)
        *pX -= nWidth;
    if ((uAlign & TA_BASELINE) == TA_BASELINE) return;
    *pY += (uAlign & TA_BOTTOM) ? -m.nDescent : m.nAscent;
}

// Pen offsets from explicit advances.
std::vector<int> Offsets_From_Advances(const INT* pDx, int nCount, int* pWidth) {
    std::vector<int> offsets(static_cast<size_t>(nCount));
    int nPen = 0;
    for (int i = 0; i < nCount; ++i) {
        offsets[static_cast<size_t>(i)] = nPen;
        nPen += pDx[i];
    }
    *pWidth = nPen;
    return offsets;
}

int Length_Of(LPCSTR szText, int nCount) {
    if (!szText) return 0;
    return nCount < 0 ? static_cast<int>(strlen(szText)) : nCount;
}

}  // namespace

FONT* Gdi_Dc_Font(const GDI_DC* pDc) {
    GDI_FONT* p = Gdi_Find<GDI_FONT>(pDc->st.hFont, OBJ_FONT);
    if (!p) p = Gdi_Find<GDI_FONT>(GetStockObject(SYSTEM_FONT), OBJ_FONT);
    const LOGFONTA& log = p->log;
    FONT_REQUEST request;
    request.stFace = log.lfFaceName;
    request.nHeight = log.lfHeight;
    request.nWidth = log.lfWidth < 0 ? -log.lfWidth : log.lfWidth;
    request.nWeight = log.lfWeight == FW_DONTCARE ? FW_NORMAL : log.lfWeight;
    request.bItalic = log.lfItalic != 0;
    request.bUnderline = log.lfUnderline != 0;
    request.nEscapement = log.lfEscapement;
    request.bAntialiased = log.lfQuality != NONANTIALIASED_QUALITY;
    return Font_Open(request);
}

int Text_Draw_Run(GDI_TARGET& t, FONT* pFont, const char* szText, int nLength, const int* pOffsets,
                  int x, int nBaseline, uint32_t nColor) {
    int nPenX = 0, nPenY = 0;
    for (int i = 0; i < nLength; ++i) {
        const FONT_GLYPH& glyph = Font_Get_Glyph(pFont, static_cast<uint8_t>(szText[i]));
        if (pOffsets) nPenX = pOffsets[i];
        Blend_Glyph(t, glyph, x + nPenX + glyph.nLeft, nBaseline + nPenY - glyph.nTop, nColor);
        nPenX += glyph.nAdvanceX;
        nPenY += glyph.nAdvanceY;
    }
    return nPenX;
}

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT uOptions, const RECT* pRect, LPCSTR szText,
                 UINT nCount, const INT* pDx) {
    GDI_TARGET t(hdc);
    if (!t.Valid() || (nCount > 0 && !szText)) return FALSE;
    GDI_DC_STATE& st = t.pDc->st;
    const uint32_t nBk = Gdi_Pixel_From_Color(st.crBk);
    RECT rcSurface = {0, 0, 0, 0};
    if (pRect) rcSurface = Gdi_To_Surface(t, *pRect);
    if (pRect && (uOptions & ETO_OPAQUE)) Raster_Fill(t, rcSurface, nBk);
    if (nCount == 0) return TRUE;

    FONT* pFont = Gdi_Dc_Font(t.pDc);
    const FONT_METRICS m = Font_Get_Metrics(pFont);
    const int n = static_cast<int>(nCount);
    int nWidth = 0;
    std::vector<int> offsets;
    if (pDx)
        offsets = Offsets_From_Advances(pDx, n, &nWidth);
    else
        nWidth = Font_Text_Width(pFont, szText, n);
    const bool bUpdateCp = (st.uTextAlign & TA_UPDATECP) != 0;
    if (bUpdateCp) {
        x = st.ptCurrent.x;
        y = st.ptCurrent.y;
    }
    int xStart = x, nBaseline = y;
    Align(t.pDc, m, nWidth, &xStart, &nBaseline);
    if (pRect && (uOptions & ETO_CLIPPED))
        t.clip = Region_Combine(t.clip, Region_From_Rect(rcSurface), RGN_AND);
    if (st.nBkMode == OPAQUE && !(pRect && (uOptions & ETO_OPAQUE)))
        Raster_Fill(t,
                    Gdi_To_Surface(t, {xStart, nBaseline - m.nAscent, xStart + nWidth,
                                       nBaseline + m.nDescent}),
                    nBk);
    Text_Draw_Run(t, pFont, szText, n, pDx ? offsets.data() : nullptr, xStart + t.nDx,
                  nBaseline + t.nDy, Gdi_Pixel_From_Color(st.crText));
    if (bUpdateCp) st.ptCurrent.x += nWidth;
    return TRUE;
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR szText, int nCount) {
    if (nCount < 0) return FALSE;
    return ExtTextOutA(hdc, x, y, 0, nullptr, szText, static_cast<UINT>(nCount), nullptr);
}

// Tab stops: none given, every 8 average characters; one, every that many pixels; several, at
// those positions (from nTabOrigin), then on at the last one's spacing.
LONG TabbedTextOutA(HDC hdc, int x, int y, LPCSTR szText, int nCount, int nTabPositions,
                    const INT* pTabStops, int nTabOrigin) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    const int nLength = Length_Of(szText, nCount);
    if (!pDc) return 0;
    FONT* pFont = Gdi_Dc_Font(pDc);
    const FONT_METRICS m = Font_Get_Metrics(pFont);
    int nStep = 8 * std::max(1, m.nAveCharWidth);
    if (nTabPositions == 1 && pTabStops && pTabStops[0] > 0) nStep = pTabStops[0];
    auto next_stop = [&](int nPen) {
        const int nFromOrigin = x + nPen - nTabOrigin;
        if (nTabPositions > 1 && pTabStops)
            for (int i = 0; i < nTabPositions; ++i)
                if (pTabStops[i] > nFromOrigin) return pTabStops[i] + nTabOrigin - x;
        return ((nFromOrigin / nStep) + 1) * nStep + nTabOrigin - x;
    };
    // Each piece between tabs is drawn where the tabs put it.
    std::vector<int> offsets(static_cast<size_t>(nLength));
    int nPen = 0;
    for (int i = 0; i < nLength; ++i) {
        offsets[static_cast<size_t>(i)] = nPen;
        nPen = szText[i] == '\t' ? next_stop(nPen) : nPen + Font_Text_Width(pFont, szText + i, 1);
    }
    std::vector<INT> advances(static_cast<size_t>(nLength));
    for (int i = 0; i < nLength; ++i)
        advances[static_cast<size_t>(i)] =
            (i + 1 < nLength ? offsets[static_cast<size_t>(i) + 1] : nPen) -
            offsets[static_cast<size_t>(i)];
    std::string stShown(szText ? szText : "", static_cast<size_t>(nLength));
    std::replace(stShown.begin(), stShown.end(), '\t', ' ');
    if (nLength > 0 && !ExtTextOutA(hdc, x, y, 0, nullptr, stShown.data(),
                                    static_cast<UINT>(nLength), advances.data()))
        return 0;
    return MAKELONG(nPen, m.nHeight);
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR szText, int nCount, SIZE* pSize) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc || !pSize || nCount < 0 || (nCount > 0 && !szText)) return FALSE;
    FONT* pFont = Gdi_Dc_Font(pDc);
    pSize->cx = nCount > 0 ? Font_Text_Width(pFont, szText, nCount) : 0;
    pSize->cy = Font_Get_Metrics(pFont).nHeight;
    return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* pMetrics) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc || !pMetrics) return FALSE;
    const GDI_FONT* pLog = Gdi_Find<GDI_FONT>(pDc->st.hFont, OBJ_FONT);
    const FONT_METRICS m = Font_Get_Metrics(Gdi_Dc_Font(pDc));
    memset(pMetrics, 0, sizeof(*pMetrics));
    pMetrics->tmHeight = m.nHeight;
    pMetrics->tmAscent = m.nAscent;
    pMetrics->tmDescent = m.nDescent;
    pMetrics->tmInternalLeading = m.nInternalLeading;
    pMetrics->tmExternalLeading = m.nExternalLeading;
    pMetrics->tmAveCharWidth = m.nAveCharWidth;
    pMetrics->tmMaxCharWidth = m.nMaxCharWidth;
    pMetrics->tmWeight = m.nWeight;
    pMetrics->tmDigitizedAspectX = 96;
    pMetrics->tmDigitizedAspectY = 96;
    pMetrics->tmFirstChar = 0x20;
    pMetrics->tmLastChar = 0xFF;
    pMetrics->tmDefaultChar = '?';
    pMetrics->tmBreakChar = ' ';
    pMetrics->tmItalic = pLog && pLog->log.lfItalic ? 1 : 0;
    pMetrics->tmUnderlined = pLog && pLog->log.lfUnderline ? 1 : 0;
    pMetrics->tmStruckOut = pLog && pLog->log.lfStrikeOut ? 1 : 0;
    pMetrics->tmPitchAndFamily = pLog ? pLog->log.lfPitchAndFamily : 0;
    pMetrics->tmCharSet = ANSI_CHARSET;
    return TRUE;
}

// The face's name; with no buffer, the size one needs (terminating zero included).
int GetTextFaceA(HDC hdc, int nCount, LPSTR szFace) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc) return 0;
    const char* szName = Font_Face_Name(Gdi_Dc_Font(pDc));
    const int nNeeded = static_cast<int>(strlen(szName)) + 1;
    if (!szFace) return nNeeded;
    if (nCount <= 0) return 0;
    snprintf(szFace, static_cast<size_t>(nCount), "%s", szName);
    return std::min(nCount, nNeeded);
}
