// Small steps the dialog tests share.
#pragma once

#include <string>

#include "platform/windows.h"

// Empties an edit box, then types the text into it as a user would.
void Replace_Box_Text(HWND hDlg, int nId, const std::string& stText);
// How many message boxes and dialogs of the transcript carry the caption, or the text.
int Count_Shown_With_Caption(const std::string& stCaption);
int Count_Shown_With_Text(const std::string& stText);
// Clicks the row of the list view holding the item value, then tells the dialog of a double
// click on it as the list view does; false when no row holds the value.
bool Double_Click_Listview_Item(HWND hDlg, int nId, int nValue);
