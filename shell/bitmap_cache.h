// The bitmap cache: named images loaded from PNG, JPEG and BMP files, kept in small pools of
// slots and drawn into the back buffer, any DC or over a dialog control.
//
// An image name may carry option letters after its first ':' (any order):
//   I  PNG: read the size only; no bitmap, the name is not stored
//   D  PNG: decode straight into a DIB section, which becomes the slot's bitmap
//   O  PNG: make no device-dependent bitmap (the rows survive only with L or D)
//   L  PNG and JPEG: keep the pixel rows after the bitmap is made
//   X  JPEG and BMP: wash every pixel three quarters of the way toward RGB(102,102,153)
//   B  any: stretch the image to the back-buffer size once loaded
//   A  draw with per-pixel alpha (added by the loader to every 4-channel PNG)
//   N  draw without clipping the destination to the back buffer
//   P  draw with SRCPAINT instead of SRCCOPY
//   H  stretch with HALFTONE even when the image is shrunk
#pragma once

#include "core/core.h"
#include "platform/windows.h"

#define BITMAP_SLOT_COUNT 40
#define BACKGROUND_SLOT_COUNT 2
#define FIRST_BITMAP_SLOT_ID 2000
#define FIRST_BACKGROUND_SLOT_ID 3000
#define WINDOW_BACKGROUND_SLOT_ID 4000
#define BITMAP_NAME_SIZE 128
#define BITMAP_OPTIONS_SIZE 72
#define BITMAP_OPTIONS_KEPT 63
#define MAX_BMP_SIDE 2048

// One cached image.
typedef struct BITMAP_SLOT {
    int nId;  // fixed per slot, kept when the slot is emptied
    // The full requested name with its options: the key, compared without case. Empty when
    // free; '!' first marks a slot to take before the least recently used; '0' first counts as
    // not loaded.
    char szName[BITMAP_NAME_SIZE];
    HBITMAP hBitmap;             // compatible bitmap, or the DIB section with D
    BITMAPINFOHEADER bmiHeader;  // the rows' layout, bottom-up
    int nExtra;                  // a BMP file's four bytes after its header
    unsigned char* pBits;        // the kept rows (D or L), else null
    int nWidth;                  // after B: the back-buffer size
    int nHeight;
    int nLastUse;  // gBitmapUseCounter at the last draw
    char szOptions[BITMAP_OPTIONS_SIZE];
} BITMAP_SLOT;

extern BITMAP_SLOT gBitmapSlots[BITMAP_SLOT_COUNT];
extern BITMAP_SLOT gBackgroundSlots[BACKGROUND_SLOT_COUNT];
extern BITMAP_SLOT gWindowBackgroundSlot;
extern int gBitmapCacheReady;
extern int gBitmapUseCounter;

// ---- the pools (bitmap_cache.cpp) ----------------------------------------------------------------
void Init_Bitmap_Cache(void);
void Flush_Bitmap_Cache(void);
void Empty_Bitmap_Slot(BITMAP_SLOT* pSlot);
void Empty_Window_Background_Slot(void);
// The slot named szName, else a '!' slot, else the least recently used one emptied.
BITMAP_SLOT* Find_Bitmap_Slot(BITMAP_SLOT* pPool, int nCount, const char* szName);
// An exact match in the window-background, background and general pools; nothing is loaded.
BITMAP_SLOT* Find_Cached_Image(const char* szName);
int Slot_Has_Kept_Bits(const BITMAP_SLOT* pSlot);
int Is_Bitmap_Slot_Empty(const BITMAP_SLOT* pSlot);
int Has_Image_Option(const BITMAP_SLOT* pSlot, char chOption);
void Get_Page_Background_Size(int* pnWidth, int* pnHeight);
// The width and height of a cached image, or 0 when it is not cached.
int Get_Cached_Image_Size(const char* szName, int* pnWidth, int* pnHeight);
int Has_File_Extension(const char* szName, const char* szExtension);

// ---- loading (bitmap_cache_load.cpp and the decoders) ---------------------------------------------
// 1 when the image is in the slot (option I: its size only), 0 otherwise with the slot empty.
int Load_File_Into_Bitmap_Cache(HDC hdc, const char* szName, BITMAP_SLOT* pSlot);
// Decodes a PNG into bottom-up BGR(A) rows padded to 4 bytes. ppBits null: the header only;
// *ppBits null: the rows are allocated (free them with free); else decoded into *ppBits.
int Load_PNG_File(unsigned char** ppBits, const char* szFile, int* pnWidth, int* pnHeight,
                  int* pnChannels);
// The decoders behind Load_File_Into_Bitmap_Cache; the slot holds the options already.
int Load_PNG_Into_Slot(HDC hdc, const char* szFile, BITMAP_SLOT* pSlot);
int Load_JPEG_Into_Slot(HDC hdc, FILE* pFile, BITMAP_SLOT* pSlot);
int Load_BMP_Into_Slot(HDC hdc, FILE* pFile, BITMAP_SLOT* pSlot);
// Moves each channel three quarters of the way toward RGB(102,102,153).
void Wash_Pixel(unsigned char* pBlue, unsigned char* pGreen, unsigned char* pRed);
// A bitmap compatible with hdc holding the slot's rows; null when it cannot be made.
HBITMAP Make_Bitmap_From_Rows(HDC hdc, const BITMAP_SLOT* pSlot, const unsigned char* pRows);
// Makes the slot's bitmap from the rows (when bMakeBitmap), then keeps the rows with option L or
// frees them. 0 when the bitmap cannot be made; the rows are freed then.
int Store_Loaded_Rows(HDC hdc, BITMAP_SLOT* pSlot, unsigned char* pRows, int bMakeBitmap);
// Rows of nWidth pixels of nBitCount bits, padded to 4 bytes.
int Get_Dib_Row_Bytes(int nWidth, int nBitCount);
// Stores every pixel's colours multiplied by its alpha / 255.
void Premultiply_Alpha(unsigned char* pRows, int nWidth, int nHeight, int nStride);

// ---- drawing (image_draw.cpp); each returns 0 for a null DC or an image that does not load -----
int Blit_Bitmap_Slot(HDC hdc, BITMAP_SLOT* pSlot, int nAlpha, int x, int y, int w, int h, int sx,
                     int sy, int sw, int sh);
// Draws the named image at client pixel (x, y); a width or height of -1 means the image's own.
int Draw_Named_Image(HDC hdc, const char* szName, int x, int y, int w, int h);
// The image's natural size centred on the scaled design point; returns the image height.
int Draw_Image_Centered_Scaled(HDC hdc, const char* szName, int x, int y);
// Stretched over a design rectangle; returns h (reduced to keep the aspect) or 0.
int Draw_Image_In_Design_Rect(HDC hdc, const char* szName, int x, int y, int w, int h,
                              int bKeepAspect);
// Stretched over the design rectangle of a player's photo, (17, 33) 106 by 160.
int Draw_Image_In_Photo_Rect(HDC hdc, const char* szName);
int Draw_Image_In_Dialog_Item(HWND hDlg, HDC hdc, int nControlId, const char* szName);
int Draw_Image_In_Dialog_Item_Centered(HWND hDlg, HDC hdc, int nControlId, const char* szName);
// A dialog's WM_PAINT that draws one image over a control; a missing image draws nothing.
void Paint_Dialog_Item_Image(HWND hDlg, int nControlId, const char* szName);
void Screen_Rect_To_Client(HWND hWnd, RECT* pRect);
void Draw_Window_Background(HWND hWnd, HDC hdc, const char* szName);

// ---- page backgrounds (page_background.cpp) -------------------------------------------------------
void Draw_Page_Background(HDC hdc);
// A null name takes the first background slot as it is; all four coordinates -1 draws the whole
// background, four real ones copy that inclusive rectangle 1:1. A null DC only loads.
int Draw_Page_Background_Part(HDC hdc, const char* szName, int nAlpha, int nLeft, int nTop,
                              int nRight, int nBottom);
int Draw_Page_Background_Rect(HDC hdc, const char* szName, const RECT* pRect);
int Draw_Page_Background_Area(HDC hdc, const char* szName, int nLeft, int nTop, int nRight,
                              int nBottom);
int Draw_Page_Background_Named(const char* szName, HDC hdc, int nAlpha);
// The shown page's picture inside a rectangle of the page area; 0 when there is none to draw.
int Restore_Page_Background(HDC hdc, const RECT* pRect);
