// Contact sheets: each picture of a skin drawn through the bitmap cache as a tile with its file
// name under it, twenty small or four large ones to a sheet; page backgrounds get a sheet each.
#include <string.h>
#include <strings.h>

#include <algorithm>

#include "art_gallery.h"
#include "shell/shell.h"

#define CONTACT_LABEL_HEIGHT 18
#define CONTACT_MARGIN 4
#define CONTACT_MAX_ENLARGEMENT 3
#define CONTACT_BIG_WIDTH 400  // wider or taller pictures go on the sheets of large ones
#define CONTACT_BIG_HEIGHT 300
#define CONTACT_SHEET_COLOUR RGB(72, 72, 80)
#define CONTACT_CELL_COLOUR RGB(150, 150, 158)
#define CONTACT_LABEL_COLOUR RGB(255, 255, 255)

namespace {

// A kind of contact sheet: its grid and the sheet being filled.
struct CONTACT_GRID {
    const char* szKind;
    int nColumns;
    int nRows;
    HDC hdc;  // the back buffer while a sheet is open
    int nTile;
    int nSheets;
    std::string sFirst;  // the sheet's first and last files, for its title
    std::string sLast;
};

// The pictures a skin shows: every shared one and those of its own skin folder.
bool Contact_Belongs_To_Skin(const GALLERY_FILE& file, const char* szSkin) {
    if (strncasecmp(file.sPath.c_str(), "skins/", 6) != 0)
        return true;
    std::string sOwn = std::string("skins/") + szSkin + "/";
    return strncasecmp(file.sPath.c_str(), sOwn.c_str(), sOwn.size()) == 0;
}

// Loads the picture into the cache and gives its size; false when it does not load.
bool Contact_Measure(HDC hdc, const std::string& sPath, int* pnWidth, int* pnHeight) {
    if (sPath.size() >= BITMAP_NAME_SIZE)
        return false;
    Draw_Named_Image(hdc, sPath.c_str(), 0, 0, 0, 0);
    return Get_Cached_Image_Size(sPath.c_str(), pnWidth, pnHeight) && *pnWidth > 0 && *pnHeight > 0;
}

// The largest rectangle of the picture's shape inside the box, centred; never larger than
// CONTACT_MAX_ENLARGEMENT times the picture.
RECT Contact_Fit(int nWidth, int nHeight, const RECT& box) {
    int nBoxWidth = box.right - box.left;
    int nBoxHeight = box.bottom - box.top;
    double fScale = std::min(static_cast<double>(nBoxWidth) / nWidth,
                             static_cast<double>(nBoxHeight) / nHeight);
    fScale = std::min(fScale, static_cast<double>(CONTACT_MAX_ENLARGEMENT));
    int w = std::max(1, static_cast<int>(nWidth * fScale));
    int h = std::max(1, static_cast<int>(nHeight * fScale));
    int x = box.left + (nBoxWidth - w) / 2;
    int y = box.top + (nBoxHeight - h) / 2;
    return {x, y, x + w, y + h};
}

std::string Contact_Sheet_Name(const char* szSkin, const char* szKind, int nNumber) {
    char szName[64];
    Format_String(szName, sizeof szName, "%s-%s-%03d", szSkin, szKind, nNumber);
    return szName;
}

// A page background over a whole sheet, as the pages draw it, its name on a strip at the foot.
void Contact_Draw_Page(const GALLERY_FILE& file, const char* szSkin, int nNumber,
                       GALLERY_RUN* pRun) {
    HDC hdc = Gallery_Begin_Sheet(CONTACT_SHEET_COLOUR);
    if (hdc == NULL)
        return;
    if (!Draw_Page_Background_Named(file.sPath.c_str(), hdc, 255))
        pRun->aFailures.push_back("cannot draw " + file.sPath);
    RECT strip = {0, GALLERY_SHEET_HEIGHT - CONTACT_LABEL_HEIGHT - 4, GALLERY_SHEET_WIDTH,
                  GALLERY_SHEET_HEIGHT};
    Fill_Rectangle(hdc, strip.left, strip.top, strip.right, strip.bottom, RGB(0, 0, 0));
    Gallery_Draw_Label(hdc, file.sPath.c_str(), strip, CONTACT_LABEL_COLOUR);
    Gallery_End_Sheet(hdc, pRun, Contact_Sheet_Name(szSkin, "page", nNumber), szSkin, file.sPath);
}

// One tile of a contact sheet.
bool Contact_Draw_Tile(const CONTACT_GRID& grid, const GALLERY_FILE& file, int nWidth,
                       int nHeight) {
    const int nTileWidth = GALLERY_SHEET_WIDTH / grid.nColumns;
    const int nTileHeight = GALLERY_SHEET_HEIGHT / grid.nRows;
    int nLeft = (grid.nTile % grid.nColumns) * nTileWidth;
    int nTop = (grid.nTile / grid.nColumns) * nTileHeight;
    RECT cell = {nLeft + CONTACT_MARGIN, nTop + CONTACT_MARGIN, nLeft + nTileWidth - CONTACT_MARGIN,
                 nTop + nTileHeight - CONTACT_LABEL_HEIGHT};
    Fill_Rectangle(grid.hdc, cell.left, cell.top, cell.right, cell.bottom, CONTACT_CELL_COLOUR);
    RECT rc = Contact_Fit(nWidth, nHeight, cell);
    int nDrawn = Draw_Named_Image(grid.hdc, file.sPath.c_str(), rc.left, rc.top, rc.right - rc.left,
                                  rc.bottom - rc.top);
    RECT label = {nLeft + 2, cell.bottom, nLeft + nTileWidth - 2, nTop + nTileHeight};
    // The name without the skin folder, which the sheet's name already gives.
    const char* szName = file.sPath.c_str();
    if (strncasecmp(szName, "skins/", 6) == 0 && strchr(szName + 6, '/') != NULL)
        szName = strchr(szName + 6, '/') + 1;
    Gallery_Draw_Label(grid.hdc, szName, label, CONTACT_LABEL_COLOUR);
    return nDrawn != 0;
}

void Contact_Close_Sheet(CONTACT_GRID* pGrid, const char* szSkin, GALLERY_RUN* pRun) {
    if (pGrid->hdc == NULL)
        return;
    Gallery_End_Sheet(pGrid->hdc, pRun, Contact_Sheet_Name(szSkin, pGrid->szKind, ++pGrid->nSheets),
                      szSkin, pGrid->sFirst + " .. " + pGrid->sLast);
    pGrid->hdc = NULL;
    pGrid->nTile = 0;
}

// Adds the picture to the grid's sheet, opening one when none is open and saving a full one.
void Contact_Add_Tile(CONTACT_GRID* pGrid, const GALLERY_FILE& file, int nWidth, int nHeight,
                      const char* szSkin, GALLERY_RUN* pRun) {
    if (pGrid->hdc == NULL)
        pGrid->hdc = Gallery_Begin_Sheet(CONTACT_SHEET_COLOUR);
    if (pGrid->hdc == NULL) {
        pRun->aFailures.push_back("no back buffer for " + file.sPath);
        return;
    }
    if (pGrid->nTile == 0)
        pGrid->sFirst = file.sPath;
    pGrid->sLast = file.sPath;
    if (!Contact_Draw_Tile(*pGrid, file, nWidth, nHeight))
        pRun->aFailures.push_back("cannot draw " + file.sPath);
    if (++pGrid->nTile == pGrid->nColumns * pGrid->nRows)
        Contact_Close_Sheet(pGrid, szSkin, pRun);
}

}  // namespace

void Gallery_Draw_Contact_Sheets(const std::vector<GALLERY_FILE>& aFiles, const char* szSkin,
                                 GALLERY_RUN* pRun) {
    CONTACT_GRID small = {"small", 5, 4, NULL, 0, 0, "", ""};
    CONTACT_GRID large = {"large", 2, 2, NULL, 0, 0, "", ""};
    int nPages = 0;
    for (const GALLERY_FILE& file : aFiles) {
        if (file.bCursor || !Contact_Belongs_To_Skin(file, szSkin))
            continue;
        int nWidth = 0;
        int nHeight = 0;
        HDC hMeasure = Get_Main_Window_DC();
        bool bLoaded = Contact_Measure(hMeasure, file.sPath, &nWidth, &nHeight);
        Release_Main_Window_DC(hMeasure);
        if (!bLoaded) {
            pRun->aFailures.push_back("cannot load " + file.sPath);
            continue;
        }
        pRun->nFilesDrawn++;
        if (nWidth == GALLERY_SHEET_WIDTH && nHeight == GALLERY_SHEET_HEIGHT)
            Contact_Draw_Page(file, szSkin, ++nPages, pRun);
        else if (nWidth > CONTACT_BIG_WIDTH || nHeight > CONTACT_BIG_HEIGHT)
            Contact_Add_Tile(&large, file, nWidth, nHeight, szSkin, pRun);
        else
            Contact_Add_Tile(&small, file, nWidth, nHeight, szSkin, pRun);
    }
    Contact_Close_Sheet(&small, szSkin, pRun);
    Contact_Close_Sheet(&large, szSkin, pRun);
}
