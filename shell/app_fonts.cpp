// The 36 application fonts, shared by every painter through use counts. The scaled ones follow
// the main window's size and are rebuilt when it changes.
#include "shell/shell.h"

#include <string.h>
#include <strings.h>

#define APP_FONT_UPWARD 33  // the one font whose text runs upward
#define APP_FONT_FIRST_SMOOTHED_FACE 3

HANDLE gAppFonts[APP_HANDLE_COUNT];

static int anFontUseCounts[APP_FONT_COUNT];
static LOGFONTA aFontLogs[APP_FONT_COUNT];
static int bAppFontsLoaded = 0;
static RECT rectFontBuildWindow = {0, 0, 0, 0};

const char* const FONT_FACES[FONT_FACE_COUNT] = {
    "MS Sans Serif",   "Tms Rmn",    "Courier", "Arial",      "Times New Roman",
    "Courier New",     "Eurostile",  "Calibri", "Stone Sans", "StoneSansSemiITC TT",
    "Stone_Sans-Bold", "Stencil Std"};

const APP_FONT_SPEC APP_FONT_SPECS[APP_FONT_COUNT] = {
    {10, 700, 3, 1},  {12, 700, 3, 1},  {14, 700, 3, 1},  {15, 700, 3, 1},  {16, 700, 3, 1},
    {17, 700, 3, 1},  {18, 700, 3, 1},  {19, 700, 3, 1},  {20, 400, 3, 1},  {20, 700, 3, 1},
    {22, 700, 3, 1},  {28, 700, 3, 1},  {36, 700, 3, 1},  {40, 700, 3, 1},  {28, 700, 5, 1},
    {72, 700, 3, 1},  {32, 700, 3, 0},  {17, 700, 3, 0},  {21, 700, 3, 0},  {16, 700, 3, 0},
    {20, 400, 4, 1},  {52, 400, 10, 0}, {46, 400, 8, 0},  {55, 400, 10, 0}, {75, 400, 9, 0},
    {90, 700, 6, 0},  {46, 400, 8, 0},  {46, 400, 10, 0}, {50, 400, 9, 0},  {42, 400, 10, 0},
    {48, 400, 11, 0}, {32, 400, 11, 0}, {38, 700, 9, 0},  {90, 400, 10, 0}, {44, 400, 10, 0},
    {40, 400, 8, 0}};

static HFONT Get_Font_Handle(int nFont) {
    return (HFONT)gAppFonts[nFont];
}

static RECT Get_Main_Window_Outer_Rect(void) {
    RECT rect = {0, 0, 0, 0};
    if (gMainWindow)
        GetWindowRect(gMainWindow, &rect);
    return rect;
}

// A scaled font's height follows the outer window: by its width when it is narrower than tall,
// else by its height. The screen's mapping is one logical unit a pixel, so the table's heights
// are already logical.
static int Get_App_Font_Height(int nFont, const RECT* pWindow) {
    int nHeight = APP_FONT_SPECS[nFont].nHeight;
    if (!APP_FONT_SPECS[nFont].bScaled || !gMainWindow)
        return nHeight;
    int nWidth = pWindow->right - pWindow->left;
    int nWindowHeight = pWindow->bottom - pWindow->top;
    if (nWidth < nWindowHeight)
        return nHeight * nWidth / MIN_CLIENT_WIDTH;
    return nHeight * nWindowHeight / MIN_CLIENT_HEIGHT;
}

// Logs a face the system put in place of the one asked for.
static void Log_Substituted_Face(int nFont, HFONT hFont) {
    HDC hScreen = GetDC(NULL);
    if (!hScreen)
        return;
    HGDIOBJ hOld = SelectObject(hScreen, hFont);
    char szUsed[LF_FACESIZE];
    if (GetTextFaceA(hScreen, sizeof(szUsed), szUsed) <= 0)
        safe_strncpy(szUsed, "<UNKNOWN>", sizeof(szUsed));
    SelectObject(hScreen, hOld);
    ReleaseDC(NULL, hScreen);
    if (strcasecmp(szUsed, aFontLogs[nFont].lfFaceName) != 0)
        Log_Debug_Line("Creating font #%d \"%s\" returned 0x%08x and used font \"%s\"", nFont,
                       aFontLogs[nFont].lfFaceName, (unsigned)(uintptr_t)hFont, szUsed);
}

static void Delete_App_Font(int nFont) {
    if (gAppFonts[nFont])
        DeleteObject(Get_Font_Handle(nFont));
    gAppFonts[nFont] = NULL;
    anFontUseCounts[nFont] = 0;
}

int Create_App_Font(int nFont) {
    if (nFont < 0 || nFont >= APP_FONT_COUNT)
        return 0;
    Delete_App_Font(nFont);  // a rebuilt font replaces its old handle
    const APP_FONT_SPEC* pDescription = &APP_FONT_SPECS[nFont];
    RECT rectWindow = Get_Main_Window_Outer_Rect();
    rectFontBuildWindow = rectWindow;
    LOGFONTA* pLog = &aFontLogs[nFont];
    memset(pLog, 0, sizeof(*pLog));
    pLog->lfHeight = Get_App_Font_Height(nFont, &rectWindow);
    pLog->lfEscapement = pLog->lfOrientation = nFont == APP_FONT_UPWARD ? 900 : 0;
    pLog->lfWeight = pDescription->nWeight;
    pLog->lfCharSet = DEFAULT_CHARSET;
    pLog->lfOutPrecision = OUT_TT_PRECIS;
    pLog->lfClipPrecision = CLIP_DEFAULT_PRECIS;
    pLog->lfQuality =
        pDescription->nFace >= APP_FONT_FIRST_SMOOTHED_FACE ? ANTIALIASED_QUALITY : DEFAULT_QUALITY;
    pLog->lfPitchAndFamily = DEFAULT_PITCH;
    safe_strncpy(pLog->lfFaceName, FONT_FACES[pDescription->nFace], sizeof(pLog->lfFaceName));
    HFONT hFont =
        CreateFontA(pLog->lfHeight, 0, pLog->lfEscapement, pLog->lfOrientation, pLog->lfWeight, 0,
                    0, 0, pLog->lfCharSet, pLog->lfOutPrecision, pLog->lfClipPrecision,
                    pLog->lfQuality, pLog->lfPitchAndFamily, pLog->lfFaceName);
    gAppFonts[nFont] = hFont;
    if (!hFont) {
        Report_Error("Couldn't create font #%d \"%s\"", nFont, pLog->lfFaceName);
        return 0;
    }
    Log_Substituted_Face(nFont, hFont);
    return 1;
}

int Load_App_Fonts(void) {
    RECT rectWindow = Get_Main_Window_Outer_Rect();
    RECT rectClient;
    Get_Page_Client_Rect(&rectClient);
    Log_Debug_Line("Load_App_Fonts() calculated window coordinates:");
    Log_Debug_Line("Window: {%d,%d} {%d,%d}", (int)rectWindow.left, (int)rectWindow.top,
                   (int)rectWindow.right, (int)rectWindow.bottom);
    Log_Debug_Line("Client: {%d,%d} {%d,%d}", (int)rectClient.left, (int)rectClient.top,
                   (int)rectClient.right, (int)rectClient.bottom);
    Log_Debug_Line("MIN_CLIENT_WIDTH, MIN_CLIENT_HEIGHT: {%d,%d}", MIN_CLIENT_WIDTH,
                   MIN_CLIENT_HEIGHT);
    // The use counts stay: a dialog that loads the fonts again while a painter holds one must not
    // make that painter's release an error.
    for (int nFont = 0; nFont < APP_FONT_COUNT; nFont++) {
        if (!gAppFonts[nFont] || APP_FONT_SPECS[nFont].bScaled)
            Create_App_Font(nFont);
    }
    bAppFontsLoaded = 1;
    return 1;
}

// Fonts left over from a partial free are deleted too, so none outlives the program.
int Free_App_Fonts(int bAll) {
    int bWereLoaded = bAppFontsLoaded;
    for (int nFont = 0; nFont < APP_FONT_COUNT; nFont++) {
        if (bAll || APP_FONT_SPECS[nFont].bScaled)
            Delete_App_Font(nFont);
    }
    bAppFontsLoaded = 0;
    return bWereLoaded;
}

// The next use loads the fonts anew.
void Forget_App_Fonts(void) {
    memset(gAppFonts, 0, sizeof(gAppFonts));
    memset(anFontUseCounts, 0, sizeof(anFontUseCounts));
    bAppFontsLoaded = 0;
    rectFontBuildWindow = {0, 0, 0, 0};
}

HFONT Take_App_Font(int nFont) {
    if (nFont < 0 || nFont >= APP_FONT_COUNT)
        return NULL;
    if (!bAppFontsLoaded)
        Load_App_Fonts();
    anFontUseCounts[nFont]++;
    return Get_Font_Handle(nFont);
}

// Two fonts of equal description may share one handle: the count given back is that of a font
// with the handle that was taken.
void Release_App_Font(HFONT hFont) {
    if (!hFont || !bAppFontsLoaded)
        return;
    int bKnown = 0;
    for (int nFont = 0; nFont < APP_FONT_COUNT; nFont++) {
        if (Get_Font_Handle(nFont) != hFont)
            continue;
        bKnown = 1;
        if (anFontUseCounts[nFont] > 0) {
            anFontUseCounts[nFont]--;
            return;
        }
    }
    if (bKnown)
        Report_Error("Font Error: Trying to free a font more times than it has been allocated.");
}

int Get_App_Font_Use_Count(int nFont) {
    return nFont >= 0 && nFont < APP_FONT_COUNT ? anFontUseCounts[nFont] : 0;
}

const LOGFONTA* Get_App_Font_Log(int nFont) {
    if (nFont < 0 || nFont >= APP_FONT_COUNT || !gAppFonts[nFont])
        return NULL;
    return &aFontLogs[nFont];
}

int Are_App_Fonts_Loaded(void) {
    return bAppFontsLoaded;
}

void Log_Font_Use_Counts(const char* szText) {
    char szLine[TEXT_BUFFER_SIZE];
    safe_strncpy(szLine, szText ? szText : "", sizeof(szLine));
    for (int nFont = 0; nFont < APP_FONT_COUNT; nFont++) {
        if (anFontUseCounts[nFont] == 0)
            safe_strncat(szLine, "  -", sizeof(szLine));
        else
            Append_Format_String(szLine, sizeof(szLine), " %2d", anFontUseCounts[nFont]);
    }
    Log_Debug_Line("%s", szLine);
}

// A window under the smallest size, or one whose size the fonts were built for, keeps
// everything; otherwise the images, the back buffer and the scaled fonts are made anew.
int On_Main_Window_Resized(void) {
    RECT rectWindow = Get_Main_Window_Outer_Rect();
    int nWidth = rectWindow.right - rectWindow.left;
    int nHeight = rectWindow.bottom - rectWindow.top;
    if (nHeight < MIN_CLIENT_HEIGHT || nWidth < MIN_CLIENT_WIDTH)
        return 1;
    if (nWidth == rectFontBuildWindow.right - rectFontBuildWindow.left &&
        nHeight == rectFontBuildWindow.bottom - rectFontBuildWindow.top)
        return 1;
    Flush_Bitmap_Cache();
    Free_App_Fonts(0);
    Destroy_Back_Buffer();
    Create_Back_Buffer(gMainWindow);
    Load_App_Fonts();
    return 1;
}
