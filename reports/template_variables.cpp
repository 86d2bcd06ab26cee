// The template variables of the league, its teams and the links between pages; the variable tag
// is replaced by its value in place.
#include <string.h>

#include "core/core.h"
#include "reports/encyclopedia_internal.h"

#define LINK_ONE_FOLDER_DOWN 1
#define NAME_SIZE 128

typedef struct TEMPLATE_VAR {
    const char* szName;
    TEMPLATE_VAR_WRITER pfnWrite;
} TEMPLATE_VAR;

// ---- what every variable uses -------------------------------------------------------------------

int Current_Template_Year(void) {
    return Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber;
}

void Put_Escaped(char* st, int nSize, const char* szText) {
    int nLength = (int)strlen(st);
    if (nLength < nSize - 1)
        Escape_Html(st + nLength, nSize - nLength, szText);
}

const char* Get_Link_Prefix(int nType) {
    return nType == LINK_ONE_FOLDER_DOWN ? "..\\" : ".\\";
}

static void Put_Safe_Name(char* st, int nSize, const char* szText) {
    char szSafe[NAME_SIZE];
    Make_Safe_File_Name_Part(szText, szSafe, sizeof szSafe);
    safe_strncat(st, szSafe, nSize);
}

void Put_Team_Ref(int nTeam, int nSeason, int nType, char* st, int nSize) {
    char szLabel[TEAM_LABEL_SIZE];
    Get_Team_Label(nTeam, szLabel, sizeof szLabel);
    Append_Format_String(st, nSize, "<a href=\"%s%s", Get_Link_Prefix(nType),
                         nSeason == -1 ? "\\teams\\" : "\\TeamsDetail\\");
    Put_Safe_Name(st, nSize, szLabel);
    if (nSeason != -1)
        Append_Format_String(st, nSize, " %d", Current_Template_Year());
    safe_strncat(st, ".htm\">", nSize);
}

void Put_No_Link(char* st, int nSize) {
    safe_strncat(st, "<a>", nSize);
}

void Put_Player_Ref(int nTeam, int nSlot, int nType, char* st, int nSize) {
    if (!Is_Player_Slot_Used(nTeam, nSlot)) {
        Put_No_Link(st, nSize);
        return;
    }
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Last_First_Name(nTeam, nSlot, szName, sizeof szName);
    Append_Format_String(st, nSize, "<a href=\"%s\\players\\", Get_Link_Prefix(nType));
    Put_Safe_Name(st, nSize, szName);
    Append_Format_String(st, nSize, " %d.htm\">", Get_Player_ID(nTeam, nSlot));
}

// The logos are copied into the export's Logos folder; the link names that folder as written.
void Put_Team_Logo(int nTeam, char* st, int nSize) {
    char szFile[ENCYCLOPEDIA_FOLDER_SIZE];
    Get_Team_Logo_File(szFile, sizeof szFile, nTeam);
    const char* szBase = strrchr(szFile, '\\');
    safe_strncat(st, "<img src=\"..\\Logos\\", nSize);
    Put_Escaped(st, nSize, szBase ? szBase + 1 : szFile);
    safe_strncat(st, "\" border=\"0\">", nSize);
}

// ---- the league ---------------------------------------------------------------------------------

static int Write_Link_To_Css(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    Format_String(st, nSize, "<LINK REL=STYLESHEET TYPE=\"text/css\" HREF=\"%sImages\\",
                  Key(p, KEY_TYPE) == LINK_ONE_FOLDER_DOWN ? "..\\" : "");
    Put_Safe_Name(st, nSize, gEncyclopediaDesign);
    safe_strncat(st, "\">", nSize);
    return 1;
}

static int Write_Year(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    Format_String(st, nSize, "%d", Current_Template_Year() - Key(p, KEY_SEASON));
    return 1;
}

static int Write_Date(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    (void)p;
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    SYSTEMTIME now;
    GetLocalTime(&now);
    int nMonth = Clamp((int)now.wMonth, 1, 12) - 1;
    Format_String(st, nSize, "%s %d, %d", kMonths[nMonth], (int)now.wDay, (int)now.wYear);
    return 1;
}

static int Write_Vanto_Name(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    (void)p;
    char szName[NAME_SIZE];
    Get_Manager_Name(szName, sizeof szName);
    Put_Escaped(st, nSize, szName);
    return 1;
}

static int Write_League(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nLeague = Key(p, KEY_LEAGUE);
    if (nLeague == BOTH_LEAGUES) {
        safe_strncpy(st, "Overall", nSize);
        return 1;
    }
    char szName[NAME_SIZE] = "";
    Get_League_Name(nLeague, szName, sizeof szName);
    Put_Escaped(st, nSize, szName);
    return 1;
}

static int Write_Division(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    char szName[NAME_SIZE] = "";
    Get_Division_Name(Key(p, KEY_DIVIS), szName, sizeof szName);
    Put_Escaped(st, nSize, szName);
    return 1;
}

static int Write_Overall_Teams(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    (void)p;
    Format_String(st, nSize, "%d", Count_Active_Teams());
    return 1;
}

static int Write_Count(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    Format_String(st, nSize, "%d", Key(p, KEY_WEEK) + 1);
    return 1;
}

static const char* Get_Playoff_Round_Name(int nWeek) {
    static const char* const kRounds[] = {"Wildcard Games", "Divisional Playoff",
                                          "Championship Games", "Super Bowl"};
    int nRound = nWeek - Get_Regular_Season_Length();
    return nRound >= 0 && nRound < 4 ? kRounds[nRound] : NULL;
}

static int Write_Is_Playoff(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nWeek = Key(p, KEY_WEEK);
    const char* szRound = Get_Playoff_Round_Name(nWeek);
    if (nWeek < Get_Regular_Season_Length())
        szRound = "Regular Games";
    safe_strncpy(st, szRound ? szRound : "", nSize);
    return 1;
}

static int Write_Playoff_Game_Name(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    const char* szRound = Get_Playoff_Round_Name(Key(p, KEY_WEEK));
    if (!szRound)
        return 0;
    safe_strncpy(st, szRound, nSize);
    return 1;
}

static int Write_Time_Leader_Category(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nSeason = Key(p, KEY_SEASON);
    if (Key(p, KEY_TYPE) == 1)
        nSeason = nSeason == -1 ? -2 : nSeason == -2 ? -1 : nSeason;
    safe_strncpy(st, nSeason == -1 ? "All Time" : nSeason == -2 ? "Best Season" : "", nSize);
    return 1;
}

static int Write_Position_Name(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nPosition = Key(p, KEY_POS);
    if (nPosition == POS_ALL_DEFENCE || nPosition == POS_ALL_LINEMEN) {
        safe_strncpy(st, nPosition == POS_ALL_DEFENCE ? "Defensive Line" : "Offensive Line", nSize);
        return 1;
    }
    if (!(nPosition >= POS_QB && nPosition <= POS_WR) && nPosition != POS_K && nPosition != POS_P)
        return 0;
    char szName[NAME_SIZE];
    Get_Position_Name(nPosition, szName, sizeof szName);
    Format_String(st, nSize, "%ss", szName);
    return 1;
}

static int Write_Select(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Select_List(Key(p, KEY_TYPE), st, nSize);
}

static int Write_Most_Recent_Leaders_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nType = Key(p, KEY_TYPE);
    const char* szFolder = nType == 0 ? "leagueleaders\\" : nType == 1 ? "..\\leagueleaders\\" : "";
    Format_String(st, nSize, "<a href=\"%sNFL Leaders %d.htm\">", szFolder,
                  Current_Template_Year());
    return 1;
}

static int Write_League_Leaders_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nLeague = Key(p, KEY_LEAGUE);
    int nSeason = Key(p, KEY_SEASON);
    if (Key(p, KEY_TYPE) == 1)
        nSeason = nSeason == -1 ? -2 : nSeason == -2 ? -1 : nSeason;
    char szName[NAME_SIZE] = "NFL";
    if (nLeague != BOTH_LEAGUES) {
        szName[0] = 0;
        Get_League_Name(nLeague, szName, sizeof szName);
    }
    safe_strncpy(st, "<a href=\"", nSize);
    Put_Safe_Name(st, nSize, szName);
    safe_strncat(st, " Leaders", nSize);
    if (nSeason == -2)
        safe_strncat(st, " By Season", nSize);
    else if (nSeason != -1)
        Append_Format_String(st, nSize, " %d", Current_Template_Year() - nSeason);
    safe_strncat(st, ".htm\">", nSize);
    return 1;
}

// Links to the season, week and team index pages, which no other variable names.
static int Write_Season_Summary_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nSeason = Key(p, KEY_SEASON);
    Format_String(st, nSize, "<a href=\"%sSeason summary", Get_Link_Prefix(Key(p, KEY_TYPE)));
    if (nSeason != 0)
        Append_Format_String(st, nSize, " %d", Current_Template_Year() - nSeason);
    safe_strncat(st, ".htm\">", nSize);
    return 1;
}

static int Write_Season_Detail_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nWeek = Key(p, KEY_WEEK);
    Format_String(st, nSize, "<a href=\"%sSeasonDetail\\Season details",
                  Get_Link_Prefix(Key(p, KEY_TYPE)));
    if (!Is_Latest_Detail_Week(nWeek))
        Append_Format_String(st, nSize, " week%d", nWeek + 1);
    safe_strncat(st, ".htm\">", nSize);
    return 1;
}

static int Write_Sorted_Team_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    char szLabel[TEAM_LABEL_SIZE] = "";
    Get_Team_Label(Key(p, KEY_TEAM), szLabel, sizeof szLabel);
    Format_String(st, nSize, "<a href=\"%sSortedPlayers\\", Get_Link_Prefix(Key(p, KEY_TYPE)));
    Put_Safe_Name(st, nSize, szLabel);
    safe_strncat(st, " index.htm\">", nSize);
    return 1;
}

// ---- teams --------------------------------------------------------------------------------------

typedef void (*TEAM_TEXT)(int nTeam, char* szOut, int nSize);

static int Write_Team_Text(const TEMPLATE_CONTEXT* p, char* st, int nSize, TEAM_TEXT pfnText) {
    char szText[TEAM_LABEL_SIZE] = "";
    pfnText(Key(p, KEY_TEAM), szText, sizeof szText);
    Put_Escaped(st, nSize, szText);
    return 1;
}

static int Write_Team_Full_Name(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Team_Text(p, st, nSize, Get_Team_Label);
}

static int Write_Team_City_Name(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Team_Text(p, st, nSize, Get_Team_City);
}

static int Write_Team_Name(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Team_Text(p, st, nSize, Get_Team_Nickname);
}

static int Write_Team_Yearly_Char(const TEMPLATE_CONTEXT* p, char* st, int nSize, int nStat) {
    int nTeam = Key(p, KEY_TEAM);
    int nValue = 0;
    if (Is_Team_Active(nTeam))
        nValue = Get_Team_Yearly_Char(nTeam, gSeasonNumber - Key(p, KEY_SEASON), nStat);
    Format_String(st, nSize, "%d", nValue);
    return 1;
}

static int Write_Team_Wins(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Team_Yearly_Char(p, st, nSize, YEARLY_WINS);
}

static int Write_Team_Losses(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Team_Yearly_Char(p, st, nSize, YEARLY_LOSSES);
}

static int Write_Team_Ties(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Team_Yearly_Char(p, st, nSize, YEARLY_TIES);
}

static int Write_Team_Points(const TEMPLATE_CONTEXT* p, char* st, int nSize, int bScored) {
    if (Key(p, KEY_SEASON) != 0)
        safe_strncpy(st, "-", nSize);
    else
        Format_String(st, nSize, "%d", Sum_Team_Points(Key(p, KEY_TEAM), bScored));
    return 1;
}

static int Write_Team_Points_For(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Team_Points(p, st, nSize, 1);
}

static int Write_Team_Points_Against(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Team_Points(p, st, nSize, 0);
}

// 1 plus the teams with more points scored (bScored) or fewer allowed.
static int Write_Team_Points_Rank(const TEMPLATE_CONTEXT* p, char* st, int nSize, int bScored) {
    int nOwn = Sum_Team_Points(Key(p, KEY_TEAM), bScored);
    int nRank = 1;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        int nOther = Sum_Team_Points(nTeam, bScored);
        nRank += bScored ? nOther > nOwn : nOther < nOwn;
    }
    Format_String(st, nSize, "%d", nRank);
    return 1;
}

static int Write_Team_Points_For_Rank(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Team_Points_Rank(p, st, nSize, 1);
}

static int Write_Team_Points_Against_Rank(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Team_Points_Rank(p, st, nSize, 0);
}

static int Write_Playoff_Star(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nTeam = Key(p, KEY_TEAM);
    int nSeason = Key(p, KEY_SEASON);
    int nFinish;
    if (nSeason == 0) {
        if (gCurrentWeek < Get_Regular_Season_Length() || !Is_Team_Active(nTeam))
            return 1;
        nFinish = Record_Team_Season_Finish(nTeam);
    } else {
        int nBack = nSeason + (gCurrentWeek == OFF_SEASON_WEEK);
        nFinish = Get_Team_Yearly_Int(nTeam, gSeasonNumber - nBack, YEARLY_FINISH);
    }
    if (nFinish > 3)
        safe_strncpy(st, "*", nSize);
    return 1;
}

static int Write_Team_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    Put_Team_Ref(Key(p, KEY_TEAM), Key(p, KEY_SEASON), Key(p, KEY_TYPE), st, nSize);
    return 1;
}

static int Write_Team_Logo(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    Put_Team_Logo(Key(p, KEY_TEAM), st, nSize);
    return 1;
}

static int Write_Team_Record(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    Format_Team_Yearly_Record(st, nSize, Key(p, KEY_TEAM), Key(p, KEY_SEASON));
    return 1;
}

static int Write_Team_Totals(const TEMPLATE_CONTEXT* p, char* st, int nSize, int nCategory) {
    int nStat = Key(p, KEY_STAT);
    int nValue = Get_Team_Totals_Stat(Key(p, KEY_TEAM), nCategory, 0, nStat);
    if (nCategory == 0 && nStat == STAT_YARDS_PER_ATTEMPT)
        Format_String(st, nSize, "%.1f", nValue / 10.0);
    else if (nCategory == 0 && nStat == STAT_YARDS_PER_RUSH)
        Format_String(st, nSize, "%.2f", nValue / 100.0);
    else if (nCategory == 1 && nStat == STAT_SACK_TENTHS)
        Format_String(st, nSize, "%.1f", nValue / 10.0);
    else
        Format_String(st, nSize, "%d", nValue);
    return 1;
}

static int Write_Team_Offense(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Team_Totals(p, st, nSize, 0);
}

static int Write_Team_Defense(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Team_Totals(p, st, nSize, 1);
}

static int Write_Team_Offense_Rank(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    Format_String(st, nSize, "%d", 1 + Get_Team_Totals_Rank(Key(p, KEY_TEAM), 0, Key(p, KEY_STAT)));
    return 1;
}

static int Write_Team_Defense_Rank(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    Format_String(st, nSize, "%d", 1 + Get_Team_Totals_Rank(Key(p, KEY_TEAM), 1, Key(p, KEY_STAT)));
    return 1;
}

// ---- a team's week ------------------------------------------------------------------------------

// The team's game of the week (its side in *pSide), or NULL.
static GAME* Find_Week_Game(const TEMPLATE_CONTEXT* p, int* pSide) {
    int nTeam = Key(p, KEY_TEAM);
    int nWeek = Key(p, KEY_WEEK);
    if (!Is_Team_Active(nTeam) || nWeek < 0 || nWeek >= SCHEDULE_WEEKS)
        return NULL;
    GAME* pGame = Find_Team_Game_In_Week(nWeek, nTeam);
    if (pGame)
        *pSide = pGame->anTeams[HOME_SIDE] == nTeam ? HOME_SIDE : VISITOR_SIDE;
    return pGame;
}

static int Write_Opponent_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nSide;
    GAME* pGame = Find_Week_Game(p, &nSide);
    if (pGame)
        Put_Team_Ref(pGame->anTeams[1 - nSide], -1, Key(p, KEY_TYPE), st, nSize);
    else
        Put_No_Link(st, nSize);
    return 1;
}

static int Write_Opponent_Name(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nSide;
    GAME* pGame = Find_Week_Game(p, &nSide);
    if (pGame) {
        char szLabel[TEAM_LABEL_SIZE];
        Get_Team_Label(pGame->anTeams[1 - nSide], szLabel, sizeof szLabel);
        Put_Escaped(st, nSize, szLabel);
    }
    return 1;
}

static int Write_At(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nWeek = Key(p, KEY_WEEK);
    int bAway = nWeek >= 0 && nWeek <= 21 &&
                Get_Team_Schedule_Stat(Key(p, KEY_TEAM), nWeek, SCHEDULE_OPPONENT) < 0;
    safe_strncpy(st, bAway ? "at" : "  ", nSize);
    return 1;
}

static int Write_Game_Result(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nSide;
    GAME* pGame = Find_Week_Game(p, &nSide);
    if (!pGame)
        return 1;
    int nOwn = pGame->anScores[nSide], nOther = pGame->anScores[1 - nSide];
    const char* szResult = nOwn > nOther ? "W" : "L";
    if (nOwn == nOther)
        szResult = Is_Game_Over(pGame) ? "T" : nSide == HOME_SIDE ? "W" : "L";
    safe_strncpy(st, szResult, nSize);
    return 1;
}

static int Write_Game_Score(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nSide;
    GAME* pGame = Find_Week_Game(p, &nSide);
    if (pGame)
        Format_String(st, nSize, "%d-%d", pGame->anScores[nSide], pGame->anScores[1 - nSide]);
    return 1;
}

// ---- the table of names -------------------------------------------------------------------------

static const TEMPLATE_VAR kVariables[] = {
    {"LinkToCSS", Write_Link_To_Css},
    {"Year", Write_Year},
    {"Date", Write_Date},
    {"VantoName", Write_Vanto_Name},
    {"League", Write_League},
    {"Division", Write_Division},
    {"TeamFullName", Write_Team_Full_Name},
    {"TeamCityName", Write_Team_City_Name},
    {"TeamName", Write_Team_Name},
    {"TeamWins", Write_Team_Wins},
    {"TeamLosses", Write_Team_Losses},
    {"TeamTies", Write_Team_Ties},
    {"TeamPointsFor", Write_Team_Points_For},
    {"TeamPointsAgainst", Write_Team_Points_Against},
    {"isPlayoff", Write_Is_Playoff},
    {"PlayoffStar", Write_Playoff_Star},
    {"PlayoffGameName", Write_Playoff_Game_Name},
    {"TeamRef", Write_Team_Ref},
    {"OpponentRef", Write_Opponent_Ref},
    {"LeagueLeadersRef", Write_League_Leaders_Ref},
    {"MostRecentLeadersRef", Write_Most_Recent_Leaders_Ref},
    {"TeamRecord", Write_Team_Record},
    {"TeamPointsForRank", Write_Team_Points_For_Rank},
    {"TeamPointsAgainstRank", Write_Team_Points_Against_Rank},
    {"OverallTeams", Write_Overall_Teams},
    {"Count", Write_Count},
    {"at", Write_At},
    {"OpponentName", Write_Opponent_Name},
    {"GameResult", Write_Game_Result},
    {"GameScore", Write_Game_Score},
    {"TeamOffense", Write_Team_Offense},
    {"TeamDefense", Write_Team_Defense},
    {"TeamOffenseRank", Write_Team_Offense_Rank},
    {"TeamDefenseRank", Write_Team_Defense_Rank},
    {"Select", Write_Select},
    {"TeamLogo", Write_Team_Logo},
    {"PositionName", Write_Position_Name},
    {"TimeLeaderCategory", Write_Time_Leader_Category},
    {"SeasonSummaryRef", Write_Season_Summary_Ref},
    {"SeasonDetailRef", Write_Season_Detail_Ref},
    {"SortedTeamRef", Write_Sorted_Team_Ref},
};

static TEMPLATE_VAR_WRITER Find_Variable(const char* szName) {
    for (const TEMPLATE_VAR& var : kVariables) {
        if (strcmp(szName, var.szName) == 0)
            return var.pfnWrite;
    }
    TEMPLATE_VAR_WRITER pfnWrite = Find_Player_Variable(szName);
    return pfnWrite ? pfnWrite : Find_Game_Variable(szName);
}

void Expand_Template_Var(char* szTag, int nSize) {
    int nLength = (int)strlen(szTag);
    int nPrefix = (int)strlen("<gdx:var") + 1;
    char szName[TEMPLATE_VALUE_SIZE];
    safe_strncpy(szName, nLength > nPrefix ? szTag + nPrefix : "", sizeof szName);
    int nName = (int)strlen(szName);
    if (nName > 0 && szName[nName - 1] == '>')
        szName[nName - 1] = 0;
    TEMPLATE_CONTEXT context;
    Parse_Tag_Context(szName, &context);
    char szValue[TEMPLATE_VALUE_SIZE * 8] = "";
    TEMPLATE_VAR_WRITER pfnWrite = Find_Variable(szName);
    if (!pfnWrite || !pfnWrite(&context, szValue, sizeof szValue))
        safe_strncpy(szValue, szName, sizeof szValue);
    safe_strncpy(szTag, szValue, nSize);
}
