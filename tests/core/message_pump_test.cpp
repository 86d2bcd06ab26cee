// The message pump of long work.

#include "core_test_fixture.h"

#include <vector>

namespace {

std::vector<UINT> gReceived;

LRESULT Record_Messages(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg >= WM_USER)
        gReceived.push_back(uMsg);
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

class MessagePumpTest : public CoreTest {};

TEST_F(MessagePumpTest, DispatchesEveryWaitingMessage) {
    gReceived.clear();
    HWND hWnd = Create_Main_Window(Record_Messages);
    ASSERT_NE(hWnd, nullptr);
    PostMessageA(hWnd, WM_USER + 1, 0, 0);
    PostMessageA(hWnd, WM_USER + 2, 0, 0);

    EXPECT_EQ(Pump_Messages(), 0);

    EXPECT_EQ(gReceived, (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
}

TEST_F(MessagePumpTest, QuitMessageIsLeftForTheMainLoop) {
    gReceived.clear();
    HWND hWnd = Create_Main_Window(Record_Messages);
    ASSERT_NE(hWnd, nullptr);
    PostMessageA(hWnd, WM_USER + 1, 0, 0);
    PostQuitMessage(3);

    EXPECT_EQ(Pump_Messages(), 0);

    EXPECT_EQ(gReceived, (std::vector<UINT>{WM_USER + 1}));
    MSG msg;
    EXPECT_FALSE(GetMessageA(&msg, NULL, 0, 0));
    EXPECT_EQ(msg.message, (UINT)WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
}

}  // namespace
