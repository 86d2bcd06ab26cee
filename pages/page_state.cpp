// State the pages keep between paints: the page last painted and the game-day screen's
// side-panel rows of shown players.

#include "database/database.h"
#include "pages/pages.h"

#include <string.h>

int gLastPaintedPage = -1;
int gFieldPlayerIds[FIELD_PLAYER_ROWS];
int gFieldPlayerRatings[FIELD_PLAYER_ROWS];

void Clear_Field_Player_Tables(void) {
    memset(gFieldPlayerIds, 0, sizeof gFieldPlayerIds);
    memset(gFieldPlayerRatings, 0, sizeof gFieldPlayerRatings);
}

// STAND-IN(pages): whether gCurrentPage is one of the news pages, whose area ends above the bars.
int Is_News_Page_Shown(void) {
    switch (gCurrentPage) {
    case 40030:
    case 40032:
    case 40034:
    case 40036:
    case 40037:
    case 40069:
    case 40070:
    case 40074:
    case 40086: return 1;
    default: return 0;
    }
}
