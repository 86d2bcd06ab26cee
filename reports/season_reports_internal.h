// What the three season text reports share: their year, their files and the player's label.
#pragma once

#define SEASON_REPORT_LINE_SIZE 256

// The first season year plus the season number: the season the reports look back on.
int Get_Season_Report_Year(void);
// The report's file name from a format taking the year's last two digits; the Output folder is
// made and the old file removed. 0 when the folder cannot be made.
int Start_Season_Report(const char* szFormat, char* szFile, int nSize);
void Upper_Case_First_Letter(char* st);
// "%s (%s)": the player's full name and his team's abbreviation.
void Format_Player_With_Team(int nTeam, int nSlot, char* szOut, int nSize);
