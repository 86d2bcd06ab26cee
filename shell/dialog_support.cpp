// What every skinned dialog shares: the skin's dialog brush and colour messages, the bold dialog
// font, centring, the caption's season, the release question and repaint calls.
#include "database/database.h"
#include "personnel/personnel.h"
#include "shell/shell.h"

#include <strings.h>

#define DIALOG_FONT_FACE "Ariel"
#define DIALOG_FONT_WEIGHT 700
#define DIALOG_FONT_CACHE_SIZE 8
#define DIALOG_CLASS_NAME_SIZE 32
#define DIALOG_RELEASE_BOX_TYPE 0x42044  // Yes/No, information icon, task-modal, topmost
#define DIALOG_ITEM_HEIGHT_EXTRA 2

HBRUSH gDialogBrush = NULL;

// The dialog fonts by height: controls keep using a font after their dialog ends, so each size
// is made once and kept until shut-down.
struct DIALOG_FONT_ENTRY {
    LONG nHeight;
    HFONT hFont;
};
static DIALOG_FONT_ENTRY gDialogFonts[DIALOG_FONT_CACHE_SIZE];
static int gDialogFontCount = 0;

static int Is_Edit_Or_Combo(HWND hControl) {
    char szClass[DIALOG_CLASS_NAME_SIZE];
    if (!hControl || GetClassNameA(hControl, szClass, sizeof(szClass)) <= 0)
        return 0;
    return strcasecmp(szClass, "ComboBox") == 0 || strcasecmp(szClass, "Edit") == 0;
}

HBRUSH On_Dialog_Ctl_Color(UINT uMsg, HWND hDlg, HWND hControl, HDC hdc) {
    (void)hDlg;
    if (!gDialogBrush)
        return NULL;
    switch (uMsg) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR: return gDialogBrush;
    case WM_CTLCOLORSTATIC:
        if (Is_Edit_Or_Combo(hControl))
            return NULL;
        SetBkMode(hdc, TRANSPARENT);
        SetBkColor(hdc, Get_Skin_Dialog_Colour());
        return gDialogBrush;
    default: return NULL;
    }
}

INT_PTR Dispatch_Dialog_Message(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                void (*pOpen)(HWND hDlg),
                                INT_PTR (*pCommand)(HWND hDlg, int nId, int nCode)) {
    switch (uMsg) {
    case WM_INITDIALOG:
        Set_Dialog_Font(hDlg);
        Center_Window(hDlg, GetParent(hDlg));
        if (pOpen)
            pOpen(hDlg);
        return TRUE;
    case WM_COMMAND: return pCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}

int Create_Dialog_Brushes(void) {
    if (!gDialogBrush)
        gDialogBrush = CreateSolidBrush(Get_Skin_Dialog_Colour());
    return gDialogBrush != NULL;
}

void Create_Skin_Brush(void) {
    Delete_Dialog_Brushes();
    gDialogBrush = CreateSolidBrush(Get_Skin_Dialog_Colour());
}

void Delete_Dialog_Brushes(void) {
    if (gDialogBrush && !DeleteObject(gDialogBrush))
        Report_Error("Delete_Dialog_Brushes: the dialog brush could not be deleted");
    gDialogBrush = NULL;
}

// The metrics of a window's font (the dialog's own when it has one), measured in a DC of hDC's
// window; 0 when they cannot be read.
static int Get_Window_Font_Metrics(HWND hWnd, HWND hDCWindow, TEXTMETRICA* pMetrics) {
    HDC hdc = GetDC(hDCWindow);
    if (!hdc)
        return 0;
    HFONT hFont = (HFONT)SendMessageA(hWnd, WM_GETFONT, 0, 0);
    HGDIOBJ hOld = hFont ? SelectObject(hdc, hFont) : NULL;
    BOOL bRead = GetTextMetricsA(hdc, pMetrics);
    if (hOld)
        SelectObject(hdc, hOld);
    ReleaseDC(hDCWindow, hdc);
    return bRead ? 1 : 0;
}

static HFONT Get_Bold_Dialog_Font(LONG nHeight) {
    LOGFONTA font;
    for (int n = 0; n < gDialogFontCount; n++) {
        if (gDialogFonts[n].nHeight != nHeight)
            continue;
        // A handle freed with the platform's objects may since name another font.
        if (GetObjectA(gDialogFonts[n].hFont, sizeof(font), &font) == sizeof(font) &&
            font.lfHeight == nHeight && font.lfWeight == DIALOG_FONT_WEIGHT &&
            strcmp(font.lfFaceName, DIALOG_FONT_FACE) == 0)
            return gDialogFonts[n].hFont;
        gDialogFonts[n] = gDialogFonts[--gDialogFontCount];  // no longer our font: made anew
        break;
    }
    memset(&font, 0, sizeof(font));
    font.lfHeight = nHeight;
    font.lfWeight = DIALOG_FONT_WEIGHT;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    safe_strncpy(font.lfFaceName, DIALOG_FONT_FACE, sizeof(font.lfFaceName));
    HFONT hFont = CreateFontIndirectA(&font);
    if (hFont && gDialogFontCount < DIALOG_FONT_CACHE_SIZE)
        gDialogFonts[gDialogFontCount++] = {nHeight, hFont};
    return hFont;
}

void Free_Dialog_Fonts(void) {
    for (int n = 0; n < gDialogFontCount; n++)
        DeleteObject(gDialogFonts[n].hFont);
    gDialogFontCount = 0;
}

static BOOL Set_Child_Font(HWND hChild, LPARAM lParam) {
    SendMessageA(hChild, WM_SETFONT, (WPARAM)lParam, TRUE);
    return TRUE;
}

void Set_Dialog_Font(HWND hDlg) {
    TEXTMETRICA metrics;
    if (!hDlg || !Get_Window_Font_Metrics(hDlg, NULL, &metrics))
        return;
    HFONT hFont = Get_Bold_Dialog_Font(-metrics.tmAscent);
    if (hFont)
        EnumChildWindows(hDlg, Set_Child_Font, (LPARAM)hFont);
}

// One axis: centred over the other window, then kept inside the dialogs' area.
static int Center_Span(int nOverStart, int nOverSize, int nSize, int nAreaStart, int nAreaEnd) {
    int nStart = nOverStart + (nOverSize - nSize) / 2;
    if (nStart < nAreaStart)
        return nAreaStart;
    if (nStart + nSize > nAreaEnd)
        return nAreaEnd - nSize;
    return nStart;
}

RECT Get_Dialog_Area(void) {
    RECT rc;
    if (gMainWindow && IsWindowVisible(gMainWindow) && GetClientRect(gMainWindow, &rc) &&
        rc.right > 0 && rc.bottom > 0) {
        MapWindowPoints(gMainWindow, NULL, (POINT*)&rc, 2);
        return rc;
    }
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0))
        rc = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return rc;
}

void Center_Window(HWND hWnd, HWND hOver) {
    RECT rcWindow, rcOver;
    if (!hWnd || !GetWindowRect(hWnd, &rcWindow) || !GetWindowRect(hOver, &rcOver))
        return;
    RECT rcWork = Get_Dialog_Area();
    int nWidth = rcWindow.right - rcWindow.left;
    int nHeight = rcWindow.bottom - rcWindow.top;
    int x = Center_Span(rcOver.left, rcOver.right - rcOver.left, nWidth, rcWork.left, rcWork.right);
    int y = Center_Span(rcOver.top, rcOver.bottom - rcOver.top, nHeight, rcWork.top, rcWork.bottom);
    SetWindowPos(hWnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void Add_Season_To_Caption(HWND hWnd) {
    int nTeam = Get_Dialog_Team();
    char szCaption[TEXT_BUFFER_SIZE];
    char szLabel[TEAM_LABEL_SIZE];
    char szText[TEXT_BUFFER_SIZE];
    GetWindowTextA(hWnd, szCaption, sizeof(szCaption));
    Get_Team_Label(nTeam, szLabel, sizeof(szLabel));
    Format_String(szText, sizeof(szText), "%s (%d %s)", szCaption, Get_Season_Year(), szLabel);
    SetWindowTextA(hWnd, szText);
}

void Set_List_Item_Height(HWND hDlg, MEASUREITEMSTRUCT* pMeasure) {
    TEXTMETRICA metrics;
    if (pMeasure && Get_Window_Font_Metrics(hDlg, hDlg, &metrics))
        pMeasure->itemHeight =
            (UINT)(metrics.tmHeight + metrics.tmExternalLeading + DIALOG_ITEM_HEIGHT_EXTRA);
}

int Confirm_Release_Player(int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    char szName[TEXT_BUFFER_SIZE];
    char szQuestion[TEXT_BUFFER_SIZE];
    Get_Player_Full_Name(nTeam, nSlot, szName, sizeof(szName));
    Format_String(szQuestion, sizeof(szQuestion), "Are you sure you want to release %s?", szName);
    if (Do_Message_Box(szQuestion, "Release Player?", DIALOG_RELEASE_BOX_TYPE) != IDYES)
        return 0;
    Release_Player_To_Free_Agents(nTeam, nSlot);
    return 1;
}

void Redraw_Window(HWND hWnd) {
    InvalidateRect(hWnd, NULL, TRUE);
    UpdateWindow(hWnd);
}

void Redraw_Child_Area(HWND hParent, HWND hChild) {
    RECT rc;
    Get_Dlg_Item_Client_Rect(hParent, GetDlgCtrlID(hChild), &rc);
    InvalidateRect(hParent, &rc, TRUE);
    UpdateWindow(hParent);
}

void Get_Dlg_Item_Client_Rect(HWND hDlg, int nId, RECT* pRect) {
    memset(pRect, 0, sizeof(*pRect));
    HWND hItem = GetDlgItem(hDlg, nId);
    if (!hItem || !GetWindowRect(hItem, pRect))
        return;
    MapWindowPoints(NULL, hDlg, (POINT*)pRect, 2);
}

void Get_Dialog_Unit_Position(int nHeight, int nWidth, int y, int x, POINT* pOut) {
    LONG nUnits = GetDialogBaseUnits();
    int nBaseWidth = LOWORD(nUnits);
    int nBaseHeight = HIWORD(nUnits);
    pOut->y = y * nBaseHeight / 8 - nHeight / 2;
    pOut->x = x * nBaseWidth / 4 - nWidth / 2;
}
