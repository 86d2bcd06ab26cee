// Owner-drawn combo boxes: WM_MEASUREITEM for the field (itemID -1) and then the rows, and
// WM_DRAWITEM as the combo box's own (ODT_COMBOBOX, its id and handle) for the field, marked
// ODS_COMBOBOXEDIT, and for the rows of the dropped list.
#include "list_control_fixture.h"

namespace combo_owner_draw_test {

class ComboOwnerDrawTest : public ListControlTest {
protected:
    HWND hCombo = nullptr;

    void SetUp() override {
        ListControlTest::SetUp();
        Answers().nMeasuredHeight = 18;
        Answers().nMeasuredFieldHeight = 24;
        hCombo = Create("COMBOBOX", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 150,
                        200, 77);
        Add_Strings(hCombo, CB_ADDSTRING, {"Home", "Away", "Neutral"});
        for (int i = 0; i < 3; i++)
            SendMessageA(hCombo, CB_SETITEMDATA, static_cast<WPARAM>(i), 500 + i);
    }
};

}  // namespace combo_owner_draw_test

using combo_owner_draw_test::ComboOwnerDrawTest;

TEST_F(ComboOwnerDrawTest, FieldThenRowsAreMeasured) {
    ASSERT_EQ(Log().aMeasured.size(), 2u);
    EXPECT_EQ(Log().aMeasured[0].itemID, static_cast<UINT>(-1));
    EXPECT_EQ(Log().aMeasured[1].itemID, 0u);
    for (const MEASUREITEMSTRUCT& m : Log().aMeasured) {
        EXPECT_EQ(m.CtlType, static_cast<UINT>(ODT_COMBOBOX));
        EXPECT_EQ(m.CtlID, 77u);
    }
    EXPECT_EQ(SendMessageA(hCombo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 24);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETITEMHEIGHT, 0, 0), 18);
    RECT rc = {0, 0, 0, 0};
    GetWindowRect(hCombo, &rc);
    EXPECT_EQ(rc.bottom - rc.top, 24 + 6);
}

TEST_F(ComboOwnerDrawTest, FieldIsDrawnByTheParentWithTheSelectedRow) {
    SendMessageA(hCombo, CB_SETCURSEL, 2, 0);
    SetFocus(hCombo);
    Log().aDrawn.clear();
    Snapshot(hCombo);
    ASSERT_EQ(Log().aDrawn.size(), 1u);
    const DRAWITEMSTRUCT& d = Log().aDrawn[0];
    EXPECT_EQ(d.CtlType, static_cast<UINT>(ODT_COMBOBOX));
    EXPECT_EQ(d.CtlID, 77u);
    EXPECT_EQ(d.hwndItem, hCombo);
    EXPECT_EQ(d.itemID, 2u);
    EXPECT_EQ(d.itemData, 502u);
    EXPECT_EQ(d.itemState, static_cast<UINT>(ODS_COMBOBOXEDIT | ODS_SELECTED | ODS_FOCUS));
    EXPECT_EQ(d.rcItem.bottom - d.rcItem.top, 24);

    SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Log().aDrawn.clear();
    Snapshot(hCombo);
    ASSERT_EQ(Log().aDrawn.size(), 1u);
    EXPECT_EQ(Log().aDrawn[0].itemID, static_cast<UINT>(-1));
    EXPECT_EQ(Log().aDrawn[0].itemData, static_cast<ULONG_PTR>(CB_ERR));
}

TEST_F(ComboOwnerDrawTest, DroppedRowsAreDrawnAsTheComboBoxs) {
    SendMessageA(hCombo, CB_SETCURSEL, 1, 0);
    Snapshot(hCombo);
    Log().aDrawn.clear();
    Click(hCombo, 10, 10);
    ASSERT_NE(SendMessageA(hCombo, CB_GETDROPPEDSTATE, 0, 0), 0);
    Snapshot(hCombo);  // paints every window waiting, the list too
    std::vector<UINT> aRows;
    for (const DRAWITEMSTRUCT& d : Log().aDrawn) {
        EXPECT_EQ(d.CtlType, static_cast<UINT>(ODT_COMBOBOX));
        EXPECT_EQ(d.CtlID, 77u);
        EXPECT_EQ(d.hwndItem, hCombo);
        if (d.itemState & ODS_COMBOBOXEDIT)
            continue;
        aRows.push_back(d.itemID);
        EXPECT_EQ(d.itemData, 500 + d.itemID);
        EXPECT_EQ(d.rcItem.bottom - d.rcItem.top, 18);
        EXPECT_EQ((d.itemState & ODS_SELECTED) != 0, d.itemID == 1u);
    }
    EXPECT_EQ(aRows, (std::vector<UINT>{0, 1, 2}));
}
