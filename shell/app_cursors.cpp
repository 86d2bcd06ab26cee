// The five application cursors: the arrow, the wait cursor and three hover cursors of the pages,
// kept for the whole run.
#include "resources/resource.h"
#include "shell/shell.h"

#define APP_CURSOR_ARROW 0
#define APP_CURSOR_HOVER_A 1  // cursor resource 130
#define APP_CURSOR_WAIT 2
#define APP_CURSOR_HOVER_C 3  // cursor resource 132
#define APP_CURSOR_HOVER_B 4  // cursor resource 131
#define APP_CURSOR_COUNT 5

static HCURSOR gAppCursors[APP_CURSOR_COUNT];

// A cursor resource of the program; where the program has none, the hand every hover cursor
// stands for.
static HCURSOR Load_Hover_Cursor(HINSTANCE hInstance, int nResource) {
    HCURSOR hCursor = LoadCursorA(hInstance, MAKEINTRESOURCEA(nResource));
    return hCursor ? hCursor : LoadCursorA(NULL, IDC_HAND);
}

int Load_App_Cursors(HINSTANCE hInstance) {
    gAppCursors[APP_CURSOR_ARROW] = LoadCursorA(NULL, IDC_ARROW);
    gAppCursors[APP_CURSOR_WAIT] = LoadCursorA(NULL, IDC_WAIT);
    gAppCursors[APP_CURSOR_HOVER_A] = Load_Hover_Cursor(hInstance, IDR_CURSOR_HOVER_A);
    gAppCursors[APP_CURSOR_HOVER_B] = Load_Hover_Cursor(hInstance, IDR_CURSOR_HOVER_B);
    gAppCursors[APP_CURSOR_HOVER_C] = Load_Hover_Cursor(hInstance, IDR_CURSOR_HOVER_C);
    return gAppCursors[APP_CURSOR_HOVER_A] && gAppCursors[APP_CURSOR_HOVER_B] &&
           gAppCursors[APP_CURSOR_HOVER_C];
}

// Kinds 1..4 are the hover codes of the pages; anything else is the arrow.
HCURSOR Get_App_Cursor(int nKind) {
    static const int kSlotOfKind[] = {APP_CURSOR_ARROW, APP_CURSOR_HOVER_A, APP_CURSOR_HOVER_B,
                                      APP_CURSOR_HOVER_C, APP_CURSOR_WAIT};
    int nSlot = nKind >= 1 && nKind <= 4 ? kSlotOfKind[nKind] : APP_CURSOR_ARROW;
    return gAppCursors[nSlot];
}

void Set_App_Cursor(int nKind) {
    HCURSOR hCursor = Get_App_Cursor(nKind);
    if (hCursor)
        SetCursor(hCursor);
}
