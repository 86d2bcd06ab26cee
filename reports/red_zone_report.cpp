// The developer's red-zone report, "RedZone.csv": the red-zone drives of the games played, by the
// yard line of the first down that began them.
#include "core/core.h"
#include "engine/engine.h"
#include "reports/reports.h"

#define RED_ZONE_FILE "RedZone.csv"

void Write_Red_Zone_Report(void) {
    Append_Line_To_File(RED_ZONE_FILE, "Yardline,Possessions,Field Goals,Touchdowns");
    for (int nYardLine = 1; nYardLine <= RED_ZONE_LINE; nYardLine++)
        Append_Format_Line(RED_ZONE_FILE, "%d,%d,%d,%d", nYardLine,
                           Get_Red_Zone_Count(RED_ZONE_POSSESSIONS, nYardLine),
                           Get_Red_Zone_Count(RED_ZONE_FIELD_GOALS, nYardLine),
                           Get_Red_Zone_Count(RED_ZONE_TOUCHDOWNS, nYardLine));
    Report_Error("Red Zone results written to RedZone.csv");
}
