// The statistics downloader: the pages of a statistics site and of a contracts site fetched into
// Input/Downloads and turned into the builder's import files. The two sites' addresses come from
// "Input/Download_Sites.txt"; without them nothing is fetched.
#include <string.h>
#include <strings.h>

#include <string>
#include <unordered_set>

#include "database/database.h"
#include "platform/windows.h"
#include "tools/tools.h"

#define DOWNLOAD_SITES_FILE "Input/Download_Sites.txt"
#define DOWNLOAD_TRIES 5
#define DOWNLOAD_TEAM_COUNT 32
#define DOWNLOAD_FIRST_YEAR 1951
#define SEEN_ID_LIMIT 20000
#define SEEN_ID_SIZE 12
#define SEASON_PROGRESS_STEPS 33

static const char* const kSiteTeamCodes[DOWNLOAD_TEAM_COUNT] = {
    "crd", "atl", "rav", "buf", "car", "chi", "cin", "cle", "dal", "den", "det",
    "gnb", "htx", "clt", "jax", "kan", "rai", "sdg", "ram", "mia", "min", "nwe",
    "nor", "nyg", "nyj", "phi", "pit", "sfo", "sea", "tam", "oti", "was"};

static const char* const kDownloadFolders[] = {
    "Input/Downloads",         "Input/Downloads/Contracts", "Input/Downloads/Logos",
    "Input/Downloads/Players", "Input/Downloads/Portraits", "Input/Downloads/Rosters",
    "Input/Stats/Players",     "Input/Stats/Historical"};

static std::unordered_set<std::string> gSeenIds;
static int gbSeenIdsFull = 0;  // reported once a run

const char* Get_Site_Team_Code(int nKey) {
    return nKey >= 0 && nKey < DOWNLOAD_TEAM_COUNT ? kSiteTeamCodes[nKey] : "";
}

void Clear_Player_Ids(void) {
    gSeenIds.clear();
    gbSeenIdsFull = 0;
}

int Register_Player_Id(const char* szId) {
    char szKey[SEEN_ID_SIZE];
    safe_strncpy(szKey, szId, sizeof(szKey));
    Make_Lower_Case(szKey);  // ids compare in any letter case
    if (gSeenIds.count(szKey))
        return 0;
    if ((int)gSeenIds.size() >= SEEN_ID_LIMIT) {
        if (!gbSeenIdsFull)
            Report_Error(
                "More than %d players in the downloaded rosters: from %s on, none gets "
                "a page or a players row.",
                SEEN_ID_LIMIT, szId);
        gbSeenIdsFull = 1;
        return 0;
    }
    gSeenIds.insert(szKey);
    return 1;
}

// The configured address of a site ("statistics=" or "contracts=" line), without a trailing '/'.
int Get_Download_Site(int nSite, char* szOut, int nSize) {
    static const char* const kKeys[] = {"statistics=", "contracts="};
    szOut[0] = 0;
    FILE* pFile = Platform_Open_File(DOWNLOAD_SITES_FILE, "rt");
    if (!pFile)
        return 0;
    char szLine[IMPORT_LINE_LIMIT];
    for (int bAtEnd = 0; !bAtEnd && !szOut[0];) {
        bAtEnd = Read_Line(szLine, sizeof(szLine), pFile);
        const char* szKey = kKeys[nSite == DOWNLOAD_SITE_CONTRACTS];
        if (strncasecmp(szLine, szKey, strlen(szKey)) == 0)
            safe_strncpy(szOut, szLine + strlen(szKey), nSize);
    }
    fclose(pFile);
    for (int n = (int)strlen(szOut); n > 0 && (szOut[n - 1] == '/' || szOut[n - 1] == ' '); n--)
        szOut[n - 1] = 0;
    return szOut[0] != 0;
}

void Make_Site_Address(char* szOut, int nSize, int nSite, const char* szPath) {
    char szSite[IMPORT_PATH_SIZE];
    Get_Download_Site(nSite, szSite, sizeof(szSite));
    Format_String(szOut, nSize, "%s%s", szSite, szPath);
}

static const char* Describe_Download_Failure(HRESULT nResult) {
    if (nResult == E_OUTOFMEMORY)
        return "The buffer length is invalid, or there is insufficient memory to complete the "
               "operation.";
    if (nResult == INET_E_DOWNLOAD_FAILURE)
        return "The specified resource or callback interface was invalid.";
    return NULL;
}

int Download_File_From_URL(const char* szFile, const char* szAddress) {
    DeleteUrlCacheEntryA(szAddress);
    HRESULT nResult = S_OK;
    for (int n = 0; n < DOWNLOAD_TRIES; n++) {
        nResult = URLDownloadToFileA(NULL, szAddress, szFile, 0, NULL);
        if (nResult == S_OK)
            return 1;
    }
    const char* szWhy = Describe_Download_Failure(nResult);
    if (szWhy)
        Report_Error("Download_File_From_URL(%s,%s) failed:\n\n%s", szFile, szAddress, szWhy);
    else
        Report_Error("Download_File_From_URL(%s,%s) failed:\n\nUnknown error #: %d.", szFile,
                     szAddress, (int)nResult);
    return 0;
}

void Make_Download_Folders(void) {
    for (const char* szFolder : kDownloadFolders)
        Platform_Make_Directory(szFolder);
}

// The file made anew holding only its header line.
void Write_Header_File(const char* szPath, const char* szHeader) {
    Platform_Remove_File(szPath);
    Append_Line_To_File(szPath, szHeader);
}

void Write_Download_CSV_Headers(void) {
    Write_Header_File(PLAYERS_FILE_PATH, PLAYERS_CSV_HEADER);
    Write_Header_File(SEASONS_FILE_PATH, SEASONS_CSV_HEADER);
    Write_Header_File(PERSONNEL_FILE_PATH, PERSONNEL_CSV_HEADER);
    Write_Header_File(COMBINE_FILE_PATH, COMBINE_CSV_HEADER);
}

static void Download_Injury_Page(void) {
    char szAddress[IMPORT_PATH_SIZE];
    Make_Site_Address(szAddress, sizeof(szAddress), DOWNLOAD_SITE_STATISTICS,
                      "/players/injuries.htm");
    if (!Download_File_From_URL(INJURIES_PAGE_PATH, szAddress))
        Report_Error("Download_Injury_Page(): Unable to download %s", szAddress);
}

void Download_Team_Rosters(int nYear) {
    char szRosters[IMPORT_PATH_SIZE];
    Format_String(szRosters, sizeof(szRosters), ROSTERS_FILE_FORMAT, nYear);
    char szHeader[IMPORT_LINE_LIMIT];
    Format_String(szHeader, sizeof(szHeader), ROSTERS_CSV_HEADER_FORMAT, nYear);
    Write_Header_File(szRosters, szHeader);
    for (int nKey = 0; nKey < DOWNLOAD_TEAM_COUNT; nKey++) {
        Step_Progress_Window(1);
        char szPath[IMPORT_PATH_SIZE], szFile[IMPORT_PATH_SIZE], szAddress[IMPORT_PATH_SIZE];
        Format_String(szPath, sizeof(szPath), "/teams/%s/%d_roster.htm", Get_Site_Team_Code(nKey),
                      nYear);
        Make_Site_Address(szAddress, sizeof(szAddress), DOWNLOAD_SITE_STATISTICS, szPath);
        Format_String(szFile, sizeof(szFile), "Input/Downloads/Rosters/%d_roster (%s).txt", nYear,
                      Get_Site_Team_Code(nKey));
        Download_File_From_URL(szFile, szAddress);
        Parse_Roster_Page(szFile, nYear, nKey);
        Format_String(szPath, sizeof(szPath), "/teams/%s/%d_injuries.htm",
                      Get_Site_Team_Code(nKey), nYear);
        Make_Site_Address(szAddress, sizeof(szAddress), DOWNLOAD_SITE_STATISTICS, szPath);
        Format_String(szFile, sizeof(szFile), "Input/Downloads/Rosters/%d_injuries (%s).txt",
                      nYear, Get_Site_Team_Code(nKey));
        Download_File_From_URL(szFile, szAddress);
        Parse_Team_Injuries_Page(szFile, nYear, nKey);
    }
}

void Download_Season_Data(int nYear) {
    Make_Download_Folders();
    char szCaption[64];
    Format_String(szCaption, sizeof(szCaption), "Downloading %d Data (Step 2 of 2)", nYear);
    Open_Progress_Window(szCaption, SEASON_PROGRESS_STEPS);
    Download_Team_Rosters(nYear);
    Close_Progress_Window();
}

int Start_Football_Download(void) {
    if (!(Get_Universe_Stat(UNIVERSE_FIRST_YEAR) == DOWNLOAD_SEASON_YEAR && gSeasonNumber <= 0 &&
          Count_Active_Teams() == DOWNLOAD_TEAM_COUNT)) {
        Show_Message_Box("Invalid UNIVERSE",
                         "Start a new game in %d before downloading data.\n\n(Modern universe is "
                         "required for correct team abbreviations)",
                         DOWNLOAD_SEASON_YEAR);
        return 0;
    }
    char szSite[IMPORT_PATH_SIZE];
    if (!Get_Download_Site(DOWNLOAD_SITE_STATISTICS, szSite, sizeof(szSite)) ||
        !Get_Download_Site(DOWNLOAD_SITE_CONTRACTS, szSite, sizeof(szSite))) {
        Show_Message_Box("Download",
                         "No sites to download from are set: \"%s\" needs a \"statistics=\" and a "
                         "\"contracts=\" line with their addresses. Nothing was downloaded.",
                         DOWNLOAD_SITES_FILE);
        return 0;
    }
    Make_Download_Folders();
    Write_Download_CSV_Headers();
    Clear_Player_Ids();
    Reset_Player_Page_Year();
    Download_Player_Contract_Data();
    Download_Injury_Page();
    return 1;
}

void Download_Football_Data(void) {
    if (!Start_Football_Download())
        return;
    for (int nYear = DOWNLOAD_SEASON_YEAR; nYear >= DOWNLOAD_FIRST_YEAR; nYear--)
        Download_Season_Data(nYear);
}
