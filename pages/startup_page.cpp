// The start-up picture: shown while no league is loaded or the page id is not a news page, in a
// widescreen version for wide windows when the skin has one.
#include "pages/pages.h"
#include "shell/shell.h"

int Is_Widescreen_Size(int nWidth, int nHeight) {
    if (nHeight <= 0)
        return 0;
    return (float)nWidth / (float)nHeight > WIDESCREEN_RATIO;
}

int Is_Widescreen_Window(void) {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(gMainWindow, &rc);
    return Is_Widescreen_Size(rc.right, rc.bottom);
}

void Paint_Startup_Picture(HDC hdc) {
    if (Is_Widescreen_Window()) {
        Copy_Skin_File_Name(gPageBackgroundName, sizeof gPageBackgroundName,
                            "News\\Startup_Widescreen.jpg");
        if (File_Exists(gPageBackgroundName)) {
            Draw_Page_Background(hdc);
            return;
        }
    }
    Draw_Named_Page_Background(hdc, "News\\Startup.jpg");
}
