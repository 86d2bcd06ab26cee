// The season simulator's dialog.

#include "tools/tools.h"

// STAND-IN(tools): simulates many seasons and counts their results.
INT_PTR Season_Simulator_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}
