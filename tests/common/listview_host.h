// A top-level window holding one report list view, for the sortable list's tests.
#pragma once

#include "windows.h"

// The window (null when it could not be made) with the list view filling its client area but a
// margin; *phList gets the list view.
HWND Create_Listview_Host(const char* szCaption, int nWidth, int nHeight, HWND* phList);
