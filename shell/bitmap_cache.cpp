// The three pools of cached images: 40 general slots replaced least recently used, two page
// backgrounds and one window background, with their lookups.
#include "shell/shell.h"

#include <stdlib.h>
#include <string.h>
#include <strings.h>

BITMAP_SLOT gBitmapSlots[BITMAP_SLOT_COUNT];
BITMAP_SLOT gBackgroundSlots[BACKGROUND_SLOT_COUNT];
BITMAP_SLOT gWindowBackgroundSlot;
int gBitmapCacheReady = 0;
int gBitmapUseCounter = 1;  // above the 0 of an unused slot

void Init_Bitmap_Cache(void) {
    memset(gBitmapSlots, 0, sizeof gBitmapSlots);
    memset(gBackgroundSlots, 0, sizeof gBackgroundSlots);
    memset(&gWindowBackgroundSlot, 0, sizeof gWindowBackgroundSlot);
    gBitmapCacheReady = 1;
    Flush_Bitmap_Cache();
}

void Flush_Bitmap_Cache(void) {
    for (int i = 0; i < BITMAP_SLOT_COUNT; i++) {
        Empty_Bitmap_Slot(&gBitmapSlots[i]);
        gBitmapSlots[i].nId = FIRST_BITMAP_SLOT_ID + i;
    }
    for (int i = 0; i < BACKGROUND_SLOT_COUNT; i++) {
        Empty_Bitmap_Slot(&gBackgroundSlots[i]);
        gBackgroundSlots[i].nId = FIRST_BACKGROUND_SLOT_ID + i;
    }
    Empty_Window_Background_Slot();
    gWindowBackgroundSlot.nId = WINDOW_BACKGROUND_SLOT_ID;
}

// Whether the kept rows are the memory of the slot's DIB section (option D on a PNG).
static int Bitmap_Cache_Bits_In_Section(const BITMAP_SLOT* pSlot) {
    BITMAP bm;
    return pSlot->hBitmap != NULL && GetObject(pSlot->hBitmap, sizeof bm, &bm) != 0 &&
           bm.bmBits == pSlot->pBits;
}

// Deletes the slot's bitmap and frees its kept rows (a DIB section's rows go with its bitmap),
// then clears every field but the id.
void Empty_Bitmap_Slot(BITMAP_SLOT* pSlot) {
    if (pSlot == NULL)
        return;
    if (gBitmapCacheReady) {
        if (pSlot->pBits != NULL && !Bitmap_Cache_Bits_In_Section(pSlot))
            free(pSlot->pBits);
        if (pSlot->hBitmap != NULL)
            DeleteObject(pSlot->hBitmap);
    }
    int nId = pSlot->nId;
    memset(pSlot, 0, sizeof *pSlot);
    pSlot->nId = nId;
}

void Empty_Window_Background_Slot(void) {
    Empty_Bitmap_Slot(&gWindowBackgroundSlot);
}

BITMAP_SLOT* Find_Bitmap_Slot(BITMAP_SLOT* pPool, int nCount, const char* szName) {
    if (pPool == NULL)
        return NULL;
    if (nCount <= 0) {
        Empty_Bitmap_Slot(&pPool[0]);
        return &pPool[0];
    }
    BITMAP_SLOT* pOldest = &pPool[0];
    BITMAP_SLOT* pSpare = NULL;
    for (int i = 0; i < nCount; i++) {
        BITMAP_SLOT* pSlot = &pPool[i];
        if (szName != NULL && strcasecmp(pSlot->szName, szName) == 0)
            return pSlot;
        if (pSlot->nLastUse < pOldest->nLastUse)
            pOldest = pSlot;
        if (pSlot->szName[0] == '!')
            pSpare = pSlot;
    }
    if (pSpare != NULL)
        return pSpare;
    Empty_Bitmap_Slot(pOldest);
    return pOldest;
}

static BITMAP_SLOT* Bitmap_Cache_Match(BITMAP_SLOT* pPool, int nCount, const char* szName) {
    for (int i = 0; i < nCount; i++)
        if (strcasecmp(pPool[i].szName, szName) == 0)
            return &pPool[i];
    return NULL;
}

BITMAP_SLOT* Find_Cached_Image(const char* szName) {
    if (szName == NULL || szName[0] == 0)
        return NULL;
    BITMAP_SLOT* pSlot = Bitmap_Cache_Match(&gWindowBackgroundSlot, 1, szName);
    if (pSlot == NULL)
        pSlot = Bitmap_Cache_Match(gBackgroundSlots, BACKGROUND_SLOT_COUNT, szName);
    if (pSlot == NULL)
        pSlot = Bitmap_Cache_Match(gBitmapSlots, BITMAP_SLOT_COUNT, szName);
    return pSlot;
}

int Slot_Has_Kept_Bits(const BITMAP_SLOT* pSlot) {
    return pSlot != NULL && pSlot->szName[0] != '0' && pSlot->pBits != NULL;
}

int Is_Bitmap_Slot_Empty(const BITMAP_SLOT* pSlot) {
    return pSlot == NULL || pSlot->szName[0] == '0' ||
           (pSlot->hBitmap == NULL && pSlot->pBits == NULL);
}

int Has_Image_Option(const BITMAP_SLOT* pSlot, char chOption) {
    return pSlot != NULL && strchr(pSlot->szOptions, chOption) != NULL;
}

void Get_Page_Background_Size(int* pnWidth, int* pnHeight) {
    const BITMAP_SLOT* pLatest = &gBackgroundSlots[0];
    for (int i = 1; i < BACKGROUND_SLOT_COUNT; i++)
        if (gBackgroundSlots[i].nLastUse > pLatest->nLastUse)
            pLatest = &gBackgroundSlots[i];
    *pnWidth = pLatest->nWidth;
    *pnHeight = pLatest->nHeight;
}

int Get_Cached_Image_Size(const char* szName, int* pnWidth, int* pnHeight) {
    const BITMAP_SLOT* pSlot = Find_Cached_Image(szName);
    *pnWidth = pSlot != NULL ? pSlot->nWidth : 0;
    *pnHeight = pSlot != NULL ? pSlot->nHeight : 0;
    return pSlot != NULL;
}

int Has_File_Extension(const char* szName, const char* szExtension) {
    if (szName == NULL || szExtension == NULL)
        return 0;
    size_t nName = strlen(szName);
    size_t nExtension = strlen(szExtension);
    if (nName < nExtension + 1)
        return 0;
    const char* szTail = szName + nName - nExtension;
    return szTail[-1] == '.' && strcasecmp(szTail, szExtension) == 0;
}
