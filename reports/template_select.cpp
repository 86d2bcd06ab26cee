// The Select variable: the drop-down lists that let a reader jump between pages.
#include <string.h>

#include "core/core.h"
#include "reports/encyclopedia_internal.h"

static const char* const kSelectNames[] = {"",
                                           "name=\"week\">\n",
                                           "name=\"season_year\">\n",
                                           "name=\"leaders_year\">\n",
                                           "name=\"alltime_team\">\n",
                                           "name=\"season_team\">\n",
                                           "name=\"leaders\">\n",
                                           "name=\"player_pos\">\n",
                                           "name=\"player_name\">\n",
                                           "name=\"player_team\">\n"};
#define SELECT_TYPE_COUNT ((int)(sizeof kSelectNames / sizeof kSelectNames[0]))

static const char* const kPositionOptions[] = {"Quarterbacks", "Running Backs",  "Wide Receivers",
                                               "Tight Ends",   "Offensive Line", "Defensive Line",
                                               "Kickers",      "Punters"};

static void Put_Option(char* st, int nSize, const char* szValue, const char* szText) {
    Append_Format_String(st, nSize, "<option %s>", szValue);
    Put_Escaped(st, nSize, szText);
    safe_strncat(st, "</option>\n", nSize);
}

static void Put_Team_Options(char* st, int nSize, int bSeason) {
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        char szLabel[TEAM_LABEL_SIZE], szValue[TEAM_LABEL_SIZE + 16];
        Get_Team_Label(nTeam, szLabel, sizeof szLabel);
        Make_Safe_File_Name_Part(szLabel, szValue, sizeof szValue);
        if (bSeason)
            Append_Format_String(szValue, sizeof szValue, " %d", Current_Template_Year());
        safe_strncat(st, "<option value=\"", nSize);
        Put_Escaped(st, nSize, szValue);
        safe_strncat(st, "\">", nSize);
        Put_Escaped(st, nSize, szLabel);
        safe_strncat(st, "</option>\n", nSize);
    }
}

static void Put_Select_Options(int nType, char* st, int nSize) {
    int nYear = Current_Template_Year();
    char szValue[32], szText[64];
    switch (nType) {
    case 1: {
        int nLast = Count_Detail_Weeks();
        for (int nWeek = 1; nWeek <= nLast; nWeek++) {
            Format_String(szValue, sizeof szValue, "value=\"%d\"", nWeek == nLast ? -1 : nWeek);
            Format_String(szText, sizeof szText, "Week %d", nWeek);
            Put_Option(st, nSize, szValue, szText);
        }
        break;
    }
    case 2:
        Append_Format_String(st, nSize, "<option value=\"-1\">\n%d</option>\n", nYear);
        for (int nBack = 1; nBack <= gSeasonNumber; nBack++) {
            Format_String(szValue, sizeof szValue, "value=\"%d\"", nYear - nBack);
            Format_String(szText, sizeof szText, "%d", nYear - nBack);
            Put_Option(st, nSize, szValue, szText);
        }
        break;
    case 3:
        for (int nBack = 0; nBack <= gSeasonNumber; nBack++) {
            Format_String(szValue, sizeof szValue, "value=\"%d\" ", nYear - nBack);
            Format_String(szText, sizeof szText, "%d", nYear - nBack);
            Put_Option(st, nSize, szValue, szText);
        }
        break;
    case 4:
    case 9: Put_Team_Options(st, nSize, 0); break;
    case 5: Put_Team_Options(st, nSize, 1); break;
    case 6:
        safe_strncat(st, "<option value=\"2\">NFL</option>\n", nSize);
        for (int nLeague = 0; nLeague < Count_Active_Leagues(); nLeague++) {
            char szName[64] = "";
            Get_League_Name(nLeague, szName, sizeof szName);
            Format_String(szValue, sizeof szValue, "value=\"%d\"", nLeague);
            Put_Option(st, nSize, szValue, szName);
        }
        break;
    case 7:
        for (int n = 0; n < (int)(sizeof kPositionOptions / sizeof kPositionOptions[0]); n++) {
            Format_String(szValue, sizeof szValue, "value=\"%d\"", n);
            Put_Option(st, nSize, szValue, kPositionOptions[n]);
        }
        break;
    case 8:
        for (char ch = 'A'; ch <= 'Z'; ch++)
            Append_Format_String(st, nSize, "<option value=\"%c\">\n%c</option>\n", ch, ch);
        break;
    default: break;
    }
}

int Write_Select_List(int nType, char* st, int nSize) {
    safe_strncpy(st, "<select onChange='OnChange(this)' ", nSize);
    safe_strncat(st, nType > 0 && nType < SELECT_TYPE_COUNT ? kSelectNames[nType] : ">\n", nSize);
    safe_strncat(st, "<option value=\"-100\" selected></option>\n", nSize);
    Put_Select_Options(nType, st, nSize);
    safe_strncat(st, "</select>\n", nSize);
    return 1;
}
