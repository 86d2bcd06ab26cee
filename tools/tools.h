// Data import, database builder and tools. What other subsystems may call.
#pragma once

#include <stdio.h>

#include "core/core.h"
#include "database/database.h"

// ---- the import files (import_files.cpp) --------------------------------------------------------
// One spelling of each path, for the writers and the readers alike.
#define PLAYERS_FILE_PATH "Input/Stats/Players.csv"
#define SEASONS_FILE_PATH "Input/Stats/Seasons.csv"
#define ROSTERS_FILE_FORMAT "Input/Stats/%d_rosters.csv"
#define SALARIES_FILE_FORMAT "Input/Stats/%d_salaries.csv"
#define SALARIES_MISSING_PATH "Input/Stats/Salaries-Missing.csv"
#define CAP_ROOM_FILE_FORMAT "Input/Stats/%d_caproom.csv"
#define TEAM_RECORDS_FILE_PATH "Input/Stats/team_records.csv"
#define PERSONNEL_FILE_PATH "Input/Stats/Personnel.csv"
#define COMBINE_FILE_PATH "Input/Stats/Combine_Results.csv"
#define ROSTER_DOUBLES_PATH "output/roster-doubles.txt"
#define ROSTER_UNKNOWNS_PATH "output/roster-unknowns.txt"
#define IMPORT_LINE_LIMIT 2048
#define IMPORT_FIELD_SIZE 256
#define IMPORT_PATH_SIZE 260

// Called with each line (its number from 0, the header included) and the reader's context.
typedef void (*IMPORT_LINE_READER)(char* szLine, int nLine, void* pContext);
int For_Each_Import_Line(const char* szPath, FILE* pFile, IMPORT_LINE_READER pfnRead,
                         void* pContext);  // the lines read
// Reads every line of the file; a missing file shows szMissingText (with %s for the path) in a
// "Read Error" box and gives 0.
int Read_Import_File(const char* szPath, const char* szMissingText, IMPORT_LINE_READER pfnRead,
                     void* pContext);
#define REQUIRED_FILE_MISSING_TEXT                                                             \
    "Unable to open %s. Please read the Help Files for a complete list of required files for " \
    "the 'Import Stats' feature."
#define FILE_MISSING_TEXT "Unable to open %s."
// A reader's share of the progress window: one step every nLinesPerStep lines, at most nSteps,
// and the rest when it ends.
typedef struct IMPORT_PROGRESS {
    int nLinesPerStep;
    int nSteps;
    int nDone;
    int (*pfnImportLine)(char* szLine);  // for Read_Stepped_Data_Line
} IMPORT_PROGRESS;
void Step_Import_Progress(IMPORT_PROGRESS* pProgress, int nLine);
// A line reader for a file with a header: each data line to the context's pfnImportLine, then
// the progress stepped.
void Read_Stepped_Data_Line(char* szLine, int nLine, void* pContext);
void Finish_Import_Progress(IMPORT_PROGRESS* pProgress);
int Read_Import_Int(const char* szField);  // the leading whole number, 0 for none
double Read_Import_Decimal(const char* szField);
int Read_Money_Field(const char* szField);  // "$1,250,000" reads 1250000
// The next nCount fields of szLine; missing ones are empty. Returns how many the line had.
int Split_Import_Fields(char* szLine, char (*aszFields)[IMPORT_FIELD_SIZE], int nCount);
void Remove_Characters(char* szText, const char* szRemoved);
inline int Is_Season_Line_Index(int nLine) {
    return nLine >= 0 && nLine < SEASON_LINE_COUNT;
}
void Keep_Safe_File_Characters(char* szText);
// Every player of the league teams in use and of teams 36..40, team by team, slot by slot.
void For_Each_Build_Player(
    void (*pfnVisit)(int nTeam, int nSlot));  // letters, digits, "_" and "-"; the rest "_"

// ---- position texts (position_texts.cpp) --------------------------------------------------------
int Find_Position_Abbreviation(const char* szText);  // detailed code 0..42, -1 unknown
int Is_Preferred_Position_Abbreviation(const char* szText);
int Get_Known_Player_Position(const char* szFullName);
int Parse_Position_Abbreviation(const char* szText);  // also reads "LB/DE", "KR/PR", "NB-S"

// ---- the roster table of a build (roster_import.cpp) --------------------------------------------
#define ROSTER_TABLE_SIZE 10000
#define ROSTER_FIELD_COUNT 15
typedef struct ROSTER_ENTRY {
    char szOstrelId[PLAYER_OUTSIDE_ID_SIZE];
    int nPlayerId;  // 0 = none
    int8_t nTeam;   // NO_TEAM once a player was made from it
    char szFullName[32];
    int nPosition;          // 0..14, -1 none
    int nDetailedPosition;  // 0..42, -1 none
    int8_t nDepth;
    int nWeeksOut;
    int nInjury;
} ROSTER_ENTRY;
typedef struct ROSTER_TABLE {
    ROSTER_ENTRY aEntries[ROSTER_TABLE_SIZE];
    int nCount;
    int nSkipped;  // lines past a full table
} ROSTER_TABLE;
extern ROSTER_TABLE gRosterTable;
void Clear_Roster_Table(void);
void Load_Rosters_File(int nYear);
int Find_Roster_Entry_By_Ostrel_ID(const char* szId);  // index or -1
int Find_Roster_Entry_By_ID(int nId);
int Find_Roster_Entry(int nId, const char* szId);  // the id first when above 0

// ---- the players of a build (player_import.cpp, imported_names.cpp) -----------------------------
void Import_Players_File(void);
int Import_Player_Line(char* szLine);  // 1 when a player was made
void Set_Imported_Position(int nTeam, int nSlot, const char* szText);
void Remove_Unfit_Imported_Players(void);
void Fix_Imported_Names(void);

// ---- payroll scaling (payroll_scaling.cpp) ------------------------------------------------------
int Fit_Team_Payroll(int nTeam, int nTarget);  // target in dollars; the first ratio per mille
int Scale_All_Team_Payrolls(int nTarget);      // the average first ratio per mille

// ---- the league frame of a build (league_import.cpp) --------------------------------------------
void Import_League_File(void);
void Import_Teams_File(void);
int Import_Team_Line(const char* szPath,
                     FILE* pFile);  // 1 to stop: the end of the file or 32 teams

// ---- a new league's defaults (imported_league.cpp) ----------------------------------------------
void Init_Imported_League(void);

// ---- clean-ups after a league is read (load_cleanups.cpp) ---------------------------------------
void Remove_Invalid_Position_Players(void);
void Remove_Two_Way_Specialists(void);
void Calculate_Player_Ratings(int nTeam, int nSlot);  // the ratings from the predicted line
void Calculate_All_Player_Ratings(void);

// ---- a played league made a new one (universe_rebase.cpp) ---------------------------------------
// The current season becomes season 0 of a league whose first year is this one: the calendar at
// the season's start, the current season's statistics empty, the predicted lines completed. Team
// rows of the earlier seasons are cleared; returns how many seasons were dropped from them.
int Rebase_League_To_Current_Season(void);

// ---- needed by gfx-drawing
// While the season simulator runs: 1, with the season under way (from 1) and the seasons asked for.
int Get_Season_Simulator_Progress(int* pnSeason, int* pnTarget);
// ---- needed by the main window
void Do_Special_Tool(void);
void Run_Season_Simulator(int nSeasons);

// ---- season lines of a build (season_import.cpp) ------------------------------------------------
void Import_Seasons_File(void);
int Import_Season_Line(char* szLine);  // 1 when the line reached a player
int Find_Player_Season_Line(int nTeam, int nSlot, int nLineTeam, int nYear);
void Import_Season_Stat(int nTeam, int nSlot, int nLine, int nYear, int nStat, int nValue);
void Fill_Field_Goal_Bands(int nTeam, int nSlot, int nLine, int nMade, int nTried);
#define SEASONS_CSV_HEADER                                                                         \
    "OstrelID,PlayerID,SeasonFlag,Year,Team,Uniform,Name,Position,Active,G,GS,PaAtt,PaCom,PaYds,"  \
    "PaTD,PaInt,PaQBR,PaLg,PaSk,PaSkYds,RuAtt,RuYds,RuTD,RuLg,Targeted,Recepts,ReYds,ReTD,ReLg,"   \
    "Fumbles,FumblesLost,PuntReturns,PuntRetYds,PuntRetTD,PuntRetLg,KickReturns,KickRetYds,"       \
    "KickRetTD,KickRetLg,Comb,Asst,TklForLoss,Sk,SkYds,QB_Hits,PD,FF,FR,Fum_Ret_Yds,Fum_Ret_TD,"   \
    "Int,Int_Return_Yds,Int_Return_TD,Blocks,ST_Tkl,ST_Asst,Off_Tkl,Off_Asst,Punts,PuntYards,FGA," \
    "FGM,FG_Lg,XPM,PuntRetFC,TB,Inside20,PuntNetAvg,XPA,SAF,FG_Blocked,Punts_Blocked,XP_Blocked,"  \
    "PuntLg,PuntNetYds,OffSnaps,DefSnaps,ST_Snaps,OffTeamSnaps,DefTeamSnaps,ST_TeamSnaps,"         \
    "FGM_Under_20,FGM_20_29,FGM_30_39,FGM_40_49,FGM_50_Plus,FGA_Under_20,FGA_20_29,FGA_30_39,"     \
    "FGA_40_49,FGA_50_Plus,YAC,Rec_1stD,DefIntLg,Value,Rush_1stD,Pass_1stD"
#define SEASONS_CSV_COLUMNS 97
// Who a column of the seasons file is read for, and the line statistic it fills.
enum SEASON_GROUP {
    SG_ALL,
    SG_QB,
    SG_SKILL,
    SG_RECEIVER,
    SG_RETURNER,
    SG_DEFENCE,
    SG_KICKER,
    SG_LINE_OR_DEFENCE
};
typedef struct SEASON_COLUMN_STAT {
    int nColumn;
    int nGroup;
    int nStat;
} SEASON_COLUMN_STAT;
const SEASON_COLUMN_STAT* Get_Season_Columns(int* pnCount);  // the columns stored as they are
int Is_In_Season_Group(int nTeam, int nSlot, int nGroup);

// ---- career totals and rating adjustments of a build (career_totals.cpp) ------------------------
void Erase_Future_Season_Lines(void);
void Rebuild_Career_Totals(void);
void Accumulate_Historical_Totals(int nTeam, int nSlot, int nYear, int nStat, int nValue);
void Write_Historical_Stats_File(void);
int Get_League_Team_Count(int nYear);
void Set_Experience_From_Seasons(void);
void Age_Imported_Players(void);
void Adjust_Flagged_Player_Overall(void);
void Set_Drafted_Rookie_Ratings(void);

// ---- salaries, cap room and payroll fitting (salary_import.cpp) ---------------------------------
void Import_Salaries_File(void);
int Import_Salary_Line(char* szLine);  // 1 when it reached a player
void Clear_All_Salaries(void);
void Mark_Players_With_Salary(void);
void Import_Cap_Room_File(void);
void Fit_Team_Cap_Hits(int nTeam, int nTarget);            // target payroll in dollars
void Remove_Team_Signing_Bonuses(int nTeam, int nTarget);  // target payroll in dollars
void Fit_All_Payrolls_To_Cap(void);
void Raise_Salaries_To_Minimum(void);
void Fix_Contract_Minimums(void);

// ---- team records, personnel and strength targets (team_records_import.cpp,
// team_strength_fitting.cpp) ----------------------------------------------------------------------
void Import_Team_Records_File(void);
int Import_Team_Record_Line(char* szLine);  // 1 when it set a team's target
int Get_Team_Record_Strength(int nWins, int nLosses, int nPointsFor, int nPointsAgainst,
                             int nPlayoffCode);  // per mille of the league average
void Import_Personnel_File(void);
int Import_Personnel_Line(char* szLine);
int Get_League_Average_Strength(void);
int Get_Team_Strength_Target(int nAverage, int nStrength, int nRecordTarget);
void Nudge_Team_Ratings(int nTeam, float fAmount);
void Fit_Team_Strengths(void);

// ---- combine results (combine_import.cpp) -------------------------------------------------------
void Import_Combine_Results(void);
int Import_Combine_Line(char* szLine);  // 1 when it set a player's speed
float Get_Combine_Speed(double fDash, int nAge);

// ---- player ratings CSV (player_ratings_export.cpp) ---------------------------------------------
// "Output/Ratings/%d_Player_Ratings.csv" of the year: the rows written, players of one position
// or POS_ANY for all, league teams then the free agents.
int Export_Player_Ratings_CSV(int nPosition, int nYear);
int Write_Player_Ratings_Row(const char* szPath, int nTeam, int nSlot);  // 0 when left out
void Get_Player_Ratings_CSV_Path(int nYear, char* szPath, int nSize);
// The Advanced Tools' export: the Sortable Stats dialog's position (asking whether to export it
// or everyone) or all players, then the notice of what was written. The rows, -1 when cancelled.
int Export_Player_Ratings(void);

// ---- the season database builder (season_build.cpp) ---------------------------------------------
// What a build ended with.
#define BUILD_OK 0
#define BUILD_NO_LEAGUE_FILES 1   // the league or the teams file is missing: nothing changed
#define BUILD_NO_BASE_UNIVERSE 2  // the default universe could not be read: nothing changed
#define BUILD_NO_TEAMS 3          // the teams file made no team: nothing saved
#define BUILD_NOT_SAVED 4         // the universe file could not be written
#define BUILD_NO_PLAYERS 5        // the import files made no player: nothing saved
// Builds the league of the year (clamped to 1951..2021) from the import files in the working
// folder, saves it as "databases/universe-%d.dat" and exports its ratings. It replaces the league
// in memory: the caller asks first when a game is open, and after BUILD_OK starts the new game
// (new-game defaults, the first page). The progress window runs through the host services.
int Create_Universe_For_Year(int nYear);
int Create_Historical_Universes(int nFirstYear, int nLastYear);  // the years built
int Create_All_Historical_Universes(void);
int Build_Season_Database(void);  // the base year's league: BUILD_OK, BUILD_NO_TEAMS or _PLAYERS
int Clamp_Build_Year(int nYear);
void Get_Built_Universe_Path(int nYear, char* szPath, int nSize);
int Get_Team_Scheme_For_Year(int nTeam, int nYear);  // 1 the 3-4, 0 the 4-3
void Set_Team_Schemes_And_Playbooks(void);
int Import_Playbooks(int bReport);  // the playbook files loaded

// ---- a fictional import set from a played league (import_set_writer.cpp) ------------------------
// The players, seasons, rosters, salaries, combine, cap-room, personnel and team-records files of
// the year under Input/Stats, written from the league in memory; 1 when all were written.
int Write_Import_Set(int nYear);
