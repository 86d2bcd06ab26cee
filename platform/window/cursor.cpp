// Cursors: the system shapes (IDC_*), cursors read from .cur files, the current cursor and its
// display count, and DefWindowProcA's WM_SETCURSOR. The backend draws them.
#include "cursor_file.h"
#include "window_data.h"

#include <map>
#include <memory>

namespace {

struct CURSOR_DATA {
    int nSystemId;  // 0 for a cursor read from a file
    CURSOR_IMAGE image;
};

std::map<int, std::unique_ptr<CURSOR_DATA>> gSystemCursors;
std::vector<std::unique_ptr<CURSOR_DATA>> gFileCursors;
HCURSOR gCurrentCursor = nullptr;
int gShowCount = 0;

const int kFirstSystemCursor = 32512;  // IDC_ARROW
const int kLastSystemCursor = 32650;   // IDC_APPSTARTING

HCURSOR Handle_Of(CURSOR_DATA* p) { return reinterpret_cast<HCURSOR>(p); }

CURSOR_DATA* Find_Cursor(HCURSOR hCursor) {
    if (!hCursor) return nullptr;
    for (auto& entry : gSystemCursors)
        if (Handle_Of(entry.second.get()) == hCursor) return entry.second.get();
    for (auto& p : gFileCursors)
        if (Handle_Of(p.get()) == hCursor) return p.get();
    return nullptr;
}

void Tell_Backend(void) { Backend()->Set_Cursor(gCurrentCursor, gShowCount >= 0); }

}  // namespace

HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR szName) {
    // The program has no cursor resources: only the system's shapes load.
    if (hInstance || !IS_INTRESOURCE(szName)) return nullptr;
    int nId = static_cast<int>(reinterpret_cast<UINT_PTR>(szName));
    if (nId < kFirstSystemCursor || nId > kLastSystemCursor) return nullptr;
    std::unique_ptr<CURSOR_DATA>& p = gSystemCursors[nId];
    if (!p) p.reset(new CURSOR_DATA{nId, {}});
    return Handle_Of(p.get());
}

HCURSOR LoadCursorFromFileA(LPCSTR szFile) {
    FILE* pFile = Platform_Open_File(szFile, "rb");
    if (!pFile) return nullptr;
    std::vector<uint8_t> aData;
    uint8_t aBuffer[4096];
    size_t nRead;
    while ((nRead = fread(aBuffer, 1, sizeof(aBuffer), pFile)) > 0)
        aData.insert(aData.end(), aBuffer, aBuffer + nRead);
    bool bFailed = ferror(pFile) != 0;
    fclose(pFile);
    auto p = std::make_unique<CURSOR_DATA>();
    p->nSystemId = 0;
    if (bFailed || !Cursor_File_Read(aData, &p->image)) return nullptr;
    gFileCursors.push_back(std::move(p));
    return Handle_Of(gFileCursors.back().get());
}

BOOL DestroyCursor(HCURSOR hCursor) {
    // System cursors are shared and stay.
    for (auto it = gFileCursors.begin(); it != gFileCursors.end(); ++it) {
        if (Handle_Of(it->get()) != hCursor) continue;
        if (gCurrentCursor == hCursor) SetCursor(nullptr);
        Backend()->Cursor_Destroyed(hCursor);
        gFileCursors.erase(it);
        return TRUE;
    }
    return FALSE;
}

HCURSOR SetCursor(HCURSOR hCursor) {
    HCURSOR hOld = gCurrentCursor;
    if (hCursor && !Find_Cursor(hCursor)) return hOld;
    gCurrentCursor = hCursor;
    if (hOld != hCursor) Tell_Backend();
    return hOld;
}

HCURSOR GetCursor(void) { return gCurrentCursor; }

int ShowCursor(BOOL bShow) {
    bool bWasShown = gShowCount >= 0;
    gShowCount += bShow ? 1 : -1;
    if (bWasShown != (gShowCount >= 0)) Tell_Backend();
    return gShowCount;
}

bool Cursor_Get_View(HCURSOR hCursor, CURSOR_VIEW* pView) {
    CURSOR_DATA* p = Find_Cursor(hCursor);
    if (!p || !pView) return false;
    *pView = {p->nSystemId,   p->image.nWidth, p->image.nHeight,
              p->image.nHotX, p->image.nHotY,  p->image.aPixels.data()};
    return p->nSystemId == 0;
}

void Cursor_Reset(void) {
    gCurrentCursor = nullptr;
    gShowCount = 0;
}

bool Window_Default_Set_Cursor(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return false;
    // The parent may choose the cursor over its children; wParam keeps naming the window under
    // the pointer.
    if (Window_Is_Child(w) && SendMessageA(w->hParent, WM_SETCURSOR, wParam, lParam)) return true;
    if (LOWORD(lParam) != HTCLIENT || !(w = Window_Find(hWnd)) || !w->hClassCursor) return false;
    SetCursor(w->hClassCursor);
    return true;
}
