// Season cycle and schedule: the advance command, the week loop, the playoffs, the off-season,
// the record book and the schedules. What other subsystems may call.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "database/database.h"

// ---- the advance command and the week loop (advance.cpp, week_games.cpp) -----------------------
int Advance_Weeks(int nWeeks);  // plays up to nWeeks weeks, or runs the off-season hand-over
void Play_Week_Games(void);
void Start_Season(int bFromDraft);
void Begin_Next_Season(void);
void Simulate_Seasons(int nSeasons);  // whole seasons, every team run by the computer
void Stop_Simulation(void);           // the running advance ends after the week in progress
// While set, an advance asks the person nothing and writes no auto-save (the season simulator).
void Set_Unattended_Advance(int bUnattended);
void Stop_Watching_Game(void);
int Is_Simulation_Running(void);
int Is_Advance_In_Progress(void);
int Get_Target_Week(void);
int Is_Past_Postseason(void);
void Refresh_Main_Window_After_Resume(void);
void Repaint_Season_Windows(void);  // the pages painted anew, the main window and bars repainted

// ---- the score ticker (score_ticker.cpp) ---------------------------------------------------------
#define SCORE_TICKER_LINES 9  // three games of three lines
void Clear_Score_Ticker(void);
void Update_Score_Ticker(GAME* pGame, int nGame);  // nGame: the games finished before it this week
void Get_Score_Ticker_Line(int nLine, char* szOut, int nSize);
int Get_Score_Ticker_Colour(int nLine);

// ---- playoffs (playoffs.cpp) --------------------------------------------------------------------
// gPlayoffSlots: 0..15 the first round in pairs, the winner of pair k moving to 16 + k; 16..23 the
// second round, 24..27 the league title games, 28 and 29 the league champions, 30 the champion.
void Seed_Playoff_Teams(void);
void Refresh_Standings(void);  // and the playoff seeds while the regular season runs
void Clear_Playoff_Bracket(void);
int Get_Playoff_Seat(int nTeams, int nLeague, int nSeedIndex);  // -1 where there is no seat
int Get_Playoff_Seeding_Value(int nTeam);
int Get_Max_Playoff_Teams(void);
void Swap_Playoff_Slots(int a, int b);
void Reseed_Second_Round(int nLeague);
void Separate_Division_Rivals(void);
int Get_First_Playoff_Week(void);       // the first postseason week, week 2 at the earliest
int Schedule_Next_Playoff_Round(void);  // the games scheduled for the current week's round
void Record_Playoff_Result(GAME* pGame);

// ---- league averages (league_averages.cpp) ------------------------------------------------------
int Get_League_Average_Team_Stat_Scaled(void);  // 1000 = an ordinary league
// gLeagueAverages from the league's team totals of the season, before each week's games: yards
// per rush x 100, completion rate x 1000, yards per completion x 100 and passing yards per 1000
// rushing yards; the defaults until a league game of the season has been played.
void Update_League_Averages(void);

// ---- the record book (record_book.cpp) ----------------------------------------------------------
// The kinds of update; RECORD_BOOK_RESET_ELIGIBILITY added first forgets which slots may enter
// the book.
#define RECORD_BOOK_RESET_ELIGIBILITY 0x100
enum RECORD_BOOK_UPDATE {
    RECORD_BOOK_CAREER = 2,           // career totals, rows rising or falling
    RECORD_BOOK_SEASON = 3,           // this season's rows of the current year, only rising
    RECORD_BOOK_PREVIOUS_SEASON = 4,  // last season's lines, only rising
    RECORD_BOOK_GAME = 5              // the career blocks holding one week's numbers
};
enum CAREER_SNAPSHOT_MODE {
    CAREER_SNAPSHOT_BEFORE = 1,  // each slot's player id and career, before the week's games
    CAREER_SNAPSHOT_AFTER = 2,   // the careers after the games
    CAREER_SNAPSHOT_DELTA = 3,   // each career block reduced to the week's numbers
    CAREER_SNAPSHOT_RESTORE = 4  // the careers after the games put back
};
void Update_Record_Book(int nKind);
void Take_Career_Snapshot(int nMode);
void Update_Weekly_Record_Book(void);

// ---- the off-season (off_season.cpp) ------------------------------------------------------------
// Closes the finished season and opens the next one up to the college draft; a league that has
// played its last season (99) is told so and left as it is.
void Process_Off_Season(void);
int Can_Open_Next_Season(void);       // 0 once season 99 is the current one
int Check_Next_Season_Allowed(void);  // as Can_Open_Next_Season, telling the user when not
void Renew_Team_Contracts(int nTeam);
void Roll_Over_Team_Year(int nTeam);
// One team's year-end: contracts renewed, the year rolled over, fan support, last year's money.
void Close_Team_Year(int nTeam);
void Apply_Team_Training(int nTeam, int nModifier);
int Get_Team_Training_Modifier(int nTeam);  // from the winning percentage and the difficulty
void Apply_League_Training(void);           // every active team by its own modifier
// The team's season lines of every player moved to last season's and cleared.
void Clear_Team_Season_Record(int nTeam);
int Is_All_Teams_Computer(void);  // the setting that lets the computer run every team
void Sort_Roster_By_Value(int nTeam);
// Expiring: a league-team player with at most one contract year left once the season is complete.
int Is_Contract_Expiring_Now(int nTeam, int nSlot);
int Count_Expiring_Contracts(int nTeam);
int Any_Team_Has_Expiring_Contracts(void);  // the last human-run team's answer

// ---- league history and expansion (league_history.cpp, league_expansion.cpp) --------------------
enum LEAGUE_HISTORY_KIND {
    HISTORY_NEW_TEAM = 0,
    HISTORY_TEAM_MOVE = 1,
    HISTORY_FRANCHISE_REFORMED = 2,
    HISTORY_TEAM_RENAME = 3,
    HISTORY_NEW_STADIUM = 5,
    HISTORY_STADIUM_MOVE = 6,
    HISTORY_STADIUM_RENAME = 7,
    HISTORY_NEW_LEAGUE = 8,
    HISTORY_LEAGUE_RENAME = 9,
    HISTORY_DIVISION_ADDED = 10,
    HISTORY_DIVISION_RENAME = 11,
    HISTORY_DIVISION_CHANGE = 12
};

#define HISTORY_TEXT_SIZE 32
#define LEAGUE_HISTORY_EVENT_COUNT 159

// One event of the league's history. Teams are named "City,Nickname"; szText holds the new
// "City,Nickname", a stadium name or a league or division name, by kind.
typedef struct {
    int32_t nYear;
    int32_t nKind;
    char szLeague[HISTORY_TEXT_SIZE];
    char szTeam[HISTORY_TEXT_SIZE];
    char szAbbreviation[HISTORY_TEXT_SIZE];
    int32_t nDivision;  // within its league, 0..3
    char szText[HISTORY_TEXT_SIZE];
} LEAGUE_HISTORY_EVENT;

static_assert(sizeof(LEAGUE_HISTORY_EVENT) == 140, "LEAGUE_HISTORY_EVENT layout");
static_assert(offsetof(LEAGUE_HISTORY_EVENT, szLeague) == 8, "LEAGUE_HISTORY_EVENT layout");
static_assert(offsetof(LEAGUE_HISTORY_EVENT, szTeam) == 40, "LEAGUE_HISTORY_EVENT layout");
static_assert(offsetof(LEAGUE_HISTORY_EVENT, szAbbreviation) == 72, "LEAGUE_HISTORY_EVENT layout");
static_assert(offsetof(LEAGUE_HISTORY_EVENT, nDivision) == 104, "LEAGUE_HISTORY_EVENT layout");
static_assert(offsetof(LEAGUE_HISTORY_EVENT, szText) == 108, "LEAGUE_HISTORY_EVENT layout");

// The events from 1952 to 2020, in year order (league_history_table.cpp).
extern const LEAGUE_HISTORY_EVENT gLeagueHistoryEvents[LEAGUE_HISTORY_EVENT_COUNT];

// A human-run team is asked before its own event; other teams' events are announced as League
// News; while every team is computer-run all events are applied without a box. Events of a team
// not in the league (matched by its full "City,Nickname") are passed over.
void Apply_League_History_Events(int nYear);  // every kind but the new teams
// The year's new teams, the notice, the expansion draft and the new rosters. A team the league
// cannot hold is refused with a notice and the league is left as it was.
void Apply_League_Expansion(int nYear);
// The new team's number (TEAM_CONTROL = CONTROL_EXPANSION), -1 when the league cannot hold it
// (szWhy then says why).
int Add_Expansion_Team(const char* szName, int nDivision, const char* szAbbreviation,
                       const char* szStadium, char* szWhy, int nWhySize);
void Apply_League_History_For_New_Year(void);  // both, for the year the next season opens

// ---- places (place_names.cpp): states, provinces and territories --------------------------------
#define PLACE_COUNT 69
enum PLACE_FIELD { PLACE_NAME = 0, PLACE_ABBREVIATION, PLACE_POSTAL_CODE, PLACE_SHORT_CODE };
const char* Get_Place_Name(int nRow, int nColumn);  // row and column clamped to the table
// A text equal to a postal code (any case) becomes the place's full name; others stay.
void Expand_Postal_Code(char* szText, int nSize);

// ---- the season's finish by team (yearly_standings.cpp) -----------------------------------------
// The standings refreshed, then each active team's finish code stored in the season just played.
void Store_Team_Yearly_Standings(void);
// One team's finish code stored in the season just played, the standings as they stand.
void Store_Team_Season_Finish(int nTeam);

// ---- season rules by year (season_rules.cpp) ------------------------------------------------------
// Overtime rules of gOvertimeRule and gPlayoffOvertimeRule.
#define OVERTIME_SUDDEN_DEATH 0
#define OVERTIME_SIX_POINT_THRESHOLD 1
#define OVERTIME_SUDDEN_DEATH_NO_TIES 2
#define OVERTIME_SIX_POINT_THRESHOLD_NO_TIES 3
// gKickoffLocation: the kickoff line.
#define KICKOFF_FROM_30 0
#define KICKOFF_FROM_35 1
#define KICKOFF_FROM_40 2
// gMissedFieldGoalSpot: where the ball goes after a missed field goal.
#define MISSED_FIELD_GOAL_AT_KICK 0
#define MISSED_FIELD_GOAL_AT_SCRIMMAGE 1
#define MISSED_FIELD_GOAL_AT_20 2

int Get_Season_Salary_Cap(int nYear);  // dollars
void Update_Salary_Cap(void);
int Get_Cap_Inflation_Factor(int nCap);  // the cap per mille of the base cap, rounded
void Update_Inflation_Factor(void);
int Get_Season_Games(int nYear);
void Update_Season_Games(void);
void Update_Wild_Card_Teams(void);
int Set_Overtime_Period_Length(void);  // the season year
int Set_Missed_Field_Goal_Spot(void);  // the season year
void Set_Kickoff_Location(void);
void Set_Kickoff_Touchback_Line(void);
void Set_Extra_Point_Line(void);
void Set_Two_Point_Conversions(void);
void Set_Overtime_Rules(void);
int Apply_Season_Rules(void);  // the weekly league revenue
void Reset_Player_Career_Curves(void);
int Set_All_Teams_Computer(void);  // the number of teams in use

// ---- schedule storage and the calendar (schedule_storage.cpp) -----------------------------------
#define SCHEDULE_PHASE_EARLY 0
#define SCHEDULE_PHASE_MIDDLE 1
#define SCHEDULE_PHASE_LATE 2

int Get_Schedule_Games_Setting(void);  // the games setting, capped at 17 and stored back
int Schedule_Game(int nHome, int nVisitor, int nWeek, int nSlot);  // 1 when the game was put in
// The game with the slot ((visitor x home) mod 37) mod 16.
int Schedule_Matchup(int nVisitor, int nHome, int nWeek);
void Clear_All_Schedules(void);
int Find_First_Postseason_Week(void);  // 0 when no week holds a game
int Get_First_Postseason_Week(void);
int Get_Season_Phase(void);
int Get_Schedule_Day_Of_Week(int nDay);  // 0 = Monday .. 6 = Sunday
int Get_Last_Opponent(int nTeam, int nWeek);
int Is_First_Season_Or_Year(int nYear);

// ---- season templates (season_templates.cpp) ----------------------------------------------------
#define TEMPLATE_POSITIONS 16
#define TEMPLATE_FIELDS 5
#define TEMPLATE_WEEKS 17
#define LONG_TEMPLATE_WEEKS 18
#define NO_TEMPLATE_ENTRY (-128)
enum TEMPLATE_FIELD {
    TEMPLATE_AWAY = 0,
    TEMPLATE_HOME,
    TEMPLATE_DAY,
    TEMPLATE_KICKOFF,
    TEMPLATE_BROADCAST
};
// The templates: 0..6 the seasons 2002..2008, 7..18 the years by year mod 12, 19 the 18-week one.
#define TEMPLATE_FIRST_SEASON 2002
#define TEMPLATE_LAST_SEASON 2008
#define TEMPLATE_BY_YEAR_MOD_12 7
#define LONG_TEMPLATE 19
#define TEMPLATE_COUNT 20
#define DAY_TIME_TEMPLATE (TEMPLATE_BY_YEAR_MOD_12 + 1)

int Get_Schedule_Opponent(int nTemplate, int nWeek, int nPosition, int nField);
int Get_Year_Template(int nYear);  // the template that Fill_Schedule uses in that year

// ---- the fixed schedules by league size (formula_schedules.cpp) --------------------------------
int Get_Team_Division_Slot(int nTeam);  // the teams of lower divisions + the standings place
int Get_Team_Template_Slot(int nTeam);  // 4 x division + the standings place
int Rotate_Template_Slot(int nSlot, int nYear);  // the 17-game season's slot in that year
int Get_2001_NFL_Schedule_Opponent(int nWeek, int nPosition, int nSide);
void Generate_12_Team_Schedule(void);
void Generate_26_Team_Schedule(void);
void Generate_28_Team_14_Game_Schedule(void);
void Generate_28_Team_Schedule(void);
void Generate_28_Team_Bye_Schedule(void);
void Generate_30_Team_Schedule(void);
void Generate_Schedule(void);
void Fill_Schedule(void);
void Fill_17_Game_Schedule(void);

// ---- the random schedule (random_schedule.cpp) --------------------------------------------------
int Generate_Random_Schedule(void);  // 1 made, 0 the attempt failed (the rows partly filled)
int Pick_Home_Team(void);
int Pick_Visiting_Team(int nHome);
int Is_Home_Team_Rejected(int nTeam);
int Is_Visitor_Rejected(int nTeam, int nHome);
// The teams that sit out each week of an odd league; 0 when they add up to more than the teams.
int Plan_Odd_League_Byes(int nTeams, int nWeeks, int* anByes);

// ---- schedules of past seasons (schedule_files.cpp) ---------------------------------------------
int Read_Schedule_Files(void);  // 1 when a year's files gave a usable schedule, else 0 rows empty
void Read_Schedule_CSV(const char* szPath);
int Is_Schedule_Balanced(void);
int Write_Schedule_CSV(const char* szName);  // Input/Schedules/<name>.txt into <name>.csv
void Write_All_Schedule_CSVs(void);

// ---- the schedule driver (schedule_driver.cpp) --------------------------------------------------
enum SCHEDULE_SOURCE {
    SCHEDULE_SOURCE_RANDOM = 0,
    SCHEDULE_SOURCE_32_TEAMS_17_GAMES,
    SCHEDULE_SOURCE_32_TEAMS,
    SCHEDULE_SOURCE_31_TEAMS,
    SCHEDULE_SOURCE_30_TEAMS,
    SCHEDULE_SOURCE_28_TEAMS_BYES,
    SCHEDULE_SOURCE_28_TEAMS,
    SCHEDULE_SOURCE_28_TEAMS_14_GAMES,
    SCHEDULE_SOURCE_26_TEAMS,
    SCHEDULE_SOURCE_12_TEAMS
};

// 1 when the season has its schedule and postseason weeks; 0 after the message of a league that
// cannot be scheduled, the rows and postseason weeks left as they were.
int Create_Season_Schedule(void);
int Has_Four_Team_Divisions(void);
int Should_Read_Schedule_Files(void);  // the year and the games setting fit the files' era
int Get_Fixed_Schedule_Source(void);   // SCHEDULE_SOURCE; random when no fixed schedule fits

// ---- the standings table's texts (standings_columns.cpp) -----------------------------------------
// The statistics columns a standings row can show (user preferences 100..104 choose five).
enum STANDINGS_STAT_COLUMN {
    STANDINGS_LAST_3 = 0,
    STANDINGS_LAST_5 = 1,
    STANDINGS_STREAK = 2,
    STANDINGS_HOME_RECORD = 3,
    STANDINGS_AWAY_RECORD = 4,
    STANDINGS_DIVISION_RECORD = 5,
    STANDINGS_CONFERENCE_RECORD = 6,
    STANDINGS_POINTS_SCORED = 7,
    STANDINGS_POINTS_ALLOWED = 8,
    STANDINGS_TURNOVERS = 15,
    STANDINGS_TAKEAWAYS = 16,
    STANDINGS_TURNOVER_MARGIN = 17,
    STANDINGS_DEFENSE_RANK_LAST = 23,  // 18..23: league ranks
    STANDINGS_YARDS_PER_PLAY = 24,
    STANDINGS_THIRD_DOWN = 25,
    STANDINGS_COMPLETION_PERCENT = 33,
    STANDINGS_FOURTH_DOWN = 37,
    STANDINGS_POSSESSION = 38,
    STANDINGS_AGAINST_SPREAD = 39,
    STANDINGS_UNIT_GRADES = 40,  // 40..44: the unit strength ranks as grades
    STANDINGS_OFFENSIVE_LINE = 45,
    STANDINGS_RUSH_BLOCKING = 46,
    STANDINGS_PASS_BLOCKING = 47,
    STANDINGS_STAT_COLUMNS = 48  // also the column of a chooser that is open: no text
};
// A team's text of a statistics column; 0 and an empty text for a column without one or a team
// not in use.
int Get_Team_Stat_Text(int nTeam, int nColumn, char* szOut, int nSize);
// The league-average row's text: an en dash or an empty text where the column has no average.
int Get_League_Average_Stat_Text(int nColumn, char* szOut, int nSize);
// Columns 0..4: city, wins, losses, ties, percentage; 5..9 the chosen statistics. 0 and an empty
// text for an empty place.
int Get_Standings_Cell_Text(int nDivision, int nPlace, int nColumn, char* szOut, int nSize);
