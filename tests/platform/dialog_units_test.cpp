// Dialog units: the template font's base units measured as the dialog manager defines them, the
// dialog and its controls placed with them, the dialog font handed to every control, and the
// default GUI font's units for GetDialogBaseUnits.
#include "dialog_test_controls.h"
#include "platform/test_api.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

namespace {

INT_PTR Units_Dialog_Proc(HWND /*hDlg*/, UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return uMsg == WM_INITDIALOG;
}

// The base units of a font measured through GDI: average width of the 52 letters rounded,
// cell height.
SIZE Measured_Units(HFONT hFont) {
    HDC hdc = CreateCompatibleDC(nullptr);
    SelectObject(hdc, hFont);
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(hdc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &extent);
    TEXTMETRICA tm = {};
    GetTextMetricsA(hdc, &tm);
    DeleteDC(hdc);
    SIZE units = {(extent.cx / 26 + 1) / 2, tm.tmHeight};
    return units;
}

class DialogUnitsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Register_Dialog_Test_Control();
    }
    void TearDown() override {
        Test_Reset_Platform();
    }
};

TEST_F(DialogUnitsTest, TemplateFontGivesTheUnitsOfTheDialogAndItsControls) {
    HWND hDlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_KEYBOARD),
                                   nullptr, Units_Dialog_Proc, 0);
    ASSERT_NE(hDlg, nullptr);
    // 8 points at 96 dpi: 11 pixels of character height.
    HFONT hTemplateFont = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH, "MS Sans Serif");
    SIZE units = Measured_Units(hTemplateFont);
    ASSERT_GT(units.cx, 0);
    RECT rcBase = {0, 0, 4, 8};
    ASSERT_TRUE(MapDialogRect(hDlg, &rcBase));
    EXPECT_EQ(rcBase.right, units.cx);
    EXPECT_EQ(rcBase.bottom, units.cy);

    // The client area is the template's size; a control sits where its units say.
    RECT rcClient, rcSize = {0, 0, 170, 92};
    GetClientRect(hDlg, &rcClient);
    MapDialogRect(hDlg, &rcSize);
    EXPECT_EQ(rcClient.right, rcSize.right);
    EXPECT_EQ(rcClient.bottom, rcSize.bottom);
    HWND hApply = GetDlgItem(hDlg, IDC_TEST_APPLY);
    RECT rcApply, rcExpected = {7, 70, 7 + 50, 70 + 14};
    GetWindowRect(hApply, &rcApply);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rcApply), 2);
    MapDialogRect(hDlg, &rcExpected);
    EXPECT_EQ(rcApply.left, rcExpected.left);
    EXPECT_EQ(rcApply.top, rcExpected.top);
    EXPECT_EQ(rcApply.right, rcExpected.right);
    EXPECT_EQ(rcApply.bottom, rcExpected.bottom);

    // Every control has the dialog's font, which measures as the template font does.
    HFONT hDialogFont = reinterpret_cast<HFONT>(SendMessageA(hDlg, WM_GETFONT, 0, 0));
    ASSERT_NE(hDialogFont, nullptr);
    SIZE dialogUnits = Measured_Units(hDialogFont);
    EXPECT_EQ(dialogUnits.cx, units.cx);
    EXPECT_EQ(dialogUnits.cy, units.cy);
    for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        EXPECT_EQ(Dialog_Test_Controls().fonts[h], hDialogFont);
    DestroyWindow(hDlg);
}

TEST_F(DialogUnitsTest, BaseUnitsOfTheDefaultFontAndNoDialog) {
    SIZE units = Measured_Units(reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    LONG nBase = GetDialogBaseUnits();
    EXPECT_EQ(LOWORD(nBase), units.cx);
    EXPECT_EQ(HIWORD(nBase), units.cy);

    HWND hPlain = CreateWindowExA(0, "DialogTestControl", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr);
    RECT rc = {1, 2, 3, 4};
    EXPECT_FALSE(MapDialogRect(hPlain, &rc));
    EXPECT_EQ(rc.right, 3);
}

}  // namespace
