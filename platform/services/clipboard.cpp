// Global memory blocks and the layer's one clipboard, which holds text (CF_TEXT). The clipboard
// lives in the layer: other programs on the desktop do not see it.
#include "../platform_internal.h"

#include <stdlib.h>
#include <string.h>

#include <map>
#include <memory>
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
}
