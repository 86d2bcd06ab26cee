// Game simulation engine: one game from its set-up to its result. What other subsystems may call.
#pragma once

#include "database/database.h"

// ================================================================================================
// Formations, playbooks and pass routes
// ================================================================================================

// ---- formations: names and spots (formation_names.cpp, formation_spots.cpp) ---------------------
// FORMATION numbers: 0..21 offence, 22..38 defence, 39..47 special teams.
enum FORMATION_NUMBER {
    FORMATION_PRO_SET = 3,
    FIRST_DEFENSIVE_FORMATION = 22,
    FORMATION_4_3 = 22,
    FORMATION_3_4 = 25,
    FORMATION_3_4_EAGLE = 27,
    FORMATION_5_2 = 28,
    FORMATION_FORTY_SIX = 29,
    FORMATION_NICKEL = 30,
    FORMATION_DIME = 34,
    FORMATION_3_4_DIME = 35,
    FORMATION_PREVENT = 36,
    FORMATION_4_4 = 37,
    FIRST_SPECIAL_FORMATION = 39,
    FORMATION_KICKOFF = 39,
    FORMATION_ONSIDE_KICK = 40,
    FORMATION_PUNT = 41,
    FORMATION_FIELD_GOAL = 42,
    FORMATION_EXTRA_POINT = 43,
    FORMATION_KICKOFF_RETURN = 44,
    FORMATION_ONSIDE_RETURN = 45,
    FORMATION_PUNT_RETURN = 46,
    FORMATION_FIELD_GOAL_BLOCK = 47,
    LAST_FORMATION = 47
};

#define FORMATION_NAME_SIZE 32
#define FORMATION_RETURNER 15  // a returner spot: depth 1 returns kicks, depth 2 punts
#define SPOT_FIELD_POSITION 0
#define SPOT_FIELD_DEPTH 1
#define LINEUP_EMPTY (-1)
#define LINEUP_MODE_STARTERS 0
#define LINEUP_MODE_REST_QB 1  // the backup quarterback takes the starter's spots

// One spot of a formation: who fills it (position and depth from 1) and where it stands.
typedef struct FORMATION_SPOT {
    int nPosition;
    int nDepth;
    double x;  // yards across, negative to the offence's left
    double y;  // yards along, negative in the offence's backfield
} FORMATION_SPOT;

extern const FORMATION_SPOT FORMATION_SPOT_TABLE[FORMATION_COUNT][FORMATION_SPOTS];

void Get_Formation_Name(int nFormation, char* st, int nSize);  // st holds FORMATION_NAME_SIZE
int Is_Shotgun_Formation(int nFormation);
void Get_Formation_Coordinate(int nFormation, int nPlayer, double* pX, double* pY);
int Get_Formation_Spot_Position(int nFormation, int nSpot, int nField);  // depth from 0
int Get_Position_Starter_Count(int nTeam, int nPosition);

// ---- depth-chart and surplus lookups (position_players.cpp) -------------------------------------
uint8_t Get_Available_Position_Player(int nTeam, int nPosition, int n);
void Open_Position_Player_Cache(int nTeam);  // while one team's formations are filled
void Close_Position_Player_Cache(void);
int Get_Cached_Depth_Chart_Score(int nTeam, int nSlot, int nPosition);
int Peek_Depth_Chart_Score(int nTeam, int nSlot, int nPosition);  // INT_MIN when not kept
typedef struct HEALTHY_ROSTER {  // the uninjured players with an id, in slot order
    int nCount;
    uint8_t anSlots[PLAYERS_PER_TEAM];
    int32_t anIds[PLAYERS_PER_TEAM];
} HEALTHY_ROSTER;
const HEALTHY_ROSTER* Get_Healthy_Roster(int nTeam, HEALTHY_ROSTER* pScratch);
uint8_t Get_Team_Position_Player_Checked(int nTeam, int nPosition, int n);
int Find_Team_Surplus_Position(int nTeam);
uint8_t Find_Least_Valuable_Surplus_Player(int nTeam);

// ---- formation lineups (formation_lineups.cpp) --------------------------------------------------
uint8_t Get_Formation_Spot_Player(int nFormation, int nTeam, int nSpot, int bBackup);
int Get_Formation_Lineup_Entry(int nFormation, int nTeam, int nSpot);  // 1 when it holds an id
void Set_Formation_Lineup_Entry(int nFormation, int nTeam, int nSpot, int nId);
PLAYER_REF Get_Formation_Lineup_Player(int nFormation, int nTeam, int nSpot);
int Is_In_Formation_Lineup(int nTeam, int nFormation, int nSlot);
int Fill_Formation_Lineup(int nFormation, int nTeam, int nMode);  // 1 when every spot was filled
int Fill_Team_Formation_Lineups(int nTeam, int nMode);

// ---- the formations of a play (play_formations.cpp) ---------------------------------------------
void Set_Default_Formations(GAME* pGame);
void Set_Play_Formations(GAME* pGame);
void Fill_On_Field_Players(GAME* pGame, int nSide);

// ---- the computer's defensive formation (defensive_formation.cpp) -------------------------------
int Set_Team_Formations(GAME* pGame);  // -1 for an unknown DOWN_FLAG

// ---- kicking range (kicking_range.cpp) ----------------------------------------------------------
int Get_Kicker_Range(int nTeam, int nSlot);
int Get_Field_Goal_Range(GAME* pGame);

// ---- game decisions (two_point_try.cpp, resting_starters.cpp) -----------------------------------
int Decide_Two_Point_Try(GAME* pGame);
int Ask_Two_Point_Try(GAME* pGame);
int Should_Rest_Starters(GAME* pGame);

// ---- playbooks: records and images -------------------------------------------------------------
#define OFFENSIVE_PLAY_COUNT 60
#define TEAM_OFFENSIVE_PLAY_COUNT 54  // plays 54..59 always come from the default table
#define DEFENSIVE_PLAY_COUNT 30
#define KICKING_PLAY_COUNT 10
#define PLAY_NAME_SIZE 64
#define PLAY_DESCRIPTION_SIZE 128
#define PLAY_RECEIVERS 5
#define PLAY_DEFENDERS 11
#define PLAYBOOK_CATEGORY_SIZE 32
#define OFFENSIVE_CATEGORY_COUNT 6
#define DEFENSIVE_CATEGORY_COUNT 3
#define PLAYBOOK_DESCRIPTION_SIZE 512
#define PLAYBOOK_NAME_SIZE 40
#define OFFENSIVE_SITUATION_COUNT 5
#define PLAY_CLASS_COUNT 6
#define DEFAULT_PLAYBOOK (-1)  // the team number that reads the built-in tables

#define KNEEL_DOWN_PLAY 54
#define HARD_CODED_PUNT_PLAY 58
#define HARD_CODED_FIELD_GOAL_PLAY 59

enum PLAY_TYPE {
    PLAY_DIVE = 0,
    PLAY_PITCH = 1,
    PLAY_SWEEP = 2,
    PLAY_DRAW = 3,
    PLAY_TRAP = 4,
    PLAY_END_AROUND = 5,
    PLAY_PASS = 6,
    PLAY_ROLLOUT = 7,
    PLAY_OPTION = 8,
    PLAY_PUNT = 16,
    PLAY_FIELD_GOAL = 17,
    PLAY_KICKOFF = 18,
    PLAY_ONSIDE_KICK = 19,
    PLAY_KNEEL = 20
};

enum PLAY_CLASS {
    CLASS_INSIDE_RUN = 0,
    CLASS_OUTSIDE_RUN,
    CLASS_DRAW,
    CLASS_SHORT_PASS,
    CLASS_MEDIUM_PASS,
    CLASS_LONG_PASS
};

// The situations of the offensive result counters.
enum OFFENSIVE_SITUATION {
    SITUATION_ALL = 0,
    SITUATION_LATE_DOWN,
    SITUATION_SHORT_YARDAGE,
    SITUATION_LONG_YARDAGE,
    SITUATION_AGAINST_BLITZ
};

#define LAST_RUSHING_ROLE 3  // DEFENSIVE_ROLE 0..3 rush the passer
#define DEEP_ZONE_ROLE 8
#define DOUBLE_TEAM_ROLE 18

enum OFFENSIVE_SYSTEM {
    SYSTEM_DEFAULT = 0,
    SYSTEM_WEST_COAST,
    SYSTEM_DOUBLE_TIGHT_END,
    SYSTEM_TWO_BACK
};

typedef struct OFFENSIVE_PLAY {
    char szName[PLAY_NAME_SIZE];  // empty: no play
    int32_t nFormation;           // low byte; the second byte is a play-action fake's hole
    int32_t nType;                // PLAY_TYPE
    int32_t nPrimaryPlayer;       // 1 the quarterback, 2..6 receivers 0..4, -1 none
    int32_t nHole;                // 0..9, -1 none
    int32_t anRoutes[PLAY_RECEIVERS];
    char szDescription[PLAY_DESCRIPTION_SIZE];
} OFFENSIVE_PLAY;

typedef struct DEFENSIVE_PLAY {
    char szName[PLAY_NAME_SIZE];
    int32_t nFormation;
    int32_t anRoles[PLAY_DEFENDERS];  // DEFENSIVE_ROLE by formation spot
    char szDescription[PLAY_DESCRIPTION_SIZE];
} DEFENSIVE_PLAY;

static_assert(sizeof(OFFENSIVE_PLAY) == 228);
static_assert(offsetof(OFFENSIVE_PLAY, anRoutes) == 80);
static_assert(sizeof(DEFENSIVE_PLAY) == 240);
static_assert(offsetof(DEFENSIVE_PLAY, szDescription) == 112);

// The image of TEAM.abOffensivePlaybook and of an .opb file.
typedef struct OFFENSIVE_PLAYBOOK {
    char aszCategories[OFFENSIVE_CATEGORY_COUNT][PLAYBOOK_CATEGORY_SIZE];
    OFFENSIVE_PLAY aPlays[OFFENSIVE_PLAY_COUNT];
    uint8_t abUnused[752];
    int16_t aanYards[OFFENSIVE_PLAY_COUNT][OFFENSIVE_SITUATION_COUNT];
    int16_t aanPlays[OFFENSIVE_PLAY_COUNT][OFFENSIVE_SITUATION_COUNT];
    uint8_t aabSacks[OFFENSIVE_PLAY_COUNT][OFFENSIVE_SITUATION_COUNT];  // and lost fumbles
    uint8_t aabTouchdowns[OFFENSIVE_PLAY_COUNT][OFFENSIVE_SITUATION_COUNT];
    uint8_t aabTurnovers[OFFENSIVE_PLAY_COUNT][OFFENSIVE_SITUATION_COUNT];
    uint8_t aabConversions[OFFENSIVE_PLAY_COUNT][OFFENSIVE_SITUATION_COUNT];
    char szDescription[PLAYBOOK_DESCRIPTION_SIZE];
    char szName[PLAYBOOK_NAME_SIZE];
    uint8_t abCardData[2104];  // the play-card editor's; never touched here
} OFFENSIVE_PLAYBOOK;

// The image of TEAM.abDefensivePlaybook and of a .dpb file; counters by PLAY_CLASS faced.
typedef struct DEFENSIVE_PLAYBOOK {
    char aszCategories[DEFENSIVE_CATEGORY_COUNT][PLAYBOOK_CATEGORY_SIZE];
    DEFENSIVE_PLAY aPlays[DEFENSIVE_PLAY_COUNT];
    int16_t aanYards[DEFENSIVE_PLAY_COUNT][PLAY_CLASS_COUNT];
    int16_t aanPlays[DEFENSIVE_PLAY_COUNT][PLAY_CLASS_COUNT];
    uint8_t aabSacks[DEFENSIVE_PLAY_COUNT][PLAY_CLASS_COUNT];
    uint8_t aabTouchdowns[DEFENSIVE_PLAY_COUNT][PLAY_CLASS_COUNT];
    uint8_t aabTurnovers[DEFENSIVE_PLAY_COUNT][PLAY_CLASS_COUNT];
    uint8_t aabConversions[DEFENSIVE_PLAY_COUNT][PLAY_CLASS_COUNT];
    char szDescription[PLAYBOOK_DESCRIPTION_SIZE];
    char szName[PLAYBOOK_NAME_SIZE];
    uint8_t abUnused[228];
} DEFENSIVE_PLAYBOOK;

static_assert(sizeof(OFFENSIVE_PLAYBOOK) == OFFENSIVE_PLAYBOOK_BYTES);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, aanYards) == 14624);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, aabConversions) == 16724);
static_assert(offsetof(OFFENSIVE_PLAYBOOK, szName) == 17536);
static_assert(sizeof(DEFENSIVE_PLAYBOOK) == DEFENSIVE_PLAYBOOK_BYTES);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, aanYards) == 7296);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, szDescription) == 8736);
static_assert(offsetof(DEFENSIVE_PLAYBOOK, szName) == 9248);

// The built-in plays (default_offensive_plays.cpp, default_defensive_plays.cpp, kicking_plays.cpp).
extern const OFFENSIVE_PLAY gDefaultOffensivePlays[OFFENSIVE_PLAY_COUNT];
extern const DEFENSIVE_PLAY gDefaultDefensivePlays[DEFENSIVE_PLAY_COUNT];
extern const OFFENSIVE_PLAY gKickingPlays[KICKING_PLAY_COUNT];

// A team's images (playbook_images.cpp): teams in use and 36..40, else NULL.
OFFENSIVE_PLAYBOOK* Get_Team_Offensive_Playbook(int nTeam);
DEFENSIVE_PLAYBOOK* Get_Team_Defensive_Playbook(int nTeam);

// ---- playbooks: reading plays (offensive_plays.cpp, defensive_plays.cpp, kicking_plays.cpp) ----
// Team DEFAULT_PLAYBOOK reads the built-in tables. Name and description outputs hold
// PLAY_NAME_SIZE and PLAY_DESCRIPTION_SIZE bytes; a play out of range reads empty.
const OFFENSIVE_PLAY* Get_Offensive_Play(int nTeam, int nPlay);  // NULL out of range
void Get_Offensive_Play_Name(int nTeam, int nPlay, char* st, int nSize);
void Get_Offensive_Play_Description(int nTeam, int nPlay, char* st, int nSize);
int Get_Offensive_Play_Formation(int nTeam, int nPlay);
int Get_Offensive_Play_Type(int nTeam, int nPlay);
int Get_Offensive_Play_Primary_Player(int nTeam, int nPlay);
int Get_Offensive_Play_Hole(int nTeam, int nPlay);
int Get_Offensive_Play_Fake_Hole(int nTeam, int nPlay);
int Get_Offensive_Play_Route(int nTeam, int nPlay, int nReceiver);
int Get_Offensive_Play_Depth_Class(int nTeam, int nPlay);
int Is_Run_Play(int nTeam, int nPlay);
int Is_Pass_Play(int nTeam, int nPlay);
int Is_Rollout_Or_Option_Play(int nTeam, int nPlay);
int Is_Kneel_Down_Play(int nTeam, int nPlay);
int Is_Offensive_Play_Defined(int nTeam, int nPlay);
// A PLAYBOOK_DESCRIPTION_SIZE buffer holds any description.
void Get_Offensive_Playbook_Description(int nTeam, char* st, int nSize);

const DEFENSIVE_PLAY* Get_Defensive_Play(int nTeam, int nPlay);  // NULL out of range
void Get_Defensive_Play_Name(int nTeam, int nPlay, char* st, int nSize);
void Get_Defensive_Play_Description(int nTeam, int nPlay, char* st, int nSize);
int Get_Defensive_Play_Formation(int nTeam, int nPlay);
int Get_Defensive_Play_Role(int nTeam, int nPlay, int nDefender);
int Is_Blitz_Play(int nTeam, int nPlay);
int Is_Defensive_Play_Defined(int nTeam, int nPlay);
void Get_Defensive_Playbook_Description(int nTeam, char* st, int nSize);

// Kicking plays by number modulo 10.
void Get_Kicking_Play_Name(int nPlay, char* st, int nSize);
void Get_Kicking_Play_Description(int nPlay, char* st, int nSize);
int Is_Kicking_Play_Defined(int nPlay);
int Get_Kicking_Play_Formation(int nPlay);
int Get_Kicking_Play_Type(int nPlay);
int Get_Kicking_Play_Route(int nPlay, int nReceiver);

// ---- playbooks: editing and defaults (playbook_edits.cpp, default_playbooks.cpp) ----------------
void Set_Offensive_Play_Route(int nTeam, int nPlay, int nReceiver, int nRoute);
int Set_Offensive_Play_Primary_Player(int nTeam, int nPlay, int n);
void Set_Defensive_Play_Role(int nTeam, int nPlay, int nPlayer, int nRole);
void Set_Team_Default_Playbook(int nTeam);
void Reset_All_Playbooks(void);
void Check_Defensive_Playbook_Scheme(int nTeam);  // playbook_scheme.cpp
// A team's own play, to be changed in place; NULL for the fixed plays 54..59 and teams without
// playbooks.
OFFENSIVE_PLAY* Get_Editable_Offensive_Play(int nTeam, int nPlay);
DEFENSIVE_PLAY* Get_Editable_Defensive_Play(int nTeam, int nPlay);

// ---- playbooks: what a spot may be given (playbook_validation.cpp) ------------------------------
int Can_Position_Run_Route(int nPosition, int nRoute);
// The route, or the next one the position may run in the step's direction (modulo the 43 listed).
int Adjust_Route_For_Position(int nPosition, int nRoute, int nStep);
int Fix_Defensive_Role(int nPosition, int nRole);  // the role, or what replaces it at the position
// Makes a play's assignments consistent after a change of nStep (new value minus old) in one.
void Validate_Play_Assignments(int nTeam, int nSide, int nPlay, int nStep);
int Has_Play_Result_Data(int nTeam, int nSide, int nPlay);  // the play was ever counted

// ---- playbooks: styles by era (playbook_styles.cpp, playbook_assignment.cpp) -------------------
const char* Get_Team_Playbook_Style(int nTeam, int nYear);  // NULL for a team without a style
const char* Get_System_Playbook_Name(int nSystem);
int Choose_Team_Offensive_System(int nTeam);
void Assign_Default_Playbooks(void);

// ---- playbooks: result counters (play_results.cpp) ---------------------------------------------
#define PLAYBOOK_SIDE_OFFENCE 0
#define PLAYBOOK_SIDE_DEFENCE 1

void Reset_Playbook_Usage_Counters(int nTeam, int nSide);
void Reset_Play_Usage_Counters(int nTeam, int nSide, int nPlay);
void Reset_All_Play_Usage_Counters(void);
void Record_Play_Result_Counts(GAME* pGame);
void Write_Play_Results_Summary(void);

// ---- playbooks: the calls of the game being played (play_uses.cpp) -----------------------------
extern int gGameOffensivePlayUses[2][OFFENSIVE_PLAY_COUNT];  // by side with the ball and call
extern int gGameDefensivePlayUses[2][DEFENSIVE_PLAY_COUNT];  // by defending side and call
extern int gLastOffensiveCall;
extern int gLastDefensiveCall;

void Reset_Game_Play_Uses(void);
void Record_Offensive_Play_Use(int nSide, int nCall);  // also the last offensive call
void Record_Defensive_Play_Use(int nSide, int nCall);

// ---- pass routes (pass_route_table.cpp, pass_routes.cpp) ---------------------------------------
#define PASS_ROUTE_COUNT 57
#define ROUTE_POINT_COUNT 4
#define PASS_ROUTE_NAME_SIZE 32

// ROUTE_SEGMENT_FLAG bits.
#define ROUTE_WIGGLE 0x1
#define ROUTE_HITCH 0x2
#define ROUTE_ARROW 0x4
#define ROUTE_DOTTED_LINE 0x8
#define ROUTE_BLOCK 0x10
#define ROUTE_TOP_SEMI 0x20
#define ROUTE_BOTTOM_SEMI 0x40
#define ROUTE_NO_LINE 0x80
#define ROUTE_MEDIUM_ARROW 0x100
#define ROUTE_LARGE_ARROW 0x200
#define ROUTE_NEW_PATH 0x400

enum ROUTE_KIND {
    ROUTE_KIND_DOWNFIELD = 0,
    ROUTE_KIND_BACKFIELD,
    ROUTE_KIND_TRICK,
    ROUTE_KIND_RUN_BLOCK,
    ROUTE_KIND_DELAYED
};

// Route codes the engine asks for by name.
enum PASS_ROUTE_CODE {
    ROUTE_PLAY_ACTION_DUMP = 31,
    ROUTE_PLAY_ACTION_FLAT = 32,
    ROUTE_PLAY_ACTION = 37,
    ROUTE_PASS_BLOCK = 39,
    ROUTE_LEAD_BLOCK = 40,
    ROUTE_KICKOFF = 52,
    ROUTE_FIELD_GOAL = 53,
    ROUTE_RUSH = 54,
    ROUTE_BACKFIELD_SCREEN = 55,
    NO_ROUTE = -1
};
#define ROUTE_SLANT 2
#define ROUTE_REVERSE 45
#define LAST_LISTED_ROUTE 42  // a receiver's list offers routes 0..42, a run's carrier all 57

typedef struct ROUTE_POINT {
    double x;  // yards across, positive to the right of the formation's picture
    double y;  // yards downfield
} ROUTE_POINT;

typedef struct PASS_ROUTE {
    const char* szName;
    ROUTE_POINT aPoints[ROUTE_POINT_COUNT];  // trailing (0, 0) points end the path
    int32_t anSegmentFlags[ROUTE_POINT_COUNT];
    int32_t nKind;      // ROUTE_KIND
    int32_t nMinDepth;  // yards past the line where a pass can reach the receiver
    int32_t nMaxDepth;
} PASS_ROUTE;

extern const PASS_ROUTE gPassRoutes[PASS_ROUTE_COUNT];

void Get_Pass_Route_Name(int nRoute, char* st, int nSize);  // st holds PASS_ROUTE_NAME_SIZE
ROUTE_POINT Get_Pass_Route_Point(int nRoute, int n);
void Get_Route_Segment_Ends(int nSegment, int nRoute, ROUTE_POINT* pStart, ROUTE_POINT* pEnd);
int Get_Pass_Route_Segment_Flag(int nRoute, int nSegment);
int Get_Route_Min_Depth(int nRoute);
int Get_Route_Max_Depth(int nRoute);
int Get_Route_Kind(int nRoute);
int Get_Route_Average_Depth(int nRoute);
int Valid_Receiving_Route(int nRoute);
int Is_Play_Action_Route(int nRoute);
int Has_Arrow_Flag(int nFlags);
int Get_Hole_Lateral_Offset(int nHole);

// Route questions about a play (play_routes.cpp).
int Offensive_Play_Has_Lead_Block(int nTeam, int nPlay);
int Is_Play_Action_Play(int nTeam, int nPlay);
int Is_Read_Option_Play(int nTeam, int nPlay);
int Is_End_Around_Play(int nTeam, int nPlay);
int Get_Play_Run_Hole(GAME* pGame);

// Players of the play being run, as on-field roster slots; 255 none (route_players.cpp).
uint8_t Find_Play_Action_Back(GAME* pGame);
uint8_t Pick_Pass_Blocker(GAME* pGame);
uint8_t Pick_Random_Rusher(GAME* pGame);
uint8_t Find_Defensive_Play_Action_Player(GAME* pGame);

// ==== one game: set-up, play loop, clock, downs and statistics ====================================
#define GAME_FLAG_TIMEOUT_STOP 0x100  // flags bit 8: the clock stopped before the snap
#define GAME_FLAG_OTHER_STOP 0x200    // flags bit 9: its companion

// ---- game set-up (game_setup.cpp, game_weather.cpp, game_attendance.cpp) ------------------------
int Play_Game(int nHome, int nVisitor, int nWeek, GAME* pGame);  // 1 when the game is over
void Set_Game_Lineups(GAME* pGame);
void Prepare_Game(GAME* pGame);
void Snapshot_Game_Player_Ids(GAME* pGame);
void Clear_On_Field_Markers(GAME* pGame);
int Set_Side_Lineups(GAME* pGame, int nSide);
void Credit_Game_Starters(GAME* pGame);
void Set_Game_Weather(GAME* pGame);
int Roll_Precipitation(int nHome, int nMonth);
int Roll_Temperature(int nHome, int nMonth, int nFlag, int nPrecipitation);
void Set_Game_Attendance(GAME* pGame);
int Get_Game_Weather(GAME* pGame);  // weather kind 0..7

// ---- the play loop (play_loop.cpp, play_runner.cpp, watched_game.cpp) ---------------------------
int Begin_Game(GAME* pGame);  // 1 when played to its end, 0 when the advance stopped inside it
void Run_Game_Plays(GAME* pGame);
void Run_Play(GAME* pGame);
void Set_Play_Runoff(GAME* pGame);  // the seconds before the snap into the play's seconds
int Is_Offense_Hurrying(GAME* pGame);
int Is_Game_Watched(GAME* pGame);
GAME* Get_Displayed_Game(void);
int Get_Play_Call_Stage(void);
void Make_Computer_Play_Calls(void);
int Choose_Timeout_Team(GAME* pGame);
void Set_Fast_Forward(int n);
int Is_Fast_Forwarding(void);
int Is_Waiting_For_Play_Calls(GAME* pGame);
void Take_Watched_Play_Calls(GAME* pGame, int nOffenceCall, int nDefenceCall);
void Show_Watched_Play(GAME* pGame);
void Wait_For_Next_Play(void);
int Is_Waiting_For_Click(void);  // "Click to continue..." waits on the Games page
void Redraw_Main_Window(void);  // a watched game's screen is painted again
int Get_Animation_Frame_Time(void);
int Is_Touchdown_Result(int nResult);
int Get_Extra_Point_Line(void);
int Get_Touchback_Yard_Line(void);
int Get_Coin_Toss_Bit(GAME* pGame);

// ---- down, distance and scoring (downs.cpp, possession.cpp) -------------------------------------
void Advance_Down_And_Distance(GAME* pGame);
void Update_Red_Zone_Entry(GAME* pGame);
// The red-zone drives of the games played since the program started (or the counts were cleared),
// by the yard line 1..20 of the first down that began them: 0 outside that range.
#define RED_ZONE_LINE 20
enum RED_ZONE_COUNT {
    RED_ZONE_POSSESSIONS,
    RED_ZONE_FIELD_GOALS,
    RED_ZONE_TOUCHDOWNS,
    RED_ZONE_COUNT_KINDS
};
int Get_Red_Zone_Count(int nKind, int nYardLine);
void Clear_Red_Zone_Counts(void);
int Get_Kickoff_Yard_Line(void);
void Change_Possession(GAME* pGame);
void Reset_Drive_Counters(GAME* pGame);
void Set_Up_Kickoff(GAME* pGame);

// ---- game statistics (game_stats.cpp) ------------------------------------------------------------
void Increment_Game_Team_Stat(GAME* pGame, int bTeam, int nStat);
void Set_Game_Team_Stat(GAME* pGame, int bTeam, int nStat, int nValue);
void Increment_Game_Team_Total(GAME* pGame, int bTeam, int nStat, int nAmount);
void Increment_Player_Stat(int nTeam, int nSlot, int nStat, int nAmount);
void Credit_Player_Game_Event(int nTeam, GAME* pGame, int nSlot, int nGroup, int nStat,
                              int nAmount);
void Add_Player_Game_Counter(GAME* pGame, int bTeam, int nSlot, int nCounter, int nAmount);
void Credit_Rushing_Play(int nSlot, GAME* pGame, int nYards, int nHole);
// The carrier's and the linemen's lines without the game's team rushing totals, which count the
// runs the play log shows (the box score's rows): for a carry that ends in a lost fumble or that a
// penalty flag wipes out.
void Credit_Rushing_Line(int nSlot, GAME* pGame, int nYards, int nHole);
// A run's credit by the result it has set: a run the log shows as one (results 9..12) counts in
// the team's game totals; a run tackled for a safety is the carrier's and the linemen's only.
void Credit_Carry(int nSlot, GAME* pGame, int nYards, int nHole);
void Charge_Sack_Allowed(GAME* pGame);
int Credit_Sack(GAME* pGame, int nQuarterbackSlot);  // the (first) sacker's slot
// The sack's team totals (net passing yards), the linemen charged and the passer's times sacked.
void Record_Sack(GAME* pGame, int nQuarterbackSlot);
void Credit_Games_Played(GAME* pGame);
void Reset_Current_Play(GAME* pGame);
void Add_Game_Score(GAME* pGame, int bTeam, int nPoints);
void Set_Overtime_Possession(GAME* pGame, int bHome);
int Get_Player_Game_Score(GAME* pGame, int bTeam, int nIndex);
void Mark_Play_Log_Entry(GAME* pGame);
void Append_Play_To_Log(GAME* pGame);
int Get_Play_Result(const PLAY* pPlay);
void Set_Play_Result(PLAY* pPlay, int nResult);

// ---- points by play (game_points.cpp) ------------------------------------------------------------
void Add_Play_Points(int bHome, int nResult, int anScore[2]);
int Get_Game_Period_Points(GAME* pGame, int nPeriod, int bTeam);
void Get_Title_Game_Name(GAME* pGame, char* st, int nSize);

// ---- play calling, play resolution, injuries and the game's text (play_calling.cpp,
// simple_plays.cpp, game_events.cpp, play_text.cpp) ----------------------------------------------
int Choose_Offensive_Play(GAME* pGame);
int Choose_Defensive_Play(GAME* pGame);
void Fill_Play_Matchup_Table(GAME* pGame);
int Check_For_Penalty(GAME* pGame);  // 1 when a penalty ended the play
void Run_Scrimmage_Play(GAME* pGame);
void Kick_Off(GAME* pGame);
void Onside_Kick(GAME* pGame);
void Punt(GAME* pGame);
void Kick_Field_Goal(GAME* pGame);
void Kick_Extra_Point(GAME* pGame);
int Choose_Game_Event_Player(GAME* pGame, int nGroup, int nStat, int bPenalty);

// ---- report output (report_sink.cpp) -----------------------------------------------------------
// The engine and the season publish; the reports write. The reports install their writers at
// start-up (Install_Report_Writers); with none installed a game and a season write no report.
typedef struct REPORT_SINK {
    void (*pfnGameStarted)(GAME* pGame);   // a new game's kick-off: the box-score body starts anew
    void (*pfnPlayResolved)(GAME* pGame);  // after each play's result, the scores as they stand
    void (*pfnGameOver)(GAME* pGame);      // the final whistle: the body's closing tables
    void (*pfnGameClosed)(void);           // the body's closing tags, once the game has ended
    void (*pfnBoxScoreCleared)(void);      // the body emptied (its file written, or no texts kept)
    void (*pfnSeasonClosed)(void);         // the season's text reports as the season is closed
} REPORT_SINK;
void Install_Report_Sink(const REPORT_SINK* pSink);  // copied; NULL takes the writers away
void Publish_Game_Started(GAME* pGame);
void Publish_Play_Resolved(GAME* pGame);
void Publish_Game_Over(GAME* pGame);
void Publish_Game_Closed(void);
void Publish_Box_Score_Cleared(void);
void Publish_Season_Closed(void);

// ---- the game's texts (play_text.cpp, situation_text.cpp) --------------------------------------
#define PLAY_BY_PLAY_TEXT_SIZE 100000
#define PLAY_LINE_SIZE 1024
const char* Get_Play_By_Play_Text(void);
void Clear_Game_Texts(void);  // the text play-by-play, the page head and the recap body
// Off while games are played whose play-by-play, recap and box score nobody reads: they are left
// empty. No draw of a game depends on its texts. On by default.
void Set_Game_Texts_Kept(int bKept);
int Are_Game_Texts_Kept(void);
void Write_Game_Html_Head(GAME* pGame);
void Write_Period_Header(GAME* pGame);
void Write_Box_Score_Header(GAME* pGame);
void Append_Play_Lines(GAME* pGame);  // the recap's and the play-by-play text's
void Append_Play_Result(GAME* pGame);
void Append_Injury_Line(int nTeam, int nSlot);
void Queue_Period_End_Event(GAME* pGame);
void Format_Game_Clock(GAME* pGame, int bPeriodStart, char* st, int nSize);
// A line put together piece by piece (line_text.cpp), cut at its size as Format_String cuts.
typedef struct LINE_TEXT {
    char* st;
    int nSize;
    int nLength;
} LINE_TEXT;
void Start_Line_Text(LINE_TEXT* p, char* st, int nSize);
void Put_Text(LINE_TEXT* p, const char* sz);
void Put_Padded(LINE_TEXT* p, const char* sz, int nWidth);     // as "%*s"; nWidth < 0 aligns left
void Put_Number(LINE_TEXT* p, int n, int nWidth, int bZeros);  // as "%*d", or "%0*d" with bZeros
void Get_Down_Text(GAME* pGame, char* st, int nSize);
void Get_Short_Down_Text(GAME* pGame, int bHtml, char* st, int nSize);
void Get_Short_Field_Position(GAME* pGame, char* st, int nSize);
void Get_Field_Position_Text(GAME* pGame, char* st, int nSize);
void Get_Situation_Sentence(GAME* pGame, char* st, int nSize);

// ---- play-by-play narration (narration.cpp, narration_phrases.cpp, play_summary.cpp) -----------
#define NARRATION_KIND_COUNT 54
#define NARRATION_VARIANTS 20
enum NARRATION_KIND {
    NARRATION_SERIES_START = 0,
    NARRATION_SNAP,
    NARRATION_DROP_BACK,
    NARRATION_BLOCK,
    NARRATION_PASS_BLOCK,
    NARRATION_BLITZ,
    NARRATION_PRESSURE,
    NARRATION_ESCAPE,
    NARRATION_SCRAMBLE,
    NARRATION_COVERAGE,
    NARRATION_RECEIVER_OPEN,
    NARRATION_THROW,
    NARRATION_KNOCKED_DOWN,
    NARRATION_INCOMPLETE,
    NARRATION_CATCH,
    NARRATION_DROP,
    NARRATION_HIT,
    NARRATION_EXTRA_YARDS,
    NARRATION_BREAKS_THROUGH,
    NARRATION_BREAKS_TACKLE,
    NARRATION_ROOM_TO_RUN,
    NARRATION_TACKLED,
    NARRATION_INTERCEPTION,
    NARRATION_HANDOFF,
    NARRATION_FAKE,
    NARRATION_BITES,
    NARRATION_DROP_INTO_COVERAGE,
    NARRATION_RUN_DIRECTION,
    NARRATION_LONG_RUN,
    NARRATION_FUMBLE,
    NARRATION_PILE,
    NARRATION_POSSESSION,
    NARRATION_PICKED_UP,
    NARRATION_DIVE,
    NARRATION_TOUCHDOWN,
    NARRATION_FIRST_DOWN,
    NARRATION_SACK,
    NARRATION_SAFETY,
    NARRATION_RETURNER_BACK,
    NARRATION_KICK_AWAY,
    NARRATION_KICK_FIELDED,
    NARRATION_FLAG,
    NARRATION_FIELD_GOAL_UNIT,
    NARRATION_KICK_SNAP,
    NARRATION_KICK_UP,
    NARRATION_KICK_RESULT,
    NARRATION_PLAYER_HURT,
    NARRATION_PLAYER_LEAVES,
    NARRATION_PLAYER_STAYS,
    NARRATION_TURNOVER_ON_DOWNS,
    NARRATION_QUARTERBACK_RUN,
    NARRATION_OUT_OF_BOUNDS,
    NARRATION_END_OF_QUARTER,
    NARRATION_KNEEL
};
// The flag of a kick-fielded event.
#define KICK_FIELDED_CAUGHT 0
#define KICK_FIELDED_FAIR_CATCH 1
#define KICK_FIELDED_TOUCHBACK 2

extern const char* const NARRATION_PHRASES[NARRATION_KIND_COUNT][NARRATION_VARIANTS];
void Narrate_Play_Event(GAME* pGame, int nKind, int nNumber, int nSecond, int nFlag, int nPlayer0,
                        int nPlayer1);
int Choose_Narration_Variant(GAME* pGame, int nKind, int nNumber, int nSecond, int nFlag,
                             int nPlayer0, int nPlayer1);
void Render_Narration_Event(GAME* pGame, const uint8_t* pEvent, char* st, int nSize);
int Is_Narration_Token(const char* szText);  // szText starts with a known token
void Narrate_Snap(GAME* pGame);
void Narrate_Run_Start(GAME* pGame);
void Narrate_Pressure(GAME* pGame, int nRusherId);
void Narrate_Incomplete_Pass(GAME* pGame, int nTarget, int nDefender, int nDistance);
void Narrate_Completed_Pass(GAME* pGame, int nTarget, int nYardsAfterCatch, int nDistance);
void Narrate_Sack(GAME* pGame, int nSacker);
int Is_Drop_Back_Play(GAME* pGame);
int Count_Play_Events(GAME* pGame);
void Get_Narration_Line(int n, char* st, int nSize);
int Find_On_Field_Spot(GAME* pGame, int bSide, int nSlot);
int Get_Target_Route(GAME* pGame, int nSlot);  // NO_ROUTE for the passer or a player off the field
const char* Get_Run_Direction_Phrase(int nHole, int nSelector);
const char* Get_Pass_Location_Phrase(GAME* pGame, int nTargetSlot, int nDepth);
void Write_Play_Summary_Sentence(GAME* pGame, const PLAY* pPlay, char* st, int nSize);

// ---- the game's result and report files (game_result.cpp) --------------------------------------
#define REPORT_FILE_NAME_SIZE 64
void Record_Game_Result(GAME* pGame, int nWeek);
int Write_Box_Score_File(int bClear);  // 1 when the file was written
int Write_Recap_File(int bClear);
void Get_Current_Game_Box_File_Name(char* st, int nSize);
void Get_Current_Game_Recap_File_Name(char* st, int nSize);
void Get_Selected_Game_Box_File_Name(char* st, int nSize);
void Get_Selected_Game_Recap_File_Name(char* st, int nSize);
void Draw_Live_Score_Box(GAME* pGame);  // the news pages' score box follows the live game

// ==== play resolution: unit strengths, event players, runs and passes ===========================
// ---- unit strengths of the players on the field (unit_strength.cpp) -----------------------------
float Soft_Limit(float x, float fLow, float fHigh);
float Limit_Ratio(float x, float b);
float Scale_Near_Goal_20(GAME* pGame, float x);
float Scale_Near_Goal_2(GAME* pGame, float x);
// A player's scale of a weight: Mul_Div(w, nNumerator, nDenominator) when it applies.
typedef struct WEIGHT_SCALE {
    int nNumerator;
    int nDenominator;
    int bApplies;
} WEIGHT_SCALE;
inline int Apply_Weight_Scale(const WEIGHT_SCALE* pScale, int w) {
    return pScale->bApplies ? Mul_Div(w, pScale->nNumerator, pScale->nDenominator) : w;
}
WEIGHT_SCALE Get_Receiving_Pace_Scale(int nTeam, int nSlot);
float Get_Receiving_Corps_Strength(GAME* pGame);
float Get_Backfield_Running_Strength(GAME* pGame);
float Get_Skill_Position_Strength(GAME* pGame);
float Get_Run_Blocking_Strength(GAME* pGame);
float Get_Pass_Protection_Strength(GAME* pGame);
float Get_Line_Discipline_Strength(GAME* pGame);
float Get_Run_Defense_Strength(GAME* pGame);
float Get_Tackling_Strength(GAME* pGame);
float Get_Pass_Coverage_Strength(GAME* pGame);
float Get_Pass_Rush_Strength(GAME* pGame);
float Get_Ball_Hawking_Strength(GAME* pGame);
float Get_Fumble_Forcing_Strength(GAME* pGame);

// ---- the player an event credits (event_players.cpp) --------------------------------------------
#define EVENT_ANY_PLAYER (-1)  // nStat of Choose_Game_Event_Player: every player weighs the same
int Estimate_Player_Stat_Frequency(int nTeam, int nSlot, int nStat);

// ---- weather and ball security of a play (play_weather.cpp) ------------------------------------
float Get_Run_Weather_Factor(GAME* pGame);
float Get_Wind_Factor(GAME* pGame);
float Get_Pass_Weather_Factor(GAME* pGame);
float Get_Kick_Weather_Factor(GAME* pGame);     // punts and field goals
int Get_Fumble_Factor(GAME* pGame, int nSlot);  // lost fumbles per 10,000 carries

// ---- kicks, returns and penalties (kickoffs.cpp, punts.cpp, place_kicks.cpp, kick_returns.cpp,
// penalties.cpp) ----------------------------------------------------------------------------------
#define KICK_RETURN_ALL_THE_WAY 110
#define RETURN_GROUP 4  // the group credited with returns: backs, receivers and defenders
#define PENALTY_NAME_SIZE 32
#define PENALTY_KIND_COUNT 16
float Get_Kick_Return_Breakaway_Rate(void);
float Get_Punt_Return_Breakaway_Rate(void);
int Get_Kick_Return_Yards(int nTeam, int nSlot, int bShort);
int Get_Punt_Return_Yards(int nTeam, int nSlot, int nPuntDistance);
// The narration events of a kick and its return.
enum KICK_EVENT {
    KICK_EVENT_BLOCK = 3,
    KICK_EVENT_TACKLED = 21,
    KICK_EVENT_RUN_DIRECTION = 27,
    KICK_EVENT_LONG_RUN = 28,
    KICK_EVENT_TOUCHDOWN = 34,
    KICK_EVENT_RETURNER_BACK = 38,
    KICK_EVENT_KICK_AWAY = 39,
    KICK_EVENT_KICK_FIELDED = 40
};

// What a return credits: the returner's returns (then its yards and touchdowns), the team stat and
// total, and the result of a touchdown.
typedef struct RETURN_CREDITS {
    int nReturns;
    int nTeamStat;
    int nTeamTotal;
    int nTouchdownResult;
    int bSkipKicker;  // a kickoff: the kicker makes the tackle only when no one else is drawn
} RETURN_CREDITS;
int Finish_Return(GAME* pGame, uint8_t nReturner, int nReturn, const RETURN_CREDITS* pCredits,
                  int* pTackler);
void Raise_Season_Best(int nTeam, int nSlot, int nStat, int n);
int Get_Field_Goal_Distance(GAME* pGame);
float Get_Extra_Point_Chance(GAME* pGame, int nTeam, int nKicker);
void Get_Penalty_Name(int nKind, char* st, int nSize);  // st holds PENALTY_NAME_SIZE

// ---- injuries on the field (play_injuries.cpp) ------------------------------------------------
#define NARRATION_EVENT_HURT 46
#define NARRATION_EVENT_INJURED 47
#define NARRATION_EVENT_BACK_IN 48
void Check_For_Injury(GAME* pGame);

// ---- timeouts, period ends and the two-minute warning (clock_events.cpp) -----------------------
int Check_For_Timeout(GAME* pGame);  // 1 when a team called one
int Check_Half_End(GAME* pGame);     // 1 when the play crossed the end of a half
void Update_Game_Clock(GAME* pGame);
int Is_Postseason_Game(GAME* pGame);
int Can_Game_End_Tied(GAME* pGame);
int Is_Last_Play_Of_Half(GAME* pGame);
int Does_Period_Expire(GAME* pGame);
int Is_Kneel_Down_Time(GAME* pGame);

// ---- out of bounds (out_of_bounds.cpp) ----------------------------------------------------------
#define GAME_FLAG_OUT_OF_BOUNDS 0x400        // flags bit 10
#define GAME_FLAG_OUT_OF_BOUNDS_HURRY 0x800  // flags bit 11
void Set_Out_Of_Bounds(GAME* pGame);
int Get_Route_Out_Of_Bounds_Chance(int nRoute);

// ---- what play calling tells the play (play_matchups.cpp, offensive_plays.cpp, defensive_plays.cpp)
int Get_Offensive_Play_Redundancy_Modifier(GAME* pGame, int nPlay);
int Get_Offensive_Repeat_Modifier(GAME* pGame, int nPlay, int bWatched);
int Get_Defensive_Play_Redundancy_Modifier(GAME* pGame, int nPlay);
float Get_Pass_Coverage_Multiplier(int nOffence, int nOffensivePlay, int nDefence,
                                   int nDefensivePlay);
float Get_Pass_Rush_Multiplier(int nOffence, int nOffensivePlay, int nDefence, int nDefensivePlay);
float Get_Run_Defence_Multiplier(GAME* pGame, int nOffensiveCall, int nDefensiveCall);
float Get_Combined_Pass_Defence_Multiplier(int nOffence, int nOffensivePlay, int nDefence,
                                           int nDefensivePlay);
int Get_Game_Pass_Rush_Multiplier(int nOffence, int nOffensivePlay, int nDefence,
                                  int nDefensivePlay);  // the call against a run at the hole
int Get_Play_Matchup_Rating(int nOffence, int nOffensivePlay, int nDefence, int nDefensivePlay);
int Is_Defensive_Formation(int nFormation);
int Get_Defensive_Formation_Pass_Focus(int nFormation);
int Get_Defensive_Formation_System_Match(int nScheme, int nFormation);
int Get_Team_Defensive_System_Match(int nTeam, int nFormation);
extern int gPlayMatchupTable[OFFENSIVE_PLAY_COUNT][DEFENSIVE_PLAY_COUNT];  // filled per game
int Get_Primary_Route(int nTeam, int nPlay);  // the primary receiver's route, NO_ROUTE for none
int Get_Play_Yardage(int nTeam, int nPlay);
int Is_Quick_Pass_Play(int nTeam, int nPlay);
int Has_Double_Team_Role(int nTeam, int nPlay);
int Count_Deep_Zone_Defenders(int nTeam, int nPlay);

// ---- what one snap's play calls work out (snap_memo.cpp) ---------------------------------------
typedef struct SNAP_ANSWER {
    uint64_t uSerial;  // the snap it was worked out in
    int nValue;
} SNAP_ANSWER;

void Open_Snap_Memo(const GAME* pGame);  // before the calls of a snap; nothing may change the game
void Close_Snap_Memo(void);              // until this
uint64_t Get_Snap_Serial(const GAME* pGame);  // 0 while no snap of this game is open
int Recall_Snap_Answer(SNAP_ANSWER* pKept, GAME* pGame, int (*pCompute)(GAME*));

// ---- the computer's offensive calls (play_calling.cpp, play_situations.cpp, offensive_play_draw.cpp,
// run_chance.cpp) --------------------------------------------------------------------------------
enum CALL_CLASS { CALL_RUN = 0, CALL_DRAW = 3, CALL_PASS = 6 };
int Find_Offensive_Play(int nClass, GAME* pGame, int nTarget);
int Get_Offensive_Play_Class(int nType);
int Get_Offensive_Formation_System_Match(int nSystem, int nFormation);
int Get_Team_Offensive_System_Match(int nTeam, int nFormation);
int Get_Offensive_Run_Chance(GAME* pGame);  // per mille
int Get_Top_Receiver_Threat(GAME* pGame);
WEIGHT_SCALE Get_Running_Back_Load_Scale(int nTeam, int nSlot);
int Limit_Running_Back_Load(int nTeam, int nSlot, int nWeight);
int Is_Onside_Kick_Situation(GAME* pGame);
int Is_Squib_Kick_Situation(GAME* pGame);
int Is_Punt_Situation(GAME* pGame);
int Is_Field_Goal_Situation(GAME* pGame);
int Has_Time_To_Get_Ball_Back(GAME* pGame);
int Is_Kneel_Down_Situation(GAME* pGame);
int Is_Overtime_Field_Goal_Situation(GAME* pGame);
int Is_Half_Almost_Over(GAME* pGame);
int Is_Last_Ten_Seconds_Of_Second_Half(GAME* pGame);
int Is_Game_In_Overtime(GAME* pGame);
int Get_Offensive_Deficit(GAME* pGame);  // the defence's score less the offence's

// ---- runs (run_plays.cpp, run_model.cpp) --------------------------------------------------------
void Run_Kneel_Down(GAME* pGame);
int Should_Scramble(GAME* pGame);
void Resolve_Run_Play(GAME* pGame, int bScramble);
int Get_Run_Kind(GAME* pGame, int bScramble);
int Get_Scramble_Yardage_Class(int nKind);
uint8_t Get_Ball_Carrier_Slot(GAME* pGame);
uint8_t Find_Point_Of_Attack_Blocker(GAME* pGame);
int Does_Play_End_Half(GAME* pGame);

// ---- passes (pass_plays.cpp, pass_outcome.cpp) --------------------------------------------------
enum PASS_OUTCOME {
    PASS_INCOMPLETE = 0,
    PASS_COMPLETE,
    PASS_INTERCEPTED,
    PASS_SACKED,
    PASS_KNOCKED_DOWN,
    PASS_SACK_FUMBLE
};
void Run_Pass_Play(GAME* pGame);
int Choose_Pass_Target(GAME* pGame, int* pbPrimary);
int Get_Pass_Depth(GAME* pGame, int nReceiver);
int Get_Pass_Outcome(GAME* pGame, int nReceiver, float fCatch, float fTotal, int bPrimary);
void Implement_Pass_Result(GAME* pGame, int nReceiver, int nOutcome, int nRoute, int nCatch,
                           int nTotal);
uint8_t Get_Receiver_Slot(GAME* pGame, int nReceiver);  // route slot 0..4

// Shared by the play models (play_draws.cpp).
int Random_Below_Float(double x);  // floor(u x), at most the last whole number below x
int Get_League_Average(int n);     // gLeagueAverages entry n, its default until one is computed
int Get_Play_Player_Id(GAME* pGame, int bSide, int nSlot);     // -1 for an empty spot
uint8_t Get_On_Field_Slot(GAME* pGame, int bSide, int nSpot);  // 255 outside 0..10
int Is_Try_Play(GAME* pGame);
void Set_Play_Yards(GAME* pGame, int nYards);
void Stop_Play_Clock(GAME* pGame);
#define GAME_FLAG_TURNOVER 0x1000  // flags bit 12: the ball changed hands during the play
void Turn_Ball_Over(GAME* pGame);

// ---- playbook files (playbook_files.cpp) --------------------------------------------------------
#define PLAYBOOK_FILE_OFFENCE 0
#define PLAYBOOK_FILE_DEFENCE 1

// "playbooks/<name>.opb" or ".dpb" into the team's image (a league team in use or 36..40), else
// into the scratch image; 1 on success, 0 with the image unchanged when the file is missing or short.
int Read_Playbook_File(int nTeam, int nFlag, const char* szName);
// Why the last read that returned 0 failed, in a sentence for the user ("" after a success).
const char* Get_Playbook_Read_Failure(void);
// The scratch image of a side (OFFENSIVE_PLAYBOOK or DEFENSIVE_PLAYBOOK), filled by a read for a
// team number that names no team in use, and the image size of a side.
uint8_t* Get_Scratch_Playbook_Image(int bDefence);
int Get_Playbook_Image_Size(int bDefence);
enum PLAYBOOK_WRITE_RESULT {
    PLAYBOOK_WRITE_DONE = 0,
    PLAYBOOK_WRITE_NOT_CREATED = 1,
    PLAYBOOK_WRITE_SHORT = 2  // the partial file is deleted
};
int Write_Playbook_Image_File(const char* szPath, const uint8_t* pImage, int nSize);
// The defensive playbook fitted to a scheme (0 the 4-3, 1 the 3-4) from the built-in plays, and
// the files "playbooks/4-3.dpb" and "3-4.dpb" the installation ships; 1 when both were written.
void Build_Scheme_Defensive_Playbook(int nScheme, DEFENSIVE_PLAYBOOK* pBook);
const char* Get_Scheme_Name(int nScheme);
int Write_Scheme_Playbook_Files(void);

// ---- playbook model teams (playbook_model_teams.cpp) --------------------------------------------
#define PLAYBOOK_MODEL_TEAM_SIZE 16
// A PLAYBOOK_MODEL_TEAM_SIZE buffer holds any name.
void Get_Default_Playbook_Team(int nIndex, char* szOut, int nSize);
