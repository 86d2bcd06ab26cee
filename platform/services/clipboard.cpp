// Global memory blocks and the layer's one clipboard, which holds text (CF_TEXT). A backend with
// a desktop clipboard mirrors it: text set here goes there, and opening the clipboard takes the
// desktop's text when it changed.
#include "../platform_internal.h"

#include <stdlib.h>
#include <string.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct GLOBAL_BLOCK {
    std::vector<uint8_t> aBytes;
    int nLocks = 0;
};

// Blocks by handle; the handle is the block's own address.
std::map<HGLOBAL, std::unique_ptr<GLOBAL_BLOCK>> gBlocks;

struct CLIPBOARD {
    bool bOpen = false;
    HWND hOwner = nullptr;
    std::map<UINT, HGLOBAL> aData;  // by format; the clipboard owns these blocks
};

CLIPBOARD gClipboard;

GLOBAL_BLOCK* Find_Block(HGLOBAL hMem) {
    auto it = gBlocks.find(hMem);
    return it == gBlocks.end() ? nullptr : it->second.get();
}

void Free_Clipboard_Data(void) {
    for (auto& entry : gClipboard.aData) GlobalFree(entry.second);
    gClipboard.aData.clear();
}

// The text last exchanged with the desktop's clipboard.
std::string gDesktopText;

const char* Block_Text(HGLOBAL hMem, size_t* pnLength) {
    GLOBAL_BLOCK* b = Find_Block(hMem);
    if (!b) return nullptr;
    const char* p = reinterpret_cast<const char*>(b->aBytes.data());
    *pnLength = strnlen(p, b->aBytes.size());
    return p;
}

// Takes the desktop's text when someone else put it there since.
void Take_Desktop_Text(void) {
    std::string stText;
    if (!Backend()->Clipboard_Get_Text || !Backend()->Clipboard_Get_Text(&stText)) return;
    if (stText == gDesktopText) return;
    gDesktopText = stText;
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, stText.size() + 1);
    memcpy(Find_Block(hMem)->aBytes.data(), stText.c_str(), stText.size() + 1);
    Free_Clipboard_Data();
    gClipboard.aData[CF_TEXT] = hMem;
}

void Give_Desktop_Text(HGLOBAL hMem) {
    size_t nLength = 0;
    const char* p = Block_Text(hMem, &nLength);
    if (!Backend()->Clipboard_Set_Text || !p) return;
    gDesktopText.assign(p, nLength);
    Backend()->Clipboard_Set_Text(gDesktopText.c_str());
}

}  // namespace

HGLOBAL GlobalAlloc(UINT /*uFlags*/, size_t nBytes) {
    // Blocks are always zeroed and never move, whatever the flags ask.
    auto pBlock = std::make_unique<GLOBAL_BLOCK>();
    pBlock->aBytes.assign(nBytes ? nBytes : 1, 0);
    HGLOBAL hMem = pBlock.get();
    gBlocks[hMem] = std::move(pBlock);
    return hMem;
}

LPVOID GlobalLock(HGLOBAL hMem) {
    GLOBAL_BLOCK* b = Find_Block(hMem);
    if (!b) return nullptr;
    b->nLocks++;
    return b->aBytes.data();
}

BOOL GlobalUnlock(HGLOBAL hMem) {
    GLOBAL_BLOCK* b = Find_Block(hMem);
    if (!b || b->nLocks == 0) return FALSE;
    b->nLocks--;
    return b->nLocks > 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL hMem) {
    if (!Find_Block(hMem)) return hMem;
    gBlocks.erase(hMem);
    return nullptr;
}

size_t GlobalSize(HGLOBAL hMem) {
    GLOBAL_BLOCK* b = Find_Block(hMem);
    return b ? b->aBytes.size() : 0;
}

BOOL OpenClipboard(HWND hOwner) {
    if (gClipboard.bOpen) return FALSE;
    gClipboard.bOpen = true;
    gClipboard.hOwner = hOwner;
    Take_Desktop_Text();
    return TRUE;
}

BOOL CloseClipboard(void) {
    if (!gClipboard.bOpen) return FALSE;
    gClipboard.bOpen = false;
    return TRUE;
}

BOOL EmptyClipboard(void) {
    if (!gClipboard.bOpen) return FALSE;
    Free_Clipboard_Data();
    return TRUE;
}

HANDLE SetClipboardData(UINT uFormat, HANDLE hMem) {
    if (!gClipboard.bOpen || uFormat != CF_TEXT || !Find_Block(hMem)) return nullptr;
    auto it = gClipboard.aData.find(uFormat);
    if (it != gClipboard.aData.end() && it->second != hMem) GlobalFree(it->second);
    gClipboard.aData[uFormat] = hMem;
    Give_Desktop_Text(hMem);
    return hMem;
}

HANDLE GetClipboardData(UINT uFormat) {
    if (!gClipboard.bOpen) return nullptr;
    auto it = gClipboard.aData.find(uFormat);
    return it == gClipboard.aData.end() ? nullptr : it->second;
}

BOOL IsClipboardFormatAvailable(UINT uFormat) {
    return gClipboard.aData.count(uFormat) ? TRUE : FALSE;
}

void Clipboard_Reset(void) {
    Free_Clipboard_Data();
    gClipboard = CLIPBOARD();
    gBlocks.clear();
    gDesktopText.clear();
}
