// The window manager and the message queue: creation and destruction messages, window data,
// posting and reading order, filters, WM_QUIT, paint requests, timers and key translation.
#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SEEN {
    HWND hWnd;
    UINT uMsg;
    WPARAM wParam;
};

std::vector<SEEN> gSeen;

LRESULT Recording_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    gSeen.push_back({hWnd, uMsg, wParam});
    if (uMsg == WM_CREATE) {
        const CREATESTRUCTA* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (cs->lpCreateParams)
            SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        return cs->style & 1 ? -1 : 0;  // style bit 0 asks the procedure to refuse creation
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

std::vector<UINT> Seen_Messages(HWND hWnd) {
    std::vector<UINT> a;
    for (const SEEN& s : gSeen)
        if (s.hWnd == hWnd)
            a.push_back(s.uMsg);
    return a;
}

class MessageQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        gSeen.clear();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Recording_Proc;
        wc.cbWndExtra = 16;
        wc.lpszClassName = "TestWindow";
        ASSERT_NE(RegisterClassA(&wc), 0u);
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    HWND Create(HWND hParent = nullptr, int nId = 0, DWORD dwStyle = 0, void* pParam = nullptr) {
        if (hParent)
            dwStyle |= WS_CHILD;
        return CreateWindowExA(0, "testwindow", "title", dwStyle, 0, 0, 100, 50, hParent,
                               reinterpret_cast<HMENU>(static_cast<intptr_t>(nId)), nullptr,
                               pParam);
    }
};

TEST_F(MessageQueueTest, ClassesAreUniqueAndCaseBlind) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Recording_Proc;
    wc.lpszClassName = "TESTWINDOW";
    EXPECT_EQ(RegisterClassA(&wc), 0u);
    EXPECT_EQ(
        CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
}

TEST_F(MessageQueueTest, CreateAndDestroySendTheirMessagesInOrder) {
    int nParam = 0;
    HWND hParent = Create(nullptr, 0, 0, &nParam);
    ASSERT_NE(hParent, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(hParent, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&nParam));
    HWND hChild = Create(hParent, 42);
    ASSERT_NE(hChild, nullptr);
    EXPECT_EQ(GetDlgItem(hParent, 42), hChild);
    EXPECT_EQ(GetDlgCtrlID(hChild), 42);
    EXPECT_EQ(GetParent(hChild), hParent);
    SetFocus(hChild);

    gSeen.clear();
    EXPECT_TRUE(DestroyWindow(hParent));
    // Parent's WM_DESTROY first, then the child's whole destruction, the parent's WM_NCDESTROY last.
    std::vector<UINT> aOrder;
    for (const SEEN& s : gSeen)
        if (s.uMsg != WM_KILLFOCUS)
            aOrder.push_back(s.uMsg);
    EXPECT_EQ(aOrder, (std::vector<UINT>{WM_DESTROY, WM_DESTROY, WM_NCDESTROY, WM_NCDESTROY}));
    EXPECT_EQ(gSeen[1].hWnd, hChild);
    EXPECT_FALSE(IsWindow(hParent));
    EXPECT_FALSE(IsWindow(hChild));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_FALSE(DestroyWindow(hParent));
    EXPECT_EQ(SendMessageA(hChild, WM_USER, 0, 0), 0);

    // A handle is never reused, so a stale one stays dead after new windows appear.
    HWND hNew = Create();
    EXPECT_NE(hNew, hParent);
    EXPECT_FALSE(IsWindow(hParent));
}

TEST_F(MessageQueueTest, CreationRefusedByTheProcedureGivesNoWindow) {
    EXPECT_EQ(Create(nullptr, 0, 1), nullptr);
    EXPECT_EQ(Seen_Messages(gSeen.at(0).hWnd),
              (std::vector<UINT>{WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(MessageQueueTest, WindowDataAndText) {
    HWND hWnd = Create();
    EXPECT_EQ(SetWindowLongPtrA(hWnd, 8, 1234), 0);
    EXPECT_EQ(GetWindowLongPtrA(hWnd, 8), 1234);
    EXPECT_EQ(SetWindowLongPtrA(hWnd, 9, 1), 0);  // past the 16 extra bytes
    EXPECT_EQ(GetWindowLongPtrA(hWnd, 9), 0);

    char szText[8];
    EXPECT_EQ(GetWindowTextA(hWnd, szText, sizeof(szText)), 5);
    EXPECT_STREQ(szText, "title");
    EXPECT_TRUE(SetWindowTextA(hWnd, "a longer caption"));
    EXPECT_EQ(GetWindowTextA(hWnd, szText, sizeof(szText)), 7);  // cut to fit, terminated
    EXPECT_STREQ(szText, "a longe");
    EXPECT_EQ(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0), 16);
}

TEST_F(MessageQueueTest, PostedMessagesComeInOrderThroughFilters) {
    HWND a = Create();
    HWND b = Create();
    PostMessageA(a, WM_USER + 1, 1, 0);
    PostMessageA(b, WM_USER + 2, 2, 0);
    PostMessageA(nullptr, WM_USER + 3, 3, 0);
    PostMessageA(a, WM_USER + 4, 4, 0);
    EXPECT_FALSE(PostMessageA(reinterpret_cast<HWND>(0x7777770), WM_USER, 0, 0));

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, b, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 2u);
    ASSERT_TRUE(PeekMessageA(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));  // no-window only
    EXPECT_EQ(msg.message, WM_USER + 3u);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 4, WM_USER + 4, PM_REMOVE));  // by range
    EXPECT_EQ(msg.wParam, 4u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_USER + 5, WM_USER + 9, PM_REMOVE));

    std::vector<WPARAM> aRest;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        aRest.push_back(msg.wParam);
    EXPECT_EQ(aRest, (std::vector<WPARAM>{1, 2}));
}

TEST_F(MessageQueueTest, QuitComesAfterPostedMessagesAndEndsGetMessage) {
    HWND hWnd = Create();
    PostQuitMessage(5);
    PostMessageA(hWnd, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    // WM_QUIT passes any filter.
    EXPECT_TRUE(PeekMessageA(&msg, hWnd, WM_USER, WM_USER, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 5u);
    // Nothing left and nothing that could come: the loop ends rather than hang.
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
}

TEST_F(MessageQueueTest, DispatchCallsTheProcedureAndDestroyDropsPending) {
    HWND a = Create();
    HWND b = Create();
    PostMessageA(a, WM_USER + 7, 70, 0);
    PostMessageA(b, WM_USER + 8, 80, 0);
    DestroyWindow(b);
    gSeen.clear();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    ASSERT_EQ(gSeen.size(), 1u);
    EXPECT_EQ(gSeen[0].uMsg, WM_USER + 7u);
    EXPECT_EQ(gSeen[0].wParam, 70u);
}

TEST_F(MessageQueueTest, PaintRequestsReachVisibleWindowsOnce) {
    HWND hWnd = Create();
    InvalidateRect(hWnd, nullptr, TRUE);
    UpdateWindow(hWnd);  // hidden: nothing to paint
    EXPECT_TRUE(Seen_Messages(hWnd) == (std::vector<UINT>{WM_CREATE}));

    ShowWindow(hWnd, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(hWnd));
    gSeen.clear();
    UpdateWindow(hWnd);
    UpdateWindow(hWnd);
    // DefWindowProcA's BeginPaint erases the area the invalidation asked to erase.
    EXPECT_EQ(Seen_Messages(hWnd), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));

    InvalidateRect(hWnd, nullptr, FALSE);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(msg.hwnd, hWnd);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, TimersFireFromTheClockWhenTheQueueIsRead) {
    Test_Use_Virtual_Clock(1000000, 5000);
    HWND hWnd = Create();
    EXPECT_EQ(SetTimer(hWnd, 9, 100, nullptr), 9u);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    Test_Advance_Clock(100);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(msg.wParam, 9u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));  // rescheduled, not repeated

    // GetMessageA waits for the next timer: the virtual clock moves instead of the test sleeping.
    DWORD nBefore = GetTickCount();
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(GetTickCount() - nBefore, 100u);

    EXPECT_TRUE(KillTimer(hWnd, 9));
    EXPECT_FALSE(KillTimer(hWnd, 9));
    Test_Advance_Clock(1000);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

int gTimerCalls = 0;
void Count_Timer(HWND, UINT, UINT_PTR, DWORD) {
    gTimerCalls++;
}

TEST_F(MessageQueueTest, TimerProcedureAndDestroyedOwner) {
    Test_Use_Virtual_Clock(0, 0);
    gTimerCalls = 0;
    UINT_PTR nId = SetTimer(nullptr, 0, 10, reinterpret_cast<void*>(Count_Timer));
    EXPECT_NE(nId, 0u);
    HWND hWnd = Create();
    SetTimer(hWnd, 1, 10, nullptr);
    DestroyWindow(hWnd);  // its timer goes with it
    Test_Advance_Clock(10);
    MSG msg;
    int nMessages = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
        nMessages++;
    }
    EXPECT_EQ(nMessages, 1);
    EXPECT_EQ(gTimerCalls, 1);
}

TEST_F(MessageQueueTest, TranslateMessageTurnsKeysIntoCharacters) {
    HWND hWnd = Create();
    struct KEY_CASE {
        WPARAM nKey;
        bool bShift;
        WPARAM nChar;  // 0: no character
    };
    const KEY_CASE kCases[] = {
        {'A', false, 'a'},      {'A', true, 'A'},          {'7', false, '7'},  {'1', true, '!'},
        {VK_SPACE, false, ' '}, {VK_RETURN, false, '\r'},  {0xBD, false, '-'}, {0x61, false, '1'},
        {VK_SHIFT, false, 0},   {0x70 /* F1 */, false, 0},
    };
    for (const KEY_CASE& k : kCases) {
        MSG msg = {hWnd, WM_KEYDOWN, VK_SHIFT, 0, 0, {0, 0}};
        if (k.bShift)
            TranslateMessage(&msg);
        msg.wParam = k.nKey;
        TranslateMessage(&msg);
        if (k.bShift) {
            MSG up = {hWnd, WM_KEYUP, VK_SHIFT, 0, 0, {0, 0}};
            TranslateMessage(&up);
        }
        MSG out;
        bool bGot = PeekMessageA(&out, nullptr, 0, 0, PM_REMOVE);
        if (k.nChar == 0) {
            EXPECT_FALSE(bGot) << "key " << k.nKey;
            continue;
        }
        ASSERT_TRUE(bGot) << "key " << k.nKey;
        EXPECT_EQ(out.message, static_cast<UINT>(WM_CHAR));
        EXPECT_EQ(out.wParam, k.nChar) << "key " << k.nKey;
    }
    MSG other = {hWnd, WM_USER, 'A', 0, 0, {0, 0}};
    EXPECT_FALSE(TranslateMessage(&other));
}

TEST_F(MessageQueueTest, AcceleratorsTakeNothingWithoutATable) {
    MSG msg = {nullptr, WM_KEYDOWN, 'O', 0, 0, {0, 0}};
    EXPECT_EQ(TranslateAcceleratorA(nullptr, nullptr, &msg), 0);
    EXPECT_EQ(LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)), nullptr);
}

TEST_F(MessageQueueTest, FocusMovesWithMessages) {
    HWND hParent = Create();
    HWND a = Create(hParent, 1);
    HWND b = Create(hParent, 2);
    EXPECT_EQ(SetFocus(a), nullptr);
    gSeen.clear();
    EXPECT_EQ(SetFocus(b), a);
    ASSERT_EQ(gSeen.size(), 2u);
    EXPECT_EQ(gSeen[0].hWnd, a);
    EXPECT_EQ(gSeen[0].uMsg, static_cast<UINT>(WM_KILLFOCUS));
    EXPECT_EQ(gSeen[1].hWnd, b);
    EXPECT_EQ(gSeen[1].uMsg, static_cast<UINT>(WM_SETFOCUS));
    EXPECT_EQ(GetFocus(), b);
}

}  // namespace
