// A parent window for list box and combo box tests: it records the notifications (WM_COMMAND),
// the owner-draw messages and the colour requests its controls send, answers WM_MEASUREITEM
// with a chosen height and WM_CTLCOLORLISTBOX with a chosen brush.
#pragma once

#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace list_control_fixture {

struct NOTIFICATION {
    int nId;
    int nCode;
    HWND hControl;
};

struct PARENT_LOG {
    std::vector<NOTIFICATION> aNotes;
    std::vector<MEASUREITEMSTRUCT> aMeasured;
    std::vector<DRAWITEMSTRUCT> aDrawn;
    int nColorRequests = 0;
};

inline PARENT_LOG& Log() {
    static PARENT_LOG log;
    return log;
}

// What the parent answers: a row height for WM_MEASUREITEM (0 leaves the proposed one), and for
// WM_CTLCOLORLISTBOX a brush (null: none) with a text colour.
struct PARENT_ANSWERS {
    UINT nMeasuredHeight = 0;
    UINT nMeasuredFieldHeight = 0;  // itemID -1 (a combo box's field); 0: as the rows
    HBRUSH hListBrush = nullptr;
    COLORREF crListText = 0;
};

inline PARENT_ANSWERS& Answers() {
    static PARENT_ANSWERS answers;
    return answers;
}

inline LRESULT Parent_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_COMMAND:
        Log().aNotes.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
        return 0;
    case WM_MEASUREITEM: {
        auto* pMis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        Log().aMeasured.push_back(*pMis);
        UINT nHeight = Answers().nMeasuredHeight;
        if (pMis->itemID == static_cast<UINT>(-1) && Answers().nMeasuredFieldHeight)
            nHeight = Answers().nMeasuredFieldHeight;
        if (nHeight)
            pMis->itemHeight = nHeight;
        return TRUE;
    }
    case WM_DRAWITEM:
        Log().aDrawn.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORLISTBOX:
        Log().nColorRequests++;
        if (!Answers().hListBrush)
            break;
        SetTextColor(reinterpret_cast<HDC>(wParam), Answers().crListText);
        return reinterpret_cast<LRESULT>(Answers().hListBrush);
    default: break;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// Pixels as Test_Read_Png gives them: 0x00RRGGBB.
inline uint32_t Rgb_Of(COLORREF cr) {
    return (static_cast<uint32_t>(GetRValue(cr)) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
}

class ListControlTest : public ::testing::Test {
protected:
    HWND hParent = nullptr;

    void SetUp() override {
        Test_Reset_Platform();
        Log() = PARENT_LOG();
        Answers() = PARENT_ANSWERS();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Parent_Proc;
        wc.lpszClassName = "ListControlParent";
        ASSERT_NE(RegisterClassA(&wc), 0u);
        hParent =
            CreateWindowExA(0, "ListControlParent", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                            0, 400, 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(hParent, nullptr);
    }
    void TearDown() override {
        if (Answers().hListBrush)
            DeleteObject(Answers().hListBrush);
        Test_Reset_Platform();
    }

    HWND Create(const char* szClass, DWORD dwStyle, int nWidth, int nHeight, int nId = 100) {
        HWND h = CreateWindowExA(
            0, szClass, "", WS_CHILD | WS_VISIBLE | dwStyle, 10, 10, nWidth, nHeight, hParent,
            reinterpret_cast<HMENU>(static_cast<intptr_t>(nId)), nullptr, nullptr);
        EXPECT_NE(h, nullptr);
        return h;
    }

    static void Add_Strings(HWND h, UINT uAdd, const std::vector<std::string>& aTexts) {
        for (const std::string& st : aTexts)
            SendMessageA(h, uAdd, 0, reinterpret_cast<LPARAM>(st.c_str()));
    }

    // The notification codes the parent got, in order, and forgets them.
    static std::vector<int> Take_Codes() {
        std::vector<int> a;
        for (const NOTIFICATION& n : Log().aNotes)
            a.push_back(n.nCode);
        Log().aNotes.clear();
        return a;
    }

    static void Click(HWND h, int x, int y) {
        Test_Send_Mouse(h, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        Test_Send_Mouse(h, WM_LBUTTONUP, x, y, 0);
    }

    // The window's client area as pixels (0x00RRGGBB), rows top-down.
    struct PICTURE {
        int nWidth = 0;
        int nHeight = 0;
        std::vector<uint32_t> aPixels;
        uint32_t At(int x, int y) const {
            return aPixels[static_cast<size_t>(y) * static_cast<size_t>(nWidth) +
                           static_cast<size_t>(x)];
        }
    };
    static PICTURE Snapshot(HWND h) {
        PICTURE p;
        EXPECT_TRUE(Test_Snapshot_Window(h, false, "control.png"));
        EXPECT_TRUE(Test_Read_Png("control.png", &p.nWidth, &p.nHeight, &p.aPixels));
        return p;
    }
};

}  // namespace list_control_fixture

using list_control_fixture::Answers;
using list_control_fixture::ListControlTest;
using list_control_fixture::Log;
using list_control_fixture::Rgb_Of;
