// Kick or go for two after a touchdown.
#include "engine/engine.h"

#define LEAD_FLOOR (-17)
#define LEAD_CEILING 6

// Go for two when down by 2 after the touchdown, or up by 1 from the fourth quarter on.
int Decide_Two_Point_Try(GAME* pGame) {
    if (pGame == NULL || !gTwoPointConversions)
        return 0;
    int nSide = Get_Offensive_Side(pGame);
    int nLead = pGame->anScores[nSide] - pGame->anScores[1 - nSide];
    nLead = Clamp(nLead, LEAD_FLOOR, LEAD_CEILING);
    return nLead == -2 || (nLead == 1 && Get_Game_Quarter(pGame) >= 4);
}

// A human coach of a watched game who calls his own plays is asked; everyone else decides.
int Ask_Two_Point_Try(GAME* pGame) {
    if (pGame == NULL)
        return 0;
    int nTeam = Get_Offensive_Team(pGame);
    if (gTwoPointConversions && Is_Game_Watched(pGame) && nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT &&
        Is_Human_Team(nTeam) && gAutomaticOffensivePlays != 1) {
        Redraw_Main_Window();
        return Do_Message_Box("Go For Two?", "Point After Touchdown",
                              MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES;
    }
    return Decide_Two_Point_Try(pGame);
}
