// The back buffer, the application fonts, drawing primitives, skins and the design space that
// every page is drawn in.
#pragma once

#include "core/core.h"
#include "platform/windows.h"

#define DESIGN_WIDTH 768
#define DESIGN_HEIGHT 507
#define MIN_CLIENT_WIDTH 1024
#define MIN_CLIENT_HEIGHT 676
#define APP_FONT_COUNT 36

// The bars under a news page: the button bar, and the news bar when it is on.
#define BUTTON_BAR_HEIGHT 36
#define NEWS_BAR_HEIGHT 24

// The shared handle table: the fonts, then the cursors, the progress window and the main window.
#define APP_CURSOR_SLOT 36
#define APP_CURSOR_COUNT 5
#define APP_PROGRESS_WINDOW_SLOT 41
#define APP_MAIN_WINDOW_SLOT 42
#define APP_HANDLE_COUNT 43

// The two lines of the season-phase box hold at least this many characters each.
#define SEASON_PHASE_LABEL_SIZE 32

extern int gBackBufferWidth;
extern int gBackBufferHeight;
extern HANDLE gAppFonts[APP_HANDLE_COUNT];

// ---- the back buffer (back_buffer.cpp) ----------------------------------------------------------
// Painters take the back buffer's DC with Get_Main_Window_DC and give it back with
// Release_Main_Window_DC (shell.h); both count, and each take saves the DC's state.
int Create_Back_Buffer(HWND hMainWindow);
void Destroy_Back_Buffer(void);
HDC Get_Main_Window_DC(void);
void Get_Back_Buffer_Rect(RECT* pRect);
int Has_Back_Buffer(void);
int Get_Back_Buffer_Width(void);
int Get_Back_Buffer_Height(void);
int Get_Back_Buffer_Use_Count(void);
int Get_Last_Painted_Page(void);
void Set_Last_Painted_Page(int nPage);
void Update_Back_Buffer_Size(void);
HBITMAP Swap_Back_Buffer_Bitmap(HBITMAP hBitmap);  // the previous one
HDC Swap_Back_Buffer_DC(HDC hDC);                  // the previous one
void Close_DrawDib(void);

// ---- fonts (app_fonts.cpp) ----------------------------------------------------------------------
typedef struct APP_FONT_SPEC {
    int nHeight;  // logical units at the reference size
    int nWeight;
    int nFace;    // index into FONT_FACES
    int bScaled;  // the height follows the main window's size
} APP_FONT_SPEC;

#define FONT_FACE_COUNT 12
extern const char* const FONT_FACES[FONT_FACE_COUNT];
extern const APP_FONT_SPEC APP_FONT_SPECS[APP_FONT_COUNT];

int Load_App_Fonts(void);
int Create_App_Font(int nFont);
int Free_App_Fonts(int bAll);
// Drops every handle of the table (fonts and the progress window) without freeing it: the
// headless layer's reset took the objects.
void Forget_App_Fonts(void);
HFONT Take_App_Font(int nFont);  // null above 35
void Release_App_Font(HFONT hFont);
int Get_App_Font_Use_Count(int nFont);
const LOGFONTA* Get_App_Font_Log(int nFont);  // null for a font not made
int Are_App_Fonts_Loaded(void);
void Log_Font_Use_Counts(const char* szText);
int On_Main_Window_Resized(void);

// ---- primitives (drawing_primitives.cpp) --------------------------------------------------------
void Fill_Rectangle(HDC hdc, int nLeft, int nTop, int nRight, int nBottom, COLORREF colour);
void Fill_Rect_Struct(const RECT* pRect, HDC hdc, COLORREF colour);
void Fill_Solid_Rect(const RECT* pRect, HDC hdc, COLORREF colour);
void Fill_Polygon(const POINT* pPoints, HDC hdc, int nCount, COLORREF colour);
void Fill_Ellipse(HDC hdc, const RECT* pRect, COLORREF colour);
void Draw_Absolute_Line(const RECT* pRect, HDC hdc, COLORREF colour);
// Design-space forms: the rectangle or points are scaled to the client first.
void Draw_Design_Frame_Control(const RECT* pRect, HDC hdc, UINT uType, UINT uState);
void Draw_Design_Line(HDC hdc, int x1, int y1, int x2, int y2);
void Fill_Design_Ellipse(const RECT* pRect, HDC hdc, COLORREF colour);
void Fill_Design_Rectangle(const RECT* pRect, HDC hdc, COLORREF colour);
void Draw_Design_Rect_Frame(HDC hdc, const RECT* pRect);
void Draw_Design_Rect_Frame_Colour(const RECT* pRect, HDC hdc, COLORREF colour);
int Copy_Enlarged_Rectangle(const RECT* pSource, RECT* pDestination);  // its height, -1 invalid

// ---- noise (drawing_noise.cpp) ------------------------------------------------------------------
// Restarts the drawing layer's own generator: a picture's grain repeats, a test sees a known one.
void Seed_Cosmetic_Random(uint64_t uSeed);
int Cosmetic_Random_Below(int n);  // 0..n-1 from the drawing layer's generator; 0 for n below 1
// Blurred random grain; its own generator, so painting never moves the game's random numbers.
void Draw_Button_Noise(const RECT* pRect, HDC hdc, int nRedA, int nRedB, int nGreenA, int nGreenB,
                       int nBlueA, int nBlueB, double dBlurX, double dBlurY);
void Draw_Noise_Around_Colour(const RECT* pRect, HDC hdc, COLORREF colour, int nBlurX, int nBlurY);

// ---- text fitted to a rectangle (drawing_text.cpp) ----------------------------------------------
int Draw_Text_Best_Font(HDC hdc, RECT* pRect, const char* szText, UINT uFormat, int nPreferred);
int Draw_Text_Over_Dialog_Item(HWND hDlg, HDC hdc, const char* szText, UINT uFormat, int nControl);

// ---- skins and page text colours (skins.cpp) ----------------------------------------------------
int Is_Skin_Earth(void);
int Is_Skin_Fire(void);
int Is_Skin_Ice(void);
int Is_Skin_Ice_Or_Fire(void);
void Get_Skin_File(char* szName, int nSize);  // rewritten in place as "skins\<skin>\<name>"
void Copy_Skin_File_Name(char* szOut, int nSize, const char* szName);
COLORREF Get_Skin_Dialog_Colour(void);

#define PAGE_PLAIN_TEXT 1
#define PAGE_HIGHLIGHT_TEXT 2
#define PAGE_TEXT_PAIR_COUNT 8
// Pair 1..8, the light member or with bDark the dark one; black for a pair out of range.
COLORREF Get_Page_Text_Colour_Pair(int nPair, int bDark);
// Kind 1 is plain text, any other kind highlight text; the dark skins have their own greys.
COLORREF Get_Page_Text_Colour(int nKind, int bDark);
COLORREF Get_Highlight_Text_Colour(int bHighlight, int bDark);

// ---- the design space (design_space.cpp) --------------------------------------------------------
// A window's client area, less the bars while a news page is shown; empty without a window.
void Get_Window_Page_Rect(HWND hWnd, RECT* pRect);
void Get_Page_Client_Rect(RECT* pRect);  // the same for the main window
int Scale_Design_X(const RECT* pClient, int x);
int Scale_Design_Y(const RECT* pClient, int y);
void Scale_Design_Rect(RECT* pRect);
int Scale_Design_X_To_Window(int x);
int Scale_Design_Y_To_Window(int y);
void Scale_Design_Point(POINT* pPoint);
void Scale_Client_Rect_To_Design(RECT* pRect);
int Unscale_Design_Y(const RECT* pClient, int y);
void Invalidate_Design_Rect(HWND hWnd, const RECT* pRect);

// ---- text in the design space (design_text.cpp) -------------------------------------------------
int Draw_Design_Text(HDC hdc, const char* szText, RECT* pRect, UINT uFlags, int bScale);
int Draw_Design_Text_Scaled(HDC hdc, const char* szText, RECT* pRect, UINT uFlags);
int Draw_Design_Text_Colour(const char* szText, HDC hdc, COLORREF colour, RECT* pRect, UINT uFlags);
int Draw_Text_Centred_Vertically(const char* szText, HDC hdc, const RECT* pRect, UINT uFlags);
int Draw_Design_Text_Centered(HDC hdc, RECT* pRect, const char* szText, int nPreferred);
int Draw_Shadowed_Design_Text(HDC hdc, const char* szText, const RECT* pRect, UINT uFormat);
int Draw_Shadowed_Text_Colour(HDC hdc, const char* szText, COLORREF colour, const RECT* pRect,
                              UINT uFormat);

// ---- the title, the season phase and window helpers (window_title.cpp, drawing_windows.cpp) ----
// Both labels need buffers of at least SEASON_PHASE_LABEL_SIZE characters.
void Get_Season_Phase_Labels(char* szFirst, char* szSecond);
int Register_Report_Window_Class(void);
BOOL Set_Child_Font_Proc(HWND hChild, LPARAM lFont);
void Centre_Progress_Window(void);
