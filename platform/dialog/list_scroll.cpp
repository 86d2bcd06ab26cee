// The scroll bars the list view draws inside its client area, drawn and hit-tested as every
// scroll bar of the layer is (dialog/scroll_bar.cpp).
#include "list_view_internal.h"

namespace {

SCROLLINFO List_Scroll_Info(const LIST_SCROLL& bar) {
    SCROLLINFO info = {sizeof(SCROLLINFO),           SIF_ALL,  0,       bar.nCount - 1,
                       static_cast<UINT>(bar.nPage), bar.nPos, bar.nPos};
    return info;
}

}  // namespace

RECT List_Scroll_Thumb(const LIST_SCROLL& bar) {
    return Scroll_Bar_Thumb(bar.rcBar, !bar.bHorizontal, List_Scroll_Info(bar));
}

int List_Scroll_Pos_At(const LIST_SCROLL& bar, int nAlong) {
    POINT pt = bar.bHorizontal ? POINT{nAlong, bar.rcBar.top} : POINT{bar.rcBar.left, nAlong};
    return Scroll_Bar_Track_Pos(bar.rcBar, !bar.bHorizontal, List_Scroll_Info(bar), pt, 0);
}

void List_Scroll_Draw(HDC hdc, const LIST_SCROLL& bar) {
    Scroll_Bar_Draw(hdc, bar.rcBar, !bar.bHorizontal, List_Scroll_Info(bar), true);
}

int List_Scroll_Hit(const LIST_SCROLL& bar, POINT pt) {
    return Scroll_Bar_Hit(bar.rcBar, !bar.bHorizontal, List_Scroll_Info(bar), pt);
}
