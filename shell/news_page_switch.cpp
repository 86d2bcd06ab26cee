// Which news page the main window shows.
#include "shell/shell.h"

// There is no page to show.
// STAND-IN(shell): makes a page current in the main window.
void Show_News_Page(int nPage) {
    (void)nPage;
}
