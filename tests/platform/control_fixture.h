// A parent window for control tests: it records the notifications, scroll messages and colour
// requests its controls send, and may answer the colour requests with a brush of its own.
#pragma once

#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace control_fixture {

struct PARENT_MESSAGE {
    UINT uMsg;
    WPARAM wParam;
    LPARAM lParam;
    DRAWITEMSTRUCT drawItem;  // WM_DRAWITEM only
};

struct PARENT_STATE {
    std::vector<PARENT_MESSAGE> aReceived;
    HBRUSH hColorBrush = nullptr;  // returned for WM_CTLCOLOR* when set
    COLORREF crText = RGB(0, 0, 0);
    int nBkMode = OPAQUE;
    COLORREF crBk = RGB(255, 255, 255);
};

inline PARENT_STATE& Parent() {
    static PARENT_STATE state;
    return state;
}

inline bool Is_Color_Request(UINT uMsg) {
    return uMsg >= WM_CTLCOLOREDIT && uMsg <= WM_CTLCOLORSTATIC;
}

inline LRESULT Parent_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    PARENT_STATE& p = Parent();
    switch (uMsg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_VSCROLL:
    case WM_HSCROLL: p.aReceived.push_back({uMsg, wParam, lParam, {}}); return 0;
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* pItem = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        p.aReceived.push_back({uMsg, wParam, lParam, *pItem});
        HBRUSH hGreen = CreateSolidBrush(RGB(0, 255, 0));
        FillRect(pItem->hDC, &pItem->rcItem, hGreen);
        DeleteObject(hGreen);
        return TRUE;
    }
    default: break;
    }
    if (Is_Color_Request(uMsg)) {
        p.aReceived.push_back({uMsg, wParam, lParam, {}});
        if (!p.hColorBrush)
            return 0;
        HDC hdc = reinterpret_cast<HDC>(wParam);
        SetTextColor(hdc, p.crText);
        SetBkMode(hdc, p.nBkMode);
        SetBkColor(hdc, p.crBk);
        return reinterpret_cast<LRESULT>(p.hColorBrush);
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// 0x00RRGGBB, as snapshots give pixels.
inline uint32_t Pixel_Of(COLORREF cr) {
    return (static_cast<uint32_t>(GetRValue(cr)) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
}

// A control's client area read back from a snapshot.
struct PIXELS {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint32_t> a;
    uint32_t At(int x, int y) const {
        return a[static_cast<size_t>(y) * nWidth + x];
    }
    // The columns (or rows) that hold a pixel of the colour, as [first, last]; -1, -1 when none.
    std::pair<int, int> Span(uint32_t nColor, bool bColumns) const {
        int nFirst = -1, nLast = -1;
        for (int y = 0; y < nHeight; y++)
            for (int x = 0; x < nWidth; x++)
                if (At(x, y) == nColor) {
                    int n = bColumns ? x : y;
                    if (nFirst < 0 || n < nFirst)
                        nFirst = n;
                    if (n > nLast)
                        nLast = n;
                }
        return {nFirst, nLast};
    }
    bool Has(uint32_t nColor) const {
        return Span(nColor, true).first >= 0;
    }
    // The sum of the channels of the darkest pixel inside rc.
    int Darkest(RECT rc) const {
        int nDarkest = 3 * 255;
        for (int y = std::max<int>(rc.top, 0); y < std::min<int>(rc.bottom, nHeight); y++)
            for (int x = std::max<int>(rc.left, 0); x < std::min<int>(rc.right, nWidth); x++) {
                uint32_t n = At(x, y);
                nDarkest = std::min<int>(nDarkest, (n >> 16) + ((n >> 8) & 0xFF) + (n & 0xFF));
            }
        return nDarkest;
    }
    // The columns (or rows) inside rc that hold a pixel other than the background, as [first,
    // last]; -1, -1 when none. Text is smoothed, so its ink is found this way.
    std::pair<int, int> Ink(uint32_t nBackground, RECT rc, bool bColumns) const {
        int nFirst = -1, nLast = -1;
        for (int y = std::max<int>(rc.top, 0); y < std::min<int>(rc.bottom, nHeight); y++)
            for (int x = std::max<int>(rc.left, 0); x < std::min<int>(rc.right, nWidth); x++)
                if (At(x, y) != nBackground) {
                    int n = bColumns ? x : y;
                    if (nFirst < 0 || n < nFirst)
                        nFirst = n;
                    if (n > nLast)
                        nLast = n;
                }
        return {nFirst, nLast};
    }
};

class ControlTest : public ::testing::Test {
protected:
    HWND hParent = nullptr;

    void SetUp() override {
        Test_Reset_Platform();
        Parent() = PARENT_STATE();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Parent_Proc;
        wc.lpszClassName = "ControlTestParent";
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        ASSERT_NE(RegisterClassA(&wc), 0u);
        hParent = CreateWindowExA(0, "ControlTestParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                                  nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(hParent, nullptr);
    }
    void TearDown() override {
        if (Parent().hColorBrush)
            DeleteObject(Parent().hColorBrush);
        Test_Reset_Platform();
    }

    HWND Create(const char* szClass, const char* szText, DWORD dwStyle, int x, int y, int nWidth,
                int nHeight, int nId = 100) {
        HWND h = CreateWindowExA(
            0, szClass, szText, WS_CHILD | WS_VISIBLE | dwStyle, x, y, nWidth, nHeight, hParent,
            reinterpret_cast<HMENU>(static_cast<intptr_t>(nId)), nullptr, nullptr);
        EXPECT_NE(h, nullptr);
        return h;
    }

    static void Click(HWND h, int x, int y) {
        Test_Send_Mouse(h, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        Test_Send_Mouse(h, WM_LBUTTONUP, x, y, 0);
    }

    // The WM_COMMAND notifications with the code the parent got from control nId.
    static int Commands(int nId, UINT uCode) {
        int n = 0;
        for (const PARENT_MESSAGE& m : Parent().aReceived)
            if (m.uMsg == WM_COMMAND && LOWORD(m.wParam) == nId && HIWORD(m.wParam) == uCode)
                n++;
        return n;
    }

    static std::vector<PARENT_MESSAGE> Received(UINT uMsg) {
        std::vector<PARENT_MESSAGE> a;
        for (const PARENT_MESSAGE& m : Parent().aReceived)
            if (m.uMsg == uMsg)
                a.push_back(m);
        return a;
    }

    static PIXELS Snapshot(HWND h) {
        PIXELS px;
        const std::string stPath = "control.png";
        EXPECT_TRUE(Test_Snapshot_Window(h, false, stPath));
        EXPECT_TRUE(Test_Read_Png(stPath, &px.nWidth, &px.nHeight, &px.a));
        return px;
    }

    static std::string Text_Of(HWND h) {
        char sz[512] = {};
        GetWindowTextA(h, sz, sizeof(sz));
        return sz;
    }
};

}  // namespace control_fixture
