// The contracts site's two pages of each club (its contracts and its cap table), fetched once and
// read player by player into the salaries file of the 2021 season.
#include <ctype.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>

#include "database/database.h"
#include "tools/tools.h"

#define LARGEST_MONEY 999000000  // a larger figure is a misread
#define CONTRACT_YEARS_FROM_END 5
#define CLUB_NAME_SIZE 64

static const char* const kSalariesHeader = SALARIES_CSV_HEADER;

// Lower case (when asked) with blanks turned into "-", as the site and the file names spell it.
static std::string Make_Club_Text(const char* szText, int bLower) {
    std::string st;
    for (const char* p = szText; *p; p++)
        st.push_back(*p == ' ' ? '-' : bLower ? (char)tolower((unsigned char)*p) : *p);
    return st;
}

static std::string Get_Club_File(const char* szKind, int nTeam, int bLower) {
    char szNickname[TEAM_STRING_SIZE];
    Get_Team_String(szNickname, sizeof(szNickname), nTeam, TEAM_NICKNAME);
    char szSafe[CLUB_NAME_SIZE];
    safe_strncpy(szSafe, Make_Club_Text(szNickname, bLower).c_str(), sizeof(szSafe));
    Keep_Safe_File_Characters(szSafe);
    return std::string("Input/Downloads/") + szKind + "/" + szSafe + ".txt";
}

static int File_Exists(const std::string& stPath) {
    FILE* pFile = Platform_Open_File(stPath.c_str(), "rt");
    if (pFile)
        fclose(pFile);
    return pFile != NULL;
}

static void Download_Club_Page(int nTeam, const char* szKind) {
    std::string stFile = Get_Club_File(szKind, nTeam, 1);
    if (File_Exists(stFile))
        return;
    char szCity[TEAM_STRING_SIZE], szNickname[TEAM_STRING_SIZE];
    Get_Team_String(szCity, sizeof(szCity), nTeam, TEAM_CITY);
    Get_Team_String(szNickname, sizeof(szNickname), nTeam, TEAM_NICKNAME);
    char szPath[IMPORT_PATH_SIZE], szAddress[IMPORT_PATH_SIZE];
    Format_String(szPath, sizeof(szPath), "/nfl/%s-%s/%s/index.htm",
                  Make_Club_Text(szCity, 1).c_str(), Make_Club_Text(szNickname, 1).c_str(),
                  strcmp(szKind, "contracts") == 0 ? "contracts" : "cap");
    Make_Site_Address(szAddress, sizeof(szAddress), DOWNLOAD_SITE_CONTRACTS, szPath);
    if (!Download_File_From_URL(stFile.c_str(), szAddress))
        Report_Error("Download_Player_Contract_Data(): Unable to download %s", szAddress);
}

void Download_Player_Contract_Data(void) {
    Platform_Make_Directory("Input/Downloads/Contracts");
    Platform_Make_Directory("Input/Downloads/Cap");
    char szSalaries[IMPORT_PATH_SIZE];
    Format_String(szSalaries, sizeof(szSalaries), SALARIES_FILE_FORMAT, DOWNLOAD_SEASON_YEAR);
    Write_Header_File(szSalaries, kSalariesHeader);
    Write_Header_File(SALARIES_MISSING_PATH, "FirstName,LastName,Team,Position");
    int nTeams = Count_Active_Teams();
    Open_Progress_Window("Downloading Contract Data (Step 1 of 2)", nTeams + 1);
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        Step_Progress_Window(1);
        Download_Club_Page(nTeam, "contracts");
        Download_Club_Page(nTeam, "cap");
    }
    Close_Progress_Window();
}

// The whole number of a money text: "$", "," and blanks skipped, read up to the first other
// character; 0 for a figure too large to be real.
static int Read_Money_Text(const std::string& stText) {
    int64_t nValue = 0;
    for (char ch : stText) {
        if (ch == '$' || ch == ',' || ch == ' ' || ch == '\t')
            continue;
        if (!isdigit((unsigned char)ch) || nValue > LARGEST_MONEY)
            break;
        nValue = nValue * 10 + (ch - '0');
    }
    return nValue > LARGEST_MONEY ? 0 : (int)nValue;
}

static std::string Strip_Tags(const char* szText) {
    static char szWork[DOWNLOAD_LINE_LIMIT];
    safe_strncpy(szWork, szText, sizeof(szWork));
    Strip_HTML_Tags(szWork);
    return szWork;
}

// The club's downloaded page of that kind, open for reading; NULL after saying which is missing.
static FILE* Open_Club_File(const char* szKind, int nTeam, const char* szReader,
                            std::string* pstFile) {
    *pstFile = Get_Club_File(szKind, nTeam, 0);
    FILE* pFile = Platform_Open_File(pstFile->c_str(), "rt");
    if (!pFile)
        Report_Error("%s can't find the following file:\n\n%s", szReader, pstFile->c_str());
    return pFile;
}

// Years and average salary from the player's "activecontract" line: the text from its first "$"
// with tags removed ends in the years digit and four more characters, the total before them.
static void Get_Player_Contract_Data(int nTeam, const char* szFirst, const char* szLast,
                                     int* pnYears, int* pnAverage) {
    static char szLine[DOWNLOAD_LINE_LIMIT];
    std::string stFile;
    FILE* pFile = Open_Club_File("contracts", nTeam, "Get_Player_Contract_Data()", &stFile);
    if (!pFile)
        return;
    char szName[IMPORT_FIELD_SIZE];
    Format_String(szName, sizeof(szName), ">%s %s<", szFirst, szLast);
    if (Find_Line_Containing(stFile.c_str(), szLine, pFile, szName) &&
        Find_Line_Containing(stFile.c_str(), szLine, pFile, "activecontract")) {
        const char* pMoney = strchr(szLine, '$');
        std::string stText = Strip_Tags(pMoney ? pMoney : "");
        stText.erase(std::remove(stText.begin(), stText.end(), '\t'), stText.end());
        int nLength = (int)stText.size();
        if (nLength > CONTRACT_YEARS_FROM_END) {
            char chYears = stText[nLength - CONTRACT_YEARS_FROM_END];
            *pnYears = isdigit((unsigned char)chYears) ? chYears - '0' : 0;
            int nTotal = Read_Money_Text(stText.substr(0, nLength - CONTRACT_YEARS_FROM_END));
            *pnAverage = nTotal / Max_Int(*pnYears, 1);
        }
    }
    fclose(pFile);
}

// The bonus and the cap hit from the lines after the player's name in the cap table.
static void Get_Player_Salary_Cap_Data(int nTeam, const char* szFirst, const char* szLast,
                                       int* pnBonus, int* pnCapHit) {
    static char szLine[DOWNLOAD_LINE_LIMIT];
    std::string stFile;
    FILE* pFile = Open_Club_File("cap", nTeam, "Get_Player_Salary_Cap_Data()", &stFile);
    if (!pFile)
        return;
    char szName[IMPORT_FIELD_SIZE];
    Format_String(szName, sizeof(szName), "%s %s", szFirst, szLast);
    if (Find_Line_Containing(stFile.c_str(), szLine, pFile, szName)) {
        if (Find_Line_Containing(stFile.c_str(), szLine, pFile, "Signing Bonus"))
            *pnBonus = Read_Money_Text(Strip_Tags(szLine));
        if (Find_Line_Containing(stFile.c_str(), szLine, pFile, "Cap Hit")) {
            char* pFirst = strchr(szLine, '$');
            char* pSecond = pFirst ? strchr(pFirst + 1, '$') : NULL;
            if (pSecond)
                *pSecond = 0;
            *pnCapHit = Read_Money_Text(Strip_Tags(szLine));
        }
    }
    fclose(pFile);
}

void Write_Salary_Row(int nTeam, const char* szFirst, const char* szLast, const char* szId,
                      int nUniform, const char* szPosition) {
    int nYears = 0, nAverage = 0, nBonus = 0, nCapHit = 0;
    Get_Player_Contract_Data(nTeam, szFirst, szLast, &nYears, &nAverage);
    Get_Player_Salary_Cap_Data(nTeam, szFirst, szLast, &nBonus, &nCapHit);
    int nBonusTotal = Saturate_To_Int((int64_t)nBonus * nYears);
    if (nAverage < 1 && nBonusTotal < 1 && nCapHit < 1)
        return;
    char szAbbreviation[TEAM_STRING_SIZE], szSalaries[IMPORT_PATH_SIZE];
    Get_Team_String(szAbbreviation, sizeof(szAbbreviation), nTeam, TEAM_ABBREVIATION);
    Format_String(szSalaries, sizeof(szSalaries), SALARIES_FILE_FORMAT, DOWNLOAD_SEASON_YEAR);
    Append_Format_Line(szSalaries, "%s,,%s,%d,%s,%s,%s,,,,%d,%d,%d,%d,%d", szId, szAbbreviation,
                       nUniform, szFirst, szLast, szPosition, nYears, nAverage, nBonusTotal,
                       nYears, nCapHit);
}
