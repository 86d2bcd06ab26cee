// Drawing cached images: the blit of a slot with its option letters, and the named-image entry
// points over client pixels, design-space rectangles, dialog controls and window backgrounds.
#include "shell/shell.h"

#include <string.h>
#include <strings.h>

// Cuts a destination span that runs past nLimit, and its source span in proportion, so that the
// part past the edge is cut off rather than squeezed in.
static void Image_Draw_Clip_Span(int nStart, int nLimit, int* pnLength, int* pnSourceLength) {
    int nRoom = nLimit - nStart;
    if (*pnLength <= nRoom)
        return;
    *pnSourceLength = *pnLength > 0 ? Mul_Div(*pnSourceLength, Max_Int(nRoom, 0), *pnLength) : 0;
    *pnLength = nRoom;
}

int Blit_Bitmap_Slot(HDC hdc, BITMAP_SLOT* pSlot, int nAlpha, int x, int y, int w, int h, int sx,
                     int sy, int sw, int sh) {
    if (hdc == NULL || pSlot == NULL)
        return 0;
    pSlot->nLastUse = gBitmapUseCounter++;
    if (w == -1)
        w = pSlot->nWidth;
    if (sw == -1)
        sw = pSlot->nWidth;
    if (h == -1)
        h = pSlot->nHeight;
    if (sh == -1)
        sh = pSlot->nHeight;
    sw = Min_Int(sw, pSlot->nWidth - sx);
    sh = Min_Int(sh, pSlot->nHeight - sy);
    if (!Has_Image_Option(pSlot, 'N') && gMainWindowDC != NULL) {
        RECT rcBuffer;
        Get_Back_Buffer_Rect(&rcBuffer);
        Image_Draw_Clip_Span(x, rcBuffer.right, &w, &sw);
        Image_Draw_Clip_Span(y, rcBuffer.bottom, &h, &sh);
    }
    if (pSlot->hBitmap == NULL || w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return 0;

    HDC hMemory = CreateCompatibleDC(hdc);
    if (hMemory == NULL)
        return 0;
    HGDIOBJ hOld = SelectObject(hMemory, pSlot->hBitmap);
    const int bGrow = w >= sw && h >= sh;
    SetStretchBltMode(hdc, bGrow || Has_Image_Option(pSlot, 'H') ? HALFTONE : COLORONCOLOR);
    const int bPixelAlpha = Has_Image_Option(pSlot, 'A');
    int nResult;
    if (!bPixelAlpha && nAlpha >= 255) {
        DWORD dwRop = Has_Image_Option(pSlot, 'P') ? SRCPAINT : SRCCOPY;
        if (w == sw && h == sh)
            nResult = BitBlt(hdc, x, y, w, h, hMemory, sx, sy, dwRop);
        else
            nResult = StretchBlt(hdc, x, y, w, h, hMemory, sx, sy, sw, sh, dwRop);
    } else {
        BLENDFUNCTION blend;
        blend.BlendOp = AC_SRC_OVER;
        blend.BlendFlags = 0;
        blend.SourceConstantAlpha = (BYTE)Clamp(nAlpha, 0, 255);
        blend.AlphaFormat = bPixelAlpha ? AC_SRC_ALPHA : 0;
        nResult = AlphaBlend(hdc, x, y, w, h, hMemory, sx, sy, sw, sh, blend);
    }
    SelectObject(hMemory, hOld);
    DeleteDC(hMemory);
    return nResult;
}

// The general-pool slot of a name, loaded again unless it already holds this image with its
// rows kept.
static BITMAP_SLOT* Image_Draw_Take_Slot(HDC hdc, const char* szName) {
    if (hdc == NULL || szName == NULL)
        return NULL;
    BITMAP_SLOT* pSlot = Find_Bitmap_Slot(gBitmapSlots, BITMAP_SLOT_COUNT, szName);
    if (strcasecmp(pSlot->szName, szName) != 0 || !Slot_Has_Kept_Bits(pSlot)) {
        if (!Load_File_Into_Bitmap_Cache(hdc, szName, pSlot))
            return NULL;
    }
    return pSlot;
}

int Draw_Named_Image(HDC hdc, const char* szName, int x, int y, int w, int h) {
    BITMAP_SLOT* pSlot = Image_Draw_Take_Slot(hdc, szName);
    if (pSlot == NULL)
        return 0;
    return Blit_Bitmap_Slot(hdc, pSlot, 255, x, y, w, h, 0, 0, -1, -1);
}

int Draw_Image_Centered_Scaled(HDC hdc, const char* szName, int x, int y) {
    BITMAP_SLOT* pSlot = Image_Draw_Take_Slot(hdc, szName);
    if (pSlot == NULL)
        return 0;
    int nLeft = Scale_Design_X_To_Window(x) - pSlot->nWidth / 2;
    int nTop = Scale_Design_Y_To_Window(y) - pSlot->nHeight / 2;
    Blit_Bitmap_Slot(hdc, pSlot, 255, nLeft, nTop, -1, -1, 0, 0, -1, -1);
    return pSlot->nHeight;
}

int Draw_Image_In_Design_Rect(HDC hdc, const char* szName, int x, int y, int w, int h,
                              int bKeepAspect) {
    RECT rcClient;
    Get_Page_Client_Rect(&rcClient);
    RECT rc = {x, y, x + w, y + h};
    if (rcClient.right - rcClient.left != MIN_CLIENT_WIDTH) {
        rc.left = Scale_Design_X_To_Window(rc.left);
        rc.right = Scale_Design_X_To_Window(rc.right);
    }
    if (rcClient.bottom - rcClient.top != MIN_CLIENT_HEIGHT) {
        rc.top = Scale_Design_Y_To_Window(rc.top);
        rc.bottom = Scale_Design_Y_To_Window(rc.bottom);
    }
    BITMAP_SLOT* pSlot = Image_Draw_Take_Slot(hdc, szName);
    if (pSlot == NULL)
        return 0;
    int nDrawnHeight = rc.bottom - rc.top;
    if (bKeepAspect) {
        int nImageRatio = pSlot->nHeight != 0 ? Mul_Div(pSlot->nWidth, 100, pSlot->nHeight) : 0;
        int nRectRatio = nDrawnHeight != 0 ? Mul_Div(rc.right - rc.left, 100, nDrawnHeight) : 0;
        if (nImageRatio > 0 && nRectRatio < nImageRatio) {
            h = Mul_Div(h, nRectRatio, nImageRatio);
            nDrawnHeight = Mul_Div(nDrawnHeight, nRectRatio, nImageRatio);
        }
    }
    Blit_Bitmap_Slot(hdc, pSlot, 255, rc.left, rc.top, rc.right - rc.left, nDrawnHeight, 0, 0, -1,
                     -1);
    return h;
}

int Draw_Image_In_Photo_Rect(HDC hdc, const char* szName) {
    return Draw_Image_In_Design_Rect(hdc, szName, 17, 33, 106, 160, 0);
}

void Screen_Rect_To_Client(HWND hWnd, RECT* pRect) {
    POINT ptTopLeft = {pRect->left, pRect->top};
    POINT ptBottomRight = {pRect->right, pRect->bottom};
    ScreenToClient(hWnd, &ptTopLeft);
    ScreenToClient(hWnd, &ptBottomRight);
    pRect->left = ptTopLeft.x;
    pRect->top = ptTopLeft.y;
    pRect->right = ptBottomRight.x;
    pRect->bottom = ptBottomRight.y;
}

// The image's slot and the control's rectangle in the dialog's client coordinates; null when
// there is no such control or the image does not load.
static BITMAP_SLOT* Image_Draw_Item_Slot(HWND hDlg, HDC hdc, int nControlId, const char* szName,
                                         RECT* pRect) {
    HWND hControl = GetDlgItem(hDlg, nControlId);
    if (hControl == NULL || !GetWindowRect(hControl, pRect))
        return NULL;
    Screen_Rect_To_Client(hDlg, pRect);
    return Image_Draw_Take_Slot(hdc, szName);
}

int Draw_Image_In_Dialog_Item(HWND hDlg, HDC hdc, int nControlId, const char* szName) {
    RECT rc;
    BITMAP_SLOT* pSlot = Image_Draw_Item_Slot(hDlg, hdc, nControlId, szName, &rc);
    if (pSlot == NULL)
        return 0;
    return Blit_Bitmap_Slot(hdc, pSlot, 255, rc.left, rc.top, rc.right - rc.left,
                            rc.bottom - rc.top, 0, 0, -1, -1);
}

int Draw_Image_In_Dialog_Item_Centered(HWND hDlg, HDC hdc, int nControlId, const char* szName) {
    RECT rc;
    BITMAP_SLOT* pSlot = Image_Draw_Item_Slot(hDlg, hdc, nControlId, szName, &rc);
    if (pSlot == NULL)
        return 0;
    int x = rc.left + (rc.right - rc.left - pSlot->nWidth) / 2;
    int y = rc.top + (rc.bottom - rc.top - pSlot->nHeight) / 2;
    return Blit_Bitmap_Slot(hdc, pSlot, 255, x, y, -1, -1, 0, 0, -1, -1);
}

void Paint_Dialog_Item_Image(HWND hDlg, int nControlId, const char* szName) {
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(hDlg, &paint);
    if (!hdc)
        return;
    Draw_Image_In_Dialog_Item(hDlg, hdc, nControlId, szName);
    EndPaint(hDlg, &paint);
}

void Draw_Window_Background(HWND hWnd, HDC hdc, const char* szName) {
    if (hdc == NULL || szName == NULL)
        return;
    BITMAP_SLOT* pSlot = &gWindowBackgroundSlot;
    if (strcasecmp(pSlot->szName, szName) != 0) {
        Empty_Window_Background_Slot();
        Load_File_Into_Bitmap_Cache(hdc, szName, pSlot);
    }
    RECT rc;
    GetClientRect(hWnd, &rc);
    if (pSlot->hBitmap != NULL) {
        Blit_Bitmap_Slot(hdc, pSlot, 255, 0, 0, rc.right - rc.left, rc.bottom - rc.top, 0, 0, -1,
                         -1);
        return;
    }
    HBRUSH hBrush = CreateSolidBrush(Get_Skin_Dialog_Colour());
    FillRect(hdc, &rc, hBrush);
    if (!DeleteObject(hBrush))
        Report_Error("Couldn't delete hBrush in Draw_Window_Background()");
}
