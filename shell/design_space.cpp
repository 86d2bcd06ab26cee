// The 768 x 507 design space of the pages and its scaling to the main window's client area.
// Scaling is up only: below the design size coordinates pass unchanged, above it each axis
// follows its own ratio.
#include "database/database.h"
#include "pages/pages.h"
#include "shell/shell.h"

// x * width / 768 and y * height / 507, written with the reference size's factors.
#define DESIGN_SPACE_X_DIVISOR (DESIGN_WIDTH * MIN_CLIENT_WIDTH)    // 786,432
#define DESIGN_SPACE_Y_DIVISOR (DESIGN_HEIGHT * MIN_CLIENT_HEIGHT)  // 342,732

void Get_Window_Page_Rect(HWND hWnd, RECT* pRect) {
    *pRect = RECT{0, 0, 0, 0};
    if (hWnd)
        GetClientRect(hWnd, pRect);
    if (Is_News_Page_Shown())
        pRect->bottom -= gShowNewsTicker ? BUTTON_BAR_HEIGHT + NEWS_BAR_HEIGHT : BUTTON_BAR_HEIGHT;
}

void Get_Page_Client_Rect(RECT* pRect) {
    Get_Window_Page_Rect(gMainWindow, pRect);
}

int Scale_Design_X(const RECT* pClient, int x) {
    int nWidth = pClient->right - pClient->left;
    if (nWidth <= DESIGN_WIDTH)
        return x;
    return Mul_Div(x, nWidth * MIN_CLIENT_WIDTH, DESIGN_SPACE_X_DIVISOR);
}

int Scale_Design_Y(const RECT* pClient, int y) {
    int nHeight = pClient->bottom - pClient->top;
    if (nHeight <= DESIGN_HEIGHT)
        return y;
    return Mul_Div(y, nHeight * MIN_CLIENT_HEIGHT, DESIGN_SPACE_Y_DIVISOR);
}

int Unscale_Design_Y(const RECT* pClient, int y) {
    int nHeight = pClient->bottom - pClient->top;
    if (nHeight <= DESIGN_HEIGHT)
        return y;
    return Mul_Div(y, DESIGN_SPACE_Y_DIVISOR, nHeight * MIN_CLIENT_HEIGHT);
}

static void Design_Space_Scale_Rect_In(const RECT* pClient, RECT* pRect) {
    pRect->left = Scale_Design_X(pClient, pRect->left);
    pRect->right = Scale_Design_X(pClient, pRect->right);
    pRect->top = Scale_Design_Y(pClient, pRect->top);
    pRect->bottom = Scale_Design_Y(pClient, pRect->bottom);
}

void Scale_Design_Rect(RECT* pRect) {
    RECT client;
    Get_Page_Client_Rect(&client);
    Design_Space_Scale_Rect_In(&client, pRect);
}

int Scale_Design_X_To_Window(int x) {
    RECT client;
    Get_Page_Client_Rect(&client);
    return Scale_Design_X(&client, x);
}

int Scale_Design_Y_To_Window(int y) {
    RECT client;
    Get_Page_Client_Rect(&client);
    return Scale_Design_Y(&client, y);
}

// Against the whole client area: the bars are not taken off.
void Scale_Design_Point(POINT* pPoint) {
    RECT client = {0, 0, 0, 0};
    if (gMainWindow)
        GetClientRect(gMainWindow, &client);
    pPoint->x = Scale_Design_X(&client, pPoint->x);
    pPoint->y = Scale_Design_Y(&client, pPoint->y);
}

// The inverse, for mouse positions and bar rectangles: the width is the whole client's, the
// height the client's less the bars.
void Scale_Client_Rect_To_Design(RECT* pRect) {
    RECT client;
    Get_Page_Client_Rect(&client);
    int nWidth = client.right - client.left;
    if (nWidth > DESIGN_WIDTH) {
        pRect->left = Mul_Div(pRect->left, DESIGN_SPACE_X_DIVISOR, nWidth * MIN_CLIENT_WIDTH);
        pRect->right = Mul_Div(pRect->right, DESIGN_SPACE_X_DIVISOR, nWidth * MIN_CLIENT_WIDTH);
    }
    pRect->top = Unscale_Design_Y(&client, pRect->top);
    pRect->bottom = Unscale_Design_Y(&client, pRect->bottom);
}

void Invalidate_Design_Rect(HWND hWnd, const RECT* pRect) {
    RECT rect = *pRect;
    Scale_Design_Rect(&rect);
    InvalidateRect(hWnd, &rect, FALSE);
}
