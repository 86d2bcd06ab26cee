// The box score's tables of a game.
#include "database/database.h"
#include "reports/reports.h"

// STAND-IN(reports): appends the head of the Scoring Plays table (both team names) to the box score.
void Write_Scoring_Plays_Header(GAME* pGame) {
    (void)pGame;
}

// STAND-IN(reports): appends the closing mark-up of the box-score body at the end of a game.
void Close_Box_Score_Html(void) {
}
