// The dialog base units: the average character width and the height of the dialog font, which
// turn dialog units into pixels (x * width / 4, y * height / 8).
#include "../platform_internal.h"

LONG GetDialogBaseUnits(void) { return MAKELONG(6, 13); }
