// The objects behind GDI handles: the registry, stock objects, pens, brushes and fonts, and
// selecting, querying and deleting them. A handle is the object's address; only registered
// addresses are objects, so a stale handle is simply not found.
#include "gdi_internal.h"

#include <stdio.h>
#include <string.h>

#include <memory>
#include <unordered_map>

namespace {

std::unordered_map<const void*, std::unique_ptr<GDI_OBJECT>> gObjects;
HGDIOBJ gStock[DEFAULT_GUI_FONT + 1];

HPEN New_Pen(int nStyle, int nWidth, COLORREF crColor, bool bStock) {
    auto* p = new GDI_PEN();
    p->nType = OBJ_PEN;
    p->bStock = bStock;
    p->log.lopnStyle = static_cast<UINT>(nStyle);
    p->log.lopnWidth = {nWidth < 1 ? 1 : nWidth, 0};
    p->log.lopnColor = crColor;
    return reinterpret_cast<HPEN>(Gdi_Add_Object(p));
}

HBRUSH New_Brush(UINT uStyle, COLORREF crColor, bool bStock) {
    auto* p = new GDI_BRUSH();
    p->nType = OBJ_BRUSH;
    p->bStock = bStock;
    p->log = {uStyle, crColor, 0};
    return reinterpret_cast<HBRUSH>(Gdi_Add_Object(p));
}

HFONT New_Font(const LOGFONTA& log, bool bStock) {
    auto* p = new GDI_FONT();
    p->nType = OBJ_FONT;
    p->bStock = bStock;
    p->log = log;
    p->log.lfFaceName[LF_FACESIZE - 1] = 0;
    return reinterpret_cast<HFONT>(Gdi_Add_Object(p));
}

LOGFONTA Stock_Font(LONG nHeight, LONG nWeight, const char* szFace) {
    LOGFONTA log = {};
    log.lfHeight = nHeight;
    log.lfWeight = nWeight;
    log.lfCharSet = DEFAULT_CHARSET;
    snprintf(log.lfFaceName, sizeof(log.lfFaceName), "%s", szFace);
    return log;
}

void Make_Stock_Objects() {
    if (gStock[WHITE_BRUSH]) return;
    gStock[WHITE_BRUSH] = New_Brush(BS_SOLID, RGB(255, 255, 255), true);
    gStock[LTGRAY_BRUSH] = New_Brush(BS_SOLID, RGB(192, 192, 192), true);
    gStock[GRAY_BRUSH] = New_Brush(BS_SOLID, RGB(128, 128, 128), true);
    gStock[DKGRAY_BRUSH] = New_Brush(BS_SOLID, RGB(64, 64, 64), true);
    gStock[BLACK_BRUSH] = New_Brush(BS_SOLID, RGB(0, 0, 0), true);
    gStock[NULL_BRUSH] = New_Brush(BS_NULL, 0, true);
    gStock[WHITE_PEN] = New_Pen(PS_SOLID, 1, RGB(255, 255, 255), true);
    gStock[BLACK_PEN] = New_Pen(PS_SOLID, 1, RGB(0, 0, 0), true);
    gStock[NULL_PEN] = New_Pen(PS_NULL, 1, 0, true);
    gStock[SYSTEM_FONT] = New_Font(Stock_Font(16, FW_BOLD, "System"), true);
    gStock[DEFAULT_GUI_FONT] = New_Font(Stock_Font(-11, FW_NORMAL, "MS Shell Dlg"), true);
}

// Copies an object's description into pOut as GetObjectA does: the size needed when pOut is
// null, else the bytes written (0 when nSize is too small).
template <typename T>
int Copy_Out(const T& value, int nSize, LPVOID pOut) {
    if (!pOut) return static_cast<int>(sizeof(T));
    if (nSize < static_cast<int>(sizeof(T))) return 0;
    memcpy(pOut, &value, sizeof(T));
    return static_cast<int>(sizeof(T));
}

// Swaps the object into the DC slot of its type; the previous handle, or null.
HGDIOBJ Swap_Into(HGDIOBJ* pSlot, HGDIOBJ hNew) {
    HGDIOBJ hOld = *pSlot;
    *pSlot = hNew;
    return hOld;
}

}  // namespace

HGDIOBJ Gdi_Add_Object(GDI_OBJECT* pObject) {
    gObjects[pObject].reset(pObject);
    return reinterpret_cast<HGDIOBJ>(pObject);
}

void Gdi_Remove_Object(HGDIOBJ hObject) { gObjects.erase(hObject); }

bool Gdi_Object_In_Use(HGDIOBJ hObject) {
    auto holds = [hObject](const GDI_DC_STATE& st) {
        return st.hPen == hObject || st.hBrush == hObject || st.hFont == hObject ||
               st.hBitmap == hObject;
    };
    for (const auto& entry : gObjects) {
        if (entry.second->nType != OBJ_DC && entry.second->nType != OBJ_MEMDC) continue;
        const auto* pDc = static_cast<const GDI_DC*>(entry.second.get());
        if (holds(pDc->st)) return true;
        for (const GDI_DC_STATE& st : pDc->aSaved)
            if (holds(st)) return true;
    }
    return false;
}

GDI_OBJECT* Gdi_Find_Object(HGDIOBJ hObject) {
    auto it = gObjects.find(hObject);
    return it == gObjects.end() ? nullptr : it->second.get();
}

bool Gdi_Brush_Pixel(HBRUSH hBrush, uint32_t* pPixel) {
    uintptr_t nValue = reinterpret_cast<uintptr_t>(hBrush);
    if (nValue >= 1 && nValue <= COLOR_MENUBAR + 1) {
        *pPixel = Gdi_Pixel_From_Color(GetSysColor(static_cast<int>(nValue - 1)));
        return true;
    }
    GDI_BRUSH* p = Gdi_Find<GDI_BRUSH>(hBrush, OBJ_BRUSH);
    if (!p || p->log.lbStyle == BS_NULL) return false;
    *pPixel = Gdi_Pixel_From_Color(p->log.lbColor);
    return true;
}

void Gdi_Reset_Objects(void) {
    for (auto it = gObjects.begin(); it != gObjects.end();) {
        if (it->second->bStock)
            ++it;
        else
            it = gObjects.erase(it);
    }
}

void Gdi_Reset(void) {
    Gdi_Reset_Objects();
    Gdi_Reset_Windows();
}

HGDIOBJ GetStockObject(int nObject) {
    Make_Stock_Objects();
    if (nObject < 0 || nObject > DEFAULT_GUI_FONT) return nullptr;
    return gStock[nObject];
}

HPEN CreatePen(int nStyle, int nWidth, COLORREF crColor) {
    if (nStyle != PS_SOLID && nStyle != PS_NULL && nStyle != PS_DASH && nStyle != PS_DOT &&
        nStyle != PS_INSIDEFRAME)
        return nullptr;
    return New_Pen(nStyle, nWidth, crColor, false);
}

HBRUSH CreateSolidBrush(COLORREF crColor) { return New_Brush(BS_SOLID, crColor & 0xFFFFFF, false); }

HFONT CreateFontIndirectA(const LOGFONTA* pFont) {
    return pFont ? New_Font(*pFont, false) : nullptr;
}

HFONT CreateFontA(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                  DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD nCharSet,
                  DWORD nOutPrecision, DWORD nClipPrecision, DWORD nQuality, DWORD nPitchAndFamily,
                  LPCSTR szFace) {
    LOGFONTA log = {nHeight,
                    nWidth,
                    nEscapement,
                    nOrientation,
                    nWeight,
                    static_cast<BYTE>(bItalic),
                    static_cast<BYTE>(bUnderline),
                    static_cast<BYTE>(bStrikeOut),
                    static_cast<BYTE>(nCharSet),
                    static_cast<BYTE>(nOutPrecision),
                    static_cast<BYTE>(nClipPrecision),
                    static_cast<BYTE>(nQuality),
                    static_cast<BYTE>(nPitchAndFamily),
                    {}};
    snprintf(log.lfFaceName, sizeof(log.lfFaceName), "%s", szFace ? szFace : "");
    return New_Font(log, false);
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ hObject) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    GDI_OBJECT* p = Gdi_Find_Object(hObject);
    if (!pDc || !p) return nullptr;
    GDI_DC_STATE& st = pDc->st;
    switch (p->nType) {
    case OBJ_PEN: return Swap_Into(reinterpret_cast<HGDIOBJ*>(&st.hPen), hObject);
    case OBJ_BRUSH: return Swap_Into(reinterpret_cast<HGDIOBJ*>(&st.hBrush), hObject);
    case OBJ_FONT: return Swap_Into(reinterpret_cast<HGDIOBJ*>(&st.hFont), hObject);
    case OBJ_BITMAP:
        // Only a memory DC holds a bitmap, and a bitmap sits in one DC at a time.
        if (pDc->hWnd || pDc->hTop) return nullptr;
        if (hObject != st.hBitmap && Gdi_Object_In_Use(hObject) && !p->bStock) return nullptr;
        return Swap_Into(reinterpret_cast<HGDIOBJ*>(&st.hBitmap), hObject);
    case OBJ_REGION: {
        int nKind = SelectClipRgn(hdc, reinterpret_cast<HRGN>(hObject));
        return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(nKind));
    }
    default: return nullptr;
    }
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT uType) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc) return nullptr;
    switch (uType) {
    case OBJ_PEN: return pDc->st.hPen;
    case OBJ_BRUSH: return pDc->st.hBrush;
    case OBJ_FONT: return pDc->st.hFont;
    case OBJ_BITMAP: return pDc->st.hBitmap;
    default: return nullptr;
    }
}

DWORD GetObjectType(HGDIOBJ hObject) {
    GDI_OBJECT* p = Gdi_Find_Object(hObject);
    return p ? p->nType : 0;
}

int GetObjectA(HANDLE hObject, int nSize, LPVOID pOut) {
    GDI_OBJECT* p = Gdi_Find_Object(hObject);
    if (!p) return 0;
    switch (p->nType) {
    case OBJ_PEN: return Copy_Out(static_cast<GDI_PEN*>(p)->log, nSize, pOut);
    case OBJ_BRUSH: return Copy_Out(static_cast<GDI_BRUSH*>(p)->log, nSize, pOut);
    case OBJ_FONT: return Copy_Out(static_cast<GDI_FONT*>(p)->log, nSize, pOut);
    case OBJ_BITMAP: {
        auto* b = static_cast<GDI_BITMAP*>(p);
        BITMAP bm = {
            0,          b->nWidth,
            b->nHeight, b->pDibBits ? b->nDibRowBytes : Dib_Row_Bytes(b->nWidth, b->nBitsPixel),
            1,          static_cast<WORD>(b->nBitsPixel),
            b->pDibBits};
        return Copy_Out(bm, nSize, pOut);
    }
    default: return 0;
    }
}

BOOL DeleteObject(HGDIOBJ hObject) {
    GDI_OBJECT* p = Gdi_Find_Object(hObject);
    if (!p || p->nType == OBJ_DC || p->nType == OBJ_MEMDC) return FALSE;
    if (p->bStock) return TRUE;
    if (Gdi_Object_In_Use(hObject)) return FALSE;
    gObjects.erase(hObject);
    return TRUE;
}
