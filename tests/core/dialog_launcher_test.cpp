// The dialog launcher: which template runs with which lParam, the unknown-id message, and the
// repaint after every dialog.

#include "core_test_fixture.h"
#include "resources/resource.h"

namespace {

int gPaintCount = 0;

LRESULT Count_Paints(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_PAINT)
        gPaintCount++;
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// What each bar received, in order: 'S' for WM_SIZE, 'P' for WM_PAINT.
std::string gButtonBarLog;
std::string gNewsBarLog;

LRESULT Log_Bar_Messages(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    std::string& stLog = hWnd == gButtonBar ? gButtonBarLog : gNewsBarLog;
    if (uMsg == WM_SIZE)
        stLog += 'S';
    if (uMsg == WM_PAINT)
        stLog += 'P';
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// A hidden child window of the main window with the bar's message log.
HWND Create_Bar(const char* szClass) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Log_Bar_Messages;
    wc.hInstance = Get_App_Instance();
    wc.lpszClassName = szClass;
    UnregisterClassA(szClass, wc.hInstance);
    if (!RegisterClassA(&wc))
        return NULL;
    return CreateWindowExA(0, szClass, "", WS_CHILD, 0, 0, 640, 30, gMainWindow, NULL, wc.hInstance,
                           NULL);
}

class DialogLauncherTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        gLastPaintedPage = 40030;
        for (int i = 0; i < FIELD_PLAYER_ROWS; i++) {
            gFieldPlayerIds[i] = 1000 + i;
            gFieldPlayerRatings[i] = 50 + i;
        }
    }

    static void Expect_Repaint_Forced() {
        EXPECT_EQ(gLastPaintedPage, -1);
        for (int i = 0; i < FIELD_PLAYER_ROWS; i++) {
            EXPECT_EQ(gFieldPlayerIds[i], 0) << i;
            EXPECT_EQ(gFieldPlayerRatings[i], 0) << i;
        }
    }
};

TEST_F(DialogLauncherTest, UnknownIdShowsTheMessageReturnsZeroAndRepaints) {
    Test_Answer_Message_Box(IDOK);
    EXPECT_EQ(Do_Dialog(NULL, 113, 5), 0);

    EXPECT_TRUE(Shown_Dialogs().empty());
    ASSERT_EQ(Shown_Boxes().size(), 1u);
    EXPECT_EQ(Shown_Boxes()[0].stCaption, "Do_Dialog()");
    EXPECT_EQ(Shown_Boxes()[0].stText,
              "Unrecognized idDialog in Do_Dialog(). DialogBox() call aborted.");
    Expect_Repaint_Forced();
}

TEST_F(DialogLauncherTest, IdsRunTheirTemplateWithTheirParameter) {
    struct CASE {
        int idDialog;
        LPARAM lParam;
        int nTemplate;
        LPARAM lExpectedParam;
    } const aCases[] = {
        {114, 77, 114, 0}, {130, 77, 114, 1}, {170, 0, 114, 2},
        {147, 9, 147, 9},  {103, 0, 103, 0},  {200, 3, 200, 3},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << "id " << c.idDialog);
        Test_Clear_Transcript();
        EXPECT_EQ(Do_Dialog(NULL, c.idDialog, c.lParam), IDCANCEL);
        ASSERT_EQ(Shown_Dialogs().size(), 1u);
        EXPECT_EQ(Shown_Dialogs()[0].nTemplateId, c.nTemplate);
        EXPECT_EQ(Shown_Dialogs()[0].lParam, c.lExpectedParam);
        Expect_Repaint_Forced();
    }
}

TEST_F(DialogLauncherTest, StatChoosingIdsTellTheSharedProcedureWhichFormRuns) {
    for (int idDialog : {143, 144, 145, 163}) {
        SCOPED_TRACE(idDialog);
        Test_Clear_Transcript();
        gChooseStatDialogId = 0;
        Do_Dialog(NULL, idDialog, 0);
        ASSERT_EQ(Shown_Dialogs().size(), 1u);
        EXPECT_EQ(Shown_Dialogs()[0].nTemplateId, idDialog);
        EXPECT_EQ(gChooseStatDialogId, idDialog);
    }
}

TEST_F(DialogLauncherTest, OpenDialogRunsWithoutParameter) {
    EXPECT_EQ(Open_Dialog(NULL, 118), IDCANCEL);
    ASSERT_EQ(Shown_Dialogs().size(), 1u);
    EXPECT_EQ(Shown_Dialogs()[0].nTemplateId, 118);
    EXPECT_EQ(Shown_Dialogs()[0].lParam, 0);
    Expect_Repaint_Forced();
}

TEST_F(DialogLauncherTest, OpenDialogLaysOutAndShowsTheBarsFirst) {
    ASSERT_NE(Create_Main_Window(Count_Paints), nullptr);
    gButtonBar = Create_Bar("CoreTestButtonBar");
    gNewsBar = Create_Bar("CoreTestNewsBar");
    ASSERT_NE(gButtonBar, nullptr);
    ASSERT_NE(gNewsBar, nullptr);
    gButtonBarLog.clear();
    gNewsBarLog.clear();
    std::string stBarsWhenOpened;
    // The skinned message dialog stays open until its script has run.
    Test_Script_Dialog(IDD_USER_MESSAGE, [&stBarsWhenOpened](HWND) {
        stBarsWhenOpened = gButtonBarLog + "/" + gNewsBarLog;
        stBarsWhenOpened += IsWindowVisible(gButtonBar) && IsWindowVisible(gNewsBar) ? "+" : "-";
    });

    Open_Dialog(NULL, IDD_USER_MESSAGE);

    EXPECT_EQ(stBarsWhenOpened, "SP/SP+");
    gButtonBar = NULL;
    gNewsBar = NULL;
}

TEST_F(DialogLauncherTest, MainWindowIsRepaintedAfterEveryDialog) {
    ASSERT_NE(Create_Main_Window(Count_Paints), nullptr);
    UpdateWindow(gMainWindow);
    gPaintCount = 0;

    Do_Dialog(NULL, 156, 0);
    EXPECT_EQ(gPaintCount, 1);
    Do_Dialog(NULL, 1, 0);  // not in the table
    EXPECT_EQ(gPaintCount, 2);
}

}  // namespace
