// Dialog units. A template's FONT (face and point size) becomes a font at the pixel size of those
// points at 96 dpi (8 points: 11 pixels of character height), its face mapped to an installed
// one by the font module's substitutions; a template without a font uses the default GUI font.
// The base units come from that font as the classic dialog manager computes them: the width is
// the average advance of "A".."Z" "a".."z" rounded ((width / 26 + 1) / 2), the height the cell
// height. One dialog unit is a quarter of the base width across and an eighth of the base height
// down.
#include "../platform_internal.h"

#include <map>
#include <string>
#include <utility>

namespace {

// Fonts made for templates, kept until the layer is reset: every dialog of a template shares one.
std::map<std::pair<std::string, int>, HFONT> gTemplateFonts;

const int kScreenDpi = 96;
const int kPointsPerInch = 72;

// a * b / c rounded to the nearest, halves away from zero.
int Mul_Div_Rounded(int a, int b, int c) {
    long long n = static_cast<long long>(a) * b;
    long long nHalf = c / 2;
    return static_cast<int>(n >= 0 ? (n + nHalf) / c : (n - nHalf) / c);
}

}  // namespace

HFONT Dialog_Template_Font(const char* szFace, int nPoints) {
    if (!szFace || !szFace[0] || nPoints <= 0)
        return reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    auto key = std::make_pair(std::string(szFace), nPoints);
    auto it = gTemplateFonts.find(key);
    if (it != gTemplateFonts.end()) return it->second;
    int nHeight = -Mul_Div_Rounded(nPoints, kScreenDpi, kPointsPerInch);
    HFONT hFont = CreateFontA(nHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH, szFace);
    if (!hFont) return reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    gTemplateFonts[key] = hFont;
    return hFont;
}

SIZE Dialog_Font_Units(HFONT hFont) {
    SIZE units = {6, 13};  // what an 8-point sans face gives, if measuring fails
    HDC hdc = CreateCompatibleDC(nullptr);
    if (!hdc) return units;
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent = {0, 0};
    TEXTMETRICA tm = {};
    if (GetTextExtentPoint32A(hdc, kAlphabet, 52, &extent) && GetTextMetricsA(hdc, &tm) &&
        extent.cx > 0 && tm.tmHeight > 0) {
        units.cx = (extent.cx / 26 + 1) / 2;
        units.cy = tm.tmHeight;
    }
    SelectObject(hdc, hOld);
    DeleteDC(hdc);
    return units;
}

RECT Dialog_Units_To_Pixels(SIZE units, int x, int y, int cx, int cy) {
    RECT rc;
    rc.left = Mul_Div_Rounded(x, units.cx, 4);
    rc.top = Mul_Div_Rounded(y, units.cy, 8);
    rc.right = rc.left + Mul_Div_Rounded(cx, units.cx, 4);
    rc.bottom = rc.top + Mul_Div_Rounded(cy, units.cy, 8);
    return rc;
}

void Dialog_Units_Reset(void) { gTemplateFonts.clear(); }

LONG GetDialogBaseUnits(void) {
    SIZE units = Dialog_Font_Units(reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    return MAKELONG(units.cx, units.cy);
}

BOOL MapDialogRect(HWND hDlg, RECT* pRect) {
    SIZE units;
    if (!pRect || !Dialog_Get_Units(hDlg, &units)) return FALSE;
    pRect->left = Mul_Div_Rounded(pRect->left, units.cx, 4);
    pRect->right = Mul_Div_Rounded(pRect->right, units.cx, 4);
    pRect->top = Mul_Div_Rounded(pRect->top, units.cy, 8);
    pRect->bottom = Mul_Div_Rounded(pRect->bottom, units.cy, 8);
    return TRUE;
}
