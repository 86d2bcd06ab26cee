// The main window's pages: painting the shown page into the back buffer when it changed or a
// repaint was forced, copying it to the window, and switching pages.
#include "database/database.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "shell/shell.h"

#define PAGE_DRAFT_ROUND_PREFERENCE 38
#define PAGE_DRAFT_POOL_OF_NEXT_YEAR 100  // a larger pool is next year's draft class
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

// The Draft page opens on the round on the clock during the draft, else on the last round shown,
// and on the year whose class the pool holds.
static void Prepare_Draft_Page(void) {
    if (Is_College_Draft_On())
        Set_User_Preference(PAGE_DRAFT_ROUND_PREFERENCE, gDraftRound + 1);
    else if (Get_User_Preference(PAGE_DRAFT_ROUND_PREFERENCE) == 0)
        Set_User_Preference(PAGE_DRAFT_ROUND_PREFERENCE, 1);
    int nNextYear = Count_Draft_Pool_Players() > PAGE_DRAFT_POOL_OF_NEXT_YEAR ? 1 : 0;
    gDraftYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber + nNextYear;
}

static void Repaint_Main_Window(void) {
    InvalidateRect(gMainWindow, NULL, FALSE);
    UpdateWindow(gMainWindow);
}

void Show_News_Page(int nPage) {
    gCurrentPage = nPage;
    Set_Page_Help_Menu_Item(nPage);
    if (nPage == CHAMPIONS_PAGE)
        Play_Champion_Sound();
    else if (nPage == DRAFT_PAGE)
        Prepare_Draft_Page();
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
