// The standings report: each league's division tables and the season's playoff results.
#include "core/core.h"
#include "database/database.h"
#include "reports/reports.h"
#include "reports/season_reports_internal.h"
#include "season/season.h"

#define STANDINGS_FILE_FORMAT "Output\\Stndng%02d.txt"
#define PREF_STANDINGS_REPORT 79
#define DIVISIONS_PER_LEAGUE 4
#define FIRST_CONFERENCE_TITLE_YEAR 1970
#define STANDINGS_ROW_FORMAT " %-20s %3s %3s %3s %5s %5s %5s %5s %5s"

static const int kReportStatColumns[] = {STANDINGS_POINTS_SCORED, STANDINGS_POINTS_ALLOWED,
                                         STANDINGS_YARDS_PER_PLAY, STANDINGS_TURNOVER_MARGIN};

static void Write_Division(const char* szFile, int nDivision) {
    char szName[64];
    Get_Division_Name(nDivision, szName, sizeof szName);
    Upper_Case_First_Letter(szName);
    Append_Format_To_File(szFile, STANDINGS_ROW_FORMAT, szName, "W", "L", "T", "PCT", "PF", "PA",
                          "Yds", "+/-");
    int nTeams = 0;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++)
        nTeams += Get_Team_Stat(nTeam, TEAM_DIVISION) == nDivision;
    for (int nPlace = 0; nPlace < nTeams; nPlace++) {
        char aszCells[9][32];
        for (int nColumn = 0; nColumn < 5; nColumn++)
            Get_Standings_Cell_Text(nDivision, nPlace, nColumn, aszCells[nColumn], 32);
        int nTeam = Get_Division_Standings_Team(nDivision, nPlace);
        for (int n = 0; n < 4; n++)
            Get_Team_Stat_Text(nTeam, kReportStatColumns[n], aszCells[5 + n], 32);
        Append_Format_To_File(szFile, STANDINGS_ROW_FORMAT, aszCells[0], aszCells[1], aszCells[2],
                              aszCells[3], aszCells[4], aszCells[5], aszCells[6], aszCells[7],
                              aszCells[8]);
    }
    Append_Line_To_File(szFile, "");
}

static void Write_League_Standings(const char* szFile, int nLeague) {
    char szLeague[64];
    Get_League_Name(nLeague, szLeague, sizeof szLeague);
    Upper_Case_First_Letter(szLeague);
    Append_Line_To_File(szFile, "");
    Append_Format_To_File(szFile, "%s (%d)", szLeague, Get_Season_Report_Year());
    Append_Line_To_File(szFile, "");
    int nFirst = nLeague * DIVISIONS_PER_LEAGUE;
    for (int nDivision = nFirst; nDivision < nFirst + Count_League_Divisions(nLeague); nDivision++)
        Write_Division(szFile, nDivision);
}

// The heading before the game of a pair of playoff slots, or NULL.
static const char* Get_Playoff_Heading(int nFirstSlot) {
    int nDivisions = Get_Max_League_Division_Count();
    switch (nFirstSlot) {
    case 0: return nDivisions == 3 ? "WILD CARD GAMES" : NULL;
    case 16: return nDivisions == 3 ? "DIVISION PLAYOFFS" : NULL;
    case 24:
        if (nDivisions < 2)
            return NULL;
        return Get_Season_Report_Year() < FIRST_CONFERENCE_TITLE_YEAR ? "LEAGUE CHAMPIONSHIPS"
                                                                      : "CONFERENCE CHAMPIONSHIPS";
    case 28: return Count_Active_Leagues() >= 2 ? "SUPER BOWL" : NULL;
    default: return NULL;
    }
}

static void Write_Playoff_Results(const char* szFile) {
    for (int nSlot = 0; nSlot + 1 < PLAYOFF_SLOT_COUNT; nSlot += 2) {
        const char* szHeading = Get_Playoff_Heading(nSlot);
        if (szHeading) {
            Append_Line_To_File(szFile, "");
            Append_Line_To_File(szFile, szHeading);
        }
        int nScoreA = Get_Playoff_Score(nSlot), nScoreB = Get_Playoff_Score(nSlot + 1);
        if (nScoreA == nScoreB)
            continue;
        int nWinner = nScoreA > nScoreB ? nSlot : nSlot + 1;
        int nLoser = nWinner == nSlot ? nSlot + 1 : nSlot;
        char szWinner[64], szLoser[64];
        Get_Team_Short_Name(Get_Playoff_Team(nWinner), szWinner, sizeof szWinner);
        Get_Team_Short_Name(Get_Playoff_Team(nLoser), szLoser, sizeof szLoser);
        Append_Format_To_File(szFile, " %s defeat %s, %d-%d", szWinner, szLoser,
                              Get_Playoff_Score(nWinner), Get_Playoff_Score(nLoser));
    }
    Append_Line_To_File(szFile, "");
}

void Write_Standings_Report(void) {
    if (!Get_User_Preference(PREF_STANDINGS_REPORT))
        return;
    char szFile[64];
    if (!Start_Season_Report(STANDINGS_FILE_FORMAT, szFile, sizeof szFile))
        return;
    for (int nLeague = 0; nLeague < Count_Active_Leagues(); nLeague++)
        Write_League_Standings(szFile, nLeague);
    Write_Playoff_Results(szFile);
}
