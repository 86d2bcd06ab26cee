// EDIT controls: typing, caret keys and selection, the text limit, notifications, the
// clipboard, read-only and number-only boxes, multi-line text and the mouse.
#include "platform/control_fixture.h"

namespace {

using namespace control_fixture;

const int kId = 30;

class ControlEditTest : public ControlTest {
protected:
    HWND Edit(DWORD dwStyle = ES_AUTOHSCROLL, const char* szText = "", int nHeight = 22) {
        HWND h = Create("EDIT", szText, dwStyle, 10, 10, 150, nHeight, kId);
        SetFocus(h);
        Parent().aReceived.clear();
        return h;
    }
    static void Type(const char* sz) {
        for (; *sz; sz++) {
            char c = *sz;
            bool bShift = c >= 'A' && c <= 'Z';
            UINT uKey =
                (c >= 'a' && c <= 'z') ? static_cast<UINT>(c - 'a' + 'A') : static_cast<UINT>(c);
            Test_Send_Key(nullptr, uKey, false, false, bShift);
        }
    }
    static std::pair<DWORD, DWORD> Selection(HWND h) {
        DWORD nFrom = 0, nTo = 0;
        SendMessageA(h, EM_GETSEL, reinterpret_cast<WPARAM>(&nFrom),
                     reinterpret_cast<LPARAM>(&nTo));
        return {nFrom, nTo};
    }
};

TEST_F(ControlEditTest, TypingEditingKeysAndChangeNotifications) {
    HWND h = Edit();
    Type("abc");
    EXPECT_EQ(Text_Of(h), "abc");
    EXPECT_EQ(Commands(kId, EN_CHANGE), 3);
    Test_Send_Key(nullptr, VK_BACK);
    Test_Send_Key(nullptr, VK_HOME);
    Test_Send_Key(nullptr, VK_DELETE);
    Type("X");
    Test_Send_Key(nullptr, VK_END);
    Type("Z");
    EXPECT_EQ(Text_Of(h), "XbZ");
    EXPECT_EQ(Commands(kId, EN_CHANGE), 7);
    EXPECT_TRUE(SendMessageA(h, EM_GETMODIFY, 0, 0));

    // Keys that change nothing send nothing.
    Test_Send_Key(nullptr, VK_DELETE);
    EXPECT_EQ(Commands(kId, EN_CHANGE), 7);

    SetWindowTextA(h, "fresh");
    EXPECT_EQ(Commands(kId, EN_CHANGE), 8);
    EXPECT_FALSE(SendMessageA(h, EM_GETMODIFY, 0, 0));
    EXPECT_EQ(SendMessageA(h, WM_GETTEXTLENGTH, 0, 0), 5);
}

TEST_F(ControlEditTest, ShiftArrowsSelectAndTypingReplacesTheSelection) {
    HWND h = Edit(ES_AUTOHSCROLL, "hello");
    SendMessageA(h, EM_SETSEL, 5, 5);
    Test_Send_Key(nullptr, VK_LEFT, false, false, true);
    Test_Send_Key(nullptr, VK_LEFT, false, false, true);
    EXPECT_EQ(Selection(h), std::make_pair(DWORD(3), DWORD(5)));
    Type("p");
    EXPECT_EQ(Text_Of(h), "help");
    Test_Send_Key(nullptr, VK_HOME, false, false, true);
    EXPECT_EQ(Selection(h), std::make_pair(DWORD(0), DWORD(4)));
    // An arrow without Shift drops the selection at its end.
    Test_Send_Key(nullptr, VK_RIGHT);
    EXPECT_EQ(Selection(h), std::make_pair(DWORD(4), DWORD(4)));
    Test_Send_Key(nullptr, 'A', false, true);
    EXPECT_EQ(Selection(h), std::make_pair(DWORD(0), DWORD(4)));
}

TEST_F(ControlEditTest, SetSelClampsAndSelectsAll) {
    struct CASE {
        int nFrom, nTo;
        DWORD nExpectedFrom, nExpectedTo;
    };
    const CASE kCases[] = {
        {0, -1, 0, 6}, {2, 4, 2, 4}, {4, 2, 2, 4}, {3, 99, 3, 6}, {1, 1, 1, 1},
    };
    HWND h = Edit(ES_AUTOHSCROLL, "abcdef");
    for (const CASE& c : kCases) {
        SendMessageA(h, EM_SETSEL, static_cast<WPARAM>(c.nFrom), c.nTo);
        EXPECT_EQ(Selection(h), std::make_pair(c.nExpectedFrom, c.nExpectedTo))
            << c.nFrom << ", " << c.nTo;
    }
    EXPECT_EQ(SendMessageA(h, EM_GETSEL, 0, 0), MAKELONG(1, 1));
    // A start of -1 drops the selection.
    SendMessageA(h, EM_SETSEL, 0, -1);
    SendMessageA(h, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    std::pair<DWORD, DWORD> sel = Selection(h);
    EXPECT_EQ(sel.first, sel.second);
}

TEST_F(ControlEditTest, LimitCutsTypingAndPastingAndSendsMaxText) {
    HWND h = Edit();
    EXPECT_EQ(SendMessageA(h, EM_GETLIMITTEXT, 0, 0), 30000);
    SendMessageA(h, EM_LIMITTEXT, 3, 0);
    Type("abcde");
    EXPECT_EQ(Text_Of(h), "abc");
    EXPECT_EQ(Commands(kId, EN_CHANGE), 3);
    EXPECT_EQ(Commands(kId, EN_MAXTEXT), 2);
    SendMessageA(h, EM_SETSEL, 1, 2);
    SendMessageA(h, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("XYZ"));
    EXPECT_EQ(Text_Of(h), "aXc");
    // WM_SETTEXT is not held to the limit.
    SetWindowTextA(h, "longer text");
    EXPECT_EQ(Text_Of(h), "longer text");

    // Without ES_AUTOHSCROLL a single line takes only what its box shows.
    HWND hNarrow = Create("EDIT", "", 0, 10, 40, 40, 22, kId + 1);
    SetFocus(hNarrow);
    Type("wwwwwwwwwwwwwwwwwwww");
    size_t nShown = Text_Of(hNarrow).size();
    EXPECT_GT(nShown, 0u);
    EXPECT_LT(nShown, 10u);
    EXPECT_GT(Commands(kId + 1, EN_MAXTEXT), 0);
}

TEST_F(ControlEditTest, ClipboardRoundTripThroughKeys) {
    HWND hFrom = Edit(ES_AUTOHSCROLL, "copy me");
    HWND hTo = Create("EDIT", "", ES_AUTOHSCROLL, 10, 40, 150, 22, kId + 1);
    Test_Send_Key(hFrom, 'A', false, true);
    Test_Send_Key(hFrom, 'C', false, true);
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE hMem = GetClipboardData(CF_TEXT);
    ASSERT_NE(hMem, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(hMem)), "copy me");
    GlobalUnlock(hMem);
    CloseClipboard();

    SetFocus(hTo);
    Test_Send_Key(nullptr, 'V', false, true);
    Test_Send_Key(nullptr, VK_INSERT, false, false, true);
    EXPECT_EQ(Text_Of(hTo), "copy mecopy me");
    EXPECT_EQ(Commands(kId + 1, EN_CHANGE), 2);

    SetFocus(hFrom);
    SendMessageA(hFrom, EM_SETSEL, 0, 5);
    Test_Send_Key(nullptr, 'X', false, true);
    EXPECT_EQ(Text_Of(hFrom), "me");
    SetWindowTextA(hTo, "");
    SendMessageA(hTo, WM_PASTE, 0, 0);
    EXPECT_EQ(Text_Of(hTo), "copy ");
}

TEST_F(ControlEditTest, ClipboardTakesOverItsBlocksAndWantsToBeOpen) {
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, 4);
    EXPECT_EQ(SetClipboardData(CF_TEXT, hMem), nullptr);  // not open
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(OpenClipboard(nullptr));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(SetClipboardData(CF_TEXT, hMem), hMem);
    HGLOBAL hOther = GlobalAlloc(GMEM_MOVEABLE, 4);
    EXPECT_EQ(SetClipboardData(CF_TEXT, hOther), hOther);
    EXPECT_EQ(GlobalSize(hMem), 0u);  // the replaced block was freed
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);  // closed
}

TEST_F(ControlEditTest, ReadOnlyRefusesChangesAndAsksForStaticColours) {
    HWND h = Edit(ES_AUTOHSCROLL | ES_READONLY, "fixed");
    Test_Send_Key(nullptr, 'A', false, true);
    Type("x");
    Test_Send_Key(nullptr, VK_BACK);
    Test_Send_Key(nullptr, 'X', false, true);
    EXPECT_EQ(Text_Of(h), "fixed");
    EXPECT_EQ(Commands(kId, EN_CHANGE), 0);
    Snapshot(h);
    EXPECT_FALSE(Received(WM_CTLCOLORSTATIC).empty());
    EXPECT_TRUE(Received(WM_CTLCOLOREDIT).empty());

    SendMessageA(h, EM_SETREADONLY, FALSE, 0);
    Parent().aReceived.clear();
    Type("x");
    EXPECT_EQ(Text_Of(h), "x");
    Snapshot(h);
    EXPECT_FALSE(Received(WM_CTLCOLOREDIT).empty());
}

TEST_F(ControlEditTest, NumberAndPasswordStyles) {
    HWND hNumber = Edit(ES_AUTOHSCROLL | ES_NUMBER);
    Type("1a2-3");
    EXPECT_EQ(Text_Of(hNumber), "123");

    HWND hPassword = Create("EDIT", "", ES_AUTOHSCROLL | ES_PASSWORD, 10, 40, 150, 22, kId + 1);
    SetFocus(hPassword);
    Type("secret");
    EXPECT_EQ(Text_Of(hPassword), "secret");
    Test_Send_Key(nullptr, 'A', false, true);
    Test_Send_Key(nullptr, 'C', false, true);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
}

TEST_F(ControlEditTest, FocusNotificationsAndDialogCodes) {
    HWND h = Edit();
    HWND hOther = Create("EDIT", "", ES_MULTILINE | ES_WANTRETURN, 10, 40, 150, 40, kId + 1);
    SetFocus(hOther);
    SetFocus(h);
    EXPECT_EQ(Commands(kId, EN_KILLFOCUS), 1);
    EXPECT_EQ(Commands(kId + 1, EN_SETFOCUS), 1);
    EXPECT_EQ(Commands(kId + 1, EN_KILLFOCUS), 1);
    EXPECT_EQ(Commands(kId, EN_SETFOCUS), 1);
    LRESULT nSingle = SendMessageA(h, WM_GETDLGCODE, 0, 0);
    LRESULT nMulti = SendMessageA(hOther, WM_GETDLGCODE, 0, 0);
    EXPECT_EQ(nSingle & (DLGC_WANTCHARS | DLGC_HASSETSEL), DLGC_WANTCHARS | DLGC_HASSETSEL);
    EXPECT_FALSE(nSingle & DLGC_WANTALLKEYS);
    EXPECT_TRUE(nMulti & DLGC_WANTALLKEYS);
}

TEST_F(ControlEditTest, MultiLineLinesEnterWrappingAndScrolling) {
    HWND h = Edit(ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL, "a\r\nb\r\nc", 40);
    EXPECT_EQ(SendMessageA(h, EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(h, EM_LINEINDEX, 2, 0), 6);
    SendMessageA(h, EM_SETSEL, 1, 1);
    Test_Send_Key(nullptr, VK_RETURN);
    EXPECT_EQ(Text_Of(h), "a\r\n\r\nb\r\nc");
    EXPECT_EQ(SendMessageA(h, EM_GETLINECOUNT, 0, 0), 4);
    // Backspace takes the whole line break.
    Test_Send_Key(nullptr, VK_BACK);
    EXPECT_EQ(Text_Of(h), "a\r\nb\r\nc");

    // Down keeps to the lines; End goes to the line's end.
    SendMessageA(h, EM_SETSEL, 0, 0);
    Test_Send_Key(nullptr, VK_DOWN);
    Test_Send_Key(nullptr, VK_END);
    EXPECT_EQ(Selection(h), std::make_pair(DWORD(4), DWORD(4)));

    SetWindowTextA(h, "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8");
    EXPECT_TRUE(SendMessageA(h, EM_LINESCROLL, 0, 2));
    EXPECT_EQ(SendMessageA(h, EM_GETFIRSTVISIBLELINE, 0, 0), 2);
    EXPECT_EQ(GetScrollPos(h, SB_VERT), 2);
    SendMessageA(h, EM_LINESCROLL, 0, -5);
    EXPECT_EQ(SendMessageA(h, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    // The caret moved to the last line brings it into view.
    Test_Send_Key(nullptr, VK_END, false, true);
    EXPECT_GT(SendMessageA(h, EM_GETFIRSTVISIBLELINE, 0, 0), 4);

    SetWindowTextA(h, "many words that will not fit on a single line of this narrow box");
    EXPECT_GT(SendMessageA(h, EM_GETLINECOUNT, 0, 0), 2);
    HWND hSingle = Create("EDIT", "a\r\nb", ES_AUTOHSCROLL, 10, 60, 150, 22, kId + 1);
    EXPECT_EQ(SendMessageA(hSingle, EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(ControlEditTest, MousePlacesTheCaretAndDragSelects) {
    HWND h = Edit(ES_AUTOHSCROLL, "abcdef");
    SetFocus(nullptr);
    Click(h, 140, 10);
    EXPECT_EQ(GetFocus(), h);
    EXPECT_EQ(Selection(h), std::make_pair(DWORD(6), DWORD(6)));
    Click(h, 0, 10);
    EXPECT_EQ(Selection(h), std::make_pair(DWORD(0), DWORD(0)));
    Test_Send_Mouse(h, WM_LBUTTONDOWN, 0, 10, MK_LBUTTON);
    Test_Send_Mouse(h, WM_MOUSEMOVE, 145, 10, MK_LBUTTON);
    Test_Send_Mouse(h, WM_LBUTTONUP, 145, 10, 0);
    EXPECT_EQ(Selection(h), std::make_pair(DWORD(0), DWORD(6)));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ControlEditTest, CaretAndSelectionAreDrawn) {
    HWND h = Edit(ES_AUTOHSCROLL, "abc");
    const uint32_t kHighlight = Pixel_Of(GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_FALSE(Snapshot(h).Has(kHighlight));
    SendMessageA(h, EM_SETSEL, 0, -1);
    EXPECT_TRUE(Snapshot(h).Has(kHighlight));
    // The caret: a line of text colour after the text once the selection is gone.
    SendMessageA(h, EM_SETSEL, 3, 3);
    PIXELS px = Snapshot(h);
    const uint32_t kWindow = Pixel_Of(GetSysColor(COLOR_WINDOW));
    std::pair<int, int> ink = px.Ink(kWindow, {0, 0, 150, 22}, true);
    SetFocus(nullptr);
    std::pair<int, int> inkUnfocused = Snapshot(h).Ink(kWindow, {0, 0, 150, 22}, true);
    EXPECT_GT(ink.second, inkUnfocused.second);
}

}  // namespace
