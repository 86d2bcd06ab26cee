// The main window's handles and the windows and resources that hang off it.

#include "shell/shell.h"

HWND gMainWindow = NULL;
HDC gMainWindowDC = NULL;
HWND gButtonBar = NULL;
HWND gNewsBar = NULL;
HACCEL gMainAccelerators = NULL;
HICON gAppIcon = NULL;
