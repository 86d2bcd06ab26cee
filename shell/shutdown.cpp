// Shut-down: everything the shell created at start-up is given back, in order. It also runs when
// start-up fails part way, so each step copes with what was never made.

#include "shell/shell.h"

void Free_Application_Resources(void) {
    Flush_Bitmap_Cache();
    Free_App_Fonts(1);
    Free_Dialog_Fonts();
    Destroy_Back_Buffer();
    Delete_Dialog_Brushes();
}
