// Dialog controls and the dialog manager under their usual names and numeric values: messages,
// notifications, styles and structures. Included by windows.h; the game never includes it
// directly. One section per group of controls.
#pragma once

// ---- buttons, statics, edits, scroll bars, up-downs, progress and status bars ------------------

// ---- list boxes and combo boxes ------------------------------------------------------------------

// ---- list views and headers ----------------------------------------------------------------------

// ---- dialogs: templates, units, keyboard navigation, colours ---------------------------------------

// Window styles of dialog controls and dialog templates.
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define DS_3DLOOK 0x0004L
#define DS_SETFONT 0x0040L
#define DS_MODALFRAME 0x0080L
#define DS_CONTROL 0x0400L
#define DS_CENTER 0x0800L
#define DS_SHELLFONT (DS_SETFONT | 0x0008L)

// The extra bytes a window class needs for a dialog window of its own (CLASS in a template):
// DWLP_MSGRESULT, DWLP_DLGPROC and DWLP_USER.
#define DLGWINDOWEXTRA 24

#define WM_NEXTDLGCTL 0x0028
#define WM_GETDLGCODE 0x0087
#ifndef WM_NOTIFY
#define WM_NOTIFY 0x004E
#endif
#ifndef WM_CTLCOLORMSGBOX
#define WM_CTLCOLORMSGBOX 0x0132
#define WM_CTLCOLOREDIT 0x0133
#define WM_CTLCOLORLISTBOX 0x0134
#define WM_CTLCOLORBTN 0x0135
#define WM_CTLCOLORDLG 0x0136
#define WM_CTLCOLORSCROLLBAR 0x0137
#define WM_CTLCOLORSTATIC 0x0138
#endif
#define WM_GETMINMAXINFO 0x0024
#ifndef SC_CLOSE
#define SC_CLOSE 0xF060
#endif

// WM_GETDLGCODE's answers: the keys a control keeps from the dialog manager and what it is.
#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON 0x0040
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

// The default push button: DM_GETDEFID answers MAKELONG(id, DC_HASDEFID), or 0 when none is set.
#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DC_HASDEFID 0x534B

// What the dialog manager sends to buttons (the button section may define them too).
#ifndef BM_CLICK
#define BM_SETSTYLE 0x00F4
#define BM_CLICK 0x00F5
#endif
#ifndef BS_PUSHBUTTON
#define BS_PUSHBUTTON 0x0000L
#define BS_DEFPUSHBUTTON 0x0001L
#endif
#ifndef BN_CLICKED
#define BN_CLICKED 0
#endif
#ifndef SS_NOPREFIX
#define SS_NOPREFIX 0x00000080L
#endif
#ifndef EM_SETSEL
#define EM_SETSEL 0x00B1
#endif

typedef struct tagMINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
} MINMAXINFO;

typedef BOOL (*WNDENUMPROC)(HWND, LPARAM);

// Dialogs from templates. Modeless ones live until DestroyWindow; the message loop hands them
// their keys through IsDialogMessageA.
HWND CreateDialogParamA(HINSTANCE hInstance, LPCSTR szTemplate, HWND hOwner, DLGPROC pProc,
                        LPARAM lParam);
LRESULT DefDlgProcA(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
BOOL IsDialogMessageA(HWND hDlg, MSG* pMsg);
HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
// Dialog units: x * base width / 4, y * base height / 8. GetDialogBaseUnits gives the units of
// the default GUI font, MAKELONG(width, height); MapDialogRect uses the dialog's own font.
LONG GetDialogBaseUnits(void);
BOOL MapDialogRect(HWND hDlg, RECT* pRect);
BOOL SetDlgItemInt(HWND hDlg, int nId, UINT uValue, BOOL bSigned);
UINT GetDlgItemInt(HWND hDlg, int nId, BOOL* pbTranslated, BOOL bSigned);
BOOL EnumChildWindows(HWND hParent, WNDENUMPROC pEnum, LPARAM lParam);
// Whether hWnd is a child window of hParent at any depth.
BOOL IsChild(HWND hParent, HWND hWnd);
int GetClassNameA(HWND hWnd, LPSTR szClass, int nMax);
