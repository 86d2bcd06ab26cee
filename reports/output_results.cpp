// The statistics output file of the Print command: one team's, one league's or the whole
// league's players of one section, sorted, as tab- or comma-separated fields, fixed columns or
// an HTML page around the fixed columns.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include "database/database.h"
#include "reports/reports.h"

#define OUTPUT_LINE_SIZE 2048
#define OUTPUT_FIELD_SIZE 64
#define OUTPUT_MAX_FIELDS 18
#define OUTPUT_PRODUCT "Football Vanto"
#define OUTPUT_HOME_PAGE "https://footballvanto.example/"

// Each section's captions after the name; a row has the same fields.
static const char* const kOffenseCaptions[] = {"Team",   "G",    "Att",   "Com", "Yards", "TD",
                                               "Rating", "Rush", "Yards", "Avg", "TD",    "Rec",
                                               "Yards",  "Avg",  "TD",    "Fum"};
static const char* const kDefenseCaptions[] = {"Team", "G",  "GS",  "Tkl", "Ast", "Sacks",
                                               "FF",   "KD", "Int", "TD",  "Ret"};
static const char* const kKickingCaptions[] = {"Team", "G",  "Punts", "Yards", "Long",
                                               "XPA",  "XP", "FGA",   "FG"};
static const char* const kSectionNames[OUTPUT_SECTION_COUNT] = {"Offense", "Defense", "Kicking"};
static const char* const kFixedFormats[OUTPUT_SECTION_COUNT] = {
    "%-24s %4s %4s %5s %5s %4s %3s %3s %3s %4s %4s %4s %3s %4s %4s %5s %5s",
    "%-24s %4s %6s %5s %4s %3s %3s %3s %3s %4s %4s %5s",
    "%-24s %4s %4s %5s %5s %5s %4s %4s %5s %4s"};

static int Count_Section_Captions(int nSection) {
    switch (nSection) {
    case OUTPUT_OFFENSE: return (int)(sizeof kOffenseCaptions / sizeof kOffenseCaptions[0]);
    case OUTPUT_DEFENSE: return (int)(sizeof kDefenseCaptions / sizeof kDefenseCaptions[0]);
    default: return (int)(sizeof kKickingCaptions / sizeof kKickingCaptions[0]);
    }
}

static const char* Get_Section_Caption(int nSection, int n) {
    switch (nSection) {
    case OUTPUT_OFFENSE: return kOffenseCaptions[n];
    case OUTPUT_DEFENSE: return kDefenseCaptions[n];
    default: return kKickingCaptions[n];
    }
}

// A section lists the players of its side only: offence the backs, receivers and passers.
static int Is_Player_In_Section(int nTeam, int nSlot, int nSection) {
    int nPosition = Get_Roster_Position(nTeam, nSlot);
    switch (nSection) {
    case OUTPUT_OFFENSE: return nPosition >= POS_QB && nPosition <= POS_WR;
    case OUTPUT_DEFENSE: return nPosition >= POS_DE && nPosition <= POS_S;
    default: return nPosition == POS_K || nPosition == POS_P;
    }
}

// The fields of a row (name first) as texts; returns how many.
typedef char OUTPUT_FIELDS[OUTPUT_MAX_FIELDS][OUTPUT_FIELD_SIZE];

static void Put_Number(char* szField, int nValue) {
    snprintf(szField, OUTPUT_FIELD_SIZE, "%d", nValue);
}

// A value in tenths, or a ratio a / b, with one decimal.
static void Put_Tenths(char* szField, int nTenths) {
    snprintf(szField, OUTPUT_FIELD_SIZE, "%s%d.%d", nTenths < 0 ? "-" : "", abs(nTenths) / 10,
             abs(nTenths) % 10);
}

static void Put_Average(char* szField, int nYards, int nCount) {
    Put_Tenths(szField,
               nCount > 0
                   ? (int)((nYards * 10LL + (nYards >= 0 ? nCount / 2 : -nCount / 2)) / nCount)
                   : 0);
}

static int Fill_Player_Fields(int nTeam, int nSlot, int nSeason, int nSection,
                              OUTPUT_FIELDS aszFields) {
    Get_Player_Last_First_Name(nTeam, nSlot, aszFields[0], OUTPUT_FIELD_SIZE);
    Get_Team_String(aszFields[1], OUTPUT_FIELD_SIZE, nTeam, TEAM_ABBREVIATION);
    auto Stat = [&](int nStat) { return Get_Player_Stat(nTeam, nSlot, nSeason, nStat); };
    Put_Number(aszFields[2], Stat(STAT_GAMES));
    int n = 3;
    if (nSection == OUTPUT_OFFENSE) {
        int bPasser = Get_Roster_Position(nTeam, nSlot) == POS_QB;
        Put_Number(aszFields[n++], bPasser ? Stat(OFF_PASS_ATTEMPTS) : 0);
        Put_Number(aszFields[n++], bPasser ? Stat(OFF_COMPLETIONS) : 0);
        Put_Number(aszFields[n++], bPasser ? Stat(OFF_PASSING_YARDS) : 0);
        Put_Number(aszFields[n++], bPasser ? Stat(OFF_PASSING_TOUCHDOWNS) : 0);
        Put_Tenths(aszFields[n++], bPasser ? Stat(STAT_PASSER_RATING) : 0);
        Put_Number(aszFields[n++], Stat(OFF_RUSHES));
        Put_Number(aszFields[n++], Stat(OFF_RUSHING_YARDS));
        Put_Average(aszFields[n++], Stat(OFF_RUSHING_YARDS), Stat(OFF_RUSHES));
        Put_Number(aszFields[n++], Stat(OFF_RUSHING_TOUCHDOWNS));
        Put_Number(aszFields[n++], Stat(OFF_RECEPTIONS));
        Put_Number(aszFields[n++], Stat(OFF_RECEIVING_YARDS));
        Put_Average(aszFields[n++], Stat(OFF_RECEIVING_YARDS), Stat(OFF_RECEPTIONS));
        Put_Number(aszFields[n++], Stat(OFF_RECEIVING_TOUCHDOWNS));
        Put_Number(aszFields[n++], Stat(OFF_FUMBLES_LOST));
    } else if (nSection == OUTPUT_DEFENSE) {
        Put_Number(aszFields[n++], Stat(STAT_STARTS));
        Put_Number(aszFields[n++], Stat(DEF_SOLO_TACKLES));
        Put_Number(aszFields[n++], Stat(DEF_TACKLE_ASSISTS));
        Put_Tenths(aszFields[n++], Stat(DEF_SACKS) * 5);  // kept in halves
        Put_Number(aszFields[n++], Stat(DEF_FORCED_FUMBLES));
        Put_Number(aszFields[n++], Stat(DEF_PASSES_DEFENSED));
        Put_Number(aszFields[n++], Stat(DEF_INTERCEPTIONS));
        Put_Number(aszFields[n++], Stat(DEF_TOUCHDOWNS));
        Put_Number(aszFields[n++], Stat(STAT_KICK_RETURNS) + Stat(STAT_PUNT_RETURNS));
    } else {
        Put_Number(aszFields[n++], Stat(KICK_PUNTS));
        Put_Number(aszFields[n++], Stat(KICK_PUNT_YARDS));
        Put_Number(aszFields[n++], Stat(KICK_LONGEST_PUNT));
        Put_Number(aszFields[n++], Stat(KICK_EXTRA_POINT_ATTEMPTS));
        Put_Number(aszFields[n++], Stat(KICK_EXTRA_POINTS_MADE));
        Put_Number(aszFields[n++], Stat(STAT_FIELD_GOALS_TRIED));
        Put_Number(aszFields[n++], Stat(STAT_FIELD_GOALS_MADE));
    }
    return n;
}

static void Get_Season_Label(int nSeason, char* szOut, int nSize) {
    if (nSeason == SEASON_CAREER)
        snprintf(szOut, (size_t)nSize, "Career");
    else
        snprintf(szOut, (size_t)nSize, "%d", Get_Season_Year() - (nSeason == SEASON_PREVIOUS));
}

// The fields joined by the format; the comma format gives the name as two fields, last and first.
static void Join_Fields(OUTPUT_FIELDS aszFields, int nFields, int nSection, int nFormat,
                        char* szOut) {
    szOut[0] = '\0';
    if (nFormat == OUTPUT_FIXED || nFormat == OUTPUT_HTML) {
        const char* a[OUTPUT_MAX_FIELDS];
        for (int i = 0; i < OUTPUT_MAX_FIELDS; i++)
            a[i] = i < nFields ? aszFields[i] : "";
        snprintf(szOut, OUTPUT_LINE_SIZE, kFixedFormats[nSection], a[0], a[1], a[2], a[3], a[4],
                 a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12], a[13], a[14], a[15], a[16]);
        safe_strncat(szOut, "\n", OUTPUT_LINE_SIZE);
        return;
    }
    const char* szSeparator = nFormat == OUTPUT_COMMA ? "," : "\t";
    for (int i = 0; i < nFields; i++) {
        char szField[OUTPUT_FIELD_SIZE];
        safe_strncpy(szField, aszFields[i], (int)sizeof szField);
        if (nFormat == OUTPUT_COMMA) {
            for (char* p = szField; *p; p++) {
                if (*p == ',' && i == 0 && p[1] == ' ')
                    memmove(p + 1, p + 2, strlen(p + 2) + 1);  // "Last, First" as two fields
                else if (*p == ',' && i != 0)
                    *p = ' ';
            }
        }
        safe_strncat(szOut, szField, OUTPUT_LINE_SIZE);
        if (nFormat == OUTPUT_TAB || i + 1 < nFields)
            safe_strncat(szOut, szSeparator, OUTPUT_LINE_SIZE);
    }
    safe_strncat(szOut, "\n", OUTPUT_LINE_SIZE);
}

int Format_Output_Results_Line(int nTeam, int nSlot, int nSeason, int nSection, int nFormat,
                               char* szOut) {
    szOut[0] = '\0';
    if (nSection < 0 || nSection >= OUTPUT_SECTION_COUNT)
        return 0;
    OUTPUT_FIELDS aszFields;
    int nFields;
    if (nTeam == NO_TEAM && nSlot == NO_PLAYER) {
        char szLabel[32];
        Get_Season_Label(nSeason, szLabel, (int)sizeof szLabel);
        if (nFormat == OUTPUT_COMMA)
            snprintf(aszFields[0], OUTPUT_FIELD_SIZE, "Last, First");
        else
            snprintf(aszFields[0], OUTPUT_FIELD_SIZE, "%s %s", szLabel, kSectionNames[nSection]);
        nFields = 1 + Count_Section_Captions(nSection);
        for (int i = 1; i < nFields; i++)
            safe_strncpy(aszFields[i], Get_Section_Caption(nSection, i - 1), OUTPUT_FIELD_SIZE);
    } else {
        if (!Is_Valid_Player_Index(nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
            return 0;
        nFields = Fill_Player_Fields(nTeam, nSlot, nSeason, nSection, aszFields);
    }
    if (nFormat == OUTPUT_HTML) {  // the columns laid out first, then escaped, so they stay aligned
        char szPlain[OUTPUT_LINE_SIZE];
        Join_Fields(aszFields, nFields, nSection, nFormat, szPlain);
        Escape_Html(szOut, OUTPUT_LINE_SIZE, szPlain);
    } else {
        Join_Fields(aszFields, nFields, nSection, nFormat, szOut);
    }
    return nFields + (nFormat == OUTPUT_COMMA);
}

// ---- which players, in which order ---------------------------------------------------------------

static int Is_Team_Selected(int nTeam, int nSelector) {
    int nTeams = Count_Active_Teams();
    if (nSelector < nTeams)
        return nTeam == nSelector;
    if (nSelector <= nTeams + 1) {
        int nLeague =
            nTeam >= nTeams ? 2 : Get_Team_Stat(nTeam, TEAM_DIVISION) / DIVISIONS_PER_LEAGUE;
        return nLeague == nSelector - nTeams;
    }
    return 1;
}

int Get_Output_Sort_Value(int nTeam, int nSlot, int nSeason, int nSortKey) {
    if (!Is_Player_Slot_Used(nTeam, nSlot) ||
        Get_Player_Stat(nTeam, nSlot, nSeason, STAT_GAMES) == 0)
        return -1;
    if (nSortKey == OUTPUT_SORT_BY_TEAM)
        return nTeam;
    if (nSortKey == OUTPUT_SORT_BY_NAME)
        return 0;  // names are compared as texts
    return Get_Player_Stat(nTeam, nSlot, nSeason, nSortKey);
}

struct OUTPUT_ROW {
    int nTeam, nSlot, nValue;
};

static int Compare_Rows_By_Value(const void* pA, const void* pB) {
    const OUTPUT_ROW* a = (const OUTPUT_ROW*)pA;
    const OUTPUT_ROW* b = (const OUTPUT_ROW*)pB;
    if (a->nValue != b->nValue)
        return a->nValue > b->nValue ? -1 : 1;
    if (a->nTeam != b->nTeam)
        return a->nTeam - b->nTeam;
    return a->nSlot - b->nSlot;
}

static int Compare_Rows_By_Name(const void* pA, const void* pB) {
    const OUTPUT_ROW* a = (const OUTPUT_ROW*)pA;
    const OUTPUT_ROW* b = (const OUTPUT_ROW*)pB;
    char szA[PLAYER_NAME_TEXT_SIZE], szB[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Last_First_Name(a->nTeam, a->nSlot, szA, (int)sizeof szA);
    Get_Player_Last_First_Name(b->nTeam, b->nSlot, szB, (int)sizeof szB);
    int nOrder = strcasecmp(szA, szB);
    if (nOrder != 0)
        return nOrder;
    return Compare_Rows_By_Value(pA, pB);
}

static void Write_Html_Head(FILE* pFile, const char* szTitle) {
    fprintf(pFile, "<HTML>\n<HEAD><TITLE>%s</TITLE></HEAD>\n\n", szTitle);
    fprintf(pFile, "<META NAME=\"GENERATOR\" CONTENT=\"%s 1.00\">\n", OUTPUT_PRODUCT);
    fprintf(pFile,
            "<BODY TEXT=\"#FFFFFF\" BGCOLOR=\"#008000\" LINK=\"#80FF00\" "
            "VLINK=\"#60BF00\">\n");
    fprintf(pFile, "<CENTER><H1>%s</CENTER></H1>\n<PRE>\n", szTitle);
}

static void Write_Html_Trailer(FILE* pFile) {
    fprintf(pFile, "</PRE>\n<P>\n<CENTER><H5>\n");
    fprintf(pFile, "<FONT COLOR=\"#FFFF80\">[ This file created by </FONT>\n");
    fprintf(pFile, "<A HREF=\"%s\"><FONT COLOR=\"#FF0000\">%s</FONT></A>\n", OUTPUT_HOME_PAGE,
            OUTPUT_PRODUCT);
    fprintf(pFile, "<FONT COLOR=\"#FFFF80\"> ] </FONT>\n</CENTER></H5>\n</BODY>\n</HTML>\n");
}

static void Make_Html_Title(int nSelector, int nSeason, int nSection, char* szOut, int nSize) {
    char szLabel[32], szNickname[TEAM_STRING_SIZE] = "", szEscaped[TEAM_STRING_SIZE * 6];
    Get_Season_Label(nSeason, szLabel, (int)sizeof szLabel);
    if (nSelector >= 0 && nSelector < Count_Active_Teams())
        Get_Team_String(szNickname, (int)sizeof szNickname, nSelector, TEAM_NICKNAME);
    Escape_Html(szEscaped, (int)sizeof szEscaped, szNickname);
    snprintf(szOut, (size_t)nSize, "%s %s %s", szLabel, szEscaped, kSectionNames[nSection]);
}

int Write_Output_Results(const char* szPath, int nSelector, int nSeason, int nSection, int nSortKey,
                         int nFormat) {
    if (nSection < 0 || nSection >= OUTPUT_SECTION_COUNT || nFormat < 0 ||
        nFormat >= OUTPUT_FORMAT_COUNT)
        return 0;
    FILE* pFile = Platform_Open_File(szPath, "w");
    if (!pFile)
        return 0;
    char szLine[OUTPUT_LINE_SIZE];
    if (nFormat == OUTPUT_HTML) {
        Make_Html_Title(nSelector, nSeason, nSection, szLine, (int)sizeof szLine);
        Write_Html_Head(pFile, szLine);
    }
    Format_Output_Results_Line(NO_TEAM, NO_PLAYER, nSeason, nSection, nFormat, szLine);
    fputs(szLine, pFile);
    static OUTPUT_ROW aRows[LEAGUE_TEAM_COUNT * PLAYERS_PER_TEAM];
    int nRows = 0;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        if (!Is_Team_Selected(nTeam, nSelector))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            int nValue = Get_Output_Sort_Value(nTeam, nSlot, nSeason, nSortKey);
            if (nValue >= 0 && Is_Player_In_Section(nTeam, nSlot, nSection))
                aRows[nRows++] = {nTeam, nSlot, nValue};
        }
    }
    qsort(aRows, (size_t)nRows, sizeof aRows[0],
          nSortKey == OUTPUT_SORT_BY_NAME ? Compare_Rows_By_Name : Compare_Rows_By_Value);
    for (int n = 0; n < nRows; n++) {
        Format_Output_Results_Line(aRows[n].nTeam, aRows[n].nSlot, nSeason, nSection, nFormat,
                                   szLine);
        fputs(szLine, pFile);
    }
    if (nFormat == OUTPUT_HTML)
        Write_Html_Trailer(pFile);
    int bWritten = !ferror(pFile);
    if (fclose(pFile) != 0)
        bWritten = 0;
    return bWritten;
}
