// Resizable list dialogs: the sizing limits, the layout that follows the dialog's height and fits
// its list, and the size grip in the bottom-right corner.
#include "shell/shell.h"

#include <strings.h>

#define LIST_LAYOUT_CLASS_SIZE 32

// WM_SIZING edges whose drag moves the top or the left edge.
void Clamp_Sizing_Rect(RECT* pRect, const RECT* pMinimum, int nEdge, int nFlags) {
    if (!pRect || !pMinimum)
        return;
    int nMinHeight = pMinimum->bottom - pMinimum->top;
    int nMinWidth = pMinimum->right - pMinimum->left;
    if (!(nFlags & SIZING_GROW_HEIGHT) || pRect->bottom - pRect->top < nMinHeight) {
        if (Is_Sizing_Top_Edge(nEdge))
            pRect->top = pRect->bottom - nMinHeight;
        else
            pRect->bottom = pRect->top + nMinHeight;
    }
    if ((nFlags & SIZING_GROW_WIDTH) && pRect->right - pRect->left >= nMinWidth)
        return;
    if (Is_Sizing_Left_Edge(nEdge))
        pRect->left = pRect->right - nMinWidth;
    else
        pRect->right = pRect->left + nMinWidth;
}

static int Rect_Height(const RECT& rc) {
    return rc.bottom - rc.top;
}

static int Rect_Width(const RECT& rc) {
    return rc.right - rc.left;
}

static int Count_List_Items(HWND hList) {
    char szClass[LIST_LAYOUT_CLASS_SIZE];
    if (GetClassNameA(hList, szClass, sizeof(szClass)) > 0 &&
        strcasecmp(szClass, WC_LISTVIEWA) == 0)
        return ListView_GetItemCount(hList);
    LRESULT nCount = SendMessageA(hList, LB_GETCOUNT, 0, 0);
    return nCount > 0 ? (int)nCount : 0;
}

static void Record_Layout(HWND hDlg, LIST_DIALOG_LAYOUT* pLayout) {
    pLayout->nControls = Clamp(pLayout->nControls, 0, LIST_LAYOUT_CONTROLS);
    for (int n = 0; n < pLayout->nControls; n++)
        Get_Dlg_Item_Client_Rect(hDlg, pLayout->anControlIds[n], &pLayout->arcControls[n]);
    Get_Dlg_Item_Client_Rect(hDlg, pLayout->nListId, &pLayout->rcList);
    GetWindowRect(hDlg, &pLayout->rcInitial);
    RECT rcWork = Get_Dialog_Area();
    MoveWindow(hDlg, rcWork.left, rcWork.top, Rect_Width(pLayout->rcInitial),
               Rect_Height(pLayout->rcInitial), TRUE);
    if (gAppIcon)
        SendMessageA(hDlg, WM_SETICON, ICON_BIG, (LPARAM)gAppIcon);
}

static void Restore_Layout(HWND hDlg, LIST_DIALOG_LAYOUT* pLayout) {
    const RECT& rcInitial = pLayout->rcInitial;
    if (pLayout->bRemembered) {
        const RECT& rc = pLayout->rcRemembered;
        MoveWindow(hDlg, rc.left, rc.top, Rect_Width(rc), Rect_Height(rc), TRUE);
        return;
    }
    // As high as the area dialogs stand in.
    RECT rcArea = Get_Dialog_Area();
    if (!Get_Main_Window() || Rect_Height(rcInitial) >= Rect_Height(rcArea))
        return;
    MoveWindow(hDlg, rcInitial.left, rcArea.top, Rect_Width(rcInitial), Rect_Height(rcArea), TRUE);
}

// The dialog as high as its list's items need, within the dialogs' area.
static void Fit_List(HWND hDlg, const LIST_DIALOG_LAYOUT* pLayout) {
    HWND hList = GetDlgItem(hDlg, pLayout->nListId);
    RECT rcWindow;
    if (!hList || !GetWindowRect(hDlg, &rcWindow))
        return;
    int nLine = Max_Int(1, pLayout->rcLineUnits.bottom);
    int nVisible = Rect_Height(pLayout->rcList) / nLine;
    int nItems = Count_List_Items(hList);
    int nExtra = nItems > nVisible ? (nItems - nVisible) * nLine : 0;
    RECT rcWork = Get_Dialog_Area();
    int nInitialHeight = Rect_Height(pLayout->rcInitial);
    int nHeight = Min_Int(Rect_Height(rcWork), nInitialHeight + nExtra);
    if (rcWindow.top + nHeight > rcWork.bottom)
        nHeight = Max_Int(nInitialHeight, rcWork.bottom - rcWindow.top);
    MoveWindow(hDlg, rcWindow.left, rcWindow.top, Rect_Width(rcWindow), nHeight, TRUE);
}

// The recorded controls move down by the growth of the dialog's height; the list grows by it.
static void Follow_Height(HWND hDlg, const LIST_DIALOG_LAYOUT* pLayout) {
    RECT rcWindow;
    if (!GetWindowRect(hDlg, &rcWindow))
        return;
    int dy = Rect_Height(rcWindow) - Rect_Height(pLayout->rcInitial);
    for (int n = 0; n < pLayout->nControls && n < LIST_LAYOUT_CONTROLS; n++) {
        const RECT& rc = pLayout->arcControls[n];
        MoveWindow(GetDlgItem(hDlg, pLayout->anControlIds[n]), rc.left, rc.top + dy, Rect_Width(rc),
                   Rect_Height(rc), TRUE);
    }
    const RECT& rcList = pLayout->rcList;
    MoveWindow(GetDlgItem(hDlg, pLayout->nListId), rcList.left, rcList.top, Rect_Width(rcList),
               Rect_Height(rcList) + dy, TRUE);
}

static void Repaint_Dialog(HWND hDlg) {
    InvalidateRect(hDlg, NULL, TRUE);
    UpdateWindow(hDlg);
}

void Layout_List_Dialog(HWND hDlg, LIST_DIALOG_LAYOUT* pLayout, int nMode) {
    if (!hDlg || !pLayout)
        return;
    switch (nMode) {
    case LIST_LAYOUT_RESET:
        memset(pLayout, 0, sizeof(*pLayout));
        pLayout->rcLineUnits = {0, 0, 4, 8};
        MapDialogRect(hDlg, &pLayout->rcLineUnits);
        break;
    case LIST_LAYOUT_RECORD: Record_Layout(hDlg, pLayout); break;
    case LIST_LAYOUT_REMEMBER:
        GetWindowRect(hDlg, &pLayout->rcRemembered);
        pLayout->bRemembered = 1;
        break;
    case LIST_LAYOUT_RESTORE:
        Restore_Layout(hDlg, pLayout);
        Follow_Height(hDlg, pLayout);
        break;
    case LIST_LAYOUT_FIT_LIST:
        Fit_List(hDlg, pLayout);
        Follow_Height(hDlg, pLayout);
        Repaint_Dialog(hDlg);
        break;
    case LIST_LAYOUT_FOLLOW: Follow_Height(hDlg, pLayout); break;
    case LIST_LAYOUT_FOLLOW_REPAINT:
        Follow_Height(hDlg, pLayout);
        Repaint_Dialog(hDlg);
        break;
    default: break;
    }
}

void Get_Size_Grip_Rect(HWND hWnd, RECT* pRect) {
    RECT rcClient = {0, 0, 0, 0};
    GetClientRect(hWnd, &rcClient);
    pRect->right = rcClient.right;
    pRect->bottom = rcClient.bottom;
    pRect->left = rcClient.right - GetSystemMetrics(SM_CXHSCROLL);
    pRect->top = rcClient.bottom - GetSystemMetrics(SM_CYVSCROLL);
}

int Hit_Test_Size_Grip(HWND hWnd, LPARAM lParam) {
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    RECT rcGrip;
    if (!ScreenToClient(hWnd, &pt))
        return 0;
    Get_Size_Grip_Rect(hWnd, &rcGrip);
    if (pt.x < rcGrip.left || pt.x >= rcGrip.right || pt.y < rcGrip.top || pt.y >= rcGrip.bottom)
        return 0;
    SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, HTBOTTOMRIGHT);
    return 1;
}

// Only the grip's lower-right half shows: the upper-left triangle is cut out of the clip.
void Draw_Size_Grip(HWND hWnd, HDC hdc) {
    WINDOWPLACEMENT placement;
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(hWnd, &placement) || placement.showCmd != SW_SHOWNORMAL)
        return;
    RECT rcClient, rcGrip;
    GetClientRect(hWnd, &rcClient);
    Get_Size_Grip_Rect(hWnd, &rcGrip);
    POINT aTriangle[3] = {{rcGrip.left, rcGrip.top},
                          {rcGrip.right - 1, rcGrip.top},
                          {rcGrip.left, rcGrip.bottom - 1}};
    HRGN hClip = CreateRectRgnIndirect(&rcClient);
    HRGN hTriangle = CreatePolygonRgn(aTriangle, 3, ALTERNATE);
    if (hClip && hTriangle && CombineRgn(hClip, hClip, hTriangle, RGN_XOR) != ERROR) {
        SelectClipRgn(hdc, hClip);
        DrawFrameControl(hdc, &rcGrip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
        SelectClipRgn(hdc, NULL);
    }
    if (hClip)
        DeleteObject(hClip);
    if (hTriangle)
        DeleteObject(hTriangle);
}
