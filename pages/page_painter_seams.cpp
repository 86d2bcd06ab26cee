// Least painters, hover tests and clicks of the news pages that are not built yet: each painter
// draws its page's background picture, the hover tests find no hot spot and clicks do nothing.
#include "pages/pages.h"

// STAND-IN(pages): paints the users' Hall of Fame table chosen by its tab.
void Paint_Hall_Of_Fame_Page(HDC hdc) {
    Draw_Named_Page_Background(hdc, "News\\Vnthof.jpg");
}
