// The saved state block: every persistent array of the league in one struct whose bytes are the
// body of a saved game. Offsets and sizes are part of the file format; the static_asserts below
// pin each one. Records hold only fixed-size integers, floats and char arrays.
#pragma once

#include <stddef.h>
#include <stdint.h>

// ---- sizes -------------------------------------------------------------------------------------
#define TEAM_STRING_COUNT 8
#define TEAM_STRING_SIZE 32
#define PLAYERS_PER_TEAM 100
#define TEAM_STAT_COUNT 60
#define TEAM_STADIUM_STAT_COUNT 20
#define TEAM_FINANCIAL_STAT_COUNT 80
#define TEAM_TOTALS_CATEGORIES 8
#define TEAM_TOTALS_KINDS 3
#define TEAM_TOTALS_STATS 20
#define YEARLY_ROWS 100
#define YEARLY_CHAR_BYTES 32
#define YEARLY_INT_COUNT 4
#define SCHEDULE_WEEKS 22
#define SCHEDULE_FIELDS 5
#define FORMATION_COUNT 48
#define FORMATION_SPOTS 11
#define OFFENSIVE_PLAYBOOK_BYTES 19680
#define DEFENSIVE_PLAYBOOK_BYTES 9516

#define PLAYER_LAST_NAME_SIZE 20
#define PLAYER_FIRST_NAME_SIZE 12
#define PLAYER_OUTSIDE_ID_SIZE 12
#define PLAYER_BYTE_STAT_COUNT 4
#define VITAL_STAT_COUNT 30
#define SEASON_KIND_STORED 4
#define SEASON_STAT_STORED 20
#define SEASON_LINK_COUNT 30
#define PLAYER_GRADE_COUNT 6
#define RATING_STORED 27
#define PLAYER_COLLEGE_SIZE 24

#define SEASON_LINE_COUNT 32768
#define CITY_COUNT 100
#define CITY_NAME_SIZE 20
#define CITY_PHOTO_SIZE 12
#define CITY_STAT_COUNT 10
#define GAME_COUNT 300
#define PLAY_LOG_SIZE 256
#define PLAY_NARRATION_ENTRIES 10
#define GAME_ROSTER_SLOTS 80
#define GAME_PLAYER_COUNTERS 5

#define LEAGUE_COUNT 2
#define LEAGUE_NAME_SIZE 16
#define DIVISION_COUNT 8
#define DIVISIONS_PER_LEAGUE 4
#define DIVISION_NAME_SIZE 12
#define DIVISION_PLACES 13
#define UNIVERSE_STAT_COUNT 60
#define DRAFT_YEARS 3
#define DRAFT_ROUNDS 7
#define DRAFT_COLUMNS 36
#define DRAFT_PICK_LOG_SIZE 300
#define FANTASY_DRAFT_ROUNDS 100
#define PLAYOFF_SLOT_COUNT 31
#define POSTSEASON_WEEK_COUNT 6
#define PREFERENCE_INT_COUNT 240
#define PREFERENCE_SHORT_COUNT 120
#define PREFERENCE_COUNT (PREFERENCE_INT_COUNT + PREFERENCE_SHORT_COUNT)
#define RECORD_BOOK_TABLES 3
#define RECORD_BOOK_CATEGORIES 30
#define RECORD_BOOK_ROWS 21
#define GAME_HTML_HEAD_SIZE 5880
#define RECAP_HTML_SIZE 75000
#define BOX_SCORE_HTML_SIZE 35000

#define ALL_TEAM_RECORDS 41

// ---- records -----------------------------------------------------------------------------------

// One player, 100 per team.
typedef struct PLAYER {
    char szLastName[PLAYER_LAST_NAME_SIZE];
    char szFirstName[PLAYER_FIRST_NAME_SIZE];
    char szOutsideId[PLAYER_OUTSIDE_ID_SIZE];
    int8_t anByteStats[PLAYER_BYTE_STAT_COUNT];  // uniform, rings, expanded position, depth rank
    int32_t anVitalStats[VITAL_STAT_COUNT];
    int32_t aanSeasonStats[SEASON_KIND_STORED][SEASON_STAT_STORED];
    int32_t anSeasonLinks[SEASON_LINK_COUNT];  // -1 = none, packed at the front
    int32_t nCurrentSeasonLine;                // cached line of this season, -1 = not known
    int16_t anGrades[PLAYER_GRADE_COUNT];
    float afRatings[RATING_STORED];
    char szCollege[PLAYER_COLLEGE_SIZE];
} PLAYER;

static_assert(sizeof(PLAYER) == 756);
static_assert(offsetof(PLAYER, szFirstName) == 20);
static_assert(offsetof(PLAYER, szOutsideId) == 32);
static_assert(offsetof(PLAYER, anByteStats) == 44);
static_assert(offsetof(PLAYER, anVitalStats) == 48);
static_assert(offsetof(PLAYER, aanSeasonStats) == 168);
static_assert(offsetof(PLAYER, anSeasonLinks) == 488);
static_assert(offsetof(PLAYER, nCurrentSeasonLine) == 608);
static_assert(offsetof(PLAYER, anGrades) == 612);
static_assert(offsetof(PLAYER, afRatings) == 624);
static_assert(offsetof(PLAYER, szCollege) == 732);

// One team: strings, roster, statistics, settings, finances, history, schedule and playbooks.
typedef struct TEAM {
    char aszStrings[TEAM_STRING_COUNT][TEAM_STRING_SIZE];
    PLAYER aPlayers[PLAYERS_PER_TEAM];
    uint8_t abReturners[2];  // slot of the kick returner, of the punt returner
    uint8_t abUnused0[2];
    int32_t aaanTotals[TEAM_TOTALS_CATEGORIES][TEAM_TOTALS_KINDS][TEAM_TOTALS_STATS];
    int32_t anStats[TEAM_STAT_COUNT];
    int32_t anStadiumStats[TEAM_STADIUM_STAT_COUNT];
    int32_t anFinancialStats[TEAM_FINANCIAL_STAT_COUNT];
    int8_t aanYearlyChars[YEARLY_ROWS][YEARLY_CHAR_BYTES];
    int32_t aanYearlyInts[YEARLY_ROWS][YEARLY_INT_COUNT];
    int32_t aanSchedule[SCHEDULE_WEEKS][SCHEDULE_FIELDS];
    uint8_t abOffensivePlaybook[OFFENSIVE_PLAYBOOK_BYTES];
    int32_t aanFormationLineups[FORMATION_COUNT][FORMATION_SPOTS];
    uint8_t abDefensivePlaybook[DEFENSIVE_PLAYBOOK_BYTES];
} TEAM;

static_assert(sizeof(TEAM) == 114968);
static_assert(offsetof(TEAM, aPlayers) == 256);
static_assert(offsetof(TEAM, abReturners) == 75856);
static_assert(offsetof(TEAM, aaanTotals) == 75860);
static_assert(offsetof(TEAM, anStats) == 77780);
static_assert(offsetof(TEAM, anStadiumStats) == 78020);
static_assert(offsetof(TEAM, anFinancialStats) == 78100);
static_assert(offsetof(TEAM, aanYearlyChars) == 78420);
static_assert(offsetof(TEAM, aanYearlyInts) == 81620);
static_assert(offsetof(TEAM, aanSchedule) == 83220);
static_assert(offsetof(TEAM, abOffensivePlaybook) == 83660);
static_assert(offsetof(TEAM, aanFormationLineups) == 103340);
static_assert(offsetof(TEAM, abDefensivePlaybook) == 105452);

// One city of the league's city table.
typedef struct CITY {
    char szName[CITY_NAME_SIZE];  // empty = free record
    char szPhoto[CITY_PHOTO_SIZE];
    int32_t anStats[CITY_STAT_COUNT];
} CITY;

static_assert(sizeof(CITY) == 72);
static_assert(offsetof(CITY, szPhoto) == 20);
static_assert(offsetof(CITY, anStats) == 32);

// One career line: a player's 20 statistics for one season and team.
typedef struct SEASON_LINE {
    int32_t nYear;  // 0 = free line
    int32_t nFlag;  // negative: not a league season
    int8_t nTeam;
    uint8_t abUnused[3];
    int32_t anStats[SEASON_STAT_STORED];
} SEASON_LINE;

static_assert(sizeof(SEASON_LINE) == 92);
static_assert(offsetof(SEASON_LINE, nFlag) == 4);
static_assert(offsetof(SEASON_LINE, nTeam) == 8);
static_assert(offsetof(SEASON_LINE, anStats) == 12);

// One play of a game: the call, its players, its result word and narration entries.
typedef struct PLAY {
    int16_t nClock;
    uint8_t abReserved[2];
    int32_t nPlayer1;
    int32_t nPlayer2;
    int8_t nOffensiveCall;
    int8_t nDefensiveCall;
    int8_t nYard1;
    int8_t nYard2;
    int32_t nResult;  // down, to go, yard line, home-had-ball bit 24, PLAY_RESULT bits 25..31
    uint8_t aabNarration[PLAY_NARRATION_ENTRIES][16];
} PLAY;

static_assert(sizeof(PLAY) == 180);
static_assert(offsetof(PLAY, abReserved) == 2);
static_assert(offsetof(PLAY, nPlayer1) == 4);
static_assert(offsetof(PLAY, nPlayer2) == 8);
static_assert(offsetof(PLAY, nOffensiveCall) == 12);
static_assert(offsetof(PLAY, nDefensiveCall) == 13);
static_assert(offsetof(PLAY, nYard1) == 14);
static_assert(offsetof(PLAY, nYard2) == 15);
static_assert(offsetof(PLAY, nResult) == 16);
static_assert(offsetof(PLAY, aabNarration) == 20);

#define GAME_INFO_SHORTS 10
#define GAME_INFO_INTS 3
#define GAME_TEAM_STAT_COUNT 16
#define GAME_TEAM_TOTAL_COUNT 20

// One game record: both teams, score, weather, statistics and the play log.
typedef struct GAME {
    int8_t anTeams[2];  // side 0 visitor, side 1 home
    uint8_t abReserved0[2];
    int32_t anScores[2];
    int32_t anTimeouts[2];    // left per side
    int32_t anFormations[2];  // each side's formation for the current play
    // By GAME_INFO index: year, spread + 1000, week, over/under + 1000, kick-off hhmm,
    // overtime possession bits, temperature, wind speed, precipitation, wind angle.
    int16_t anInfo[GAME_INFO_SHORTS];
    int32_t anInfoInts[GAME_INFO_INTS];  // attendance, then reserved
    uint8_t aabTeamStats[2][GAME_TEAM_STAT_COUNT];
    int16_t aanTeamTotals[2][GAME_TEAM_TOTAL_COUNT];
    int32_t aanRosterIds[2][GAME_ROSTER_SLOTS];  // player ids taken before kick-off
    int16_t aaanPlayerCounters[2][GAME_ROSTER_SLOTS][GAME_PLAYER_COUNTERS];
    PLAY currentPlay;
    PLAY aPlayLog[PLAY_LOG_SIZE];
    int16_t nPlayCount;  // plays logged, 0..256
    int16_t nClock;      // seconds played
    int8_t nPlaySeconds;
    int8_t nPlayYards;
    int8_t nYardLine;  // yards to the goal of the team with the ball
    int8_t nYardsToGo;
    int32_t nFlags;                          // low byte DOWN_FLAG
    int8_t nPossession;                      // team with the ball
    uint8_t aabOnField[2][FORMATION_SPOTS];  // roster slots in formation-spot order, 255 empty
    uint8_t bReserved1;
} GAME;

static_assert(sizeof(GAME) == 48708);
static_assert(offsetof(GAME, anTeams) == 0);
static_assert(offsetof(GAME, abReserved0) == 2);
static_assert(offsetof(GAME, anScores) == 4);
static_assert(offsetof(GAME, anTimeouts) == 12);
static_assert(offsetof(GAME, anFormations) == 20);
static_assert(offsetof(GAME, anInfo) == 28);
static_assert(offsetof(GAME, anInfo) + 2 * 2 == 32);  // week
static_assert(offsetof(GAME, anInfo) + 2 * 9 == 46);  // wind angle
static_assert(offsetof(GAME, anInfoInts) == 48);
static_assert(offsetof(GAME, anInfoInts) + 4 == 52);  // reserved
static_assert(offsetof(GAME, aabTeamStats) == 60);
static_assert(offsetof(GAME, aanTeamTotals) == 92);
static_assert(offsetof(GAME, aanRosterIds) == 172);
static_assert(offsetof(GAME, aaanPlayerCounters) == 812);
static_assert(offsetof(GAME, currentPlay) == 2412);
static_assert(offsetof(GAME, aPlayLog) == 2592);
static_assert(offsetof(GAME, nPlayCount) == 48672);
static_assert(offsetof(GAME, nClock) == 48674);
static_assert(offsetof(GAME, nPlaySeconds) == 48676);
static_assert(offsetof(GAME, nPlayYards) == 48677);
static_assert(offsetof(GAME, nYardLine) == 48678);
static_assert(offsetof(GAME, nYardsToGo) == 48679);
static_assert(offsetof(GAME, nFlags) == 48680);
static_assert(offsetof(GAME, nPossession) == 48684);
static_assert(offsetof(GAME, aabOnField) == 48685);
static_assert(offsetof(GAME, bReserved1) == 48707);

// One row of the record book.
typedef struct RECORD_BOOK_ROW {
    char szLastName[PLAYER_LAST_NAME_SIZE];
    char szFirstName[PLAYER_FIRST_NAME_SIZE];
    int32_t nPlayerId;  // -1 when the player no longer exists
    int32_t nValue;
    int32_t nExperience;
    uint8_t nAge;
    int8_t nWeek;
    int16_t nYear;
    int8_t nTeam;
    int8_t nSlot;
    uint8_t abUnused[2];
} RECORD_BOOK_ROW;

static_assert(sizeof(RECORD_BOOK_ROW) == 52);
static_assert(offsetof(RECORD_BOOK_ROW, nPlayerId) == 32);
static_assert(offsetof(RECORD_BOOK_ROW, nValue) == 36);
static_assert(offsetof(RECORD_BOOK_ROW, nExperience) == 40);
static_assert(offsetof(RECORD_BOOK_ROW, nAge) == 44);
static_assert(offsetof(RECORD_BOOK_ROW, nWeek) == 45);
static_assert(offsetof(RECORD_BOOK_ROW, nYear) == 46);
static_assert(offsetof(RECORD_BOOK_ROW, nTeam) == 48);
static_assert(offsetof(RECORD_BOOK_ROW, nSlot) == 49);

typedef RECORD_BOOK_ROW RECORD_BOOK[RECORD_BOOK_TABLES][RECORD_BOOK_CATEGORIES][RECORD_BOOK_ROWS];

// ---- the block ---------------------------------------------------------------------------------

// The 16-bit settings from offset 1,856 to 2,025 are also read by index (Get_Head_Short).
#define HEAD_SHORTS_OFFSET 1856
#define HEAD_SHORT_COUNT 85

typedef struct SAVED_STATE {
    char szSavedGameName[256];
    char szManagerName[64];
    char szDatabaseNotes[512];
    char szSkinName[1024];
    int16_t anLeagueAverages[4];
    uint8_t abUnused0[2];
    int16_t nShufflingPlayers;
    uint8_t abUnused1[2];
    int16_t nAdvanceInProgress;
    int16_t nRunTargetWeek;
    int16_t nSuperBowl;
    int16_t anSettingsNumbers[8];
    int16_t nCardExportSetting;
    uint8_t abUnused2[2];
    int16_t aanDraftTalent[3][15];
    int16_t anDraftStrategy[15];
    int16_t nAgingConstant;
    uint8_t abUnused3[2];
    int16_t nRatingsImportSetting;
    uint8_t abUnused4[2];
    int16_t nNoSameDivisionDivisionalRound;
    uint8_t abUnused5[86];
    int32_t anUniverseStats[UNIVERSE_STAT_COUNT];
    char aszLeagueNames[LEAGUE_COUNT][LEAGUE_NAME_SIZE];
    char aszDivisionNames[DIVISION_COUNT][DIVISION_NAME_SIZE];
    TEAM aTeams[ALL_TEAM_RECORDS];
    CITY aCities[CITY_COUNT];
    uint8_t aaabDraftPickOwners[DRAFT_YEARS][DRAFT_ROUNDS][DRAFT_COLUMNS];
    uint8_t abDraftOrder[DRAFT_COLUMNS];
    GAME aGames[GAME_COUNT];
    int32_t anPreferenceInts[PREFERENCE_INT_COUNT];
    int16_t anPreferenceShorts[PREFERENCE_SHORT_COUNT];
    int8_t aanDivisionStandings[DIVISION_COUNT][DIVISION_PLACES];
    uint8_t abUnused6[4];
    int8_t anPlayoffSlots[PLAYOFF_SLOT_COUNT];
    uint8_t abUnused7[1];
    int32_t anPlayoffScores[PLAYOFF_SLOT_COUNT];
    int32_t anPostseasonWeeks[POSTSEASON_WEEK_COUNT];
    SEASON_LINE aSeasonLines[SEASON_LINE_COUNT];
    uint8_t abUnused8[44288];
    int32_t anDraftPickLog[DRAFT_PICK_LOG_SIZE];
    int32_t nFantasyDraftKind;
    int32_t nFantasyDraftOrderMode;
    int32_t nFantasyDraftRound;
    int32_t nFantasyDraftPick;
    int32_t aanFantasyDraftPicks[FANTASY_DRAFT_ROUNDS][DRAFT_COLUMNS];  // player ids
    int8_t aanFantasyDraftOrder[FANTASY_DRAFT_ROUNDS][DRAFT_COLUMNS];   // team per round, pick
    uint8_t abUnused9[344904];
    char szGameHtmlHead[GAME_HTML_HEAD_SIZE];
    char szRecapHtml[RECAP_HTML_SIZE];
    char szBoxScoreHtml[BOX_SCORE_HTML_SIZE];
    RECORD_BOOK aaaRecordBook;
} SAVED_STATE;

#define SAVED_STATE_SIZE 22975272
#define FANTASY_DRAFT_STATE_OFFSET 22398192
#define FANTASY_DRAFT_STATE_SIZE 18016

static_assert(sizeof(SAVED_STATE) == SAVED_STATE_SIZE);
static_assert(offsetof(SAVED_STATE, szManagerName) == 256);
static_assert(offsetof(SAVED_STATE, szDatabaseNotes) == 320);
static_assert(offsetof(SAVED_STATE, szSkinName) == 832);
static_assert(offsetof(SAVED_STATE, anLeagueAverages) == HEAD_SHORTS_OFFSET);
static_assert(offsetof(SAVED_STATE, nShufflingPlayers) == 1866);
static_assert(offsetof(SAVED_STATE, nAdvanceInProgress) == 1870);
static_assert(offsetof(SAVED_STATE, nRunTargetWeek) == 1872);
static_assert(offsetof(SAVED_STATE, nSuperBowl) == 1874);
static_assert(offsetof(SAVED_STATE, anSettingsNumbers) == 1876);
static_assert(offsetof(SAVED_STATE, nCardExportSetting) == 1892);
static_assert(offsetof(SAVED_STATE, aanDraftTalent) == 1896);
static_assert(offsetof(SAVED_STATE, anDraftStrategy) == 1986);
static_assert(offsetof(SAVED_STATE, nAgingConstant) == 2016);
static_assert(offsetof(SAVED_STATE, nRatingsImportSetting) == 2020);
static_assert(offsetof(SAVED_STATE, nNoSameDivisionDivisionalRound) == 2024);
static_assert(offsetof(SAVED_STATE, abUnused5) == HEAD_SHORTS_OFFSET + 2 * HEAD_SHORT_COUNT);
static_assert(offsetof(SAVED_STATE, anUniverseStats) == 2112);
static_assert(offsetof(SAVED_STATE, aszLeagueNames) == 2352);
static_assert(offsetof(SAVED_STATE, aszDivisionNames) == 2384);
static_assert(offsetof(SAVED_STATE, aTeams) == 2480);
static_assert(offsetof(SAVED_STATE, aCities) == 4716168);
static_assert(offsetof(SAVED_STATE, aaabDraftPickOwners) == 4723368);
static_assert(offsetof(SAVED_STATE, abDraftOrder) == 4724124);
static_assert(offsetof(SAVED_STATE, aGames) == 4724160);
static_assert(offsetof(SAVED_STATE, anPreferenceInts) == 19336560);
static_assert(offsetof(SAVED_STATE, anPreferenceShorts) == 19336560 + 960);
static_assert(offsetof(SAVED_STATE, aanDivisionStandings) == 19337760);
static_assert(offsetof(SAVED_STATE, anPlayoffSlots) == 19337868);
static_assert(offsetof(SAVED_STATE, anPlayoffScores) == 19337900);
static_assert(offsetof(SAVED_STATE, anPostseasonWeeks) == 19338024);
static_assert(offsetof(SAVED_STATE, aSeasonLines) == 19338048);
static_assert(offsetof(SAVED_STATE, abUnused8) == 22352704);
static_assert(offsetof(SAVED_STATE, anDraftPickLog) == 22396992);
static_assert(offsetof(SAVED_STATE, nFantasyDraftKind) == FANTASY_DRAFT_STATE_OFFSET);
static_assert(offsetof(SAVED_STATE, nFantasyDraftOrderMode) == 22398196);
static_assert(offsetof(SAVED_STATE, nFantasyDraftRound) == 22398200);
static_assert(offsetof(SAVED_STATE, nFantasyDraftPick) == 22398204);
static_assert(offsetof(SAVED_STATE, aanFantasyDraftPicks) == 22398208);
static_assert(offsetof(SAVED_STATE, aanFantasyDraftOrder) == 22412608);
static_assert(offsetof(SAVED_STATE, abUnused9) ==
              FANTASY_DRAFT_STATE_OFFSET + FANTASY_DRAFT_STATE_SIZE);
static_assert(offsetof(SAVED_STATE, szGameHtmlHead) == 22761112);
static_assert(offsetof(SAVED_STATE, szRecapHtml) == 22766992);
static_assert(offsetof(SAVED_STATE, szBoxScoreHtml) == 22841992);
static_assert(offsetof(SAVED_STATE, aaaRecordBook) == 22876992);
static_assert(offsetof(SAVED_STATE, aTeams) + sizeof(TEAM) * ALL_TEAM_RECORDS +
                  sizeof(CITY) * CITY_COUNT ==
              4723368);

extern SAVED_STATE gSavedState;

// ---- the arrays under their own names ----------------------------------------------------------
inline TEAM (&gTeams)[ALL_TEAM_RECORDS] = gSavedState.aTeams;
inline CITY (&gCities)[CITY_COUNT] = gSavedState.aCities;
inline GAME (&gGames)[GAME_COUNT] = gSavedState.aGames;
inline SEASON_LINE (&gSeasonLines)[SEASON_LINE_COUNT] = gSavedState.aSeasonLines;
inline int32_t (&gUniverseStats)[UNIVERSE_STAT_COUNT] = gSavedState.anUniverseStats;
inline char (&gLeagueNames)[LEAGUE_COUNT][LEAGUE_NAME_SIZE] = gSavedState.aszLeagueNames;
inline char (&gDivisionNames)[DIVISION_COUNT][DIVISION_NAME_SIZE] = gSavedState.aszDivisionNames;
inline char (&gSkinName)[1024] = gSavedState.szSkinName;
inline int16_t (&gLeagueAverages)[4] = gSavedState.anLeagueAverages;
// Both draft tables hold percentages. Talents beyond this make prospects that the acceptance test
// refuses nearly every time, so that filling the draft pool would retry for hours.
#define DRAFT_INPUT_LIMIT 100
inline int16_t (&gDraftTalent)[3][15] = gSavedState.aanDraftTalent;
inline int16_t (&gDraftStrategy)[15] = gSavedState.anDraftStrategy;
inline int16_t& gAdvanceInProgress = gSavedState.nAdvanceInProgress;
inline int16_t& gAgingModifier = gSavedState.nAgingConstant;       // Reversion To Mean, percent
inline int16_t& gReplayMode = gSavedState.nRatingsImportSetting;  // ratings from each season's stats
inline int16_t& gRunTargetWeek = gSavedState.nRunTargetWeek;
inline int16_t& gSuperBowl = gSavedState.nSuperBowl;
inline int16_t& gNoSameDivisionDivisionalRound = gSavedState.nNoSameDivisionDivisionalRound;
inline uint8_t (&gDraftPickOwners)[DRAFT_YEARS][DRAFT_ROUNDS][DRAFT_COLUMNS] =
    gSavedState.aaabDraftPickOwners;
inline uint8_t (&gDraftOrder)[DRAFT_COLUMNS] = gSavedState.abDraftOrder;
inline int8_t (&gDivisionStandings)[DIVISION_COUNT][DIVISION_PLACES] =
    gSavedState.aanDivisionStandings;
inline int8_t (&gPlayoffSlots)[PLAYOFF_SLOT_COUNT] = gSavedState.anPlayoffSlots;
inline int32_t (&gPlayoffScores)[PLAYOFF_SLOT_COUNT] = gSavedState.anPlayoffScores;
inline int32_t (&gPostseasonWeeks)[POSTSEASON_WEEK_COUNT] = gSavedState.anPostseasonWeeks;
inline int32_t (&gDraftPickLog)[DRAFT_PICK_LOG_SIZE] = gSavedState.anDraftPickLog;
inline char (&gGameHtmlHead)[GAME_HTML_HEAD_SIZE] = gSavedState.szGameHtmlHead;
inline char (&gRecapHtml)[RECAP_HTML_SIZE] = gSavedState.szRecapHtml;
inline char (&gBoxScoreHtml)[BOX_SCORE_HTML_SIZE] = gSavedState.szBoxScoreHtml;
inline RECORD_BOOK& gRecordBook = gSavedState.aaaRecordBook;

// ---- user preferences under their own names ----------------------------------------------------
// Entries 0..239 are ints; 240..359 are shorts read through Get_User_Preference.
// USER_PREFERENCE entries with a name; the others are stored and saved unnamed.
enum USER_PREFERENCE {
    PREF_STAT_PANEL_PAGE = 6,
    PREF_SCOUTING_RADIUS = 16,  // the cached scouting divisor; 0 = not computed
    PREF_WAITING_FOR_CLICK = 17,
    PREF_RESUME_ADVANCE = 20,
    PREF_GAME_NUMBER = 21,
    PREF_SEASON_NUMBER = 22,
    PREF_CURRENT_WEEK = 23,
    PREF_FAME_TABLE = 24,  // the Hall of Fame page's table: a difficulty level
    PREF_DIFFICULTY = 25,  // difficulty level
    PREF_CURRENT_PAGE = 26,
    PREF_STAT_PERIOD = 27,
    PREF_DIALOG_TEAM = 28,
    PREF_SCOUT_TEAM = 29,
    PREF_SCOUT_SLOT = 30,
    PREF_TRADE_PARTNER = 31,
    PREF_USER_TEAM = 32,
    PREF_SIMULATION_RUNNING = 33,
    PREF_SELECTED_GAME = 34,
    PREF_NEW_LEAGUE_SETTING = 35,  // a new league: 0
    PREF_DRAFT_ROUND = 36,
    PREF_DRAFT_PICK = 37,
    PREF_DRAFT_YEAR = 39,        // the year of the next college draft
    PREF_NEW_LEAGUE_LEVEL = 40,  // a new league: 3
    PREF_SEASONS_TO_SIMULATE = 41,  // Play Multiple Seasons: 1..100
    PREF_SHOWN_LEAGUE = 42,  // the league the Standings and Finances pages show
    PREF_CURRENT_CITY = 43,
    PREF_CHOSEN_COLUMN = 44,  // the page column preference a chooser is open for
    PREF_OVERTIME_RULE = 45,
    PREF_PLAYOFF_OVERTIME_RULE = 46,
    PREF_SOUND_EFFECTS = 47,
    PREF_SHOW_NEWS_TICKER = 48,
    PREF_COMMISSIONER_MODE = 50,
    PREF_OWNER_MODE = 51,
    PREF_RETIRED_SETTING = 52,  // no reader; cleared in old files
    PREF_PERFECT_SCOUTING = 53,
    PREF_SKIP_TO_QUARTER = 54,
    PREF_INJURY_CONTINGENCY = 55,  // weeks out that stop play; negative: off, 0: never set
    PREF_OFFENSIVE_SELECTOR_PAGE = 57,
    PREF_DEFENSIVE_SELECTOR_PAGE = 58,
    PREF_PICKED_OFFENSIVE_PLAY = 59,
    PREF_PICKED_DEFENSIVE_PLAY = 60,
    PREF_SKIP_PREGAME_DIALOG = 61,
    PREF_LEAGUE_SETTINGS_FIRST = 64,  // 64..69: a new league: 50 each
    PREF_LEAGUE_AMOUNT = 70,          // a new league: 20,000
    PREF_PRINT_PERIOD = 72,           // the Print dialog's choices
    PREF_PRINT_GROUP = 73,
    PREF_PRINT_SORT = 74,
    PREF_PRINT_FORMAT = 76,
    PREF_STANDINGS_OUTPUT = 79,       // automatic text output: standings
    PREF_AWARDS_OUTPUT = 80,          // automatic text output: awards
    PREF_FINANCES_OUTPUT = 81,        // automatic text output: finances
    PREF_LIST_POSITION = 87,          // the player lists' position filter; 15 any position
    PREF_OVERTIME_PERIOD_LENGTH = 88,
    PREF_OVERTIME_POSSESSION = 89,
    PREF_AUTO_FILL_ROSTERS = 90,
    PREF_AUTO_SAVE = 91,         // the game is saved before every fourth week
    PREF_FIRST_NAME_LINES = 92,  // lines of the first-names file
    PREF_LAST_NAME_LINES = 93,   // lines of the last-names file
    PREF_RUN_TRADE_ATTEMPTS = 94,
    PREF_HOVERED_BAR_BUTTON = 95,
    PREF_ALL_TEAMS_COMPUTER = 96,
    PREF_TEAM_CHECKSUM = 98,
    PREF_STANDINGS_COLUMNS = 100,     // 100..104
    PREF_FINANCES_COLUMNS = 105,      // 105..112
    PREF_FINANCES_LAST_COLUMN = 112,  // set by the season year at a new game
    PREF_LEADER_CATEGORIES = 113,     // 113..116
    PREF_LEADER_KIND = 117,           // the leaders shown: a league, both or all-time
    PREF_LEADER_VIEW = 118,           // byte 0: the season kind shown
    PREF_CALENDAR_COLUMNS = 119,      // 119..123
    PREF_STARTER_NEED_AVERAGES = 125,  // 125..139: league averages of the team needs by position
    PREF_DEPTH_NEED_AVERAGES = 140,    // 140..154
    PREF_AGE_NEED_AVERAGES = 155,      // 155..169
    PREF_PLAYBOOK_SIDE = 170,          // the playbook dialogs' side: 0 offence, 1 defence
    PREF_PLAYBOOK_FOLDER = 171,        // the playbook editor's folder: 0..5 offence, 0..2 defence
    PREF_PLAYBOOK_PLAY = 172,          // the playbook editor's place 0..9 within the folder
    PREF_TEXT_DISPLAY_SPEED = 173,
    PREF_TWO_POINT_CONVERSIONS = 174,
    PREF_OVERTIME_GAMES = 175,
    PREF_OFF_SEASON_STEPS = 176,  // 176..179: the timeline's off-season steps, 1 done or closed
    PREF_KICKOFF_TOUCHBACK_LINE = 198,
    PREF_EXTRA_POINT_LINE = 199,
    PREF_KICKOFF_LOCATION = 200,
    PREF_DARK_TEXT = 201,
    PREF_MISSED_FIELD_GOAL_SPOT = 202,
    PREF_AUTOMATIC_OFFENSIVE_PLAYS = 230,
    PREF_AUTOMATIC_DEFENSIVE_PLAYS = 231,
    PREF_STATISTICS_FIRST_YEAR = 237  // the first season whose statistics the cards show
};

#define PREFERENCE_ENTRY(nIndex) (gSavedState.anPreferenceInts[nIndex])

inline int32_t& gStatPanelPage = PREFERENCE_ENTRY(PREF_STAT_PANEL_PAGE);
inline int32_t& gScoutingRadius = PREFERENCE_ENTRY(PREF_SCOUTING_RADIUS);
inline int32_t& gWaitingForClick = PREFERENCE_ENTRY(PREF_WAITING_FOR_CLICK);
inline int32_t& gResumeAdvance = PREFERENCE_ENTRY(PREF_RESUME_ADVANCE);
inline int32_t& gGameNumber = PREFERENCE_ENTRY(PREF_GAME_NUMBER);
inline int32_t& gSeasonNumber = PREFERENCE_ENTRY(PREF_SEASON_NUMBER);
inline int32_t& gCurrentWeek = PREFERENCE_ENTRY(PREF_CURRENT_WEEK);
inline int32_t& gDifficulty = PREFERENCE_ENTRY(PREF_DIFFICULTY);
inline int32_t& gCurrentPage = PREFERENCE_ENTRY(PREF_CURRENT_PAGE);
inline int32_t& gStatPeriod = PREFERENCE_ENTRY(PREF_STAT_PERIOD);
inline int32_t& gDialogTeam = PREFERENCE_ENTRY(PREF_DIALOG_TEAM);
inline int32_t& gScoutTeam = PREFERENCE_ENTRY(PREF_SCOUT_TEAM);
inline int32_t& gScoutSlot = PREFERENCE_ENTRY(PREF_SCOUT_SLOT);
inline int32_t& gTradePartner = PREFERENCE_ENTRY(PREF_TRADE_PARTNER);
inline int32_t& gUserTeam = PREFERENCE_ENTRY(PREF_USER_TEAM);
inline int32_t& gSimulationRunning = PREFERENCE_ENTRY(PREF_SIMULATION_RUNNING);
inline int32_t& gSelectedGame = PREFERENCE_ENTRY(PREF_SELECTED_GAME);
inline int32_t& gDraftRound = PREFERENCE_ENTRY(PREF_DRAFT_ROUND);
inline int32_t& gDraftPick = PREFERENCE_ENTRY(PREF_DRAFT_PICK);
inline int32_t& gCurrentCity = PREFERENCE_ENTRY(PREF_CURRENT_CITY);
inline int32_t& gOvertimeRule = PREFERENCE_ENTRY(PREF_OVERTIME_RULE);
inline int32_t& gPlayoffOvertimeRule = PREFERENCE_ENTRY(PREF_PLAYOFF_OVERTIME_RULE);
inline int32_t& gSoundEffects = PREFERENCE_ENTRY(PREF_SOUND_EFFECTS);
inline int32_t& gShowNewsTicker = PREFERENCE_ENTRY(PREF_SHOW_NEWS_TICKER);
inline int32_t& gCommissionerMode = PREFERENCE_ENTRY(PREF_COMMISSIONER_MODE);
inline int32_t& gOwnerMode = PREFERENCE_ENTRY(PREF_OWNER_MODE);
inline int32_t& gPlaybookSide = PREFERENCE_ENTRY(PREF_PLAYBOOK_SIDE);
inline int32_t& gPlaybookFolder = PREFERENCE_ENTRY(PREF_PLAYBOOK_FOLDER);
inline int32_t& gPlaybookPlay = PREFERENCE_ENTRY(PREF_PLAYBOOK_PLAY);
inline int32_t& gPerfectScouting = PREFERENCE_ENTRY(PREF_PERFECT_SCOUTING);
inline int32_t& gSkipToQuarter = PREFERENCE_ENTRY(PREF_SKIP_TO_QUARTER);
inline int32_t& gOffensiveSelectorPage = PREFERENCE_ENTRY(PREF_OFFENSIVE_SELECTOR_PAGE);
inline int32_t& gDefensiveSelectorPage = PREFERENCE_ENTRY(PREF_DEFENSIVE_SELECTOR_PAGE);
inline int32_t& gPickedOffensivePlay = PREFERENCE_ENTRY(PREF_PICKED_OFFENSIVE_PLAY);
inline int32_t& gPickedDefensivePlay = PREFERENCE_ENTRY(PREF_PICKED_DEFENSIVE_PLAY);
inline int32_t& gSkipPregameDialog = PREFERENCE_ENTRY(PREF_SKIP_PREGAME_DIALOG);
inline int32_t& gOvertimePeriodLength = PREFERENCE_ENTRY(PREF_OVERTIME_PERIOD_LENGTH);
inline int32_t& gOvertimePossession = PREFERENCE_ENTRY(PREF_OVERTIME_POSSESSION);
inline int32_t& gAutoFillRosters = PREFERENCE_ENTRY(PREF_AUTO_FILL_ROSTERS);
inline int32_t& gAutoSave = PREFERENCE_ENTRY(PREF_AUTO_SAVE);
inline int32_t& gRunTradeAttempts = PREFERENCE_ENTRY(PREF_RUN_TRADE_ATTEMPTS);
inline int32_t& gDraftYear = PREFERENCE_ENTRY(PREF_DRAFT_YEAR);
inline int32_t& gHoveredBarButton = PREFERENCE_ENTRY(PREF_HOVERED_BAR_BUTTON);
inline int32_t& gAllTeamsComputer = PREFERENCE_ENTRY(PREF_ALL_TEAMS_COMPUTER);
inline int32_t& gTeamChecksum = PREFERENCE_ENTRY(PREF_TEAM_CHECKSUM);
inline int32_t& gTextDisplaySpeed = PREFERENCE_ENTRY(PREF_TEXT_DISPLAY_SPEED);
inline int32_t& gTwoPointConversions = PREFERENCE_ENTRY(PREF_TWO_POINT_CONVERSIONS);
inline int32_t& gOvertimeGames = PREFERENCE_ENTRY(PREF_OVERTIME_GAMES);
inline int32_t& gKickoffTouchbackLine = PREFERENCE_ENTRY(PREF_KICKOFF_TOUCHBACK_LINE);
inline int32_t& gExtraPointLine = PREFERENCE_ENTRY(PREF_EXTRA_POINT_LINE);
inline int32_t& gKickoffLocation = PREFERENCE_ENTRY(PREF_KICKOFF_LOCATION);
inline int32_t& gDarkText = PREFERENCE_ENTRY(PREF_DARK_TEXT);
inline int32_t& gMissedFieldGoalSpot = PREFERENCE_ENTRY(PREF_MISSED_FIELD_GOAL_SPOT);
inline int32_t& gAutomaticOffensivePlays = PREFERENCE_ENTRY(PREF_AUTOMATIC_OFFENSIVE_PLAYS);
inline int32_t& gAutomaticDefensivePlays = PREFERENCE_ENTRY(PREF_AUTOMATIC_DEFENSIVE_PLAYS);
