// State the pages keep between paints: the page last painted and the game-day screen's
// side-panel rows of shown players.

#include "pages/pages.h"

#include <string.h>

int gLastPaintedPage = -1;
int gFieldPlayerIds[FIELD_PLAYER_ROWS];
int gFieldPlayerRatings[FIELD_PLAYER_ROWS];

void Clear_Field_Player_Tables(void) {
    memset(gFieldPlayerIds, 0, sizeof gFieldPlayerIds);
    memset(gFieldPlayerRatings, 0, sizeof gFieldPlayerRatings);
}
