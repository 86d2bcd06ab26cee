// The layer's cursors as SDL cursors: the system shapes by their nearest SDL shape, file cursors
// from their pixels; each is made once.
#include "sdl_backend.h"

#include <map>

namespace {

std::map<HCURSOR, SDL_Cursor*> gSdlCursors;

SDL_SystemCursor System_Shape(int nSystemId) {
    switch (nSystemId) {
    case 32513: return SDL_SYSTEM_CURSOR_IBEAM;
    case 32514: return SDL_SYSTEM_CURSOR_WAIT;
    case 32515: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case 32642: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case 32643: return SDL_SYSTEM_CURSOR_SIZENESW;
    case 32644: return SDL_SYSTEM_CURSOR_SIZEWE;
    case 32645: return SDL_SYSTEM_CURSOR_SIZENS;
    case 32646: return SDL_SYSTEM_CURSOR_SIZEALL;
    case 32648: return SDL_SYSTEM_CURSOR_NO;
    case 32649: return SDL_SYSTEM_CURSOR_HAND;
    case 32650: return SDL_SYSTEM_CURSOR_WAITARROW;
    }
    return SDL_SYSTEM_CURSOR_ARROW;
}

SDL_Cursor* Make_Cursor(HCURSOR hCursor) {
    CURSOR_VIEW view;
    if (!Cursor_Get_View(hCursor, &view))
        return SDL_CreateSystemCursor(System_Shape(view.nSystemId));
    SDL_Surface* pSurface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(view.pPixels), view.nWidth, view.nHeight, 32, view.nWidth * 4,
        SDL_PIXELFORMAT_ARGB8888);
    if (!pSurface) return nullptr;
    SDL_Cursor* pCursor = SDL_CreateColorCursor(pSurface, view.nHotX, view.nHotY);
    SDL_FreeSurface(pSurface);
    return pCursor;
}

}  // namespace

void Sdl_Set_Cursor(HCURSOR hCursor, bool bVisible) {
    SDL_ShowCursor(bVisible && hCursor ? SDL_ENABLE : SDL_DISABLE);
    if (!hCursor) return;
    auto it = gSdlCursors.find(hCursor);
    SDL_Cursor* pCursor = it != gSdlCursors.end() ? it->second : Make_Cursor(hCursor);
    if (!pCursor) return;
    gSdlCursors[hCursor] = pCursor;
    SDL_SetCursor(pCursor);
}

void Sdl_Set_Cursor_Pos(POINT ptScreen) { SDL_WarpMouseGlobal(ptScreen.x, ptScreen.y); }

void Sdl_Cursor_Destroyed(HCURSOR hCursor) {
    auto it = gSdlCursors.find(hCursor);
    if (it == gSdlCursors.end()) return;
    SDL_FreeCursor(it->second);
    gSdlCursors.erase(it);
}

void Sdl_Free_Cursors(void) {
    for (auto& entry : gSdlCursors) SDL_FreeCursor(entry.second);
    gSdlCursors.clear();
}
