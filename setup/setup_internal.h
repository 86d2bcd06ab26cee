// What the setup folder's dialogs share among themselves.
#pragma once

#include "platform/windows.h"

// The messages every setup dialog answers alike: the skin's colours and, for a dialog that
// disabled the main window while it is open, the main window enabled again as it goes.
INT_PTR Answer_Common_Setup_Message(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// The shell's "open" of a file or address, the working folder as the program's folder: the
// shell's answer, an error at SHELL_OPEN_FAILED or below.
#define SHELL_OPEN_FAILED 32
int Shell_Open_In_Working_Folder(HWND hWnd, const char* szTarget);
