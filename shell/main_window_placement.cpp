// The main window's minimum size and proportion while the user drags its frame, and its normal
// rectangle kept in the users' Hall of Fame file between runs.

#include <stdlib.h>

#include "database/database.h"
#include "shell/shell.h"

#define MAIN_WINDOW_STYLE (WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW)
// The rectangle is the record's last four ints: left, top, right, bottom.
#define PLACEMENT_OFFSET (FAME_FILE_SIZE - 4 * (int)sizeof(int32_t))

// With the menu bar: the window has the main menu.
void Get_Main_Window_Min_Size(int* pnWidth, int* pnHeight) {
    RECT rc = {0, 0, MIN_CLIENT_WIDTH, MIN_CLIENT_HEIGHT};
    AdjustWindowRectEx(&rc, MAIN_WINDOW_STYLE, TRUE, WS_EX_LEFT);
    *pnWidth = (int)(rc.right - rc.left);
    *pnHeight = (int)(rc.bottom - rc.top);
}

int Get_Main_Window_Proportional_Width(int nHeight) {
    int nMinWidth, nMinHeight;
    Get_Main_Window_Min_Size(&nMinWidth, &nMinHeight);
    return (int)((float)nMinWidth / (float)nMinHeight * (float)nHeight);
}

int Is_Sizing_Left_Edge(int nEdge) {
    return nEdge == WMSZ_LEFT || nEdge == WMSZ_TOPLEFT || nEdge == WMSZ_BOTTOMLEFT;
}

int Is_Sizing_Top_Edge(int nEdge) {
    return nEdge == WMSZ_TOP || nEdge == WMSZ_TOPLEFT || nEdge == WMSZ_TOPRIGHT;
}

int Clamp_Main_Window_Sizing(RECT* pRect, int nEdge) {
    if (!gMainWindow || !pRect)
        return 0;
    int nMinWidth, nMinHeight;
    Get_Main_Window_Min_Size(&nMinWidth, &nMinHeight);
    RECT rcBefore = *pRect;

    if (Is_Sizing_Left_Edge(nEdge)) {
        if (pRect->left > pRect->right - nMinWidth)
            pRect->left = pRect->right - nMinWidth;
    } else if (pRect->right < pRect->left + nMinWidth) {
        pRect->right = pRect->left + nMinWidth;
    }
    if (Is_Sizing_Top_Edge(nEdge)) {
        if (pRect->top > pRect->bottom - nMinHeight)
            pRect->top = pRect->bottom - nMinHeight;
    } else if (pRect->bottom < pRect->top + nMinHeight) {
        pRect->bottom = pRect->top + nMinHeight;
    }

    // The proportion follows the edge the user holds: a side edge sets the height, the others
    // the width, moving the edge opposite the fixed corner.
    float fRatio = (float)nMinWidth / (float)nMinHeight;
    switch (nEdge) {
    case WMSZ_LEFT:
    case WMSZ_RIGHT:
        pRect->bottom = pRect->top + (LONG)((float)(pRect->right - pRect->left) / fRatio);
        break;
    case WMSZ_TOP:
    case WMSZ_TOPRIGHT:
    case WMSZ_BOTTOM:
    case WMSZ_BOTTOMRIGHT:
        pRect->right = pRect->left + (LONG)((float)(pRect->bottom - pRect->top) * fRatio);
        break;
    case WMSZ_TOPLEFT:
    case WMSZ_BOTTOMLEFT:
        pRect->left = pRect->right - (LONG)((float)(pRect->bottom - pRect->top) * fRatio);
        break;
    default: break;
    }
    return memcmp(&rcBefore, pRect, sizeof(RECT)) != 0;
}

// Keeps a start so that the length fits inside the span, at the span's start when it cannot.
static int64_t Clamp_Start(int64_t nStart, int64_t nLength, int64_t nSpanStart, int64_t nSpanEnd) {
    if (nStart + nLength > nSpanEnd)
        nStart = nSpanEnd - nLength;
    return nStart < nSpanStart ? nSpanStart : nStart;
}

// A rectangle from an old screen layout or a damaged file: its height between the minimum and
// the work area's, its width in proportion (narrowed with the height to fit the work area), and
// the whole moved onto the work area.
static void Repair_Stored_Rect(RECT* pRect) {
    int nMinWidth, nMinHeight;
    Get_Main_Window_Min_Size(&nMinWidth, &nMinHeight);
    RECT rcWork;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0))
        rcWork = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    int64_t nWorkWidth = (int64_t)rcWork.right - rcWork.left;
    int64_t nWorkHeight = (int64_t)rcWork.bottom - rcWork.top;

    int64_t nHeight = (int64_t)pRect->bottom - pRect->top;
    if (nHeight > nWorkHeight)
        nHeight = nWorkHeight;
    if (nHeight < nMinHeight)
        nHeight = nMinHeight;
    int64_t nWidth = Get_Main_Window_Proportional_Width((int)nHeight);
    while (nWidth > nWorkWidth && nHeight > nMinHeight) {
        nHeight--;
        nWidth = Get_Main_Window_Proportional_Width((int)nHeight);
    }

    int64_t nLeft = Clamp_Start(pRect->left, nWidth, rcWork.left, rcWork.right);
    int64_t nTop = Clamp_Start(pRect->top, nHeight, rcWork.top, rcWork.bottom);
    pRect->left = (LONG)nLeft;
    pRect->top = (LONG)nTop;
    pRect->right = (LONG)(nLeft + nWidth);
    pRect->bottom = (LONG)(nTop + nHeight);
}

int Load_Window_Placement(RECT* pRect) {
    static uint8_t abRecord[FAME_FILE_SIZE];
    *pRect = {0, 0, 0, 0};
    if (!Read_Fame_File(abRecord))
        return 0;
    int32_t anStored[4];
    memcpy(anStored, abRecord + PLACEMENT_OFFSET, sizeof(anStored));
    if (anStored[2] < 1 || anStored[3] < 1)
        return 0;
    *pRect = {anStored[0], anStored[1], anStored[2], anStored[3]};
    Repair_Stored_Rect(pRect);
    return 1;
}

void Save_Window_Placement(HWND hWnd) {
    WINDOWPLACEMENT placement;
    memset(&placement, 0, sizeof(placement));
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(hWnd, &placement))
        return;
    if (placement.showCmd == SW_MINIMIZE || placement.showCmd == SW_SHOWMINIMIZED)
        return;

    // A record that could not be read is not written back: that would wipe the Hall of Fame.
    static uint8_t abRecord[FAME_FILE_SIZE];
    if (!Read_Fame_File(abRecord))
        return;
    int32_t anStored[4] = {0, 0, 0, 0};
    if (placement.showCmd != SW_SHOWMAXIMIZED) {
        const RECT& rc = placement.rcNormalPosition;
        anStored[0] = (int32_t)rc.left;
        anStored[1] = (int32_t)rc.top;
        anStored[2] = (int32_t)rc.right;
        anStored[3] = (int32_t)rc.bottom;
    }
    memcpy(abRecord + PLACEMENT_OFFSET, anStored, sizeof(anStored));
    Write_Fame_File(abRecord);
}
