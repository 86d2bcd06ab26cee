// The modeless progress window of long operations: a caption, a text (the percentage or the
// caller's) and a progress bar. At most one is open; nested operations share the outer one.
#include "resources/resource.h"
#include "shell/shell.h"

#define PROGRESS_TEXT_FONT 16
#define PROGRESS_BAR_LEFT 30
#define PROGRESS_BAR_TOP 60
#define PROGRESS_BAR_RIGHT 345
#define PROGRESS_BAR_BOTTOM 90
#define PROGRESS_TEXT_AREA_BOTTOM 59

int gProgressDone = 0;
int gProgressTotal = 0;
char gProgressText[PROGRESS_TEXT_SIZE] = "";

static HWND gProgressWindow = NULL;
static HWND gProgressBar = NULL;
static RECT gProgressTextArea;

HWND Get_Progress_Window(void) {
    return gProgressWindow;
}

void Format_Progress_Text(char* szOut, int nSize) {
    int nPercent = 0;
    if (gProgressTotal > 0)
        nPercent = (gProgressDone * 100 + gProgressTotal / 2) / gProgressTotal;
    Format_String(szOut, nSize, "%d%%", nPercent);
}

static void Init_Progress_Dialog(HWND hDlg) {
    Load_App_Fonts();
    HFONT hFont = Take_App_Font(PROGRESS_TEXT_FONT);
    SendDlgItemMessageA(hDlg, IDC_PROGRESS_TEXT, WM_SETFONT, (WPARAM)hFont, TRUE);
    Release_App_Font(hFont);

    gProgressBar = CreateWindowExA(
        0, "msctls_progress32", "Position", WS_CHILD | WS_VISIBLE, PROGRESS_BAR_LEFT,
        PROGRESS_BAR_TOP, PROGRESS_BAR_RIGHT - PROGRESS_BAR_LEFT,
        PROGRESS_BAR_BOTTOM - PROGRESS_BAR_TOP, hDlg, NULL, Get_App_Instance(), NULL);
    SendMessageA(gProgressBar, PBM_SETRANGE, 0, MAKELPARAM(0, gProgressTotal & 0xFFFF));
    SendMessageA(gProgressBar, PBM_SETSTEP, 1, 0);

    GetClientRect(hDlg, &gProgressTextArea);
    gProgressTextArea.bottom = PROGRESS_TEXT_AREA_BOTTOM;
    SetActiveWindow(hDlg);
    UpdateWindow(hDlg);
}

INT_PTR Progress_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Progress_Dialog(hDlg); return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hDlg, &ps);
        SetDlgItemTextA(hDlg, IDC_PROGRESS_TEXT, gProgressText);
        EndPaint(hDlg, &ps);
        return TRUE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}

int Open_Shell_Progress_Window(const char* szCaption, int nSteps) {
    if (gProgressWindow)
        return 0;
    gProgressDone = 0;
    gProgressTotal = nSteps;
    Format_Progress_Text(gProgressText, sizeof gProgressText);
    gProgressWindow = CreateDialogParamA(Get_App_Instance(), MAKEINTRESOURCEA(IDD_PROGRESS),
                                         gMainWindow, Progress_Dialog_Proc, 0);
    if (!gProgressWindow)
        return 0;
    SetWindowTextA(gProgressWindow, szCaption ? szCaption : "");
    Centre_Progress_Window();
    ShowWindow(gProgressWindow, SW_SHOW);
    EnableWindow(gProgressWindow, TRUE);
    Pump_Messages();
    return 1;
}

// One step: the count held at the total, the text, the bar and the text area repainted.
static void Step_Progress_Once(const char* szText) {
    gProgressDone = Min_Int(gProgressDone + 1, gProgressTotal);
    if (szText)
        safe_strncpy(gProgressText, szText, sizeof gProgressText);
    else
        Format_Progress_Text(gProgressText, sizeof gProgressText);
    SendMessageA(gProgressBar, PBM_STEPIT, 0, 0);
    InvalidateRect(gProgressWindow, &gProgressTextArea, FALSE);
    UpdateWindow(gProgressWindow);
}

void Step_Shell_Progress_Window(int nSteps) {
    if (!gProgressWindow)
        return;
    for (int i = 0; i < nSteps; i++)
        Step_Progress_Once(NULL);
}

void Step_Progress_Window_Text(const char* szText) {
    if (gProgressWindow)
        Step_Progress_Once(szText);
}

void Close_Shell_Progress_Window(void) {
    HWND hWindow = gProgressWindow;
    gProgressWindow = NULL;
    gProgressBar = NULL;
    if (hWindow) {
        DestroyWindow(hWindow);
        Pump_Messages();
    }
}

// Sends one step to a progress bar.
void Step_Progress_Bar(HWND hBar) {
    SendMessageA(hBar, PBM_STEPIT, 0, 0);
}

// A point in dialog units of the default GUI font, in pixels.
POINT Dialog_Units_To_Pixels(int x, int y) {
    LONG nUnits = GetDialogBaseUnits();
    POINT pt = {x * LOWORD(nUnits) / 4, y * HIWORD(nUnits) / 8};
    return pt;
}
