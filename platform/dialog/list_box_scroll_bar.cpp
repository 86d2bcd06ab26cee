// The vertical scroll bar a list box draws at the right of its client area: an arrow button at
// each end and a thumb sized to the visible share of the rows.
#include "list_box_internal.h"

#include <algorithm>

namespace {

struct LIST_BOX_SCROLL_PARTS {
    RECT rcUp;
    RECT rcDown;
    RECT rcThumb;  // empty when everything is visible or the track has no room
};

LIST_BOX_SCROLL_PARTS Scroll_Parts_Of(const RECT& rc, int nPos, int nPage, int nCount) {
    const int nWidth = rc.right - rc.left;
    const int nArrow = std::min(nWidth, (rc.bottom - rc.top) / 2);
    LIST_BOX_SCROLL_PARTS p;
    p.rcUp = {rc.left, rc.top, rc.right, rc.top + nArrow};
    p.rcDown = {rc.left, rc.bottom - nArrow, rc.right, rc.bottom};
    p.rcThumb = {0, 0, 0, 0};
    const int nTrack = p.rcDown.top - p.rcUp.bottom;
    if (nCount <= nPage || nTrack <= 0) return p;
    const int nThumb = std::max(std::min(8, nTrack), nTrack * nPage / nCount);
    const int nRange = nCount - nPage;
    const int nOffset = (nTrack - nThumb) * std::clamp(nPos, 0, nRange) / nRange;
    p.rcThumb = {rc.left, p.rcUp.bottom + nOffset, rc.right, p.rcUp.bottom + nOffset + nThumb};
    return p;
}

bool In_Scroll_Part(const RECT& rc, POINT pt) {
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

}  // namespace

void List_Box_Draw_Scroll_Bar(HDC hdc, const RECT& rc, int nPos, int nPage, int nCount) {
    LIST_BOX_SCROLL_PARTS p = Scroll_Parts_Of(rc, nPos, nPage, nCount);
    const UINT uInactive = nCount <= nPage ? DFCS_INACTIVE : 0;
    RECT rcTrack = {rc.left, p.rcUp.bottom, rc.right, p.rcDown.top};
    FillRect(hdc, &rcTrack, GetSysColorBrush(COLOR_SCROLLBAR));
    DrawFrameControl(hdc, &p.rcUp, DFC_SCROLL, DFCS_SCROLLUP | uInactive);
    DrawFrameControl(hdc, &p.rcDown, DFC_SCROLL, DFCS_SCROLLDOWN | uInactive);
    if (p.rcThumb.bottom > p.rcThumb.top)
        DrawEdge(hdc, &p.rcThumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

LIST_BOX_SCROLL_PART List_Box_Scroll_Bar_Hit(const RECT& rc, int nPos, int nPage, int nCount,
                                             POINT pt) {
    if (!In_Scroll_Part(rc, pt)) return LB_SCROLL_NONE;
    LIST_BOX_SCROLL_PARTS p = Scroll_Parts_Of(rc, nPos, nPage, nCount);
    if (In_Scroll_Part(p.rcUp, pt)) return LB_SCROLL_LINE_UP;
    if (In_Scroll_Part(p.rcDown, pt)) return LB_SCROLL_LINE_DOWN;
    if (p.rcThumb.bottom <= p.rcThumb.top) return LB_SCROLL_NONE;
    if (pt.y < p.rcThumb.top) return LB_SCROLL_PAGE_UP;
    if (pt.y >= p.rcThumb.bottom) return LB_SCROLL_PAGE_DOWN;
    return LB_SCROLL_THUMB;
}

int List_Box_Scroll_Bar_Drag(const RECT& rc, int nPage, int nCount, int nStartPos, int nDeltaY) {
    LIST_BOX_SCROLL_PARTS p = Scroll_Parts_Of(rc, nStartPos, nPage, nCount);
    const int nSlack = (p.rcDown.top - p.rcUp.bottom) - (p.rcThumb.bottom - p.rcThumb.top);
    if (nCount <= nPage || nSlack <= 0) return nStartPos;
    // Rounded to the nearest row.
    const int nRange = nCount - nPage;
    const int nRows = (2 * nDeltaY * nRange + (nDeltaY < 0 ? -nSlack : nSlack)) / (2 * nSlack);
    return std::clamp(nStartPos + nRows, 0, nRange);
}
