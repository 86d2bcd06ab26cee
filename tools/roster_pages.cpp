// A team's downloaded roster and injuries pages: the team's logo, its personnel line, and for
// every player on them a rosters row (and, the first time he is seen, his page, photo and players
// row). Fields are found by marker texts and fixed character counts in each row's line.
#include <ctype.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include <string>

#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define FIELD_TEXT_SIZE 256
#define PLAYER_ID_TEXT_SIZE 12
#define NAME_TEXT_SIZE 33
#define STARTER_LINES 11
#define INJURY_NAME_LIMIT 200
#define INJURY_WEEKS_ENTIRE 24
#define INJURY_WEEKS_RESERVE 8
#define INJURY_WEEKS_OUT 3
#define YEAR_SKIPPING_SHORT_STAYS 1987  // that year's replacement players are left out
#define FEWEST_GAMES_OF_1987 3
#define POSITION_TEXT_LIMIT 5  // longer page positions say nothing

// nCount characters starting nOffset after the start of the marker, cut at szStop's first
// character found; empty when the line has no marker.
static std::string Take_After_Marker(const char* szLine, const char* szMarker, int nOffset,
                                     int nCount, const char* szStops = "") {
    const char* p = strstr(szLine, szMarker);
    if (!p)
        return "";
    size_t nLength = strlen(p);
    if ((size_t)nOffset >= nLength)
        return "";
    std::string st(p + nOffset, Min_Int(nCount, (int)(nLength - nOffset)));
    size_t nStop = st.find_first_of(szStops);
    if (*szStops && nStop != std::string::npos)
        st.resize(nStop);
    return st;
}

static std::string Remove_All(std::string st, const char* szRemoved) {
    std::string stOut;
    for (char ch : st) {
        if (!strchr(szRemoved, ch))
            stOut.push_back(ch);
    }
    return stOut;
}

// ---- pictures ------------------------------------------------------------------------------------

// The picture named by the page's "og:image" line, fetched unless the file is there already.
static void Download_Page_Picture(const char* szPageFile, const char* szPictureFile) {
    static char szLine[DOWNLOAD_LINE_LIMIT];
    FILE* pExisting = Platform_Open_File(szPictureFile, "rb");
    if (pExisting) {
        fclose(pExisting);
        return;
    }
    FILE* pFile = Platform_Open_File(szPageFile, "rt");
    if (!pFile)
        return;
    int bFound = Find_Line_Containing(szPageFile, szLine, pFile, "og:image");
    fclose(pFile);
    const char* pAddress = bFound ? strstr(szLine, "url=https") : NULL;
    if (!pAddress)
        return;
    std::string stAddress = Remove_All(pAddress + strlen("url="), "\">");
    Download_File_From_URL(szPictureFile, stAddress.c_str());
}

// ---- personnel -------------------------------------------------------------------------------------

struct STARTER_COUNTS {
    int anPositions[POSITION_COUNT];
    int bNoseTackle;
};

// The eleven starters listed after the heading, counted by position.
static STARTER_COUNTS Count_Starters(const char* szFile, const char* szHeading) {
    static char szLine[DOWNLOAD_LINE_LIMIT];
    STARTER_COUNTS counts = {};
    FILE* pFile = Platform_Open_File(szFile, "rt");
    if (!pFile)
        return counts;
    if (Find_Line_Containing(szFile, szLine, pFile, szHeading)) {
        for (int n = 0; n < STARTER_LINES; n++) {
            if (Read_Line_Limit(szFile, szLine, pFile, DOWNLOAD_LINE_LIMIT) && !szLine[0])
                break;
            char* pEnd = strstr(szLine, "</th>");
            if (pEnd)
                *pEnd = 0;
            Strip_HTML_Tags(szLine);
            int nCode = Parse_Position_Abbreviation(szLine);
            if (nCode == ROLE_NT)
                counts.bNoseTackle = 1;
            int nPosition = nCode >= 0 ? Translate_Expanded_Position(nCode) : -1;
            if (Is_Position_Code(nPosition))
                counts.anPositions[nPosition]++;
        }
    }
    fclose(pFile);
    return counts;
}

const char* Get_Offensive_Personnel(const char* szFile) {
    STARTER_COUNTS counts = Count_Starters(szFile, "<b>Offensive Starters</b>");
    const int* an = counts.anPositions;
    if (an[POS_RB] >= 2)
        return "2 Running Backs";
    if (an[POS_FB] > 0)
        return "Traditional";
    if (an[POS_TE] >= 2)
        return "2 Tight Ends";
    return an[POS_WR] >= 3 ? "3 Wideouts" : "Traditional";
}

const char* Get_Defensive_Personnel(const char* szFile) {
    STARTER_COUNTS counts = Count_Starters(szFile, "<b>Defensive Starters</b>");
    return counts.bNoseTackle || counts.anPositions[POS_LB] > 3 ? "3-4" : "4-3";
}

static void Write_Personnel_Row(const char* szFile, int nYear, int nKey) {
    char szNickname[TEAM_STRING_SIZE];
    Get_Team_String(szNickname, sizeof(szNickname), nKey, TEAM_NICKNAME);
    Append_Format_Line(PERSONNEL_FILE_PATH, "'%d,'%s,'%s,'%s", nYear, szNickname,
                       Get_Offensive_Personnel(szFile), Get_Defensive_Personnel(szFile));
}

// ---- injuries ----------------------------------------------------------------------------------

void Get_Player_Injury_Status(const char* szId, char* szWeeks, int nWeeksSize, char* szReason,
                              int nReasonSize) {
    static char szLine[DOWNLOAD_LINE_LIMIT];
    FILE* pFile = Platform_Open_File(INJURIES_PAGE_PATH, "rt");
    if (!pFile)
        return;
    int bFound = Find_Line_Containing(INJURIES_PAGE_PATH, szLine, pFile, szId);
    fclose(pFile);
    if (!bFound)
        return;
    int nWeeks = 0;
    int bReserve = strcasestr(szLine, ">I-R<") != NULL;
    if (bReserve || strcasestr(szLine, ">Out<")) {
        nWeeks = strcasestr(szLine, "entire") ? INJURY_WEEKS_ENTIRE : 0;
        for (int n = 17; n >= 1; n--) {
            char szWords[64];
            Get_Cardinal_Words(szWords, sizeof(szWords), n);
            if (strcasestr(szLine, szWords))
                nWeeks = n;
        }
        for (int nWeek = 1; nWeek <= 16; nWeek++) {
            char szWeek[16];
            Format_String(szWeek, sizeof(szWeek), "Week %d", nWeek);
            if (strcasestr(szLine, szWeek))
                nWeeks = Max_Int(nWeek - 1, 1);
        }
        if (nWeeks == 0)
            nWeeks = bReserve ? INJURY_WEEKS_RESERVE : INJURY_WEEKS_OUT;
    } else if (strcasestr(szLine, ">doubtful<")) {
        nWeeks = 1;
    }
    for (int nCode = 0; nCode < INJURY_NAME_LIMIT; nCode++) {
        char szName[FIELD_TEXT_SIZE];
        if (!Get_Injury_Name(nCode, szName, sizeof(szName)))
            continue;
        szName[0] = (char)toupper((unsigned char)szName[0]);
        if (strcasestr(szLine, szName))
            safe_strncpy(szReason, szName, nReasonSize);
    }
    if (nWeeks != 0)
        Format_String(szWeeks, nWeeksSize, "%d", nWeeks);
}

// ---- one player's row ----------------------------------------------------------------------------

struct ROSTER_ROW {
    char szId[PLAYER_ID_TEXT_SIZE];
    char szFirst[NAME_TEXT_SIZE], szLast[NAME_TEXT_SIZE];
    char szPosition[FIELD_TEXT_SIZE];
    std::string stCollege, stDraftTeam, stDraftYear, stRound, stPick;
    int nWeight, nHeight, nBirthYear, nBirthMonth, nBirthDay, nUniform, nExperience, bStarter;
    char szWeeksOut[16], szReason[FIELD_TEXT_SIZE];
};

// The id (reduced to safe characters, as it names files) and the name, "Last,First".
static void Read_Id_And_Name(const char* szLine, ROSTER_ROW* pRow) {
    std::string stId = Take_After_Marker(szLine, "data-append-csv", 17, 11, "\"");
    safe_strncpy(pRow->szId, stId.c_str(), sizeof(pRow->szId));
    Keep_Safe_File_Characters(pRow->szId);
    char szName[NAME_TEXT_SIZE * 2];
    safe_strncpy(szName, Take_After_Marker(szLine, "\"player\"", 14, 32, "\"").c_str(),
                 sizeof(szName));
    Pop_Field(pRow->szLast, sizeof(pRow->szLast), szName, ',');
    safe_strncpy(pRow->szFirst, szName, sizeof(pRow->szFirst));
}

static std::string Trim_Blanks(const std::string& st) {
    size_t nFirst = st.find_first_not_of(' ');
    if (nFirst == std::string::npos)
        return "";
    return st.substr(nFirst, st.find_last_not_of(' ') - nFirst + 1);
}

// "Team / 1st / 10th pick / ..." split at the slashes, the blanks around each part dropped.
static void Read_Draft_Fields(const char* szLine, ROSTER_ROW* pRow) {
    pRow->stDraftYear = Take_After_Marker(szLine, "/years/", 7, 4);
    char szDraft[FIELD_TEXT_SIZE];
    safe_strncpy(szDraft, Take_After_Marker(szLine, "draft_info", 13, 50, "<").c_str(),
                 sizeof(szDraft));
    std::string* const apParts[] = {&pRow->stDraftTeam, &pRow->stRound, &pRow->stPick};
    for (std::string* pPart : apParts) {
        char szPart[FIELD_TEXT_SIZE];
        Pop_Field(szPart, sizeof(szPart), szDraft, '/');
        *pPart = Trim_Blanks(szPart);
    }
}

static void Read_Row_Fields(const char* szLine, int nYear, ROSTER_ROW* pRow) {
    if (nYear == DOWNLOAD_SEASON_YEAR) {
        safe_strncpy(pRow->szPosition, Take_After_Marker(szLine, "\"pos\"", 16, 5).c_str(),
                     sizeof(pRow->szPosition));
        Clean_Position_Text(pRow->szPosition);
        if (Parse_Position_Abbreviation(pRow->szPosition) < 0)
            pRow->szPosition[0] = 0;
    }
    pRow->nWeight = atoi(Take_After_Marker(szLine, "\"weight\"", 10, 3).c_str());
    pRow->nHeight = atoi(Take_After_Marker(szLine, "\"height\"", 14, 2).c_str());
    char szBirth[FIELD_TEXT_SIZE], szPart[FIELD_TEXT_SIZE];
    safe_strncpy(szBirth, Take_After_Marker(szLine, "\"birth_date_mod\"", 22, 10).c_str(),
                 sizeof(szBirth));
    Pop_Field(szPart, sizeof(szPart), szBirth, '-');
    pRow->nBirthYear = atoi(szPart);
    Pop_Field(szPart, sizeof(szPart), szBirth, '-');
    pRow->nBirthMonth = atoi(szPart);
    pRow->nBirthDay = atoi(szBirth);
    Read_Draft_Fields(szLine, pRow);
    pRow->nUniform = atoi(Take_After_Marker(szLine, "uniform_number", 17, 2, "<").c_str());
    char szCollege[FIELD_TEXT_SIZE];
    std::string stCollege = Take_After_Marker(szLine, "college_id", 13, 144);
    size_t nEnd = stCollege.find("</td>");
    if (nEnd != std::string::npos)
        stCollege.resize(nEnd);
    safe_strncpy(szCollege, stCollege.c_str(), sizeof(szCollege));
    Strip_HTML_Tags(szCollege);
    szCollege[strcspn(szCollege, ",")] = 0;
    pRow->stCollege = szCollege;
    pRow->nExperience =
        atoi(Remove_All(Take_After_Marker(szLine, "\"experience", 18, 2), "\"").c_str());
    pRow->bStarter = atoi(Remove_All(Take_After_Marker(szLine, "\"gs", 6, 2), ">").c_str()) > 0;
}

// The first time a player is seen: his page and photo, his position from the page when the
// roster gave none, and his players row.
static void Add_New_Player(ROSTER_ROW* pRow) {
    char szPage[IMPORT_PATH_SIZE], szAddress[IMPORT_PATH_SIZE], szPath[IMPORT_PATH_SIZE];
    Format_String(szPage, sizeof(szPage), "Input/Downloads/Players/%s.txt", pRow->szId);
    FILE* pExisting = Platform_Open_File(szPage, "rt");
    if (pExisting) {
        fclose(pExisting);
    } else {
        Format_String(szPath, sizeof(szPath), "/players/%c/%s.htm",
                      toupper((unsigned char)pRow->szId[0]), pRow->szId);
        Make_Site_Address(szAddress, sizeof(szAddress), DOWNLOAD_SITE_STATISTICS, szPath);
        Download_File_From_URL(szPage, szAddress);
    }
    char szPhoto[IMPORT_PATH_SIZE];
    Format_String(szPhoto, sizeof(szPhoto), "Input/Stats/Players/%s.dat", pRow->szId);
    Download_Page_Picture(szPage, szPhoto);
    char szFullName[NAME_TEXT_SIZE * 2 + 1];
    Format_String(szFullName, sizeof(szFullName), "%s %s", pRow->szFirst, pRow->szLast);
    Parse_Player_Page(pRow->szPosition, sizeof(pRow->szPosition), szPage, pRow->szId, szFullName);
    if ((int)strlen(pRow->szPosition) > POSITION_TEXT_LIMIT) {
        int nKnown = Get_Known_Player_Position(szFullName);
        if (Is_Position_Code(nKnown))
            Get_Position_Abbreviation(nKnown, pRow->szPosition, sizeof(pRow->szPosition));
        else
            safe_strncpy(pRow->szPosition, nKnown == POS_ANY ? "Any" : "",
                         sizeof(pRow->szPosition));
    }
    Append_Format_Line(PLAYERS_FILE_PATH,
                       ",%s,%d,,%d,%s,%s,,%s,,%d'%d\",%d,%s,%d,%s,,,%s,%s,%s,%s,,%d,%d,%d,%d,%d",
                       pRow->szId, 0, pRow->nUniform, pRow->szFirst, pRow->szLast,
                       pRow->szPosition, pRow->nHeight / 12, pRow->nHeight % 12, pRow->nWeight,
                       pRow->stCollege.c_str(), pRow->nExperience, szFullName,
                       pRow->stDraftTeam.c_str(), pRow->stDraftYear.c_str(),
                       pRow->stRound.c_str(), pRow->stPick.c_str(), pRow->nHeight / 12,
                       pRow->nHeight % 12, pRow->nBirthMonth, pRow->nBirthDay, pRow->nBirthYear);
}

static void Parse_Roster_Row(int nYear, const char* szLine, int nKey) {
    ROSTER_ROW row = {};
    Read_Id_And_Name(szLine, &row);
    if (!row.szId[0])
        return;
    int bNew = Register_Player_Id(row.szId);
    if (nYear == YEAR_SKIPPING_SHORT_STAYS &&
        atoi(Take_After_Marker(szLine, "\"g\"", 5, 2).c_str()) < FEWEST_GAMES_OF_1987)
        return;
    Read_Row_Fields(szLine, nYear, &row);
    if (nYear == DOWNLOAD_SEASON_YEAR) {
        Get_Player_Injury_Status(row.szId, row.szWeeksOut, sizeof(row.szWeeksOut), row.szReason,
                                 sizeof(row.szReason));
        Write_Salary_Row(nKey, row.szFirst, row.szLast, row.szId, row.nUniform, row.szPosition);
    }
    if (bNew)
        Add_New_Player(&row);
    char szAbbreviation[TEAM_STRING_SIZE], szRosters[IMPORT_PATH_SIZE];
    Get_Team_String(szAbbreviation, sizeof(szAbbreviation), nKey, TEAM_ABBREVIATION);
    Format_String(szRosters, sizeof(szRosters), ROSTERS_FILE_FORMAT, nYear);
    Append_Format_Line(szRosters, "%s,%d,%s,%s,%s,%s,%d,%d,%d,%d,%d,%s,%s,%s", row.szId, 0,
                       row.szFirst, row.szLast, szAbbreviation, row.szPosition, row.nHeight,
                       row.nWeight, row.nBirthMonth, row.nBirthDay, row.nBirthYear, row.szWeeksOut,
                       row.szReason, row.bStarter ? "YES" : "");
}

// ---- the two pages -------------------------------------------------------------------------------

// Every line with a player after the line holding the marker goes to the row reader; a page
// without the marker is reported and skipped.
static void For_Each_Player_Line(const char* szFile, const char* szMarker,
                                 void (*pfnRow)(int nYear, const char* szLine, int nKey), int nYear,
                                 int nKey) {
    static char szLine[DOWNLOAD_LINE_LIMIT];
    FILE* pFile = Platform_Open_File(szFile, "rt");
    if (!pFile)
        return;
    if (Find_Line_Containing(szFile, szLine, pFile, szMarker)) {
        for (int bAtEnd = 0; !bAtEnd;) {
            bAtEnd = Read_Line_Limit(szFile, szLine, pFile, DOWNLOAD_LINE_LIMIT);
            if (strstr(szLine, "data-append-csv"))
                pfnRow(nYear, szLine, nKey);
        }
    } else {
        Log_Debug_Line("%s has no %s table: skipped", szFile, szMarker);
    }
    fclose(pFile);
}

void Parse_Roster_Page(const char* szFile, int nYear, int nKey) {
    FILE* pFile = Platform_Open_File(szFile, "rt");
    if (!pFile)
        return;
    fclose(pFile);
    char szLogo[IMPORT_PATH_SIZE];
    Format_String(szLogo, sizeof(szLogo), "Input/Stats/Historical/%d%d.gz", nKey, nYear);
    Download_Page_Picture(szFile, szLogo);
    if (nYear != DOWNLOAD_SEASON_YEAR)
        Write_Personnel_Row(szFile, nYear, nKey);
    For_Each_Player_Line(szFile, "\"Roster\"", Parse_Roster_Row, nYear, nKey);
}

static void Write_Injured_Roster_Row(int nYear, const char* szLine, int nKey) {
    ROSTER_ROW row = {};
    Read_Id_And_Name(szLine, &row);
    if (!row.szId[0])
        return;
    char szAbbreviation[TEAM_STRING_SIZE], szRosters[IMPORT_PATH_SIZE];
    Get_Team_String(szAbbreviation, sizeof(szAbbreviation), nKey, TEAM_ABBREVIATION);
    Format_String(szRosters, sizeof(szRosters), ROSTERS_FILE_FORMAT, nYear);
    Append_Format_Line(szRosters, "%s,0,%s,%s,%s,,,,,,,%s,%s", row.szId, row.szFirst, row.szLast,
                       szAbbreviation, "", "");
}

void Parse_Team_Injuries_Page(const char* szFile, int nYear, int nKey) {
    For_Each_Player_Line(szFile, "\"Team Injuries\"", Write_Injured_Roster_Row, nYear, nKey);
}
