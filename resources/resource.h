// Resource ids shared by the resource script and the program.
#pragma once

// ---- dialog templates -----------------------------------------------------------------------
#define IDD_ABOUT                  103
#define IDD_SIMULATION_TOOL        104
#define IDD_NEW_GAME               105
#define IDD_WELCOME                110
#define IDD_TRADES                 111
#define IDD_SORTABLE_STATS         114
#define IDD_EXPENSES               116
#define IDD_RESUME_GAME            118
#define IDD_OFFENSE                119
#define IDD_SAVE_GAME              120
#define IDD_SCOUTING_REPORT        127
#define IDD_DEFENSE                128
#define IDD_OTHER_TEAM             131
#define IDD_CONTRACT_OFFER         132
#define IDD_CONCESSIONS            133
#define IDD_TICKETS                135
#define IDD_BROADCAST              136
#define IDD_CHANGE_POSITION        137
#define IDD_TRADE_OFFER_RESPONSE   138
#define IDD_HALL_OF_FAME           139
#define IDD_FIND_PLAYERS           140
#define IDD_CHOOSE_STAT            143
#define IDD_LEADER_HEADING         144
#define IDD_CHOOSE_STAT_B          145
#define IDD_STADIUM_EDITOR         146
#define IDD_OPTIONS                147
#define IDD_TRADE_HINT             149
#define IDD_EDIT_PLAYER            150
#define IDD_TRADE_OFFER            152
#define IDD_PRINT                  155
#define IDD_DID_YOU_KNOW           156
#define IDD_INJURY_CONTINGENCY     158
#define IDD_LEAGUE_EDITOR          159
#define IDD_CITY_EDITOR            160
#define IDD_RENAME_CITY            161
#define IDD_SPECIAL_TEAMS          162
#define IDD_CHOOSE_STAT_C          163
#define IDD_DATABASE_NOTES         164
#define IDD_START_FANTASY_DRAFT    165
#define IDD_FANTASY_DRAFT_ORDER    169
#define IDD_STAT_COLUMN_CHOOSER    172
#define IDD_TRADING_BLOCK          173
#define IDD_HISTORY                174
#define IDD_ADVANCED_TOOLS         175
#define IDD_PLAY_MULTIPLE_SEASONS  179
#define IDD_GAME_MATCHUP           181
#define IDD_VIEW_ENCYCLOPEDIA      182
#define IDD_CHOOSE_EXPORT_FOLDER   183
#define IDD_PLAYBOOK_EDITOR        185
#define IDD_SAVE_PLAYBOOK          195
#define IDD_LOAD_PLAYBOOK          196
#define IDD_NEW_VERSION            199
#define IDD_EDIT_RATINGS           200
#define IDD_PROGRESS               189
#define IDD_USER_MESSAGE           41008

// Dialog ids that open template IDD_SORTABLE_STATS in its other two forms.
#define IDD_FREE_AGENTS            130
#define IDD_COLLEGE_DRAFT          170

// ---- controls -----------------------------------------------------------------------------
// Welcome and About
#define IDC_NEW_GAME               1031
#define IDC_RESUME_GAME            1034
#define IDC_UPDATE_PAGE            1222
#define IDC_ABOUT_VERSION          1352
#define IDC_WELCOME_PICTURE        1356
#define IDC_HOME_PAGE              1451
#define IDC_SOCIAL_PAGE            1459
#define IDC_STORE_PAGE             1460
#define IDC_ABOUT_BUILD_DATE       1480
// Stat Column Chooser: the column list, its progress bar, the preset buttons (their order is
// that of the preset lists) and Clear
#define IDC_COLUMN_PROGRESS        1083
#define IDC_COLUMN_LIST            1436
#define IDC_PRESET_DEFAULT_STATS   1461
#define IDC_PRESET_FREE_AGENTS     1462
#define IDC_PRESET_COLLEGE         1463
#define IDC_PRESET_QB_STATS        1464
#define IDC_PRESET_QB_RATINGS      1465
#define IDC_PRESET_SKILL_STATS     1466
#define IDC_PRESET_SKILL_RATINGS   1467
#define IDC_PRESET_OFFENSIVE_LINE  1468
#define IDC_PRESET_RETURNS         1469
#define IDC_PRESET_DEFENSE_STATS   1470
#define IDC_PRESET_DEFENSE_RATINGS 1471
#define IDC_PRESET_KICKING         1472
#define IDC_PRESET_PUNTING         1473
#define IDC_PRESET_SALARY          1474
#define IDC_CLEAR_COLUMNS          1475
// Progress window and message box
#define IDC_PROGRESS_TEXT          1435

// The scouting report's buttons.
#define IDC_DIALOG_HELP            9
#define IDC_RELEASE_PLAYER         1044
#define IDC_NEXT_PLAYER            1088
#define IDC_PREVIOUS_PLAYER        1090
#define IDC_PLAYER_ACTION          1216
#define IDC_MESSAGE_BUTTON1        41009
#define IDC_MESSAGE_BUTTON2        41010
#define IDC_MESSAGE_BUTTON3        41011
#define IDC_MESSAGE_TEXT           41012

// Contracts, rosters and finances: controls the player lists, Contract Offer, Find Players, the
// fantasy draft and the finance dialogs share.
#define IDC_SCOUTING               1045
#define IDC_VIEW_MY_TEAM           1097
#define IDC_TEAM_COMBO             1132
#define IDC_POSITION_COMBO         1217
#define IDC_EDIT_COLUMNS           11
#define IDC_AUTOSIZE_COLUMNS       1385
// The player lists (Sortable Stats, Free Agents, College Draft)
#define IDC_LIST_ACTION            1044
#define IDC_PLAYER_LIST            1124
#define IDC_PERIOD_COMBO           1223
#define IDC_LIST_CAP_TEXT          1386
#define IDC_LIST_PLAYER_COUNT      1389
#define IDC_LIST_ROSTER_NOTE       1384
#define IDC_LIST_PICKS_TEXT        1387
// Contract Offer
#define IDC_OFFER_ACCEPT           1135
#define IDC_OFFER_DECLINE          1208
#define IDC_OFFER_FEWER_YEARS      1136
#define IDC_OFFER_MORE_YEARS       1209
#define IDC_OFFER_SMALLER_BONUS    1137
#define IDC_OFFER_BIGGER_BONUS     1210
#define IDC_OFFER_SKIP             1211
#define IDC_OFFER_NAME             1254
#define IDC_OFFER_CAP_TEXT         1256
#define IDC_OFFER_CASH_TEXT        1086
#define IDC_OFFER_RATINGS          1359
#define IDC_OFFER_CONTRACT         1360
#define IDC_OFFER_PICTURE_LEFT     1361
#define IDC_OFFER_PICTURE_RIGHT    1362
// Expenses: each figure, its rank, and the two budgets' spins
#define IDC_EXPENSE_SCOUTING             1267
#define IDC_EXPENSE_MEDICAL              1142
#define IDC_EXPENSE_SALARIES             55253
#define IDC_EXPENSE_OPERATING            1183
#define IDC_EXPENSE_DIVIDENDS            1064
#define IDC_EXPENSE_REVENUE              1184
#define IDC_EXPENSE_EXPENSES             1185
#define IDC_EXPENSE_LAST_REVENUE         1186
#define IDC_EXPENSE_LAST_EXPENSES        1187
#define IDC_EXPENSE_CASH                 1086
#define IDC_EXPENSE_SCOUTING_RANK        1069
#define IDC_EXPENSE_MEDICAL_RANK         1070
#define IDC_EXPENSE_SALARIES_RANK        1065
#define IDC_EXPENSE_OPERATING_RANK       1067
#define IDC_EXPENSE_DIVIDENDS_RANK       1066
#define IDC_EXPENSE_REVENUE_RANK         1151
#define IDC_EXPENSE_EXPENSES_RANK        1152
#define IDC_EXPENSE_LAST_REVENUE_RANK    1080
#define IDC_EXPENSE_LAST_EXPENSES_RANK   1082
#define IDC_EXPENSE_CASH_RANK            1154
#define IDC_EXPENSE_SCOUTING_SPIN        1145
#define IDC_EXPENSE_MEDICAL_SPIN         1146
// Concessions: prices and spins, the three profit rows with their totals, captions, pictures
#define IDC_BEVERAGE_PRICE               1159
#define IDC_FOOD_PRICE                   1160
#define IDC_SOUVENIR_PRICE               1161
#define IDC_BEVERAGE_SPIN                1163
#define IDC_FOOD_SPIN                    1162
#define IDC_SOUVENIR_SPIN                1164
#define IDC_BEVERAGE_LAST_GAME           1147
#define IDC_FOOD_LAST_GAME               1148
#define IDC_SOUVENIR_LAST_GAME           1146
#define IDC_CONCESSION_TOTAL_LAST_GAME   1149
#define IDC_BEVERAGE_THIS_SEASON         1151
#define IDC_FOOD_THIS_SEASON             1150
#define IDC_SOUVENIR_THIS_SEASON         1152
#define IDC_CONCESSION_TOTAL_THIS_SEASON 1153
#define IDC_BEVERAGE_LAST_SEASON         1155
#define IDC_FOOD_LAST_SEASON             1154
#define IDC_SOUVENIR_LAST_SEASON         1156
#define IDC_CONCESSION_TOTAL_LAST_SEASON 1157
#define IDC_CONCESSION_THIS_SEASON_CAPTION 1097
#define IDC_CONCESSION_LAST_SEASON_CAPTION 1098
#define IDC_BEVERAGE_PICTURE             1358
#define IDC_FOOD_PICTURE                 1359
#define IDC_SOUVENIR_PICTURE             1360
// Tickets
#define IDC_TICKET_PRICE                 1020
#define IDC_TICKET_SPIN                  1167
#define IDC_TICKET_LAST_PRICE            1152
#define IDC_TICKET_LAST_ATTENDANCE       1156
#define IDC_TICKET_LAST_GATE             1158
#define IDC_TICKET_REVENUE_CAPTION       1176
#define IDC_TICKET_LAST_REVENUE_CAPTION  1177
#define IDC_TICKET_REVENUE               1172
#define IDC_TICKET_LAST_REVENUE          1173
#define IDC_TICKET_TOTAL_CAPTION         1101
#define IDC_TICKET_LAST_TOTAL_CAPTION    1102
#define IDC_TICKET_TOTAL                 1178
#define IDC_TICKET_LAST_TOTAL            1179
#define IDC_TICKET_CROWD_CAPTION         1099
#define IDC_TICKET_LAST_CROWD_CAPTION    1100
#define IDC_TICKET_CROWD                 1174
#define IDC_TICKET_LAST_CROWD            1175
#define IDC_TICKET_CITY_POPULATION       1180
#define IDC_TICKET_REGION_POPULATION     1183
#define IDC_TICKET_CITY_INCOME           1181
#define IDC_TICKET_CAPACITY              1182
// Find Players
#define IDC_FIND_AGE                     1221
#define IDC_FIND_AGE_SPIN                1239
#define IDC_FIND_OVERALL                 1419
#define IDC_FIND_PEAK                    1418
#define IDC_FIND_SALARY                  1255
#define IDC_FIND_NAME                    1254
#define IDC_FIND_RATING_1                1218
#define IDC_FIND_RATING_2                1219
#define IDC_FIND_RATING_3                1220
#define IDC_FIND_RATING_4                1222
#define IDC_FIND_RATING_5                1380
#define IDC_FIND_RATING_LABEL_1          1214
#define IDC_FIND_RATING_LABEL_2          1226
#define IDC_FIND_RATING_LABEL_3          1227
#define IDC_FIND_RATING_LABEL_4          1228
#define IDC_FIND_RATING_LABEL_5          1231
#define IDC_FIND_STATUS_1                1349
#define IDC_FIND_STATUS_2                1350
#define IDC_FIND_SEARCH                  1215
#define IDC_FIND_GO_GET                  1216
// Start Fantasy Draft and Fantasy Draft Order
#define IDC_FANTASY_FIRST_RANDOM         1353
#define IDC_FANTASY_FIRST_CASH           1354
#define IDC_FANTASY_FIRST_REVENUE        1355
#define IDC_FANTASY_FIRST_ALPHABETICAL   1356
#define IDC_FANTASY_LATER_REVERSE        1360
#define IDC_FANTASY_LATER_REPEAT         1357
#define IDC_FANTASY_LATER_SNAKE          1358
#define IDC_FANTASY_LATER_RANDOM         1364
#define IDC_FANTASY_ANNOUNCE             1022
#define IDC_FANTASY_PICK_LIST            1345

// ---- the string table: the first id of each run of words -----------------------------------
#define IDS_FAN_MOODS              13
#define IDS_WEEKDAYS               21
#define IDS_POSITION_NAMES         28
#define IDS_MONTHS                 43
#define IDS_POSITION_ABBREVIATIONS 59
#define IDS_ORDINALS               74
#define IDS_ORDINAL_TENS           93
#define IDS_CARDINALS              101
#define IDS_TENS                   121
#define IDS_ORDINAL_SUFFIXES       129

// ---- cursors: the pages' three hover cursors ---------------------------------------------
#define IDR_CURSOR_HOVER_A               130
#define IDR_CURSOR_HOVER_B               131
#define IDR_CURSOR_HOVER_C               132

// ---- the main menu and its accelerator table (menu commands double as page and help ids) -----
#define IDR_MAIN_MENU                    101
#define IDR_MAIN_ACCELERATORS            101
// Game
#define ID_GAME_SAVE                     40003
#define ID_GAME_RESUME                   40004
#define ID_GAME_EXIT                     40007
#define ID_GAME_NEW                      40018
#define ID_GAME_RETIRE                   40043
#define ID_GAME_OPTIONS                  40061
#define ID_GAME_PRINT                    40065
#define ID_GAME_OPEN_FOLDER              40136
// Team
#define ID_TEAM_DEFENSE                  40020
#define ID_TEAM_VIEW_OTHER               40040
#define ID_PLAY_INJURY_CONTINGENCY       40077
#define ID_TEAM_OFFENSE                  40083
#define ID_TEAM_SPECIAL_TEAMS            40084
#define ID_TEAM_PLAYBOOK                 40115
// Players
#define ID_PLAYERS_TRADES                40008
#define ID_PLAYERS_FREE_AGENTS           40038
#define ID_PLAYERS_FIND                  40056
#define ID_PLAYERS_COLLEGE_DRAFT         40085
#define ID_PLAYERS_TRADING_BLOCK         40089
#define ID_PLAYERS_SORTABLE_STATS        40096
// Budget
#define ID_BUDGET_CONCESSIONS            40023
#define ID_BUDGET_EXPENSES               40024
#define ID_BUDGET_TICKETS                40039
#define ID_BUDGET_BROADCAST              40041
// News: the pages
#define ID_NEWS_STANDINGS                40030
#define ID_NEWS_LEADERS                  40032
#define ID_NEWS_FINANCES                 40034
#define ID_NEWS_CALENDAR                 40036
#define ID_NEWS_HALL_OF_FAME             40037
#define ID_NEWS_PLAYOFFS                 40069
#define ID_NEWS_DRAFT                    40070
#define ID_NEWS_HALL_OF_FAME_TABS        40074
#define ID_NEWS_GAMES                    40086
// Play (the menu is rebuilt at run time)
#define ID_PLAY_TRADING_DEADLINE         40044
#define ID_PLAY_ONE_WEEK                 40045
#define ID_PLAY_ONE_MONTH                40046
#define ID_PLAY_HALF_SEASON              40047
#define ID_PLAY_REST_OF_SEASON           40048
#define ID_PLAY_END_DRAFT                40050
#define ID_PLAY_START_DRAFT              40053
#define ID_PLAY_STOP                     40058
#define ID_PLAY_FINISH_QUARTER           40059
#define ID_PLAY_FINISH_GAME              40060
#define ID_PLAY_VIEW_RECAP               40062
#define ID_PLAY_CONTINUE_DRAFT           40063
#define ID_PLAY_TIMEOUT                  40064
#define ID_PLAY_VIEW_BOX_SCORE           40066
#define ID_PLAY_SEASONS                  40099
// History
#define ID_HISTORY_PLAYER_HALL_OF_FAME   40042
#define ID_HISTORY_TEAM                  40091
#define ID_HISTORY_ENCYCLOPEDIA          40112
// League
#define ID_LEAGUE_STADIUM_EDITOR         40055
#define ID_LEAGUE_CITY_EDITOR            40078
#define ID_LEAGUE_EDITOR                 40079
#define ID_LEAGUE_DATABASE_NOTES         40087
// Tools
#define ID_TOOLS_SPECIAL                 40075
#define ID_TOOLS_OUTPUT_ROSTERS          40081
#define ID_TOOLS_FANTASY_DRAFT           40088
#define ID_TOOLS_ADVANCED                40094
#define ID_TOOLS_DEBUG_TIMING            40105
#define ID_TOOLS_DEBUG_LOG               40113
#define ID_TOOLS_SEASON_SIMULATOR        40135
// Help
#define ID_HELP_CONTENTS                 40014
#define ID_HELP_ABOUT                    40017
#define ID_HELP_PAGE                     40057
// The game screen's keys: plays 0..9 (keys 1..9, 0), picker pages A..F, timeout, Enter, Space
#define ID_GAME_KEY_PLAY_FIRST           40116
#define ID_GAME_KEY_PLAY_LAST            40125
#define ID_GAME_KEY_PAGE_FIRST           40126
#define ID_GAME_KEY_PAGE_LAST            40131
#define ID_GAME_KEY_TIMEOUT              40132
#define ID_GAME_KEY_ENTER                40133
#define ID_GAME_KEY_SPACE                40134
// The live game's debug keys Ctrl+F1 .. Ctrl+F12, one command each
#define ID_DEBUG_KEY_FIRST               40140
#define ID_DEBUG_KEY_LAST                40151

// ---- the test menu and accelerator table (ids 900-999, used only by the platform tests) ------
#define IDR_TEST_MENU              900
#define IDR_TEST_ACCELERATORS      900
#define ID_TEST_OPEN               901
#define ID_TEST_SAVE               902
#define ID_TEST_EXIT               903
#define ID_TEST_RECENT_1           904
#define ID_TEST_RECENT_2           905
#define ID_TEST_COPY               906
#define ID_TEST_PASTE              907
#define ID_TEST_REFRESH            908
#define ID_TEST_FIND               909
#define ID_TEST_ABOUT              910
#define ID_TEST_REDO               911
#define ID_TEST_PLAIN_KEY          912

// ---- New Game, Resume Game and Save Game ---------------------------------------------------
#define IDC_NEW_GAME_DIFFICULTY    1008
#define IDC_NEW_GAME_TEAM          1010
#define IDC_NEW_GAME_NAME          1013
#define IDC_NEW_GAME_VALUE         1016
#define IDC_NEW_GAME_CAPACITY      1017
#define IDC_NEW_GAME_FAN_BASE      1018
#define IDC_NEW_GAME_LOYALTY       1019
#define IDC_NEW_GAME_PLAYER1       1020
#define IDC_NEW_GAME_PLAYER2       1021
#define IDC_NEW_GAME_PLAYER3       1022
#define IDC_NEW_GAME_INCOME        1023
#define IDC_NEW_GAME_PLAYER4       1024
#define IDC_NEW_GAME_PLAYER5       1025
#define IDC_SAVED_GAMES            1077
#define IDC_SAVE_NAME              1082
#define IDC_NEW_GAME_SEASON        1089
#define IDC_NEW_GAME_PAYROLL       1093
#define IDC_SHUFFLE_PLAYERS        1317
#define IDC_EQUALIZE_CITIES        1318
#define IDC_FANTASY_DRAFT          1321
#define IDC_REPLAY_MODE            1322
#define IDC_PLAY                   1391
#define IDC_SEASON_INFO            1450
#define IDC_FICTIONAL_PLAYERS      1456
#define IDC_NEW_GAME_HUMANS        1457
#define IDC_DELETE_GAME            3

// ---- dialogs used only by the platform tests (ids 950-999) ---------------------------------
// Controls of the test class "DialogTestControl"; its style's low bits give the kind of control
// the test class plays (see tests/platform/dialog_test_controls.h).
#define IDD_TEST_KEYBOARD          950
#define IDD_TEST_OWN_CLASS         951
#define IDC_TEST_LABEL             960
#define IDC_TEST_EDIT              961
#define IDC_TEST_RED               962
#define IDC_TEST_GREEN             963
#define IDC_TEST_BLUE              964
#define IDC_TEST_APPLY             965
#define IDC_TEST_SAVE              966
#define IDC_TEST_OFF               967
