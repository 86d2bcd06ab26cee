// What the encyclopedia's expander, tables, variables and export share inside reports/.
#pragma once

#include <stdio.h>

#include "reports/reports.h"

#define TEMPLATE_BUFFER_MIN 32768  // the text and tag buffers are never smaller
#define TEMPLATE_VALUE_SIZE 1024   // room for one computed value before it goes into the tag

// ---- the expander (template_expander.cpp) --------------------------------------------------------
int Get_Template_Key(const char* szGroup);  // the key code of "NAME=value", -1 when unknown
int Get_Key_Value(const char* szGroup);     // the number after the first "="; 0 without one
void Parse_Tag_Context(char* szName, TEMPLATE_CONTEXT* pContext);
// Inserts "[KEY=value]" before the tag's final ">" when it fits the buffer; 0 when it does not.
int Append_Context_Group(char* szTag, int nSize, int nValue, int nKey);
// Writes the plain text from nPos up to the next "<" and copies that tag (cut to the buffer, always
// closed by ">"); the position after it, or -1 when no tag is left.
int Copy_Template_Text(const char* szText, int nLength, char* szTag, int nTagSize, FILE* pOut,
                       int nPos);
// Copies the text from nPos up to and including the first closing table tag into the body; the
// position of that tag's ">" (or the end). *pBodyLength gets the body's length.
int Collect_Table_Body(const char* szText, int nLength, char* szBody, int* pBodyLength, int nPos);
int Expand_Template_Tag(const char* szText, int nLength, char* szTag, int nTagSize, FILE* pOut,
                        int nPos);

// ---- tables and leader lists (template_tables.cpp) ----------------------------------------------
enum TEMPLATE_TABLE {
    TABLE_DIVISION_STANDING = 1,
    TABLE_GAME_BY_GAME,
    TABLE_PLAYERS,
    TABLE_LEADERS,
    TABLE_PLAYER_STATS,
    TABLE_WEEK_GAMES,
    TABLE_TEAM_SUMMARY,
    TABLE_PLAYERS_BY_NAME,
    TABLE_PLAYOFF_GAME_BY_GAME,
    TABLE_GAME_PLAYS
};
int Get_Template_Table(const char* szName);  // -1 for a name not in the list
int Get_Table_Row_Count(int nTable, const TEMPLATE_CONTEXT* pContext);
int Append_Row_Context(char* szTag, int nSize, int nTable, const TEMPLATE_CONTEXT* pContext,
                       int nRow);
extern LEADER_LIST gTemplateLeaderList;
int Get_Regular_Season_Length(void);  // the first postseason week, at least 2
// The weeks that have week pages, up to the final's: the season's week, at most the regular
// season and four playoff weeks.
int Count_Detail_Weeks(void);
// 1 when week nWeek's page is "Season details.htm": the last week of Count_Detail_Weeks.
int Is_Latest_Detail_Week(int nWeek);

// ---- variables (template_variables.cpp and its neighbours) --------------------------------------
// Each writes its value into st (bounded by nSize) and returns 1, or returns 0 to leave the
// variable's name on the page.
typedef int (*TEMPLATE_VAR_WRITER)(const TEMPLATE_CONTEXT* pContext, char* st, int nSize);
TEMPLATE_VAR_WRITER Find_Game_Variable(const char* szName);    // template_game_variables.cpp
TEMPLATE_VAR_WRITER Find_Player_Variable(const char* szName);  // template_player_variables.cpp
int Write_Select_List(int nType, char* st, int nSize);         // template_select.cpp
int Current_Template_Year(void);
inline int Key(const TEMPLATE_CONTEXT* pContext, int nKey) {
    return Get_Context_Value(pContext, nKey);
}
// Text from the league made safe for a page: & < > " ' as entities.
void Put_Escaped(char* st, int nSize, const char* szText);
// A link variable with nothing to link writes "<a>", so that the template's "</a>" still pairs.
void Put_No_Link(char* st, int nSize);
void Put_Team_Ref(int nTeam, int nSeason, int nType, char* st, int nSize);
void Put_Player_Ref(int nTeam, int nSlot, int nType, char* st, int nSize);
void Put_Team_Logo(int nTeam, char* st, int nSize);
const char* Get_Link_Prefix(int nType);  // "..\\" for TYPE 1, else ".\\"
// The game record GAME names, or NULL when it names none.
struct GAME* Get_Template_Game(const TEMPLATE_CONTEXT* pContext);
// The PLAY entry of that game's log, or NULL.
const struct PLAY* Get_Template_Play(const TEMPLATE_CONTEXT* pContext, struct GAME** ppGame);

// ---- page names (encyclopedia_pages.cpp) ---------------------------------------------------------
extern char gEncyclopediaDesign[ENCYCLOPEDIA_FOLDER_SIZE];
