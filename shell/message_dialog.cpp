// The skinned message dialog behind User_Message_Dialog: a text sized to fit, painted by the
// dialog, and up to three buttons with the caller's labels, laid out at run time.

#include "resources/resource.h"
#include "shell/shell.h"

#include <string.h>

#include <string>

#define MESSAGE_BOX_FONT 17
// The widest text block, in design units, before it wraps.
#define MESSAGE_TEXT_DESIGN_WIDTH 682
#define MESSAGE_TEXT_DESIGN_HEIGHT 507

static const int kMessageButtonIds[MESSAGE_BUTTON_COUNT] = {
    IDC_MESSAGE_BUTTON1, IDC_MESSAGE_BUTTON2, IDC_MESSAGE_BUTTON3};

// A rectangle of a child window in its dialog's client coordinates.
static RECT Get_Message_Child_Rect(HWND hDlg, HWND hChild) {
    RECT rc;
    GetWindowRect(hChild, &rc);
    MapWindowPoints(NULL, hDlg, (POINT*)&rc, 2);
    return rc;
}

static int Measure_Message_Label(HWND hButton, HFONT hFont, const char* szLabel) {
    HDC hdc = GetDC(hButton);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(hdc, szLabel, (int)strlen(szLabel), &size);
    SelectObject(hdc, hOld);
    ReleaseDC(hButton, hdc);
    return size.cx;
}

// The text's size when wrapped inside the design-space block scaled to the window, and no wider
// or taller than the limits given (0: none).
static SIZE Measure_Message_Text(HWND hDlg, HFONT hFont, const char* szText, SIZE sizeLimit) {
    RECT rc = {0, 0, MESSAGE_TEXT_DESIGN_WIDTH, MESSAGE_TEXT_DESIGN_HEIGHT};
    Scale_Design_Rect(&rc);
    if (sizeLimit.cx > 0)
        rc.right = Min_Int(rc.right, sizeLimit.cx - 1);
    HDC hdc = GetDC(hDlg);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    DrawTextA(hdc, szText, -1, &rc, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(hdc, hOld);
    ReleaseDC(hDlg, hdc);
    SIZE size = {rc.right - rc.left, rc.bottom - rc.top};
    if (sizeLimit.cy > 0)
        size.cy = Min_Int(size.cy, sizeLimit.cy - 1);
    return size;
}

static int Measure_Message_Gap(HWND hDlg) {
    HDC hdc = GetDC(hDlg);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(hdc, " ", 1, &size);
    ReleaseDC(hDlg, hdc);
    return 2 * size.cx;
}

// Labels the wanted buttons and destroys the others; returns the shown buttons' windows and
// labels.
static int Choose_Message_Buttons(HWND hDlg, const USER_MESSAGE* pMessage, HFONT hFont,
                                  HWND ahShown[MESSAGE_BUTTON_COUNT],
                                  const char* aszLabels[MESSAGE_BUTTON_COUNT]) {
    int nShown = 0;
    for (int i = 0; i < MESSAGE_BUTTON_COUNT; i++) {
        HWND hButton = GetDlgItem(hDlg, kMessageButtonIds[i]);
        const char* szLabel = pMessage->szButton[i];
        if (szLabel && szLabel[0]) {
            SetWindowTextA(hButton, szLabel);
            SendMessageA(hButton, WM_SETFONT, (WPARAM)hFont, TRUE);
            aszLabels[nShown] = szLabel;
            ahShown[nShown++] = hButton;
        } else if (hButton) {
            DestroyWindow(hButton);
        }
    }
    return nShown;
}

// Over the main window when there is one, so that the box stands inside the area it was sized
// for; on the work area before the main window exists.
static void Centre_Message_Dialog(HWND hDlg) {
    if (gMainWindow && IsWindowVisible(gMainWindow)) {
        Center_Window(hDlg, gMainWindow);
        return;
    }
    RECT rcWork, rcDialog;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    GetWindowRect(hDlg, &rcDialog);
    int nWidth = rcDialog.right - rcDialog.left;
    int nHeight = rcDialog.bottom - rcDialog.top;
    int x = rcWork.left + (rcWork.right - rcWork.left - nWidth) / 2;
    int y = rcWork.top + (rcWork.bottom - rcWork.top - nHeight) / 2;
    SetWindowPos(hDlg, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

static void Apply_Message_Layout(HWND hDlg, HWND hText, HWND ahShown[], const MESSAGE_LAYOUT* p) {
    SetWindowPos(hDlg, NULL, 0, 0, p->nDialogWidth, p->nDialogHeight, SWP_NOMOVE | SWP_NOZORDER);
    MoveWindow(hText, p->rcText.left, p->rcText.top, p->rcText.right - p->rcText.left,
               p->rcText.bottom - p->rcText.top, FALSE);
    for (int i = 0; i < p->nButtons; i++) {
        const RECT* pButton = &p->arcButtons[i];
        MoveWindow(ahShown[i], pButton->left, pButton->top, pButton->right - pButton->left,
                   pButton->bottom - pButton->top, TRUE);
    }
}

static BOOL Init_Message_Dialog(HWND hDlg, const USER_MESSAGE* pMessage) {
    Load_App_Fonts();
    HFONT hFont = Take_App_Font(MESSAGE_BOX_FONT);
    HWND ahShown[MESSAGE_BUTTON_COUNT];
    const char* aszLabels[MESSAGE_BUTTON_COUNT];
    MESSAGE_LAYOUT layout = {};
    layout.nButtons = Choose_Message_Buttons(hDlg, pMessage, hFont, ahShown, aszLabels);
    if (layout.nButtons == 0) {
        Release_App_Font(hFont);
        return FALSE;
    }
    layout.nGap = Measure_Message_Gap(hDlg);
    for (int i = 0; i < layout.nButtons; i++) {
        layout.arcButtons[i] = Get_Message_Child_Rect(hDlg, ahShown[i]);
        layout.anLabelWidths[i] = Measure_Message_Label(ahShown[i], hFont, aszLabels[i]);
    }
    HWND hText = GetDlgItem(hDlg, IDC_MESSAGE_TEXT);
    layout.rcText = Get_Message_Child_Rect(hDlg, hText);
    RECT rcDialog, rcClient;
    GetWindowRect(hDlg, &rcDialog);
    GetClientRect(hDlg, &rcClient);
    layout.nDialogWidth = rcDialog.right - rcDialog.left;
    layout.nDialogHeight = rcDialog.bottom - rcDialog.top;
    layout.nFrameWidth = layout.nDialogWidth - rcClient.right;
    // The box never grows past the area it stands in; its text wraps within what is left.
    RECT rcArea = Get_Dialog_Area();
    layout.nMaxDialogWidth = rcArea.right - rcArea.left;
    SIZE sizeLimit = {
        layout.nMaxDialogWidth - (layout.nDialogWidth - (layout.rcText.right - layout.rcText.left)),
        rcArea.bottom - rcArea.top - (layout.nDialogHeight - (layout.rcText.bottom - layout.rcText.top))};
    SIZE sizeText = Measure_Message_Text(hDlg, hFont, pMessage->szText, sizeLimit);
    Release_App_Font(hFont);
    layout.nTextWidth = sizeText.cx;
    layout.nTextHeight = sizeText.cy;
    Layout_Message_Box(&layout);
    Apply_Message_Layout(hDlg, hText, ahShown, &layout);

    SetWindowTextA(hDlg, pMessage->szCaption);
    SetWindowTextA(hText, pMessage->szText);
    ShowWindow(hText, SW_HIDE);
    Centre_Message_Dialog(hDlg);
    return TRUE;
}

// The text control stays hidden; its text is painted in its place, in black.
static void Paint_Message_Dialog(HWND hDlg) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hDlg, &ps);
    HWND hText = GetDlgItem(hDlg, IDC_MESSAGE_TEXT);
    if (hdc && hText) {
        std::string stText((size_t)SendMessageA(hText, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
        GetWindowTextA(hText, stText.data(), (int)stText.size());
        const char* szText = stText.c_str();
        RECT rc = Get_Message_Child_Rect(hDlg, hText);
        HFONT hFont = Take_App_Font(MESSAGE_BOX_FONT);
        HGDIOBJ hOld = SelectObject(hdc, hFont);
        SetBkMode(hdc, TRANSPARENT);
        SetTextColor(hdc, RGB(0, 0, 0));
        DrawTextA(hdc, szText, -1, &rc, Get_Message_Text_Format(szText));
        SelectObject(hdc, hOld);
        Release_App_Font(hFont);
    }
    EndPaint(hDlg, &ps);
}

// Ends with 6, 7 or 2 for the first, second and third button; OK counts as the first, closing
// it as the third.
INT_PTR User_Message_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        return lParam ? Init_Message_Dialog(hDlg, (const USER_MESSAGE*)lParam) : FALSE;
    case WM_PAINT: Paint_Message_Dialog(hDlg); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDC_MESSAGE_BUTTON1: EndDialog(hDlg, IDYES); return TRUE;
        case IDC_MESSAGE_BUTTON2: EndDialog(hDlg, IDNO); return TRUE;
        case IDC_MESSAGE_BUTTON3:
        case IDCANCEL: EndDialog(hDlg, IDCANCEL); return TRUE;
        default: return FALSE;
        }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}

// ---- the shell's questions ----------------------------------------------------------------------

static int Is_Skinned_Box_Available(void) {
    return gMainWindowDC != NULL;
}

// Runs the skinned dialog with the buttons of the type and maps its answer to the type's
// answers: closing a Yes/No box counts as No, closing an OK/Cancel box as Cancel.
static int Ask_Skinned_Box(const char* szText, const char* szCaption, UINT uType) {
    switch (uType & MB_TYPEMASK) {
    case MB_OK: User_Message_Dialog(szCaption, szText, "", "&OK", "", ""); return IDOK;
    case MB_OKCANCEL:
        return User_Message_Dialog(szCaption, szText, "", "&OK", "&Cancel", "") == IDYES ? IDOK
                                                                                         : IDCANCEL;
    case MB_YESNOCANCEL:
        return User_Message_Dialog(szCaption, szText, "", "&Yes", "&No", "&Cancel");
    case MB_YESNO:
        return User_Message_Dialog(szCaption, szText, "", "&Yes", "&No", "") == IDYES ? IDYES
                                                                                      : IDNO;
    default: return IDOK;
    }
}

int Ask_Shell_Message_Box(const char* szText, const char* szCaption, unsigned uType) {
    if (!Is_Skinned_Box_Available() || gMessageBoxOpen == 1)
        return MessageBoxA(NULL, szText, szCaption, uType);

    gMessageBoxOpen = 1;
    int nAnswer = Ask_Skinned_Box(szText, szCaption, uType);
    gMessageBoxOpen = 0;
    return nAnswer;
}

int Run_User_Message_Dialog(const USER_MESSAGE* pMessage) {
    if (!Is_Skinned_Box_Available())
        return MessageBoxA(NULL, pMessage->szText, pMessage->szCaption,
                           Get_User_Message_Box_Type(pMessage));
    return (int)Do_Dialog(NULL, IDD_USER_MESSAGE, (LPARAM)pMessage);
}
