// The mouse on the main window's pages: each point mapped back to the 768 x 507 design space,
// the shell's own hot spots (the page-tab strip along the bottom, the team logo above the bars)
// and the shown page's hover test and click, with the hover cursor and the button sound.
#include "database/database.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define PAGE_TAB_TOP 466
#define PAGE_TAB_BOTTOM 493
#define PAGE_TAB_STRIP_LEFT 27
#define PAGE_TAB_STRIP_RIGHT 553
#define PAGE_HOVER_HAND 1
#define PAGE_HOVER_LAST_CURSOR 4  // larger codes keep the cursor shown

typedef struct PAGE_TAB {
    int nPage;
    int nLeft;
    int nRight;
} PAGE_TAB;

// Left to right along the strip; a point on a shared edge belongs to the tab it starts.
static const PAGE_TAB kPageTabs[] = {{CALENDAR_PAGE, 27, 105},  {STANDINGS_PAGE, 105, 194},
                                     {FINANCES_PAGE, 194, 276}, {LEADERS_PAGE, 276, 350},
                                     {GAMES_PAGE, 350, 418},    {PLAYOFFS_PAGE, 418, 496},
                                     {DRAFT_PAGE, 496, 553}};

static int gPageHoverCode = 0;

int Is_Point_In(const RECT* pRect, int x, int y) {
    return x >= pRect->left && x < pRect->right && y >= pRect->top && y < pRect->bottom;
}

int Is_Page_Game_Watched(void) {
    return gAdvanceInProgress && gLiveGame != NULL && Is_Game_Watched(gLiveGame);
}

int Get_Page_Hover_Code(void) {
    return gPageHoverCode;
}

void Map_Page_Point_To_Design(HWND hWnd, int* px, int* py) {
    RECT client = {0, 0, 0, 0};
    if (hWnd)
        GetClientRect(hWnd, &client);
    int nWidth = client.right - client.left;
    int nHeight = client.bottom - client.top;
    if (Is_News_Page_Shown())
        nHeight -= gShowNewsTicker ? PAGE_AREA_BARS_HEIGHT_NEWS : PAGE_AREA_BARS_HEIGHT;
    if (nWidth > DESIGN_WIDTH)
        *px = Mul_Div(*px, DESIGN_WIDTH * MIN_CLIENT_WIDTH, nWidth * MIN_CLIENT_WIDTH);
    if (nHeight > DESIGN_HEIGHT)
        *py = Mul_Div(*py, DESIGN_HEIGHT * MIN_CLIENT_HEIGHT, nHeight * MIN_CLIENT_HEIGHT);
}

int Is_Page_Tab_Strip_Point(int x, int y) {
    if (Is_Page_Game_Watched())
        return 0;
    RECT strip = {PAGE_TAB_STRIP_LEFT, PAGE_TAB_TOP, PAGE_TAB_STRIP_RIGHT, PAGE_TAB_BOTTOM};
    return Is_Point_In(&strip, x, y);
}

int Click_Page_Tab(int x, int y) {
    if (Is_Page_Game_Watched())
        return 0;
    for (const PAGE_TAB& tab : kPageTabs) {
        RECT rect = {tab.nLeft, PAGE_TAB_TOP, tab.nRight, PAGE_TAB_BOTTOM};
        if (Is_Point_In(&rect, x, y)) {
            Show_News_Page(tab.nPage);
            return 1;
        }
    }
    return 0;
}

int Is_Team_Logo_Point(int x, int y) {
    if (Get_Bars_Height() == 0 || Is_Page_Game_Watched())
        return 0;
    RECT rect;
    Get_Team_Logo_Rect(&rect);
    Scale_Client_Rect_To_Design(&rect);
    return Is_Point_In(&rect, x, y);
}

// The shown page's own hover code: 0 none, 1..4 a cursor kind.
static int Get_Shown_Page_Hover(int x, int y) {
    const MAIN_PAGE* pPage = Find_Main_Page(gCurrentPage);
    if (pPage == NULL || pPage->pHover == NULL)
        return 0;
    int nCode = pPage->pHover(x, y);
    // The play picker answers with its own codes; any of them is the hand here.
    if (pPage->nId == GAMES_PAGE && nCode != 0)
        return PAGE_HOVER_HAND;
    return nCode;
}

static void Hover_Page(int x, int y) {
    int nCode = Is_Team_Logo_Point(x, y) ? PAGE_HOVER_HAND : Get_Shown_Page_Hover(x, y);
    if (Is_Page_Tab_Strip_Point(x, y))
        nCode = PAGE_HOVER_HAND;
    if (nCode <= PAGE_HOVER_LAST_CURSOR)
        Set_App_Cursor(nCode);
    gPageHoverCode = nCode;
}

static void Click_Page(HWND hWnd, int x, int y) {
    if (Is_Team_Logo_Point(x, y)) {
        gDialogTeam = Get_User_Team();
        Open_Dialog(hWnd, IDD_SORTABLE_STATS);
        return;
    }
    if (gCurrentPage == CALENDAR_PAGE)
        Click_Calendar_Columns(hWnd, x, y);
    const MAIN_PAGE* pPage = Find_Main_Page(gCurrentPage);
    if (pPage != NULL && pPage->pClick != NULL)
        pPage->pClick(x, y);
    if (Click_Page_Tab(x, y))
        Play_Sound("button.wav");
}

void On_Page_Mouse(HWND hWnd, UINT uMsg, int x, int y) {
    if (uMsg != WM_MOUSEMOVE && uMsg != WM_LBUTTONDOWN)
        return;
    Map_Page_Point_To_Design(hWnd, &x, &y);
    if (uMsg == WM_MOUSEMOVE)
        Hover_Page(x, y);
    else
        Click_Page(hWnd, x, y);
}
