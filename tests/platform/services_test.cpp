// Message boxes (buttons, default button, scripted answers, strict mode, transcript), debugger
// output and breaks, and the virtual clock.
#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <vector>

namespace {

class ServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
    }
    void TearDown() override {
        Test_Reset_Platform();
    }
};

TEST_F(ServicesTest, UnansweredBoxTakesItsDefaultButton) {
    struct BOX_CASE {
        UINT uType;
        int nExpected;
    };
    const BOX_CASE kCases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_ABORTRETRYIGNORE, IDABORT},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNO | MB_DEFBUTTON3, IDYES},  // no third button: the first is the default
        {MB_RETRYCANCEL | MB_DEFBUTTON2 | MB_TASKMODAL, IDCANCEL},
        {MB_OK | MB_ICONINFORMATION | MB_DEFBUTTON2, IDOK},
        {0x6, 0},  // no such set of buttons: refused
    };
    for (const BOX_CASE& c : kCases)
        EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", c.uType), c.nExpected)
            << "type " << c.uType;
    EXPECT_EQ(Test_Get_Transcript().size(), sizeof(kCases) / sizeof(kCases[0]));
}

TEST_F(ServicesTest, ScriptedAnswersAreTakenOnceInOrderWhereTheyFit) {
    Test_Answer_Message_Box_With_Caption("Save Game", IDNO);
    Test_Answer_Message_Box_With_Text("overwrite", IDCANCEL);
    Test_Answer_Message_Box(IDRETRY);
    Test_Answer_Message_Box(IDYES);

    // The first unused answer that fits wins: the caption answer skips this box.
    EXPECT_EQ(MessageBoxA(nullptr, "Really overwrite the file?", "Export", MB_YESNOCANCEL),
              IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "Quit?", "Exit", MB_YESNO), IDRETRY);
    EXPECT_EQ(MessageBoxA(nullptr, "Saved.", "Save Game", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "Again?", "Save Game", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "And again?", "Save Game", MB_YESNO | MB_DEFBUTTON2), IDNO);

    const auto& transcript = Test_Get_Transcript();
    ASSERT_EQ(transcript.size(), 5u);
    EXPECT_EQ(transcript[0].nKind, TEST_SHOWN_MESSAGE_BOX);
    EXPECT_EQ(transcript[0].stText, "Really overwrite the file?");
    EXPECT_EQ(transcript[0].stCaption, "Export");
    EXPECT_EQ(transcript[0].uType, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(transcript[0].nResult, IDCANCEL);
    EXPECT_TRUE(transcript[3].bScripted);
    EXPECT_FALSE(transcript[4].bScripted);

    Test_Clear_Transcript();
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(ServicesTest, CaptionMustMatchWhole) {
    Test_Answer_Message_Box_With_Caption("Save", IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "x", "Save Game", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "x", "Save", MB_YESNO), IDNO);
}

TEST_F(ServicesTest, StrictModeCallsTheHandlerForUnansweredBoxesOnly) {
    std::vector<TEST_SHOWN> aReported;
    Test_Set_Strict(true, [&](const TEST_SHOWN& shown) { aReported.push_back(shown); });
    Test_Answer_Message_Box(IDOK);
    MessageBoxA(nullptr, "answered", "A", MB_OKCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "not answered", "B", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    ASSERT_EQ(aReported.size(), 1u);
    EXPECT_EQ(aReported[0].stText, "not answered");
    EXPECT_EQ(aReported[0].nResult, IDCANCEL);

    Test_Set_Strict(false);
    MessageBoxA(nullptr, "quiet", "C", MB_OK);
    EXPECT_EQ(aReported.size(), 1u);
}

TEST_F(ServicesTest, NullTextsAreShownEmptyAndCaptionError) {
    MessageBoxA(nullptr, nullptr, nullptr, MB_OK);
    ASSERT_EQ(Test_Get_Transcript().size(), 1u);
    EXPECT_EQ(Test_Get_Transcript()[0].stText, "");
    EXPECT_EQ(Test_Get_Transcript()[0].stCaption, "Error");
}

TEST_F(ServicesTest, DebugOutputIsKeptAndBreaksCountedWithoutDebugger) {
    OutputDebugStringA("first line\n");
    OutputDebugStringA(nullptr);
    OutputDebugStringA("second \xE9\n");  // bytes pass unchanged
    EXPECT_EQ(Test_Get_Debug_Output(), "first line\nsecond \xE9\n");
    Test_Clear_Debug_Output();
    EXPECT_EQ(Test_Get_Debug_Output(), "");

    ASSERT_FALSE(IsDebuggerPresent()) << "run without a debugger";
    DebugBreak();
    DebugBreak();
    EXPECT_EQ(Test_Get_Debug_Break_Count(), 2);
}

TEST_F(ServicesTest, VirtualClockDrivesEveryTimeSource) {
    // 2019-08-31 23:59:59.000 UTC, a Saturday.
    Test_Use_Virtual_Clock(1567295999, 0xFFFFFF00u);
    EXPECT_EQ(Platform_Time(), 1567295999);
    EXPECT_EQ(GetTickCount(), 0xFFFFFF00u);

    Sleep(1500);  // advances instead of waiting; the tick count wraps
    EXPECT_EQ(GetTickCount(), 0x000004DCu);
    EXPECT_EQ(Platform_Time(), 1567296000);  // 1.5 s later: the next whole second
    SYSTEMTIME st;
    GetSystemTime(&st);
    EXPECT_EQ(st.wYear, 2019);
    EXPECT_EQ(st.wMonth, 9);
    EXPECT_EQ(st.wDay, 1);
    EXPECT_EQ(st.wDayOfWeek, 0);
    EXPECT_EQ(st.wHour, 0);
    EXPECT_EQ(st.wSecond, 0);
    EXPECT_EQ(st.wMilliseconds, 500);

    Test_Advance_Clock(60000);
    EXPECT_EQ(Platform_Time(), 1567296060);
    SYSTEMTIME local;
    GetLocalTime(&local);
    EXPECT_EQ(local.wMilliseconds, 500);
    EXPECT_EQ(local.wSecond, 0);

    // Back to the real clock after a reset.
    Test_Reset_Platform();
    EXPECT_GT(Platform_Time(), 1567296060);
}

TEST_F(ServicesTest, ModuleHandleIsNeverNull) {
    EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
}

}  // namespace
