// Where the parts of a message box lie in its client area: the icon, the wrapped text beside it
// and the row of buttons centred below both.
#include "../platform_internal.h"

#include <algorithm>

namespace {

const int kMargin = 12;
const int kIconSize = 32;
const int kButtonWidth = 75;
const int kButtonHeight = 23;
const int kButtonGap = 6;
const int kButtonsAbove = 16;  // between the text (or icon) and the buttons
const int kMinTextWidth = 120;

// The text's size wrapped at nMaxWidth in the box's font.
SIZE Wrapped_Text_Size(const char* szText, int nMaxWidth) {
    RECT rc = {0, 0, nMaxWidth, 0};
    HDC hdc = GetDC(nullptr);
    if (!hdc) return {0, 0};
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(hdc, szText, -1, &rc, MESSAGE_BOX_TEXT_FORMAT | DT_CALCRECT);
    ReleaseDC(nullptr, hdc);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

}  // namespace

MESSAGE_BOX_LAYOUT Message_Box_Layout(const char* szText, int nButtons, bool bIcon,
                                      int nMaxTextWidth) {
    MESSAGE_BOX_LAYOUT layout = {};
    layout.nButtons = std::clamp(nButtons, 0, 3);
    int xText = kMargin;
    if (bIcon) {
        layout.rcIcon = {kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
        xText += kIconSize + kMargin;
    }
    SIZE text = Wrapped_Text_Size(szText, std::max(nMaxTextWidth, kMinTextWidth));
    // A text shorter than the icon is centred on it.
    int yText = kMargin + (bIcon && text.cy < kIconSize ? (kIconSize - text.cy) / 2 : 0);
    layout.rcText = {xText, yText, xText + text.cx, yText + text.cy};
    int nBottom = std::max(layout.rcText.bottom, layout.rcIcon.bottom);

    int nRowWidth = layout.nButtons * kButtonWidth + std::max(layout.nButtons - 1, 0) * kButtonGap;
    int nWidth = std::max(static_cast<int>(layout.rcText.right) + kMargin, nRowWidth + 2 * kMargin);
    int x = (nWidth - nRowWidth) / 2;
    int y = nBottom + kButtonsAbove;
    for (int i = 0; i < layout.nButtons; i++) {
        layout.aButtons[i] = {x, y, x + kButtonWidth, y + kButtonHeight};
        x += kButtonWidth + kButtonGap;
    }
    layout.sizeClient = {nWidth, y + kButtonHeight + kMargin};
    return layout;
}
