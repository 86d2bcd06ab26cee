// The art gallery: every picture of the installation folder and a sample of the drawing layer,
// drawn in each skin onto sheets of the main window's size and saved as PNG files.
#pragma once

#include <string>
#include <vector>

#include "platform/windows.h"

#define GALLERY_SHEET_WIDTH 1024
#define GALLERY_SHEET_HEIGHT 676

// One picture file found under the art folders, its path relative to the installation folder.
struct GALLERY_FILE {
    std::string sPath;
    bool bCursor;  // .cur or .ico: listed, not drawn through the bitmap cache
};

// One saved sheet, for the index.
struct GALLERY_SHEET {
    std::string sFile;  // relative to the output folder
    std::string sSkin;
    std::string sTitle;
};

// What a run made and what failed.
struct GALLERY_RUN {
    std::string sOutput;  // the output folder, absolute
    std::vector<GALLERY_SHEET> aSheets;
    std::vector<std::string> aFailures;  // one line each
    int nFilesDrawn = 0;
};

// gallery_files.cpp: the picture files below the art folders of the current folder, sorted;
// the catalogue's pictures that are missing from it, added to the run's failures.
std::vector<GALLERY_FILE> Gallery_Find_Files(void);
void Gallery_Check_Catalogue(const std::vector<GALLERY_FILE>& aFiles, GALLERY_RUN* pRun);

// gallery_surface.cpp: the main window and its back buffer, once per run; the sheet's DC.
bool Gallery_Open_Surface(void);
void Gallery_Close_Surface(void);
void Gallery_Select_Skin(const char* szSkin);
HDC Gallery_Begin_Sheet(COLORREF background);
// Saves the back buffer as <output>/<name>.png and records it; false when it cannot be written.
bool Gallery_End_Sheet(HDC hdc, GALLERY_RUN* pRun, const std::string& sName,
                       const std::string& sSkin, const std::string& sTitle);
// A label in the small design font, clipped to the rectangle.
void Gallery_Draw_Label(HDC hdc, const char* szText, RECT rc, COLORREF colour);

// gallery_contact_sheets.cpp: every file drawn on contact sheets of the skin.
void Gallery_Draw_Contact_Sheets(const std::vector<GALLERY_FILE>& aFiles, const char* szSkin,
                                 GALLERY_RUN* pRun);

// gallery_samples.cpp: the primitives, design text, text colours and vector canvas of the skin.
void Gallery_Draw_Samples(const char* szSkin, GALLERY_RUN* pRun);

// gallery_index.cpp: <output>/index.html listing every sheet; false when it cannot be written.
bool Gallery_Write_Index(const GALLERY_RUN& run);
