// BUTTON controls: clicks and their notifications, check states, radio groups, default frames,
// owner drawing and what they tell the dialog manager.
#include "platform/control_fixture.h"

namespace {

using namespace control_fixture;

class ControlButtonTest : public ControlTest {};

TEST_F(ControlButtonTest, ClickedIsSentOnceByMouseSpaceAndBmClick) {
    enum HOW { MOUSE, SPACE, BM };
    for (HOW how : {MOUSE, SPACE, BM}) {
        SCOPED_TRACE(how);
        Parent().aReceived.clear();
        HWND h = Create("BUTTON", "OK", BS_PUSHBUTTON, 10, 10, 80, 24, 7);
        if (how == MOUSE)
            Click(h, 40, 12);
        if (how == SPACE) {
            SetFocus(h);
            Test_Send_Key(h, VK_SPACE);
        }
        if (how == BM)
            SendMessageA(h, BM_CLICK, 0, 0);
        std::vector<PARENT_MESSAGE> a = Received(WM_COMMAND);
        ASSERT_EQ(a.size(), 1u);
        EXPECT_EQ(a[0].wParam, MAKEWPARAM(7, BN_CLICKED));
        EXPECT_EQ(a[0].lParam, reinterpret_cast<LPARAM>(h));
        EXPECT_EQ(GetCapture(), nullptr);
        DestroyWindow(h);
    }
}

TEST_F(ControlButtonTest, NoClickWhenReleasedOutsideOrDisabled) {
    HWND h = Create("BUTTON", "OK", BS_PUSHBUTTON, 10, 10, 80, 24, 7);
    Test_Send_Mouse(h, WM_LBUTTONDOWN, 40, 12, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), h);
    EXPECT_TRUE(SendMessageA(h, BM_GETSTATE, 0, 0) & BST_PUSHED);
    Test_Send_Mouse(h, WM_MOUSEMOVE, 200, 100, MK_LBUTTON);
    EXPECT_FALSE(SendMessageA(h, BM_GETSTATE, 0, 0) & BST_PUSHED);
    Test_Send_Mouse(h, WM_LBUTTONUP, 200, 100, 0);
    EXPECT_EQ(Commands(7, BN_CLICKED), 0);

    EnableWindow(h, FALSE);
    SendMessageA(h, BM_CLICK, 0, 0);
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 12));
    SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(40, 12));
    EXPECT_EQ(Commands(7, BN_CLICKED), 0);
}

TEST_F(ControlButtonTest, ClicksChangeTheCheckOfAutomaticButtonsOnly) {
    struct CASE {
        DWORD dwStyle;
        std::vector<LRESULT> aAfterEachClick;
    };
    const CASE kCases[] = {
        {BS_AUTOCHECKBOX, {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}},
        {BS_AUTO3STATE, {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}},
        {BS_CHECKBOX, {BST_UNCHECKED, BST_UNCHECKED}},
        {BS_AUTORADIOBUTTON, {BST_CHECKED, BST_CHECKED}},
        {BS_RADIOBUTTON, {BST_UNCHECKED}},
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(c.dwStyle);
        Parent().aReceived.clear();
        HWND h = Create("BUTTON", "Box", c.dwStyle | WS_GROUP, 10, 10, 100, 20, 8);
        for (LRESULT nExpected : c.aAfterEachClick) {
            Click(h, 5, 10);
            EXPECT_EQ(SendMessageA(h, BM_GETCHECK, 0, 0), nExpected);
        }
        EXPECT_EQ(Commands(8, BN_CLICKED), static_cast<int>(c.aAfterEachClick.size()));
        DestroyWindow(h);
    }
}

TEST_F(ControlButtonTest, AutoRadioUnchecksOnlyTheOthersOfItsGroup) {
    // Group one: 1, 2, 3; group two starts with 4.
    HWND a[5];
    for (int i = 0; i < 5; i++) {
        DWORD dwGroup = (i == 0 || i == 3) ? WS_GROUP : 0;
        a[i] = Create("BUTTON", "r", BS_AUTORADIOBUTTON | dwGroup, 10, 10 + 22 * i, 100, 20, i + 1);
    }
    CheckDlgButton(hParent, 1, BST_CHECKED);
    CheckDlgButton(hParent, 4, BST_CHECKED);
    Click(a[2], 5, 10);
    EXPECT_EQ(IsDlgButtonChecked(hParent, 1), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(hParent, 3), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(hParent, 4), BST_CHECKED);
    Click(a[4], 5, 10);
    EXPECT_EQ(IsDlgButtonChecked(hParent, 3), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(hParent, 4), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(hParent, 5), BST_CHECKED);

    CheckRadioButton(hParent, 1, 3, 2);
    EXPECT_EQ(IsDlgButtonChecked(hParent, 2), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(hParent, 3), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(hParent, 5), BST_CHECKED);
}

TEST_F(ControlButtonTest, DialogCodesTellTheKindOfButton) {
    struct CASE {
        DWORD dwStyle;
        LRESULT nCode;
    };
    const CASE kCases[] = {
        {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {BS_AUTOCHECKBOX, DLGC_BUTTON},
        {BS_GROUPBOX, DLGC_STATIC},
    };
    for (const CASE& c : kCases) {
        HWND h = Create("BUTTON", "x", c.dwStyle, 0, 0, 50, 20);
        EXPECT_EQ(SendMessageA(h, WM_GETDLGCODE, 0, 0), c.nCode) << c.dwStyle;
        DestroyWindow(h);
    }
}

TEST_F(ControlButtonTest, DefaultFrameFollowsBmSetStyle) {
    HWND h = Create("BUTTON", "OK", BS_DEFPUSHBUTTON, 10, 10, 80, 24);
    const uint32_t kFrame = Pixel_Of(GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(Snapshot(h).At(0, 12), kFrame);
    SendMessageA(h, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_NE(Snapshot(h).At(0, 12), kFrame);
    EXPECT_EQ(SendMessageA(h, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
    SendMessageA(h, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(Snapshot(h).At(0, 12), kFrame);
}

// The label's ink inside the push button's face.
const RECT kLabelArea = {4, 4, 76, 20};

TEST_F(ControlButtonTest, LabelIsRedrawnGreyWhenDisabledAndAfterSetText) {
    HWND h = Create("BUTTON", "Go", BS_PUSHBUTTON, 10, 10, 80, 24);
    const uint32_t kFace = Pixel_Of(GetSysColor(COLOR_BTNFACE));
    const uint32_t kGrey = Pixel_Of(GetSysColor(COLOR_GRAYTEXT));
    std::pair<int, int> spanBefore = Snapshot(h).Ink(kFace, kLabelArea, true);
    ASSERT_GE(spanBefore.first, 0);
    SetWindowTextA(h, "A longer label");
    PIXELS after = Snapshot(h);
    std::pair<int, int> spanAfter = after.Ink(kFace, kLabelArea, true);
    EXPECT_GT(spanAfter.second - spanAfter.first, spanBefore.second - spanBefore.first + 20);
    // Disabled, the darkest ink is the grey text colour.
    EXPECT_LT(after.Darkest(kLabelArea), 3 * 0x40);
    EnableWindow(h, FALSE);
    PIXELS disabled = Snapshot(h);
    EXPECT_TRUE(disabled.Has(kGrey));
    EXPECT_GE(disabled.Darkest(kLabelArea), 3 * 0x80);
}

TEST_F(ControlButtonTest, MnemonicIsUnderlinedNotShown) {
    HWND hPlain = Create("BUTTON", "Hi", BS_PUSHBUTTON, 10, 10, 80, 24);
    HWND hMnemonic = Create("BUTTON", "&Hi", BS_PUSHBUTTON, 10, 40, 80, 24);
    const uint32_t kFace = Pixel_Of(GetSysColor(COLOR_BTNFACE));
    PIXELS plain = Snapshot(hPlain);
    PIXELS mnemonic = Snapshot(hMnemonic);
    // The '&' takes no room; the underline lies below the text.
    EXPECT_EQ(mnemonic.Ink(kFace, kLabelArea, true), plain.Ink(kFace, kLabelArea, true));
    EXPECT_GT(mnemonic.Ink(kFace, kLabelArea, false).second,
              plain.Ink(kFace, kLabelArea, false).second);
}

TEST_F(ControlButtonTest, FocusRectangleShowsOnlyWithFocus) {
    HWND h = Create("BUTTON", "OK", BS_PUSHBUTTON, 10, 10, 80, 24);
    const uint32_t kFace = Pixel_Of(GetSysColor(COLOR_BTNFACE));
    const RECT kFocusColumn = {3, 4, 4, 20};
    EXPECT_EQ(Snapshot(h).Ink(kFace, kFocusColumn, false).first, -1);
    SetFocus(h);
    EXPECT_GE(Snapshot(h).Ink(kFace, kFocusColumn, false).first, 0);
    EXPECT_TRUE(SendMessageA(h, BM_GETSTATE, 0, 0) & BST_FOCUS);
}

TEST_F(ControlButtonTest, OwnerDrawnButtonAsksTheParentToDraw) {
    HWND h = Create("BUTTON", "", BS_OWNERDRAW, 10, 10, 60, 20, 9);
    PIXELS px = Snapshot(h);
    EXPECT_EQ(px.At(30, 10), 0x00FF00u);
    std::vector<PARENT_MESSAGE> a = Received(WM_DRAWITEM);
    ASSERT_FALSE(a.empty());
    const DRAWITEMSTRUCT& d = a.back().drawItem;
    EXPECT_EQ(a.back().wParam, 9u);
    EXPECT_EQ(d.CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(d.CtlID, 9u);
    EXPECT_EQ(d.hwndItem, h);
    EXPECT_EQ(d.rcItem.right, 60);
    EXPECT_EQ(d.rcItem.bottom, 20);
    EXPECT_FALSE(d.itemState & ODS_SELECTED);
    Parent().aReceived.clear();
    Test_Send_Mouse(h, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Snapshot(h);
    a = Received(WM_DRAWITEM);
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a.back().drawItem.itemState & ODS_SELECTED);
    Test_Send_Mouse(h, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ(Commands(9, BN_CLICKED), 1);
}

TEST_F(ControlButtonTest, CheckBoxesAskForStaticColours) {
    Parent().hColorBrush = CreateSolidBrush(RGB(255, 0, 0));
    HWND h = Create("BUTTON", "Box", BS_AUTOCHECKBOX, 10, 10, 100, 20);
    PIXELS px = Snapshot(h);
    EXPECT_EQ(px.At(99, 0), 0xFF0000u);
    std::vector<PARENT_MESSAGE> a = Received(WM_CTLCOLORSTATIC);
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a.back().lParam, reinterpret_cast<LPARAM>(h));
}

}  // namespace
