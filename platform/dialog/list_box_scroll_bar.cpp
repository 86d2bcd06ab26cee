// The vertical scroll bar a list box draws at the right of its client area, drawn and hit-tested
// as every scroll bar of the layer is (dialog/scroll_bar.cpp).
#include "list_box_internal.h"

namespace {

SCROLLINFO List_Box_Scroll_Info(int nPos, int nPage, int nCount) {
    SCROLLINFO info = {sizeof(SCROLLINFO),       SIF_ALL, 0,   nCount - 1,
                       static_cast<UINT>(nPage), nPos,    nPos};
    return info;
}

}  // namespace

void List_Box_Draw_Scroll_Bar(HDC hdc, const RECT& rc, int nPos, int nPage, int nCount) {
    Scroll_Bar_Draw(hdc, rc, true, List_Box_Scroll_Info(nPos, nPage, nCount), nCount > nPage);
}

LIST_BOX_SCROLL_PART List_Box_Scroll_Bar_Hit(const RECT& rc, int nPos, int nPage, int nCount,
                                             POINT pt) {
    switch (Scroll_Bar_Hit(rc, true, List_Box_Scroll_Info(nPos, nPage, nCount), pt)) {
    case SB_LINEUP: return LB_SCROLL_LINE_UP;
    case SB_LINEDOWN: return LB_SCROLL_LINE_DOWN;
    case SB_PAGEUP: return LB_SCROLL_PAGE_UP;
    case SB_PAGEDOWN: return LB_SCROLL_PAGE_DOWN;
    case SB_THUMBTRACK: return LB_SCROLL_THUMB;
    default: return LB_SCROLL_NONE;
    }
}

int List_Box_Scroll_Bar_Drag(const RECT& rc, int nPage, int nCount, int nStartPos, int nDeltaY) {
    SCROLLINFO info = List_Box_Scroll_Info(nStartPos, nPage, nCount);
    RECT rcThumb = Scroll_Bar_Thumb(rc, true, info);
    POINT pt = {rc.left, rcThumb.top + nDeltaY};
    return Scroll_Bar_Track_Pos(rc, true, info, pt, 0);
}
