// Reports and exports: box scores, season reports, the encyclopedia and the card-game export.
// What other subsystems may call.
#pragma once

#include "database/database.h"

// ---- the card game's plays (gridiron_plays.cpp); the card values are the database's ----------
// Card play types.
enum GRIDIRON_PLAY_TYPE {
    GRIDIRON_INSIDE_RUN = 0,
    GRIDIRON_OUTSIDE_RUN,
    GRIDIRON_SHORT_PASS,
    GRIDIRON_LONG_PASS
};
#define GRIDIRON_PLAY_COUNT 54  // offensive plays 0..53 of the default playbook
#define GRIDIRON_PLAY_TYPE_FIELD 8

const char* Get_Gridiron_Stat_Name(int nStat);  // "" for an id outside 400..412
const char* Get_Gridiron_Play_Type_Name(int nType);
int Get_Gridiron_Play_Field(int nPlay, int nField);  // 0 outside the table
int Get_Gridiron_Offense_Bonus(int nPlayType, int nSkillA, int nSkillB);
int Get_Gridiron_Defense_Bonus(int nPlayType, int nSkillA, int nSkillB);
// A play's card field as its stored byte and back: the skill fields keep 0.. from their first
// skill, with one byte for none (read back as -1).
int Encode_Gridiron_Play_Field(int nField, int nValue);
int Decode_Gridiron_Play_Field(int nField, int nByte);
// A team's play keeps its card fields in the bytes after its name; -1 where there is none.
void Set_Play_Gridiron_Field(int nTeam, int nPlay, int nField, int nValue);
int Get_Play_Gridiron_Field(int nTeam, int nPlay, int nField);

// ---- the statistics output file (output_results.cpp) -------------------------------------------
enum OUTPUT_SECTION { OUTPUT_OFFENSE = 0, OUTPUT_DEFENSE, OUTPUT_KICKING, OUTPUT_SECTION_COUNT };
enum OUTPUT_FORMAT { OUTPUT_TAB = 0, OUTPUT_COMMA, OUTPUT_FIXED, OUTPUT_HTML, OUTPUT_FORMAT_COUNT };
#define OUTPUT_SORT_BY_NAME (-1)
#define OUTPUT_SORT_BY_TEAM (-2)
// Selector: a team below Count_Active_Teams (T), T league 0, T + 1 league 1, above: every team.
// 1 when the whole file was written, 0 when it could not be created or written.
int Write_Output_Results(const char* szPath, int nSelector, int nSeason, int nSection,
                         int nSortKey, int nFormat);
// The header for NO_TEAM and NO_PLAYER, else the player's row; the number of fields, 0 for none.
int Format_Output_Results_Line(int nTeam, int nSlot, int nSeason, int nSection, int nFormat,
                               char* szOut);  // OUTPUT_LINE_SIZE (2,048) bytes
int Get_Output_Sort_Value(int nTeam, int nSlot, int nSeason, int nSortKey);  // -1: not listed

// ---- the writers of the box score and the season reports (report_writers.cpp) ----------------
// Installs them as the engine's report sink: the program, its tools and the tests that read box
// scores or season reports call it once at start-up.
void Install_Report_Writers(void);

// ---- box-score tables (box_score_tables.cpp) ----------------------------------------------------
struct GAME;
// Position groups of the game's player counters; a quarterback has a group of his own.
#define GROUP_SKILL 0
#define GROUP_DEFENCE 2
#define GROUP_QUARTERBACK 4
// Measures of Count_Player_Plays over the play log.
enum PLAYER_MEASURE {
    MEASURE_COMPLETIONS = 0,
    MEASURE_RUSHES,
    MEASURE_RUSHING_YARDS,
    MEASURE_RUSHING_TOUCHDOWNS,
    MEASURE_RECEPTIONS,
    MEASURE_RECEIVING_TOUCHDOWNS,
    MEASURE_FUMBLES,
    MEASURE_PASSES_DEFENSED,
    MEASURE_FUMBLES_RECOVERED,
    PLAYER_MEASURE_COUNT
};

// Appends a whole piece to the box-score body, or drops it (logging once) when the body would
// leave no room for its closing tags; the body never passes its buffer.
void Append_Box_Score_Html(const char* szPiece);
void Reset_Box_Score_Html(void);
void Write_Scoring_Plays_Header(struct GAME* pGame);  // also empties the body
void Append_Scoring_Play_Row(struct GAME* pGame);
void Write_Box_Score_Team_Stats(struct GAME* pGame);
void Write_Box_Score_Offense_Table(struct GAME* pGame);
void Write_Box_Score_Defense_Table(struct GAME* pGame);
void Close_Box_Score_Html(void);
int Is_Scoring_Play(int nResult);
int Get_Scoring_Side(struct GAME* pGame);
void Get_Quarter_Text(struct GAME* pGame, char* st, int nSize);
const char* Get_Scoring_Play_Type(int nResult);
int Get_Box_Player_Counter(struct GAME* pGame, int bSide, int nSlot, int nGroup, int nCounter);
int Count_Player_Plays(struct GAME* pGame, int bSide, int nSlot, int nMeasure);
// With st, also the yardage of each such play: " (41, 38)".
int Count_Team_Plays(struct GAME* pGame, int bSide, int nResult, char* st, int nSize);

// ---- season text reports (awards_report.cpp, money_report.cpp, standings_report.cpp) ----------
// Each writes its file in Output for the season just ended when its Automatic Text Output
// option is on, and leaves the old file alone when it is off.
void Write_Awards_Report(void);
void Write_Money_Report(void);
void Write_Standings_Report(void);

// ---- developer reports (red_zone_report.cpp) ----------------------------------------------------
void Write_Red_Zone_Report(void);

// ---- the HTML encyclopedia: template mark-up, tables, leader lists and the export --------------
// Context keys of a template tag's groups "[KEY=value]".
enum TEMPLATE_KEY {
    KEY_GAME = 1,
    KEY_TEAM,
    KEY_WEEK,
    KEY_PLAYER,
    KEY_STAT,
    KEY_LEAGUE,
    KEY_DIVIS,
    KEY_POS,
    KEY_COUNT,
    KEY_SEASON,
    KEY_TYPE,
    KEY_LEADERSTAT,
    KEY_PLAY
};
#define TEMPLATE_CONTEXT_SLOTS 6
#define MISSING_KEY_VALUE (-100)  // what a key the context does not hold reads
typedef struct TEMPLATE_CONTEXT {
    int anKeys[TEMPLATE_CONTEXT_SLOTS];  // 0 for an empty slot
    int anValues[TEMPLATE_CONTEXT_SLOTS];
} TEMPLATE_CONTEXT;
int Get_Context_Value(const TEMPLATE_CONTEXT* pContext, int nKey);

// Ten leaders, row 0 the best; a team list uses only the team and the value.
#define LEADER_LIST_ROWS 10
typedef struct LEADER_LIST {
    int anTeams[LEADER_LIST_ROWS];
    int anSlots[LEADER_LIST_ROWS];
    int anValues[LEADER_LIST_ROWS];
    int anSecondValues[LEADER_LIST_ROWS];  // the best season's year
} LEADER_LIST;
// The ten leading skill players (QB, RB, FB, TE, WR) of a league (0, 1, or 2 for both, free
// agents too) in a leader category 0..32 for a season kind (-2 the best single season; 4 and up
// counted back from each player's last season line).
void Build_Player_Leaders(LEADER_LIST* pList, int nLeague, int nCategory, int nSeason);
#define BOTH_LEAGUES 2
#define TEAM_LEADERS_OFFENCE 0        // Build_Team_Leaders' category: most yards first
#define TEAM_LEADERS_DEFENCE 4        // fewest yards allowed first
#define TEAM_LEADER_FLOOR 0x0FFFFFFF  // where a fewest-first list starts
// Ten teams by yards from scrimmage of a team-totals category and season kind: category 0
// highest first, 4 lowest first; any other category leaves the list empty.
void Build_Team_Leaders(LEADER_LIST* pList, int nCategory, int nSeason);
// Leader category 0..32 of a player; season -2 gives his best season with its year in *pYear.
int Get_Player_Stat_Total(int nTeam, int nSlot, int nCategory, int nSeason, int* pYear);

// Expands "HTML_Templates\<name>" with a page context of nPageGroups keys into its page; 1 when
// the page was written.
int Expand_Template_File(const char* szTemplate, const TEMPLATE_CONTEXT* pPage, int nPageGroups);
// Expands a template text into a file; the page's groups go to its variables and tables.
void Expand_Template_Text(const char* szText, int nLength, const TEMPLATE_CONTEXT* pPage,
                          int nPageGroups, FILE* pOut);
// Replaces a variable tag in szTag (cut to nSize) by its value.
void Expand_Template_Var(char* szTag, int nSize);

#define ENCYCLOPEDIA_FOLDER_SIZE 260
#define ENCYCLOPEDIA_FOLDER_MAX 100  // the longest folder name the dialog accepts
// The export's root folder and design (a .css file name in HTML_Templates\CSS).
void Set_Encyclopedia_Export(const char* szFolder, const char* szDesign);
const char* Get_Encyclopedia_Root(void);
// The root followed by the template's page name for the context; 0 (and "") when the page has
// no name (a team or position that names nothing).
int Get_Encyclopedia_Page_Name(const char* szTemplate, const TEMPLATE_CONTEXT* pPage, char* szOut,
                               int nSize);
// A text reduced to what a file name may hold: no separators, no "..", no quotes or markup.
void Make_Safe_File_Name_Part(const char* szText, char* szOut, int nSize);
int Encyclopedia_Pages_Exist(void);
int Create_Encyclopedia_Folders(void);  // 1 when the root and its folders exist
void Copy_Encyclopedia_Art(void);
// Writes every page with the progress window up; the pages written.
int Write_HTML_Encyclopedia(void);
