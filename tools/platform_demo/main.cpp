// platform_demo: one window drawn through the platform layer (shapes, text in several faces and
// an alpha-blended picture), to look at the layer's pixels headless or on a real display.
//   platform_demo                         opens the window on the display and runs until closed
//   platform_demo --snapshot FILE         draws once headless and saves the whole window as PNG
//   platform_demo --sdl-screenshot FILE   opens the real window, presents it, and saves what the
//                                         display shows as PNG
//   platform_demo --check-sdl FOLDER      opens the real window and checks that the display shows
//                                         exactly the client area the layer drew (both pictures
//                                         are left in FOLDER), that SDL's mouse, key and text
//                                         events reach the window, and that a popup menu and a
//                                         message box drawn in the window answer SDL's events
//                                         (with a picture of each); exit status 0 when all do
#include "platform/test_api.h"
#include "platform/windows.h"
#include "resources/resource.h"

#include <SDL.h>

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

const int kClientWidth = 480;
const int kClientHeight = 320;
const UINT_PTR kCheckTimer = 7;
const UINT_PTR kModalTimer = 8;
const UINT kPlayPass = 101, kPlayRun = 102, kPlayPunt = 103, kPlayFieldGoal = 104;

// What the window was told during the input check.
struct DEMO_INPUT {
    int nClicks;
    POINT ptClick;
    int nKeyDowns;
    std::string stTyped;
    bool bTimerDone;
};
DEMO_INPUT gDemoInput = {};

void Draw_Shapes(HDC hdc) {
    HBRUSH hRed = CreateSolidBrush(RGB(200, 40, 40));
    HBRUSH hBlue = CreateSolidBrush(RGB(40, 80, 200));
    HPEN hPen = CreatePen(0, 2, RGB(0, 0, 0));
    HGDIOBJ hOldPen = SelectObject(hdc, hPen);
    HGDIOBJ hOldBrush = SelectObject(hdc, hRed);
    Rectangle(hdc, 20, 20, 120, 90);
    SelectObject(hdc, hBlue);
    Ellipse(hdc, 140, 20, 260, 90);
    const POINT kTriangle[] = {{280, 90}, {330, 20}, {380, 90}};
    SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    Polygon(hdc, kTriangle, 3);
    MoveToEx(hdc, 20, 105, nullptr);
    LineTo(hdc, 460, 105);
    SelectObject(hdc, hOldBrush);
    SelectObject(hdc, hOldPen);
    DeleteObject(hPen);
    DeleteObject(hBlue);
    DeleteObject(hRed);
}

void Draw_Text(HDC hdc) {
    const char* const kFaces[] = {"Arial", "Times New Roman", "Courier New", "Tahoma"};
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(0, 0, 0));
    int y = 115;
    for (const char* szFace : kFaces) {
        LOGFONTA lf = {};
        lf.lfHeight = -16;
        lf.lfWeight = szFace[0] == 'T' && szFace[1] == 'a' ? FW_BOLD : FW_NORMAL;
        snprintf(lf.lfFaceName, sizeof(lf.lfFaceName), "%s", szFace);
        HFONT hFont = CreateFontIndirectA(&lf);
        HGDIOBJ hOld = SelectObject(hdc, hFont);
        std::string stLine = std::string(szFace) + ": Touchdown \x96 4th & 10 at the 35";
        TextOutA(hdc, 20, y, stLine.c_str(), static_cast<int>(stLine.size()));
        SelectObject(hdc, hOld);
        DeleteObject(hFont);
        y += 24;
    }
}

// A 128x64 picture fading from opaque orange to clear, blended over a striped background.
void Draw_Blended_Picture(HDC hdc) {
    for (int i = 0; i < 8; i++) {
        RECT rc = {300 + i * 20, 220, 310 + i * 20, 300};
        FillRect(hdc, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    const int nWidth = 128, nHeight = 64;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -nHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap || !pBits)
        return;
    uint32_t* pPixels = static_cast<uint32_t*>(pBits);
    for (int y = 0; y < nHeight; y++)
        for (int x = 0; x < nWidth; x++) {
            uint32_t a = static_cast<uint32_t>(255 - x * 2);
            // Premultiplied orange (255, 140, 0).
            pPixels[y * nWidth + x] = (a << 24) | ((255 * a / 255) << 16) | ((140 * a / 255) << 8);
        }
    HDC hMemory = CreateCompatibleDC(hdc);
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(hdc, 300, 230, nWidth, nHeight, hMemory, 0, 0, nWidth, nHeight, blend);
    SelectObject(hMemory, hOld);
    DeleteDC(hMemory);
    DeleteObject(hBitmap);
}

LRESULT Demo_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hWnd, &ps);
        if (!hdc)
            return 0;
        RECT rc;
        GetClientRect(hWnd, &rc);
        FillRect(hdc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        Draw_Shapes(hdc);
        Draw_Text(hdc);
        Draw_Blended_Picture(hdc);
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
        gDemoInput.nClicks++;
        gDemoInput.ptClick = {static_cast<short>(LOWORD(lParam)),
                              static_cast<short>(HIWORD(lParam))};
        return 0;
    case WM_KEYDOWN:
        if (wParam == 'Q')
            gDemoInput.nKeyDowns++;
        return 0;
    case WM_CHAR: gDemoInput.stTyped += static_cast<char>(wParam); return 0;
    case WM_TIMER:
        if (wParam != kCheckTimer)
            return 0;
        KillTimer(hWnd, kCheckTimer);
        gDemoInput.bTimerDone = true;
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

HWND Make_Window(void) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Demo_Proc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "PlatformDemo";
    if (!RegisterClassA(&wc))
        return nullptr;
    DWORD dwStyle = WS_OVERLAPPEDWINDOW;
    RECT rc = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&rc, dwStyle, TRUE, 0);
    HMENU hMenu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TEST_MENU));
    HWND hWnd =
        CreateWindowExA(0, "PlatformDemo", "Platform demo", dwStyle, 100, 100, rc.right - rc.left,
                        rc.bottom - rc.top, nullptr, hMenu, GetModuleHandleA(nullptr), nullptr);
    if (hWnd) {
        ShowWindow(hWnd, SW_SHOWNORMAL);
        UpdateWindow(hWnd);
    }
    return hWnd;
}

int Usage(void) {
    fprintf(stderr,
            "usage: platform_demo [--snapshot FILE | --sdl-screenshot FILE | --check-sdl "
            "FOLDER]\n");
    return 2;
}

// The SDL window showing the demo, found by its title.
SDL_Window* Find_Sdl_Window(void) {
    for (Uint32 nId = 1; nId < 64; nId++) {
        SDL_Window* pWindow = SDL_GetWindowFromID(nId);
        if (pWindow && strcmp(SDL_GetWindowTitle(pWindow), "Platform demo") == 0)
            return pWindow;
    }
    return nullptr;
}

// Pushes a click, a key and its text into SDL's queue and runs the message loop until a timer
// says the events have had their turn; each must reach the window once.
int Check_Sdl_Input(HWND hWnd) {
    SDL_Window* pWindow = Find_Sdl_Window();
    if (!pWindow) {
        fprintf(stderr, "platform_demo: the real window is missing\n");
        return 1;
    }
    Uint32 nId = SDL_GetWindowID(pWindow);
    SetFocus(hWnd);
    SDL_Event events[5] = {};
    // The real window shows the menu bar above the client area.
    int nY = 40 + GetSystemMetrics(SM_CYMENU);
    events[0].button = {SDL_MOUSEBUTTONDOWN, 0, nId, 0, SDL_BUTTON_LEFT, SDL_PRESSED, 1, 0, 30, nY};
    events[1].button = {SDL_MOUSEBUTTONUP, 0, nId, 0, SDL_BUTTON_LEFT, SDL_RELEASED, 1, 0, 30, nY};
    events[2].key.type = SDL_KEYDOWN;
    events[2].key.windowID = nId;
    events[2].key.state = SDL_PRESSED;
    events[2].key.keysym.sym = SDLK_q;
    events[3].text.type = SDL_TEXTINPUT;
    events[3].text.windowID = nId;
    snprintf(events[3].text.text, sizeof(events[3].text.text), "%s", "q");
    events[4].key = events[2].key;
    events[4].key.type = SDL_KEYUP;
    events[4].key.state = SDL_RELEASED;
    for (SDL_Event& e : events)
        SDL_PushEvent(&e);
    SetTimer(hWnd, kCheckTimer, 200, nullptr);
    MSG msg;
    while (!gDemoInput.bTimerDone && GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    bool bOk = gDemoInput.nClicks == 1 && gDemoInput.ptClick.x == 30 &&
               gDemoInput.ptClick.y == 40 && gDemoInput.nKeyDowns == 1 && gDemoInput.stTyped == "q";
    if (!bOk) {
        fprintf(stderr,
                "platform_demo: input seen: %d clicks at %ld,%ld, %d key downs, typed \"%s\"\n",
                gDemoInput.nClicks, static_cast<long>(gDemoInput.ptClick.x),
                static_cast<long>(gDemoInput.ptClick.y), gDemoInput.nKeyDowns,
                gDemoInput.stTyped.c_str());
        return 1;
    }
    printf("platform_demo: a click, a key and its text reached the window\n");
    return 0;
}

// A popup menu or message box being checked: while it is up a timer saves its picture and
// pushes the events that answer it.
struct MODAL_CHECK {
    HWND hWnd;
    std::string stPicture;
    bool bSaved;
    bool bPopup;  // a popup menu (its second item is clicked); else a box (Enter is pressed)
};
MODAL_CHECK gModalCheck = {};

// A point of the window's surface in the real window, which shows the menu bar and the client
// area.
SDL_Point Surface_To_Sdl(HWND hWnd, int x, int y) {
    RECT rcWindow;
    GetWindowRect(hWnd, &rcWindow);
    POINT ptClient = {0, 0};
    ClientToScreen(hWnd, &ptClient);
    return {x - (ptClient.x - rcWindow.left),
            y - (ptClient.y - rcWindow.top) + GetSystemMetrics(SM_CYMENU)};
}

void Push_Events(Uint32 nWindowId) {
    std::vector<SDL_Event> aEvents;
    RECT rcItem;
    if (gModalCheck.bPopup && Test_Get_Open_Menu_Item_Rect(0, 1, &rcItem)) {
        SDL_Point pt = Surface_To_Sdl(gModalCheck.hWnd, (rcItem.left + rcItem.right) / 2,
                                      (rcItem.top + rcItem.bottom) / 2);
        SDL_Event motion = {};
        motion.motion = {SDL_MOUSEMOTION, 0, nWindowId, 0, 0, pt.x, pt.y, 1, 1};
        aEvents.push_back(motion);
        for (Uint32 nType : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event e = {};
            Uint8 nState = nType == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
            e.button = {nType, 0, nWindowId, 0, SDL_BUTTON_LEFT, nState, 1, 0, pt.x, pt.y};
            aEvents.push_back(e);
        }
    } else if (!gModalCheck.bPopup) {
        for (Uint32 nType : {SDL_KEYDOWN, SDL_KEYUP}) {
            SDL_Event e = {};
            e.key.type = nType;
            e.key.windowID = nWindowId;
            e.key.state = nType == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
            e.key.keysym.sym = SDLK_RETURN;
            aEvents.push_back(e);
        }
    }
    for (SDL_Event& e : aEvents)
        SDL_PushEvent(&e);
}

// Runs once the popup or box is up and shown.
void Modal_Timer(HWND hWnd, UINT, UINT_PTR nId, DWORD) {
    KillTimer(hWnd, nId);
    gModalCheck.bSaved = Platform_Save_Screenshot(hWnd, gModalCheck.stPicture.c_str());
    SDL_Window* pWindow = Find_Sdl_Window();
    if (pWindow)
        Push_Events(SDL_GetWindowID(pWindow));
}

// Opens a popup menu at a client point, clicks its second item through SDL events and checks
// that its command comes back; then shows a message box, presses Enter and checks that its
// default button comes back.
int Check_Sdl_Modal(HWND hWnd, const std::string& stFolder) {
    HMENU hPopup = CreatePopupMenu();
    HMENU hKicks = CreatePopupMenu();
    if (!hPopup || !hKicks)
        return 1;
    AppendMenuA(hKicks, MF_STRING, kPlayPunt, "&Punt");
    AppendMenuA(hKicks, MF_STRING, kPlayFieldGoal, "&Field goal");
    AppendMenuA(hPopup, MF_STRING, kPlayPass, "P&ass\tCtrl+P");
    AppendMenuA(hPopup, MF_STRING, kPlayRun, "&Run");
    AppendMenuA(hPopup, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hPopup, MF_POPUP, reinterpret_cast<UINT_PTR>(hKicks), "&Kicks");
    POINT pt = {60, 30};
    ClientToScreen(hWnd, &pt);
    gModalCheck = {hWnd, stFolder + "/popup.png", false, true};
    SetTimer(hWnd, kModalTimer, 100, reinterpret_cast<void*>(Modal_Timer));
    int nChosen = TrackPopupMenu(hPopup, TPM_RETURNCMD, pt.x, pt.y, 0, hWnd, nullptr);
    DestroyMenu(hPopup);
    if (nChosen != static_cast<int>(kPlayRun) || !gModalCheck.bSaved) {
        fprintf(stderr, "platform_demo: the popup menu gave %d (picture %s)\n", nChosen,
                gModalCheck.bSaved ? "saved" : "missing");
        return 1;
    }
    printf("platform_demo: a click on the popup menu's second item chose it\n");

    gModalCheck = {hWnd, stFolder + "/message_box.png", false, false};
    SetTimer(hWnd, kModalTimer, 100, reinterpret_cast<void*>(Modal_Timer));
    int nAnswer = MessageBoxA(hWnd,
                              "The season file was changed by another program. Keep your "
                              "changes and overwrite it? Choosing No reloads the file.",
                              "Platform demo", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (nAnswer != IDNO || !gModalCheck.bSaved) {
        fprintf(stderr, "platform_demo: the message box gave %d (picture %s)\n", nAnswer,
                gModalCheck.bSaved ? "saved" : "missing");
        return 1;
    }
    printf("platform_demo: Enter in the message box gave its default button\n");
    return 0;
}

// Compares the layer's client-area picture with what the display shows, then checks input.
int Check_Sdl(HWND hWnd, const std::string& stFolder) {
    std::string stDrawn = stFolder + "/drawn.png", stShown = stFolder + "/shown.png";
    if (!Platform_Make_Directory(stFolder.c_str()) || !Test_Snapshot_Window(hWnd, false, stDrawn) ||
        !Platform_Save_Screenshot(hWnd, stShown.c_str())) {
        fprintf(stderr, "platform_demo: could not write the pictures into %s\n", stFolder.c_str());
        return 1;
    }
    int nDrawnWidth = 0, nDrawnHeight = 0, nShownWidth = 0, nShownHeight = 0;
    std::vector<uint32_t> aDrawn, aShown;
    if (!Test_Read_Png(stDrawn, &nDrawnWidth, &nDrawnHeight, &aDrawn) ||
        !Test_Read_Png(stShown, &nShownWidth, &nShownHeight, &aShown))
        return 1;
    // The display shows the menu bar, then the client area.
    int nBar = GetSystemMetrics(SM_CYMENU);
    if (nDrawnWidth != nShownWidth || nDrawnHeight + nBar != nShownHeight) {
        fprintf(stderr,
                "platform_demo: drew %dx%d under a %d-pixel menu bar, the display shows %dx%d\n",
                nDrawnWidth, nDrawnHeight, nBar, nShownWidth, nShownHeight);
        return 1;
    }
    size_t nDiffering = 0;
    size_t nOffset = static_cast<size_t>(nBar) * nShownWidth;
    for (size_t i = 0; i < aDrawn.size(); i++)
        if ((aDrawn[i] & 0xFFFFFF) != (aShown[nOffset + i] & 0xFFFFFF))
            nDiffering++;
    if (nDiffering) {
        fprintf(stderr, "platform_demo: %zu pixels differ on the display\n", nDiffering);
        return 1;
    }
    printf("platform_demo: the display shows the %dx%d pixels drawn\n", nDrawnWidth, nDrawnHeight);
    if (Check_Sdl_Input(hWnd) != 0)
        return 1;
    return Check_Sdl_Modal(hWnd, stFolder);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 1 && argc != 3)
        return Usage();
    const char* szMode = argc == 3 ? argv[1] : "";
    const char* szFile = argc == 3 ? argv[2] : nullptr;
    if (szFile && strcmp(szMode, "--snapshot") != 0 && strcmp(szMode, "--sdl-screenshot") != 0 &&
        strcmp(szMode, "--check-sdl") != 0)
        return Usage();

    bool bReal = strcmp(szMode, "--snapshot") != 0;
    if (bReal && !Platform_Select_Backend("sdl")) {
        fprintf(stderr, "platform_demo: no display to open a window on\n");
        return 1;
    }
    HWND hWnd = Make_Window();
    if (!hWnd) {
        fprintf(stderr, "platform_demo: the window could not be made\n");
        return 1;
    }
    if (strcmp(szMode, "--snapshot") == 0) {
        if (Test_Snapshot_Window(hWnd, true, szFile))
            return 0;
        fprintf(stderr, "platform_demo: could not write %s\n", szFile);
        return 1;
    }
    if (strcmp(szMode, "--check-sdl") == 0)
        return Check_Sdl(hWnd, szFile);
    if (strcmp(szMode, "--sdl-screenshot") == 0) {
        if (Platform_Save_Screenshot(hWnd, szFile))
            return 0;
        fprintf(stderr, "platform_demo: could not read the screen back into %s\n", szFile);
        return 1;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
