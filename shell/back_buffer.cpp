// The main window's back buffer: a memory DC the page painters take and give back by count.
#include "pages/pages.h"
#include "shell/shell.h"

int gBackBufferWidth = 0;
int gBackBufferHeight = 0;

static HBITMAP sBackBufferBitmap = NULL;
static int nBackBufferFirstState = 0;  // the state saved right after creation
static int nBackBufferUseCount = 0;

static void Back_Buffer_Size_From_Window(HWND hWnd) {
    RECT rect;
    Get_Window_Page_Rect(hWnd, &rect);
    gBackBufferWidth = Max_Int(rect.right - rect.left, 0);
    gBackBufferHeight = Max_Int(rect.bottom - rect.top, 0);
}

int Create_Back_Buffer(HWND hMainWindow) {
    if (gMainWindowDC || sBackBufferBitmap)
        Destroy_Back_Buffer();  // a second creation replaces the first, leaking nothing
    Back_Buffer_Size_From_Window(hMainWindow);
    HDC hWindowDC = GetDC(hMainWindow);
    if (!hWindowDC)
        return 0;
    sBackBufferBitmap = CreateCompatibleBitmap(hWindowDC, Max_Int(gBackBufferWidth, 1),
                                               Max_Int(gBackBufferHeight, 1));
    if (!sBackBufferBitmap) {
        ReleaseDC(hMainWindow, hWindowDC);
        return 0;
    }
    HDC hMemoryDC = CreateCompatibleDC(hWindowDC);
    ReleaseDC(hMainWindow, hWindowDC);
    if (!hMemoryDC) {
        DeleteObject(sBackBufferBitmap);
        sBackBufferBitmap = NULL;
        return 0;
    }
    nBackBufferFirstState = SaveDC(hMemoryDC);
    SelectObject(hMemoryDC, sBackBufferBitmap);
    gMainWindowDC = hMemoryDC;
    nBackBufferUseCount = 0;
    return 1;
}

void Destroy_Back_Buffer(void) {
    if (gMainWindowDC) {
        RestoreDC(gMainWindowDC, nBackBufferFirstState);
        DeleteDC(gMainWindowDC);
        gMainWindowDC = NULL;
        if (nBackBufferUseCount != 0)
            Report_Error("Destroying MainWindow but Count is %d!", nBackBufferUseCount);
        nBackBufferUseCount = 0;
    }
    if (sBackBufferBitmap) {
        DeleteObject(sBackBufferBitmap);
        sBackBufferBitmap = NULL;
    }
    gLastPaintedPage = -1;
}

HDC Get_Main_Window_DC(void) {
    if (!gMainWindowDC)
        return NULL;
    nBackBufferUseCount++;
    SaveDC(gMainWindowDC);
    return gMainWindowDC;
}

// The count is left as it falls, so an unbalanced painter stays visible in later reports.
int Release_Main_Window_DC(HDC hDC) {
    (void)hDC;  // always the back buffer's DC that Get_Main_Window_DC gave
    int nBefore = nBackBufferUseCount--;
    if (nBefore <= 0)
        Report_Error("Trying to release MainWindow DC too many times!\n\nCount is at: %d",
                     nBackBufferUseCount);
    if (gMainWindowDC)
        RestoreDC(gMainWindowDC, -1);
    return nBackBufferUseCount;
}

void Get_Back_Buffer_Rect(RECT* pRect) {
    if (!gMainWindowDC) {
        Report_Error("Trying to get MainWindow dimensions before MainWindow creation!");
        Get_Page_Client_Rect(pRect);
        return;
    }
    *pRect = RECT{0, 0, gBackBufferWidth, gBackBufferHeight};
}

int Has_Back_Buffer(void) {
    return gMainWindowDC != NULL;
}

int Get_Back_Buffer_Width(void) {
    return gBackBufferWidth;
}

int Get_Back_Buffer_Height(void) {
    return gBackBufferHeight;
}

int Get_Back_Buffer_Use_Count(void) {
    return nBackBufferUseCount;
}

int Get_Last_Painted_Page(void) {
    return gLastPaintedPage;
}

void Set_Last_Painted_Page(int nPage) {
    gLastPaintedPage = nPage;
}

void Update_Back_Buffer_Size(void) {
    Back_Buffer_Size_From_Window(gMainWindow);
}

HBITMAP Swap_Back_Buffer_Bitmap(HBITMAP hBitmap) {
    HBITMAP hOld = sBackBufferBitmap;
    sBackBufferBitmap = hBitmap;
    return hOld;
}

HDC Swap_Back_Buffer_DC(HDC hDC) {
    HDC hOld = gMainWindowDC;
    gMainWindowDC = hDC;
    return hOld;
}

// Images are stretched with the layer's own blits: no DrawDib handle is ever opened.
void Close_DrawDib(void) {}
