// The main window's pages: painting the shown page into the back buffer when it changed or a
// repaint was forced, copying it to the window, and switching pages.
#include "database/database.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "shell/shell.h"

#define PAGE_ALWAYS_DRAW (-128)

char gPageBackgroundName[PAGE_BACKGROUND_NAME_SIZE] = "";

void Draw_Named_Page_Background(HDC hdc, const char* szPicture) {
    Copy_Skin_File_Name(gPageBackgroundName, sizeof gPageBackgroundName, szPicture);
    Draw_Page_Background(hdc);
}

// Draws the page, or the start-up picture when no league is loaded; returns the page drawn.
static int Draw_Current_Page(HDC hdc) {
    int nPage = Is_Database_Loaded() ? gCurrentPage : STARTUP_PAGE;
    const MAIN_PAGE* pPage = Find_Main_Page(nPage);
    if (pPage)
        pPage->pPaint(hdc);
    else
        Paint_Startup_Picture(hdc);
    Draw_Season_Phase_Box();
    return Is_Database_Loaded() ? nPage : STARTUP_PAGE;
}

void Paint_News_Page(HDC hdc, const PAINTSTRUCT* pPaint) {
    if (!hdc)
        return;
    if (!gMainWindowDC)
        Create_Back_Buffer(gMainWindow);
    HDC hBuffer = Get_Main_Window_DC();
    HDC hTarget = hBuffer ? hBuffer : hdc;
    int nLastPainted = hBuffer ? gLastPaintedPage : PAGE_ALWAYS_DRAW;
    if (gCurrentPage != nLastPainted && nLastPainted != STARTUP_PAGE)
        gLastPaintedPage = Draw_Current_Page(hTarget);
    if (!hBuffer)
        return;
    if (pPaint) {
        const RECT* pRect = &pPaint->rcPaint;
        BitBlt(hdc, pRect->left, pRect->top, pRect->right - pRect->left, pRect->bottom - pRect->top,
               hBuffer, pRect->left, pRect->top, SRCCOPY);
    }
    Release_Main_Window_DC(hBuffer);
}

void Record_News_Page_Area(void) {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(gMainWindow, &rc);
    gBackBufferWidth = rc.right;
    gBackBufferHeight = rc.bottom;
    if (Is_News_Page_Shown())
        gBackBufferHeight -= gShowNewsTicker ? PAGE_AREA_BARS_HEIGHT_NEWS : PAGE_AREA_BARS_HEIGHT;
}

static void Repaint_Main_Window(void) {
    InvalidateRect(gMainWindow, NULL, FALSE);
    UpdateWindow(gMainWindow);
}

void Show_News_Page(int nPage) {
    Set_Shown_Page(nPage);
    Show_Page_On_Screen(nPage);
}

void Show_Page_On_Screen(int nPage) {
    Set_Page_Help_Menu_Item(nPage);
    if (nPage == CHAMPIONS_PAGE)
        Play_Champion_Sound();
    Prepare_Shown_Page_Figures();

    Record_News_Page_Area();
    Repaint_Main_Window();
    if (gButtonBar) {
        Resize_Bars();
        Repaint_Bars();
        Show_Bars(SW_SHOW);
    }
    gLastPaintedPage = -1;
    Repaint_Main_Window();
}
