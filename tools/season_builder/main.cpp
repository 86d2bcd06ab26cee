// The season builder: builds a season's universe database from the import files, as the
// Advanced Tools do, with a progress line. With --proof it first writes a fictional import set
// from the default new-game universe (a league the game played), then builds the season from
// it, loads the built league, plays its season, and checks that the player ratings exported
// from it read back unchanged into a copy.
//
//     season_builder <game folder> <work folder> [year] [--proof]
//
// The work folder gets a copy of what a build reads from the game folder (the default universe,
// the cities, names and input files) and receives the built files.
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/core.h"
#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "reports/reports.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "tools/tools.h"

namespace fs = std::filesystem;

#define DEFAULT_BUILD_YEAR 2021
#define PLAYED_UNIVERSE "databases/universe-2021.dat"
#define COPY_UNIVERSE "databases/ratings-copy.dat"
#define FIRST_RATINGS_PATH "Output/Ratings/played-league.csv"

// ---- the progress line --------------------------------------------------------------------------

static struct PROGRESS_LINE {
    int nSteps;
    int nDone;
    int nShown;  // the per cent on the line, -1 before the first
    char szCaption[128];
} gProgressLine;

// The line is written again only when its per cent changes.
static void Print_Progress(void) {
    int nPercent = gProgressLine.nSteps > 0 ? gProgressLine.nDone * 100 / gProgressLine.nSteps : 0;
    nPercent = Min_Int(nPercent, 100);
    if (nPercent == gProgressLine.nShown)
        return;
    gProgressLine.nShown = nPercent;
    printf("\r%s %3d%%", gProgressLine.szCaption, nPercent);
    fflush(stdout);
}

static int Open_Progress_Line(const char* szCaption, int nSteps) {
    safe_strncpy(gProgressLine.szCaption, szCaption, sizeof(gProgressLine.szCaption));
    gProgressLine.nSteps = nSteps;
    gProgressLine.nDone = 0;
    gProgressLine.nShown = -1;
    Print_Progress();
    return 1;
}

static void Step_Progress_Line(int nSteps) {
    gProgressLine.nDone += nSteps;
    Print_Progress();
}

static void Close_Progress_Line(void) {
    printf("\n");
}

// Notices go to the terminal; questions take their default answer.
static int Print_Notice(const char* szText, const char* szCaption, unsigned uType) {
    printf("%s: %s\n", szCaption, szText);
    return Message_Box_Default(uType);
}

// The quiet defaults but for the progress line and the notices.
static void Install_Tool_Host(void) {
    static HOST_SERVICES host;
    memset(&host, 0, sizeof(host));
    host.pOpenProgress = Open_Progress_Line;
    host.pStepProgress = Step_Progress_Line;
    host.pCloseProgress = Close_Progress_Line;
    host.pAsk = Print_Notice;
    Set_Host_Services(&host);
}

// ---- files --------------------------------------------------------------------------------------

static double Get_Seconds(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

static int Copy_Game_Files(const fs::path& game, const fs::path& work) {
    const char* const aszItems[] = {"Databases", "databases", "Cities.txt", "names",
                                    "Input",     "playbooks", "Playbooks"};
    std::error_code error;
    fs::create_directories(work, error);
    for (const char* szItem : aszItems) {
        if (!fs::exists(game / szItem))
            continue;
        fs::copy(game / szItem, work / szItem,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
        if (error) {
            fprintf(stderr, "season_builder: cannot copy %s: %s\n", szItem,
                    error.message().c_str());
            return 0;
        }
    }
    return 1;
}

static std::string Read_Whole_File(const char* szPath) {
    std::string stText;
    FILE* pFile = Platform_Open_File(szPath, "rb");
    if (pFile == NULL)
        return stText;
    char szBuffer[4096];
    size_t n;
    while ((n = fread(szBuffer, 1, sizeof(szBuffer), pFile)) > 0)
        stText.append(szBuffer, n);
    fclose(pFile);
    return stText;
}

// ---- the league's shape -------------------------------------------------------------------------

static void Print_League_Shape(void) {
    int nTeams = Count_Active_Teams();
    int nPlayers = 0, nOverCap = 0;
    int64_t nPayroll = 0;
    std::vector<int> anAges;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        int64_t nTeamPayroll = (int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000;
        nPayroll += nTeamPayroll;
        nOverCap += nTeamPayroll > Get_Universe_Stat(UNIVERSE_SALARY_CAP);
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot)) {
                nPlayers++;
                anAges.push_back(Get_Player_Age(nTeam, nSlot));
            }
        }
    }
    std::sort(anAges.begin(), anAges.end());
    printf(
        "league of %d: %d teams, %.1f players a team, %d free agents; payroll %.1f M a team "
        "against a cap of %.1f M (%d teams over); median age %d\n",
        Get_Season_Year(), nTeams, nTeams ? (double)nPlayers / nTeams : 0.0,
        Count_Players(FREE_AGENT_TEAM, ALL_ROSTERS), nTeams ? nPayroll / 1e6 / nTeams : 0.0,
        Get_Universe_Stat(UNIVERSE_SALARY_CAP) / 1e6, nOverCap,
        anAges.empty() ? 0 : anAges[anAges.size() / 2]);
}

// ---- the proof ----------------------------------------------------------------------------------

static int Write_Fictional_Import_Set(int nYear) {
    if (!Load_Universe(PLAYED_UNIVERSE)) {
        fprintf(stderr, "season_builder: cannot load %s\n", PLAYED_UNIVERSE);
        return 0;
    }
    if (!Write_Import_Set(nYear)) {
        fprintf(stderr, "season_builder: the import set of %d was not written\n", nYear);
        return 0;
    }
    printf("import set of %d written from %s, whose ", nYear, PLAYED_UNIVERSE);
    Print_League_Shape();
    return 1;
}

// The built file loaded and started as a new game, as the Advanced Tools start a build, then its
// season played to the next one's kickoff with every team run by the computer.
static int Play_Built_Season(const char* szPath, int nYear) {
    if (!Load_Universe(szPath)) {
        fprintf(stderr, "season_builder: the built %s does not load\n", szPath);
        return 0;
    }
    Start_Built_Game();
    Simulate_Seasons(1);
    if (Get_Season_Year() != nYear + 1 || gCurrentWeek != 0) {
        fprintf(stderr, "season_builder: the season of %d did not end (now %d, week %d)\n", nYear,
                Get_Season_Year(), gCurrentWeek);
        return 0;
    }
    printf("played the season of %d to the kickoff of %d\n", nYear, nYear + 1);
    return 1;
}

static void Set_Outside_Player_Ratings_Low(int nTeam, int nSlot) {
    if (Get_Player_Ostrel_ID(nTeam, nSlot)[0] == 0)
        return;
    for (int nRating = RATING_DURABILITY; nRating < RATING_COUNT; nRating++)
        Set_Player_Rating(nTeam, nSlot, 20.0f, nRating);
}

// The played league, saved and loaded again, exports its ratings; its players from outside get
// low ratings, read the file back, and export again: the two files must be the same.
static int Check_Ratings_Round_Trip(void) {
    if (Save_Game_File(COPY_UNIVERSE, NULL) != SAVE_OK || !Load_Universe(COPY_UNIVERSE)) {
        fprintf(stderr, "season_builder: the copy could not be saved and loaded\n");
        return 0;
    }
    int nYear = Get_Season_Year();
    int nRows = Export_Player_Ratings_CSV(POS_ANY, nYear);
    char szExport[IMPORT_PATH_SIZE];
    Get_Player_Ratings_CSV_Path(nYear, szExport, sizeof(szExport));
    std::string stFirst = Read_Whole_File(szExport);
    For_Each_Roster_Player(Set_Outside_Player_Ratings_Low);
    if (!Load_Player_Ratings_CSV(0, szExport)) {
        fprintf(stderr, "season_builder: %s does not open\n", szExport);
        return 0;
    }
    Export_Player_Ratings_CSV(POS_ANY, nYear);
    std::string stSecond = Read_Whole_File(szExport);
    if (stFirst.empty() || stFirst != stSecond) {
        FILE* pFile = Platform_Open_File(FIRST_RATINGS_PATH, "wb");
        if (pFile != NULL) {
            fwrite(stFirst.data(), 1, stFirst.size(), pFile);
            fclose(pFile);
        }
        fprintf(stderr,
                "season_builder: the ratings read back into the copy differ: %s against %s\n",
                szExport, FIRST_RATINGS_PATH);
        return 0;
    }
    printf(
        "ratings round trip: %d rows exported, read into the copy with lowered ratings and "
        "exported the same\n",
        nRows);
    return 1;
}

// ---- the program --------------------------------------------------------------------------------

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: season_builder <game folder> <work folder> [year] [--proof]\n");
        return 2;
    }
    int nYear = DEFAULT_BUILD_YEAR, bProof = 0;
    for (int i = 3; i < argc; i++) {
        if (strcmp(argv[i], "--proof") == 0)
            bProof = 1;
        else
            nYear = Clamp_Build_Year(atoi(argv[i]));
    }
    fs::path game = fs::absolute(argv[1]), work = fs::absolute(argv[2]);
    if (!Copy_Game_Files(game, work) || chdir(work.c_str()) != 0) {
        fprintf(stderr, "season_builder: cannot work in %s\n", work.c_str());
        return 1;
    }
    Install_Tool_Host();
    Install_Report_Writers();
    Ensure_Fame_File();  // a game started keeps its manager's name there
    Seed_Random(FIXED_RANDOM_SEED);
    Set_Game_Texts_Kept(0);
    if (bProof && !Write_Fictional_Import_Set(nYear))
        return 1;

    double fStart = Get_Seconds();
    int nResult = Create_Universe_For_Year(nYear);
    double fSeconds = Get_Seconds() - fStart;
    char szPath[IMPORT_PATH_SIZE];
    Get_Built_Universe_Path(nYear, szPath, sizeof(szPath));
    if (nResult != BUILD_OK) {
        fprintf(stderr, "season_builder: the %d database was not built (%d)\n", nYear, nResult);
        return 1;
    }
    printf("built %s in %.2f s\n", szPath, fSeconds);
    Print_League_Shape();
    if (bProof && (!Play_Built_Season(szPath, nYear) || !Check_Ratings_Round_Trip()))
        return 1;
    return 0;
}
