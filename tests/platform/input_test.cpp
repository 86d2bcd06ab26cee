// Input as the backend delivers it: the mouse to the child window under the pointer or to the
// capture window, WM_SETCURSOR with the class cursor, double clicks, keys with the characters
// TranslateMessage gives and the keys' state; the SDL key and text tables; the backend that
// tests run on.
#include "platform/backend/sdl/sdl_backend.h"
#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

namespace input_test {

struct INPUT_SEEN {
    HWND hWnd;
    UINT uMsg;
    WPARAM wParam;
    int x;
    int y;
    bool bShiftHeld;
};

std::vector<INPUT_SEEN> gInput;

bool Is_Input(UINT uMsg) {
    return (uMsg >= WM_KEYDOWN && uMsg <= WM_SYSCHAR) ||
           (uMsg >= WM_MOUSEMOVE && uMsg <= WM_RBUTTONDBLCLK) || uMsg == WM_SETCURSOR ||
           uMsg == WM_CAPTURECHANGED;
}

LRESULT Input_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (Is_Input(uMsg))
        gInput.push_back({hWnd, uMsg, wParam, static_cast<short>(LOWORD(lParam)),
                          static_cast<short>(HIWORD(lParam)), GetKeyState(VK_SHIFT) < 0});
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        gInput.clear();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Input_Proc;
        wc.hCursor = LoadCursorA(nullptr, IDC_HAND);
        wc.lpszClassName = "InputWindow";
        ASSERT_NE(RegisterClassA(&wc), 0u);
        wc.style = CS_DBLCLKS;
        wc.lpszClassName = "DoubleClickWindow";
        ASSERT_NE(RegisterClassA(&wc), 0u);
        // A framed top-level window with two children side by side and one inside the first.
        hTop = CreateWindowExA(0, "InputWindow", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400,
                               300, nullptr, nullptr, nullptr, nullptr);
        hLeft = Child(hTop, 10, 10, 100, 100, "InputWindow");
        hRight = Child(hTop, 200, 10, 100, 100, "DoubleClickWindow");
        hInner = Child(hLeft, 20, 20, 30, 30, "InputWindow");
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    HWND Child(HWND hParent, int x, int y, int cx, int cy, const char* szClass) {
        return CreateWindowExA(0, szClass, "", WS_CHILD | WS_VISIBLE, x, y, cx, cy, hParent,
                               nullptr, nullptr, nullptr);
    }

    // The input messages seen, without WM_SETCURSOR.
    std::vector<INPUT_SEEN> Input_Only() {
        std::vector<INPUT_SEEN> a;
        for (const INPUT_SEEN& s : gInput)
            if (s.uMsg != WM_SETCURSOR)
                a.push_back(s);
        return a;
    }

    HWND hTop = nullptr, hLeft = nullptr, hRight = nullptr, hInner = nullptr;
};

TEST_F(InputTest, MouseGoesToTheDeepestVisibleEnabledChild) {
    struct MOUSE_CASE {
        int x, y;  // in the top-level window's client area
        HWND* phExpected;
        int xExpected, yExpected;
    };
    const MOUSE_CASE kCases[] = {
        {35, 35, &hInner, 5, 5},      // inside the inner child
        {15, 15, &hLeft, 5, 5},       // the left child around it
        {250, 50, &hRight, 50, 40},   // the right child
        {150, 200, &hTop, 150, 200},  // no child there
    };
    for (const MOUSE_CASE& c : kCases) {
        gInput.clear();
        Test_Send_Mouse(hTop, WM_LBUTTONDOWN, c.x, c.y, MK_LBUTTON);
        ASSERT_EQ(Input_Only().size(), 1u) << c.x << "," << c.y;
        const INPUT_SEEN s = Input_Only()[0];
        EXPECT_EQ(s.hWnd, *c.phExpected) << c.x << "," << c.y;
        EXPECT_EQ(s.uMsg, static_cast<UINT>(WM_LBUTTONDOWN));
        EXPECT_EQ(s.wParam, static_cast<WPARAM>(MK_LBUTTON));
        EXPECT_EQ(s.x, c.xExpected);
        EXPECT_EQ(s.y, c.yExpected);
        Test_Send_Mouse(hTop, WM_LBUTTONUP, c.x, c.y, 0);
    }
    EXPECT_EQ(GetActiveWindow(), hTop);  // a click activates

    // A hidden or disabled child lets the click through to its parent; a disabled top-level
    // window takes nothing.
    ShowWindow(hInner, SW_HIDE);
    EnableWindow(hRight, FALSE);
    const std::pair<int, HWND*> kThrough[] = {{35, &hLeft}, {250, &hTop}};
    for (const auto& t : kThrough) {
        gInput.clear();
        Test_Send_Mouse(hTop, WM_LBUTTONDOWN, t.first, 35, 0);
        ASSERT_EQ(Input_Only().size(), 1u);
        EXPECT_EQ(Input_Only()[0].hWnd, *t.second);
    }
    EnableWindow(hTop, FALSE);
    gInput.clear();
    Test_Send_Mouse(hTop, WM_LBUTTONDOWN, 150, 200, 0);
    EXPECT_TRUE(Input_Only().empty());
}

TEST_F(InputTest, OwnedPopupsTakeTheClicksOverThem) {
    // A popup owned by the window is drawn inside it and lies over its left child.
    POINT pt = {0, 0};
    ClientToScreen(hTop, &pt);
    HWND hPopup = CreateWindowExA(0, "InputWindow", "", WS_POPUP | WS_CAPTION | WS_VISIBLE, pt.x,
                                  pt.y, 100, 80, hTop, nullptr, nullptr, nullptr);
    gInput.clear();
    Test_Send_Mouse(hTop, WM_LBUTTONDOWN, 15, 30, 0);
    ASSERT_EQ(Input_Only().size(), 1u);
    EXPECT_EQ(Input_Only()[0].hWnd, hPopup);
    EXPECT_EQ(Input_Only()[0].x, 15 - 3);
    EXPECT_EQ(Input_Only()[0].y, 30 - 26);
    EXPECT_EQ(GetActiveWindow(), hPopup);  // the click activated it
    gInput.clear();
    Test_Send_Mouse(hTop, WM_LBUTTONDOWN, 250, 50, 0);  // beside it: the window's own child
    EXPECT_EQ(Input_Only()[0].hWnd, hRight);
    ShowWindow(hPopup, SW_HIDE);
    gInput.clear();
    Test_Send_Mouse(hTop, WM_LBUTTONDOWN, 15, 30, 0);
    EXPECT_EQ(Input_Only()[0].hWnd, hLeft);
}

TEST_F(InputTest, ActivationMovesTheFocusIntoTheActiveWindow) {
    HWND hOther = CreateWindowExA(0, "InputWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                  nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(hTop);
    SetFocus(hInner);
    SetActiveWindow(hOther);
    EXPECT_EQ(GetFocus(), hOther);  // the newly active window takes the focus
    SetActiveWindow(hTop);
    EXPECT_EQ(GetFocus(), hTop);
    SetFocus(hInner);
    SetActiveWindow(hTop);  // already active: the focus stays inside
    EXPECT_EQ(GetFocus(), hInner);
    // Keys with no focus go to the active window.
    SetFocus(nullptr);
    gInput.clear();
    Test_Send_Key(nullptr, 'B');
    ASSERT_FALSE(gInput.empty());
    EXPECT_EQ(gInput[0].hWnd, hTop);
}

// When the active window goes (a progress window, a box), its owner is activated, else the
// topmost window that can be: keys go on reaching a window without a click.
TEST_F(InputTest, DestroyingTheActiveWindowActivatesItsOwnerOrTheTopmost) {
    HWND hOther = CreateWindowExA(0, "InputWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                  nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(hOther);
    auto Owned_Active_Then_Destroyed = [this]() {
        HWND hOwned = CreateWindowExA(0, "InputWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                      hTop, nullptr, nullptr, nullptr);
        SetActiveWindow(hOwned);
        SetFocus(hOwned);
        DestroyWindow(hOwned);
    };
    Owned_Active_Then_Destroyed();
    EXPECT_EQ(GetActiveWindow(), hTop);  // the owner, though another window stands above it
    gInput.clear();
    Test_Send_Key(nullptr, 'B');
    ASSERT_FALSE(gInput.empty());
    EXPECT_EQ(gInput[0].hWnd, hTop);

    EnableWindow(hTop, FALSE);  // an owner that cannot take it: the topmost window that can
    Owned_Active_Then_Destroyed();
    EXPECT_EQ(GetActiveWindow(), hOther);
    EnableWindow(hTop, TRUE);
    DestroyWindow(hOther);
    EXPECT_EQ(GetActiveWindow(), hTop);
}

TEST_F(InputTest, MovesSetTheClassCursorAndDoubleClicksNeedTheClassStyle) {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    gInput.clear();
    Test_Send_Mouse(hTop, WM_MOUSEMOVE, 35, 35, 0);
    // WM_SETCURSOR goes to the window under the pointer, whose DefWindowProc asks each parent
    // before it sets the class cursor; then the move itself.
    ASSERT_EQ(gInput.size(), 4u);
    const HWND aAsked[] = {hInner, hLeft, hTop};
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(gInput[i].uMsg, static_cast<UINT>(WM_SETCURSOR));
        EXPECT_EQ(gInput[i].hWnd, aAsked[i]);
        EXPECT_EQ(gInput[i].wParam, reinterpret_cast<WPARAM>(hInner));
        EXPECT_EQ(gInput[i].x, HTCLIENT);
        EXPECT_EQ(gInput[i].y, WM_MOUSEMOVE);
    }
    EXPECT_EQ(gInput[3].uMsg, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    POINT pt;
    GetCursorPos(&pt);
    EXPECT_EQ(pt.x, 50 + 4 + 35);

    gInput.clear();
    Test_Send_Mouse(hTop, WM_LBUTTONDBLCLK, 250, 50, 0);
    Test_Send_Mouse(hTop, WM_LBUTTONDBLCLK, 15, 15, 0);
    ASSERT_EQ(Input_Only().size(), 2u);
    EXPECT_EQ(Input_Only()[0].uMsg, static_cast<UINT>(WM_LBUTTONDBLCLK));
    EXPECT_EQ(Input_Only()[1].uMsg, static_cast<UINT>(WM_LBUTTONDOWN));  // no CS_DBLCLKS
}

TEST_F(InputTest, CaptureTakesTheMouseAnywhere) {
    EXPECT_EQ(SetCapture(hRight), nullptr);
    EXPECT_EQ(GetCapture(), hRight);
    gInput.clear();
    Test_Send_Mouse(hTop, WM_MOUSEMOVE, 15, 15, MK_LBUTTON);  // over the left child
    ASSERT_EQ(gInput.size(), 1u);                             // no WM_SETCURSOR while captured
    EXPECT_EQ(gInput[0].hWnd, hRight);
    EXPECT_EQ(gInput[0].x, 15 - 200);
    EXPECT_EQ(gInput[0].y, 5);

    gInput.clear();
    SetCapture(hLeft);
    ASSERT_EQ(gInput.size(), 1u);
    EXPECT_EQ(gInput[0].uMsg, static_cast<UINT>(WM_CAPTURECHANGED));
    EXPECT_EQ(gInput[0].hWnd, hRight);
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    gInput.clear();
    Test_Send_Mouse(hTop, WM_LBUTTONUP, 250, 50, 0);
    EXPECT_EQ(Input_Only()[0].hWnd, hRight);
    // A destroyed capture window lets go.
    SetCapture(hInner);
    DestroyWindow(hInner);
    EXPECT_EQ(GetCapture(), nullptr);
}

struct KEY_CASE {
    UINT uKey;
    bool bAlt, bCtrl, bShift;
    std::vector<std::pair<UINT, WPARAM>> aExpected;
};

TEST_F(InputTest, KeysGiveDownCharacterAndUp) {
    const KEY_CASE kCases[] = {
        {'A', false, false, false, {{WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'}}},
        {'A', false, false, true, {{WM_KEYDOWN, 'A'}, {WM_CHAR, 'A'}, {WM_KEYUP, 'A'}}},
        {VK_OEM_2,
         false,
         false,
         false,
         {{WM_KEYDOWN, VK_OEM_2}, {WM_CHAR, '/'}, {WM_KEYUP, VK_OEM_2}}},
        {VK_OEM_2,
         false,
         false,
         true,
         {{WM_KEYDOWN, VK_OEM_2}, {WM_CHAR, '?'}, {WM_KEYUP, VK_OEM_2}}},
        {'C', false, true, false, {{WM_KEYDOWN, 'C'}, {WM_CHAR, 3}, {WM_KEYUP, 'C'}}},
        {'F', true, false, false, {{WM_SYSKEYDOWN, 'F'}, {WM_SYSCHAR, 'f'}, {WM_SYSKEYUP, 'F'}}},
        {VK_RETURN,
         false,
         false,
         false,
         {{WM_KEYDOWN, VK_RETURN}, {WM_CHAR, '\r'}, {WM_KEYUP, VK_RETURN}}},
        {VK_F1, false, false, false, {{WM_KEYDOWN, VK_F1}, {WM_KEYUP, VK_F1}}},
        {VK_F10, false, false, false, {{WM_SYSKEYDOWN, VK_F10}, {WM_SYSKEYUP, VK_F10}}},
    };
    SetFocus(hInner);
    for (const KEY_CASE& c : kCases) {
        gInput.clear();
        Test_Send_Key(nullptr, c.uKey, c.bAlt, c.bCtrl, c.bShift);
        std::vector<std::pair<UINT, WPARAM>> aSeen;
        for (const INPUT_SEEN& s : gInput) {
            EXPECT_EQ(s.hWnd, hInner);
            EXPECT_EQ(s.bShiftHeld, c.bShift);
            aSeen.push_back({s.uMsg, s.wParam});
        }
        EXPECT_EQ(aSeen, c.aExpected) << "key " << c.uKey;
    }
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);  // the modifiers are up again

    // A named target takes the key instead of the focus.
    gInput.clear();
    Test_Send_Key(hRight, VK_ESCAPE);
    ASSERT_FALSE(gInput.empty());
    EXPECT_EQ(gInput[0].hWnd, hRight);
}

TEST_F(InputTest, SdlKeysAndTextMapToTheLayersCodes) {
    const std::pair<SDL_Keycode, UINT> kKeys[] = {
        {SDLK_a, 'A'},
        {SDLK_z, 'Z'},
        {SDLK_0, '0'},
        {SDLK_9, '9'},
        {SDLK_F1, VK_F1},
        {SDLK_F12, VK_F12},
        {SDLK_LEFT, VK_LEFT},
        {SDLK_PAGEDOWN, VK_NEXT},
        {SDLK_SLASH, VK_OEM_2},
        {SDLK_RSHIFT, VK_SHIFT},
        {SDLK_KP_0, VK_NUMPAD0},
        {SDLK_KP_ENTER, VK_RETURN},
        {SDLK_BACKSPACE, VK_BACK},
        {SDLK_DELETE, VK_DELETE},
        {SDLK_APPLICATION, 0},
    };
    for (const auto& k : kKeys)
        EXPECT_EQ(Sdl_Key_To_Virtual_Key(k.first), k.second) << k.first;

    EXPECT_EQ(Sdl_Utf8_To_1252("ab"), "ab");
    EXPECT_EQ(Sdl_Utf8_To_1252("\xC3\xA9"), "\xE9");      // e acute
    EXPECT_EQ(Sdl_Utf8_To_1252("\xE2\x82\xAC"), "\x80");  // the euro sign
    EXPECT_EQ(Sdl_Utf8_To_1252("\xE2\x80\x93"), "\x96");  // the en dash
    EXPECT_EQ(Sdl_Utf8_To_1252("\xE4\xB8\xAD"), "?");     // no such byte
    EXPECT_EQ(Sdl_Utf8_To_1252("\xC3"), "?");             // cut short
}

TEST_F(InputTest, TestsRunHeadless) {
    EXPECT_STREQ(Platform_Backend_Name(), "headless");
    // With no display the real windows cannot open, and the layer stays headless.
    const char* szDisplay = getenv("DISPLAY");
    const char* szWayland = getenv("WAYLAND_DISPLAY");
    std::string stDisplay = szDisplay ? szDisplay : "", stWayland = szWayland ? szWayland : "";
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    EXPECT_FALSE(Platform_Select_Backend("sdl"));
    EXPECT_FALSE(Platform_Select_Backend("no such backend"));
    EXPECT_STREQ(Platform_Backend_Name(), "headless");
    if (szDisplay)
        setenv("DISPLAY", stDisplay.c_str(), 1);
    if (szWayland)
        setenv("WAYLAND_DISPLAY", stWayland.c_str(), 1);
}

}  // namespace input_test
