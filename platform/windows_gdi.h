// The drawing interfaces (device contexts, GDI objects, text output) under their usual names and
// numeric values. Included by windows.h; the game never includes it directly.
#pragma once

typedef void* HGDIOBJ;  // any GDI handle converts to it
typedef struct HBITMAP__* HBITMAP;
typedef struct HPEN__* HPEN;
typedef struct HFONT__* HFONT;
typedef struct HRGN__* HRGN;
typedef DWORD COLORREF;
typedef uint16_t USHORT;
typedef int16_t SHORT;
typedef void VOID;
typedef uintptr_t ULONG_PTR;

#define RGB(r, g, b) \
    ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(c) ((BYTE)(c))
#define GetGValue(c) ((BYTE)(((WORD)(c)) >> 8))
#define GetBValue(c) ((BYTE)((c) >> 16))

typedef struct tagSIZE {
    LONG cx;
    LONG cy;
} SIZE;

// ---- fonts and text ------------------------------------------------------------------------------
#define LF_FACESIZE 32

typedef struct tagLOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
} LOGFONTA;

typedef struct tagTEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
} TEXTMETRICA;

#define FW_NORMAL 400
#define FW_BOLD 700
#define DEFAULT_QUALITY 0
#define NONANTIALIASED_QUALITY 3
#define ANTIALIASED_QUALITY 4
#define CLEARTYPE_QUALITY 5

#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_NOCLIP 0x00000100
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_END_ELLIPSIS 0x00008000
#define DT_HIDEPREFIX 0x00100000

#define OUT_DEFAULT_PRECIS 0
#define OUT_TT_PRECIS 4
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_CHARSET 1
#define ANSI_CHARSET 0
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20
#define FF_MODERN 0x30
#define FW_DONTCARE 0
#define FW_SEMIBOLD 600

#define TA_LEFT 0
#define TA_RIGHT 2
#define TA_CENTER 6
#define TA_TOP 0
#define TA_BOTTOM 8
#define TA_BASELINE 24
#define TA_UPDATECP 1

#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004

#define TRANSPARENT 1
#define OPAQUE 2

// ---- objects -----------------------------------------------------------------------------------
#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_DC 3
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_REGION 8
#define OBJ_MEMDC 10

#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_NULL 5
#define PS_INSIDEFRAME 6

#define BS_SOLID 0
#define BS_NULL 1
#define BS_HOLLOW BS_NULL

typedef struct tagLOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
} LOGPEN;

typedef struct tagLOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;
} LOGBRUSH;

typedef struct tagBITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
} BITMAP;

HGDIOBJ GetStockObject(int nObject);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ hObject);
BOOL DeleteObject(HGDIOBJ hObject);
int GetObjectA(HANDLE hObject, int nSize, LPVOID pOut);
#define GetObject GetObjectA
DWORD GetObjectType(HGDIOBJ hObject);
HGDIOBJ GetCurrentObject(HDC hdc, UINT uType);
HPEN CreatePen(int nStyle, int nWidth, COLORREF crColor);
HBRUSH CreateSolidBrush(COLORREF crColor);
HFONT CreateFontIndirectA(const LOGFONTA* pFont);
HFONT CreateFontA(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                  DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD nCharSet,
                  DWORD nOutPrecision, DWORD nClipPrecision, DWORD nQuality, DWORD nPitchAndFamily,
                  LPCSTR szFace);

// ---- device contexts ---------------------------------------------------------------------------
#define CLR_INVALID 0xFFFFFFFF
#define GDI_ERROR 0xFFFFFFFFL
#define HGDI_ERROR ((HANDLE)(LONG_PTR)-1)

#define ALTERNATE 1
#define WINDING 2

#define BLACKONWHITE 1
#define WHITEONBLACK 2
#define COLORONCOLOR 3
#define HALFTONE 4

HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
HDC GetDC(HWND hWnd);
HDC GetWindowDC(HWND hWnd);
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int nSaved);
COLORREF SetBkColor(HDC hdc, COLORREF crColor);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int nMode);
int GetBkMode(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF crColor);
COLORREF GetTextColor(HDC hdc);
UINT SetTextAlign(HDC hdc, UINT uAlign);
UINT GetTextAlign(HDC hdc);
int SetPolyFillMode(HDC hdc, int nMode);
int GetPolyFillMode(HDC hdc);
int SetStretchBltMode(HDC hdc, int nMode);
int GetStretchBltMode(HDC hdc);
BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* pOld);
BOOL GetViewportOrgEx(HDC hdc, POINT* pOrigin);
BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, POINT* pOld);
BOOL GdiFlush(void);

#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define NUMCOLORS 24
#define RASTERCAPS 38
#define LOGPIXELSX 88
#define LOGPIXELSY 90
// The other GetDeviceCaps indexes; the layer answers them with 0.
#define DRIVERVERSION 0
#define TECHNOLOGY 2
#define HORZSIZE 4
#define VERTSIZE 6
#define NUMBRUSHES 16
#define NUMPENS 18
#define NUMMARKERS 20
#define NUMFONTS 22
#define PDEVICESIZE 26
#define CURVECAPS 28
#define LINECAPS 30
#define POLYGONALCAPS 32
#define TEXTCAPS 34
#define CLIPCAPS 36
#define ASPECTX 40
#define ASPECTY 42
#define ASPECTXY 44
#define SIZEPALETTE 104
#define NUMRESERVED 106
#define COLORRES 108
#define VREFRESH 116
#define DESKTOPVERTRES 117
#define DESKTOPHORZRES 118
#define BLTALIGNMENT 119
#define SHADEBLENDCAPS 120
#define COLORMGMTCAPS 121
#define RC_BITBLT 0x0001
#define RC_BITMAP64 0x0008
#define RC_DI_BITMAP 0x0080
#define RC_DIBTODEV 0x0200
#define RC_STRETCHBLT 0x0800
#define RC_STRETCHDIB 0x2000
int GetDeviceCaps(HDC hdc, int nIndex);

// ---- bitmaps and DIBs --------------------------------------------------------------------------
#define BI_RGB 0
#define DIB_RGB_COLORS 0

typedef struct tagBITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
} BITMAPINFOHEADER;

typedef struct tagRGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
} RGBQUAD;

typedef struct tagBITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
} BITMAPINFO;

HBITMAP CreateCompatibleBitmap(HDC hdc, int nWidth, int nHeight);
HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const VOID* pBits);
HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* pInfo, UINT uUsage, VOID** ppBits,
                         HANDLE hSection, DWORD dwOffset);
int SetDIBits(HDC hdc, HBITMAP hBitmap, UINT nStart, UINT nLines, const VOID* pBits,
              const BITMAPINFO* pInfo, UINT uUsage);
int GetDIBits(HDC hdc, HBITMAP hBitmap, UINT nStart, UINT nLines, LPVOID pBits, BITMAPINFO* pInfo,
              UINT uUsage);

// ---- raster operations and blits ---------------------------------------------------------------
#define SRCCOPY 0x00CC0020
#define SRCPAINT 0x00EE0086
#define SRCAND 0x008800C6
#define SRCINVERT 0x00660046
#define NOTSRCCOPY 0x00330008
#define DSTINVERT 0x00550009
#define PATCOPY 0x00F00021
#define PATINVERT 0x005A0049
#define BLACKNESS 0x00000042
#define WHITENESS 0x00FF0062

#define AC_SRC_OVER 0x00
#define AC_SRC_ALPHA 0x01

typedef struct _BLENDFUNCTION {
    BYTE BlendOp;
    BYTE BlendFlags;
    BYTE SourceConstantAlpha;
    BYTE AlphaFormat;
} BLENDFUNCTION;

BOOL BitBlt(HDC hdcDest, int x, int y, int nWidth, int nHeight, HDC hdcSrc, int xSrc, int ySrc,
            DWORD dwRop);
BOOL StretchBlt(HDC hdcDest, int x, int y, int nWidth, int nHeight, HDC hdcSrc, int xSrc, int ySrc,
                int nSrcWidth, int nSrcHeight, DWORD dwRop);
int StretchDIBits(HDC hdc, int x, int y, int nWidth, int nHeight, int xSrc, int ySrc, int nSrcWidth,
                  int nSrcHeight, const VOID* pBits, const BITMAPINFO* pInfo, UINT uUsage,
                  DWORD dwRop);
BOOL AlphaBlend(HDC hdcDest, int x, int y, int nWidth, int nHeight, HDC hdcSrc, int xSrc, int ySrc,
                int nSrcWidth, int nSrcHeight, BLENDFUNCTION blend);
BOOL TransparentBlt(HDC hdcDest, int x, int y, int nWidth, int nHeight, HDC hdcSrc, int xSrc,
                    int ySrc, int nSrcWidth, int nSrcHeight, UINT crTransparent);

// ---- shapes ------------------------------------------------------------------------------------
BOOL MoveToEx(HDC hdc, int x, int y, POINT* pOld);
BOOL LineTo(HDC hdc, int x, int y);
BOOL Polyline(HDC hdc, const POINT* pPoints, int nCount);
BOOL Polygon(HDC hdc, const POINT* pPoints, int nCount);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int nWidth, int nHeight);
int FillRect(HDC hdc, const RECT* pRect, HBRUSH hBrush);
int FrameRect(HDC hdc, const RECT* pRect, HBRUSH hBrush);
BOOL InvertRect(HDC hdc, const RECT* pRect);
// Inverts every other pixel of the rectangle's one-pixel frame; drawing it twice restores it.
BOOL DrawFocusRect(HDC hdc, const RECT* pRect);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF crColor);
COLORREF GetPixel(HDC hdc, int x, int y);

// ---- text ----------------------------------------------------------------------------------
BOOL TextOutA(HDC hdc, int x, int y, LPCSTR szText, int nCount);
BOOL ExtTextOutA(HDC hdc, int x, int y, UINT uOptions, const RECT* pRect, LPCSTR szText,
                 UINT nCount, const INT* pDx);
// A negative nCount draws up to the terminating zero. Returns the text's height (with
// DT_VCENTER or DT_BOTTOM, from the rectangle's top to the text's bottom); 0 on failure.
int DrawTextA(HDC hdc, LPCSTR szText, int nCount, RECT* pRect, UINT uFormat);
// Returns MAKELONG(width, height) of what was drawn.
LONG TabbedTextOutA(HDC hdc, int x, int y, LPCSTR szText, int nCount, int nTabPositions,
                    const INT* pTabStops, int nTabOrigin);
BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR szText, int nCount, SIZE* pSize);
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* pMetrics);
int GetTextFaceA(HDC hdc, int nCount, LPSTR szFace);

// ---- regions and clipping ----------------------------------------------------------------------
#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3

#define RGN_AND 1
#define RGN_OR 2
#define RGN_XOR 3
#define RGN_DIFF 4
#define RGN_COPY 5

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* pRect);
HRGN CreatePolygonRgn(const POINT* pPoints, int nCount, int nFillMode);
int CombineRgn(HRGN hDest, HRGN hSrc1, HRGN hSrc2, int nMode);
BOOL SetRectRgn(HRGN hRgn, int left, int top, int right, int bottom);
int OffsetRgn(HRGN hRgn, int dx, int dy);
BOOL PtInRegion(HRGN hRgn, int x, int y);
int GetRgnBox(HRGN hRgn, RECT* pRect);
BOOL FillRgn(HDC hdc, HRGN hRgn, HBRUSH hBrush);
int SelectClipRgn(HDC hdc, HRGN hRgn);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
int GetClipBox(HDC hdc, RECT* pRect);

// ---- painting ----------------------------------------------------------------------------------
#ifndef WS_CLIPSIBLINGS
#define WS_CLIPSIBLINGS 0x04000000L
#endif
#ifndef WS_CLIPCHILDREN
#define WS_CLIPCHILDREN 0x02000000L
#endif

typedef struct tagPAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT;

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* pPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* pPaint);

// ---- system colours ----------------------------------------------------------------------------
#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define COLOR_HOTLIGHT 26
#define COLOR_GRADIENTACTIVECAPTION 27
#define COLOR_GRADIENTINACTIVECAPTION 28
#define COLOR_MENUHILIGHT 29
#define COLOR_MENUBAR 30
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DHILIGHT COLOR_BTNHIGHLIGHT
#define COLOR_BTNHILIGHT COLOR_BTNHIGHLIGHT

DWORD GetSysColor(int nIndex);
HBRUSH GetSysColorBrush(int nIndex);

// ---- frame controls and edges ------------------------------------------------------------------
#define DFC_CAPTION 1
#define DFC_MENU 2
#define DFC_SCROLL 3
#define DFC_BUTTON 4

#define DFCS_CAPTIONCLOSE 0x0000
#define DFCS_CAPTIONMIN 0x0001
#define DFCS_CAPTIONMAX 0x0002
#define DFCS_CAPTIONRESTORE 0x0003
#define DFCS_SCROLLUP 0x0000
#define DFCS_SCROLLDOWN 0x0001
#define DFCS_SCROLLLEFT 0x0002
#define DFCS_SCROLLRIGHT 0x0003
#define DFCS_SCROLLCOMBOBOX 0x0005
#define DFCS_SCROLLSIZEGRIP 0x0008
#define DFCS_BUTTONPUSH 0x0010
#define DFCS_INACTIVE 0x0100
#define DFCS_PUSHED 0x0200
#define DFCS_CHECKED 0x0400
#define DFCS_FLAT 0x4000

#define BDR_RAISEDOUTER 0x0001
#define BDR_SUNKENOUTER 0x0002
#define BDR_RAISEDINNER 0x0004
#define BDR_SUNKENINNER 0x0008
#define EDGE_RAISED (BDR_RAISEDOUTER | BDR_RAISEDINNER)
#define EDGE_SUNKEN (BDR_SUNKENOUTER | BDR_SUNKENINNER)
#define EDGE_ETCHED (BDR_SUNKENOUTER | BDR_RAISEDINNER)
#define EDGE_BUMP (BDR_RAISEDOUTER | BDR_SUNKENINNER)

#define BF_LEFT 0x0001
#define BF_TOP 0x0002
#define BF_RIGHT 0x0004
#define BF_BOTTOM 0x0008
#define BF_RECT (BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM)
#define BF_MIDDLE 0x0800
#define BF_ADJUST 0x2000

BOOL DrawFrameControl(HDC hdc, RECT* pRect, UINT uType, UINT uState);
BOOL DrawEdge(HDC hdc, RECT* pRect, UINT uEdge, UINT uFlags);
