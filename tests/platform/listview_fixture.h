// A top-level window holding a report-mode list view (id kListId) with three columns, recording
// the WM_NOTIFY messages it gets, for the list-view tests.
#pragma once

#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace listview_fixture {

const int kListId = 100;

// What a notification said, copied while it was sent.
struct SEEN_NOTIFY {
    HWND hFrom;
    UINT_PTR nId;
    UINT uCode;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    POINT pt;
};

inline std::vector<SEEN_NOTIFY>& Seen() {
    static std::vector<SEEN_NOTIFY> aSeen;
    return aSeen;
}

inline LRESULT Parent_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg != WM_NOTIFY)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    SEEN_NOTIFY seen = {pHdr->hwndFrom, pHdr->idFrom, pHdr->code, -1, -1, 0, 0, {0, 0}};
    if (pHdr->code == NM_CLICK || pHdr->code == NM_DBLCLK || pHdr->code == NM_RCLICK ||
        pHdr->code == LVN_ITEMCHANGED || pHdr->code == LVN_ITEMCHANGING ||
        pHdr->code == LVN_COLUMNCLICK) {
        const NMLISTVIEW* pList = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if (pHdr->code != NM_RCLICK || pHdr->hwndFrom == GetDlgItem(hWnd, kListId)) {
            seen.iItem = pList->iItem;
            seen.iSubItem = pList->iSubItem;
            seen.uNewState = pList->uNewState;
            seen.uOldState = pList->uOldState;
            seen.pt = pList->ptAction;
        }
    } else if (pHdr->code >= HDN_ENDDRAG && pHdr->code <= HDN_ITEMCHANGINGA) {
        seen.iItem = reinterpret_cast<const NMHEADERA*>(lParam)->iItem;
    }
    Seen().push_back(seen);
    return 0;
}

class ListViewTest : public ::testing::Test {
protected:
    HWND hParent = nullptr;
    HWND hList = nullptr;

    void SetUp() override {
        Test_Reset_Platform();
        Seen().clear();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Parent_Proc;
        wc.lpszClassName = "ListViewParent";
        ASSERT_NE(RegisterClassA(&wc), 0u);
        hParent = CreateWindowExA(0, "ListViewParent", "lists", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                  0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(hParent, nullptr);
        hList = Create_List(LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL);
        ASSERT_NE(hList, nullptr);
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    HWND Create_List(DWORD dwStyle) {
        HWND hWnd =
            CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | dwStyle, 10, 10, 300, 200,
                            hParent, reinterpret_cast<HMENU>(kListId), nullptr, nullptr);
        const char* aNames[] = {"Name", "Pos", "Age"};
        for (int i = 0; i < 3; i++)
            Insert_Column(hWnd, i, aNames[i], 80, i == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT);
        return hWnd;
    }

    static int Insert_Column(HWND hWnd, int nAt, const char* szText, int nWidth, int nFormat) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(szText);
        column.cx = nWidth;
        column.fmt = nFormat;
        column.iSubItem = nAt;
        return static_cast<int>(
            SendMessageA(hWnd, LVM_INSERTCOLUMNA, nAt, reinterpret_cast<LPARAM>(&column)));
    }

    // Adds a row at the end: its texts by column and its lParam.
    int Add_Row(const std::vector<std::string>& aTexts, LPARAM lParam) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = Item_Count();
        item.pszText = const_cast<char*>(aTexts[0].c_str());
        item.lParam = lParam;
        int nItem = static_cast<int>(
            SendMessageA(hList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        for (size_t i = 1; i < aTexts.size(); i++) {
            LVITEMA sub = {};
            sub.iSubItem = static_cast<int>(i);
            sub.pszText = const_cast<char*>(aTexts[i].c_str());
            SendMessageA(hList, LVM_SETITEMTEXTA, nItem, reinterpret_cast<LPARAM>(&sub));
        }
        return nItem;
    }
    void Add_Rows(int nCount) {
        for (int i = 0; i < nCount; i++)
            Add_Row({"Row " + std::to_string(i), std::to_string(i % 7), std::to_string(20 + i)}, i);
    }

    int Item_Count() const {
        return static_cast<int>(SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0));
    }
    std::string Text(int nItem, int nSubItem) const {
        char szText[64] = "";
        LVITEMA item = {};
        item.iSubItem = nSubItem;
        item.pszText = szText;
        item.cchTextMax = sizeof(szText);
        SendMessageA(hList, LVM_GETITEMTEXTA, nItem, reinterpret_cast<LPARAM>(&item));
        return szText;
    }
    LPARAM Param(int nItem) const {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = nItem;
        SendMessageA(hList, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return item.lParam;
    }
    UINT State(int nItem) const {
        return static_cast<UINT>(
            SendMessageA(hList, LVM_GETITEMSTATE, nItem, LVIS_SELECTED | LVIS_FOCUSED));
    }
    BOOL Set_State(int nItem, UINT uState, UINT uMask) {
        LVITEMA item = {};
        item.state = uState;
        item.stateMask = uMask;
        return static_cast<BOOL>(
            SendMessageA(hList, LVM_SETITEMSTATE, nItem, reinterpret_cast<LPARAM>(&item)));
    }
    RECT Item_Rect(int nItem) const {
        RECT rc = {};
        rc.left = LVIR_BOUNDS;
        SendMessageA(hList, LVM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(&rc));
        return rc;
    }
    HWND Header() const {
        return reinterpret_cast<HWND>(SendMessageA(hList, LVM_GETHEADER, 0, 0));
    }
    RECT Header_Rect(int nColumn) const {
        RECT rc = {};
        SendMessageA(Header(), HDM_GETITEMRECT, nColumn, reinterpret_cast<LPARAM>(&rc));
        return rc;
    }
    int Column_Width(int nColumn) const {
        return static_cast<int>(SendMessageA(hList, LVM_GETCOLUMNWIDTH, nColumn, 0));
    }
    std::vector<int> Order() const {
        std::vector<int> a(3, -1);
        SendMessageA(hList, LVM_GETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(a.data()));
        return a;
    }

    static std::vector<SEEN_NOTIFY> Of_Code(UINT uCode) {
        std::vector<SEEN_NOTIFY> a;
        for (const SEEN_NOTIFY& seen : Seen())
            if (seen.uCode == uCode)
                a.push_back(seen);
        return a;
    }
    // The items an LVN_ITEMCHANGED reported, in order.
    static std::vector<int> Changed_Items() {
        std::vector<int> a;
        for (const SEEN_NOTIFY& seen : Of_Code(LVN_ITEMCHANGED))
            a.push_back(seen.iItem);
        return a;
    }
};

}  // namespace listview_fixture

using listview_fixture::ListViewTest;
using listview_fixture::Seen;
