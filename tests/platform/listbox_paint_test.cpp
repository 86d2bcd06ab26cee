// List box pictures and owner drawing: the selected row in the highlight colour, the parent's
// brush and text colour from WM_CTLCOLORLISTBOX, text after a tab starting at the tab stop, and
// owner-drawn rows: one WM_MEASUREITEM at creation, one WM_DRAWITEM per visible row with its
// index, state, rectangle and data.
#include "list_control_fixture.h"

namespace listbox_paint_test {

class ListBoxPaintTest : public ListControlTest {
protected:
    // The leftmost column in the row band [nTop, nBottom) with a pixel unlike the background.
    static int First_Ink_Column(const PICTURE& p, int nTop, int nBottom, uint32_t nBackground) {
        for (int x = 0; x < p.nWidth; x++)
            for (int y = nTop; y < nBottom && y < p.nHeight; y++)
                if (p.At(x, y) != nBackground)
                    return x;
        return -1;
    }
};

}  // namespace listbox_paint_test

using listbox_paint_test::ListBoxPaintTest;

TEST_F(ListBoxPaintTest, SelectedRowIsHighlightedOverTheParentsBrush) {
    Answers().hListBrush = CreateSolidBrush(RGB(0, 128, 0));
    Answers().crListText = RGB(255, 255, 0);
    HWND h = Create("LISTBOX", LBS_NOINTEGRALHEIGHT, 120, 80);
    Add_Strings(h, LB_ADDSTRING, {"one", "two", "three"});
    SendMessageA(h, LB_SETCURSEL, 1, 0);
    const int nRow = static_cast<int>(SendMessageA(h, LB_GETITEMHEIGHT, 0, 0));
    PICTURE p = Snapshot(h);
    EXPECT_GT(Log().nColorRequests, 0);
    const uint32_t nGreen = Rgb_Of(RGB(0, 128, 0));
    EXPECT_EQ(p.At(110, nRow / 2), nGreen);  // right of the first row's text
    EXPECT_EQ(p.At(110, nRow + nRow / 2), Rgb_Of(GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_EQ(p.At(60, 70), nGreen);  // below the rows
    // The first row's text in the parent's text colour (blended into the green at its edges).
    bool bYellow = false;
    for (int x = 0; x < 60; x++)
        for (int y = 0; y < nRow; y++)
            bYellow |= (p.At(x, y) >> 16) > 0x80;
    EXPECT_TRUE(bYellow);
}

TEST_F(ListBoxPaintTest, DefaultColoursWithoutAParentBrush) {
    HWND h = Create("LISTBOX", LBS_NOINTEGRALHEIGHT, 120, 80);
    Add_Strings(h, LB_ADDSTRING, {"one"});
    PICTURE p = Snapshot(h);
    EXPECT_EQ(p.At(110, 40), Rgb_Of(GetSysColor(COLOR_WINDOW)));
}

TEST_F(ListBoxPaintTest, TextAfterATabStartsAtTheTabStop) {
    const int nBaseX = LOWORD(GetDialogBaseUnits());
    struct CASE {
        std::vector<INT> aStops;  // dialog units; empty: the default stops
        const char* szRow;
        int nExpectedX;  // from the row's text origin
    };
    const CASE aCases[] = {
        {{}, "\tX", 32 * nBaseX / 4},
        {{40}, "\tX", 40 * nBaseX / 4},
        {{40}, "\t\tX", 80 * nBaseX / 4},
        {{10, 50}, "\t\tX", 50 * nBaseX / 4},
    };
    for (const CASE& c : aCases) {
        HWND h = Create("LISTBOX", LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, 300, 40);
        if (!c.aStops.empty())
            SendMessageA(h, LB_SETTABSTOPS, c.aStops.size(),
                         reinterpret_cast<LPARAM>(c.aStops.data()));
        SendMessageA(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.szRow));
        const int nRow = static_cast<int>(SendMessageA(h, LB_GETITEMHEIGHT, 0, 0));
        PICTURE p = Snapshot(h);
        const int x = First_Ink_Column(p, 0, nRow, Rgb_Of(GetSysColor(COLOR_WINDOW)));
        // The text origin is 2 pixels in; the glyph may start a pixel right of its pen position.
        EXPECT_GE(x, 2 + c.nExpectedX) << c.aStops.size() << " stops";
        EXPECT_LE(x, 2 + c.nExpectedX + 2) << c.aStops.size() << " stops";
        DestroyWindow(h);
    }
}

TEST_F(ListBoxPaintTest, OwnerDrawnRowsAreMeasuredOnceAndDrawnWhenVisible) {
    Answers().nMeasuredHeight = 20;
    HWND h =
        Create("LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, 120, 70, 42);
    ASSERT_EQ(Log().aMeasured.size(), 1u);
    EXPECT_EQ(Log().aMeasured[0].CtlType, static_cast<UINT>(ODT_LISTBOX));
    EXPECT_EQ(Log().aMeasured[0].CtlID, 42u);
    EXPECT_EQ(Log().aMeasured[0].itemID, 0u);
    EXPECT_EQ(SendMessageA(h, LB_GETITEMHEIGHT, 0, 0), 20);

    Add_Strings(h, LB_ADDSTRING, {"a", "b", "c", "d", "e", "f"});
    for (int i = 0; i < 6; i++)
        SendMessageA(h, LB_SETITEMDATA, static_cast<WPARAM>(i), 100 + i);
    SendMessageA(h, LB_SETTOPINDEX, 2, 0);
    SendMessageA(h, LB_SETCURSEL, 3, 0);
    SetFocus(h);
    Log().aDrawn.clear();
    Snapshot(h);

    // 70 pixels of 20-pixel rows: rows 2..5 are visible, the last one in part.
    ASSERT_EQ(Log().aDrawn.size(), 4u);
    for (size_t i = 0; i < 4; i++) {
        const DRAWITEMSTRUCT& d = Log().aDrawn[i];
        const UINT nItem = static_cast<UINT>(2 + i);
        EXPECT_EQ(d.CtlType, static_cast<UINT>(ODT_LISTBOX));
        EXPECT_EQ(d.CtlID, 42u);
        EXPECT_EQ(d.itemID, nItem);
        EXPECT_EQ(d.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
        EXPECT_EQ(d.itemState, nItem == 3 ? static_cast<UINT>(ODS_SELECTED | ODS_FOCUS) : 0u);
        EXPECT_EQ(d.hwndItem, h);
        EXPECT_EQ(d.itemData, 100 + nItem);
        EXPECT_EQ(d.rcItem.top, static_cast<LONG>(20 * i));
        EXPECT_EQ(d.rcItem.bottom - d.rcItem.top, 20);
    }

    EnableWindow(h, FALSE);
    Log().aDrawn.clear();
    Snapshot(h);
    ASSERT_FALSE(Log().aDrawn.empty());
    EXPECT_TRUE(Log().aDrawn[0].itemState & ODS_DISABLED);
}
