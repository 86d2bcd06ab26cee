// The developer's red-zone report, "RedZone.csv".
#include "core/core.h"
#include "reports/reports.h"

#define RED_ZONE_FILE "RedZone.csv"
#define RED_ZONE_LINES 20

// STAND-IN(reports): writes every yard line's counters as 0; the real report reads the
// possessions, field goals and touchdowns the play loop counts by yard line.
void Write_Red_Zone_Report(void) {
    Append_Line_To_File(RED_ZONE_FILE, "Yardline,Possessions,Field Goals,Touchdowns");
    for (int nYardLine = 1; nYardLine <= RED_ZONE_LINES; nYardLine++)
        Append_Format_Line(RED_ZONE_FILE, "%d,%d,%d,%d", nYardLine, 0, 0, 0);
    Report_Error("Red Zone results written to RedZone.csv");
}
