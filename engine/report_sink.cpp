// What the engine and the season hand to the reports: the box score's body while a game is played
// and the season's text reports when a season closes. The reports install their writers; with none
// installed nothing is written.
#include "engine/engine.h"

static REPORT_SINK s_sink;

void Install_Report_Sink(const REPORT_SINK* pSink) {
    s_sink = pSink != NULL ? *pSink : REPORT_SINK{};
}

void Publish_Game_Started(GAME* pGame) {
    if (s_sink.pfnGameStarted != NULL)
        s_sink.pfnGameStarted(pGame);
}

void Publish_Play_Resolved(GAME* pGame) {
    if (s_sink.pfnPlayResolved != NULL)
        s_sink.pfnPlayResolved(pGame);
}

void Publish_Game_Over(GAME* pGame) {
    if (s_sink.pfnGameOver != NULL)
        s_sink.pfnGameOver(pGame);
}

void Publish_Game_Closed(void) {
    if (s_sink.pfnGameClosed != NULL)
        s_sink.pfnGameClosed();
}

void Publish_Box_Score_Cleared(void) {
    if (s_sink.pfnBoxScoreCleared != NULL)
        s_sink.pfnBoxScoreCleared();
}

void Publish_Season_Closed(void) {
    if (s_sink.pfnSeasonClosed != NULL)
        s_sink.pfnSeasonClosed();
}
