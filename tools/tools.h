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
#define LEAGUE_FILE_FORMAT "input/stats/leagues/%d_league.csv"
#define TEAMS_FILE_FORMAT "input/stats/%d_teams.csv"
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

// ---- the season simulator (season_simulator.cpp, simulator_report.cpp) -------------------------
#define SIMULATOR_FILE "Simulator.dat"
#define SIMULATOR_TEXT_FILE "Simulator.txt"
#define SIMULATOR_CSV_FILE "Simulator.csv"
#define SIMULATOR_TEAM_COUNT 36
#define SIMULATOR_FINISH_COUNT 9
#define SIMULATOR_RECORD_SIZE 7544
#define SIMULATOR_MAX_SEASONS 1000

// "Simulator.dat": the tallies of every simulated season, little-endian, by team number. Finish
// counters: [0] 5th or lower in the division, [1] 4th, [2] 3rd, [3] 2nd, [4] playoff team, [5]
// division winner, [6] [7] [8] the finish codes 6, 7 and 8 (champion).
typedef struct SIMULATOR_RECORD {
    int32_t nSeasons;
    int32_t aanFinishes[SIMULATOR_TEAM_COUNT][SIMULATOR_FINISH_COUNT];
    int32_t anGamesPlayed[SIMULATOR_TEAM_COUNT];
    int32_t anWins[SIMULATOR_TEAM_COUNT];
    int32_t anLosses[SIMULATOR_TEAM_COUNT];
    int32_t anPointsScored[SIMULATOR_TEAM_COUNT];
    int32_t anPointsAllowed[SIMULATOR_TEAM_COUNT];
    uint8_t abReserved[4804];
    int64_t anRevenue[SIMULATOR_TEAM_COUNT];
    int64_t anProfit[SIMULATOR_TEAM_COUNT];
    int32_t anAttendance[SIMULATOR_TEAM_COUNT];
} SIMULATOR_RECORD;

enum SIMULATOR_READ { SIMULATOR_READ_FAILED = -1, SIMULATOR_READ_RESET = 0, SIMULATOR_READ_WHOLE };
enum SIMULATOR_REPORT_KIND { SIMULATOR_REPORT_TEXT = 0, SIMULATOR_REPORT_CSV };

// The current season played to its end nSeasons times, the league put back after each.
void Run_Season_Simulator(int nSeasons);
// While the season simulator runs: 1, with the season under way (from 1) and the seasons asked for.
int Get_Season_Simulator_Progress(int* pnSeason, int* pnTarget);
int Read_Simulator_Data(SIMULATOR_RECORD* pRecord);  // a SIMULATOR_READ
int Reset_Simulator_Data(void);                      // 1 when the zeroed file was written
int Write_Simulator_Report(int nKind);               // 1 when every line was written

// ---- the all-time leaders of the record book (all_time_leaders.cpp) ------------------------------
#define ALL_TIME_LEADERS_PATH "input/stats/atl.txt"
// For the 2021 season only: the record book made anew from ALL_TIME_LEADERS_PATH.
void Load_All_Time_Leaders(void);
int Find_Leader_Stat_String(const char* szLabel);  // the category 0..29; -1 and a message
int Get_Leader_Stat_Position(int nCategory);
const char* Get_Leader_Stat_Label(int nCategory);  // "" out of range
const char* Get_Leader_Section_Label(int nTable);  // "ALL_TIME_LEADER_CAREER", ...; "" out of range

// ---- the statistics downloader (statistics_downloader.cpp, roster_pages.cpp, contract_pages.cpp,
// player_page_parser.cpp, html_cells.cpp) ---------------------------------------------------------
#define DOWNLOAD_LINE_LIMIT 32000
#define DOWNLOAD_SEASON_YEAR 2021
#define INJURIES_PAGE_PATH "Input/Downloads/Injuries.txt"
#define PLAYERS_CSV_HEADER                                                                         \
    "Vanto ID,Ostrel ID,Player ID,Team,Uniform,First Name,Last Name,Nickname,Position,,Height,"   \
    "Weight,College,NFL Seasons,Full Name [Not Used],Given Name [Not Used],,Draft Team,Draft "   \
    "Year,Draft Round,Overall Pick,Undrafted,Feet,Inches,Birth Month,Birth Date,Birth Year"
#define SEASONS_CSV_HEADER                                                                         \
    "OstrelID,PlayerID,SeasonFlag,Year,Team,Uniform,Name,Position,Active,G,GS,PaAtt,PaCom,PaYds," \
    "PaTD,PaInt,PaQBR,PaLg,PaSk,PaSkYds,RuAtt,RuYds,RuTD,RuLg,Targeted,Recepts,ReYds,ReTD,ReLg,"  \
    "Fumbles,FumblesLost,PuntReturns,PuntRetYds,PuntRetTD,PuntRetLg,KickReturns,KickRetYds,"      \
    "KickRetTD,KickRetLg,Comb,Asst,TklForLoss,Sk,SkYds,QB_Hits,PD,FF,FR,Fum_Ret_Yds,Fum_Ret_TD,"  \
    "Int,Int_Return_Yds,Int_Return_TD,Blocks,ST_Tkl,ST_Asst,Off_Tkl,Off_Asst,Punts,PuntYards,"    \
    "FGA,FGM,FG_Lg,XPM,PuntRetFC,TB,Inside20,PuntNetAvg,XPA,SAF,FG_Blocked,Punts_Blocked,"        \
    "XP_Blocked,PuntLg,PuntNetYds,OffSnaps,DefSnaps,ST_Snaps,OffTeamSnaps,DefTeamSnaps,"          \
    "ST_TeamSnaps,FGM_Under_20,FGM_20_29,FGM_30_39,FGM_40_49,FGM_50_Plus,FGA_Under_20,"           \
    "FGA_20_29,FGA_30_39,FGA_40_49,FGA_50_Plus,YAC,Rec_1stD,DefIntLg,Value,Rush_1stD,Pass_1stD"
#define PERSONNEL_CSV_HEADER "Year,Team,Offensive Personnel,Defensive Personnel"
#define SALARIES_CSV_HEADER                                                                        \
    "OstrelID,PlayerID,2020 Team,Uniform,FirstName,LastName,Position,Depth Chart,Weeks Out,"      \
    "Reason Out,Years Remaining,Average Salary,Signing Bonus,Contract Years,Cap Hit"
#define COMBINE_CSV_HEADER                                                                         \
    "OstrelID,PlayerID,Name,Year,Position,Height,Weight,40-Yard Dash,Bench Reps,Broad Jump,"      \
    "20-Yard Shuttle,3-Cone Drill,Vertical"
#define ROSTERS_CSV_HEADER_FORMAT                                                                  \
    "OstrelID,PlayerID,FirstName,LastName,%d_Team,Position,Height,Weight,BirthMonth,BirthDate,"   \
    "BirthYear,WeeksOut,Reason,Starter"
enum DOWNLOAD_SITE { DOWNLOAD_SITE_STATISTICS = 0, DOWNLOAD_SITE_CONTRACTS };

// The whole download; refused unless the league is a new 2021 game of 32 teams and both sites
// are set in "Input/Download_Sites.txt".
void Download_Football_Data(void);
// Its first part: the checks, the folders, the empty import files, the contract and injury pages;
// 1 when the seasons may follow (Download_Season_Data, newest first).
int Start_Football_Download(void);
int Download_File_From_URL(const char* szFile, const char* szAddress);  // 1 on success
int Get_Download_Site(int nSite, char* szOut, int nSize);  // 1 when the site is set
void Make_Site_Address(char* szOut, int nSize, int nSite, const char* szPath);
void Make_Download_Folders(void);
void Write_Download_CSV_Headers(void);
void Write_Header_File(const char* szPath, const char* szHeader);
const char* Get_Site_Team_Code(int nKey);  // "" above 31
void Clear_Player_Ids(void);
// 1 the first time the id is seen in a run; a full table (20,000 ids) is reported once and takes
// no more.
int Register_Player_Id(const char* szId);
void Download_Season_Data(int nYear);
void Download_Team_Rosters(int nYear);
void Download_Player_Contract_Data(void);
void Write_Salary_Row(int nTeam, const char* szFirst, const char* szLast, const char* szId,
                      int nUniform, const char* szPosition);
void Parse_Roster_Page(const char* szFile, int nYear, int nKey);
void Parse_Team_Injuries_Page(const char* szFile, int nYear, int nKey);
const char* Get_Offensive_Personnel(const char* szFile);
const char* Get_Defensive_Personnel(const char* szFile);
void Get_Player_Injury_Status(const char* szId, char* szWeeks, int nWeeksSize, char* szReason,
                              int nReasonSize);
// A player page: its position (when still empty), its statistics rows and its combine row.
void Parse_Player_Page(char* szPosition, int nSize, const char* szPageFile, const char* szId,
                       const char* szName);
// The statistics tables found; the combine table, 1 when found.
int Parse_Stats_Tables(const char* szFileName, const char* szId, const char* szName);
int Parse_Combine_Table(const char* szFileName, const char* szId, const char* szName);
int Parse_Stats_Table_Row(FILE* pFile, const char* szFileName, int nSection, const char* szId,
                          const char* szName);
int Get_Stats_Cell_Slot(int nSection, int nCell);  // -1 for a cell not kept
void Get_Page_Position(const char* szFileName, char* szPosition, int nSize);
void Reset_Player_Page_Year(void);
// Lines and cells of the pages. A line is read up to DOWNLOAD_LINE_LIMIT - 1 characters.
int Find_Line_Containing(const char* szFileName, char* szLine, FILE* pFile, const char* szText);
int Strip_HTML_Tags(char* szText);  // the length left
// The next cell of the line, tags and all, into szCell; the position just after it, 0 for none.
int Take_HTML_Cell(char* szCell, int nSize, const char* szLine);
// "X.txt" copied to "X-parsed.txt" with each table row on a line of its own; its name out.
int Split_Table_Rows(const char* szFileName, char* szParsedName, int nSize);
int Clean_Position_Text(char* szText);  // the length left

// ---- needed by the main window
void Do_Special_Tool(void);
// ---- season lines of a build (season_import.cpp) ------------------------------------------------
void Import_Seasons_File(void);
int Import_Season_Line(char* szLine);  // 1 when the line reached a player
int Find_Player_Season_Line(int nTeam, int nSlot, int nLineTeam, int nYear);
void Import_Season_Stat(int nTeam, int nSlot, int nLine, int nYear, int nStat, int nValue);
void Fill_Field_Goal_Bands(int nTeam, int nSlot, int nLine, int nMade, int nTried);
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
#define BUILD_NO_MEMORY 6         // no room to keep the league in memory: nothing changed
// Builds the league of the year (clamped to 1951..2021) from the import files in the working
// folder, saves it as "databases/universe-%d.dat" and exports its ratings. After BUILD_OK the
// built league is in memory: the caller asks first when a game is open, and then starts the new
// game (new-game defaults, the first page). Any other result leaves the league in memory and the
// files as they were, after saying why. The progress window runs through the host services.
int Create_Universe_For_Year(int nYear);
#define MODERN_UNIVERSE_YEAR 2021  // "Create Modern Database" builds this season
int Create_Historical_Universes(int nFirstYear, int nLastYear);  // the years built
int Create_All_Historical_Universes(void);
int Build_Season_Database(void);  // the base year's league: BUILD_OK, BUILD_NO_TEAMS or _PLAYERS
int Clamp_Build_Year(int nYear);
void Get_Built_Universe_Path(int nYear, char* szPath, int nSize);
int Get_Team_Scheme_For_Year(int nTeam, int nYear);  // 1 the 3-4, 0 the 4-3
void Set_Team_Schemes_And_Playbooks(void);
int Import_Playbooks(int bReport);  // the playbook files loaded

// ---- a fictional import set from a played league (import_set_writer.cpp) ------------------------
// The players, seasons, rosters, salaries, combine, cap-room, personnel, team-records and all-time
// leaders files of the year under Input/Stats, written from the league in memory; 1 when all were
// written.
int Write_Import_Set(int nYear);
