// The vertical scroll bar the list view draws inside its client area: arrows at both ends, a
// track and a thumb sized to the rows that fit.
#include "list_view_internal.h"

#include <algorithm>

namespace list_scroll {
namespace {

int Arrow_Height(const LIST_SCROLL& bar) {
    int nHeight = bar.rcBar.bottom - bar.rcBar.top;
    return std::min(GetSystemMetrics(SM_CYVSCROLL), nHeight / 2);
}

}  // namespace
}  // namespace list_scroll

RECT List_Scroll_Thumb(const LIST_SCROLL& bar) {
    using namespace list_scroll;
    int nArrow = Arrow_Height(bar);
    int nTrackTop = bar.rcBar.top + nArrow;
    int nTrack = bar.rcBar.bottom - nArrow - nTrackTop;
    int nCount = std::max(1, bar.nCount);
    int nThumb = std::clamp(nTrack * bar.nPage / nCount, std::min(8, nTrack), nTrack);
    int nRange = std::max(1, nCount - bar.nPage);
    int nTop = nTrackTop + (nTrack - nThumb) * std::clamp(bar.nPos, 0, nRange) / nRange;
    return RECT{bar.rcBar.left, nTop, bar.rcBar.right, nTop + nThumb};
}

int List_Scroll_Pos_At(const LIST_SCROLL& bar, int y) {
    using namespace list_scroll;
    int nArrow = Arrow_Height(bar);
    RECT rcThumb = List_Scroll_Thumb(bar);
    int nFree = bar.rcBar.bottom - bar.rcBar.top - 2 * nArrow - (rcThumb.bottom - rcThumb.top);
    if (nFree <= 0) return 0;
    int nRange = std::max(0, bar.nCount - bar.nPage);
    int nOffset = std::clamp(y - bar.rcBar.top - nArrow, 0, nFree);
    return (nOffset * nRange + nFree / 2) / nFree;
}

void List_Scroll_Draw(HDC hdc, const LIST_SCROLL& bar) {
    using namespace list_scroll;
    int nArrow = Arrow_Height(bar);
    RECT rcTrack = bar.rcBar;
    FillRect(hdc, &rcTrack, GetSysColorBrush(COLOR_SCROLLBAR));
    RECT rcUp = {bar.rcBar.left, bar.rcBar.top, bar.rcBar.right, bar.rcBar.top + nArrow};
    RECT rcDown = {bar.rcBar.left, bar.rcBar.bottom - nArrow, bar.rcBar.right, bar.rcBar.bottom};
    DrawFrameControl(hdc, &rcUp, DFC_SCROLL, DFCS_SCROLLUP);
    DrawFrameControl(hdc, &rcDown, DFC_SCROLL, DFCS_SCROLLDOWN);
    RECT rcThumb = List_Scroll_Thumb(bar);
    DrawEdge(hdc, &rcThumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

int List_Scroll_Hit(const LIST_SCROLL& bar, POINT pt) {
    using namespace list_scroll;
    if (pt.x < bar.rcBar.left || pt.x >= bar.rcBar.right || pt.y < bar.rcBar.top ||
        pt.y >= bar.rcBar.bottom)
        return -1;
    int nArrow = Arrow_Height(bar);
    if (pt.y < bar.rcBar.top + nArrow) return SB_LINEUP;
    if (pt.y >= bar.rcBar.bottom - nArrow) return SB_LINEDOWN;
    RECT rcThumb = List_Scroll_Thumb(bar);
    if (pt.y < rcThumb.top) return SB_PAGEUP;
    if (pt.y >= rcThumb.bottom) return SB_PAGEDOWN;
    return SB_THUMBTRACK;
}
