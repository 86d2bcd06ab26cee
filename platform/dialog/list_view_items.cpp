// The list view's items: their texts by column, lParams and LVIS_* states, with the
// LVN_ITEMCHANGING / LVN_ITEMCHANGED notifications a state change sends; sorting and finding.
#include "list_view_internal.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace list_view_items {
namespace {

int Item_Count(const LIST_VIEW_STATE& state) { return static_cast<int>(state.aItems.size()); }

bool Valid_Item(const LIST_VIEW_STATE& state, int nItem) {
    return nItem >= 0 && nItem < Item_Count(state);
}

void Set_Text(LIST_VIEW_ITEM* pItem, int nSubItem, const char* szText) {
    if (nSubItem < 0) return;
    if (static_cast<int>(pItem->aText.size()) <= nSubItem)
        pItem->aText.resize(static_cast<size_t>(nSubItem) + 1);
    pItem->aText[nSubItem] = szText ? szText : "";
}

std::string Get_Text(const LIST_VIEW_ITEM& item, int nSubItem) {
    return nSubItem >= 0 && nSubItem < static_cast<int>(item.aText.size()) ? item.aText[nSubItem]
                                                                           : std::string();
}

bool Single_Selection(HWND hWnd) {
    return (GetWindowLongPtrA(hWnd, GWL_STYLE) & LVS_SINGLESEL) != 0;
}

// Sends an LVN_* notification about an item's state; the parent's answer.
LRESULT Notify_Item(HWND hWnd, UINT uCode, int nItem, UINT uNew, UINT uOld, LPARAM lParam) {
    NMLISTVIEW nm = {};
    nm.iItem = nItem;
    nm.uNewState = uNew;
    nm.uOldState = uOld;
    nm.uChanged = LVIF_STATE;
    nm.lParam = lParam;
    return Control_Notify_Parent(hWnd, uCode, &nm.hdr);
}

// The bits of uMask other items lose when nItem gains them.
void Clear_Others(HWND hWnd, int nItem, UINT uMask) {
    for (int i = 0;; i++) {
        LIST_VIEW_STATE* pState = List_View_Find(hWnd);
        if (!pState || i >= Item_Count(*pState)) return;
        if (i != nItem && (pState->aItems[i].uState & uMask))
            List_View_Set_Item_State(hWnd, i, 0, uMask);
    }
}

LRESULT Insert_Item(HWND hWnd, LIST_VIEW_STATE* pState, const LVITEMA* pFrom) {
    if (!pFrom || pFrom->iSubItem != 0) return -1;
    int nItem = std::clamp(pFrom->iItem, 0, Item_Count(*pState));
    LIST_VIEW_ITEM item;
    if (pFrom->mask & LVIF_TEXT) Set_Text(&item, 0, pFrom->pszText);
    if (pFrom->mask & LVIF_PARAM) item.lParam = pFrom->lParam;
    UINT uState = pFrom->mask & LVIF_STATE ? pFrom->state & pFrom->stateMask : 0;
    pState->aItems.insert(pState->aItems.begin() + nItem, item);
    if (nItem < pState->nTop) pState->nTop++;
    if (uState) {
        UINT uUnique = LVIS_FOCUSED | (Single_Selection(hWnd) ? LVIS_SELECTED : 0);
        for (LIST_VIEW_ITEM& other : pState->aItems)
            if (uState & uUnique) other.uState &= ~(uState & uUnique);
        pState->aItems[nItem].uState = uState;
    }
    List_View_Invalidate(hWnd);
    Notify_Item(hWnd, LVN_INSERTITEM, nItem, 0, 0, item.lParam);
    return nItem;
}

LRESULT Delete_Item(HWND hWnd, int nItem) {
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState || !Valid_Item(*pState, nItem)) return FALSE;
    Notify_Item(hWnd, LVN_DELETEITEM, nItem, 0, 0, pState->aItems[nItem].lParam);
    pState = List_View_Find(hWnd);
    if (!pState || !Valid_Item(*pState, nItem)) return FALSE;
    pState->aItems.erase(pState->aItems.begin() + nItem);
    if (nItem < pState->nTop) pState->nTop--;
    List_View_Set_Top(hWnd, pState->nTop);
    List_View_Invalidate(hWnd);
    return TRUE;
}

LRESULT Delete_All_Items(HWND hWnd) {
    // A parent that answers TRUE wants no LVN_DELETEITEM for each.
    if (!Notify_Item(hWnd, LVN_DELETEALLITEMS, -1, 0, 0, 0)) {
        for (;;) {
            LIST_VIEW_STATE* pState = List_View_Find(hWnd);
            if (!pState || pState->aItems.empty()) break;
            if (!Delete_Item(hWnd, Item_Count(*pState) - 1)) break;
        }
    }
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState) return FALSE;
    pState->aItems.clear();
    pState->nTop = 0;
    List_View_Invalidate(hWnd);
    return TRUE;
}

LRESULT Get_Item(const LIST_VIEW_STATE& state, LVITEMA* pOut) {
    if (!pOut || !Valid_Item(state, pOut->iItem)) return FALSE;
    const LIST_VIEW_ITEM& item = state.aItems[pOut->iItem];
    if (pOut->mask & LVIF_TEXT)
        Control_Copy_Text(Get_Text(item, pOut->iSubItem), pOut->pszText, pOut->cchTextMax);
    if (pOut->mask & LVIF_PARAM) pOut->lParam = item.lParam;
    if (pOut->mask & LVIF_STATE) pOut->state = item.uState & pOut->stateMask;
    return TRUE;
}

LRESULT Set_Item(HWND hWnd, LIST_VIEW_STATE* pState, const LVITEMA* pFrom) {
    if (!pFrom || !Valid_Item(*pState, pFrom->iItem)) return FALSE;
    LIST_VIEW_ITEM& item = pState->aItems[pFrom->iItem];
    if (pFrom->mask & LVIF_TEXT) Set_Text(&item, pFrom->iSubItem, pFrom->pszText);
    if ((pFrom->mask & LVIF_PARAM) && pFrom->iSubItem == 0) item.lParam = pFrom->lParam;
    List_View_Invalidate(hWnd);
    if (pFrom->mask & LVIF_STATE)
        return List_View_Set_Item_State(hWnd, pFrom->iItem, pFrom->state, pFrom->stateMask);
    return TRUE;
}

// LVM_SETITEMSTATE: item -1 changes every item.
LRESULT Set_Item_State_Message(HWND hWnd, int nItem, const LVITEMA* pFrom) {
    if (!pFrom) return FALSE;
    if (nItem != -1) return List_View_Set_Item_State(hWnd, nItem, pFrom->state, pFrom->stateMask);
    for (int i = 0;; i++) {
        LIST_VIEW_STATE* pState = List_View_Find(hWnd);
        if (!pState || i >= Item_Count(*pState)) return TRUE;
        // Setting a unique bit on every item would only leave it on the last.
        UINT uMask = pFrom->stateMask;
        if (pFrom->state & LVIS_FOCUSED) uMask &= ~LVIS_FOCUSED;
        if ((pFrom->state & LVIS_SELECTED) && Single_Selection(hWnd)) uMask &= ~LVIS_SELECTED;
        List_View_Set_Item_State(hWnd, i, pFrom->state, uMask);
    }
}

LRESULT Next_Item(const LIST_VIEW_STATE& state, int nStart, UINT uFlags) {
    UINT uWanted =
        (uFlags & LVNI_SELECTED ? LVIS_SELECTED : 0) | (uFlags & LVNI_FOCUSED ? LVIS_FOCUSED : 0);
    int nStep = uFlags & LVNI_ABOVE ? -1 : 1;
    int i = nStart < 0 ? (nStep > 0 ? 0 : -1) : nStart + nStep;
    for (; i >= 0 && i < Item_Count(state); i += nStep)
        if ((state.aItems[i].uState & uWanted) == uWanted) return i;
    return -1;
}

bool Text_Matches(const std::string& stText, const char* szWanted, bool bPartial) {
    size_t nWanted = strlen(szWanted);
    if (bPartial ? stText.size() < nWanted : stText.size() != nWanted) return false;
    for (size_t i = 0; i < nWanted; i++)
        if (tolower(static_cast<unsigned char>(stText[i])) !=
            tolower(static_cast<unsigned char>(szWanted[i])))
            return false;
    return true;
}

// LVM_FINDITEMA: from the item after nStart, wrapping round with LVFI_WRAP.
LRESULT Find_Item(const LIST_VIEW_STATE& state, int nStart, const LVFINDINFOA* pFind) {
    if (!pFind) return -1;
    int nCount = Item_Count(state);
    int nFirst = nStart < 0 ? 0 : nStart + 1;
    int nSteps = (pFind->flags & LVFI_WRAP) ? nCount : nCount - nFirst;
    for (int k = 0; k < nSteps; k++) {
        int i = (nFirst + k) % std::max(1, nCount);
        const LIST_VIEW_ITEM& item = state.aItems[i];
        if ((pFind->flags & LVFI_PARAM) && item.lParam == pFind->lParam) return i;
        if ((pFind->flags & (LVFI_STRING | LVFI_PARTIAL)) && pFind->psz &&
            Text_Matches(Get_Text(item, 0), pFind->psz, (pFind->flags & LVFI_PARTIAL) != 0))
            return i;
    }
    return -1;
}

// LVM_SORTITEMS (the callback gets lParams) and LVM_SORTITEMSEX (indexes). The items stay in
// place while the callback runs, so it may ask the list about them.
LRESULT Sort_Items(HWND hWnd, LPARAM lParamSort, PFNLVCOMPARE pCompare, bool bByIndex) {
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState || !pCompare) return FALSE;
    std::vector<int> aOrder(pState->aItems.size());
    std::vector<LPARAM> aKeys(aOrder.size());
    for (size_t i = 0; i < aOrder.size(); i++) {
        aOrder[i] = static_cast<int>(i);
        aKeys[i] = bByIndex ? static_cast<LPARAM>(i) : pState->aItems[i].lParam;
    }
    std::stable_sort(aOrder.begin(), aOrder.end(),
                     [&](int a, int b) { return pCompare(aKeys[a], aKeys[b], lParamSort) < 0; });
    pState = List_View_Find(hWnd);
    if (!pState || pState->aItems.size() != aOrder.size()) return FALSE;
    std::vector<LIST_VIEW_ITEM> aSorted;
    aSorted.reserve(aOrder.size());
    for (int i : aOrder) aSorted.push_back(std::move(pState->aItems[i]));
    pState->aItems = std::move(aSorted);
    List_View_Invalidate(hWnd);
    return TRUE;
}

LRESULT Selected_Count(const LIST_VIEW_STATE& state) {
    return std::count_if(state.aItems.begin(), state.aItems.end(),
                         [](const LIST_VIEW_ITEM& item) { return item.uState & LVIS_SELECTED; });
}

}  // namespace
}  // namespace list_view_items

bool List_View_Set_Item_State(HWND hWnd, int nItem, UINT uState, UINT uMask) {
    using namespace list_view_items;
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState || !Valid_Item(*pState, nItem)) return false;
    UINT uOld = pState->aItems[nItem].uState;
    UINT uNew = (uOld & ~uMask) | (uState & uMask);
    if (uNew == uOld) return true;
    LPARAM lParam = pState->aItems[nItem].lParam;
    if (Notify_Item(hWnd, LVN_ITEMCHANGING, nItem, uNew, uOld, lParam)) return false;
    UINT uGained = uNew & ~uOld;
    UINT uUnique = LVIS_FOCUSED | (Single_Selection(hWnd) ? LVIS_SELECTED : 0);
    if (uGained & uUnique) Clear_Others(hWnd, nItem, uGained & uUnique);
    pState = List_View_Find(hWnd);
    if (!pState || !Valid_Item(*pState, nItem)) return false;
    pState->aItems[nItem].uState = uNew;
    List_View_Invalidate(hWnd);
    Notify_Item(hWnd, LVN_ITEMCHANGED, nItem, uNew, uOld, lParam);
    return true;
}

void List_View_Select_Only(HWND hWnd, int nItem) {
    using namespace list_view_items;
    for (int i = 0;; i++) {
        LIST_VIEW_STATE* pState = List_View_Find(hWnd);
        if (!pState || i >= Item_Count(*pState)) break;
        if (i != nItem) List_View_Set_Item_State(hWnd, i, 0, LVIS_SELECTED);
    }
    if (nItem >= 0) {
        List_View_Set_Item_State(hWnd, nItem, LVIS_SELECTED | LVIS_FOCUSED,
                                 LVIS_SELECTED | LVIS_FOCUSED);
        List_View_Ensure_Visible(hWnd, nItem);
    }
}

bool List_View_Item_Message(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    using namespace list_view_items;
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState) return false;
    int nItem = static_cast<int>(wParam);
    LVITEMA* pItem = reinterpret_cast<LVITEMA*>(lParam);
    switch (uMsg) {
    case LVM_GETITEMCOUNT: *pResult = Item_Count(*pState); return true;
    case LVM_SETITEMCOUNT:
        pState->aItems.reserve(static_cast<size_t>(std::max(0, nItem)));
        *pResult = TRUE;
        return true;
    case LVM_INSERTITEMA: *pResult = Insert_Item(hWnd, pState, pItem); return true;
    case LVM_DELETEITEM: *pResult = Delete_Item(hWnd, nItem); return true;
    case LVM_DELETEALLITEMS: *pResult = Delete_All_Items(hWnd); return true;
    case LVM_GETITEMA: *pResult = Get_Item(*pState, pItem); return true;
    case LVM_SETITEMA: *pResult = Set_Item(hWnd, pState, pItem); return true;
    case LVM_GETITEMTEXTA:
        *pResult = pItem && Valid_Item(*pState, nItem)
                       ? Control_Copy_Text(Get_Text(pState->aItems[nItem], pItem->iSubItem),
                                           pItem->pszText, pItem->cchTextMax)
                       : 0;
        return true;
    case LVM_SETITEMTEXTA:
        *pResult = FALSE;
        if (pItem && Valid_Item(*pState, nItem)) {
            Set_Text(&pState->aItems[nItem], pItem->iSubItem, pItem->pszText);
            List_View_Invalidate(hWnd);
            *pResult = TRUE;
        }
        return true;
    case LVM_SETITEMSTATE: *pResult = Set_Item_State_Message(hWnd, nItem, pItem); return true;
    case LVM_GETITEMSTATE:
        *pResult = Valid_Item(*pState, nItem)
                       ? pState->aItems[nItem].uState & static_cast<UINT>(lParam)
                       : 0;
        return true;
    case LVM_GETNEXTITEM: *pResult = Next_Item(*pState, nItem, LOWORD(lParam)); return true;
    case LVM_GETSELECTEDCOUNT: *pResult = Selected_Count(*pState); return true;
    case LVM_FINDITEMA:
        *pResult = Find_Item(*pState, nItem, reinterpret_cast<const LVFINDINFOA*>(lParam));
        return true;
    case LVM_SORTITEMS:
    case LVM_SORTITEMSEX:
        *pResult = Sort_Items(hWnd, static_cast<LPARAM>(wParam),
                              reinterpret_cast<PFNLVCOMPARE>(lParam), uMsg == LVM_SORTITEMSEX);
        return true;
    default: return false;
    }
}
