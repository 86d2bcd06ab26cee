// Accelerator tables and TranslateAcceleratorA. The Shift, Ctrl and Alt state is the keyboard's
// (GetKeyState), so keys let go while a dialog had them are not still held.
#include "../platform_internal.h"
#include "../rc/rc_tables.h"

#include <map>
#include <memory>

namespace {

struct ACCEL_TABLE {
    std::vector<ACCEL> aEntries;
};

std::map<HACCEL, std::unique_ptr<ACCEL_TABLE>> gAccelTables;
std::map<int, HACCEL> gLoadedTables;  // a resource's table, loaded once

const BYTE kModifierFlags = FSHIFT | FCONTROL | FALT;

HACCEL New_Table(std::vector<ACCEL> aEntries) {
    auto pTable = std::make_unique<ACCEL_TABLE>();
    pTable->aEntries = std::move(aEntries);
    HACCEL hAccel = reinterpret_cast<HACCEL>(pTable.get());
    gAccelTables[hAccel] = std::move(pTable);
    return hAccel;
}

// FSHIFT, FCONTROL and FALT for the modifier keys now down; a system key message says Alt is down
// (lParam bit 29).
BYTE Held_Modifiers(const MSG& msg) {
    BYTE fHeld = 0;
    if (GetKeyState(VK_SHIFT) < 0) fHeld |= FSHIFT;
    if (GetKeyState(VK_CONTROL) < 0) fHeld |= FCONTROL;
    if (GetKeyState(VK_MENU) < 0 || (msg.message == WM_SYSKEYDOWN && (msg.lParam & (1 << 29))))
        fHeld |= FALT;
    return fHeld;
}

// A key entry matches the key with exactly its modifiers; a character entry matches WM_CHAR, or
// WM_SYSCHAR when it asks for Alt.
bool Entry_Matches(const ACCEL& a, const MSG& msg) {
    if (a.fVirt & FVIRTKEY) {
        bool bKeyDown = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
        return bKeyDown && a.key == msg.wParam && (a.fVirt & kModifierFlags) == Held_Modifiers(msg);
    }
    UINT uCharMessage = a.fVirt & FALT ? WM_SYSCHAR : WM_CHAR;
    return msg.message == uCharMessage && a.key == msg.wParam;
}

}  // namespace

HACCEL LoadAcceleratorsA(HINSTANCE /*hInstance*/, LPCSTR szName) {
    if (!IS_INTRESOURCE(szName)) return nullptr;
    int nId = static_cast<int>(reinterpret_cast<UINT_PTR>(szName));
    auto it = gLoadedTables.find(nId);
    if (it != gLoadedTables.end()) return it->second;
    const RC_ACCEL_TABLE* pResource = Rc_Find_Accelerators(nId);
    if (!pResource) return nullptr;
    std::vector<ACCEL> aEntries;
    for (int i = 0; i < pResource->nEntries; i++) {
        const RC_ACCEL& r = pResource->pEntries[i];
        aEntries.push_back({r.fVirt, r.key, r.cmd});
    }
    HACCEL hAccel = New_Table(std::move(aEntries));
    gLoadedTables[nId] = hAccel;
    return hAccel;
}

HACCEL CreateAcceleratorTableA(const ACCEL* pEntries, int nEntries) {
    if (!pEntries || nEntries <= 0) return nullptr;
    return New_Table(std::vector<ACCEL>(pEntries, pEntries + nEntries));
}

BOOL DestroyAcceleratorTable(HACCEL hAccel) {
    if (!gAccelTables.erase(hAccel)) return FALSE;
    for (auto it = gLoadedTables.begin(); it != gLoadedTables.end();)
        it = it->second == hAccel ? gLoadedTables.erase(it) : std::next(it);
    return TRUE;
}

int TranslateAcceleratorA(HWND hWnd, HACCEL hAccel, MSG* pMsg) {
    if (!pMsg) return 0;
    auto it = gAccelTables.find(hAccel);
    if (it == gAccelTables.end() || !IsWindow(hWnd)) return 0;
    for (const ACCEL& a : it->second->aEntries) {
        if (!Entry_Matches(a, *pMsg)) continue;
        SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
        return 1;
    }
    return 0;
}

void Accelerator_Reset(void) {
    gAccelTables.clear();
    gLoadedTables.clear();
}
