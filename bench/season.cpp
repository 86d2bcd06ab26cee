// Whole years of the default universe on one core, one seeded run: each year is the regular
// season, the playoffs, the off-season hand-over and the college draft up to the next kickoff,
// every team run by the computer and every report written. Prints the seconds of the first and
// the last year and the mean. Usage: bench_season [years] (default 50, about a minute and a
// half on a quiet machine).
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "database/database.h"
#include "reports/reports.h"
#include "season/season.h"
#include "shell/shell.h"

namespace {

const int kDefaultYears = 50;
const uint32_t kSeed = 1;

// The name lists and the draft's strategy and talent tables, as the installation holds them.
bool Copy_Game_Files(const std::string& stGameDir) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::copy(stGameDir + "/names", "names", fs::copy_options::recursive, error);
    if (error)
        return false;
    fs::create_directories("Input", error);
    for (const char* szFile : {"DraftStrategy.txt", "DraftTalent.txt"}) {
        fs::copy_file(stGameDir + "/Input/" + szFile, std::string("Input/") + szFile, error);
        if (error)
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int nYears = argc > 1 ? atoi(argv[1]) : kDefaultYears;
    if (nYears <= 0) {
        fprintf(stderr, "usage: %s [years]\n", argv[0]);
        return 2;
    }
    std::string stGameDir = VANTO_GAME_DIR;
    std::string stUniverse = stGameDir + "/Databases/Universe-2019.dat";
    char szScratch[] = "/tmp/vanto_season_XXXXXX";
    if (!mkdtemp(szScratch) || chdir(szScratch) != 0 || !Copy_Game_Files(stGameDir)) {
        fprintf(stderr, "cannot make a scratch folder with the game's files\n");
        return 1;
    }
    Install_Report_Writers();
    if (!Load_Universe(stUniverse.c_str())) {
        fprintf(stderr, "cannot load %s\n", stUniverse.c_str());
        return 1;
    }
    Seed_Random(kSeed);
    Start_Season(0);
    std::vector<double> seconds;
    for (int nYear = 0; nYear < nYears; nYear++) {
        int nSeason = gSeasonNumber;
        auto start = std::chrono::steady_clock::now();
        Simulate_Seasons(1);
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (gSeasonNumber != nSeason + 1 || gCurrentWeek != 0) {
            fprintf(stderr, "year %d did not reach the next season's kickoff\n", nYear + 1);
            break;
        }
    }
    double fTotal = 0;
    for (double f : seconds)
        fTotal += f;
    int nRun = (int)seconds.size();
    printf("years: %d (season, playoffs, off-season, draft; reports written)\n", nRun);
    printf("season 1: %.3f s, season %d: %.3f s, mean %.3f s a season\n", seconds.front(), nRun,
           seconds.back(), fTotal / nRun);
    std::error_code error;
    std::filesystem::remove_all(szScratch, error);
    return 0;
}
