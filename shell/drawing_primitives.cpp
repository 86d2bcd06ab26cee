// Fills, lines and frames, in pixels and in the design space. Every brush and pen made here is
// deleted before the call returns; a failed delete is reported and the drawing still counts.
#include "shell/shell.h"

#include <functional>

// Runs the drawing with a solid brush of the colour and a null pen selected, inside a saved DC
// state, then deletes both, reporting a failure against the named function.
static void Draw_With_Solid_Fill(HDC hdc, COLORREF colour, const char* szFunction,
                                 const std::function<void()>& draw) {
    HBRUSH hBrush = CreateSolidBrush(colour);
    HPEN hPen = CreatePen(PS_NULL, 0, 0);
    int nSaved = SaveDC(hdc);
    SelectObject(hdc, hBrush);
    SelectObject(hdc, hPen);
    draw();
    RestoreDC(hdc, nSaved);
    if (!DeleteObject(hBrush))
        Report_Error("Couldn't delete hBrush in %s()", szFunction);
    if (!DeleteObject(hPen))
        Report_Error("Couldn't delete hPen in %s()", szFunction);
}

// The rectangle includes its right and bottom edges.
void Fill_Rectangle(HDC hdc, int nLeft, int nTop, int nRight, int nBottom, COLORREF colour) {
    Draw_With_Solid_Fill(hdc, colour, "Fill_Rectangle",
                         [&] { Rectangle(hdc, nLeft, nTop, nRight + 1, nBottom + 1); });
}

void Fill_Rect_Struct(const RECT* pRect, HDC hdc, COLORREF colour) {
    Fill_Rectangle(hdc, pRect->left, pRect->top, pRect->right, pRect->bottom, colour);
}

// One pixel wider on every side than the rectangle, with the stock null pen.
void Fill_Solid_Rect(const RECT* pRect, HDC hdc, COLORREF colour) {
    HBRUSH hBrush = CreateSolidBrush(colour);
    HGDIOBJ hOldBrush = SelectObject(hdc, hBrush);
    HGDIOBJ hOldPen = SelectObject(hdc, GetStockObject(NULL_PEN));
    Rectangle(hdc, pRect->left - 1, pRect->top - 1, pRect->right + 1, pRect->bottom + 1);
    SelectObject(hdc, hOldPen);
    SelectObject(hdc, hOldBrush);
    if (!DeleteObject(hBrush))
        Report_Error("Couldn't delete hBrush in Fill_Rectangle()");
}

void Fill_Polygon(const POINT* pPoints, HDC hdc, int nCount, COLORREF colour) {
    if (!pPoints || nCount < 3)
        return;
    Draw_With_Solid_Fill(hdc, colour, "Fill_Polygon", [&] { Polygon(hdc, pPoints, nCount); });
}

void Fill_Ellipse(HDC hdc, const RECT* pRect, COLORREF colour) {
    Draw_With_Solid_Fill(hdc, colour, "Fill_Rectangle", [&] {
        Ellipse(hdc, pRect->left, pRect->top, pRect->right, pRect->bottom);
    });
}

// The rectangle's outline with a one-pixel pen of the colour.
void Draw_Absolute_Line(const RECT* pRect, HDC hdc, COLORREF colour) {
    HPEN hPen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ hOldPen = SelectObject(hdc, hPen);
    MoveToEx(hdc, pRect->left, pRect->top, NULL);
    LineTo(hdc, pRect->left, pRect->bottom);
    LineTo(hdc, pRect->right, pRect->bottom);
    LineTo(hdc, pRect->right, pRect->top);
    LineTo(hdc, pRect->left, pRect->top);
    SelectObject(hdc, hOldPen);
    if (!DeleteObject(hPen))
        Report_Error("Couldn't delete hPen in Draw_Absolute_Line()");
}

// ---- the design-space forms ---------------------------------------------------------------------

void Draw_Design_Frame_Control(const RECT* pRect, HDC hdc, UINT uType, UINT uState) {
    RECT rect = *pRect;
    Scale_Design_Rect(&rect);
    DrawFrameControl(hdc, &rect, uType, uState);
}

// With the DC's current pen; the points follow the whole client area, bars included.
void Draw_Design_Line(HDC hdc, int x1, int y1, int x2, int y2) {
    POINT from = {x1, y1};
    POINT to = {x2, y2};
    Scale_Design_Point(&from);
    Scale_Design_Point(&to);
    MoveToEx(hdc, from.x, from.y, NULL);
    LineTo(hdc, to.x, to.y);
}

void Fill_Design_Ellipse(const RECT* pRect, HDC hdc, COLORREF colour) {
    RECT rect = *pRect;
    Scale_Design_Rect(&rect);
    Fill_Ellipse(hdc, &rect, colour);
}

void Fill_Design_Rectangle(const RECT* pRect, HDC hdc, COLORREF colour) {
    RECT rect = *pRect;
    Scale_Design_Rect(&rect);
    Fill_Rect_Struct(&rect, hdc, colour);
}

// The scaled copy's height, or -1 when scaling made it inside out.
int Copy_Enlarged_Rectangle(const RECT* pSource, RECT* pDestination) {
    *pDestination = *pSource;
    Scale_Design_Rect(pDestination);
    int nWidth = pDestination->right - pDestination->left;
    int nHeight = pDestination->bottom - pDestination->top;
    if (nWidth < 0 || nHeight < 0)
        return Report_Error(
            "Invalid rectangle generated in "
            "Copy_Enlarged_Rectangle(%d,%d,%d,%d -> %d,%d,%d,%d)",
            (int)pDestination->top, (int)pDestination->bottom, (int)pDestination->left,
            (int)pDestination->right, (int)pSource->top, (int)pSource->bottom, (int)pSource->left,
            (int)pSource->right);
    return nHeight;
}

void Draw_Design_Rect_Frame_Colour(const RECT* pRect, HDC hdc, COLORREF colour) {
    RECT rect;
    if (Copy_Enlarged_Rectangle(pRect, &rect) < 0)
        return;
    Draw_Absolute_Line(&rect, hdc, colour);
}

void Draw_Design_Rect_Frame(HDC hdc, const RECT* pRect) {
    Draw_Design_Rect_Frame_Colour(pRect, hdc, RGB(0, 0, 0));
}
