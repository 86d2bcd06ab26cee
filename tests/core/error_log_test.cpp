// The error reporter, the debug log and the debugger-only traces.

#include "core_test_fixture.h"

namespace {

class ErrorLogTest : public CoreTest {};

TEST_F(ErrorLogTest, RecentErrorsHoldNewestLineFirst) {
    EXPECT_EQ(Report_Error("A"), -1);
    EXPECT_EQ(Report_Error("B"), -1);
    EXPECT_EQ(Report_Error("%c", 'C'), -1);

    EXPECT_STREQ(Get_Recent_Errors(),
                 "1700000000 ERROR: C\n1700000000 ERROR: B\n1700000000 ERROR: A\n");
    EXPECT_EQ(Get_Recent_Errors(), gRecentErrors);
}

TEST_F(ErrorLogTest, RecentErrorsLoseTheOldestTextPastByte2047) {
    std::string stExpected;
    for (int i = 0; i < 40; i++) {
        std::string stText = "error " + std::to_string(i) + " " + std::string(60, 'x');
        Report_Error("%s", stText.c_str());
        stExpected = "1700000000 ERROR: " + stText + "\n" + stExpected;
    }
    ASSERT_GT(stExpected.size(), 2047u);
    EXPECT_EQ(std::string(gRecentErrors), stExpected.substr(0, 2047));
    EXPECT_EQ(gRecentErrors[2047], 0);

    // A line longer than the whole buffer fills it from its start and stays terminated.
    std::string stHuge(3000, 'h');
    Report_Error("%s", stHuge.c_str());
    EXPECT_EQ(std::string(gRecentErrors), ("1700000000 ERROR: " + stHuge).substr(0, 2047));
}

TEST_F(ErrorLogTest, LinesGoToDebugFileAndDebuggerWithTheTime) {
    Report_Error("bad team %d", 41);
    Log_Debug_Line("Loaded %s", "Universe-2019.dat");

    EXPECT_EQ(Read_File("debug.txt"),
              "1700000000 ERROR: bad team 41\n1700000000 Loaded Universe-2019.dat\n");
    EXPECT_EQ(Test_Get_Debug_Output(),
              "1700000000 ERROR: bad team 41\n1700000000 Loaded Universe-2019.dat\n");
    // Plain log lines are not errors.
    EXPECT_STREQ(gRecentErrors, "1700000000 ERROR: bad team 41\n");
}

TEST_F(ErrorLogTest, LogLinesAreAppendedWithTheCurrentTime) {
    Log_Debug_Line("first");
    Test_Advance_Clock(5000);
    Log_Debug_Line("second");
    EXPECT_EQ(Read_File("debug.txt"), "1700000000 first\n1700000005 second\n");
}

TEST_F(ErrorLogTest, NoBoxWithoutShowSystemErrors) {
    Test_Set_Strict(
        true, [](const TEST_SHOWN& shown) { ADD_FAILURE() << "unexpected box: " << shown.stText; });
    EXPECT_EQ(Report_Error("quiet"), -1);
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(ErrorLogTest, SystemErrorBoxAsksToEnterTheDebugger) {
    gCommandLineFlags = SHOW_SYSTEM_ERRORS;

    Test_Answer_Message_Box(IDNO);
    EXPECT_EQ(Report_Error("Bad slot %d", 3), -1);
    ASSERT_EQ(Shown_Boxes().size(), 1u);
    EXPECT_EQ(Shown_Boxes()[0].stCaption, "System Error!");
    EXPECT_EQ(Shown_Boxes()[0].stText, "Bad slot 3\n\nENTER DEBUGGER?");
    EXPECT_EQ(Shown_Boxes()[0].uType, 0x2143u);
    EXPECT_EQ(Test_Get_Debug_Break_Count(), 0);

    Test_Answer_Message_Box(IDYES);
    EXPECT_EQ(Report_Error("again"), -1);
    EXPECT_EQ(Test_Get_Debug_Break_Count(), 1);

    // Cancel silences the box for the rest of the run; the lines are still logged.
    Test_Answer_Message_Box(IDCANCEL);
    EXPECT_EQ(Report_Error("third"), -1);
    EXPECT_EQ(gAskEnterDebugger, 0);
    EXPECT_EQ(Report_Error("fourth"), -1);
    EXPECT_EQ(Shown_Boxes().size(), 3u);
    EXPECT_EQ(Test_Get_Debug_Break_Count(), 1);
    EXPECT_EQ(strncmp(gRecentErrors, "1700000000 ERROR: fourth\n", 25), 0);
}

TEST_F(ErrorLogTest, DebugMessagesOnlyForFlagsThatAreSet) {
    struct CASE {
        int nFlags;
        int nMask;
        bool bShown;
    } const aCases[] = {
        {0, DTXT_PBPDIAGRAM, false},
        {DTXT_AGG, DTXT_PBPDIAGRAM, false},
        {DTXT_AGG | SHOW_SYSTEM_ERRORS, DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR, false},
        {DTXT_PBPDIAGRAM, DTXT_PBPDIAGRAM, true},
        {DTXT_PBPSELECTOR, DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR, true},
        {DTXT_AGG | IS_NOT_RANDOM, DTXT_AGG, true},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.nFlags << " mask " << c.nMask);
        gCommandLineFlags = c.nFlags;
        Test_Clear_Debug_Output();
        EXPECT_EQ(Print_Debug_Message(c.nMask, "path %d", 7), 0);
        EXPECT_EQ(Test_Get_Debug_Output(), c.bShown ? "1700000000 Debug: path 7\n" : "");
    }
    EXPECT_EQ(Read_File("debug.txt"), "");
}

}  // namespace
