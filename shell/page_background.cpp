// Page backgrounds: the current page's picture stretched once to the back buffer (option B) and
// kept in the two background slots, drawn whole or a rectangle at a time.
#include "database/database.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "shell/shell.h"

#include <strings.h>

#define PAGE_BACKGROUND_KEY_SIZE 2060

// The background slot of a name under its key "%s:B", loaded when it holds nothing yet.
static BITMAP_SLOT* Page_Background_Take_Slot(HDC hdc, const char* szName) {
    char szKey[PAGE_BACKGROUND_KEY_SIZE];
    Format_String(szKey, sizeof szKey, "%s:B", szName);
    BITMAP_SLOT* pSlot = Find_Bitmap_Slot(gBackgroundSlots, BACKGROUND_SLOT_COUNT, szKey);
    if (strcasecmp(pSlot->szName, szKey) != 0 || Is_Bitmap_Slot_Empty(pSlot)) {
        if (!Load_File_Into_Bitmap_Cache(hdc, szKey, pSlot))
            return NULL;
    }
    return pSlot;
}

// Rows kept without a bitmap (option O) show as a dark red area.
static void Page_Background_Fill_Missing(HDC hdc, const RECT* pRect) {
    HBRUSH hBrush = CreateSolidBrush(RGB(128, 0, 0));
    FillRect(hdc, pRect, hBrush);
    if (!DeleteObject(hBrush))
        Report_Error("Couldn't delete hBrush in Draw_Page_Background_Part()");
}

int Draw_Page_Background_Part(HDC hdc, const char* szName, int nAlpha, int nLeft, int nTop,
                              int nRight, int nBottom) {
    int nUnset = (nLeft == -1) + (nTop == -1) + (nRight == -1) + (nBottom == -1);
    if (nUnset != 0 && nUnset != 4) {
        Report_Error("Whaaaaa?");
        return 0;
    }
    BITMAP_SLOT* pSlot =
        szName != NULL ? Page_Background_Take_Slot(hdc, szName) : &gBackgroundSlots[0];
    if (pSlot == NULL)
        return 0;
    if (hdc == NULL)
        return !Is_Bitmap_Slot_Empty(pSlot);

    RECT rc = {nLeft, nTop, nRight + 1, nBottom + 1};
    if (nUnset == 4)
        Get_Back_Buffer_Rect(&rc);
    if (pSlot->hBitmap == NULL && pSlot->pBits != NULL) {
        Page_Background_Fill_Missing(hdc, &rc);
        return 1;
    }
    if (nUnset == 4)
        return Blit_Bitmap_Slot(hdc, pSlot, nAlpha, 0, 0, rc.right - rc.left, rc.bottom - rc.top, 0,
                                0, -1, -1);
    int nWidth = rc.right - rc.left;
    int nHeight = rc.bottom - rc.top;
    return Blit_Bitmap_Slot(hdc, pSlot, nAlpha, rc.left, rc.top, nWidth, nHeight, rc.left, rc.top,
                            nWidth, nHeight);
}

int Draw_Page_Background_Rect(HDC hdc, const char* szName, const RECT* pRect) {
    return Draw_Page_Background_Part(hdc, szName, 255, pRect->left, pRect->top, pRect->right,
                                     pRect->bottom);
}

int Draw_Page_Background_Area(HDC hdc, const char* szName, int nLeft, int nTop, int nRight,
                              int nBottom) {
    return Draw_Page_Background_Part(hdc, szName, 255, nLeft, nTop, nRight, nBottom);
}

int Restore_Page_Background(HDC hdc, const RECT* pRect) {
    if (gPageBackgroundName[0] == 0)
        return 0;
    return Draw_Page_Background_Part(hdc, gPageBackgroundName, 255, pRect->left, pRect->top,
                                     pRect->right - 1, pRect->bottom - 1);
}

int Draw_Page_Background_Named(const char* szName, HDC hdc, int nAlpha) {
    return Draw_Page_Background_Part(hdc, szName, nAlpha, -1, -1, -1, -1);
}

// The team logo above the button bar is left out while a game is shown play by play.
void Draw_Page_Background(HDC hdc) {
    if (hdc == NULL)
        return;
    Draw_Page_Background_Named(gPageBackgroundName, hdc, 255);
    if (gButtonBar != NULL && !Is_Game_Watched(gLiveGame))
        Draw_Team_Logo_Above_Bar(hdc);
}
