// Which news page the main window shows.
#include "shell/shell.h"

// Stand-in until the news pages are built: there is no page to show.
void Show_News_Page(int nPage) {
    (void)nPage;
}
