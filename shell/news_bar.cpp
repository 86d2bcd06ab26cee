// The news bar above the button bar: a status-bar control painted by the program, black with
// the scrolling ticker line in yellow, or the latest three scores while weeks are simulated.
#include "database/database.h"
#include "pages/pages.h"
#include "season/season.h"
#include "shell/shell.h"

#define NEWS_BAR_DROP 6
#define NEWS_BAR_TEXT_COLOUR RGB(255, 255, 0)
#define SCORE_CELL_COUNT 9

int gNewsBarHeight = 0;

static WNDPROC gNewsBarBaseProc = NULL;

void Get_Score_Cell_Rect(int nCell, int nWidth, int nHeight, RECT* pRect) {
    int nNinth = nWidth / SCORE_CELL_COUNT;
    int nOffset = nWidth / (2 * SCORE_CELL_COUNT);
    pRect->left = nCell * nNinth + nOffset;
    pRect->right = (nCell + 1) * nNinth + nOffset;
    pRect->top = 0;
    pRect->bottom = nHeight;
}

// Each game's visitor is aligned right, the home team centred and the overtime mark left.
UINT Get_Score_Cell_Format(int nCell) {
    static const UINT kAlign[3] = {DT_RIGHT, DT_CENTER, DT_LEFT};
    return kAlign[nCell % 3] | DT_SINGLELINE | DT_VCENTER;
}

int Is_Score_Cells_Time(void) {
    return gLiveGame != NULL || Is_Simulation_Running();
}

static void Draw_Score_Cells(HDC hdc, const RECT* pRect) {
    for (int i = 0; i < SCORE_CELL_COUNT; i++) {
        char szCell[TEXT_BUFFER_SIZE];
        Get_Score_Ticker_Line(i, szCell, sizeof szCell);
        RECT rcCell;
        Get_Score_Cell_Rect(i, pRect->right, pRect->bottom, &rcCell);
        SetTextColor(hdc, (COLORREF)Get_Score_Ticker_Colour(i));
        DrawTextA(hdc, szCell, -1, &rcCell, Get_Score_Cell_Format(i));
    }
}

// The skin's frame over the text, when the skin has one. The ticker repaints the bar at every
// step, so the picture keeps its rows (option L) and is decoded once, not at each paint.
static void Draw_News_Bar_Frame(HDC hdc) {
    char szName[TEXT_BUFFER_SIZE];
    Copy_Skin_File_Name(szName, sizeof szName, "news\\newsbar.png");
    if (!File_Exists(szName))
        return;
    safe_strncat(szName, ":L", sizeof szName);
    Draw_Named_Image(hdc, szName, 0, 0, -1, -1);
}

static void Paint_News_Bar_Picture(HWND hBar, HDC hdc, const RECT* pRect) {
    (void)hBar;
    HBRUSH hBlack = CreateSolidBrush(RGB(0, 0, 0));
    FillRect(hdc, pRect, hBlack);
    if (!DeleteObject(hBlack))
        Report_Error("DeleteObject failed in Paint_News_Bar_Picture()");
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, NEWS_BAR_TEXT_COLOUR);
    if (!Draw_Ticker_Text(hdc) && Is_Score_Cells_Time())
        Draw_Score_Cells(hdc, pRect);
    Draw_News_Bar_Frame(hdc);
}

LRESULT News_Bar_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_MOVE: Keep_Bar_At(hWnd, Get_Main_Client_Bottom() - NEWS_BAR_HEIGHT); return 0;
    case WM_PAINT: Paint_Bar_Through_Bitmap(hWnd, Paint_News_Bar_Picture); return 0;
    default: break;
    }
    return Call_Bar_Base_Proc(gNewsBarBaseProc, hWnd, uMsg, wParam, lParam);
}

void Create_News_Bar(HWND hMainWindow) {
    if (gNewsBar)
        return;
    gNewsBar = Create_Status_Bar(hMainWindow);
    if (!gNewsBar)
        return;
    gNewsBarHeight = NEWS_BAR_HEIGHT;
    SendMessageA(gNewsBar, SB_SETMINHEIGHT, NEWS_BAR_HEIGHT, 0);
    SendMessageA(gNewsBar, WM_SIZE, 0, 0);
    gNewsBarBaseProc = Replace_Bar_Proc(gNewsBar, News_Bar_Proc);

    Build_News_Ticker_Text();
    Take_News_Ticker_DC(gNewsBar);
    Start_News_Ticker(gNewsBar);

    RECT rc;
    GetWindowRect(gNewsBar, &rc);
    MapWindowPoints(NULL, hMainWindow, (POINT*)&rc, 2);
    SetWindowPos(gNewsBar, NULL, rc.left, rc.top + NEWS_BAR_DROP, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The button bar makes room above the news bar.
    Move_Button_Bar();
    Record_News_Page_Area();
}

void Destroy_News_Bar(void) {
    gNewsBarHeight = 0;
    Stop_News_Ticker();
    Repaint_Bars();
    if (gNewsBar)
        DestroyWindow(gNewsBar);
    gNewsBar = NULL;
    // The button bar moves down into the news bar's place.
    Move_Button_Bar();
}
