// One real SDL window for each host window (a top-level window with no owner; child windows and
// owned windows such as dialogs are drawn by the layer inside their host). The SDL window shows
// the host's menu bar and client area; its frame and caption are the desktop's own. Presenting
// composes the host's drawn pixels, with its owned windows over them, only where something was
// drawn or an owned window came, went or moved since the last present, and shows that part
// alone, so that a small animation (the news ticker) costs only its own strip.
#include "sdl_backend.h"

#include <string.h>

#include <algorithm>
#include <map>
#include <vector>

bool gSdlApplyingEvent = false;

namespace {

// An owned window where it stood in its host's picture.
struct SDL_OWNED {
    HWND hWnd;
    RECT rc;
    bool operator==(const SDL_OWNED& o) const {
        return hWnd == o.hWnd && rc.left == o.rc.left && rc.top == o.rc.top &&
               rc.right == o.rc.right && rc.bottom == o.rc.bottom;
    }
};

struct SDL_HOST {
    SDL_Window* pWindow;
    int nWidth;  // the picture last shown; 0 when the window must be shown whole
    int nHeight;
    std::vector<uint32_t> aPixels;  // the picture shown
    std::vector<SDL_OWNED> aOwned;  // the owned windows shown over it, back to front
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

RECT Offset_Rect_By(const RECT& rc, int dx, int dy) {
    return {rc.left + dx, rc.top + dy, rc.right + dx, rc.bottom + dy};
}

RECT Union_Of(const RECT& a, const RECT& b) {
    if (a.right <= a.left || a.bottom <= a.top) return b;
    if (b.right <= b.left || b.bottom <= b.top) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// Copies the part of a window's drawn surface inside rcPart of the host's picture, the
// surface's (0,0) landing at (x, y) of the picture.
void Blit_Surface(HWND hWnd, SDL_HOST* h, const RECT& rcPart, int x, int y) {
    SURFACE_VIEW view;
    if (!Gdi_Get_Window_Surface(hWnd, &view)) return;
    const int nLeft = std::max<int>(rcPart.left, x);
    const int nRight = std::min<int>(rcPart.right, x + view.nWidth);
    const int nTop = std::max<int>(rcPart.top, y);
    const int nBottom = std::min<int>(rcPart.bottom, y + view.nHeight);
    for (int ty = nTop; ty < nBottom; ty++) {
        const uint32_t* pFrom = view.pPixels + static_cast<size_t>(ty - y) * view.nStride;
        uint32_t* pTo = &h->aPixels[static_cast<size_t>(ty) * h->nWidth];
        for (int tx = nLeft; tx < nRight; tx++) pTo[tx] = pFrom[tx - x] | 0xFF000000u;
    }
}

void Free_Host(SDL_HOST* h) {
    if (h->pWindow) SDL_DestroyWindow(h->pWindow);
}

// Shows a part of the picture on the window's surface.
void Show_Part(SDL_HOST* h, const RECT& rcPart) {
    SDL_Surface* pSurface = SDL_GetWindowSurface(h->pWindow);
    if (!pSurface) return;
    SDL_Surface* pPicture = SDL_CreateRGBSurfaceWithFormatFrom(
        h->aPixels.data(), h->nWidth, h->nHeight, 32, h->nWidth * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!pPicture) return;
    SDL_Rect rc = {static_cast<int>(rcPart.left), static_cast<int>(rcPart.top),
                   static_cast<int>(rcPart.right - rcPart.left),
                   static_cast<int>(rcPart.bottom - rcPart.top)};
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

// The host's visible owned windows, back to front, where they stand in its picture.
static std::vector<SDL_OWNED> Owned_Windows(HWND hHost) {
    std::vector<SDL_OWNED> aOwned;
    POINT ptOrigin = Sdl_Window_To_Screen(hHost, 0, 0);
    for (HWND hWnd : Window_Top_Levels()) {
        RECT rc;
        if (hWnd == hHost || Window_Get_Host(hWnd) != hHost || !IsWindowVisible(hWnd) ||
            !GetWindowRect(hWnd, &rc))
            continue;
        aOwned.push_back({hWnd, Offset_Rect_By(rc, -ptOrigin.x, -ptOrigin.y)});
    }
    return aOwned;
}

// What the picture must show anew: where the host or an owned window was drawn on, and where
// owned windows stood or stand when they came, went, moved or changed order.
static RECT Changed_Part(HWND hHost, const SDL_HOST* h, const RECT& rcShown,
                         const std::vector<SDL_OWNED>& aOwned) {
    RECT rcChanged = Offset_Rect_By(Gdi_Take_Window_Damage(hHost), -rcShown.left, -rcShown.top);
    for (const SDL_OWNED& o : aOwned)
        rcChanged = Union_Of(rcChanged,
                             Offset_Rect_By(Gdi_Take_Window_Damage(o.hWnd), o.rc.left, o.rc.top));
    if (aOwned != h->aOwned) {
        for (const SDL_OWNED& o : aOwned) rcChanged = Union_Of(rcChanged, o.rc);
        for (const SDL_OWNED& o : h->aOwned) rcChanged = Union_Of(rcChanged, o.rc);
    }
    return rcChanged;
}


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
    std::vector<SDL_OWNED> aOwned = Owned_Windows(hHost);
    RECT rcPart = Changed_Part(hHost, h, rcShown, aOwned);
    h->aOwned = aOwned;
    if (h->nWidth != nWidth || h->nHeight != nHeight) {
        h->nWidth = nWidth;
        h->nHeight = nHeight;
        h->aPixels.assign(static_cast<size_t>(nWidth) * nHeight, kFaceColour);
        rcPart = {0, 0, nWidth, nHeight};
    }
    rcPart = {std::max<LONG>(rcPart.left, 0), std::max<LONG>(rcPart.top, 0),
              std::min<LONG>(rcPart.right, nWidth), std::min<LONG>(rcPart.bottom, nHeight)};
    if (rcPart.right <= rcPart.left || rcPart.bottom <= rcPart.top) return;
    for (int y = rcPart.top; y < rcPart.bottom; y++)
        std::fill_n(&h->aPixels[static_cast<size_t>(y) * nWidth + rcPart.left],
                    rcPart.right - rcPart.left, kFaceColour);
    Blit_Surface(hHost, h, rcPart, -rcShown.left, -rcShown.top);
    for (const SDL_OWNED& o : aOwned) Blit_Surface(o.hWnd, h, rcPart, o.rc.left, o.rc.top);
    Show_Part(h, rcPart);
}

// The window shows its whole picture again at the next present (it was uncovered or resized).
void Sdl_Forget_Shown(HWND hHost) {
    if (SDL_HOST* h = Find_Host(hHost)) h->nWidth = h->nHeight = 0;
}

bool Sdl_Read_Pixels(HWND hHost, std::vector<uint32_t>* pPixels, int* pnWidth, int* pnHeight) {
    SDL_HOST* h = Find_Host(hHost);
    if (!h || !pPixels || h->nWidth <= 0) return false;
    *pPixels = h->aPixels;
    *pnWidth = h->nWidth;
    *pnHeight = h->nHeight;
    return true;
}

void Sdl_Close_Windows(void) {
    for (auto& entry : gHosts) Free_Host(&entry.second);
    gHosts.clear();
}
