// The gallery's drawing surface: a borderless main window of the smallest client size with its
// back buffer, the application fonts and the bitmap cache; each sheet is the back buffer saved.
#include "art_gallery.h"
#include "database/database.h"
#include "shell/path_canvas.h"
#include "shell/shell.h"

#define GALLERY_LABEL_FONT 1

bool Gallery_Open_Surface(void) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = Get_App_Instance();
    wc.lpszClassName = "ArtGalleryWindow";
    if (!RegisterClassA(&wc))
        return false;
    gMainWindow =
        CreateWindowExA(0, wc.lpszClassName, "Art gallery", WS_POPUP, 0, 0, GALLERY_SHEET_WIDTH,
                        GALLERY_SHEET_HEIGHT, NULL, NULL, wc.hInstance, NULL);
    if (gMainWindow == NULL || !Create_Back_Buffer(gMainWindow))
        return false;
    gCurrentPage = 0;  // no news page: the page area is the whole client
    gShowNewsTicker = 0;
    gDarkText = 0;
    Init_Bitmap_Cache();
    return Load_App_Fonts() != 0;
}

void Gallery_Close_Surface(void) {
    Flush_Bitmap_Cache();
    Free_App_Fonts(1);
    Destroy_Back_Buffer();
    if (gMainWindow != NULL)
        DestroyWindow(gMainWindow);
    gMainWindow = NULL;
}

void Gallery_Select_Skin(const char* szSkin) {
    safe_strncpy(gSkinName, szSkin, sizeof(gSkinName));
    Flush_Bitmap_Cache();
}

HDC Gallery_Begin_Sheet(COLORREF background) {
    HDC hdc = Get_Main_Window_DC();
    if (hdc != NULL)
        Fill_Rectangle(hdc, 0, 0, GALLERY_SHEET_WIDTH, GALLERY_SHEET_HEIGHT, background);
    return hdc;
}

bool Gallery_End_Sheet(HDC hdc, GALLERY_RUN* pRun, const std::string& sName,
                       const std::string& sSkin, const std::string& sTitle) {
    if (hdc == NULL) {
        pRun->aFailures.push_back("no back buffer for the sheet " + sName);
        return false;
    }
    std::string sFile = sName + ".png";
    std::string sPath = pRun->sOutput + "/" + sFile;
    bool bSaved =
        Save_DC_As_PNG(sPath.c_str(), hdc, GALLERY_SHEET_WIDTH, GALLERY_SHEET_HEIGHT) != 0;
    Release_Main_Window_DC(hdc);
    if (!bSaved) {
        pRun->aFailures.push_back("cannot write " + sPath);
        return false;
    }
    pRun->aSheets.push_back({sFile, sSkin, sTitle});
    return true;
}

void Gallery_Draw_Label(HDC hdc, const char* szText, RECT rc, COLORREF colour) {
    HFONT hFont = Take_App_Font(GALLERY_LABEL_FONT);
    HGDIOBJ hOld = hFont != NULL ? SelectObject(hdc, hFont) : NULL;
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, colour);
    DrawTextA(hdc, szText, -1, &rc,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_VCENTER);
    if (hOld != NULL)
        SelectObject(hdc, hOld);
    if (hFont != NULL)
        Release_App_Font(hFont);
}
