// The skins: named art sets under skins\, the dialog colour of each, and the page text colours
// chosen by the skin and the Dark Text preference. Ice and fire are the dark skins.
#include "database/database.h"
#include "shell/shell.h"

#include <strings.h>

#define SKIN_DIALOG_EARTH RGB(226, 200, 150)
#define SKIN_DIALOG_FIRE RGB(205, 170, 158)
#define SKIN_DIALOG_ICE RGB(172, 196, 222)

static int Is_Skin_Named(const char* szSkin) {
    return strcasecmp(gSkinName, szSkin) == 0;
}

int Is_Skin_Earth(void) {
    return Is_Skin_Named("earth");
}

int Is_Skin_Fire(void) {
    return Is_Skin_Named("fire");
}

int Is_Skin_Ice(void) {
    return Is_Skin_Named("ice");
}

int Is_Skin_Ice_Or_Fire(void) {
    return Is_Skin_Ice() || Is_Skin_Fire();
}

void Copy_Skin_File_Name(char* szOut, int nSize, const char* szName) {
    char szSkin[sizeof(gSkinName)];
    safe_strncpy(szSkin, gSkinName, sizeof(szSkin));
    Format_String(szOut, nSize, "skins\\%s\\%s", szSkin, szName);
}

void Get_Skin_File(char* szName, int nSize) {
    char szFile[TEXT_BUFFER_SIZE];
    safe_strncpy(szFile, szName, sizeof(szFile));
    Copy_Skin_File_Name(szName, nSize, szFile);
}

// Any skin other than earth and fire gets the ice colour.
COLORREF Get_Skin_Dialog_Colour(void) {
    if (Is_Skin_Earth())
        return SKIN_DIALOG_EARTH;
    if (Is_Skin_Fire())
        return SKIN_DIALOG_FIRE;
    return SKIN_DIALOG_ICE;
}

// ---- page text colours --------------------------------------------------------------------------

// Pairs 1..8: the colour with Dark Text off, then with it on.
static const COLORREF PAGE_TEXT_COLOUR_PAIRS[PAGE_TEXT_PAIR_COUNT][2] = {
    {RGB(255, 255, 255), RGB(0, 0, 0)},     // plain text
    {RGB(255, 249, 69), RGB(130, 30, 30)},  // highlight text
    {RGB(210, 180, 110), RGB(160, 70, 70)}, {RGB(255, 170, 170), RGB(130, 30, 30)},
    {RGB(255, 170, 170), RGB(80, 80, 180)}, {RGB(170, 166, 46), RGB(160, 70, 70)},
    {RGB(170, 170, 170), RGB(85, 85, 85)},  {RGB(255, 215, 215), RGB(30, 30, 130)}};

COLORREF Get_Page_Text_Colour_Pair(int nPair, int bDark) {
    if (nPair < 1 || nPair > PAGE_TEXT_PAIR_COUNT)
        return RGB(0, 0, 0);
    return PAGE_TEXT_COLOUR_PAIRS[nPair - 1][bDark ? 1 : 0];
}

COLORREF Get_Page_Text_Colour(int nKind, int bDark) {
    if (Is_Skin_Ice_Or_Fire()) {
        if (bDark)
            return nKind == PAGE_PLAIN_TEXT ? RGB(0, 0, 0) : RGB(52, 52, 52);
        return nKind == PAGE_PLAIN_TEXT ? RGB(255, 255, 255) : RGB(212, 212, 212);
    }
    return Get_Page_Text_Colour_Pair(
        nKind == PAGE_PLAIN_TEXT ? PAGE_PLAIN_TEXT : PAGE_HIGHLIGHT_TEXT, bDark);
}

COLORREF Get_Highlight_Text_Colour(int bHighlight, int bDark) {
    return Get_Page_Text_Colour_Pair(bHighlight ? PAGE_HIGHLIGHT_TEXT : PAGE_PLAIN_TEXT, bDark);
}
