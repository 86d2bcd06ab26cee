// The skinned message box's layout: buttons as wide as twice their labels, the dialog sized to
// the text and the buttons, and the button row centred with a gap unit between the buttons.
#include "shell/shell.h"

#include <string.h>

static int Message_Layout_Rect_Width(const RECT* pRect) {
    return pRect->right - pRect->left;
}

// Widens each button to twice its label; returns the width the row needs: a gap before, between
// and after the buttons, and each button. A button kept wider than twice its label counts at its
// own width, so that the row always fits the dialog.
static int Widen_Message_Buttons(MESSAGE_LAYOUT* p) {
    int nNeeded = (p->nButtons + 1) * p->nGap;
    for (int i = 0; i < p->nButtons; i++) {
        int nTwice = 2 * p->anLabelWidths[i];
        RECT* pButton = &p->arcButtons[i];
        if (Message_Layout_Rect_Width(pButton) < nTwice)
            pButton->right = pButton->left + nTwice;
        nNeeded += Message_Layout_Rect_Width(pButton);
    }
    return nNeeded;
}

// The row centred in the client width: the buttons left to right with the gap between them.
static void Centre_Message_Buttons(MESSAGE_LAYOUT* p, int nClientWidth) {
    int nRowWidth = (p->nButtons - 1) * p->nGap;
    for (int i = 0; i < p->nButtons; i++)
        nRowWidth += Message_Layout_Rect_Width(&p->arcButtons[i]);
    int x = (nClientWidth - nRowWidth) / 2;
    for (int i = 0; i < p->nButtons; i++) {
        RECT* pButton = &p->arcButtons[i];
        int nWidth = Message_Layout_Rect_Width(pButton);
        pButton->left = x;
        pButton->right = x + nWidth;
        x += nWidth + p->nGap;
    }
}

// Narrows the buttons so that the row fits nRowLimit: first to their labels with a gap on each
// side, then, when that is still too wide, to equal shares of what is left.
static int Narrow_Message_Buttons(MESSAGE_LAYOUT* p, int nRowLimit) {
    int nNeeded = (p->nButtons + 1) * p->nGap;
    for (int i = 0; i < p->nButtons; i++) {
        RECT* pButton = &p->arcButtons[i];
        int nWidth = Min_Int(Message_Layout_Rect_Width(pButton), p->anLabelWidths[i] + 2 * p->nGap);
        pButton->right = pButton->left + nWidth;
        nNeeded += nWidth;
    }
    if (nNeeded <= nRowLimit)
        return nNeeded;
    int nShare = Max_Int(1, (nRowLimit - (p->nButtons + 1) * p->nGap) / p->nButtons);
    for (int i = 0; i < p->nButtons; i++)
        p->arcButtons[i].right = p->arcButtons[i].left + nShare;
    return nRowLimit;
}

void Layout_Message_Box(MESSAGE_LAYOUT* p) {
    if (p->nButtons < 1 || p->nButtons > MESSAGE_BUTTON_COUNT)
        return;
    // The row's top and height are the last button's.
    const RECT rcLast = p->arcButtons[p->nButtons - 1];
    for (int i = 0; i < p->nButtons; i++) {
        p->arcButtons[i].top = rcLast.top;
        p->arcButtons[i].bottom = rcLast.bottom;
    }
    int nOldTextWidth = Message_Layout_Rect_Width(&p->rcText);
    int nWidth = Widen_Message_Buttons(p);
    if (p->nMaxDialogWidth > 0) {
        int nWidest = p->nMaxDialogWidth - (p->nDialogWidth - nOldTextWidth);
        if (nWidth > nWidest)
            nWidth = Narrow_Message_Buttons(p, nWidest);
    }
    nWidth = Max_Int(nWidth, p->nTextWidth + 1);

    int nGrowth = p->nTextHeight + 1 - (p->rcText.bottom - p->rcText.top);
    p->nDialogWidth = p->nDialogWidth - nOldTextWidth + nWidth;
    p->nDialogHeight += nGrowth;
    p->rcText.right = p->rcText.left + nWidth;
    p->rcText.bottom = p->rcText.top + p->nTextHeight + 1;
    for (int i = 0; i < p->nButtons; i++) {
        p->arcButtons[i].top += nGrowth;
        p->arcButtons[i].bottom += nGrowth;
    }
    Centre_Message_Buttons(p, p->nDialogWidth - p->nFrameWidth);
}

UINT Get_Message_Text_Format(const char* szText) {
    return strchr(szText, '\n') ? DT_WORDBREAK : DT_WORDBREAK | DT_CENTER;
}
