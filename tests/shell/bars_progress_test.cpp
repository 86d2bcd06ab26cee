// The progress window: one at a time, shared by nested operations, steps held at the total and
// the percentage rounded half up.
#include "bars_test_fixture.h"
#include "resources/resource.h"

namespace {

class BarsProgressTest : public BarsTest {};

std::string Bars_Progress_Shown_Text() {
    Test_Pump_Messages();
    char szText[PROGRESS_TEXT_SIZE] = "";
    GetDlgItemTextA(Get_Progress_Window(), IDC_PROGRESS_TEXT, szText, sizeof szText);
    return szText;
}

TEST_F(BarsProgressTest, NestedOpenSharesTheOuterWindowAndStepsStopAtTheTotal) {
    ASSERT_EQ(Open_Progress_Window("Outputting Rosters...", 7), 1);
    HWND hOuter = Get_Progress_Window();
    ASSERT_NE(hOuter, nullptr);
    char szCaption[64];
    GetWindowTextA(hOuter, szCaption, sizeof szCaption);
    EXPECT_STREQ(szCaption, "Outputting Rosters...");
    EXPECT_TRUE(IsWindowVisible(hOuter));

    // The inner operation is refused and its steps go to the outer window.
    EXPECT_EQ(Open_Progress_Window("Generating Schedule", 3), 0);
    EXPECT_EQ(Get_Progress_Window(), hOuter);
    EXPECT_EQ(gProgressTotal, 7);

    Step_Progress_Window(10);
    EXPECT_EQ(gProgressDone, 7);
    EXPECT_EQ(Bars_Progress_Shown_Text(), "100%");

    Close_Progress_Window();
    EXPECT_EQ(Get_Progress_Window(), nullptr);
    EXPECT_FALSE(IsWindow(hOuter));
    // Without a window, steps and another close do nothing; a new window opens again.
    Step_Progress_Window(1);
    Step_Progress_Window_Text("ignored");
    Close_Progress_Window();
    EXPECT_EQ(gProgressDone, 7);
    EXPECT_EQ(Open_Progress_Window("Again", 2), 1);
    EXPECT_EQ(gProgressDone, 0);
}

TEST_F(BarsProgressTest, PercentageRoundsHalvesUp) {
    struct CASE {
        int nDone, nTotal;
        const char* szText;
    } const aCases[] = {{1, 3, "33%"}, {2, 3, "67%"}, {1, 8, "13%"},
                        {0, 5, "0%"},  {0, 0, "0%"},  {5, 5, "100%"}};
    for (const CASE& c : aCases) {
        gProgressDone = c.nDone;
        gProgressTotal = c.nTotal;
        char szText[16];
        Format_Progress_Text(szText, sizeof szText);
        EXPECT_STREQ(szText, c.szText) << c.nDone << " of " << c.nTotal;
    }
}

TEST_F(BarsProgressTest, StepsShowTheCallersTextOrThePercentage) {
    ASSERT_EQ(Open_Progress_Window("Export", 3), 1);
    Step_Progress_Window_Text("Writing rosters");
    EXPECT_EQ(gProgressDone, 1);
    EXPECT_EQ(Bars_Progress_Shown_Text(), "Writing rosters");
    Step_Progress_Window_Text(NULL);
    EXPECT_EQ(Bars_Progress_Shown_Text(), "67%");
    Step_Progress_Window(0);
    Step_Progress_Window(-2);
    EXPECT_EQ(gProgressDone, 2);
}

}  // namespace
