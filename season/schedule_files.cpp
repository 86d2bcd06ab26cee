// Schedules of past seasons from CSV files, one file a year and league, and the developer's
// converter that makes those files from text files of game results.
#include <stdlib.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "season/season.h"

#define SCHEDULE_LINE_SIZE 2048
#define SCHEDULE_FIELD_SIZE 256
#define SOURCE_FIELDS 30
#define SCHEDULE_PATH_SIZE 260
#define FIRST_SCHEDULE_YEAR 1950
#define LAST_SCHEDULE_YEAR 2019
#define FIRST_SECOND_LEAGUE_YEAR 1960
#define LAST_SECOND_LEAGUE_YEAR 1969
#define LAST_CSV_WEEK 18
#define MATCHUP_SLOT_MODULUS 37
#define SCHEDULE_CSV_HEADER "Week,Away_Team,Home_Team,Day,Date"

// A team a schedule file may name: a league team in use or one of the pseudo-teams 36..40.
static int Is_Schedule_File_Team(int nTeam) {
    return Is_Team_Active(nTeam) || (nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM);
}

void Read_Schedule_CSV(const char* szPath) {
    FILE* pFile = Platform_Open_File(szPath, "rt");
    if (!pFile)
        return;
    char szLine[SCHEDULE_LINE_SIZE];
    int bAtEnd = Skip_Line(pFile);
    while (!bAtEnd) {
        bAtEnd = Read_Line_Limit(szPath, szLine, pFile, SCHEDULE_LINE_SIZE);
        if (!szLine[0])
            continue;
        char szWeek[SCHEDULE_FIELD_SIZE], szAway[SCHEDULE_FIELD_SIZE], szHome[SCHEDULE_FIELD_SIZE];
        Pop_Field(szWeek, sizeof szWeek, szLine, ',');
        Pop_Field(szAway, sizeof szAway, szLine, ',');
        Pop_Field(szHome, sizeof szHome, szLine, ',');
        int nWeek = atoi(szWeek);
        if (nWeek < 1 || nWeek > LAST_CSV_WEEK)
            continue;
        int nVisitor = Get_Team_From_Name(szAway);
        int nHome = Get_Team_From_Name(szHome);
        if (!Is_Schedule_File_Team(nVisitor) || !Is_Schedule_File_Team(nHome))
            continue;
        int nSlot = ((nHome * nVisitor) % MATCHUP_SLOT_MODULUS) % TEMPLATE_POSITIONS;
        Schedule_Game(nHome, nVisitor, nWeek - 1, nSlot);
    }
    fclose(pFile);
}

// Every active team has a game, and within each league every team has as many as the others.
int Is_Schedule_Balanced(void) {
    int anLeagueGames[2] = {-1, -1};
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        int nGames = Count_Team_Home_Games(nTeam) + Count_Team_Away_Games(nTeam);
        int nLeague = Get_Team_Division(nTeam) / 4 == 0 ? 0 : 1;
        if (nGames == 0)
            return 0;
        if (anLeagueGames[nLeague] < 0)
            anLeagueGames[nLeague] = nGames;
        else if (anLeagueGames[nLeague] != nGames)
            return 0;
    }
    return 1;
}

static int Has_Any_Scheduled_Game(void) {
    return Find_First_Postseason_Week() > 0;
}

int Read_Schedule_Files(void) {
    for (int nYear = Get_Season_Year();; nYear--) {
        char szPath[SCHEDULE_PATH_SIZE];
        Format_String(szPath, sizeof szPath, "Input/Schedules/%d-NFL.csv", nYear);
        Read_Schedule_CSV(szPath);
        Format_String(szPath, sizeof szPath, "Input/Schedules/%d-AFL.csv", nYear);
        Read_Schedule_CSV(szPath);
        if (Has_Any_Scheduled_Game() && Is_Schedule_Balanced())
            return 1;
        Clear_All_Schedules();
        if (nYear <= FIRST_SCHEDULE_YEAR)
            return 0;
    }
}

int Write_Schedule_CSV(const char* szName) {
    char szSource[SCHEDULE_PATH_SIZE], szTarget[SCHEDULE_PATH_SIZE];
    Format_String(szSource, sizeof szSource, "Input/Schedules/%s.txt", szName);
    Format_String(szTarget, sizeof szTarget, "Input/Schedules/%s.csv", szName);
    FILE* pFile = Platform_Open_File(szSource, "rt");
    if (!pFile)
        return 0;
    Platform_Remove_File(szTarget);
    Append_Line_To_File(szTarget, SCHEDULE_CSV_HEADER);
    char szLine[SCHEDULE_LINE_SIZE];
    int bAtEnd = Skip_Line(pFile);
    while (!bAtEnd) {
        bAtEnd = Read_Line(szLine, sizeof szLine, pFile);
        if (!szLine[0])
            continue;
        char aszFields[SOURCE_FIELDS][SCHEDULE_FIELD_SIZE] = {};
        for (int n = 0; n < SOURCE_FIELDS && szLine[0]; n++)
            Pop_Field(aszFields[n], SCHEDULE_FIELD_SIZE, szLine, ',');
        int nAway = 4, nHome = 6;  // field 5 "@": the team of field 4 played away
        if (aszFields[5][0] != '@') {
            nAway = 6;
            nHome = 4;
        }
        if (atoi(aszFields[0]) > 0)
            Append_Format_Line(szTarget, "%s,%s,%s,%s,%s", aszFields[0], aszFields[nAway],
                               aszFields[nHome], aszFields[1], aszFields[2]);
    }
    fclose(pFile);
    return 1;
}

void Write_All_Schedule_CSVs(void) {
    char szName[SCHEDULE_FIELD_SIZE];
    for (int nYear = FIRST_SCHEDULE_YEAR; nYear <= LAST_SCHEDULE_YEAR; nYear++) {
        Format_String(szName, sizeof szName, "%d-NFL", nYear);
        Write_Schedule_CSV(szName);
    }
    for (int nYear = FIRST_SECOND_LEAGUE_YEAR; nYear <= LAST_SECOND_LEAGUE_YEAR; nYear++) {
        Format_String(szName, sizeof szName, "%d-AFL", nYear);
        Write_Schedule_CSV(szName);
    }
}
