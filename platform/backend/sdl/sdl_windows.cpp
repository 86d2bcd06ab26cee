// One real SDL window for each host window (a top-level window with no owner; child windows and
// owned windows such as dialogs are drawn by the layer inside their host). The SDL window shows
// the host's menu bar and client area; its frame and caption are the desktop's own. Presenting
// composes the host's drawn pixels, with its owned windows over them, and copies the rows that
// changed since the last present to the window's surface, so that a small animation (the news
// ticker) costs only its own strip.
#include "sdl_backend.h"

#include <string.h>

#include <map>
#include <vector>

bool gSdlApplyingEvent = false;

namespace {

struct SDL_HOST {
    SDL_Window* pWindow;
    int nWidth;  // the picture last shown; 0 when the window must be shown whole
    int nHeight;
    std::vector<uint32_t> aPixels;  // the picture being composed
    std::vector<uint32_t> aShown;   // the picture last shown
};

std::map<HWND, SDL_HOST> gHosts;

// The background where nothing has been drawn: the classic face colour.
const uint32_t kFaceColour = 0xFFF0F0F0u;

// The part of the host's rectangle the SDL window shows, in the host's surface coordinates.
RECT Shown_Part(HWND hHost) {
    RECT rc = Window_Client_In_Surface(hHost);
    rc.top -= Menu_Bar_Height(hHost);
    return rc;
}

SDL_HOST* Find_Host(HWND hWnd) {
    auto it = gHosts.find(hWnd);
    return it == gHosts.end() ? nullptr : &it->second;
}

// Copies a window's drawn surface into the host's picture, the surface's (0,0) landing at
// (x, y) of the picture.
void Blit_Surface(HWND hWnd, SDL_HOST* h, int nWidth, int nHeight, int x, int y) {
    SURFACE_VIEW view;
    if (!Gdi_Get_Window_Surface(hWnd, &view)) return;
    for (int sy = 0; sy < view.nHeight; sy++) {
        int ty = y + sy;
        if (ty < 0 || ty >= nHeight) continue;
        for (int sx = 0; sx < view.nWidth; sx++) {
            int tx = x + sx;
            if (tx < 0 || tx >= nWidth) continue;
            h->aPixels[static_cast<size_t>(ty) * nWidth + tx] =
                view.pPixels[static_cast<size_t>(sy) * view.nStride + sx] | 0xFF000000u;
        }
    }
}

void Free_Host(SDL_HOST* h) {
    if (h->pWindow) SDL_DestroyWindow(h->pWindow);
}

// The first and last rows (inclusive) where the composed picture differs from the one shown;
// false when none does.
bool Changed_Rows(const SDL_HOST* h, int* pnFirst, int* pnLast) {
    const size_t nRow = static_cast<size_t>(h->nWidth);
    int nFirst = 0, nLast = h->nHeight - 1;
    while (nFirst <= nLast && memcmp(&h->aPixels[nFirst * nRow], &h->aShown[nFirst * nRow],
                                     nRow * 4) == 0)
        nFirst++;
    if (nFirst > nLast) return false;
    while (nLast > nFirst &&
           memcmp(&h->aPixels[nLast * nRow], &h->aShown[nLast * nRow], nRow * 4) == 0)
        nLast--;
    *pnFirst = nFirst;
    *pnLast = nLast;
    return true;
}

// Copies rows nFirst..nLast of the picture to the window's surface and shows them.
void Show_Rows(SDL_HOST* h, int nFirst, int nLast) {
    SDL_Surface* pSurface = SDL_GetWindowSurface(h->pWindow);
    if (!pSurface) return;
    SDL_Surface* pPicture = SDL_CreateRGBSurfaceWithFormatFrom(
        h->aPixels.data(), h->nWidth, h->nHeight, 32, h->nWidth * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!pPicture) return;
    SDL_Rect rc = {0, nFirst, h->nWidth, nLast - nFirst + 1};
    if (pSurface->w == h->nWidth && pSurface->h == h->nHeight) {
        SDL_BlitSurface(pPicture, &rc, pSurface, &rc);
        SDL_UpdateWindowSurfaceRects(h->pWindow, &rc, 1);
    } else {  // a display that scales the window: the whole picture, stretched
        SDL_BlitScaled(pPicture, nullptr, pSurface, nullptr);
        SDL_UpdateWindowSurface(h->pWindow);
    }
    SDL_FreeSurface(pPicture);
}

}  // namespace

HWND Sdl_Host_Of(Uint32 nWindowId) {
    SDL_Window* pWindow = SDL_GetWindowFromID(nWindowId);
    for (auto& entry : gHosts)
        if (entry.second.pWindow == pWindow) return entry.first;
    return nullptr;
}

SDL_Window* Sdl_Window_Of(HWND hHost) {
    SDL_HOST* h = Find_Host(hHost);
    return h ? h->pWindow : nullptr;
}

POINT Sdl_Window_To_Screen(HWND hHost, int x, int y) {
    RECT rcWindow;
    GetWindowRect(hHost, &rcWindow);
    RECT rcShown = Shown_Part(hHost);
    return {rcWindow.left + rcShown.left + x, rcWindow.top + rcShown.top + y};
}

RECT Sdl_Window_Rect_For(HWND hHost, int nWidth, int nHeight) {
    RECT rcWindow;
    GetWindowRect(hHost, &rcWindow);
    RECT rcShown = Shown_Part(hHost);
    int nFrameX = rcShown.left + (rcWindow.right - rcWindow.left - rcShown.right);
    int nFrameY = rcShown.top + (rcWindow.bottom - rcWindow.top - rcShown.bottom);
    return {rcWindow.left, rcWindow.top, rcWindow.left + nWidth + nFrameX,
            rcWindow.top + nHeight + nFrameY};
}

void Sdl_Resize_To_Host(HWND hHost) {
    SDL_HOST* h = Find_Host(hHost);
    if (!h || IsIconic(hHost)) return;
    RECT rcShown = Shown_Part(hHost);
    int nWidth = rcShown.right - rcShown.left, nHeight = rcShown.bottom - rcShown.top;
    int nNowWidth, nNowHeight;
    SDL_GetWindowSize(h->pWindow, &nNowWidth, &nNowHeight);
    if (nWidth > 0 && nHeight > 0 && (nWidth != nNowWidth || nHeight != nNowHeight))
        SDL_SetWindowSize(h->pWindow, nWidth, nHeight);
}

void Sdl_Window_Created(HWND hWnd) {
    if (Find_Host(hWnd)) return;
    RECT rcShown = Shown_Part(hWnd);
    POINT pt = Sdl_Window_To_Screen(hWnd, 0, 0);
    int nWidth = rcShown.right - rcShown.left, nHeight = rcShown.bottom - rcShown.top;
    Uint32 uFlags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
    if (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_THICKFRAME) uFlags |= SDL_WINDOW_RESIZABLE;
    char szTitle[512];
    GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
    SDL_HOST h = {};
    h.pWindow = SDL_CreateWindow(szTitle, pt.x, pt.y, nWidth > 0 ? nWidth : 1,
                                 nHeight > 0 ? nHeight : 1, uFlags);
    if (!h.pWindow) {
        OutputDebugStringA("SDL: a window could not be made\n");
        return;
    }
    gHosts[hWnd] = h;
    Sdl_Window_Changed(hWnd);
}

void Sdl_Window_Destroyed(HWND hWnd) {
    SDL_HOST* h = Find_Host(hWnd);
    if (!h) return;
    Free_Host(h);
    gHosts.erase(hWnd);
}

void Sdl_Window_Changed(HWND hWnd) {
    HWND hHost = Window_Get_Host(hWnd);
    SDL_HOST* h = Find_Host(hHost);
    if (!h || gSdlApplyingEvent) return;
    if (hWnd != hHost) return;  // an owned window shows at the next present
    char szTitle[512];
    GetWindowTextA(hHost, szTitle, sizeof(szTitle));
    SDL_SetWindowTitle(h->pWindow, szTitle);
    Uint32 uFlags = SDL_GetWindowFlags(h->pWindow);
    if (!IsWindowVisible(hHost)) {
        SDL_HideWindow(h->pWindow);
        return;
    }
    if (uFlags & SDL_WINDOW_HIDDEN) SDL_ShowWindow(h->pWindow);
    if (IsIconic(hHost)) {
        if (!(uFlags & SDL_WINDOW_MINIMIZED)) SDL_MinimizeWindow(h->pWindow);
        return;
    }
    if (IsZoomed(hHost)) {
        if (!(uFlags & SDL_WINDOW_MAXIMIZED)) SDL_MaximizeWindow(h->pWindow);
        return;
    }
    if (uFlags & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_MAXIMIZED)) SDL_RestoreWindow(h->pWindow);
    POINT pt = Sdl_Window_To_Screen(hHost, 0, 0);
    int x, y;
    SDL_GetWindowPosition(h->pWindow, &x, &y);
    if (x != pt.x || y != pt.y) SDL_SetWindowPosition(h->pWindow, pt.x, pt.y);
    Sdl_Resize_To_Host(hHost);
}

void Sdl_Present(HWND hHost) {
    SDL_HOST* h = Find_Host(hHost);
    if (!h || IsIconic(hHost)) return;
    RECT rcShown = Shown_Part(hHost);
    // The picture is the host's shown part at one pixel per layer pixel.
    int nWidth = rcShown.right - rcShown.left;
    int nHeight = rcShown.bottom - rcShown.top;
    if (nWidth <= 0 || nHeight <= 0) return;
    h->aPixels.assign(static_cast<size_t>(nWidth) * nHeight, kFaceColour);
    Blit_Surface(hHost, h, nWidth, nHeight, -rcShown.left, -rcShown.top);
    // Owned windows, back to front, where they stand on the screen.
    POINT ptOrigin = Sdl_Window_To_Screen(hHost, 0, 0);
    for (HWND hWnd : Window_Top_Levels()) {
        RECT rc;
        if (hWnd == hHost || Window_Get_Host(hWnd) != hHost || !IsWindowVisible(hWnd) ||
            !GetWindowRect(hWnd, &rc))
            continue;
        Blit_Surface(hWnd, h, nWidth, nHeight, rc.left - ptOrigin.x, rc.top - ptOrigin.y);
    }
    int nFirst = 0, nLast = nHeight - 1;
    if (h->nWidth == nWidth && h->nHeight == nHeight && !Changed_Rows(h, &nFirst, &nLast))
        return;
    h->nWidth = nWidth;
    h->nHeight = nHeight;
    Show_Rows(h, nFirst, nLast);
    h->aShown.swap(h->aPixels);
}

// The window shows its whole picture again at the next present (it was uncovered or resized).
void Sdl_Forget_Shown(HWND hHost) {
    if (SDL_HOST* h = Find_Host(hHost)) h->nWidth = h->nHeight = 0;
}

bool Sdl_Read_Pixels(HWND hHost, std::vector<uint32_t>* pPixels, int* pnWidth, int* pnHeight) {
    SDL_HOST* h = Find_Host(hHost);
    if (!h || !pPixels || h->nWidth <= 0) return false;
    *pPixels = h->aShown;
    *pnWidth = h->nWidth;
    *pnHeight = h->nHeight;
    return true;
}

void Sdl_Close_Windows(void) {
    for (auto& entry : gHosts) Free_Host(&entry.second);
    gHosts.clear();
}
