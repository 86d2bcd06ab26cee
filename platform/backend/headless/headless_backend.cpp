// The headless backend: no display. Windows live in memory, the screen is a fixed 1920x1080,
// waiting moves the clock (the virtual one in tests), and message boxes, dialogs and user waits
// are answered by the tests' scripts and written into the transcript.
#include "headless.h"

namespace {

const SIZE kHeadlessScreen = {1920, 1080};

bool Headless_Open(void) { return true; }
void Headless_Close(void) {}
void Headless_Window_Event(HWND /*hWnd*/) {}

bool Headless_Wait_Event(DWORD nTimeoutMs) {
    // No input ever arrives: without a timer to wait for, the wait would never end.
    if (nTimeoutMs == INFINITE) return false;
    Sleep(nTimeoutMs);
    return true;
}

SIZE Headless_Screen_Size(void) { return kHeadlessScreen; }
RECT Headless_Work_Area(void) { return {0, 0, kHeadlessScreen.cx, kHeadlessScreen.cy}; }

TEST_SHOWN Box_Shown(const char* szText, const char* szCaption, UINT uType) {
    return {TEST_SHOWN_MESSAGE_BOX, 0, szCaption, szText, uType, 0, 0, false};
}

int Headless_Message_Box(HWND /*hOwner*/, const char* szText, const char* szCaption, UINT uType,
                         int nDefault) {
    TEST_SHOWN shown = Box_Shown(szText, szCaption, uType);
    int nAnswer = 0;
    shown.bScripted = Script_Take_Message_Box_Answer(shown.stText, shown.stCaption, &nAnswer);
    shown.nResult = shown.bScripted ? nAnswer : nDefault;
    Script_Record_Shown(shown);
    if (!shown.bScripted) Script_Report_Unscripted(shown);
    return static_cast<int>(shown.nResult);
}

void Headless_Message_Box_Refused(const char* szText, const char* szCaption, UINT uType) {
    Script_Record_Shown(Box_Shown(szText, szCaption, uType));
}

size_t Headless_Dialog_Opened(int nTemplateId, const char* szCaption, LPARAM lParam) {
    return Script_Record_Shown(
        {TEST_SHOWN_DIALOG, nTemplateId, szCaption, "", 0, lParam, IDCANCEL, false});
}

// Handles what the dialog's start left in the queue, then runs the template's script.
bool Headless_Run_Modal_Dialog(HWND hDlg, int nTemplateId) {
    Dialog_Pump_Until_Idle(hDlg);
    std::function<void(HWND)> action;
    if (Dialog_Has_Ended(hDlg) || !Script_Take_Dialog_Action(nTemplateId, &action)) return false;
    action(hDlg);
    Dialog_Pump_Until_Idle(hDlg);
    return true;
}

void Headless_Dialog_Closed(size_t nToken, const MODAL_OUTCOME& outcome) {
    TEST_SHOWN shown = {
        TEST_SHOWN_DIALOG, outcome.nTemplateId, outcome.szCaption, outcome.stText, 0,
        outcome.lParam,    outcome.nResult,     outcome.bAnswered};
    Script_Set_Shown_Result(nToken, shown);
    if (!outcome.bAnswered && !outcome.bEnded) Script_Report_Unscripted(shown);
}

BOOL Headless_Begin_User_Wait(const char* szWhat) {
    TEST_SHOWN shown{TEST_SHOWN_USER_WAIT, 0, "", szWhat, 0, 0, FALSE, false};
    Script_Record_Shown(shown);
    Script_Report_Unscripted(shown);
    Script_Guard_User_Wait(shown.stText);
    return FALSE;
}

void Headless_Set_Cursor(HCURSOR /*hCursor*/, bool /*bVisible*/) {}
void Headless_Cursor_Destroyed(HCURSOR /*hCursor*/) {}
void Headless_Set_Cursor_Pos(POINT /*ptScreen*/) {}

bool Headless_Save_Screenshot(HWND /*hHost*/, const char* /*szPngPath*/) { return false; }

}  // namespace

const PLATFORM_BACKEND kHeadlessBackend = {
    .szName = "headless",
    .Open = Headless_Open,
    .Close = Headless_Close,
    .Window_Created = Headless_Window_Event,
    .Window_Destroyed = Headless_Window_Event,
    .Window_Changed = Headless_Window_Event,
    .Present = Headless_Window_Event,
    .Wait_Event = Headless_Wait_Event,
    .bTypesText = false,
    .Screen_Size = Headless_Screen_Size,
    .Work_Area = Headless_Work_Area,
    .Message_Box = Headless_Message_Box,
    .Message_Box_Refused = Headless_Message_Box_Refused,
    .Dialog_Opened = Headless_Dialog_Opened,
    .Run_Modal_Dialog = Headless_Run_Modal_Dialog,
    .Dialog_Closed = Headless_Dialog_Closed,
    .Begin_User_Wait = Headless_Begin_User_Wait,
    .Set_Cursor = Headless_Set_Cursor,
    .Cursor_Destroyed = Headless_Cursor_Destroyed,
    .Set_Cursor_Pos = Headless_Set_Cursor_Pos,
    .Save_Screenshot = Headless_Save_Screenshot,
    .Track_Popup_Menu = Headless_Track_Popup_Menu,
    .Clipboard_Set_Text = nullptr,
    .Clipboard_Get_Text = nullptr,
};
