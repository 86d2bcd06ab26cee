// The finance report: every team's cash, payroll, ticket price, revenue and attendance.
#include <ctype.h>

#include "core/core.h"
#include "database/database.h"
#include "reports/reports.h"
#include "reports/season_reports_internal.h"

#define MONEY_FILE_FORMAT "Output\\Money-%02d.txt"
#define PREF_MONEY_REPORT 81

void Write_Money_Report(void) {
    if (!Get_User_Preference(PREF_MONEY_REPORT))
        return;
    char szFile[64];
    if (!Start_Season_Report(MONEY_FILE_FORMAT, szFile, sizeof szFile))
        return;
    Append_Line_To_File(szFile, "");
    Append_Format_To_File(szFile, "%45sTICKETS        ATTENDANCE", "");
    Append_Format_To_File(szFile, "End Of %-18d  Cash  Payroll  Price  Revenue   Home    Road",
                          Get_Season_Report_Year());
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        char szLabel[64], szHome[16], szRoad[16], szPrice[16];
        Get_Team_Label(nTeam, szLabel, sizeof szLabel);
        if (Is_Human_Team(nTeam))
            Upper_Case_First_Letter(szLabel);
        int nCash = Max_Int(0, Get_Team_Financial_Stat(nTeam, FIN_CASH));
        int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
        int nRevenue = Get_Team_Financial_Stat(nTeam, FIN_GATE_REVENUE);
        // whole dollars, right-aligned so that a three-digit price keeps the columns after it
        Format_String(szPrice, sizeof szPrice, "$%d",
                      Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE) / 100);
        Format_With_Commas(Get_Team_Financial_Stat(nTeam, FIN_AVERAGE_HOME_ATTENDANCE), szHome,
                           sizeof szHome);
        Format_With_Commas(Get_Team_Financial_Stat(nTeam, FIN_AVERAGE_ROAD_ATTENDANCE), szRoad,
                           sizeof szRoad);
        Append_Format_To_File(szFile, "%-25s %3d.%01dM %3d.%01dM%7s   %3d.%01dM   %6s  %6s",
                              szLabel, nCash / 1000000, nCash % 1000000 / 100000, nPayroll / 1000,
                              nPayroll % 1000 / 100, szPrice, nRevenue / 1000000,
                              nRevenue % 1000000 / 100000, szHome, szRoad);
    }
}
