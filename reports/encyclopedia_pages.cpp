// The encyclopedia's pages: their names under the export folder, the folders and the art, and the
// export that writes every page from its template.
#include <ctype.h>
#include <dirent.h>
#include <string.h>
#include <sys/stat.h>

#include "core/core.h"
#include "platform/windows_base.h"
#include "reports/encyclopedia_internal.h"

#define MAX_EXPORT_SEASONS 100
#define PAGE_NAME_SIZE (ENCYCLOPEDIA_FOLDER_SIZE * 2)
#define EXPORT_FIXED_STEPS 3737
#define COPY_CHUNK 65536

char gEncyclopediaDesign[ENCYCLOPEDIA_FOLDER_SIZE] = "styles.css";
static char gEncyclopediaRoot[ENCYCLOPEDIA_FOLDER_SIZE] = "HTML_Export";

static const char* const kSubfolders[] = {"teams",         "players",     "leagueleaders",
                                          "SeasonDetail",  "TeamsDetail", "Images",
                                          "SortedPlayers", "GameDetails", "Logos"};
static const int kFilterPositions[] = {POS_QB,          POS_RB,          POS_WR, POS_TE,
                                       POS_ALL_LINEMEN, POS_ALL_DEFENCE, POS_K,  POS_P};

void Set_Encyclopedia_Export(const char* szFolder, const char* szDesign) {
    if (szFolder)
        safe_strncpy(gEncyclopediaRoot, szFolder, sizeof gEncyclopediaRoot);
    if (szDesign)
        safe_strncpy(gEncyclopediaDesign, szDesign, sizeof gEncyclopediaDesign);
}

const char* Get_Encyclopedia_Root(void) {
    return gEncyclopediaRoot;
}

// Letters, digits, blanks and - _ , . ' ( ) stay; everything else becomes "_", and a dot never
// follows a dot or starts the name.
void Make_Safe_File_Name_Part(const char* szText, char* szOut, int nSize) {
    int nLength = 0;
    for (const char* p = szText; *p && nLength < nSize - 1; p++) {
        unsigned char ch = (unsigned char)*p;
        int bSafe = (ch < 128 && (isalnum(ch) || strchr(" -_,.'()", ch)));
        if (ch == '.' && (nLength == 0 || szOut[nLength - 1] == '.'))
            bSafe = 0;
        szOut[nLength++] = bSafe ? (char)ch : '_';
    }
    if (nSize > 0)
        szOut[nLength] = 0;
}

static int Get_Export_Year(void) {
    return Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber;
}

static int Count_Export_Seasons(void) {
    return Min_Int(gSeasonNumber + 1, MAX_EXPORT_SEASONS);
}

static void Get_Leaders_Name(int nLeague, char* szOut, int nSize) {
    char szName[64] = "";
    if (nLeague == BOTH_LEAGUES)
        safe_strncpy(szName, "NFL", sizeof szName);
    else
        Get_League_Name(nLeague, szName, sizeof szName);
    Make_Safe_File_Name_Part(szName, szOut, nSize);
}

static const char* Get_Position_Page(int nPosition) {
    switch (nPosition) {
    case POS_QB: return "qbindex.htm";
    case POS_RB: return "rbindex.htm";
    case POS_FB: return "fbindex.htm";
    case POS_TE: return "teindex.htm";
    case POS_WR: return "wrindex.htm";
    case POS_K: return "kickindex.htm";
    case POS_P: return "puntindex.htm";
    case POS_ALL_DEFENCE: return "DLindex.htm";
    case POS_ALL_LINEMEN: return "OLindex.htm";
    default: return NULL;
    }
}

// The page's name below the root for a template and its context; 0 when it names no page.
static int Format_Page_Name(const char* szTemplate, const TEMPLATE_CONTEXT* pPage, char* szOut,
                            int nSize) {
    int nYear = Get_Export_Year();
    int nTeam = Get_Context_Value(pPage, KEY_TEAM);
    int nSeason = Get_Context_Value(pPage, KEY_SEASON);
    char szName[PAGE_NAME_SIZE] = "", szSafe[PAGE_NAME_SIZE] = "";
    if (strstr(szTemplate, "Team") || strcmp(szTemplate, "PlayerDetail.template") == 0) {
        if (!Is_Valid_Team(nTeam))
            return 0;
        Get_Team_Label(nTeam, szName, sizeof szName);
        Make_Safe_File_Name_Part(szName, szSafe, sizeof szSafe);
    }
    if (strcmp(szTemplate, "index.template") == 0) {
        safe_strncpy(szOut, "index.htm", nSize);
    } else if (strcmp(szTemplate, "SeasonSummary.template") == 0) {
        if (nSeason == 0)
            safe_strncpy(szOut, "Season summary.htm", nSize);
        else
            Format_String(szOut, nSize, "Season summary %d.htm", nYear - nSeason);
    } else if (strcmp(szTemplate, "SeasonDetail.template") == 0) {
        int nWeek = Get_Context_Value(pPage, KEY_WEEK);
        if (Is_Latest_Detail_Week(nWeek))
            safe_strncpy(szOut, "SeasonDetail/Season details.htm", nSize);
        else
            Format_String(szOut, nSize, "SeasonDetail/Season details week%d.htm", nWeek + 1);
    } else if (strcmp(szTemplate, "TeamSummary.template") == 0) {
        if (!Is_Team_Active(nTeam))
            return 0;
        Format_String(szOut, nSize, "teams/%s.htm", szSafe);
    } else if (strcmp(szTemplate, "TeamDetail.template") == 0) {
        if (!Is_Team_Active(nTeam))
            return 0;
        Format_String(szOut, nSize, "TeamsDetail/%s %d.htm", szSafe, nYear - nSeason);
    } else if (strcmp(szTemplate, "PlayerDetail.template") == 0) {
        int nSlot = Get_Context_Value(pPage, KEY_PLAYER);
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            return 0;
        Get_Player_Last_First_Name(nTeam, nSlot, szName, sizeof szName);
        Make_Safe_File_Name_Part(szName, szSafe, sizeof szSafe);
        Format_String(szOut, nSize, "players/%s %d.htm", szSafe, Get_Player_ID(nTeam, nSlot));
    } else if (strcmp(szTemplate, "LeadersSummary.template") == 0) {
        Get_Leaders_Name(Get_Context_Value(pPage, KEY_LEAGUE), szSafe, sizeof szSafe);
        Format_String(szOut, nSize, "%s Leaders%s.htm", szSafe, nSeason == -2 ? " By Season" : "");
    } else if (strcmp(szTemplate, "LeadersDetail.template") == 0) {
        Get_Leaders_Name(Get_Context_Value(pPage, KEY_LEAGUE), szSafe, sizeof szSafe);
        Format_String(szOut, nSize, "leagueleaders/%s Leaders %d.htm", szSafe, nYear - nSeason);
    } else if (strcmp(szTemplate, "PlayerSummary.template") == 0) {
        safe_strncpy(szOut, "Player Summary.htm", nSize);
    } else if (strcmp(szTemplate, "FilterPlayersPos.template") == 0) {
        const char* szPage = Get_Position_Page(Get_Context_Value(pPage, KEY_POS));
        if (!szPage)
            return 0;
        Format_String(szOut, nSize, "SortedPlayers/%s", szPage);
    } else if (strcmp(szTemplate, "FilterPlayersTeam.template") == 0) {
        if (!Is_Team_Active(nTeam))
            return 0;
        Format_String(szOut, nSize, "SortedPlayers/%s index.htm", szSafe);
    } else if (strcmp(szTemplate, "FilterPlayersName.template") == 0) {
        int nLetter = Get_Context_Value(pPage, KEY_TYPE);
        if (nLetter < 'A' || nLetter > 'Z')
            return 0;
        Format_String(szOut, nSize, "SortedPlayers/%cindex.htm", nLetter);
    } else if (strcmp(szTemplate, "GameExport.template") == 0) {
        Format_String(szOut, nSize, "GameDetails/G-%02d-%03d.htm", nYear % 100,
                      Get_Context_Value(pPage, KEY_GAME));
    } else {
        return 0;
    }
    return 1;
}

int Get_Encyclopedia_Page_Name(const char* szTemplate, const TEMPLATE_CONTEXT* pPage, char* szOut,
                               int nSize) {
    char szName[PAGE_NAME_SIZE];
    szOut[0] = 0;
    if (!Format_Page_Name(szTemplate, pPage, szName, sizeof szName))
        return 0;
    Format_String(szOut, nSize, "%s/%s", gEncyclopediaRoot, szName);
    return 1;
}

// ---- walking every page in writing order --------------------------------------------------------

typedef struct PAGE_WALK {
    int (*pfnPage)(struct PAGE_WALK* pWalk, const char* szTemplate, const TEMPLATE_CONTEXT* pPage,
                   int nGroups);               // 0 stops the walk
    void (*pfnStep)(struct PAGE_WALK* pWalk);  // a step of the progress window, or NULL
    int nPages;
} PAGE_WALK;

static TEMPLATE_CONTEXT Make_Page_Context(int nKey0, int nValue0, int nKey1, int nValue1) {
    TEMPLATE_CONTEXT context;
    memset(&context, 0, sizeof context);
    context.anKeys[0] = nKey0;
    context.anValues[0] = nValue0;
    context.anKeys[1] = nKey1;
    context.anValues[1] = nValue1;
    return context;
}

static int Visit_Page(PAGE_WALK* pWalk, const char* szTemplate, int nKey0, int nValue0, int nKey1,
                      int nValue1) {
    TEMPLATE_CONTEXT context = Make_Page_Context(nKey0, nValue0, nKey1, nValue1);
    int nGroups = (nKey0 != 0) + (nKey1 != 0);
    int bGoOn = pWalk->pfnPage(pWalk, szTemplate, &context, nGroups);
    if (pWalk->pfnStep)
        pWalk->pfnStep(pWalk);
    return bGoOn;
}

static int Walk_Player_Pages(PAGE_WALK* pWalk) {
    for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Valid_Team(nTeam) || !Is_Player_Slot_Used(nTeam, nSlot)) {
                if (pWalk->pfnStep)
                    pWalk->pfnStep(pWalk);
                continue;
            }
            if (!Visit_Page(pWalk, "PlayerDetail.template", KEY_TEAM, nTeam, KEY_PLAYER, nSlot))
                return 0;
        }
    }
    return 1;
}

static int Walk_Leader_Pages(PAGE_WALK* pWalk, int nLeagues, int nSeasons) {
    for (int nLeague = 0; nLeague <= nLeagues; nLeague++) {
        if (!Visit_Page(pWalk, "LeadersSummary.template", KEY_LEAGUE, nLeague, KEY_SEASON, -2) ||
            !Visit_Page(pWalk, "LeadersSummary.template", KEY_LEAGUE, nLeague, KEY_SEASON, -1))
            return 0;
    }
    for (int nLeague = 0; nLeague <= nLeagues; nLeague++) {
        for (int nSeason = 0; nSeason < nSeasons; nSeason++) {
            if (!Visit_Page(pWalk, "LeadersDetail.template", KEY_LEAGUE, nLeague, KEY_SEASON,
                            nSeason))
                return 0;
        }
    }
    return 1;
}

static int Walk_Sorted_Pages(PAGE_WALK* pWalk, int nTeams) {
    for (int nPosition : kFilterPositions) {
        if (!Visit_Page(pWalk, "FilterPlayersPos.template", KEY_POS, nPosition, 0, 0))
            return 0;
    }
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        if (!Visit_Page(pWalk, "FilterPlayersTeam.template", KEY_TEAM, nTeam, 0, 0))
            return 0;
    }
    for (int nLetter = 'A'; nLetter <= 'Z'; nLetter++) {
        if (!Visit_Page(pWalk, "FilterPlayersName.template", KEY_TYPE, nLetter, 0, 0))
            return 0;
    }
    return 1;
}

// Every page in the order the export writes them; 0 when the walk was stopped.
static int Walk_Encyclopedia_Pages(PAGE_WALK* pWalk) {
    int nTeams = Count_Active_Teams();
    int nSeasons = Count_Export_Seasons();
    if (!Visit_Page(pWalk, "index.template", 0, 0, 0, 0))
        return 0;
    for (int nSeason = 0; nSeason < nSeasons; nSeason++) {
        if (!Visit_Page(pWalk, "SeasonSummary.template", KEY_SEASON, nSeason, 0, 0))
            return 0;
    }
    for (int nWeek = 0; nWeek < Count_Detail_Weeks(); nWeek++) {
        if (!Visit_Page(pWalk, "SeasonDetail.template", KEY_WEEK, nWeek, 0, 0))
            return 0;
    }
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        if (!Visit_Page(pWalk, "TeamSummary.template", KEY_TEAM, nTeam, 0, 0))
            return 0;
    }
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        if (!Visit_Page(pWalk, "TeamDetail.template", KEY_TEAM, nTeam, KEY_SEASON, 0))
            return 0;
    }
    if (!Walk_Player_Pages(pWalk) || !Walk_Leader_Pages(pWalk, Count_Active_Leagues(), nSeasons))
        return 0;
    if (!Visit_Page(pWalk, "PlayerSummary.template", 0, 0, 0, 0) ||
        !Walk_Sorted_Pages(pWalk, nTeams))
        return 0;
    int nGames = Get_User_Preference(PREF_GAME_NUMBER) + 1;
    for (int nGame = 0; nGame < nGames; nGame++) {
        if (!Visit_Page(pWalk, "GameExport.template", KEY_GAME, nGame, 0, 0))
            return 0;
    }
    return 1;
}

static int Stop_At_Existing_Page(PAGE_WALK* pWalk, const char* szTemplate,
                                 const TEMPLATE_CONTEXT* pPage, int nGroups) {
    (void)nGroups;
    char szPage[PAGE_NAME_SIZE];
    if (!Get_Encyclopedia_Page_Name(szTemplate, pPage, szPage, sizeof szPage))
        return 1;
    FILE* pFile = Platform_Open_File(szPage, "rb");
    if (!pFile)
        return 1;
    fclose(pFile);
    pWalk->nPages = 1;
    return 0;
}

int Encyclopedia_Pages_Exist(void) {
    PAGE_WALK walk = {Stop_At_Existing_Page, NULL, 0};
    Walk_Encyclopedia_Pages(&walk);
    return walk.nPages;
}

// ---- folders and art ----------------------------------------------------------------------------

int Create_Encyclopedia_Folders(void) {
    char szPath[PAGE_NAME_SIZE];
    safe_strncpy(szPath, gEncyclopediaRoot, sizeof szPath);
    for (char* p = szPath + 1; *p; p++) {
        if (*p != '/' && *p != '\\')
            continue;
        char chKept = *p;
        *p = 0;
        Platform_Make_Directory(szPath);
        *p = chKept;
    }
    int bMade = Platform_Make_Directory(gEncyclopediaRoot);
    for (const char* szFolder : kSubfolders) {
        Format_String(szPath, sizeof szPath, "%s/%s", gEncyclopediaRoot, szFolder);
        bMade &= Platform_Make_Directory(szPath);
    }
    return bMade;
}

static int Copy_Art_File(const char* szFrom, const char* szTo) {
    char szOnDisk[PAGE_NAME_SIZE];
    Platform_Resolve_Path(szTo, szOnDisk, sizeof szOnDisk);
    chmod(szOnDisk, 0644);
    FILE* pIn = Platform_Open_File(szFrom, "rb");
    if (!pIn)
        return 0;
    FILE* pOut = Platform_Open_File(szTo, "wb");
    if (!pOut) {
        fclose(pIn);
        return 0;
    }
    static char abChunk[COPY_CHUNK];
    size_t nRead;
    int bOk = 1;
    while ((nRead = fread(abChunk, 1, sizeof abChunk, pIn)) > 0)
        bOk &= fwrite(abChunk, 1, nRead, pOut) == nRead;
    fclose(pIn);
    bOk &= fclose(pOut) == 0;
    return bOk;
}

// Copies the plain files of a game folder into a folder of the export.
static void Copy_Folder_Files(const char* szFolder, const char* szTarget) {
    char szOnDisk[PAGE_NAME_SIZE];
    if (!Platform_Resolve_Path(szFolder, szOnDisk, sizeof szOnDisk))
        return;
    DIR* pDir = opendir(szOnDisk);
    if (!pDir)
        return;
    for (struct dirent* pEntry = readdir(pDir); pEntry; pEntry = readdir(pDir)) {
        char szFrom[PAGE_NAME_SIZE], szTo[PAGE_NAME_SIZE];
        Format_String(szFrom, sizeof szFrom, "%s/%s", szOnDisk, pEntry->d_name);
        struct stat info;
        if (stat(szFrom, &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        Format_String(szTo, sizeof szTo, "%s/%s/%s", gEncyclopediaRoot, szTarget, pEntry->d_name);
        if (!Copy_Art_File(szFrom, szTo))
            Report_Error("Couldn't copy %s to %s", szFrom, szTo);
    }
    closedir(pDir);
}

void Copy_Encyclopedia_Art(void) {
    Copy_Folder_Files("HTML_Templates/CSS", "Images");
    Copy_Folder_Files("Logos", "Logos");
}

// ---- the export ---------------------------------------------------------------------------------

static int Write_Page(PAGE_WALK* pWalk, const char* szTemplate, const TEMPLATE_CONTEXT* pPage,
                      int nGroups) {
    pWalk->nPages += Expand_Template_File(szTemplate, pPage, nGroups);
    return 1;
}

static void Step_Export_Progress(PAGE_WALK* pWalk) {
    (void)pWalk;
    Step_Progress_Window(1);
    Pump_Messages();
}

int Write_HTML_Encyclopedia(void) {
    int nTeams = Count_Active_Teams(), nLeagues = Count_Active_Leagues();
    int nSteps = 3 * nTeams + Count_Export_Seasons() * (nLeagues + 2) +
                 Get_User_Preference(PREF_GAME_NUMBER) + 1 + nLeagues + gCurrentWeek +
                 EXPORT_FIXED_STEPS;
    int bProgress = Open_Progress_Window("Exporting universe...", nSteps);
    if (!Create_Encyclopedia_Folders())
        Report_Error("Couldn't make the encyclopedia's folders in %s", gEncyclopediaRoot);
    Copy_Encyclopedia_Art();
    PAGE_WALK walk = {Write_Page, Step_Export_Progress, 0};
    Walk_Encyclopedia_Pages(&walk);
    if (bProgress)
        Close_Progress_Window();
    return walk.nPages;
}
