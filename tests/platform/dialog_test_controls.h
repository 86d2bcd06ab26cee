// The test-only control class "DialogTestControl" of the test dialog templates: its style's low
// bits give the kind it plays (resources/vanto.rc), it answers WM_GETDLGCODE as that kind, a
// click or BM_CLICK reports BN_CLICKED to its parent (a radio button checks itself first), and
// an edit keeps what is typed into it.
#pragma once

#include "platform/test_api.h"

#include <map>
#include <string>

enum DIALOG_TEST_KIND {
    DIALOG_TEST_PUSH = 0,
    DIALOG_TEST_DEFAULT_PUSH = 1,
    DIALOG_TEST_RADIO = 2,
    DIALOG_TEST_LABEL = 3,
    DIALOG_TEST_EDIT = 4
};

struct DIALOG_TEST_CONTROLS {
    std::map<HWND, std::string> typed;
    std::map<HWND, bool> checked;
    std::map<HWND, HFONT> fonts;
    std::map<HWND, int> selectAllCount;
};

inline DIALOG_TEST_CONTROLS& Dialog_Test_Controls() {
    static DIALOG_TEST_CONTROLS controls;
    return controls;
}

inline LRESULT Dialog_Test_Control_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    DIALOG_TEST_CONTROLS& log = Dialog_Test_Controls();
    int nKind = static_cast<int>(GetWindowLongPtrA(hWnd, GWL_STYLE) & 0x0F);
    switch (uMsg) {
    case WM_GETDLGCODE:
        switch (nKind) {
        case DIALOG_TEST_PUSH: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case DIALOG_TEST_DEFAULT_PUSH: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case DIALOG_TEST_RADIO: return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case DIALOG_TEST_LABEL: return DLGC_STATIC;
        default: return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        }
    case WM_LBUTTONUP:
    case BM_CLICK:
        if (nKind == DIALOG_TEST_RADIO)
            log.checked[hWnd] = true;
        SendMessageA(GetParent(hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hWnd), BN_CLICKED),
                     reinterpret_cast<LPARAM>(hWnd));
        return 0;
    case WM_CHAR:
        if (nKind == DIALOG_TEST_EDIT)
            log.typed[hWnd] += static_cast<char>(wParam);
        return 0;
    case EM_SETSEL: log.selectAllCount[hWnd]++; return 0;
    case WM_SETFONT: log.fonts[hWnd] = reinterpret_cast<HFONT>(wParam); return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// Registers the class (after Test_Reset_Platform, which drops classes) and forgets the log.
inline void Register_Dialog_Test_Control() {
    Dialog_Test_Controls() = DIALOG_TEST_CONTROLS();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Dialog_Test_Control_Proc;
    wc.lpszClassName = "DialogTestControl";
    RegisterClassA(&wc);
}
