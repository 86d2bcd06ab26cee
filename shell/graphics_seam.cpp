// Least versions of the drawing layer's entry points, so that the start-up, the main window and
// the bars build before the drawing layer itself. Each group goes when its module lands.

#include "pages/pages.h"
#include "shell/shell.h"

#include <string.h>

// ---- needed by bitmap cache ---------------------------------------------------------------------
// STAND-IN(shell): draws the user's team logo above the button bar and remembers its rectangle.
void Draw_Team_Logo_Above_Bar(HDC) {}
