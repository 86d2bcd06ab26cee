// The SDL backend: real windows on the desktop, the real clock, and a person answering message
// boxes and dialogs.
#include "sdl_backend.h"

#include <string.h>

#include "png_file.h"

namespace {

bool Sdl_Open(void) {
    // The windows' surfaces are the display's own, copied row by row where the picture
    // changed; a renderer behind them would redraw the whole window each time.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    SDL_StartTextInput();
    return true;
}

void Sdl_Close(void) {
    Sdl_Audio_Close();
    Sdl_Close_Windows();
    Sdl_Free_Cursors();
    SDL_StopTextInput();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

SIZE Sdl_Screen_Size(void) {
    SDL_DisplayMode mode;
    if (SDL_GetCurrentDisplayMode(0, &mode) != 0) return {1920, 1080};
    return {mode.w, mode.h};
}

RECT Sdl_Work_Area(void) {
    SDL_Rect rc;
    if (SDL_GetDisplayUsableBounds(0, &rc) != 0) {
        SIZE size = Sdl_Screen_Size();
        return {0, 0, size.cx, size.cy};
    }
    return {rc.x, rc.y, rc.x + rc.w, rc.y + rc.h};
}

void Sdl_Message_Box_Refused(const char* /*szText*/, const char* /*szCaption*/, UINT /*uType*/) {}

size_t Sdl_Dialog_Opened(int /*nTemplateId*/, const char* /*szCaption*/, LPARAM /*lParam*/) {
    return 0;
}

// The dialog's messages until it ends, with its owner disabled meanwhile. A WM_QUIT ends the
// dialog and stays queued for the outer loop.
bool Sdl_Run_Modal_Dialog(HWND hDlg, int /*nTemplateId*/) {
    return Sdl_Run_Modal(hDlg, [hDlg] { return Dialog_Has_Ended(hDlg); });
}

void Sdl_Dialog_Closed(size_t /*nToken*/, const MODAL_OUTCOME& /*outcome*/) {}

BOOL Sdl_Begin_User_Wait(const char* /*szWhat*/) { return TRUE; }

bool Sdl_Save_Screenshot(HWND hHost, const char* szPngPath) {
    std::vector<uint32_t> aPixels;
    int nWidth = 0, nHeight = 0;
    if (!Sdl_Read_Pixels(hHost, &aPixels, &nWidth, &nHeight)) return false;
    for (uint32_t& n : aPixels) n |= 0xFF000000u;
    FILE* pFile = fopen(szPngPath, "wb");
    if (!pFile) return false;
    PNG_PICTURE picture = {reinterpret_cast<const uint8_t*>(aPixels.data()), nWidth, nHeight,
                           nWidth * static_cast<ptrdiff_t>(sizeof(uint32_t)), PNG_PIXELS_BGRA,
                           false};
    const bool bWritten = Png_Write_File(pFile, picture) == PNG_WRITTEN;
    return fclose(pFile) == 0 && bWritten;
}

void Sdl_Clipboard_Set_Text(const char* szText) { SDL_SetClipboardText(szText ? szText : ""); }

bool Sdl_Clipboard_Get_Text(std::string* pText) {
    if (!SDL_HasClipboardText()) return false;
    char* szText = SDL_GetClipboardText();
    if (!szText) return false;
    *pText = szText;
    SDL_free(szText);
    return true;
}

}  // namespace

bool Sdl_Wait_Event(DWORD nTimeoutMs) {
    // A drag that leaves the window keeps its mouse while a window has the capture.
    SDL_CaptureMouse(GetCapture() ? SDL_TRUE : SDL_FALSE);
    SDL_Event event;
    int nGot = nTimeoutMs == INFINITE ? SDL_WaitEvent(&event)
                                      : SDL_WaitEventTimeout(&event, static_cast<int>(nTimeoutMs));
    // A timeout and an error look alike here; either way the timers are checked again.
    if (!nGot) return true;
    do {
        Sdl_Handle_Event(event);
    } while (SDL_PollEvent(&event));
    return true;
}

const PLATFORM_BACKEND kSdlBackend = {
    .szName = "sdl",
    .Open = Sdl_Open,
    .Close = Sdl_Close,
    .Window_Created = Sdl_Window_Created,
    .Window_Destroyed = Sdl_Window_Destroyed,
    .Window_Changed = Sdl_Window_Changed,
    .Present = Sdl_Present,
    .Wait_Event = Sdl_Wait_Event,
    .bTypesText = true,
    .Screen_Size = Sdl_Screen_Size,
    .Work_Area = Sdl_Work_Area,
    .Message_Box = Sdl_Message_Box,
    .Message_Box_Refused = Sdl_Message_Box_Refused,
    .Dialog_Opened = Sdl_Dialog_Opened,
    .Run_Modal_Dialog = Sdl_Run_Modal_Dialog,
    .Dialog_Closed = Sdl_Dialog_Closed,
    .Begin_User_Wait = Sdl_Begin_User_Wait,
    .Set_Cursor = Sdl_Set_Cursor,
    .Cursor_Destroyed = Sdl_Cursor_Destroyed,
    .Set_Cursor_Pos = Sdl_Set_Cursor_Pos,
    .Save_Screenshot = Sdl_Save_Screenshot,
    .Track_Popup_Menu = Sdl_Track_Popup_Menu,
    .Clipboard_Set_Text = Sdl_Clipboard_Set_Text,
    .Clipboard_Get_Text = Sdl_Clipboard_Get_Text,
};
