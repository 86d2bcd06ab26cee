// The frame the trade-response dialog draws around its offer.
#include "setup/setup.h"
#include "shell/shell.h"

#define TRADE_RESPONSE_FRAMED 1362
#define TRADE_RESPONSE_CORNER 10

// A rounded rectangle over the control's outline, in the dialog's client coordinates, drawn with
// the pen and brush the caller selected.
void Draw_Trade_Response_Frame(HWND hDlg, HDC hdc) {
    if (!GetDlgItem(hDlg, TRADE_RESPONSE_FRAMED))
        return;
    RECT rc;
    Get_Dlg_Item_Client_Rect(hDlg, TRADE_RESPONSE_FRAMED, &rc);
    RoundRect(hdc, rc.left, rc.top, rc.right, rc.bottom, TRADE_RESPONSE_CORNER,
              TRADE_RESPONSE_CORNER);
}
