// The predicted numbers of an offensive lineman that follow from his blocking figures.
#include "personnel/personnel.h"

#define STAT_LINE_PENALTIES 4
#define STAT_LINE_RUN_BLOCKING 5
#define STAT_LINE_PASS_BLOCKING 6
#define STAT_LINE_SNAP_BASE 7
#define STAT_LINE_PANCAKES 8
#define LINE_SNAP_BASE 225

void Derive_Lineman_Stats(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION);
    int nPass = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_LINE_PASS_BLOCKING);
    int nRun = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_LINE_RUN_BLOCKING);
    int nPenaltyFactor = nPosition == POS_T ? 14 : nPosition == POS_G ? 18 : 22;
    int nRunFloor = nPosition == POS_T ? 19 : nPosition == POS_G ? 22 : 25;
    Set_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_LINE_PENALTIES,
                    (100 - nPass) * nPenaltyFactor / 30);
    Set_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_LINE_SNAP_BASE, LINE_SNAP_BASE);
    Set_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_LINE_PANCAKES, (nRun - nRunFloor) * 15);
}

void Derive_All_Lineman_Stats(void) {
    For_Each_League_Player([](int nTeam, int nSlot) {
        int nPosition =
            Translate_Expanded_Position(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION));
        if (nPosition == POS_T || nPosition == POS_G || nPosition == POS_C)
            Derive_Lineman_Stats(nTeam, nSlot);
    });
}
