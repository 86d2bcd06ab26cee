// The play-by-play text, the box-score rows and the score box of a game.
#include "engine/engine.h"

// STAND-IN(engine): writes the HTML head of the box score and the recap (teams, records, round).
void Write_Game_Html_Head(GAME* pGame) {
    (void)pGame;
}

// STAND-IN(engine): writes the period line of the play-by-play; at the end completes the box score.
void Write_Period_Header(GAME* pGame) {
    (void)pGame;
}

// STAND-IN(engine): formats the situation columns of the coming play (clock, down, distance).
void Format_Play_Line(char* st, GAME* pGame, int bHtml) {
    (void)pGame;
    (void)bHtml;
    st[0] = '\0';
}

// STAND-IN(engine): writes the result sentence and the score line of the play just run.
void Append_Play_Result(GAME* pGame) {
    (void)pGame;
}

// STAND-IN(engine): queues the narration of the end of a period.
void Queue_Period_End_Event(GAME* pGame) {
    (void)pGame;
}

// STAND-IN(engine): paints both teams' names and scores on the game-day screen.
void Draw_Live_Score_Box(GAME* pGame) {
    (void)pGame;
}
