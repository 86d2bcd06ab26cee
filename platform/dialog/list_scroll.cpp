// The scroll bars the list view draws inside its client area: arrows at both ends, a track and a
// thumb sized to the part shown. Positions along the bar are y for a vertical bar, x for a
// horizontal one.
#include "list_view_internal.h"

#include <algorithm>

namespace list_scroll {
namespace {

int Start_Of(const LIST_SCROLL& bar) { return bar.bHorizontal ? bar.rcBar.left : bar.rcBar.top; }

int End_Of(const LIST_SCROLL& bar) { return bar.bHorizontal ? bar.rcBar.right : bar.rcBar.bottom; }

int Arrow_Length(const LIST_SCROLL& bar) {
    int nMetric = GetSystemMetrics(bar.bHorizontal ? SM_CXHSCROLL : SM_CYVSCROLL);
    return std::min(nMetric, (End_Of(bar) - Start_Of(bar)) / 2);
}

// The part of the bar between nFrom and nTo along it.
RECT Span(const LIST_SCROLL& bar, int nFrom, int nTo) {
    if (bar.bHorizontal) return RECT{nFrom, bar.rcBar.top, nTo, bar.rcBar.bottom};
    return RECT{bar.rcBar.left, nFrom, bar.rcBar.right, nTo};
}

// The thumb's first and last positions along the bar.
void Thumb_Span(const LIST_SCROLL& bar, int* pFrom, int* pTo) {
    int nArrow = Arrow_Length(bar);
    int nTrackStart = Start_Of(bar) + nArrow;
    int nTrack = End_Of(bar) - nArrow - nTrackStart;
    int nCount = std::max(1, bar.nCount);
    int nThumb = std::clamp(nTrack * bar.nPage / nCount, std::min(8, nTrack), nTrack);
    int nRange = std::max(1, nCount - bar.nPage);
    *pFrom = nTrackStart + (nTrack - nThumb) * std::clamp(bar.nPos, 0, nRange) / nRange;
    *pTo = *pFrom + nThumb;
}

}  // namespace
}  // namespace list_scroll

RECT List_Scroll_Thumb(const LIST_SCROLL& bar) {
    using namespace list_scroll;
    int nFrom = 0, nTo = 0;
    Thumb_Span(bar, &nFrom, &nTo);
    return Span(bar, nFrom, nTo);
}

int List_Scroll_Pos_At(const LIST_SCROLL& bar, int nAlong) {
    using namespace list_scroll;
    int nFrom = 0, nTo = 0;
    Thumb_Span(bar, &nFrom, &nTo);
    int nArrow = Arrow_Length(bar);
    int nFree = End_Of(bar) - Start_Of(bar) - 2 * nArrow - (nTo - nFrom);
    if (nFree <= 0) return 0;
    int nRange = std::max(0, bar.nCount - bar.nPage);
    int nOffset = std::clamp(nAlong - Start_Of(bar) - nArrow, 0, nFree);
    return (nOffset * nRange + nFree / 2) / nFree;
}

void List_Scroll_Draw(HDC hdc, const LIST_SCROLL& bar) {
    using namespace list_scroll;
    FillRect(hdc, &bar.rcBar, GetSysColorBrush(COLOR_SCROLLBAR));
    int nArrow = Arrow_Length(bar);
    RECT rcBack = Span(bar, Start_Of(bar), Start_Of(bar) + nArrow);
    RECT rcForward = Span(bar, End_Of(bar) - nArrow, End_Of(bar));
    DrawFrameControl(hdc, &rcBack, DFC_SCROLL, bar.bHorizontal ? DFCS_SCROLLLEFT : DFCS_SCROLLUP);
    DrawFrameControl(hdc, &rcForward, DFC_SCROLL,
                     bar.bHorizontal ? DFCS_SCROLLRIGHT : DFCS_SCROLLDOWN);
    RECT rcThumb = List_Scroll_Thumb(bar);
    DrawEdge(hdc, &rcThumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

int List_Scroll_Hit(const LIST_SCROLL& bar, POINT pt) {
    using namespace list_scroll;
    if (pt.x < bar.rcBar.left || pt.x >= bar.rcBar.right || pt.y < bar.rcBar.top ||
        pt.y >= bar.rcBar.bottom)
        return -1;
    int nAlong = bar.bHorizontal ? pt.x : pt.y;
    int nArrow = Arrow_Length(bar);
    if (nAlong < Start_Of(bar) + nArrow) return SB_LINEUP;
    if (nAlong >= End_Of(bar) - nArrow) return SB_LINEDOWN;
    int nFrom = 0, nTo = 0;
    Thumb_Span(bar, &nFrom, &nTo);
    if (nAlong < nFrom) return SB_PAGEUP;
    if (nAlong >= nTo) return SB_PAGEDOWN;
    return SB_THUMBTRACK;
}
