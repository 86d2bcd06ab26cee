// A top-level window holding one report list view, for the sortable list's tests.
#include "common/listview_host.h"

#define LISTVIEW_HOST_MARGIN 8

static LRESULT CALLBACK Listview_Host_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

HWND Create_Listview_Host(const char* szCaption, int nWidth, int nHeight, HWND* phList) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Listview_Host_Proc;
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = "ListviewHost";
    RegisterClassA(&wc);
    HWND hHost = CreateWindowExA(0, "ListviewHost", szCaption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                 0, nWidth, nHeight, nullptr, nullptr, nullptr, nullptr);
    *phList = nullptr;
    if (!hHost)
        return nullptr;
    RECT rc;
    GetClientRect(hHost, &rc);
    *phList = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                              WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
                              LISTVIEW_HOST_MARGIN, LISTVIEW_HOST_MARGIN,
                              rc.right - 2 * LISTVIEW_HOST_MARGIN,
                              rc.bottom - 2 * LISTVIEW_HOST_MARGIN, hHost, nullptr, nullptr,
                              nullptr);
    return hHost;
}
