// The message box the layer draws on a display: where its icon, text and buttons lie, and what
// its keys, clicks and close button end it with.
#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    HWND hOwner = nullptr;

    void SetUp() override {
        Test_Reset_Platform();
        hOwner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr,
                                 nullptr, nullptr, nullptr);
        ASSERT_NE(hOwner, nullptr);
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    static bool Inside(const RECT& rcInner, const RECT& rcOuter) {
        return rcInner.left >= rcOuter.left && rcInner.top >= rcOuter.top &&
               rcInner.right <= rcOuter.right && rcInner.bottom <= rcOuter.bottom;
    }
};

TEST_F(MessageBoxTest, ButtonsSitInACentredRowBelowTheTextAndIcon) {
    struct CASE {
        UINT uType;
        size_t nButtons;
    };
    const CASE kCases[] = {
        {MB_OK, 1}, {MB_YESNO | MB_ICONQUESTION, 2}, {MB_ABORTRETRYIGNORE | MB_ICONHAND, 3}};
    for (const CASE& c : kCases) {
        UINT uType = c.uType;
        SCOPED_TRACE(uType);
        TEST_MESSAGE_BOX_LAYOUT layout = Test_Message_Box_Layout("Release the player?", uType);
        ASSERT_EQ(layout.aButtons.size(), c.nButtons);
        RECT rcClient = {0, 0, layout.sizeClient.cx, layout.sizeClient.cy};
        const RECT& rcFirst = layout.aButtons.front();
        const RECT& rcLast = layout.aButtons.back();
        EXPECT_NEAR(rcFirst.left - rcClient.left, rcClient.right - rcLast.right, 1);
        for (size_t i = 0; i < layout.aButtons.size(); i++) {
            const RECT& rc = layout.aButtons[i];
            EXPECT_TRUE(Inside(rc, rcClient));
            EXPECT_GE(rc.top, std::max(layout.rcText.bottom, layout.rcIcon.bottom));
            EXPECT_EQ(rc.top, rcFirst.top);
            EXPECT_EQ(rc.right - rc.left, rcFirst.right - rcFirst.left);
            if (i > 0) {
                EXPECT_GT(rc.left, layout.aButtons[i - 1].right);
            }
        }
        EXPECT_TRUE(Inside(layout.rcText, rcClient));
        bool bIcon = (uType & 0xF0) != 0;
        EXPECT_EQ(layout.rcIcon.right > layout.rcIcon.left, bIcon);
        if (bIcon) {
            EXPECT_GE(layout.rcText.left, layout.rcIcon.right);
        }
    }
}

TEST_F(MessageBoxTest, LongTextWrapsToMoreLinesWithinABoundedWidth) {
    TEST_MESSAGE_BOX_LAYOUT shortBox = Test_Message_Box_Layout("Saved.", MB_OK);
    std::string stLong;
    for (int i = 0; i < 40; i++)
        stLong += "The season file could not be written. ";
    TEST_MESSAGE_BOX_LAYOUT longBox = Test_Message_Box_Layout(stLong.c_str(), MB_OK);
    LONG nLine = shortBox.rcText.bottom - shortBox.rcText.top;
    ASSERT_GT(nLine, 0);
    EXPECT_GT(longBox.rcText.bottom - longBox.rcText.top, 10 * nLine);
    EXPECT_LE(longBox.sizeClient.cx, 420);
    EXPECT_GT(longBox.rcText.right - longBox.rcText.left, 200);
    EXPECT_GT(longBox.aButtons[0].top, longBox.rcText.bottom - 1);
}

TEST_F(MessageBoxTest, KeysEndTheBoxAsTheyDoOnWindows) {
    struct CASE {
        UINT uType;
        std::vector<UINT> aKeys;  // with VK_SHIFT standing for Shift+Tab
        int nResult;              // 0: the box stays open
    };
    const CASE kCases[] = {
        {MB_OK, {VK_RETURN}, IDOK},
        {MB_OK, {VK_ESCAPE}, IDOK},
        {MB_OKCANCEL, {VK_ESCAPE}, IDCANCEL},
        {MB_OKCANCEL | MB_DEFBUTTON2, {VK_RETURN}, IDCANCEL},
        {MB_YESNO, {VK_ESCAPE}, 0},  // no Cancel: Escape is ignored
        {MB_YESNO | MB_DEFBUTTON2, {VK_RETURN}, IDNO},
        {MB_YESNO, {'N'}, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, {VK_ESCAPE}, IDCANCEL},
        {MB_YESNOCANCEL, {VK_TAB, VK_TAB, VK_TAB, VK_RETURN}, IDYES},  // focus wraps
        {MB_YESNOCANCEL, {VK_SHIFT, VK_SPACE}, IDCANCEL},
        {MB_ABORTRETRYIGNORE, {VK_ESCAPE}, 0},
        {MB_ABORTRETRYIGNORE, {VK_RIGHT, VK_RETURN}, IDRETRY},
        {MB_ABORTRETRYIGNORE, {'I'}, IDIGNORE},
        {MB_RETRYCANCEL, {'C'}, 0},  // Cancel has no mnemonic
        {MB_RETRYCANCEL, {VK_ESCAPE}, IDCANCEL},
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(testing::Message() << "type " << c.uType << ", first key " << c.aKeys[0]);
        HWND hBox = Test_Open_Message_Box_Window(hOwner, "Text", c.uType);
        ASSERT_NE(hBox, nullptr);
        for (UINT uKey : c.aKeys) {
            bool bShiftTab = uKey == VK_SHIFT;
            if (bShiftTab)
                Test_Hold_Key(VK_SHIFT, true);
            SendMessageA(hBox, WM_KEYDOWN, bShiftTab ? VK_TAB : uKey, 0);
            if (bShiftTab)
                Test_Hold_Key(VK_SHIFT, false);
        }
        EXPECT_EQ(Test_Message_Box_Window_Result(hBox), c.nResult);
        DestroyWindow(hBox);
    }
}

TEST_F(MessageBoxTest, AClickEndsTheBoxOnlyWhenReleasedOverThePressedButton) {
    HWND hBox = Test_Open_Message_Box_Window(hOwner, "Trade him?", MB_YESNO);
    ASSERT_NE(hBox, nullptr);
    TEST_MESSAGE_BOX_LAYOUT layout = Test_Message_Box_Layout("Trade him?", MB_YESNO);
    auto At = [](const RECT& rc) {
        return MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    };
    SendMessageA(hBox, WM_LBUTTONDOWN, MK_LBUTTON, At(layout.aButtons[0]));
    SendMessageA(hBox, WM_LBUTTONUP, 0, At(layout.aButtons[1]));  // slid off onto No
    EXPECT_EQ(Test_Message_Box_Window_Result(hBox), 0);
    SendMessageA(hBox, WM_CLOSE, 0, 0);  // no Cancel: closing is refused as Escape is
    EXPECT_EQ(Test_Message_Box_Window_Result(hBox), 0);
    SendMessageA(hBox, WM_LBUTTONDOWN, MK_LBUTTON, At(layout.aButtons[1]));
    SendMessageA(hBox, WM_LBUTTONUP, 0, At(layout.aButtons[1]));
    EXPECT_EQ(Test_Message_Box_Window_Result(hBox), IDNO);
    EXPECT_EQ(GetWindow(hBox, GW_OWNER), hOwner);
}

}  // namespace
