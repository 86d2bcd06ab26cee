// The reports' writers of what the engine and the season publish, installed at start-up.
#include "engine/engine.h"
#include "reports/reports.h"

static void Write_Scoring_Play(GAME* pGame) {
    if (Is_Scoring_Play(Get_Play_Result(&pGame->currentPlay)))
        Append_Scoring_Play_Row(pGame);
}

// The scoring plays' table is closed, then the game's three tables follow.
static void Write_Final_Tables(GAME* pGame) {
    Append_Box_Score_Html("</TBODY></TABLE><BR>\n");
    Write_Box_Score_Team_Stats(pGame);
    Write_Box_Score_Offense_Table(pGame);
    Write_Box_Score_Defense_Table(pGame);
}

static void Write_Season_Reports(void) {
    Write_Awards_Report();
    Write_Money_Report();
    Write_Standings_Report();
}

void Install_Report_Writers(void) {
    static const REPORT_SINK kWriters = {Write_Scoring_Plays_Header, Write_Scoring_Play,
                                         Write_Final_Tables,         Close_Box_Score_Html,
                                         Reset_Box_Score_Html,       Write_Season_Reports};
    Install_Report_Sink(&kWriters);
}
