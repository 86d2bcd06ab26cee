// The marker byte of a career season line: the first byte after the team, which generated
// history seasons carry as 128.
#include "database/database.h"

static int Is_Marker_Line(int nLine) {
    return nLine >= 0 && nLine < SEASON_LINE_COUNT;
}

void Set_Season_Line_Marker(int nLine, int nValue) {
    if (Is_Marker_Line(nLine))
        gSeasonLines[nLine].abUnused[0] = (uint8_t)nValue;
}

int Get_Season_Line_Marker(int nLine) {
    return Is_Marker_Line(nLine) ? gSeasonLines[nLine].abUnused[0] : 0;
}
