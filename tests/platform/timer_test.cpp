// Timers on the virtual clock: window timers, timer procedures and thread timers fire in the
// order they come due, each with at most one WM_TIMER waiting; KillTimer and a destroyed window
// stop them.
#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace timer_test {

struct FIRED {
    std::string stName;
    DWORD nAt;  // ticks since the test started
};

std::vector<FIRED> gFired;
DWORD gStart = 0;

void Fire(const std::string& stName) {
    gFired.push_back({stName, GetTickCount() - gStart});
}

LRESULT Timer_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_TIMER) {
        Fire(wParam == 1 ? "window" : "other");
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

void Proc_Timer(HWND, UINT, UINT_PTR, DWORD) {
    Fire("proc");
}

void Thread_Timer(HWND hWnd, UINT uMsg, UINT_PTR nId, DWORD) {
    EXPECT_EQ(hWnd, nullptr);
    EXPECT_EQ(uMsg, static_cast<UINT>(WM_TIMER));
    Fire("thread");
    KillTimer(nullptr, nId);  // fires once
}

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Test_Use_Virtual_Clock(1000000, 7000);
        gFired.clear();
        gStart = GetTickCount();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Timer_Window_Proc;
        wc.lpszClassName = "TimerWindow";
        ASSERT_NE(RegisterClassA(&wc), 0u);
        hWnd = CreateWindowExA(0, "TimerWindow", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    HWND hWnd = nullptr;
};

TEST_F(TimerTest, TimersOfEveryKindFireInTheOrderTheyComeDue) {
    SetTimer(hWnd, 1, 30, nullptr);
    SetTimer(hWnd, 2, 25, reinterpret_cast<void*>(Proc_Timer));
    UINT_PTR nThread = SetTimer(nullptr, 0, 55, reinterpret_cast<void*>(Thread_Timer));
    EXPECT_NE(nThread, 0u);
    Test_Advance_Clock_And_Run(100);
    std::vector<std::string> aNames;
    std::vector<DWORD> aTimes;
    for (const FIRED& f : gFired) {
        aNames.push_back(f.stName);
        aTimes.push_back(f.nAt);
    }
    EXPECT_EQ(aNames, (std::vector<std::string>{"proc", "window", "proc", "thread", "window",
                                                "proc", "window", "proc"}));
    EXPECT_EQ(aTimes, (std::vector<DWORD>{25, 30, 50, 55, 60, 75, 90, 100}));
    EXPECT_EQ(GetTickCount() - gStart, 100u);

    // Killed, a timer fires no more; a destroyed window's timers go with it.
    gFired.clear();
    EXPECT_TRUE(KillTimer(hWnd, 2));
    EXPECT_FALSE(KillTimer(hWnd, 2));
    Test_Advance_Clock_And_Run(30);
    ASSERT_EQ(gFired.size(), 1u);
    EXPECT_EQ(gFired[0].stName, "window");
    DestroyWindow(hWnd);
    gFired.clear();
    Test_Advance_Clock_And_Run(500);
    EXPECT_TRUE(gFired.empty());
}

TEST_F(TimerTest, ATimerNeverQueuesTwice) {
    SetTimer(hWnd, 1, 10, nullptr);
    Test_Advance_Clock(1000);  // a hundred periods go by unread
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    // A period below the shortest allowed cannot keep the queue from running dry.
    SetTimer(hWnd, 1, 0, nullptr);
    Test_Advance_Clock(10);
    int nCount = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        nCount++;
    EXPECT_EQ(nCount, 1);
}

TEST_F(TimerTest, ThreadTimerWakesGetMessage) {
    UINT_PTR nId = SetTimer(nullptr, 0, 40, reinterpret_cast<void*>(Thread_Timer));
    // Setting it again by its id replaces it rather than adding one.
    EXPECT_EQ(SetTimer(nullptr, nId, 20, reinterpret_cast<void*>(Thread_Timer)), nId);
    MSG msg;
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(msg.wParam, nId);
    EXPECT_EQ(msg.lParam, reinterpret_cast<LPARAM>(Thread_Timer));
    EXPECT_EQ(GetTickCount() - gStart, 20u);
    DispatchMessageA(&msg);
    ASSERT_EQ(gFired.size(), 1u);
    EXPECT_EQ(gFired[0].stName, "thread");
    // Nothing left that could come: the loop ends.
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
}

}  // namespace timer_test
